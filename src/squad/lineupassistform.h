// TLineupAssistForm: the Lineup Assistant. Shows the best legal line-up for the chosen options and, on
// Apply, writes it into the squad grid.
#pragma once

#include "lineupassist.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QListWidget;
class QPushButton;
class TSQMainForm;

class TLineupAssistForm : public QDialog {
    Q_OBJECT
public:
    explicit TLineupAssistForm(TSQMainForm* main);

    QComboBox* FormationBox;
    QCheckBox *KeepPlacedCheck, *FillSubsCheck;
    QListWidget *LeaveOutList, *AssistResultList;
    QPushButton *AssistApplyBtn, *AssistCancelBtn;

    // The proposal for the options as they stand now.
    const AssistResult& proposal() const { return m_result; }
    // Closing either way keeps the choices for the next opening (TSQMainForm::LastAssistChoices).
    void done(int result) override;

private:
    void updateProposal();
    void AssistApplyBtnClick();

    TSQMainForm* m_main;
    SquadTable m_table;
    QList<int> m_rows; // the grid row of each entry of LeaveOutList
    QList<Formation> m_formations;
    AssistResult m_result;
};
