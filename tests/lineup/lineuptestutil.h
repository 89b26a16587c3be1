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

// Tom Adams GK ... Ben Ashby FW as starters, five substitutes S1 to S5 (the RVR sample roster).
inline void buildFixtureLineup(Window& w)
{
    const QStringList starters = {"Tom Adams GK n",   "Björn Ødegård SW n",     "Šimon Kovar DF n",
                                  "Owen Hughes DF a", "François Lemaître DF n", "Jack Turner DF p",
                                  "Sam Whitley MF n", "Rory Byrne MF n",        "Ali Demir MF a",
                                  "Chris Doyle FW n", "Ben Ashby FW n"};
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
