// Squadrant: writes a team's orders for a play-by-e-mail football league.
#include "app/helpwindow.h"
#include "app/sqmainform.h"
#include "settings/inifile.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Squadrant"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/squadrant.png")));
    Q_INIT_RESOURCE(squadrant);

    TSQMainForm form(TIniFile::pathForExecutable(QApplication::applicationFilePath()));
    if (form.startFailed()) {
        // The program ends; the help, when asked for, stays until the manager closes it.
        if (form.helpAsked()) {
            if (THelpWindow* help = THelpWindow::showContents(nullptr, QApplication::applicationDirPath() +
                                                                           QLatin1String("/SQDX.HLP"))) {
                QObject::connect(help, &QObject::destroyed, &app, &QApplication::quit);
                QApplication::exec();
            }
        }
        return 1;
    }
    form.show();
    return QApplication::exec();
}
