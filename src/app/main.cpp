// Squadrant: writes a team's orders for a play-by-e-mail football league.
#include "app/helpwindow.h"
#include "app/sqmainform.h"
#include "settings/settingsplace.h"
#include "widgets/messagebox.h"

#include <QApplication>
#include <QIcon>

namespace {
// The application's general handler: an error that a handler let escape is shown in an error box, and the
// program goes on (every command runs under the main window's guard; this catches what lies outside it).
class TSquadrantApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& e) {
            MessageBox::error(activeWindow(), QString::fromUtf8(e.what()));
        }
        return false;
    }
};
} // namespace

int main(int argc, char* argv[])
{
    TSquadrantApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Squadrant"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/squadrant.png")));
    Q_INIT_RESOURCE(squadrant);

    const QString executable = QApplication::applicationFilePath();
    const SettingsPlace settings = locateSettingsFile(executable);
    if (!settings.error.isEmpty())
        MessageBox::error(nullptr, settings.error + QStringLiteral(" The shipped settings file is used; changes to the "
                                                                   "settings cannot be kept."));
    TSQMainForm form(settings.path);
    if (form.startFailed()) {
        // The program ends; the help, when asked for, stays until the manager closes it.
        if (form.helpAsked()) {
            THelpWindow::showContents(nullptr, locateHelpFile(executable));
            QApplication::exec();
        }
        return 1;
    }
    form.show();
    return QApplication::exec();
}
