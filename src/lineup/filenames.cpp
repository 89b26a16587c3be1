#include "filenames.h"

#include "base/wholenumber.h"

namespace {
bool allDigits(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}
} // namespace

QString teamFileNameProblem(const QString& abbreviation)
{
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    QString why;
    if (abbreviation.contains(QLatin1String("..")))
        why = QStringLiteral("\"..\"");
    for (const QChar c : abbreviation) {
        if (!why.isEmpty())
            break;
        if (forbidden.contains(c))
            why = QLatin1Char('"') + c + QLatin1Char('"');
        else if (c.unicode() < 32 || c.unicode() == 127)
            why = QStringLiteral("a control character");
    }
    if (why.isEmpty())
        return QString();
    return QStringLiteral("The team abbreviation \"%1\" cannot be used in a file name: it holds %2. "
                          "Correct the roster file. Nothing was saved.")
        .arg(abbreviation, why);
}

QString lineupFileName(const QString& abbreviation, const QString& matchText)
{
    return abbreviation + (matchText.isEmpty() ? QStringLiteral("1") : matchText) + QLatin1String(".txt");
}

QString orderFileName(const QString& abbreviation, const QString& sessionText, const QString& suffix)
{
    return abbreviation + QLatin1String("Session") + sessionText + suffix;
}

LineupNameParts parseLineupFileName(const QString& path, const QString& loadedAbbreviation)
{
    QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot >= 0)
        name.truncate(dot);

    LineupNameParts parts;
    const QString rest = name.mid(loadedAbbreviation.size());
    if (!loadedAbbreviation.isEmpty() && name.startsWith(loadedAbbreviation) && allDigits(rest)) {
        parts.matchText = rest;
    } else {
        const QString lastTwo = name.right(2);
        parts.matchText = (lastTwo.size() == 2 && allDigits(lastTwo)) ? lastTwo : name.right(1);
    }
    parts.abbreviation = name.left(name.size() - parts.matchText.size());
    const auto number = parseWholeNumber(parts.matchText);
    parts.matchIsNumber = allDigits(parts.matchText) && number.has_value();
    parts.match = parts.matchIsNumber ? *number : 0;
    return parts;
}
