// The line-up of the fixture files, built in the window through the grid's pop-up menus.
#pragma once

#include "testutil.h"
#include "widgets/widgets.h"

#include <QToolButton>

inline void placeByName(Window& w, const QString& name, const QString& pos, const QString& style)
{
    const int row = w.rowOf(name);
    QVERIFY2(row > 0, qPrintable(name));
    w.place(row, pos, style);
}

// The fixture's eleven starters of the RVR sample roster, each as "Name Pos Style".
inline QStringList fixtureStarters()
{
    return {"Tom Adams GK n",         "Björn Ødegård SW n", "Šimon Kovar DF n", "Owen Hughes DF a",
            "François Lemaître DF n", "Jack Turner DF p",   "Sam Whitley MF n", "Rory Byrne MF n",
            "Ali Demir MF a",         "Chris Doyle FW n",   "Ben Ashby FW n"};
}

// Tom Adams GK ... Ben Ashby FW as starters, five substitutes S1 to S5 (the RVR sample roster).
inline void buildFixtureLineup(Window& w)
{
    const QStringList starters = fixtureStarters();
    for (const QString& s : starters) {
        const QStringList f = s.split(' ');
        placeByName(w, f.mid(0, f.size() - 2).join(' '), f.at(f.size() - 2), f.last());
    }
    const QStringList subs = {"José Muñoz", "Liam Carter", "Jürgen Klöse", "Pat Quinn", "Joe Blake"};
    for (int k = 0; k < 5; ++k)
        w.makeSub(w.rowOf(subs.at(k)), k + 1);
}

inline void selectText(QComboBox* box, const QString& text)
{
    const int i = box->findText(text);
    QVERIFY2(i >= 0, qPrintable(text));
    box->setCurrentIndex(i);
    emit box->activated(i);
}

// The team tactics, conditionals, coaches, trainees and penalty taker of the fixture RVR1_tactics.txt.
inline void setFixtureTactics(Window& w)
{
    w.form->setCell(ColConditionals, w.rowOf("Chris Doyle"), ",,T,>=,60,G,<,0,S1,FW" + QString(16, ','));
    w.form->TeamTactic = "O";
    w.form->TacticChanges = QStringList{"G,<,0,T,>=,60,S", "G,>,1,,,,L"};
    selectText(w.form->CPBox, "OTF");
    selectText(w.form->CPBox, "Dan Price");
    selectText(w.form->TPBox, "Joe Blake");
    selectText(w.form->TPBox, "Max Weber");
    selectText(w.form->PTakeBox, "Chris Doyle");
}

// The options of the fixture RVR3_plain.txt: home bonus 5, Tom Adams to take penalties, match 3.
inline void setPlainFixtureOptions(Window& w)
{
    selectText(w.form->HBCombo, "5");
    selectText(w.form->PTakeBox, "Tom Adams");
    selectText(w.form->MatchNoComboBox, "3");
}
