#include "base/textfile.h"
#include "lineup/filenames.h"
#include "lineup/lineupfile.h"
#include "squad/rosterfile.h"
#include "testfiles.h"

namespace {
SquadTable rosterTable()
{
    SquadTable t = blankSquadTable(17);
    readRoster(t, readTextLines(sample("RVR.ros")));
    return t;
}

int rowOf(const SquadTable& t, const QString& name)
{
    for (int r = 1; r < t.size(); ++r)
        if (t[r][ColName] == name)
            return r;
    return -1;
}

void set(SquadTable& t, const QString& name, const QString& play, const QString& style, const QString& subs = {},
         const QString& cond = {})
{
    const int r = rowOf(t, name);
    QVERIFY2(r > 0, qPrintable(name));
    t[r][ColPlay] = play;
    t[r][ColStyle] = style;
    t[r][ColSubs] = subs;
    t[r][ColConditionals] = cond;
}

// The line-up of the fixture files, set straight into the table.
SquadTable plainLineup()
{
    SquadTable t = rosterTable();
    set(t, "Tom Adams", "GK", "n");
    set(t, "Björn Ødegård", "SW", "n");
    set(t, "Šimon Kovar", "DF", "n");
    set(t, "Owen Hughes", "DF", "a");
    set(t, "François Lemaître", "DF", "n");
    set(t, "Jack Turner", "DF", "p");
    set(t, "Sam Whitley", "MF", "n");
    set(t, "Rory Byrne", "MF", "n");
    set(t, "Ali Demir", "MF", "a");
    set(t, "Chris Doyle", "FW", "n");
    set(t, "Ben Ashby", "FW", "n");
    set(t, "José Muñoz", "GK", "n", "S1");
    set(t, "Liam Carter", "SW", "n", "S2");
    set(t, "Jürgen Klöse", "DF", "n", "S3");
    set(t, "Pat Quinn", "MF", "n", "S4");
    set(t, "Joe Blake", "FW", "n", "S5");
    return t;
}

QByteArray fileBytes(const LineupFile& f)
{
    QTemporaryDir dir;
    writeTextLines(dir.filePath("x.txt"), f.lines);
    return readBytes(dir.filePath("x.txt"));
}
} // namespace

class TestLineupFile : public QObject {
    Q_OBJECT
private slots:
    void plainLineupMatchesTheFixture();
    void tacticsAndConditionalsMatchTheFixture();
    void whichRowsAreWritten_data();
    void whichRowsAreWritten();
    void readBackRestoresEveryField();
    void readMergesOntoTheSquad();
    void readHomeBonusAndTacticGroups_data();
    void readHomeBonusAndTacticGroups();
    void fileNameGivesMatchAndTeam_data();
    void fileNameGivesMatchAndTeam();
    void teamNamesThatCannotNameAFile_data();
    void teamNamesThatCannotNameAFile();
};

void TestLineupFile::plainLineupMatchesTheFixture()
{
    LineupOptions o;
    o.homeBonus = "5";
    o.penaltyTaker = "Tom Adams";
    const LineupFile f = buildLineupFile(plainLineup(), o);
    QCOMPARE(lineupRefusal(f), QString());
    QCOMPARE(fileBytes(f), readBytes(fixture("RVR3_plain.txt")));
}

void TestLineupFile::tacticsAndConditionalsMatchTheFixture()
{
    SquadTable t = plainLineup();
    set(t, "Chris Doyle", "FW", "n", {}, ",,T,>=,60,G,<,0,S1,FW" + QString(16, ','));
    LineupOptions o; // no home bonus chosen
    o.teamTactic = "O";
    o.tacticChanges = {"G,<,0,T,>=,60,S", "G,>,1,,,,L"};
    o.coaches = {"OTF", "Dan Price"};
    o.trainees = {"Joe Blake", "Max Weber"};
    o.penaltyTaker = "Chris Doyle";
    QCOMPARE(fileBytes(buildLineupFile(t, o)), readBytes(fixture("RVR1_tactics.txt")));
}

void TestLineupFile::whichRowsAreWritten_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("complete") << ""
                              << "";
    QTest::newRow("twelve starters") << "starter"
                                     << "You need 11 starting players, Lineup not saved";
    QTest::newRow("ten starters") << "drop"
                                  << "You need 11 starting players, Lineup not saved";
    QTest::newRow("substitute without a position") << "subnoplay"
                                                   << "You need 5 substitutes, Lineup not saved";
    QTest::newRow("same slot twice, lower wins") << "sameslot"
                                                 << "";
    QTest::newRow("a line the reader would refuse")
        << "longline"
        << "Line 3 of the line-up would be longer than 4096 characters, Lineup not saved";
    QTest::newRow("a line as long as the reader takes") << "limitline"
                                                        << "";
}

void TestLineupFile::whichRowsAreWritten()
{
    QFETCH(QString, change);
    QFETCH(QString, refusal);
    SquadTable t = plainLineup();
    if (change == "starter")
        set(t, "Max Weber", "MF", "n");
    if (change == "drop")
        set(t, "Ben Ashby", "", "");
    if (change == "subnoplay")
        set(t, "Pat Quinn", "", "", "S4");
    if (change == "longline")
        set(t, "Tom Adams", "GK", "n", {}, QString(4096 - 39, 'x') + QString(25, ',')); // 15 + 4057 + 25: 4097
    if (change == "limitline")
        set(t, "Tom Adams", "GK", "n", {}, QString(4096 - 40, 'x') + QString(25, ',')); // exactly 4096
    if (change == "sameslot") {
        set(t, "Pat Quinn", "MF", "n", "S3");  // row 14: upper S3
        set(t, "Max Weber", "MF", "n", "S4");  // row 22 fills S4
        set(t, "Will Stone", "MF", "n", "S3"); // row 24: lower S3 replaces Pat Quinn
    }
    const LineupFile f = buildLineupFile(t, {});
    QCOMPARE(lineupRefusal(f), refusal);
    QCOMPARE(f.lines.size(), 2 + f.starters + 5 + 1);
    if (change == "sameslot") {
        QVERIFY(f.lines.at(15).startsWith("MF,Will Stone,n,"));
        QVERIFY(!f.lines.join('\n').contains("Pat Quinn"));
    }
    for (int i = 2; i < f.lines.size() - 1; ++i)
        if (!f.lines.at(i).isEmpty())
            QCOMPARE(f.lines.at(i).count(','), 28);
}

void TestLineupFile::readBackRestoresEveryField()
{
    SquadTable t = rosterTable();
    const LineupApplied a = readLineup(t, readTextLines(fixture("RVR1_tactics.txt")), 3, 13);
    QCOMPARE(a.homeBonusIndex, std::optional<int>(0));
    QCOMPARE(a.teamTactic, QString("O"));
    QCOMPARE(a.tacticChanges, (QStringList{"G,<,0,T,>=,60,S", "G,>,1,,,,L"}));
    QCOMPARE(a.coaches, (QStringList{"OTF", "Dan Price"}));
    QCOMPARE(a.trainees, (QStringList{"Joe Blake", "Max Weber"}));
    QCOMPARE(a.penaltyTaker, QString("Chris Doyle"));
    SquadTable expected = plainLineup();
    set(expected, "Chris Doyle", "FW", "n", {}, ",,T,>=,60,G,<,0,S1,FW" + QString(16, ','));
    QCOMPARE(t, expected);
}

void TestLineupFile::readMergesOntoTheSquad()
{
    SquadTable t = rosterTable();
    set(t, "Max Weber", "FW", "a", "S2", "X,,,,,,,,,,,,,,,,,,,,,,,,,"); // not in the file: kept
    set(t, "Tom Adams", "MF", "p", "S4", "keep me");                    // starter in the file: Subs and conditions kept
    readLineup(t, readTextLines(fixture("RVR3_plain.txt")), 3, 13);
    const int weber = rowOf(t, "Max Weber");
    QCOMPARE(t[weber].mid(ColPlay), (QStringList{"FW", "a", "S2", "X,,,,,,,,,,,,,,,,,,,,,,,,,"}));
    const int adams = rowOf(t, "Tom Adams");
    QCOMPARE(t[adams].mid(ColPlay), (QStringList{"GK", "n", "S4", "keep me"}));
    QCOMPARE(t[rowOf(t, "Joe Blake")][ColSubs], QString("S5"));
}

void TestLineupFile::readHomeBonusAndTacticGroups_data()
{
    QTest::addColumn<QString>("teamLine");
    QTest::addColumn<int>("index"); // -1: none
    QTest::addColumn<bool>("error");
    QTest::addColumn<QStringList>("changes");
    const QString empty7 = ",,,,,,,";
    QTest::newRow("in range") << "7,N" + empty7.repeated(5) << 4 << false << QStringList{};
    QTest::newRow("above range") << "14,N" + empty7.repeated(5) << -1 << false << QStringList{};
    QTest::newRow("not a number") << "x,N" + empty7.repeated(5) << -1 << true << QStringList{};
    QTest::newRow("groups 1 and 3") << "5,L,G,>,1,,,,L" + empty7 + ",T,>,80,,,,D" + empty7.repeated(2) << 2 << false
                                    << QStringList{"G,>,1,,,,L", "T,>,80,,,,D"};
}

void TestLineupFile::readHomeBonusAndTacticGroups()
{
    QFETCH(QString, teamLine);
    QFETCH(int, index);
    QFETCH(bool, error);
    QFETCH(QStringList, changes);
    QStringList lines = readTextLines(fixture("RVR3_plain.txt"));
    lines[0] = teamLine;
    SquadTable t = rosterTable();
    const LineupApplied a = readLineup(t, lines, 3, 13);
    QCOMPARE(a.homeBonusIndex.value_or(-1), index);
    QCOMPARE(!a.homeBonusError.isEmpty(), error);
    QCOMPARE(a.tacticChanges, changes);
}

void TestLineupFile::fileNameGivesMatchAndTeam_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("loaded");
    QTest::addColumn<int>("match");
    QTest::addColumn<QString>("abbreviation");
    const struct {
        const char *name, *abb;
        int match;
    } names[] = {{"ABC3.txt", "ABC", 3},     {"ABC10.txt", "ABC", 10},   {"ABCD7.txt", "ABCD", 7},
                 {"ABCD10.txt", "ABCD", 10}, {"AB5.txt", "AB", 5},       {"AB10.txt", "AB", 10},
                 {"A5.txt", "A", 5},         {"ABCDE3.txt", "ABCDE", 3}, {"ABC1.txt", "ABC", 1}};
    for (const auto& n : names) {
        QTest::addRow("%s without roster", n.name) << QString("/work/orders/") + n.name << "" << n.match << n.abb;
        QTest::addRow("%s with roster", n.name) << QString(n.name) << n.abb << n.match << n.abb;
    }
    QTest::newRow("no extension") << "/x/ABC3"
                                  << "" << 3 << "ABC";
    QTest::newRow("dots in folder") << "/x.y/RVR12.txt"
                                    << "" << 12 << "RVR";
    QTest::newRow("roster A1 and name A12") << "A12.txt"
                                            << "A1" << 2 << "A1";
    QTest::newRow("roster A and name A12") << "A12.txt"
                                           << "A" << 12 << "A";
    QTest::newRow("not a number") << "ABCx.txt"
                                  << "" << 0 << "ABC";
}

void TestLineupFile::fileNameGivesMatchAndTeam()
{
    QFETCH(QString, path);
    QFETCH(QString, loaded);
    QFETCH(int, match);
    QFETCH(QString, abbreviation);
    const LineupNameParts p = parseLineupFileName(path, loaded);
    QCOMPARE(p.match, match);
    QCOMPARE(p.matchIsNumber, match > 0);
    QCOMPARE(p.abbreviation, abbreviation);
}

void TestLineupFile::teamNamesThatCannotNameAFile_data()
{
    QTest::addColumn<QString>("abbreviation");
    QTest::addColumn<bool>("refused");
    QTest::newRow("plain") << "RVR" << false;
    QTest::newRow("accented") << "Bjø" << false;
    QTest::newRow("slash") << "../x" << true;
    QTest::newRow("backslash") << "A\\B" << true;
    QTest::newRow("two dots") << "A..B" << true;
    QTest::newRow("colon") << "A:B" << true;
    QTest::newRow("control character") << "A\tB" << true;
}

void TestLineupFile::teamNamesThatCannotNameAFile()
{
    QFETCH(QString, abbreviation);
    QFETCH(bool, refused);
    const QString problem = teamFileNameProblem(abbreviation);
    QCOMPARE(!problem.isEmpty(), refused);
    if (refused)
        QVERIFY(problem.contains('"' + abbreviation + '"'));
}

QTEST_GUILESS_MAIN(TestLineupFile)
#include "tst_lineupfile.moc"
