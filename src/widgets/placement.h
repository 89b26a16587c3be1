// Placing controls at fixed positions, the way the program's windows are laid out.
#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

class QColor;
class QFont;
class QComboBox;
class QLabel;
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
// A drop-down list that takes no typing, with nothing chosen.
QComboBox* placeList(QWidget* parent, const QString& name, const QRect& geometry, const QStringList& items = {});
// A button that Enter does not press unless it has the focus.
QPushButton* placeButton(const QString& name, const QString& caption, QWidget* parent, const QRect& geometry);
// Shows a text in a label that grows, when the text is longer than the label, around its first place: about its
// centre, or from its left or right edge for a label aligned that way; it stays inside its parent.
void setTextGrowing(QLabel* label, const QString& text);
// The chosen item's text, or an empty text when nothing is chosen.
QString chosenText(const QComboBox* box);
void setTextColour(QWidget* widget, const QColor& colour);
