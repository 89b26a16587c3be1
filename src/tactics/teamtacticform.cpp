#include "teamtacticform.h"

#include "app/sqmainform.h"
#include "base/wholenumber.h"
#include "settings/Changeseasonlengthunit.h"
#include "widgets/messagebox.h"
#include "widgets/widgets.h"

#include "widgets/placement.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {
const QStringList kInitialStrategies = {QStringLiteral("Normal"),        QStringLiteral("Stalling"),
                                        QStringLiteral("Opportunistic"), QStringLiteral("Longball"),
                                        QStringLiteral("Ball Control"),  QStringLiteral("Pressing")};
} // namespace

TTeamTacticForm::TTeamTacticForm(TSQMainForm* main)
    : QDialog(main)
    , m_main(main)
{
    styleDialog(this, QStringLiteral("TeamTacticForm"), QStringLiteral("Team Tactics"), {549, 233});
    placeText(QStringLiteral("Starting Strategy "), this, 10, 12);
    StartStratBox = placeList(this, QStringLiteral("StartStratBox"), {118, 8, 130, 22}, kInitialStrategies);

    const QString hint = QStringLiteral("Enter Numeric Goal Difference or Minutes played");
    auto conditionColumn = [&](int x, QComboBox** event, QComboBox** op, QLineEdit** value, TUpDown** spin, int n) {
        auto* eventLabel = placeText(QStringLiteral("Event"), this, x, 38);
        if (n == 2)
            eventLabel->setObjectName(QStringLiteral("Label7"));
        placeText(QStringLiteral("Operator"), this, x + 48, 38);
        placeText(QStringLiteral("Value"), this, x + 106, 38);
        *event = placeList(this, n == 1 ? QStringLiteral("CEventBox") : QStringLiteral("CEventBox2"), {x, 56, 44, 22},
                           conditionEvents());
        *op = placeList(this, QStringLiteral("ConditBox%1").arg(n), {x + 48, 56, 52, 22}, conditionOperators());
        *value =
            place(new QLineEdit(QStringLiteral("0"), this), QStringLiteral("CTacVal%1").arg(n), {x + 106, 56, 40, 22});
        (*value)->setToolTip(hint);
        (*value)->setValidator(noCommaValidator(4, *value));
        *spin = place(new TUpDown(QStringLiteral("UpDown%1").arg(n), this), QStringLiteral("UpDown%1").arg(n),
                      {x + 147, 56, 16, 22});
    };
    conditionColumn(10, &CEventBox, &ConditBox1, &CTacVal1, &UpDown1, 1);
    conditionColumn(190, &CEventBox2, &ConditBox2, &CTacVal2, &UpDown2, 2);

    ListNewTac1 = place(new QListWidget(this), QStringLiteral("ListNewTac1"), {10, 84, 354, 36});
    TheNewTactic = place(new QLineEdit(this), QStringLiteral("TheNewTactic"), {0, 0, 10, 10});
    TheNewTactic->hide();
    TimeCheck = place(new QCheckBox(QStringLiteral("Increment Time Intervals"), this), QStringLiteral("TimeCheck"),
                      {370, 56, 175, 20});
    placeText(QStringLiteral("in 15 minute steps"), this, 390, 76);
    auto* explain =
        placeText(QStringLiteral("Use the following Team Strategy when the above conditions are true."), this, 10, 126);
    explain->setWordWrap(true);
    explain->setGeometry(10, 124, 230, 32);
    TeamStratBox1 = placeList(this, QStringLiteral("TeamStratBox1"), {244, 128, 120, 22}, kInitialStrategies);
    AddTacButton1 = place(new QPushButton(QStringLiteral("Add Tactic ->"), this), QStringLiteral("AddTacButton1"),
                          {10, 162, 110, 26});
    ResetTacButton = place(new QPushButton(QStringLiteral("Reset Above"), this), QStringLiteral("ResetTacButton"),
                           {130, 162, 100, 26});
    ResetTacButton->setStyleSheet(QStringLiteral("color: #8b0000;"));
    placeText(QStringLiteral("Current Team Tactics"), this, 372, 100);
    TeamTacListBox1 = place(new QListWidget(this), QStringLiteral("TeamTacListBox1"), {372, 118, 150, 74});
    TTUpDown = place(new TUpDown(QStringLiteral("TTUpDown"), this), QStringLiteral("TTUpDown"), {524, 118, 18, 40});
    auto* del = placeText(QStringLiteral("Double Click on a Tactic to delete it"), this, 372, 194);
    auto* move = placeText(QStringLiteral("Select Tactic and use arrows to move it"), this, 372, 208);
    QFont small = del->font();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    del->setFont(small);
    move->setFont(small);
    TeamTacSaveBtn = place(new QPushButton(QStringLiteral("&Save && Exit"), this), QStringLiteral("TeamTacSaveBtn"),
                           {10, 198, 110, 28});
    TeamCancelBtn =
        place(new QPushButton(QStringLiteral("Cancel"), this), QStringLiteral("TeamCancelBtn"), {130, 198, 100, 28});
    for (QPushButton* b : {AddTacButton1, ResetTacButton, TeamTacSaveBtn, TeamCancelBtn})
        b->setAutoDefault(false);
    TeamTacSaveBtn->setDefault(true);

    for (QComboBox* box : {CEventBox, ConditBox1, CEventBox2, ConditBox2})
        connect(box, &QComboBox::currentIndexChanged, this, &TTeamTacticForm::OnTacticChange);
    for (QLineEdit* value : {CTacVal1, CTacVal2}) {
        connect(value, &QLineEdit::textChanged, this,
                [this, value] { runAsCommand([this, value] { CTacValChange(value); }); });
        value->installEventFilter(this);
    }
    connect(UpDown1, &TUpDown::clicked, this,
            [this](bool up) { runAsCommand([this, up] { UpDownClick(CTacVal1, CEventBox, up); }); });
    connect(UpDown2, &TUpDown::clicked, this,
            [this](bool up) { runAsCommand([this, up] { UpDownClick(CTacVal2, CEventBox2, up); }); });
    connect(AddTacButton1, &QPushButton::clicked, this, [this] { runAsCommand([this] { AddTacButton1Click(); }); });
    connect(ResetTacButton, &QPushButton::clicked, this, [this] { runAsCommand([this] { ResetTacButtonClick(); }); });
    connect(TeamTacListBox1, &QListWidget::itemDoubleClicked, this,
            [this] { runAsCommand([this] { TeamTacListBox1DblClick(); }); });
    onDeleteKey(TeamTacListBox1, [this] { runAsCommand([this] { TeamTacListBox1DeleteKey(); }); });
    // The arrows are no Tab stops: Up and Down in a value field step it, Ctrl+Up and Ctrl+Down in the list move
    // the picked tactic.
    UpDown1->stepWithKeys(CTacVal1);
    UpDown2->stepWithKeys(CTacVal2);
    TTUpDown->stepWithKeys(TeamTacListBox1, Qt::ControlModifier);
    connect(TTUpDown, &TUpDown::clicked, this, [this](bool up) { runAsCommand([this, up] { TTUpDownClick(up); }); });
    connect(TeamTacSaveBtn, &QPushButton::clicked, this, [this] { runAsCommand([this] { TeamTacSaveBtnClick(); }); });
    connect(TeamCancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    FormCreate();
}

void TTeamTacticForm::FormCreate()
{
    TeamTacListBox1->addItems(m_main->TacticChanges);
    TimeCheck->setChecked(m_main->TimeStepsOn);
    StartStratBox->clear();
    TeamStratBox1->clear();
    const QStringList presets = strategyPresets(*m_main->IniFile, m_main->isMswl());
    StartStratBox->addItems(presets);
    TeamStratBox1->addItems(presets);
    TeamStratBox1->setCurrentIndex(-1);
    int start = StartStratBox->count() > 0 ? 0 : -1;
    for (int i = 0; i < StartStratBox->count(); ++i)
        if (strategyCode(StartStratBox->itemText(i)) == m_main->TeamTactic && !m_main->TeamTactic.isEmpty()) {
            start = i;
            break;
        }
    StartStratBox->setCurrentIndex(start);
}

namespace {
// A lone "-" is the start of a negative value being typed.
bool isLoneMinus(const QLineEdit* value)
{
    return value->text() == QLatin1String("-");
}
} // namespace

Condition TTeamTacticForm::condition(QComboBox* event, QComboBox* op, QLineEdit* value) const
{
    return {event->currentIndex() >= 0 ? event->currentText() : QString(),
            op->currentIndex() >= 0 ? op->currentText() : QString(),
            isLoneMinus(value) ? QStringLiteral("0") : value->text()};
}

void TTeamTacticForm::finishValue(QLineEdit* value)
{
    if (isLoneMinus(value))
        value->setText(QStringLiteral("0")); // runs the value rule and the rebuild
}

bool TTeamTacticForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut)
        for (QLineEdit* value : {CTacVal1, CTacVal2})
            if (watched == value)
                finishValue(value);
    return QDialog::eventFilter(watched, event);
}

void TTeamTacticForm::done(int result)
{
    finishValue(CTacVal1);
    finishValue(CTacVal2);
    QDialog::done(result);
}

void TTeamTacticForm::OnTacticChange()
{
    const Condition c1 = condition(CEventBox, ConditBox1, CTacVal1);
    const Condition c2 = condition(CEventBox2, ConditBox2, CTacVal2);
    ListNewTac1->clear();
    ListNewTac1->addItems(describeTacticConditions(c1, c2));
    TheNewTactic->setText(encodeTacticConditions(c1, c2));
}

void TTeamTacticForm::CTacValChange(QLineEdit* value)
{
    if (m_adjusting)
        return;
    // While the manager types, a lone "-" stays (it counts as 0 for the rebuild); it becomes "0" when the field
    // loses the focus or the editor closes.
    const int v = parseWholeNumber(value->text()).value_or(0);
    const QString corrected = isLoneMinus(value) ? value->text()
                              : v > 90           ? QStringLiteral("90")
                              : v < -90          ? QStringLiteral("-90")
                              : v == 0           ? QStringLiteral("0")
                                                 : value->text();
    if (corrected != value->text()) {
        m_adjusting = true;
        value->setText(corrected);
        m_adjusting = false;
    }
    OnTacticChange();
}

void TTeamTacticForm::UpDownClick(QLineEdit* value, QComboBox* event, bool up)
{
    value->setText(stepConditionValue(value->text(), event->currentIndex() >= 0 ? event->currentText() : QString(),
                                      TimeCheck->isChecked(), up ? StepDirection::Up : StepDirection::Down));
    CTacValChange(value); // also when the text did not change: the rebuild follows every press
}

void TTeamTacticForm::AddTacButton1Click()
{
    if (TeamTacListBox1->count() >= 5) {
        MessageBox::plain(this, QStringLiteral("Only FIVE Team Conditionals allowed."),
                          QStringLiteral("Maximum Reached"));
        return;
    }
    if (TheNewTactic->text().isEmpty())
        return;
    const QString code = TeamStratBox1->currentIndex() >= 0 ? strategyCode(TeamStratBox1->currentText()) : QString();
    TeamTacListBox1->addItem(TheNewTactic->text() + QLatin1Char(',') + (code.isEmpty() ? QStringLiteral("N") : code));
}

void TTeamTacticForm::TeamTacListBox1DblClick()
{
    if (QListWidgetItem* item = TeamTacListBox1->currentItem())
        deleteListEntry(TeamTacListBox1, item);
}

void TTeamTacticForm::TeamTacListBox1DeleteKey()
{
    if (QListWidgetItem* item = framedEntry(TeamTacListBox1))
        deleteListEntry(TeamTacListBox1, item);
}

void TTeamTacticForm::TTUpDownClick(bool up)
{
    const int i = TeamTacListBox1->currentRow();
    const int t = up ? i - 1 : i + 1;
    if (i < 0 || TeamTacListBox1->count() == 0 || t < 0 || t >= TeamTacListBox1->count())
        return;
    QListWidgetItem* item = TeamTacListBox1->takeItem(i);
    TeamTacListBox1->insertItem(t, item);
    TeamTacListBox1->setCurrentRow(t);
}

void TTeamTacticForm::ResetTacButtonClick()
{
    m_adjusting = true;
    for (QComboBox* box : {CEventBox, ConditBox1, CEventBox2, ConditBox2, TeamStratBox1}) {
        const QSignalBlocker block(box);
        box->setCurrentIndex(-1);
    }
    CTacVal1->setText(QStringLiteral("0"));
    CTacVal2->setText(QStringLiteral("0"));
    m_adjusting = false;
    ListNewTac1->clear();
    TheNewTactic->clear();
}

void TTeamTacticForm::TeamTacSaveBtnClick()
{
    m_main->TacticChanges.clear();
    m_main->TTListBox->clear();
    QStringList lines;
    for (int i = 0; i < TeamTacListBox1->count(); ++i)
        lines.append(TeamTacListBox1->item(i)->text());
    m_main->TacticChanges = lines.mid(0, 5);
    m_main->TTListBox->addItems(lines);
    const QString code = StartStratBox->currentIndex() >= 0 ? strategyCode(StartStratBox->currentText()) : QString();
    m_main->TeamTactic = code.isEmpty() ? QStringLiteral("N") : code;
    accept();
}
