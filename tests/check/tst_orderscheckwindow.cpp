#include "check/orderscheckform.h"
#include "tactics/editortestutil.h"
#include "widgets/placement.h"
#include "widgets/widgets.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QTextDocument>
#include <QToolButton>
#include <QTreeWidget>

namespace {

// The RVR line-up with every option chosen, so that the check finds nothing.
void buildCleanOrders(Window& w)
{
    w.useWorkDir();
    w.openRoster(sample("RVR.ros"));
    buildFixtureLineup(w);
    setPlainFixtureOptions(w);
    selectText(w.form->SessionNoComboBox, "1");
}

TOrdersCheckForm* checkWindow(Window& w)
{
    return w.form->findChild<TOrdersCheckForm*>(QStringLiteral("OrdersCheckForm"));
}

// Each row of the findings list as "severity|place|code".
QStringList shownFindings(TOrdersCheckForm* check)
{
    QStringList out;
    QTreeWidget* list = check->findChild<QTreeWidget*>(QStringLiteral("FindingsList"));
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = list->topLevelItem(i);
        out.append(item->text(0) + '|' + item->text(1) + '|' + item->text(3));
    }
    return out;
}

QString summaryText(TOrdersCheckForm* check)
{
    return check->findChild<QLabel*>(QStringLiteral("FindingsSummary"))->text();
}

using Setup = std::function<void(Window&)>;
using Expect = Setup; // the same kind: steps on the window

} // namespace

Q_DECLARE_METATYPE(Setup)

class TestOrdersCheckWindow : public QObject {
    Q_OBJECT
private slots:
    void commandShowsOneWindowBesideTheMainWindow();
    void findingsFollowEveryChange();
    void mainWindowKeysWorkFromTheCheck();
    void activatingAFindingGoesToItsPlace_data();
    void activatingAFindingGoesToItsPlace();
    void tacticFindingOpensTheEditorAtItsLine();
    void editingIsShownWhileAnEditorIsOpen();
    void lineupWithoutGoalkeeperShowsL10AtOnce();
    void bidRowWithALotAloneShowsB1();
    void conditionalsCellHintInWords();
    void hintShowsAMarkupNameAsItIs();
    void conditionalsEditorShowsSlotHolders();
    void strategiesComeFromTheSettingsFile();
    void anOpenedLineupIsTheSavedOne();
    void sideWindowPlace_data();
    void sideWindowPlace();
    void sideWindowsLeaveTheLineupInSight();
};

void TestOrdersCheckWindow::commandShowsOneWindowBesideTheMainWindow()
{
    Window w;
    QAction* command = w.action("CheckOrdersMenu");
    QCOMPARE(command->text(), QString("&Check Orders"));
    QCOMPARE(command->shortcut(), QKeySequence(Qt::Key_F9));
    const QList<QAction*> file = w.find<QMenu>("File1")->actions();
    QCOMPARE(file.indexOf(command), file.indexOf(w.action("SaveView1")) + 1);
    auto* button = w.find<QToolButton>("CheckToolbarBtn");
    QCOMPARE(button->toolTip(), QString("Check the orders before sending them"));
    QVERIFY(button->isVisible());
    QVERIFY(!checkWindow(w));

    QTest::keyClick(w.form.get(), Qt::Key_F9);
    TOrdersCheckForm* check = checkWindow(w);
    QVERIFY(check);
    QVERIFY(check->isVisible());
    QVERIFY(check->isWindow());
    QCOMPARE(check->windowTitle(), QString("Orders Check"));
    QCOMPARE(check->windowModality(), Qt::NonModal);
    QVERIFY(!QApplication::activeModalWidget());
    // Wholly on the screen; the offscreen screen has no room beside the main window, so the window keeps clear
    // of the line-up it points at (sideWindowsLeaveTheLineupInSight; level with the top when there is room:
    // sideWindowPlace).
    QVERIFY(w.form->screen()->availableGeometry().contains(check->geometry()));
    for (const QRect& k : w.form->sideWindowKeepClear())
        QVERIFY(!check->frameGeometry().intersects(k));

    // The main window goes on taking commands while the check stays open.
    w.openRoster(sample("RVR.ros"));
    QCOMPARE(w.form->AbbLabel->text(), QString("RVR"));
    QVERIFY(check->isVisible());

    check->close();
    button->click();
    QCOMPARE(w.form->findChildren<TOrdersCheckForm*>().size(), 1);
    QCOMPARE(checkWindow(w), check);
    QVERIFY(check->isVisible());
    QVERIFY(shownBoxes().isEmpty());
}

void TestOrdersCheckWindow::findingsFollowEveryChange()
{
    Window w;
    buildCleanOrders(w);
    w.form->CheckOrdersMenu->trigger();
    TOrdersCheckForm* check = checkWindow(w);
    QCOMPARE(summaryText(check), QString("No problems found"));
    QCOMPARE(shownFindings(check), QStringList());

    // A second player in S2: the upper one, Liam Carter, drops out of the file.
    const int ian = w.rowOf("Ian Moss");
    w.makeSub(ian, 2);
    QCOMPARE(summaryText(check), QString("1 error"));
    QCOMPARE(shownFindings(check), QStringList{"Error|Liam Carter|L5"});

    // Taken out with "[deselect]" he keeps the slot, but Liam Carter holds it in the file: nothing is lost.
    w.pick(ian, ColPlay, "deselectPlay");
    QCOMPARE(shownFindings(check), QStringList());
    // Without Liam Carter too, S2 stays empty.
    w.pick(w.rowOf("Liam Carter"), ColPlay, "deselectPlay");
    QCOMPARE(shownFindings(check), QStringList({"Error|Liam Carter|L6", "Error|Ian Moss|L6", "Error|Line-up|L9"}));
    w.place(w.rowOf("Liam Carter"), "DF");

    w.pick(ian, ColSubs, "subDeselect");
    w.form->HBCombo->setCurrentIndex(-1);
    selectText(w.form->SessionNoComboBox, "2"); // any command runs the check again
    QCOMPARE(shownFindings(check), QStringList{"Warning|Line-up|L2"});
    QCOMPARE(summaryText(check), QString("1 warning"));

    // A conditional made in the editor: a value out of range, a time that never comes, a change to nowhere.
    withConditionals(w, w.rowOf("Chris Doyle"), [](TPlayCondForm* f) {
        selectText(f->rows[0].event1, "T");
        selectText(f->rows[0].op1, ">");
        f->rows[0].value1->setText("95");
        selectText(f->rows[0].action, "C");
        f->DoneBtn->click();
    });
    QCOMPARE(shownFindings(check),
             QStringList({"Error|Chris Doyle, 1st conditional|P1", "Error|Chris Doyle, 1st conditional|P3",
                          "Warning|Line-up|L2", "Warning|Chris Doyle, 1st conditional|P7"}));
    QCOMPARE(summaryText(check), QString("2 errors, 2 warnings"));

    // Saving, then a change the file does not hold.
    selectText(w.form->HBCombo, "5");
    w.form->setCell(ColConditionals, w.rowOf("Chris Doyle"), QString());
    MessageBox::queueAnswer(MessageBox::Ok);
    w.form->SaveLineupMenu->trigger();
    shownBoxes();
    QCOMPARE(summaryText(check), QString("No problems found"));
    w.place(w.rowOf("Ben Ashby"), "FW", "a");
    QCOMPARE(shownFindings(check), QStringList{"Warning|Line-up|S3"});

    // Closed, it is not refreshed; shown again, it is.
    check->close();
    w.place(w.rowOf("Ben Ashby"), "FW", "n");
    QCOMPARE(shownFindings(check), QStringList{"Warning|Line-up|S3"});
    w.form->CheckOrdersMenu->trigger();
    QCOMPARE(summaryText(check), QString("No problems found"));
}

// The check stays open while the manager works on: the commands' keys reach the main window from it.
void TestOrdersCheckWindow::mainWindowKeysWorkFromTheCheck()
{
    Window w;
    buildCleanOrders(w);
    w.form->CheckOrdersMenu->trigger();
    TOrdersCheckForm* check = checkWindow(w);
    const int ben = w.rowOf("Ben Ashby");
    w.place(ben, "FW", "a");
    QCOMPARE(w.cell(ColStyle, ben), QString("a"));
    QApplication::setActiveWindow(check);
    QVERIFY(QTest::qWaitForWindowActive(check));

    QTest::keyClick(check, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(w.cell(ColStyle, ben), QString("n"));
    QTest::keyClick(check, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(w.cell(ColStyle, ben), QString("a"));
    MessageBox::queueAnswer(MessageBox::Ok);
    QTest::keyClick(check, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(shownBoxes(), QStringList{"Lineup Saved|RVR3.txt has been created|OK"});
    QCOMPARE(summaryText(check), QString("No problems found"));
}

void TestOrdersCheckWindow::activatingAFindingGoesToItsPlace_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("byEnter");
    QTest::addColumn<Expect>("expect");

    auto cell = [](const QString& name, int col) {
        return Expect([name, col](Window& w) {
            QCOMPARE(w.form->MainPageControl->currentWidget(), w.form->MainSheet);
            QCOMPARE(w.form->RosterStringGrid->currentRow(), w.rowOf(name));
            QCOMPARE(w.form->RosterStringGrid->currentColumn(), col);
            QCOMPARE(w.form->focusWidget(), w.form->RosterStringGrid);
        });
    };
    auto focus = [](const QString& control) {
        return Expect([control](Window& w) {
            QCOMPARE(w.form->MainPageControl->currentWidget(), w.form->MainSheet);
            QVERIFY(w.form->focusWidget());
            QCOMPARE(w.form->focusWidget()->objectName(), control);
        });
    };
    const Setup conditional = [](Window& w) {
        w.form->setCell(ColConditionals, w.rowOf("Chris Doyle"), ",,T,>=,60,,,,C," + QString(16, ','));
    };
    const Setup twoInS2 = [](Window& w) { w.makeSub(w.rowOf("Ian Moss"), 2); };
    const Setup traineeTwice = [](Window& w) {
        QVERIFY(w.form->TPBox->count() >= 2);
        const QString one = w.form->TPBox->itemText(0), other = w.form->TPBox->itemText(1);
        for (const QString& name : {one, other, one})
            selectText(w.form->TPBox, name);
    };
    const Setup lotAlone = [](Window& w) {
        Window::clickCell(w.form->AuctionStringGrid, 2, 0);
        w.action("LOT1")->trigger();
        w.form->LOTPopup->hide();
    };
    const Setup otherSession = [](Window& w) { w.form->addToZipList(w.path("RVRSession9Bids.txt")); };
    const Setup noSession = [](Window& w) { w.form->SessionNoComboBox->setCurrentIndex(-1); };
    const Setup sameName = [](Window& w) {
        w.form->addToZipList("/one/RVR3.txt");
        w.form->addToZipList("/two/RVR3.txt");
    };
    QTest::newRow("P7 by Enter") << conditional << "P7" << true << cell("Chris Doyle", ColConditionals);
    QTest::newRow("P7 by double click") << conditional << "P7" << false << cell("Chris Doyle", ColConditionals);
    QTest::newRow("L5 by Enter") << twoInS2 << "L5" << true << cell("Liam Carter", ColSubs);
    QTest::newRow("L4 by Enter") << traineeTwice << "L4" << true << Expect([](Window& w) {
        QCOMPARE(w.form->MainPageControl->currentWidget(), w.form->MainSheet);
        QCOMPARE(w.form->TPListBox->currentRow(), 2);
        QCOMPARE(w.form->focusWidget(), w.form->TPListBox);
    });
    QTest::newRow("B1 by double click") << lotAlone << "B1" << false << Expect([](Window& w) {
        QCOMPARE(w.form->MainPageControl->currentWidget(), w.form->AuctionSheet);
        QCOMPARE(w.form->AuctionStringGrid->currentRow(), 2);
        QCOMPARE(w.form->AuctionStringGrid->currentColumn(), 1); // the price it lacks
        QCOMPARE(w.form->focusWidget(), w.form->AuctionStringGrid);
    });
    QTest::newRow("S4 by Enter") << otherSession << "S4" << true << Expect([](Window& w) {
        QCOMPARE(w.form->MainPageControl->currentWidget(), w.form->SummarySheet);
        QCOMPARE(w.form->focusWidget(), w.form->ZipListBox);
        QVERIFY(w.form->ZipListBox->currentItem());
        QCOMPARE(w.form->ZipListBox->currentItem()->text(), w.path("RVRSession9Bids.txt"));
    });
    QTest::newRow("S1 by Enter") << noSession << "S1" << true << focus("SessionNoComboBox");
    QTest::newRow("S2 by double click") << sameName << "S2" << false << Expect([](Window& w) {
        QCOMPARE(w.form->MainPageControl->currentWidget(), w.form->SummarySheet);
        QCOMPARE(w.form->focusWidget(), w.form->ZipListBox);
        QVERIFY(w.form->ZipListBox->currentItem());
        QCOMPARE(w.form->ZipListBox->currentItem()->text(), QString("/two/RVR3.txt"));
    });
}

void TestOrdersCheckWindow::activatingAFindingGoesToItsPlace()
{
    QFETCH(Setup, setup);
    QFETCH(QString, code);
    QFETCH(bool, byEnter);
    QFETCH(Expect, expect);
    Window w;
    buildCleanOrders(w);
    setup(w);
    w.form->MainPageControl->setCurrentWidget(w.form->PressSheet);
    w.form->CheckOrdersMenu->trigger();
    TOrdersCheckForm* check = checkWindow(w);
    QTreeWidget* list = check->FindingsList;
    QTreeWidgetItem* item = nullptr;
    for (int i = 0; i < list->topLevelItemCount() && !item; ++i)
        if (list->topLevelItem(i)->text(3) == code)
            item = list->topLevelItem(i);
    QVERIFY2(item, qPrintable(shownFindings(check).join(", ")));
    list->setCurrentItem(item);
    if (byEnter)
        QTest::keyClick(list, Qt::Key_Return);
    else
        Window::doubleClick(list, list->visualItemRect(item).center());
    expect(w);
    QVERIFY(check->isVisible());
}

// A finding on a tactic line opens the team tactics editor with that line chosen; the check says "(editing...)"
// meanwhile and shows the main window's orders again once the editor has closed.
void TestOrdersCheckWindow::tacticFindingOpensTheEditorAtItsLine()
{
    Window w;
    buildCleanOrders(w);
    w.form->TacticChanges = {"G,<,0,,,,S", "T,>,90,,,,S"};
    w.form->CheckOrdersMenu->trigger();
    TOrdersCheckForm* check = checkWindow(w);
    QCOMPARE(shownFindings(check), QStringList{"Error|Tactic line 2|T2"});
    QTreeWidget* list = check->FindingsList;
    list->setCurrentItem(list->topLevelItem(0));
    bool ran = false;
    whenModal([&](QWidget* dialog) {
        auto* f = qobject_cast<TTeamTacticForm*>(dialog);
        QVERIFY(f);
        QCOMPARE(f->TeamTacListBox1->currentRow(), 1);
        QCOMPARE(f->TeamTacListBox1->currentItem()->text(), QString("T,>,90,,,,S"));
        QCOMPARE(summaryText(check), QString("1 error (editing...)"));
        f->TeamTacListBox1DeleteKey(); // the manager deletes the line and saves
        f->TeamTacSaveBtn->click();
        ran = true;
    });
    QTest::keyClick(list, Qt::Key_Return);
    QVERIFY(ran);
    QCOMPARE(w.form->TacticChanges, QStringList{"G,<,0,,,,S"});
    QCOMPARE(summaryText(check), QString("No problems found"));
}

void TestOrdersCheckWindow::editingIsShownWhileAnEditorIsOpen()
{
    Window w;
    buildCleanOrders(w);
    w.form->CheckOrdersMenu->trigger();
    TOrdersCheckForm* check = checkWindow(w);
    withConditionals(w, w.rowOf("Chris Doyle"), [&](TPlayCondForm* f) {
        QCOMPARE(summaryText(check), QString("No problems found (editing...)"));
        selectText(f->rows[0].event1, "T");
        selectText(f->rows[0].op1, "<");
        f->rows[0].value1->setText("60");
        selectText(f->rows[0].action, "C");
        selectText(f->rows[0].position, "MF");
        // The editor's choices are not the orders until Done.
        QCOMPARE(shownFindings(check), QStringList());
        f->DoneBtn->click();
    });
    QCOMPARE(summaryText(check), QString("1 warning"));
    QCOMPARE(shownFindings(check), QStringList{"Warning|Chris Doyle, 1st conditional|P12"});
    withTeamTactics(w, [&](TTeamTacticForm* f) {
        QCOMPARE(summaryText(check), QString("1 warning (editing...)"));
        f->TeamCancelBtn->click();
    });
    QCOMPARE(summaryText(check), QString("1 warning"));
}

void TestOrdersCheckWindow::lineupWithoutGoalkeeperShowsL10AtOnce()
{
    Window w;
    buildCleanOrders(w);
    w.form->CheckOrdersMenu->trigger();
    TOrdersCheckForm* check = checkWindow(w);
    const int tom = w.rowOf("Tom Adams");
    w.place(tom, "DF");
    QVERIFY(!w.form->valGKLed->isLit()); // the lamp and the check agree
    QCOMPARE(shownFindings(check), QStringList{"Error|Line-up|L10"});
    QVERIFY2(check->FindingsList->topLevelItem(0)->text(2).startsWith("No goalkeeper starts; a line-up has exactly 1."),
             qPrintable(check->FindingsList->topLevelItem(0)->text(2)));
    w.place(tom, "GK");
    QVERIFY(w.form->valGKLed->isLit());
    QCOMPARE(summaryText(check), QString("No problems found"));
}

void TestOrdersCheckWindow::bidRowWithALotAloneShowsB1()
{
    Window w;
    buildCleanOrders(w);
    w.form->CheckOrdersMenu->trigger();
    TOrdersCheckForm* check = checkWindow(w);
    Window::clickCell(w.form->AuctionStringGrid, 1, 0);
    w.action("LOT1")->trigger();
    w.form->LOTPopup->hide();
    QCOMPARE(shownFindings(check), QStringList{"Error|Bid row 1|B1"});
    QVERIFY(check->FindingsList->topLevelItem(0)->text(2).contains("\"1,,\""));
}

void TestOrdersCheckWindow::conditionalsCellHintInWords()
{
    Window w;
    buildCleanOrders(w);
    const int row = w.rowOf("Chris Doyle");
    withConditionals(w, row, [](TPlayCondForm* f) {
        selectText(f->rows[0].event1, "T");
        selectText(f->rows[0].op1, ">=");
        f->rows[0].value1->setText("60");
        selectText(f->rows[0].action, "S5");
        selectText(f->rows[0].position, "FW");
        selectText(f->rows[1].event1, "G");
        selectText(f->rows[1].op1, "<");
        f->rows[1].value1->setText("0");
        selectText(f->rows[1].event2, "T");
        selectText(f->rows[1].op2, ">");
        f->rows[1].value2->setText("75");
        selectText(f->rows[1].action, "C");
        selectText(f->rows[1].position, "MF");
        f->DoneBtn->click();
    });
    QTableWidgetItem* item = w.form->RosterStringGrid->item(row, ColConditionals);
    QCOMPARE(item->toolTip(), QString("1st: when Game Time is more than or equal to 60 Minutes: on comes S5 (Joe "
                                      "Blake) as FW\n2nd: when Goal Difference is less than 0 and Game Time is "
                                      "greater than 75 Minutes: changes to MF"));

    // The hint follows the slot: with Joe Blake out of the line-up nobody holds S5.
    w.pick(w.rowOf("Joe Blake"), ColPlay, "deselectPlay");
    QVERIFY(item->toolTip().startsWith("1st: when Game Time is more than or equal to 60 Minutes: on comes S5 "
                                       "(nobody holds S5) as FW\n"));
    withConditionals(w, row, [](TPlayCondForm* f) { f->CancelBtn->click(); });
    QCOMPARE(item->toolTip(), QString());
}

void TestOrdersCheckWindow::hintShowsAMarkupNameAsItIs()
{
    Window w;
    const QString roster = w.path("ABC.ros");
    writeBytes(roster, crlf({"ABC,Markup Town,Ann", "Gus,3,10,GK,1", "<b>Joe</b> &amp;,3,10,FW,1"}));
    w.openRoster(roster);
    w.makeSub(2, 1);
    withConditionals(w, 1, [](TPlayCondForm* f) {
        selectText(f->rows[0].event1, "T");
        selectText(f->rows[0].op1, ">=");
        f->rows[0].value1->setText("60");
        selectText(f->rows[0].action, "S1");
        f->DoneBtn->click();
    });
    const QString hint = w.form->RosterStringGrid->item(1, ColConditionals)->toolTip();
    QTextDocument shown;
    shown.setHtml(hint);
    QCOMPARE(shown.toPlainText(),
             QString("1st: when Game Time is more than or equal to 60 Minutes: on comes S1 (<b>Joe</b> &amp;)"));
}

void TestOrdersCheckWindow::conditionalsEditorShowsSlotHolders()
{
    Window w;
    buildCleanOrders(w);
    w.pick(w.rowOf("Pat Quinn"), ColPlay, "deselectPlay");
    withConditionals(w, w.rowOf("Chris Doyle"), [](TPlayCondForm* f) {
        QCOMPARE(f->SubsHoldersLabel->objectName(), QString("SubsHoldersLabel"));
        QCOMPARE(f->SubsHoldersLabel->text(), QString("Substitutes: S1 José Muñoz, S2 Liam Carter, S3 Jürgen Klöse, "
                                                      "S4 (nobody), S5 Joe Blake"));
        for (const auto& r : f->rows) {
            QCOMPARE(r.action->itemData(r.action->findText("S2"), Qt::ToolTipRole).toString(),
                     QString("S2 Liam Carter"));
            QCOMPARE(r.action->itemData(r.action->findText("S4"), Qt::ToolTipRole).toString(), QString("S4 (nobody)"));
            // The open list shows the holder beside each slot, from the item's data.
            QCOMPARE(r.action->itemData(r.action->findText("S2"), Qt::UserRole).toString(), QString("Liam Carter"));
        }
        selectText(f->rows[1].action, "S5");
        QCOMPARE(f->rows[1].action->toolTip(), QString("S5 Joe Blake"));
        f->DoneBtn->click();
    });
}

void TestOrdersCheckWindow::strategiesComeFromTheSettingsFile()
{
    // Without the preset section the editor offers "test" six times; "t" is no strategy of the league.
    Window w("[Options]\r\nLeague=LGM\r\n");
    buildCleanOrders(w);
    w.form->CheckOrdersMenu->trigger();
    TOrdersCheckForm* check = checkWindow(w);
    QCOMPARE(shownFindings(check), QStringList{"Warning|Starting strategy|T4"});
    withTeamTactics(w, [](TTeamTacticForm* f) {
        QCOMPARE(f->StartStratBox->currentText(), QString("test"));
        f->TeamTacSaveBtn->click();
    });
    QCOMPARE(w.form->TeamTactic, QString("t"));
    QCOMPARE(shownFindings(check), QStringList{"Warning|Starting strategy|T4"});
    QVERIFY(check->FindingsList->topLevelItem(0)->text(2).contains("\"t\""));
}

void TestOrdersCheckWindow::anOpenedLineupIsTheSavedOne()
{
    Window w;
    w.openSampleLineup();
    w.form->CheckOrdersMenu->trigger();
    TOrdersCheckForm* check = checkWindow(w);
    QVERIFY2(!shownFindings(check).join(' ').contains("S3"), qPrintable(shownFindings(check).join(", ")));
    w.place(w.rowOf("Tom Adams"), "GK", "a");
    QVERIFY(shownFindings(check).contains("Warning|Line-up|S3"));
    w.place(w.rowOf("Tom Adams"), "GK", "n");
    QVERIFY2(!shownFindings(check).join(' ').contains("S3"), qPrintable(shownFindings(check).join(", ")));
}

void TestOrdersCheckWindow::sideWindowPlace_data()
{
    QTest::addColumn<QRect>("room");
    QTest::addColumn<QRect>("main");
    QTest::addColumn<QList<QRect>>("keepClear");
    QTest::addColumn<QRect>("at"); // empty: no room beside, judged by what it covers
    const QSize size(736, 392);
    QTest::newRow("room to the right") << QRect(0, 0, 1600, 1200) << QRect(50, 100, 799, 600) << QList<QRect>{}
                                       << QRect(QPoint(857, 100), size);
    QTest::newRow("room only to the left")
        << QRect(0, 0, 1600, 1200) << QRect(800, 100, 799, 600) << QList<QRect>{} << QRect(QPoint(56, 100), size);
    QTest::newRow("main window fills the screen")
        << QRect(0, 0, 1024, 768) << QRect(0, 0, 1024, 768)
        << QList<QRect>{QRect(390, 80, 350, 520), QRect(745, 80, 268, 278)} << QRect();
    QTest::newRow("a little room on each side")
        << QRect(0, 0, 1024, 768) << QRect(112, 84, 800, 600)
        << QList<QRect>{QRect(500, 164, 290, 430), QRect(632, 164, 268, 278)} << QRect();
    QTest::newRow("room below only") << QRect(0, 0, 1280, 1024) << QRect(0, 0, 1280, 560)
                                     << QList<QRect>{QRect(390, 80, 600, 400), QRect(1000, 80, 268, 278)} << QRect();
}

void TestOrdersCheckWindow::sideWindowPlace()
{
    QFETCH(QRect, room);
    QFETCH(QRect, main);
    QFETCH(QList<QRect>, keepClear);
    QFETCH(QRect, at);
    const QSize size(736, 392);
    const QRect placed = placeSideWindow(main, size, room, keepClear);
    if (!at.isEmpty()) {
        QCOMPARE(placed, at);
        return;
    }
    QVERIFY(room.contains(placed));
    for (const QRect& k : keepClear)
        QVERIFY2(!placed.intersects(k), "covers what it points at");
    QVERIFY(placed.width() <= size.width() && placed.height() <= size.height());
    QVERIFY(placed.width() >= 240 && placed.height() >= 160);
    // It covers less of the main window than the old place beside it, as near as the screen allows.
    const QRect old(besideMainWindow(main, size, room), size);
    const QRect cover = placed & main, oldCover = old & main;
    QVERIFY(qint64(cover.width()) * cover.height() < qint64(oldCover.width()) * oldCover.height());
}

void TestOrdersCheckWindow::sideWindowsLeaveTheLineupInSight()
{
    // The offscreen screen is hardly larger than the main window: no room beside it.
    Window w;
    w.openRoster(sample("RVR.ros"));
    const QRect room = w.form->screen()->availableGeometry();
    QVERIFY(room.right() - w.form->frameGeometry().right() < 400 && w.form->frameGeometry().left() - room.left() < 400);
    const QList<QRect> keepClear = w.form->sideWindowKeepClear();
    QCOMPARE(keepClear.size(), 3);
    QCOMPARE(keepClear.at(1),
             QRect(w.form->LUOptionsGroupBox->mapToGlobal(QPoint()), w.form->LUOptionsGroupBox->size()));
    // The title strip with the menus.
    QVERIFY(keepClear.at(2).contains(w.form->menuWidget()->mapToGlobal(QPoint(20, 10))));
    QVERIFY(keepClear.at(2).contains(w.form->findChild<QMenuBar*>()->mapToGlobal(QPoint(5, 5))));
    const QPoint playColumn =
        w.form->RosterStringGrid->mapToGlobal(w.form->RosterStringGrid->cellRect(ColPlay, 3).center());
    QVERIFY(keepClear.at(0).contains(playColumn));
    w.action("CheckOrdersMenu")->trigger();
    w.action("Help1")->trigger();
    const QList<THelpWindow*> helps = shownHelpWindows();
    QCOMPARE(helps.size(), 1);
    for (QWidget* side : {static_cast<QWidget*>(checkWindow(w)), static_cast<QWidget*>(helps.first())}) {
        QVERIFY(side->isVisible());
        QVERIFY2(room.contains(side->frameGeometry()), qPrintable(side->objectName()));
        for (const QRect& k : keepClear)
            QVERIFY2(!side->frameGeometry().intersects(k),
                     qPrintable(QStringLiteral("%1 at %2,%3 %4x%5 covers %6,%7 %8x%9")
                                    .arg(side->objectName())
                                    .arg(side->frameGeometry().x())
                                    .arg(side->frameGeometry().y())
                                    .arg(side->frameGeometry().width())
                                    .arg(side->frameGeometry().height())
                                    .arg(k.x())
                                    .arg(k.y())
                                    .arg(k.width())
                                    .arg(k.height())));
    }
    helps.first()->close();
}

QTEST_MAIN(TestOrdersCheckWindow)
#include "tst_orderscheckwindow.moc"
