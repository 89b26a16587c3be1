// Reading whole numbers the way the league's files write them.
#pragma once

#include <QString>
#include <optional>

// Optional leading blanks, an optional sign, then decimal digits only, within the 32-bit range.
std::optional<int> parseWholeNumber(QStringView text);

// As parseWholeNumber, but throws ConvertError naming the text.
int toWholeNumber(const QString& text);
