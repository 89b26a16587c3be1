#include "stringgrid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

// How a caption cell looks: the window colour with a raised edge, the text at the left, never highlighted.
void paintCaption(QPainter* p, const QRect& rect, const QPalette& palette, const QString& text)
{
    p->save();
    p->fillRect(rect, palette.color(QPalette::Window));
    p->setPen(palette.color(QPalette::Light));
    p->drawLine(rect.topLeft(), rect.topRight());
    p->drawLine(rect.topLeft(), rect.bottomLeft());
    p->setPen(palette.color(QPalette::Dark));
    p->drawLine(rect.bottomLeft(), rect.bottomRight());
    p->drawLine(rect.topRight(), rect.bottomRight());
    p->setPen(palette.color(QPalette::Active, QPalette::WindowText));
    p->drawText(rect.adjusted(3, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    p->restore();
}

// The captions of row 0 (horizontal) or column 0 (vertical), read from the grid's own cells.
class TCaptionHeader : public QHeaderView {
public:
    TCaptionHeader(Qt::Orientation orientation, QWidget* parent)
        : QHeaderView(orientation, parent)
    {
        setSectionsClickable(false);
        setHighlightSections(false);
        setSectionsMovable(false);
        setSectionResizeMode(QHeaderView::Fixed);
        setMinimumSectionSize(1);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override
    {
        const QModelIndex cell =
            orientation() == Qt::Horizontal ? model()->index(0, logicalIndex) : model()->index(logicalIndex, 0);
        paintCaption(painter, rect, palette(), cell.data().toString());
    }
};

// The caption cell where row 0 and column 0 meet, over the table's corner.
class TCaptionCorner : public QWidget {
public:
    explicit TCaptionCorner(TStringGrid* grid)
        : QWidget(grid)
        , m_grid(grid)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        paintCaption(&p, rect(), palette(), m_grid->cellText(0, 0));
    }

private:
    TStringGrid* m_grid;
};

} // namespace

TStringGrid::TStringGrid(const QString& name, int columns, int rows, bool fixedColumn, QWidget* parent)
    : QTableWidget(rows, columns, parent)
    , m_fixedColumn(fixedColumn)
{
    setObjectName(name);
    setHorizontalHeader(new TCaptionHeader(Qt::Horizontal, this));
    setVerticalHeader(new TCaptionHeader(Qt::Vertical, this));
    horizontalHeader()->setFixedHeight(16);
    verticalHeader()->setVisible(fixedColumn);
    if (fixedColumn) {
        verticalHeader()->setFixedWidth(64);
        m_corner = new TCaptionCorner(this);
    }
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setCornerButtonEnabled(false);
    // One stop in the Tab order: the arrow keys move inside, Tab and Shift+Tab leave.
    setTabKeyNavigation(false);
    // The grid's own clicks and keys open its menus; no second menu on the same press.
    setContextMenuPolicy(Qt::PreventContextMenu);
    hideCaptionCells();
    connect(model(), &QAbstractItemModel::rowsInserted, this, &TStringGrid::hideCaptionCells);
    connect(model(), &QAbstractItemModel::columnsInserted, this, &TStringGrid::hideCaptionCells);
    connect(model(), &QAbstractItemModel::modelReset, this, &TStringGrid::hideCaptionCells);
    connect(model(), &QAbstractItemModel::dataChanged, this, [this](const QModelIndex& from, const QModelIndex&) {
        if (from.row() == 0)
            horizontalHeader()->viewport()->update();
        if (from.column() == 0)
            verticalHeader()->viewport()->update();
        if (m_corner && from.row() == 0 && from.column() == 0)
            m_corner->update();
    });
}

TStringGrid::~TStringGrid()
{
    model()->disconnect(this);
}

void TStringGrid::hideCaptionCells()
{
    if (rowCount() > 0 && !isRowHidden(0))
        setRowHidden(0, true);
    if (m_fixedColumn && columnCount() > 0 && !isColumnHidden(0))
        setColumnHidden(0, true);
}

QString TStringGrid::cellText(int col, int row) const
{
    const QTableWidgetItem* it = item(row, col);
    return it ? it->text() : QString();
}

void TStringGrid::setCellText(int col, int row, const QString& text)
{
    QTableWidgetItem* it = item(row, col);
    if (!it) {
        if (text.isEmpty())
            return;
        it = new QTableWidgetItem;
        setItem(row, col, it);
    }
    it->setText(text);
}

void TStringGrid::setColumnWidths(const QList<int>& widths)
{
    for (int c = 0; c < widths.size() && c < columnCount(); ++c)
        setColumnWidth(c, widths.at(c));
    // The hidden caption column lends its width to the header that shows it.
    if (m_fixedColumn && !widths.isEmpty())
        verticalHeader()->setFixedWidth(widths.first());
}

void TStringGrid::setRowHeights(int height)
{
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(height);
    horizontalHeader()->setFixedHeight(height);
}

QRect TStringGrid::cellRect(int col, int row) const
{
    const QHeaderView* h = horizontalHeader();
    const QHeaderView* v = verticalHeader();
    const bool captionColumn = m_fixedColumn && col == 0;
    const int x = captionColumn ? v->x() : viewport()->x() + h->sectionViewportPosition(col);
    const int w = captionColumn ? v->width() : h->sectionSize(col);
    const int y = row == 0 ? h->y() : viewport()->y() + v->sectionViewportPosition(row);
    const int height = row == 0 ? h->height() : v->sectionSize(row);
    return QRect(x, y, w, height);
}

void TStringGrid::updateGeometries()
{
    QTableWidget::updateGeometries();
    if (m_corner) {
        const QRect vp = viewport()->geometry();
        m_corner->setGeometry(vp.left() - verticalHeader()->width(), vp.top() - horizontalHeader()->height(),
                              verticalHeader()->width(), horizontalHeader()->height());
        m_corner->raise();
    }
}

void TStringGrid::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        QTableWidget::mousePressEvent(event);
}

void TStringGrid::mouseReleaseEvent(QMouseEvent* event)
{
    QTableWidget::mouseReleaseEvent(event);
    emit mouseUp(viewport()->mapTo(this, event->position().toPoint()), event->button());
}

void TStringGrid::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const auto mods = event->modifiers() & ~Qt::KeypadModifier;
    const bool plain = mods == Qt::NoModifier;
    if ((plain && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space || key == Qt::Key_Menu)) ||
        (mods == Qt::ShiftModifier && key == Qt::Key_F10)) {
        event->accept();
        emit keyActivated();
        return;
    }
    QTableWidget::keyPressEvent(event);
}
