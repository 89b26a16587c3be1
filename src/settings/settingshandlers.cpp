// The main window's configuration commands of the Options menu.
#include "Changeseasonlengthunit.h"
#include "app/sqmainform.h"
#include "base/errors.h"
#include "base/wholenumber.h"
#include "widgets/filedialog.h"
#include "widgets/messagebox.h"

#include <QComboBox>
#include <QLineEdit>

namespace {
const QString kOptions = QStringLiteral("Options");

// Refills a "1" .. n list unless it already holds n entries (which keeps its choice).
void followCount(QComboBox* box, int n)
{
    if (box->count() == n)
        return;
    box->clear();
    for (int i = 1; i <= n; ++i)
        box->addItem(QString::number(i));
    box->setCurrentIndex(-1);
}
} // namespace

bool TSQMainForm::isMswl() const
{
    return IniFile->readString(kOptions, QStringLiteral("League"), QStringLiteral("LGM")) == QLatin1String("FULL");
}

void TSQMainForm::MenuNoWGClick()
{
    MenuNoWG->setChecked(true);
    popWG->setEnabled(false);
    IniFile->writeString(kOptions, QStringLiteral("League"), QStringLiteral("LGM"));
}

void TSQMainForm::MenuFullMSWLClick()
{
    MenuFullMSWL->setChecked(true);
    popWG->setEnabled(true);
    IniFile->writeString(kOptions, QStringLiteral("League"), QStringLiteral("FULL"));
}

void TSQMainForm::MenuAutoIncrClick()
{
    // The menu has already inverted the check mark.
    IniFile->writeBool(kOptions, QStringLiteral("AutoIncr"), MenuAutoIncr->isChecked());
}

void TSQMainForm::SetTimeStep(bool on)
{
    Set15on->setChecked(on);
    Set15off->setChecked(!on);
    TimeStepsOn = on;
    IniFile->writeBool(kOptions, QStringLiteral("TimeSteps"), on);
}

void TSQMainForm::SeasonLengthClick()
{
    {
        TSeasonLengthForm dialog(*IniFile, this);
        dialog.exec();
    }
    followCount(MatchNoComboBox,
                IniFile->readNumber(QStringLiteral("SeasonLength"), QStringLiteral("Matches"), 30, 1, 99));
    followCount(SessionNoComboBox,
                IniFile->readNumber(QStringLiteral("SeasonLength"), QStringLiteral("Sessions"), 10, 1, 99));
}

void TSQMainForm::HomeBonusClick()
{
    {
        THBRangeDlg dialog(*IniFile, this);
        dialog.exec();
    }
    const int min = IniFile->readNumber(QStringLiteral("HomeBonus"), QStringLiteral("Min"), 3, 0, 99);
    const int max = IniFile->readNumber(QStringLiteral("HomeBonus"), QStringLiteral("Max"), 8, 0, 99);
    bool matches = false;
    try {
        if (HBCombo->count() == 0)
            throw ListIndexError(0);
        matches =
            toWholeNumber(HBCombo->itemText(0)) == min && toWholeNumber(HBCombo->itemText(HBCombo->count() - 1)) == max;
    } catch (const SquadError& e) {
        MessageBox::error(this, QStringLiteral("Setting HB range error ") + e.kindName());
    }
    if (!matches)
        fillNumberCombo(HBCombo, min, max);
}

void TSQMainForm::MenuSelectDirectoryClick()
{
    TWorkDirDlg dialog(*IniFile, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QString folder = dialog.DirectoryEdit1->text();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    IniFile->writeString(kOptions, QStringLiteral("WorkingDir"), folder);
    const QString stored = IniFile->readString(kOptions, QStringLiteral("WorkingDir"), QString());
    if (!stored.isEmpty()) {
        WorkDir = stored;
        OpenRosDialog->InitialDir = OpenLineupDialog->InitialDir = WorkDir;
    }
}
