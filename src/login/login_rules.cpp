#include "login/login_rules.h"

namespace sumbrel {

QString CollapseDoubledBreaks(QString answer)
{
    for (int round = 0; round < 11; ++round) {
        answer.replace(QStringLiteral("\r\r"), QStringLiteral("\r"));
        answer.replace(QStringLiteral("\n\n"), QStringLiteral("\n"));
    }
    return answer;
}

bool IsLoginSuccess(const QString& answer)
{
    return answer.contains(QStringLiteral("성공"));
}

QString BuildStoredLogin(bool remember, bool autoLogin, const QString& id, const QString& password,
                         const QString& separator)
{
    auto flag = [](bool on) { return on ? QStringLiteral("True") : QStringLiteral("False"); };
    QString value = flag(remember) + separator + flag(autoLogin) + separator;
    if (remember)
        value += id + separator + password;
    else
        value += separator;  // no ID, and never the password, when nothing is to be remembered
    return value;
}

}  // namespace sumbrel
