#pragma once
// ShopTest as before the login: the shop's host is known, no session yet.
// The catalogue a test loads is dropped after it.
#include "catalogue/category_table.h"
#include "catalogue/menu_catalogue.h"
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
    void TearDown() override
    {
        menuCatalogue().clear();
        categoryTable().clear();
        ShopTest::TearDown();
    }
    // The login requests that reached the shop.
    int loginRequests() const { return shop->requestCount(QStringLiteral("/program/logins.php")); }
};

}  // namespace sumbrel::testing
