// The line-up checker: counts the starters per played position, weighs their SL by position and style, and
// says which of the league's rules the line-up meets.
#pragma once

#include "squadtable.h"

#include <array>
#include <optional>

// The six played positions in the order of the totals grid.
const QStringList& playedPositions(); // "GK", "SW", "DF", "MF", "WG", "FW"

// Position factor in tenths for a player of roster position pos playing play; nullopt for an unknown code.
std::optional<int> positionFactorTenths(const QString& pos, const QString& play);
// Style factor in hundredths: 115 for "a", 75 for "p", 100 otherwise.
int styleFactorHundredths(const QString& style);
// A starter's SL after both factors, each product rounded up with exact integer arithmetic.
qint64 adjustedSL(qint64 sl, int positionTenths, int styleHundredths);

enum class FwLamp { Off, Red, Green };

struct CheckResult {
    std::array<int, 6> counts{};  // starters per played position
    std::array<qint64, 6> sums{}; // adjusted SL per played position
    int starters = 0;
    int substitutes = 0;
    std::array<bool, 5> heldSlots{}; // S1 to S5 held by a substitute
    bool gk = false, sw = false, df = false, mf = false, fw = false;
    bool starting11 = false, fiveSubs = false, mf21 = false;
    FwLamp fw21 = FwLamp::Off;
};

// Throws ConvertError for an SL that is not a whole number, or a Subs text whose second character is
// missing or not a digit. A roster position outside the ten codes counts with factor 1.
CheckResult checkLineup(const SquadTable& table, const QString& teamTactic);

// The nine lamps of the Lineup Checker.
enum class Lamp { GK, SW, DF, MF, FW, Starting11, FiveSubs, MF21, FW21 };

// A lamp's hint: its rule in words, then what the checked line-up holds ("Goalkeeper: exactly 1 must start.
// Now: 0.").
QString lampHint(Lamp lamp, const CheckResult& result);
// A lamp's hint before any line-up has been checked: its rule, and that nothing is checked yet.
QString lampHint(Lamp lamp);
