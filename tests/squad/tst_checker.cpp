#include "base/errors.h"
#include "squad/lineupchecker.h"
#include "squad/squadtestutil.h"
#include "testfiles.h"

namespace {
// 1 GK, 1 SW, 4 DF, 3 MF, 2 FW, five substitutes in S1 to S5.
QStringList fullLineup()
{
    QStringList rows = {"GK 10 GK n -", "SW 10 SW n -"};
    for (int i = 0; i < 4; ++i)
        rows << "DF 10 DF n -";
    for (int i = 0; i < 3; ++i)
        rows << "MF 10 MF n -";
    rows << "FW 10 FW n -"
         << "FW 10 FW n -";
    for (int k = 1; k <= 5; ++k)
        rows << QStringLiteral("MF 10 MF n S%1").arg(k);
    return rows;
}
} // namespace

class TestChecker : public QObject {
    Q_OBJECT
private slots:
    void factorTableFollowsTheDistanceRule();
    void adjustedSL_data();
    void adjustedSL();
    void lamps_data();
    void lamps();
    void lampHintsSayRuleAndState_data();
    void lampHintsSayRuleAndState();
    void conversionErrorStopsTheCheck_data();
    void conversionErrorStopsTheCheck();
};

void TestChecker::factorTableFollowsTheDistanceRule()
{
    // The league's table of position factors, in tenths, rows by roster position, columns GK SW DF MF WG FW.
    const QStringList table = {"GK 10 5 3 1 0 0",  "SW 5 10 8 6 4 4",  "SD 5 10 10 8 6 6", "DF 3 8 10 8 6 6",
                               "DM 3 8 10 10 8 8", "MF 1 6 8 10 8 8",  "MA 1 6 8 10 8 10", "WG 0 4 6 8 10 8",
                               "FW 0 4 6 8 8 10",  "UT 3 8 10 10 8 10"};
    for (const QString& line : table) {
        const QStringList f = line.split(QLatin1Char(' '));
        for (int c = 0; c < 6; ++c)
            QVERIFY2(positionFactorTenths(f.at(0), playedPositions().at(c)) == f.at(c + 1).toInt(),
                     qPrintable(f.at(0) + " playing " + playedPositions().at(c)));
    }
    QVERIFY(!positionFactorTenths("XX", "GK").has_value());
}

void TestChecker::adjustedSL_data()
{
    QTest::addColumn<QString>("pos");
    QTest::addColumn<QString>("play");
    QTest::addColumn<QString>("style");
    QTest::addColumn<int>("sl");
    QTest::addColumn<int>("adjusted");
    QTest::newRow("worked example DM as SW aggressive") << "DM"
                                                        << "SW"
                                                        << "a" << 13 << 13;
    QTest::newRow("own position normal") << "DF"
                                         << "DF"
                                         << "n" << 17 << 17;
    QTest::newRow("passive rounds up") << "MF"
                                       << "MF"
                                       << "p" << 13 << 10; // 9.75
    QTest::newRow("aggressive whole stays") << "FW"
                                            << "FW"
                                            << "a" << 20 << 23;
    QTest::newRow("0.6 then 1.15, each rounded up") << "DF"
                                                    << "WG"
                                                    << "a" << 11 << 9; // 6.6 -> 7, 8.05 -> 9
    QTest::newRow("GK as FW adds nothing") << "GK"
                                           << "FW"
                                           << "a" << 20 << 0;
    QTest::newRow("0.1") << "GK"
                         << "MF"
                         << "n" << 15 << 2;
    QTest::newRow("zero SL") << "MF"
                             << "DF"
                             << "a" << 0 << 0;
}

void TestChecker::adjustedSL()
{
    QFETCH(QString, pos);
    QFETCH(QString, play);
    QFETCH(QString, style);
    QFETCH(int, sl);
    QFETCH(int, adjusted);
    const CheckResult r = checkLineup(squad({QStringLiteral("%1 %2 %3 %4 -").arg(pos).arg(sl).arg(play, style)}), "N");
    QCOMPARE(r.sums[playedPositions().indexOf(play)], qint64(adjusted));
    QCOMPARE(r.counts[playedPositions().indexOf(play)], 1);
}

void TestChecker::lamps_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("tactic");
    QTest::addColumn<QString>("lit"); // the lit lamps, in a fixed order; FW21 as FW21red or FW21green
    QTest::newRow("empty line-up") << QStringList{} << "N"
                                   << "SW";
    QTest::newRow("empty line-up, longball") << QStringList{} << "L"
                                             << "SW FW21green";
    QTest::newRow("empty line-up, E") << QStringList{} << "E"
                                      << "SW FW21green";
    QTest::newRow("full 1-1-4-3-2") << fullLineup() << "N"
                                    << "GK SW DF MF FW 11 subs MF21 FW21red";
    QStringList twoSw = fullLineup();
    twoSw[2] = "SW 10 SW n -";
    QTest::newRow("two SW") << twoSw << "N"
                            << "GK DF MF FW 11 subs MF21 FW21red";
    QStringList sixDf = fullLineup();
    sixDf[1] = "DF 10 DF n -";
    sixDf[6] = "DF 10 DF n -";
    QTest::newRow("six DF") << sixDf << "N"
                            << "GK SW MF FW 11 subs MF21 FW21red";
    QStringList sameSlot = fullLineup();
    sameSlot[14] = "MF 10 MF n S3";
    QTest::newRow("S3 twice") << sameSlot << "N"
                              << "GK SW DF MF FW 11 MF21 FW21red";
    // DF sum 30 and MF sum 60: not less than twice; 59 is.
    QTest::newRow("MF 60 against DF 30") << QStringList{"DF 15 DF n -", "DF 15 DF n -", "MF 30 MF n -", "MF 30 MF n -"}
                                         << "N"
                                         << "SW DF MF";
    QTest::newRow("MF 59 against DF 30") << QStringList{"DF 15 DF n -", "DF 15 DF n -", "MF 30 MF n -", "MF 29 MF n -"}
                                         << "N"
                                         << "SW DF MF MF21";
    QTest::newRow("substitute without a position ignored") << QStringList{"MF 10 - - S1"} << "N"
                                                           << "SW";
}

void TestChecker::lamps()
{
    QFETCH(QStringList, rows);
    QFETCH(QString, tactic);
    QFETCH(QString, lit);
    const CheckResult r = checkLineup(squad(rows), tactic);
    QStringList on;
    if (r.gk)
        on << "GK";
    if (r.sw)
        on << "SW";
    if (r.df)
        on << "DF";
    if (r.mf)
        on << "MF";
    if (r.fw)
        on << "FW";
    if (r.starting11)
        on << "11";
    if (r.fiveSubs)
        on << "subs";
    if (r.mf21)
        on << "MF21";
    if (r.fw21 == FwLamp::Red)
        on << "FW21red";
    if (r.fw21 == FwLamp::Green)
        on << "FW21green";
    QCOMPARE(on.join(' '), lit);
}

void TestChecker::lampHintsSayRuleAndState_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("tactic");
    QTest::addColumn<int>("lamp");
    QTest::addColumn<QString>("now"); // the hint's words after "Now: "
    const QStringList mf60 = {"DF 15 DF n -", "DF 15 DF n -", "MF 30 MF n -", "MF 30 MF n -"};
    QTest::newRow("GK, none") << QStringList{} << "N" << int(Lamp::GK) << "0.";
    QTest::newRow("GK, one") << fullLineup() << "N" << int(Lamp::GK) << "1.";
    QTest::newRow("DF, four") << fullLineup() << "N" << int(Lamp::DF) << "4.";
    QTest::newRow("FW, two") << fullLineup() << "N" << int(Lamp::FW) << "2.";
    QTest::newRow("starters") << fullLineup() << "N" << int(Lamp::Starting11) << "11.";
    QTest::newRow("five subs") << fullLineup() << "N" << int(Lamp::FiveSubs) << "5, in S1, S2, S3, S4, S5.";
    QStringList sameSlot = fullLineup();
    sameSlot[14] = "MF 10 MF n S3"; // S4 held by nobody
    QTest::newRow("S3 twice") << sameSlot << "N" << int(Lamp::FiveSubs) << "5, in S1, S2, S3, S5.";
    QTest::newRow("no subs") << QStringList{} << "N" << int(Lamp::FiveSubs) << "0.";
    QTest::newRow("MF 2:1") << mf60 << "N" << int(Lamp::MF21) << "MF SL 60, DF SL 30.";
    QTest::newRow("FW 2:1, exempt") << QStringList{} << "L" << int(Lamp::FW21) << "FW SL 0, MF SL 0, exempt.";
    QTest::newRow("FW 2:1, not exempt") << QStringList{} << "N" << int(Lamp::FW21) << "FW SL 0, MF SL 0.";
    QTest::newRow("FW 2:1, held") << fullLineup() << "L" << int(Lamp::FW21) << "FW SL 20, MF SL 30.";
}

void TestChecker::lampHintsSayRuleAndState()
{
    QFETCH(QStringList, rows);
    QFETCH(QString, tactic);
    QFETCH(int, lamp);
    QFETCH(QString, now);
    const QString hint = lampHint(Lamp(lamp), checkLineup(squad(rows), tactic));
    QVERIFY2(hint.endsWith(" Now: " + now), qPrintable(hint));
    // The rule stays the same whatever the state, and says what the checker checks.
    const QString rule = lampHint(Lamp(lamp));
    QCOMPARE(rule, hint.left(hint.indexOf(" Now: ")) + " Now: not checked yet.");
    const QStringList expectedRules = {
        "Goalkeeper: exactly 1 must start.",
        "Sweeper: at most 1 may start.",
        "Defenders: 2 to 5 must start.",
        "Midfielders: 2 to 5 must start.",
        "Forwards: 1 to 4 must start.",
        "Starting 11: exactly 11 players must start.",
        "Five Subs: exactly 5 substitutes must hold the slots S1 to S5.",
        "MF 2:1 rule: the midfielders' SL must be less than twice the defenders' SL, and both above 0.",
        "FW 2:1 rule: the forwards' SL must be less than twice the midfielders' SL, with the midfielders' SL above 0 "
        "and the forwards' SL not 0; a starting strategy L (Longball) or E exempts the team, and the lamp lights "
        "green."};
    QVERIFY2(hint.startsWith(expectedRules.at(lamp) + " Now: "), qPrintable(hint));
}

void TestChecker::conversionErrorStopsTheCheck_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("message");
    QTest::newRow("SL not a number") << "MF x1 MF n -"
                                     << "'x1' is not a valid integer value";
    QTest::newRow("slot without digit") << "MF 10 MF n S"
                                        << "'' is not a valid integer value";
    QTest::newRow("slot letter") << "MF 10 MF n SX"
                                 << "'X' is not a valid integer value";
}

void TestChecker::conversionErrorStopsTheCheck()
{
    QFETCH(QString, row);
    QFETCH(QString, message);
    try {
        checkLineup(squad({row}), "N");
        QFAIL("no error");
    } catch (const ConvertError& e) {
        QCOMPARE(e.message(), message);
    }
}

QTEST_GUILESS_MAIN(TestChecker)
#include "tst_checker.moc"
