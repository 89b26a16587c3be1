#include "orderreading.h"

#include "base/wholenumber.h"
#include "lineup/lineupfile.h"

#include <algorithm>
#include <limits>

namespace {

constexpr qint64 kUnbounded = std::numeric_limits<int>::max();

bool readableCondition(const Condition& c)
{
    if (unusedCondition(c))
        return true;
    const auto range = conditionRange(c);
    if (!range)
        return false;
    const auto v = parseWholeNumber(c.value);
    return v && *v >= -90 && *v <= 90;
}

} // namespace

bool isTimeEvent(const QString& event)
{
    return event.compare(QLatin1String("T"), Qt::CaseInsensitive) == 0;
}

bool isGoalEvent(const QString& event)
{
    return event.compare(QLatin1String("G"), Qt::CaseInsensitive) == 0;
}

std::optional<ValueRange> conditionRange(const Condition& c)
{
    if (!c.complete())
        return std::nullopt;
    const auto value = parseWholeNumber(c.value);
    if (!value)
        return std::nullopt;
    const qint64 v = *value;
    ValueRange r = isTimeEvent(c.event) ? ValueRange{0, 90} : ValueRange{-kUnbounded, kUnbounded};
    if (c.op == QLatin1String(">"))
        r.lo = std::max(r.lo, v + 1);
    else if (c.op == QLatin1String(">="))
        r.lo = std::max(r.lo, v);
    else if (c.op == QLatin1String("="))
        r = {std::max(r.lo, v), std::min(r.hi, v)};
    else if (c.op == QLatin1String("<="))
        r.hi = std::min(r.hi, v);
    else if (c.op == QLatin1String("<"))
        r.hi = std::min(r.hi, v - 1);
    else
        return std::nullopt;
    return r;
}

bool halfCondition(const Condition& c)
{
    return c.event.isEmpty() != c.op.isEmpty();
}

QString writtenCondition(const Condition& c)
{
    return c.event + QLatin1Char(' ') + c.op + QLatin1Char(' ') + c.value;
}

TacticLine readTacticLine(const QString& line)
{
    const QStringList f = lineFields(line, 7);
    return {{f.at(0), f.at(1), f.at(2)}, {f.at(3), f.at(4), f.at(5)}, f.at(6)};
}

bool CellConditional::anyCondition() const
{
    return !(first.event.isEmpty() && first.op.isEmpty() && first.value.isEmpty() && second.event.isEmpty() &&
             second.op.isEmpty() && second.value.isEmpty());
}

bool ConditionalsCell::used() const
{
    return !mark1.isEmpty() || !mark2.isEmpty() ||
           std::any_of(conditionals.begin(), conditionals.end(), [](const CellConditional& c) { return c.used(); });
}

ConditionalsCell readConditionalsCell(const QString& text)
{
    ConditionalsCell cell;
    if (text.isEmpty())
        return cell;
    const QStringList f = decodeConditionalsCell(text);
    auto at = [&f](int i) { return i < f.size() ? f.at(i) : QString(); };
    cell.mark1 = at(0);
    cell.mark2 = at(1);
    for (int i = 0; i < 3; ++i) {
        const int o = 2 + 8 * i;
        cell.conditionals[i] = {{at(o), at(o + 1), at(o + 2)}, {at(o + 3), at(o + 4), at(o + 5)}, at(o + 6), at(o + 7)};
    }
    return cell;
}

bool conditionsReadable(const Condition& c1, const Condition& c2)
{
    return readableCondition(c1) && readableCondition(c2);
}

namespace {

bool conditionCodesKnown(const Condition& c)
{
    return (c.event.isEmpty() || conditionEvents().contains(c.event)) &&
           (c.op.isEmpty() || conditionOperators().contains(c.op));
}

} // namespace

bool tacticCodesKnown(const TacticLine& line, const QStringList& strategyCodes)
{
    return conditionCodesKnown(line.first) && conditionCodesKnown(line.second) &&
           (line.strategy == QLatin1String("N") || strategyCodes.contains(line.strategy));
}

bool conditionalCodesKnown(const CellConditional& c, bool mswl)
{
    return conditionCodesKnown(c.first) && conditionCodesKnown(c.second) &&
           (c.action.isEmpty() || conditionalActions().contains(c.action)) &&
           (c.position.isEmpty() || conditionalPositions(mswl).contains(c.position));
}

QString styleWord(const QString& code)
{
    if (code == QLatin1String("p"))
        return QStringLiteral("passive");
    if (code == QLatin1String("n"))
        return QStringLiteral("normal");
    if (code == QLatin1String("a"))
        return QStringLiteral("aggressive");
    return QString();
}

int subsSlot(const QString& subs)
{
    if (subs.isEmpty())
        return 0;
    const auto k = parseWholeNumber(QStringView(subs).mid(1, 1));
    return k && *k >= 1 && *k <= 5 ? *k : 0;
}

int actionSlot(const QString& action)
{
    if (action.size() != 2 || action.at(0) != QLatin1Char('S'))
        return 0;
    const char16_t d = action.at(1).unicode();
    return d >= '1' && d <= '5' ? d - '0' : 0;
}

bool isStarter(const QStringList& row)
{
    return !row.at(ColPlay).isEmpty() && row.at(ColSubs).isEmpty();
}

std::array<QList<int>, 5> slotRows(const SquadTable& table)
{
    std::array<QList<int>, 5> rows;
    for (qsizetype j = 1; j < table.size(); ++j) {
        const QStringList& row = table.at(j);
        if (row.at(ColPlay).isEmpty())
            continue;
        if (const int k = subsSlot(row.at(ColSubs)))
            rows[k - 1].append(int(j));
    }
    return rows;
}

ValueRange eventRange(const Condition& c1, const Condition& c2, const QString& event)
{
    ValueRange r = isTimeEvent(event) ? ValueRange{0, 90} : ValueRange{-kUnbounded, kUnbounded};
    for (const Condition* c : {&c1, &c2}) {
        if (c->event.compare(event, Qt::CaseInsensitive) != 0)
            continue;
        if (const auto cr = conditionRange(*c))
            r = {std::max(r.lo, cr->lo), std::min(r.hi, cr->hi)};
    }
    return r;
}

bool scoresCanMeet(const CellConditional& a, const CellConditional& b)
{
    const QString g = QStringLiteral("G");
    const ValueRange ra = eventRange(a.first, a.second, g);
    const ValueRange rb = eventRange(b.first, b.second, g);
    return !ra.empty() && !rb.empty() && std::max(ra.lo, rb.lo) <= std::min(ra.hi, rb.hi);
}

qint64 earliestMinute(const CellConditional& c)
{
    return eventRange(c.first, c.second, QStringLiteral("T")).lo;
}

bool looksBackInTime(const Condition& c)
{
    return isTimeEvent(c.event) &&
           (c.op == QLatin1String("<") || c.op == QLatin1String("<=") || c.op == QLatin1String("="));
}

bool valuesReadable(const Condition& c1, const Condition& c2)
{
    for (const Condition* c : {&c1, &c2}) {
        if (!c->complete())
            continue;
        const auto v = parseWholeNumber(c->value);
        if (!v || *v < -90 || *v > 90)
            return false;
    }
    return true;
}

ValueRange minutesHolding(const Condition& c1, const Condition& c2, int goalDifference)
{
    return minutesHoldingAt(c1, c2, goalDifference, 1).first();
}

QList<ValueRange> minutesHoldingAt(const Condition& c1, const Condition& c2, int lowest, int count)
{
    // A condition that takes part but cannot be read never holds; the others cut the minutes and the scores.
    const auto readable = [](const Condition& c) {
        return unusedCondition(c) || ((isTimeEvent(c.event) || isGoalEvent(c.event)) && conditionRange(c));
    };
    const bool never = !readable(c1) || !readable(c2);
    const ValueRange minutes = eventRange(c1, c2, QStringLiteral("T"));
    const ValueRange scores = eventRange(c1, c2, QStringLiteral("G"));
    QList<ValueRange> out;
    out.reserve(count);
    for (int g = lowest; g < lowest + count; ++g)
        out.append(!never && scores.contains(g) ? minutes : ValueRange{1, 0});
    return out;
}
