// The menu page in the barrier-free looks (large, low, high contrast) and from the keypad with voice
// guidance, against the demo shop.
#include "access/modes.h"
#include "menu/ui/menu_page.h"
#include "menu/ui/menu_page_widgets.h"
#include "presentation/keypad_navigator.h"
#include "support/barrier_free.h"
#include "support/demo_shop.h"
#include "support/orders.h"
#include "support/screen_widgets.h"
#include "support/shop_login.h"
#include "support/sumbrel_test.h"

#include <QAccessible>
#include <QTest>
#include <memory>

using namespace sumbrel;
using namespace sumbrel::menu;
using namespace sumbrel::testing;

namespace {

// Every item dialog adds one line of tea at once.
class TeaPage : public MenuPage {
public:
    using MenuPage::MenuPage;
    QList<TileTouch> touches;

protected:
    void openItemDialog(const TileTouch& touch) override
    {
        touches.append(touch);
        itemDialogClosed(order::Line(QStringLiteral("Tea"), 3000));
    }
};

const order::Order kCoffee = order::Of({order::Line(QStringLiteral("Coffee"), 3500, 2, {{u"Size", u"Large", 500}})});

class MenuPageAccessTest : public SumbrelTest {
protected:
    void SetUp() override
    {
        SumbrelTest::SetUp();
        session = LogInTo(shop);
        CopyShopPictures(shop);
    }
    void TearDown() override
    {
        page.reset();
        SumbrelTest::TearDown();
    }

    // Built under the modes in force, as the opener builds it after a change of look.
    void open()
    {
        page = std::make_unique<TeaPage>(session, tables);
        QObject::connect(page.get(), &MenuPage::closed,
                         [this](cart::OrderCart result, MenuPageEnd) { order = result; });
        page->open(order);
        ASSERT_TRUE(QTest::qWaitFor(
            [this] { return !page->loadPending() && !page->loading() && IdleTick(*page)->isActive(); }, 10000));
    }

    DemoShop shop;
    Session session;
    cart::OrderCart order;
    menu::MenuTables tables;
    std::unique_ptr<TeaPage> page;
};

}  // namespace

TEST_F(MenuPageAccessTest, EveryLookKeepsItsKeysLowItsTextsWholeAndItsTilesNamed)
{
    struct Case {
        const char* look;
        access::Modes modes;
        QString counter;  // 커피's 24 items in pages of the look's size
    };
    const Case cases[] = {
        {"plain", {}, QStringLiteral("1/2")},
        {"low", {.low = true}, QStringLiteral("1/3")},
        {"large", {.large = true}, QStringLiteral("1/6")},
        {"contrast", {.contrast = true}, QStringLiteral("1/2")},
        {"low and large", {.low = true, .large = true}, QStringLiteral("1/12")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.look);
        ModesScope scope(c.modes);
        order.order = kCoffee;
        open();
        EXPECT_EQ(PageCounterLabel(*page)->text(), c.counter);
        // Nothing of the page's information lies over a key (the page marker has no track there).
        if (c.modes.low || c.modes.large) {
            EXPECT_FALSE(PageImage(*page)->isVisible());
        }
        if (c.modes.low) {
            EXPECT_EQ(KeysAboveLowPart(page.get()), QStringList());
        }
        if (c.modes.large) {
            EXPECT_EQ(ClippedTexts(page.get()), QStringList());
        }

        // Every tile shown is a key named by its item; the empty ones are none.
        const int shown = page->model().tiles().count;
        for (int k = 0; k < kTileCount; ++k) {
            QAccessibleInterface* tile = QAccessible::queryAccessibleInterface(Tile(*page, k));
            ASSERT_NE(tile, nullptr);
            if (k < shown) {
                EXPECT_TRUE(Tile(*page, k)->isVisible()) << k;
                EXPECT_EQ(tile->text(QAccessible::Name), page->model().tileEntry(k)->name) << k;
                EXPECT_TRUE(tile->text(QAccessible::Description).contains(TileName(*page, k)->text())) << k;
            } else {
                EXPECT_FALSE(Tile(*page, k)->isVisible() && tile->role() == QAccessible::Button) << k;
            }
        }
        // The last group of tabs leaves slots unused: none of them is a key without a name.
        CommandKey(*page, 0)->touch();
        for (const auto& [name, seen] : VisibleKeys(page.get()))
            EXPECT_FALSE(name.startsWith(u'(')) << name.toStdString();
        if (c.modes.low) {
            EXPECT_EQ(KeysAboveLowPart(page.get()), QStringList());
        }
        page.reset();
    }
}

TEST_F(MenuPageAccessTest, TheKeypadTurnsPagesAddsALineAndKeepsThePageOpenWhileKeysArePressed)
{
    ModesScope scope({.voice = true});
    SpeechRecorder speech;
    open();
    EXPECT_TRUE(speech.heard(QStringLiteral("메뉴 화면입니다. 커피 분류, 2쪽 중 1쪽, 메뉴 20개.")));

    // Right past the page's last element turns to the next page of tiles.
    int presses = 0;
    while (PageCounterLabel(*page)->text() == QStringLiteral("1/2") && presses++ < 200)
        Keypad(page.get(), Qt::Key_Right);
    EXPECT_EQ(PageCounterLabel(*page)->text(), QStringLiteral("2/2"));
    EXPECT_TRUE(speech.heard(QStringLiteral("2쪽 중 2쪽")));

    // On to the first tile of that page; Enter opens its item's dialog, whose line is announced.
    presses = 0;
    while (page->keypad().focused() != Tile(*page, 0) && presses++ < 100)
        Keypad(page.get(), Qt::Key_Right);
    ASSERT_EQ(page->keypad().focused(), Tile(*page, 0));
    EXPECT_TRUE(speech.heard(page->model().tileEntry(0)->name + QStringLiteral(", 버튼")));
    speech.take();
    Keypad(page.get(), Qt::Key_Return);
    ASSERT_EQ(page->touches.size(), 1);
    EXPECT_EQ(page->touches[0].tileNumber, page->model().tileEntry(0)->num);
    EXPECT_EQ(speech.take(), QStringList{QStringLiteral("Tea 1개를 담았습니다. 합계 3,000원")});

    // Ten seconds before the (three times longer) limit a warning; a key starts the limit again.
    const int limit = access::IdleMs(kIdleMs);
    clock->advance(limit - 9000);
    EXPECT_TRUE(speech.heard(QStringLiteral("초 후 메뉴 선택이 취소됩니다")));
    Keypad(page.get(), Qt::Key_Asterisk);
    clock->advance(limit - 15000);
    EXPECT_TRUE(page->isVisible());

    // Back cancels the page.
    Keypad(page.get(), Qt::Key_Escape);
    EXPECT_FALSE(page->isVisible());
    EXPECT_FALSE(order.selectionConfirmed);
}
