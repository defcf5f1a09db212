// The menu page and the item dialogs on every screen size shops buy, in every look: no text cut, every
// key whole on the screen, no two keys on top of each other, the window the design's size times the
// stage scale; in every language, with no text of the terminal's own left in Korean.
#include "access/language.h"
#include "access/modes.h"
#include "catalogue/menu_catalogue.h"
#include "menu/ui/menu_page.h"
#include "menu/ui/menu_page_widgets.h"
#include "menu/ui/option_buttons.h"
#include "menu/ui/option_item_dialog.h"
#include "menu/ui/single_item_dialog.h"
#include "presentation/caption_key.h"
#include "support/barrier_free.h"
#include "support/demo_shop.h"
#include "support/long_option_item.h"
#include "support/orders.h"
#include "support/screen_sizes.h"
#include "support/screen_widgets.h"
#include "support/shop_login.h"
#include "support/sumbrel_test.h"

#include <QLabel>
#include <QPainter>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>

using namespace sumbrel;
using namespace sumbrel::menu;
using namespace sumbrel::testing;
using namespace Qt::StringLiterals;

namespace {

// In another language, the keys' captions and the labels' texts that still hold Korean, apart from
// the shop's own names (widgets whose name starts with one of `shopOwned`).
QStringList KoreanLeft(QWidget* window, const QStringList& shopOwned)
{
    if (access::VisitLanguage() == access::Language::Korean)
        return {};
    const auto korean = [](const QString& text) {
        return std::any_of(text.begin(), text.end(),
                           [](QChar c) { return c.unicode() >= 0xAC00 && c.unicode() <= 0xD7A3; });
    };
    QStringList left;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->window() != window
            || std::any_of(shopOwned.begin(), shopOwned.end(),
                           [w](const QString& p) { return w->objectName().startsWith(p); }))
            continue;
        QString text;
        if (auto* label = qobject_cast<QLabel*>(w))
            text = label->text();
        else if (auto* key = qobject_cast<CaptionKey*>(w))
            text = key->caption();
        // A picture named by its control's name tells no text.
        const QString name = w->accessibleName() == w->objectName() ? QString() : w->accessibleName();
        if (korean(text) || korean(name) || korean(w->accessibleDescription()))
            left << w->objectName() + u" \""_s + text + u"\" / "_s + w->accessibleName();
    }
    return left;
}

// The layout checks, and the window's size against the design's on the stage.
QStringList Faults(QWidget* window, QSize design, QSize screen)
{
    AddSizeFigures(window, screen);
    return LayoutFaults(window, screen) + SizeFaults(window, design, screen);
}

// On a tall screen the customer reaches down the whole page: its tiles and keys together span at least
// 85 % of its height. The low looks keep every key in the lower part instead.
QStringList ReachFaults(QWidget* page, const access::Modes& modes)
{
    if (!StagePortrait())
        return {};
    if (modes.low)
        return KeysAboveLowPart(page);
    QRect spread;
    for (const auto& [name, seen] : VisibleKeys(page))
        spread |= seen;
    if (spread.height() >= 0.85 * page->height())
        return {};
    return {u"tiles and keys span "_s + QString::number(spread.top()) + u".."_s + QString::number(spread.bottom())
            + u" of "_s + QString::number(page->height())};
}

// Every item dialog adds one line at once: the page's rows grow without a dialog.
class TeaPage : public MenuPage {
public:
    using MenuPage::MenuPage;

protected:
    void openItemDialog(const TileTouch&) override { itemDialogClosed(order::Line(u"Tea"_s, 3000)); }
};

class MenuPageSizesTest : public SumbrelTest {
protected:
    void SetUp() override
    {
        SumbrelTest::SetUp();
        session = LogInTo(shop);
        CopyShopPictures(shop);
    }
    DemoShop shop;
    Session session;
};

class ItemDialogSizesTest : public SumbrelTest {};

}  // namespace

// Loading, the first page of tiles with the cart's row, then the next tabs and tiles with a second row; on a
// tall screen also how far down the page the tiles and keys reach.
TEST_F(MenuPageSizesTest, EveryStateFitsEveryScreenInEveryLook)
{
    // The shop's category and item names, and the lines' names and options.
    const QStringList shopOwned{u"categoryTab_"_s, u"tile_"_s, u"tileName_"_s, u"rowName_"_s,
                                u"rowOptions_"_s};
    ForEveryStage([&](const StageCase& stage) {
        const QSize screen = stage.screen;
        const LookCase& look = stage.look;
        const std::string& where = stage.where;
        cart::OrderCart cart;
        cart.order = order::Of({order::Line(u"Coffee"_s, 3500, 2, {{u"Size", u"Large", 500}})});
        menu::MenuTables tables;
        TeaPage page(session, tables);
        page.open(cart);
        QStringList faults = Faults(&page, StageDesign(), screen) + KoreanLeft(&page, shopOwned);
        EXPECT_TRUE(faults.isEmpty()) << where << "loading\n" << faults.join(u'\n').toStdString();

        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return !page.loadPending() && !page.loading() && IdleTick(page)->isActive(); }, 10000))
            << where;
        ASSERT_GT(page.model().tiles().count, 0) << where;
        faults = Faults(&page, StageDesign(), screen) + ReachFaults(&page, look.modes) + KoreanLeft(&page, shopOwned);
        EXPECT_TRUE(faults.isEmpty()) << where << "tiles\n" << faults.join(u'\n').toStdString();

        // The next strip of tabs (longer names), its next page of tiles, and a second row.
        CommandKey(page, 1)->touch();
        CommandKey(page, 3)->touch();
        Tile(page, 0)->touch();
        EXPECT_EQ(page.model().composed.size(), 2) << where;
        faults = Faults(&page, StageDesign(), screen) + ReachFaults(&page, look.modes) + KoreanLeft(&page, shopOwned);
        EXPECT_TRUE(faults.isEmpty()) << where << "next tabs and tiles, two rows\n" << faults.join(u'\n').toStdString();
    });
}

namespace {

// The item dialog's faults: the layout checks, its size (the whole window in the low and large
// views, else the dialog's own in the screen's orientation), inside the page (in its lower middle on a
// standing screen), and in the low layout no key or option above the lower part.
// SUMBREL_SCREENSHOT_DIR=<folder> also saves it over the page.
QStringList DialogFaults(QWidget* dialog, QWidget* page, QSize own, QSize screen, bool low, const QString& shot)
{
    const bool full = ItemDialog::FullScreen();
    QStringList faults = Faults(dialog, full ? StageDesign() : own, screen);
    const QRect onPage(dialog->pos() - page->mapToGlobal(QPoint(0, 0)), dialog->size());
    if (!page->rect().contains(onPage))
        faults << u"the dialog at "_s + SizeName(onPage.size()) + u"+%1+%2"_s.arg(onPage.x()).arg(onPage.y())
                + u" is not inside the page"_s;
    // Standing, the dialog over the page sits in its lower middle, below the customer's eyes.
    const double middle = double(onPage.center().y()) / page->height();
    if (StagePortrait() && !full && (middle < 0.5 || middle > 0.7))
        faults << u"the dialog's middle at %1 of the page's height"_s.arg(middle);
    if (low) {
        faults << KeysAboveLowPart(dialog);
        const int top = dialog->height() - int(dialog->height() * access::kLowShare);
        for (OptionRow* row : dialog->findChildren<OptionRow*>())
            if (row->isVisible() && !VisibleRect(row).isEmpty() && VisibleRect(row).top() < top)
                faults << u"option "_s + row->objectName() + u" above the lower part"_s;
    }
    if (const QByteArray folder = qgetenv("SUMBREL_SCREENSHOT_DIR"); !folder.isEmpty()) {
        QPixmap over(page->size());
        over.fill(Qt::darkGray);
        QPainter(&over).drawPixmap(onPage.topLeft(), dialog->grab());
        over.save(QString::fromLocal8Bit(folder) + u'/' + SizeName(screen) + u'-' + shot + u".png"_s);
    }
    return faults;
}

}  // namespace

// Each dialog as it opens; the option dialog also with a choice made and every page of groups and of
// rows turned to.
TEST_F(ItemDialogSizesTest, EveryStateFitsEveryScreenInEveryLook)
{
    // The shop's item, its photo's name and its option groups' and options' names.
    const QStringList shopOwned{u"itemName"_s,  u"itemComposition"_s, u"itemDescription"_s,
                                u"itemPhoto"_s, u"groupTitle_"_s,  u"optionChoice"_s};
    ForEveryStage([&](const StageCase& stage) {
        const QSize screen = stage.screen;
        const LookCase& look = stage.look;
        const access::LanguageInfo& language = stage.language;
        const std::string& where = stage.where;
        const QString shot = QString::fromUtf8(language.code) + u'-' + QString::fromUtf8(look.name).replace(u' ', u'_');
        QWidget page;
        page.setGeometry(QRect(QPoint(0, 0), Px(StageDesign())));
        page.show();

        auto single = std::make_unique<SingleItemDialog>(&page);
        single->m_catalogue = sumbrel::testing::LongOptionCatalogue();
        single->m_row = 0;
        single->show();
        QStringList faults = DialogFaults(single.get(), &page, SingleItemDialog::DesignSize(), screen, look.modes.low,
                                          shot + u"-single"_s)
            + KoreanLeft(single.get(), shopOwned);
        EXPECT_TRUE(faults.isEmpty()) << where << "single\n" << faults.join(u'\n').toStdString();
        single.reset();

        auto options = std::make_unique<OptionItemDialog>(&page);
        options->m_catalogue = sumbrel::testing::LongOptionCatalogue();
        options->m_row = 0;
        options->show();
        int shots = 0;
        const auto check = [&](const char* state) {
            const QStringList found = DialogFaults(options.get(), &page, OptionItemDialog::DesignSize(), screen,
                                                   look.modes.low, shot + u"-options-%1"_s.arg(shots++))
                + KoreanLeft(options.get(), shopOwned);
            EXPECT_TRUE(found.isEmpty()) << where << state << "\n" << found.join(u'\n').toStdString();
        };
        check("options");
        const QList<OptionRow*> rows = options->findChildren<OptionRow*>();
        ASSERT_FALSE(rows.isEmpty()) << where;
        for (OptionRow* row : rows) {
            if (row->isVisible()) {
                row->click();
                break;
            }
        }
        check("an option chosen");
        // Every group page, and on each every group's next page of rows.
        for (int groupPage = 0; groupPage < 4; ++groupPage) {
            for (CaptionKey* key : options->findChildren<CaptionKey*>()) {
                if (key->isVisible() && key->objectName().startsWith(u"groupPageKey"_s)
                    && key->objectName().endsWith(u"_1"_s)) {
                    key->touch();
                    check("rows paged");
                }
            }
            CaptionKey* next = options->findChild<CaptionKey*>(u"commandKey_2"_s);
            if (!next || !next->isVisible())
                break;
            next->touch();
            check("groups paged");
        }
    });
}
