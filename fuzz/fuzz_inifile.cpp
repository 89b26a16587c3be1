// The settings file: parse, write a key, parse again. The written key reads back, every other line stays, and
// the lines the program cannot read are written back byte for byte.
#include "fuzzutil.h"
#include "settings/inifile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    static const char* sections[] = {"Options", "options", "HomeBonus", "LGMTTacs", "New Section"};
    static const char* keys[] = {"League", "league", "Min", "T1", "howmany", "Fresh"};
    const QString section = QString::fromLatin1(sections[data[0] % 5]);
    const QString key = QString::fromLatin1(keys[(data[0] / 5) % 6]);
    const QString value = QStringLiteral("v%1").arg(data[0]);
    const TIniFile::Content content = TIniFile::parse(bytesOf(data + 1, size - 1));
    const QStringList& lines = content.lines;
    const QStringList written = TIniFile::withValue(lines, section, key, value);
    FUZZ_CHECK(TIniFile::findValue(written, section, key) == value);
    // Every other line as it was: the lines differ by one replaced line, one inserted line, or a new section
    // (with the blank line before it) added at the end.
    qsizetype first = 0;
    while (first < lines.size() && first < written.size() && lines.at(first) == written.at(first))
        ++first;
    const qsizetype added = written.size() - lines.size();
    FUZZ_CHECK(added >= 0 && added <= 3);
    if (added == 0) {
        FUZZ_CHECK(first < lines.size());
        FUZZ_CHECK(lines.mid(first + 1) == written.mid(first + 1));
    } else if (added == 1) {
        FUZZ_CHECK(lines.mid(first) == written.mid(first + 1));
    } else {
        FUZZ_CHECK(first == lines.size());
    }
    // A second write of the same key changes only that line.
    const QStringList again = TIniFile::withValue(written, section, key, QStringLiteral("w"));
    FUZZ_CHECK(again.size() == written.size());
    // The file as written reads back as the same lines, with every line that cannot be read kept byte for byte.
    TIniFile::Content after = content;
    after.lines = written;
    const TIniFile::Content reread = TIniFile::parse(TIniFile::compose(after));
    FUZZ_CHECK(reread.lines == written);
    FUZZ_CHECK(reread.unreadable == content.unreadable);
    return 0;
}
