#include "lineup/lineuptestutil.h"
#include "tactics/Playcondunit.h"
#include "tactics/teamtacticform.h"
#include "widgets/widgets.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QByteArray kPresets = "[Options]\r\nLeague=LGM\r\n[LGMTTacs]\r\nhowmany=4\r\nT1=Normal\r\nT2="
                            "Stalling\r\nT3=Super\r\nT4=Longball\r\n"
                            "[MSWLTTacs]\r\nhowmany=3\r\nT1=Pressing\r\nT2=Ball Control\r\n";

// The preset settings with the league value given ("LGM" or "FULL").
QByteArray settingsFor(const QByteArray& league)
{
    return QByteArray(kPresets).replace("League=LGM", QByteArray("League=" + league));
}

void choose(QComboBox* box, const QString& text)
{
    box->setCurrentIndex(box->findText(text));
}

void withTeamTactics(Window& w, const std::function<void(TTeamTacticForm*)>& steps)
{
    withEditor<TTeamTacticForm>([&w] { w.form->MatchTacBtnWithColor1->click(); }, steps);
}

// Opens the conditionals editor on a player's cell by clicking it.
void withConditionals(Window& w, int row, const std::function<void(TPlayCondForm*)>& steps)
{
    withEditor<TPlayCondForm>([&w, row] { w.clickGrid(row, ColConditionals); }, steps);
}

QStringList listItems(QListWidget* list)
{
    return Window::items(list);
}
} // namespace

class TestTacticEditors : public QObject {
    Q_OBJECT
private slots:
    void teamTacticsOpensOnlyWithARoster();
    void presetsAndStartingStrategy_data();
    void presetsAndStartingStrategy();
    void buildingAndAddingTactics();
    void valueRuleAndSpins();
    void deleteMoveAndReset();
    void cancelHandsNothingBack();
    void conditionalsEditorControls_data();
    void conditionalsEditorControls();
    void doneThenReopenShowsTheSameChoices_data();
    void doneThenReopenShowsTheSameChoices();
    void readingACellField_data();
    void readingACellField();
    void spinsResetsCancelAndCloseBox();
    void commasAreRefusedAtEntry();
    void longCellOpensSafely();
    void bothEditorsReachTheLineupFile();
};

void TestTacticEditors::teamTacticsOpensOnlyWithARoster()
{
    Window w(kPresets);
    w.form->MatchTacBtnWithColor1->click(); // no roster: nothing opens, nothing runs
    QVERIFY(!QApplication::activeModalWidget());
    w.clickGrid(2, ColConditionals);
    QVERIFY(!QApplication::activeModalWidget());
}

void TestTacticEditors::presetsAndStartingStrategy_data()
{
    QTest::addColumn<QByteArray>("league");
    QTest::addColumn<QString>("teamTactic");
    QTest::addColumn<QStringList>("presets");
    QTest::addColumn<QString>("start");
    QTest::newRow("S selects the first of two")
        << QByteArray("LGM") << "S" << QStringList{"Normal", "Stalling", "Super", "Longball"} << "Stalling";
    QTest::newRow("no match selects the first")
        << QByteArray("LGM") << "X" << QStringList{"Normal", "Stalling", "Super", "Longball"} << "Normal";
    QTest::newRow("empty selects the first")
        << QByteArray("LGM") << "" << QStringList{"Normal", "Stalling", "Super", "Longball"} << "Normal";
    QTest::newRow("MSWL, missing T3 reads test")
        << QByteArray("FULL") << "B" << QStringList{"Pressing", "Ball Control", "test"} << "Ball Control";
}

void TestTacticEditors::presetsAndStartingStrategy()
{
    QFETCH(QByteArray, league);
    QFETCH(QString, teamTactic);
    QFETCH(QStringList, presets);
    QFETCH(QString, start);
    Window w(settingsFor(league));
    w.openRoster(sample("RVR.ros"));
    w.form->TeamTactic = teamTactic;
    withTeamTactics(w, [&](TTeamTacticForm* f) {
        QCOMPARE(f->windowTitle(), QString("Team Tactics"));
        QCOMPARE(f->size(), QSize(549, 233));
        QCOMPARE(Window::items(f->StartStratBox), presets);
        QCOMPARE(Window::items(f->TeamStratBox1), presets);
        QCOMPARE(f->StartStratBox->currentText(), start);
        QCOMPARE(f->TeamStratBox1->currentIndex(), -1);
        QCOMPARE(Window::items(f->CEventBox), (QStringList{"G", "T"}));
        QCOMPARE(Window::items(f->ConditBox2), (QStringList{">", ">=", "=", "<=", "<"}));
        QCOMPARE(f->CTacVal1->text(), QString("0"));
        QCOMPARE(f->CTacVal1->toolTip(), QString("Enter Numeric Goal Difference or Minutes played"));
        QCOMPARE(f->TheNewTactic->text(), QString());
        QCOMPARE(f->AddTacButton1->text(), QString("Add Tactic ->"));
        QCOMPARE(f->ResetTacButton->text(), QString("Reset Above"));
        QCOMPARE(f->TeamTacSaveBtn->text(), QString("&Save && Exit"));
        QCOMPARE(f->TimeCheck->text(), QString("Increment Time Intervals"));
        f->TeamTacSaveBtn->click();
    });
    QCOMPARE(w.form->TeamTactic, start.left(1));
}

void TestTacticEditors::buildingAndAddingTactics()
{
    Window w(kPresets);
    w.openRoster(sample("RVR.ros"));
    withTeamTactics(w, [](TTeamTacticForm* f) {
        f->AddTacButton1->click(); // nothing built yet: adds nothing
        QCOMPARE(f->TeamTacListBox1->count(), 0);
        choose(f->CEventBox, "G");
        choose(f->ConditBox1, "<");
        choose(f->CEventBox2, "T");
        choose(f->ConditBox2, ">=");
        f->CTacVal2->setText("60");
        choose(f->TeamStratBox1, "Stalling");
        QCOMPARE(listItems(f->ListNewTac1),
                 (QStringList{"Goal Difference is less than 0", "and Game Time is more than or equal to 60 Minutes"}));
        f->AddTacButton1->click();
        f->AddTacButton1->click(); // the same tactic again
        f->ResetTacButton->click();
        f->UpDown1->press(true); // only a value: coded conditions exist again
        choose(f->TeamStratBox1, "Longball");
        f->AddTacButton1->click();
        f->ResetTacButton->click();
        choose(f->CEventBox, "T");
        f->AddTacButton1->click(); // no strategy: N
        f->AddTacButton1->click();
        QCOMPARE(listItems(f->TeamTacListBox1),
                 (QStringList{"G,<,0,T,>=,60,S", "G,<,0,T,>=,60,S", ",,,,,,L", "T,,,,,,N", "T,,,,,,N"}));
        f->AddTacButton1->click(); // a sixth
        QCOMPARE(shownBoxes(), QStringList{"Maximum Reached|Only FIVE Team Conditionals allowed.|OK"});
        QCOMPARE(f->TeamTacListBox1->count(), 5);
        f->TeamTacSaveBtn->click();
    });
    QCOMPARE(w.form->TacticChanges.size(), 5);
    QCOMPARE(Window::items(w.form->TTListBox), w.form->TacticChanges);
    QCOMPARE(w.form->TeamTactic, QString("N"));
}

void TestTacticEditors::valueRuleAndSpins()
{
    Window w(kPresets);
    w.openRoster(sample("RVR.ros"));
    w.form->TimeStepsOn = true;
    withTeamTactics(w, [](TTeamTacticForm* f) {
        QVERIFY(f->TimeCheck->isChecked());
        QLineEdit* v = f->CTacVal1;
        const QList<std::pair<QString, QString>> typed = {{"95", "90"}, {"-95", "-90"}, {"-", "0"},
                                                          {"abc", "0"}, {"05", "05"},   {"", "0"}};
        for (const auto& [in, out] : typed) {
            v->setText(in);
            QCOMPARE(v->text(), out);
        }
        v->setText("0");
        choose(f->CEventBox, "G");
        f->UpDown1->press(true);
        QCOMPARE(v->text(), QString("1")); // G steps by 1 even with fifteen-minute steps
        choose(f->CEventBox, "T");
        f->UpDown1->press(true);
        QCOMPARE(v->text(), QString("16"));
        f->TimeCheck->setChecked(false);
        f->UpDown1->press(false);
        QCOMPARE(v->text(), QString("15"));
        choose(f->ConditBox1, ">");
        QCOMPARE(f->TheNewTactic->text(), QString("T,>,15,,,"));
    });
    QVERIFY(w.form->TimeStepsOn); // the editor's box is not stored
}

void TestTacticEditors::deleteMoveAndReset()
{
    Window w(kPresets);
    w.openRoster(sample("RVR.ros"));
    w.form->TacticChanges = {"A", "B", "C"};
    withTeamTactics(w, [](TTeamTacticForm* f) {
        QListWidget* list = f->TeamTacListBox1;
        f->TTUpDown->press(true); // nothing selected
        list->setCurrentRow(0);
        f->TTUpDown->press(true); // top line up
        QCOMPARE(listItems(list), (QStringList{"A", "B", "C"}));
        f->TTUpDown->press(false);
        QCOMPARE(listItems(list), (QStringList{"B", "A", "C"}));
        QCOMPARE(list->currentRow(), 1);
        list->setCurrentRow(2);
        f->TTUpDown->press(false); // bottom line down
        QCOMPARE(listItems(list), (QStringList{"B", "A", "C"}));
        Window::doubleClick(list, list->visualItemRect(list->item(0)).center());
        QCOMPARE(listItems(list), (QStringList{"A", "C"}));
        choose(f->CEventBox, "G");
        choose(f->TeamStratBox1, "Super");
        f->CTacVal1->setText("3");
        f->ResetTacButton->click();
        QCOMPARE(f->CEventBox->currentIndex(), -1);
        QCOMPARE(f->TeamStratBox1->currentIndex(), -1);
        QCOMPARE(f->CTacVal1->text(), QString("0"));
        QCOMPARE(f->TheNewTactic->text(), QString());
        QCOMPARE(f->ListNewTac1->count(), 0);
        QCOMPARE(listItems(list), (QStringList{"A", "C"}));
        f->TeamTacSaveBtn->click();
    });
    QCOMPARE(w.form->TacticChanges, (QStringList{"A", "C"}));
}

void TestTacticEditors::cancelHandsNothingBack()
{
    Window w(kPresets);
    w.openRoster(sample("RVR.ros"));
    w.form->TacticChanges = {"G,>,1,,,,L"};
    w.form->TeamTactic = "L";
    w.form->TTListBox->addItem("G,>,1,,,,L");
    for (int way = 0; way < 3; ++way) {
        withTeamTactics(w, [way](TTeamTacticForm* f) {
            f->TeamTacListBox1->clear();
            choose(f->StartStratBox, "Super");
            if (way == 0)
                f->TeamCancelBtn->click();
            else if (way == 1)
                QTest::keyClick(f, Qt::Key_Escape);
            else
                f->close();
        });
        QCOMPARE(w.form->TacticChanges, QStringList{"G,>,1,,,,L"});
        QCOMPARE(w.form->TeamTactic, QString("L"));
        QCOMPARE(w.form->TTListBox->count(), 1);
    }
    QVERIFY(w.form->FW21Led->isLit()); // the checker ran after closing: L lights it green
    QCOMPARE(w.form->FW21Led->color(), QColor(0, 170, 0));
}

void TestTacticEditors::conditionalsEditorControls_data()
{
    QTest::addColumn<QByteArray>("league");
    QTest::addColumn<bool>("marks");
    QTest::addColumn<QStringList>("positions");
    QTest::newRow("LGM") << QByteArray("LGM") << false << QStringList{"GK", "SW", "DF", "MF", "FW"};
    QTest::newRow("MSWL") << QByteArray("FULL") << true
                          << QStringList{"GK", "SW", "DF", "MF", "WG", "FW", "p", "n", "a"};
}

void TestTacticEditors::conditionalsEditorControls()
{
    QFETCH(QByteArray, league);
    QFETCH(bool, marks);
    QFETCH(QStringList, positions);
    Window w(settingsFor(league));
    w.openRoster(sample("RVR.ros"));
    w.form->OppPlayers = {"Ann", "Bob"};
    withConditionals(w, 3, [&](TPlayCondForm* f) {
        QCOMPARE(f->windowTitle(), QString("Player Conditionals"));
        QCOMPARE(f->playerLabel->text(), QString("Björn Ødegård"));
        QCOMPARE(f->MarkPanel->isVisible(), marks);
        if (marks)
            QCOMPARE(Window::items(f->MP1Combo), (QStringList{"", "Ann", "Bob"}));
        for (const char* box : {"PosBoxA", "PosBoxB", "PosBoxC"})
            QCOMPARE(Window::items(f->findChild<QComboBox*>(box)), positions);
        QCOMPARE(Window::items(f->findChild<QComboBox*>("ActionBoxB")),
                 (QStringList{"C", "S1", "S2", "S3", "S4", "S5"}));
        for (const char* name : {"CEventBoxA1", "ConditBoxC2", "CTacValB1", "UpDownC2", "TacReset3Btn"})
            QVERIFY2(f->findChild<QWidget*>(name), name);
        QCOMPARE(f->DoneBtn->toolTip(), QString("Save & Return"));
        QVERIFY(!f->mask().contains(QPoint(0, 0))); // rounded corners
        QVERIFY(f->mask().contains(QPoint(278, 136)));
        f->DoneBtn->click();
    });
    QCOMPARE(w.cell(ColConditionals, 3), QString(25, ','));
    QVERIFY(!w.form->starting11Led->isLit());
}

void TestTacticEditors::doneThenReopenShowsTheSameChoices_data()
{
    QTest::addColumn<QByteArray>("league");
    QTest::addColumn<QString>("cell");
    QTest::newRow("LGM, A only") << QByteArray("LGM") << ",,T,>=,60,G,<,0,S1,FW" + QString(16, ',');
    QTest::newRow("LGM, all three") << QByteArray("LGM") << ",,G,>,1,T,>,45,C,DF,T,=,70,,,,S2,,,,,G,<=,-1,S5,GK";
    QTest::newRow("LGM, letters kept") << QByteArray("LGM") << ",,G,,abc,,,,,SW" + QString(16, ',');
    QTest::newRow("MSWL, marks and styles")
        << QByteArray("FULL") << "Ann,Zed,T,<,30,,,,S3,a,,,,,,,,WG,G,=,0,T,>,80,C,p";
    QTest::newRow("MSWL, empty") << QByteArray("FULL") << QString(25, ',');
}

void TestTacticEditors::doneThenReopenShowsTheSameChoices()
{
    QFETCH(QByteArray, league);
    QFETCH(QString, cell);
    Window w(settingsFor(league));
    w.openRoster(sample("RVR.ros"));
    w.form->OppPlayers = {"Ann", "Bob"};
    w.form->setCell(ColConditionals, 5, cell);
    for (int pass = 0; pass < 2; ++pass) {
        withConditionals(w, 5, [](TPlayCondForm* f) { f->DoneBtn->click(); });
        QCOMPARE(w.cell(ColConditionals, 5), cell);
    }
}

void TestTacticEditors::readingACellField_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("index");
    QTest::newRow("g in field 3 selects G") << ",,g" + QString(23, ',') << "CEventBoxA1" << 0;
    QTest::newRow("g in field 6 selects nothing") << ",,,,,g" + QString(20, ',') << "CEventBoxA2" << -1;
    QTest::newRow("lower case operator in field 4") << ",,,>=" + QString(22, ',') << "ConditBoxA1" << 1;
    QTest::newRow("WG in LGM selects nothing") << QString(9, ',') + "WG" + QString(16, ',') << "PosBoxA" << -1;
    QTest::newRow("s1 is not S1") << QString(8, ',') + "s1" + QString(17, ',') << "ActionBoxA" << -1;
}

void TestTacticEditors::readingACellField()
{
    QFETCH(QString, cell);
    QFETCH(QString, control);
    QFETCH(int, index);
    Window w(kPresets);
    w.openRoster(sample("RVR.ros"));
    w.form->setCell(ColConditionals, 5, cell);
    withConditionals(w, 5,
                     [&](TPlayCondForm* f) { QCOMPARE(f->findChild<QComboBox*>(control)->currentIndex(), index); });
}

void TestTacticEditors::spinsResetsCancelAndCloseBox()
{
    Window w(kPresets);
    w.openRoster(sample("RVR.ros"));
    w.form->TimeStepsOn = true;
    const QString cell = "," + QString(",T,>,abc,G,<,x,S1,FW,G,=,2,,,,C,DF") + QString(8, ',');
    w.form->setCell(ColConditionals, 5, cell);
    withConditionals(w, 5, [](TPlayCondForm* f) {
        f->rows[0].spin1->press(true);  // T with fifteen-minute steps
        f->rows[0].spin2->press(false); // G
        QCOMPARE(f->rows[0].value1->text(), QString("15"));
        QCOMPARE(f->rows[0].value2->text(), QString("-1"));
        f->TacResetBtnClick(1);
        QCOMPARE(f->rows[1].event1->currentIndex(), -1);
        QCOMPARE(f->rows[1].value1->text(), QString());
        f->DoneBtn->click();
    });
    QCOMPARE(w.cell(ColConditionals, 5), ",,T,>,15,G,<,-1,S1,FW" + QString(16, ','));
    withConditionals(w, 5, [](TPlayCondForm* f) { f->close(); });
    QCOMPARE(w.cell(ColConditionals, 5), ",,T,>,15,G,<,-1,S1,FW" + QString(16, ','));
    withConditionals(w, 5, [](TPlayCondForm* f) { f->CancelBtn->click(); });
    QCOMPARE(w.cell(ColConditionals, 5), QString());
    withConditionals(w, 5, [](TPlayCondForm* f) { f->CancelBtn->click(); });
    QCOMPARE(w.cell(ColConditionals, 5), QString());
}

void TestTacticEditors::commasAreRefusedAtEntry()
{
    Window w(settingsFor("FULL"));
    w.openRoster(sample("RVR.ros"));
    withConditionals(w, 5, [](TPlayCondForm* f) {
        QTest::keyClicks(f->MP1Combo->lineEdit(), "Sm,ith");
        QTest::keyClicks(f->rows[0].value1, "1,2");
        QCOMPARE(f->MP1Combo->currentText(), QString("Smith"));
        QCOMPARE(f->rows[0].value1->text(), QString("12"));
        QTest::keyClicks(f->rows[0].value1, "345");
        QCOMPARE(f->rows[0].value1->text(), QString("1234")); // at most four characters
        f->DoneBtn->click();
    });
    QCOMPARE(w.cell(ColConditionals, 5).count(','), 25);
    withTeamTactics(w, [](TTeamTacticForm* f) {
        f->CTacVal1->selectAll();
        QTest::keyClicks(f->CTacVal1, "4,5");
        QCOMPARE(f->CTacVal1->text(), QString("45"));
    });
}

void TestTacticEditors::longCellOpensSafely()
{
    Window w(kPresets);
    w.openRoster(sample("RVR.ros"));
    const QString cell = ",,T,>,12345678," + QString(300, 'x') + QString(40, ',');
    w.form->setCell(ColConditionals, 5, cell);
    withConditionals(w, 5, [](TPlayCondForm* f) {
        QCOMPARE(f->rows[0].value1->text(), QString("12345678")); // shown as it is
        f->close();
    });
    QCOMPARE(w.cell(ColConditionals, 5), cell);
}

void TestTacticEditors::bothEditorsReachTheLineupFile()
{
    Window w(kPresets);
    w.useWorkDir();
    w.openRoster(sample("RVR.ros"));
    buildFixtureLineup(w);
    withTeamTactics(w, [](TTeamTacticForm* f) {
        choose(f->StartStratBox, "Longball");
        choose(f->CEventBox, "G");
        choose(f->ConditBox1, ">");
        f->CTacVal1->setText("1");
        choose(f->TeamStratBox1, "Stalling");
        f->AddTacButton1->click();
        f->TeamTacSaveBtn->click();
    });
    withConditionals(w, w.rowOf("Chris Doyle"), [](TPlayCondForm* f) {
        choose(f->rows[0].event1, "T");
        choose(f->rows[0].op1, ">=");
        f->rows[0].value1->setText("60");
        choose(f->rows[0].action, "S5");
        choose(f->rows[0].position, "FW");
        f->DoneBtn->click();
    });
    w.action("SaveLineupMenu")->trigger();
    const QStringList lines = QString::fromLatin1(readBytes(w.path("RVR1.txt"))).split("\r\n");
    QCOMPARE(lines.at(0), "3,L,G,>,1,,,,S" + QString(",,,,,,,").repeated(4));
    QCOMPARE(lines.at(11), "FW,Chris Doyle,n,,,T,>=,60,,,,S5,FW" + QString(16, ','));
}

QTEST_MAIN(TestTacticEditors)
#include "tst_tacticeditors.moc"
