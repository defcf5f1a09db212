// The menu page against the demo shop: loading (and a shop that stalls or fails it), paging, tiles,
// the dimmed page behind a dialog, the order rows, the limits, confirm, cancel and the idle close.
#include "catalogue/category_table.h"
#include "catalogue/menu_catalogue.h"
#include "menu/ui/menu_page.h"
#include "menu/ui/menu_page_widgets.h"
#include "menu/ui/menu_photo.h"
#include "menu/ui/picture_cache.h"
#include "presentation/caption_key.h"
#include "presentation/keypad_navigator.h"
#include "startup/screen_hold.h"
#include "support/barrier_free.h"
#include "support/demo_shop.h"
#include "support/orders.h"
#include "support/screen_widgets.h"
#include "support/shop_login.h"
#include "support/sumbrel_test.h"

#include <QAccessible>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <memory>

using namespace sumbrel;
using namespace sumbrel::menu;
using namespace sumbrel::testing;

namespace {

const order::OrderLine kTea = order::Line(QStringLiteral("Tea"), 3000);
const order::OrderLine kCoffee = order::Line(QStringLiteral("Coffee"), 3500, 2, {{u"Size", u"Large", 500}});

order::Order Lines(int n)
{
    order::Order lines;
    for (int i = 0; i < n; ++i)
        lines.add(kTea);
    return lines;
}

QString AccessibleName(QObject* widget)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(widget);
    return a ? a->text(QAccessible::Name) : QString();
}

// The page with its item dialogs replaced by a script, or the real ones.
class ScriptedPage : public MenuPage {
public:
    using MenuPage::MenuPage;
    bool realDialogs = false;
    std::function<std::optional<order::OrderLine>(const TileTouch&)> dialog;

protected:
    void openItemDialog(const TileTouch& touch) override
    {
        if (realDialogs)
            MenuPage::openItemDialog(touch);
        else
            itemDialogClosed(dialog(touch));
    }
};

struct PageEnd {
    cart::OrderCart cart;
    MenuPageEnd end;
};

class MenuPageTest : public SumbrelTest {
protected:
    void SetUp() override
    {
        SumbrelTest::SetUp();
        session = LogInTo(shop);
        CopyShopPictures(shop);
        page = std::make_unique<ScriptedPage>(session, tables);
        page->dialog = [this](const TileTouch& touch) -> std::optional<order::OrderLine> {
            touches.append(touch);
            shadowShown = Backdrop(*page)->isVisible();
            behind = page->grab().toImage();
            return lineToAdd;
        };
        QObject::connect(page.get(), &MenuPage::closed, [this](cart::OrderCart result, MenuPageEnd end) {
            ends.append({result, end});
        });
    }
    void TearDown() override
    {
        page.reset();
        SumbrelTest::TearDown();
    }

    // Opens the page as the reception screen does and waits for the load.
    void open()
    {
        page->open(order);
        ASSERT_TRUE(QTest::qWaitFor([this] { return loaded(); }, 10000));
    }
    bool loaded() const { return !page->loadPending() && !page->loading() && IdleTick(*page)->isActive(); }
    int visibleTiles() const
    {
        int n = 0;
        for (int k = 0; k < kTileCount; ++k)
            n += Tile(*page, k)->isVisibleTo(page.get()) ? 1 : 0;
        return n;
    }
    int visibleRows() const
    {
        int n = 0;
        for (int i = 0; i < kOrderRows; ++i)
            n += RowFrame(*page, i)->isVisibleTo(page.get()) ? 1 : 0;
        return n;
    }

    DemoShop shop;
    Session session;
    cart::OrderCart order;  // the reception screen's cart, as it hands it over
    menu::MenuTables tables;
    std::unique_ptr<ScriptedPage> page;
    QList<TileTouch> touches;
    std::optional<order::OrderLine> lineToAdd = kTea;
    QList<PageEnd> ends;  // what closed() reported, in order
    bool shadowShown = false;
    QImage behind;
};

}  // namespace

TEST_F(MenuPageTest, OpensWithTabsTilesPicturesAndTheOpenersCart)
{
    order.order = order::Of({kCoffee});
    open();
    EXPECT_EQ(logEntries().filter(QStringLiteral("[MenuSelectMain→Form_Activate]")),
              QStringList{QStringLiteral("  [MenuSelectMain→Form_Activate] Enter")});
    const QStringList http = logEntries(QStringLiteral("_WinHttp")).filter(QStringLiteral("menuloading3() ... "));
    ASSERT_EQ(http.size(), 2);
    EXPECT_EQ(http[0],
              QStringLiteral("menuloading3() ... ") + shop.httpBase()
                  + QStringLiteral("/shop/menuloading3.php?ID=demo&PassWord=***&checktypes="));
    EXPECT_TRUE(http[1].startsWith(QStringLiteral("menuloading3() ... ResponseStr:\r\n")));
    EXPECT_GT(tables.categories().rowCount(), 0);
    EXPECT_GT(tables.catalogue().rowCount(), 0);

    // Seven categories: the first five on the tabs, the first one current.
    EXPECT_EQ(CategoryTab(*page, 0)->caption(), QStringLiteral("커피"));
    EXPECT_EQ(CategoryTab(*page, 4)->caption(), QStringLiteral("디저트"));
    EXPECT_EQ(CategoryTab(*page, 0)->background(), MenuPage::tabColour(true));
    EXPECT_EQ(CategoryTab(*page, 1)->background(), MenuPage::tabColour(false));
    // 커피 has 24 items: a full first page.
    EXPECT_EQ(visibleTiles(), 20);
    EXPECT_EQ(TileName(*page, 0)->text(), QStringLiteral("에스프레소"));
    EXPECT_EQ(TilePriceLabel(*page, 0)->text(), QStringLiteral("2,000원"));
    EXPECT_EQ(PageCounterLabel(*page)->text(), QStringLiteral("1/2"));
    EXPECT_TRUE(PageImage(*page)->isVisibleTo(page.get()));
    EXPECT_EQ(PageImage(*page)->y(), 372);
    // 롱블랙 has no picture: the placeholder stands in.
    EXPECT_EQ(TileName(*page, 9)->text(), QStringLiteral("롱블랙"));
    const QSize photo = TilePhoto(*page, 9)->size();
    EXPECT_EQ(TilePhoto(*page, 9)->pixmap().toImage(), MenuPhotoPlaceholder(photo).toImage());
    EXPECT_NE(TilePhoto(*page, 0)->pixmap().toImage(), MenuPhotoPlaceholder(photo).toImage());
    // The cart handed over is drawn at once.
    EXPECT_EQ(visibleRows(), 1);
    EXPECT_EQ(RowName(*page, 0)->text(), QStringLiteral("Coffee"));
    EXPECT_EQ(RowOptions(*page, 0)->text(), QStringLiteral("Size:Large"));
    EXPECT_EQ(OrderCountLabel(*page)->text(), QStringLiteral("1"));
    EXPECT_EQ(OrderTotalLabel(*page)->text(), QStringLiteral("7,000"));

    // What a screen reader hears.
    QAccessibleInterface* tile = QAccessible::queryAccessibleInterface(Tile(*page, 0));
    ASSERT_NE(tile, nullptr);
    EXPECT_EQ(tile->role(), QAccessible::Button);
    EXPECT_EQ(tile->text(QAccessible::Name), QStringLiteral("에스프레소"));
    EXPECT_EQ(tile->text(QAccessible::Description), QStringLiteral("에스프레소, 2,000원"));
    EXPECT_EQ(AccessibleName(CategoryTab(*page, 1)), QStringLiteral("라떼"));
    EXPECT_EQ(AccessibleName(CommandKey(*page, 7)), QStringLiteral("선택완료"));
    EXPECT_EQ(AccessibleName(RowQuantityUp(*page, 0)), QStringLiteral("+"));
    EXPECT_EQ(AccessibleName(TileName(*page, 1)), QStringLiteral("도피오"));
    EXPECT_EQ(AccessibleName(OrderTotalLabel(*page)), QStringLiteral("합계 7,000원"));
    EXPECT_EQ(AccessibleName(OrderCountLabel(*page)), QStringLiteral("총 수량 1"));

    // Paging decodes no picture on the screen's thread: the next page's were decoded ahead while
    // this one showed. A double tap moves two pages.
    ASSERT_TRUE(QTest::qWaitFor([this] { return !page->pictures().prefetching(); }, 10000));
    const int decoded = page->pictures().decodeCount();
    CommandKey(*page, 3)->touch();
    EXPECT_EQ(PageCounterLabel(*page)->text(), QStringLiteral("2/2"));
    EXPECT_EQ(PageImage(*page)->y(), 472);
    EXPECT_EQ(visibleTiles(), 4);
    EXPECT_EQ(TileName(*page, 0)->text(), QStringLiteral("아인슈페너"));
    CommandKey(*page, 2)->touch();
    EXPECT_EQ(TileName(*page, 0)->text(), QStringLiteral("에스프레소"));
    CommandKey(*page, 3)->doubleTouch();
    EXPECT_EQ(PageCounterLabel(*page)->text(), QStringLiteral("1/2"));
    EXPECT_EQ(page->pictures().decodeCount(), decoded);

    // Another tab; an activation without the flag only traces.
    CategoryTab(*page, 1)->touch();
    EXPECT_EQ(TileName(*page, 0)->text(), QStringLiteral("카페라떼"));
    EXPECT_TRUE(PageCounterLabel(*page)->text().isEmpty());
    EXPECT_FALSE(PageImage(*page)->isVisibleTo(page.get()));
    page->activate();
    EXPECT_EQ(logEntries().filter(QStringLiteral("[MenuSelectMain→Form_Activate] Quit")).size(), 1);

    // A screen reader's press is a touch of the tile.
    ASSERT_NE(tile->actionInterface(), nullptr);
    tile->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_EQ(touches.size(), 1);
    EXPECT_EQ(touches[0].tileNumber, page->model().tileEntry(0)->num);
}

TEST_F(MenuPageTest, ATileOpensItsDialogOverTheDimmedPageAndTheNewLineShows)
{
    order.order = Lines(3);
    open();
    Tile(*page, 0)->touch();  // 에스프레소: no option group
    Tile(*page, 2)->touch();  // 아메리카노: size and extras
    ASSERT_EQ(touches.size(), 2);
    EXPECT_EQ(touches[0].dialog, DialogKind::Single);
    EXPECT_EQ(touches[0].tileNumber, QStringLiteral("101"));
    EXPECT_EQ(tables.catalogue().row(touches[0].row).num, QStringLiteral("101"));
    EXPECT_EQ(touches[1].dialog, DialogKind::Options);

    // Behind the dialog: the page darkened (AND 100) except the order list.
    EXPECT_TRUE(shadowShown);
    const QRgb tile = behind.pixel(40, 230);  // the white of tile 0, beside its price
    EXPECT_LE(qRed(tile), 100);
    EXPECT_LE(qBlue(tile), 100);
    EXPECT_EQ(behind.pixel(820, 115), qRgb(255, 255, 255));  // the order list's card
    EXPECT_FALSE(Backdrop(*page)->isVisible());
    EXPECT_TRUE(Tile(*page, 2)->isEnabled());

    // Five lines now: the newest is in view at the list's end.
    EXPECT_EQ(visibleRows(), 5);
    EXPECT_EQ(OrderListArea(*page)->height(), 695);
    EXPECT_EQ(OrderListArea(*page)->y(), 415 - 695);
    EXPECT_EQ(OrderCountLabel(*page)->text(), QStringLiteral("5"));
    CommandKey(*page, 4)->touch();
    EXPECT_EQ(OrderListArea(*page)->y(), 0);
}

TEST_F(MenuPageTest, TwentyLinesAndUnknownMenusOpenNoDialog)
{
    order.order = Lines(20);
    open();
    Tile(*page, 0)->touch();
    EXPECT_TRUE(touches.isEmpty());
    ASSERT_EQ(dialogs->messages.size(), 1);
    EXPECT_EQ(dialogs->messages[0].text, QStringLiteral("메뉴 갯수 한계만큼 주문되었습니다!"));
    EXPECT_EQ(dialogs->messages[0].icon, MessageIcon::Critical);

    RowRemove(*page, 19)->touch();
    EXPECT_EQ(visibleRows(), 19);
    Tile(*page, 0)->touch();
    EXPECT_EQ(touches.size(), 1);

    RowRemove(*page, 0)->touch();
    tables.setCatalogue(MenuCatalogue());
    Tile(*page, 1)->touch();
    EXPECT_EQ(touches.size(), 1);
    ASSERT_EQ(dialogs->messages.size(), 2);
    EXPECT_EQ(dialogs->messages[1].text, QStringLiteral("메뉴 오류입니다!\r\n\r\n프로그램 종료 후 다시 시작하세요"));
    EXPECT_TRUE(Tile(*page, 1)->isEnabled());
}

TEST_F(MenuPageTest, RowKeysChangeTheOrder)
{
    order.order = order::Of({kCoffee, kTea});
    open();
    RowQuantityUp(*page, 0)->touch();
    order::OrderLine three = kCoffee;
    three.quantity = 3;
    EXPECT_EQ(page->composed(), order::Of({three, kTea}));
    EXPECT_EQ(RowQuantity(*page, 0)->text(), QStringLiteral("3"));
    EXPECT_EQ(RowPrice(*page, 0)->text(), QStringLiteral("10,500원"));
    RowQuantityDown(*page, 0)->doubleTouch();  // two steps
    EXPECT_EQ(RowQuantity(*page, 0)->text(), QStringLiteral("1"));
    RowQuantityDown(*page, 0)->touch();  // stays at 1
    EXPECT_EQ(RowQuantity(*page, 0)->text(), QStringLiteral("1"));
    RowRemove(*page, 0)->touch();
    EXPECT_EQ(page->composed(), order::Of({kTea}));
    EXPECT_EQ(RowSerial(*page, 0)->text(), QStringLiteral("1"));
    EXPECT_EQ(RowName(*page, 0)->text(), QStringLiteral("Tea"));
    EXPECT_EQ(OrderTotalLabel(*page)->text(), QStringLiteral("3,000"));

    // A name wider than 159 pixels in the order rows' font takes the upper place.
    page->composed() = order::Of({order::Line(QStringLiteral("아이스 디카페인 아메리카노 라지 사이즈"), 3500)});
    EXPECT_TRUE(page->drawOrder());
    EXPECT_EQ(RowName(*page, 0)->y(), 15);
    EXPECT_EQ(RowPrice(*page, 0)->y(), 59);
    EXPECT_EQ(OrderCountLabel(*page)->text(), QStringLiteral("1"));
    page->composed() = Lines(2);
    EXPECT_TRUE(page->drawOrder());
    EXPECT_EQ(OrderCountLabel(*page)->text(), QStringLiteral("2"));
}

TEST_F(MenuPageTest, ConfirmTakesTheCartCancelDropsTheVisit)
{
    order.order = order::Of({kTea});
    open();
    Tile(*page, 0)->touch();  // one more line in this visit
    CommandKey(*page, 6)->touch();
    EXPECT_FALSE(page->isVisible());
    ASSERT_EQ(ends.size(), 1);
    EXPECT_EQ(ends[0].end, MenuPageEnd::Left);
    EXPECT_FALSE(ends[0].cart.selectionConfirmed);
    EXPECT_EQ(ends[0].cart.order, order::Of({kTea}));

    // Reopened: the cart as it was before that visit. An empty cart is not confirmed.
    open();
    EXPECT_EQ(page->composed(), order::Of({kTea}));
    EXPECT_EQ(visibleRows(), 1);
    RowRemove(*page, 0)->touch();
    CommandKey(*page, 7)->touch();
    EXPECT_TRUE(page->isVisible());
    EXPECT_EQ(ends.size(), 1);

    // A line added, then confirmed with a double tap: the cart handed back holds both.
    page->hide();
    order.order = order::Of({kCoffee});
    open();
    Tile(*page, 1)->touch();
    CommandKey(*page, 7)->doubleTouch();
    ASSERT_EQ(ends.size(), 2);
    EXPECT_EQ(ends[1].end, MenuPageEnd::Confirmed);
    EXPECT_TRUE(ends[1].cart.selectionConfirmed);
    EXPECT_EQ(ends[1].cart.order, order::Of({kCoffee, kTea}));
    EXPECT_EQ(order.order, order::Of({kCoffee}));  // the opener's own cart is the opener's to change
}

TEST_F(MenuPageTest, IdlePageClosesUnconfirmedAfterThirtySeconds)
{
    order.order = order::Of({kTea});
    order.selectionConfirmed = true;  // from an earlier confirmation
    open();
    QList<int> shown;  // the seconds the countdown showed, in order
    QObject::connect(IdleTick(*page), &ClockTimer::timeout, [this, &shown] {
        const int seconds = IdleCountdown(*page)->text().chopped(1).toInt();
        if (IdleCountdown(*page)->text().endsWith(u'초') && (shown.isEmpty() || shown.last() != seconds))
            shown << seconds;
    });
    clock->advance(29999);
    EXPECT_TRUE(page->isVisible());
    clock->advance(501);
    EXPECT_FALSE(page->isVisible());
    ASSERT_EQ(ends.size(), 1);
    EXPECT_EQ(ends[0].end, MenuPageEnd::Left);
    EXPECT_FALSE(ends[0].cart.selectionConfirmed);
    EXPECT_FALSE(IdleTick(*page)->isActive());
    // Counting down second by second from thirty.
    QList<int> expected;
    for (int second = 30; second >= 1; --second)
        expected << second;
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(ends[0].cart.order, order::Of({kTea}));
}

TEST_F(MenuPageTest, TheRealDialogsAddTheirLinesOverTheDimmedPageAndTheOrderIsConfirmed)
{
    page->realDialogs = true;
    open();
    QStringList opened;
    // The customer in each dialog: its add key, once it is up over the dimmed page; the dialog
    // closes a moment later.
    const auto addFrom = [&](int tile) {
        Tile(*page, tile)->touch();
        QDialog* dialog = nullptr;
        EXPECT_TRUE(QTest::qWaitFor([&] {
            dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            return dialog && dialog != page.get() && dialog->isVisible();
        }));
        if (!dialog || dialog == page.get())
            return;
        opened << dialog->objectName() + (Backdrop(*page)->isVisible() ? QStringLiteral(" dimmed") : QString());
        dialog->findChild<CaptionKey*>(QStringLiteral("commandKey_3"))->touch();
        // The page behind takes no touch while the dialog is up, closing or not.
        EXPECT_TRUE(dialog->isVisible());
        clock->advance(100);
        EXPECT_FALSE(dialog->isVisible());
    };
    addFrom(0);  // 에스프레소
    addFrom(2);  // 아메리카노, its first size preselected
    EXPECT_EQ(opened,
              (QStringList{QStringLiteral("singleItemDialog dimmed"), QStringLiteral("optionItemDialog dimmed")}));
    ASSERT_EQ(page->composed().size(), 2);
    const order::OrderLine& espresso = page->composed().line(0);
    const order::OrderLine& americano = page->composed().line(1);
    EXPECT_EQ(espresso, order::Line(QStringLiteral("에스프레소"), 2000, 1, {}, QStringLiteral("101")));
    EXPECT_EQ(americano,
              order::Line(QStringLiteral("아메리카노"), 2500, 1, {{u"사이즈", u"레귤러", 0}}, americano.itemNumber));
    EXPECT_FALSE(americano.itemNumber.isEmpty());
    EXPECT_EQ(visibleRows(), 2);
    EXPECT_EQ(RowOptions(*page, 1)->text(), QStringLiteral("사이즈:레귤러"));
    EXPECT_EQ(OrderTotalLabel(*page)->text(), QStringLiteral("4,500"));
    EXPECT_FALSE(Backdrop(*page)->isVisible());
    EXPECT_TRUE(Tile(*page, 2)->isEnabled());

    CommandKey(*page, 7)->touch();
    ASSERT_EQ(ends.size(), 1);
    EXPECT_EQ(ends[0].end, MenuPageEnd::Confirmed);
    EXPECT_TRUE(ends[0].cart.selectionConfirmed);
    EXPECT_EQ(ends[0].cart.order, page->composed());
}

// While the shop keeps the menu's answers back the page stays on the screen with its loading panel
// and answers every key at once; the screen's thread is never held. How each way out is reported.
TEST_F(MenuPageTest, AStalledOrFailedLoadNeverHoldsThePageAndEndsAsTheCustomerOrTheLimitSays)
{
    // What happens during the load; None: the shop's answer ends it.
    enum class Act { None, TouchCancel, BackKey, PassTheLimit };
    const struct {
        const char* name;
        const char* path;
        const char* fault;
        const char* request;  // the request's trace line, written as it goes out
        Act act;
        MenuPageEnd end;
        const char* traced;
    } cases[] = {
        {"취소 touched", "/Admin/categoryloading.php", "delay", "Read_대분류_전체() ... http", Act::TouchCancel,
         MenuPageEnd::Left, "메뉴를 불러오는 중에 취소됨"},
        {"back key of the keypad", "/Admin/menuloading1.php", "delay", "Read_메뉴() ... http", Act::BackKey,
         MenuPageEnd::Left, "메뉴를 불러오는 중에 취소됨"},
        {"the load's time limit", "/shop/menuloading3.php", "delay", "menuloading3() ... http", Act::PassTheLimit,
         MenuPageEnd::LoadFailed, "초 안에 응답이 오지 않음"},
        {"an error answer", "/shop/menuloading3.php", "status", "menuloading3() ... http", Act::None,
         MenuPageEnd::LoadFailed, "응답이 없거나 올바르지 않음"},
    };
    // A stalled answer stays stalled: no stall limit or retry of the exchange ends it first.
    setHttpLimits({2000, 120000, 1, 120000, 120000});
    const auto requests = [](const char* line) {
        const QString prefix = QString::fromUtf8(line);
        return logEntries(QStringLiteral("_WinHttp")).filter(prefix).size()
            + logEntries(QStringLiteral("_WinHttp_3")).filter(prefix).size();
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ends.clear();
        shop.clearFaults();
        shop.setFault(QString::fromLatin1(c.path), QString::fromLatin1(c.fault), 1, 0, 60000);
        const int64_t held = ScreenHold::heldMs();
        const qsizetype traced = logEntries().filter(QString::fromUtf8(c.traced)).size();
        const qsizetype asked = requests(c.request);
        order.order = order::Of({kTea});
        order.selectionConfirmed = true;
        page->open(order);
        ASSERT_TRUE(page->isVisible());  // open() returned at once, the load under way
        EXPECT_TRUE(page->loading());
        if (c.act != Act::None) {
            // The stalled answer has been asked for; the page shows its loading state, and the
            // keypad reaches its one key.
            ASSERT_TRUE(QTest::qWaitFor([&] { return requests(c.request) > asked; }, 10000));
            EXPECT_TRUE(page->loading());
            EXPECT_TRUE(Find<QWidget>(page.get(), QStringLiteral("loadingPanel"))->isVisible());
            QStringList reachable;
            for (QWidget* element : page->keypad().elements())
                reachable << AccessibleName(element);
            EXPECT_EQ(reachable, QStringList{QStringLiteral("취소")});
            Tile(*page, 0)->touch();  // covered, and no tile acts while loading
            CommandKey(*page, 7)->touch();
            EXPECT_TRUE(touches.isEmpty());
            EXPECT_TRUE(ends.isEmpty());
            if (c.act == Act::TouchCancel)
                Find<CaptionKey>(page.get(), QStringLiteral("cancelLoadKey"))->touch();
            else if (c.act == Act::BackKey)
                Keypad(page.get(), Qt::Key_Escape);
            else
                clock->advance(page->loadLimitMs());
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return !ends.isEmpty(); }, 10000));
        EXPECT_EQ(ScreenHold::heldMs(), held);
        ASSERT_EQ(ends.size(), 1);
        EXPECT_EQ(ends[0].end, c.end);
        EXPECT_FALSE(ends[0].cart.selectionConfirmed);
        EXPECT_EQ(ends[0].cart.order, order::Of({kTea}));
        EXPECT_FALSE(page->isVisible());
        EXPECT_FALSE(page->loading());
        EXPECT_FALSE(IdleTick(*page)->isActive());
        EXPECT_EQ(logEntries().filter(QString::fromUtf8(c.traced)).size(), traced + 1);
        // A late answer changes nothing: the visit is over.
        clock->advance(60000);
        QTest::qWait(20);
        EXPECT_EQ(ends.size(), 1);
    }
    // The next visit, with the shop answering again, loads as always.
    shop.clearFaults();
    ends.clear();
    open();
    EXPECT_EQ(visibleTiles(), 20);
}

TEST(MenuPictureCache, DecodesOncePerFileSizeAndTime)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("7.png"));
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(path));
    PictureCache cache;
    const QPixmap first = cache.scaled(path, QSize(132, 70));
    EXPECT_EQ(first.size(), QSize(132, 70));
    EXPECT_EQ(cache.decodeCount(), 1);
    cache.scaled(path, QSize(132, 70));
    EXPECT_EQ(cache.decodeCount(), 1);
    cache.scaled(path, QSize(60, 60));  // another size
    EXPECT_EQ(cache.decodeCount(), 2);

    // Replaced on disk: decoded again and shown as it is now.
    image.fill(Qt::blue);
    ASSERT_TRUE(image.save(path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
    file.close();
    const QPixmap second = cache.scaled(path, QSize(132, 70));
    EXPECT_EQ(cache.decodeCount(), 3);
    EXPECT_EQ(second.toImage().pixel(10, 10), qRgb(0, 0, 255));

    EXPECT_TRUE(cache.scaled(dir.filePath(QStringLiteral("missing.png")), QSize(132, 70)).isNull());
    ASSERT_TRUE(QFile(path).resize(10));  // no longer a picture
    QFile again(path);
    ASSERT_TRUE(again.open(QIODevice::ReadWrite));
    ASSERT_TRUE(again.setFileTime(QDateTime::currentDateTime().addSecs(10), QFileDevice::FileModificationTime));
    again.close();
    EXPECT_TRUE(cache.scaled(path, QSize(132, 70)).isNull());
}
