#include "check/orderscheck.h"
#include "check/orderscheckform.h"
#include "lineup/lineuptestutil.h"
#include "squad/lineupassist.h"
#include "squad/lineupassistform.h"
#include "squad/lineupchecker.h"
#include "tactics/Playcondunit.h"
#include "tactics/teamtacticform.h"
#include "widgets/widgets.h"

#include <QCheckBox>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

namespace {
// Runs `steps` in the assistant that Ctrl+L opens, and returns once it has closed.
void withAssistant(Window& w, const std::function<void(TLineupAssistForm*)>& steps)
{
    QApplication::setActiveWindow(w.form.get());
    withEditor<TLineupAssistForm>([&w] { QTest::keyClick(w.form.get(), Qt::Key_L, Qt::ControlModifier); }, steps);
}

QStringList lampsLit(Window& w)
{
    QStringList lit;
    for (TLed* led : w.form->findChildren<TLed*>())
        if (led->isLit())
            lit << led->objectName();
    lit.sort();
    return lit;
}

QStringList totalsRow(Window& w, int row)
{
    QStringList out;
    for (int c = 1; c <= 6; ++c)
        out << w.form->LineupTotGrid->cellText(c, row);
    return out;
}

// The totals the checker shows for the grid as it stands.
void verifyTotalsFollowTheGrid(Window& w)
{
    const CheckResult r = checkLineup(w.form->squadTable(), w.form->TeamTactic);
    for (int c = 0; c < 6; ++c) {
        QCOMPARE(w.form->LineupTotGrid->cellText(c + 1, 1), QString::number(r.counts[c]));
        QCOMPARE(w.form->LineupTotGrid->cellText(c + 1, 2), QString::number(r.sums[c]));
    }
}

// The lamps the checker lights for the grid as it stands.
void verifyLampsFollowTheGrid(Window& w)
{
    const CheckResult r = checkLineup(w.form->squadTable(), w.form->TeamTactic);
    const QList<std::pair<const char*, bool>> lamps = {
        {"valGKLed", r.gk},      {"valSWLed", r.sw},  {"valDFLed", r.df},
        {"valMFLed", r.mf},      {"valFWLed", r.fw},  {"starting11Led", r.starting11},
        {"subsLed", r.fiveSubs}, {"MF21Led", r.mf21}, {"FW21Led", r.fw21 != FwLamp::Off}};
    for (const auto& [name, lit] : lamps)
        QVERIFY2(w.find<TLed>(name)->isLit() == lit, name);
    if (r.fw21 != FwLamp::Off)
        QCOMPARE(w.find<TLed>("FW21Led")->color(), r.fw21 == FwLamp::Green ? QColor(0, 170, 0) : QColor(220, 0, 0));
}

// Lamps, totals and the open Orders Check all show the orders as they stand.
void verifyShownAgreesWithTheOrders(Window& w)
{
    verifyTotalsFollowTheGrid(w);
    verifyLampsFollowTheGrid(w);
    if (w.form->OrdersCheckForm) {
        auto* list = w.form->OrdersCheckForm->findChild<QTreeWidget*>("FindingsList");
        QVERIFY(list);
        QStringList shown, fresh;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            shown << list->topLevelItem(i)->text(2);
        for (const Finding& f : w.form->checkOrders())
            fresh << f.sentence;
        QCOMPARE(shown, fresh);
    }
}

const QStringList kAllLamps = {"FW21Led",  "MF21Led",  "starting11Led", "subsLed", "valDFLed",
                               "valFWLed", "valGKLed", "valMFLed",      "valSWLed"};
} // namespace

class TestAssistWindow : public QObject {
    Q_OBJECT
private slots:
    void commandAndDialogAsTheManagerSeesThem_data();
    void commandAndDialogAsTheManagerSeesThem();
    void nothingWithoutARoster();
    void suggestApplySaveUndoRedo();
    void keptAndLeftOutPlayers();
    void aFormationAndNoLegalLineup();
    void cancelChangesNothing();
    void choicesAreKeptWhileTheRosterStays_data();
    void choicesAreKeptWhileTheRosterStays();
    void choicesOfAnotherRosterAreNotCarriedOver();
    void undoRedoEachKindOfStep_data();
    void undoRedoEachKindOfStep();
    void undoShortcutsAndNotSteps();
    void historyHoldsAHundredSteps();
    void normalStrategyFromSavingIsNoStep();
};

void TestAssistWindow::commandAndDialogAsTheManagerSeesThem_data()
{
    QTest::addColumn<QString>("league");
    QTest::newRow("LGM") << "";
    QTest::newRow("MSWL") << "FULL";
}

void TestAssistWindow::commandAndDialogAsTheManagerSeesThem()
{
    QFETCH(QString, league);
    Window w;
    w.action(league.isEmpty() ? "MenuNoWG" : "MenuFullMSWL")->trigger();
    QAction* suggest = w.action("SuggestLineupMenu");
    QCOMPARE(suggest->text(), QString("S&uggest Lineup..."));
    QCOMPARE(suggest->shortcut().toString(), QString("Ctrl+L"));
    auto* file = w.find<QMenu>("File1");
    const QList<QAction*> items = file->actions();
    QCOMPARE(items.indexOf(suggest), items.indexOf(w.action("NewLineupMenu")) + 1);
    auto* button = w.find<QToolButton>("SuggestToolbarBtn");
    QCOMPARE(button->toolTip(), QString("Suggest the best legal line-up"));
    QList<QToolButton*> strip;
    for (QObject* o : w.form->ToolBar1->children())
        if (auto* b = qobject_cast<QToolButton*>(o); b && !b->objectName().isEmpty())
            strip << b;
    QCOMPARE(strip.indexOf(button), strip.indexOf(w.form->SaveToolbarBtn) + 1);
    // All five buttons fit the strip left of the team's panel (the tool bar hides what does not fit).
    QVERIFY(button->isVisible());
    QVERIFY(w.form->HelpToolbarBtn->isVisible());
    QVERIFY(w.form->ToolBar1->geometry().right() < w.form->infoPanel->geometry().left());

    QMenu* edit = w.find<QMenu>("EditMenu");
    QCOMPARE(edit->title(), QString("&Edit"));
    const QList<QAction*> bar = w.find<QMenuBar>("MainMenu1")->actions();
    QCOMPARE(bar.indexOf(edit->menuAction()), bar.indexOf(file->menuAction()) + 1);
    QCOMPARE(bar.indexOf(w.find<QMenu>("Options1")->menuAction()), bar.indexOf(edit->menuAction()) + 1);
    QCOMPARE(w.action("UndoMenu")->text(), QString("&Undo"));
    QCOMPARE(w.action("UndoMenu")->shortcut().toString(), QString("Ctrl+Z"));
    QCOMPARE(w.action("RedoMenu")->text(), QString("&Redo"));
    QCOMPARE(w.action("RedoMenu")->shortcuts(),
             (QList<QKeySequence>{QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")}));
    QVERIFY(!w.action("UndoMenu")->isEnabled());
    QVERIFY(!w.action("RedoMenu")->isEnabled());

    w.openRoster(sample("RVR.ros"));
    withAssistant(w, [&](TLineupAssistForm* f) {
        QCOMPARE(f->objectName(), QString("LineupAssistForm"));
        QCOMPARE(f->windowTitle(), QString("Lineup Assistant"));
        QStringList formations = {"Best"};
        for (const Formation& fm : legalFormations(!league.isEmpty()))
            formations << formationName(fm);
        QCOMPARE(Window::items(f->FormationBox), formations);
        QCOMPARE(f->FormationBox->currentIndex(), 0);
        QCOMPARE(f->KeepPlacedCheck->text(), QString("Keep the players already placed"));
        QVERIFY(f->KeepPlacedCheck->isChecked());
        QCOMPARE(f->FillSubsCheck->text(), QString("Fill the empty substitute slots"));
        QVERIFY(f->FillSubsCheck->isChecked());
        // Each player with his roster position and SL beside the name.
        QStringList names;
        for (int r = 1; r < w.form->RosterStringGrid->rowCount(); ++r)
            names << w.cell(ColName, r) + "  " + w.cell(ColPos, r) + "  " + w.cell(ColSL, r);
        QCOMPARE(Window::items(f->LeaveOutList), names);
        for (int i = 0; i < f->LeaveOutList->count(); ++i)
            QCOMPARE(f->LeaveOutList->item(i)->checkState(), Qt::Unchecked);
        QCOMPARE(f->AssistApplyBtn->text(), QString("Apply"));
        QVERIFY(f->AssistApplyBtn->isDefault());
        QVERIFY(f->AssistApplyBtn->isEnabled());
        QCOMPARE(f->AssistCancelBtn->text(), QString("Cancel"));
        // Eleven starters, five substitutes, the counts, the sums, the total and the lamps.
        const QStringList shown = Window::items(f->AssistResultList);
        QCOMPARE(shown.size(), 11 + 5 + 4);
        QVERIFY(shown.at(16).startsWith("Num: GK 1, SW "));
        QCOMPARE(shown.at(18), QStringLiteral("Total SL of the starters: %1").arg(f->proposal().total));
        QCOMPARE(shown.at(19), QString("Lamps: GK, SW, DF, MF, FW, Starting 11, Five Subs, 2:1 MF, 2:1 FW"));
        for (int i = 0; i < 16; ++i) { // "GK  Tom Adams  n", "S1  GK  José Muñoz  n"
            const QString play = shown.at(i).section("  ", i < 11 ? 0 : 1, i < 11 ? 0 : 1);
            QVERIFY2(playedPositions().contains(play), qPrintable(shown.at(i)));
            QVERIFY(!league.isEmpty() || play != "WG");
        }
        QTest::keyClick(f, Qt::Key_Escape);
    });
}

void TestAssistWindow::nothingWithoutARoster()
{
    Window w;
    const SquadTable before = w.form->squadTable();
    w.action("SuggestLineupMenu")->trigger(); // would wait in the dialog if one opened
    w.form->SuggestToolbarBtn->click();
    QVERIFY(!w.form->findChild<TLineupAssistForm*>());
    QCOMPARE(w.form->squadTable(), before);
    QVERIFY(!w.action("UndoMenu")->isEnabled());
}

void TestAssistWindow::suggestApplySaveUndoRedo()
{
    Window w;
    w.useWorkDir();
    w.openRoster(sample("RVR.ros"));
    const SquadTable before = w.form->squadTable();
    AssistOptions options;
    options.teamTactic = "N";
    const AssistResult expected = suggestLineup(before, options);
    QVERIFY(expected.found);
    withAssistant(w, [](TLineupAssistForm* f) { QTest::keyClick(f, Qt::Key_Return); }); // Apply is the default
    QCOMPARE(w.form->squadTable(), expected.table);
    QCOMPARE(lampsLit(w), kAllLamps);
    qint64 total = 0;
    for (const QString& s : totalsRow(w, 2))
        total += s.toLongLong();
    QCOMPARE(total, expected.total);
    QCOMPARE(totalsRow(w, 1).at(0), QString("1"));
    const SquadTable applied = w.form->squadTable();

    selectText(w.form->MatchNoComboBox, "3");
    w.action("SaveLineupMenu")->trigger();
    QCOMPARE(shownBoxes(), QStringList{"Lineup Saved|RVR3.txt has been created|OK"});
    QVERIFY(QFile::exists(w.path("RVR3.txt")));

    w.action("UndoMenu")->trigger(); // the match choice
    QCOMPARE(w.form->MatchNoComboBox->currentIndex(), -1);
    w.action("UndoMenu")->trigger(); // Apply
    QCOMPARE(w.form->squadTable(), before);
    verifyTotalsFollowTheGrid(w);
    QVERIFY(w.action("UndoMenu")->isEnabled()); // reading the roster is a step too
    w.action("RedoMenu")->trigger();
    QCOMPARE(w.form->squadTable(), applied);
    QCOMPARE(lampsLit(w), kAllLamps);
    QVERIFY(w.action("RedoMenu")->isEnabled());
}

void TestAssistWindow::keptAndLeftOutPlayers()
{
    Window w;
    w.openRoster(sample("RVR.ros"));
    const int hughes = w.rowOf("Owen Hughes"), blake = w.rowOf("Joe Blake"), doyle = w.rowOf("Chris Doyle");
    const int grant = w.rowOf("Lee Grant");
    w.place(hughes, "MF", "a");
    w.makeSub(blake, 2);
    w.place(grant, "GK", "p");
    const SquadTable before = w.form->squadTable();
    withAssistant(w, [&](TLineupAssistForm* f) {
        QVERIFY(Window::items(f->AssistResultList).join('\n').contains("Chris Doyle"));
        QListWidgetItem* item = f->LeaveOutList->item(doyle - 1);
        QCOMPARE(item->text(), "Chris Doyle  " + w.cell(ColPos, doyle) + "  " + w.cell(ColSL, doyle));
        f->LeaveOutList->setFocus();
        f->LeaveOutList->setCurrentItem(item);
        QTest::keyClick(f->LeaveOutList, Qt::Key_Space); // ticked by keyboard
        QCOMPARE(item->checkState(), Qt::Checked);
        QVERIFY(!Window::items(f->AssistResultList).join('\n').contains("Chris Doyle"));
        f->AssistApplyBtn->click();
    });
    QCOMPARE(w.form->squadTable().at(hughes), before.at(hughes)); // kept: MF, a, no slot
    QCOMPARE(w.form->squadTable().at(blake), before.at(blake));   // kept in S2
    QCOMPARE(w.form->squadTable().at(grant), before.at(grant));   // kept in goal
    QCOMPARE(w.cell(ColPlay, doyle), QString());
    QCOMPARE(w.cell(ColSubs, doyle), QString());
    for (int r = 1; r < w.form->RosterStringGrid->rowCount(); ++r)
        if (r != hughes && r != blake && r != grant && !w.cell(ColPlay, r).isEmpty())
            QCOMPARE(w.cell(ColStyle, r), QString("n"));
    QCOMPARE(lampsLit(w), kAllLamps);
    const SquadTable applied = w.form->squadTable();
    QApplication::setActiveWindow(w.form.get());
    QTest::keyClick(w.form.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(w.form->squadTable(), before);
    QTest::keyClick(w.form.get(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(w.form->squadTable(), applied);
}

void TestAssistWindow::aFormationAndNoLegalLineup()
{
    Window w;
    w.openRoster(sample("RVR.ros"));
    w.place(w.rowOf("Tom Adams"), "GK");
    w.place(w.rowOf("José Muñoz"), "GK");
    withAssistant(w, [&](TLineupAssistForm* f) {
        QCOMPARE(Window::items(f->AssistResultList),
                 QStringList{"2 goalkeepers are kept as starters; a line-up has exactly 1"});
        QVERIFY(!f->AssistApplyBtn->isEnabled());
        QTest::keyClick(f, Qt::Key_Return); // nothing to apply
        QVERIFY(f->isVisible());
        f->KeepPlacedCheck->click();
        QVERIFY(f->AssistApplyBtn->isEnabled());
        f->FormationBox->setCurrentIndex(f->FormationBox->findText("SW1 DF3 MF4 FW2"));
        f->FillSubsCheck->click();
        QVERIFY(Window::items(f->AssistResultList).contains("Num: GK 1, SW 1, DF 3, MF 4, WG 0, FW 2"));
        f->AssistApplyBtn->click();
    });
    QCOMPARE(totalsRow(w, 1), (QStringList{"1", "1", "3", "4", "0", "2"}));
    for (int r = 1; r < w.form->RosterStringGrid->rowCount(); ++r)
        QCOMPARE(w.cell(ColSubs, r), QString()); // no substitutes asked for
}

void TestAssistWindow::cancelChangesNothing()
{
    Window w;
    w.openRoster(sample("RVR.ros"));
    w.place(w.rowOf("Tom Adams"), "GK");
    const SquadTable before = w.form->squadTable();
    const QStringList totals = totalsRow(w, 2);
    withAssistant(w, [](TLineupAssistForm* f) { QTest::keyClick(f, Qt::Key_Escape); });
    withAssistant(w, [](TLineupAssistForm* f) { f->AssistCancelBtn->click(); });
    QCOMPARE(w.form->squadTable(), before);
    QCOMPARE(totalsRow(w, 2), totals);
    w.action("UndoMenu")->trigger(); // the last step is still the goalkeeper's
    QCOMPARE(w.cell(ColPlay, w.rowOf("Tom Adams")), QString());
}

void TestAssistWindow::choicesAreKeptWhileTheRosterStays_data()
{
    QTest::addColumn<QString>("closedBy");
    QTest::addColumn<QString>("between"); // what happens before the next opening
    QTest::addColumn<bool>("kept");
    for (const char* closedBy : {"Apply", "Cancel", "Escape"}) {
        QTest::addRow("%s, nothing between", closedBy) << closedBy << "" << true;
        QTest::addRow("%s, a player placed", closedBy) << closedBy << "place" << true;
        QTest::addRow("%s, New Lineup", closedBy) << closedBy << "New Lineup" << false;
        QTest::addRow("%s, a roster read", closedBy) << closedBy << "roster" << false;
    }
}

void TestAssistWindow::choicesAreKeptWhileTheRosterStays()
{
    QFETCH(QString, closedBy);
    QFETCH(QString, between);
    QFETCH(bool, kept);
    Window w;
    w.openRoster(sample("RVR.ros"));
    const int doyle = w.rowOf("Chris Doyle");
    const QString formation = "SW1 DF3 MF4 FW2";
    withAssistant(w, [&](TLineupAssistForm* f) {
        f->FormationBox->setCurrentIndex(f->FormationBox->findText(formation));
        f->KeepPlacedCheck->click();
        f->FillSubsCheck->click();
        f->LeaveOutList->item(doyle - 1)->setCheckState(Qt::Checked);
        if (closedBy == "Apply")
            f->AssistApplyBtn->click();
        else if (closedBy == "Cancel")
            f->AssistCancelBtn->click();
        else
            QTest::keyClick(f, Qt::Key_Escape);
    });
    if (between == "place")
        w.place(w.rowOf("Tom Adams"), "GK");
    else if (between == "New Lineup")
        w.action("NewLineupMenu")->trigger();
    else if (between == "roster")
        w.openRoster(sample("RVR.ros")); // the same file read again is a fresh start too
    shownBoxes();
    withAssistant(w, [&](TLineupAssistForm* f) {
        QCOMPARE(f->FormationBox->currentText(), kept ? formation : QString("Best"));
        QCOMPARE(f->KeepPlacedCheck->isChecked(), !kept);
        QCOMPARE(f->FillSubsCheck->isChecked(), !kept);
        QStringList ticked;
        for (int i = 0; i < f->LeaveOutList->count(); ++i)
            if (f->LeaveOutList->item(i)->checkState() == Qt::Checked)
                ticked << f->LeaveOutList->item(i)->text().section("  ", 0, 0);
        QCOMPARE(ticked, kept ? QStringList{"Chris Doyle"} : QStringList());
        // The proposal is the one for the options shown.
        QCOMPARE(!Window::items(f->AssistResultList).join('\n').contains("Chris Doyle"), kept);
        f->AssistCancelBtn->click();
    });
}

void TestAssistWindow::choicesOfAnotherRosterAreNotCarriedOver()
{
    Window w;
    w.openRoster(sample("RVR.ros"));
    w.openRoster(sample("MSC.ros"));
    withAssistant(w, [](TLineupAssistForm* f) {
        f->KeepPlacedCheck->click();
        f->LeaveOutList->item(0)->setCheckState(Qt::Checked);
        f->AssistCancelBtn->click();
    });
    w.action("UndoMenu")->trigger(); // back to the RVR squad, without reading a roster
    QCOMPARE(w.form->AbbLabel->text(), QString("RVR"));
    withAssistant(w, [](TLineupAssistForm* f) {
        QVERIFY(f->KeepPlacedCheck->isChecked());
        QCOMPARE(f->LeaveOutList->item(0)->checkState(), Qt::Unchecked);
        f->AssistCancelBtn->click();
    });
}

void TestAssistWindow::undoRedoEachKindOfStep_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("name"); // as the Edit menu names it; %1 stands for the name in row 5
    const std::pair<const char*, const char*> steps[] = {{"pop-up choice", "Choose MF for Max Weber"},
                                                         {"keyboard choice", "Choose MF for Max Weber"},
                                                         {"Delete key", "Remove coach"},
                                                         {"substitute slot", "Choose S4 for Jürgen Klöse"},
                                                         {"conditionals Done", "Conditionals for %1"},
                                                         {"conditionals Cancel", "Conditionals for %1"},
                                                         {"team tactics Save & Exit", "Team Tactics"},
                                                         {"trainee", "Choose trainee"},
                                                         {"trainee removed", "Remove trainee"},
                                                         {"coach", "Choose coach"},
                                                         {"penalty taker", "Choose penalty taker"},
                                                         {"home bonus", "Choose home bonus"},
                                                         {"match", "Choose match"},
                                                         {"New Lineup", "New Lineup"},
                                                         {"Open Lineup", "Open Lineup"},
                                                         {"roster", "Open Roster"},
                                                         {"opponent", "Choose opponent"},
                                                         {"assistant", "Apply suggestion"}};
    for (const auto& [step, name] : steps)
        QTest::newRow(step) << QString(step) << QString::fromUtf8(name);
}

void TestAssistWindow::undoRedoEachKindOfStep()
{
    QFETCH(QString, step);
    Window w;
    w.openRoster(sample("RVR.ros"));
    buildFixtureLineup(w);
    setFixtureTactics(w);
    w.form->setCell(ColConditionals, 5, ",,T,>=,60,G,<,0,S1,FW" + QString(16, ','));
    w.form->guard([] {}); // what the fixture set directly is a step of its own
    QFETCH(QString, name);
    name.replace("%1", w.cell(ColName, 5));
    // The Orders Check is open throughout: it follows every command as the lamps and totals do.
    w.action("CheckOrdersMenu")->trigger();
    QApplication::setActiveWindow(w.form.get());
    const LineupState before = w.form->lineupState();
    const int row = w.rowOf("Max Weber");
    if (step == "pop-up choice")
        w.place(row, "MF", "a");
    else if (step == "keyboard choice") {
        QVERIFY(Window::tabTo(w.form->RosterStringGrid));
        w.form->RosterStringGrid->setCurrentCell(row, ColPlay);
        for (int key : {int(Qt::Key_Return), int(Qt::Key_M), int(Qt::Key_A)})
            Window::key(key);
        QCOMPARE(w.cell(ColPlay, row) + w.cell(ColStyle, row), QString("MFa"));
    } else if (step == "Delete key") {
        QVERIFY(Window::tabTo(w.form->CPListBox));
        w.form->CPListBox->setCurrentRow(0);
        Window::key(Qt::Key_Delete);
    } else if (step == "substitute slot")
        w.makeSub(w.rowOf("Jürgen Klöse"), 4);
    else if (step == "conditionals Done")
        withEditor<TPlayCondForm>([&] { w.clickGrid(5, ColConditionals); },
                                  [](TPlayCondForm* f) {
                                      f->rows[0].spin1->press(true);
                                      f->DoneBtn->click();
                                  });
    else if (step == "conditionals Cancel")
        withEditor<TPlayCondForm>([&] { w.clickGrid(5, ColConditionals); },
                                  [](TPlayCondForm* f) { f->CancelBtn->click(); });
    else if (step == "team tactics Save & Exit")
        withEditor<TTeamTacticForm>([&] { w.form->MatchTacBtnWithColor1->click(); },
                                    [](TTeamTacticForm* f) {
                                        f->StartStratBox->setCurrentIndex(f->StartStratBox->count() - 1);
                                        f->TeamTacSaveBtn->click();
                                    });
    else if (step == "trainee")
        selectText(w.form->TPBox, "Will Stone");
    else if (step == "trainee removed")
        Window::doubleClick(w.form->TPListBox, w.form->TPListBox->visualItemRect(w.form->TPListBox->item(0)).center());
    else if (step == "coach")
        selectText(w.form->CPBox, "Ian Moss");
    else if (step == "penalty taker")
        selectText(w.form->PTakeBox, "Ben Ashby");
    else if (step == "home bonus")
        selectText(w.form->HBCombo, "7");
    else if (step == "match")
        selectText(w.form->MatchNoComboBox, "12");
    else if (step == "New Lineup")
        w.action("NewLineupMenu")->trigger();
    else if (step == "Open Lineup") {
        QFile::copy(fixture("RVR3_plain.txt"), w.path("RVR3.txt"));
        FileDialog::queueAnswer(w.path("RVR3.txt"));
        w.action("OpenLineupMenu")->trigger();
    } else if (step == "roster")
        w.openRoster(sample("MSC.ros"));
    else if (step == "opponent") {
        FileDialog::queueAnswer(sample("HLU.ros"));
        w.form->ChooseOppButton->click();
    } else if (step == "assistant")
        withAssistant(w, [](TLineupAssistForm* f) {
            f->KeepPlacedCheck->click();
            f->AssistApplyBtn->click();
        });
    shownBoxes();
    const LineupState after = w.form->lineupState();
    QVERIFY2(!(after == before), "the step changed nothing");
    verifyShownAgreesWithTheOrders(w);
    QVERIFY(w.action("UndoMenu")->isEnabled());
    QVERIFY(!w.action("RedoMenu")->isEnabled());
    // The Edit menu names the step it will take back, and then the one it will do again.
    QCOMPARE(w.action("UndoMenu")->text(), "&Undo " + QString(name).replace('&', "&&"));
    QCOMPARE(w.action("RedoMenu")->text(), QString("&Redo"));

    w.action("UndoMenu")->trigger();
    QCOMPARE(w.form->squadTable(), before.grid);
    QVERIFY(w.form->lineupState() == before);
    verifyShownAgreesWithTheOrders(w);
    QVERIFY(w.action("RedoMenu")->isEnabled());
    QCOMPARE(w.action("RedoMenu")->text(), "&Redo " + QString(name).replace('&', "&&"));
    w.action("RedoMenu")->trigger();
    QCOMPARE(w.form->squadTable(), after.grid);
    QVERIFY(w.form->lineupState() == after);
    verifyShownAgreesWithTheOrders(w);
    QVERIFY(!w.action("RedoMenu")->isEnabled());
    QCOMPARE(w.action("UndoMenu")->text(), "&Undo " + QString(name).replace('&', "&&"));
    // What the manager sees follows the state: names, lists, options, the opponent.
    QCOMPARE(w.form->AbbLabel->text(), after.abbreviation);
    QCOMPARE(Window::items(w.form->TPListBox), after.trained);
    QCOMPARE(w.form->ChooseOppButton->text(), after.opponent);
    QCOMPARE(w.form->TeamTactic, after.teamTactic);
}

void TestAssistWindow::undoShortcutsAndNotSteps()
{
    Window w;
    w.useWorkDir();
    w.openRoster(sample("RVR.ros"));
    buildFixtureLineup(w);
    selectText(w.form->MatchNoComboBox, "3");
    w.form->TeamTactic.clear(); // as after New Lineup
    const LineupState chosen = w.form->lineupState();
    // Saving sets the normal strategy; neither it nor the bids, the press text or the orders list is a step.
    w.action("SaveLineupMenu")->trigger();
    QCOMPARE(w.form->TeamTactic, QString("N"));
    w.form->PressMemo->setPlainText("We will win.");
    w.form->SessionNoComboBox->setCurrentIndex(0);
    w.form->SavePressBtn->click();
    shownBoxes();
    QVERIFY(w.form->ZipListBox->count() > 0);
    QApplication::setActiveWindow(w.form.get());
    QTest::keyClick(w.form.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(w.form->MatchNoComboBox->currentIndex(), -1); // straight back before the match choice
    QCOMPARE(w.form->PressMemo->toPlainText(), QString("We will win."));
    QVERIFY(w.form->ZipListBox->count() > 0);
    QTest::keyClick(w.form.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(w.form->MatchNoComboBox->currentText(), QString("3"));
    QCOMPARE(w.form->squadTable(), chosen.grid);
    QVERIFY(!w.action("RedoMenu")->isEnabled());
    // A new step after an undo forgets what could have been redone.
    QTest::keyClick(w.form.get(), Qt::Key_Z, Qt::ControlModifier);
    w.place(w.rowOf("Max Weber"), "DF");
    QVERIFY(!w.action("RedoMenu")->isEnabled());
    QTest::keyClick(w.form.get(), Qt::Key_Y, Qt::ControlModifier); // nothing to redo
    QCOMPARE(w.cell(ColPlay, w.rowOf("Max Weber")), QString("DF"));
}

// Saving writes "N" for an empty team tactic without a step; choosing the normal strategy in the editor is one.
void TestAssistWindow::normalStrategyFromSavingIsNoStep()
{
    Window w;
    w.openRoster(sample("RVR.ros"));
    buildFixtureLineup(w);
    const SquadTable built = w.form->squadTable();
    w.action("NewLineupMenu")->trigger();
    QCOMPARE(w.form->TeamTactic, QString());

    w.action("SaveLineupMenu")->trigger(); // refused: no starters; the tactic is "N" all the same
    QCOMPARE(shownBoxes(), QStringList{"Invalid Lineup|You need 11 starting players, Lineup not saved|OK"});
    QCOMPARE(w.form->TeamTactic, QString("N"));
    w.action("UndoMenu")->trigger(); // straight back before New Lineup
    QCOMPARE(w.form->squadTable(), built);
    w.action("RedoMenu")->trigger();
    QVERIFY(!w.action("RedoMenu")->isEnabled());

    w.action("NewLineupMenu")->trigger();
    withEditor<TTeamTacticForm>([&] { w.form->MatchTacBtnWithColor1->click(); },
                                [](TTeamTacticForm* f) {
                                    f->StartStratBox->setCurrentIndex(0); // Normal
                                    f->TeamTacSaveBtn->click();
                                });
    QCOMPARE(w.form->TeamTactic, QString("N"));
    QVERIFY(w.action("UndoMenu")->isEnabled());
    w.action("UndoMenu")->trigger();
    QCOMPARE(w.form->TeamTactic, QString());
}

void TestAssistWindow::historyHoldsAHundredSteps()
{
    Window w;
    w.openRoster(sample("RVR.ros"));
    const int row = w.rowOf("Max Weber");
    QList<SquadTable> grids;
    const QStringList styles = {"p", "n", "a"};
    for (int i = 0; i < 110; ++i) {
        grids << w.form->squadTable();
        w.place(row, i % 2 ? "DF" : "MF", styles.at(i % 3));
    }
    for (int i = 109; i >= 10; --i) {
        QVERIFY(w.action("UndoMenu")->isEnabled());
        w.action("UndoMenu")->trigger();
        QCOMPARE(w.form->squadTable(), grids.at(i));
    }
    for (int i = 0; i < 100; ++i)
        w.action("RedoMenu")->trigger();
    QCOMPARE(w.cell(ColPlay, row), QString("DF"));
    QCOMPARE(w.cell(ColStyle, row), QString("n")); // the 110th choice: DF, normal
}

QTEST_MAIN(TestAssistWindow)
#include "tst_assistwindow.moc"
