// Where the keyboard is: once round every window and page with Tab, each stop a control the manager sees, with a
// ring of two pixels in the highlight colour round it (and round the current cell of a grid or list), and the
// lamps that say their rule and the line-up's state.
#include "check/orderscheckform.h"
#include "focustestutil.h"
#include "squad/lineupassistform.h"
#include "squad/lineupchecker.h"
#include "tactics/editortestutil.h"
#include "widgets/widgets.h"

#include <QTabBar>
#include <QTabWidget>

namespace {

// Gives the focus to the first control of the window's Tab order that takes it, as a window does when it opens.
void focusFirst(QWidget* window)
{
    QApplication::setActiveWindow(window);
    if (QWidget* now = QApplication::focusWidget(); now && now->window() == window)
        return;
    for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain())
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled()) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
}

// Goes once round the window with Tab and checks every stop: visible, enabled, at least 10 by 10 pixels, no
// arrow of a spin pair, and the ring round it (and round its current cell) in the window's picture. Returns the
// names of the stops.
QStringList checkRound(QWidget* window)
{
    focusFirst(window);
    const QList<QWidget*> stops = tabRound(window);
    if (stops.isEmpty()) {
        QTest::qFail("Tab did not come back round the window", __FILE__, __LINE__);
        return {};
    }
    QStringList names;
    for (QWidget* stop : stops) {
        stop->setFocus(Qt::TabFocusReason);
        names.append(describeWidget(stop));
        const QString problem = stopProblem(stop);
        if (!problem.isEmpty()) {
            QTest::qFail(qPrintable(problem), __FILE__, __LINE__);
            return names;
        }
        if (qobject_cast<TUpDown*>(stop->parentWidget())) {
            QTest::qFail(qPrintable(names.last() + " is an arrow of a spin pair"), __FILE__, __LINE__);
            return names;
        }
        const QString missing = focusRingMissing(window->grab().toImage(), stop);
        if (!missing.isEmpty()) {
            QTest::qFail(qPrintable(missing), __FILE__, __LINE__);
            return names;
        }
    }
    return names;
}

// Runs the round in the next modal dialog that `open` shows.
QStringList roundInDialog(const std::function<void()>& open)
{
    QStringList names;
    bool ran = false;
    whenModal([&](QWidget* d) {
        names = checkRound(d);
        ran = true;
        qobject_cast<QDialog*>(d)->reject();
    });
    open();
    if (!ran)
        QTest::qFail("the dialog did not open", __FILE__, __LINE__);
    return names;
}

} // namespace

class TestFocus : public QObject {
    Q_OBJECT
private slots:
    void everyTabStopIsSeenWithItsRing_data();
    void everyTabStopIsSeenWithItsRing();
    void ringFollowsTheFocusAndTheCurrentCell();
    void lampsSayTheirRuleAndState_data();
    void lampsSayTheirRuleAndState();
};

void TestFocus::everyTabStopIsSeenWithItsRing_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("among"); // stops the round must include
    QTest::addColumn<QStringList>("never"); // controls that must be no stop
    QTest::newRow("Lineup Creator") << "SQMainForm" << 0
                                    << QStringList{"RosterStringGrid", "MatchTacBtnWithColor1", "PTakeBox", "TPListBox",
                                                   "CPListBox"}
                                    << QStringList{"TTListBox", "LineupTotGrid"};
    QTest::newRow("Lineup Viewer") << "SQMainForm" << 1 << QStringList{"StartersListBox"} << QStringList{};
    QTest::newRow("Auction Bids") << "SQMainForm" << 2 << QStringList{"AuctionStringGrid", "SaveBidsBtn"}
                                  << QStringList{};
    QTest::newRow("Press Statement") << "SQMainForm" << 3 << QStringList{"PressMemo", "SavePressBtn"} << QStringList{};
    QTest::newRow("Zip Orders") << "SQMainForm" << 4 << QStringList{"ZipListBox", "ZipBtn"} << QStringList{};
    QTest::newRow("team tactics") << "TeamTacticForm" << 0
                                  << QStringList{"CTacVal1", "CTacVal2", "TeamTacListBox1", "TeamTacSaveBtn"}
                                  << QStringList{};
    QTest::newRow("player conditionals, LGM")
        << "PlayCondForm" << 0 << QStringList{"CTacValA1", "CTacValC2"} << QStringList{"MP1Combo"};
    QTest::newRow("player conditionals, MSWL")
        << "PlayCondForm" << 1 << QStringList{"CTacValA1", "MP1Combo"} << QStringList{};
    QTest::newRow("assistant") << "LineupAssistForm" << 0 << QStringList{} << QStringList{};
    QTest::newRow("orders check") << "OrdersCheckForm" << 0 << QStringList{"FindingsList", "CloseBtn"} << QStringList{};
    QTest::newRow("match plan") << "MatchPlanForm" << 0
                                << QStringList{"ScoreBox", "PlanEventsList", "SavePlanBtn", "CloseBtn"}
                                << QStringList{};
    QTest::newRow("season length") << "SeasonLengthForm" << 0 << QStringList{"MatchNumEdit", "DoneBtn"}
                                   << QStringList{};
    QTest::newRow("home bonus") << "HBRangeDlg" << 0 << QStringList{} << QStringList{};
    QTest::newRow("working folder") << "WorkDirDlg" << 0 << QStringList{} << QStringList{};
    QTest::newRow("bid amount") << "EnterBidForm" << 0 << QStringList{"BidEdit", "BidAllBtn", "OKBtn"} << QStringList{};
    QTest::newRow("bid name") << "BidNameDlg" << 0 << QStringList{} << QStringList{};
    QTest::newRow("about") << "AboutBox" << 0 << QStringList{} << QStringList{};
    QTest::newRow("help") << "HelpWindow" << 0 << QStringList{"HelpBrowser"} << QStringList{};
}

void TestFocus::everyTabStopIsSeenWithItsRing()
{
    QFETCH(QString, window);
    QFETCH(int, page);
    QFETCH(QStringList, among);
    QFETCH(QStringList, never);
    Window w;
    if (window == "PlayCondForm" && page == 1)
        w.action("MenuFullMSWL")->trigger();
    w.openRoster(sample("RVR.ros"));
    w.form->TacticChanges = QStringList{"G,>,1,,,,L"};
    w.form->TPListBox->addItem("Finn Back");
    w.form->ZipListBox->addItem(w.path("RVR3.txt"));
    QStringList stops;
    if (window == "SQMainForm") {
        w.form->MainPageControl->setCurrentIndex(page);
        w.form->MainPageControl->tabBar()->setFocus(Qt::TabFocusReason);
        stops = checkRound(w.form.get());
    } else if (window == "OrdersCheckForm") {
        w.action("CheckOrdersMenu")->trigger();
        auto* check = w.find<TOrdersCheckForm>("OrdersCheckForm");
        stops = checkRound(check);
        check->close();
    } else if (window == "MatchPlanForm") {
        w.action("MatchPlanMenu")->trigger();
        auto* plan = w.find<QWidget>("MatchPlanForm");
        stops = checkRound(plan);
        plan->close();
    } else if (window == "HelpWindow") {
        w.action("Help1")->trigger();
        THelpWindow* help = shownHelpWindows().value(0);
        QVERIFY(help);
        stops = checkRound(help);
        help->close();
    } else {
        stops = roundInDialog([&] {
            if (window == "TeamTacticForm") {
                w.form->MatchTacBtnWithColor1->click();
            } else if (window == "PlayCondForm") {
                w.clickGrid(4, ColConditionals);
            } else if (window == "LineupAssistForm") {
                w.action("SuggestLineupMenu")->trigger();
            } else if (window == "SeasonLengthForm") {
                w.action("SeasonLength1")->trigger();
            } else if (window == "HBRangeDlg") {
                w.action("HomeBonus")->trigger();
            } else if (window == "WorkDirDlg") {
                w.action("MenuSelectDirectory")->trigger();
            } else if (window == "AboutBox") {
                w.action("About1")->trigger();
            } else {
                w.form->MainPageControl->setCurrentWidget(w.form->AuctionSheet);
                w.form->AuctionStringGrid->setFocus();
                w.form->AuctionStringGrid->setCurrentCell(1, window == "EnterBidForm" ? 1 : 2);
                Window::key(Qt::Key_Return);
            }
        });
    }
    if (QTest::currentTestFailed())
        return;
    QVERIFY2(!stops.isEmpty(), "no Tab stop");
    for (const QString& name : among)
        QVERIFY2(stops.contains(name), qPrintable(name + " is no stop in: " + stops.join(", ")));
    for (const QString& name : never)
        QVERIFY2(!stops.contains(name), qPrintable(name + " is a stop in: " + stops.join(", ")));
    QVERIFY(shownBoxes().isEmpty());
}

void TestFocus::ringFollowsTheFocusAndTheCurrentCell()
{
    Window w;
    w.openRoster(sample("RVR.ros"));
    TStringGrid* grid = w.form->RosterStringGrid;
    QVERIFY(Window::tabTo(grid));
    Window::key(Qt::Key_Down);
    Window::key(Qt::Key_Down);
    for (int c = grid->currentColumn(); c < ColPlay; ++c)
        Window::key(Qt::Key_Right);
    QCOMPARE(grid->currentColumn(), int(ColPlay));
    QImage picture = w.form->grab().toImage();
    QCOMPARE(focusRingMissing(picture, grid), QString());
    // The current cell is chosen too: its fill is lighter than the ring, so the ring stands out.
    const QColor highlight = grid->palette().color(QPalette::Active, QPalette::Highlight);
    const QRect cell = grid->visualRect(grid->currentIndex());
    const QPoint inside = grid->viewport()->mapTo(w.form.get(), cell.center() + QPoint(cell.width() / 2 - 4, 0));
    QVERIFY(grid->currentItem() == nullptr || grid->selectionModel()->isSelected(grid->currentIndex()));
    QVERIFY(picture.pixelColor(inside).rgb() != highlight.rgb());

    // The ring goes with the focus: none round the grid once the focus is elsewhere.
    const QRect gridRing = focusRingRect(grid);
    QVERIFY(Window::tabTo(w.form->PTakeBox));
    picture = w.form->grab().toImage();
    QCOMPARE(focusRingMissing(picture, w.form->PTakeBox), QString());
    QVERIFY(!ringMissing(picture, gridRing, highlight).isEmpty());
    // A list entered with Tab frames its first line with the ring.
    w.form->TPListBox->addItems({"Finn Back", "Dov Keeper"});
    QVERIFY(Window::tabTo(w.form->TPListBox));
    QCOMPARE(w.form->TPListBox->currentRow(), 0);
    QCOMPARE(focusRingMissing(w.form->grab().toImage(), w.form->TPListBox), QString());
}

void TestFocus::lampsSayTheirRuleAndState_data()
{
    QTest::addColumn<QStringList>("placed"); // "row position" or "row S<slot>"
    QTest::addColumn<QString>("lamp");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<bool>("roster"); // a roster is read first
    QTest::newRow("before any roster") << QStringList{} << "valGKLed"
                                       << "Goalkeeper: exactly 1 must start. Now: not checked yet." << false;
    // Reading a roster checks the line-up it leaves.
    QTest::newRow("roster just read") << QStringList{} << "valGKLed"
                                      << "Goalkeeper: exactly 1 must start. Now: 0." << true;
    QTest::newRow("no goalkeeper") << QStringList{"3 DF"} << "valGKLed"
                                   << "Goalkeeper: exactly 1 must start. Now: 0." << true;
    QTest::newRow("one goalkeeper") << QStringList{"1 GK"} << "valGKLed"
                                    << "Goalkeeper: exactly 1 must start. Now: 1." << true;
    QTest::newRow("two sweepers") << QStringList{"2 SW", "3 SW"} << "valSWLed"
                                  << "Sweeper: at most 1 may start. Now: 2." << true;
    QTest::newRow("defenders") << QStringList{"3 DF"} << "valDFLed"
                               << "Defenders: 2 to 5 must start. Now: 1." << true;
    QTest::newRow("starters") << QStringList{"1 GK", "3 DF"} << "starting11Led"
                              << "Starting 11: exactly 11 players must start. Now: 2." << true;
    QTest::newRow("substitutes") << QStringList{"4 S2", "5 S5"} << "subsLed"
                                 << "Five Subs: exactly 5 substitutes must hold the slots S1 to S5. Now: 2, in S2, "
                                    "S5."
                                 << true;
}

void TestFocus::lampsSayTheirRuleAndState()
{
    QFETCH(QStringList, placed);
    QFETCH(QString, lamp);
    QFETCH(QString, hint);
    QFETCH(bool, roster);
    Window w;
    if (roster)
        w.openRoster(sample("RVR.ros"));
    for (const QString& p : placed) {
        const int row = p.section(' ', 0, 0).toInt();
        const QString what = p.section(' ', 1);
        if (what.startsWith('S') && what.size() == 2 && what.at(1).isDigit())
            w.makeSub(row, what.mid(1).toInt());
        else
            w.place(row, what);
    }
    auto* led = w.find<TLed>(lamp);
    QCOMPARE(led->toolTip(), hint);
    QCOMPARE(led->accessibleDescription(), hint);
    if (!placed.isEmpty()) {
        // The same words as a fresh check of the grid gives.
        const CheckResult fresh = checkLineup(w.form->squadTable(), w.form->TeamTactic);
        const Lamp which = lamp == "valGKLed"        ? Lamp::GK
                           : lamp == "valSWLed"      ? Lamp::SW
                           : lamp == "valDFLed"      ? Lamp::DF
                           : lamp == "starting11Led" ? Lamp::Starting11
                                                     : Lamp::FiveSubs;
        QCOMPARE(led->toolTip(), lampHint(which, fresh));
    }
}

QTEST_MAIN(TestFocus)
#include "tst_focus.moc"
