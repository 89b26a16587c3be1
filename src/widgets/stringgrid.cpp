#include "stringgrid.h"

#include <QHeaderView>
#include <QMouseEvent>

TStringGrid::TStringGrid(const QString& name, int columns, int rows, bool fixedColumn, QWidget* parent)
    : QTableWidget(rows, columns, parent)
    , m_fixedColumn(fixedColumn)
{
    setObjectName(name);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setCornerButtonEnabled(false);
}

void TStringGrid::styleFixed(int col, int row, QTableWidgetItem* item) const
{
    if (row == 0 || (m_fixedColumn && col == 0)) {
        item->setBackground(palette().color(QPalette::Window));
    }
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
        styleFixed(col, row, it);
        setItem(row, col, it);
    }
    it->setText(text);
}

void TStringGrid::setColumnWidths(const QList<int>& widths)
{
    for (int c = 0; c < widths.size() && c < columnCount(); ++c)
        setColumnWidth(c, widths.at(c));
}

void TStringGrid::setRowHeights(int height)
{
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(height);
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
