#include "check/orderscheck.h"
#include "squad/lineupchecker.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
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
        in.sessionText = "7";
        in.bids = QList<BidRow>(5);
    }

    int row(const QString& name) const
    {
        for (int r = 1; r < table.size(); ++r)
            if (table.at(r).at(ColName) == name)
                return r;
        qFatal("no player %s", qPrintable(name));
    }
    QString& at(const QString& name, int col) { return table[row(name)][col]; }
    // The player's Conditionals cell: the mark players, then the 1st, 2nd and 3rd conditionals of eight fields each.
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
    void soundFullSession_data();
    void soundFullSession();
    void everyFixIsSafe_data();
    void everyFixIsSafe();
    void helpListsEveryCode();
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
        "L6 the slot's only holder taken out", [](Orders& o) { o.at("Dov", ColPlay).clear(); }, "L6", true);
    row(
        "L6 slot without position, nobody placed in it",
        [](Orders& o) {
            o.at("Dov", ColSubs).clear(), o.at("Dov", ColPlay).clear();
            o.at("Ned", ColSubs) = "S2";
        },
        "L6", true);
    row(
        "L6 slot held by another placed row", [](Orders& o) { o.at("Ned", ColSubs) = "S2"; }, "L6", false);
    row(
        "L6 taken out with [deselect], slot held by a row below",
        [](Orders& o) {
            o.at("Ned", ColSubs) = "S2";
            o.table.move(o.row("Ned"), 1);
        },
        "L6", false);
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
    row(
        "L10 no goalkeeper", [](Orders& o) { o.at("Gus", ColPlay) = "DF"; }, "L10", true);
    row(
        "L10 two goalkeepers", [](Orders& o) { o.at("Dan", ColPlay) = "GK"; }, "L10", true);
    row(
        "L10 two sweepers", [](Orders& o) { o.at("Dan", ColPlay) = "SW"; }, "L10", true);
    row(
        "L10 six defenders and one midfielder",
        [](Orders& o) { o.at("Mel", ColPlay) = "DF", o.at("Max", ColPlay) = "DF"; }, "L10", true);
    row(
        "L10 no forward", [](Orders& o) { o.at("Fin", ColPlay) = "MF", o.at("Flo", ColPlay) = "MF"; }, "L10", true);
    row(
        "L10 five forwards",
        [](Orders& o) {
            for (const char* p : {"Mel", "Max", "Mo"})
                o.at(p, ColPlay) = "FW";
            o.at("Dan", ColPlay) = "MF", o.at("Don", ColPlay) = "MF";
        },
        "L10", true);
    row(
        "L10 MF 2:1 rule",
        [](Orders& o) {
            for (const char* p : {"Mel", "Max", "Mo"})
                o.at(p, ColSL) = "30";
        },
        "L10", true);
    row(
        "L10 MF 2:1 rule just held",
        [](Orders& o) {
            for (const char* p : {"Mel", "Max"})
                o.at(p, ColSL) = "30";
            o.at("Mo", ColSL) = "19"; // 79 < 80
        },
        "L10", false);
    row(
        "L10 FW 2:1 rule", [](Orders& o) { o.at("Fin", ColSL) = "40", o.at("Flo", ColSL) = "40"; }, "L10", true);
    row(
        "L10 FW 2:1 rule lifted by the starting strategy L",
        [](Orders& o) {
            o.at("Fin", ColSL) = "40", o.at("Flo", ColSL) = "40";
            o.in.options.teamTactic = "L";
        },
        "L10", false);
    row(
        "L10 substitutes do not count", [](Orders& o) { o.at("Dov", ColPlay) = "SW"; }, "L10", false);
    row(
        "L10 a legal line-up", [](Orders&) {}, "L10", false);

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
    row("T4 a line's code of no preset is T7", tactic("G,<,0,,,,t"), "T4", false);
    row(
        "T4 a line's N without a preset N",
        [](Orders& o) {
            o.in.presets.removeFirst();
            o.in.options.teamTactic = "S";
            o.in.options.tacticChanges = {"G,<,0,,,,N"};
        },
        "T4", true);
    row(
        "T4 starting strategy of no preset", [](Orders& o) { o.in.options.teamTactic = "t"; }, "T4", true);
    row(
        "T4 no presets in the settings", [](Orders& o) { o.in.presets.clear(); }, "T4", true);
    row(
        "T4 empty starting strategy is N", [](Orders& o) { o.in.options.teamTactic.clear(); }, "T4", false);
    row("T4 code of a preset", tactic("G,<,0,,,,B"), "T4", false);
    row("T5 no condition", tactic(",,,,,,S"), "T5", true);
    row("T5 a condition", tactic("G,<,0,,,,S"), "T5", false);
    row("T6 T < 60", tactic("T,<,60,,,,S"), "T6", true);
    row("T6 T <= 60", tactic("G,<,0,T,<=,60,S"), "T6", true);
    row("T6 T = 60", tactic("T,=,60,,,,S"), "T6", true);
    row("T6 T >= 60", tactic("T,>=,60,,,,S"), "T6", false);
    row("T6 T > 60", tactic("T,>,60,,,,S"), "T6", false);
    row("T6 G < 0", tactic("G,<,0,,,,S"), "T6", false);
    row("T7 an event the editor does not offer", tactic("X,>,1,,,,S"), "T7", true);
    row("T7 an operator the editor does not offer", tactic("G,=>,1,,,,S"), "T7", true);
    row("T7 a value that is no number", tactic("G,>,abc,,,,S"), "T7", true);
    row("T7 a value beyond 90", tactic("G,>,95,,,,S"), "T7", true);
    row("T7 a strategy of no preset", tactic("G,<,0,,,,t"), "T7", true);
    row("T7 no value in a complete condition", tactic("G,>,,,,,S"), "T7", true);
    row("T7 -90", tactic("G,>,-90,,,,S"), "T7", false);
    row("T7 N for no strategy", tactic("G,<,0,,,,N"), "T7", false);
    row("T7 codes of the editor", tactic("G,<,0,T,>=,60,S"), "T7", false);
    row("T7 a half condition is T1", tactic("T,,,,,,S"), "T7", false);
    row("P1 letters", onFin("T,>=,abc,,,,S1,FW"), "P1", true);
    row("P1 beyond 90", onFin("G,>,95,,,,S1,FW"), "P1", true);
    row("P1 empty value of a complete condition", onFin("T,>=,,,,,S1,FW"), "P1", true);
    row("P1 a number", onFin("T,>=,60,,,,S1,FW"), "P1", false);
    row("P1 -90", onFin("G,>,-90,,,,S1,FW"), "P1", false);
    row("P1 not for an unused condition", onFin("T,>=,60,,,abc,S1,FW"), "P1", false);
    row("P1 not for a value alone", onFin(",,abc,,,,,"), "P1", false);
    row("P1 a half condition's value", onFin("T,,abc,,,,S1,FW"), "P1", true);
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
        "P5 either/or pair",
        [](Orders& o) {
            o.conditionals("Fin", {"G,<,0,T,>=,60,S4,FW"});
            o.conditionals("Dan", {"G,>,0,T,>=,60,S4,FW"});
        },
        "P5", false);
    row(
        "P5 either/or pair in one cell",
        [](Orders& o) {
            o.conditionals("Fin", {"G,<,0,T,>=,60,S4,FW", "G,>=,0,T,>=,60,S4,FW"});
        },
        "P5", false);
    row(
        "P5 scores that can meet",
        [](Orders& o) {
            o.conditionals("Fin", {"G,<,1,T,>=,60,S4,FW"});
            o.conditionals("Dan", {"G,>,-1,T,>=,60,S4,FW"});
        },
        "P5", true);
    row(
        "P5 one that can never hold takes nobody",
        [](Orders& o) {
            o.conditionals("Fin", {"T,>,90,,,,S4,FW"});
            o.conditionals("Flo", {"T,>=,70,,,,S4,FW"});
        },
        "P5", false);
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
    row("P6 a value alone", onFin(",,5,,,,,"), "P6", true);
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
    row("P12 T < 60", onFin("T,<,60,,,,S1,FW"), "P12", true);
    row("P12 T = 60", onFin("G,<,0,T,=,60,S1,FW"), "P12", true);
    row("P12 T <= 60", onFin("T,<=,60,,,,C,a"), "P12", true);
    row("P12 T >= 60", onFin("T,>=,60,,,,S1,FW"), "P12", false);
    row("P12 G < 0", onFin("G,<,0,,,,S1,FW"), "P12", false);
    row("P13 an event the editor does not offer", onFin("X,>=,60,,,,S1,FW"), "P13", true);
    row("P13 an operator the editor does not offer", onFin("T,=>,60,,,,S1,FW"), "P13", true);
    row("P13 an action the editor does not offer", onFin("T,>=,60,,,,S7,FW"), "P13", true);
    row("P13 a position the editor does not offer", onFin("T,>=,60,,,,C,ST"), "P13", true);
    row(
        "P13 a style in LGM is P8", [](Orders& o) { o.conditionals("Fin", {"T,>=,60,,,,C,a"}); }, "P13", false);
    row("P13 codes of the editor", onFin("G,<,0,T,>=,60,S1,FW"), "P13", false);
    row(
        "P14 a substitute brings himself on", [](Orders& o) { o.conditionals("Gil", {"T,>=,60,,,,S1,"}); }, "P14",
        true);
    row(
        "P14 a substitute brings on another", [](Orders& o) { o.conditionals("Gil", {"T,>=,60,,,,S2,"}); }, "P14",
        false);
    row("P14 a starter brings on S1", onFin("T,>=,60,,,,S1,FW"), "P14", false);

    auto bid = [](const QString& lot, const QString& price, const QString& name) {
        return [=](Orders& o) { o.in.bids[1] = {lot, price, name}; };
    };
    row("B1 a LOT alone", bid("1", "", ""), "B1", true);
    row("B1 a one-letter name alone", bid("", "", "X"), "B1", true);
    row("B1 a LOT, a price and a name", bid("1", "100", "Smith"), "B1", false);
    row("B1 LOT 10 alone is written", bid("10", "", ""), "B1", false);
    row("B1 an empty row", bid("", "", ""), "B1", false);
    row("B2 LOT 10 alone", bid("10", "", ""), "B2", true);
    row("B2 no name", bid("4", "100", ""), "B2", true);
    row("B2 no LOT", bid("", "ALL", "Smith"), "B2", true);
    row("B2 no price", bid("4", "", "Smith"), "B2", true);
    row("B2 a LOT alone is B1", bid("1", "", ""), "B2", false);
    row("B2 a LOT, a price and a name", bid("4", "ALL", "Smith"), "B2", false);

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
        "S2 a bare name and the full path of its folder",
        [](Orders& o) {
            o.in.currentFolder = "/w/";
            o.in.archive = {"RVR3.txt", "/w/RVR3.txt"};
        },
        "S2", false);
    row(
        "S2 a bare name and the full path of another folder",
        [](Orders& o) {
            o.in.currentFolder = "/w/";
            o.in.archive = {"RVR3.txt", "/x/RVR3.txt"};
        },
        "S2", true);
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

    auto listed = [](const QStringList& archive) {
        return [archive](Orders& o) {
            o.in.abbreviation = "ABC";
            o.in.sessionText = "7";
            o.in.archive = archive;
        };
    };
    row("S4 bids of another session", listed({"/w/ABCSession6Bids.txt"}), "S4", true);
    row("S4 press of another session", listed({"/w/abcsession17press.txt"}), "S4", true);
    row("S4 archive of another session", listed({"/w/ABCSession6.zip"}), "S4", true);
    row("S4 line-up of another match", listed({"/w/ABC2.txt"}), "S4", true);
    row("S4 session 7's own files", listed({"/w/ABCSession7Bids.txt", "/w/ABCSession7Press.txt", "/w/ABC3.txt"}), "S4",
        false);
    row("S4 another team's files", listed({"/w/XYZSession6Bids.txt", "/w/XYZ2.txt"}), "S4", false);
    row("S4 a file of no session", listed({"/w/ABCnotes.txt"}), "S4", false);
    row(
        "S4 no session chosen",
        [](Orders& o) {
            o.in.abbreviation = "ABC";
            o.in.sessionChosen = false;
            o.in.archive = {"/w/ABCSession6Bids.txt"};
        },
        "S4", false);
    row(
        "S4 no match chosen",
        [](Orders& o) {
            o.in.abbreviation = "ABC";
            o.in.sessionText = "7";
            o.in.matchText.clear();
            o.in.archive = {"/w/ABC2.txt"};
        },
        "S4", false);
    auto saved = [](const QString& path, const QStringList& archive) {
        return [=](Orders& o) {
            o.in.abbreviation = "ABC";
            o.in.sessionText = "7";
            o.in.currentFolder = "/w/";
            o.in.lastLineupPath = path;
            o.in.archive = archive;
        };
    };
    row("S5 the line-up not listed", saved("/w/ABC3.txt", {"/w/ABCSession7Bids.txt"}), "S5", true);
    row("S5 the line-up listed", saved("/w/ABC3.txt", {"/w/ABC3.txt"}), "S5", false);
    row("S5 listed under its bare name", saved("/w/ABC3.txt", {"ABC3.txt"}), "S5", false);
    row("S5 saved without a working directory", saved("ABC3.txt", {"/w/ABC3.txt"}), "S5", false);
    row("S5 the line-up of another match", saved("/w/ABC2.txt", {}), "S5", false);
    row("S5 nothing saved or opened", saved("", {}), "S5", false);
    row(
        "S5 no session chosen",
        [](Orders& o) {
            o.in.abbreviation = "ABC";
            o.in.sessionChosen = false;
            o.in.lastLineupPath = "/w/ABC3.txt";
        },
        "S5", false);
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
    QTest::newRow("L6") << Change([](Orders& o) {
        o.at("Mac", ColPlay).clear();
        o.at("Mac", ColName) = "Ned Runner";
    }) << "L6"
                        << "Error"
                        << "Ned Runner"
                        << "S3 stays empty: give Ned Runner a position, or put another player in S3."
                        << int(FindingTarget::GridCell) << int(ColSubs);
    QTest::newRow("L6 of a row without a name") << Change([](Orders& o) {
        o.at("Mac", ColPlay).clear();
        o.at("Mac", ColName).clear();
    }) << "L6"
                                                << "Error"
                                                << "Row 14"
                                                << "the player of row 14 holds S3 but has no position"
                                                << int(FindingTarget::GridCell) << int(ColSubs);
    QTest::newRow("L7 is an error") << Change([](Orders& o) { o.at("Mo", ColPlay) = "WG"; }) << "L7"
                                    << "Error"
                                    << "Mo"
                                    << "cannot play him there" << int(FindingTarget::GridCell) << int(ColPlay);
    QTest::newRow("L10 sweepers") << Change([](Orders& o) { o.at("Dan", ColPlay) = "SW"; }) << "L10"
                                  << "Error"
                                  << "Line-up"
                                  << "2 sweepers start; a line-up has at most 1" << int(FindingTarget::Grid) << 0;
    QTest::newRow("L10 MF 2:1") << Change([](Orders& o) {
        o.at("Dan", ColSL) = "0", o.at("Don", ColSL) = "0", o.at("Dai", ColSL) = "0";
        o.at("Dex", ColSL) = "30";                            // the defence: 30
        o.at("Mel", ColSL) = "34", o.at("Max", ColSL) = "20"; // the midfield: 64 with Mo
        o.at("Fin", ColSL) = "1";
    }) << "L10"
                                << "Error"
                                << "Line-up"
                                << "the midfield's SL 64 is not below twice the defence's 30: the MF 2:1 rule"
                                << int(FindingTarget::Grid) << 0;
    QTest::newRow("P4 in the 2nd conditional") << Change([](Orders& o) {
        o.at("Wes", ColPlay).clear();
        o.conditionals("Fin", {"T,>=,60,,,,S4,FW", "T,>=,60,,,,S5,FW"});
    }) << "P4"
                                               << "Error"
                                               << "Fin, 2nd conditional"
                                               << "no substitute holds S5" << int(FindingTarget::GridCell)
                                               << int(ColConditionals);
    QTest::newRow("P5 the later in time") << Change([](Orders& o) {
        o.conditionals("Fin", {"T,>=,80,,,,S4,FW"});
        o.conditionals("Flo", {",,,,,,,", "T,>=,60,,,,S4,FW"});
    }) << "P5"
                                          << "Warning"
                                          << "Fin, 1st conditional"
                                          << "Flo's 2nd conditional and Fin's 1st conditional both bring on S4, and "
                                             "their goal-difference conditions can hold at the same time: the league "
                                             "then takes Flo's 2nd conditional, which comes first in time"
                                          << int(FindingTarget::GridCell) << int(ColConditionals);
    QTest::newRow("P5 the later in the file") << Change([](Orders& o) {
        o.conditionals("Flo", {"T,>=,60,,,,S4,FW"});
        o.conditionals("Fin", {",,,,,,,", "G,<,0,T,>=,60,S4,FW"});
    }) << "P5"
                                              << "Warning"
                                              << "Flo, 1st conditional"
                                              << "the league then takes Fin's 2nd conditional, which comes first in "
                                                 "the file, and Flo's 1st conditional never happens"
                                              << int(FindingTarget::GridCell) << int(ColConditionals);
    QTest::newRow("P6 a value alone") << Change([](Orders& o) { o.conditionals("Fin", {",,1,,,,,"}); }) << "P6"
                                      << "Warning"
                                      << "Fin, 1st conditional"
                                      << "has a value but no condition" << int(FindingTarget::GridCell)
                                      << int(ColConditionals);
    QTest::newRow("P8 is an error") << Change([](Orders& o) { o.conditionals("Fin", {"T,>=,60,,,,C,WG"}); }) << "P8"
                                    << "Error"
                                    << "Fin, 1st conditional"
                                    << "cannot honour it" << int(FindingTarget::GridCell) << int(ColConditionals);
    QTest::newRow("T1 the line is written as it stands")
        << Change([](Orders& o) { o.in.options.tacticChanges = {"T,,,,,,S"}; }) << "T1"
        << "Warning"
        << "Tactic line 1"
        << "the league cannot read a condition with only an event "
           "or only an operator"
        << int(FindingTarget::TacticLine) << 0;
    QTest::newRow("T2 line 2") << Change([](Orders& o) {
        o.in.options.tacticChanges = {"G,<,0,,,,S", "T,>,90,,,,S"};
    }) << "T2"
                               << "Error"
                               << "Tactic line 2"
                               << "\"T > 90\" can never hold" << int(FindingTarget::TacticLine) << 0;
    QTest::newRow("T4 starting") << Change([](Orders& o) { o.in.options.teamTactic = "t"; }) << "T4"
                                 << "Warning"
                                 << "Starting strategy"
                                 << "\"t\"" << int(FindingTarget::TacticLine) << 0;
    QTest::newRow("T6") << Change([](Orders& o) { o.in.options.tacticChanges = {"G,<,0,T,<,60,S"}; }) << "T6"
                        << "Warning"
                        << "Tactic line 1"
                        << "\"T < 60\" looks back in time" << int(FindingTarget::TacticLine) << 0;
    QTest::newRow("T7") << Change([](Orders& o) {
        o.in.options.tacticChanges = {"G,<,0,,,,S", "G,=>,1,,,,t"};
    }) << "T7"
                        << "Error"
                        << "Tactic line 2"
                        << "the operator \"=>\" of condition 1 is none of >, >=, =, <= and <; the strategy code "
                           "\"t\""
                        << int(FindingTarget::TacticLine) << 0;
    QTest::newRow("P13") << Change([](Orders& o) { o.conditionals("Fin", {"T,>=,60,,,,S9,ST"}); }) << "P13"
                         << "Error"
                         << "Fin, 1st conditional"
                         << "the action \"S9\" is none of C and S1 to S5; the position \"ST\" is none of GK, SW, DF, "
                            "MF, FW"
                         << int(FindingTarget::GridCell) << int(ColConditionals);
    QTest::newRow("P14") << Change([](Orders& o) {
        o.conditionals("Gil", {",,,,,,,", ",,,,,,,", "T,>=,60,,,,S1,"});
    }) << "P14"
                         << "Error"
                         << "Gil, 3rd conditional"
                         << "brings on S1, and S1 is Gil himself" << int(FindingTarget::GridCell)
                         << int(ColConditionals);
    QTest::newRow("B1") << Change([](Orders& o) {
        o.in.bids[2] = {"1", "", ""};
    }) << "B1"
                        << "Error"
                        << "Bid row 3"
                        << "\"1,,\"" << int(FindingTarget::BidCell) << 1;
    QTest::newRow("B2") << Change([](Orders& o) {
        o.in.bids[4] = {"4", "100", ""};
    }) << "B2"
                        << "Error"
                        << "Bid row 5"
                        << "has no name" << int(FindingTarget::BidCell) << 2;
    QTest::newRow("S1") << Change([](Orders& o) { o.in.sessionChosen = false; }) << "S1"
                        << "Warning"
                        << "Session"
                        << "No session is chosen" << int(FindingTarget::SessionList) << 0;
    QTest::newRow("S2") << Change([](Orders& o) {
        o.in.archive = {"/a/X.txt", "/b/X.txt"};
    }) << "S2"
                        << "Error"
                        << "Archive"
                        << "the same name X.txt" << int(FindingTarget::ZipEntry) << 0;
    QTest::newRow("S4") << Change([](Orders& o) {
        o.in.abbreviation = "ABC";
        o.in.archive = {"/w/ABC3.txt", "/w/ABCSession6Bids.txt"};
    }) << "S4"
                        << "Warning"
                        << "Archive"
                        << "ABCSession6Bids.txt is the bids of session 6, but session 7 is chosen"
                        << int(FindingTarget::ZipEntry) << 0;
    QTest::newRow("S5") << Change([](Orders& o) {
        o.in.abbreviation = "ABC";
        o.in.lastLineupPath = "/w/ABC3.txt";
    }) << "S5"
                        << "Warning"
                        << "Archive"
                        << "The line-up file ABC3.txt, last saved or opened, is not on the Zip Orders list"
                        << int(FindingTarget::ZipPage) << 0;
    QTest::newRow("L1") << Change([](Orders& o) { o.in.matchText.clear(); }) << "L1"
                        << "Warning"
                        << "Line-up"
                        << "named for match 1" << int(FindingTarget::MatchList) << 0;
    QTest::newRow("L4 the second of the two") << Change([](Orders& o) {
        o.in.options.coaches = {"OTF", "Mo", "OTF"};
    }) << "L4"
                                              << "Warning"
                                              << "OTF"
                                              << "OTF is twice among the coaches" << int(FindingTarget::CoachList) << 0;
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
    if (f.target == FindingTarget::BidCell)
        QTEST(f.column, "column");
    if (f.target == FindingTarget::ZipEntry)
        QVERIFY2(o.in.archive.indexOf(f.entry) == o.in.archive.size() - 1, qPrintable(f.entry)); // the later one
    if (f.target == FindingTarget::CoachList)
        QCOMPARE(f.row, 2);
    if (f.target == FindingTarget::TacticLine)
        QCOMPARE(f.row, f.place == "Starting strategy" ? -1 : f.place.section(' ', 2).toInt() - 1);
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
    o.in.options.tacticChanges = {"T,>,95,,,,S", ",,,,,,S"}; // T2 and T7 errors on line 1, T5 warning on line 2
    o.conditionals("Flo", {"T,>=,abc,,,,S4,FW"});            // P1 error
    o.conditionals("Dan", {"T,>=,xyz,,,,S3,MF"});            // P1 error, higher in the grid
    o.at("Mo", ColPlay) = "WG";                              // L7 warning
    const QList<Finding> all = o.check();
    QStringList seen;
    for (const Finding& f : all)
        seen.append(f.code + ' ' + f.place);
    o.in.bids[3] = {"2", "", ""}; // B1 error
    o.in.abbreviation = "ABC";
    o.in.archive = {"/w/ABC2.txt"}; // S4 warning
    QCOMPARE(seen, QStringList({"L7 Mo", "T2 Tactic line 1", "T7 Tactic line 1", "P1 Dan, 1st conditional",
                                "P1 Flo, 1st conditional", "L2 Line-up", "T5 Tactic line 2", "S1 Session"}));
    const QList<Finding> more = o.check();
    seen.clear();
    for (const Finding& f : more)
        seen.append(f.code + ' ' + f.place);
    QCOMPARE(seen, QStringList({"L7 Mo", "T2 Tactic line 1", "T7 Tactic line 1", "P1 Dan, 1st conditional",
                                "P1 Flo, 1st conditional", "B1 Bid row 4", "L2 Line-up", "T5 Tactic line 2",
                                "S1 Session", "S4 Archive"}));
}

// A whole session's orders of a careful manager, every kind of order in use: tactic lines, substitutions as
// alternatives, changes of position and style, marking (MSWL), bids, the archive with the session's own files.
void TestOrdersCheck::soundFullSession_data()
{
    QTest::addColumn<bool>("mswl");
    QTest::newRow("LGM") << false;
    QTest::newRow("MSWL") << true;
}

void TestOrdersCheck::soundFullSession()
{
    QFETCH(bool, mswl);
    Orders o;
    o.in.mswl = mswl;
    if (mswl)
        o.at("Wes", ColPlay) = "WG";
    o.in.options.teamTactic = "B";
    o.in.options.tacticChanges = {"G,<,0,T,>=,60,P", "G,>,1,T,>,75,S", "G,=,0,T,>=,80,O", "T,>=,85,,,,L",
                                  "G,<,-1,,,,P"};
    o.in.options.trainees = {"Ned", "Gil", "Mo", "Fay"};
    o.in.options.coaches = {"OTF", "Sid", "Mel", "Gus"};
    o.conditionals("Fin", {"G,<,0,T,>=,60,S4,FW", "G,>,0,T,>=,70,C,MF", mswl ? "T,>=,80,,,,C,a" : ",,,,,,,"},
                   mswl ? "Zed,Yan" : ",");
    o.conditionals("Flo", {"G,>=,0,T,>=,60,S4,FW", "G,<,-1,T,>=,75,S3,"});
    o.conditionals("Dan", {"G,>,1,T,>=,70,S2,", "T,>=,88,,,,C,MF"});
    o.conditionals("Gus", {"T,>=,89,,,,S1,"});
    o.conditionals("Gil", {"G,>,2,,,,C,FW"});
    if (mswl) {
        o.in.opponentChosen = true;
        o.in.oppPlayers = {"Zed", "Yan", "Xi"};
        o.conditionals("Mo", {"T,>=,70,,,,C,WG"}, "Xi,");
    }
    o.in.bids = {{"1", "100", "Smith"}, {"10", "ALL", "Jones"}, {"4", "9999", "Brown"}, {"4", "12", "Brown"}, {}};
    o.in.abbreviation = "ABC";
    o.in.sessionText = "7";
    o.in.currentFolder = "/w/";
    o.in.lastLineupLines = buildLineupFile(o.table, o.in.options).lines;
    o.in.lastLineupPath = "/w/ABC3.txt";
    o.in.archive = {"/w/ABC3.txt", "ABC3.txt", "/w/ABCSession7Bids.txt", "/w/ABCSession7Press.txt", "/w/Notes.txt"};
    const QList<Finding> all = o.check();
    QStringList seen;
    for (const Finding& f : all)
        seen.append(f.code + ' ' + f.place + ": " + f.sentence);
    QCOMPARE(seen, QStringList());
}

// Each finding whose sentence suggests a change: the change made as the sentence says puts the finding right
// and brings no error that was not there before.
void TestOrdersCheck::everyFixIsSafe_data()
{
    QTest::addColumn<Change>("fault");
    QTest::addColumn<Change>("fix");
    QTest::addColumn<QString>("code");
    auto row = [](const char* name, Change fault, Change fix, const char* code) {
        QTest::newRow(name) << fault << fix << QString(code);
    };
    auto tactic = [](const QString& line) { return [line](Orders& o) { o.in.options.tacticChanges = {line}; }; };
    auto onFin = [](const QString& a) { return [a](Orders& o) { o.conditionals("Fin", {a}); }; };
    auto set = [](const QString& name, int col, const QString& value) {
        return [=](Orders& o) { o.at(name, col) = value; };
    };

    row(
        "L1 choose the match", [](Orders& o) { o.in.matchText.clear(); }, [](Orders& o) { o.in.matchText = "3"; },
        "L1");
    row(
        "L2 choose the home bonus", [](Orders& o) { o.in.options.homeBonus.clear(); },
        [](Orders& o) { o.in.options.homeBonus = "2"; }, "L2");
    row(
        "L3 a substitute takes penalties: choose a starter", [](Orders& o) { o.in.options.penaltyTaker = "Gil"; },
        [](Orders& o) { o.in.options.penaltyTaker = "Mo"; }, "L3");
    row(
        "L3 one out of the line-up: choose a starter", [](Orders& o) { o.in.options.penaltyTaker = "Ned"; },
        [](Orders& o) { o.in.options.penaltyTaker = "Gus"; }, "L3");
    row(
        "L4 remove one of the two",
        [](Orders& o) {
            o.in.options.trainees = {"Ned", "Mo", "Ned"};
        },
        [](Orders& o) { o.in.options.trainees.removeAt(2); }, "L4");
    const Change twoInS2 = [](Orders& o) {
        o.at("Ned", ColPlay) = "MF";
        o.at("Ned", ColSubs) = "S2";
        o.table.move(o.row("Ned"), 1);
    };
    row("L5 take one out of the line-up", twoInS2, set("Ned", ColPlay, ""), "L5");
    row("L5 take the other out of the line-up", twoInS2, set("Dov", ColPlay, ""), "L5");
    row("L6 give him a position", set("Dov", ColPlay, ""), set("Dov", ColPlay, "DF"), "L6");
    row(
        "L6 put another player in the slot", set("Dov", ColPlay, ""),
        [](Orders& o) { o.at("Ned", ColSubs) = "S2", o.at("Ned", ColPlay) = "MF"; }, "L6");
    row("L7 another position", set("Mo", ColPlay, "WG"), set("Mo", ColPlay, "MF"), "L7");
    row(
        "L7 the league MSWL, if it is the league", set("Mo", ColPlay, "WG"), [](Orders& o) { o.in.mswl = true; }, "L7");
    row("L8 a position that suits him where the line has room", set("Flo", ColPos, "GK"), set("Flo", ColPlay, "DF"),
        "L8");
    row("L9 a twelfth starter out", set("Ned", ColPlay, "MF"), set("Ned", ColPlay, ""), "L9");
    row("L10 a spare defender in goal", set("Gus", ColPlay, "DF"), set("Gus", ColPlay, "GK"), "L10");
    row("L10 a sweeper moved to a line with room", set("Dan", ColPlay, "SW"), set("Dan", ColPlay, "DF"), "L10");
    row(
        "L10 a defender too many moved on", [](Orders& o) { o.at("Mel", ColPlay) = "DF", o.at("Max", ColPlay) = "DF"; },
        [](Orders& o) { o.at("Mel", ColPlay) = "MF"; }, "L10");
    row(
        "L10 MF 2:1: a weaker midfield",
        [](Orders& o) {
            for (const char* p : {"Mel", "Max", "Mo"})
                o.at(p, ColSL) = "30";
        },
        [](Orders& o) {
            for (const char* p : {"Mel", "Max", "Mo"})
                o.at(p, ColStyle) = "p";
        },
        "L10");
    row(
        "L10 FW 2:1: a strategy that lifts it", [](Orders& o) { o.at("Fin", ColSL) = "40", o.at("Flo", ColSL) = "40"; },
        [](Orders& o) { o.in.options.teamTactic = "L"; }, "L10");
    row("T1 complete the condition", tactic("T,,,,,,S"), tactic("T,>=,60,,,,S"), "T1");
    row("T1 clear the condition", tactic("G,>,1,,<,,S"), tactic("G,>,1,,,,S"), "T1");
    row("T2 change the operator", tactic("T,>,90,,,,S"), tactic("T,>=,90,,,,S"), "T2");
    row("T2 change the value", tactic("G,>,1,G,<,0,S"), tactic("G,>,1,G,<,3,S"), "T2");
    row(
        "T3 delete one",
        [](Orders& o) {
            o.in.options.tacticChanges = {"G,<,0,,,,S", "G,<,0,,,,S"};
        },
        tactic("G,<,0,,,,S"), "T3");
    row(
        "T4 one of the league's strategies", [](Orders& o) { o.in.options.teamTactic = "t"; },
        [](Orders& o) { o.in.options.teamTactic = "P"; }, "T4");
    row(
        "T5 the starting strategy instead", tactic(",,,,,,S"),
        [](Orders& o) {
            o.in.options.tacticChanges.clear();
            o.in.options.teamTactic = "S";
        },
        "T5");
    row("T6 with >=", tactic("T,<,90,,,,S"), tactic("T,>=,90,,,,S"), "T6");
    row("T6 with >= as in the example", tactic("G,<,0,T,=,60,S"), tactic("G,<,0,T,>=,60,S"), "T6");
    row("T7 again from the editor's lists", tactic("G,=>,95,,,,t"), tactic("G,>=,1,,,,S"), "T7");
    row("P1 a number the condition can reach", onFin("T,>,abc,,,,S1,FW"), onFin("T,>,60,,,,S1,FW"), "P1");
    row("P1 a number for an empty value", onFin("G,<,,,,,S1,FW"), onFin("G,<,0,,,,S1,FW"), "P1");
    row("P2 complete the condition", onFin("T,>=,60,G,,,S1,FW"), onFin("T,>=,60,G,<,0,S1,FW"), "P2");
    row("P2 clear event and operator", onFin("T,>=,60,,<,5,S1,FW"), onFin("T,>=,60,,,5,S1,FW"), "P2");
    row("P3 change the value", onFin("T,>,90,,,,S1,FW"), onFin("T,>,85,,,,S1,FW"), "P3");
    row(
        "P4 a player who is not starting in the slot",
        [](Orders& o) {
            o.at("Wes", ColSubs).clear(), o.at("Wes", ColPlay).clear();
            o.conditionals("Fin", {"T,>=,60,,,,S5,FW"});
        },
        [](Orders& o) { o.at("Ned", ColSubs) = "S5", o.at("Ned", ColPlay) = "MF"; }, "P4");
    row(
        "P4 another action",
        [](Orders& o) {
            o.at("Wes", ColPlay).clear();
            o.conditionals("Fin", {"T,>=,60,,,,S5,FW"});
        },
        onFin("T,>=,60,,,,C,MF"), "P4");
    const Change twice = [](Orders& o) {
        o.conditionals("Fin", {"G,<,1,T,>=,60,S4,FW"});
        o.conditionals("Flo", {"T,>=,70,,,,S4,FW"});
    };
    row(
        "P5 goal differences that exclude each other", twice,
        [](Orders& o) { o.conditionals("Flo", {"G,>,0,T,>=,70,S4,FW"}); }, "P5");
    row(
        "P5 another substitute", twice, [](Orders& o) { o.conditionals("Flo", {"T,>=,70,,,,S3,FW"}); }, "P5");
    row("P6 reset the row", onFin("T,>=,60,,,,,"), onFin(",,,,,,,"), "P6");
    row("P6 a value alone: reset", onFin(",,5,,,,,"), onFin(",,,,,,,"), "P6");
    row("P6 choose a position", onFin("T,>=,60,,,,,"), onFin("T,>=,60,,,,,DF"), "P6");
    row("P6 choose an event and an operator", onFin(",,,,,,C,MF"), onFin("G,>,0,,,,C,MF"), "P6");
    row("P7 choose the position", onFin("T,>=,60,,,,C,"), onFin("T,>=,60,,,,C,MF"), "P7");
    row("P8 one of the LGM positions", onFin("T,>=,60,,,,C,a"), onFin("T,>=,60,,,,C,FW"), "P8");
    row(
        "P9 Cancel deletes them", [](Orders& o) { o.conditionals("Ned", {"T,>=,60,,,,C,MF"}); },
        set("Ned", ColConditionals, ""), "P9");
    row(
        "P9 into the line-up in another's place", [](Orders& o) { o.conditionals("Ned", {"T,>=,60,,,,C,MF"}); },
        [](Orders& o) { o.at("Ned", ColPlay) = "MF", o.at("Mo", ColPlay).clear(); }, "P9");
    row(
        "P10 clear the mark player", [](Orders& o) { o.conditionals("Fin", {}, "Zed,"); },
        [](Orders& o) { o.conditionals("Fin", {}, ","); }, "P10");
    row(
        "P11 bring on a goalkeeper", [](Orders& o) { o.conditionals("Gus", {"T,>=,60,,,,S2,"}); },
        [](Orders& o) { o.conditionals("Gus", {"T,>=,60,,,,S1,"}); }, "P11");
    row("P12 with >=", onFin("T,<,60,,,,S1,FW"), onFin("T,>=,60,,,,S1,FW"), "P12");
    row("P13 again from the lists", onFin("X,=>,60,,,,S7,ST"), onFin("T,>=,60,,,,S1,FW"), "P13");
    row(
        "P14 clear the action", [](Orders& o) { o.conditionals("Gil", {"T,>=,60,,,,S1,FW"}); },
        [](Orders& o) { o.conditionals("Gil", {"T,>=,60,,,,,FW"}); }, "P14");
    row(
        "P14 another substitute", [](Orders& o) { o.conditionals("Gil", {"T,>=,60,,,,S1,FW"}); },
        [](Orders& o) { o.conditionals("Gil", {"T,>=,60,,,,S4,FW"}); }, "P14");
    row(
        "B1 fill in the price and the name",
        [](Orders& o) {
            o.in.bids[0] = {"1", "", ""};
        },
        [](Orders& o) {
            o.in.bids[0] = {"1", "100", "Smith"};
        },
        "B1");
    row(
        "B2 fill in the name",
        [](Orders& o) {
            o.in.bids[0] = {"10", "ALL", ""};
        },
        [](Orders& o) { o.in.bids[0].name = "Smith"; }, "B2");
    row(
        "S1 choose the session", [](Orders& o) { o.in.sessionChosen = false; },
        [](Orders& o) { o.in.sessionChosen = true; }, "S1");
    row(
        "S2 double click the one that does not belong",
        [](Orders& o) {
            o.in.archive = {"/a/X.txt", "/b/X.txt"};
        },
        [](Orders& o) { o.in.archive.removeFirst(); }, "S2");
    row(
        "S3 save again",
        [](Orders& o) {
            o.in.lastLineupLines = buildLineupFile(o.table, o.in.options).lines;
            o.at("Mo", ColStyle) = "a";
        },
        [](Orders& o) { o.in.lastLineupLines = buildLineupFile(o.table, o.in.options).lines; }, "S3");
    row(
        "S4 take it off",
        [](Orders& o) {
            o.in.abbreviation = "ABC";
            o.in.archive = {"/w/ABCSession6Bids.txt", "/w/ABC3.txt"};
        },
        [](Orders& o) { o.in.archive.removeFirst(); }, "S4");
    const Change notListed = [](Orders& o) {
        o.in.abbreviation = "ABC";
        o.in.lastLineupPath = "/w/ABC3.txt";
    };
    row(
        "S5 save again", notListed, [](Orders& o) { o.in.archive.append(o.in.lastLineupPath); }, "S5");
}

void TestOrdersCheck::everyFixIsSafe()
{
    QFETCH(Change, fault);
    QFETCH(Change, fix);
    QFETCH(QString, code);
    auto errors = [](const QList<Finding>& all) {
        QStringList out;
        for (const Finding& f : all)
            if (f.severity == Severity::Error)
                out.append(f.code + ' ' + f.place);
        return out;
    };
    Orders o;
    fault(o);
    const QList<Finding> before = o.check();
    QVERIFY2(codes(before).contains(code), qPrintable(codes(before).join(' ')));
    fix(o);
    const QList<Finding> after = o.check();
    QVERIFY2(!codes(after).contains(code), qPrintable(codes(after).join(' ')));
    for (const QString& e : errors(after))
        QVERIFY2(errors(before).contains(e), qPrintable("new: " + e));
}

// The help's table of findings: every code, with the severity the check gives it, an example and the fix.
void TestOrdersCheck::helpListsEveryCode()
{
    QFile file(QFileInfo(QStringLiteral(SHIPPED_INI)).dir().filePath("SQDX.HLP"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString help = QString::fromUtf8(file.readAll());
    const QStringList errors = QString("L5 L6 L7 L9 L10 T2 T7 P1 P3 P4 P8 P13 P14 B1 B2 S2").split(' ');
    int listed = 0;
    for (const auto& [letter, last] :
         {std::pair{'L', 10}, std::pair{'T', 7}, std::pair{'P', 14}, std::pair{'B', 2}, std::pair{'S', 5}})
        for (int n = 1; n <= last; ++n, ++listed) {
            const QString code = QChar(letter) + QString::number(n);
            const QString row =
                QString("<tr><td>%1</td><td>%2</td><td>").arg(code, errors.contains(code) ? "Error" : "Warning");
            QVERIFY2(help.contains(row), qPrintable(code));
        }
    QCOMPARE(help.count(QRegularExpression("<tr><td>[LTPBS][0-9]+</td>")), listed);
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
        all.append({Severity::Error, "L9", "Line-up", "x", FindingTarget::Grid, 0, 0, {}});
    for (int i = 0; i < warnings; ++i)
        all.append({Severity::Warning, "L1", "Line-up", "x", FindingTarget::MatchList, 0, 0, {}});
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
