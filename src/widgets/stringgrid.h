// A grid of text cells in the manner of the league tools: row 0 (and, when asked, column 0) are fixed caption
// cells drawn in the window colour, cells take no typing, and a mouse release reports where it happened.
// Only the left button makes the clicked cell current.
//
// The caption cells stay in the table (cellText(c, 0), cellText(0, r)), but the view hides that row and
// column and shows them in its own headers, so they never scroll away and can never be selected or made
// current. Enter, Space, the Menu key and Shift+F10 report a keyboard "click" on the current cell; the grid
// is a single stop in the Tab order.
#pragma once

#include <QTableWidget>

class QWidget;

class TStringGrid : public QTableWidget {
    Q_OBJECT
public:
    TStringGrid(const QString& name, int columns, int rows, bool fixedColumn, QWidget* parent);
    // The model outlives this class's part of the object while the widget is torn down; its last signals
    // must not reach the grid's handlers then.
    ~TStringGrid() override;

    QString cellText(int col, int row) const;
    void setCellText(int col, int row, const QString& text);
    void setColumnWidths(const QList<int>& widths);
    void setRowHeights(int height);

    // Where the cell is drawn, in the grid's own coordinates; caption cells included.
    QRect cellRect(int col, int row) const;

signals:
    // pos in the grid's own coordinates (its left edge is x = 0).
    void mouseUp(const QPoint& pos, Qt::MouseButton button);
    // The manager pressed Enter, Space, the Menu key or Shift+F10 on the current cell.
    void keyActivated();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void updateGeometries() override;

private:
    void hideCaptionCells();
    bool m_fixedColumn;
    QWidget* m_corner = nullptr;
};
