// The main window's commands that open the two tactic editors.
#include "Playcondunit.h"
#include "app/sqmainform.h"
#include "teamtacticform.h"

void TSQMainForm::MatchTacBtnClick()
{
    if (!rosterLoaded())
        return;
    {
        TTeamTacticForm form(this);
        form.exec();
    }
    checkLineup();
}

void TSQMainForm::openPlayerConditionals()
{
    {
        TPlayCondForm form(this);
        form.exec();
    }
    // Done and Cancel change the grid: the lamps and totals follow, as after every change of the line-up.
    checkLineup();
}
