#include "orderscheck.h"
#include "orderreading.h"

#include "base/errors.h"
#include "base/textfile.h"
#include "base/wholenumber.h"
#include "lineup/filenames.h"
#include "squad/lineupchecker.h"
#include "tactics/encodings.h"

#include <algorithm>
#include <array>

namespace {

const QStringList& codeOrder()
{
    static const QStringList codes = [] {
        QStringList all;
        for (const auto& [letter, last] :
             {std::pair{'L', 10}, std::pair{'T', 7}, std::pair{'P', 14}, std::pair{'B', 2}, std::pair{'S', 5}})
            for (int n = 1; n <= last; ++n)
                all.append(QLatin1Char(letter) + QString::number(n));
        return all;
    }();
    return codes;
}

const char* const kOrdinals[] = {"1st", "2nd", "3rd"};

bool isPlayedPosition(const QString& code)
{
    return playedPositions().contains(code);
}

// A position of the MSWL league that the LGM league does not have.
bool mswlOnlyPosition(const QString& code)
{
    return code == QLatin1String("WG") || !styleWord(code).isEmpty();
}

// Why two conditions can never both hold, or an empty text.
QString neverHolds(const Condition& c1, const Condition& c2)
{
    const auto r1 = conditionRange(c1);
    const auto r2 = conditionRange(c2);
    for (const auto& [c, r] : {std::pair{&c1, &r1}, std::pair{&c2, &r2}})
        if (*r && (*r)->empty())
            return QStringLiteral("\"%1\" can never hold%2. Change the value or the operator.")
                .arg(writtenCondition(*c),
                     isTimeEvent(c->event) ? QStringLiteral(": the game time runs from 0 to 90 minutes") : QString());
    if (r1 && r2 && c1.event.compare(c2.event, Qt::CaseInsensitive) == 0 &&
        std::max(r1->lo, r2->lo) > std::min(r1->hi, r2->hi))
        return QStringLiteral("\"%1\" and \"%2\" can never both hold, so this order never comes into force. Change "
                              "one of the two conditions.")
            .arg(writtenCondition(c1), writtenCondition(c2));
    return QString();
}

QString halfConditionText(const Condition& c, int number)
{
    return c.op.isEmpty() ? QStringLiteral("condition %1 has the event %2 but no operator").arg(number).arg(c.event)
                          : QStringLiteral("condition %1 has the operator %2 but no event").arg(number).arg(c.op);
}

// What the league cannot read in the codes and values of two conditions, one phrase each.
QStringList unreadableParts(const Condition& c1, const Condition& c2)
{
    QStringList parts;
    for (const auto& [c, n] : {std::pair{&c1, 1}, std::pair{&c2, 2}}) {
        if (!c->event.isEmpty() && !conditionEvents().contains(c->event))
            parts.append(QStringLiteral("the event \"%1\" of condition %2 is neither G nor T").arg(c->event).arg(n));
        if (!c->op.isEmpty() && !conditionOperators().contains(c->op))
            parts.append(
                QStringLiteral("the operator \"%1\" of condition %2 is none of >, >=, =, <= and <").arg(c->op).arg(n));
        if (c->complete() && !valuesReadable(*c, Condition{}))
            parts.append(QStringLiteral("the value \"%1\" of condition %2 is not a whole number from -90 to 90")
                             .arg(c->value)
                             .arg(n));
    }
    return parts;
}

// "2 sweepers start", "1 defender starts", "No goalkeeper starts".
QString startCount(int n, const char* one, const char* many)
{
    if (n == 0)
        return QStringLiteral("No %1 starts").arg(QLatin1String(one));
    if (n == 1)
        return QStringLiteral("1 %1 starts").arg(QLatin1String(one));
    return QStringLiteral("%1 %2 start").arg(n).arg(QLatin1String(many));
}

// A conditional that brings on a substitute, as the league would take it.
struct BringsOn {
    int row, index; // grid row, 0..2
    CellConditional c;
    qint64 minute; // the first minute its time conditions allow
};

class Checker {
public:
    explicit Checker(const OrdersInput& in)
        : in(in)
        , table(*in.table)
        , slotHolders(slotRows(table))
    {
    }

    QList<Finding> run()
    {
        out.reserve(64);
        lineup();
        lineupRules();
        tactics();
        conditionals();
        bids();
        session();
        // Each finding's place in the order once, not at every comparison.
        QList<std::pair<qsizetype, qsizetype>> keys; // (rank, index in `out`)
        keys.reserve(out.size());
        for (qsizetype i = 0; i < out.size(); ++i)
            keys.append(
                {(out.at(i).severity == Severity::Error ? 0 : codeOrder().size()) + codeOrder().indexOf(out.at(i).code),
                 i});
        std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        QList<Finding> sorted;
        sorted.reserve(out.size());
        for (const auto& key : keys)
            sorted.append(std::move(out[key.second]));
        return sorted;
    }

private:
    Finding& add(Severity s, const char* code, const QString& place, const QString& sentence, FindingTarget target,
                 int row = 0, int column = 0)
    {
        // A row from a file may have no name; its place is then its row.
        const QString shown = !place.isEmpty()                    ? place
                              : target == FindingTarget::GridCell ? QStringLiteral("Row %1").arg(row)
                                                                  : QStringLiteral("Line-up");
        out.append({s, QString::fromLatin1(code), shown, sentence, target, row, column, QString()});
        return out.last();
    }

    const QString& name(int row) const { return table.at(row).at(ColName); }

    QString holder(int slot) const
    {
        const QList<int>& rows = slotHolders[slot - 1];
        return rows.isEmpty() ? QString() : name(rows.last());
    }

    // "Fin's 1st conditional"
    QString conditionalName(int row, int index) const
    {
        return QStringLiteral("%1's %2 conditional").arg(name(row), QLatin1String(kOrdinals[index]));
    }

    void lineup()
    {
        const QString lineupPlace = QStringLiteral("Line-up");
        if (in.matchText.isEmpty())
            add(Severity::Warning, "L1", lineupPlace,
                QStringLiteral("No match number is chosen: the file will be named for match 1. Choose the match in "
                               "the Match No. list."),
                FindingTarget::MatchList);
        if (in.options.homeBonus.isEmpty())
            add(Severity::Warning, "L2", lineupPlace,
                QStringLiteral("No home bonus is chosen: the file will say 3. Choose the home bonus in its list."),
                FindingTarget::HomeBonusList);
        const QString& taker = in.options.penaltyTaker;
        if (taker.isEmpty())
            add(Severity::Warning, "L3", lineupPlace,
                QStringLiteral("No penalty taker is chosen. Choose one of the starters in the Penalty Taker list."),
                FindingTarget::PenaltyList);
        else if (std::none_of(table.begin() + 1, table.end(),
                              [&](const QStringList& row) { return isStarter(row) && row.at(ColName) == taker; }))
            add(Severity::Warning, "L3", taker,
                QStringLiteral("The penalty taker %1 is not among the starters. Choose one of the starters in the "
                               "Penalty Taker list.")
                    .arg(taker),
                FindingTarget::PenaltyList);
        twice(in.options.trainees, QStringLiteral("trainees"), FindingTarget::TraineeList);
        twice(in.options.coaches, QStringLiteral("coaches"), FindingTarget::CoachList);

        for (int k = 1; k <= 5; ++k) {
            const QList<int>& rows = slotHolders[k - 1];
            for (qsizetype i = 0; i + 1 < rows.size(); ++i)
                add(Severity::Error, "L5", name(rows.at(i)),
                    QStringLiteral("%1 and %2 both hold S%3: %1, the upper one, will be left out of the file. Take one "
                                   "of them out of the line-up, or give him a slot that nobody else holds.")
                        .arg(name(rows.at(i)), name(rows.last()))
                        .arg(k),
                    FindingTarget::GridCell, rows.at(i), ColSubs);
        }
        for (qsizetype j = 1; j < table.size(); ++j) {
            const QStringList& row = table.at(j);
            const QString& subs = row.at(ColSubs);
            // A row taken out with "[deselect]" keeps its slot; it matters only when no placed row holds it.
            const int k = subsSlot(subs);
            if (!subs.isEmpty() && row.at(ColPlay).isEmpty() && (!k || slotHolders[k - 1].isEmpty())) {
                const QString who =
                    row.at(ColName).isEmpty() ? QStringLiteral("the player of row %1").arg(j) : row.at(ColName);
                add(Severity::Error, "L6", row.at(ColName),
                    QStringLiteral("%1 holds %2 but has no position, so he is not written and %2 stays empty: give %1 "
                                   "a position, or put another player in %2.")
                        .arg(who, subs),
                    FindingTarget::GridCell, int(j), ColSubs);
            }
        }
        for (qsizetype j = 1; j < table.size(); ++j) {
            const QStringList& row = table.at(j);
            if (!in.mswl && row.at(ColPlay) == QLatin1String("WG"))
                add(Severity::Error, "L7", row.at(ColName),
                    QStringLiteral("%1 is placed as WG, but the league is LGM, which has no wingers: its match engine "
                                   "cannot play him there. Give him a position of a line that has room, or choose "
                                   "the league MSWL if that is the league you play in.")
                        .arg(row.at(ColName)),
                    FindingTarget::GridCell, int(j), ColPlay);
        }
        for (qsizetype j = 1; j < table.size(); ++j) {
            const QStringList& row = table.at(j);
            if (isStarter(row) && positionFactorTenths(row.at(ColPos), row.at(ColPlay)) == 0)
                add(Severity::Warning, "L8", row.at(ColName),
                    QStringLiteral("%1, a %2, adds nothing playing %3 (position factor 0). Give him a position that "
                                   "suits him, in a line that has room.")
                        .arg(row.at(ColName), row.at(ColPos), row.at(ColPlay)),
                    FindingTarget::GridCell, int(j), ColPlay);
        }

        file = buildLineupFile(table, in.options);
        if (file.starters != 11)
            add(Severity::Error, "L9", lineupPlace,
                QStringLiteral("The line-up has %1 starters: saving is refused until exactly 11 players have a "
                               "position and no substitute slot.")
                    .arg(file.starters),
                FindingTarget::Grid);
        QStringList empty;
        // The substitute lines follow the team line, the training line and the starters.
        for (int k = 1; k <= 5; ++k)
            if (file.lines.at(1 + file.starters + k).isEmpty())
                empty.append(QStringLiteral("S%1").arg(k));
        if (!empty.isEmpty())
            add(Severity::Error, "L9", lineupPlace,
                QStringLiteral("%1 %2 empty: saving is refused until every slot from S1 to S5 holds a player with a "
                               "position.")
                    .arg(empty.join(QLatin1String(", ")),
                         empty.size() == 1 ? QStringLiteral("is") : QStringLiteral("are")),
                FindingTarget::Grid);
    }

    // The league's rules for the starters, as the lamps of the line-up checker show them.
    void lineupRules()
    {
        CheckResult r;
        try {
            r = checkLineup(table, in.options.teamTactic);
        } catch (const SquadError&) {
            return; // an SL or a slot that is no number: the lamps cannot be lit either
        }
        struct Rule {
            bool lit;
            int index; // in the order GK, SW, DF, MF, WG, FW
            const char *one, *many, *limit, *code;
            int lo, hi;
        };
        const Rule rules[] = {{r.gk, 0, "goalkeeper", "goalkeepers", "exactly 1", "GK", 1, 1},
                              {r.sw, 1, "sweeper", "sweepers", "at most 1", "SW", 0, 1},
                              {r.df, 2, "defender", "defenders", "2 to 5", "DF", 2, 5},
                              {r.mf, 3, "midfielder", "midfielders", "2 to 5", "MF", 2, 5},
                              {r.fw, 5, "forward", "forwards", "1 to 4", "FW", 1, 4}};
        const QString place = QStringLiteral("Line-up");
        for (const Rule& rule : rules) {
            if (rule.lit)
                continue;
            const int n = r.counts[rule.index];
            const QString fix =
                n < rule.lo
                    ? QStringLiteral("Move a starter whom his line can spare to %1, or bring in a %2 for such a "
                                     "starter.")
                          .arg(QLatin1String(rule.code), QLatin1String(rule.one))
                    : QStringLiteral("Move %1 of them to a line that has room, or take %1 out for a player of such a "
                                     "line.")
                          .arg(n - rule.hi);
            add(Severity::Error, "L10", place,
                QStringLiteral("%1; a line-up has %2. ")
                        .arg(startCount(n, rule.one, rule.many), QLatin1String(rule.limit)) +
                    fix,
                FindingTarget::Grid);
        }
        const qint64 df = r.sums[2], mf = r.sums[3], fw = r.sums[5];
        if (!r.mf21)
            add(Severity::Error, "L10", place,
                df > 0 && mf > 0
                    ? QStringLiteral("As the line-up stands, the midfield's SL %1 is not below twice the defence's %2: "
                                     "the MF 2:1 rule. "
                                     "Strengthen the defence or weaken the midfield (another player or style), "
                                     "keeping every line within its limits.")
                          .arg(mf)
                          .arg(df)
                    : QStringLiteral("The MF 2:1 rule needs a defence and a midfield with SL above 0; the defence has "
                                     "%1, the midfield %2. Place starters with SL in both lines.")
                          .arg(df)
                          .arg(mf),
                FindingTarget::Grid);
        if (r.fw21 == FwLamp::Off)
            add(Severity::Error, "L10", place,
                mf > 0 && fw != 0
                    ? QStringLiteral("As the line-up stands, the attack's SL %1 is not below twice the midfield's %2: "
                                     "the FW 2:1 rule. "
                                     "Strengthen the midfield or weaken the attack (another player or style), "
                                     "keeping every line within its limits, or start with a strategy that lifts the "
                                     "rule (L or E).")
                          .arg(fw)
                          .arg(mf)
                    : QStringLiteral("The FW 2:1 rule needs a midfield and an attack with SL above 0; the midfield "
                                     "has %1, the attack %2. Place starters with SL in both lines, or start with a "
                                     "strategy that lifts the rule (L or E).")
                          .arg(mf)
                          .arg(fw),
                FindingTarget::Grid);
    }

    void twice(const QStringList& names, const QString& what, FindingTarget target)
    {
        for (qsizetype i = 0; i < names.size(); ++i)
            if (names.indexOf(names.at(i)) < i && names.indexOf(names.at(i), i + 1) < 0)
                add(Severity::Warning, "L4", names.at(i),
                    QStringLiteral("%1 is twice among the %2. Double click one of the two in the list to remove it.")
                        .arg(names.at(i), what),
                    target, int(i));
    }

    void tactics()
    {
        QStringList codes;
        for (const QString& preset : in.presets)
            codes.append(strategyCode(preset));
        const QString start = in.options.teamTactic.isEmpty() ? QStringLiteral("N") : in.options.teamTactic;
        const QStringList& lines = in.options.tacticChanges;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QString place = QStringLiteral("Tactic line %1").arg(i + 1);
            auto addHere = [&](Severity s, const char* code, const QString& sentence) {
                add(s, code, place, sentence, FindingTarget::TacticLine, int(i));
            };
            const TacticLine line = readTacticLine(lines.at(i));
            const Condition &c1 = line.first, &c2 = line.second;
            QStringList halves;
            for (const auto& [c, n] : {std::pair{&c1, 1}, std::pair{&c2, 2}})
                if (halfCondition(*c))
                    halves.append(halfConditionText(*c, n));
            if (!halves.isEmpty())
                addHere(Severity::Warning, "T1",
                        QStringLiteral("In \"%1\": %2: the league cannot read a condition with only an event or only "
                                       "an operator. Delete the line in Team Tactics and add it again with the "
                                       "condition complete, or with it cleared.")
                            .arg(lines.at(i), halves.join(QLatin1String(" and "))));
            const QString never = neverHolds(c1, c2);
            if (!never.isEmpty())
                addHere(Severity::Error, "T2", QStringLiteral("In \"%1\": ").arg(lines.at(i)) + never);
            const qsizetype earlier = lines.indexOf(lines.at(i));
            if (earlier < i)
                addHere(Severity::Warning, "T3",
                        QStringLiteral("\"%1\" is the same as tactic line %2. Delete one of them.")
                            .arg(lines.at(i))
                            .arg(earlier + 1));
            // The league rejects a line with a code the editor does not offer or a value it cannot read.
            if (!tacticCodesKnown(line, codes) || !valuesReadable(c1, c2)) {
                QStringList unread = unreadableParts(c1, c2);
                if (!tacticCodesKnown({{}, {}, line.strategy}, codes))
                    unread.append(QStringLiteral("the strategy code \"%1\" is not the first letter of any strategy "
                                                 "of this league")
                                      .arg(line.strategy));
                addHere(Severity::Error, "T7",
                        QStringLiteral("In \"%1\": %2: the league cannot read the line. Delete it in Team Tactics and "
                                       "add it again from the editor's lists.")
                            .arg(lines.at(i), unread.join(QLatin1String("; "))));
            } else if (!codes.contains(line.strategy)) {
                addHere(Severity::Warning, "T4",
                        QStringLiteral("The strategy code \"%1\" of \"%2\" is not the first letter of any strategy of "
                                       "this league. Choose one of the league's strategies.")
                            .arg(line.strategy, lines.at(i)));
            }
            if (unusedCondition(c1) && unusedCondition(c2) && c1.value.isEmpty() && c2.value.isEmpty())
                addHere(Severity::Warning, "T5",
                        QStringLiteral("\"%1\" has no condition at all: it holds from the kick-off. Set the starting "
                                       "strategy instead and delete this line.")
                            .arg(lines.at(i)));
            for (const Condition* c : {&c1, &c2})
                if (c->complete() && looksBackInTime(*c))
                    addHere(Severity::Warning, "T6",
                            QStringLiteral("In \"%1\": \"%2\" looks back in time, but time conditions look forward. "
                                           "Delete the line and add it again with >= (or >), as in \"T >= %3\".")
                                .arg(lines.at(i), writtenCondition(*c), c->value));
        }
        if (!codes.contains(start))
            add(Severity::Warning, "T4", QStringLiteral("Starting strategy"),
                QStringLiteral("The starting strategy code \"%1\" is not the first letter of any strategy of this "
                               "league. Choose one of the league's strategies in Team Tactics.")
                    .arg(start),
                FindingTarget::TacticLine, -1);
    }

    void conditionals()
    {
        int gkRow = 0, gkCount = 0;
        for (qsizetype j = 1; j < table.size(); ++j)
            if (isStarter(table.at(j)) && table.at(j).at(ColPlay) == QLatin1String("GK")) {
                ++gkCount;
                gkRow = int(j);
            }
        std::array<QList<BringsOn>, 5> bringsOn; // in file order: upper row first, then 1st, 2nd, 3rd
        for (qsizetype j = 1; j < table.size(); ++j) {
            const QStringList& row = table.at(j);
            if (row.at(ColConditionals).isEmpty())
                continue;
            const ConditionalsCell cell = readConditionalsCell(row.at(ColConditionals));
            if (!cell.used())
                continue;
            const QString& player = row.at(ColName);
            auto addHere = [&](Severity s, const char* code, const QString& place, const QString& sentence) {
                add(s, code, place, sentence, FindingTarget::GridCell, int(j), ColConditionals);
            };
            if (row.at(ColPlay).isEmpty()) {
                addHere(Severity::Warning, "P9", player,
                        QStringLiteral("%1 has conditionals but is not in the line-up: they are written nowhere. "
                                       "Press Cancel in his conditionals to delete them, or bring him into the "
                                       "line-up in another player's place.")
                            .arg(player));
                continue;
            }
            for (const QString* mark : {&cell.mark1, &cell.mark2}) {
                if (mark->isEmpty())
                    continue;
                if (!in.mswl)
                    addHere(Severity::Warning, "P10", player,
                            QStringLiteral("%1 is to mark %2, but the league is LGM, which has no marking. Clear the "
                                           "mark player.")
                                .arg(player, *mark));
                else if (in.opponentChosen && !in.oppPlayers.contains(*mark))
                    addHere(Severity::Warning, "P10", player,
                            QStringLiteral("%1 is to mark %2, who is not among the opponent's players. Choose a "
                                           "player of the opponent.")
                                .arg(player, *mark));
            }
            for (int i = 0; i < 3; ++i) {
                const CellConditional& c = cell.conditionals[i];
                if (!c.used())
                    continue;
                // "Fin, 1st conditional", written only for a finding.
                auto addAt = [&](Severity s, const char* code, const QString& sentence) {
                    addHere(s, code, QStringLiteral("%1, %2 conditional").arg(player, QLatin1String(kOrdinals[i])),
                            sentence);
                };
                const QString which =
                    QStringLiteral("The %1 conditional of %2").arg(QLatin1String(kOrdinals[i]), player);
                bool readable = true;
                for (const auto& [cond, n] : {std::pair{&c.first, 1}, std::pair{&c.second, 2}}) {
                    // A condition not used (no event, no operator) takes no part, whatever its value holds.
                    if (unusedCondition(*cond) || (!cond->complete() && cond->value.isEmpty()))
                        continue;
                    const auto v = parseWholeNumber(cond->value);
                    if (cond->value.isEmpty()) {
                        readable = false;
                        addAt(Severity::Error, "P1",
                              QStringLiteral("%1: condition %2 has no value. Type a whole number from -90 to 90 "
                                             "that the condition can reach, or use the spin buttons.")
                                  .arg(which)
                                  .arg(n));
                    } else if (!v || *v < -90 || *v > 90) {
                        readable = false;
                        addAt(Severity::Error, "P1",
                              QStringLiteral("%1: the value \"%2\" of condition %3 is not a whole number from -90 to "
                                             "90. Type a number in that range that the condition can reach, or use "
                                             "the spin buttons.")
                                  .arg(which, cond->value)
                                  .arg(n));
                    }
                }
                QStringList halves;
                for (const auto& [cond, n] : {std::pair{&c.first, 1}, std::pair{&c.second, 2}})
                    if (halfCondition(*cond))
                        halves.append(halfConditionText(*cond, n));
                if (!halves.isEmpty())
                    addAt(Severity::Warning, "P2",
                          QStringLiteral("%1: %2. Complete the condition (event, operator and value), or clear its "
                                         "event and operator.")
                              .arg(which, halves.join(QLatin1String(" and "))));
                const QString never = neverHolds(c.first, c.second);
                if (!never.isEmpty())
                    addAt(Severity::Error, "P3", which + QStringLiteral(": ") + never);
                const int k = actionSlot(c.action);
                const bool himself = k && subsSlot(row.at(ColSubs)) == k;
                if (k && slotHolders[k - 1].isEmpty())
                    addAt(Severity::Error, "P4",
                          QStringLiteral("%1 brings on S%2, but no substitute holds S%2. Put a player who is not "
                                         "starting in S%2, or choose another action.")
                              .arg(which)
                              .arg(k));
                if (himself)
                    addAt(Severity::Error, "P14",
                          QStringLiteral("%1 brings on %2, and %2 is %3 himself: a substitute cannot bring himself "
                                         "on. Clear the action, or bring on another substitute.")
                              .arg(which, c.action, player));
                const bool acts = !c.action.isEmpty() || !c.position.isEmpty();
                const bool complete = c.first.complete() || c.second.complete();
                if (c.anyCondition() && !acts)
                    addAt(Severity::Warning, "P6",
                          unusedCondition(c.first) && unusedCondition(c.second)
                              ? QStringLiteral("%1 has a value but no condition, action or position: it does "
                                               "nothing. Press Reset on its row, or complete it.")
                                    .arg(which)
                              : QStringLiteral("%1 has a condition but neither action nor position: it does "
                                               "nothing. Choose an action or a position, or press Reset on its row.")
                                    .arg(which));
                else if (acts && !complete)
                    addAt(Severity::Warning, "P6",
                          QStringLiteral("%1 has an action or position but no complete condition: the league "
                                         "does not know when. Choose an event and an operator.")
                              .arg(which));
                if (c.action == QLatin1String("C") && c.position.isEmpty())
                    addAt(Severity::Warning, "P7",
                          QStringLiteral("%1 is the change C without a position. Choose the position or style he "
                                         "is to change to.")
                              .arg(which));
                const bool lgmLacks = !in.mswl && mswlOnlyPosition(c.position);
                if (lgmLacks)
                    addAt(Severity::Error, "P8",
                          QStringLiteral("%1 names the position %2, which the league LGM does not have: its match "
                                         "engine cannot honour it. Choose one of GK, SW, DF, MF and FW.")
                              .arg(which, c.position));
                CellConditional codesOnly = c;
                if (lgmLacks)
                    codesOnly.position.clear(); // P8 says it
                bool known = conditionalCodesKnown(codesOnly, in.mswl);
                if (!known) {
                    QStringList parts = unreadableParts(c.first, c.second);
                    parts.removeIf([](const QString& p) { return p.startsWith(QLatin1String("the value")); });
                    if (!c.action.isEmpty() && !conditionalActions().contains(c.action))
                        parts.append(QStringLiteral("the action \"%1\" is none of C and S1 to S5").arg(c.action));
                    if (!codesOnly.position.isEmpty() && !conditionalPositions(in.mswl).contains(c.position))
                        parts.append(QStringLiteral("the position \"%1\" is none of %2")
                                         .arg(c.position, conditionalPositions(in.mswl).join(QLatin1String(", "))));
                    addAt(Severity::Error, "P13",
                          QStringLiteral("%1: %2: the league cannot read it. Open his conditionals, choose from the "
                                         "lists again and press Done.")
                              .arg(which, parts.join(QLatin1String("; "))));
                }
                for (const auto& [cond, n] : {std::pair{&c.first, 1}, std::pair{&c.second, 2}})
                    if (cond->complete() && looksBackInTime(*cond))
                        addAt(Severity::Warning, "P12",
                              QStringLiteral("%1: \"%2\" looks back in time, but time conditions look forward. Use "
                                             ">= (or >) instead, as in \"T >= %3\".")
                                  .arg(which, writtenCondition(*cond), cond->value));
                if (k && !himself && known && !lgmLacks && readable && halves.isEmpty() && never.isEmpty() && complete)
                    bringsOn[k - 1].append({int(j), i, c, earliestMinute(c)});
                if (int(j) == gkRow && gkCount == 1) {
                    QString goesOff;
                    if (k && !slotHolders[k - 1].isEmpty()) {
                        const QString comesAs =
                            isPlayedPosition(c.position) ? c.position : table.at(slotHolders[k - 1].last()).at(ColPlay);
                        if (comesAs != QLatin1String("GK"))
                            goesOff = QStringLiteral("replaces him by %1, who plays %2").arg(holder(k), comesAs);
                    } else if (!k && isPlayedPosition(c.position) && c.position != QLatin1String("GK")) {
                        goesOff = QStringLiteral("moves him to %1").arg(c.position);
                    }
                    if (!goesOff.isEmpty())
                        addAt(Severity::Warning, "P11",
                              QStringLiteral("%1 %2: the team would be left without a goalkeeper. Bring on a "
                                             "goalkeeper, or change the order.")
                                  .arg(which, goesOff));
                }
            }
        }
        oneSubstituteTwice(bringsOn);
    }

    // P5: two conditionals bring on one substitute and can come true at the same score; the league takes the one
    // that comes first in time (then in the file), so the other never happens.
    void oneSubstituteTwice(const std::array<QList<BringsOn>, 5>& bringsOn)
    {
        for (int k = 1; k <= 5; ++k) {
            const QList<BringsOn>& all = bringsOn[k - 1];
            for (qsizetype x = 0; x < all.size(); ++x) {
                const BringsOn& later = all.at(x);
                const BringsOn* first = nullptr;
                for (qsizetype y = 0; y < all.size(); ++y) {
                    const BringsOn& other = all.at(y);
                    const bool before = other.minute < later.minute || (other.minute == later.minute && y < x);
                    if (!before || !scoresCanMeet(other.c, later.c))
                        continue;
                    if (!first || other.minute < first->minute)
                        first = &other;
                }
                if (!first)
                    continue;
                const QString a = conditionalName(first->row, first->index);
                const QString b = conditionalName(later.row, later.index);
                add(Severity::Warning, "P5",
                    QStringLiteral("%1, %2 conditional").arg(name(later.row), QLatin1String(kOrdinals[later.index])),
                    QStringLiteral("%1 and %2 both bring on S%3, and their goal-difference conditions can hold at the "
                                   "same time: the league then takes %1, which comes first %4, and %2 never happens. "
                                   "If they are meant as alternatives, give them goal differences that exclude each "
                                   "other (for example G < 0 and G > 0); otherwise bring on another substitute in one "
                                   "of them.")
                        .arg(a, b)
                        .arg(k)
                        .arg(first->minute < later.minute ? QStringLiteral("in time") : QStringLiteral("in the file")),
                    FindingTarget::GridCell, later.row, ColConditionals);
            }
        }
    }

    void bids()
    {
        const char* const columns[] = {"LOT", "price", "name"};
        for (qsizetype r = 0; r < in.bids.size() && r < 5; ++r) {
            const BidRow& bid = in.bids.at(r);
            const QString cells[] = {bid.lot, bid.price, bid.name};
            QStringList missing;
            int firstMissing = -1;
            for (int c = 0; c < 3; ++c)
                if (cells[c].isEmpty()) {
                    missing.append(QLatin1String(columns[c]));
                    if (firstMissing < 0)
                        firstMissing = c;
                }
            if (missing.size() == 3)
                continue;
            const QString place = QStringLiteral("Bid row %1").arg(r + 1);
            const QString fill = QStringLiteral("Fill in the %1.").arg(missing.join(QLatin1String(" and ")));
            if (!bidLineWritten(bid))
                add(Severity::Error, "B1", place,
                    QStringLiteral("Bid row %1 would be the line \"%2\", and the bids file leaves out a line of 3 "
                                   "characters or fewer: the bid is not sent. ")
                            .arg(r + 1)
                            .arg(bidLine(bid)) +
                        fill,
                    FindingTarget::BidCell, int(r) + 1, firstMissing);
            else if (!missing.isEmpty())
                add(Severity::Error, "B2", place,
                    QStringLiteral("Bid row %1 has no %2: the league cannot take a bid without its LOT, price and "
                                   "name. ")
                            .arg(r + 1)
                            .arg(missing.join(QLatin1String(" and "))) +
                        fill,
                    FindingTarget::BidCell, int(r) + 1, firstMissing);
        }
    }

    // Whether two entries of the archive list are one file: the same path, or a bare name and the full path of
    // the folder a bare name lies in.
    bool oneFile(const QString& a, const QString& b) const
    {
        if (a == b)
            return true;
        if (in.currentFolder.isEmpty())
            return false;
        const bool aBare = bareFileName(a) == a, bBare = bareFileName(b) == b;
        return (aBare && !bBare && b == in.currentFolder + a) || (bBare && !aBare && a == in.currentFolder + b);
    }

    // What an entry of the list is for another session or match of this team, or an empty text.
    QString otherOrders(const QString& path) const
    {
        const QString bare = bareFileName(path);
        const QString& abb = in.abbreviation;
        if (abb.isEmpty() || !bare.startsWith(abb, Qt::CaseInsensitive))
            return QString();
        QStringView rest = QStringView(bare).mid(abb.size());
        auto digitsAt = [](QStringView text) {
            qsizetype n = 0;
            while (n < text.size() && text.at(n).isDigit() && text.at(n).unicode() < 128)
                ++n;
            return n;
        };
        auto sameNumber = [](QStringView digits, const QString& chosen) {
            const auto a = parseWholeNumber(digits.toString());
            const auto b = parseWholeNumber(chosen);
            return a && b && *a == *b;
        };
        const QLatin1String session("Session");
        if (rest.startsWith(session, Qt::CaseInsensitive)) {
            rest = rest.mid(session.size());
            const qsizetype n = digitsAt(rest);
            if (n == 0 || !in.sessionChosen || sameNumber(rest.left(n), in.sessionText))
                return QString();
            const QStringView suffix = rest.mid(n);
            QString kind;
            if (suffix.compare(QLatin1String("Bids.txt"), Qt::CaseInsensitive) == 0)
                kind = QStringLiteral("the bids");
            else if (suffix.compare(QLatin1String("Press.txt"), Qt::CaseInsensitive) == 0)
                kind = QStringLiteral("the press statement");
            else if (suffix.compare(QLatin1String(".zip"), Qt::CaseInsensitive) == 0)
                kind = QStringLiteral("the orders archive");
            else
                return QString();
            return QStringLiteral("%1 is %2 of session %3, but session %4 is chosen")
                .arg(bare, kind, rest.left(n).toString(), in.sessionText);
        }
        const qsizetype n = digitsAt(rest);
        if (n == 0 || in.matchText.isEmpty() || rest.mid(n).compare(QLatin1String(".txt"), Qt::CaseInsensitive) != 0 ||
            sameNumber(rest.left(n), in.matchText))
            return QString();
        return QStringLiteral("%1 is the line-up of match %2, but match %3 is chosen")
            .arg(bare, rest.left(n).toString(), in.matchText);
    }

    void session()
    {
        const QString archivePlace = QStringLiteral("Archive");
        if (!in.sessionChosen)
            add(Severity::Warning, "S1", QStringLiteral("Session"),
                QStringLiteral("No session is chosen: the bids, the press statement and the archive cannot be saved. "
                               "Choose the session number."),
                FindingTarget::SessionList);
        QStringList bare;
        bare.reserve(in.archive.size());
        for (const QString& path : in.archive)
            bare.append(bareFileName(path));
        for (qsizetype i = 0; i < in.archive.size(); ++i)
            for (qsizetype e = 0; e < i; ++e)
                if (bare.at(e).compare(bare.at(i), Qt::CaseInsensitive) == 0 &&
                    !oneFile(in.archive.at(e), in.archive.at(i))) {
                    add(Severity::Error, "S2", archivePlace,
                        QStringLiteral("%1 and %2 have the same name %3: the archive can hold only one of them. "
                                       "Double click the one that does not belong on the Zip Orders page.")
                            .arg(in.archive.at(e), in.archive.at(i), bare.at(i)),
                        FindingTarget::ZipEntry)
                        .entry = in.archive.at(i);
                    break;
                }
        if (in.lastLineupLines && *in.lastLineupLines != file.lines)
            add(Severity::Warning, "S3", QStringLiteral("Line-up"),
                QStringLiteral("The line-up has changed since it was last saved or opened: the saved file is not what "
                               "the grid shows. Save the line-up again."),
                FindingTarget::Grid);
        for (const QString& path : in.archive) {
            const QString other = otherOrders(path);
            if (!other.isEmpty())
                add(Severity::Warning, "S4", archivePlace,
                    other + QStringLiteral(": it would be sent with this session's orders. If it does not belong, "
                                           "double click it on the Zip Orders page to take it off."),
                    FindingTarget::ZipEntry)
                    .entry = path;
        }
        if (in.sessionChosen && !in.lastLineupPath.isEmpty()) {
            const LineupNameParts parts = parseLineupFileName(in.lastLineupPath, in.abbreviation);
            const auto chosen = parseWholeNumber(in.matchText.isEmpty() ? QStringLiteral("1") : in.matchText);
            const bool listed = std::any_of(in.archive.begin(), in.archive.end(),
                                            [&](const QString& path) { return oneFile(path, in.lastLineupPath); });
            if (parts.matchIsNumber && chosen && parts.match == *chosen && !listed)
                add(Severity::Warning, "S5", archivePlace,
                    QStringLiteral("The line-up file %1, last saved or opened, is not on the Zip Orders list: the "
                                   "orders archive would go without it. Save the line-up again, or add the file with "
                                   "Add Files on the Zip Orders page.")
                        .arg(bareFileName(in.lastLineupPath)),
                    FindingTarget::ZipPage);
        }
    }

    const OrdersInput& in;
    const SquadTable& table;
    const std::array<QList<int>, 5> slotHolders;
    LineupFile file;
    QList<Finding> out;
};
} // namespace

QList<Finding> checkOrders(const OrdersInput& input)
{
    static const SquadTable none = blankSquadTable(0);
    OrdersInput in = input;
    if (!in.table)
        in.table = &none;
    return Checker(in).run();
}

QString severityText(Severity severity)
{
    return severity == Severity::Error ? QStringLiteral("Error") : QStringLiteral("Warning");
}

QString findingsSummary(const QList<Finding>& findings)
{
    const auto errors =
        std::count_if(findings.begin(), findings.end(), [](const Finding& f) { return f.severity == Severity::Error; });
    const auto warnings = findings.size() - errors;
    if (findings.isEmpty())
        return QStringLiteral("No problems found");
    QStringList parts;
    if (errors)
        parts.append(
            QStringLiteral("%1 %2").arg(errors).arg(errors == 1 ? QStringLiteral("error") : QStringLiteral("errors")));
    if (warnings)
        parts.append(QStringLiteral("%1 %2").arg(warnings).arg(warnings == 1 ? QStringLiteral("warning")
                                                                             : QStringLiteral("warnings")));
    return parts.join(QLatin1String(", "));
}

QString substituteInSlot(const SquadTable& table, int slot)
{
    QString name;
    for (qsizetype j = 1; j < table.size(); ++j) {
        const QStringList& row = table.at(j);
        if (!row.at(ColPlay).isEmpty() && subsSlot(row.at(ColSubs)) == slot)
            name = row.at(ColName);
    }
    return name;
}

QStringList describeConditionalsCell(const QString& text, const SquadTable& table)
{
    const ConditionalsCell cell = readConditionalsCell(text);
    QStringList lines;
    if (!cell.mark1.isEmpty() || !cell.mark2.isEmpty()) {
        QStringList marks;
        for (const QString& m : {cell.mark1, cell.mark2})
            if (!m.isEmpty())
                marks.append(m);
        lines.append(QStringLiteral("Marks: ") + marks.join(QLatin1String(" and ")));
    }
    // " as FW" for a position, " playing aggressive" for a style; `to` for a change: " to FW", " to aggressive play".
    auto as = [](const QString& position, bool change) -> QString {
        if (position.isEmpty())
            return QString();
        const QString style = styleWord(position);
        if (style.isEmpty())
            return (change ? QStringLiteral(" to ") : QStringLiteral(" as ")) + position;
        if (change)
            return QStringLiteral(" to ") + style + QStringLiteral(" play");
        return QStringLiteral(" playing ") + style;
    };
    for (int i = 0; i < 3; ++i) {
        const CellConditional& c = cell.conditionals[i];
        if (!c.used())
            continue;
        const QStringList when = describeTacticConditions(c.first, c.second);
        QString action;
        if (const int k = actionSlot(c.action)) {
            const QString who = substituteInSlot(table, k);
            action = QStringLiteral("on comes S%1 (%2)")
                         .arg(k)
                         .arg(who.isEmpty() ? QStringLiteral("nobody holds S%1").arg(k) : who) +
                     as(c.position, false);
        } else if (c.action == QLatin1String("C")) {
            action = c.position.isEmpty() ? QStringLiteral("changes (no position chosen)")
                                          : QStringLiteral("changes") + as(c.position, true);
        } else if (!c.action.isEmpty()) {
            action = QStringLiteral("action ") + c.action + as(c.position, false);
        } else {
            action =
                c.position.isEmpty() ? QStringLiteral("does nothing") : QStringLiteral("plays") + as(c.position, false);
        }
        lines.append(QLatin1String(kOrdinals[i]) + QStringLiteral(": ") +
                     (when.isEmpty() ? QStringLiteral("with no complete condition")
                                     : QStringLiteral("when ") + when.join(QLatin1Char(' '))) +
                     QStringLiteral(": ") + action);
    }
    return lines;
}

QPoint besideMainWindow(const QRect& mainFrame, const QSize& size, const QRect& room)
{
    const int gap = 8;
    QPoint at(mainFrame.right() + 1 + gap, mainFrame.top());
    if (at.x() + size.width() > room.right() + 1 && mainFrame.left() - gap - size.width() >= room.left())
        at.setX(mainFrame.left() - gap - size.width());
    at.setX(std::max(room.left(), std::min(at.x(), room.right() + 1 - size.width())));
    at.setY(std::max(room.top(), std::min(at.y(), room.bottom() + 1 - size.height())));
    return at;
}
