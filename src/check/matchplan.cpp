#include "matchplan.h"
#include "orderreading.h"

#include <algorithm>
#include <numeric>

namespace {

const char* const kOrdinals[] = {"1st", "2nd", "3rd"};

QString conditionFields(const Condition& c)
{
    return c.event + QLatin1Char(',') + c.op + QLatin1Char(',') + c.value;
}

// Why the league cannot read the two conditions of an order, or an empty text when it can.
QString unreadConditions(const Condition& c1, const Condition& c2)
{
    QStringList why;
    for (const auto& [c, n] : {std::pair{&c1, 1}, std::pair{&c2, 2}}) {
        if (halfCondition(*c))
            why.append(c->op.isEmpty()
                           ? QStringLiteral("condition %1 has the event %2 but no operator").arg(n).arg(c->event)
                           : QStringLiteral("condition %1 has the operator %2 but no event").arg(n).arg(c->op));
        else if (!conditionsReadable(*c, Condition()))
            why.append(c->value.isEmpty() ? QStringLiteral("condition %1 has no value").arg(n)
                                          : QStringLiteral("the value \"%1\" of condition %2 is not a whole number "
                                                           "from -90 to 90")
                                                .arg(c->value)
                                                .arg(n));
    }
    return why.join(QLatin1String(" and "));
}

struct ReadLine {
    int number; // 1..5
    TacticLine line;
};

struct ReadConditional {
    int row, index;
    QString player;
    CellConditional c;
    QList<ValueRange> minutes; // the minutes both conditions hold, at each goal difference from -3 to 3
};

void addSegments(ScorePlan& score, const QString& start, const QList<ReadLine>& lines)
{
    const qsizetype count = std::min<qsizetype>(lines.size(), 5);
    std::array<ValueRange, 5> holds{};
    for (qsizetype i = 0; i < count; ++i)
        holds[i] = minutesHolding(lines.at(i).line.first, lines.at(i).line.second, score.goalDifference);
    // Minute by minute: the line in force (-1 for the starting strategy) and the other lines that clash with it.
    int lastWinner = -2, lastClashes = 0;
    for (int minute = 0; minute <= 90; ++minute) {
        int winner = -1, clashes = 0;
        for (qsizetype i = 0; i < count; ++i) {
            if (!holds[i].contains(minute))
                continue;
            if (winner < 0)
                winner = int(i);
            else if (lines.at(i).line.strategy != lines.at(winner).line.strategy)
                clashes |= 1 << i;
        }
        if (winner == lastWinner && clashes == lastClashes) {
            score.segments.last().to = minute;
            continue;
        }
        lastWinner = winner;
        lastClashes = clashes;
        StrategySegment here;
        here.from = here.to = minute;
        here.strategy = winner < 0 ? start : lines.at(winner).line.strategy;
        here.line = winner < 0 ? 0 : lines.at(winner).number;
        for (qsizetype i = 0; i < count; ++i)
            if (clashes & (1 << i)) {
                here.clashLines.append(lines.at(i).number);
                here.clashStrategies.append(lines.at(i).line.strategy);
            }
        score.segments.append(here);
    }
}

void addEvents(ScorePlan& score, const QList<ReadConditional>& conditionals, const std::array<QList<int>, 5>& holders,
               const SquadTable& table)
{
    QList<PlanEvent> found;
    for (const ReadConditional& rc : conditionals) {
        const ValueRange& minutes = rc.minutes.at(score.goalDifference + 3);
        if (minutes.empty())
            continue;
        PlanEvent e;
        e.minute = int(minutes.lo);
        e.row = rc.row;
        e.conditional = rc.index;
        e.player = rc.player;
        e.position = rc.c.position;
        if (const int k = actionSlot(rc.c.action)) {
            e.kind = PlanEventKind::Substitution;
            e.slot = k;
            if (!holders[k - 1].isEmpty())
                e.substitute = table.at(holders[k - 1].last()).at(ColName);
        } else {
            e.kind = styleWord(rc.c.position).isEmpty() ? PlanEventKind::PositionChange : PlanEventKind::StyleChange;
        }
        found.append(std::move(e));
    }
    // The conditionals arrive in grid order, 1st to 3rd: a stable sort keeps that order within a minute.
    QList<int> order(found.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&found](int a, int b) { return found[a].minute < found[b].minute; });
    score.events.reserve(found.size());
    for (int i : order)
        score.events.append(std::move(found[i]));
    std::array<bool, 5> on{};
    QList<int> off;
    for (PlanEvent& e : score.events) {
        if (e.kind == PlanEventKind::Substitution && on[e.slot - 1])
            e.reason = QStringLiteral("S%1 is already on").arg(e.slot);
        else if (off.contains(e.row))
            e.reason = QStringLiteral("%1 is already off").arg(e.player);
        else if (e.kind == PlanEventKind::Substitution && e.substitute.isEmpty())
            e.reason = QStringLiteral("nobody holds S%1").arg(e.slot);
        e.happens = e.reason.isEmpty();
        if (e.happens && e.kind == PlanEventKind::Substitution) {
            on[e.slot - 1] = true;
            off.append(e.row);
        }
    }
}

} // namespace

MatchPlan matchPlan(const OrdersInput& input)
{
    static const SquadTable none = blankSquadTable(0);
    const SquadTable& table = input.table ? *input.table : none;
    MatchPlan plan;

    QStringList codes;
    for (const QString& preset : input.presets)
        codes.append(strategyCode(preset));
    const QString start = input.options.teamTactic.isEmpty() ? QStringLiteral("N") : input.options.teamTactic;

    QList<ReadLine> lines;
    const QStringList& written = input.options.tacticChanges;
    for (qsizetype i = 0; i < written.size() && i < 5; ++i) {
        const TacticLine line = readTacticLine(written.at(i));
        QString why = unreadConditions(line.first, line.second);
        if (why.isEmpty() && !tacticCodesKnown(line, codes))
            why = line.strategy == QLatin1String("N") || codes.contains(line.strategy)
                      ? QStringLiteral("it holds an event or operator the league does not know")
                      : QStringLiteral("the strategy code \"%1\" is not the first letter of any strategy of this "
                                       "league")
                            .arg(line.strategy);
        if (!why.isEmpty())
            plan.unread.append({QStringLiteral("Tactic line %1").arg(i + 1), written.at(i), why, int(i + 1), 0, -1});
        else
            lines.append({int(i + 1), line});
    }

    QList<ReadConditional> conditionals;
    for (qsizetype j = 1; j < table.size(); ++j) {
        const QStringList& row = table.at(j);
        if (row.at(ColConditionals).isEmpty())
            continue;
        const ConditionalsCell cell = readConditionalsCell(row.at(ColConditionals));
        const QString& player = row.at(ColName);
        for (int i = 0; i < 3; ++i) {
            const CellConditional& c = cell.conditionals[i];
            // Without an action or a position a conditional does nothing.
            if (c.action.isEmpty() && c.position.isEmpty())
                continue;
            QString why;
            if (row.at(ColPlay).isEmpty())
                why = QStringLiteral("%1 is not in the line-up: his conditionals are written nowhere").arg(player);
            if (why.isEmpty())
                why = unreadConditions(c.first, c.second);
            if (why.isEmpty() && !conditionalCodesKnown(c, input.mswl))
                why = QStringLiteral("it holds an action, position, event or operator the league does not know");
            if (why.isEmpty() && !c.first.complete() && !c.second.complete())
                why = QStringLiteral("it has an action or position but no complete condition: the league does not "
                                     "know when");
            if (!why.isEmpty()) {
                const QString order = conditionFields(c.first) + QLatin1Char(',') + conditionFields(c.second) +
                                      QLatin1Char(',') + c.action + QLatin1Char(',') + c.position;
                plan.unread.append({QStringLiteral("%1, %2 conditional").arg(player, QLatin1String(kOrdinals[i])),
                                    order, why, 0, int(j), i});
                continue;
            }
            conditionals.append({int(j), i, player, c, minutesHoldingAt(c.first, c.second, -3, MatchPlan::Scores)});
        }
    }

    const std::array<QList<int>, 5> holders = slotRows(table);
    for (int s = 0; s < MatchPlan::Scores; ++s) {
        ScorePlan& score = plan.scores[s];
        score.goalDifference = s - 3;
        addSegments(score, start, lines);
        addEvents(score, conditionals, holders, table);
    }
    return plan;
}

QString scoreName(int goalDifference)
{
    if (goalDifference == 0)
        return QStringLiteral("level");
    return QStringLiteral("%1 %2")
        .arg(std::abs(goalDifference))
        .arg(goalDifference < 0 ? QLatin1String("down") : QLatin1String("up"));
}

QString strategyName(const QString& code, const QStringList& presets)
{
    for (const QString& preset : presets)
        if (!preset.isEmpty() && strategyCode(preset) == code)
            return preset;
    return code;
}

QString eventText(const PlanEvent& e)
{
    const QString minute = QStringLiteral("%1'  ").arg(e.minute);
    const QString prefix = e.happens ? minute : minute + QStringLiteral("(does not happen: %1) ").arg(e.reason);
    switch (e.kind) {
    case PlanEventKind::Substitution: {
        if (!e.happens)
            return prefix + QStringLiteral("S%1 for %2").arg(e.slot).arg(e.player);
        QString as;
        if (!styleWord(e.position).isEmpty())
            as = QStringLiteral(", playing ") + styleWord(e.position);
        else if (!e.position.isEmpty())
            as = QStringLiteral(", as ") + e.position;
        return prefix + QStringLiteral("S%1 %2 on for %3").arg(e.slot).arg(e.substitute, e.player) + as;
    }
    case PlanEventKind::StyleChange:
        return prefix + QStringLiteral("%1 changes to %2 play").arg(e.player, styleWord(e.position));
    case PlanEventKind::PositionChange:
        if (e.position.isEmpty())
            return prefix + QStringLiteral("%1 changes, with no position chosen").arg(e.player);
        return prefix + QStringLiteral("%1 moves to %2").arg(e.player, e.position);
    }
    return prefix;
}

QString segmentText(const StrategySegment& s, const QStringList& presets)
{
    const QString minutes =
        s.from == s.to ? QStringLiteral("%1'").arg(s.from) : QStringLiteral("%1'-%2'").arg(s.from).arg(s.to);
    QString text = minutes + QStringLiteral("  ") + strategyName(s.strategy, presets);
    if (s.line)
        text += QStringLiteral(" (line %1)").arg(s.line);
    if (s.clash()) {
        // A clash names each other line that holds with its own strategy; the line-up file does not say which
        // one the league takes, so the plan shows the lowest-numbered as in force.
        QStringList others;
        for (qsizetype i = 0; i < s.clashLines.size(); ++i)
            others.append(QStringLiteral("%1 (line %2)")
                              .arg(strategyName(s.clashStrategies.value(i), presets))
                              .arg(s.clashLines.at(i)));
        text += QStringLiteral("; clashes with ") + others.join(QLatin1String(", "));
    }
    return text;
}

QString unreadText(const UnreadOrder& u)
{
    return QStringLiteral("Unread: %1 \"%2\": %3").arg(u.place, u.order, u.reason);
}

QStringList planLines(const MatchPlan& plan, int goalDifference, const QStringList& presets)
{
    const ScorePlan& score = plan.at(goalDifference);
    QStringList out;
    for (const PlanEvent& e : score.events)
        out.append(eventText(e));
    for (const StrategySegment& s : score.segments)
        out.append(segmentText(s, presets));
    for (const UnreadOrder& u : plan.unread)
        out.append(unreadText(u));
    return out;
}
