// "Team Tactics": the starting strategy and up to five conditional team tactics of the match. It works on a
// copy of the main window's tactic lines and hands them back only on Save & Exit.
#pragma once

#include "encodings.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class TSQMainForm;
class TUpDown;

class TTeamTacticForm : public QDialog {
    Q_OBJECT
public:
    explicit TTeamTacticForm(TSQMainForm* main);

    QComboBox *StartStratBox, *CEventBox, *CEventBox2, *ConditBox1, *ConditBox2, *TeamStratBox1;
    QLineEdit *CTacVal1, *CTacVal2, *TheNewTactic;
    TUpDown *UpDown1, *UpDown2, *TTUpDown;
    QListWidget *ListNewTac1, *TeamTacListBox1;
    QCheckBox* TimeCheck;
    QPushButton *AddTacButton1, *ResetTacButton, *TeamTacSaveBtn, *TeamCancelBtn;

    void OnTacticChange();
    void CTacValChange(QLineEdit* value);
    void UpDownClick(QLineEdit* value, QComboBox* event, bool up);
    void AddTacButton1Click();
    void TeamTacListBox1DblClick();
    void TeamTacListBox1DeleteKey();
    void TTUpDownClick(bool up);
    void ResetTacButtonClick();
    void TeamTacSaveBtnClick();

    // A lone "-" left in a value becomes "0" when the editor closes.
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void finishValue(QLineEdit* value);
    Condition condition(QComboBox* event, QComboBox* op, QLineEdit* value) const;
    TSQMainForm* m_main;
    bool m_adjusting = false;
};
