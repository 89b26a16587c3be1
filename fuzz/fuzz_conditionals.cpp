// A Conditionals cell: decoding keeps at most 26 fields, and a cell of 26 fields encodes back to itself.
#include "fuzzutil.h"
#include "tactics/encodings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString cell = textOf(data, size);
    const QStringList f = decodeConditionalsCell(cell);
    FUZZ_CHECK(f.size() >= 1 && f.size() <= 26);
    FUZZ_CHECK(f.size() == std::min<qsizetype>(cell.count(QLatin1Char(',')) + 1, 26));
    QStringList p = f;
    while (p.size() < 26)
        p.append(QString());
    auto conditional = [&p](int at) {
        return Conditional{{p[at], p[at + 1], p[at + 2]}, {p[at + 3], p[at + 4], p[at + 5]}, p[at + 6], p[at + 7]};
    };
    const QString encoded = encodeConditionalsCell(p[0], p[1], conditional(2), conditional(10), conditional(18));
    FUZZ_CHECK(decodeConditionalsCell(encoded) == p);
    if (cell.count(QLatin1Char(',')) == 25)
        FUZZ_CHECK(encoded == cell);
    for (const QString& event : {QStringLiteral("G"), QStringLiteral("T")}) {
        const QString up = stepConditionValue(cell.left(8), event, true, StepDirection::Up);
        const int v = up.toInt();
        FUZZ_CHECK(v >= -90 && v <= 90 && up == QString::number(v));
    }
    return 0;
}
