// Measures the program's costly paths, each against the floor of the same work measured in the same run:
//   start-up of the main window with a roster against a bare main window (whole processes: wall time, peak memory),
//   checkLineup on a 25-player squad against one pass reading every cell of the table,
//   saving a line-up (19 lines built and written through QSaveFile) against writing the same bytes,
//   reading rosters of 25, 1,000 and 10,000 players into the grid (cost per player),
//   the orders check on a 25-player squad with every cell filled (against its goal of 1 ms).
//   the match plan of the same squad with five tactic lines (goal 1 ms), and its chart drawn at 1024 by 768 (16 ms).
//   one "Best" search of the line-up assistant on random squads of 25, 60 and 200 players (median, against a goal).
// Run: build/bin/squadrant_bench   (uses the offscreen platform; prints one line per measure)
#include "app/sqmainform.h"
#include "base/textfile.h"
#include "check/matchplan.h"
#include "check/matchplanview.h"
#include "check/orderscheck.h"
#include "lineup/lineupfile.h"
#include "squad/lineupassist.h"
#include "squad/lineupchecker.h"
#include "squad/rosterfile.h"
#include "widgets/filedialog.h"
#include "widgets/messagebox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct ProcessCost {
    double wallMs;
    long peakKb;
};

// Runs a program to its end; wall time and the peak resident memory of that process alone.
ProcessCost runProcess(const QByteArray& program, const QList<QByteArray>& args)
{
    QElapsedTimer t;
    t.start();
    const pid_t pid = fork();
    if (pid == 0) {
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(program.constData()));
        for (const QByteArray& a : args)
            argv.push_back(const_cast<char*>(a.constData()));
        argv.push_back(nullptr);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        freopen("/dev/null", "w", stderr);
        execv(program.constData(), argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    return {t.nsecsElapsed() / 1e6, usage.ru_maxrss};
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// The median time in microseconds of one run of `work`, repeated `reps` times per sample.
template <typename F> double timeUs(F&& work, int reps, int samples = 9)
{
    std::vector<double> times;
    for (int s = 0; s < samples; ++s) {
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < reps; ++i)
            work();
        times.push_back(t.nsecsElapsed() / 1e3 / reps);
    }
    return median(times);
}

void report(const char* name, double value, double floor, const char* unit, double goal)
{
    const double ratio = value / floor;
    std::printf("%-42s %10.3f %s vs floor %10.3f %s  ratio %.2f  (goal <= %.1f) %s\n", name, value, unit, floor, unit,
                ratio, goal, ratio <= goal ? "ok" : "OVER");
}

QStringList rosterLines(int players)
{
    static const char* positions[] = {"GK", "SW", "SD", "DF", "DM", "MF", "MA", "WG", "FW", "UT"};
    QStringList lines = {QStringLiteral("BEN,Bench Town,Ben Marks")};
    for (int i = 0; i < players; ++i)
        lines.append(QStringLiteral("Player %1,%2,%3,%4,%5")
                         .arg(i)
                         .arg(i % 7)
                         .arg(8 + i % 17)
                         .arg(QString::fromLatin1(positions[i % 10]))
                         .arg(i % 9));
    return lines;
}

// A squad of random roster positions and SL 0 to 30, nobody placed.
SquadTable randomSquad(QRandomGenerator& rng, int players)
{
    static const char* positions[] = {"GK", "SW", "SD", "DF", "DM", "MF", "MA", "WG", "FW", "UT"};
    SquadTable t = blankSquadTable(players);
    for (int r = 1; r <= players; ++r) {
        t[r][ColName] = QStringLiteral("Player %1").arg(r);
        t[r][ColAge] = QStringLiteral("3");
        t[r][ColSL] = QString::number(rng.bounded(31));
        t[r][ColPos] = QString::fromLatin1(positions[rng.bounded(10)]);
    }
    return t;
}

SquadTable lineupTable()
{
    SquadTable t = blankSquadTable(0);
    readRoster(t, readTextLines(QStringLiteral(SAMPLES_DIR "/RVR.ros")));
    const char* plays[] = {"GK", "SW", "DF", "DF", "DF", "DF", "MF", "MF", "MF", "FW", "FW"};
    for (int r = 1; r <= 11; ++r) {
        t[r][ColPlay] = QString::fromLatin1(plays[r - 1]);
        t[r][ColStyle] = QStringLiteral("a");
    }
    for (int k = 1; k <= 5; ++k) {
        t[11 + k][ColPlay] = QStringLiteral("MF");
        t[11 + k][ColStyle] = QStringLiteral("n");
        t[11 + k][ColSubs] = QStringLiteral("S%1").arg(k);
    }
    return t;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "*.warning=false");
    QApplication app(argc, argv);
    MessageBox::enableTestHook();
    FileDialog::enableTestHook();
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("squadrant.INI"));
    QFile::copy(QApplication::applicationDirPath() + QStringLiteral("/squadrant.INI"), ini);

    // 1. start-up, as whole processes
    const QByteArray binDir = QApplication::applicationDirPath().toLocal8Bit();
    std::vector<double> formWall, bareWall, textWall;
    long formPeak = 0, barePeak = 0, textPeak = 0;
    for (int i = 0; i < 11; ++i) {
        const ProcessCost f = runProcess(binDir + "/bench_startup_form", {ini.toLocal8Bit(), SAMPLES_DIR "/RVR.ros"});
        const ProcessCost b = runProcess(binDir + "/bench_startup_bare", {});
        formWall.push_back(f.wallMs);
        bareWall.push_back(b.wallMs);
        formPeak = std::max(formPeak, f.peakKb);
        barePeak = std::max(barePeak, b.peakKb);
        const ProcessCost t = runProcess(binDir + "/bench_startup_text", {});
        textWall.push_back(t.wallMs);
        textPeak = std::max(textPeak, t.peakKb);
    }
    report("start-up wall time (median of 11)", median(formWall), median(bareWall), "ms", 1.3);
    report("start-up peak memory", formPeak / 1024.0, barePeak / 1024.0, "MB", 1.3);
    // For reading the two above: a bare window that shows one line of text, so also starts the font system.
    std::printf("%-42s %10.3f ms, %.3f MB peak (wall ratio of the program to it %.2f, memory %.2f)\n",
                "  bare window with one label", median(textWall), textPeak / 1024.0,
                median(formWall) / median(textWall), double(formPeak) / textPeak);

    // 2. checkLineup against one pass reading every cell
    const SquadTable table = lineupTable();
    volatile qint64 sink = 0;
    const double check = timeUs([&] { sink = sink + checkLineup(table, QStringLiteral("N")).sums[2]; }, 20000);
    const double pass = timeUs(
        [&] {
            qint64 n = 0;
            for (const QStringList& row : table)
                for (const QString& cell : row)
                    for (const QChar c : cell)
                        n += c.unicode();
            sink = sink + n;
        },
        20000);
    report("checkLineup, 25 players", check, pass, "us", 3.0);

    // 3. saving a line-up against writing the same bytes
    LineupOptions options;
    options.homeBonus = QStringLiteral("5");
    options.penaltyTaker = QStringLiteral("Tom Adams");
    const QString target = dir.filePath(QStringLiteral("RVR3.txt"));
    QByteArray bytes;
    for (const QString& line : buildLineupFile(table, options).lines)
        bytes += line.toLatin1() + "\r\n";
    const double save = timeUs([&] { writeTextLines(target, buildLineupFile(table, options).lines); }, 200, 7);
    const double raw = timeUs(
        [&] {
            QSaveFile f(target);
            f.open(QIODevice::WriteOnly);
            f.write(bytes);
            f.commit();
        },
        200, 7);
    report("save a line-up", save, raw, "us", 1.5);

    // 4. reading rosters into the grid: cost per player
    TSQMainForm form(ini);
    auto perPlayer = [&form](int players) {
        const QStringList lines = rosterLines(players);
        return timeUs([&] { form.readRoster(lines); }, players >= 10000 ? 1 : players >= 1000 ? 3 : 100, 5) / players;
    };
    const double small = perPlayer(25);
    perPlayer(1000);
    const double thousand = perPlayer(1000);
    const double large = perPlayer(10000);
    std::printf("%-42s %10.3f us per player at 25, %.3f at 1,000, %.3f at 10,000\n", "roster into the grid", small,
                thousand, large);
    report("roster into the grid, per player 10,000 vs 25", large, small, "us", 1.5);

    // 5. the orders check, run after every command while its window is open
    SquadTable full = lineupTable();
    for (qsizetype r = 1; r < full.size(); ++r) {
        QStringList& row = full[r];
        if (row.at(ColPlay).isEmpty()) {
            row[ColPlay] = QStringLiteral("FW");
            row[ColStyle] = QStringLiteral("p");
        }
        if (r > 11)
            row[ColSubs] = QStringLiteral("S%1").arg((r - 12) % 5 + 1);
        row[ColConditionals] = QStringLiteral("Opp %1,Opp 2,T,>=,%2,G,<,0,S%3,FW,G,>,1,G,<,3,C,a,T,>,95,,,,S9,WG")
                                   .arg(r)
                                   .arg(r % 90)
                                   .arg(r % 5 + 1);
    }
    OrdersInput in;
    in.table = &full;
    in.options = options;
    in.options.teamTactic = QStringLiteral("t");
    in.options.tacticChanges = {QStringLiteral("G,<,0,T,>=,60,S"), QStringLiteral("T,>,95,,,,L"),
                                QStringLiteral("G,>,1,G,<,0,B"), QStringLiteral(",,,,,,P"),
                                QStringLiteral("G,<,0,T,>=,60,S")};
    in.options.trainees = {full.at(2).at(ColName), full.at(3).at(ColName), full.at(2).at(ColName)};
    in.options.coaches = {QStringLiteral("OTF"), full.at(4).at(ColName), full.at(5).at(ColName),
                          full.at(6).at(ColName)};
    in.oppPlayers = {QStringLiteral("Opp 1"), QStringLiteral("Opp 2"), QStringLiteral("Opp 3")};
    in.opponentChosen = true;
    in.mswl = true;
    in.presets = {QStringLiteral("Normal"),   QStringLiteral("Stalling"),     QStringLiteral("Opportunistic"),
                  QStringLiteral("Longball"), QStringLiteral("Ball Control"), QStringLiteral("Pressing")};
    in.archive = {dir.filePath(QStringLiteral("RVR3.txt")), QStringLiteral("/elsewhere/RVR3.txt"),
                  dir.filePath(QStringLiteral("RVRSession1Bids.txt")),
                  dir.filePath(QStringLiteral("RVRSession1Press.txt"))};
    in.lastLineupLines = buildLineupFile(table, options).lines;
    in.lastLineupPath = dir.filePath(QStringLiteral("RVR3.txt"));
    in.matchText = QStringLiteral("3");
    in.sessionChosen = true;
    in.sessionText = QStringLiteral("1");
    in.abbreviation = QStringLiteral("RVR");
    in.currentFolder = dir.path() + QLatin1Char('/');
    in.archive.append(dir.filePath(QStringLiteral("RVRSession6Bids.txt")));
    in.bids = {{QStringLiteral("1"), QString(), QString()},
               {QStringLiteral("10"), QStringLiteral("ALL"), QString()},
               {QStringLiteral("4"), QStringLiteral("250"), QStringLiteral("Smith")},
               {QStringLiteral("7"), QStringLiteral("9999"), QStringLiteral("Jones")},
               {}};
    qsizetype findings = 0;
    const double orders = timeUs([&] { findings = checkOrders(in).size(); }, 500);
    std::printf("%-42s %10.3f us (%lld findings)  (goal < 1000 us) %s\n", "checkOrders, 25 players, every cell filled",
                orders, qlonglong(findings), orders < 1000 ? "ok" : "OVER");
    // The same through the main window: its grid read into a table and the presets read from the settings file.
    form.setSquadTable(full);
    const double live = timeUs([&] { findings = form.checkOrders().size(); }, 100);
    std::printf("%-42s %10.3f us (%lld findings)\n", "  the same from the main window's state", live,
                qlonglong(findings));
    // 6. the match plan, read after every command while its window is open: every conditional readable, so each
    // one gives an event at most scores, and five tactic lines
    SquadTable planned = full;
    for (qsizetype r = 1; r < planned.size(); ++r)
        planned[r][ColConditionals] =
            QStringLiteral("Opp 1,Opp 2,T,>=,%1,G,<,0,S%2,FW,G,>,-2,T,<,80,C,a,T,>,%3,,,,C,MF")
                .arg(r * 3 % 90)
                .arg(r % 5 + 1)
                .arg(r * 7 % 90);
    OrdersInput planIn = in;
    planIn.table = &planned;
    planIn.options.teamTactic = QStringLiteral("N");
    planIn.options.tacticChanges = {QStringLiteral("G,<,0,T,>=,60,S"), QStringLiteral("T,>,75,,,,L"),
                                    QStringLiteral("G,>,1,,,,B"), QStringLiteral(",,,,,,P"),
                                    QStringLiteral("G,=,0,T,>=,80,O")};
    MatchPlan plan;
    const double planUs = timeUs([&] { plan = matchPlan(planIn); }, 500);
    qsizetype events = 0;
    for (const ScorePlan& score : plan.scores)
        events += score.events.size();
    std::printf("%-42s %10.3f us (%lld events, %lld unread)  (goal < 1000 us) %s\n",
                "matchPlan, 25 players, 5 tactic lines", planUs, qlonglong(events), qlonglong(plan.unread.size()),
                planUs < 1000 ? "ok" : "OVER");
    MatchPlanView chart;
    chart.setPlan(plan, planIn.presets, planIn.options.tacticChanges);
    chart.setHeading(QStringLiteral("Red Valley Rovers, match 3"));
    QImage frame(1024, 768, QImage::Format_ARGB32_Premultiplied);
    // Each drawing lays the chart out afresh, as the first drawing after a change does.
    const double drawUs = timeUs(
        [&] {
            QPainter painter(&frame);
            chart.paintChart(painter, frame.size());
        },
        20);
    std::printf("%-42s %10.3f ms  (goal < 16 ms) %s\n", "match plan chart drawn at 1024 x 768", drawUs / 1e3,
                drawUs < 16000 ? "ok" : "OVER");

    // 7. the line-up assistant: one "Best" search, median over random squads (both variants, tactic N)
    QRandomGenerator rng(2026);
    for (const auto& [players, goalMs] : {std::pair{25, 10.0}, std::pair{60, 100.0}, std::pair{200, 0.0}}) {
        std::vector<double> times;
        double slowest = 0;
        for (int i = 0; i < 31; ++i) {
            const SquadTable squad = randomSquad(rng, players);
            AssistOptions o;
            o.mswl = i % 2 == 1;
            o.teamTactic = QStringLiteral("N");
            const double us = timeUs([&] { sink = sink + suggestLineup(squad, o).total; }, 1, 3);
            times.push_back(us / 1e3);
            slowest = std::max(slowest, us / 1e3);
        }
        char name[64];
        std::snprintf(name, sizeof name, "assistant, Best, %d players", players);
        if (goalMs > 0)
            std::printf("%-42s %10.3f ms median, %.3f ms slowest of 31  (goal <= %.0f ms) %s\n", name, median(times),
                        slowest, goalMs, median(times) <= goalMs ? "ok" : "OVER");
        else
            std::printf("%-42s %10.3f ms median, %.3f ms slowest of 31\n", name, median(times), slowest);
    }
    return int(sink & 0);
}
