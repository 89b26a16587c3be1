#include "filedialog.h"

#include <QAbstractItemModel>
#include <QFileDialog>
#include <QListView>
#include <QStringList>
#include <QUrl>
#include <optional>

namespace FileDialog {
namespace {
struct Hook {
    bool enabled = false;
    QStringList answers;
    QList<Asked> asked;
};
Hook& hook()
{
    static Hook h;
    return h;
}

struct Place {
    QString name, folder;
};
QList<Place>& places()
{
    static QList<Place> p;
    return p;
}

// The side bar names a folder after its file name; a place keeps the name it was given, also when the dialog
// renames the entry again as it reads the folder. Returns the side bar as it was, which the dialog keeps in the
// user's Qt settings when it closes: the places are the program's, not the user's.
QList<QUrl> showPlaces(QFileDialog& dialog)
{
    QList<QUrl> before = dialog.sidebarUrls();
    if (places().isEmpty())
        return before;
    for (const Place& place : places())
        before.removeAll(QUrl::fromLocalFile(place.folder));
    QList<QUrl> urls = before;
    for (const Place& place : places())
        urls.append(QUrl::fromLocalFile(place.folder));
    dialog.setSidebarUrls(urls);
    auto* sidebar = dialog.findChild<QListView*>(QStringLiteral("sidebar"));
    if (!sidebar || !sidebar->model())
        return before;
    QAbstractItemModel* model = sidebar->model();
    const auto rename = [model] {
        for (int row = 0; row < model->rowCount(); ++row) {
            const QModelIndex index = model->index(row, 0);
            const QString folder = index.data(Qt::UserRole + 1).toUrl().toLocalFile();
            for (const Place& place : places())
                if (folder == place.folder && index.data().toString() != place.name)
                    model->setData(index, place.name, Qt::DisplayRole);
        }
    };
    rename();
    QObject::connect(model, &QAbstractItemModel::dataChanged, sidebar, rename);
    return before;
}

std::optional<QString> hooked(const QString& title, const QString& filter, const QString& folder)
{
    Hook& h = hook();
    if (!h.enabled)
        return std::nullopt;
    h.asked.append({title, filter, folder});
    return h.answers.isEmpty() ? QString() : h.answers.takeFirst();
}
} // namespace

QString qtFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString text = parts.at(i);
        const QString patterns = QString(parts.at(i + 1)).replace(QLatin1Char(';'), QLatin1Char(' '));
        if (!text.contains(QLatin1Char('(')))
            text += QLatin1String(" (") + patterns + QLatin1Char(')');
        out.append(text);
    }
    return out.join(QLatin1String(";;"));
}

QString chooseFolder(QWidget* parent, const QString& title, const QString& startFolder)
{
    if (auto answer = hooked(title, QString(), startFolder))
        return *answer;
    return QFileDialog::getExistingDirectory(parent, title, startFolder);
}

QString saveFileName(QWidget* parent, const QString& title, const QString& filter, const QString& suggested)
{
    if (auto answer = hooked(title, filter, suggested))
        return *answer;
    return QFileDialog::getSaveFileName(parent, title, suggested, qtFilter(filter));
}

void addPlace(const QString& name, const QString& folder)
{
    places().append({name, folder});
}

void enableTestHook()
{
    hook().enabled = true;
}
void disableTestHook()
{
    hook().enabled = false;
}
void queueAnswer(const QString& path)
{
    hook().answers.append(path);
}
QList<Asked> takeAsked()
{
    hook().answers.clear();
    return std::exchange(hook().asked, {});
}
} // namespace FileDialog

TOpenDialog::TOpenDialog(const QString& name, QString title, QString filter, QObject* parent)
    : QObject(parent)
    , Title(std::move(title))
    , Filter(std::move(filter))
{
    setObjectName(name);
}

QString TOpenDialog::execute(QWidget* parent)
{
    if (auto answer = FileDialog::hooked(Title, Filter, InitialDir))
        return *answer;
    // As QFileDialog::getOpenFileName, with the program's places in the side bar.
    QFileDialog dialog(parent, Title, InitialDir, FileDialog::qtFilter(Filter));
    dialog.setFileMode(QFileDialog::ExistingFile);
    const QList<QUrl> usersSidebar = FileDialog::showPlaces(dialog);
    const bool chosen = dialog.exec() == QDialog::Accepted;
    dialog.setSidebarUrls(usersSidebar);
    return chosen ? dialog.selectedFiles().value(0) : QString();
}
