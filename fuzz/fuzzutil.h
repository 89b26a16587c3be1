// Shared pieces of the fuzz targets.
#pragma once

#include "base/textcodec.h"

#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

inline QString textOf(const uint8_t* data, size_t size)
{
    return decode8Bit(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
}

inline QByteArray bytesOf(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// Stops the run with a finding: a broken rule is as much a fault as a crash.
#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "rule broken: %s (%s:%d)\n", #condition, __FILE__, __LINE__);                         \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (0)
