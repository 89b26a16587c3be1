// The orders check: looks at everything the manager is about to send (the line-up, the team tactics, each
// player's conditionals, the session and the list of order files) and says, in plain words, what the league
// would drop or misread and how to put it right. It only reads; it never changes the orders.
#pragma once

#include "lineup/lineupfile.h"
#include "orders/bids.h"
#include "squad/squadtable.h"

#include <QPoint>
#include <QRect>
#include <optional>

enum class Severity { Error, Warning };

// Where the manager goes to put a finding right.
enum class FindingTarget {
    GridCell,  // the cell (column, row) of the squad grid
    Grid,      // the squad grid as a whole
    MatchList, // the match number list
    HomeBonusList,
    PenaltyList,
    TraineeList,   // the entry `row` (from 0) of the trainees list
    CoachList,     // the entry `row` (from 0) of the coaches list
    TacticsButton, // the Team Tactics button
    SessionList,
    ZipPage,    // the Zip Orders page
    TacticLine, // the Team Tactics editor with tactic line `row` (from 0) chosen; -1: its starting strategy
    BidCell,    // the cell (column, row) of the auction grid, rows 1 to 5
    ZipEntry,   // the entry `entry` of the orders-archive list on the Zip Orders page
};

struct Finding {
    Severity severity = Severity::Warning;
    QString code;     // "L1" .. "S5"
    QString place;    // "Joe Blake, 1st conditional", "Tactic line 2", "Bid row 3", "Line-up", "Session", "Archive"
    QString sentence; // what is wrong and how to put it right
    FindingTarget target = FindingTarget::Grid;
    int row = 0;    // for GridCell: the grid row
    int column = 0; // for GridCell: the grid column
    QString entry;  // for ZipEntry: the archive entry
};

struct OrdersInput {
    const SquadTable* table = nullptr; // the squad grid, captions in row 0
    LineupOptions options;             // home bonus, starting strategy, tactic lines, coaches, trainees, penalty taker
    QString matchText;                 // the chosen match number, empty when none is chosen
    QStringList oppPlayers;
    bool opponentChosen = false;
    bool mswl = false;
    QStringList presets; // the strategy preset names of the current variant
    bool sessionChosen = false;
    QString sessionText;                        // the chosen session number as listed
    QString abbreviation;                       // the team abbreviation, which names the order files
    QList<BidRow> bids;                         // the five bid rows of the auction grid
    QStringList archive;                        // the entries of the orders-archive list
    QString currentFolder;                      // the folder a bare name of the list lies in, with its separator
    std::optional<QStringList> lastLineupLines; // the line-up file last saved or opened, when there is one
    QString lastLineupPath;                     // and its path
};

// The findings: errors first, then warnings; within each, in the order of the codes L1..L10, T1..T7,
// P1..P14, B1..B2, S1..S5, then in the order of the grid, lines and rows.
QList<Finding> checkOrders(const OrdersInput& input);

// "Error" or "Warning".
QString severityText(Severity severity);

// "No problems found", or "2 errors, 3 warnings", "1 error", "1 warning".
QString findingsSummary(const QList<Finding>& findings);

// The conditionals of a Conditionals cell in readable words, one line per mark player and per conditional
// ("1st: when Game Time is more than or equal to 60 Minutes: on comes S1 (Joe Blake) as FW"); the table
// tells who holds each substitute slot. Empty for a cell without conditionals.
QStringList describeConditionalsCell(const QString& cell, const SquadTable& table);

// The name of the player who holds substitute slot 1..5 in the file that saving would write (the lowest of
// several rows in the same slot), or an empty text.
QString substituteInSlot(const SquadTable& table, int slot);

// Where the Orders Check window of the outer size `size` goes beside the main window's frame, on the screen area
// `room`: to its right, else to its left, else as near to its right as the screen allows; level with its top.
QPoint besideMainWindow(const QRect& mainFrame, const QSize& size, const QRect& room);
