// A roster file: its bytes read as lines, then into the squad table, the opponent list and the checker.
#include "base/errors.h"
#include "base/textfile.h"
#include "fuzzutil.h"
#include "squad/lineupchecker.h"
#include "squad/rosterfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QStringList lines;
    try {
        lines = splitLineBytes(bytesOf(data, size), 255, QStringLiteral("f.ros"));
    } catch (const FileError&) {
        return 0;
    }
    SquadTable table = blankSquadTable(17);
    const bool roster = rosterProblem(lines, QStringLiteral("f.ros")).isEmpty();
    try {
        const RosterRead read = readRoster(table, lines, QStringLiteral("f.ros"));
        FUZZ_CHECK(roster);
        FUZZ_CHECK(table.size() == lines.size() - lines.count(QString())); // empty lines take no row
        FUZZ_CHECK(read.coaches.value(0) == QLatin1String("OTF"));
        FUZZ_CHECK(read.penaltyList.size() <= table.size() - 1);
        for (const QStringList& row : table)
            FUZZ_CHECK(row.size() == SquadColumns);
        try {
            const CheckResult r = checkLineup(table, QStringLiteral("N"));
            FUZZ_CHECK(r.starters <= table.size());
        } catch (const ConvertError&) {
        }
    } catch (const ConvertError&) {
        FUZZ_CHECK(false); // every Age was checked before
    } catch (const SquadError&) {
        FUZZ_CHECK(!roster);
        FUZZ_CHECK(table == blankSquadTable(17)); // nothing changed
    }
    try {
        const OppRosterRead opp = readOppRoster(lines, QStringLiteral("f.ros"));
        FUZZ_CHECK(roster);
        for (const QString& name : opp.players)
            FUZZ_CHECK(!name.isEmpty() && !name.contains(QLatin1Char(',')));
    } catch (const SquadError&) {
        FUZZ_CHECK(!roster);
    }
    return 0;
}
