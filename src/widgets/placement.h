// Placing controls at fixed positions, the way the program's windows are laid out.
#pragma once

#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>

class QColor;
class QFont;
class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QWidget;

// Names a control and gives it its place.
template <typename T> T* place(T* widget, const QString& name, const QRect& geometry)
{
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}

// A caption at (x, y), sized to its text.
QLabel* placeText(const QString& caption, QWidget* parent, int x, int y, const QString& name = QString());
// A caption at (x, y) in its own font, sized to its text in that font.
QLabel* placeText(const QString& caption, QWidget* parent, int x, int y, const QFont& font);
// A drop-down list that takes no typing, with nothing chosen; it opens on its first item (openOnFirstItem).
QComboBox* placeList(QWidget* parent, const QString& name, const QRect& geometry, const QStringList& items = {});
// When the list opens with nothing chosen, its first item is marked, so that the first Down goes to the second
// (otherwise the first Down only marks the first, and the manager sees a name skipped).
void openOnFirstItem(QComboBox* box);
// A button that Enter does not press unless it has the focus.
QPushButton* placeButton(const QString& name, const QString& caption, QWidget* parent, const QRect& geometry);
// Shows a text in a label that grows, when the text is longer than the label, around its first place: about its
// centre, or from its left or right edge for a label aligned that way; it stays inside its parent.
void setTextGrowing(QLabel* label, const QString& text);
// The chosen item's text, or an empty text when nothing is chosen.
QString chosenText(const QComboBox* box);
void setTextColour(QWidget* widget, const QColor& colour);

// Removes `item` from its list (nothing when it is null) and leaves no line selected or current, so that
// the next arrow press or move cannot act on a line the manager never picked.
void deleteListEntry(QListWidget* list, QListWidgetItem* item);
// The line that shows the focus frame while the list has the focus: its current line, picked by an arrow or a
// click or framed on entering the list with Tab; none after a delete. Delete removes this line.
QListWidgetItem* framedEntry(const QListWidget* list);
// Calls `command` when Delete is pressed while the list has the focus.
void onDeleteKey(QListWidget* list, const std::function<void()>& command);
// A hint (tooltip) that shows its text as it is: Qt takes a hint that looks like markup for rich text, so
// such a text is escaped.
QString plainHint(const QString& text);

// Where a side window (the Orders Check, the help) of outer size `size` goes on the screen area `room` beside the
// main window's frame `mainFrame`: to its right, else to its left, where it covers nothing of it. When the
// screen has no such room, where it covers the least of the main window and none of `keepClear` (the controls it
// points at), made smaller when it must be (never below `smallest`); nearest to the right of the main window
// among equals.
QRect placeSideWindow(const QRect& mainFrame, const QSize& size, const QRect& room, const QList<QRect>& keepClear,
                      const QSize& smallest = QSize(240, 160));
