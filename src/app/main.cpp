// Squadrant: writes a team's orders for a play-by-e-mail football league.
#include "app/commandline.h"
#include "app/helpwindow.h"
#include "app/sqapplication.h"
#include "app/sqmainform.h"
#include "settings/settingsplace.h"
#include "widgets/filedialog.h"
#include "widgets/messagebox.h"

#include <QIcon>
#include <QTimer>
#include <cstdio>

int main(int argc, char* argv[])
{
    // --help and --version answer before anything opens a display.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const CommandLine commandLine = parseCommandLine(arguments);
    if (commandLine.action != CommandLine::Start) {
        QCoreApplication core(argc, argv);
        const QString samples = locateSamplesFolder(QCoreApplication::applicationFilePath());
        if (commandLine.action == CommandLine::Wrong) {
            std::fprintf(stderr, "squadrant: %s\n%s", qPrintable(commandLine.problem), qPrintable(usageText(samples)));
            return 2;
        }
        std::fputs(qPrintable(commandLine.action == CommandLine::ShowHelp ? usageText(samples) : versionText()),
                   stdout);
        return 0;
    }

    TSquadrantApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Squadrant"));
    Q_INIT_RESOURCE(squadrant);
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/hicolor/%1x%1/apps/squadrant.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);

    const QString executable = QApplication::applicationFilePath();
    const SettingsPlace settings = locateSettingsFile(executable);
    if (!settings.error.isEmpty())
        MessageBox::error(nullptr, settings.error + QStringLiteral(" The shipped settings file is used; changes to the "
                                                                   "settings cannot be kept."));
    const QString samples = locateSamplesFolder(executable);
    if (!samples.isEmpty())
        FileDialog::addPlace(QStringLiteral("Samples"), samples);
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
    if (!commandLine.rosterFile.isEmpty()) {
        // Once the window stands, as if the manager had chosen the file with Open Roster.
        const QString roster = commandLine.rosterFile;
        QTimer::singleShot(0, &form, [&form, roster] { form.guard([&form, roster] { form.openRosterFile(roster); }); });
    }
    return QApplication::exec();
}
