#include "lineupchecker.h"

#include "base/errors.h"
#include "base/wholenumber.h"

#include <algorithm>
#include <cstdlib>

namespace {

// The position number of a code; the checker runs on every change, so this avoids building strings.
std::optional<int> positionNumber(QStringView code)
{
    if (code.size() != 2)
        return std::nullopt;
    const char16_t a = code[0].unicode(), b = code[1].unicode();
    switch (a << 8 | b) {
    case 'G' << 8 | 'K': return 10;
    case 'S' << 8 | 'W': return 1;
    case 'S' << 8 | 'D': return 15;
    case 'D' << 8 | 'F': return 2;
    case 'D' << 8 | 'M': return 20;
    case 'M' << 8 | 'F': return 3;
    case 'M' << 8 | 'A': return 25;
    case 'W' << 8 | 'G': return 4;
    case 'F' << 8 | 'W': return 50;
    case 'U' << 8 | 'T': return 46;
    default: return std::nullopt;
    }
}

// The column of a played position in the totals, or -1.
int playedIndex(QStringView play)
{
    switch (positionNumber(play).value_or(-1)) {
    case 10: return 0;
    case 1: return 1;
    case 2: return 2;
    case 3: return 3;
    case 4: return 4;
    case 50: return 5;
    default: return -1;
    }
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
    if (style.size() != 1)
        return 100;
    return style.at(0) == QLatin1Char('a') ? 115 : style.at(0) == QLatin1Char('p') ? 75 : 100;
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
    for (qsizetype j = 1; j < table.size(); ++j) {
        const QStringList& row = table.at(j);
        if (row.at(ColPlay).isEmpty())
            continue;
        const QString& subs = row.at(ColSubs);
        if (!subs.isEmpty()) {
            ++r.substitutes;
            const QChar digit = subs.size() >= 2 ? subs.at(1) : QChar();
            if (!digit.isDigit() || digit.unicode() > '9')
                throw ConvertError(subs.mid(1, 1));
            const int slot = digit.unicode() - '0';
            if (slot >= 1 && slot <= 5) // other digits count as a substitute without a slot
                slotMarks[slot - 1] = true;
            continue;
        }
        const qint64 sl = toWholeNumber(row.at(ColSL));
        const qint64 adjusted = adjustedSL(sl, positionFactorTenths(row.at(ColPos), row.at(ColPlay)).value_or(10),
                                           styleFactorHundredths(row.at(ColStyle)));
        const int p = playedIndex(row.at(ColPlay));
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
    r.heldSlots = slotMarks;
    r.fiveSubs = r.substitutes == 5 && std::all_of(slotMarks.begin(), slotMarks.end(), [](bool b) { return b; });
    r.mf21 = r.sums[MF] < 2 * r.sums[DF] && r.sums[DF] > 0 && r.sums[MF] > 0;
    if (r.sums[FW] < 2 * r.sums[MF] && r.sums[MF] > 0 && r.sums[FW] != 0)
        r.fw21 = FwLamp::Red;
    else if (teamTactic == QLatin1String("L") || teamTactic == QLatin1String("E"))
        r.fw21 = FwLamp::Green;
    return r;
}

namespace {
QString lampRule(Lamp lamp)
{
    switch (lamp) {
    case Lamp::GK: return QStringLiteral("Goalkeeper: exactly 1 must start.");
    case Lamp::SW: return QStringLiteral("Sweeper: at most 1 may start.");
    case Lamp::DF: return QStringLiteral("Defenders: 2 to 5 must start.");
    case Lamp::MF: return QStringLiteral("Midfielders: 2 to 5 must start.");
    case Lamp::FW: return QStringLiteral("Forwards: 1 to 4 must start.");
    case Lamp::Starting11: return QStringLiteral("Starting 11: exactly 11 players must start.");
    case Lamp::FiveSubs: return QStringLiteral("Five Subs: exactly 5 substitutes must hold the slots S1 to S5.");
    case Lamp::MF21:
        return QStringLiteral("MF 2:1 rule: the midfielders' SL must be less than twice the defenders' SL, and "
                              "both above 0.");
    case Lamp::FW21:
        return QStringLiteral("FW 2:1 rule: the forwards' SL must be less than twice the midfielders' SL, with the "
                              "midfielders' SL above 0 and the forwards' SL not 0; a starting strategy L (Longball) "
                              "or E exempts the team, and the lamp lights green.");
    }
    return QString();
}
} // namespace

QString lampHint(Lamp lamp)
{
    return lampRule(lamp) + QStringLiteral(" Now: not checked yet.");
}

QString lampHint(Lamp lamp, const CheckResult& r)
{
    enum { GK, SW, DF, MF, WG, FW };
    auto count = [&r](int position) { return QString::number(r.counts[position]); };
    QString now;
    switch (lamp) {
    case Lamp::GK: now = count(GK); break;
    case Lamp::SW: now = count(SW); break;
    case Lamp::DF: now = count(DF); break;
    case Lamp::MF: now = count(MF); break;
    case Lamp::FW: now = count(FW); break;
    case Lamp::Starting11: now = QString::number(r.starters); break;
    case Lamp::FiveSubs: {
        QStringList held;
        for (int k = 0; k < 5; ++k)
            if (r.heldSlots[k])
                held.append(QStringLiteral("S%1").arg(k + 1));
        now = QString::number(r.substitutes);
        if (r.substitutes > 0)
            now += held.isEmpty() ? QStringLiteral(", in no slot")
                                  : QStringLiteral(", in ") + held.join(QStringLiteral(", "));
        break;
    }
    case Lamp::MF21: now = QStringLiteral("MF SL %1, DF SL %2").arg(r.sums[MF]).arg(r.sums[DF]); break;
    case Lamp::FW21:
        now = QStringLiteral("FW SL %1, MF SL %2").arg(r.sums[FW]).arg(r.sums[MF]);
        if (r.fw21 == FwLamp::Green)
            now += QStringLiteral(", exempt");
        break;
    }
    return lampRule(lamp) + QStringLiteral(" Now: ") + now + QLatin1Char('.');
}
