// The line-up file: 19 lines of comma-separated fields, built from the squad table and the line-up options,
// and read back onto a squad table.
#pragma once

#include "squad/squadtable.h"

#include <optional>

// The longest line of a line-up file, for the writer and the reader alike. The longest line the writer can
// build from any roster the reader accepts is the training line: nine names of at most 255 characters (a
// roster line's length) and eight commas, 2303 characters; a player line holds one name and a Conditionals
// cell of two marked names and 24 short fields, under 900. The bound also stops a hostile file early.
constexpr int LineupLineLimit = 4096;

struct LineupOptions {
    QString homeBonus;         // the text chosen in the home bonus list; empty when none is chosen
    QString teamTactic;        // the starting strategy code ("N" stands in when empty)
    QStringList tacticChanges; // at most five team tactic lines of seven fields
    QStringList coaches;       // at most four
    QStringList trainees;      // at most four
    QString penaltyTaker;
};

struct LineupFile {
    QStringList lines; // the 19 lines, without line breaks
    int starters = 0;
    int firstEmptySlot = 0; // 1..5, or 0 when all five substitute slots are filled
};

// The 25 commas that stand for a player without conditional orders.
QString emptyConditionals();

LineupFile buildLineupFile(const SquadTable& table, const LineupOptions& options);

// The refusal message for a line-up that may not be saved, or an empty text: not 11 starters, an empty
// substitute slot, or a line longer than LineupLineLimit (which the reader would refuse).
QString lineupRefusal(const LineupFile& file);

struct LineupApplied {
    QString homeBonusError;            // kind name of the conversion error of the home bonus field, or empty
    std::optional<int> homeBonusIndex; // entry of the home bonus list to select (bonus - Min)
    QString teamTactic;
    QStringList tacticChanges;
    QStringList coaches;
    QStringList trainees;
    QString penaltyTaker;
};

// Applies the lines of a line-up file to the table: each player line goes to the first row of its exact name
// (Play, Style, Conditionals unless empty, and the slot of a substitute line); rows not named keep their
// cells.
LineupApplied readLineup(SquadTable& table, const QStringList& lines, int homeBonusMin, int homeBonusMax);

// The fields of a line, padded with empty fields to at least `count`.
QStringList lineFields(const QString& line, int count);
