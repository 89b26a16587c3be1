#include "inifile.h"

#include "base/errors.h"
#include "base/textcodec.h"
#include "base/textfile.h"
#include "base/wholenumber.h"

#include <QFile>
#include <QFileInfo>

namespace {

// The section named by a line "[name]", or a null string for any other line.
QString sectionOf(const QString& line)
{
    const QString t = line.trimmed();
    if (t.size() >= 2 && t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']')))
        return t.mid(1, t.size() - 2).trimmed();
    return QString();
}

bool isKeyLine(const QString& line, const QString& key, QString* value = nullptr)
{
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0 || line.trimmed().startsWith(QLatin1Char(';')))
        return false;
    if (line.left(eq).trimmed().compare(key, Qt::CaseInsensitive) != 0)
        return false;
    if (value)
        *value = line.mid(eq + 1).trimmed();
    return true;
}

} // namespace

TIniFile::TIniFile(QString path)
    : m_path(std::move(path))
{
}

QString TIniFile::pathForExecutable(const QString& executablePath)
{
    const QFileInfo info(executablePath);
    const QString suffix = info.suffix();
    const QString stem =
        suffix.isEmpty() ? executablePath : executablePath.left(executablePath.size() - suffix.size() - 1);
    return stem + QLatin1String(".INI");
}

namespace {
constexpr qsizetype kMaxLineLength = 4096;

// A line the program cannot read (too long, or holding a NUL byte) stands in the lines as a marker that no
// rule matches: a NUL, which no readable line holds, then the line's number in the file.
QString unreadableMarker(qsizetype n)
{
    return QChar(u'\0') + QString::number(n);
}

bool isUnreadableMarker(const QString& line)
{
    return line.startsWith(QChar(u'\0'));
}
} // namespace

TIniFile::Content TIniFile::parse(const QByteArray& bytes)
{
    // Lines end at CR LF, a lone CR or a lone LF; a final break starts no further line.
    QList<QByteArray> raw;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (c != '\r' && c != '\n')
            continue;
        raw.append(bytes.mid(start, i - start));
        if (c == '\r' && i + 1 < bytes.size() && bytes.at(i + 1) == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        raw.append(bytes.mid(start));

    // A line is read when it holds no NUL and at most 4,096 characters. The file is UTF-8 unless one of its
    // short lines (at most 4,096 bytes, no NUL) is not; then it is an older file in the 8-bit code page. A
    // line of the 8-bit code page takes up to three bytes a character in UTF-8, so a line that was read is
    // read again after the file has been written back as UTF-8.
    const auto isShort = [](const QByteArray& line) { return line.size() <= kMaxLineLength && !line.contains('\0'); };
    bool utf8 = true;
    for (const QByteArray& line : std::as_const(raw))
        if (isShort(line) && !QUtf8StringView(line).isValidUtf8()) {
            utf8 = false;
            break;
        }
    Content content;
    for (const QByteArray& line : std::as_const(raw)) {
        const bool decodable =
            line.size() <= 3 * kMaxLineLength && !line.contains('\0') && (!utf8 || QUtf8StringView(line).isValidUtf8());
        const QString text = !decodable ? QString() : utf8 ? QString::fromUtf8(line) : decode8Bit(line);
        if (!decodable || text.size() > kMaxLineLength) {
            content.lines.append(unreadableMarker(content.unreadable.size()));
            content.unreadable.append(line);
        } else {
            content.lines.append(text);
        }
    }
    return content;
}

QByteArray TIniFile::compose(const Content& content)
{
    QByteArray out;
    for (const QString& line : content.lines) {
        if (isUnreadableMarker(line))
            out += content.unreadable.value(line.mid(1).toLongLong());
        else
            out += line.toUtf8();
        out += "\r\n";
    }
    return out;
}

TIniFile::Content TIniFile::content(bool strict) const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (strict)
            throw FileError(QStringLiteral("Cannot open file \"%1\". %2").arg(m_path, file.errorString()));
        return {}; // a settings file that cannot be read gives the defaults, as a missing key does
    }
    const QByteArray bytes = file.readAll();
    if (strict && file.error() != QFileDevice::NoError)
        throw FileError(QStringLiteral("Cannot read file \"%1\". %2").arg(m_path, file.errorString()));
    return parse(bytes);
}

QStringList TIniFile::lines() const
{
    return content(false).lines;
}

std::optional<QString> TIniFile::findValue(const QStringList& lines, const QString& section, const QString& key)
{
    bool inSection = false;
    for (const QString& line : lines) {
        const QString s = sectionOf(line);
        if (!s.isNull()) {
            inSection = s.compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        QString value;
        if (inSection && isKeyLine(line, key, &value))
            return value;
    }
    return std::nullopt;
}

QStringList TIniFile::withValue(QStringList lines, const QString& section, const QString& key, const QString& value)
{
    const QString newLine = key + QLatin1Char('=') + value;
    qsizetype sectionStart = -1;
    qsizetype lastInSection = -1; // last non-blank line of the matching section
    bool inSection = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString s = sectionOf(lines.at(i));
        if (!s.isNull()) {
            if (inSection)
                break; // the section ended without the key
            inSection = s.compare(section, Qt::CaseInsensitive) == 0;
            if (inSection)
                sectionStart = lastInSection = i;
            continue;
        }
        if (!inSection)
            continue;
        if (isKeyLine(lines.at(i), key)) {
            lines[i] = newLine;
            return lines;
        }
        if (!lines.at(i).trimmed().isEmpty())
            lastInSection = i;
    }
    if (sectionStart >= 0) {
        lines.insert(lastInSection + 1, newLine);
        return lines;
    }
    if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
        lines.append(QString());
    lines.append(QLatin1Char('[') + section + QLatin1Char(']'));
    lines.append(newLine);
    return lines;
}

QString TIniFile::readString(const QString& section, const QString& key, const QString& defaultValue) const
{
    return findValue(lines(), section, key).value_or(defaultValue);
}

int TIniFile::readNumber(const QString& section, const QString& key, int defaultValue, int lowest, int highest) const
{
    const int n = readInteger(section, key, defaultValue);
    return n < lowest || n > highest ? defaultValue : n;
}

int TIniFile::readInteger(const QString& section, const QString& key, int defaultValue) const
{
    const auto text = findValue(lines(), section, key);
    if (!text)
        return defaultValue;
    return parseWholeNumber(*text).value_or(defaultValue);
}

bool TIniFile::readBool(const QString& section, const QString& key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool TIniFile::keyExists(const QString& section, const QString& key) const
{
    return findValue(lines(), section, key).has_value();
}

void TIniFile::writeString(const QString& section, const QString& key, const QString& value)
{
    // Read strictly here: a file that cannot be read must not be replaced by the one key. The program never
    // creates the file: when it has gone, the write is an error.
    if (!QFileInfo::exists(m_path) && !QFileInfo(m_path).isDir())
        throw FileError(QStringLiteral("Cannot write file \"%1\". The settings file is no longer there, and the "
                                       "program does not make it anew; nothing was written.")
                            .arg(m_path));
    // A value is one line: a line break or a NUL in it would cut the file's lines apart.
    for (QChar c : value)
        if (c == u'\r' || c == u'\n' || c == u'\0')
            throw FileError(QStringLiteral("Cannot write \"%1\" to the settings file: a line break or NUL "
                                           "character has no place in a setting. Nothing was written.")
                                .arg(value.simplified()));
    Content current = content(true);
    current.lines = withValue(current.lines, section, key, value);
    writeFileBytes(m_path, compose(current), false);
}

void TIniFile::writeInteger(const QString& section, const QString& key, int value)
{
    writeString(section, key, QString::number(value));
}

void TIniFile::writeBool(const QString& section, const QString& key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}
