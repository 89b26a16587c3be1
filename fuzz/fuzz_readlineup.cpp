// A line-up file applied to a squad: the merge, the viewer's texts, and saving the result again.
#include "base/errors.h"
#include "base/textfile.h"
#include "fuzzutil.h"
#include "lineup/lineupfile.h"
#include "squad/lineupchecker.h"
#include "squad/rosterfile.h"
#include "squad/viewer.h"

namespace {
SquadTable squad()
{
    SquadTable t = blankSquadTable(0);
    readRoster(t, {QStringLiteral("ABC,Team,Man"), QStringLiteral("Adams,3,10,GK,2"), QStringLiteral("Brown,1,12,DF,3"),
                   QStringLiteral("Cole,0,9,MF,1"), QStringLiteral("Dunn,4,15,FW,5"), QStringLiteral("Eve,2,11,UT,4")});
    return t;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QStringList lines;
    try {
        lines = splitLineBytes(bytesOf(data, size), LineupLineLimit, QStringLiteral("ABC3.txt"));
    } catch (const FileError&) {
        return 0;
    }
    SquadTable table = squad();
    const SquadTable before = table;
    const LineupApplied applied = readLineup(table, lines, 3, 13);
    FUZZ_CHECK(table.size() == before.size());
    for (qsizetype r = 0; r < table.size(); ++r)
        for (int c = 0; c < ColPlay; ++c)
            FUZZ_CHECK(table[r][c] == before[r][c]); // only the line-up columns change
    FUZZ_CHECK(applied.tacticChanges.size() <= 5 && applied.coaches.size() <= 4 && applied.trainees.size() <= 4);
    if (applied.homeBonusIndex)
        FUZZ_CHECK(*applied.homeBonusIndex >= 0 && *applied.homeBonusIndex <= 10);

    const ViewerTexts view = buildViewerTexts(lines, QString());
    FUZZ_CHECK(view.teamInfo.size() == 9);
    FUZZ_CHECK(view.starters.size() + view.substitutes.size() == qBound(0, int(lines.size()) - 2, 16));
    FUZZ_CHECK(view.pitch.size() <= 20);

    LineupOptions options;
    options.teamTactic = applied.teamTactic;
    options.tacticChanges = applied.tacticChanges;
    options.coaches = applied.coaches;
    options.trainees = applied.trainees;
    options.penaltyTaker = applied.penaltyTaker;
    const LineupFile file = buildLineupFile(table, options);
    FUZZ_CHECK(file.lines.size() == 2 + file.starters + 5 + 1);
    try {
        checkLineup(table, applied.teamTactic);
    } catch (const ConvertError&) {
    }
    return 0;
}
