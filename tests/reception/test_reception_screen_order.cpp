// The order on the reception screen: the list beside the entry panels, what reaches the shop, the
// submission's guards, and what a screen reader finds.
#include "reception/reception_fixture.h"
#include "reception/reception_service.h"

#include <QAccessible>
#include <QMouseEvent>

using namespace sumbrel;
using namespace sumbrel::testing;

namespace {

const order::OrderLine kAmericano = order::Line(QStringLiteral("아메리카노"), 3000, 2, {{u"사이즈", u"라지", 500}});
const order::OrderLine kBagel = order::Line(QStringLiteral("치즈 베이글"), 4500);
const order::Order kTwoItems = order::Of({kAmericano, kBagel});

void Tap(QWidget* w, QPoint at = QPoint(-1, -1))
{
    if (at.x() < 0)
        at = w->rect().center();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QCoreApplication::postEvent(w,
                                    new QMouseEvent(type, at, w->mapToGlobal(at), Qt::LeftButton,
                                                    type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                                    Qt::NoModifier));
    }
}

}  // namespace

TEST_F(ReceptionTest, TwoItemsReachTheShopOnceWhicheverPanelsTheShopAsksFor)
{
    struct Case {
        const char16_t* car;
        const char16_t* pay;
        PanelKey dining, payKey;
        const char16_t* phone;
        QString where, payType, taxi;
    };
    const Case cases[] = {
        {u"Y", u"Y", PanelKey::EatIn, PanelKey::Card, u"11112222", QStringLiteral("매장식사"), QStringLiteral("1"),
         QStringLiteral("4321")},
        {u"Y", u"N", PanelKey::Takeout, PanelKey::Cash, u"33334444", QStringLiteral("포장"), QStringLiteral("0"),
         QStringLiteral("4321")},
        {u"N", u"Y", PanelKey::Takeout, PanelKey::Card, u"55556666", QStringLiteral("포장"), QStringLiteral("1"), QString()},
        {u"N", u"N", PanelKey::EatIn, PanelKey::Cash, u"77778888", QStringLiteral("매장식사"), QStringLiteral("0"), QString()},
    };
    cart = kTwoItems;
    int stored = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE((QString::fromUtf16(c.car) + u'/' + QString::fromUtf16(c.pay)).toStdString());
        ReceptionScreen& s = open(Settings(QString::fromUtf16(c.car), QString::fromUtf16(c.pay)));
        KeyOf(s, c.dining)->touch();
        ASSERT_EQ(s.path().currentPanel(), kPhonePanel);
        // The customer takes a second bagel on the order list: the shop gets what the list shows.
        RowQuantityUp(s, 1)->touch();
        const order::Order shown = order::Of({kAmericano, order::Line(QStringLiteral("치즈 베이글"), 4500, 2)});
        ASSERT_EQ(screen->cart().order, shown);
        EXPECT_EQ(OrderAmountLabel(s)->text(), QStringLiteral("15,000원"));
        typePhone(QString::fromUtf16(c.phone));
        KeyOf(s, PhoneKey::Next)->touch();
        settled(s);
        if (s.path().currentPanel() == kCarPanel) {
            typeCar(QStringLiteral("4321"));
            KeyOf(s, CarKey::Next)->touch();
            settled(s);
        }
        if (s.path().currentPanel() == kPaymentPanel)
            KeyOf(s, c.payKey)->touch();
        settled(s);
        ASSERT_EQ(s.path().currentPanel(), kCompletionPanel);
        EXPECT_EQ(caption(CompletionTitle(s)), QStringLiteral("접수 완료"));
        settled(*screen);
        const QJsonArray orders = shop.orders();
        ASSERT_EQ(orders.size(), ++stored);
        const QJsonObject o = orders.last().toObject();
        EXPECT_EQ(o[QStringLiteral("phone")].toString(), QStringLiteral("010") + QString::fromUtf16(c.phone));
        EXPECT_EQ(o[QStringLiteral("where")].toString(), c.where);
        EXPECT_EQ(o[QStringLiteral("pay")].toString(), c.payType);
        EXPECT_EQ(o[QStringLiteral("taxi")].toString(), c.taxi);
        EXPECT_EQ(o[QStringLiteral("memo")].toString(), QStringLiteral("현장접수"));
        EXPECT_EQ(o[QStringLiteral("menu")].toString(), reception::OrderText(shown));
    }
}

TEST_F(ReceptionTest, OrderListShowsTheOrderAndItsKeysEditIt)
{
    cart = kTwoItems;
    ReceptionScreen& s = open();
    KeyOf(s, PanelKey::Takeout)->touch();
    ASSERT_TRUE(OrderPanel(s)->isVisibleTo(&s));
    EXPECT_EQ(OrderListClip(s)->geometry(), QRect(0, 0, 469, 531));
    EXPECT_EQ(OrderListArea(s)->parentWidget(), OrderListClip(s));
    EXPECT_EQ(OrderAmountLabel(s)->text(), QStringLiteral("10,500원"));
    for (int row : {0, 1}) {
        const RowPlace& place = s.orderList().layout().rows.at(row);
        EXPECT_EQ(RowFrame(s, row)->geometry(), QRect(255, place.top, 205, 40));
        EXPECT_TRUE(RowFrame(s, row)->isVisibleTo(&s));
    }
    EXPECT_FALSE(RowFrame(s, 2)->isVisibleTo(&s));
    EXPECT_EQ(RowQuantity(s, 0)->text(), QStringLiteral("2"));
    EXPECT_EQ(OrderListArea(s)->height(), s.orderList().height());

    RowQuantityDown(s, 0)->doubleTouch();  // 2 → 1, and no further
    EXPECT_EQ(RowQuantity(s, 0)->text(), QStringLiteral("1"));
    EXPECT_EQ(OrderAmountLabel(s)->text(), QStringLiteral("7,500원"));
    RowRemove(s, 0)->touch();
    EXPECT_EQ(screen->cart().order, order::Of({kBagel}));
    EXPECT_TRUE(RowFrame(s, 0)->isVisibleTo(&s));
    EXPECT_FALSE(RowFrame(s, 1)->isVisibleTo(&s));
    EXPECT_EQ(OrderAmountLabel(s)->text(), QStringLiteral("4,500원"));
    RowRemove(s, 0)->touch();
    EXPECT_FALSE(RowFrame(s, 0)->isVisibleTo(&s));
    EXPECT_EQ(OrderListArea(s)->height(), 20);
    EXPECT_EQ(OrderAmountLabel(s)->text(), QStringLiteral("0원"));
}

TEST_F(ReceptionTest, ATouchOnTheListScrollsItAndDeletingBringsItBack)
{
    cart.clear();
    for (int i = 0; i < 12; ++i)
        cart.add(order::Line(QStringLiteral("라떼"), 4000, 1, {{u"샷", u"추가", 500}}));
    ReceptionScreen& s = open();
    KeyOf(s, PanelKey::Takeout)->touch();
    const int height = OrderListArea(s)->height();
    ASSERT_GT(height, 1000);
    Tap(OrderListArea(s), QPoint(20, 400));  // lower half of the viewport: later lines
    QCoreApplication::processEvents();
    EXPECT_EQ(OrderListArea(s)->y(), -500);
    Tap(OrderListArea(s), QPoint(20, 500 + 100));  // upper half: earlier lines
    QCoreApplication::processEvents();
    EXPECT_EQ(OrderListArea(s)->y(), 0);
    s.scrollOrderList(ScrollDirection::Later);
    s.scrollOrderList(ScrollDirection::Later);
    s.scrollOrderList(ScrollDirection::Later);
    EXPECT_EQ(OrderListArea(s)->y(), 531 - height) << "the list's end stays at the viewport's bottom";
    for (int i = 0; i < 10; ++i)
        RowRemove(s, 0)->touch();
    EXPECT_EQ(OrderListArea(s)->y(), 0);
    EXPECT_LT(OrderListArea(s)->height(), 531);
}

TEST_F(ReceptionTest, AnOrderEmptiedOnTheListIsNotSent)
{
    ReceptionScreen& s = open(Settings(QStringLiteral("N"), QStringLiteral("N")));
    KeyOf(s, PanelKey::Takeout)->touch();
    typePhone(QStringLiteral("12345678"));
    RowRemove(s, 0)->touch();
    ASSERT_TRUE(screen->cart().order.isEmpty());
    shop.clearRequests();
    KeyOf(s, PhoneKey::Next)->touch();
    settled(s);
    EXPECT_EQ(s.path().currentPanel(), kPhonePanel);
    EXPECT_FALSE(EntryPanel(s, kCompletionPanel)->isVisibleTo(&s));
    ASSERT_EQ(dialogs->messages.size(), 1);
    EXPECT_EQ(dialogs->messages[0].text, QStringLiteral("메뉴를 선택하세요!"));
    EXPECT_EQ(dialogs->messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(shop.requestCount(kOrderPath), 0);
    // The menu key brings an order back, and then it goes.
    KeyOf(s, PhoneKey::MenuSelect)->touch();
    KeyOf(s, PhoneKey::Next)->touch();
    settled(s);
    EXPECT_EQ(s.path().currentPanel(), kCompletionPanel);
    settled(*screen);
    EXPECT_EQ(shop.orders().size(), 1);
}

TEST_F(ReceptionTest, TapsDuringASubmissionAreDroppedNotReplayed)
{
    ReceptionScreen& s = open(Settings(QStringLiteral("N"), QStringLiteral("Y")));
    KeyOf(s, PanelKey::Takeout)->touch();
    typePhone(QStringLiteral("24682468"));
    KeyOf(s, PhoneKey::Next)->touch();
    settled(s);
    ASSERT_EQ(s.path().currentPanel(), kPaymentPanel);
    // The shop takes its time: the taps below land while the order is under way.
    shop.addFault(kOrderPath, QStringLiteral("delay"), {{QStringLiteral("delay_ms"), QStringLiteral("300")}});
    KeyOf(s, PanelKey::Card)->touch();
    // "X", then "확인" where it will stand, then a second "카드결제".
    Tap(KeyOf(s, PanelKey::ClosePayment));
    Tap(KeyOf(s, CarKey::Confirm));
    Tap(KeyOf(s, PanelKey::Card));
    QCoreApplication::processEvents();
    EXPECT_TRUE(s.sending()) << "the screen took the taps while the order was under way";
    EXPECT_EQ(s.path().currentPanel(), kCompletionPanel);
    settled(s);
    EXPECT_EQ(shop.requestCount(kOrderPath), 1);
    EXPECT_EQ(s.path().currentPanel(), kCompletionPanel) << "no tap reset the screen";
    EXPECT_TRUE(CountdownTimer(s)->isActive());
    EXPECT_EQ(caption(CountdownLabel(s)), QStringLiteral("10"));
    EXPECT_EQ(phoneTag(), QStringLiteral("01024682468"));
    settled(*screen);
    const QJsonArray orders = shop.orders();
    ASSERT_EQ(orders.size(), 1);
    EXPECT_EQ(orders[0][QStringLiteral("phone")].toString(), QStringLiteral("01024682468"));
    EXPECT_EQ(orders[0][QStringLiteral("menu")].toString(), reception::OrderText(kCart));
    // Once the answer is in, "확인" works again.
    Tap(KeyOf(s, CarKey::Confirm));
    QCoreApplication::processEvents();
    EXPECT_EQ(s.path().currentPanel(), kStartPanel);
}

TEST_F(ReceptionTest, ScreenReadersGetEveryKeyAndEveryShownText)
{
    cart = kTwoItems;
    ReceptionScreen& s = open(Settings(QStringLiteral("Y"), QStringLiteral("Y")));
    KeyOf(s, PanelKey::Takeout)->touch();
    typePhone(QStringLiteral("12345678"));
    int keys = 0;
    for (CaptionKey* key : s.findChildren<CaptionKey*>()) {
        if (key->caption().isEmpty())
            continue;  // the hidden operator areas
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(key);
        ASSERT_NE(a, nullptr);
        SCOPED_TRACE(key->objectName().toStdString());
        EXPECT_EQ(a->role(), key->isCheckable() ? QAccessible::CheckBox : QAccessible::Button);
        EXPECT_EQ(a->text(QAccessible::Name), key->caption());
        ASSERT_NE(a->actionInterface(), nullptr);
        EXPECT_TRUE(a->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
        ++keys;
    }
    // The dining, close, payment and number keys; both keypads; the order rows; "쉬운 주문" and the
    // mode panel's four toggles, "주문 시작" and its "X"; the keys of the three other languages; the
    // staff call key of each entry panel.
    EXPECT_EQ(keys, 8 + 13 + 14 + 3 * 20 + 1 + 6 + 3 + 4);
    int labels = 0;
    for (QLabel* label : s.findChildren<QLabel*>()) {
        if (label->text().isEmpty())
            continue;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(label);
        ASSERT_NE(a, nullptr);
        // Counts and totals are named with what they count.
        EXPECT_TRUE(a->text(QAccessible::Name).endsWith(label->text())
                    || a->text(QAccessible::Name).contains(label->text() + QStringLiteral("명")))
            << label->objectName().toStdString();
        ++labels;
    }
    EXPECT_GT(labels, 10);
    const QString phone = QAccessible::queryAccessibleInterface(PhoneNumberLabel(s, 0))->text(QAccessible::Name);
    EXPECT_EQ(phone, QStringLiteral("010-1**4-5678"));
    EXPECT_FALSE(phone.contains(QStringLiteral("12345678")));
    EXPECT_TRUE(OrderListArea(s)->accessibleDescription().contains(QStringLiteral("2) 치즈 베이글 (x1)")));
    // A press through the reader is a touch.
    QAccessible::queryAccessibleInterface(RowQuantityUp(s, 1))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(RowQuantity(s, 1))->text(QAccessible::Name),
              QStringLiteral("치즈 베이글 수량 2"));
    // Each line is an element of its own, named with what it prints.
    const QString second = QAccessible::queryAccessibleInterface(s.findChild<QFrame*>(QStringLiteral("rowFrame_1")))
                               ->text(QAccessible::Name);
    EXPECT_EQ(second, QStringLiteral("2) 치즈 베이글 (x1), 9,000원"));
}
