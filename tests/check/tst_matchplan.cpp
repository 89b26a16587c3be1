#include "check/matchplan.h"

#include <QTest>
#include <functional>

namespace {

// A line-up of eleven starters and five substitutes; players are named after their places.
struct Orders {
    SquadTable table;
    OrdersInput in;

    Orders()
    {
        const QStringList players = {
            "Finn Back GK",   "Sid Sweep SW",  "Dan Deep DF",    "Don Deep DF",    "Dai Deep DF",   "Kai Middle MF",
            "Mo Passer MF",   "Max Middle MF", "Mel Middle MF",  "Fin Front FW",   "Flo Front FW",  "Ciro Gloves GK S1",
            "Dov Deep DF S2", "Mac Mid MF S3", "Fay Fast FW S4", "Wes Wide MF S5", "Ned Bench MF -"};
        table = blankSquadTable(0);
        for (const QString& p : players) {
            const QStringList f = p.split(' ');
            QStringList row(SquadColumns, QString());
            row[ColName] = f.at(0) + ' ' + f.at(1);
            row[ColPos] = f.at(2);
            if (f.value(3) != "-") {
                row[ColPlay] = f.at(2);
                row[ColStyle] = "n";
            }
            if (f.size() > 3 && f.at(3) != "-")
                row[ColSubs] = f.at(3);
            table.append(row);
        }
        in.options.teamTactic = "N";
        in.mswl = true; // the league with styles among the positions
        in.presets = QStringList{"Normal", "Attacking", "Stalling", "Longball", "Ball Control", "Pressing"};
    }

    int row(const QString& name) const
    {
        for (int r = 1; r < table.size(); ++r)
            if (table.at(r).at(ColName) == name)
                return r;
        qFatal("no player %s", qPrintable(name));
    }
    // The player's conditionals A, B, C of eight fields each; no mark players.
    void conditionals(const QString& name, QStringList abc)
    {
        while (abc.size() < 3)
            abc.append(",,,,,,,");
        table[row(name)][ColConditionals] = ",," + abc.join(',');
    }
    MatchPlan plan() const
    {
        OrdersInput copy = in;
        copy.table = &table;
        return matchPlan(copy);
    }
};

using Change = std::function<void(Orders&)>;

// Each score's events as "minute text", one score a list entry from 3 down to 3 up.
QStringList eventsAtEveryScore(const MatchPlan& plan)
{
    QStringList out;
    for (int g = -3; g <= 3; ++g) {
        QStringList events;
        for (const PlanEvent& e : plan.at(g).events)
            events.append(eventText(e));
        out.append(events.join(" | "));
    }
    return out;
}

// One score's segments as "from-to code line", with "!line" for each clashing line.
QString segments(const ScorePlan& score)
{
    QStringList out;
    for (const StrategySegment& s : score.segments) {
        QString text = QStringLiteral("%1-%2 %3 %4").arg(s.from).arg(s.to).arg(s.strategy).arg(s.line);
        for (int l : s.clashLines)
            text += QStringLiteral(" !%1").arg(l);
        out.append(text);
    }
    return out.join(", ");
}

QStringList unread(const MatchPlan& plan)
{
    QStringList out;
    for (const UnreadOrder& u : plan.unread)
        out.append(unreadText(u));
    return out;
}

} // namespace

Q_DECLARE_METATYPE(Change)

class TestMatchPlan : public QObject {
    Q_OBJECT
private slots:
    void conditionalComesIntoForce_data();
    void conditionalComesIntoForce();
    void eventsThatCannotHappen_data();
    void eventsThatCannotHappen();
    void strategySegments_data();
    void strategySegments();
    void brokenOrdersAreUnread_data();
    void brokenOrdersAreUnread();
    void theListReadsAsTheManagerWrites();
    void namesOfScoresAndStrategies();
};

// One conditional of Kai Middle, changing him to FW: the minute it comes into force at each score, -1 for never.
void TestMatchPlan::conditionalComesIntoForce_data()
{
    QTest::addColumn<QString>("conditions"); // the six condition fields
    QTest::addColumn<QList<int>>("minutes");
    const QList<int> never{-1, -1, -1, -1, -1, -1, -1};
    auto all = [](int m) { return QList<int>{m, m, m, m, m, m, m}; };
    QTest::newRow("T > 60") << "T,>,60,,," << all(61);
    QTest::newRow("T >= 60") << "T,>=,60,,," << all(60);
    QTest::newRow("T = 45") << "T,=,45,,," << all(45);
    QTest::newRow("T <= 30") << "T,<=,30,,," << all(0);
    QTest::newRow("T < 30") << "T,<,30,,," << all(0);
    QTest::newRow("T >= 90, the last minute") << "T,>=,90,,," << all(90);
    QTest::newRow("T > 90 never comes") << "T,>,90,,," << never;
    QTest::newRow("T < 0 never comes") << "T,<,0,,," << never;
    QTest::newRow("T > -10 from the kick-off") << "T,>,-10,,," << all(0);
    QTest::newRow("G >= 0: level and up") << "G,>=,0,,," << QList<int>{-1, -1, -1, 0, 0, 0, 0};
    QTest::newRow("G > 0: up") << "G,>,0,,," << QList<int>{-1, -1, -1, -1, 0, 0, 0};
    QTest::newRow("G < 0: down") << "G,<,0,,," << QList<int>{0, 0, 0, -1, -1, -1, -1};
    QTest::newRow("G = 1") << "G,=,1,,," << QList<int>{-1, -1, -1, -1, 0, -1, -1};
    QTest::newRow("G <= -2 and T >= 75") << "G,<=,-2,T,>=,75" << QList<int>{75, 75, -1, -1, -1, -1, -1};
    QTest::newRow("T >= 60 and G < 0, time first or not") << "T,>=,60,G,<,0" << QList<int>{60, 60, 60, -1, -1, -1, -1};
    QTest::newRow("only the second condition") << ",,,T,>,10" << all(11);
    QTest::newRow("a second condition that is not used keeps its value") << "T,>,10,,,55" << all(11);
    QTest::newRow("T > 30 and T < 20 never hold together") << "T,>,30,T,<,20" << never;
    QTest::newRow("T >= 60 and T < 75") << "T,>=,60,T,<,75" << all(60);
    QTest::newRow("T > 20 and T >= 40: the later") << "T,>,20,T,>=,40" << all(40);
    QTest::newRow("G > 5 at no score shown") << "G,>,5,,," << never;
}

void TestMatchPlan::conditionalComesIntoForce()
{
    QFETCH(QString, conditions);
    QFETCH(QList<int>, minutes);
    for (const QString& action : {QString("C,FW"), QString("S3,MF"), QString(",a")}) {
        Orders o;
        o.conditionals("Kai Middle", {conditions + ',' + action});
        const MatchPlan plan = o.plan();
        QVERIFY2(plan.unread.isEmpty(), qPrintable(unread(plan).join('\n')));
        for (int g = -3; g <= 3; ++g) {
            const QList<PlanEvent>& events = plan.at(g).events;
            QCOMPARE(plan.at(g).goalDifference, g);
            if (minutes.at(g + 3) < 0) {
                QVERIFY2(events.isEmpty(), qPrintable(QString("an event at %1").arg(scoreName(g))));
                continue;
            }
            QCOMPARE(events.size(), 1);
            const PlanEvent& e = events.first();
            QCOMPARE(e.minute, minutes.at(g + 3));
            QCOMPARE(e.player, QString("Kai Middle"));
            QCOMPARE(e.row, o.row("Kai Middle"));
            QCOMPARE(e.conditional, 0);
            QVERIFY(e.happens);
            if (action.startsWith("S3")) {
                QCOMPARE(e.kind, PlanEventKind::Substitution);
                QCOMPARE(e.slot, 3);
                QCOMPARE(e.substitute, QString("Mac Mid"));
                QCOMPARE(e.position, QString("MF"));
            } else if (action == ",a") {
                QCOMPARE(e.kind, PlanEventKind::StyleChange);
                QCOMPARE(e.position, QString("a"));
            } else {
                QCOMPARE(e.kind, PlanEventKind::PositionChange);
                QCOMPARE(e.position, QString("FW"));
            }
        }
    }
}

// The events at every score from 3 down to 3 up, " | " between the events of one score.
void TestMatchPlan::eventsThatCannotHappen_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<QStringList>("events");
    const QString none;
    QTest::newRow("two conditionals bring the same substitute: the later does not happen where both come true")
        << Change([](Orders& o) {
               o.conditionals("Finn Back", {"T,>=,60,,,,S1,GK"});
               o.conditionals("Mo Passer", {"G,<,0,T,>,60,S1,"});
           })
        << QStringList{"60'  S1 Ciro Gloves on for Finn Back, as GK | 61'  (does not happen: S1 is already on) S1 for "
                       "Mo Passer",
                       "60'  S1 Ciro Gloves on for Finn Back, as GK | 61'  (does not happen: S1 is already on) S1 for "
                       "Mo Passer",
                       "60'  S1 Ciro Gloves on for Finn Back, as GK | 61'  (does not happen: S1 is already on) S1 for "
                       "Mo Passer",
                       "60'  S1 Ciro Gloves on for Finn Back, as GK",
                       "60'  S1 Ciro Gloves on for Finn Back, as GK",
                       "60'  S1 Ciro Gloves on for Finn Back, as GK",
                       "60'  S1 Ciro Gloves on for Finn Back, as GK"};
    QTest::newRow("at the same minute the upper row comes first")
        << Change([](Orders& o) {
               o.conditionals("Mo Passer", {"T,>=,70,,,,S2,"});
               o.conditionals("Kai Middle", {"T,>=,70,,,,S2,DF"});
           })
        << QStringList(7, "70'  S2 Dov Deep on for Kai Middle, as DF | 70'  (does not happen: S2 is already on) S2 "
                          "for Mo Passer");
    QTest::newRow("a player already taken off is not taken off again, nor moved")
        << Change([](Orders& o) {
               o.conditionals("Kai Middle", {"T,>=,80,,,,C,FW", "G,<,0,,,,S4,FW", "T,>=,70,,,,S5,"});
           })
        << QStringList{
               "0'  S4 Fay Fast on for Kai Middle, as FW | 70'  (does not happen: Kai Middle is already off) S5 "
               "for Kai Middle | 80'  (does not happen: Kai Middle is already off) Kai Middle moves to FW",
               "0'  S4 Fay Fast on for Kai Middle, as FW | 70'  (does not happen: Kai Middle is already off) S5 "
               "for Kai Middle | 80'  (does not happen: Kai Middle is already off) Kai Middle moves to FW",
               "0'  S4 Fay Fast on for Kai Middle, as FW | 70'  (does not happen: Kai Middle is already off) S5 "
               "for Kai Middle | 80'  (does not happen: Kai Middle is already off) Kai Middle moves to FW",
               "70'  S5 Wes Wide on for Kai Middle | 80'  (does not happen: Kai Middle is already off) Kai "
               "Middle moves to FW",
               "70'  S5 Wes Wide on for Kai Middle | 80'  (does not happen: Kai Middle is already off) Kai "
               "Middle moves to FW",
               "70'  S5 Wes Wide on for Kai Middle | 80'  (does not happen: Kai Middle is already off) Kai "
               "Middle moves to FW",
               "70'  S5 Wes Wide on for Kai Middle | 80'  (does not happen: Kai Middle is already off) Kai "
               "Middle moves to FW"};
    QTest::newRow("an event that does not happen takes nobody off")
        << Change([](Orders& o) {
               o.conditionals("Fin Front", {"T,>=,50,,,,S3,"});
               o.conditionals("Flo Front", {"T,>=,60,,,,S3,", "T,>=,75,,,,C,a"});
           })
        << QStringList(7, "50'  S3 Mac Mid on for Fin Front | 60'  (does not happen: S3 is already on) S3 for Flo "
                          "Front | 75'  Flo Front changes to aggressive play");
    QTest::newRow("a slot nobody holds")
        << Change([](Orders& o) {
               o.table[o.row("Wes Wide")][ColSubs].clear();
               o.table[o.row("Wes Wide")][ColPlay].clear();
               o.conditionals("Mo Passer", {"T,>,45,,,,S5,", "T,>,50,,,,S1,p"});
           })
        << QStringList(7, "46'  (does not happen: nobody holds S5) S5 for Mo Passer | 51'  S1 Ciro Gloves on for Mo "
                          "Passer, playing passive");
    QTest::newRow("a change without a position") << Change([](Orders& o) {
        o.conditionals("Mo Passer", {",,,,,,,", "T,>,50,,,,C,"});
    }) << QStringList(7, "51'  Mo Passer changes, with no position chosen");
    QTest::newRow("a conditional with neither action nor position does nothing")
        << Change([](Orders& o) { o.conditionals("Mo Passer", {"T,>,50,,,,,"}); }) << QStringList(7, none);
}

void TestMatchPlan::eventsThatCannotHappen()
{
    QFETCH(Change, change);
    QFETCH(QStringList, events);
    Orders o;
    change(o);
    const MatchPlan plan = o.plan();
    QCOMPARE(eventsAtEveryScore(plan), events);
    QCOMPARE(unread(plan), QStringList());
    for (int g = -3; g <= 3; ++g)
        for (const PlanEvent& e : plan.at(g).events)
            QCOMPARE(e.happens, e.reason.isEmpty());
}

void TestMatchPlan::strategySegments_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("segments"); // from 3 down to 3 up
    QTest::newRow("a starting strategy with no lines") << "S" << QStringList() << QStringList(7, "0-90 S 0");
    QTest::newRow("no starting strategy plays N") << "" << QStringList() << QStringList(7, "0-90 N 0");
    QTest::newRow("lines that do not clash")
        << "N" << QStringList{"G,<,0,T,>=,60,A", "G,>,1,,,,L"} << QStringList{"0-59 N 0, 60-90 A 1",
                                                                              "0-59 N 0, 60-90 A 1",
                                                                              "0-59 N 0, 60-90 A 1",
                                                                              "0-90 N 0",
                                                                              "0-90 N 0",
                                                                              "0-90 L 2",
                                                                              "0-90 L 2"};
    QTest::newRow("lines that clash") << "N" << QStringList{"T,>=,60,,,,A", "G,<,0,,,,S"}
                                      << QStringList{"0-59 S 2, 60-90 A 1 !2", "0-59 S 2, 60-90 A 1 !2",
                                                     "0-59 S 2, 60-90 A 1 !2", "0-59 N 0, 60-90 A 1",
                                                     "0-59 N 0, 60-90 A 1",    "0-59 N 0, 60-90 A 1",
                                                     "0-59 N 0, 60-90 A 1"};
    QTest::newRow("lines of the same strategy do not clash")
        << "N" << QStringList{"T,>=,60,,,,A", "G,<,0,,,,A"}
        << QStringList{"0-59 A 2, 60-90 A 1", "0-59 A 2, 60-90 A 1", "0-59 A 2, 60-90 A 1", "0-59 N 0, 60-90 A 1",
                       "0-59 N 0, 60-90 A 1", "0-59 N 0, 60-90 A 1", "0-59 N 0, 60-90 A 1"};
    QTest::newRow("three lines, two clashing with the first")
        << "N" << QStringList{"T,>,80,,,,A", "T,>,70,,,,S", "T,>,75,,,,L"}
        << QStringList(7, "0-70 N 0, 71-75 S 2, 76-80 S 2 !3, 81-90 A 1 !2 !3");
    QTest::newRow("a line without conditions holds from the kick-off")
        << "N" << QStringList{"T,=,45,,,,S", ",,,,,,A"} << QStringList(7, "0-44 A 2, 45-45 S 1 !2, 46-90 A 2");
    QTest::newRow("a line that never holds") << "P" << QStringList{"T,>,30,T,<,20,A"} << QStringList(7, "0-90 P 0");
}

void TestMatchPlan::strategySegments()
{
    QFETCH(QString, start);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, segments);
    Orders o;
    o.in.options.teamTactic = start;
    o.in.options.tacticChanges = lines;
    const MatchPlan plan = o.plan();
    QStringList shown;
    for (int g = -3; g <= 3; ++g)
        shown.append(::segments(plan.at(g)));
    QCOMPARE(shown, segments);
    QCOMPARE(unread(plan), QStringList());
}

// Orders the orders check calls broken give no segment and no event: they are listed as unread.
void TestMatchPlan::brokenOrdersAreUnread_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<QStringList>("unread");
    QTest::newRow("a tactic line with a half condition")
        << Change([](Orders& o) {
               o.in.options.tacticChanges = {"G,,,,,,A", "T,>,60,G,,,S"};
           })
        << QStringList{"Unread: Tactic line 1 \"G,,,,,,A\": condition 1 has the event G but no operator",
                       "Unread: Tactic line 2 \"T,>,60,G,,,S\": condition 2 has the event G but no operator"};
    QTest::newRow("a tactic line with an operator and no event")
        << Change([](Orders& o) { o.in.options.tacticChanges = {",>,,,,,A"}; })
        << QStringList{"Unread: Tactic line 1 \",>,,,,,A\": condition 1 has the operator > but no event"};
    QTest::newRow("a tactic line with an unknown strategy")
        << Change([](Orders& o) { o.in.options.tacticChanges = {"T,>,60,,,,Z"}; })
        << QStringList{"Unread: Tactic line 1 \"T,>,60,,,,Z\": the strategy code \"Z\" is not the first letter of any "
                       "strategy of this league"};
    QTest::newRow("a tactic line with an unknown event")
        << Change([](Orders& o) { o.in.options.tacticChanges = {"X,>,60,,,,A"}; })
        << QStringList{"Unread: Tactic line 1 \"X,>,60,,,,A\": it holds an event or operator the league does not know"};
    QTest::newRow("a tactic line with a value beyond 90")
        << Change([](Orders& o) { o.in.options.tacticChanges = {"T,>,95,,,,A"}; })
        << QStringList{"Unread: Tactic line 1 \"T,>,95,,,,A\": the value \"95\" of condition 1 is not a whole number "
                       "from -90 to 90"};
    QTest::newRow("a conditional with a value that is not a number")
        << Change([](Orders& o) {
               o.conditionals("Mo Passer", {",,,,,,,", "T,>,abc,,,,C,FW"});
           })
        << QStringList{
               "Unread: Mo Passer, 2nd conditional \"T,>,abc,,,,C,FW\": the value \"abc\" of condition 1 is not "
               "a whole number from -90 to 90"};
    QTest::newRow("a conditional with no value")
        << Change([](Orders& o) { o.conditionals("Mo Passer", {"G,<,,,,,S1,"}); })
        << QStringList{"Unread: Mo Passer, 1st conditional \"G,<,,,,,S1,\": condition 1 has no value"};
    QTest::newRow("a conditional with a half condition")
        << Change([](Orders& o) { o.conditionals("Mo Passer", {"T,>=,60,,<,,S1,"}); })
        << QStringList{"Unread: Mo Passer, 1st conditional \"T,>=,60,,<,,S1,\": condition 2 has the operator < but no "
                       "event"};
    QTest::newRow("a style in LGM")
        << Change([](Orders& o) {
               o.in.mswl = false;
               o.conditionals("Mo Passer", {"T,>=,60,,,,C,a"});
           })
        << QStringList{"Unread: Mo Passer, 1st conditional \"T,>=,60,,,,C,a\": it holds an action, position, event or "
                       "operator the league does not know"};
    QTest::newRow("a conditional with an unknown action")
        << Change([](Orders& o) { o.conditionals("Mo Passer", {"T,>=,60,,,,S9,"}); })
        << QStringList{"Unread: Mo Passer, 1st conditional \"T,>=,60,,,,S9,\": it holds an action, position, event or "
                       "operator the league does not know"};
    QTest::newRow("a winger in LGM")
        << Change([](Orders& o) {
               o.in.mswl = false;
               o.conditionals("Mo Passer", {"T,>=,60,,,,C,WG"});
           })
        << QStringList{"Unread: Mo Passer, 1st conditional \"T,>=,60,,,,C,WG\": it holds an action, position, event or "
                       "operator the league does not know"};
    QTest::newRow("a conditional without conditions")
        << Change([](Orders& o) { o.conditionals("Mo Passer", {",,,,,,S2,DF"}); })
        << QStringList{
               "Unread: Mo Passer, 1st conditional \",,,,,,S2,DF\": it has an action or position but no complete "
               "condition: the league does not know when"};
    QTest::newRow("conditionals of a player not in the line-up")
        << Change([](Orders& o) { o.conditionals("Ned Bench", {"T,>=,60,,,,C,FW"}); })
        << QStringList{"Unread: Ned Bench, 1st conditional \"T,>=,60,,,,C,FW\": Ned Bench is not in the line-up: his "
                       "conditionals are written nowhere"};
}

void TestMatchPlan::brokenOrdersAreUnread()
{
    QFETCH(Change, change);
    QFETCH(QStringList, unread);
    Orders o;
    change(o);
    const MatchPlan plan = o.plan();
    QCOMPARE(::unread(plan), unread);
    for (int g = -3; g <= 3; ++g) {
        QCOMPARE(plan.at(g).events.size(), 0);
        QCOMPARE(segments(plan.at(g)), QString("0-90 N 0"));
    }
}

void TestMatchPlan::theListReadsAsTheManagerWrites()
{
    Orders o;
    o.in.options.tacticChanges = {"T,>=,90,,,,S", "T,>=,60,,,,A"};
    o.conditionals("Finn Back", {"T,>=,60,,,,S1,GK"});
    o.conditionals("Kai Middle", {"T,>=,75,,,,C,FW"});
    o.conditionals("Mo Passer", {"T,>,60,,,,S1,"});
    o.conditionals("Ned Bench", {",,,,,,C,"});
    const MatchPlan plan = o.plan();
    QCOMPARE(planLines(plan, 0, o.in.presets),
             QStringList({"60'  S1 Ciro Gloves on for Finn Back, as GK",
                          "61'  (does not happen: S1 is already on) S1 for Mo Passer", "75'  Kai Middle moves to FW",
                          "0'-59'  Normal", "60'-89'  Attacking (line 2)",
                          "90'  Stalling (line 1); clashes with "
                          "Attacking (line 2)",
                          "Unread: Ned Bench, 1st conditional \",,,,,,C,\": Ned Bench is not in the line-up: his "
                          "conditionals are written nowhere"}));
}

void TestMatchPlan::namesOfScoresAndStrategies()
{
    QStringList names;
    for (int g = -3; g <= 3; ++g)
        names.append(scoreName(g));
    QCOMPARE(names, QStringList({"3 down", "2 down", "1 down", "level", "1 up", "2 up", "3 up"}));
    const QStringList presets{"Normal", "Stalling", "Stubborn", ""};
    QCOMPARE(strategyName("S", presets), QString("Stalling")); // the first of two, as the editor selects
    QCOMPARE(strategyName("N", presets), QString("Normal"));
    QCOMPARE(strategyName("Q", presets), QString("Q"));
}

QTEST_GUILESS_MAIN(TestMatchPlan)
#include "tst_matchplan.moc"
