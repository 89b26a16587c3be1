#include "squadtable.h"

const QStringList& squadCaptions()
{
    static const QStringList captions = {
        QStringLiteral("Name"),  QStringLiteral("Age"),  QStringLiteral("SL"),
        QStringLiteral("Pos"),   QStringLiteral("EL"),   QStringLiteral("Play"),
        QStringLiteral("Style"), QStringLiteral("Subs"), QStringLiteral("Conditionals")};
    return captions;
}

SquadTable blankSquadTable(int players)
{
    SquadTable table;
    table.append(squadCaptions());
    for (int i = 0; i < players; ++i)
        table.append(QStringList(SquadColumns, QString()));
    return table;
}
