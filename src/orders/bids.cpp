#include "bids.h"

#include "base/wholenumber.h"

#include <algorithm>

QString bidAmountProblem(const QString& typed)
{
    const QString amount = typed.trimmed();
    if (amount.isEmpty())
        return QStringLiteral("Please enter an amount first.");
    if (amount.size() >= 5)
        return QStringLiteral("Max Bid is 9999");
    const auto value = parseWholeNumber(amount);
    if (!value)
        return QStringLiteral("Enter your bid using ONLY numbers");
    if (*value <= 0)
        return QStringLiteral("Please enter a POSITIVE Amount");
    return QString();
}

bool isPositiveWholeNumber(const QString& text)
{
    const auto value = parseWholeNumber(text);
    return value && *value > 0;
}

QString proposeBidName(const QList<BidRow>& rows, int row)
{
    const BidRow& own = rows.at(row);
    if (!own.name.isEmpty())
        return own.name;
    for (const BidRow& other : rows)
        if (!other.lot.isEmpty() && other.lot == own.lot && !other.name.isEmpty())
            return other.name;
    return QStringLiteral("AuctPlayer%1").arg(row + 1);
}

bool hasNonUniqueNames(const QList<BidRow>& rows)
{
    for (qsizetype i = 0; i < rows.size(); ++i)
        for (qsizetype j = i + 1; j < rows.size(); ++j)
            if (rows.at(i).name.compare(rows.at(j).name, Qt::CaseInsensitive) == 0 && rows.at(i).lot != rows.at(j).lot)
                return true;
    return false;
}

namespace {
// Comma, then digits, then letters without regard to case, then everything else by code.
int sortKey(QChar c)
{
    const QChar l = c.toLower();
    if (l == QLatin1Char(','))
        return 0;
    if (l >= QLatin1Char('0') && l <= QLatin1Char('9'))
        return 1 + (l.unicode() - '0');
    if (l.isLetter())
        return 0x100 + l.unicode();
    return 0x20000 + l.unicode();
}
} // namespace

bool bidLineLess(const QString& a, const QString& b)
{
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const int ka = sortKey(a.at(i));
        const int kb = sortKey(b.at(i));
        if (ka != kb)
            return ka < kb;
    }
    return a.size() < b.size();
}

QString bidLine(const BidRow& row)
{
    return row.lot + QLatin1Char(',') + row.price + QLatin1Char(',') + row.name;
}

bool bidLineWritten(const BidRow& row)
{
    return bidLine(row).size() > 3;
}

QStringList buildBidsLines(const QList<BidRow>& rows, bool autoSort)
{
    QStringList lines;
    for (const BidRow& row : rows)
        if (bidLineWritten(row))
            lines.append(bidLine(row));
    if (autoSort)
        std::stable_sort(lines.begin(), lines.end(), bidLineLess);
    return lines;
}
