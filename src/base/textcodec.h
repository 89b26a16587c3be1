// The 8-bit code page of the league's files: Windows-1252, with the five bytes it leaves undefined mapped to
// the same code point, so every byte of a roster comes back out unchanged.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

QString decode8Bit(const QByteArray& bytes);

// The bytes of text, or nullopt with the first character that the code page cannot hold in *bad.
std::optional<QByteArray> encode8Bit(const QString& text, QChar* bad = nullptr);
