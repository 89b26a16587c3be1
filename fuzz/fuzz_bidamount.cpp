// The bid amount check and the bids file lines: an accepted amount is a whole number from 1 to 9999.
#include "base/wholenumber.h"
#include "fuzzutil.h"
#include "orders/bids.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = textOf(data, size);
    const QString problem = bidAmountProblem(text);
    if (problem.isEmpty()) {
        const auto v = parseWholeNumber(text.trimmed());
        FUZZ_CHECK(v && *v >= 1 && *v <= 9999 && text.trimmed().size() <= 4);
    }
    const QStringList parts = text.split(QLatin1Char('|'));
    QList<BidRow> rows;
    for (int i = 0; i < 5; ++i)
        rows.append({parts.value(3 * i), parts.value(3 * i + 1), parts.value(3 * i + 2)});
    const QStringList lines = buildBidsLines(rows, true);
    FUZZ_CHECK(lines.size() <= 5);
    for (qsizetype i = 1; i < lines.size(); ++i)
        FUZZ_CHECK(!bidLineLess(lines.at(i), lines.at(i - 1)));
    hasNonUniqueNames(rows);
    for (int r = 0; r < 5; ++r)
        FUZZ_CHECK(!proposeBidName(rows, r).isEmpty());
    return 0;
}
