// Starts the main window as the program does, loads a sample roster through the Open Roster command, and
// writes a screenshot of the screen. Used under Xvfb to look at the program:
//   squadrant_screenshot --roster samples/RVR.ros --out shot.png [--lineup RVR3.txt] [--page 1]
//                        [--size 640|800|1024|WxH] [--focus name] [--whole-screen]
// --size chooses a "Form Size" item, or drags the window to W by H and chooses "Custom". The picture shows the
// window with a margin of the bare screen around it, so that anything of a frame standing apart would show.
#include "app/sqmainform.h"
#include "settings/inifile.h"
#include "widgets/filedialog.h"
#include "widgets/messagebox.h"

#include "squad/squadtable.h"
#include "widgets/stringgrid.h"
#include <QApplication>
#include <QComboBox>
#include <QCommandLineParser>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <cstdlib>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Squadrant"));
    Q_INIT_RESOURCE(squadrant);
    QCommandLineParser args;
    args.addOptions(
        {{QStringLiteral("roster"), QStringLiteral("roster file"), QStringLiteral("path")},
         {QStringLiteral("lineup"), QStringLiteral("line-up file to open"), QStringLiteral("path")},
         {QStringLiteral("page"), QStringLiteral("page to show"), QStringLiteral("n")},
         {QStringLiteral("size"), QStringLiteral("window size"), QStringLiteral("WxH")},
         {QStringLiteral("open"),
          QStringLiteral("dialog to open: tactics, conditionals, about, bid, name, season, assistant, check, plan, "
                         "close (a player's style changed, a file listed for the archive, then the window closed)"),
          QStringLiteral("dialog")},
         {QStringLiteral("focus"),
          QStringLiteral("control to give the keyboard focus (a grid: its 4th player's Play cell)"),
          QStringLiteral("name")},
         {QStringLiteral("whole-screen"), QStringLiteral("the whole screen rather than the window")},
         {QStringLiteral("out"), QStringLiteral("png file"), QStringLiteral("path")}});
    args.process(app);
    MessageBox::enableTestHook();
    FileDialog::enableTestHook();

    auto* form = new TSQMainForm(TIniFile::pathForExecutable(QApplication::applicationFilePath()));
    if (form->startFailed())
        return 1;
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
        const QString size = args.value(QStringLiteral("size"));
        if (QAction* item = form->findChild<QAction*>(QStringLiteral("size%1Menu").arg(size))) {
            item->trigger();
        } else {
            const QStringList wh = size.split(QLatin1Char('x'));
            form->setOuterSize(wh.value(0).toInt(), wh.value(1).toInt());
            QTimer::singleShot(500, form->sizeCustMenu, &QAction::trigger);
        }
    }
    if (args.isSet(QStringLiteral("page")))
        form->MainPageControl->setCurrentIndex(args.value(QStringLiteral("page")).toInt());
    if (args.isSet(QStringLiteral("focus"))) {
        const QString name = args.value(QStringLiteral("focus"));
        QTimer::singleShot(300, form, [form, name] {
            form->activateWindow();
            if (auto* grid = form->findChild<TStringGrid*>(name))
                grid->setCurrentCell(4, ColPlay);
            if (auto* control = form->findChild<QWidget*>(name))
                control->setFocus(Qt::TabFocusReason);
        });
    }
    const QString out = args.value(QStringLiteral("out"));
    const bool wholeScreen = args.isSet(QStringLiteral("whole-screen"));
    QTimer::singleShot(1500, [out, form, wholeScreen] {
        QWidget* shown = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : form;
        // The orders check is a window of its own beside the main window, not a modal one.
        for (const char* name : {"OrdersCheckForm", "MatchPlanForm"})
            if (auto* window = form->findChild<QWidget*>(QLatin1String(name)); window && window->isVisible())
                shown = window;
        const QRect around =
            wholeScreen ? QRect() : shown->frameGeometry().united(form->frameGeometry()).adjusted(-8, -8, 8, 8);
        QScreen* screen = QGuiApplication::primaryScreen();
        (wholeScreen ? screen->grabWindow(0)
                     : screen->grabWindow(0, around.x(), around.y(), around.width(), around.height()))
            .save(out);
        std::_Exit(0); // also from inside a dialog's own event loop
    });
    const QString dialog = args.value(QStringLiteral("open"));
    if (dialog == QLatin1String("tactics"))
        QTimer::singleShot(100, form->MatchTacBtnWithColor1, &QPushButton::click);
    else if (dialog == QLatin1String("about"))
        QTimer::singleShot(100, form->About1, &QAction::trigger);
    else if (dialog == QLatin1String("assistant"))
        QTimer::singleShot(100, form->SuggestLineupMenu, &QAction::trigger);
    else if (dialog == QLatin1String("check"))
        QTimer::singleShot(100, form->CheckOrdersMenu, &QAction::trigger);
    else if (dialog == QLatin1String("plan"))
        QTimer::singleShot(100, form, [form] {
            form->MatchPlanMenu->trigger();
            // The score of the picture: one goal down, where most of the orders come true.
            if (auto* box = form->findChild<QComboBox*>(QStringLiteral("ScoreBox")))
                box->setCurrentIndex(2);
        });
    else if (dialog == QLatin1String("season"))
        QTimer::singleShot(100, form->SeasonLength1, &QAction::trigger);
    else if (dialog == QLatin1String("close"))
        QTimer::singleShot(100, form, [form] {
            form->RosterStringGrid->setCurrentCell(2, ColPlay);
            form->guard([form] { form->choosePlayer(form->findChild<QAction*>(QStringLiteral("aggressiveDF"))); });
            form->addToZipList(QStringLiteral("RVR3.txt"));
            MessageBox::disableTestHook(); // the real question
            form->close();
        });
    else if (dialog == QLatin1String("conditionals"))
        QTimer::singleShot(100, form, [form] {
            form->RosterStringGrid->setCurrentCell(18, ColConditionals);
            form->openPlayerConditionals();
        });
    else if (dialog == QLatin1String("bid") || dialog == QLatin1String("name"))
        QTimer::singleShot(100, form, [form, dialog] {
            form->MainPageControl->setCurrentWidget(form->AuctionSheet);
            form->AuctionStringGrid->setCurrentCell(1, dialog == QLatin1String("bid") ? 1 : 2);
            form->AuctionStringGridMouseUp(QPoint(200, 40));
        });
    return QApplication::exec();
}
