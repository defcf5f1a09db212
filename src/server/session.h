#pragma once
// What a login to the shop gives: where the service answers, the account and the shop. Fixed once the
// login succeeds; the application object owns it, screens get a copy, and work on another thread a
// copy of its own.
#include <QString>

namespace sumbrel {

struct Session {
    QString serviceBaseUrl;
    QString loginId;
    QString loginPassword;
    QString shopNumber;
    QString shopName;
};

}  // namespace sumbrel
