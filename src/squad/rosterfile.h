// Reading a roster file: the header (abbreviation, team name, manager) and one line per player.
#pragma once

#include "squadtable.h"

struct RosterRead {
    QStringList header;      // the header line's fields
    QStringList penaltyList; // every player's name
    QStringList trainees;    // players of age 0 or 1
    QStringList coaches;     // "OTF", then every other player
    QString ageError;        // the conversion error that stopped the filling of the lists, or empty
};

// Reads the lines into the table: the table gets one row per line from the header on; each player line writes
// its fields into the first cells of its row and leaves the other cells as they were. Throws
// ListIndexError(0) before changing anything when no line is non-empty. An Age that is not a whole number
// stops the filling of the lists at that row (ageError says why); the table is filled completely all the
// same.
RosterRead readRoster(SquadTable& table, QStringList lines);

struct OppRosterRead {
    QString abbreviation; // the header's first field
    QStringList players;  // first field of every later line that has one
};

// Reads an opponent's roster; throws ListIndexError(0) when no line is non-empty.
OppRosterRead readOppRoster(QStringList lines);

// The first field of a line: the text before its first comma, or the whole line.
QString firstField(const QString& line);
