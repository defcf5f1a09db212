#pragma once
// The login's rules that need no screen: the answer's clean-up, success test and stored options.
#include <QString>

namespace sumbrel {

// Eleven rounds of CR CR -> CR, then LF LF -> LF.
QString CollapseDoubledBreaks(QString answer);
// An answer is a success when it carries "성공" anywhere.
bool IsLoginSuccess(const QString& answer);
// "True"/"False" ◈ "True"/"False" ◈ ID ◈ PW; ID and password stay empty when they are not remembered,
// so the value always has the four fields the reading side accepts.
QString BuildStoredLogin(bool remember, bool autoLogin, const QString& id, const QString& password,
                         const QString& separator);

// The hosts that have answered a login over https, as the configuration keeps them: joined by ",",
// newest first, no more than one configuration value holds. Hosts compare without regard to case.
bool HostSpokeHttps(const QString& remembered, const QString& host);
// The list with the host added in front (once); the oldest hosts give way when it grows too long.
QString RememberHttpsHost(const QString& remembered, const QString& host);

}  // namespace sumbrel
