#include "testutil.h"

#include <QPushButton>

class TestRoster : public QObject {
    Q_OBJECT
private slots:
    void sampleRosterFillsGridLabelsAndLists();
    void blankLinesBeforeTheHeaderAreSkipped();
    void headerWithoutManagerKeepsTheManagerLine();
    void agesSortTraineesAndCoaches_data();
    void agesSortTraineesAndCoaches();
    void rereadingKeepsTheLineupColumns();
    void badRosters_data();
    void badRosters();
    void ageThatIsNotANumberStopsTheLists();
    void opponentRoster();
    void ownRosterAsOpponentIsRefused();
};

void TestRoster::sampleRosterFillsGridLabelsAndLists()
{
    Window w;
    w.openRoster(sample("RVR.ros"));
    QCOMPARE(FileDialog::takeAsked().value(0).title, QString("Open Roster File"));
    QCOMPARE(w.form->RosterStringGrid->rowCount(), 26);
    QCOMPARE(w.form->AbbLabel->text(), QString("RVR"));
    QCOMPARE(w.form->TeamNameLabel->text(), QString("Riverside Rovers"));
    QCOMPARE(w.form->ManageLabel->text(), QString("Coached by Alan Pearce"));
    QCOMPARE(w.cell(ColName, 3), QString("Björn Ødegård"));
    QCOMPARE(w.cell(ColName, 5), QString("Šimon Kovar"));
    QCOMPARE(QStringList({w.cell(1, 1), w.cell(2, 1), w.cell(3, 1), w.cell(4, 1)}),
             QStringList({"4", "12", "GK", "7"}));
    QCOMPARE(w.form->PTakeBox->count(), 25);
    QCOMPARE(Window::items(w.form->TPBox),
             (QStringList{"Joe Blake", "Max Weber", "Ryan Cole", "Will Stone", "Eoin Walsh"}));
    QCOMPARE(w.form->CPBox->itemText(0), QString("OTF"));
    QCOMPARE(w.form->CPBox->count(), 21);
    for (QComboBox* box : {w.form->PTakeBox, w.form->TPBox, w.form->CPBox})
        QCOMPARE(box->currentIndex(), -1);
    QCOMPARE(w.form->TeamTactic, QString("N"));
    QVERIFY(shownBoxes().isEmpty());
}

void TestRoster::blankLinesBeforeTheHeaderAreSkipped()
{
    Window w;
    writeBytes(w.path("b.ros"), "\r\n\r\n" + readBytes(sample("HLU.ros")));
    w.openRoster(w.path("b.ros"));
    const SquadTable withBlanks = w.form->squadTable();
    Window plain;
    plain.openRoster(sample("HLU.ros"));
    QCOMPARE(withBlanks, plain.form->squadTable());
    QCOMPARE(w.form->AbbLabel->text(), QString("HLU"));
}

void TestRoster::headerWithoutManagerKeepsTheManagerLine()
{
    Window w;
    w.openRoster(sample("RVR.ros"));
    writeBytes(w.path("t.ros"), "TWO,Two Fields\r\nSmith,1,10,DF,3\r\n");
    w.openRoster(w.path("t.ros"));
    QCOMPARE(w.form->AbbLabel->text(), QString("TWO"));
    QCOMPARE(w.form->TeamNameLabel->text(), QString("Two Fields"));
    QCOMPARE(w.form->ManageLabel->text(), QString("Coached by Alan Pearce"));
    QCOMPARE(w.form->RosterStringGrid->rowCount(), 2);
}

void TestRoster::agesSortTraineesAndCoaches_data()
{
    QTest::addColumn<QString>("age");
    QTest::addColumn<bool>("trainee");
    QTest::newRow("1") << "1" << true;
    QTest::newRow("0") << "0" << true;
    QTest::newRow("2") << "2" << false;
    QTest::newRow("-1") << "-1" << false;
}

void TestRoster::agesSortTraineesAndCoaches()
{
    QFETCH(QString, age);
    QFETCH(bool, trainee);
    Window w;
    writeBytes(w.path("s.ros"), "SMI,Smiths,Ann\r\nSmith," + age.toLatin1() + ",10,DF,3,\r\n");
    w.openRoster(w.path("s.ros"));
    QCOMPARE(Window::items(w.form->PTakeBox), QStringList{"Smith"});
    QCOMPARE(Window::items(w.form->TPBox), trainee ? QStringList{"Smith"} : QStringList{});
    QCOMPARE(Window::items(w.form->CPBox), (trainee ? QStringList{"OTF"} : QStringList{"OTF", "Smith"}));
    QCOMPARE(w.cell(ColPlay, 1), QString()); // the trailing comma writes an empty Play cell
}

void TestRoster::rereadingKeepsTheLineupColumns()
{
    Window w;
    w.openRoster(sample("RVR.ros"));
    w.place(4, "SW", "a");
    w.makeSub(9, 3);
    w.form->setCell(ColConditionals, 4, QString(25, ','));
    w.openRoster(sample("RVR.ros"));
    QCOMPARE(w.form->squadTable()[4].mid(ColPlay), (QStringList{"SW", "a", "", QString(25, ',')}));
    QCOMPARE(w.form->squadTable()[9].mid(ColPlay, 3), (QStringList{"DF", "n", "S3"}));
}

void TestRoster::badRosters_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty file") << QByteArray() << "Error|List index out of bounds (0)|OK";
    QTest::newRow("only blank lines") << QByteArray("\r\n\r\n") << "Error|List index out of bounds (0)|OK";
    QTest::newRow("line over 255") << "BIG,Big,Bo\r\n" + QByteArray(300, 'x')
                                   << "Error|Line 2 of \"bad.ros\" is longer than 255 characters.|OK";
    QByteArray binary(4096, '\0');
    for (int i = 0; i < binary.size(); ++i)
        binary[i] = char((i * 37) % 256);
    QTest::newRow("binary") << binary << "Error|\"bad.ros\" is not a text file (line 1 holds a NUL byte).|OK";
}

void TestRoster::badRosters()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    Window w;
    w.openRoster(sample("RVR.ros"));
    const SquadTable before = w.form->squadTable();
    writeBytes(w.path("bad.ros"), bytes);
    w.openRoster(w.path("bad.ros"));
    QCOMPARE(shownBoxes(), QStringList{message});
    QCOMPARE(w.form->squadTable(), before);
    QCOMPARE(w.form->AbbLabel->text(), QString("RVR"));
    QCOMPARE(w.form->PTakeBox->count(), 25);
}

void TestRoster::ageThatIsNotANumberStopsTheLists()
{
    Window w;
    writeBytes(w.path("a.ros"), "AGE,Ages,Al\r\nAnn,1,10,DF,3\r\nBob,x,10,MF,3\r\nCy,0,10,FW,3\r\n\r\n");
    w.openRoster(w.path("a.ros"));
    QCOMPARE(shownBoxes(), QStringList{"Error|'x' is not a valid integer value|OK"});
    QCOMPARE(w.form->RosterStringGrid->rowCount(), 5);
    QCOMPARE(w.cell(ColName, 3), QString("Cy"));
    QCOMPARE(Window::items(w.form->PTakeBox), (QStringList{"Ann", "Bob"}));
    QCOMPARE(Window::items(w.form->TPBox), QStringList{"Ann"});
    QCOMPARE(w.form->TeamTactic, QString()); // kept its value
    QCOMPARE(w.form->AbbLabel->text(), QString("AGE"));
}

void TestRoster::opponentRoster()
{
    Window w;
    w.openRoster(sample("RVR.ros"));
    writeBytes(w.path("opp.ros"), "OPP,Opponents\r\nAnn,1,10,DF,3\r\n\r\nBob,2,10,MF,3\r\n,3,4,MF\r\n");
    FileDialog::queueAnswer(w.path("opp.ros"));
    w.form->ChooseOppButton->click();
    QCOMPARE(w.form->ChooseOppButton->text(), QString("OPP"));
    QCOMPARE(w.form->OppPlayers, (QStringList{"Ann", "Bob"}));
    FileDialog::queueAnswer(QString()); // cancel changes nothing
    w.form->ChooseOppButton->click();
    QCOMPARE(w.form->OppPlayers.size(), 2);
}

void TestRoster::ownRosterAsOpponentIsRefused()
{
    Window w;
    w.openRoster(sample("RVR.ros"));
    FileDialog::queueAnswer(sample("RVR.ros"));
    w.form->ChooseOppButton->click();
    QCOMPARE(shownBoxes(), QStringList{"Warning|Choose the team you are playing AGAINST!|Cancel"});
    QCOMPARE(w.form->ChooseOppButton->text(), QString("None"));
    QVERIFY(w.form->OppPlayers.isEmpty());
}

QTEST_MAIN(TestRoster)
#include "tst_roster.moc"
