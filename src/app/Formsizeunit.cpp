#include "Formsizeunit.h"

#include <QScrollBar>
#include <QTabBar>

#include "sqmainform.h"

#include "widgets/stringgrid.h"
#include "widgets/titlestrip.h"
#include "widgets/widgets.h"
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPainterPath>
#include <QPolygon>
#include <QRegion>
#include <QResizeEvent>
#include <QScreen>
#include <QSizeGrip>
#include <QTabWidget>
#include <algorithm>

namespace {
// A rounded rectangle from its edges, as Windows cuts one: the right and bottom edges lie outside.
QRegion roundRect(int left, int top, int right, int bottom, int ew, int eh)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(left, top, right - left, bottom - top), ew / 2.0, eh / 2.0);
    return QRegion(path.toFillPolygon().toPolygon());
}
} // namespace

QPainterPath windowOutlinePath(int W, int H)
{
    QPainterPath top, body, tab;
    top.addRoundedRect(QRectF(2, 0, W - 6, 90), 10, 10);
    body.addRoundedRect(QRectF(2, 70, W - 6, H - 111), 5, 5);
    tab.addRoundedRect(QRectF(0, H - 55, 390, 35), 5, 5);
    return top.united(body).united(tab);
}

QRegion windowOutline(int W, int H)
{
    return roundRect(2, 0, W - 4, 90, 20, 20) | roundRect(2, 70, W - 4, H - 41, 10, 10) |
           roundRect(0, H - 55, 390, H - 20, 10, 10);
}

QSize TSQMainForm::outerSize() const
{
    return frameGeometry().size();
}

void TSQMainForm::setOuterSize(int width, int height)
{
    m_requestedOuter = QSize(width, height);
    m_askedSizes.append(m_requestedOuter);
    const QSize frame = frameGeometry().size() - geometry().size();
    resize(width - frame.width(), height - frame.height());
}

void TSQMainForm::changePageSize(int tag)
{
    for (QAction* a : {size640Menu, size800Menu, size1024Menu, sizeCustMenu})
        a->setChecked(false);
    if (tag == 640 || tag == 800 || tag == 1024) {
        const QSize size = presetWindowSize(tag, false);
        setOuterSize(size.width(), size.height());
        keepOnScreen();
        (tag == 640 ? size640Menu : tag == 800 ? size800Menu : size1024Menu)->setChecked(true);
        IniFile->writeInteger(QStringLiteral("Options"), QStringLiteral("ScreenRes"), tag);
    } else if (tag == 999) {
        sizeCustMenu->setChecked(true);
        IniFile->writeInteger(QStringLiteral("Options"), QStringLiteral("ScreenRes"), 999);
        IniFile->writeInteger(QStringLiteral("Options"), QStringLiteral("XRes"), outerSize().width());
        IniFile->writeInteger(QStringLiteral("Options"), QStringLiteral("YRes"), outerSize().height());
    }
    layOutMainWindow();
}

namespace {
// The height of one line of a viewer list as the list draws it.
int viewerRowHeight(QListWidget* list)
{
    if (list->count() > 0)
        return list->sizeHintForRow(0);
    QListWidget probe;
    probe.setFont(list->font());
    probe.addItem(QStringLiteral("GK"));
    return probe.sizeHintForRow(0);
}
} // namespace

void TSQMainForm::layOutMainWindow()
{
    const QSize start = outerSize();
    const MainLayout l = computeMainLayout(start.width(), start.height());
    // Enforcing the minimum resizes the window, which runs this step again, nested, for the new size.
    if (l.windowWidth != start.width() || l.windowHeight != start.height())
        setOuterSize(l.windowWidth, l.windowHeight);

    RosterStringGrid->resize(l.gridWidth, l.gridHeight);
    MainPageControl->resize(l.pageWidth, l.pageHeight);
    // The two group boxes end inside the page (its frame takes 2 pixels a side), not under its right edge.
    const int boxWidth = std::min(268, l.pageWidth - 4 - l.optionsLeft);
    LUOptionsGroupBox->setGeometry(l.optionsLeft, LUOptionsGroupBox->y(), boxWidth, LUOptionsGroupBox->height());
    LUTotalsGroupBox->setGeometry(l.optionsLeft, LUTotalsGroupBox->y(), boxWidth, LUTotalsGroupBox->height());
    validPanel->move(l.validPanelLeft, validPanel->y());
    infoPanel->resize(l.infoPanelWidth, infoPanel->height());
    for (QLabel* label : {TeamNameLabel, ManageLabel, AbbLabel})
        label->resize(l.infoPanelWidth - 12, label->height());
    // The viewer's lists hold every line of theirs at every size: the eleven starters and the five substitutes,
    // with room for the scroll bar that a long line brings. Height the layout gives beyond that is kept where
    // the page has it; where it has not, the substitutes, then the starters, then the team information give back
    // what they do not need.
    const int rowHeight = viewerRowHeight(StartersListBox);
    const int extra = 2 * StartersListBox->frameWidth() + StartersListBox->horizontalScrollBar()->sizeHint().height();
    const int startersNeed = 11 * rowHeight + extra, subsNeed = 5 * rowHeight + extra;
    const int teamInfNeed = 3 * rowHeight + 2 * TeamInfListBox->frameWidth();
    const int pageInside = l.pageHeight - MainPageControl->tabBar()->sizeHint().height() - 6;
    int teamInfHeight = l.teamInfHeight;
    int startersHeight = std::max(l.startersHeight, startersNeed);
    int subsHeight = std::max(l.subsHeight, subsNeed);
    const int top = TeamInfListBox->y();
    auto overflow = [&] { return top + teamInfHeight + 5 + 20 + startersHeight + 10 + 20 + subsHeight - pageInside; };
    subsHeight -= std::clamp(overflow(), 0, subsHeight - subsNeed);
    startersHeight -= std::clamp(overflow(), 0, startersHeight - startersNeed);
    teamInfHeight -= std::clamp(overflow(), 0, std::max(0, teamInfHeight - teamInfNeed));
    const int startersLabelTop = top + teamInfHeight + 5;
    const int substitutesLabelTop = startersLabelTop + 20 + startersHeight + 10;
    TeamInfListBox->resize(l.listWidth, teamInfHeight);
    StartersLabel->move(StartersLabel->x(), startersLabelTop);
    StartersListBox->setGeometry(StartersListBox->x(), startersLabelTop + 20, l.listWidth, startersHeight);
    SubstitutesLabel->move(SubstitutesLabel->x(), substitutesLabelTop);
    SubsListBox->setGeometry(SubsListBox->x(), substitutesLabelTop + 20, l.listWidth, subsHeight);
    pitchPanel->setGeometry(l.pitchLeft, pitchPanel->y(), l.pitchWidth, pitchPanel->height());
    // The rotated caption keeps clear of the narrower panel's right edge.
    ProLabel4->move(std::min(312, l.pitchWidth - ProLabel4->width() - 2), ProLabel4->y());
    // The resize grip sits in the body's lower right corner, inside the outline.
    const QSize outer = outerSize();
    const QPoint clientOffset = geometry().topLeft() - frameGeometry().topLeft();
    const QSize grip = SizeGrip->sizeHint();
    SizeGrip->setGeometry(QRect(
        QPoint(outer.width() - 4 - 3 - grip.width(), outer.height() - 41 - 1 - grip.height()) - clientOffset, grip));
    SizeGrip->raise();
    // Thin grips along the body's left, right and bottom edges (right of the tab piece), inside the outline.
    const int H = outer.height(), W = outer.width();
    LeftEdgeGrip->setGeometry(QRect(2, 90, 4, H - 41 - 10 - 90).translated(-clientOffset));
    RightEdgeGrip->setGeometry(QRect(W - 8, 90, 4, H - 41 - 10 - 90).translated(-clientOffset));
    BottomEdgeGrip->setGeometry(QRect(400, H - 45, W - 4 - 400 - grip.width() - 6, 4).translated(-clientOffset));
    for (QWidget* edge : {static_cast<QWidget*>(LeftEdgeGrip), static_cast<QWidget*>(RightEdgeGrip),
                          static_cast<QWidget*>(BottomEdgeGrip)})
        edge->raise();
    OutlineBorder->setGeometry(QRect(-clientOffset, outer));
    OutlineBorder->setOutline(windowOutlinePath(outer.width(), outer.height()));
    OutlineBorder->raise();
    applyWindowOutline();
}

void TSQMainForm::applyWindowOutline()
{
    const QSize outer = outerSize();
    // The mask is set on the client window; the outline is given in outer coordinates.
    const QPoint clientOffset = geometry().topLeft() - frameGeometry().topLeft();
    setMask(windowOutline(outer.width(), outer.height()).translated(-clientOffset));
    update();
}

void TSQMainForm::keepOnScreen()
{
    const QScreen* screen = this->screen();
    if (!screen || !isVisible())
        return;
    const QRect area = screen->availableGeometry();
    QRect outer(frameGeometry().topLeft(), m_requestedOuter);
    if (outer.right() > area.right())
        outer.moveRight(area.right());
    if (outer.bottom() > area.bottom())
        outer.moveBottom(area.bottom());
    outer.moveLeft(std::max(outer.left(), area.left()));
    outer.moveTop(std::max(outer.top(), area.top()));
    if (outer.topLeft() != frameGeometry().topLeft())
        move(outer.topLeft());
}

void TSQMainForm::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (!IniFile)
        return;
    // A size the program asked for itself (or the first one, when the window is shown) needs only the
    // layout; any other size comes from the manager dragging the frame, which unchecks the size items.
    const qsizetype asked = m_askedSizes.indexOf(outerSize());
    if (asked >= 0 || !m_shownOnce) {
        m_askedSizes.remove(0, asked + 1);
        guard([this] { layOutMainWindow(); });
        return;
    }
    m_askedSizes.clear();
    guard([this] { changePageSize(0); });
}

void TSQMainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    // Only now does the window have its frame: give it the outer size asked for before it was shown.
    if (m_requestedOuter.isValid() && outerSize() != m_requestedOuter)
        setOuterSize(m_requestedOuter.width(), m_requestedOuter.height());
    layOutMainWindow();
}
