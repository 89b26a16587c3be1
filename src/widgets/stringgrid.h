// A grid of text cells in the manner of the league tools: row 0 (and, when asked, column 0) are fixed caption
// cells drawn in the window colour, cells take no typing, and a mouse release reports where it happened.
// Only the left button makes the clicked cell current.
#pragma once

#include <QTableWidget>

class TStringGrid : public QTableWidget {
    Q_OBJECT
public:
    TStringGrid(const QString& name, int columns, int rows, bool fixedColumn, QWidget* parent);

    QString cellText(int col, int row) const;
    void setCellText(int col, int row, const QString& text);
    void setColumnWidths(const QList<int>& widths);
    void setRowHeights(int height);

signals:
    // pos in the grid's own coordinates (its left edge is x = 0).
    void mouseUp(const QPoint& pos, Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void styleFixed(int col, int row, QTableWidgetItem* item) const;
    bool m_fixedColumn;
};
