// Starts the main window as the program does, loads a sample roster through the Open Roster command, and
// writes a screenshot of the screen. Used under Xvfb to look at the program:
//   squadrant_screenshot --roster samples/RVR.ros --out shot.png [--lineup RVR3.txt] [--page 1] [--size
//   1020x680]
#include "app/filedialog.h"
#include "app/messagebox.h"
#include "app/sqmainform.h"
#include "settings/inifile.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Squadrant"));
    Q_INIT_RESOURCE(squadrant);
    QCommandLineParser args;
    args.addOptions({{QStringLiteral("roster"), QStringLiteral("roster file"), QStringLiteral("path")},
                     {QStringLiteral("lineup"), QStringLiteral("line-up file to open"), QStringLiteral("path")},
                     {QStringLiteral("page"), QStringLiteral("page to show"), QStringLiteral("n")},
                     {QStringLiteral("size"), QStringLiteral("window size"), QStringLiteral("WxH")},
                     {QStringLiteral("script"), QStringLiteral("select a sample line-up")},
                     {QStringLiteral("out"), QStringLiteral("png file"), QStringLiteral("path")}});
    args.process(app);
    MessageBox::enableTestHook();
    FileDialog::enableTestHook();

    auto* form = new TSQMainForm(TIniFile::pathForExecutable(QApplication::applicationFilePath()));
    if (form->startFailed())
        return 1;
    form->move(10, 10);
    form->show();
    if (args.isSet(QStringLiteral("roster"))) {
        FileDialog::queueAnswer(args.value(QStringLiteral("roster")));
        form->OpenSubMenu->trigger();
    }
    if (args.isSet(QStringLiteral("lineup"))) {
        FileDialog::queueAnswer(args.value(QStringLiteral("lineup")));
        form->OpenLineupMenu->trigger();
    }
    if (args.isSet(QStringLiteral("size"))) {
        const QStringList wh = args.value(QStringLiteral("size")).split(QLatin1Char('x'));
        form->setOuterSize(wh.value(0).toInt(), wh.value(1).toInt());
    }
    if (args.isSet(QStringLiteral("page")))
        form->MainPageControl->setCurrentIndex(args.value(QStringLiteral("page")).toInt());
    const QString out = args.value(QStringLiteral("out"));
    QTimer::singleShot(1500, [out] {
        QGuiApplication::primaryScreen()->grabWindow(0).save(out);
        QApplication::quit();
    });
    return QApplication::exec();
}
