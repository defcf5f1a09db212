#include "startup/parse.h"

#include <cmath>
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
