// Going once round a window with Tab, and reading the focus ring off the window's picture.
#pragma once

#include "widgets/focusring.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QImage>
#include <QTest>
#include <QTreeView>
#include <QWidget>

// The control the focus is in, named for a failure message.
inline QString describeWidget(const QWidget* w)
{
    if (!w)
        return QStringLiteral("nothing");
    QString name = w->objectName();
    for (const QWidget* p = w->parentWidget(); name.isEmpty() && p; p = p->parentWidget())
        if (!p->objectName().isEmpty())
            name =
                QStringLiteral("(a %1 in %2)").arg(QString::fromLatin1(w->metaObject()->className()), p->objectName());
    return name;
}

// Presses Tab from the control that has the focus until the focus comes back to it, and returns every stop on the
// way, the first one included. Fails (empty list) when the focus leaves the window or never comes back.
inline QList<QWidget*> tabRound(QWidget* window, int most = 80)
{
    QList<QWidget*> stops;
    QWidget* first = QApplication::focusWidget();
    if (!first || first->window() != window)
        return {};
    stops.append(first);
    for (int i = 0; i < most; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* now = QApplication::focusWidget();
        if (!now || now->window() != window)
            return {};
        if (now == first)
            return stops;
        stops.append(now);
    }
    return {};
}

// What is wrong with a Tab stop: hidden, disabled, or too small (or hidden away) to be seen; empty when it is a
// control the manager sees.
inline QString stopProblem(QWidget* stop)
{
    const QString name = describeWidget(stop);
    if (!stop->isVisible())
        return name + QStringLiteral(" is not visible");
    if (!stop->isEnabled())
        return name + QStringLiteral(" is disabled");
    if (stop->width() < 10 || stop->height() < 10)
        return QStringLiteral("%1 is only %2 by %3 pixels").arg(name).arg(stop->width()).arg(stop->height());
    const QRect seen = focusRingRect(stop);
    if (seen.width() < 10 || seen.height() < 10)
        return QStringLiteral("%1 shows only %2 by %3 pixels").arg(name).arg(seen.width()).arg(seen.height());
    return QString();
}

// Where a ring of FocusRingWidth pixels in `colour` is missing along the edges of `r` (in the picture's
// coordinates): the middle and both ends of each side, every pixel of the ring's width. Empty when it is all there.
inline QString ringMissing(const QImage& picture, const QRect& r, const QColor& colour)
{
    QList<QPoint> points;
    for (int d = 0; d < FocusRingWidth; ++d) {
        for (int x : {r.left() + 3, r.center().x(), r.right() - 3}) {
            points.append(QPoint(x, r.top() + d));
            points.append(QPoint(x, r.bottom() - d));
        }
        for (int y : {r.top() + 3, r.center().y(), r.bottom() - 3}) {
            points.append(QPoint(r.left() + d, y));
            points.append(QPoint(r.right() - d, y));
        }
    }
    for (const QPoint& p : points) {
        const QColor seen = picture.pixelColor(p);
        if (seen.rgb() != colour.rgb())
            return QStringLiteral("%1,%2 is %3, not %4").arg(p.x()).arg(p.y()).arg(seen.name(), colour.name());
    }
    return QString();
}

// The ring around the control that has the focus, and around the current cell of a grid or list that has it, as
// the window shows them; empty when both are there.
inline QString focusRingMissing(const QImage& windowPicture, QWidget* focus)
{
    const QColor colour = focus->palette().color(QPalette::Active, QPalette::Highlight);
    const QRect ring = focusRingRect(focus);
    if (ring.isEmpty())
        return describeWidget(focus) + QStringLiteral(": no ring");
    QString missing = ringMissing(windowPicture, ring, colour);
    if (!missing.isEmpty())
        return describeWidget(focus) + QStringLiteral(": ") + missing;
    if (auto* view = qobject_cast<QAbstractItemView*>(focus); view && view->currentIndex().isValid()) {
        QRect cell = view->visualRect(view->currentIndex());
        // A list that shows the focus on the whole row: the ring goes round the row.
        if (auto* tree = qobject_cast<QTreeView*>(view); tree && tree->allColumnsShowFocus())
            for (int c = 0; c < tree->model()->columnCount(); ++c)
                cell |= tree->visualRect(tree->currentIndex().siblingAtColumn(c));
        if (!view->viewport()->rect().contains(cell))
            return QString(); // partly scrolled away: its ring is cut off
        const QRect inWindow(view->viewport()->mapTo(focus->window(), cell.topLeft()), cell.size());
        missing = ringMissing(windowPicture, inWindow & ring, colour);
        if (!missing.isEmpty())
            return describeWidget(focus) + QStringLiteral(", current cell: ") + missing;
    }
    return QString();
}
