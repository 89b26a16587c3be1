// The main window's orders check: the Check Orders command, the way to a finding's place, and the readable
// hints of the Conditionals cells.
#include "app/sqmainform.h"
#include "orderscheck.h"
#include "orderscheckform.h"
#include "tactics/encodings.h"
#include "tactics/teamtacticform.h"
#include "widgets/placement.h"
#include "widgets/stringgrid.h"
#include "widgets/titlestrip.h"

#include <QComboBox>
#include <QDir>
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
        placeSideWindowBeside(OrdersCheckForm);
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

void TSQMainForm::placeSideWindowBeside(QWidget* side)
{
    // The window manager's frame is not known before the window is shown: allow for one.
    const QSize frame(16, 32);
    const QRect room = screen() ? screen()->availableGeometry() : frameGeometry();
    const QRect at = placeSideWindow(frameGeometry(), side->size() + frame, room, sideWindowKeepClear(),
                                     side->minimumSizeHint().expandedTo(QSize(240, 160)) + frame);
    side->resize(at.size() - frame);
    side->move(at.topLeft());
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
    // The title strip with the menus: covered, it would leave the manager no way to move the main window or to
    // reach a command by the mouse.
    out.append(QRect(TitleStrip->mapToGlobal(QPoint(0, 0)), TitleStrip->size()));
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
    in.sessionText = in.sessionChosen ? SessionNoComboBox->currentText() : QString();
    in.abbreviation = AbbLabel->text();
    for (int r = 1; r <= 5; ++r)
        in.bids.append(
            {AuctionStringGrid->cellText(0, r), AuctionStringGrid->cellText(1, r), AuctionStringGrid->cellText(2, r)});
    in.archive = zipList();
    // A bare name on the list is a file written while no working directory was set: it lies in the current folder.
    in.currentFolder = QDir::currentPath() + QLatin1Char('/');
    in.lastLineupLines = SavedLineupLines;
    in.lastLineupPath = SavedLineupPath;
    return ::checkOrders(in);
}

namespace {

// Opens the team tactics editor with a tactic line chosen, or its starting strategy for -1, as the Team Tactics
// button opens it.
void openTeamTacticsAt(TSQMainForm* main, int line)
{
    {
        TTeamTacticForm form(main);
        if (line >= 0 && line < form.TeamTacListBox1->count()) {
            form.TeamTacListBox1->setCurrentRow(line);
            form.TeamTacListBox1->setFocus(Qt::OtherFocusReason);
        } else {
            form.StartStratBox->setFocus(Qt::OtherFocusReason);
        }
        form.exec();
    }
    main->checkLineup();
}

void chooseEntry(QListWidget* list, int row)
{
    if (row >= 0 && row < list->count())
        list->setCurrentRow(row);
}

} // namespace

void TSQMainForm::goToFinding(const Finding& finding)
{
    QWidget* focus = nullptr;
    QWidget* page = MainSheet;
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
    case FindingTarget::TraineeList:
        chooseEntry(TPListBox, finding.row);
        focus = TPListBox;
        break;
    case FindingTarget::CoachList:
        chooseEntry(CPListBox, finding.row);
        focus = CPListBox;
        break;
    case FindingTarget::TacticsButton:
    case FindingTarget::TacticLine: focus = MatchTacBtnWithColor1; break;
    case FindingTarget::SessionList: focus = SessionNoComboBox; break;
    case FindingTarget::ZipPage:
    case FindingTarget::ZipEntry:
        page = SummarySheet;
        focus = ZipListBox;
        break;
    case FindingTarget::BidCell:
        page = AuctionSheet;
        AuctionStringGrid->setCurrentCell(finding.row, finding.column);
        focus = AuctionStringGrid;
        break;
    }
    MainPageControl->setCurrentWidget(page);
    // The page's own tidying has run by now: the entry is found by its text.
    if (finding.target == FindingTarget::ZipEntry) {
        const QList<QListWidgetItem*> found = ZipListBox->findItems(finding.entry, Qt::MatchExactly);
        if (!found.isEmpty())
            ZipListBox->setCurrentItem(found.first());
    }
    raise();
    activateWindow();
    if (focus)
        focus->setFocus(Qt::OtherFocusReason);
    if (finding.target == FindingTarget::TacticLine && rosterLoaded())
        openTeamTacticsAt(this, finding.row);
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
