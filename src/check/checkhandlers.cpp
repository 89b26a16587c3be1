// The main window's orders check: the Check Orders command, the way to a finding's place, and the readable
// hints of the Conditionals cells.
#include "app/sqmainform.h"
#include "orderscheck.h"
#include "orderscheckform.h"
#include "tactics/encodings.h"
#include "widgets/placement.h"
#include "widgets/stringgrid.h"

#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>

void TSQMainForm::CheckOrdersMenuClick()
{
    if (!OrdersCheckForm) {
        OrdersCheckForm = new TOrdersCheckForm(this);
        // The window manager's frame is not known before the window is shown: allow for one.
        const QSize frame(16, 32);
        const QRect room = screen() ? screen()->availableGeometry() : frameGeometry();
        const QRect at = placeSideWindow(frameGeometry(), OrdersCheckForm->size() + frame, room, sideWindowKeepClear(),
                                         OrdersCheckForm->minimumSizeHint().expandedTo(QSize(240, 160)) + frame);
        OrdersCheckForm->resize(at.size() - frame);
        OrdersCheckForm->move(at.topLeft());
        // The window stays open while the manager works: the File and Edit commands' keys (Ctrl+S, Ctrl+Z, F9,
        // Ctrl+Q, ...) and Help work from it as from the main window.
        OrdersCheckForm->addActions(findChild<QMenu*>(QStringLiteral("File1"))->actions());
        OrdersCheckForm->addActions(EditMenu->actions());
        OrdersCheckForm->addAction(Help1);
    }
    OrdersCheckForm->refresh();
    OrdersCheckForm->show();
    OrdersCheckForm->raise();
    OrdersCheckForm->activateWindow();
}

QList<QRect> TSQMainForm::sideWindowKeepClear() const
{
    QList<QRect> out;
    // The line-up cells as far as the grid shows them (not the empty part of a wide grid).
    const int rows = RosterStringGrid->rowCount();
    const QRect cells = RosterStringGrid->cellRect(ColPlay, 0)
                            .united(RosterStringGrid->cellRect(ColConditionals, rows > 1 ? rows - 1 : 0))
                            .intersected(RosterStringGrid->rect());
    out.append(QRect(RosterStringGrid->mapToGlobal(cells.topLeft()), cells.size()));
    out.append(QRect(LUOptionsGroupBox->mapToGlobal(QPoint(0, 0)), LUOptionsGroupBox->size()));
    return out;
}

QList<Finding> TSQMainForm::checkOrders() const
{
    const SquadTable table = squadTable();
    OrdersInput in;
    in.table = &table;
    in.options = lineupOptions();
    in.matchText = MatchNoComboBox->currentIndex() >= 0 ? MatchNoComboBox->currentText() : QString();
    in.oppPlayers = OppPlayers;
    in.opponentChosen = ChooseOppButton->text() != QLatin1String("None");
    in.mswl = isMswl();
    in.presets = strategyPresets(*IniFile, in.mswl, MissingPresets::Skip);
    in.sessionChosen = SessionNoComboBox->currentIndex() >= 0;
    in.archive = zipList();
    in.lastLineupLines = SavedLineupLines;
    return ::checkOrders(in);
}

void TSQMainForm::goToFinding(const Finding& finding)
{
    QWidget* focus = nullptr;
    switch (finding.target) {
    case FindingTarget::GridCell:
        RosterStringGrid->setCurrentCell(finding.row, finding.column);
        RosterStringGrid->scrollToItem(RosterStringGrid->currentItem());
        focus = RosterStringGrid;
        break;
    case FindingTarget::Grid: focus = RosterStringGrid; break;
    case FindingTarget::MatchList: focus = MatchNoComboBox; break;
    case FindingTarget::HomeBonusList: focus = HBCombo; break;
    case FindingTarget::PenaltyList: focus = PTakeBox; break;
    case FindingTarget::TraineeList: focus = TPListBox; break;
    case FindingTarget::CoachList: focus = CPListBox; break;
    case FindingTarget::TacticsButton: focus = MatchTacBtnWithColor1; break;
    case FindingTarget::SessionList: focus = SessionNoComboBox; break;
    case FindingTarget::ZipPage: focus = ZipListBox; break;
    }
    MainPageControl->setCurrentWidget(finding.target == FindingTarget::ZipPage ? SummarySheet : MainSheet);
    raise();
    activateWindow();
    if (focus)
        focus->setFocus(Qt::OtherFocusReason);
}

void TSQMainForm::showConditionalsHints()
{
    QList<QTableWidgetItem*> cells;
    for (int r = 1; r < RosterStringGrid->rowCount(); ++r)
        if (QTableWidgetItem* item = RosterStringGrid->item(r, ColConditionals))
            cells.append(item);
    if (cells.isEmpty())
        return;
    const SquadTable table = squadTable();
    for (QTableWidgetItem* item : cells) {
        // A name from a file may look like markup; the hint shows it as it is.
        const QString hint = plainHint(describeConditionalsCell(item->text(), table).join(QLatin1Char('\n')));
        if (item->toolTip() != hint)
            item->setToolTip(hint);
    }
}
