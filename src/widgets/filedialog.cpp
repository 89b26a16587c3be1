#include "filedialog.h"

#include <QFileDialog>
#include <QStringList>
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

void enableTestHook()
{
    hook().enabled = true;
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
    return QFileDialog::getOpenFileName(parent, Title, InitialDir, FileDialog::qtFilter(Filter));
}
