// Small squads written as one text a player, for the tests of the checker and the line-up assistant.
#pragma once

#include "squad/squadtable.h"

#include <QStringList>

// A squad of rows "Pos SL [Play Style [Subs]]"; "-" for an empty cell. The players are named P1, P2, ...
inline SquadTable squad(const QStringList& rows)
{
    SquadTable t = blankSquadTable(0);
    int n = 0;
    for (const QString& r : rows) {
        const QStringList f = r.split(QLatin1Char(' '));
        QStringList row(SquadColumns);
        row[ColName] = QStringLiteral("P%1").arg(++n);
        row[ColAge] = QStringLiteral("3");
        row[ColPos] = f.value(0);
        row[ColSL] = f.value(1);
        auto cell = [&](int i) { return f.value(i) == QLatin1String("-") ? QString() : f.value(i); };
        row[ColPlay] = cell(2);
        row[ColStyle] = cell(3);
        row[ColSubs] = cell(4);
        t.append(row);
    }
    return t;
}
