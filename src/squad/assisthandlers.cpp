// The main window's line-up assistant command and the Undo and Redo commands with their history of steps.
#include "app/sqmainform.h"
#include "lineupassistform.h"
#include "widgets/stringgrid.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

void TSQMainForm::SuggestLineupMenuClick()
{
    if (!rosterLoaded())
        return;
    TLineupAssistForm form(this);
    if (form.exec() == QDialog::Accepted) {
        nameStep(QStringLiteral("Apply suggestion"));
        checkLineup();
    }
}

namespace {
ListState listState(const QComboBox* box)
{
    ListState s;
    for (int i = 0; i < box->count(); ++i)
        s.items.append(box->itemText(i));
    s.current = box->currentIndex();
    return s;
}

void setListState(QComboBox* box, const ListState& s)
{
    if (listState(box).items != s.items) {
        box->clear();
        box->addItems(s.items);
    }
    box->setCurrentIndex(s.current);
}

QStringList entries(const QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out.append(list->item(i)->text());
    return out;
}

void setEntries(QListWidget* list, const QStringList& items)
{
    if (entries(list) == items)
        return;
    list->clear();
    list->addItems(items);
}

QString chosen(const QComboBox* box)
{
    return box->currentIndex() < 0 ? QString() : box->currentText();
}

// Chooses the entry with that text, or none (the list may have changed since, for instance the season length).
void choose(QComboBox* box, const QString& text)
{
    box->setCurrentIndex(text.isEmpty() ? -1 : box->findText(text));
}
} // namespace

LineupState TSQMainForm::lineupState() const
{
    LineupState s;
    s.grid = squadTable();
    s.teamName = TeamNameLabel->text();
    s.manager = ManageLabel->text();
    s.abbreviation = AbbLabel->text();
    s.penaltyTaker = listState(PTakeBox);
    s.trainees = listState(TPBox);
    s.coaches = listState(CPBox);
    s.trained = entries(TPListBox);
    s.coached = entries(CPListBox);
    s.homeBonus = chosen(HBCombo);
    s.match = chosen(MatchNoComboBox);
    s.teamTactic = TeamTactic;
    s.tacticChanges = TacticChanges;
    s.tacticList = entries(TTListBox);
    s.opponent = ChooseOppButton->text();
    s.oppPlayers = OppPlayers;
    return s;
}

void TSQMainForm::setLineupState(const LineupState& s)
{
    setSquadTable(s.grid);
    TeamNameLabel->setText(s.teamName);
    ManageLabel->setText(s.manager);
    AbbLabel->setText(s.abbreviation);
    setListState(PTakeBox, s.penaltyTaker);
    setListState(TPBox, s.trainees);
    setListState(CPBox, s.coaches);
    setEntries(TPListBox, s.trained);
    setEntries(CPListBox, s.coached);
    choose(HBCombo, s.homeBonus);
    choose(MatchNoComboBox, s.match);
    TeamTactic = s.teamTactic;
    TacticChanges = s.tacticChanges;
    setEntries(TTListBox, s.tacticList);
    ChooseOppButton->setText(s.opponent);
    OppPlayers = s.oppPlayers;
}

void TSQMainForm::setUpHistory()
{
    m_history.reset(lineupState());
    connect(this, &TSQMainForm::commandDone, this, &TSQMainForm::recordStep);
    updateUndoActions();
}

void TSQMainForm::recordStep()
{
    m_history.record(lineupState(), std::exchange(m_stepName, QString()));
    updateUndoActions();
}

void TSQMainForm::keepOutOfHistory()
{
    m_history.absorb(lineupState());
}

void TSQMainForm::updateUndoActions()
{
    // The menu says what it will take back or do again; a name from a file shows its "&" as written.
    auto caption = [](const QString& verb, const QString& step) {
        return step.isEmpty() ? verb
                              : verb + QLatin1Char(' ') + QString(step).replace(QLatin1Char('&'), QLatin1String("&&"));
    };
    UndoMenu->setEnabled(m_history.canUndo());
    UndoMenu->setText(caption(QStringLiteral("&Undo"), m_history.undoName()));
    RedoMenu->setEnabled(m_history.canRedo());
    RedoMenu->setText(caption(QStringLiteral("&Redo"), m_history.redoName()));
}

void TSQMainForm::UndoMenuClick()
{
    if (!m_history.canUndo())
        return;
    setLineupState(m_history.undo());
    checkLineup();
}

void TSQMainForm::RedoMenuClick()
{
    if (!m_history.canRedo())
        return;
    setLineupState(m_history.redo());
    checkLineup();
}
