// Plain rules of building a line-up in the squad grid.
#pragma once

#include "squadtable.h"

// The position a substitute without one is given: UT plays FW, SD plays SW, DM plays DF, MA plays MF, and
// every other roster position plays itself.
QString defaultPlayForPos(const QString& pos);

// Empties the Play, Style, Subs and Conditionals cells of every player row.
void clearLineupColumns(SquadTable& table);
