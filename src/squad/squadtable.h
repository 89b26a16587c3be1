// The squad grid as plain data: row 0 holds the captions, each further row one player, nine text cells a row.
// Columns 5 to 8 hold the line-up choices.
#pragma once

#include <QList>
#include <QStringList>

using SquadTable = QList<QStringList>;

enum SquadColumn {
    ColName = 0,
    ColAge,
    ColSL,
    ColPos,
    ColEL,
    ColPlay,
    ColStyle,
    ColSubs,
    ColConditionals,
    SquadColumns
};

// "Name", "Age", "SL", "Pos", "EL", "Play", "Style", "Subs", "Conditionals".
const QStringList& squadCaptions();

// A table of the caption row and `players` blank rows.
SquadTable blankSquadTable(int players);
