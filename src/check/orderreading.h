// One reading of the conditional orders, as the league reads them: the values a condition lets its event take,
// the fields of a team tactic line and of a Conditionals cell, and who holds each substitute slot. The orders
// check and the match plan both read the orders through it, so they never disagree on what an order means.
#pragma once

#include "squad/squadtable.h"
#include "tactics/encodings.h"

#include <array>
#include <optional>

// The values a condition lets its event take, as a closed range of whole numbers; empty when none.
struct ValueRange {
    qint64 lo, hi;
    bool empty() const { return lo > hi; }
    bool contains(qint64 v) const { return lo <= v && v <= hi; }
};

bool isTimeEvent(const QString& event); // "T" (any case)
bool isGoalEvent(const QString& event); // "G" (any case)

// The range of a complete condition whose value is a whole number; a time condition is cut to the game's
// 0 to 90 minutes. Nothing for an incomplete condition or one whose value is not a number.
std::optional<ValueRange> conditionRange(const Condition& c);

// A condition with an event but no operator, or an operator but no event: the league cannot read it.
bool halfCondition(const Condition& c);
// A condition with nothing chosen (its value may still hold text): it does not take part.
inline bool unusedCondition(const Condition& c)
{
    return c.event.isEmpty() && c.op.isEmpty();
}
// "T >= 60"
QString writtenCondition(const Condition& c);

// One team tactic line: its two conditions and the strategy code it switches to.
struct TacticLine {
    Condition first, second;
    QString strategy;
};
TacticLine readTacticLine(const QString& line);

// One conditional of a Conditionals cell.
struct CellConditional {
    Condition first, second;
    QString action, position;
    bool anyCondition() const;
    bool used() const { return anyCondition() || !action.isEmpty() || !position.isEmpty(); }
};

// A Conditionals cell: the two players to mark and the 1st, 2nd and 3rd conditionals.
struct ConditionalsCell {
    QString mark1, mark2;
    std::array<CellConditional, 3> conditionals;
    bool used() const;
};
ConditionalsCell readConditionalsCell(const QString& text);

// Whether the league reads the conditions of an order as they stand: each one complete with a whole number from
// -90 to 90, or not used at all. An order that fails this is left unread by the match plan.
bool conditionsReadable(const Condition& c1, const Condition& c2);

// Whether every code an order holds is one its editor offers: events "G" and "T", the five operators, and for a
// tactic line a strategy code of the league (or "N", which stands for none chosen); for a conditional an action
// "C", "S1".."S5" and a position of the league variant, or nothing. The league rejects an order with any other.
bool tacticCodesKnown(const TacticLine& line, const QStringList& strategyCodes);
bool conditionalCodesKnown(const CellConditional& c, bool mswl);

// "passive", "normal" or "aggressive" for the style codes "p", "n" and "a"; empty for any other code.
QString styleWord(const QString& code);

// The substitute slot 1..5 a Subs text names, read as saving reads it; 0 for none.
int subsSlot(const QString& subs);
// The slot 1..5 an action "S1".."S5" names; 0 for any other action.
int actionSlot(const QString& action);
// A row with a position and no substitute slot.
bool isStarter(const QStringList& row);
// The grid rows that hold each substitute slot in the file saving writes (rows with a position), top first;
// the file keeps the lowest of them.
std::array<QList<int>, 5> slotRows(const SquadTable& table);

// The values the conditions of an order let one event ("G" or "T") take: the overlap of its complete conditions
// on that event whose values are whole numbers; every value (for the time, 0 to 90) when it has none.
ValueRange eventRange(const Condition& c1, const Condition& c2, const QString& event);
// Whether the goal-difference conditions of two orders can hold at the same time (an order without a
// G condition holds at any score).
bool scoresCanMeet(const CellConditional& a, const CellConditional& b);
// The first minute at which the time conditions of an order let it come into force (0 without any).
qint64 earliestMinute(const CellConditional& c);
// A complete condition on the game time that looks back ("<", "<=" or "="): the editors advise > or >=.
bool looksBackInTime(const Condition& c);
// Whether the value of each complete condition is a whole number from -90 to 90, as the league reads it.
bool valuesReadable(const Condition& c1, const Condition& c2);

// The minutes 0..90 at which both conditions hold all match long at the goal difference `goalDifference`, the
// first of them being the minute the pair comes true: one range (a condition on the time cuts the minutes, one on
// the goal difference holds all match or never), empty when never. A condition with nothing chosen always holds;
// a complete one whose value is not a number, or whose event is unknown, never.
ValueRange minutesHolding(const Condition& c1, const Condition& c2, int goalDifference);
// minutesHolding at each of `count` goal differences from `lowest` up, each condition read once.
QList<ValueRange> minutesHoldingAt(const Condition& c1, const Condition& c2, int lowest, int count);
