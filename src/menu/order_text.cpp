#include "menu/order_text.h"

#include <QStringList>
#include <cmath>
#include <optional>

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
    if (cart.isEmpty())
        return QString();
    const QString lineMark = QStringLiteral("◈◈◈");
    const QString partMark = QStringLiteral("◈◈");
    const QString fieldMark = QStringLiteral("◈");
    QString result;
    for (const QString& line : cart.split(lineMark)) {
        result += QStringLiteral("<menuliner>") + kCrLf;
        const QStringList parts = line.split(partMark);
        for (qsizetype p = 0; p < parts.size(); ++p) {
            const QStringList f = parts[p].split(fieldMark);
            if (p == 0) {
                if (f.size() < 5)
                    return QString();
                result += QStringLiteral("<mnuname>") + f[0] + QStringLiteral(" ( x") + f[1]
                    + QStringLiteral(" )</mnuname>") + kCrLf;
                result += QStringLiteral("<mnucount>") + f[2] + QStringLiteral("</mnucount>") + kCrLf;
                result += QStringLiteral("<mnuprice>") + f[4] + QStringLiteral("</mnuprice>") + kCrLf;
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
