#include "menu/order_text.h"

#include "menu/cart.h"

#include <QStringList>
#include <cmath>

namespace sumbrel {

namespace {
const QString kCrLf = QStringLiteral("\r\n");
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

QString XML_Order(const QString& cart)
{
    QString result;
    for (const QString& line : cart::SplitLines(cart)) {
        result += QStringLiteral("<menuliner>") + kCrLf;
        const QStringList parts = line.split(cart::kPartMark);
        for (qsizetype p = 0; p < parts.size(); ++p) {
            const QStringList f = parts[p].split(cart::kFieldMark);
            if (p == 0) {
                if (f.size() < cart::kMainFields)
                    return QString();
                result += QStringLiteral("<mnuname>") + f[cart::kName] + QStringLiteral(" ( x") + f[cart::kUnitCount]
                    + QStringLiteral(" )</mnuname>") + kCrLf;
                result += QStringLiteral("<mnucount>") + f[cart::kQuantity] + QStringLiteral("</mnucount>") + kCrLf;
                result += QStringLiteral("<mnuprice>") + f[cart::kAmount] + QStringLiteral("</mnuprice>") + kCrLf;
                continue;
            }
            result += QStringLiteral("<menubrr>") + kCrLf;
            result += QStringLiteral("<field>") + f[0] + QStringLiteral("</field>") + kCrLf;
            for (qsizetype k = 1; k < f.size(); k += 2) {
                if (k + 1 >= f.size())
                    return QString();  // an option name without its price
                result += QStringLiteral("<submenu>") + f[k] + QStringLiteral("</submenu>") + kCrLf;
                result += QStringLiteral("<subprice>+") + FormatThousands(f[k + 1]) + QStringLiteral("원</subprice>")
                    + kCrLf;
            }
            result += QStringLiteral("</menubrr>") + kCrLf;
        }
        result += QStringLiteral("</menuliner>") + kCrLf;
    }
    return result;
}

}  // namespace sumbrel
