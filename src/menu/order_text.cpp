#include "menu/order_text.h"

#include "menu/cart.h"

#include <QStringList>
#include <cmath>

namespace sumbrel {

namespace {
const QString kCrLf = QStringLiteral("\r\n");
}

QString FormatThousands(const QString& value)
{
    bool ok = false;
    const double number = value.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(number) || std::fabs(number) > 9.0e15)
        return value;
    // Halves away from zero, as the "#,##0" format does.
    const long long whole = std::llround(number);
    QString digits = QString::number(whole < 0 ? -whole : whole);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, u',');
    return whole < 0 ? u'-' + digits : digits;
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
