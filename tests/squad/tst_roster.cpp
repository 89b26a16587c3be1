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
    void playerLineThatIsNotAPlayerIsRefused_data();
    void playerLineThatIsNotAPlayerIsRefused();
    void emptyLinesAmongThePlayersTakeNoRow();
    void fileThatIsNotARosterChangesNothing_data();
    void fileThatIsNotARosterChangesNothing();
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
    QTest::newRow("empty file") << QByteArray()
                                << "Error|\"bad.ros\" is not a roster file: it holds no line, so it has no team "
                                   "line.|OK";
    QTest::newRow("only blank lines") << QByteArray("\r\n\r\n")
                                      << "Error|\"bad.ros\" is not a roster file: it holds no line, so it has no "
                                         "team line.|OK";
    QTest::newRow("header without players")
        << QByteArray("ONE,Only,Header\r\n\r\n")
        << "Error|\"bad.ros\" is not a roster file: after its first line (\"ONE,Only,Header\") it holds no player "
           "line.|OK";
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

void TestRoster::playerLineThatIsNotAPlayerIsRefused_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("fault");
    QTest::newRow("Age not a number") << QByteArray("Bob,x,10,MF,3") << "its Age \"x\" is not a whole number";
    QTest::newRow("Age empty") << QByteArray("Bob,,10,MF,3") << "its Age \"\" is not a whole number";
    QTest::newRow("SL not a number") << QByteArray("Bob,2,ten,MF,3") << "its SL \"ten\" is not a whole number";
    QTest::newRow("four fields") << QByteArray("Bob,2,10,MF")
                                 << "it has 4 fields, not the five fields Name, Age, "
                                    "SL, Pos and EL";
    QTest::newRow("one field") << QByteArray("Bob")
                               << "it has 1 field, not the five fields Name, Age, SL, Pos "
                                  "and EL";
    QTest::newRow("a blank is not an empty line") << QByteArray(" ")
                                                  << "it has 1 field, not the five fields "
                                                     "Name, Age, SL, Pos and EL";
}

void TestRoster::playerLineThatIsNotAPlayerIsRefused()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, fault);
    Window w;
    w.openRoster(sample("RVR.ros"));
    const SquadTable before = w.form->squadTable();
    // the fault is on line 4 of the file: the blank line before the header counts
    writeBytes(w.path("a.ros"), "\r\nAGE,Ages,Al\r\nAnn,1,10,DF,3\r\n" + line + "\r\nCy,0,10,FW,3\r\n");
    w.openRoster(w.path("a.ros"));
    QCOMPARE(shownBoxes(), QStringList{"Error|\"a.ros\" is not a roster file: line 4 (\"" + QString::fromLatin1(line) +
                                       "\") is not a player line, " + fault + ".|OK"});
    QCOMPARE(w.form->squadTable(), before);
    QCOMPARE(w.form->AbbLabel->text(), QString("RVR"));
    QCOMPARE(w.form->PTakeBox->count(), 25);
    QCOMPARE(w.form->TeamTactic, QString("N"));
}

void TestRoster::emptyLinesAmongThePlayersTakeNoRow()
{
    Window w;
    writeBytes(w.path("e.ros"), "EMP,Empties,Em\r\nAnn,1,10,DF,3\r\n\r\n\r\nBob,2,10,MF,3\r\n\r\n");
    w.openRoster(w.path("e.ros"));
    QCOMPARE(shownBoxes(), QStringList{});
    QCOMPARE(w.form->RosterStringGrid->rowCount(), 3);
    QCOMPARE(w.cell(ColName, 2), QString("Bob"));
    QCOMPARE(Window::items(w.form->PTakeBox), (QStringList{"Ann", "Bob"}));
    QCOMPARE(Window::items(w.form->TPBox), QStringList{"Ann"});
    QCOMPARE(Window::items(w.form->CPBox), (QStringList{"OTF", "Bob"}));
    QCOMPARE(w.form->TeamTactic, QString("N"));
}

namespace {
// Everything of the window that reading a roster or an opponent's roster may change.
QStringList windowState(const Window& w)
{
    QStringList state;
    for (const QStringList& row : w.form->squadTable())
        state.append(row.join('|'));
    for (const QLabel* label : {w.form->AbbLabel, w.form->TeamNameLabel, w.form->ManageLabel})
        state.append(label->text());
    for (const QComboBox* box : {w.form->PTakeBox, w.form->TPBox, w.form->CPBox})
        state.append(Window::items(box).join('|') + QString(" @%1").arg(box->currentIndex()));
    for (const QListWidget* list : {w.form->TPListBox, w.form->CPListBox})
        state.append(Window::items(list).join('|'));
    state << w.form->TeamTactic << w.form->ChooseOppButton->text() << w.form->OppPlayers.join('|');
    return state;
}
} // namespace

void TestRoster::fileThatIsNotARosterChangesNothing_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QByteArray binary(4096, '\0');
    for (int i = 0; i < binary.size(); ++i)
        binary[i] = char((i * 37) % 256);
    for (const char* target : {"roster", "opponent"}) {
        const QString t = QString::fromLatin1(target);
        QTest::newRow(qPrintable(t + ", line-up file"))
            << "RVR3.txt" << readBytes(fixture("RVR3_plain.txt"))
            << "Error|\"RVR3.txt\" is not a roster file: line 2 (\",,,,,,,,Tom Adams\") is not a player line, its "
               "Age \"\" is not a whole number.|OK";
        QTest::newRow(qPrintable(t + ", bids file"))
            << "RVRSession7Bids.txt" << QByteArray("3,120,Ann Lee\r\n7,45,Bo Kay\r\n")
            << "Error|\"RVRSession7Bids.txt\" is not a roster file: line 2 (\"7,45,Bo Kay\") is not a player line, "
               "it has 3 fields, not the five fields Name, Age, SL, Pos and EL.|OK";
        QTest::newRow(qPrintable(t + ", binary file"))
            << "picture.png" << binary << "Error|\"picture.png\" is not a text file (line 1 holds a NUL byte).|OK";
        QTest::newRow(qPrintable(t + ", empty file"))
            << "empty.ros" << QByteArray()
            << "Error|\"empty.ros\" is not a roster file: it holds no line, so it has no team line.|OK";
    }
}

void TestRoster::fileThatIsNotARosterChangesNothing()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    const bool opponent = QString(QTest::currentDataTag()).startsWith("opponent");
    Window w;
    w.openRoster(sample("RVR.ros"));
    w.place(1, "GK");
    w.makeSub(9, 2);
    w.form->CPBox->setCurrentIndex(0);
    emit w.form->CPBox->activated(0);
    FileDialog::queueAnswer(sample("HLU.ros"));
    w.form->ChooseOppButton->click();
    w.form->TeamTactic = "O";
    QCOMPARE(shownBoxes(), QStringList{});
    const QStringList before = windowState(w);
    QCOMPARE(before.at(before.size() - 2), QString("HLU")); // an opponent is chosen
    QCOMPARE(w.form->CPListBox->count(), 1);

    writeBytes(w.path(file), bytes);
    FileDialog::queueAnswer(w.path(file));
    if (opponent)
        w.form->ChooseOppButton->click();
    else
        w.action("OpenSubMenu")->trigger();
    QCOMPARE(shownBoxes(), QStringList{message});
    QCOMPARE(windowState(w), before);

    w.openRoster(sample("RVR.ros")); // the right roster again: the line-up columns hold only what was built
    QCOMPARE(w.cell(ColPlay, 1), QString("GK"));
    for (int r = 2; r < w.form->RosterStringGrid->rowCount(); ++r)
        if (r != 9)
            QCOMPARE(w.form->squadTable()[r].mid(ColPlay), QStringList({"", "", "", ""}));
}

void TestRoster::opponentRoster()
{
    Window w;
    w.openRoster(sample("RVR.ros"));
    writeBytes(w.path("opp.ros"), "OPP,Opponents\r\nAnn,1,10,DF,3\r\n\r\nBob,2,10,MF,3\r\n,3,4,MF,1\r\n");
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
