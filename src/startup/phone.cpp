#include "startup/phone.h"

#include "startup/parse.h"

#include <QStringList>

namespace sumbrel {

int SplitPhoneNumber(const QString& number, QString& first, QString& middle, QString& last)
{
    first.clear();
    middle.clear();
    last.clear();
    QString s = number.trimmed();
    s.remove(u'-');
    s.remove(u')');
    const qsizetype n = s.size();
    if (n <= 6)
        return kNotANumber;
    if (n == 7 || n == 8) {
        middle = s.left(n - 4);
        last = s.right(4);
        return kOtherNumber;
    }
    if (s.startsWith(QStringLiteral("02")) && n <= 10) {
        first = QStringLiteral("02");
        last = s.right(4);
        middle = s.mid(2, n - 6);
        return kOtherNumber;
    }
    if (n < 10 || n > 12 || !IsNumericText(s))
        return kNotANumber;
    const qsizetype head = n == 12 ? 4 : 3;
    first = s.left(head);
    last = s.right(4);
    middle = s.mid(head, n - head - 4);
    static const QStringList mobile{QStringLiteral("010"), QStringLiteral("011"), QStringLiteral("016"),
                                    QStringLiteral("017"), QStringLiteral("018"), QStringLiteral("019")};
    return mobile.contains(first) ? kMobileNumber : kOtherNumber;
}

}  // namespace sumbrel
