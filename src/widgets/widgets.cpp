#include "widgets.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <cmath>

TLed::TLed(const QString& name, QColor onColor, QWidget* parent)
    : QWidget(parent)
    , m_onColor(onColor)
    , m_color(onColor)
{
    setObjectName(name);
    setFixedSize(14, 14);
}

void TLed::setLit(bool lit, QColor color)
{
    m_lit = lit;
    m_color = color;
    update();
}

void TLed::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor c = color();
    QRadialGradient g(QPointF(width() * 0.35, height() * 0.35), width() * 0.7);
    g.setColorAt(0, c.lighter(170));
    g.setColorAt(1, c);
    p.setBrush(g);
    p.setPen(QPen(c.darker(160), 1));
    p.drawEllipse(QRectF(1, 1, width() - 2, height() - 2));
}

void TRotatedLabel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font());
    p.setPen(palette().color(QPalette::WindowText));
    p.translate(0, height());
    p.rotate(-90);
    p.drawText(QRect(0, 0, height(), width()), Qt::AlignCenter, text());
}

TFadingLabel::TFadingLabel(const QString& text, QColor color, QWidget* parent)
    : QLabel(text, parent)
    , m_timer(new QTimer(this))
    , m_color(color)
{
    connect(m_timer, &QTimer::timeout, this, [this] {
        m_phase = (m_phase + 1) % 100;
        const double t = (1 + std::cos(m_phase * 2 * M_PI / 100)) / 2; // 1 .. 0 .. 1
        QColor c = m_color;
        c.setRgb(int(m_color.red() + (255 - m_color.red()) * (1 - t) * 0.8),
                 int(m_color.green() + (255 - m_color.green()) * (1 - t) * 0.8),
                 int(m_color.blue() + (255 - m_color.blue()) * (1 - t) * 0.8));
        QPalette pal = palette();
        pal.setColor(QPalette::WindowText, c);
        setPalette(pal);
    });
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, m_color);
    setPalette(pal);
    m_timer->start(40);
}

void TPitchView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = width(), h = height();
    for (int i = 0; i < 10; ++i)
        p.fillRect(QRectF(0, h * i / 10, w, h / 10 + 1), i % 2 ? QColor(46, 139, 62) : QColor(56, 154, 72));
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(Qt::NoBrush);
    const QRectF field(8, 8, w - 16, h - 16);
    p.drawRect(field);
    p.drawLine(QPointF(field.left(), field.center().y()), QPointF(field.right(), field.center().y()));
    const double r = field.width() * 0.15;
    p.drawEllipse(field.center(), r, r);
    p.setBrush(Qt::white);
    p.drawEllipse(field.center(), 2, 2);
    p.setBrush(Qt::NoBrush);
    const double boxW = field.width() * 0.6, boxH = field.height() * 0.16;
    const double goalW = field.width() * 0.3, goalH = field.height() * 0.06;
    const double cx = field.center().x();
    // far goal at the top, own goal at the bottom
    p.drawRect(QRectF(cx - boxW / 2, field.top(), boxW, boxH));
    p.drawRect(QRectF(cx - goalW / 2, field.top(), goalW, goalH));
    p.drawRect(QRectF(cx - boxW / 2, field.bottom() - boxH, boxW, boxH));
    p.drawRect(QRectF(cx - goalW / 2, field.bottom() - goalH, goalW, goalH));
    p.setPen(QPen(Qt::white, 4));
    p.drawLine(QPointF(cx - goalW / 4, field.bottom() + 1), QPointF(cx + goalW / 4, field.bottom() + 1));
    p.setPen(QPen(QColor(220, 220, 220), 2));
    p.drawLine(QPointF(cx - goalW / 4, field.top() - 1), QPointF(cx + goalW / 4, field.top() - 1));
}

#include <QToolButton>
#include <QVBoxLayout>

TUpDown::TUpDown(const QString& name, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(name);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (bool up : {true, false}) {
        auto* b = new QToolButton(this);
        b->setObjectName(up ? QStringLiteral("Up") : QStringLiteral("Down"));
        b->setArrowType(up ? Qt::UpArrow : Qt::DownArrow);
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        layout->addWidget(b);
        connect(b, &QToolButton::clicked, this, [this, up] { emit clicked(up); });
    }
}

void TUpDown::stepWithKeys(QWidget* field, Qt::KeyboardModifiers modifiers)
{
    m_field = field;
    m_modifiers = modifiers;
    field->installEventFilter(this);
}

bool TUpDown::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_field && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) &&
            (key->modifiers() & ~Qt::KeypadModifier) == m_modifiers) {
            emit clicked(key->key() == Qt::Key_Up);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

namespace {
class TDigitKeys : public QObject {
public:
    TDigitKeys(QMenu* menu, const QList<QAction*>& items)
        : QObject(menu)
        , m_menu(menu)
        , m_items(items)
    {
        menu->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != m_menu || event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() < Qt::Key_0 || key->key() > Qt::Key_9 || (key->modifiers() & ~Qt::KeypadModifier))
            return false;
        const int index = key->key() == Qt::Key_0 ? 9 : key->key() - Qt::Key_1;
        if (index >= m_items.size() || !m_items.at(index)->isEnabled())
            return true;
        // The menu's own Enter on the item: it closes the menu and triggers the item as a click would.
        m_menu->setActiveAction(m_items.at(index));
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(m_menu, &enter);
        return true;
    }

private:
    QMenu* m_menu;
    QList<QAction*> m_items;
};
} // namespace

void chooseWithDigits(QMenu* menu, const QList<QAction*>& items)
{
    new TDigitKeys(menu, items);
}

QValidator* noCommaValidator(int maxLength, QObject* parent)
{
    return new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^,]{0,%1}").arg(maxLength)), parent);
}

QIcon glyphIcon(Glyph glyph)
{
    QPixmap pm(20, 20);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 1.2));
    switch (glyph) {
    case Glyph::New: {
        const QPointF page[] = {{4, 2}, {12, 2}, {16, 6}, {16, 18}, {4, 18}};
        p.setBrush(Qt::white);
        p.drawPolygon(page, 5);
        p.drawLine(QPointF(12, 2), QPointF(12, 6));
        p.drawLine(QPointF(12, 6), QPointF(16, 6));
        break;
    }
    case Glyph::Open: {
        p.setBrush(QColor(230, 180, 60));
        p.drawRect(QRectF(2, 5, 16, 12));
        p.setBrush(QColor(250, 210, 100));
        const QPointF lid[] = {{2, 17}, {5, 9}, {19, 9}, {16, 17}};
        p.drawPolygon(lid, 4);
        break;
    }
    case Glyph::Save:
        p.setBrush(QColor(50, 80, 170));
        p.drawRoundedRect(QRectF(2, 2, 16, 16), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5, 3, 10, 6));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(6, 12, 8, 6));
        break;
    case Glyph::Suggest: { // a green disc with a tick: the best legal line-up
        p.setBrush(QColor(30, 150, 60));
        p.drawEllipse(QRectF(2, 2, 16, 16));
        QPen tick(Qt::white, 2.2);
        p.setPen(tick);
        p.drawPolyline(QPolygonF({QPointF(6, 10), QPointF(9, 13.5), QPointF(14.5, 6.5)}));
        break;
    }
    case Glyph::Help: {
        p.setBrush(QColor(40, 90, 200));
        p.drawEllipse(QRectF(2, 2, 16, 16));
        QFont f = p.font();
        f.setPixelSize(13);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(2, 2, 16, 16), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    case Glyph::Check: {
        p.setBrush(QColor(250, 250, 240));
        p.drawRect(QRectF(3, 2, 12, 16));
        p.setPen(QPen(QColor(20, 140, 40), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const QPointF tick[] = {{6, 11}, {9, 15}, {18, 4}};
        p.drawPolyline(tick, 3);
        break;
    }
    case Glyph::Plan: { // the match plan: coloured bands over time, a marker on one
        p.setBrush(QColor(250, 250, 240));
        p.drawRect(QRectF(1.5, 2.5, 17, 15));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(143, 184, 222));
        p.drawRect(QRectF(3, 4, 7, 3));
        p.setBrush(QColor(244, 162, 97));
        p.drawRect(QRectF(10, 4, 7, 3));
        p.setBrush(QColor(143, 184, 222));
        p.drawRect(QRectF(3, 9, 10, 3));
        p.setBrush(QColor(144, 190, 109));
        p.drawRect(QRectF(13, 9, 4, 3));
        p.setBrush(QColor(30, 130, 60));
        const QPointF arrow[] = {{8, 12.5}, {5, 16.5}, {11, 16.5}};
        p.drawPolygon(arrow, 3);
        break;
    }
    }
    return QIcon(pm);
}
