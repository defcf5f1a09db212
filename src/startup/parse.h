#pragma once
// Lenient readers for values from files, screens and the web service.
#include <QString>
#include <cstdint>
#include <optional>

namespace sumbrel {

int32_t ParseLong(const QString& value);
int32_t ParseLong(double value);
int32_t ParseLong(bool value);
inline int32_t ParseLong(const char16_t* value)
{
    return ParseLong(QString::fromUtf16(value));
}

// ParseLong's reading for amounts (prices, line amounts, totals): 64-bit, since a line of 2^31 won
// or more must still count; a number beyond the 64-bit range gives 0.
int64_t ParseAmount(const QString& value);
// Sums and products of amounts by the same rule: a result beyond the 64-bit range gives 0.
int64_t AddAmounts(int64_t a, int64_t b);
int64_t MultiplyAmounts(int64_t a, int64_t b);

// A price the terminal may offer: digits only, with blanks around and thousands commas that group
// three digits ("3,500") allowed, at most kPriceDigits digits. nullopt for anything else: empty
// text, a sign, a decimal point, letters, misplaced commas.
std::optional<int64_t> ReadPrice(const QString& value);
// Up to 999,999,999,999 won: a line of 99 with every option stays far inside 64 bits.
inline constexpr int kPriceDigits = 12;

bool ParseBool(const QString& value);
bool ParseBool(bool value);

// True for empty text or a number (sign, digits, one decimal point, optional exponent).
bool IsNumericText(const QString& value);

}  // namespace sumbrel
