// The match plan: what the orders make of the match, minute by minute, at each of the scores from three goals
// down to three goals up held from the kick-off. It reads the orders through the one reading the orders check
// uses (orderreading.h), so the plan and the check never disagree on what an order means.
#pragma once

#include "orderscheck.h"

#include <array>

// A run of minutes in which one strategy is in force.
struct StrategySegment {
    int from = 0, to = 90; // minutes, both included
    QString strategy;      // the strategy code in force
    int line = 0;          // the tactic line (1..5) that sets it; 0 for the starting strategy
    // The other tactic lines that hold in these minutes with another strategy; empty when there is no clash.
    QList<int> clashLines;
    QStringList clashStrategies; // their strategy codes, in the same order
    bool clash() const { return !clashLines.isEmpty(); }
    bool operator==(const StrategySegment&) const = default;
};

enum class PlanEventKind { Substitution, PositionChange, StyleChange };

// One player's conditional coming into force.
struct PlanEvent {
    int minute = 0;
    PlanEventKind kind = PlanEventKind::PositionChange;
    int row = 0;         // the player's grid row
    int conditional = 0; // 0, 1, 2 for the 1st, 2nd, 3rd conditional
    QString player;
    int slot = 0;       // a substitution's slot 1..5
    QString substitute; // who comes on; empty when nobody holds the slot
    QString position;   // the position or style letter he changes to, or the substitute's position; may be empty
    bool happens = true;
    QString reason; // why it does not happen ("S1 is already on", "Mo Passer is already off")
};

// What the orders do at one score.
struct ScorePlan {
    int goalDifference = 0;
    QList<StrategySegment> segments; // from minute 0 to 90, in order
    QList<PlanEvent> events;         // in time order; at the same minute in grid order, then 1st, 2nd, 3rd
};

// An order the league cannot read, so the plan leaves it out.
struct UnreadOrder {
    QString place;  // "Tactic line 2", "Mo Passer, conditional B"
    QString order;  // the tactic line, or the conditional's eight fields, as written
    QString reason; // why it is left out
    int line = 0;   // a tactic line's number 1..5, else 0
    int row = 0;    // a conditional's grid row, else 0
    int conditional = -1;
};

struct MatchPlan {
    static constexpr int Scores = 7; // the goal differences -3 .. 3
    std::array<ScorePlan, Scores> scores;
    QList<UnreadOrder> unread;
    const ScorePlan& at(int goalDifference) const { return scores.at(goalDifference + 3); }
};

// Reads the orders: for each goal difference -3..3 held all match, the strategy in force minute by minute and
// the players' conditionals in the order they come into force; and the orders it cannot read.
MatchPlan matchPlan(const OrdersInput& input);

// "3 down", "2 down", "1 down", "level", "1 up", "2 up", "3 up".
QString scoreName(int goalDifference);
// The name of the first preset whose code is `code` ("Normal" for "N"), or the code itself when none is.
QString strategyName(const QString& code, const QStringList& presets);
// "60'  S1 Ciro Gloves on for Finn Back, as GK", "75'  Kai Middle moves to FW",
// "61'  (does not happen: S1 is already on) S1 for Mo Passer".
QString eventText(const PlanEvent& event);
// "0'-59'  Normal", "60'-90'  Attacking (line 2)", with "; clashes with Stalling (line 3)" for a clash.
QString segmentText(const StrategySegment& segment, const QStringList& presets);
// "Unread: Tactic line 2, \"G,>,,,,,A\": condition 1 has the event G but no operator"
QString unreadText(const UnreadOrder& unread);
// The lines of the events list for one score: the events, then the strategy segments, then the unread orders.
QStringList planLines(const MatchPlan& plan, int goalDifference, const QStringList& presets);
