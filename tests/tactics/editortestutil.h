// Driving the two tactic editors as the manager does: open one, run steps in it, return once it has closed.
#pragma once

#include "lineup/lineuptestutil.h"
#include "tactics/Playcondunit.h"
#include "tactics/teamtacticform.h"

#include <QPushButton>
#include <functional>

// Runs `steps` in the editor of type T that `open` shows, and returns once the editor has closed.
template <typename T> inline void withEditor(const std::function<void()>& open, const std::function<void(T*)>& steps)
{
    bool ran = false;
    whenModal([&](QWidget* dialog) {
        auto* form = qobject_cast<T*>(dialog);
        QVERIFY(form);
        steps(form);
        ran = true;
        if (form->isVisible())
            form->reject();
    });
    open();
    QVERIFY(ran);
}

inline void withTeamTactics(Window& w, const std::function<void(TTeamTacticForm*)>& steps)
{
    withEditor<TTeamTacticForm>([&w] { w.form->MatchTacBtnWithColor1->click(); }, steps);
}

// Opens the conditionals editor on a player's cell by clicking it.
inline void withConditionals(Window& w, int row, const std::function<void(TPlayCondForm*)>& steps)
{
    withEditor<TPlayCondForm>([&w, row] { w.clickGrid(row, ColConditionals); }, steps);
}
