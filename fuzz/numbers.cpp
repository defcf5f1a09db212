// Number reading and writing, and the phone number split.
// - ParseLong against its rules: "true"/"false" in any case, commas dropped, blanks trimmed, the
//   leading run of digits, signs and points read as a decimal number, halves to even, 0 outside the
//   32-bit range.
// - FormatThousands of a whole number: digits in groups of three, read back by ParseLong.
// - SplitPhoneNumber against its steps.
#include "fuzz_support.h"
#include "startup/utilities.h"
#include "startup/parse.h"
#include "startup/phone.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace {

using namespace sumbrel;

int32_t ParseLongRef(const QString& value)
{
    if (value.toLower() == u"true")
        return -1;
    if (value.toLower() == u"false")
        return 0;
    QString text = value;
    text.remove(u',');
    text = text.trimmed();
    // The leading run of digits, signs and points.
    qsizetype run = 0;
    while (run < text.size() && ((text[run] >= u'0' && text[run] <= u'9') || text[run] == u'+' || text[run] == u'-' || text[run] == u'.'))
        ++run;
    const QString r = text.left(run);
    // Sign, digits, point, digits; reading stops where the run stops being a number.
    qsizetype i = 0;
    std::string number;
    if (i < r.size() && (r[i] == u'+' || r[i] == u'-'))
        number += char(r[i++].unicode());
    const qsizetype digitsFrom = i;
    while (i < r.size() && r[i] >= u'0' && r[i] <= u'9')
        number += char(r[i++].unicode());
    bool any = i > digitsFrom;
    if (i < r.size() && r[i] == u'.') {
        number += '.';
        ++i;
        const qsizetype fractionFrom = i;
        while (i < r.size() && r[i] >= u'0' && r[i] <= u'9')
            number += char(r[i++].unicode());
        any = any || i > fractionFrom;
    }
    if (!any)
        return 0;
    const double x = std::strtod(number.c_str(), nullptr);
    double whole = std::floor(x);
    const double rest = x - whole;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(whole, 2.0) != 0.0))
        whole += 1.0;
    if (whole < -2147483648.0 || whole > 2147483647.0)
        return 0;
    return int32_t(whole);
}

QString Grouped(int64_t value)
{
    const std::string digits = std::to_string(value < 0 ? -(value + 1) + 1ull : uint64_t(value));
    std::string out;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += ',';
        out += digits[i];
    }
    return QString::fromStdString((value < 0 ? "-" : "") + out);
}

struct Split {
    int kind = 0;
    QString first, middle, last;
    bool operator==(const Split&) const = default;
};

Split SplitRef(const QString& number)
{
    Split out;
    QString s = number.trimmed();
    s.remove(u'-');
    s.remove(u')');
    const qsizetype n = s.size();
    if (n <= 6)
        return out;
    if (n == 7 || n == 8)
        return {1, QString(), s.left(n - 4), s.right(4)};
    if (s.startsWith(QStringLiteral("02")) && n <= 10)
        return {1, QStringLiteral("02"), s.mid(2, n - 6), s.right(4)};
    if (n < 10 || n > 12 || !IsNumericText(s))
        return out;
    out.first = s.left(n == 12 ? 4 : 3);
    out.last = s.right(4);
    out.middle = s.mid(out.first.size(), n - out.first.size() - 4);
    static const QStringList mobile{QStringLiteral("010"), QStringLiteral("011"), QStringLiteral("016"),
                                    QStringLiteral("017"), QStringLiteral("018"), QStringLiteral("019")};
    out.kind = mobile.contains(out.first) ? 2 : 1;
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = fuzz::Text(data, size);
    FUZZ_CHECK(ParseLong(text) == ParseLongRef(text),
               QStringLiteral("%1: got %2, want %3").arg(fuzz::Show(text)).arg(ParseLong(text)).arg(ParseLongRef(text)));

    if (size >= 8) {
        int64_t value;
        memcpy(&value, data, sizeof value);
        const QString grouped = FormatThousands(value);
        if (value > -9'000'000'000'000'000 && value < 9'000'000'000'000'000)
            FUZZ_CHECK(grouped == Grouped(value), QStringLiteral("%1: %2").arg(value).arg(grouped));
        // A text is read as a floating-point number, exact up to 2^53.
        if (value > -(int64_t(1) << 53) && value < (int64_t(1) << 53))
            FUZZ_CHECK(FormatThousands(QString::number(value)) == grouped, QString::number(value));
        const int32_t small = int32_t(value);
        FUZZ_CHECK(ParseLong(FormatThousands(small)) == small, QString::number(small));
    }

    Split got;
    got.kind = SplitPhoneNumber(text, got.first, got.middle, got.last);
    const Split want = SplitRef(text);
    FUZZ_CHECK(got == want, QStringLiteral("%1: got %2 %3|%4|%5, want %6 %7|%8|%9")
                                .arg(fuzz::Show(text))
                                .arg(got.kind)
                                .arg(got.first, got.middle, got.last)
                                .arg(want.kind)
                                .arg(want.first, want.middle, want.last));
    return 0;
}
