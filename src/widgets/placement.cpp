#include "placement.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QTextDocument>
#include <QVariant>

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

QLabel* placeText(const QString& caption, QWidget* parent, int x, int y, const QFont& font)
{
    QLabel* label = placeText(caption, parent, x, y);
    label->setFont(font);
    label->adjustSize();
    return label;
}

namespace {
// Marks the first item of a drop-down list that opens with nothing chosen.
class TFirstItemOnOpen : public QObject {
public:
    explicit TFirstItemOnOpen(QComboBox* box)
        : QObject(box)
        , m_box(box)
    {
        box->view()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched == m_box->view() && m_box->currentIndex() < 0 &&
            m_box->count() > 0) {
            const QModelIndex first = m_box->model()->index(0, m_box->modelColumn(), m_box->rootModelIndex());
            m_box->view()->selectionModel()->setCurrentIndex(first, QItemSelectionModel::ClearAndSelect);
        }
        return false;
    }

private:
    QComboBox* m_box;
};
} // namespace

QComboBox* placeList(QWidget* parent, const QString& name, const QRect& geometry, const QStringList& items)
{
    auto* box = place(new QComboBox(parent), name, geometry);
    box->setEditable(false);
    box->addItems(items);
    box->setCurrentIndex(-1);
    openOnFirstItem(box);
    return box;
}

void openOnFirstItem(QComboBox* box)
{
    new TFirstItemOnOpen(box);
}

QPushButton* placeButton(const QString& name, const QString& caption, QWidget* parent, const QRect& geometry)
{
    auto* button = place(new QPushButton(caption, parent), name, geometry);
    button->setAutoDefault(false);
    return button;
}

void setTextGrowing(QLabel* label, const QString& text)
{
    const char* key = "homeGeometry";
    if (!label->property(key).isValid())
        label->setProperty(key, label->geometry());
    const QRect home = label->property(key).toRect();
    label->setText(text);
    const int needed = label->fontMetrics().horizontalAdvance(text) + 2 * label->margin() + 4;
    QRect r = home;
    if (needed > home.width()) {
        r.setWidth(needed);
        if (label->alignment() & Qt::AlignLeft)
            r.moveLeft(home.left());
        else if (label->alignment() & Qt::AlignRight)
            r.moveRight(home.right());
        else
            r.moveLeft(home.left() - (needed - home.width()) / 2);
    }
    if (const QWidget* parent = label->parentWidget()) {
        if (r.right() > parent->width() - 1)
            r.moveRight(parent->width() - 1);
        if (r.left() < 0)
            r.moveLeft(0);
    }
    label->setGeometry(r);
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

QListWidgetItem* framedEntry(const QListWidget* list)
{
    return list->currentItem();
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
