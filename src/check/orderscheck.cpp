#include "orderscheck.h"
#include "orderreading.h"

#include "base/textfile.h"
#include "base/wholenumber.h"
#include "squad/lineupchecker.h"
#include "tactics/encodings.h"

#include <algorithm>
#include <array>

namespace {

const QStringList& codeOrder()
{
    static const QStringList codes = {
        QStringLiteral("L1"), QStringLiteral("L2"), QStringLiteral("L3"), QStringLiteral("L4"),  QStringLiteral("L5"),
        QStringLiteral("L6"), QStringLiteral("L7"), QStringLiteral("L8"), QStringLiteral("L9"),  QStringLiteral("T1"),
        QStringLiteral("T2"), QStringLiteral("T3"), QStringLiteral("T4"), QStringLiteral("T5"),  QStringLiteral("P1"),
        QStringLiteral("P2"), QStringLiteral("P3"), QStringLiteral("P4"), QStringLiteral("P5"),  QStringLiteral("P6"),
        QStringLiteral("P7"), QStringLiteral("P8"), QStringLiteral("P9"), QStringLiteral("P10"), QStringLiteral("P11"),
        QStringLiteral("S1"), QStringLiteral("S2"), QStringLiteral("S3")};
    return codes;
}

const char* const kOrdinals[] = {"1st", "2nd", "3rd"};
const char* const kLetters[] = {"A", "B", "C"};

bool isPlayedPosition(const QString& code)
{
    return playedPositions().contains(code);
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
        lineup();
        tactics();
        conditionals();
        session();
        std::stable_sort(out.begin(), out.end(), [](const Finding& a, const Finding& b) {
            if (a.severity != b.severity)
                return a.severity == Severity::Error;
            return codeOrder().indexOf(a.code) < codeOrder().indexOf(b.code);
        });
        return out;
    }

private:
    void add(Severity s, const char* code, const QString& place, const QString& sentence, FindingTarget target,
             int row = 0, int column = 0)
    {
        // A row from a file may have no name; its place is then its row.
        const QString shown = !place.isEmpty()                    ? place
                              : target == FindingTarget::GridCell ? QStringLiteral("Row %1").arg(row)
                                                                  : QStringLiteral("Line-up");
        out.append({s, QString::fromLatin1(code), shown, sentence, target, row, column});
    }

    const QString& name(int row) const { return table.at(row).at(ColName); }

    QString holder(int slot) const
    {
        const QList<int>& rows = slotHolders[slot - 1];
        return rows.isEmpty() ? QString() : name(rows.last());
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
                QStringLiteral("The penalty taker %1 is not among the starters. Choose a starter in the Penalty Taker "
                               "list, or place %1 in the line-up.")
                    .arg(taker),
                FindingTarget::PenaltyList);
        twice(in.options.trainees, QStringLiteral("trainees"), FindingTarget::TraineeList);
        twice(in.options.coaches, QStringLiteral("coaches"), FindingTarget::CoachList);

        for (int k = 1; k <= 5; ++k) {
            const QList<int>& rows = slotHolders[k - 1];
            for (qsizetype i = 0; i + 1 < rows.size(); ++i)
                add(Severity::Error, "L5", name(rows.at(i)),
                    QStringLiteral("%1 and %2 both hold S%3: %1, the upper one, will be left out of the file. Give "
                                   "one of them another slot.")
                        .arg(name(rows.at(i)), name(rows.last()))
                        .arg(k),
                    FindingTarget::GridCell, rows.at(i), ColSubs);
        }
        for (qsizetype j = 1; j < table.size(); ++j) {
            const QStringList& row = table.at(j);
            const QString& subs = row.at(ColSubs);
            const QString& play = row.at(ColPlay);
            if (!subs.isEmpty() && play.isEmpty()) {
                const int k = subsSlot(subs);
                const QString rest = k && !slotHolders[k - 1].isEmpty()
                                         ? QStringLiteral("%1 goes to %2").arg(subs, holder(k))
                                         : QStringLiteral("%1 stays empty").arg(subs);
                add(Severity::Error, "L6", row.at(ColName),
                    QStringLiteral("%1 holds %2 but has no position: he will not be written and %3. Give him a "
                                   "position, or deselect his slot.")
                        .arg(row.at(ColName), subs, rest),
                    FindingTarget::GridCell, int(j), ColSubs);
            }
        }
        for (qsizetype j = 1; j < table.size(); ++j) {
            const QStringList& row = table.at(j);
            if (!in.mswl && row.at(ColPlay) == QLatin1String("WG"))
                add(Severity::Warning, "L7", row.at(ColName),
                    QStringLiteral("%1 is placed as WG, but the league is LGM, which has no wingers. Give him another "
                                   "position, or choose the league MSWL.")
                        .arg(row.at(ColName)),
                    FindingTarget::GridCell, int(j), ColPlay);
        }
        for (qsizetype j = 1; j < table.size(); ++j) {
            const QStringList& row = table.at(j);
            if (isStarter(row) && positionFactorTenths(row.at(ColPos), row.at(ColPlay)) == 0)
                add(Severity::Warning, "L8", row.at(ColName),
                    QStringLiteral("%1, a %2, adds nothing playing %3 (position factor 0). Give him a position that "
                                   "suits him.")
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

    void twice(const QStringList& names, const QString& what, FindingTarget target)
    {
        for (qsizetype i = 0; i < names.size(); ++i)
            if (names.indexOf(names.at(i)) < i && names.indexOf(names.at(i), i + 1) < 0)
                add(Severity::Warning, "L4", names.at(i),
                    QStringLiteral("%1 is twice among the %2. Double click one of the two in the list to remove it.")
                        .arg(names.at(i), what),
                    target);
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
            const TacticLine line = readTacticLine(lines.at(i));
            const Condition &c1 = line.first, &c2 = line.second;
            QStringList halves;
            for (const auto& [c, n] : {std::pair{&c1, 1}, std::pair{&c2, 2}})
                if (halfCondition(*c))
                    halves.append(halfConditionText(*c, n));
            if (!halves.isEmpty())
                add(Severity::Warning, "T1", place,
                    QStringLiteral("In \"%1\": %2: it is left out of the file. Delete the line and add it again with "
                                   "the condition complete.")
                        .arg(lines.at(i), halves.join(QLatin1String(" and "))),
                    FindingTarget::TacticsButton);
            const QString never = neverHolds(c1, c2);
            if (!never.isEmpty())
                add(Severity::Error, "T2", place, QStringLiteral("In \"%1\": ").arg(lines.at(i)) + never,
                    FindingTarget::TacticsButton);
            const qsizetype earlier = lines.indexOf(lines.at(i));
            if (earlier < i)
                add(Severity::Warning, "T3", place,
                    QStringLiteral("\"%1\" is the same as tactic line %2. Delete one of them.")
                        .arg(lines.at(i))
                        .arg(earlier + 1),
                    FindingTarget::TacticsButton);
            if (!codes.contains(line.strategy))
                add(Severity::Warning, "T4", place,
                    QStringLiteral("The strategy code \"%1\" of \"%2\" is not the first letter of any strategy of this "
                                   "league. Choose one of the league's strategies.")
                        .arg(line.strategy, lines.at(i)),
                    FindingTarget::TacticsButton);
            if (unusedCondition(c1) && unusedCondition(c2) && c1.value.isEmpty() && c2.value.isEmpty())
                add(Severity::Warning, "T5", place,
                    QStringLiteral("\"%1\" has no condition at all: it holds from the kick-off. Set the starting "
                                   "strategy instead and delete this line.")
                        .arg(lines.at(i)),
                    FindingTarget::TacticsButton);
        }
        if (!codes.contains(start))
            add(Severity::Warning, "T4", QStringLiteral("Starting strategy"),
                QStringLiteral("The starting strategy code \"%1\" is not the first letter of any strategy of this "
                               "league. Choose one of the league's strategies in Team Tactics.")
                    .arg(start),
                FindingTarget::TacticsButton);
    }

    void conditionals()
    {
        int gkRow = 0, gkCount = 0;
        for (qsizetype j = 1; j < table.size(); ++j)
            if (isStarter(table.at(j)) && table.at(j).at(ColPlay) == QLatin1String("GK")) {
                ++gkCount;
                gkRow = int(j);
            }
        std::array<QString, 5> broughtOnBy; // the place of the first conditional that brings on each slot
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
                                       "Give him a position, or press Cancel in his conditionals to delete them.")
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
                const QString place = QStringLiteral("%1, conditional %2").arg(player, QLatin1String(kLetters[i]));
                const QString which =
                    QStringLiteral("The %1 conditional of %2").arg(QLatin1String(kOrdinals[i]), player);
                for (const auto& [cond, n] : {std::pair{&c.first, 1}, std::pair{&c.second, 2}}) {
                    const bool needsValue = cond->complete() || !cond->value.isEmpty();
                    if (!needsValue)
                        continue;
                    const auto v = parseWholeNumber(cond->value);
                    if (cond->value.isEmpty())
                        addHere(Severity::Error, "P1", place,
                                QStringLiteral("%1: condition %2 has no value. Type a whole number from -90 to 90, or "
                                               "use the spin buttons.")
                                    .arg(which)
                                    .arg(n));
                    else if (!v || *v < -90 || *v > 90)
                        addHere(Severity::Error, "P1", place,
                                QStringLiteral("%1: the value \"%2\" of condition %3 is not a whole number from -90 to "
                                               "90. Type a number, or use the spin buttons.")
                                    .arg(which, cond->value)
                                    .arg(n));
                }
                QStringList halves;
                for (const auto& [cond, n] : {std::pair{&c.first, 1}, std::pair{&c.second, 2}})
                    if (halfCondition(*cond))
                        halves.append(halfConditionText(*cond, n));
                if (!halves.isEmpty())
                    addHere(Severity::Warning, "P2", place,
                            QStringLiteral("%1: %2. Choose both the event and the operator, or neither.")
                                .arg(which, halves.join(QLatin1String(" and "))));
                const QString never = neverHolds(c.first, c.second);
                if (!never.isEmpty())
                    addHere(Severity::Error, "P3", place, which + QStringLiteral(": ") + never);
                const int k = actionSlot(c.action);
                if (k && slotHolders[k - 1].isEmpty())
                    addHere(Severity::Error, "P4", place,
                            QStringLiteral("%1 brings on S%2, but no substitute holds S%2. Make a player S%2, or "
                                           "choose another action.")
                                .arg(which)
                                .arg(k));
                if (k) {
                    if (broughtOnBy[k - 1].isEmpty())
                        broughtOnBy[k - 1] = place;
                    else
                        addHere(Severity::Warning, "P5", place,
                                QStringLiteral("%1 brings on S%2, whom %3 already brings on: this one can never "
                                               "happen. Choose another substitute.")
                                    .arg(which)
                                    .arg(k)
                                    .arg(broughtOnBy[k - 1]));
                }
                const bool acts = !c.action.isEmpty() || !c.position.isEmpty();
                const bool complete = c.first.complete() || c.second.complete();
                if (c.anyCondition() && !acts)
                    addHere(Severity::Warning, "P6", place,
                            QStringLiteral("%1 has a condition but neither action nor position: it does nothing. "
                                           "Choose an action or a position, or reset the row.")
                                .arg(which));
                else if (acts && !complete)
                    addHere(Severity::Warning, "P6", place,
                            QStringLiteral("%1 has an action or position but no complete condition: the league "
                                           "does not know when. Choose an event and an operator.")
                                .arg(which));
                if (c.action == QLatin1String("C") && c.position.isEmpty())
                    addHere(Severity::Warning, "P7", place,
                            QStringLiteral("%1 is the change C without a position. Choose the position or style he "
                                           "is to change to.")
                                .arg(which));
                if (!in.mswl && (c.position == QLatin1String("WG") || !styleWord(c.position).isEmpty()))
                    addHere(Severity::Warning, "P8", place,
                            QStringLiteral("%1 names the position %2, which the league LGM does not have. Choose one "
                                           "of GK, SW, DF, MF and FW.")
                                .arg(which, c.position));
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
                        addHere(Severity::Warning, "P11", place,
                                QStringLiteral("%1 %2: the team would be left without a goalkeeper. Bring on a "
                                               "goalkeeper, or change the order.")
                                    .arg(which, goesOff));
                }
            }
        }
    }

    void session()
    {
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
                if (in.archive.at(e) != in.archive.at(i) && bare.at(e).compare(bare.at(i), Qt::CaseInsensitive) == 0) {
                    add(Severity::Error, "S2", QStringLiteral("Archive"),
                        QStringLiteral("%1 and %2 have the same name %3: the archive can hold only one of them. "
                                       "Double click the one that does not belong on the Zip Orders page.")
                            .arg(in.archive.at(e), in.archive.at(i), bare.at(i)),
                        FindingTarget::ZipPage);
                    break;
                }
        if (in.lastLineupLines && *in.lastLineupLines != file.lines)
            add(Severity::Warning, "S3", QStringLiteral("Line-up"),
                QStringLiteral("The line-up has changed since it was last saved or opened: the saved file is not what "
                               "the grid shows. Save the line-up again."),
                FindingTarget::Grid);
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
