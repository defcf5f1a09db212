#include "login/login_rules.h"

#include "startup/ini.h"

#include <QStringList>

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

namespace {

QStringList hostsOf(const QString& remembered)
{
    QStringList hosts;
    for (const QString& part : remembered.split(u',')) {
        const QString host = part.trimmed().toLower();
        if (!host.isEmpty() && !hosts.contains(host))
            hosts.append(host);
    }
    return hosts;
}

}  // namespace

bool HostSpokeHttps(const QString& remembered, const QString& host)
{
    const QString wanted = host.trimmed().toLower();
    return !wanted.isEmpty() && hostsOf(remembered).contains(wanted);
}

QString RememberHttpsHost(const QString& remembered, const QString& host)
{
    const QString added = host.trimmed().toLower();
    QStringList hosts = hostsOf(remembered);
    if (added.isEmpty() || added.contains(u',') || added.toUtf8().size() > kIniValueBytes)
        return hosts.join(u',');
    hosts.removeAll(added);
    hosts.prepend(added);
    // A longer value would be cut when it is read back, and with it the oldest host.
    while (hosts.join(u',').toUtf8().size() > kIniValueBytes)
        hosts.removeLast();
    return hosts.join(u',');
}

}  // namespace sumbrel
