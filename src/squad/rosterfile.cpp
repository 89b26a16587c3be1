#include "rosterfile.h"

#include "base/errors.h"
#include "base/wholenumber.h"

namespace {
void dropLeadingEmptyLines(QStringList& lines)
{
    while (!lines.isEmpty() && lines.first().isEmpty())
        lines.removeFirst();
    if (lines.isEmpty())
        throw ListIndexError(0);
}
} // namespace

QString firstField(const QString& line)
{
    const qsizetype comma = line.indexOf(QLatin1Char(','));
    return comma < 0 ? line : line.left(comma);
}

RosterRead readRoster(SquadTable& table, QStringList lines)
{
    dropLeadingEmptyLines(lines);
    RosterRead read;
    read.header = lines.first().split(QLatin1Char(','));

    table.resize(lines.size());
    table[0] = squadCaptions();
    for (qsizetype j = 1; j < lines.size(); ++j) {
        QStringList& row = table[j];
        row.resize(SquadColumns);
        if (lines.at(j).isEmpty())
            continue;
        const QStringList fields = lines.at(j).split(QLatin1Char(','));
        for (qsizetype k = 0; k < fields.size() && k < SquadColumns; ++k)
            row[k] = fields.at(k);
    }

    read.coaches.append(QStringLiteral("OTF"));
    for (qsizetype j = 1; j < table.size(); ++j) {
        const QStringList& row = table.at(j);
        read.penaltyList.append(row.at(ColName));
        const auto age = parseWholeNumber(row.at(ColAge));
        if (!age) {
            read.ageError = ConvertError(row.at(ColAge)).message();
            break;
        }
        if (*age == 0 || *age == 1)
            read.trainees.append(row.at(ColName));
        else
            read.coaches.append(row.at(ColName));
    }
    return read;
}

OppRosterRead readOppRoster(QStringList lines)
{
    dropLeadingEmptyLines(lines);
    OppRosterRead read;
    read.abbreviation = firstField(lines.first());
    for (qsizetype j = 1; j < lines.size(); ++j) {
        const QString name = firstField(lines.at(j));
        if (!name.isEmpty())
            read.players.append(name);
    }
    return read;
}
