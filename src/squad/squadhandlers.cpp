// The main window's squad commands: reading rosters, building the line-up in the grid, the checker's lamps.
#include "app/sqmainform.h"
#include "base/errors.h"
#include "base/textfile.h"
#include "lineupchecker.h"
#include "rosterfile.h"
#include "selection.h"
#include "widgets/filedialog.h"
#include "widgets/messagebox.h"
#include "widgets/stringgrid.h"
#include "widgets/widgets.h"

#include <QComboBox>
#include <QCursor>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

SquadTable TSQMainForm::squadTable() const
{
    SquadTable table;
    table.reserve(RosterStringGrid->rowCount());
    for (int r = 0; r < RosterStringGrid->rowCount(); ++r) {
        QStringList row;
        row.reserve(SquadColumns);
        for (int c = 0; c < SquadColumns; ++c)
            row.append(RosterStringGrid->cellText(c, r));
        table.append(row);
    }
    return table;
}

void TSQMainForm::setSquadTable(const SquadTable& table)
{
    RosterStringGrid->setRowCount(int(table.size()));
    for (int r = 0; r < table.size(); ++r)
        for (int c = 0; c < SquadColumns; ++c)
            if (RosterStringGrid->cellText(c, r) != table.at(r).at(c))
                RosterStringGrid->setCellText(c, r, table.at(r).at(c));
}

QString TSQMainForm::cell(int col, int row) const
{
    return RosterStringGrid->cellText(col, row);
}

void TSQMainForm::setCell(int col, int row, const QString& text)
{
    RosterStringGrid->setCellText(col, row, text);
}

int TSQMainForm::currentGridRow() const
{
    return RosterStringGrid->currentRow();
}

bool TSQMainForm::rosterLoaded() const
{
    return !AbbLabel->text().isEmpty();
}

void TSQMainForm::OpenRosterClick()
{
    OpenRosDialog->Title = QStringLiteral("Open Roster File");
    const QString path = OpenRosDialog->execute(this);
    if (path.isEmpty())
        return;
    openRosterFile(path);
}

void TSQMainForm::openRosterFile(const QString& path)
{
    readRoster(readTextLines(path), bareFileName(path));
}

void TSQMainForm::readRoster(const QStringList& lines, const QString& fileName)
{
    SquadTable table = squadTable();
    const RosterRead read = ::readRoster(table, lines, fileName); // throws before anything changes
    setSquadTable(table);
    if (read.header.size() >= 1)
        AbbLabel->setText(read.header.at(0));
    if (read.header.size() >= 2)
        TeamNameLabel->setText(read.header.at(1));
    if (read.header.size() >= 3)
        ManageLabel->setText(QStringLiteral("Coached by ") + read.header.at(2));
    CPBox->clear();
    TPBox->clear();
    PTakeBox->clear();
    CPBox->addItems(read.coaches);
    TPBox->addItems(read.trainees);
    PTakeBox->addItems(read.penaltyList);
    for (QComboBox* box : {CPBox, TPBox, PTakeBox})
        box->setCurrentIndex(-1);
    TeamTactic = QStringLiteral("N");
    LastAssistChoices.reset(); // another roster: the assistant starts afresh
    nameStep(QStringLiteral("Open Roster"));
    // The lamps and totals show the grid as it now stands. A line-up cell kept from before that the checker
    // cannot read is reported when the manager next changes the line-up, not in the middle of reading a roster.
    try {
        checkLineup();
    } catch (const SquadError&) {
    }
}

void TSQMainForm::ChooseOppButtonClick()
{
    OpenRosDialog->Title = QStringLiteral("Open Roster File");
    const QString path = OpenRosDialog->execute(this);
    if (path.isEmpty())
        return;
    const QStringList lines = readTextLines(path);
    const QString problem = rosterProblem(lines, bareFileName(path));
    if (!problem.isEmpty())
        throw SquadError(problem); // before the opponent's list is emptied
    OppPlayers.clear();
    readOppRoster(lines, bareFileName(path));
}

void TSQMainForm::readOppRoster(const QStringList& lines, const QString& fileName)
{
    const OppRosterRead read = ::readOppRoster(lines, fileName);
    // A button reads "&" as the mark of its key; the abbreviation is shown as written.
    ChooseOppButton->setText(QString(read.abbreviation).replace(QLatin1Char('&'), QLatin1String("&&")));
    if (read.abbreviation == AbbLabel->text()) {
        MessageBox::warning(this, QStringLiteral("Choose the team you are playing AGAINST!"), {MessageBox::Cancel});
        ChooseOppButton->setText(QStringLiteral("None"));
        return;
    }
    OppPlayers += read.players;
}

void TSQMainForm::RosterStringGridMouseUp(const QPoint& pos)
{
    if (!rosterLoaded())
        return;
    const int row = RosterStringGrid->currentRow();
    if (row <= 0 || pos.x() <= 100)
        return;
    actOnSquadCell(RosterStringGrid->mapToGlobal(pos));
}

void TSQMainForm::RosterStringGridKeyDown()
{
    // The keyboard's click: the distance rule is about the mouse pointer, so it does not apply here.
    if (!rosterLoaded() || RosterStringGrid->currentRow() <= 0)
        return;
    const QRect cell = RosterStringGrid->cellRect(RosterStringGrid->currentColumn(), RosterStringGrid->currentRow());
    actOnSquadCell(RosterStringGrid->mapToGlobal(cell.bottomLeft()));
}

void TSQMainForm::actOnSquadCell(const QPoint& global)
{
    switch (RosterStringGrid->currentColumn()) {
    case ColPlay:
    case ColStyle: PlayPopup->popup(global); break;
    case ColSubs: SubPopup->popup(global); break;
    case ColConditionals: openPlayerConditionals(); break;
    default: break;
    }
}

void TSQMainForm::choosePlayer(QAction* item)
{
    const int row = currentGridRow();
    if (row <= 0)
        return;
    if (item == deselectPlay) {
        setCell(ColPlay, row, QString());
        setCell(ColStyle, row, QString());
    } else {
        const QStringList choice = item->data().toStringList();
        if (choice.size() != 2)
            return;
        setCell(ColPlay, row, choice.at(0));
        setCell(ColStyle, row, choice.at(1));
    }
    checkLineup();
}

void TSQMainForm::popSubClick(QAction* item)
{
    const int row = currentGridRow();
    if (row <= 0)
        return;
    const QString slot = item->data().toString();
    setCell(ColSubs, row, slot);
    if (!slot.isEmpty())
        setSubDefaultPosition();
    checkLineup();
}

void TSQMainForm::setSubDefaultPosition()
{
    const int row = currentGridRow();
    if (!cell(ColPlay, row).isEmpty())
        return;
    setCell(ColPlay, row, defaultPlayForPos(cell(ColPos, row)));
    setCell(ColStyle, row, QStringLiteral("n"));
}

namespace {
void chooseInto(QWidget* parent, QComboBox* box, QListWidget* list, const QString& text, const QString& title)
{
    if (box->currentIndex() < 0)
        return;
    if (list->count() >= 4)
        MessageBox::plain(parent, text, title);
    else
        list->addItem(box->currentText());
    box->setCurrentIndex(-1);
}
} // namespace

void TSQMainForm::TPBoxChange()
{
    chooseInto(this, TPBox, TPListBox, QStringLiteral("Four players already chosen."),
               QStringLiteral("Training Problem"));
}

void TSQMainForm::CPBoxChange()
{
    chooseInto(this, CPBox, CPListBox, QStringLiteral("Four players already chosen"),
               QStringLiteral("Coaching Problem"));
}

void TSQMainForm::NewLineupMenuClick()
{
    if (!rosterLoaded())
        return;
    SquadTable table = squadTable();
    clearLineupColumns(table);
    setSquadTable(table);
    TPListBox->clear();
    TPBox->setCurrentIndex(-1);
    CPListBox->clear();
    CPBox->setCurrentIndex(-1);
    TTListBox->clear();
    PTakeBox->setCurrentIndex(-1);
    HBCombo->setCurrentIndex(-1);
    TeamTactic.clear();
    TacticChanges.clear();
    ChooseOppButton->setText(QStringLiteral("None"));
    OppPlayers.clear();
    if (MenuAutoIncr->isChecked()) {
        const int i = MatchNoComboBox->currentIndex();
        if (i < 0)
            MatchNoComboBox->setCurrentIndex(0);
        else if (i < MatchNoComboBox->count() - 1)
            MatchNoComboBox->setCurrentIndex(i + 1);
    }
    LastAssistChoices.reset();
    nameStep(QStringLiteral("New Lineup"));
    checkLineup();
}

void TSQMainForm::checkLineup()
{
    const CheckResult r = ::checkLineup(squadTable(), TeamTactic); // throws before any lamp changes
    for (int c = 0; c < 6; ++c) {
        LineupTotGrid->setCellText(c + 1, 1, QString::number(r.counts[c]));
        LineupTotGrid->setCellText(c + 1, 2, QString::number(r.sums[c]));
    }
    MF21Led->setLit(r.mf21);
    FW21Led->setLit(r.fw21 != FwLamp::Off, r.fw21 == FwLamp::Green ? QColor(0, 170, 0) : QColor(220, 0, 0));
    valGKLed->setLit(r.gk);
    valSWLed->setLit(r.sw);
    valDFLed->setLit(r.df);
    valMFLed->setLit(r.mf);
    valFWLed->setLit(r.fw);
    starting11Led->setLit(r.starting11);
    subsLed->setLit(r.fiveSubs);
    showLampHints(&r);
}

void TSQMainForm::showLampHints(const CheckResult* result)
{
    const std::pair<TLed*, Lamp> lamps[] = {
        {valGKLed, Lamp::GK},      {valSWLed, Lamp::SW},  {valDFLed, Lamp::DF},
        {valMFLed, Lamp::MF},      {valFWLed, Lamp::FW},  {starting11Led, Lamp::Starting11},
        {subsLed, Lamp::FiveSubs}, {MF21Led, Lamp::MF21}, {FW21Led, Lamp::FW21}};
    for (const auto& [led, lamp] : lamps) {
        const QString hint = result ? lampHint(lamp, *result) : lampHint(lamp);
        led->setToolTip(hint);
        led->setAccessibleDescription(hint);
    }
}
