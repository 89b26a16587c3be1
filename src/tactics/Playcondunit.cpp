#include "Playcondunit.h"

#include "app/sqmainform.h"
#include "check/orderscheck.h"
#include "encodings.h"
#include "settings/Changeseasonlengthunit.h"
#include "squad/squadtable.h"
#include "widgets/stringgrid.h"
#include "widgets/widgets.h"

#include "widgets/placement.h"
#include "widgets/titlestrip.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainterPath>
#include <QPushButton>
#include <QRegion>
#include <QStyledItemDelegate>

namespace {
// Draws each substitute slot of an action list with its holder beside it ("S1   Joe Blake"); the item's own
// text, which the cell takes, stays "S1".
class SlotHolderDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const QString holder = index.data(Qt::UserRole).toString();
        if (!holder.isEmpty())
            option->text += QStringLiteral("   ") + holder;
    }
};
} // namespace

TPlayCondForm::TPlayCondForm(TSQMainForm* main)
    : QDialog(main)
    , m_main(main)
    , m_row(main->RosterStringGrid->currentRow())
    , m_col(main->RosterStringGrid->currentColumn())
{
    // The editor draws its own title strip above its 557 by 272 body, so that its rounded outline is the whole
    // window: no window manager's frame stands apart from it.
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    const int strip = TTitleStrip::Height;
    styleDialog(this, QStringLiteral("PlayCondForm"), QStringLiteral("Player Conditionals"), {557, 272 + strip});
    QPainterPath outline;
    outline.addRoundedRect(QRectF(0, 0, 557, 272 + strip), 15, 15);
    setMask(QRegion(outline.toFillPolygon().toPolygon()));
    // A thin border along the outline, as a frame would draw.
    auto* border = new TOutlineBorder(outline, this);
    border->setGeometry(0, 0, 557, 272 + strip);

    placeText(QStringLiteral("Conditionals for"), this, 14, 10);
    playerLabel = place(new QLabel(this), QStringLiteral("playerLabel"), {120, 8, 200, 20});
    playerLabel->setTextFormat(Qt::PlainText);
    playerLabel->setStyleSheet(QStringLiteral("color: green; font-weight: bold;"));

    SubsHoldersLabel = place(new QLabel(this), QStringLiteral("SubsHoldersLabel"), {14, 30, 312, 32});
    SubsHoldersLabel->setWordWrap(true);
    SubsHoldersLabel->setTextFormat(Qt::PlainText);
    MarkPanel = place(new QFrame(this), QStringLiteral("MarkPanel"), {330, 4, 220, 56});
    placeText(QStringLiteral("Mark Player (1)"), MarkPanel, 4, 6);
    placeText(QStringLiteral("Mark Player (2)"), MarkPanel, 4, 32);
    for (QComboBox** box : {&MP1Combo, &MP2Combo}) {
        const bool first = box == &MP1Combo;
        *box = place(new QComboBox(MarkPanel), first ? QStringLiteral("MP1Combo") : QStringLiteral("MP2Combo"),
                     {100, first ? 2 : 28, 114, 22});
        (*box)->setEditable(true);
        (*box)->setInsertPolicy(QComboBox::NoInsert);
        (*box)->lineEdit()->setValidator(noCommaValidator(255, *box));
        (*box)->setStyleSheet(QStringLiteral("color: navy; background: rgb(240, 251, 255);"));
    }

    const int top = 84;
    const QStringList headings = {QStringLiteral("Event"),  QStringLiteral("Operator"), QStringLiteral("Value"),
                                  QStringLiteral("Event"),  QStringLiteral("Operator"), QStringLiteral("Value"),
                                  QStringLiteral("Action"), QStringLiteral("Position")};
    const int xs[] = {44, 92, 146, 206, 254, 308, 374, 430};
    for (int i = 0; i < 8; ++i)
        placeText(headings.at(i), this, xs[i], top - 18);
    const QString hint = QStringLiteral("Enter Numeric Goal Difference or Minutes played");
    const char* letters[] = {"A", "B", "C"};
    const char* ordinals[] = {"1st", "2nd", "3rd"};
    for (int r = 0; r < 3; ++r) {
        const QString L = QString::fromLatin1(letters[r]);
        const int y = top + r * 30;
        Row& row = rows[r];
        placeText(QString::fromLatin1(ordinals[r]), this, 12, y + 3);
        row.event1 = placeList(this, QStringLiteral("CEventBox") + L + QStringLiteral("1"), {xs[0], y, 44, 22},
                               conditionEvents());
        row.op1 = placeList(this, QStringLiteral("ConditBox") + L + QStringLiteral("1"), {xs[1], y, 50, 22},
                            conditionOperators());
        row.value1 =
            place(new QLineEdit(this), QStringLiteral("CTacVal") + L + QStringLiteral("1"), {xs[2], y, 40, 22});
        row.spin1 = place(new TUpDown(QString(), this), QStringLiteral("UpDown") + L + QStringLiteral("1"),
                          {xs[2] + 41, y, 14, 22});
        row.event2 = placeList(this, QStringLiteral("CEventBox") + L + QStringLiteral("2"), {xs[3], y, 44, 22},
                               conditionEvents());
        row.op2 = placeList(this, QStringLiteral("ConditBox") + L + QStringLiteral("2"), {xs[4], y, 50, 22},
                            conditionOperators());
        row.value2 =
            place(new QLineEdit(this), QStringLiteral("CTacVal") + L + QStringLiteral("2"), {xs[5], y, 40, 22});
        row.spin2 = place(new TUpDown(QString(), this), QStringLiteral("UpDown") + L + QStringLiteral("2"),
                          {xs[5] + 41, y, 14, 22});
        row.action = placeList(this, QStringLiteral("ActionBox%1").arg(L), {xs[6], y, 52, 22}, conditionalActions());
        row.position = placeList(this, QStringLiteral("PosBox%1").arg(L), {xs[7], y, 52, 22}, {});
        row.reset = place(new QPushButton(QStringLiteral("Reset"), this), QStringLiteral("TacReset%1Btn").arg(r + 1),
                          {490, y, 56, 22});
        row.reset->setAutoDefault(false);
        for (QLineEdit* value : {row.value1, row.value2}) {
            value->setToolTip(hint);
            // Typed text is taken as it is, but never a comma, and at most 4 characters.
            value->setValidator(noCommaValidator(4, value));
        }
        // The arrows are no Tab stops: Up and Down in the value field step it.
        row.spin1->stepWithKeys(row.value1);
        row.spin2->stepWithKeys(row.value2);
        connect(row.spin1, &TUpDown::clicked, this,
                [this, r](bool up) { runAsCommand([this, r, up] { UpDownClick(r, 1, up); }); });
        connect(row.spin2, &TUpDown::clicked, this,
                [this, r](bool up) { runAsCommand([this, r, up] { UpDownClick(r, 2, up); }); });
        connect(row.reset, &QPushButton::clicked, this,
                [this, r] { runAsCommand([this, r] { TacResetBtnClick(r); }); });
    }

    TimeCheck = place(new QCheckBox(QStringLiteral("Increment Time Intervals"), this), QStringLiteral("TimeCheck"),
                      {14, 180, 180, 20});
    placeText(QStringLiteral("in 15 minute steps"), this, 34, 200);
    for (const auto& [note, y] :
         {std::pair{QStringLiteral("Time conditionals should be for events forward in time. i.e. use > or >="), 176},
          std::pair{QStringLiteral("Press Cancel to delete the Conditional in the main table"), 204}}) {
        QLabel* l = placeText(note, this, 196, y);
        l->setWordWrap(true);
        l->setGeometry(196, y, 350, 28);
    }
    DoneBtn = place(new QPushButton(QStringLiteral("Done"), this), QStringLiteral("DoneBtn"), {180, 232, 90, 28});
    DoneBtn->setToolTip(QStringLiteral("Save & Return"));
    CancelBtn = place(new QPushButton(QStringLiteral("Cancel"), this), QStringLiteral("CancelBtn"), {290, 232, 90, 28});
    for (QPushButton* b : {DoneBtn, CancelBtn})
        b->setAutoDefault(false);
    DoneBtn->setDefault(true);
    connect(DoneBtn, &QPushButton::clicked, this, [this] { runAsCommand([this] { DoneBtnClick(); }); });
    connect(CancelBtn, &QPushButton::clicked, this, [this] { runAsCommand([this] { CancelBtnClick(); }); });
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child != border)
            child->move(child->pos() + QPoint(0, strip));
    auto* title = new TTitleStrip(this, TTitleStrip::CloseOnly, 14);
    title->setGeometry(0, 0, 557, strip);
    border->raise();
    FormCreate();
}

QList<QWidget*> TPlayCondForm::fieldControls() const
{
    QList<QWidget*> controls = {MP1Combo, MP2Combo};
    for (const Row& r : rows)
        controls << r.event1 << r.op1 << r.value1 << r.event2 << r.op2 << r.value2 << r.action << r.position;
    return controls;
}

void TPlayCondForm::FormCreate()
{
    const bool mswl = m_main->isMswl();
    MarkPanel->setVisible(mswl);
    if (mswl)
        for (QComboBox* box : {MP1Combo, MP2Combo}) {
            box->addItem(QString());
            box->addItems(m_main->OppPlayers);
            box->setCurrentIndex(-1);
        }
    for (Row& r : rows)
        r.position->addItems(conditionalPositions(mswl));
    for (Row& r : rows)
        r.position->setCurrentIndex(-1);
    TimeCheck->setChecked(m_main->TimeStepsOn);

    const QString cell = m_main->RosterStringGrid->cellText(ColConditionals, m_row);
    if (!cell.isEmpty()) {
        const QStringList fields = decodeConditionalsCell(cell);
        const QList<QWidget*> controls = fieldControls();
        for (int k = 0; k < fields.size(); ++k) {
            QWidget* control = controls.at(k);
            if (k < 2) {
                static_cast<QComboBox*>(control)->setEditText(fields.at(k));
            } else if (auto* value = qobject_cast<QLineEdit*>(control)) {
                value->setText(fields.at(k));
            } else {
                auto* box = static_cast<QComboBox*>(control);
                const Qt::CaseSensitivity cs = (k == 2 || k == 3) ? Qt::CaseInsensitive : Qt::CaseSensitive;
                int found = -1;
                for (int i = 0; i < box->count() && found < 0; ++i)
                    if (box->itemText(i).compare(fields.at(k), cs) == 0)
                        found = i;
                box->setCurrentIndex(found);
            }
        }
    }
    playerLabel->setText(m_main->RosterStringGrid->cellText(ColName, m_row));

    // Beside each action list: who comes on for each slot.
    const SquadTable table = m_main->squadTable();
    QStringList holders;
    for (int k = 1; k <= 5; ++k) {
        const QString who = substituteInSlot(table, k);
        holders.append(QStringLiteral("S%1 %2").arg(k).arg(who.isEmpty() ? QStringLiteral("(nobody)") : who));
        for (Row& r : rows) {
            const int item = r.action->findText(QStringLiteral("S%1").arg(k));
            r.action->setItemData(item, plainHint(holders.last()), Qt::ToolTipRole);
            r.action->setItemData(item, who.isEmpty() ? QStringLiteral("(nobody)") : who, Qt::UserRole);
        }
    }
    SubsHoldersLabel->setText(QStringLiteral("Substitutes: ") + holders.join(QLatin1String(", ")));
    for (Row& r : rows) {
        QComboBox* action = r.action;
        action->view()->setItemDelegate(new SlotHolderDelegate(action));
        int wide = 0;
        for (int i = 0; i < action->count(); ++i)
            wide =
                std::max(wide, action->fontMetrics().horizontalAdvance(action->itemText(i) + QStringLiteral("   ") +
                                                                       action->itemData(i, Qt::UserRole).toString()));
        action->view()->setMinimumWidth(wide + 24);
        auto showHolder = [action] { action->setToolTip(action->currentData(Qt::ToolTipRole).toString()); };
        connect(action, &QComboBox::currentIndexChanged, action, showHolder);
        showHolder();
    }
}

void TPlayCondForm::UpDownClick(int row, int condition, bool up)
{
    const Row& r = rows[row];
    QLineEdit* value = condition == 1 ? r.value1 : r.value2;
    const QString event = chosenText(condition == 1 ? r.event1 : r.event2);
    value->setText(
        stepConditionValue(value->text(), event, TimeCheck->isChecked(), up ? StepDirection::Up : StepDirection::Down));
}

void TPlayCondForm::TacResetBtnClick(int row)
{
    Row& r = rows[row];
    for (QComboBox* box : {r.event1, r.op1, r.event2, r.op2, r.action, r.position})
        box->setCurrentIndex(-1);
    r.value1->clear();
    r.value2->clear();
}

void TPlayCondForm::DoneBtnClick()
{
    const bool marks = !MarkPanel->isHidden();
    Conditional c[3];
    for (int i = 0; i < 3; ++i) {
        const Row& r = rows[i];
        c[i] = {{chosenText(r.event1), chosenText(r.op1), r.value1->text()},
                {chosenText(r.event2), chosenText(r.op2), r.value2->text()},
                chosenText(r.action),
                chosenText(r.position)};
    }
    m_main->RosterStringGrid->setCellText(m_col, m_row,
                                          encodeConditionalsCell(marks ? MP1Combo->currentText() : QString(),
                                                                 marks ? MP2Combo->currentText() : QString(), c[0],
                                                                 c[1], c[2]));
    accept();
}

void TPlayCondForm::CancelBtnClick()
{
    m_main->RosterStringGrid->setCellText(m_col, m_row, QString());
    reject();
}
