#include "orderscheckform.h"

#include "app/sqmainform.h"
#include "tactics/Playcondunit.h"
#include "tactics/teamtacticform.h"

#include <QChildEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
// A tree view asks its rows for their height without the column's width; this one wraps each text at the
// width its column has now, so every sentence is shown whole.
class WrappingDelegate : public QStyledItemDelegate {
public:
    explicit WrappingDelegate(QTreeView* view)
        : QStyledItemDelegate(view)
        , m_view(view)
    {
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const int width = std::max(20, m_view->columnWidth(index.column()) - 8);
        const QRect text = opt.fontMetrics.boundingRect(QRect(0, 0, width, 100000), Qt::TextWordWrap, opt.text);
        return {width, std::max(QStyledItemDelegate::sizeHint(option, index).height(), text.height() + 4)};
    }

private:
    QTreeView* m_view;
};
} // namespace

TOrdersCheckForm::TOrdersCheckForm(TSQMainForm* main)
    : QWidget(main, Qt::Window)
    , m_main(main)
{
    setObjectName(QStringLiteral("OrdersCheckForm"));
    setWindowTitle(QStringLiteral("Orders Check"));
    resize(720, 360);

    auto* layout = new QVBoxLayout(this);
    FindingsSummary = new QLabel(this);
    FindingsSummary->setObjectName(QStringLiteral("FindingsSummary"));
    QFont bold = FindingsSummary->font();
    bold.setBold(true);
    FindingsSummary->setFont(bold);
    layout->addWidget(FindingsSummary);

    FindingsList = new QTreeWidget(this);
    FindingsList->setObjectName(QStringLiteral("FindingsList"));
    FindingsList->setColumnCount(4);
    FindingsList->setHeaderLabels(
        {QStringLiteral("Severity"), QStringLiteral("Place"), QStringLiteral("Finding"), QStringLiteral("Code")});
    FindingsList->setRootIsDecorated(false);
    FindingsList->setUniformRowHeights(false);
    FindingsList->setWordWrap(true); // the whole sentence, over as many lines as it needs
    FindingsList->setItemDelegate(new WrappingDelegate(FindingsList));
    FindingsList->setAllColumnsShowFocus(true);
    FindingsList->header()->setStretchLastSection(false);
    FindingsList->header()->setSectionResizeMode(2, QHeaderView::Stretch);
    FindingsList->setColumnWidth(0, 64);
    FindingsList->setColumnWidth(1, 180);
    FindingsList->setColumnWidth(3, 40);
    layout->addWidget(FindingsList, 1);
    // Row heights follow the width the sentences now have.
    connect(FindingsList->header(), &QHeaderView::sectionResized, FindingsList,
            [this] { FindingsList->doItemsLayout(); });
    connect(FindingsList, &QTreeWidget::activated, this,
            [this](const QModelIndex& index) { FindingsListActivated(index.row()); });

    auto* buttons = new QHBoxLayout;
    auto* hint = new QLabel(QStringLiteral("Double click a finding, or press Enter, to go to its place."), this);
    buttons->addWidget(hint, 1);
    CloseBtn = new QPushButton(QStringLiteral("Close"), this);
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
    buttons->addWidget(CloseBtn);
    layout->addLayout(buttons);
    connect(CloseBtn, &QPushButton::clicked, this, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    connect(main, &TSQMainForm::commandDone, this, [this] {
        if (isVisible())
            refresh();
    });
    // The editors are the main window's dialogs: the window learns of one as it is made ready to show.
    main->installEventFilter(this);
}

bool TOrdersCheckForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_main && event->type() == QEvent::ChildPolished) {
        QObject* child = static_cast<QChildEvent*>(event)->child();
        if ((qobject_cast<TPlayCondForm*>(child) || qobject_cast<TTeamTacticForm*>(child)) && child != m_editor) {
            m_editor = static_cast<QWidget*>(child);
            // Once it is gone, the list shows what it left behind (the command that opened it refreshes too).
            connect(m_editor, &QObject::destroyed, this, [this] {
                if (isVisible())
                    refresh();
            });
            if (isVisible())
                refresh();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TOrdersCheckForm::refresh()
{
    const QTreeWidgetItem* current = FindingsList->currentItem();
    const QString keep =
        current ? current->text(3) + QLatin1Char('|') + current->text(1) + QLatin1Char('|') + current->text(2)
                : QString();
    m_findings = m_main->checkOrders();
    FindingsSummary->setText(findingsSummary(m_findings) + (m_editor ? QStringLiteral(" (editing...)") : QString()));
    FindingsList->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(m_findings.size());
    QTreeWidgetItem* again = nullptr;
    for (const Finding& f : m_findings) {
        auto* item = new QTreeWidgetItem({severityText(f.severity), f.place, f.sentence, f.code});
        item->setToolTip(2, f.sentence);
        item->setForeground(0, f.severity == Severity::Error ? QColor(190, 0, 0) : QColor(160, 100, 0));
        if (!keep.isEmpty() && f.code + QLatin1Char('|') + f.place + QLatin1Char('|') + f.sentence == keep)
            again = item;
        items.append(item);
    }
    FindingsList->addTopLevelItems(items);
    if (again)
        FindingsList->setCurrentItem(again);
}

void TOrdersCheckForm::FindingsListActivated(int index)
{
    if (index < 0 || index >= m_findings.size())
        return;
    const Finding finding = m_findings.at(index); // the list is rebuilt once the command has run
    m_main->guard([this, finding] { m_main->goToFinding(finding); });
}
