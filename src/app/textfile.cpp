#include "textfile.h"

#include "errors.h"
#include "textcodec.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

QString cannotOpen(const QString& path, const QString& reason)
{
    return QStringLiteral("Cannot open file \"%1\". %2").arg(path, reason);
}

QByteArray encodeOrThrow(const QString& text, const QString& path)
{
    QChar bad;
    const auto bytes = encode8Bit(text, &bad);
    if (!bytes)
        throw FileError(QStringLiteral("Cannot write \"%1\": the character '%2' (U+%3) has no place in the "
                                       "8-bit code page of the league's files. Nothing was written.")
                            .arg(bareFileName(path), QString(bad),
                                 QStringLiteral("%1").arg(bad.unicode(), 4, 16, QLatin1Char('0')).toUpper()));
    return *bytes;
}

void writeBytes(const QString& path, const QString& text)
{
    const QByteArray bytes = encodeOrThrow(text, path);
    if (QFileInfo(path).isDir())
        throw FileError(QStringLiteral("Cannot create file \"%1\". A folder of that name is in the way.").arg(path));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw FileError(QStringLiteral("Cannot create file \"%1\". %2").arg(path, file.errorString()));
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw FileError(QStringLiteral("Cannot write file \"%1\". %2").arg(path, file.errorString()));
}

} // namespace

QStringList readTextLines(const QString& path, int maxLineLength)
{
    QFile file(path);
    if (QFileInfo(path).isDir())
        throw FileError(cannotOpen(path, QStringLiteral("It is a folder, not a file.")));
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(cannotOpen(path, file.errorString()));

    QStringList lines;
    QByteArray current;
    bool afterCr = false;
    bool pending = false; // text (or an empty line) has started since the last break
    char buffer[65536];
    for (;;) {
        const qint64 got = file.read(buffer, sizeof buffer);
        if (got < 0)
            throw FileError(QStringLiteral("Cannot read file \"%1\". %2").arg(path, file.errorString()));
        if (got == 0)
            break;
        for (qint64 i = 0; i < got; ++i) {
            const char c = buffer[i];
            if (c == '\n' && afterCr) {
                afterCr = false;
                continue;
            }
            afterCr = false;
            if (c == '\r' || c == '\n') {
                lines.append(decode8Bit(current));
                current.clear();
                pending = false;
                afterCr = c == '\r';
                continue;
            }
            if (c == '\0')
                throw FileError(QStringLiteral("\"%1\" is not a text file (line %2 holds a NUL byte).")
                                    .arg(bareFileName(path))
                                    .arg(lines.size() + 1));
            current.append(c);
            pending = true;
            if (current.size() > maxLineLength)
                throw FileError(QStringLiteral("Line %1 of \"%2\" is longer than %3 characters.")
                                    .arg(lines.size() + 1)
                                    .arg(bareFileName(path))
                                    .arg(maxLineLength));
        }
    }
    if (pending)
        lines.append(decode8Bit(current));
    return lines;
}

QStringList splitTextLines(const QString& text)
{
    QStringList lines;
    QString current;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines.append(current);
            current.clear();
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
        } else {
            current.append(c);
        }
    }
    if (!current.isEmpty())
        lines.append(current);
    return lines;
}

void writeTextLines(const QString& path, const QStringList& lines)
{
    QString text;
    for (const QString& line : lines)
        text += line + QLatin1String("\r\n");
    writeBytes(path, text);
}

void writeTextExactly(const QString& path, const QString& text)
{
    QString normalised = text;
    normalised.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    normalised.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    normalised.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    writeBytes(path, normalised);
}

void check8BitText(const QStringList& lines, const QString& path)
{
    encodeOrThrow(lines.join(QLatin1Char('\n')), path);
}

QString bareFileName(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? path : path.mid(slash + 1);
}
