// The orders check on a squad and tactic lines read from outside text: it never fails, every finding carries a
// known code with that code's severity, errors come before warnings, and the readable hints never fail either.
// Input: the first line holds the tactic lines (separated by ';'); each further line is one player row
// Name,Age,SL,Pos,EL,Play,Style,Subs followed by his Conditionals cell. The first lines also stand for the
// archive list and the last line-up's path, the first rows' SL, Pos and EL for the bid rows.
#include "check/orderscheck.h"
#include "fuzzutil.h"

#include <QStringList>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QStringList lines = textOf(data, size).split(QLatin1Char('\n'));
    SquadTable table = blankSquadTable(0);
    for (qsizetype i = 1; i < lines.size() && i <= 40; ++i) {
        QStringList row = lines.at(i).split(QLatin1Char(','));
        QStringList cells = row.mid(0, 8);
        while (cells.size() < 8)
            cells.append(QString());
        cells.append(row.mid(8).join(QLatin1Char(',')));
        table.append(cells);
    }
    OrdersInput in;
    in.table = &table;
    in.options.tacticChanges = lines.value(0).split(QLatin1Char(';')).mid(0, 5);
    in.options.penaltyTaker = table.size() > 1 ? table.at(1).at(ColName) : QString();
    in.mswl = size % 2 == 1;
    in.opponentChosen = size % 3 == 0;
    in.oppPlayers = {QStringLiteral("Opp")};
    in.presets = {QStringLiteral("Normal"), QStringLiteral("Stalling")};
    in.archive = lines.mid(0, 3);
    in.currentFolder = QStringLiteral("/w/");
    in.abbreviation = table.size() > 1 ? table.at(1).at(ColAge) : QString();
    in.sessionChosen = size % 5 != 0;
    in.sessionText = QStringLiteral("7");
    in.matchText = QStringLiteral("3");
    in.lastLineupPath = lines.value(1);
    // The bid rows: the first fields of the first five player lines.
    for (qsizetype r = 1; r < table.size() && r <= 5; ++r)
        in.bids.append({table.at(r).at(ColSL), table.at(r).at(ColPos), table.at(r).at(ColEL)});
    const QList<Finding> findings = checkOrders(in);

    static const QString errors = QStringLiteral(" L5 L6 L7 L9 L10 T2 T7 P1 P3 P4 P8 P13 P14 B1 B2 S2 ");
    static const QString all = QStringLiteral(" L1 L2 L3 L4 L5 L6 L7 L8 L9 L10 T1 T2 T3 T4 T5 T6 T7 P1 P2 P3 P4 P5 "
                                              "P6 P7 P8 P9 P10 P11 P12 P13 P14 B1 B2 S1 S2 S3 S4 S5 ");
    bool warningSeen = false;
    for (const Finding& f : findings) {
        const QString code = QLatin1Char(' ') + f.code + QLatin1Char(' ');
        FUZZ_CHECK(all.contains(code));
        FUZZ_CHECK((f.severity == Severity::Error) == errors.contains(code));
        FUZZ_CHECK(!(warningSeen && f.severity == Severity::Error));
        warningSeen = warningSeen || f.severity == Severity::Warning;
        FUZZ_CHECK(!f.sentence.isEmpty() && !f.place.isEmpty());
        if (f.target == FindingTarget::GridCell)
            FUZZ_CHECK(f.row >= 1 && f.row < table.size() && f.column >= ColPlay && f.column <= ColConditionals);
        if (f.target == FindingTarget::BidCell)
            FUZZ_CHECK(f.row >= 1 && f.row <= in.bids.size() && f.column >= 0 && f.column <= 2);
        if (f.target == FindingTarget::ZipEntry)
            FUZZ_CHECK(in.archive.contains(f.entry));
        if (f.target == FindingTarget::TacticLine)
            FUZZ_CHECK(f.row >= -1 && f.row < in.options.tacticChanges.size());
    }
    for (qsizetype r = 1; r < table.size(); ++r)
        FUZZ_CHECK(describeConditionalsCell(table.at(r).at(ColConditionals), table).size() <= 4);
    return 0;
}
