#include "rosterfile.h"

#include "base/errors.h"
#include "base/wholenumber.h"

namespace {
QString fileWord(const QString& name)
{
    return name.isEmpty() ? QStringLiteral("The file") : QStringLiteral("\"%1\"").arg(name);
}

// The line as the manager can recognise it in a message: at most 60 characters.
QString quoted(const QString& line)
{
    return QLatin1Char('"') + (line.size() > 60 ? line.left(57) + QStringLiteral("...") : line) + QLatin1Char('"');
}

// The header and the player lines, without the empty lines before the header and among the players;
// the line numbers count every line of the file from 1.
struct RosterLines {
    QStringList lines;
    QList<qsizetype> numbers;
};

RosterLines nonEmptyLines(const QStringList& lines)
{
    RosterLines out;
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (!lines.at(i).isEmpty()) {
            out.lines.append(lines.at(i));
            out.numbers.append(i + 1);
        }
    return out;
}

QString problemOf(const RosterLines& roster, const QString& name)
{
    if (roster.lines.isEmpty())
        return QStringLiteral("%1 is not a roster file: it holds no line, so it has no team line.").arg(fileWord(name));
    if (roster.lines.size() == 1)
        return QStringLiteral("%1 is not a roster file: after its first line (%2) it holds no player line.")
            .arg(fileWord(name), quoted(roster.lines.first()));
    for (qsizetype j = 1; j < roster.lines.size(); ++j) {
        const QStringList fields = roster.lines.at(j).split(QLatin1Char(','));
        QString fault;
        if (fields.size() < 5)
            fault = QStringLiteral("it has %1, not the five fields Name, Age, SL, Pos and EL")
                        .arg(fields.size() == 1 ? QStringLiteral("1 field")
                                                : QStringLiteral("%1 fields").arg(fields.size()));
        else if (!parseWholeNumber(fields.at(ColAge)))
            fault = QStringLiteral("its Age \"%1\" is not a whole number").arg(fields.at(ColAge));
        else if (!parseWholeNumber(fields.at(ColSL)))
            fault = QStringLiteral("its SL \"%1\" is not a whole number").arg(fields.at(ColSL));
        if (!fault.isEmpty())
            return QStringLiteral("%1 is not a roster file: line %2 (%3) is not a player line, %4.")
                .arg(fileWord(name))
                .arg(roster.numbers.at(j))
                .arg(quoted(roster.lines.at(j)), fault);
    }
    return QString();
}

RosterLines checkedRoster(const QStringList& lines, const QString& name)
{
    RosterLines roster = nonEmptyLines(lines);
    const QString problem = problemOf(roster, name);
    if (!problem.isEmpty())
        throw SquadError(problem);
    return roster;
}
} // namespace

QString rosterProblem(const QStringList& lines, const QString& name)
{
    return problemOf(nonEmptyLines(lines), name);
}

QString firstField(const QString& line)
{
    const qsizetype comma = line.indexOf(QLatin1Char(','));
    return comma < 0 ? line : line.left(comma);
}

RosterRead readRoster(SquadTable& table, QStringList lines, const QString& name)
{
    lines = checkedRoster(lines, name).lines;
    RosterRead read;
    read.header = lines.first().split(QLatin1Char(','));

    table.resize(lines.size());
    table[0] = squadCaptions();
    for (qsizetype j = 1; j < lines.size(); ++j) {
        QStringList& row = table[j];
        row.resize(SquadColumns);
        const QStringList fields = lines.at(j).split(QLatin1Char(','));
        for (qsizetype k = 0; k < fields.size() && k < SquadColumns; ++k)
            row[k] = fields.at(k);
    }

    read.coaches.append(QStringLiteral("OTF"));
    for (qsizetype j = 1; j < table.size(); ++j) {
        const QStringList& row = table.at(j);
        read.penaltyList.append(row.at(ColName));
        const int age = *parseWholeNumber(row.at(ColAge)); // checked above
        if (age == 0 || age == 1)
            read.trainees.append(row.at(ColName));
        else
            read.coaches.append(row.at(ColName));
    }
    return read;
}

OppRosterRead readOppRoster(QStringList lines, const QString& name)
{
    lines = checkedRoster(lines, name).lines;
    OppRosterRead read;
    read.abbreviation = firstField(lines.first());
    for (qsizetype j = 1; j < lines.size(); ++j) {
        const QString player = firstField(lines.at(j));
        if (!player.isEmpty())
            read.players.append(player);
    }
    return read;
}
