#include "focusring.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>
#include <QTabBar>

namespace {

QColor ringColour(const QPalette& palette)
{
    return palette.color(QPalette::Active, QPalette::Highlight);
}

// A ring of FocusRingWidth pixels just inside `r`.
void paintRing(QPainter* p, const QRect& r, const QColor& colour)
{
    const int w = FocusRingWidth;
    p->fillRect(QRect(r.left(), r.top(), r.width(), w), colour);
    p->fillRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w), colour);
    p->fillRect(QRect(r.left(), r.top(), w, r.height()), colour);
    p->fillRect(QRect(r.right() - w + 1, r.top(), w, r.height()), colour);
}

// The ring itself: a child of the focused control's window, above everything in it, shaped to the ring so that
// it covers nothing else and takes no mouse press.
class TRingWidget : public QWidget {
public:
    explicit TRingWidget(QWidget* window)
        : QWidget(window)
    {
        setObjectName(QStringLiteral("FocusRing"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
    }
    QColor colour;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        paintRing(&p, rect(), colour);
    }
};

// Moves the ring with the focus, and with the focused control when it or a window around it moves, changes
// size, shows or hides.
class TRingFollower : public QObject {
public:
    explicit TRingFollower(QObject* parent)
        : QObject(parent)
    {
    }

    void follow(QWidget* focus)
    {
        for (const QPointer<QWidget>& w : std::as_const(m_watched))
            if (w)
                w->removeEventFilter(this);
        m_watched.clear();
        disconnect(m_tabConnection);
        m_focus = focus;
        for (QWidget* w = focus; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
            w->installEventFilter(this);
            m_watched.append(w);
        }
        if (auto* tabs = qobject_cast<QTabBar*>(focus))
            m_tabConnection = connect(tabs, &QTabBar::currentChanged, this, &TRingFollower::place);
        place();
    }

    void place()
    {
        const QRect r = focusRingRect(m_focus);
        if (r.isEmpty()) {
            if (m_ring)
                m_ring->hide();
            return;
        }
        QWidget* window = m_focus->window();
        if (!m_ring || m_ring->parentWidget() != window) {
            delete m_ring;
            m_ring = new TRingWidget(window);
        }
        m_ring->colour = ringColour(m_focus->palette());
        m_ring->setGeometry(r);
        const int w = FocusRingWidth;
        QRegion ring(QRect(QPoint(0, 0), r.size()));
        if (r.width() > 2 * w && r.height() > 2 * w)
            ring -= QRegion(QRect(QPoint(0, 0), r.size()).adjusted(w, w, -w, -w));
        m_ring->setMask(ring);
        m_ring->raise();
        m_ring->show();
        m_ring->update();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::ParentChange:
        case QEvent::PaletteChange:
            place();
            // Once more when the window has laid itself out and raised its own decorations.
            QMetaObject::invokeMethod(this, &TRingFollower::place, Qt::QueuedConnection);
            break;
        default: break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPointer<QWidget> m_focus;
    QList<QPointer<QWidget>> m_watched;
    QPointer<TRingWidget> m_ring;
    QMetaObject::Connection m_tabConnection;
};

} // namespace

QRect focusRingRect(QWidget* focus)
{
    if (!focus || !focus->isVisible())
        return {};
    QWidget* window = focus->window();
    if (window->windowType() == Qt::Popup || window->windowType() == Qt::ToolTip)
        return {};
    QWidget* target = focus;
    if (QWidget* box = focus->parentWidget(); box && qobject_cast<QLineEdit*>(focus) &&
                                              (qobject_cast<QComboBox*>(box) || qobject_cast<QAbstractSpinBox*>(box)))
        target = box;
    QRect r = target->rect();
    if (auto* tabs = qobject_cast<QTabBar*>(target)) {
        if (tabs->currentIndex() < 0)
            return {};
        r = tabs->tabRect(tabs->currentIndex());
    }
    QRect out(target->mapTo(window, r.topLeft()), r.size());
    for (QWidget* w = target->parentWidget(); w && w != window; w = w->parentWidget())
        out &= QRect(w->mapTo(window, QPoint(0, 0)), w->size());
    out &= window->rect();
    // A window with an outline of its own shows neither its outermost pixels nor the border drawn along them.
    if (!window->mask().isEmpty())
        out &= window->mask().boundingRect().adjusted(FocusRingWidth, FocusRingWidth, -FocusRingWidth, -FocusRingWidth);
    return out;
}

TFocusStyle::TFocusStyle()
    : QProxyStyle()
{
}

void TFocusStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const
{
    if (element != PE_FrameFocusRect) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // A list that shows the focus on its whole current row (not cell by cell) asks for a focus frame over the row,
    // painting its viewport: that frame is the current cell's ring. Every other focus frame is left to the ring
    // that follows the focus.
    const auto* device = painter ? dynamic_cast<const QWidget*>(painter->device()) : nullptr;
    const bool rowOfAList = qobject_cast<const QAbstractItemView*>(widget) ||
                            (device && qobject_cast<const QAbstractItemView*>(device->parentWidget()));
    if (rowOfAList) {
        painter->save();
        paintRing(painter, option->rect, ringColour(option->palette));
        painter->restore();
    }
}

void TFocusStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const
{
    const auto* item = qstyleoption_cast<const QStyleOptionViewItem*>(option);
    if (element != CE_ItemViewItem || !item || !(item->state & State_HasFocus)) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    // The current cell of a grid or list that has the focus.
    const QColor ring = ringColour(item->palette);
    QStyleOptionViewItem cell(*item);
    cell.state &= ~State_HasFocus;
    if (cell.state & State_Selected) {
        const QColor base = item->palette.color(QPalette::Base);
        const QColor light((ring.red() * 2 + base.red() * 3) / 5, (ring.green() * 2 + base.green() * 3) / 5,
                           (ring.blue() * 2 + base.blue() * 3) / 5);
        for (auto group : {QPalette::Active, QPalette::Inactive}) {
            cell.palette.setColor(group, QPalette::Highlight, light);
            cell.palette.setColor(group, QPalette::HighlightedText, item->palette.color(group, QPalette::Text));
        }
    }
    QProxyStyle::drawControl(element, &cell, painter, widget);
    painter->save();
    paintRing(painter, item->rect, ring);
    painter->restore();
}

void installFocusRing()
{
    static const char* key = "squadrantFocusRing";
    if (!qApp || qApp->property(key).toBool())
        return;
    qApp->setProperty(key, true);
    QApplication::setStyle(new TFocusStyle);
    auto* follower = new TRingFollower(qApp);
    QObject::connect(qApp, &QApplication::focusChanged, follower,
                     [follower](QWidget*, QWidget* now) { follower->follow(now); });
    follower->follow(QApplication::focusWidget());
}
