#include "lineupfile.h"

#include "base/wholenumber.h"

#include <array>

QString emptyConditionals()
{
    return QString(25, QLatin1Char(','));
}

QStringList lineFields(const QString& line, int count)
{
    QStringList fields = line.split(QLatin1Char(','));
    while (fields.size() < count)
        fields.append(QString());
    return fields;
}

LineupFile buildLineupFile(const SquadTable& table, const LineupOptions& options)
{
    LineupFile file;
    const QString teamTactic = options.teamTactic.isEmpty() ? QStringLiteral("N") : options.teamTactic;
    QString team =
        (options.homeBonus.isEmpty() ? QStringLiteral("3") : options.homeBonus) + QLatin1Char(',') + teamTactic;
    for (const QString& change : options.tacticChanges)
        team += QLatin1Char(',') + change;
    for (qsizetype i = options.tacticChanges.size(); i < 5; ++i)
        team += QLatin1String(",,,,,,,");
    file.lines.append(team);

    QString training;
    for (int i = 0; i < 4; ++i)
        training += options.coaches.value(i) + QLatin1Char(',');
    for (int i = 0; i < 4; ++i)
        training += options.trainees.value(i) + QLatin1Char(',');
    training += options.penaltyTaker;
    file.lines.append(training);

    QStringList starters;
    std::array<QString, 5> subSlots;
    for (qsizetype j = 1; j < table.size(); ++j) {
        const QStringList& row = table.at(j);
        if (row.at(ColPlay).isEmpty())
            continue;
        const QString& conditionals = row.at(ColConditionals);
        const QString line = row.at(ColPlay) + QLatin1Char(',') + row.at(ColName) + QLatin1Char(',') +
                             row.at(ColStyle) + QLatin1Char(',') +
                             (conditionals.isEmpty() ? emptyConditionals() : conditionals);
        if (row.at(ColSubs).isEmpty()) {
            starters.append(line);
            continue;
        }
        const auto k = parseWholeNumber(row.at(ColSubs).mid(1, 1));
        if (k && *k >= 1 && *k <= 5)
            subSlots[*k - 1] = line;
    }
    file.starters = int(starters.size());
    file.lines += starters;
    for (int k = 0; k < 5; ++k) {
        file.lines.append(subSlots[k]);
        if (subSlots[k].isEmpty() && file.firstEmptySlot == 0)
            file.firstEmptySlot = k + 1;
    }
    file.lines.append(QStringLiteral(","));
    return file;
}

QString lineupRefusal(const LineupFile& file)
{
    if (file.starters != 11)
        return QStringLiteral("You need 11 starting players, Lineup not saved");
    if (file.firstEmptySlot != 0)
        return QStringLiteral("You need 5 substitutes, Lineup not saved");
    for (qsizetype i = 0; i < file.lines.size(); ++i)
        if (file.lines.at(i).size() > LineupLineLimit)
            return QStringLiteral("Line %1 of the line-up would be longer than %2 characters, Lineup not saved")
                .arg(i + 1)
                .arg(LineupLineLimit);
    return QString();
}

LineupApplied readLineup(SquadTable& table, const QStringList& lines, int homeBonusMin, int homeBonusMax)
{
    LineupApplied applied;
    const QStringList team = lineFields(lines.value(0), 37);
    const auto bonus = parseWholeNumber(team.at(0));
    if (!bonus)
        applied.homeBonusError = QStringLiteral("EConvertError");
    const int h = bonus.value_or(0);
    if (homeBonusMin <= h && h <= homeBonusMax)
        applied.homeBonusIndex = h - homeBonusMin;
    applied.teamTactic = team.at(1);
    for (int g = 0; g < 5; ++g) {
        const QString group = team.mid(2 + 7 * g, 7).join(QLatin1Char(','));
        if (group.size() > 6)
            applied.tacticChanges.append(group);
    }

    const QStringList training = lineFields(lines.value(1), 9);
    for (int i = 0; i < 4; ++i) {
        if (!training.at(i).isEmpty())
            applied.coaches.append(training.at(i));
        if (!training.at(4 + i).isEmpty())
            applied.trainees.append(training.at(4 + i));
    }
    applied.penaltyTaker = training.at(8);

    for (int l = 2; l < 18 && l < lines.size(); ++l) {
        const QStringList f = lineFields(lines.at(l), 29);
        qsizetype row = -1;
        for (qsizetype j = 1; j < table.size(); ++j)
            if (table.at(j).at(ColName) == f.at(1)) {
                row = j;
                break;
            }
        if (row < 0)
            continue;
        QStringList& cells = table[row];
        cells[ColStyle] = f.at(2);
        cells[ColPlay] = f.at(0);
        const QString conditionals = f.mid(3, 26).join(QLatin1Char(','));
        if (conditionals.size() != 25)
            cells[ColConditionals] = conditionals;
        if (l >= 13)
            cells[ColSubs] = QLatin1Char('S') + QString::number(l - 12);
    }
    return applied;
}
