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
#include <algorithm>

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

namespace {
qint64 area(const QRect& r)
{
    return r.isEmpty() ? 0 : qint64(r.width()) * r.height();
}
} // namespace

QRect placeSideWindow(const QRect& mainFrame, const QSize& size, const QRect& room, const QList<QRect>& keepClear,
                      const QSize& smallest)
{
    const int gap = 8;
    const QSize whole = size.boundedTo(room.size());
    const int top = std::clamp(mainFrame.top(), room.top(), std::max(room.top(), room.bottom() + 1 - whole.height()));
    for (const int x : {mainFrame.right() + 1 + gap, mainFrame.left() - gap - whole.width()}) {
        const QRect r(QPoint(x, top), whole);
        if (room.contains(r) && !r.intersects(mainFrame))
            return r;
    }
    // No room beside it: every place (in steps of a few pixels), at the whole size and then at smaller ones
    // (narrower, lower or both, the larger first); first a place that covers nothing of the main window, then
    // the one that covers the least of it.
    const QPoint preferred(mainFrame.right() + 1 + gap, top);
    const int step = std::max(4, std::max(room.width(), room.height()) / 200);
    const QSize floor = smallest.boundedTo(whole);
    auto shrinking = [](int from, int to) {
        QList<int> out{from};
        while (out.last() > to)
            out.append(std::max(to, out.last() * 9 / 10));
        return out;
    };
    QList<QSize> sizes;
    for (const int w : shrinking(whole.width(), floor.width()))
        for (const int h : shrinking(whole.height(), floor.height()))
            sizes.append(QSize(w, h));
    std::stable_sort(sizes.begin(), sizes.end(), [](const QSize& a, const QSize& b) {
        return area(QRect(QPoint(), a)) > area(QRect(QPoint(), b));
    });
    for (const bool uncoveredOnly : {true, false}) {
        for (const QSize& s : sizes) {
            QRect best;
            qint64 bestCover = -1, bestDistance = 0;
            for (int y = room.top(); y + s.height() <= room.bottom() + 1; y += step)
                for (int x = room.left(); x + s.width() <= room.right() + 1; x += step) {
                    const QRect r(QPoint(x, y), s);
                    const qint64 cover = area(r & mainFrame);
                    if (uncoveredOnly && cover > 0)
                        continue;
                    if (std::any_of(keepClear.begin(), keepClear.end(),
                                    [&r](const QRect& k) { return r.intersects(k); }))
                        continue;
                    const qint64 distance = qint64(x - preferred.x()) * (x - preferred.x()) +
                                            qint64(y - preferred.y()) * (y - preferred.y());
                    if (bestCover < 0 || cover < bestCover || (cover == bestCover && distance < bestDistance)) {
                        best = r;
                        bestCover = cover;
                        bestDistance = distance;
                    }
                }
            if (bestCover >= 0)
                return best;
        }
    }
    // Nowhere clear of them at all (a screen smaller than the main window): beside it as far as the screen allows.
    return QRect(
        QPoint(std::clamp(preferred.x(), room.left(), std::max(room.left(), room.right() + 1 - whole.width())), top),
        whole);
}
