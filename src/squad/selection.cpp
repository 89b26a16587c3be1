#include "selection.h"

QString defaultPlayForPos(const QString& pos)
{
    if (pos == QLatin1String("UT"))
        return QStringLiteral("FW");
    if (pos == QLatin1String("SD"))
        return QStringLiteral("SW");
    if (pos == QLatin1String("DM"))
        return QStringLiteral("DF");
    if (pos == QLatin1String("MA"))
        return QStringLiteral("MF");
    return pos;
}

void clearLineupColumns(SquadTable& table)
{
    for (qsizetype j = 1; j < table.size(); ++j)
        for (int c = ColPlay; c <= ColConditionals; ++c)
            table[j][c].clear();
}
