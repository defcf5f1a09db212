// One customer from the start panel to the completion panel through the real screens (the menu
// page, both item dialogs, the order list, the entry panels), every element found by its
// accessible name and pressed as a screen reader presses it; and the same order in another language.
#include "access/language.h"
#include "access/spoken.h"
#include "menu/cart.h"
#include "menu/ui/menu_page.h"
#include "presentation/keypad_navigator.h"
#include "presentation/look.h"
#include "reception/reception_service.h"
#include "reception/ui/reception_screen.h"
#include "support/barrier_free.h"
#include "support/find.h"
#include "support/menu_link.h"
#include "support/shop_test.h"

#include <QAccessible>
#include <QApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <deque>
#include <functional>
#include <type_traits>

using namespace sumbrel;
using namespace sumbrel::testing;

namespace {

// A polled script drives whatever screen is on top.
class Script {
public:
    using Step = std::function<bool(QWidget* top)>;
    explicit Script(std::deque<Step> steps)
        : m_steps(std::move(steps))
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start(10);
    }
    bool done() const { return m_steps.empty(); }
    // Until every step has run and the page has closed. The screens' clock moves on meanwhile, as
    // the customer's time does (an item dialog closes a moment after its key).
    bool runUntilClosed(const QWidget& page) const
    {
        return QTest::qWaitFor(
            [this, &page] {
                if (ManualClock* clock = ManualClock::installed())
                    clock->advance(10);
                return done() && !page.isVisible();
            },
            20000);
    }
    size_t left() const { return m_steps.size(); }

private:
    void poll()
    {
        QWidget* top = QApplication::activeModalWidget();
        if (m_steps.empty() || !top || !top->isVisible() || !top->isEnabled())
            return;
        if (m_steps.front()(top))
            m_steps.pop_front();
    }
    std::deque<Step> m_steps;
    QTimer m_timer;
};

// A step that presses names on the top screen once it is of type T; the last press runs after the
// poll returns, since it may open the next modal screen.
template <typename T>
Script::Step On(QStringList names, bool prefix = false)
{
    return [names, prefix](QWidget* top) {
        auto* screen = dynamic_cast<T*>(top);
        auto* page = dynamic_cast<MenuPage*>(top);
        // The page is a dialog too: dialog steps wait for the item dialog on top of it.
        if (!screen || (std::is_same_v<T, MenuPage> ? page->loadPending() || page->loading() : page != nullptr))
            return false;
        for (qsizetype i = 0; i + 1 < names.size(); ++i)
            if (!PressNamed(screen, names[i], prefix))
                return false;
        QTimer::singleShot(0, screen, [screen, last = names.last(), prefix] { PressNamed(screen, last, prefix); });
        return true;
    };
}

// A step that touches elements on the top screen once it is of type T, as On does: each named by the
// start of its accessible name (the shop's own names) or, after '#', by its object name (the
// screens' own keys, whatever language their captions are in).
template <typename T>
Script::Step Touch(QStringList names)
{
    return [names](QWidget* top) {
        auto* screen = dynamic_cast<T*>(top);
        auto* page = dynamic_cast<MenuPage*>(top);
        if (!screen || (std::is_same_v<T, MenuPage> ? page->loadPending() || page->loading() : page != nullptr))
            return false;
        const auto touch = [screen](const QString& name) {
            if (!name.startsWith(u'#'))
                return PressNamed(screen, name, true);
            for (QWidget* w : screen->template findChildren<QWidget*>(name.mid(1))) {
                if (w->isVisible()) {
                    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
                    return true;
                }
            }
            return false;
        };
        for (qsizetype i = 0; i + 1 < names.size(); ++i)
            if (!touch(names[i]))
                return false;
        QTimer::singleShot(0, screen, [touch, last = names.last()] { touch(last); });
        return true;
    };
}

// The keypad's navigation of a screen, and the name of what it has the focus on.
KeypadNavigator* NavigatorOf(QWidget* window)
{
    for (QObject* child : window->children()) {
        if (auto* navigator = dynamic_cast<KeypadNavigator*>(child))
            return navigator;
    }
    return nullptr;
}
QString FocusedName(QWidget* window)
{
    KeypadNavigator* navigator = NavigatorOf(window);
    QWidget* focused = navigator ? navigator->focused() : nullptr;
    QAccessibleInterface* a = focused ? QAccessible::queryAccessibleInterface(focused) : nullptr;
    return a ? a->text(QAccessible::Name) : QString();
}
// The focus moved by arrows until it is on the element named so (its name, or its name before a
// comma): Right first, Left once Right stops moving it; every name passed is added to seen.
bool MoveTo(QWidget* window, const QString& name, QStringList& seen)
{
    const auto there = [&] {
        const QString f = FocusedName(window);
        return f == name || f.startsWith(name + u',');
    };
    for (const Qt::Key direction : {Qt::Key_Right, Qt::Key_Left}) {
        for (int i = 0; i < 80; ++i) {
            if (there())
                return true;
            const QString before = FocusedName(window);
            Keypad(window, direction);
            seen.append(FocusedName(window));
            if (seen.last() == before)
                break;
        }
    }
    return there();
}

// A step of keys on the top screen once it is of type T: the focus moved to each name and Enter
// pressed there; the last Enter after the poll returns (it may open the next modal screen).
template <typename T>
Script::Step Keys(QStringList names, QStringList& seen, bool& lost)
{
    return [names, &seen, &lost](QWidget* top) {
        auto* screen = dynamic_cast<T*>(top);
        auto* page = dynamic_cast<MenuPage*>(top);
        if (!screen || (std::is_same_v<T, MenuPage> ? page->loadPending() || page->loading() : page != nullptr))
            return false;
        for (qsizetype i = 0; i < names.size(); ++i) {
            if (!MoveTo(screen, names[i], seen)) {
                lost = true;
                ADD_FAILURE() << "no focus reaches " << names[i].toStdString();
                return true;
            }
            if (i + 1 < names.size())
                Keypad(screen, Qt::Key_Return);
        }
        QTimer::singleShot(0, screen, [screen] { Keypad(screen, Qt::Key_Return); });
        return true;
    };
}

}  // namespace

class OrderFlowTest : public ShopTest {
protected:
    // Eat-in or takeout, the car number and the payment type: the whole path.
    void shopAsksForEveryPanel()
    {
        shop->setSettings({{QStringLiteral("reset"), QStringLiteral("1")},
                           {QStringLiteral("TOWhereYN"), QStringLiteral("Y")},
                           {QStringLiteral("TakeOutCarYN"), QStringLiteral("Y")},
                           {QStringLiteral("TOPayTypeS"), QStringLiteral("Y")}});
    }
};

TEST_F(OrderFlowTest, ACustomerOrdersWithTheKeypadAloneGuidedByVoice)
{
    shopAsksForEveryPanel();
    SpeechRecorder voice;
    ReceptionScreen reception(session);
    menu::MenuTables tables;
    MenuPage page(session, tables, &reception);
    sumbrel::testing::LinkMenuPage(reception, page);
    reception.show();

    // The start panel: any keypad key turns the voice on; the focus follows the screen downwards.
    Keypad(&reception, Qt::Key_Down);
    ASSERT_TRUE(access::CurrentModes().voice);
    EXPECT_TRUE(voice.heard(QStringLiteral("매장 식사 또는 포장 주문을 고르세요")));
    EXPECT_EQ(FocusedName(&reception), QStringLiteral("매장 식사"));
    Keypad(&reception, Qt::Key_Down);
    EXPECT_EQ(FocusedName(&reception), QStringLiteral("포장 주문"));

    // The page and its dialogs by arrows and Enter: 아메리카노 with the large size, two espressos.
    QStringList pageSeen, optionsSeen, singleSeen, closeSeen;
    bool lost = false;
    Script script({Keys<MenuPage>({QStringLiteral("아메리카노")}, pageSeen, lost),
                   Keys<QDialog>({QStringLiteral("라지"), QStringLiteral("주문 담기")}, optionsSeen, lost),
                   Keys<MenuPage>({QStringLiteral("에스프레소")}, pageSeen, lost),
                   Keys<QDialog>({QStringLiteral("+"), QStringLiteral("주문 담기")}, singleSeen, lost),
                   Keys<MenuPage>({QStringLiteral("선택완료")}, closeSeen, lost)});
    Keypad(&reception, Qt::Key_Return);
    ASSERT_TRUE(script.runUntilClosed(page)) << script.left() << " steps left";
    ASSERT_FALSE(lost);
    EXPECT_TRUE(voice.heard(QStringLiteral("메뉴 화면입니다")));
    EXPECT_TRUE(voice.heard(QStringLiteral("아메리카노, ")));
    EXPECT_TRUE(voice.heard(QStringLiteral("수량 2")));
    EXPECT_TRUE(voice.heard(QStringLiteral("에스프레소 2개를 담았습니다")));
    // The tiles come in the page's order: 아메리카노 after the two before it, then on towards 에스프레소.
    const qsizetype americano = pageSeen.indexOf(QStringLiteral("아메리카노"));
    ASSERT_GE(americano, 2);
    EXPECT_EQ(pageSeen.mid(americano - 2, 2), (QStringList{QStringLiteral("에스프레소"), QStringLiteral("도피오")}));
    ASSERT_TRUE(reception.cart().selectionConfirmed);
    const order::Order& lines = reception.cart().order;
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(order::OptionSummary(lines.line(0)).section(u':', 1), QStringLiteral("라지"));
    EXPECT_EQ(lines.line(1).quantity, 2);

    // The entry panels: digits where digits are asked, the focus moved to "다음" and the card.
    ASSERT_EQ(reception.path().currentPanel(), reception::kPhonePanel);
    EXPECT_TRUE(voice.heard(QStringLiteral("휴대폰 번호를 숫자 키로 입력")));
    QStringList seen;
    KeypadDigits(&reception, QStringLiteral("12345678"));
    ASSERT_TRUE(MoveTo(&reception, QStringLiteral("다음"), seen));
    Keypad(&reception, Qt::Key_Return);
    ASSERT_EQ(reception.path().currentPanel(), reception::kCarPanel);
    KeypadDigits(&reception, QStringLiteral("4321"));
    ASSERT_TRUE(MoveTo(&reception, QStringLiteral("다음"), seen));
    Keypad(&reception, Qt::Key_Return);
    ASSERT_EQ(reception.path().currentPanel(), reception::kPaymentPanel);
    ASSERT_TRUE(MoveTo(&reception, QStringLiteral("카드결제"), seen));
    Keypad(&reception, Qt::Key_Return);
    ASSERT_EQ(reception.path().currentPanel(), reception::kCompletionPanel);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !reception.sending(); }, 20000));
    EXPECT_TRUE(voice.heard(QStringLiteral("접수 완료")));

    const QJsonArray orders = shop->orders();
    ASSERT_EQ(orders.size(), 1);
    const QJsonObject o = orders[0].toObject();
    EXPECT_EQ(o[QStringLiteral("phone")].toString(), QStringLiteral("01012345678"));
    EXPECT_EQ(o[QStringLiteral("pay")].toString(), QStringLiteral("1"));
    EXPECT_EQ(o[QStringLiteral("taxi")].toString(), QStringLiteral("4321"));
    EXPECT_EQ(o[QStringLiteral("menu")].toString(), reception::OrderText(reception.cart().order));
    ApplyModes({});
}

TEST_F(OrderFlowTest, ACustomerOrdersTwoItemsThroughTheRealScreensAndTheShopHasItOnce)
{
    shopAsksForEveryPanel();
    ReceptionScreen reception(session);
    menu::MenuTables tables;
    MenuPage page(session, tables, &reception);
    sumbrel::testing::LinkMenuPage(reception, page);
    reception.show();

    // The page: 아메리카노 with the large size, then two espressos, then "선택완료".
    Script script({On<MenuPage>({QStringLiteral("아메리카노")}, true),
                   On<QDialog>({QStringLiteral("라지"), QStringLiteral("주문 담기")}),
                   On<MenuPage>({QStringLiteral("에스프레소")}, true),
                   On<QDialog>({QStringLiteral("+"), QStringLiteral("주문 담기")}),
                   On<MenuPage>({QStringLiteral("선택완료")})});
    ASSERT_TRUE(PressNamed(&reception, QStringLiteral("포장 주문")));
    ASSERT_TRUE(script.runUntilClosed(page)) << script.left() << " steps left";
    ASSERT_TRUE(reception.cart().selectionConfirmed);

    const order::Order lines = reception.cart().order;
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines.line(0).name, QStringLiteral("아메리카노"));
    EXPECT_EQ(order::OptionSummary(lines.line(0)).section(u':', 1), QStringLiteral("라지"));
    EXPECT_EQ(lines.line(1).name, QStringLiteral("에스프레소"));
    EXPECT_EQ(lines.line(1).quantity, 2);

    // The entry panels: the number, the car and the card.
    for (const char16_t* key :
         {u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8", u"다음", u"4", u"3", u"2", u"1", u"다음", u"카드결제"})
        ASSERT_TRUE(PressNamed(&reception, QString::fromUtf16(key))) << QString::fromUtf16(key).toStdString();
    ASSERT_EQ(reception.path().currentPanel(), reception::kCompletionPanel);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !reception.sending(); }, 20000));

    const QJsonArray orders = shop->orders();
    ASSERT_EQ(orders.size(), 1);
    const QJsonObject o = orders[0].toObject();
    EXPECT_EQ(o[QStringLiteral("phone")].toString(), QStringLiteral("01012345678"));
    EXPECT_EQ(o[QStringLiteral("where")].toString(), QStringLiteral("포장"));
    EXPECT_EQ(o[QStringLiteral("pay")].toString(), QStringLiteral("1"));
    EXPECT_EQ(o[QStringLiteral("taxi")].toString(), QStringLiteral("4321"));
    EXPECT_EQ(o[QStringLiteral("memo")].toString(), QStringLiteral("현장접수"));
    EXPECT_EQ(o[QStringLiteral("menu")].toString(), reception::OrderText(lines));
    EXPECT_TRUE(o[QStringLiteral("menu")].toString().contains(QStringLiteral("<mnucount>2</mnucount>")));
}

// The shop's number of the same customer twice in a row: both orders are taken.
class OrderInLanguagesTest : public OrderFlowTest {
protected:
    QStringList shopArgs() const override { return {QStringLiteral("--repeat-window"), QStringLiteral("0")}; }

    struct Visit {
        QJsonObject stored;  // the shop's row of the order, without its number and time
        QString body;  // the order's request as the shop received it
        QStringList spoken;  // on the reception screen
        QStringList spokenOnPage;
        QString pageIntro;  // how the page's spoken introduction starts in the visit's language
        QStringList shopTexts;  // what the shop wrote: its name, the items' and options' names, its notes
    };

    // One order, the same keys in every language: the start panel by keypad (which turns the voice
    // on), the page and its dialogs by touch, the phone number by keypad, the car number and the
    // payment by touch, then "확인", which ends the visit.
    void orderIn(access::Language language, Visit& visit)
    {
        SpeechRecorder voice;
        ReceptionScreen reception(session);
        reception.show();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !reception.settingsLoading(); }, 20000));
        if (language != access::Language::Korean) {
            ASSERT_TRUE(TouchNamed(&reception, QString::fromUtf16(access::InfoOf(language).name)));
            ASSERT_EQ(access::VisitLanguage(), language);
            ASSERT_EQ(reception.path().currentPanel(), reception::kStartPanel);
        }
        visit.pageIntro = access::Tr("메뉴 화면입니다. %1 분류").section(QStringLiteral("%1"), 0, 0);
        // Built in the visit's language, as the terminal builds it after a new look.
        menu::MenuTables tables;
        MenuPage page(session, tables, &reception);
        sumbrel::testing::LinkMenuPage(reception, page);

        Keypad(&reception, Qt::Key_Down);
        ASSERT_TRUE(access::CurrentModes().voice);
        QStringList seen;
        ASSERT_TRUE(MoveTo(&reception, access::Tr("포장 주문"), seen));
        Script script({Touch<MenuPage>({QStringLiteral("아메리카노")}),
                       Touch<QDialog>({QStringLiteral("라지"), QStringLiteral("#commandKey_3")}),
                       Touch<MenuPage>({QStringLiteral("에스프레소")}),
                       Touch<QDialog>({QStringLiteral("#quantityUp_1"), QStringLiteral("#commandKey_3")}),
                       Touch<MenuPage>({QStringLiteral("#commandKey_7")})});
        Keypad(&reception, Qt::Key_Return);
        visit.spoken = voice.take();
        ASSERT_TRUE(script.runUntilClosed(page)) << script.left() << " steps left";
        visit.spokenOnPage = voice.take();
        ASSERT_EQ(reception.path().currentPanel(), reception::kPhonePanel);

        KeypadDigits(&reception, QStringLiteral("12345678"));
        ASSERT_TRUE(MoveTo(&reception, access::Tr("다음"), seen));
        Keypad(&reception, Qt::Key_Return);
        ASSERT_EQ(reception.path().currentPanel(), reception::kCarPanel);
        for (const QString& key : {QStringLiteral("4"), QStringLiteral("3"), QStringLiteral("2"), QStringLiteral("1"),
                                   access::Tr("다음"), access::Tr("카드결제")})
            ASSERT_TRUE(TouchNamed(&reception, key)) << key.toStdString();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !reception.sending(); }, 20000));
        ASSERT_EQ(reception.path().currentPanel(), reception::kCompletionPanel);
        // The shop's note on the car panel as it is spoken.
        visit.shopTexts = QStringList{
            access::SpokenForm(reception::LineBreakConversion(reception.path().settings().TakeOutCarText)),
            session.shopName};
        for (const order::OrderLine& line : reception.cart().order.lines()) {
            visit.shopTexts << line.name;
            for (const order::OrderOption& option : line.options)
                visit.shopTexts << option.group << option.name;
        }
        ASSERT_TRUE(TouchNamed(&reception, access::Tr("확인")));
        visit.spoken += voice.take();
        // The visit's end returns to Korean.
        EXPECT_EQ(access::VisitLanguage(), access::Language::Korean);

        const QJsonArray orders = shop->orders();
        ASSERT_FALSE(orders.isEmpty());
        visit.stored = orders.last().toObject();
        visit.stored.remove(QStringLiteral("id"));
        visit.stored.remove(QStringLiteral("created"));
        for (const QJsonValue r : shop->requests()) {
            if (r[QStringLiteral("path")].toString() == QStringLiteral("/program/TOorderProgram2.php"))
                visit.body = r[QStringLiteral("raw_body")].toString();
        }
        ApplyModes({});
    }
};

// What a customer of the shop's own names may hear in Korean: every Hangul text left once they go.
QStringList KoreanBeyond(const QStringList& spoken, const QStringList& shopTexts)
{
    static const QRegularExpression hangul(
        QStringLiteral("[\\x{1100}-\\x{11FF}\\x{3130}-\\x{318F}\\x{AC00}-\\x{D7A3}]"));
    QStringList left;
    for (QString text : spoken) {
        for (const QString& shopText : shopTexts)
            text.remove(shopText);
        if (text.contains(hangul))
            left << text;
    }
    return left;
}

TEST_F(OrderInLanguagesTest, AnOrderInEnglishStoresExactlyWhatTheSameOrderInKoreanStores)
{
    shopAsksForEveryPanel();
    Visit korean, english;
    orderIn(access::Language::Korean, korean);
    ASSERT_FALSE(HasFatalFailure());
    orderIn(access::Language::English, english);
    ASSERT_FALSE(HasFatalFailure());

    ASSERT_EQ(shop->orders().size(), 2);
    EXPECT_EQ(english.stored, korean.stored);
    EXPECT_FALSE(english.body.isEmpty());
    EXPECT_EQ(english.body, korean.body);

    // Heard on the reception screen: the same steps, in English but for what the shop wrote.
    EXPECT_EQ(english.shopTexts, korean.shopTexts);
    EXPECT_FALSE(KoreanBeyond(korean.spoken, korean.shopTexts).isEmpty());
    EXPECT_EQ(english.spoken.size(), korean.spoken.size()) << korean.spoken.join(u'\n').toStdString() << "\n--\n"
                                                           << english.spoken.join(u'\n').toStdString();
    EXPECT_EQ(KoreanBeyond(english.spoken, english.shopTexts), QStringList());
    // The page speaks its introduction in the visit's language too.
    EXPECT_NE(english.pageIntro, korean.pageIntro);
    for (const Visit* visit : {&korean, &english})
        EXPECT_TRUE(std::any_of(visit->spokenOnPage.begin(), visit->spokenOnPage.end(), [&](const QString& t) {
            return t.startsWith(visit->pageIntro);
        })) << visit->spokenOnPage.join(u'\n').toStdString();
}
