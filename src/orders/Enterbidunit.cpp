#include "Enterbidunit.h"

#include "app/sqmainform.h"
#include "bids.h"
#include "settings/Changeseasonlengthunit.h"
#include "widgets/messagebox.h"

#include "widgets/placement.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TEnterBidForm::TEnterBidForm(const QString& current, QWidget* parent)
    : QDialog(parent)
{
    styleDialog(this, QStringLiteral("EnterBidForm"), QStringLiteral("Enter Bid Amount"), {300, 170});
    auto* prompt = new QLabel(QStringLiteral("Enter Amount to Bid"), this);
    prompt->setGeometry(16, 14, 180, 20);
    BidEdit = new QLineEdit(this);
    BidEdit->setObjectName(QStringLiteral("BidEdit"));
    BidEdit->setGeometry(16, 38, 120, 24);
    BidEdit->installEventFilter(this);
    auto* orLabel = new QLabel(QStringLiteral("OR"), this);
    orLabel->setGeometry(150, 40, 30, 20);
    BidAllBtn = placeButton(QStringLiteral("BidAllBtn"), QStringLiteral("Bid ALL"), this, {186, 30, 100, 40});
    QFont big = BidAllBtn->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.4);
    BidAllBtn->setFont(big);
    OKBtn = placeButton(QStringLiteral("OKBtn"), QStringLiteral("Done"), this, {60, 120, 80, 28});
    CancelBtn = placeButton(QStringLiteral("CancelBtn"), QStringLiteral("Cancel"), this, {160, 120, 80, 28});
    OKBtn->setDefault(true);
    // Done closes the dialog whether or not the amount was taken.
    connect(OKBtn, &QPushButton::clicked, this, [this] {
        runAsCommand([this] {
            if (OKBtnClick())
                accept();
            else
                reject();
        });
    });
    connect(BidAllBtn, &QPushButton::clicked, this, [this] { runAsCommand([this] { BidAllBtnClick(); }); });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    if (isPositiveWholeNumber(current))
        BidEdit->setText(current);
}

bool TEnterBidForm::OKBtnClick()
{
    const QString problem = bidAmountProblem(BidEdit->text());
    if (!problem.isEmpty()) {
        MessageBox::plain(this, problem);
        return false;
    }
    m_amount = BidEdit->text();
    return true;
}

void TEnterBidForm::BidAllBtnClick()
{
    m_amount = QStringLiteral("ALL");
    accept();
}

bool TEnterBidForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == BidEdit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // After a message from the Enter key the dialog stays open for correction.
            if (OKBtnClick())
                accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

TBidNameDlg::TBidNameDlg(const QString& proposed, QWidget* parent)
    : QDialog(parent)
{
    styleDialog(this, QStringLiteral("BidNameDlg"), QStringLiteral("Enter Name"), {340, 150});
    setWindowFlags(windowFlags() | Qt::MSWindowsFixedSizeDialogHint);
    auto* prompt = new QLabel(QStringLiteral("Enter Name for Player"), this);
    prompt->setGeometry(16, 14, 200, 20);
    PlayNameEdit = new QLineEdit(proposed, this);
    PlayNameEdit->setObjectName(QStringLiteral("PlayNameEdit"));
    PlayNameEdit->setGeometry(16, 38, 230, 24);
    // The proposal is chosen, so the first key typed replaces it.
    PlayNameEdit->selectAll();
    PlayNameEdit->setFocus();
    ClearBtn = placeButton(QStringLiteral("ClearBtn"), QStringLiteral("Clear"), this, {254, 36, 70, 28});
    BitBtnWithColor1 = placeButton(QStringLiteral("BitBtnWithColor1"), QStringLiteral("Done"), this, {70, 100, 80, 28});
    BitBtnWithColor1->setDefault(true);
    BitBtnWithColor2 =
        placeButton(QStringLiteral("BitBtnWithColor2"), QStringLiteral("Cancel"), this, {170, 100, 80, 28});
    connect(ClearBtn, &QPushButton::clicked, this, [this] { runAsCommand([this] { ClearBtnClick(); }); });
    connect(BitBtnWithColor1, &QPushButton::clicked, this,
            [this] { runAsCommand([this] { BitBtnWithColor1Click(); }); });
    connect(BitBtnWithColor2, &QPushButton::clicked, this, &QDialog::reject);
}

void TBidNameDlg::ClearBtnClick()
{
    PlayNameEdit->clear();
}

void TBidNameDlg::BitBtnWithColor1Click()
{
    // A comma would split the bids line into four fields.
    if (PlayNameEdit->text().contains(QLatin1Char(','))) {
        MessageBox::plain(this,
                          QStringLiteral("A player's name cannot hold a comma: the league reads the comma as "
                                         "the end of the name. Please remove it."),
                          QStringLiteral("Enter Name"));
        return;
    }
    m_name = PlayNameEdit->text();
    accept();
}
