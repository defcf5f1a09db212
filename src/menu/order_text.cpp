#include "menu/order_text.h"

#include "menu/cart.h"
#include "startup/utilities.h"

#include <QStringList>

namespace sumbrel {

namespace {
const QString kCrLf = QStringLiteral("\r\n");
}  // namespace

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
