// A line-up file's name: the abbreviation and the match text make up the name without folder and extension.
#include "fuzzutil.h"
#include "lineup/filenames.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = textOf(data, size);
    const qsizetype bar = text.indexOf(QLatin1Char('|'));
    const QString loaded = bar < 0 ? QString() : text.left(bar);
    const QString path = bar < 0 ? text : text.mid(bar + 1);
    const LineupNameParts parts = parseLineupFileName(path, loaded);
    QString stem = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    if (stem.contains(QLatin1Char('.')))
        stem.truncate(stem.lastIndexOf(QLatin1Char('.')));
    FUZZ_CHECK(parts.abbreviation + parts.matchText == stem);
    FUZZ_CHECK(parts.matchText.size() <= std::max<qsizetype>(2, stem.size() - loaded.size()));
    FUZZ_CHECK(parts.match >= 0);
    if (!parts.matchIsNumber)
        FUZZ_CHECK(parts.match == 0);
    teamFileNameProblem(parts.abbreviation);
    return 0;
}
