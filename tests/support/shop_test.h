#pragma once
// SumbrelTest with a demo shop of its own and the terminal logged in to it over http.
#include "support/demo_shop.h"
#include "support/shop_login.h"
#include "support/sumbrel_test.h"

#include <QStringList>
#include <memory>

namespace sumbrel::testing {

class ShopTest : public SumbrelTest {
protected:
    // Extra command-line arguments of the shop.
    virtual QStringList shopArgs() const { return {}; }

    void SetUp() override
    {
        SumbrelTest::SetUp();
        shop = std::make_unique<DemoShop>(shopArgs());
        session = LogInTo(*shop);
    }
    void TearDown() override
    {
        shop.reset();
        SumbrelTest::TearDown();
    }

    std::unique_ptr<DemoShop> shop;
    Session session;
};

}  // namespace sumbrel::testing
