// The text forms of conditions, team tactic lines and Conditionals cells, shared by both tactic editors and
// written unchanged into the line-up file.
#pragma once

#include <QString>
#include <QStringList>

struct Condition {
    QString event; // "G", "T" or empty
    QString op;    // ">", ">=", "=", "<=", "<" or empty
    QString value; // the value text as held
    bool complete() const { return !event.isEmpty() && !op.isEmpty(); }
};

struct Conditional {
    Condition first, second;
    QString action;   // "C", "S1".."S5" or empty
    QString position; // a position or style code, or empty
};

const QStringList& conditionEvents();    // "G", "T"
const QStringList& conditionOperators(); // ">", ">=", "=", "<=", "<"
const QStringList& conditionalActions(); // "C", "S1".."S5"
// The positions the conditionals editor offers in the league variant.
QStringList conditionalPositions(bool mswl);

// Fields 1 to 6 of a team tactic line; a value is written only when its condition is complete.
QString encodeTacticConditions(const Condition& c1, const Condition& c2);
// Zero, one or two readable lines.
QStringList describeTacticConditions(const Condition& c1, const Condition& c2);
// The first character of a preset name.
QString strategyCode(const QString& presetName);

class TIniFile;
// The strategy preset names of the league variant's section (MSWLTTacs or LGMTTacs), in list order. The editor
// fills a missing name with "test"; the orders check counts only the names the settings file holds.
enum class MissingPresets { AsTest, Skip };
QStringList strategyPresets(const TIniFile& ini, bool mswl, MissingPresets missing = MissingPresets::AsTest);

// The 26-field cell text.
QString encodeConditionalsCell(const QString& mark1, const QString& mark2, const Conditional& a, const Conditional& b,
                               const Conditional& c);
// The cell's fields, at most 26 (later fields are ignored).
QStringList decodeConditionalsCell(const QString& cell);

enum class StepDirection { Up, Down };
// One press of a value's spin button.
QString stepConditionValue(const QString& value, const QString& event, bool fifteenMinuteSteps,
                           StepDirection direction);
