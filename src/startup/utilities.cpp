#include "startup/utilities.h"

#include <cmath>

namespace sumbrel {

namespace {
// Beyond any price: such a number stays as plain digits.
constexpr int64_t kLargestFormatted = 9'000'000'000'000'000;
}  // namespace

QString FormatThousands(int64_t value)
{
    if (value > kLargestFormatted || value < -kLargestFormatted)
        return QString::number(value);
    QString digits = QString::number(value < 0 ? -value : value);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, u',');
    return value < 0 ? u'-' + digits : digits;
}

QString FormatThousands(const QString& value)
{
    bool ok = false;
    const double number = value.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(number) || std::fabs(number) > double(kLargestFormatted))
        return value;
    // Halves away from zero, as the "#,##0" format does.
    return FormatThousands(int64_t(std::llround(number)));
}

}  // namespace sumbrel
