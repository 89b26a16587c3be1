// Squadrant: writes a team's orders for a play-by-e-mail football league.
#include "app/helpwindow.h"
#include "app/sqapplication.h"
#include "app/sqmainform.h"
#include "settings/settingsplace.h"
#include "widgets/messagebox.h"

#include <QIcon>

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
            if (THelpWindow* help = THelpWindow::showContents(nullptr, locateHelpFile(executable))) {
                QObject::connect(help, &QObject::destroyed, &app, &QApplication::quit);
                QApplication::exec();
            }
        }
        return 1;
    }
    form.show();
    return QApplication::exec();
}
