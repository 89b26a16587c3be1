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

// Writes the file over its old content, for a file that may be written while its folder may not (so no
// temporary file can be made beside it). The file is not truncated before the new bytes are in; a short write
// is reported.
void writeInPlace(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly) &&
        !file.open(QIODevice::WriteOnly | QIODevice::ExistingOnly))
        throw FileError(QStringLiteral("Cannot write file \"%1\". %2").arg(path, file.errorString()));
    if (file.write(bytes) != bytes.size() || !file.flush() || !file.resize(bytes.size()) ||
        file.error() != QFileDevice::NoError)
        throw FileError(
            QStringLiteral("Cannot write file \"%1\"; it may now be incomplete. %2").arg(path, file.errorString()));
    file.close();
}

} // namespace

void writeFileBytes(const QString& path, const QByteArray& bytes, bool mayCreate)
{
    const QFileInfo info(path);
    if (info.isDir())
        throw FileError(QStringLiteral("Cannot create file \"%1\". A folder of that name is in the way.").arg(path));
    if (!mayCreate && !info.exists())
        throw FileError(QStringLiteral("Cannot write file \"%1\". The file is no longer there, and it is not "
                                       "made anew; nothing was written.")
                            .arg(path));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        // The folder takes no new file; a file that may itself be written is then written where it is.
        if (info.exists() && info.isWritable())
            return writeInPlace(path, bytes);
        throw FileError(QStringLiteral("Cannot create file \"%1\". %2").arg(path, file.errorString()));
    }
    // Qt 6.4's commit() reports success after a failed final write (a full disk) and then replaces the file
    // with what it holds; so the write is flushed and checked before the file is put in place.
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw FileError(QStringLiteral("Cannot write file \"%1\". %2").arg(path, reason));
    }
    if (!file.commit())
        throw FileError(QStringLiteral("Cannot write file \"%1\". %2").arg(path, file.errorString()));
}

namespace {

void writeBytes(const QString& path, const QString& text)
{
    writeFileBytes(path, encodeOrThrow(text, path), true);
}

} // namespace

namespace {
// Splits 8-bit text into lines as it arrives, stopping at the first line that is too long or at a NUL byte.
class LineSplitter {
public:
    LineSplitter(int maxLineLength, QString name)
        : m_max(maxLineLength)
        , m_name(std::move(name))
    {
    }

    void feed(const char* data, qint64 size)
    {
        for (qint64 i = 0; i < size; ++i) {
            const char c = data[i];
            if (c == '\n' && m_afterCr) {
                m_afterCr = false;
                continue;
            }
            m_afterCr = false;
            if (c == '\r' || c == '\n') {
                m_lines.append(decode8Bit(m_current));
                m_current.clear();
                m_pending = false;
                m_afterCr = c == '\r';
                continue;
            }
            if (c == '\0')
                throw FileError(QStringLiteral("\"%1\" is not a text file (line %2 holds a NUL byte).")
                                    .arg(m_name)
                                    .arg(m_lines.size() + 1));
            m_current.append(c);
            m_pending = true;
            if (m_current.size() > m_max)
                throw FileError(QStringLiteral("Line %1 of \"%2\" is longer than %3 characters.")
                                    .arg(m_lines.size() + 1)
                                    .arg(m_name)
                                    .arg(m_max));
        }
    }

    QStringList finish()
    {
        if (m_pending)
            m_lines.append(decode8Bit(m_current));
        return std::move(m_lines);
    }

private:
    int m_max;
    QString m_name;
    QStringList m_lines;
    QByteArray m_current;
    bool m_afterCr = false;
    bool m_pending = false; // text has started since the last break
};
} // namespace

QStringList readTextLines(const QString& path, int maxLineLength)
{
    QFile file(path);
    if (QFileInfo(path).isDir())
        throw FileError(cannotOpen(path, QStringLiteral("It is a folder, not a file.")));
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(cannotOpen(path, file.errorString()));
    LineSplitter splitter(maxLineLength, bareFileName(path));
    char buffer[65536];
    for (;;) {
        const qint64 got = file.read(buffer, sizeof buffer);
        if (got < 0)
            throw FileError(QStringLiteral("Cannot read file \"%1\". %2").arg(path, file.errorString()));
        if (got == 0)
            break;
        splitter.feed(buffer, got);
    }
    return splitter.finish();
}

QStringList splitLineBytes(const QByteArray& bytes, int maxLineLength, const QString& name)
{
    LineSplitter splitter(maxLineLength, name);
    splitter.feed(bytes.constData(), bytes.size());
    return splitter.finish();
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
