#include "inifile.h"

#include "base/errors.h"
#include "base/textfile.h"
#include "base/wholenumber.h"

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

QStringList TIniFile::lines() const
{
    if (!QFileInfo::exists(m_path))
        return {};
    try {
        return readTextLines(m_path, 4096);
    } catch (const SquadError&) {
        return {}; // an unreadable settings file gives the defaults, as a missing key does
    }
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
    // Read strictly here: a file that cannot be read must not be replaced by the one key.
    const QStringList current = QFileInfo::exists(m_path) ? readTextLines(m_path, 4096) : QStringList();
    writeTextLines(m_path, withValue(current, section, key, value));
}

void TIniFile::writeInteger(const QString& section, const QString& key, int value)
{
    writeString(section, key, QString::number(value));
}

void TIniFile::writeBool(const QString& section, const QString& key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}
