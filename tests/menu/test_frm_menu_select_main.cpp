// The menu page against the demo shop: loading, paging, tiles, the dimmed page behind a dialog, the
// order rows, the limits, confirm, cancel and the idle close.
#include "catalogue/category_table.h"
#include "catalogue/menu_catalogue.h"
#include "menu/ui/frm_menu_select_main.h"
#include "menu/ui/menu_page_widgets.h"
#include "menu/ui/menu_photo.h"
#include "menu/ui/picture_cache.h"
#include "presentation/caption_key.h"
#include "support/demo_shop.h"
#include "support/orders.h"
#include "support/screen_widgets.h"
#include "support/shop_login.h"
#include "support/sumbrel_test.h"

#include <QAccessible>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <algorithm>
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

class MenuPageTest : public SumbrelTest {
protected:
    void SetUp() override
    {
        SumbrelTest::SetUp();
        LogInTo(shop);
        CopyShopPictures(shop);
        PictureCache::shared().clear();
        page = std::make_unique<frmMenuSelectMain>();
        realDialogs = page->openItemDialog;
        page->openItemDialog = [this](const TileTouch& touch) -> std::optional<order::OrderLine> {
            touches.append(touch);
            shadowShown = picShadow(*page)->isVisible();
            behind = page->grab().toImage();
            return lineToAdd;
        };
    }
    void TearDown() override
    {
        page.reset();
        SumbrelTest::TearDown();
    }

    // Opens the page as the reception screen does (without the modal loop) and waits for the load.
    void open()
    {
        page->prepare(order);
        page->show();
        ASSERT_TRUE(QTest::qWaitFor([this] { return loaded(); }, 10000));
    }
    bool loaded() const { return !page->m_FirstActivated && page->isEnabled() && Timer3(*page)->isActive(); }
    int visibleTiles() const
    {
        int n = 0;
        for (int k = 0; k < kTileCount; ++k)
            n += picMenu(*page, k)->isVisibleTo(page.get()) ? 1 : 0;
        return n;
    }
    int visibleRows() const
    {
        int n = 0;
        for (int i = 0; i < kOrderRows; ++i)
            n += SetNum_Frame(*page, i)->isVisibleTo(page.get()) ? 1 : 0;
        return n;
    }

    DemoShop shop;
    cart::OrderCart order;  // the reception screen's cart, as it hands it over
    std::unique_ptr<frmMenuSelectMain> page;
    QList<TileTouch> touches;
    std::optional<order::OrderLine> lineToAdd = kTea;
    std::function<std::optional<order::OrderLine>(const TileTouch&)> realDialogs;
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
    EXPECT_GT(categoryTable().rowCount(), 0);
    EXPECT_GT(menuCatalogue().rowCount(), 0);

    // Seven categories: the first five on the tabs, the first one current.
    EXPECT_EQ(CategoryTab(*page, 0)->caption(), QStringLiteral("커피"));
    EXPECT_EQ(CategoryTab(*page, 4)->caption(), QStringLiteral("디저트"));
    EXPECT_EQ(CategoryTab(*page, 0)->background(), frmMenuSelectMain::tabColour(true));
    EXPECT_EQ(CategoryTab(*page, 1)->background(), frmMenuSelectMain::tabColour(false));
    // 커피 has 24 items: a full first page.
    EXPECT_EQ(visibleTiles(), 20);
    EXPECT_EQ(m_nameLabel(*page, 0)->text(), QStringLiteral("에스프레소"));
    EXPECT_EQ(TilePriceLabel(*page, 0)->text(), QStringLiteral("2,000원"));
    EXPECT_EQ(PageCounterLabel(*page)->text(), QStringLiteral("1/2"));
    EXPECT_TRUE(PageImage(*page)->isVisibleTo(page.get()));
    EXPECT_EQ(PageImage(*page)->y(), 372);
    // 롱블랙 has no picture: the placeholder stands in.
    EXPECT_EQ(m_nameLabel(*page, 9)->text(), QStringLiteral("롱블랙"));
    const QSize photo = m_photoLabel(*page, 9)->size();
    EXPECT_EQ(m_photoLabel(*page, 9)->pixmap().toImage(), MenuPhotoPlaceholder(photo).toImage());
    EXPECT_NE(m_photoLabel(*page, 0)->pixmap().toImage(), MenuPhotoPlaceholder(photo).toImage());
    // The cart handed over is drawn at once.
    EXPECT_EQ(visibleRows(), 1);
    EXPECT_EQ(SetMenuName(*page, 0)->text(), QStringLiteral("Coffee"));
    EXPECT_EQ(SetOptionMenu(*page, 0)->text(), QStringLiteral("Size:Large"));
    EXPECT_EQ(OrderCountLabel(*page)->text(), QStringLiteral("1"));
    EXPECT_EQ(OrderTotalLabel(*page)->text(), QStringLiteral("7,000"));

    // What a screen reader hears.
    QAccessibleInterface* tile = QAccessible::queryAccessibleInterface(picMenu(*page, 0));
    ASSERT_NE(tile, nullptr);
    EXPECT_EQ(tile->role(), QAccessible::Button);
    EXPECT_EQ(tile->text(QAccessible::Name), QStringLiteral("에스프레소"));
    EXPECT_EQ(tile->text(QAccessible::Description), QStringLiteral("에스프레소, 2,000원"));
    EXPECT_EQ(AccessibleName(CategoryTab(*page, 1)), QStringLiteral("라떼"));
    EXPECT_EQ(AccessibleName(CmdLabel(*page, 7)), QStringLiteral("선택완료"));
    EXPECT_EQ(AccessibleName(SetNum_Add(*page, 0)), QStringLiteral("+"));
    EXPECT_EQ(AccessibleName(m_nameLabel(*page, 1)), QStringLiteral("도피오"));
    EXPECT_EQ(AccessibleName(OrderTotalLabel(*page)), QStringLiteral("합계 7,000원"));
    EXPECT_EQ(AccessibleName(OrderCountLabel(*page)), QStringLiteral("총 수량 1"));

    // Paging decodes no picture twice; a double tap moves two pages.
    const int decoded = PictureCache::shared().decodeCount();
    CmdLabel(*page, 3)->touch();
    EXPECT_EQ(PageCounterLabel(*page)->text(), QStringLiteral("2/2"));
    EXPECT_EQ(PageImage(*page)->y(), 472);
    EXPECT_EQ(visibleTiles(), 4);
    EXPECT_EQ(m_nameLabel(*page, 0)->text(), QStringLiteral("아인슈페너"));
    CmdLabel(*page, 2)->touch();
    EXPECT_EQ(m_nameLabel(*page, 0)->text(), QStringLiteral("에스프레소"));
    CmdLabel(*page, 3)->doubleTouch();
    EXPECT_EQ(PageCounterLabel(*page)->text(), QStringLiteral("1/2"));
    EXPECT_EQ(PictureCache::shared().decodeCount(), decoded + 3);  // page 2 once (크림 콜드브루 has no picture)

    // Another tab; an activation without the flag only traces.
    CategoryTab(*page, 1)->touch();
    EXPECT_EQ(m_nameLabel(*page, 0)->text(), QStringLiteral("카페라떼"));
    EXPECT_TRUE(PageCounterLabel(*page)->text().isEmpty());
    EXPECT_FALSE(PageImage(*page)->isVisibleTo(page.get()));
    page->Form_Activate();
    EXPECT_EQ(logEntries().filter(QStringLiteral("[MenuSelectMain→Form_Activate] Quit")).size(), 1);

    // A screen reader's press is a touch of the tile.
    ASSERT_NE(tile->actionInterface(), nullptr);
    tile->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_EQ(touches.size(), 1);
    EXPECT_EQ(touches[0].srl, page->model().tileEntry(0)->col[kTileNum]);
}

TEST_F(MenuPageTest, ATileOpensItsDialogOverTheDimmedPageAndTheNewLineShows)
{
    order.order = Lines(3);
    open();
    picMenu(*page, 0)->touch();  // 에스프레소: no option group
    picMenu(*page, 2)->touch();  // 아메리카노: size and extras
    ASSERT_EQ(touches.size(), 2);
    EXPECT_EQ(touches[0].dialog, DialogKind::Single);
    EXPECT_EQ(touches[0].srl, QStringLiteral("101"));
    EXPECT_EQ(menuCatalogue().at(touches[0].menuIndex.toInt(), kColNum), QStringLiteral("101"));
    EXPECT_EQ(touches[1].dialog, DialogKind::Options);

    // Behind the dialog: the page darkened (AND 100) except the order list.
    EXPECT_TRUE(shadowShown);
    const QRgb tile = behind.pixel(40, 230);  // the white of tile 0, beside its price
    EXPECT_LE(qRed(tile), 100);
    EXPECT_LE(qBlue(tile), 100);
    EXPECT_EQ(behind.pixel(820, 115), qRgb(255, 255, 255));  // the order list's card
    EXPECT_FALSE(picShadow(*page)->isVisible());
    EXPECT_TRUE(picMenu(*page, 2)->isEnabled());

    // Five lines now: the newest is in view at the list's end.
    EXPECT_EQ(visibleRows(), 5);
    EXPECT_EQ(picList(*page)->height(), 695);
    EXPECT_EQ(picList(*page)->y(), 415 - 695);
    EXPECT_EQ(OrderCountLabel(*page)->text(), QStringLiteral("5"));
    CmdLabel(*page, 4)->touch();
    EXPECT_EQ(picList(*page)->y(), 0);
}

TEST_F(MenuPageTest, TwentyLinesAndUnknownMenusOpenNoDialog)
{
    order.order = Lines(20);
    open();
    picMenu(*page, 0)->touch();
    EXPECT_TRUE(touches.isEmpty());
    ASSERT_EQ(dialogs->messages.size(), 1);
    EXPECT_EQ(dialogs->messages[0].text, QStringLiteral("메뉴 갯수 한계만큼 주문되었습니다!"));
    EXPECT_EQ(dialogs->messages[0].icon, MessageIcon::Critical);

    Set_Delete(*page, 19)->touch();
    EXPECT_EQ(visibleRows(), 19);
    picMenu(*page, 0)->touch();
    EXPECT_EQ(touches.size(), 1);

    Set_Delete(*page, 0)->touch();
    menuCatalogue().clear();
    picMenu(*page, 1)->touch();
    EXPECT_EQ(touches.size(), 1);
    ASSERT_EQ(dialogs->messages.size(), 2);
    EXPECT_EQ(dialogs->messages[1].text, QStringLiteral("메뉴 오류입니다!\r\n\r\n프로그램 종료 후 다시 시작하세요"));
    EXPECT_TRUE(picMenu(*page, 1)->isEnabled());
}

TEST_F(MenuPageTest, RowKeysChangeTheOrder)
{
    order.order = order::Of({kCoffee, kTea});
    open();
    SetNum_Add(*page, 0)->touch();
    order::OrderLine three = kCoffee;
    three.quantity = 3;
    EXPECT_EQ(page->m_SELECTED, order::Of({three, kTea}));
    EXPECT_EQ(SetNum(*page, 0)->text(), QStringLiteral("3"));
    EXPECT_EQ(SetPrice(*page, 0)->text(), QStringLiteral("10,500원"));
    SetNum_Sub(*page, 0)->doubleTouch();  // two steps
    EXPECT_EQ(SetNum(*page, 0)->text(), QStringLiteral("1"));
    SetNum_Sub(*page, 0)->touch();  // stays at 1
    EXPECT_EQ(SetNum(*page, 0)->text(), QStringLiteral("1"));
    Set_Delete(*page, 0)->touch();
    EXPECT_EQ(page->m_SELECTED, order::Of({kTea}));
    EXPECT_EQ(SetSerial(*page, 0)->text(), QStringLiteral("1"));
    EXPECT_EQ(SetMenuName(*page, 0)->text(), QStringLiteral("Tea"));
    EXPECT_EQ(OrderTotalLabel(*page)->text(), QStringLiteral("3,000"));

    // A name wider than 159 pixels in picList's font takes the upper place.
    page->m_SELECTED = order::Of({order::Line(QStringLiteral("아이스 디카페인 아메리카노 라지 사이즈"), 3500)});
    EXPECT_TRUE(page->Draw_Order());
    EXPECT_EQ(SetMenuName(*page, 0)->y(), 15);
    EXPECT_EQ(SetPrice(*page, 0)->y(), 59);
    EXPECT_EQ(OrderCountLabel(*page)->text(), QStringLiteral("1"));
    page->m_SELECTED = Lines(2);
    EXPECT_TRUE(page->Draw_Order());
    EXPECT_EQ(OrderCountLabel(*page)->text(), QStringLiteral("2"));
}

TEST_F(MenuPageTest, ConfirmTakesTheCartCancelDropsTheVisit)
{
    order.order = order::Of({kTea});
    open();
    picMenu(*page, 0)->touch();  // one more line in this visit
    CmdLabel(*page, 6)->touch();
    EXPECT_FALSE(page->isVisible());
    EXPECT_FALSE(order.selectionConfirmed);
    EXPECT_EQ(order.order, order::Of({kTea}));

    // Reopened: the cart as it was before that visit. An empty cart is not confirmed.
    open();
    EXPECT_EQ(page->m_SELECTED, order::Of({kTea}));
    EXPECT_EQ(visibleRows(), 1);
    Set_Delete(*page, 0)->touch();
    CmdLabel(*page, 7)->touch();
    EXPECT_TRUE(page->isVisible());

    // The modal opening as the reception screen uses it: a line added, then confirmed with a double tap.
    page->hide();
    order.order = order::Of({kCoffee});
    QTimer driver;
    driver.setInterval(5);
    QObject::connect(&driver, &QTimer::timeout, [this, &driver] {
        if (!loaded())
            return;
        driver.stop();
        picMenu(*page, 1)->touch();
        CmdLabel(*page, 7)->doubleTouch();
    });
    driver.start();
    QTimer::singleShot(15000, page.get(), [this] { page->hide(); });  // never hang the suite
    page->open(order);
    EXPECT_TRUE(order.selectionConfirmed);
    EXPECT_EQ(order.order, order::Of({kCoffee, kTea}));
}

TEST_F(MenuPageTest, IdlePageClosesUnconfirmedAfterThirtySeconds)
{
    order.order = order::Of({kTea});
    order.selectionConfirmed = true;  // from an earlier confirmation
    open();
    QList<int> shown;  // the seconds the countdown showed, in order
    QObject::connect(Timer3(*page), &ClockTimer::timeout, [this, &shown] {
        const int seconds = m_idleCountdownLabel(*page)->text().chopped(1).toInt();
        if (m_idleCountdownLabel(*page)->text().endsWith(u'초') && (shown.isEmpty() || shown.last() != seconds))
            shown << seconds;
    });
    clock->advance(29999);
    EXPECT_TRUE(page->isVisible());
    clock->advance(501);
    EXPECT_FALSE(page->isVisible());
    EXPECT_FALSE(order.selectionConfirmed);
    EXPECT_FALSE(Timer3(*page)->isActive());
    // Counting down second by second from thirty.
    QList<int> expected;
    for (int second = 30; second >= 1; --second)
        expected << second;
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(order.order, order::Of({kTea}));
}

TEST_F(MenuPageTest, TheRealDialogsAddTheirLinesOverTheDimmedPage)
{
    page->openItemDialog = realDialogs;
    open();
    QStringList opened;
    // The customer in the dialog: its add key, once it is up over the dimmed page.
    QTimer customer;
    customer.setInterval(5);
    QObject::connect(&customer, &QTimer::timeout, [this, &opened] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || dialog == page.get() || !dialog->isVisible())
            return;
        opened << dialog->objectName() + (picShadow(*page)->isVisible() ? QStringLiteral(" dimmed") : QString());
        dialog->findChild<CaptionKey*>(QStringLiteral("CmdLabel_3"))->touch();
    });
    customer.start();
    QTimer::singleShot(20000, [] {  // never hang the suite
        if (QWidget* stuck = QApplication::activeModalWidget())
            stuck->hide();
    });
    picMenu(*page, 0)->touch();  // 에스프레소
    picMenu(*page, 2)->touch();  // 아메리카노, its first size preselected
    EXPECT_EQ(opened,
              (QStringList{QStringLiteral("frmMenuSelectSubA dimmed"), QStringLiteral("frmMenuSelectSubB dimmed")}));
    ASSERT_EQ(page->m_SELECTED.size(), 2);
    const order::OrderLine& espresso = page->m_SELECTED.line(0);
    const order::OrderLine& americano = page->m_SELECTED.line(1);
    EXPECT_EQ(espresso, order::Line(QStringLiteral("에스프레소"), 2000, 1, {}, QStringLiteral("101")));
    EXPECT_EQ(americano, order::Line(QStringLiteral("아메리카노"), 2500, 1, {{u"사이즈", u"레귤러", 0}}, americano.itemNumber));
    EXPECT_FALSE(americano.itemNumber.isEmpty());
    EXPECT_EQ(visibleRows(), 2);
    EXPECT_EQ(SetOptionMenu(*page, 1)->text(), QStringLiteral("사이즈:레귤러"));
    EXPECT_EQ(OrderTotalLabel(*page)->text(), QStringLiteral("4,500"));
    EXPECT_FALSE(picShadow(*page)->isVisible());
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
