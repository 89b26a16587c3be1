// The history behind Undo and Redo: snapshots of the line-up state, one step per command of the manager.
#pragma once

#include "squadtable.h"

#include <QList>
#include <QString>
#include <QStringList>

// A drop-down list or list box as the manager sees it: its entries and the chosen one (-1: none).
struct ListState {
    QStringList items;
    int current = -1;
    bool operator==(const ListState&) const = default;
};

// Everything of the line-up a step can change. Saving, the bids, the press text and the orders-archive
// list are not part of it.
struct LineupState {
    SquadTable grid;
    QString teamName, manager, abbreviation;
    ListState penaltyTaker, trainees, coaches; // PTakeBox, TPBox, CPBox
    QStringList trained, coached;              // TPListBox, CPListBox
    QString homeBonus, match;                  // the chosen entries of HBCombo and MatchNoComboBox
    QString teamTactic;
    QStringList tacticChanges, tacticList; // TacticChanges, TTListBox
    QString opponent;
    QStringList oppPlayers;
    bool operator==(const LineupState&) const = default;
};

// The short name of the step from `before` to `after`, as the Edit menu shows it after "Undo" and "Redo": one
// name per kind of step ("Choose DF for Finn Back", "Choose S2 for Dov Keeper", "Deselect Finn Back",
// "Conditionals for Finn Back", "Choose trainee", "Team Tactics", ...).
QString describeStep(const LineupState& before, const LineupState& after);

class UndoHistory {
public:
    static constexpr int kSteps = 200; // the oldest steps are forgotten beyond this

    // Forgets every step; `state` is the state now.
    void reset(const LineupState& state);
    // After a command: when `state` differs from the state before it, that is one step, named `name` (when
    // empty, by describeStep).
    void record(const LineupState& state, const QString& name = QString());
    // Takes the state in again without making a step (a command that is no step of its own).
    void absorb(const LineupState& state) { m_now = state; }

    bool canUndo() const { return !m_undo.isEmpty(); }
    bool canRedo() const { return !m_redo.isEmpty(); }
    // The state to go back (or forward) to; call only when canUndo (canRedo).
    const LineupState& undo();
    const LineupState& redo();
    const LineupState& now() const { return m_now; }
    // The names of the steps Undo and Redo would take back or do again (empty when there is none).
    QString undoName() const { return m_undo.isEmpty() ? QString() : m_undo.last().name; }
    QString redoName() const { return m_redo.isEmpty() ? QString() : m_redo.last().name; }

private:
    struct Step {
        LineupState state; // the state on the other side of the step
        QString name;
    };
    LineupState m_now;
    QList<Step> m_undo, m_redo;
};
