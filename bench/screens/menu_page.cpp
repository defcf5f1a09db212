// Timings of the menu page against a demo shop with 500 items in 8 categories, every item with a
// picture: the first activation of an opening, a page flip (also the slowest of many first visits on
// a standing screen), and a tile touch to its option dialog.
#include "screens/figure.h"

#include "menu/ui/menu_page.h"
#include "menu/ui/menu_page_widgets.h"
#include "menu/ui/picture_cache.h"
#include "presentation/caption_key.h"
#include "presentation/stage_scale.h"
#include "startup/global_state.h"
#include "support/demo_shop.h"
#include "support/shop_login.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <utility>

namespace {

using namespace sumbrel;

struct MenuBench;
MenuBench& bench();

// One demo shop and one page per process, as in the running terminal.
struct MenuBench {
    QTemporaryDir home;
    DemoShop shop{{QStringLiteral("--seed-size"), QStringLiteral("500,8")}};
    Session session;
    menu::MenuTables tables;
    std::unique_ptr<MenuPage> page;

    MenuBench()
    {
        SetProgramFolder(home.path());
        gs().menuImageFolder = home.path() + QStringLiteral("/menu_img");
        gs().skinFolder = home.path() + QStringLiteral("/skin2");
        session = sumbrel::testing::LogInTo(shop);
        sumbrel::testing::CopyShopPictures(shop);
        page = std::make_unique<MenuPage>(session, tables);
        page->move(0, 0);
        // Statics end after main's application object, when widgets cannot be destroyed any more:
        // the page goes with the application, its picture worker ended before the images' world.
        qAddPostRoutine([] { bench().page.reset(); });
    }
    bool loaded() const
    {
        return !page->loadPending() && !page->loading()
            && page->findChild<ClockTimer*>(QStringLiteral("idleTick"))->isActive();
    }
    // Opens the page as the reception screen does (open() returns at once, the menu loads off the
    // screen's thread): the time until the page is on the screen and answers (its loading panel
    // painted), and until its tiles are painted.
    struct Opening {
        double shownMs = 0;
        double loadedMs = 0;
    };
    Opening open()
    {
        page->hide();
        QCoreApplication::processEvents();
        QElapsedTimer t;
        t.start();
        Opening o;
        page->open(cart::OrderCart{});
        page->repaint();
        o.shownMs = t.nsecsElapsed() / 1e6;
        while (!loaded())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        page->repaint();
        o.loadedMs = t.nsecsElapsed() / 1e6;
        return o;
    }
};

MenuBench& bench()
{
    static MenuBench b;
    return b;
}

void PrepareShop()
{
    bench();
}

// A touch to the page on the screen, answering (its three loads under way off the screen's thread).
const bench::RegisterFigure kOpen({QStringLiteral("menu_open_ms"), 33, [] { return bench().open().shownMs; }, PrepareShop});
// A touch to the tiles painted: the slowest of the three answers (the demo shop's catalogue of 500
// items) plus reading them and building the page.
const bench::RegisterFigure kLoaded({QStringLiteral("menu_loaded_ms"), 150, [] { return bench().open().loadedMs; }, PrepareShop});

// The same with no picture decoded yet, as the first opening after a start.
const bench::RegisterFigure kOpenCold({QStringLiteral("menu_loaded_cold_ms"), 150, [] {
                                           bench().page->pictures().clear();
                                           return bench().open().loadedMs;
                                       }, PrepareShop});

const bench::RegisterFigure kFlip({QStringLiteral("page_flip_ms"), 16, [] {
                                       MenuBench& b = bench();
                                       if (!b.page->isVisible())
                                           b.open();
                                       QElapsedTimer t;
                                       t.start();
                                       b.page->findChild<CaptionKey*>(QStringLiteral("commandKey_3"))->touch();
                                       b.page->repaint();
                                       return t.nsecsElapsed() / 1e6;
                                   }, PrepareShop});

// The standing screen's page (1080 x 1920 at scale 1), beside the lying one: the stage is portrait
// while it is built and used, and lying again after.
class StandingStage {
public:
    StandingStage()
    {
        SetStageScale(1.0);
        SetStagePortrait(true);
    }
    ~StandingStage() { SetStagePortrait(false); }
    StandingStage(const StandingStage&) = delete;
    StandingStage& operator=(const StandingStage&) = delete;
};

MenuPage& standingPage()
{
    // Goes with the application, as the lying page.
    static MenuPage* page = [] {
        bench();  // the shop, the folder and the pictures
        auto* built = new MenuPage(bench().session, bench().tables);
        built->move(0, 0);
        qAddPostRoutine([] { delete std::exchange(page, nullptr); });
        return built;
    }();
    if (!page->isVisible()) {
        page->open(cart::OrderCart{});
        while (page->loadPending() || page->loading()
               || !page->findChild<ClockTimer*>(QStringLiteral("idleTick"))->isActive())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
    return *page;
}

// The customer reading the page before the next touch: the events of that time run.
void readFor(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
}

// Every picture forgotten, then each category opened by its tab (not timed) and its pages flipped
// through once, a quarter second of reading before each touch: the slowest of 20 flips to a page not
// seen before.
const bench::RegisterFigure
    kFlipMax({QStringLiteral("page_flip_max_ms"), 16, [] {
                  StandingStage standing;
                  MenuPage& page = standingPage();
                  page.pictures().clear();
                  constexpr int kFlips = 20;
                  constexpr int kReadMs = 250;
                  int flips = 0;
                  int onScreen = 0;  // pictures the flips decoded themselves (none when read ahead)
                  double slowest = 0;
                  for (int strip = 0; strip < 4 && flips < kFlips; ++strip) {
                      for (int tab = 0; tab < menu::kTabCount && flips < kFlips; ++tab) {
                          if (page.model().tabs().captions[size_t(tab)].isEmpty())
                              continue;
                          page.categoryTabClicked(tab);
                          page.repaint();
                          readFor(kReadMs);
                          for (int p = 1; p < page.model().tiles().pages && flips < kFlips; ++p, ++flips) {
                              const int decodes = page.pictures().decodeCount();
                              QElapsedTimer t;
                              t.start();
                              page.findChild<CaptionKey*>(QStringLiteral("commandKey_3"))->touch();
                              page.repaint();
                              slowest = std::max(slowest, t.nsecsElapsed() / 1e6);
                              onScreen += page.pictures().decodeCount() - decodes;
                              readFor(kReadMs);
                          }
                      }
                      page.findChild<CaptionKey*>(QStringLiteral("commandKey_1"))->touch();
                  }
                  if (onScreen > 0)
                      std::fprintf(stderr, "page_flip_max_ms: %d pictures decoded by the flips\n", onScreen);
                  // Off the screen again: the other figures find the lying page the modal one.
                  page.hide();
                  return flips == kFlips ? slowest : -1.0;
              }, PrepareShop});

// A touch of a tile with three option groups until its dialog is shown (and painted) over the
// dimmed page; the dialog is then closed unseen.
const bench::RegisterFigure kTile({QStringLiteral("tile_to_dialog_ms"), 50, [] {
                                       MenuBench& b = bench();
                                       if (!b.page->isVisible())
                                           b.open();
                                       int tile = 0;
                                       while (tile + 1 < menu::kTileCount
                                              && (!b.page->model().tileEntry(tile)
                                                  || b.page->model().tileEntry(tile)->optionGroups != 3))
                                           ++tile;
                                       // The dialog is shown (and set up) within the touch; it is painted, then closed
                                       // unseen.
                                       QElapsedTimer t;
                                       t.start();
                                       b.page->findChild<menu::MenuTile*>(QStringLiteral("tile_%1").arg(tile))->touch();
                                       auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                                       if (!dialog || dialog == b.page.get() || !dialog->isVisible())
                                           return -1.0;
                                       dialog->repaint();
                                       const double ms = t.nsecsElapsed() / 1e6;
                                       dialog->findChild<CaptionKey*>(QStringLiteral("commandKey_0"))->touch();
                                       while (QApplication::activeModalWidget() != b.page.get())
                                           QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
                                       return ms;
                                   }, PrepareShop});

}  // namespace
