// Reading a roster file: the header (abbreviation, team name, manager) and one line per player.
#pragma once

#include "squadtable.h"

struct RosterRead {
    QStringList header;      // the header line's fields
    QStringList penaltyList; // every player's name
    QStringList trainees;    // players of age 0 or 1
    QStringList coaches;     // "OTF", then every other player
};

// Why the lines are not a roster, or an empty text when they are one: a roster has a non-empty line (the
// header) and at least one player line after it, and every later line that is not completely empty is a player with at
// least five fields (Name, Age, SL, Pos, EL) and whole numbers as Age and SL. The text names the file (`name`) and the
// first line at fault; completely empty lines are no players and no fault.
QString rosterProblem(const QStringList& lines, const QString& name);

// Reads the lines into the table: the table gets one row per player line from the header on (completely
// empty lines take no row); each player line writes its fields into the first cells of its row and leaves the
// other cells as they were. Throws SquadError with the rosterProblem text before changing anything when the
// lines are not a roster.
RosterRead readRoster(SquadTable& table, QStringList lines, const QString& name = QString());

struct OppRosterRead {
    QString abbreviation; // the header's first field
    QStringList players;  // first field of every player line
};

// Reads an opponent's roster; throws SquadError as readRoster does when the lines are not a roster.
OppRosterRead readOppRoster(QStringList lines, const QString& name = QString());

// The first field of a line: the text before its first comma, or the whole line.
QString firstField(const QString& line);
