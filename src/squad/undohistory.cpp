#include "undohistory.h"

namespace {
QString rowName(const SquadTable& table, qsizetype row)
{
    return table.at(row).at(ColName);
}

QString gridStep(const SquadTable& before, const SquadTable& after)
{
    if (before.size() != after.size())
        return QString();
    QList<qsizetype> rows;
    for (qsizetype r = 1; r < after.size(); ++r)
        if (before.at(r) != after.at(r))
            rows.append(r);
    if (rows.isEmpty())
        return QString();
    if (rows.size() > 1)
        return QStringLiteral("Change line-up");
    const QStringList& was = before.at(rows.first());
    const QStringList& is = after.at(rows.first());
    const QString name = rowName(after, rows.first());
    if (was.at(ColPlay) == is.at(ColPlay) && was.at(ColStyle) == is.at(ColStyle) && was.at(ColSubs) == is.at(ColSubs)) {
        if (was.at(ColConditionals) != is.at(ColConditionals))
            return QStringLiteral("Conditionals for ") + name;
        return QStringLiteral("Change ") + name;
    }
    if (is.at(ColPlay).isEmpty() || (is.at(ColSubs).isEmpty() && !was.at(ColSubs).isEmpty()))
        return QStringLiteral("Deselect ") + name;
    if (!is.at(ColSubs).isEmpty() && is.at(ColSubs) != was.at(ColSubs))
        return QStringLiteral("Choose %1 for %2").arg(is.at(ColSubs), name);
    return QStringLiteral("Choose %1 for %2").arg(is.at(ColPlay), name);
}
} // namespace

QString describeStep(const LineupState& before, const LineupState& after)
{
    if (before.abbreviation != after.abbreviation || before.teamName != after.teamName)
        return QStringLiteral("Open Roster");
    const QString grid = gridStep(before.grid, after.grid);
    if (!grid.isEmpty())
        return grid;
    if (before.grid != after.grid)
        return QStringLiteral("Change line-up");
    if (before.trained != after.trained)
        return before.trained.size() < after.trained.size() ? QStringLiteral("Choose trainee")
                                                            : QStringLiteral("Remove trainee");
    if (before.coached != after.coached)
        return before.coached.size() < after.coached.size() ? QStringLiteral("Choose coach")
                                                            : QStringLiteral("Remove coach");
    if (before.penaltyTaker != after.penaltyTaker)
        return QStringLiteral("Choose penalty taker");
    if (before.homeBonus != after.homeBonus)
        return QStringLiteral("Choose home bonus");
    if (before.match != after.match)
        return QStringLiteral("Choose match");
    if (before.teamTactic != after.teamTactic || before.tacticChanges != after.tacticChanges ||
        before.tacticList != after.tacticList)
        return QStringLiteral("Team Tactics");
    if (before.opponent != after.opponent || before.oppPlayers != after.oppPlayers)
        return QStringLiteral("Choose opponent");
    return QStringLiteral("Change");
}

void UndoHistory::reset(const LineupState& state)
{
    m_now = state;
    m_undo.clear();
    m_redo.clear();
}

void UndoHistory::record(const LineupState& state, const QString& name)
{
    if (state == m_now)
        return;
    m_undo.append({m_now, name.isEmpty() ? describeStep(m_now, state) : name});
    if (m_undo.size() > kSteps)
        m_undo.removeFirst();
    m_redo.clear();
    m_now = state;
}

const LineupState& UndoHistory::undo()
{
    Step step = m_undo.takeLast();
    m_redo.append({m_now, step.name});
    m_now = std::move(step.state);
    return m_now;
}

const LineupState& UndoHistory::redo()
{
    Step step = m_redo.takeLast();
    m_undo.append({m_now, step.name});
    m_now = std::move(step.state);
    return m_now;
}
