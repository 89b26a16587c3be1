// The main window's line-up file commands: saving, Save and View, opening a line-up and applying it.
#include "app/sqmainform.h"
#include "base/errors.h"
#include "base/textfile.h"
#include "filenames.h"
#include "lineupfile.h"
#include "squad/rosterfile.h"
#include "squad/viewer.h"
#include "widgets/filedialog.h"
#include "widgets/messagebox.h"
#include "widgets/placement.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>

QString TSQMainForm::lineupPath() const
{
    return inWorkDir(WorkDir, lineupFileName(AbbLabel->text(), MatchNoComboBox->currentText()));
}

LineupOptions TSQMainForm::lineupOptions() const
{
    LineupOptions options;
    options.homeBonus = HBCombo->currentIndex() >= 0 ? HBCombo->currentText() : QString();
    options.teamTactic = TeamTactic;
    options.tacticChanges = TacticChanges;
    for (int i = 0; i < CPListBox->count(); ++i)
        options.coaches.append(CPListBox->item(i)->text());
    for (int i = 0; i < TPListBox->count(); ++i)
        options.trainees.append(TPListBox->item(i)->text());
    options.penaltyTaker = PTakeBox->currentIndex() >= 0 ? PTakeBox->currentText() : QString();
    return options;
}

bool TSQMainForm::saveLineup()
{
    if (TeamTactic.isEmpty()) {
        TeamTactic = QStringLiteral("N");
        keepOutOfHistory();
    }
    const LineupFile file = buildLineupFile(squadTable(), lineupOptions());

    const QString refusal = lineupRefusal(file);
    if (!refusal.isEmpty()) {
        MessageBox::plain(this, refusal, QStringLiteral("Invalid Lineup"));
        return false;
    }
    checkTeamFileName();
    const QString path = lineupPath();
    check8BitText(file.lines, path);
    if (QFileInfo::exists(path) && !MessageBox::confirm(this, QStringLiteral("File exits. Replace it?"))) {
        MessageBox::plain(this, QStringLiteral("Lineup not saved"));
        return false;
    }
    writeTextLines(path, file.lines);
    SavedLineupLines = file.lines;
    SavedLineupPath = path;
    addToZipList(path);
    MessageBox::plain(this, bareFileName(path) + QStringLiteral(" has been created"), QStringLiteral("Lineup Saved"));
    return true;
}

void TSQMainForm::SaveLineupMenuClick()
{
    saveLineup();
}

void TSQMainForm::SaveView1Click()
{
    // Only a file this save wrote is shown: after a refusal or a "No" the grid keeps what is being built.
    if (!saveLineup())
        return;
    const QStringList lines = readTextLines(lineupPath(), LineupLineLimit);
    if (lines.size() <= 1)
        return;
    readLineup(lines);
    MainPageControl->setCurrentWidget(LineupSheet);
    validPanel->hide();
}

void TSQMainForm::OpenLineupMenuClick()
{
    OpenLineupDialog->Title = QStringLiteral("Open Lineup");
    const QString path = OpenLineupDialog->execute(this);
    if (path.isEmpty())
        return;
    const QStringList lines = readTextLines(path, LineupLineLimit);
    if (lines.size() != 19) {
        MessageBox::plain(this, QStringLiteral("Not a valid Lineup file"), QStringLiteral("Lineup Error"));
        return;
    }
    SavedLineupLines = lines;
    SavedLineupPath = path;
    const LineupNameParts parts = parseLineupFileName(path, AbbLabel->text());
    if (!parts.matchIsNumber)
        MessageBox::error(this, QStringLiteral("OpenLineup error (reading Match No) EConvertError"));
    if (!rosterLoaded()) {
        // The label is set only once the roster has been read and found a roster, so a missing or wrong roster
        // leaves no abbreviation behind and is tried again next time.
        const QString rosterPath = inWorkDir(WorkDir, parts.abbreviation + QLatin1String(".ros"));
        const QStringList roster = readTextLines(rosterPath);
        const QString problem = rosterProblem(roster, bareFileName(rosterPath));
        if (!problem.isEmpty())
            throw SquadError(problem);
        AbbLabel->setText(parts.abbreviation);
        readRoster(roster, bareFileName(rosterPath));
    }
    MatchNoComboBox->setCurrentIndex(parts.match > 0 ? parts.match - 1 : 0);
    readLineup(lines);
    nameStep(QStringLiteral("Open Lineup"));
}

void TSQMainForm::readLineup(const QStringList& lines)
{
    const int min = IniFile->readNumber(QStringLiteral("HomeBonus"), QStringLiteral("Min"), 3, 0, 99);
    const int max = IniFile->readNumber(QStringLiteral("HomeBonus"), QStringLiteral("Max"), 13, 0, 99);
    SquadTable table = squadTable();
    const LineupApplied applied = ::readLineup(table, lines, min, max);
    if (!applied.homeBonusError.isEmpty())
        MessageBox::error(this, QStringLiteral("OpenLineup error ") + applied.homeBonusError);
    if (applied.homeBonusIndex)
        HBCombo->setCurrentIndex(*applied.homeBonusIndex < HBCombo->count() ? *applied.homeBonusIndex : -1);
    TeamTactic = applied.teamTactic;
    TacticChanges = applied.tacticChanges;
    TTListBox->clear(); // the main page shows the tactics the file holds
    TTListBox->addItems(TacticChanges);
    CPListBox->clear();
    CPListBox->addItems(applied.coaches);
    TPListBox->clear();
    TPListBox->addItems(applied.trainees);
    PTakeBox->setCurrentIndex(PTakeBox->findText(applied.penaltyTaker, Qt::MatchExactly | Qt::MatchCaseSensitive));
    setSquadTable(table);

    const ViewerTexts view = buildViewerTexts(lines, HBCombo->currentIndex() >= 0 ? HBCombo->currentText() : QString());
    TeamInfListBox->clear();
    TeamInfListBox->addItems(view.teamInfo);
    StartersListBox->clear();
    StartersListBox->addItems(view.starters);
    SubsListBox->clear();
    SubsListBox->addItems(view.substitutes);
    for (QLabel* label : pitchLabels)
        setTextGrowing(label, view.pitch.value(label->objectName()));
    checkLineup();
}

void TSQMainForm::checkTeamFileName() const
{
    const QString problem = teamFileNameProblem(AbbLabel->text());
    if (!problem.isEmpty())
        throw FileError(problem);
}
