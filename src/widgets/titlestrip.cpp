#include "titlestrip.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <memory>

namespace {
const QColor kStripColour(46, 104, 58);

// A white glyph that reads on the strip's dark green: a bar for minimise, a cross for close.
QIcon stripGlyph(bool cross)
{
    QPixmap pixmap(12, 12);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap));
    if (cross) {
        painter.drawLine(QPointF(2, 2), QPointF(10, 10));
        painter.drawLine(QPointF(10, 2), QPointF(2, 10));
    } else {
        painter.drawLine(QPointF(2, 9), QPointF(10, 9));
    }
    return QIcon(pixmap);
}

QToolButton* stripButton(QWidget* parent, const QString& name, bool cross, const QString& hint)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIcon(stripGlyph(cross));
    button->setToolTip(hint);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(18, 18);
    button->setIconSize(QSize(12, 12));
    return button;
}
} // namespace

TTitleStrip::TTitleStrip(QWidget* window, Buttons buttons, int inset)
    : QWidget(window)
    , m_window(window)
    , m_layout(new QHBoxLayout(this))
    , m_caption(new QLabel(window->windowTitle(), this))
{
    setObjectName(QStringLiteral("TitleStrip"));
    setFixedHeight(Height);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kStripColour);
    pal.setColor(QPalette::WindowText, Qt::white);
    pal.setColor(QPalette::ButtonText, Qt::white);
    setPalette(pal);
    m_layout->setContentsMargins(inset, 0, inset, 0);
    m_layout->setSpacing(4);
    m_caption->setObjectName(QStringLiteral("CaptionLabel"));
    QFont bold = m_caption->font();
    bold.setBold(true);
    m_caption->setFont(bold);
    m_caption->setTextFormat(Qt::PlainText);
    connect(window, &QWidget::windowTitleChanged, m_caption, &QLabel::setText);
    m_layout->addWidget(m_caption);
    m_layout->addStretch(1);
    if (buttons == MinimiseAndClose) {
        m_minimise = stripButton(this, QStringLiteral("MinimiseButton"), false, QStringLiteral("Minimise"));
        connect(m_minimise, &QToolButton::clicked, window, &QWidget::showMinimized);
        m_layout->addWidget(m_minimise);
    }
    m_close = stripButton(this, QStringLiteral("CloseButton"), true, QStringLiteral("Close"));
    connect(m_close, &QToolButton::clicked, window, &QWidget::close);
    m_layout->addWidget(m_close);
}

void TTitleStrip::setMenuBar(QMenuBar* bar)
{
    bar->setParent(this);
    bar->setStyleSheet(QStringLiteral("QMenuBar { background: transparent; color: white; }"
                                      "QMenuBar::item { background: transparent; color: white; padding: 2px 7px; }"
                                      "QMenuBar::item:selected, QMenuBar::item:pressed { background: "
                                      "rgba(255, 255, 255, 70); }"));
    bar->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    m_layout->insertSpacing(1, 10);
    m_layout->insertWidget(2, bar);
}

void TTitleStrip::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    event->accept();
    QWindow* handle = m_window->windowHandle();
    if (handle && handle->startSystemMove())
        return;
    m_dragging = true; // a platform without a window manager: move by hand
    m_grab = event->globalPosition().toPoint() - m_window->pos();
}

void TTitleStrip::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging)
        m_window->move(event->globalPosition().toPoint() - m_grab);
}

void TTitleStrip::mouseReleaseEvent(QMouseEvent* event)
{
    m_dragging = false;
    QWidget::mouseReleaseEvent(event);
}

void TTitleStrip::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kStripColour);
}

TEdgeGrip::TEdgeGrip(Qt::Edges edges, QWidget* window)
    : QWidget(window)
    , m_edges(edges)
    , m_window(window)
{
    const bool horizontal = edges & (Qt::LeftEdge | Qt::RightEdge);
    const bool vertical = edges & (Qt::TopEdge | Qt::BottomEdge);
    setCursor(horizontal && vertical ? Qt::SizeFDiagCursor : horizontal ? Qt::SizeHorCursor : Qt::SizeVerCursor);
    setFocusPolicy(Qt::NoFocus);
}

void TEdgeGrip::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    event->accept();
    QWindow* handle = m_window->windowHandle();
    if (handle && handle->startSystemResize(m_edges))
        return;
    m_dragging = true; // a platform without a window manager: resize by hand
    m_start = event->globalPosition().toPoint();
    m_startGeometry = m_window->geometry();
}

void TEdgeGrip::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_dragging)
        return;
    const QPoint delta = event->globalPosition().toPoint() - m_start;
    QRect r = m_startGeometry;
    if (m_edges & Qt::LeftEdge)
        r.setLeft(r.left() + delta.x());
    if (m_edges & Qt::RightEdge)
        r.setRight(r.right() + delta.x());
    if (m_edges & Qt::TopEdge)
        r.setTop(r.top() + delta.y());
    if (m_edges & Qt::BottomEdge)
        r.setBottom(r.bottom() + delta.y());
    if (r.width() > 0 && r.height() > 0)
        m_window->setGeometry(r);
}

void TEdgeGrip::mouseReleaseEvent(QMouseEvent* event)
{
    m_dragging = false;
    QWidget::mouseReleaseEvent(event);
}

QRect outerGeometry(const QWidget* window)
{
    // The platform window knows the frame as soon as the window manager has told it; the widget's own copy of the
    // frame is refreshed only when the window next moves or resizes.
    if (const QWindow* handle = window->windowHandle(); handle && window->isVisible())
        return handle->frameGeometry();
    return window->frameGeometry();
}

void centreOnScreen(QWidget* window)
{
    auto place = [](QWidget* w) {
        const QScreen* screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
        if (!screen)
            return;
        const QRect area = screen->availableGeometry();
        const QSize outer = outerGeometry(w).size();
        const QPoint at(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
        if (QWindow* handle = w->windowHandle(); handle && w->isVisible())
            handle->setFramePosition(at);
        else
            w->move(at);
    };
    place(window);
    // The frame's size arrives from the window manager some time after the window is shown: until a frame has
    // come (or for three seconds, on a desktop without one), centre again whenever the frame around it changes.
    auto* timer = new QTimer(window);
    timer->setInterval(25);
    auto tries = std::make_shared<int>(0);
    auto frame = std::make_shared<QSize>(outerGeometry(window).size() - window->size());
    QObject::connect(timer, &QTimer::timeout, window, [window, timer, tries, frame, place] {
        if (++*tries > 120) {
            timer->deleteLater();
            return;
        }
        const QSize now = outerGeometry(window).size() - window->size();
        if (window->isVisible() && now != *frame) {
            *frame = now;
            place(window);
            if (!now.isNull())
                timer->deleteLater();
        }
    });
    timer->start();
}

TOutlineBorder::TOutlineBorder(const QPainterPath& outline, QWidget* window)
    : QWidget(window)
    , m_outline(outline)
{
    setObjectName(QStringLiteral("OutlineBorder"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void TOutlineBorder::setOutline(const QPainterPath& outline)
{
    m_outline = outline;
    update();
}

void TOutlineBorder::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kStripColour, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(m_outline);
}
