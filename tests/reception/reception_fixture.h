#pragma once
// A reception screen against its own demo shop, in its own program folder, with fast timers. The
// menu page is stood in for by an answer to the screen's menuRequested, which sets the cart as the
// page would.
#include "presentation/caption_key.h"
#include "reception/ui/reception_screen.h"
#include "support/demo_shop.h"
#include "support/orders.h"
#include "support/screen_widgets.h"
#include "support/shop_login.h"
#include "support/sumbrel_test.h"

#include <QFrame>
#include <QJsonObject>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace sumbrel::testing {

using namespace sumbrel::reception;

inline const order::Order kCart = order::Of(
    {order::Line(QStringLiteral("아메리카노"), 3000, 2, {{u"사이즈", u"라지", 500}})});
inline const QString kOrderPath = QStringLiteral("/program/TOorderProgram2.php");

class ReceptionTest : public SumbrelTest {
protected:
    void SetUp() override
    {
        SumbrelTest::SetUp();
        session = LogInTo(shop);
        session.shopName = QStringLiteral("오르빅 커피 본점");
        // One attempt: a fault of count 1 is a failed submission, not a retried one.
        setHttpLimits({2000, 2000, 1});
    }
    void TearDown() override
    {
        screen.reset();
        SumbrelTest::TearDown();
    }

    // The screen with these settings; the menu page "confirms" the order unless told otherwise.
    ReceptionScreen& open(const QMap<QString, QString>& settings = {})
    {
        QMap<QString, QString> values = settings;
        values.insert(QStringLiteral("reset"), QStringLiteral("1"));
        shop.setSettings(values);
        screen = std::make_unique<ReceptionScreen>(session);
        QObject::connect(screen.get(), &ReceptionScreen::menuRequested, screen.get(),
                         [this](const cart::OrderCart& order) {
                             ++menuOpened;
                             cart::OrderCart result = order;
                             if (menuPage) {
                                 menuPage(result);
                             } else if (confirmMenu) {
                                 result.order = cart;
                                 result.selectionConfirmed = true;
                             }
                             screen->menuClosed(result);
                         });
        settled(*screen);
        return *screen;
    }
    // Once the settings' load and an order under way have answered.
    static void settled(ReceptionScreen& s)
    {
        ASSERT_TRUE(QTest::qWaitFor([&] { return !s.settingsLoading() && !s.sending(); }, 20000));
    }
    static QMap<QString, QString> Settings(const QString& car, const QString& pay,
                                           const QString& where = QStringLiteral("Y"))
    {
        return {{QStringLiteral("TakeOutCarYN"), car},
                {QStringLiteral("TOPayTypeS"), pay},
                {QStringLiteral("TOWhereYN"), where}};
    }

    void typePhone(const QString& digits)
    {
        for (QChar c : digits)
            KeyOf(*screen, DigitKey<PhoneKey>(c.digitValue()))->touch();
    }
    void typeCar(const QString& digits)
    {
        for (QChar c : digits)
            KeyOf(*screen, DigitKey<CarKey>(c.digitValue()))->touch();
    }
    // Empties the phone number (the preset "010" too) and types the whole number.
    void enterPhone(const QString& digits)
    {
        while (!screen->path().phoneDigits().isEmpty())
            KeyOf(*screen, PhoneKey::Delete)->touch();
        typePhone(digits);
    }
    // One waiting-status poll, through to its answer on the labels.
    void poll(ReceptionScreen& s)
    {
        ASSERT_TRUE(s.pollWaitingStatus());
        ASSERT_TRUE(QTest::qWaitFor([&] { return !s.polling(); }, 10000));
    }
    QString phoneTag() const { return PhoneNumberLabel(*screen, 0)->property("tag").toString(); }
    static QString caption(QLabel* label) { return label->property("caption").toString(); }

    DemoShop shop;
    Session session;
    std::unique_ptr<ReceptionScreen> screen;
    order::Order cart = kCart;
    bool confirmMenu = true;
    // When set, the stand-in page does this instead.
    std::function<void(cart::OrderCart&)> menuPage;
    int menuOpened = 0;
};

}  // namespace sumbrel::testing
