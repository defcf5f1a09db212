// Walks the terminal's screens on a real (virtual) display and saves what the screen shows:
// the login screen (also with its on-screen keyboard, letters and signs), the start panel, the menu
// page (both pages of the long category, both item dialogs over the dimmed page, the composed
// order), the phone panel with the order list, the car and payment panels, and the completion
// panel as accepted and as refused for a number already registered.
#include "catalogue/category_table.h"
#include "catalogue/menu_catalogue.h"
#include "login/ui/login_screen.h"
#include "menu/ui/menu_page.h"
#include "presentation/caption_key.h"
#include "reception/ui/reception_screen.h"
#include "startup/global_state.h"
#include "startup/startup.h"

#include "shots.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTimer>
#include <cstdio>
#include <memory>

using namespace sumbrel;
using namespace sumbrel::shots;

namespace {

// Until the item dialog over the page has closed (at most 15 s).
void AwaitDialogClosed(const MenuPage* page)
{
    QElapsedTimer wait;
    wait.start();
    while (QApplication::activeModalWidget() && QApplication::activeModalWidget() != page && wait.elapsed() < 15000)
        settle(50);
}

// The customer on the menu page: both pages of the long category, an item of each dialog, confirm.
// A later visit only orders (no pictures of the page again).
void menuWalk(MenuPage* page, const QString& folder, bool& ok, bool shots)
{
    QElapsedTimer wait;
    wait.start();
    while ((page->loadPending() || page->loading() || !page->isEnabled()) && wait.elapsed() < 20000)
        settle(100);
    const QString dir = shots ? folder : QString();
    if (shots) {
        ok = shoot(folder, QStringLiteral("menu-page1.png")) && ok;
        click(page, QStringLiteral("commandKey_3"));
        ok = shoot(folder, QStringLiteral("menu-page2.png")) && ok;
        click(page, QStringLiteral("commandKey_2"));
    }
    ShootWhenModalUp(page, dir, QStringLiteral("menu-dialog-options.png"), QStringLiteral("commandKey_3"), ok);
    page->tileClicked(2);  // 아메리카노: size and extras
    AwaitDialogClosed(page);
    ShootWhenModalUp(page, dir, QStringLiteral("menu-dialog-single.png"), QStringLiteral("commandKey_3"), ok);
    page->tileClicked(0);  // 에스프레소
    AwaitDialogClosed(page);
    if (shots)
        ok = shoot(folder, QStringLiteral("menu-order.png")) && ok;
    click(page, QStringLiteral("commandKey_7"));
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const Walk walk = StartWalk(app);
    const QString& outDir = walk.out;

    StartOptions options;
    options.programFolder = walk.home;
    options.serviceHost = walk.host;
    options.executableName = QStringLiteral("sumbrel-screenshots");

    std::unique_ptr<ReceptionScreen> reception;
    std::unique_ptr<LoginScreen> login;
    bool ok = true;
    std::unique_ptr<MenuPage> menuPage;
    Session loggedIn;
    menu::MenuTables menu;
    auto openReception = [&](const Session& session) {
        loggedIn = session;
        UseStage(kiosk::Audience::Customer);
        reception = std::make_unique<ReceptionScreen>(session);
        ReceptionScreen* screen = reception.get();
        QObject::connect(
            screen, &ReceptionScreen::menuRequested, screen,
            [screen, session, &menuPage, &menu, &outDir, &ok](const cart::OrderCart& order) {
                static int visits = 0;
                const bool shots = visits++ == 0;
                if (!menuPage) {
                    menuPage = std::make_unique<MenuPage>(session, menu, screen);
                    QObject::connect(menuPage.get(), &MenuPage::closed, screen, &ReceptionScreen::menuClosed);
                }
                MenuPage* page = menuPage.get();
                QTimer::singleShot(0, page, [page, &outDir, &ok, shots] { menuWalk(page, outDir, ok, shots); });
                page->open(order);
            });
        reception->show();
    };
    RunStartup(options, [&] {
        UseStage(kiosk::Audience::Operator);
        login = std::make_unique<LoginScreen>();
        QObject::connect(login.get(), &LoginScreen::loggedIn, login.get(), openReception);
        login->show();
    });
    if (!login)
        return 1;
    settle(800);
    ok = shoot(outDir, QStringLiteral("login.png")) && ok;

    // The operator of a kiosk without a keyboard touches ID: the on-screen keyboard opens below it.
    touchField(login->findChild<QLineEdit*>(QStringLiteral("ID")));
    for (const char* key : {"oskKey_d", "oskKey_e", "oskKey_m", "oskKey_o"})
        click(login.get(), QString::fromLatin1(key));
    ok = shoot(outDir, QStringLiteral("login-keyboard.png")) && ok;
    touchField(login->findChild<QLineEdit*>(QStringLiteral("PW")));
    for (const char* key : {"oskShift", "oskKey_p", "oskKey_w", "oskSymbols", "oskKey_2b", "oskKey_26", "oskKey_25"})
        click(login.get(), QString::fromLatin1(key));
    ok = shoot(outDir, QStringLiteral("login-keyboard-signs.png")) && ok;
    click(login.get(), QStringLiteral("oskClose"));

    login->findChild<QLineEdit*>(QStringLiteral("ID"))->setText(QStringLiteral("demo"));
    login->findChild<QLineEdit*>(QStringLiteral("PW"))->setText(QStringLiteral("demo1234"));
    // First while the shop cannot be reached: the screen says so and counts no failure.
    ShopFault(walk, QStringLiteral("/program/logins.php"), QStringLiteral("close"), QString(), 3);
    login->loginClicked();
    QElapsedTimer wait;
    wait.start();
    while (login->busy() && wait.elapsed() < 20000)
        settle(100);
    ok = shoot(outDir, QStringLiteral("login-unreachable.png")) && ok;
    login->loginClicked();
    wait.restart();
    while (!reception && wait.elapsed() < 20000)
        settle(100);
    if (!reception) {
        std::printf("login did not reach the reception screen\n");
        return 1;
    }
    settle(800);
    // A foreign customer's first touch: the language key on the start panel.
    if (!walk.language.isEmpty()) {
        click(reception.get(), QStringLiteral("languageKey_") + walk.language);
        settle(400);
    }
    ok = shoot(outDir, QStringLiteral("start.png")) && ok;
    // The operator's picture download of the settings screen, so the tiles show the shop's pictures:
    // it asks for the menus of the catalogue, which the menu page has not read yet.
    if (std::optional<MenuCatalogue> catalogue = FetchMenuCatalogue(loggedIn, QStringLiteral("전체")))
        menu.setCatalogue(std::move(*catalogue));
    FetchShopPictures(loggedIn, menu);

    click(reception.get(), QStringLiteral("panelKey_1"));
    ok = shoot(outDir, QStringLiteral("phone-empty.png")) && ok;
    for (const char* digit : {"phoneKey_1", "phoneKey_2", "phoneKey_3", "phoneKey_4", "phoneKey_5", "phoneKey_6",
                              "phoneKey_7", "phoneKey_8"})
        click(reception.get(), QString::fromLatin1(digit));
    ok = shoot(outDir, QStringLiteral("phone.png")) && ok;
    // The customer takes a second espresso on the order list.
    click(reception.get(), QStringLiteral("quantityUp_1"));
    ok = shoot(outDir, QStringLiteral("order-list-phone.png")) && ok;
    click(reception.get(), QStringLiteral("phoneKey_11"));
    ok = shoot(outDir, QStringLiteral("car.png")) && ok;
    for (const char* digit : {"carKey_1", "carKey_2", "carKey_3", "carKey_4"})
        click(reception.get(), QString::fromLatin1(digit));
    click(reception.get(), QStringLiteral("carKey_11"));
    ok = shoot(outDir, QStringLiteral("payment.png")) && ok;
    click(reception.get(), QStringLiteral("panelKey_6"));
    settle(600);
    ok = shoot(outDir, QStringLiteral("completion.png")) && ok;

    // The same number again, within the shop's repeat window: refused on the completion panel.
    click(reception.get(), QStringLiteral("carKey_14"));
    click(reception.get(), QStringLiteral("panelKey_1"));
    for (const char* key :
         {"phoneKey_1", "phoneKey_2", "phoneKey_3", "phoneKey_4", "phoneKey_5", "phoneKey_6", "phoneKey_7",
          "phoneKey_8", "phoneKey_11", "carKey_1", "carKey_2", "carKey_3", "carKey_4", "carKey_11", "panelKey_6"})
        click(reception.get(), QString::fromLatin1(key));
    settle(600);
    ok = shoot(outDir, QStringLiteral("completion-refused.png")) && ok;

    // A shop that handles the order and drops the connection: the completion panel says it is sending
    // while the order is under way, and the payment panel then says the order may have reached the shop.
    click(reception.get(), QStringLiteral("carKey_14"));
    click(reception.get(), QStringLiteral("panelKey_1"));
    for (const char* key :
         {"phoneKey_8", "phoneKey_7", "phoneKey_6", "phoneKey_5", "phoneKey_4", "phoneKey_3", "phoneKey_2",
          "phoneKey_1", "phoneKey_11", "carKey_5", "carKey_6", "carKey_7", "carKey_8", "carKey_11"})
        click(reception.get(), QString::fromLatin1(key));
    ShopFault(walk, QStringLiteral("/program/TOorderProgram2.php"), QStringLiteral("process-close"));
    const auto send = reception->service().transport();
    reception->service().setTransport([&](const QString& url, const QString& body, const CallOptions& options) {
        ok = shoot(outDir, QStringLiteral("completion-sending.png")) && ok;
        return send(url, body, options);
    });
    click(reception.get(), QStringLiteral("panelKey_6"));
    reception->service().setTransport({});
    ok = shoot(outDir, QStringLiteral("payment-unknown.png")) && ok;
    return ok ? 0 : 1;
}
