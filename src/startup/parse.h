#pragma once
// Lenient readers for values from files, screens and the web service.
#include <QString>
#include <cstdint>

namespace sumbrel {

int32_t ParseLong(const QString& value);
int32_t ParseLong(double value);
int32_t ParseLong(bool value);
inline int32_t ParseLong(const char16_t* value)
{
    return ParseLong(QString::fromUtf16(value));
}

bool ParseBool(const QString& value);
bool ParseBool(bool value);

// True for empty text or a number (sign, digits, one decimal point, optional exponent).
bool IsNumericText(const QString& value);

}  // namespace sumbrel
