#include "check/orderscheck.h"
#include "squad/lineupchecker.h"

#include <QTest>
#include <functional>

namespace {

// A correct set of orders: 11 starters in their own positions, five substitutes, every option chosen.
struct Orders {
    SquadTable table;
    OrdersInput in;

    Orders()
    {
        const QStringList players = {"Gus GK GK",    "Sid SW SW",    "Dan DF DF",    "Don DF DF",    "Dai DF DF",
                                     "Dex DF DF",    "Mel MF MF",    "Max MF MF",    "Mo MF MF",     "Fin FW FW",
                                     "Flo FW FW",    "Gil GK GK S1", "Dov DF DF S2", "Mac MF MF S3", "Fay FW FW S4",
                                     "Wes WG MF S5", "Ned MF"};
        table = blankSquadTable(0);
        for (const QString& p : players) {
            const QStringList f = p.split(' ');
            QStringList row(SquadColumns, QString());
            row[ColName] = f.at(0);
            row[ColAge] = "3";
            row[ColSL] = "10";
            row[ColPos] = f.at(1);
            row[ColEL] = "1";
            if (f.size() > 2) {
                row[ColPlay] = f.at(2);
                row[ColStyle] = "n";
            }
            if (f.size() > 3)
                row[ColSubs] = f.at(3);
            table.append(row);
        }
        in.table = &table;
        in.options.homeBonus = "5";
        in.options.teamTactic = "N";
        in.options.penaltyTaker = "Fin";
        in.options.trainees = QStringList{"Ned"};
        in.options.coaches = QStringList{"OTF"};
        in.matchText = "3";
        in.presets = QStringList{"Normal", "Stalling", "Opportunistic", "Longball", "Ball Control", "Pressing"};
        in.sessionChosen = true;
    }

    int row(const QString& name) const
    {
        for (int r = 1; r < table.size(); ++r)
            if (table.at(r).at(ColName) == name)
                return r;
        qFatal("no player %s", qPrintable(name));
    }
    QString& at(const QString& name, int col) { return table[row(name)][col]; }
    // The player's Conditionals cell: the mark players, then conditionals A, B, C of eight fields each.
    void conditionals(const QString& name, const QStringList& abc, const QString& marks = ",")
    {
        QStringList all = abc;
        while (all.size() < 3)
            all.append(",,,,,,,");
        at(name, ColConditionals) = marks + ',' + all.join(',');
    }
    QList<Finding> check() const
    {
        OrdersInput copy = in;
        copy.table = &table;
        return checkOrders(copy);
    }
};

using Change = std::function<void(Orders&)>;

QStringList codes(const QList<Finding>& findings)
{
    QStringList out;
    for (const Finding& f : findings)
        out.append(f.code);
    return out;
}

} // namespace

Q_DECLARE_METATYPE(Change)

class TestOrdersCheck : public QObject {
    Q_OBJECT
private slots:
    void correctOrdersHaveNoFindings();
    void eachCode_data();
    void eachCode();
    void findingsTellSeverityPlaceAndWhere_data();
    void findingsTellSeverityPlaceAndWhere();
    void orderOfFindings();
    void summary_data();
    void summary();
    void readableConditionals_data();
    void readableConditionals();
    void windowBesideTheMainWindow_data();
    void windowBesideTheMainWindow();
};

void TestOrdersCheck::correctOrdersHaveNoFindings()
{
    const Orders o;
    QCOMPARE(codes(o.check()), QStringList());
    QCOMPARE(findingsSummary(o.check()), QString("No problems found"));
}

void TestOrdersCheck::eachCode_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("found");

    auto row = [](const char* name, Change c, const char* code, bool found) {
        QTest::newRow(name) << c << QString(code) << found;
    };
    auto tactic = [](const QString& line) { return [line](Orders& o) { o.in.options.tacticChanges = {line}; }; };
    auto onFin = [](const QString& a) { return [a](Orders& o) { o.conditionals("Fin", {a}); }; };

    row(
        "L1 no match", [](Orders& o) { o.in.matchText.clear(); }, "L1", true);
    row(
        "L1 match chosen", [](Orders&) {}, "L1", false);
    row(
        "L2 no home bonus", [](Orders& o) { o.in.options.homeBonus.clear(); }, "L2", true);
    row(
        "L3 no penalty taker", [](Orders& o) { o.in.options.penaltyTaker.clear(); }, "L3", true);
    row(
        "L3 taker is a substitute", [](Orders& o) { o.in.options.penaltyTaker = "Gil"; }, "L3", true);
    row(
        "L3 taker not in the line-up", [](Orders& o) { o.in.options.penaltyTaker = "Ned"; }, "L3", true);
    row(
        "L3 taker a starter", [](Orders& o) { o.in.options.penaltyTaker = "Gus"; }, "L3", false);
    row(
        "L4 trainee twice",
        [](Orders& o) {
            o.in.options.trainees = {"Ned", "Gil", "Ned"};
        },
        "L4", true);
    row(
        "L4 coach twice",
        [](Orders& o) {
            o.in.options.coaches = {"OTF", "OTF"};
        },
        "L4", true);
    row(
        "L4 a trainee also coach", [](Orders& o) { o.in.options.coaches = {"Ned"}; }, "L4", false);
    row(
        "L5 two rows in S2", [](Orders& o) { o.at("Ned", ColPlay) = "MF", o.at("Ned", ColSubs) = "S2"; }, "L5", true);
    row(
        "L5 upper row left out",
        [](Orders& o) {
            o.at("Ned", ColPlay) = "MF";
            o.at("Ned", ColSubs) = "S2";
            o.table.move(o.row("Ned"), 1);
        },
        "L5", true);
    row(
        "L5 slot without position is no clash", [](Orders& o) { o.at("Ned", ColSubs) = "S2"; }, "L5", false);
    row(
        "L6 slot without position", [](Orders& o) { o.at("Ned", ColSubs) = "S2"; }, "L6", true);
    row(
        "L6 slot with position", [](Orders&) {}, "L6", false);
    row(
        "L7 WG in LGM", [](Orders& o) { o.at("Mo", ColPlay) = "WG"; }, "L7", true);
    row(
        "L7 WG in MSWL",
        [](Orders& o) {
            o.at("Mo", ColPlay) = "WG";
            o.in.mswl = true;
        },
        "L7", false);
    row(
        "L8 GK playing FW", [](Orders& o) { o.at("Gus", ColPos) = "GK", o.at("Flo", ColPos) = "GK"; }, "L8", true);
    row(
        "L8 substitute GK as FW", [](Orders& o) { o.at("Gil", ColPlay) = "FW"; }, "L8", false);
    row(
        "L8 GK in goal", [](Orders&) {}, "L8", false);
    row(
        "L9 ten starters", [](Orders& o) { o.at("Flo", ColPlay).clear(); }, "L9", true);
    row(
        "L9 twelve starters", [](Orders& o) { o.at("Ned", ColPlay) = "MF"; }, "L9", true);
    row(
        "L9 a slot empty", [](Orders& o) { o.at("Fay", ColSubs) = "S3"; }, "L9", true);
    row(
        "L9 a legal line-up", [](Orders&) {}, "L9", false);

    row("T1 event without operator", tactic("T,,,,,,S"), "T1", true);
    row("T1 operator without event", tactic("G,>,1,,<,,S"), "T1", true);
    row("T1 complete conditions", tactic("G,>,1,T,<,60,S"), "T1", false);
    row("T2 T > 90", tactic("T,>,90,,,,S"), "T2", true);
    row("T2 T >= 90", tactic("T,>=,90,,,,S"), "T2", false);
    row("T2 T < 0", tactic("T,<,0,,,,S"), "T2", true);
    row("T2 T <= 0", tactic("T,<=,0,,,,S"), "T2", false);
    row("T2 T = 95", tactic(",,,T,=,95,S"), "T2", true);
    row("T2 T = 90", tactic(",,,T,=,90,S"), "T2", false);
    row("T2 G > 1 and G < 0", tactic("G,>,1,G,<,0,S"), "T2", true);
    row("T2 G > 1 and G < 3", tactic("G,>,1,G,<,3,S"), "T2", false);
    row("T2 G > 1 and G < 2", tactic("G,>,1,G,<,2,S"), "T2", true);
    row("T2 T < 30 and T > 60", tactic("T,<,30,T,>,60,S"), "T2", true);
    row("T2 G and T apart", tactic("G,<,0,T,>,60,S"), "T2", false);
    row(
        "T3 the same line twice",
        [](Orders& o) {
            o.in.options.tacticChanges = {"G,<,0,,,,S", "T,>,60,,,,L", "G,<,0,,,,S"};
        },
        "T3", true);
    row(
        "T3 different lines",
        [](Orders& o) {
            o.in.options.tacticChanges = {"G,<,0,,,,S", "G,<,0,,,,L"};
        },
        "T3", false);
    row("T4 code of no preset", tactic("G,<,0,,,,t"), "T4", true);
    row(
        "T4 starting strategy of no preset", [](Orders& o) { o.in.options.teamTactic = "t"; }, "T4", true);
    row(
        "T4 no presets in the settings", [](Orders& o) { o.in.presets.clear(); }, "T4", true);
    row(
        "T4 empty starting strategy is N", [](Orders& o) { o.in.options.teamTactic.clear(); }, "T4", false);
    row("T4 code of a preset", tactic("G,<,0,,,,B"), "T4", false);
    row("T5 no condition", tactic(",,,,,,S"), "T5", true);
    row("T5 a condition", tactic("G,<,0,,,,S"), "T5", false);

    row("P1 letters", onFin("T,>=,abc,,,,S1,FW"), "P1", true);
    row("P1 beyond 90", onFin("G,>,95,,,,S1,FW"), "P1", true);
    row("P1 empty value of a complete condition", onFin("T,>=,,,,,S1,FW"), "P1", true);
    row("P1 a number", onFin("T,>=,60,,,,S1,FW"), "P1", false);
    row("P1 -90", onFin("G,>,-90,,,,S1,FW"), "P1", false);
    row("P2 event without operator", onFin("T,>=,60,G,,,S1,FW"), "P2", true);
    row("P2 operator without event", onFin(",>=,60,,,,S1,FW"), "P2", true);
    row("P2 complete", onFin("T,>=,60,G,<,0,S1,FW"), "P2", false);
    row("P3 T > 90", onFin("T,>,90,,,,S1,FW"), "P3", true);
    row("P3 T >= 90", onFin("T,>=,90,,,,S1,FW"), "P3", false);
    row("P3 G > 1 and G < 0", onFin("G,>,1,G,<,0,S1,FW"), "P3", true);
    row("P3 G > 1 and G < 3", onFin("G,>,1,G,<,3,S1,FW"), "P3", false);
    row(
        "P4 slot nobody holds",
        [](Orders& o) {
            o.at("Wes", ColSubs).clear();
            o.at("Wes", ColPlay).clear();
            o.conditionals("Fin", {"T,>=,60,,,,S5,FW"});
        },
        "P4", true);
    row(
        "P4 slot without position is not held",
        [](Orders& o) {
            o.at("Wes", ColPlay).clear();
            o.conditionals("Fin", {"T,>=,60,,,,S5,FW"});
        },
        "P4", true);
    row("P4 slot held", onFin("T,>=,60,,,,S5,FW"), "P4", false);
    row(
        "P5 one substitute twice, two players",
        [](Orders& o) {
            o.conditionals("Fin", {"T,>=,60,,,,S4,FW"});
            o.conditionals("Flo", {"T,>=,70,,,,S4,FW"});
        },
        "P5", true);
    row("P5 one substitute twice, one player", onFin("T,>=,60,,,,S4,FW"), "P5", false);
    row(
        "P5 twice in one cell",
        [](Orders& o) {
            o.conditionals("Fin", {"T,>=,60,,,,S4,FW", "G,<,0,,,,S4,FW"});
        },
        "P5", true);
    row(
        "P5 two substitutes",
        [](Orders& o) {
            o.conditionals("Fin", {"T,>=,60,,,,S4,FW"});
            o.conditionals("Flo", {"T,>=,70,,,,S3,MF"});
        },
        "P5", false);
    row("P6 condition without action or position", onFin("T,>=,60,,,,,"), "P6", true);
    row("P6 action without condition", onFin(",,,,,,S4,FW"), "P6", true);
    row("P6 position without complete condition", onFin("T,,,,,,,MF"), "P6", true);
    row("P6 complete", onFin("T,>=,60,,,,,MF"), "P6", false);
    row("P7 change without position", onFin("T,>=,60,,,,C,"), "P7", true);
    row("P7 change with position", onFin("T,>=,60,,,,C,MF"), "P7", false);
    row("P8 style in LGM", onFin("T,>=,60,,,,C,p"), "P8", true);
    row("P8 WG in LGM", onFin("T,>=,60,,,,C,WG"), "P8", true);
    row(
        "P8 WG in MSWL",
        [](Orders& o) {
            o.in.mswl = true;
            o.conditionals("Fin", {"T,>=,60,,,,C,WG"});
        },
        "P8", false);
    row(
        "P9 player out of the line-up", [](Orders& o) { o.conditionals("Ned", {"T,>=,60,,,,C,MF"}); }, "P9", true);
    row(
        "P9 empty conditionals out of the line-up", [](Orders& o) { o.at("Ned", ColConditionals) = QString(25, ','); },
        "P9", false);
    row("P9 starter", onFin("T,>=,60,,,,C,MF"), "P9", false);
    row(
        "P10 mark players in LGM", [](Orders& o) { o.conditionals("Fin", {}, "Zed,"); }, "P10", true);
    row(
        "P10 mark player not an opponent",
        [](Orders& o) {
            o.in.mswl = true;
            o.in.opponentChosen = true;
            o.in.oppPlayers = {"Zed", "Yan"};
            o.conditionals("Fin", {}, "Zed,Xi");
        },
        "P10", true);
    row(
        "P10 mark players of the opponent",
        [](Orders& o) {
            o.in.mswl = true;
            o.in.opponentChosen = true;
            o.in.oppPlayers = {"Zed", "Yan"};
            o.conditionals("Fin", {}, "Zed,Yan");
        },
        "P10", false);
    row(
        "P10 no opponent chosen",
        [](Orders& o) {
            o.in.mswl = true;
            o.conditionals("Fin", {}, "Zed,Xi");
        },
        "P10", false);
    row(
        "P11 GK replaced by a field player", [](Orders& o) { o.conditionals("Gus", {"T,>=,60,,,,S2,"}); }, "P11", true);
    row(
        "P11 GK replaced by a GK who comes on as FW", [](Orders& o) { o.conditionals("Gus", {"T,>=,60,,,,S1,FW"}); },
        "P11", true);
    row(
        "P11 GK replaced by the substitute GK", [](Orders& o) { o.conditionals("Gus", {"T,>=,60,,,,S1,"}); }, "P11",
        false);
    row(
        "P11 GK moved to MF", [](Orders& o) { o.conditionals("Gus", {"T,>=,60,,,,C,MF"}); }, "P11", true);
    row(
        "P11 GK changes style", [](Orders& o) { o.conditionals("Gus", {"T,>=,60,,,,C,a"}); }, "P11", false);
    row("P11 field player moved", onFin("T,>=,60,,,,C,MF"), "P11", false);

    row(
        "S1 no session", [](Orders& o) { o.in.sessionChosen = false; }, "S1", true);
    row(
        "S1 session chosen", [](Orders&) {}, "S1", false);
    row(
        "S2 same bare name",
        [](Orders& o) {
            o.in.archive = {"/a/RVRSession1Bids.txt", "/b/RVRSession1Bids.txt"};
        },
        "S2", true);
    row(
        "S2 same name in other letter case",
        [](Orders& o) {
            o.in.archive = {"/a/RVR3.txt", "/b/rvr3.txt"};
        },
        "S2", true);
    row(
        "S2 one path twice",
        [](Orders& o) {
            o.in.archive = {"/a/RVR3.txt", "/a/RVR3.txt"};
        },
        "S2", false);
    row(
        "S2 different names",
        [](Orders& o) {
            o.in.archive = {"/a/RVR3.txt", "/a/RVR4.txt"};
        },
        "S2", false);
    row(
        "S3 changed since saved",
        [](Orders& o) {
            o.in.lastLineupLines = buildLineupFile(o.table, o.in.options).lines;
            o.at("Mo", ColStyle) = "a";
        },
        "S3", true);
    row(
        "S3 as saved", [](Orders& o) { o.in.lastLineupLines = buildLineupFile(o.table, o.in.options).lines; }, "S3",
        false);
    row(
        "S3 never saved", [](Orders&) {}, "S3", false);
}

void TestOrdersCheck::eachCode()
{
    QFETCH(Change, change);
    QFETCH(QString, code);
    QFETCH(bool, found);
    Orders o;
    change(o);
    const QStringList all = codes(o.check());
    QVERIFY2(all.contains(code) == found, qPrintable(all.join(' ')));
}

void TestOrdersCheck::findingsTellSeverityPlaceAndWhere_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("severity");
    QTest::addColumn<QString>("place");
    QTest::addColumn<QString>("sentence"); // a part of it
    QTest::addColumn<int>("target");
    QTest::addColumn<int>("column");

    QTest::newRow("L5 names both") << Change([](Orders& o) {
        o.at("Ned", ColPlay) = "MF";
        o.at("Ned", ColSubs) = "S2";
        o.table.move(o.row("Ned"), 1);
    }) << "L5"
                                   << "Error"
                                   << "Ned"
                                   << "Ned and Dov both hold S2" << int(FindingTarget::GridCell) << int(ColSubs);
    QTest::newRow("L6") << Change([](Orders& o) { o.at("Ned", ColSubs) = "S3"; }) << "L6"
                        << "Error"
                        << "Ned"
                        << "S3 goes to Mac" << int(FindingTarget::GridCell) << int(ColSubs);
    QTest::newRow("L6 of a row without a name") << Change([](Orders& o) {
        o.at("Ned", ColSubs) = "S3";
        o.at("Ned", ColName).clear();
    }) << "L6"
                                                << "Error"
                                                << "Row 17"
                                                << "S3 goes to Mac" << int(FindingTarget::GridCell) << int(ColSubs);
    QTest::newRow("P4 in conditional B") << Change([](Orders& o) {
        o.at("Wes", ColPlay).clear();
        o.conditionals("Fin", {"T,>=,60,,,,S4,FW", "T,>=,60,,,,S5,FW"});
    }) << "P4"
                                         << "Error"
                                         << "Fin, conditional B"
                                         << "no substitute holds S5" << int(FindingTarget::GridCell)
                                         << int(ColConditionals);
    QTest::newRow("P5 names the first") << Change([](Orders& o) {
        o.conditionals("Fin", {"T,>=,60,,,,S4,FW"});
        o.conditionals("Flo", {",,,,,,,", "T,>=,70,,,,S4,FW"});
    }) << "P5"
                                        << "Warning"
                                        << "Flo, conditional B"
                                        << "Fin, conditional A already brings on" << int(FindingTarget::GridCell)
                                        << int(ColConditionals);
    QTest::newRow("T2 line 2") << Change([](Orders& o) {
        o.in.options.tacticChanges = {"G,<,0,,,,S", "T,>,90,,,,S"};
    }) << "T2"
                               << "Error"
                               << "Tactic line 2"
                               << "\"T > 90\" can never hold" << int(FindingTarget::TacticsButton) << 0;
    QTest::newRow("T4 starting") << Change([](Orders& o) { o.in.options.teamTactic = "t"; }) << "T4"
                                 << "Warning"
                                 << "Starting strategy"
                                 << "\"t\"" << int(FindingTarget::TacticsButton) << 0;
    QTest::newRow("S1") << Change([](Orders& o) { o.in.sessionChosen = false; }) << "S1"
                        << "Warning"
                        << "Session"
                        << "No session is chosen" << int(FindingTarget::SessionList) << 0;
    QTest::newRow("S2") << Change([](Orders& o) {
        o.in.archive = {"/a/X.txt", "/b/X.txt"};
    }) << "S2"
                        << "Error"
                        << "Archive"
                        << "the same name X.txt" << int(FindingTarget::ZipPage) << 0;
    QTest::newRow("L1") << Change([](Orders& o) { o.in.matchText.clear(); }) << "L1"
                        << "Warning"
                        << "Line-up"
                        << "named for match 1" << int(FindingTarget::MatchList) << 0;
}

void TestOrdersCheck::findingsTellSeverityPlaceAndWhere()
{
    QFETCH(Change, change);
    QFETCH(QString, code);
    Orders o;
    change(o);
    QList<Finding> all = o.check();
    all.removeIf([&code](const Finding& f) { return f.code != code; });
    QCOMPARE(codes(all), QStringList{code});
    const Finding& f = all.first();
    QTEST(severityText(f.severity), "severity");
    QTEST(f.place, "place");
    QFETCH(QString, sentence);
    QVERIFY2(f.sentence.contains(sentence), qPrintable(f.sentence));
    QTEST(int(f.target), "target");
    if (f.target == FindingTarget::GridCell) {
        QTEST(f.column, "column");
        const QString name = o.table.at(f.row).at(ColName);
        QCOMPARE(name.isEmpty() ? QString("Row %1").arg(f.row) : name, f.place.section(',', 0, 0));
    }
}

void TestOrdersCheck::orderOfFindings()
{
    Orders o;
    o.in.sessionChosen = false;                              // S1 warning
    o.in.options.homeBonus.clear();                          // L2 warning
    o.in.options.tacticChanges = {"T,>,95,,,,S", ",,,,,,S"}; // T2 error on line 1, T5 warning on line 2
    o.conditionals("Flo", {"T,>=,abc,,,,S4,FW"});            // P1 error
    o.conditionals("Dan", {"T,>=,xyz,,,,S3,MF"});            // P1 error, higher in the grid
    o.at("Mo", ColPlay) = "WG";                              // L7 warning
    const QList<Finding> all = o.check();
    QStringList seen;
    for (const Finding& f : all)
        seen.append(f.code + ' ' + f.place);
    QCOMPARE(seen, QStringList({"T2 Tactic line 1", "P1 Dan, conditional A", "P1 Flo, conditional A", "L2 Line-up",
                                "L7 Mo", "T5 Tactic line 2", "S1 Session"}));
}

void TestOrdersCheck::summary_data()
{
    QTest::addColumn<int>("errors");
    QTest::addColumn<int>("warnings");
    QTest::addColumn<QString>("text");
    QTest::newRow("none") << 0 << 0 << "No problems found";
    QTest::newRow("one error") << 1 << 0 << "1 error";
    QTest::newRow("one warning") << 0 << 1 << "1 warning";
    QTest::newRow("one of each") << 1 << 1 << "1 error, 1 warning";
    QTest::newRow("several") << 2 << 3 << "2 errors, 3 warnings";
}

void TestOrdersCheck::summary()
{
    QFETCH(int, errors);
    QFETCH(int, warnings);
    QList<Finding> all;
    for (int i = 0; i < errors; ++i)
        all.append({Severity::Error, "L9", "Line-up", "x", FindingTarget::Grid, 0, 0});
    for (int i = 0; i < warnings; ++i)
        all.append({Severity::Warning, "L1", "Line-up", "x", FindingTarget::MatchList, 0, 0});
    QTEST(findingsSummary(all), "text");
}

void TestOrdersCheck::readableConditionals_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QStringList>("lines");
    const QString rest16(16, ',');
    QTest::newRow("substitution") << ",,T,>=,60,,,,S1,FW" + rest16
                                  << QStringList{"1st: when Game Time is more than or equal to 60 Minutes: on comes S1 "
                                                 "(Gil) as FW"};
    QTest::newRow("two conditions, style, slot nobody holds")
        << ",,,,,,,,,,G,<,0,T,>,75,C,a,,,,,,,S5,"
        << QStringList{"2nd: when Goal Difference is less than 0 and Game Time is greater than 75 Minutes: changes "
                       "to aggressive play",
                       "3rd: with no complete condition: on comes S5 (nobody holds S5)"};
    QTest::newRow("marks") << "Zed,Yan,G,>,1,,,,,MF" + rest16
                           << QStringList{"Marks: Zed and Yan",
                                          "1st: when Goal Difference is greater than 1: plays as MF"};
    QTest::newRow("empty") << QString(25, ',') << QStringList();
    QTest::newRow("no cell") << QString() << QStringList();
}

void TestOrdersCheck::readableConditionals()
{
    QFETCH(QString, cell);
    Orders o;
    o.at("Wes", ColPlay).clear();
    QTEST(describeConditionalsCell(cell, o.table), "lines");
}

void TestOrdersCheck::windowBesideTheMainWindow_data()
{
    QTest::addColumn<QRect>("main");
    QTest::addColumn<QRect>("room");
    QTest::addColumn<QPoint>("at");
    QTest::newRow("room on the right") << QRect(0, 40, 800, 600) << QRect(0, 0, 1920, 1080) << QPoint(808, 40);
    QTest::newRow("room only on the left") << QRect(1100, 40, 800, 600) << QRect(0, 0, 1920, 1080) << QPoint(356, 40);
    QTest::newRow("no room either side") << QRect(400, 40, 800, 600) << QRect(0, 0, 1600, 900) << QPoint(864, 40);
    QTest::newRow("low on the screen") << QRect(0, 900, 800, 600) << QRect(0, 0, 1920, 1080) << QPoint(808, 748);
    QTest::newRow("second screen") << QRect(1920, 0, 800, 600) << QRect(1920, 0, 1920, 1080) << QPoint(2728, 0);
}

void TestOrdersCheck::windowBesideTheMainWindow()
{
    QFETCH(QRect, main);
    QFETCH(QRect, room);
    QTEST(besideMainWindow(main, QSize(736, 332), room), "at");
}

QTEST_GUILESS_MAIN(TestOrdersCheck)
#include "tst_orderscheck.moc"
