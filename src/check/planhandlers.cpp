// The main window's match plan: the Match Plan command and the reading of the orders it shows.
#include "app/sqmainform.h"
#include "matchplan.h"
#include "matchplanform.h"
#include "tactics/encodings.h"

#include <QLabel>
#include <QMenu>

void TSQMainForm::MatchPlanMenuClick()
{
    if (!rosterLoaded())
        return;
    if (!MatchPlanForm) {
        MatchPlanForm = new TMatchPlanForm(this);
        placeSideWindowBeside(MatchPlanForm);
        // The File and Edit commands' keys (Ctrl+S, Ctrl+Z, Ctrl+M, ...) and Help work from it as from the main window.
        MatchPlanForm->addActions(findChild<QMenu*>(QStringLiteral("File1"))->actions());
        MatchPlanForm->addActions(EditMenu->actions());
        MatchPlanForm->addAction(Help1);
    }
    MatchPlanForm->refresh();
    MatchPlanForm->show();
    MatchPlanForm->raise();
    MatchPlanForm->activateWindow();
}

MatchPlan TSQMainForm::matchPlan() const
{
    const SquadTable table = squadTable();
    OrdersInput in;
    in.table = &table;
    in.options = lineupOptions();
    in.mswl = isMswl();
    in.presets = strategyPresets(*IniFile, in.mswl, MissingPresets::Skip);
    return ::matchPlan(in);
}
