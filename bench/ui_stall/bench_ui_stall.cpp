// The reception screen and its menu page with the program's own HTTP limits against a shop that
// stalls for 60 s: every waiting-status request; the menu page's three loads while a customer keeps
// opening it and touching it; the order while the customer touches the completion panel and starts
// again. The worst lateness of a 10 ms timer on the screen's thread, per run, and the median of the
// runs for each case.
//   bench_ui_stall [--seconds S] [--runs N] [--cpu-share F]      (defaults: 60 s, 3 runs)
// --cpu-share F: the screens' side on F of one core, each run's demo shop started outside the share.
// Prints each case's median, then "ui_stall_max_ms: N" (the largest of them) last.
#include "cpu_share.h"
#include "menu/ui/menu_page.h"
#include "menu/ui/menu_page_widgets.h"
#include "reception/ui/reception_screen.h"
#include "server/endpoints.h"
#include "server/http_client.h"
#include "startup/global_state.h"
#include "support/demo_shop.h"
#include "support/log_entries.h"
#include "support/menu_link.h"
#include "support/screen_widgets.h"
#include "support/shop_login.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

using namespace sumbrel;
using namespace sumbrel::reception;

namespace {

const QMap<QString, QString> kStall{{QStringLiteral("delay_ms"), QStringLiteral("60000")}};

// What the customer does once a second; it counts what it started (a menu opening, an order).
using Customer = std::function<void(ReceptionScreen&, MenuPage&, int& started)>;

struct Case {
    const char* name;
    QStringList stalled;  // the shop's paths that stall every request
    Customer touch;
    bool realMenu = false;  // the menu page opens; otherwise a stand-in gives a cart at once
};

void TypePhone(ReceptionScreen& s)
{
    for (const int d : {1, 2, 3, 4, 5, 6, 7, 8})
        sumbrel::testing::KeyOf(s, DigitKey<PhoneKey>(d))->touch();
}

// On the start panel a takeout; on the menu page (loading or not) a touch of a tile and of the
// page's own keys, which the loading page drops.
void OpensTheMenu(ReceptionScreen& s, MenuPage& page, int& started)
{
    if (page.isVisible()) {
        if (auto* tile = page.findChild<menu::MenuTile*>(QStringLiteral("tile_0")))
            tile->touch();
        sumbrel::testing::PressNamed(&page, QStringLiteral("선택완료"));
        return;
    }
    if (s.path().currentPanel() == kStartPanel) {
        sumbrel::testing::KeyOf(s, PanelKey::Takeout)->touch();
        started += page.isVisible() ? 1 : 0;
    }
}

// From the start panel to a card payment with the stand-in page's cart; while the order is under
// way, the completion panel's and the payment panel's keys.
void Orders(ReceptionScreen& s, MenuPage&, int& started)
{
    switch (s.path().currentPanel()) {
    case kStartPanel:
        sumbrel::testing::KeyOf(s, PanelKey::Takeout)->touch();
        TypePhone(s);
        sumbrel::testing::KeyOf(s, PhoneKey::Next)->touch();
        break;
    case kPaymentPanel:
        sumbrel::testing::KeyOf(s, PanelKey::Card)->touch();
        started += s.sending() ? 1 : 0;
        break;
    default:
        sumbrel::testing::KeyOf(s, CarKey::Confirm)->touch();
        sumbrel::testing::KeyOf(s, PanelKey::Card)->touch();
        break;
    }
}

// One run: the worst lateness in ms, and how many menu openings or orders the customer started.
std::pair<qint64, int> Run(const Case& c, int seconds, bench::CpuShare* slowed)
{
    QTemporaryDir folder;
    gs() = GlobalState{};
    SetProgramFolder(folder.path());
    // The shop keeps the machine's full speed: it is started outside the share.
    if (slowed)
        slowed->leave();
    DemoShop shop;
    if (slowed)
        slowed->enter();
    shop.setSettings({{QStringLiteral("TOWhereYN"), QStringLiteral("N")},
                      {QStringLiteral("TakeOutCarYN"), QStringLiteral("N")},
                      {QStringLiteral("TOPayTypeS"), QStringLiteral("Y")}});
    const Session session = sumbrel::testing::LogInTo(shop);
    ReceptionScreen screen(session);
    menu::MenuTables tables;
    MenuPage page(session, tables, &screen);
    if (c.realMenu) {
        sumbrel::testing::LinkMenuPage(screen, page);
    } else {
        // The order case's menu: a confirmed cart at once.
        QObject::connect(&screen, &ReceptionScreen::menuRequested, &screen, [&screen](const cart::OrderCart& order) {
            cart::OrderCart result = order;
            result.order.add({QStringLiteral("1"), QStringLiteral("아메리카노"), order::Money::Won(3000), 1, {}});
            result.selectionConfirmed = true;
            screen.menuClosed(result);
        });
    }
    // Built against a shop that answers; from here on the case's paths stall.
    for (const QString& path : c.stalled)
        shop.addFault(path, QStringLiteral("delay"), kStall, 0);
    screen.show();
    screen.pollWaitingStatus();

    qint64 worst = 0;
    QElapsedTimer sinceTick;
    QTimer beat;
    beat.setTimerType(Qt::PreciseTimer);
    QObject::connect(&beat, &QTimer::timeout, [&] { worst = std::max(worst, sinceTick.restart() - 10); });
    int started = 0;
    QTimer customer;
    if (c.touch)
        QObject::connect(&customer, &QTimer::timeout, [&] { c.touch(screen, page, started); });
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    sinceTick.start();
    beat.start(10);
    customer.start(1000);
    loop.exec();
    beat.stop();
    customer.stop();
    page.hide();
    // The shop's handlers are all stalled now: it is not asked anything more.
    return {worst, started};
}

}  // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int seconds = 60;
    int runs = 3;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--seconds") == 0)
            seconds = std::max(1, std::atoi(argv[++i]));
        else if (std::strcmp(argv[i], "--runs") == 0)
            runs = std::max(1, std::atoi(argv[++i]));
    }
    std::unique_ptr<bench::CpuShare> slowed;
    if (const std::optional<double> share = bench::CpuShareArgument(argc, argv))
        slowed = std::make_unique<bench::CpuShare>(*share);
    const HttpLimits limits = httpLimits();
    std::printf("limits: connect %d ms, stall %d ms, %d attempts, attempt %d ms, call %d ms; poll every 15 s\n",
                limits.connectMs, limits.stallMs, limits.attempts, limits.attemptMs, limits.callMs);
    const auto path = [](const char16_t* p) { return QString::fromUtf16(p); };
    const Case cases[] = {
        {"poll", {path(endpoints::kReceptionSettings)}, {}, false},
        {"menu",
         {path(endpoints::kCategories), path(endpoints::kCatalogue), path(endpoints::kMenuPage)},
         OpensTheMenu,
         true},
        {"order", {path(endpoints::kOrder)}, Orders, false},
    };
    qint64 largest = 0;
    for (const Case& c : cases) {
        std::vector<qint64> worst;
        for (int r = 0; r < runs; ++r) {
            const auto [ms, started] = Run(c, seconds, slowed.get());
            worst.push_back(ms);
            std::printf("%s run %d: %d s, worst lateness %lld ms, %d menu openings or orders started\n", c.name, r + 1,
                        seconds, static_cast<long long>(ms), started);
            std::fflush(stdout);
        }
        std::sort(worst.begin(), worst.end());
        const qint64 median = worst[worst.size() / 2];
        std::printf("ui_stall_%s_ms: %lld\n", c.name, static_cast<long long>(median));
        largest = std::max(largest, median);
    }
    std::printf("ui_stall_max_ms: %lld\n", static_cast<long long>(largest));
    return 0;
}
