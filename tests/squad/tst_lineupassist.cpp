#include "base/errors.h"
#include "base/wholenumber.h"
#include "squad/lineupassist.h"
#include "squad/squadtestutil.h"
#include "testfiles.h"

#include <QRandomGenerator>
#include <QTest>
#include <unordered_map>

namespace {
const QStringList kRosterPositions = {"GK", "SW", "SD", "DF", "DM", "MF", "MA", "WG", "FW", "UT"};
enum { GK, SW, DF, MF, WG, FW };

// The exhaustive search for a legal line-up whose total is above `above`: every free player either stays
// out or plays one of the positions, every count of starters per position within the rules. Partial
// line-ups that agree in their counts, in what the 2:1 rules still depend on and in which lines already add
// up to more than 0 have the same futures, so only the best total of each is kept; and a partial line-up
// that could not pass `above` even if every place left went to the best players left is dropped. Adjusted
// SL of new starters must lie within 0 to 30.
struct Exhaustive {
    bool found = false;
    qint64 total = 0;
};

Exhaustive exhaustiveBest(const SquadTable& table, const AssistOptions& o, bool rules = true, qint64 above = -1)
{
    const bool fwRule = rules && o.teamTactic != QLatin1String("L") && o.teamTactic != QLatin1String("E");
    SquadTable kept = table;
    QList<std::array<qint64, 6>> values;
    for (int j = 1; j < kept.size(); ++j) {
        QStringList& row = kept[j];
        if (o.keepPlaced && !row.at(ColPlay).isEmpty() && !o.leftOut.contains(j))
            continue;
        row[ColPlay].clear();
        row[ColStyle].clear();
        row[ColSubs].clear();
        if (o.leftOut.contains(j) || row.at(ColName).isEmpty())
            continue;
        std::array<qint64, 6> v{};
        for (int p = 0; p < 6; ++p)
            v[p] = adjustedSL(toWholeNumber(row.at(ColSL)),
                              positionFactorTenths(row.at(ColPos), playedPositions().at(p)).value_or(10), 100);
        values.append(v);
    }
    auto best = [&](const std::array<qint64, 6>& v) { return *std::max_element(v.begin(), v.end()); };
    std::sort(values.begin(), values.end(), [&](const auto& x, const auto& y) { return best(x) > best(y); });
    const int n = int(values.size());
    // bestLeft[i][k]: the k best players from i on, each at his best position.
    std::vector<std::array<qint64, 12>> bestLeft(n + 1);
    for (int i = 0; i <= n; ++i)
        for (int k = 0; k < 12; ++k)
            for (int m = i; m < i + k && m < n; ++m)
                bestLeft[i][k] += best(values.at(m));
    const CheckResult k = checkLineup(kept, o.teamTactic);
    std::array<int, 6> most = {1, 1, 5, 5, o.mswl ? 4 : k.counts[WG], 4};
    if (o.formation)
        most = *o.formation;
    for (int p = 0; p < 6; ++p)
        if (k.counts[p] > most[p])
            return {};
    struct State {
        std::array<int, 6> counts;
        qint64 a, b; // 2 SL(DF) - SL(MF) and 2 SL(MF) - SL(FW), capped where no future can undo them
        bool df, mf, fw;
        qint64 total;
    };
    auto key = [](const State& s) {
        quint64 x = 0;
        for (int c : s.counts)
            x = x * 8 + quint64(c);
        x = x * 1024 + quint64(s.a + 512);
        x = x * 1024 + quint64(s.b + 512);
        return ((x * 2 + s.df) * 2 + s.mf) * 2 + s.fw;
    };
    // Beyond what the places left can take away, a margin makes no difference.
    auto cap = [&](State& s) {
        s.a = rules ? std::min<qint64>(s.a, 30 * (most[MF] - s.counts[MF]) + 1) : 0;
        s.b = fwRule ? std::min<qint64>(s.b, 30 * (most[FW] - s.counts[FW]) + 1) : 0;
    };
    State start{k.counts,
                2 * k.sums[DF] - k.sums[MF],
                2 * k.sums[MF] - k.sums[FW],
                k.sums[DF] > 0,
                k.sums[MF] > 0,
                k.sums[FW] != 0,
                0};
    for (int p = 0; p < 6; ++p)
        start.total += k.sums[p];
    cap(start);
    std::unordered_map<quint64, State> states{{key(start), start}};
    for (int i = 0; i < n; ++i) {
        std::unordered_map<quint64, State> next;
        auto offer = [&](const State& s) {
            int placed = 0;
            for (int c : s.counts)
                placed += c;
            if (placed > 11 || placed + (n - i - 1) < 11) // more than eleven kept, or too few left
                return;
            if (s.total + bestLeft[i + 1][11 - placed] <= above)
                return;
            if ((rules && s.a + 2 * 30 * (most[DF] - s.counts[DF]) < 1) ||
                (fwRule && s.b + 2 * 30 * (most[MF] - s.counts[MF]) < 1))
                return; // the 2:1 rules can never hold again
            auto [it, fresh] = next.try_emplace(key(s), s);
            if (!fresh && it->second.total < s.total)
                it->second = s;
        };
        for (const auto& [_, s] : states) {
            offer(s);
            int placed = 0;
            for (int c : s.counts)
                placed += c;
            if (placed == 11)
                continue;
            for (int p = 0; p < 6; ++p) {
                if (s.counts[p] >= most[p] || (p == WG && !o.mswl))
                    continue;
                State t = s;
                const qint64 v = values.at(i)[p];
                ++t.counts[p];
                t.total += v;
                if (p == DF) {
                    t.a += 2 * v;
                    t.df = t.df || v > 0;
                } else if (p == MF) {
                    t.a -= v;
                    t.b += 2 * v;
                    t.mf = t.mf || v > 0;
                } else if (p == FW) {
                    t.b -= v;
                    t.fw = t.fw || v != 0;
                }
                cap(t);
                offer(t);
            }
        }
        states = std::move(next);
    }
    Exhaustive found;
    for (const auto& [_, s] : states) {
        int placed = 0;
        for (int c : s.counts)
            placed += c;
        if (placed != 11 || s.counts[GK] != 1 || s.counts[DF] < 2 || s.counts[MF] < 2 || s.counts[FW] < 1)
            continue;
        if (o.formation && s.counts != *o.formation)
            continue;
        if (rules && !(s.a >= 1 && s.df && s.mf))
            continue;
        if (fwRule && !(s.b >= 1 && s.mf && s.fw))
            continue;
        if (s.total > above && (!found.found || s.total > found.total))
            found = {true, s.total};
    }
    return found;
}

// A random squad with random positions, SL 0 to 30, some rows placed already, some left out.
struct Case {
    SquadTable table;
    AssistOptions options;
};

Case randomCase(QRandomGenerator& rng)
{
    Case c;
    const int players = rng.bounded(12, 19);
    c.options.mswl = rng.bounded(2) == 1;
    const QStringList tactics = {"N", "L", "E", "A", "D", ""};
    c.options.teamTactic = tactics.at(rng.bounded(int(tactics.size())));
    c.options.keepPlaced = rng.bounded(4) != 0;
    c.options.fillSubs = rng.bounded(4) != 0;
    QStringList rows;
    for (int i = 0; i < players; ++i) {
        QString row = kRosterPositions.at(rng.bounded(10)) + QStringLiteral(" %1").arg(rng.bounded(31));
        const int placed = rng.bounded(10);
        if (placed < 2) { // a starter already placed
            const int p = rng.bounded(c.options.mswl ? 6 : 5);
            row += QStringLiteral(" %1 %2").arg(QStringList{"GK", "SW", "DF", "MF", "FW", "WG"}.at(p),
                                                QStringList{"p", "n", "a"}.at(rng.bounded(3)));
        } else if (placed == 2) { // a substitute already placed
            row += QStringLiteral(" %1 n S%2")
                       .arg(QStringList{"GK", "DF", "MF", "FW"}.at(rng.bounded(4)))
                       .arg(rng.bounded(1, 6));
        }
        rows << row;
    }
    c.table = squad(rows);
    for (int j = 1; j <= players; ++j)
        if (rng.bounded(8) == 0)
            c.options.leftOut.append(j);
    if (rng.bounded(5) == 0) {
        const QList<Formation> all = legalFormations(c.options.mswl);
        c.options.formation = all.at(rng.bounded(int(all.size())));
    }
    return c;
}

bool keptRow(const Case& c, int j)
{
    return c.options.keepPlaced && !c.table.at(j).at(ColPlay).isEmpty() && !c.options.leftOut.contains(j);
}

qint64 startersTotal(const CheckResult& r)
{
    qint64 t = 0;
    for (qint64 s : r.sums)
        t += s;
    return t;
}

// The starters' lamps the assistant must light.
void verifyLamps(const AssistResult& r, const QString& tactic)
{
    const CheckResult& c = r.check;
    QVERIFY(c.gk && c.sw && c.df && c.mf && c.fw && c.starting11 && c.mf21);
    if (tactic == QLatin1String("L") || tactic == QLatin1String("E"))
        QVERIFY(c.fw21 != FwLamp::Off);
    else
        QCOMPARE(c.fw21, FwLamp::Red);
}
} // namespace

class TestLineupAssist : public QObject {
    Q_OBJECT
private slots:
    void formations_data();
    void formations();
    void equalsTheExhaustiveSearch_data();
    void equalsTheExhaustiveSearch();
    void handMadeSquads_data();
    void handMadeSquads();
    void noLegalLineup_data();
    void noLegalLineup();
    void substitutesCoverTheLines_data();
    void substitutesCoverTheLines();
    void aBadSLIsNamed();
};

void TestLineupAssist::formations_data()
{
    QTest::addColumn<bool>("mswl");
    QTest::newRow("LGM") << false;
    QTest::newRow("MSWL") << true;
}

void TestLineupAssist::formations()
{
    QFETCH(bool, mswl);
    const QList<Formation> all = legalFormations(mswl);
    QStringList names;
    for (const Formation& f : all) {
        // Every formation lights the checker's count lamps when played.
        QStringList rows;
        for (int p = 0; p < 6; ++p)
            for (int i = 0; i < f[p]; ++i)
                rows << QStringLiteral("UT 10 %1 n").arg(playedPositions().at(p));
        const CheckResult r = checkLineup(squad(rows), "N");
        QVERIFY(r.gk && r.sw && r.df && r.mf && r.fw && r.starting11);
        QVERIFY(mswl || f[WG] == 0);
        QVERIFY(f[WG] <= 4);
        names << formationName(f);
    }
    QVERIFY(names.contains("DF4 MF4 FW2"));
    QVERIFY(names.contains("SW1 DF3 MF4 FW2"));
    QCOMPARE(names.contains("DF4 MF2 WG2 FW2"), mswl);
    QCOMPARE(names.removeDuplicates(), 0);
    // Every count vector the rules allow is listed.
    int expected = 0;
    for (int sw = 0; sw <= 1; ++sw)
        for (int df = 2; df <= 5; ++df)
            for (int mf = 2; mf <= 5; ++mf)
                for (int wg = 0; wg <= (mswl ? 4 : 0); ++wg)
                    for (int fw = 1; fw <= 4; ++fw)
                        expected += 1 + sw + df + mf + wg + fw == 11;
    QCOMPARE(int(all.size()), expected);
}

void TestLineupAssist::equalsTheExhaustiveSearch_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed = 1; seed <= 10; ++seed)
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
}

void TestLineupAssist::equalsTheExhaustiveSearch()
{
    QFETCH(quint32, seed);
    QRandomGenerator rng(seed);
    for (int i = 0; i < 60; ++i) {
        const Case c = randomCase(rng);
        const QString where = QStringLiteral("seed %1 case %2").arg(seed).arg(i);
        const AssistResult r = suggestLineup(c.table, c.options);
        // No legal line-up at all, or none better than the assistant's.
        const Exhaustive better = exhaustiveBest(c.table, c.options, true, r.found ? r.total : -1);
        QVERIFY2(
            !better.found,
            qPrintable(where +
                       QStringLiteral(": %1 is possible, not %2 (%3)").arg(better.total).arg(r.total).arg(r.reason)));
        if (!r.found) {
            QVERIFY2(!r.reason.isEmpty(), qPrintable(where));
            QCOMPARE(r.table, c.table);
            continue;
        }
        // The assistant's line-up is legal and adds up to its total.
        QCOMPARE(startersTotal(checkLineup(r.table, c.options.teamTactic)), r.total);
        verifyLamps(r, c.options.teamTactic);
        if (c.options.formation)
            QCOMPARE(r.check.counts, *c.options.formation);
        for (int j = 1; j < c.table.size(); ++j) {
            const QStringList& before = c.table.at(j);
            const QStringList& after = r.table.at(j);
            for (int col = 0; col < SquadColumns; ++col)
                if (col < ColPlay || col == ColConditionals)
                    QCOMPARE(after.at(col), before.at(col));
            if (keptRow(c, j)) {
                QCOMPARE(after, before);
            } else if (c.options.leftOut.contains(j)) {
                QVERIFY(after.at(ColPlay).isEmpty() && after.at(ColStyle).isEmpty() && after.at(ColSubs).isEmpty());
            } else if (!after.at(ColPlay).isEmpty()) {
                QCOMPARE(after.at(ColStyle), QStringLiteral("n")); // a newly placed player plays normally
                QVERIFY(c.options.mswl || after.at(ColPlay) != QLatin1String("WG"));
                QVERIFY(c.options.fillSubs || after.at(ColSubs).isEmpty());
            }
        }
    }
}

void TestLineupAssist::handMadeSquads_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<bool>("mswl");
    QTest::addColumn<QString>("tactic");
    QTest::addColumn<QString>("formation");    // empty: Best
    QTest::addColumn<bool>("rulesCost");       // the 2:1 rules lower the best total
    QTest::addColumn<QStringList>("starters"); // rows' Play, "-" for none, in row order (first rows only)

    // Eleven players: each in his own position the midfield is more than twice the defence.
    const QStringList strongMidfield = {"GK 10", "DF 10", "DF 10", "DF 10", "DF 10", "MF 30",
                                        "MF 30", "MF 30", "MF 30", "FW 30", "FW 30"};
    QTest::newRow("MF 2:1 rule moves a midfielder back") << strongMidfield << false << "N"
                                                         << "" << true << QStringList();
    // Two strong forwards and weak midfielders: the attack is more than twice the midfield.
    const QStringList strongAttack = {"GK 10", "DF 20", "DF 20", "DF 20", "DF 20", "MF 5",
                                      "MF 5",  "MF 5",  "MF 5",  "FW 30", "FW 30", "FW 30"};
    QTest::newRow("FW 2:1 rule holds back the attack") << strongAttack << false << "N"
                                                       << "" << true << QStringList();
    QTest::newRow("FW 2:1 rule waived by tactic L") << strongAttack << false << "L"
                                                    << "" << false << QStringList();
    QTest::newRow("FW 2:1 rule waived by tactic E") << strongAttack << false << "E"
                                                    << "" << false << QStringList();
    // Ten kept starters leave a single formation: SW1 DF5 MF3 FW1.
    QTest::newRow("only one formation is legal")
        << QStringList{"GK 10 GK n", "SW 10 SW n", "DF 10 DF n", "DF 10 DF n", "DF 10 DF n", "DF 10 DF n", "DF 10 DF n",
                       "MF 10 MF n", "MF 10 MF n", "MF 10 MF n", "MF 30",      "FW 12",      "DF 25"}
        << false << "N"
        << "" << false << QStringList{"GK", "SW", "DF", "DF", "DF", "DF", "DF", "MF", "MF", "MF", "FW", "-", "-"};
    // Equal players: the upper row starts.
    QTest::newRow("ties go to the upper row")
        << QStringList{"GK 10", "GK 10", "DF 10", "DF 10", "DF 10", "DF 10", "MF 10",
                       "MF 10", "MF 10", "MF 10", "FW 10", "FW 10", "FW 10"}
        << false << "N"
        << "DF4 MF4 FW2" << false
        << QStringList{"GK", "-", "DF", "DF", "DF", "DF", "MF", "MF", "MF", "MF", "FW", "FW", "-"};
    QTest::newRow("wingers in MSWL") << QStringList{"GK 10", "WG 30", "WG 30", "DF 20", "DF 20", "DF 20",
                                                    "MF 20", "MF 20", "MF 20", "FW 20", "FW 20", "WG 1"}
                                     << true << "N"
                                     << "" << false << QStringList{"GK", "WG", "WG", "DF", "DF", "DF",
                                                                   "MF", "MF", "MF", "FW", "FW", "-"};
}

void TestLineupAssist::handMadeSquads()
{
    QFETCH(QStringList, rows);
    QFETCH(bool, mswl);
    QFETCH(QString, tactic);
    QFETCH(QString, formation);
    QFETCH(bool, rulesCost);
    QFETCH(QStringList, starters);
    const SquadTable t = squad(rows);
    AssistOptions o;
    o.mswl = mswl;
    o.teamTactic = tactic;
    o.fillSubs = false;
    for (const Formation& f : legalFormations(mswl))
        if (formationName(f) == formation)
            o.formation = f;
    QCOMPARE(o.formation.has_value(), !formation.isEmpty());
    const AssistResult r = suggestLineup(t, o);
    QVERIFY2(r.found, qPrintable(r.reason));
    verifyLamps(r, tactic);
    const Exhaustive best = exhaustiveBest(t, o);
    QVERIFY(best.found);
    QCOMPARE(r.total, best.total);
    const Exhaustive free = exhaustiveBest(t, o, false);
    QCOMPARE(free.total > r.total, rulesCost);
    for (int i = 0; i < starters.size(); ++i)
        QCOMPARE(r.table.at(i + 1).at(ColPlay), starters.at(i) == QLatin1String("-") ? QString() : starters.at(i));
}

void TestLineupAssist::noLegalLineup_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<bool>("mswl");
    QTest::addColumn<QString>("formation");
    QTest::addColumn<QString>("reason");
    QStringList eleven;
    for (int i = 0; i < 14; ++i)
        eleven << "UT 10";
    auto with = [&](const QStringList& kept) { return kept + eleven; };
    QTest::newRow("two kept goalkeepers") << with({"GK 10 GK n", "GK 10 GK a"}) << false << ""
                                          << "2 goalkeepers are kept as starters; a line-up has exactly 1";
    QTest::newRow("two kept sweepers") << with({"SW 10 SW n", "SW 10 SW n"}) << false << ""
                                       << "2 sweepers are kept as starters; a line-up has at most 1";
    QTest::newRow("six kept defenders") << with(QStringList(6, "DF 10 DF n")) << false << ""
                                        << "6 defenders are kept as starters; a line-up has at most 5";
    QTest::newRow("six kept midfielders") << with(QStringList(6, "MF 10 MF n")) << false << ""
                                          << "6 midfielders are kept as starters; a line-up has at most 5";
    QTest::newRow("five kept forwards") << with(QStringList(5, "FW 10 FW n")) << false << ""
                                        << "5 forwards are kept as starters; a line-up has at most 4";
    QTest::newRow("five kept wingers") << with(QStringList(5, "WG 10 WG n")) << true << ""
                                       << "5 wingers are kept as starters; a line-up has at most 4";
    QTest::newRow("twelve kept starters")
        << with(QStringList{"GK 10 GK n", "SW 10 SW n"} + QStringList(5, "DF 10 DF n") + QStringList(5, "MF 10 MF n"))
        << false << ""
        << "12 players are kept as starters; a line-up has exactly 11";
    QTest::newRow("no formation holds the kept")
        << with(QStringList(5, "DF 10 DF n") + QStringList(5, "MF 10 MF n")) << false << ""
        << "No formation the rules allow holds the kept starters (5 defenders, 5 midfielders)";
    QTest::newRow("kept beyond the chosen formation")
        << with(QStringList(5, "DF 10 DF n")) << false << "DF4 MF4 FW2"
        << "5 defenders are kept as starters; the formation DF4 MF4 FW2 has 4";
    QTest::newRow("a kept winger and a formation without")
        << with({"WG 10 WG n"}) << false << "DF4 MF4 FW2"
        << "1 winger is kept as a starter; the formation DF4 MF4 FW2 has none";
    QTest::newRow("too few players")
        << QStringList(10, "UT 10") << false << ""
        << "Only 10 players are free to start beside the 0 kept; a line-up has 11 starters";
    QTest::newRow("MF 2:1 rule cannot hold") << QStringList(12, "UT 0") << false << ""
                                             << "No line-up meets the 2:1 rule for MF: the defenders' and the "
                                                "midfielders' adjusted SL must be above 0, and the midfielders' "
                                                "below twice the defenders'";
    // Goalkeepers are worth nothing up front.
    QTest::newRow("FW 2:1 rule cannot hold") << QStringList(12, "GK 10") << false << ""
                                             << "No line-up meets the 2:1 rule for FW: the forwards' adjusted SL "
                                                "must be above 0 and below twice the midfielders'";
}

void TestLineupAssist::noLegalLineup()
{
    QFETCH(QStringList, rows);
    QFETCH(bool, mswl);
    QFETCH(QString, formation);
    QFETCH(QString, reason);
    const SquadTable t = squad(rows);
    AssistOptions o;
    o.mswl = mswl;
    o.teamTactic = "N";
    for (const Formation& f : legalFormations(mswl))
        if (formationName(f) == formation)
            o.formation = f;
    const AssistResult r = suggestLineup(t, o);
    QVERIFY(!r.found);
    QCOMPARE(r.reason, reason);
    QCOMPARE(r.table, t);
    QCOMPARE(describeSuggestion(r), QStringList{reason});
    QVERIFY(!exhaustiveBest(t, o).found);
}

void TestLineupAssist::substitutesCoverTheLines_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QStringList>("bench"); // the rows' "Play Subs" of the bench, in slot order
    const QStringList starters = {"GK 30", "DF 30", "DF 30", "DF 30", "DF 30", "MF 30",
                                  "MF 30", "MF 30", "MF 30", "FW 30", "FW 30"};
    // Rows 12 on: the bench to choose from.
    QTest::newRow("one line per slot, then the best left")
        << starters + QStringList{"FW 20", "UT 25", "MF 8", "DF 9", "GK 5", "GK 4", "SW 29"}
        << QStringList{"P18 GK S1", "P13 DF S2", "P12 MF S3", "P14 FW S4", "P15 DF S5"};
    QTest::newRow("a line covered by a kept substitute")
        << starters + QStringList{"FW 20 FW n S3", "UT 25", "MF 8", "DF 9", "GK 5", "GK 4"}
        << QStringList{"P13 GK S1", "P15 DF S2", "P12 FW S3", "P14 MF S4", "P16 GK S5"};
    QTest::newRow("ties go to the upper row")
        << starters + QStringList{"GK 5", "GK 5", "DF 5", "DF 5"}
        << QStringList{"P12 GK S1", "P14 DF S2", "P15 MF S3", "P13 FW S4"}; // S5 stays empty
}

void TestLineupAssist::substitutesCoverTheLines()
{
    QFETCH(QStringList, rows);
    QFETCH(QStringList, bench);
    const SquadTable t = squad(rows);
    AssistOptions o;
    o.teamTactic = "N";
    o.formation = Formation{1, 0, 4, 4, 0, 2};
    const AssistResult r = suggestLineup(t, o);
    QVERIFY2(r.found, qPrintable(r.reason));
    QStringList got;
    for (int slot = 1; slot <= 5; ++slot)
        for (int j = 1; j < r.table.size(); ++j)
            if (r.table.at(j).at(ColSubs) == QStringLiteral("S%1").arg(slot)) {
                got << QStringLiteral("%1 %2 %3")
                           .arg(r.table.at(j).at(ColName), r.table.at(j).at(ColPlay), r.table.at(j).at(ColSubs));
                QCOMPARE(r.table.at(j).at(ColStyle), QStringLiteral("n"));
            }
    QCOMPARE(got, bench);
}

void TestLineupAssist::aBadSLIsNamed()
{
    SquadTable t = squad(QStringList(12, "UT 10"));
    t[3][ColSL] = "x9";
    AssistOptions o;
    try {
        suggestLineup(t, o);
        QFAIL("no error");
    } catch (const ConvertError& e) {
        QCOMPARE(e.message(), QStringLiteral("'x9' is not a valid integer value"));
    }
}

QTEST_GUILESS_MAIN(TestLineupAssist)
#include "tst_lineupassist.moc"
