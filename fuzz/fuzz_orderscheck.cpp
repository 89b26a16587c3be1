// The orders check on a squad and tactic lines read from outside text: it never fails, every finding carries a
// known code with that code's severity, errors come before warnings, and the readable hints never fail either.
// Input: the first line holds the tactic lines (separated by ';'); each further line is one player row
// Name,Age,SL,Pos,EL,Play,Style,Subs followed by his Conditionals cell.
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
    const QList<Finding> findings = checkOrders(in);

    static const QString errors = QStringLiteral(" L5 L6 L9 T2 P1 P3 P4 S2 ");
    static const QString all = QStringLiteral(" L1 L2 L3 L4 L5 L6 L7 L8 L9 T1 T2 T3 T4 T5 P1 P2 P3 P4 P5 P6 P7 P8 "
                                              "P9 P10 P11 S1 S2 S3 ");
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
    }
    for (qsizetype r = 1; r < table.size(); ++r)
        FUZZ_CHECK(describeConditionalsCell(table.at(r).at(ColConditionals), table).size() <= 4);
    return 0;
}
