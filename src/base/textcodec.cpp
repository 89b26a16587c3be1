#include "textcodec.h"

#include <array>

namespace {
// Code points of the bytes 0x80..0x9F; the undefined bytes map to themselves.
constexpr std::array<char16_t, 32> kHigh = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                            0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::optional<char> encodeChar(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == c)
            return char(0x80 + i);
    return std::nullopt;
}
} // namespace

QString decode8Bit(const QByteArray& bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* d = out.data();
    for (const char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        *d++ = QChar(u >= 0x80 && u < 0xA0 ? kHigh[u - 0x80] : char16_t(u));
    }
    return out;
}

std::optional<QByteArray> encode8Bit(const QString& text, QChar* bad)
{
    QByteArray out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const auto b = encodeChar(c.unicode());
        if (!b) {
            if (bad)
                *bad = c;
            return std::nullopt;
        }
        out.append(*b);
    }
    return out;
}
