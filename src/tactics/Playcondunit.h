// "Player Conditionals": up to three conditional orders for one player and, in MSWL, two opponents to mark.
// It edits the Conditionals cell of the squad grid's current row: Done writes the whole cell, Cancel empties
// it, and the close box leaves it as it was.
#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class TSQMainForm;
class TUpDown;

class TPlayCondForm : public QDialog {
    Q_OBJECT
public:
    explicit TPlayCondForm(TSQMainForm* main);

    struct Row {
        QComboBox *event1, *op1, *event2, *op2, *action, *position;
        QLineEdit *value1, *value2;
        TUpDown *spin1, *spin2;
        QPushButton* reset;
    };
    Row rows[3];
    QLabel* playerLabel;
    QLabel* SubsHoldersLabel; // who holds each substitute slot, for the action lists
    QCheckBox* TimeCheck;
    QFrame* MarkPanel;
    QComboBox *MP1Combo, *MP2Combo;
    QPushButton *DoneBtn, *CancelBtn;

    void UpDownClick(int row, int condition, bool up);
    void TacResetBtnClick(int row);
    void DoneBtnClick();
    void CancelBtnClick();

private:
    void FormCreate();
    QList<QWidget*> fieldControls() const; // the control of each of the 26 fields, in field order
    TSQMainForm* m_main;
    int m_row, m_col;
};
