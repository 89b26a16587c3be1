// The line-up assistant: the strongest line-up the league's rules allow, found exactly (a proven optimum of
// the starters' total adjusted SL), then a bench that covers every line.
#pragma once

#include "lineupchecker.h"
#include "squadtable.h"

#include <array>
#include <optional>

// Starters per played position, in the order of the totals grid: GK, SW, DF, MF, WG, FW.
using Formation = std::array<int, 6>;

// Every formation the rules allow: 1 GK, at most 1 SW, 2 to 5 DF, 2 to 5 MF, 1 to 4 FW, 11 in all; WG 0 to 4
// in MSWL and none in LGM.
QList<Formation> legalFormations(bool mswl);
// "DF4 MF4 FW2", "SW1 DF3 MF4 FW2", "DF4 MF2 WG2 FW2": GK left out, and SW and WG when they are 0.
QString formationName(const Formation& formation);

struct AssistOptions {
    bool mswl = false;
    QString teamTactic;
    std::optional<Formation> formation; // none: the best formation the rules allow
    bool keepPlaced = true;             // rows whose Play is set keep Play, Style and Subs
    bool fillSubs = true;               // fill the empty substitute slots
    QList<int> leftOut;                 // table rows left out of everything
};

struct AssistResult {
    bool found = false;
    QString reason;    // when nothing was found: why no legal line-up exists
    SquadTable table;  // the proposal: the given table with the line-up columns rewritten
    CheckResult check; // the checker's view of the proposal
    qint64 total = 0;  // total adjusted SL of the starters
};

// Throws ConvertError for an SL that is not a whole number in a row the search could use.
AssistResult suggestLineup(const SquadTable& table, const AssistOptions& options);

// What the assistant shows of a result: one line per starter and per substitute, the counts and SL sums,
// the total and the lamps the checker would light; or the reason.
QStringList describeSuggestion(const AssistResult& result);
