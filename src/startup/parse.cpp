#include "startup/parse.h"

#include <QStringList>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace sumbrel {

namespace {

bool isRunChar(QChar c)
{
    return (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'.';
}

// Reads sign, digits, point, digits from the run; stops where it stops being a number.
double readDecimal(const QString& run)
{
    std::string text;
    int i = 0;
    const int n = int(run.size());
    if (i < n && (run[i] == u'+' || run[i] == u'-'))
        text += char(run[i++].unicode());
    bool digits = false;
    while (i < n && run[i] >= u'0' && run[i] <= u'9') {
        text += char(run[i++].unicode());
        digits = true;
    }
    if (i < n && run[i] == u'.') {
        ++i;
        std::string frac;
        while (i < n && run[i] >= u'0' && run[i] <= u'9')
            frac += char(run[i++].unicode());
        if (!frac.empty()) {
            text += '.';
            text += frac;
            digits = true;
        }
    }
    if (!digits)
        return 0.0;
    return std::strtod(text.c_str(), nullptr);
}

// Plain digits (no sign, blank or comma), at most maxDigits of them, read without the general path's
// copies: most values in an answer are such.
bool PlainDigits(const QString& value, qsizetype maxDigits, int64_t& out)
{
    const qsizetype n = value.size();
    if (n == 0 || n > maxDigits)
        return false;
    int64_t v = 0;
    for (const QChar c : value) {
        if (c < u'0' || c > u'9')
            return false;
        v = v * 10 + (c.unicode() - u'0');
    }
    out = v;
    return true;
}

}  // namespace

int32_t ParseLong(double value)
{
    if (!std::isfinite(value))
        return 0;
    // Halves go to the even neighbour.
    const double r = std::nearbyint(value);
    if (r < double(std::numeric_limits<int32_t>::min()) || r > double(std::numeric_limits<int32_t>::max()))
        return 0;
    return int32_t(r);
}

int32_t ParseLong(bool value)
{
    return value ? -1 : 0;
}

int32_t ParseLong(const QString& value)
{
    if (int64_t plain = 0; PlainDigits(value, 9, plain))
        return int32_t(plain);
    const QString lower = value.toLower();
    if (lower == u"true")
        return -1;
    if (lower == u"false")
        return 0;
    QString text = value;
    text.remove(u',');
    text = text.trimmed();
    int end = 0;
    while (end < text.size() && isRunChar(text[end]))
        ++end;
    return ParseLong(readDecimal(text.left(end)));
}

int64_t ParseAmount(const QString& value)
{
    if (int64_t plain = 0; PlainDigits(value, 18, plain))
        return plain;
    const QString lower = value.toLower();
    if (lower == u"true")
        return -1;
    if (lower == u"false")
        return 0;
    QString text = value;
    text.remove(u',');
    text = text.trimmed();
    const qsizetype n = text.size();
    qsizetype i = 0;
    const bool negative = i < n && text[i] == u'-';
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    // Whole digits exactly (a double would lose them above 2^53), then the fraction for rounding.
    uint64_t whole = 0;
    bool digits = false;
    for (; i < n && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        const int d = text[i].unicode() - u'0';
        if (whole > (uint64_t(INT64_MAX) - uint64_t(d)) / 10)
            return 0;
        whole = whole * 10 + uint64_t(d);
        digits = true;
    }
    int firstFraction = -1;
    bool restNonZero = false;
    if (i < n && text[i] == u'.') {
        for (++i; i < n && text[i] >= u'0' && text[i] <= u'9'; ++i) {
            const int d = text[i].unicode() - u'0';
            if (firstFraction < 0)
                firstFraction = d;
            else
                restNonZero = restNonZero || d != 0;
            digits = true;
        }
    }
    if (!digits)
        return 0;
    // Halves to the even neighbour, as ParseLong.
    if (firstFraction > 5 || (firstFraction == 5 && (restNonZero || whole % 2 == 1))) {
        if (whole == uint64_t(INT64_MAX))
            return 0;
        ++whole;
    }
    return negative ? -int64_t(whole) : int64_t(whole);
}

int64_t AddAmounts(int64_t a, int64_t b)
{
    int64_t sum = 0;
    return __builtin_add_overflow(a, b, &sum) ? 0 : sum;
}

int64_t MultiplyAmounts(int64_t a, int64_t b)
{
    int64_t product = 0;
    return __builtin_mul_overflow(a, b, &product) ? 0 : product;
}

std::optional<int64_t> ReadPrice(const QString& value)
{
    const QString text = value.trimmed();
    const QStringList groups = text.split(u',');
    QString digits;
    for (qsizetype g = 0; g < groups.size(); ++g) {
        const QString& group = groups[g];
        const bool sized = g == 0 ? !group.isEmpty() && (groups.size() == 1 || group.size() <= 3) : group.size() == 3;
        if (!sized)
            return std::nullopt;
        for (QChar c : group) {
            if (c < u'0' || c > u'9')
                return std::nullopt;
        }
        digits += group;
    }
    if (digits.size() > kPriceDigits)
        return std::nullopt;
    return digits.toLongLong();
}

bool ParseBool(bool value)
{
    return value;
}

bool ParseBool(const QString& value)
{
    const QString lower = value.toLower();
    if (lower == u"true" || lower == u"yes" || lower == u"t" || lower == u"y")
        return true;
    return ParseLong(value) != 0;
}

bool IsNumericText(const QString& value)
{
    const QString t = value.trimmed();
    if (value.isEmpty())
        return true;
    if (t.isEmpty())
        return false;
    int i = 0;
    const int n = int(t.size());
    if (t[i] == u'+' || t[i] == u'-')
        ++i;
    bool digits = false;
    while (i < n && t[i] >= u'0' && t[i] <= u'9') {
        ++i;
        digits = true;
    }
    if (i < n && t[i] == u'.') {
        ++i;
        while (i < n && t[i] >= u'0' && t[i] <= u'9') {
            ++i;
            digits = true;
        }
    }
    if (!digits)
        return false;
    if (i < n && (t[i] == u'e' || t[i] == u'E')) {
        ++i;
        if (i < n && (t[i] == u'+' || t[i] == u'-'))
            ++i;
        bool exp = false;
        while (i < n && t[i] >= u'0' && t[i] <= u'9') {
            ++i;
            exp = true;
        }
        if (!exp)
            return false;
    }
    return i == n;
}

}  // namespace sumbrel
