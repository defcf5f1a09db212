#pragma once
// What the fuzz targets share: the input as text, a check that stops the run with what it saw, and
// a program folder that takes no log files (a file per input would slow a run to a crawl).
#include "startup/global_state.h"

#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace sumbrel::fuzz {

inline QString Text(const uint8_t* data, size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
}

[[noreturn]] inline void Fail(const char* what, const QString& detail)
{
    std::fprintf(stderr, "\nPROPERTY FAILED: %s\n%s\n", what, detail.toUtf8().constData());
    std::fflush(stderr);
    std::abort();
}

inline void NoLogFiles()
{
    SetProgramFolder(QStringLiteral("/nonexistent/sumbrel-fuzz"));
}

// Readable form of a text for the failure report: the marks stay, control characters show as \xNN.
inline QString Show(const QString& text)
{
    QString out;
    for (QChar c : text)
        out += c.unicode() < 0x20 ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0')) : QString(c);
    return out;
}

}  // namespace sumbrel::fuzz

#define FUZZ_CHECK(condition, detail) \
    do { \
        if (!(condition)) \
            ::sumbrel::fuzz::Fail(#condition, (detail)); \
    } while (false)
