#pragma once
// ShopTest as before the login: the shop's host is known, no session yet.
#include "startup/global_state.h"
#include "support/shop_test.h"

namespace sumbrel::testing {

class LoginTest : public ShopTest {
protected:
    void SetUp() override
    {
        ShopTest::SetUp();
        session = Session{};
    }
    // The login requests that reached the shop.
    int loginRequests() const { return shop->requestCount(QStringLiteral("/program/logins.php")); }
};

}  // namespace sumbrel::testing
