// The configuration dialogs: season length, home bonus range and working directory.
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class QSpinBox;
class TIniFile;

// "Change Season Length": the number of matches and sessions of a season, 1 to 99 each.
class TSeasonLengthForm : public QDialog {
    Q_OBJECT
public:
    TSeasonLengthForm(TIniFile& ini, QWidget* parent);
    QLineEdit *MatchNumEdit, *SessNumEdit;
    QPushButton *DoneBtn, *BitBtnWithColor1;
    void DoneBtnClick();

private:
    TIniFile& m_ini;
};

// "Configure  Home Bonus Range": the lowest and highest home bonus, 0 to 99 each.
class THBRangeDlg : public QDialog {
    Q_OBJECT
public:
    THBRangeDlg(TIniFile& ini, QWidget* parent);
    QSpinBox *HBminEdit, *HBmaxEdit;
    QPushButton *BitBtnWithColor1, *CancelBitBtn;
    void DoneBtnClick();

private:
    TIniFile& m_ini;
};

// "Change Working Directoy": the folder the program reads and writes its files in, chosen by browsing.
class TWorkDirDlg : public QDialog {
    Q_OBJECT
public:
    TWorkDirDlg(TIniFile& ini, QWidget* parent);
    QLineEdit* DirectoryEdit1;
    QPushButton *BrowseBtn, *OKBtn, *CancelBtn;

private:
    // OK: a typed path is taken when it is an existing folder; otherwise a message says so and the dialog
    // stays open. A folder from the settings or the folder chooser is taken as it stands.
    void OKBtnClick();
};

// Gives a configuration dialog the look of the program's dialogs.
void styleDialog(QDialog* dialog, const QString& name, const QString& caption, QSize size);
