// Start-up as the manager meets it: the main window with the settings file and a sample roster, shown, then quit.
#include "widgets/filedialog.h"
#include "app/sqmainform.h"
#include "settings/inifile.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    FileDialog::enableTestHook();
    TSQMainForm form(argv[1]);                                // the settings file
    FileDialog::queueAnswer(QString::fromLocal8Bit(argv[2])); // the roster
    form.OpenSubMenu->trigger();
    form.show();
    QTimer::singleShot(0, &app, &QApplication::quit);
    return QApplication::exec();
}
