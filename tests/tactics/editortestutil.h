// Opening the two tactic editors as the manager does, for withEditor (testutil.h).
#pragma once

#include "lineup/lineuptestutil.h"
#include "tactics/Playcondunit.h"
#include "tactics/teamtacticform.h"

#include <QPushButton>
#include <functional>

inline void withTeamTactics(Window& w, const std::function<void(TTeamTacticForm*)>& steps)
{
    withEditor<TTeamTacticForm>([&w] { w.form->MatchTacBtnWithColor1->click(); }, steps);
}

// Opens the conditionals editor on a player's cell by clicking it.
inline void withConditionals(Window& w, int row, const std::function<void(TPlayCondForm*)>& steps)
{
    withEditor<TPlayCondForm>([&w, row] { w.clickGrid(row, ColConditionals); }, steps);
}
