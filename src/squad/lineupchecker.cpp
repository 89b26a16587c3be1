#include "lineupchecker.h"

#include "app/errors.h"
#include "app/wholenumber.h"

#include <algorithm>
#include <cstdlib>

namespace {

std::optional<int> positionNumber(const QString& code)
{
    static const QList<std::pair<QString, int>> numbers = {
        {QStringLiteral("GK"), 10}, {QStringLiteral("SW"), 1}, {QStringLiteral("SD"), 15}, {QStringLiteral("DF"), 2},
        {QStringLiteral("DM"), 20}, {QStringLiteral("MF"), 3}, {QStringLiteral("MA"), 25}, {QStringLiteral("WG"), 4},
        {QStringLiteral("FW"), 50}, {QStringLiteral("UT"), 46}};
    for (const auto& [c, n] : numbers)
        if (c == code)
            return n;
    return std::nullopt;
}

int factorForDistance(int d)
{
    switch (d) {
    case 1:
    case 12:
    case 16:
    case 19:
    case 21:
    case 23:
    case 30:
    case 42:
    case 45:
    case 46:
    case 47: return 8;
    case 2:
    case 11:
    case 24:
    case 35:
    case 48: return 6;
    case 5:
    case 9: return 5;
    case 3:
    case 49: return 4;
    case 8:
    case 10:
    case 36: return 3;
    case 7:
    case 15: return 1;
    case 6:
    case 40: return 0;
    default: return 10;
    }
}

// a / b rounded up, for b > 0 and any sign of a.
qint64 ceilDiv(qint64 a, qint64 b)
{
    return a >= 0 ? (a + b - 1) / b : -((-a) / b);
}

} // namespace

const QStringList& playedPositions()
{
    static const QStringList codes = {QStringLiteral("GK"), QStringLiteral("SW"), QStringLiteral("DF"),
                                      QStringLiteral("MF"), QStringLiteral("WG"), QStringLiteral("FW")};
    return codes;
}

std::optional<int> positionFactorTenths(const QString& pos, const QString& play)
{
    const auto a = positionNumber(pos);
    const auto b = positionNumber(play);
    if (!a || !b)
        return std::nullopt;
    return factorForDistance(std::abs(*a - *b));
}

int styleFactorHundredths(const QString& style)
{
    if (style == QLatin1String("a"))
        return 115;
    if (style == QLatin1String("p"))
        return 75;
    return 100;
}

qint64 adjustedSL(qint64 sl, int positionTenths, int styleHundredths)
{
    const qint64 placed = ceilDiv(sl * positionTenths, 10);
    return ceilDiv(placed * styleHundredths, 100);
}

CheckResult checkLineup(const SquadTable& table, const QString& teamTactic)
{
    CheckResult r;
    std::array<bool, 5> slotMarks{};
    const QStringList& positions = playedPositions();
    for (qsizetype j = 1; j < table.size(); ++j) {
        const QStringList& row = table.at(j);
        if (row.at(ColPlay).isEmpty())
            continue;
        const QString& subs = row.at(ColSubs);
        if (!subs.isEmpty()) {
            ++r.substitutes;
            const QString digit = subs.mid(1, 1);
            const int slot = toWholeNumber(digit);
            if (slot >= 1 && slot <= 5) // other digits count as a substitute without a slot
                slotMarks[slot - 1] = true;
            continue;
        }
        const qint64 sl = toWholeNumber(row.at(ColSL));
        const qint64 adjusted = adjustedSL(sl, positionFactorTenths(row.at(ColPos), row.at(ColPlay)).value_or(10),
                                           styleFactorHundredths(row.at(ColStyle)));
        const qsizetype p = positions.indexOf(row.at(ColPlay));
        if (p >= 0) {
            ++r.starters;
            ++r.counts[p];
            r.sums[p] += adjusted;
        }
    }
    enum { GK, SW, DF, MF, WG, FW };
    r.gk = r.counts[GK] == 1;
    r.sw = r.counts[SW] <= 1;
    r.df = r.counts[DF] >= 2 && r.counts[DF] <= 5;
    r.mf = r.counts[MF] >= 2 && r.counts[MF] <= 5;
    r.fw = r.counts[FW] >= 1 && r.counts[FW] <= 4;
    r.starting11 = r.starters == 11;
    r.fiveSubs = r.substitutes == 5 && std::all_of(slotMarks.begin(), slotMarks.end(), [](bool b) { return b; });
    r.mf21 = r.sums[MF] < 2 * r.sums[DF] && r.sums[DF] > 0 && r.sums[MF] > 0;
    if (r.sums[FW] < 2 * r.sums[MF] && r.sums[MF] > 0 && r.sums[FW] != 0)
        r.fw21 = FwLamp::Red;
    else if (teamTactic == QLatin1String("L") || teamTactic == QLatin1String("E"))
        r.fw21 = FwLamp::Green;
    return r;
}
