#pragma once
// How the phone number 010-1234-5678(9) shows after its first n digits (n = 0 to 12): the fifth
// and sixth digits masked, the hyphens after the third and seventh.
#include <QString>
#include <QStringList>

namespace sumbrel::testing {

inline const QString kPhoneDigits = QStringLiteral("010123456789");
inline const QStringList kMaskedPhone = {
    QString(),
    QStringLiteral("0"),
    QStringLiteral("01"),
    QStringLiteral("010"),
    QStringLiteral("010-1"),
    QStringLiteral("010-1*"),
    QStringLiteral("010-1**"),
    QStringLiteral("010-1**4"),
    QStringLiteral("010-1**4-5"),
    QStringLiteral("010-1**4-56"),
    QStringLiteral("010-1**4-567"),
    QStringLiteral("010-1**4-5678"),
    QStringLiteral("010-1**4-56789"),
};

}  // namespace sumbrel::testing
