#include "matchplanview.h"
#include "orderreading.h"

#include "widgets/placement.h"

#include <QEvent>
#include <QHash>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStaticText>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int kMargin = 8;
constexpr int kMinutes = 91; // 0 to 90, each minute one unit wide

const QColor kPresetColours[] = {{143, 184, 222}, {244, 162, 97},  {144, 190, 109}, {231, 111, 81},  {180, 151, 214},
                                 {246, 213, 92},  {108, 197, 176}, {212, 165, 165}, {160, 160, 220}, {200, 200, 120}};
const QColor kUnknownColour(192, 192, 192);
const QColor kSubColour(30, 130, 60), kMoveColour(30, 80, 170), kStyleColour(130, 50, 150);
const QColor kNotColour(120, 120, 120);

double minuteX(const QRect& plot, double minute)
{
    return plot.left() + minute * plot.width() / kMinutes;
}

QColor kindColour(PlanEventKind kind)
{
    switch (kind) {
    case PlanEventKind::Substitution: return kSubColour;
    case PlanEventKind::PositionChange: return kMoveColour;
    case PlanEventKind::StyleChange: return kStyleColour;
    }
    return kMoveColour;
}

// The legend's entries after the strategies: what the hatching and the markers mean.
const char* const kMarkerKeys[] = {"clash", "substitution", "position change", "style change", "does not happen"};

// An up arrow whose tip is at the top of `r`, filling its height.
void drawArrow(QPainter& p, const QRectF& r)
{
    const double cx = r.center().x(), w = r.width();
    const QPointF arrow[] = {{cx, r.top()},
                             {r.left(), r.top() + w / 2},
                             {cx - w / 5, r.top() + w / 2},
                             {cx - w / 5, r.bottom()},
                             {cx + w / 5, r.bottom()},
                             {cx + w / 5, r.top() + w / 2},
                             {r.right(), r.top() + w / 2}};
    p.drawPolygon(arrow, 7);
}

} // namespace

MatchPlanView::MatchPlanView(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("MatchPlanView"));
    setAccessibleName(QStringLiteral("Match plan chart"));
    setMouseTracking(true);
    setMinimumSize(480, 320);
    setFocusPolicy(Qt::NoFocus); // the events list below is the keyboard's way to the same orders
}

void MatchPlanView::setPlan(const MatchPlan& plan, const QStringList& presets, const QStringList& tacticLines)
{
    m_plan = plan;
    m_presets = presets;
    m_lines = tacticLines;
    m_layoutSize = QSize();
    update();
}

void MatchPlanView::setHeading(const QString& heading)
{
    if (heading == m_heading)
        return;
    m_heading = heading;
    update();
}

void MatchPlanView::setChosenScore(int goalDifference)
{
    m_chosen = std::clamp(goalDifference, -3, 3);
    update();
}

void MatchPlanView::setEventWords(std::function<QString(const PlanEvent&)> words)
{
    m_words = std::move(words);
}

QColor MatchPlanView::strategyColour(const QString& code) const
{
    for (qsizetype i = 0; i < m_presets.size(); ++i)
        if (!m_presets.at(i).isEmpty() && strategyCode(m_presets.at(i)) == code)
            return kPresetColours[i % std::size(kPresetColours)];
    return kUnknownColour;
}

QString MatchPlanView::markerText(const PlanEvent& e) const
{
    if (e.kind == PlanEventKind::Substitution)
        return QStringLiteral("S%1").arg(e.slot);
    return e.position.isEmpty() ? QStringLiteral("?") : e.position;
}

MatchPlanView::Layout MatchPlanView::layoutFor(const QSize& size) const
{
    const QFontMetrics fm = fontMetrics();
    Layout l;
    const int w = size.width(), h = size.height();
    l.heading = QRect(kMargin, kMargin, w - 2 * kMargin, fm.height() + 4);

    // The legend: one entry a strategy (the first preset of each code), then the keys, in rows across.
    int rows = 1, x = 0;
    const int entryGap = 16, swatch = 14;
    auto place = [&](const QString& text) {
        const int width = swatch + 4 + fm.horizontalAdvance(text) + entryGap;
        if (x > 0 && x + width > w - 2 * kMargin) {
            ++rows;
            x = 0;
        }
        x += width;
    };
    QStringList seen;
    for (const QString& preset : m_presets)
        if (!preset.isEmpty() && !seen.contains(strategyCode(preset))) {
            seen.append(strategyCode(preset));
            place(preset);
        }
    for (const char* key : kMarkerKeys)
        place(QString::fromLatin1(key));
    const int rowHeight = fm.height() + 4;
    l.legend = QRect(kMargin, h - kMargin - rows * rowHeight, w - 2 * kMargin, rows * rowHeight);
    l.axis = QRect(kMargin, l.legend.top() - 6 - (fm.height() + 6), w - 2 * kMargin, fm.height() + 6);
    l.labelWidth = fm.horizontalAdvance(QStringLiteral("3 down")) + 12;
    l.plot = QRect(QPoint(kMargin + l.labelWidth, l.heading.bottom() + 8),
                   QPoint(w - kMargin - fm.horizontalAdvance(QStringLiteral("90'")) / 2 - 2, l.axis.top() - 1));
    l.axis.setLeft(l.plot.left());
    l.axis.setRight(l.plot.right());

    const double bandHeight = double(l.plot.height()) / MatchPlan::Scores;
    const int barHeight = std::clamp(int(bandHeight * 0.42), 6, fm.height() + 6);
    const int markerHeight = fm.height() + 2;
    QHash<QString, int> advances;
    for (int k = 0; k < MatchPlan::Scores; ++k) {
        const int g = 3 - k; // "3 up" at the top
        const int top = l.plot.top() + int(std::lround(k * bandHeight));
        const int bottom = l.plot.top() + int(std::lround((k + 1) * bandHeight)) - 3;
        const QRect band(l.plot.left(), top, l.plot.width(), std::max(1, bottom - top));
        l.bands[g + 3] = band;
        const ScorePlan& score = m_plan.at(g);
        for (qsizetype i = 0; i < score.segments.size(); ++i) {
            const StrategySegment& s = score.segments.at(i);
            const int left = int(std::lround(minuteX(l.plot, s.from)));
            const int right = int(std::lround(minuteX(l.plot, s.to + 1)));
            l.segments.append({QRect(left, band.top(), std::max(1, right - left), barHeight), g, int(i)});
        }
        const int lanesTop = band.top() + barHeight + 2;
        const int lanes = std::max(1, (band.bottom() - lanesTop + 1) / markerHeight);
        QList<int> laneEnds(lanes, std::numeric_limits<int>::min());
        for (qsizetype i = 0; i < score.events.size(); ++i) {
            const PlanEvent& e = score.events.at(i);
            const QString text = markerText(e);
            auto known = advances.constFind(text);
            if (known == advances.constEnd())
                known = advances.insert(text, fm.horizontalAdvance(text));
            int width = *known + 8;
            if (e.kind == PlanEventKind::Substitution)
                width += 10;
            const int centre = int(std::lround(minuteX(l.plot, e.minute + 0.5)));
            int left = std::min(centre - 4, l.plot.right() - width);
            left = std::max(left, l.plot.left());
            int lane = 0;
            while (lane < lanes && laneEnds[lane] >= left)
                ++lane;
            if (lane == lanes) // no free lane: the one that ends first
                lane = int(std::min_element(laneEnds.begin(), laneEnds.end()) - laneEnds.begin());
            laneEnds[lane] = std::max(laneEnds[lane], left + width + 1);
            l.markers.append({QRect(left, lanesTop + lane * markerHeight, width, markerHeight - 2), g, int(i)});
            l.markerLanes.append(lane);
        }
    }
    return l;
}

const MatchPlanView::Layout& MatchPlanView::currentLayout() const
{
    if (m_layoutSize != size()) {
        m_layout = layoutFor(size());
        m_layoutSize = size();
    }
    return m_layout;
}

void MatchPlanView::paintChart(QPainter& p, const QSize& size) const
{
    const Layout l = size == m_layoutSize ? m_layout : layoutFor(size);
    const QFontMetrics fm = fontMetrics();
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    p.setFont(font());

    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    p.setPen(Qt::black);
    p.drawText(l.heading, Qt::AlignLeft | Qt::AlignVCenter,
               QFontMetrics(bold).elidedText(m_heading, Qt::ElideRight, l.heading.width() / 2));
    p.drawText(l.heading, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Match Plan"));
    p.setFont(font());

    // Bands, their names and their strategies.
    for (int g = -3; g <= 3; ++g) {
        const QRect band = l.bands[g + 3];
        p.fillRect(band, QColor(246, 246, 246));
        p.setPen(Qt::black);
        p.drawText(QRect(kMargin, band.top(), l.labelWidth - 8, band.height()), Qt::AlignRight | Qt::AlignVCenter,
                   scoreName(g));
    }
    for (const Item& item : l.segments) {
        const StrategySegment& s = m_plan.at(item.goalDifference).segments.at(item.index);
        const QColor colour = strategyColour(s.strategy);
        p.fillRect(item.rect, colour);
        if (s.clash())
            p.fillRect(item.rect, QBrush(QColor(60, 60, 60), Qt::BDiagPattern));
        p.setPen(colour.darker(150));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(item.rect).adjusted(0.5, 0.5, -0.5, -0.5));
        QString name = strategyName(s.strategy, m_presets);
        if (s.line)
            name += QStringLiteral(" (%1)").arg(s.line);
        const QRect textRect = item.rect.adjusted(3, 0, -3, 0);
        const QString shown = fm.elidedText(name, Qt::ElideRight, textRect.width());
        if (fm.horizontalAdvance(shown) <= textRect.width() && shown != QStringLiteral("…")) {
            p.setPen(Qt::black);
            p.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, shown);
        }
    }

    // The minutes: a line every 15 minutes, half time dashed.
    for (int m = 0; m <= 90; m += 15) {
        const double x = minuteX(l.plot, m + (m == 90 ? 1 : 0));
        p.setPen(m == 45 ? QPen(QColor(80, 80, 80), 1.5, Qt::DashLine) : QPen(QColor(200, 200, 200), 1));
        p.drawLine(QPointF(x, l.plot.top()), QPointF(x, l.plot.bottom() + 3));
        p.setPen(Qt::black);
        const QString label = m == 45 ? QStringLiteral("45' half time") : QStringLiteral("%1'").arg(m);
        const int width = fm.horizontalAdvance(label);
        const double left = m == 0 ? x : m == 90 ? x - width : x - width / 2.0;
        p.drawText(QRectF(left, l.axis.top() + 2, width + 1, fm.height()), Qt::AlignLeft | Qt::AlignTop, label);
    }

    // The markers. Their few texts (S1 to S5, the positions, the style letters) are laid out once a drawing.
    QHash<QString, QStaticText> texts;
    auto staticText = [&](const QString& text) -> const QStaticText& {
        auto it = texts.find(text);
        if (it == texts.end()) {
            QStaticText laid(text);
            laid.setTextFormat(Qt::PlainText);
            laid.prepare(QTransform(), p.font());
            it = texts.insert(text, laid);
        }
        return *it;
    };
    const double textDrop = (fm.height() - 2) / 2.0 + 1;
    // Square chips, drawn without smoothing: hundreds of rounded, smoothed outlines would cost most of a frame.
    for (const Item& item : l.markers) {
        const PlanEvent& e = m_plan.at(item.goalDifference).events.at(item.index);
        const QColor colour = e.happens ? kindColour(e.kind) : kNotColour;
        const QRect r = item.rect;
        p.setRenderHint(QPainter::Antialiasing, false);
        if (e.kind == PlanEventKind::StyleChange) {
            const QPoint diamond[] = {{r.left(), r.center().y()},      {r.left() + 4, r.top()},
                                      {r.right() - 4, r.top()},        {r.right(), r.center().y()},
                                      {r.right() - 4, r.bottom() + 1}, {r.left() + 4, r.bottom() + 1}};
            p.setPen(colour);
            p.setBrush(e.happens ? QBrush(colour) : QBrush(Qt::white));
            p.drawPolygon(diamond, 6);
        } else if (e.happens) {
            p.fillRect(r, colour);
        } else {
            p.fillRect(r, Qt::white);
            p.setPen(colour);
            p.setBrush(Qt::NoBrush);
            p.drawRect(r.adjusted(0, 0, -1, -1));
        }
        int textLeft = r.left() + 4;
        if (e.kind == PlanEventKind::Substitution) {
            p.setRenderHint(QPainter::Antialiasing, true);
            p.setPen(Qt::NoPen);
            p.setBrush(e.happens ? QBrush(Qt::white) : QBrush(colour));
            drawArrow(p, QRectF(r.left() + 3, r.top() + 2, 8, r.height() - 4));
            textLeft = r.left() + 13;
        }
        p.setPen(e.happens ? Qt::white : colour);
        p.drawStaticText(QPointF(textLeft, r.center().y() + 0.5 - textDrop), staticText(markerText(e)));
        if (!e.happens) {
            p.setRenderHint(QPainter::Antialiasing, false);
            p.setPen(QPen(colour, 2));
            p.drawLine(QPoint(r.left() - 1, r.center().y()), QPoint(r.right() + 1, r.center().y()));
        }
    }
    p.setRenderHint(QPainter::Antialiasing, true);

    // The chosen score.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 2));
    p.drawRect(QRectF(l.bands[m_chosen + 3]).adjusted(-2, -2, 2, 2));

    // The legend.
    int x = l.legend.left(), y = l.legend.top();
    const int rowHeight = fm.height() + 4;
    auto entry = [&](const QString& text, const std::function<void(const QRect&)>& swatch) {
        const int width = 14 + 4 + fm.horizontalAdvance(text) + 16;
        if (x > l.legend.left() && x + width > l.legend.right() + 1) {
            x = l.legend.left();
            y += rowHeight;
        }
        swatch(QRect(x, y + (rowHeight - 12) / 2, 14, 12));
        p.setPen(Qt::black);
        p.setBrush(Qt::NoBrush);
        p.drawText(QRect(x + 18, y, width - 18, rowHeight), Qt::AlignLeft | Qt::AlignVCenter, text);
        x += width;
    };
    QStringList seen;
    for (const QString& preset : m_presets) {
        if (preset.isEmpty() || seen.contains(strategyCode(preset)))
            continue;
        seen.append(strategyCode(preset));
        const QColor colour = strategyColour(strategyCode(preset));
        entry(preset, [&](const QRect& r) {
            p.fillRect(r, colour);
            p.setPen(colour.darker(150));
            p.drawRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5));
        });
    }
    entry(QString::fromLatin1(kMarkerKeys[0]), [&](const QRect& r) {
        p.fillRect(r, QColor(230, 230, 230));
        p.fillRect(r, QBrush(QColor(60, 60, 60), Qt::BDiagPattern));
    });
    const QColor keyColours[] = {kSubColour, kMoveColour, kStyleColour};
    for (int k = 0; k < 3; ++k)
        entry(QString::fromLatin1(kMarkerKeys[k + 1]), [&](const QRect& r) {
            p.setPen(Qt::NoPen);
            p.setBrush(keyColours[k]);
            if (k == 2) {
                const QPointF diamond[] = {
                    {double(r.left()), r.center().y() + 0.5}, {r.left() + 4.0, double(r.top())},
                    {r.right() - 3.0, double(r.top())},       {r.right() + 1.0, r.center().y() + 0.5},
                    {r.right() - 3.0, r.bottom() + 1.0},      {r.left() + 4.0, r.bottom() + 1.0}};
                p.drawPolygon(diamond, 6);
            } else {
                p.drawRect(r);
            }
            if (k == 0) {
                p.setBrush(Qt::white);
                drawArrow(p, QRectF(r.left() + 3, r.top() + 1, 8, r.height() - 2));
            }
        });
    entry(QString::fromLatin1(kMarkerKeys[4]), [&](const QRect& r) {
        p.setPen(QPen(kNotColour, 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5));
        p.setPen(QPen(kNotColour, 1.5));
        p.drawLine(QPointF(r.left() - 1, r.center().y() + 0.5), QPointF(r.right() + 1, r.center().y() + 0.5));
    });
    p.restore();
}

void MatchPlanView::paintEvent(QPaintEvent*)
{
    currentLayout();
    QPainter p(this);
    paintChart(p, size());
}

QRect MatchPlanView::markerRect(int goalDifference, int index) const
{
    for (const Item& item : currentLayout().markers)
        if (item.goalDifference == goalDifference && item.index == index)
            return item.rect;
    return QRect();
}

QRect MatchPlanView::segmentRect(int goalDifference, int index) const
{
    for (const Item& item : currentLayout().segments)
        if (item.goalDifference == goalDifference && item.index == index)
            return item.rect;
    return QRect();
}

const MatchPlanView::Item* MatchPlanView::itemAt(const QPoint& pos, bool* isMarker) const
{
    const Layout& l = currentLayout();
    // Markers lie above the segments: the last drawn is the one seen.
    for (qsizetype i = l.markers.size() - 1; i >= 0; --i)
        if (l.markers.at(i).rect.contains(pos)) {
            *isMarker = true;
            return &l.markers.at(i);
        }
    for (const Item& item : l.segments)
        if (item.rect.contains(pos)) {
            *isMarker = false;
            return &item;
        }
    return nullptr;
}

QString MatchPlanView::toolTipAt(const QPoint& pos) const
{
    bool marker = false;
    const Item* item = itemAt(pos, &marker);
    if (!item)
        return QString();
    const ScorePlan& score = m_plan.at(item->goalDifference);
    if (marker) {
        const PlanEvent& e = score.events.at(item->index);
        QString text = m_words ? m_words(e) : eventText(e);
        if (!e.happens)
            text += QStringLiteral("\nThis does not happen: %1.").arg(e.reason);
        return text;
    }
    const StrategySegment& s = score.segments.at(item->index);
    const QString minutes = s.from == s.to ? QStringLiteral("minute %1").arg(s.from)
                                           : QStringLiteral("minutes %1 to %2").arg(s.from).arg(s.to);
    QString text;
    if (s.line == 0) {
        text = QStringLiteral("Starting strategy: %1, %2, %3 (no tactic line holds)")
                   .arg(strategyName(s.strategy, m_presets), minutes, scoreName(item->goalDifference));
    } else {
        const QString written = m_lines.value(s.line - 1);
        const TacticLine line = readTacticLine(written);
        const QStringList when = describeTacticConditions(line.first, line.second);
        text = QStringLiteral("Tactic line %1: %2\n").arg(s.line).arg(written) +
               (when.isEmpty() ? QStringLiteral("with no condition: from the kick-off")
                               : QStringLiteral("when ") + when.join(QLatin1Char(' '))) +
               QStringLiteral("\n%1, %2, %3")
                   .arg(strategyName(s.strategy, m_presets), minutes, scoreName(item->goalDifference));
    }
    for (qsizetype i = 0; i < s.clashLines.size(); ++i)
        text += QStringLiteral("\nClashes with tactic line %1 (%2), which holds too")
                    .arg(s.clashLines.at(i))
                    .arg(strategyName(s.clashStrategies.value(i), m_presets));
    return text + QStringLiteral("\nClick to open Team Tactics.");
}

bool MatchPlanView::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString tip = toolTipAt(help->pos());
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), plainHint(tip), this);
        return true;
    }
    return QWidget::event(event);
}

void MatchPlanView::mouseMoveEvent(QMouseEvent* event)
{
    bool marker = false;
    setCursor(itemAt(event->position().toPoint(), &marker) ? Qt::PointingHandCursor : Qt::ArrowCursor);
    QWidget::mouseMoveEvent(event);
}

void MatchPlanView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint()))
        return;
    bool marker = false;
    const Item* item = itemAt(event->position().toPoint(), &marker);
    if (!item)
        return;
    const int g = item->goalDifference, index = item->index;
    if (marker)
        emit eventClicked(g, index);
    else
        emit segmentClicked(g, index);
}
