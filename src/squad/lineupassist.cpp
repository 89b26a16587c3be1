#include "lineupassist.h"

#include "base/wholenumber.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <vector>

namespace {

enum { GK, SW, DF, MF, WG, FW, Positions };
constexpr int kMaxNeed = 5;   // no position takes more than 5 starters
constexpr int kMaxStart = 11; // starters in a line-up
constexpr qint64 kNone = std::numeric_limits<qint64>::min() / 4;

// The most starters each position takes (WG only in MSWL).
constexpr Formation kMost = {1, 1, 5, 5, 4, 4};

bool exemptFromFw21(const QString& teamTactic)
{
    return teamTactic == QLatin1String("L") || teamTactic == QLatin1String("E");
}

// The 2:1 rules of the checker on the six SL sums of the starters.
bool mf21Holds(const std::array<qint64, 6>& s)
{
    return s[MF] < 2 * s[DF] && s[DF] > 0 && s[MF] > 0;
}

bool fw21Holds(const std::array<qint64, 6>& s)
{
    return s[FW] < 2 * s[MF] && s[MF] > 0 && s[FW] != 0;
}

QString countText(int n, const char* one, const char* many)
{
    return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
}

const char* const kOne[] = {"goalkeeper", "sweeper", "defender", "midfielder", "winger", "forward"};
const char* const kMany[] = {"goalkeepers", "sweepers", "defenders", "midfielders", "wingers", "forwards"};

// The exact search for the starters: a depth-first search over the free players, each playing one of the
// positions still needed or staying out, cut by upper bounds of what the rest can add (per position, the
// best players still undecided, each counted once per position; and the best players still undecided,
// each counted once; both also with the 2:1 rules as weights) and by what the 2:1 rules can still reach.
class StarterSearch {
public:
    StarterSearch(std::vector<std::array<qint64, 6>> values, std::array<bool, 6> allowed,
                  std::array<qint64, 6> keptSums, bool fwRule)
        : m_values(std::move(values))
        , m_allowed(allowed)
        , m_keptSums(keptSums)
        , m_fwRule(fwRule)
    {
        m_n = int(m_values.size());
        m_order.resize(m_n);
        std::iota(m_order.begin(), m_order.end(), 0);
        auto best = [this](int k) {
            qint64 b = kNone;
            for (int p = 0; p < Positions; ++p)
                if (m_allowed[p])
                    b = std::max(b, m_values[k][p]);
            return b;
        };
        // Equal players next to each other (upper rows first), so that the search tries only one of the
        // ways to share their places among them.
        std::stable_sort(m_order.begin(), m_order.end(), [&](int a, int b) {
            const qint64 x = best(a), y = best(b);
            return x != y ? x > y : m_values[a] > m_values[b];
        });
        m_sameAsBefore.assign(m_n, false);
        for (int k = 1; k < m_n; ++k)
            m_sameAsBefore[k] = m_values[m_order[k]] == m_values[m_order[k - 1]];
        m_choice.assign(m_n, 0);
        for (int k = 0; k < m_n; ++k) {
            auto& tries = m_tries.emplace_back();
            for (int p = 0; p < Positions; ++p)
                if (m_allowed[p])
                    tries.push_back(p);
            const auto& v = m_values[m_order[k]];
            std::stable_sort(tries.begin(), tries.end(), [&](int a, int b) { return v[a] > v[b]; });
        }
        buildSuffixBounds();
    }

    // Searches one formation's needs for a line-up meeting the rules; only a total above the best found so
    // far (for any earlier formation) replaces it.
    void solve(const Formation& need)
    {
        m_need = need;
        m_sums = m_keptSums;
        m_assign.assign(m_n, -1);
        dfs(0, 0);
    }

    // An upper bound of the new starters' total for a formation's needs.
    qint64 rootBound(const Formation& need)
    {
        m_need = need;
        m_sums = m_keptSums;
        return bound(0, 0);
    }

    bool found() const { return m_found; }
    qint64 bestTotal() const { return m_best; }
    // The position of each free player (index into the values) in the best line-up, or -1.
    std::vector<int> bestAssignment() const
    {
        std::vector<int> out(m_n, -1);
        for (int k = 0; k < m_n; ++k)
            out[m_order[k]] = m_bestAssign[k];
        return out;
    }

private:
    // Each bound is also taken with the 2:1 rules moved into the weights: for a feasible line-up
    // 2 SL(DF) - SL(MF) - 1 and 2 SL(MF) - SL(FW) - 1 are not negative, so adding a/4 and b/4 times them to the
    // total bounds it from above. The weights are kept in quarters, as whole numbers.
    struct Weights {
        int a, b;
        std::array<qint64, 6> times; // quarters per SL point, by played position
    };

    void buildSuffixBounds()
    {
        for (int a : {0, 1, 2, 4})
            for (int b : {0, 1, 2}) {
                if (b > 0 && !m_fwRule)
                    continue;
                m_weights.push_back({a, b, {4, 4, 4 + 2 * a, 4 - a + 2 * b, 4, 4 - b}});
            }
        const size_t w = m_weights.size();
        const int masks = 1 << Positions;
        m_top.assign(w * size_t(m_n + 1) * Positions * (kMaxNeed + 1), 0);
        m_low.assign(size_t(m_n + 1) * Positions * (kMaxNeed + 1), 0);
        m_once.assign(w * size_t(m_n + 1) * masks * (kMaxStart + 1), 0);
        for (size_t c = 0; c < w; ++c) {
            const auto& times = m_weights[c].times;
            std::array<std::vector<qint64>, Positions> high, low;
            std::vector<std::vector<qint64>> once(masks);
            for (int s = m_n; s >= 0; --s) {
                if (s < m_n) {
                    const auto& raw = m_values[m_order[s]];
                    std::array<qint64, 6> v;
                    for (int p = 0; p < Positions; ++p)
                        v[p] = raw[p] * times[p];
                    for (int p = 0; p < Positions; ++p) {
                        high[p].insert(std::upper_bound(high[p].begin(), high[p].end(), v[p], std::greater<>()), v[p]);
                        if (high[p].size() > kMaxNeed)
                            high[p].pop_back();
                        if (c == 0) {
                            low[p].insert(std::upper_bound(low[p].begin(), low[p].end(), v[p]), v[p]);
                            if (low[p].size() > kMaxNeed)
                                low[p].pop_back();
                        }
                    }
                    for (int m = 1; m < masks; ++m) {
                        qint64 b = kNone;
                        for (int p = 0; p < Positions; ++p)
                            if (m & (1 << p))
                                b = std::max(b, v[p]);
                        auto& list = once[m];
                        list.insert(std::upper_bound(list.begin(), list.end(), b, std::greater<>()), b);
                        if (list.size() > kMaxStart)
                            list.pop_back();
                    }
                }
                const int have = m_n - s;
                for (int p = 0; p < Positions; ++p) {
                    qint64 h = 0, l = 0;
                    for (int k = 0; k <= kMaxNeed; ++k) {
                        const bool enough = k <= have;
                        top(c, s, p, k) = enough ? h : kNone;
                        if (c == 0)
                            lowest(s, p, k) = enough ? l / 4 : -kNone;
                        if (k < int(high[p].size())) {
                            h += high[p][k];
                            if (c == 0)
                                l += low[p][k];
                        }
                    }
                }
                for (int m = 1; m < masks; ++m) {
                    qint64 h = 0;
                    for (int k = 0; k <= kMaxStart; ++k) {
                        onceBest(c, s, m, k) = k <= have ? h : kNone;
                        if (k < int(once[m].size()))
                            h += once[m][k];
                    }
                }
            }
        }
    }

    size_t topIndex(size_t c, int s, int p, int k) const
    {
        return ((c * size_t(m_n + 1) + size_t(s)) * Positions + p) * (kMaxNeed + 1) + k;
    }
    size_t onceIndex(size_t c, int s, int m, int k) const
    {
        return ((c * size_t(m_n + 1) + size_t(s)) * 64 + m) * (kMaxStart + 1) + k;
    }
    qint64& top(size_t c, int s, int p, int k) { return m_top[topIndex(c, s, p, k)]; }
    qint64 top(size_t c, int s, int p, int k) const { return m_top[topIndex(c, s, p, k)]; }
    qint64& lowest(int s, int p, int k) { return m_low[(size_t(s) * Positions + p) * (kMaxNeed + 1) + k]; }
    qint64 lowest(int s, int p, int k) const { return m_low[(size_t(s) * Positions + p) * (kMaxNeed + 1) + k]; }
    qint64& onceBest(size_t c, int s, int m, int k) { return m_once[onceIndex(c, s, m, k)]; }
    qint64 onceBest(size_t c, int s, int m, int k) const { return m_once[onceIndex(c, s, m, k)]; }
    // The best raw SL sum of k players of position p from s on.
    qint64 topRaw(int s, int p, int k) const
    {
        const qint64 t = top(0, s, p, k);
        return t == kNone ? kNone : t / 4;
    }

    static qint64 floorDiv4(qint64 x) { return x >= 0 ? x / 4 : -((-x + 3) / 4); }

    // An upper bound of the new starters' final total, with `total` reached so far and the remaining needs
    // to be filled from players s onwards; kNone when they cannot be filled.
    qint64 bound(int s, qint64 total) const
    {
        int mask = 0, left = 0;
        for (int p = 0; p < Positions; ++p)
            if (m_need[p] > 0) {
                mask |= 1 << p;
                left += m_need[p];
            }
        if (left > m_n - s)
            return kNone;
        qint64 best = std::numeric_limits<qint64>::max();
        for (size_t c = 0; c < m_weights.size(); ++c) {
            const Weights& w = m_weights[c];
            qint64 future = 0;
            if (left > 0) {
                qint64 perPosition = 0;
                for (int p = 0; p < Positions; ++p)
                    if (m_need[p] > 0)
                        perPosition += top(c, s, p, m_need[p]);
                future = std::min(perPosition, onceBest(c, s, mask, left));
            }
            const qint64 quarters =
                4 * total + w.a * (2 * m_sums[DF] - m_sums[MF] - 1) + w.b * (2 * m_sums[MF] - m_sums[FW] - 1) + future;
            best = std::min(best, floorDiv4(quarters));
        }
        return best;
    }

    // Whether the 2:1 rules can still hold once the remaining needs are filled from players s onwards.
    bool rulesReachable(int s) const
    {
        auto range = [&](int p, qint64& lo, qint64& hi) {
            lo = m_sums[p] + lowest(s, p, m_need[p]);
            hi = m_sums[p] + topRaw(s, p, m_need[p]);
        };
        qint64 dfLo, dfHi, mfLo, mfHi, fwLo, fwHi;
        range(DF, dfLo, dfHi);
        range(MF, mfLo, mfHi);
        range(FW, fwLo, fwHi);
        if (!(dfHi > 0 && mfHi > 0 && mfLo < 2 * dfHi))
            return false;
        if (m_fwRule && !(fwLo < 2 * mfHi && (fwLo != 0 || fwHi != 0)))
            return false;
        return true;
    }

    void dfs(int s, qint64 total)
    {
        int left = 0;
        for (int p = 0; p < Positions; ++p)
            left += m_need[p];
        if (left == 0) {
            if (mf21Holds(m_sums) && (!m_fwRule || fw21Holds(m_sums)) && (!m_found || total > m_best)) {
                m_found = true;
                m_best = total;
                m_bestAssign = m_assign;
            }
            return;
        }
        const qint64 b = bound(s, total);
        if (b == kNone || (m_found && b <= m_best))
            return;
        if (!rulesReachable(s))
            return;
        const auto& v = m_values[m_order[s]];
        const auto& tries = m_tries[s];
        // A player equal to the one before takes that one's choice or a later one (staying out comes last).
        const int first = m_sameAsBefore[s] ? m_choice[s - 1] : 0;
        for (int i = first; i < int(tries.size()); ++i) {
            const int p = tries[i];
            if (m_need[p] == 0)
                continue;
            --m_need[p];
            m_sums[p] += v[p];
            m_assign[s] = p;
            m_choice[s] = i;
            dfs(s + 1, total + v[p]);
            m_assign[s] = -1;
            m_sums[p] -= v[p];
            ++m_need[p];
        }
        m_choice[s] = int(tries.size());
        dfs(s + 1, total);
    }

    std::vector<std::array<qint64, 6>> m_values;
    std::array<bool, 6> m_allowed;
    std::array<qint64, 6> m_keptSums;
    bool m_fwRule;
    int m_n = 0;
    std::vector<int> m_order;
    std::vector<bool> m_sameAsBefore;
    std::vector<int> m_choice; // the choice of each player on the current path: index into m_tries, or out
    std::vector<std::vector<int>> m_tries;
    std::vector<Weights> m_weights;
    std::vector<qint64> m_top, m_low, m_once;

    Formation m_need{};
    std::array<qint64, 6> m_sums{};
    std::vector<int> m_assign, m_bestAssign;
    bool m_found = false;
    qint64 m_best = 0;
};

struct Candidate {
    int row;
    std::array<qint64, 6> values;
};

// The best starters over the given formations, or nothing.
std::optional<std::vector<int>> searchStarters(const std::vector<Candidate>& candidates, const QList<Formation>& needs,
                                               const std::array<bool, 6>& allowed,
                                               const std::array<qint64, 6>& keptSums, bool fwRule)
{
    std::vector<std::array<qint64, 6>> values;
    for (const Candidate& c : candidates)
        values.push_back(c.values);
    StarterSearch search(std::move(values), allowed, keptSums, fwRule);
    // The most promising formations first, so that the rest are cut off by their bound.
    std::vector<std::pair<qint64, int>> order;
    for (int i = 0; i < needs.size(); ++i)
        order.emplace_back(search.rootBound(needs.at(i)), i);
    std::stable_sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    for (const auto& [b, i] : order) {
        if (b == kNone || (search.found() && b <= search.bestTotal()))
            continue;
        search.solve(needs.at(i));
    }
    if (!search.found())
        return std::nullopt;
    return search.bestAssignment();
}

qint64 adjustedAt(qint64 sl, const QString& pos, int p)
{
    return adjustedSL(sl, positionFactorTenths(pos, playedPositions().at(p)).value_or(10), 100);
}

} // namespace

QList<Formation> legalFormations(bool mswl)
{
    QList<Formation> out;
    for (int sw = 0; sw <= 1; ++sw)
        for (int df = 2; df <= 5; ++df)
            for (int mf = 2; mf <= 5; ++mf)
                for (int wg = 0; wg <= (mswl ? 4 : 0); ++wg) {
                    const int fw = 10 - sw - df - mf - wg;
                    if (fw >= 1 && fw <= 4)
                        out.append(Formation{1, sw, df, mf, wg, fw});
                }
    return out;
}

QString formationName(const Formation& f)
{
    QStringList parts;
    for (int p = SW; p < Positions; ++p)
        if (f[p] > 0 || p == DF || p == MF || p == FW)
            parts.append(playedPositions().at(p) + QString::number(f[p]));
    return parts.join(QLatin1Char(' '));
}

AssistResult suggestLineup(const SquadTable& table, const AssistOptions& options)
{
    AssistResult result;
    result.table = table;
    SquadTable& out = result.table;
    const bool fwRule = !exemptFromFw21(options.teamTactic);

    // Which rows stay as they are, which are free, which are out.
    std::vector<int> freeRows;
    std::array<bool, 5> slotTaken{};
    std::array<bool, 6> lineCovered{};
    for (int j = 1; j < out.size(); ++j) {
        QStringList& row = out[j];
        const bool kept = options.keepPlaced && !row.at(ColPlay).isEmpty() && !options.leftOut.contains(j);
        if (kept) {
            const QString& subs = row.at(ColSubs);
            if (!subs.isEmpty()) {
                const int slot = subs.size() == 2 ? subs.at(1).digitValue() : -1;
                if (slot >= 1 && slot <= 5)
                    slotTaken[slot - 1] = true;
                const int line = int(playedPositions().indexOf(row.at(ColPlay)));
                if (line >= 0)
                    lineCovered[line] = true;
            }
            continue;
        }
        row[ColPlay].clear();
        row[ColStyle].clear();
        row[ColSubs].clear();
        if (!options.leftOut.contains(j) && !row.at(ColName).isEmpty())
            freeRows.push_back(j);
    }
    const CheckResult kept = checkLineup(out, options.teamTactic);

    auto fail = [&](const QString& reason) {
        result.reason = reason;
        result.table = table;
        return result;
    };

    // Kept starters the rules cannot hold.
    const int most[] = {1, 1, 5, 5, options.mswl ? 4 : 99, 4};
    for (int p = 0; p < Positions; ++p)
        if (kept.counts[p] > most[p])
            return fail(QStringLiteral("%1 are kept as starters; a line-up has %2 %3")
                            .arg(countText(kept.counts[p], kOne[p], kMany[p]),
                                 QLatin1String(p == GK ? "exactly" : "at most"), QString::number(most[p])));
    if (kept.starters > kMaxStart)
        return fail(QStringLiteral("%1 players are kept as starters; a line-up has exactly 11").arg(kept.starters));

    QList<Formation> needs;
    if (options.formation) {
        const Formation& f = *options.formation;
        for (int p = 0; p < Positions; ++p)
            if (kept.counts[p] > f[p])
                return fail(
                    QStringLiteral("%1 %2; the formation %3 has %4")
                        .arg(countText(kept.counts[p], kOne[p], kMany[p]),
                             QLatin1String(kept.counts[p] == 1 ? "is kept as a starter" : "are kept as starters"),
                             formationName(f), f[p] == 0 ? QStringLiteral("none") : QString::number(f[p])));
        Formation need;
        for (int p = 0; p < Positions; ++p)
            need[p] = f[p] - kept.counts[p];
        needs.append(need);
    } else {
        // In LGM no one new plays WG, but wingers already placed stay and count towards the eleven.
        const int wgFrom = options.mswl ? 0 : kept.counts[WG], wgTo = options.mswl ? kMost[WG] : kept.counts[WG];
        for (int sw = 0; sw <= kMost[SW]; ++sw)
            for (int df = 2; df <= kMost[DF]; ++df)
                for (int mf = 2; mf <= kMost[MF]; ++mf)
                    for (int wg = wgFrom; wg <= wgTo; ++wg) {
                        const int fw = kMaxStart - 1 - sw - df - mf - wg;
                        const Formation f{1, sw, df, mf, wg, fw};
                        if (fw < 1 || fw > kMost[FW])
                            continue;
                        Formation need;
                        bool fits = true;
                        for (int p = 0; p < Positions; ++p) {
                            need[p] = f[p] - kept.counts[p];
                            fits = fits && need[p] >= 0;
                        }
                        if (fits)
                            needs.append(need);
                    }
        if (needs.isEmpty()) {
            QStringList held;
            for (int p = 0; p < Positions; ++p)
                if (kept.counts[p] > 0)
                    held.append(countText(kept.counts[p], kOne[p], kMany[p]));
            return fail(QStringLiteral("No formation the rules allow holds the kept starters (%1)")
                            .arg(held.join(QLatin1String(", "))));
        }
    }

    const int toPlace = kMaxStart - kept.starters;
    if (int(freeRows.size()) < toPlace)
        return fail(
            QStringLiteral("Only %1 free to start beside the %2 kept; a line-up has 11 starters")
                .arg(countText(int(freeRows.size()), "player is", "players are"), QString::number(kept.starters)));

    std::array<bool, 6> allowed = {true, true, true, true, options.mswl, true};
    std::vector<Candidate> candidates;
    for (int j : freeRows) {
        Candidate c{j, {}};
        const qint64 sl = toWholeNumber(out.at(j).at(ColSL));
        for (int p = 0; p < Positions; ++p)
            c.values[p] = adjustedAt(sl, out.at(j).at(ColPos), p);
        candidates.push_back(c);
    }

    auto best = searchStarters(candidates, needs, allowed, kept.sums, fwRule);
    if (!best) {
        if (fwRule && searchStarters(candidates, needs, allowed, kept.sums, false))
            return fail(QStringLiteral("No line-up meets the 2:1 rule for FW: the forwards' adjusted SL must be "
                                       "above 0 and below twice the midfielders'"));
        return fail(QStringLiteral("No line-up meets the 2:1 rule for MF: the defenders' and the midfielders' "
                                   "adjusted SL must be above 0, and the midfielders' below twice the "
                                   "defenders'"));
    }

    std::vector<bool> used(candidates.size(), false);
    for (size_t k = 0; k < candidates.size(); ++k) {
        const int p = (*best)[k];
        if (p < 0)
            continue;
        used[k] = true;
        QStringList& row = out[candidates[k].row];
        row[ColPlay] = playedPositions().at(p);
        row[ColStyle] = QStringLiteral("n");
    }

    if (options.fillSubs) {
        // The lines a bench must cover, in order; then the best player left anywhere.
        QList<int> lines;
        for (int p : {GK, DF, MF, FW})
            if (!lineCovered[p])
                lines.append(p);
        for (int slot = 0; slot < 5; ++slot) {
            if (slotTaken[slot])
                continue;
            int pick = -1, pickPos = -1;
            qint64 pickValue = 0;
            const QList<int> wanted = lines.isEmpty() ? QList<int>{GK, SW, DF, MF, WG, FW} : QList<int>{lines.first()};
            for (size_t k = 0; k < candidates.size(); ++k) {
                if (used[k])
                    continue;
                for (int p : wanted) {
                    if (!allowed[p])
                        continue;
                    const qint64 v = candidates[k].values[p];
                    if (pick < 0 || v > pickValue) {
                        pick = int(k);
                        pickPos = p;
                        pickValue = v;
                    }
                }
            }
            if (pick < 0)
                break; // no one is left
            if (!lines.isEmpty())
                lines.removeFirst();
            used[pick] = true;
            QStringList& row = out[candidates[pick].row];
            row[ColPlay] = playedPositions().at(pickPos);
            row[ColStyle] = QStringLiteral("n");
            row[ColSubs] = QStringLiteral("S%1").arg(slot + 1);
        }
    }

    result.found = true;
    result.check = checkLineup(out, options.teamTactic);
    result.total = std::accumulate(result.check.sums.begin(), result.check.sums.end(), qint64(0));
    return result;
}

QStringList describeSuggestion(const AssistResult& result)
{
    if (!result.found)
        return {result.reason};
    QStringList lines;
    const SquadTable& t = result.table;
    for (const QString& pos : playedPositions())
        for (int j = 1; j < t.size(); ++j)
            if (t.at(j).at(ColPlay) == pos && t.at(j).at(ColSubs).isEmpty())
                lines.append(QStringLiteral("%1  %2  %3").arg(pos, t.at(j).at(ColName), t.at(j).at(ColStyle)));
    for (int slot = 1; slot <= 5; ++slot) {
        const QString code = QStringLiteral("S%1").arg(slot);
        for (int j = 1; j < t.size(); ++j)
            if (t.at(j).at(ColSubs) == code && !t.at(j).at(ColPlay).isEmpty())
                lines.append(QStringLiteral("%1  %2  %3  %4")
                                 .arg(code, t.at(j).at(ColPlay), t.at(j).at(ColName), t.at(j).at(ColStyle)));
    }
    QStringList num, sl;
    for (int p = 0; p < Positions; ++p) {
        num.append(QStringLiteral("%1 %2").arg(playedPositions().at(p)).arg(result.check.counts[p]));
        sl.append(QStringLiteral("%1 %2").arg(playedPositions().at(p)).arg(result.check.sums[p]));
    }
    lines.append(QStringLiteral("Num: ") + num.join(QLatin1String(", ")));
    lines.append(QStringLiteral("SL: ") + sl.join(QLatin1String(", ")));
    lines.append(QStringLiteral("Total SL of the starters: %1").arg(result.total));
    const CheckResult& c = result.check;
    QStringList lit;
    const std::pair<bool, const char*> lamps[] = {{c.gk, "GK"},
                                                  {c.sw, "SW"},
                                                  {c.df, "DF"},
                                                  {c.mf, "MF"},
                                                  {c.fw, "FW"},
                                                  {c.starting11, "Starting 11"},
                                                  {c.fiveSubs, "Five Subs"},
                                                  {c.mf21, "2:1 MF"}};
    for (const auto& [on, name] : lamps)
        if (on)
            lit.append(QLatin1String(name));
    if (c.fw21 == FwLamp::Red)
        lit.append(QStringLiteral("2:1 FW"));
    else if (c.fw21 == FwLamp::Green)
        lit.append(QStringLiteral("2:1 FW (green)"));
    lines.append(QStringLiteral("Lamps: ") + (lit.isEmpty() ? QStringLiteral("none") : lit.join(QLatin1String(", "))));
    return lines;
}
