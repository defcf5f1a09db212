// The customer's path in each barrier-free look, against the demo shop: the mode panel, then for the
// low layout, the large view, high contrast and low with large: the start panel, the menu page with
// both item dialogs, the phone, car and payment panels and the completion panel.
//   sumbrel-access-screenshots --service-host 127.0.0.1:PORT [--home DIR] [--out DIR]
#include "access/modes.h"
#include "menu/ui/menu_page.h"
#include "presentation/look.h"
#include "reception/ui/reception_screen.h"
#include "startup/global_state.h"

#include "shots.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
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

// Opens the tile of that item, turning to its page first: how many tiles a page shows depends on
// the look.
void OpenTile(MenuPage* page, const QString& name)
{
    for (int turns = 0; turns < 20; ++turns) {
        for (int k = 0; k < page->model().shape().tilesPerPage; ++k) {
            const menu::TileEntry* entry = page->model().tileEntry(k);
            if (entry && entry->name == name) {
                page->tileClicked(k);
                return;
            }
        }
        page->commandKeyClicked(int(menu::PageKey::NextPage));
    }
    std::printf("no tile %s\n", name.toUtf8().constData());
}

void menuWalk(MenuPage* page, const QString& folder, const QString& look, bool& ok)
{
    QElapsedTimer wait;
    wait.start();
    while ((page->loadPending() || page->loading() || !page->isEnabled()) && wait.elapsed() < 20000)
        settle(100);
    ok = shoot(folder, look + QStringLiteral("-menu.png")) && ok;
    // Each dialog photographed, then its line added.
    ShootWhenModalUp(page, folder, look + QStringLiteral("-dialog-options.png"), QStringLiteral("commandKey_3"), ok);
    OpenTile(page, QStringLiteral("아메리카노"));
    AwaitDialogClosed(page);
    ShootWhenModalUp(page, folder, look + QStringLiteral("-dialog-single.png"), QStringLiteral("commandKey_3"), ok);
    OpenTile(page, QStringLiteral("에스프레소"));
    AwaitDialogClosed(page);
    ok = shoot(folder, look + QStringLiteral("-menu-order.png")) && ok;
    click(page, QStringLiteral("commandKey_7"));
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const Walk walk = StartWalk(app);
    QTemporaryDir temporary;
    menu::MenuTables menu;
    std::optional<Session> session = UseDemoShop(walk, temporary, menu);
    if (!session)
        return 1;
    FetchShopPictures(*session, menu);
    session->shopName = QStringLiteral("오르빅 커피 본점");
    bool ok = true;

    {
        ReceptionScreen screen(*session);
        screen.move(0, 0);
        screen.show();
        settle(600);
        click(&screen, QStringLiteral("easyOrderKey"));
        click(&screen, QStringLiteral("modeToggle_0"));
        click(&screen, QStringLiteral("modeToggle_2"));
        ok = shoot(walk.out, QStringLiteral("access-mode-panel.png")) && ok;
    }

    struct Look {
        const char* name;
        access::Modes modes;
    };
    const Look looks[] = {
        {"access-low", {true, true, false, false}},
        {"access-large", {true, false, true, false}},
        {"access-contrast", {true, false, false, true}},
        {"access-low-large", {true, true, true, false}},
    };
    int visit = 0;
    for (const Look& look : looks) {
        const QString name = QString::fromLatin1(look.name);
        ApplyModes(look.modes);
        ReceptionScreen screen(*session);
        std::unique_ptr<MenuPage> page;
        QObject::connect(&screen, &ReceptionScreen::menuRequested, &screen, [&](const cart::OrderCart& order) {
            page = std::make_unique<MenuPage>(*session, menu, &screen);
            MenuPage* shown = page.get();
            QObject::connect(shown, &MenuPage::closed, &screen, &ReceptionScreen::menuClosed);
            QTimer::singleShot(0, shown, [shown, &walk, &name, &ok] { menuWalk(shown, walk.out, name, ok); });
            shown->open(order);
        });
        screen.move(0, 0);
        screen.show();
        settle(600);
        ok = shoot(walk.out, name + QStringLiteral("-start.png")) && ok;
        click(&screen, QStringLiteral("panelKey_1"));
        // A number of its own for each look: the shop refuses a number again within its window.
        for (const QString& digit :
             {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5"),
              QStringLiteral("6"), QStringLiteral("7"), QString::number(visit++)})
            click(&screen, QStringLiteral("phoneKey_") + digit);
        ok = shoot(walk.out, name + QStringLiteral("-phone.png")) && ok;
        click(&screen, QStringLiteral("phoneKey_11"));
        for (const char* digit : {"carKey_1", "carKey_2", "carKey_3", "carKey_4"})
            click(&screen, QString::fromLatin1(digit));
        ok = shoot(walk.out, name + QStringLiteral("-car.png")) && ok;
        click(&screen, QStringLiteral("carKey_11"));
        ok = shoot(walk.out, name + QStringLiteral("-payment.png")) && ok;
        click(&screen, QStringLiteral("panelKey_6"));
        settle(600);
        ok = shoot(walk.out, name + QStringLiteral("-completion.png")) && ok;
        page.reset();
    }
    ApplyModes({});
    return ok ? 0 : 1;
}
