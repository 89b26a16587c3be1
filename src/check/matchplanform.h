// "Match Plan": a window beside the main window that shows what the orders make of the match at each score, as a
// chart and as a list a screen reader reads, and keeps both up to date after every command while it is open.
#pragma once

#include "matchplan.h"

#include <QWidget>

class QComboBox;
class QListWidget;
class QPushButton;
class MatchPlanView;
class TSQMainForm;

class TMatchPlanForm : public QWidget {
    Q_OBJECT
public:
    explicit TMatchPlanForm(TSQMainForm* main);

    QComboBox* ScoreBox;
    MatchPlanView* PlanView;
    QListWidget* PlanEventsList;
    QPushButton* SavePlanBtn;
    QPushButton* CloseBtn;

    // Reads the orders again and shows the plan, keeping the chosen score and line.
    void refresh();
    const MatchPlan& plan() const { return m_plan; }
    // The goal difference of the score chosen in ScoreBox.
    int chosenScore() const;

    void ScoreBoxChange();
    void SavePlanBtnClick();
    // Goes to the place of the list's line: a conditional's cell, or Team Tactics for a strategy or tactic line.
    void PlanEventsListActivated(int row);

private:
    void fillList();
    void goToEvent(int goalDifference, int index);
    void openTeamTactics();
    TSQMainForm* m_main;
    MatchPlan m_plan;
    QStringList m_presets;
};
