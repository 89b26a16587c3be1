// Plain rules of the auction bids: the amount check, the name proposal, the names check and the file lines.
#pragma once

#include <QList>
#include <QStringList>

struct BidRow {
    QString lot, price, name;
};

// The message for a bid amount that may not be taken, or an empty text.
QString bidAmountProblem(const QString& typed);

// True when the text is a whole number greater than 0 (the amount dialog then starts with it).
bool isPositiveWholeNumber(const QString& text);

// The name proposed for bid row `row` (0-based): its own name, else the name of the first row of the same,
// non-empty lot that has one, else "AuctPlayer" and the row's number counted from 1.
QString proposeBidName(const QList<BidRow>& rows, int row);

// True when two rows hold names equal ignoring case (empty names included) under different lots.
bool hasNonUniqueNames(const QList<BidRow>& rows);

// A row's line in the bids file: its three cells joined by commas, as they stand.
QString bidLine(const BidRow& row);
// Whether the bids file keeps a row: only a line longer than 3 characters is written.
bool bidLineWritten(const BidRow& row);

// The lines of the bids file: every row whose line is longer than 3 characters, sorted when asked.
QStringList buildBidsLines(const QList<BidRow>& rows, bool autoSort);

// The text order of the bids file: ignoring case, the comma before digits before letters.
bool bidLineLess(const QString& a, const QString& b);
