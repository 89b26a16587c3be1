#include "placement.h"

#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QTextDocument>

QLabel* placeText(const QString& caption, QWidget* parent, int x, int y, const QString& name)
{
    auto* label = new QLabel(caption, parent);
    label->setTextFormat(Qt::PlainText);
    if (!name.isEmpty())
        label->setObjectName(name);
    label->move(x, y);
    label->adjustSize();
    return label;
}

QComboBox* placeList(QWidget* parent, const QString& name, const QRect& geometry, const QStringList& items)
{
    auto* box = place(new QComboBox(parent), name, geometry);
    box->setEditable(false);
    box->addItems(items);
    box->setCurrentIndex(-1);
    return box;
}

QPushButton* placeButton(const QString& name, const QString& caption, QWidget* parent, const QRect& geometry)
{
    auto* button = place(new QPushButton(caption, parent), name, geometry);
    button->setAutoDefault(false);
    return button;
}

QString chosenText(const QComboBox* box)
{
    return box->currentIndex() >= 0 ? box->currentText() : QString();
}

void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, colour);
    widget->setPalette(pal);
}

void deleteListEntry(QListWidget* list, QListWidgetItem* item)
{
    delete item;
    list->selectionModel()->clear();
}

QListWidgetItem* chosenEntry(const QListWidget* list)
{
    QListWidgetItem* item = list->currentItem();
    return item && item->isSelected() ? item : nullptr;
}

void onDeleteKey(QListWidget* list, const std::function<void()>& command)
{
    auto* shortcut = new QShortcut(QKeySequence(Qt::Key_Delete), list);
    shortcut->setContext(Qt::WidgetShortcut);
    QObject::connect(shortcut, &QShortcut::activated, list, command);
}

QString plainHint(const QString& text)
{
    return Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal) : text;
}
