#include "testutil.h"
#include "widgets/widgets.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace {
// Rows of the RVR sample by position: GK 1-2, SW 3, SD 4, DF 5-8, DM 9-10, MF 11-13, MA 14-15, WG 16-17,
// FW 18-20, UT 21-22, DF 23, MF 24, FW 25.
void buildFullLineup(Window& w)
{
    w.place(1, "GK");
    w.place(3, "SW");
    for (int r : {5, 6, 7, 8})
        w.place(r, "DF");
    for (int r : {11, 12, 13})
        w.place(r, "MF");
    for (int r : {18, 19})
        w.place(r, "FW");
    int slot = 1;
    for (int r : {2, 4, 9, 14, 21})
        w.makeSub(r, slot++);
}

QString lamps(const Window& w)
{
    QStringList on;
    for (const char* name :
         {"valGKLed", "valSWLed", "valDFLed", "valMFLed", "valFWLed", "starting11Led", "subsLed", "MF21Led", "FW21Led"})
        if (w.find<TLed>(name)->isLit())
            on << QString(name).remove("val").remove("Led");
    return on.join(' ');
}
} // namespace

class TestSelection : public QObject {
    Q_OBJECT
private slots:
    void popupMenusAsTheManagerSeesThem();
    void gridClickRules_data();
    void gridClickRules();
    void playerStates_data();
    void playerStates();
    void lampsAndTotalsFollowEveryChange();
    void conversionErrorKeepsLampsAndTotals();
    void traineesAndCoaches();
    void newLineup_data();
    void newLineup();
    void subsMenuShowsWhoHoldsEachSlot();
};

void TestSelection::popupMenusAsTheManagerSeesThem()
{
    Window w;
    QCOMPARE(w.form->PlayPopup->defaultAction(), w.action("deselectPlay"));
    QCOMPARE(w.action("deselectPlay")->text(), QString("[deselect]"));
    QStringList captions;
    for (QAction* a : w.form->PlayPopup->actions())
        captions << (a->isSeparator() ? "-" : a->iconText());
    QCOMPARE(captions, (QStringList{"[deselect]", "-", "GK", "SW", "DF", "MF", "WG", "FW"}));
    QMenu* gk = w.action("popGK")->menu();
    QStringList styles;
    for (QAction* a : gk->actions())
        styles << a->iconText() + (a->isEnabled() ? "" : "(off)");
    QCOMPARE(styles, (QStringList{"Play Style(off)", "[p]assive", "[n]ormal", "[a]ggressive"}));
    QCOMPARE(w.action("aggressiveWG")->iconText(), QString("[a]ggressive"));
    QVERIFY(!w.action("popWG")->isEnabled());
    w.action("MenuFullMSWL")->trigger();
    QVERIFY(w.action("popWG")->isEnabled());
    QStringList subs;
    for (QAction* a : w.form->SubPopup->actions())
        subs << (a->isSeparator() ? QString("-") : QString(a->iconText() + "=" + a->toolTip()));
    QCOMPARE(subs, (QStringList{"[deselect]=not a sub", "-", "S 1=1st sub", "S 2=2nd Sub", "S 3=3rd Sub", "S 4=4th Sub",
                                "S 5=5th Sub"}));
    QStringList lots;
    for (QAction* a : w.form->LOTPopup->actions())
        lots << (a->isSeparator() ? "-" : a->text());
    QCOMPARE(lots, (QStringList{"[Deselect]", "-", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
}

void TestSelection::gridClickRules_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("opens");
    QTest::newRow("Play") << 3 << int(ColPlay) << "PlayPopup";
    QTest::newRow("Style") << 3 << int(ColStyle) << "PlayPopup";
    QTest::newRow("Subs") << 3 << int(ColSubs) << "SubPopup";
    QTest::newRow("Age") << 3 << int(ColAge) << "";
    QTest::newRow("Name, within 100 pixels") << 3 << int(ColName) << "";
    QTest::newRow("header row") << 0 << int(ColPlay) << "";
}

void TestSelection::gridClickRules()
{
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(QString, opens);
    Window w;
    w.openRoster(sample("RVR.ros"));
    w.clickGrid(row, col);
    QCOMPARE(w.form->PlayPopup->isVisible(), opens == "PlayPopup");
    QCOMPARE(w.form->SubPopup->isVisible(), opens == "SubPopup");
    w.form->PlayPopup->hide();
    w.form->SubPopup->hide();
}

void TestSelection::playerStates_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("items"); // pop-up items in order, "sub:" for the Subs menu
    QTest::addColumn<QStringList>("cells"); // Play, Style, Subs afterwards
    QTest::newRow("S 3 for a DM without position") << 9 << QStringList{"sub:popSub3"} << QStringList{"DF", "n", "S3"};
    QTest::newRow("S 2 for a placed MF keeps it")
        << 11 << QStringList{"aggressiveMF", "sub:popSub2"} << QStringList{"MF", "a", "S2"};
    QTest::newRow("S 1 for a WG in LGM") << 16 << QStringList{"sub:popSub1"} << QStringList{"WG", "n", "S1"};
    QTest::newRow("UT plays FW") << 21 << QStringList{"sub:popSub5"} << QStringList{"FW", "n", "S5"};
    QTest::newRow("SD plays SW") << 4 << QStringList{"sub:popSub4"} << QStringList{"SW", "n", "S4"};
    QTest::newRow("MA plays MF") << 14 << QStringList{"sub:popSub4"} << QStringList{"MF", "n", "S4"};
    QTest::newRow("deselect keeps the slot")
        << 9 << QStringList{"sub:popSub3", "deselectPlay"} << QStringList{"", "", "S3"};
    QTest::newRow("position again: substitute in that slot")
        << 9 << QStringList{"sub:popSub3", "deselectPlay", "passiveFW"} << QStringList{"FW", "p", "S3"};
    QTest::newRow("sub deselect makes a starter")
        << 9 << QStringList{"sub:popSub3", "sub:subDeselect"} << QStringList{"DF", "n", ""};
}

void TestSelection::playerStates()
{
    QFETCH(int, row);
    QFETCH(QStringList, items);
    QFETCH(QStringList, cells);
    Window w;
    w.openRoster(sample("RVR.ros"));
    w.form->setCell(ColConditionals, row, "keep");
    for (const QString& item : items) {
        if (item.startsWith("sub:"))
            w.pick(row, ColSubs, item.mid(4));
        else
            w.pick(row, ColPlay, item);
    }
    QCOMPARE(w.form->squadTable()[row].mid(ColPlay, 3), cells);
    QCOMPARE(w.cell(ColConditionals, row), QString("keep"));
}

void TestSelection::lampsAndTotalsFollowEveryChange()
{
    Window w;
    w.openRoster(sample("RVR.ros"));
    // The roster read is checked too: with nobody placed, only the sweeper rule (at most one) is met.
    QCOMPARE(lamps(w), QString("SW"));
    w.place(1, "GK");
    QCOMPARE(lamps(w), QString("GK SW"));
    buildFullLineup(w);
    QCOMPARE(lamps(w), QString("GK SW DF MF FW starting11 subs MF21 FW21"));
    QCOMPARE(w.find<TLed>("FW21Led")->color(), QColor(220, 0, 0));
    QCOMPARE(w.find<TLed>("starting11Led")->color(), QColor(128, 0, 128));
    TStringGrid* totals = w.form->LineupTotGrid;
    QStringList num, sl;
    for (int c = 1; c <= 6; ++c) {
        num << totals->cellText(c, 1);
        sl << totals->cellText(c, 2);
    }
    QCOMPARE(num.join(' '), QString("1 1 4 3 0 2"));
    QCOMPARE(sl.join(' '), QString("12 19 68 41 0 37")); // SL of the sample rows, all in their own positions
    w.place(20, "FW");                                   // a twelfth starter
    QVERIFY(!w.find<TLed>("starting11Led")->isLit());
    w.pick(20, ColPlay, "deselectPlay");
    QVERIFY(w.find<TLed>("starting11Led")->isLit());
    w.makeSub(22, 5); // a second S5: six substitutes
    QVERIFY(!w.find<TLed>("subsLed")->isLit());
}

void TestSelection::conversionErrorKeepsLampsAndTotals()
{
    Window w;
    w.openRoster(sample("RVR.ros"));
    w.place(1, "GK");
    w.form->setCell(ColSL, 3, "x");
    w.place(3, "SW");
    QCOMPARE(shownBoxes(), QStringList{"Error|'x' is not a valid integer value|OK"});
    QCOMPARE(w.cell(ColPlay, 3), QString("SW")); // the choice stays
    QCOMPARE(w.form->LineupTotGrid->cellText(2, 1), QString("0"));
    QCOMPARE(lamps(w), QString("GK SW"));
}

void TestSelection::traineesAndCoaches()
{
    Window w;
    w.openRoster(sample("RVR.ros"));
    auto choose = [](QComboBox* box, int index) {
        box->setCurrentIndex(index);
        emit box->activated(index);
    };
    for (int i = 0; i < 5; ++i)
        choose(w.form->TPBox, i);
    QCOMPARE(Window::items(w.form->TPListBox), (QStringList{"Joe Blake", "Max Weber", "Ryan Cole", "Will Stone"}));
    QCOMPARE(shownBoxes(), QStringList{"Training Problem|Four players already chosen.|OK"});
    QCOMPARE(w.form->TPBox->currentIndex(), -1);
    for (int i : {0, 0, 1, 2, 3})
        choose(w.form->CPBox, i);
    QCOMPARE(Window::items(w.form->CPListBox), (QStringList{"OTF", "OTF", "Tom Adams", "José Muñoz"}));
    QCOMPARE(shownBoxes(), QStringList{"Coaching Problem|Four players already chosen|OK"});
    QListWidget* list = w.form->TPListBox;
    const QRect second = list->visualItemRect(list->item(1));
    Window::doubleClick(list, second.center());
    QCOMPARE(Window::items(list), (QStringList{"Joe Blake", "Ryan Cole", "Will Stone"}));
    list->clearSelection();
    list->setCurrentRow(-1);
    Window::doubleClick(list, QPoint(5, list->viewport()->height() - 3));
    QCOMPARE(list->count(), 3);
}

void TestSelection::newLineup_data()
{
    QTest::addColumn<bool>("autoIncrease");
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::newRow("4 of 30 gives 5") << true << 3 << 4;
    QTest::newRow("last stays") << true << 29 << 29;
    QTest::newRow("none gives 1") << true << -1 << 0;
    QTest::newRow("without auto increase") << false << 3 << 3;
}

void TestSelection::newLineup()
{
    QFETCH(bool, autoIncrease);
    QFETCH(int, before);
    QFETCH(int, after);
    Window w;
    w.openRoster(sample("RVR.ros"));
    if (autoIncrease)
        w.action("MenuAutoIncr")->trigger();
    buildFullLineup(w);
    const QString lit = lamps(w);
    w.form->setCell(ColConditionals, 1, QString(25, ','));
    w.form->MatchNoComboBox->setCurrentIndex(before);
    w.form->SessionNoComboBox->setCurrentIndex(2);
    w.form->HBCombo->setCurrentIndex(1);
    w.form->PTakeBox->setCurrentIndex(1);
    w.form->TPListBox->addItem("Joe Blake");
    w.form->CPListBox->addItem("OTF");
    w.form->TTListBox->addItem("G,>,1,,,,L");
    w.form->TacticChanges = QStringList{"G,>,1,,,,L"};
    w.form->OppPlayers = QStringList{"Ann"};
    w.form->ChooseOppButton->setText("HLU");
    w.form->PressMemo->setPlainText("kept");
    w.form->addToZipList("/x/RVR3.txt");
    w.find<QAction>("NewLineupMenu")->trigger();

    for (int r = 1; r < w.form->RosterStringGrid->rowCount(); ++r)
        QCOMPARE(w.form->squadTable()[r].mid(ColPlay), QStringList(4));
    QCOMPARE(w.cell(ColName, 1), QString("Tom Adams"));
    QCOMPARE(w.form->MatchNoComboBox->currentIndex(), after);
    QCOMPARE(w.form->SessionNoComboBox->currentIndex(), 2);
    QCOMPARE(w.form->HBCombo->currentIndex(), -1);
    QCOMPARE(w.form->PTakeBox->currentIndex(), -1);
    QCOMPARE(w.form->TPListBox->count() + w.form->CPListBox->count() + w.form->TTListBox->count(), 0);
    QVERIFY(w.form->TacticChanges.isEmpty() && w.form->OppPlayers.isEmpty());
    QCOMPARE(w.form->TeamTactic, QString());
    QCOMPARE(w.form->ChooseOppButton->text(), QString("None"));
    QCOMPARE(w.form->PressMemo->toPlainText(), QString("kept"));
    QCOMPARE(w.form->ZipListBox->count(), 1);
    // The checker runs: the lamps and totals show the empty line-up, not the one before.
    QVERIFY(lit != "SW");
    QCOMPARE(lamps(w), QString("SW"));
    for (int c = 1; c <= 6; ++c) {
        QCOMPARE(w.form->LineupTotGrid->cellText(c, 1), QString("0"));
        QCOMPARE(w.form->LineupTotGrid->cellText(c, 2), QString("0"));
    }
}

void TestSelection::subsMenuShowsWhoHoldsEachSlot()
{
    Window w;
    w.openRoster(sample("RVR.ros"));
    const int dov = w.rowOf("Chris Doyle"), owen = w.rowOf("Owen Hughes");
    w.makeSub(dov, 2);
    w.makeSub(owen, 5);
    // The menu as it opens on another player's Subs cell: each slot's holder beside its caption, in the
    // shortcut column; the captions themselves stay "S 1" .. "S 5" and choosing still fills the slot.
    w.clickGrid(w.rowOf("Tom Adams"), ColSubs);
    QVERIFY(w.form->SubPopup->isVisible());
    QStringList texts, captions;
    for (int k = 1; k <= 5; ++k) {
        texts << w.action(QString("popSub%1").arg(k))->text();
        captions << w.action(QString("popSub%1").arg(k))->iconText();
    }
    QCOMPARE(texts, (QStringList{"S &1", "S &2\tChris Doyle", "S &3", "S &4", "S &5\tOwen Hughes"}));
    QCOMPARE(captions, (QStringList{"S 1", "S 2", "S 3", "S 4", "S 5"}));
    w.action("popSub3")->trigger();
    w.form->SubPopup->hide();
    QCOMPARE(w.cell(ColSubs, w.rowOf("Tom Adams")), QString("S3"));
    // Opened again, it follows the change.
    w.clickGrid(dov, ColSubs);
    QCOMPARE(w.action("popSub3")->text(), QString("S &3\tTom Adams"));
    w.action("subDeselect")->trigger();
    w.form->SubPopup->hide();
    w.clickGrid(owen, ColSubs);
    QCOMPARE(w.action("popSub2")->text(), QString("S &2"));
    w.form->SubPopup->hide();
}

QTEST_MAIN(TestSelection)
#include "tst_selection.moc"
