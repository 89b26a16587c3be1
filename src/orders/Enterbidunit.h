// The two dialogs of a bid: the amount ("Enter Bid Amount") and the name of the player ("Enter Name").
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

class TEnterBidForm : public QDialog {
    Q_OBJECT
public:
    // current is the grid cell's text; the amount chosen is in result() once the dialog was accepted.
    TEnterBidForm(const QString& current, QWidget* parent);
    QLineEdit* BidEdit;
    QPushButton *BidAllBtn, *OKBtn, *CancelBtn;
    QString amount() const { return m_amount; }

    // Done and the Enter key: true when the amount was taken.
    bool OKBtnClick();
    void BidAllBtnClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString m_amount;
};

class TBidNameDlg : public QDialog {
    Q_OBJECT
public:
    TBidNameDlg(const QString& proposed, QWidget* parent);
    QLineEdit* PlayNameEdit;
    QPushButton *ClearBtn, *BitBtnWithColor1, *BitBtnWithColor2;
    QString name() const { return m_name; }

    void ClearBtnClick();
    void BitBtnWithColor1Click();

private:
    QString m_name;
};
