// Shows the terminal's own message box as a customer meets it, against the demo shop, and saves what
// the screen shows: over the reception screen's phone panel (a number that is not a mobile number)
// and over the option dialog (a group below its minimum).
//   sumbrel-box-screenshots --service-host 127.0.0.1:PORT [--home DIR] [--out DIR]
#include "catalogue/menu_catalogue.h"
#include "menu/ui/option_item_dialog.h"
#include "presentation/caption_key.h"
#include "presentation/dialog_handlers.h"
#include "presentation/message_panel.h"
#include "reception/ui/reception_screen.h"
#include "startup/global_state.h"

#include "shots.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

using namespace sumbrel;
using namespace sumbrel::shots;

namespace {

// Touches the key of that name below root; the box it raises is photographed, then its key touched.
// Polled, as the box blocks the touch until it closes.
bool shootBox(QWidget* root, const QString& key, const QString& folder, const QString& name)
{
    bool up = false;
    bool shot = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<MessagePanel*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        poll.stop();
        up = true;
        shot = shoot(folder, name);
        box->key()->touch();
    });
    poll.start(50);
    click(root, key);
    if (!up)
        std::printf("no box for %s\n", name.toUtf8().constData());
    return up && shot;
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
    // The boxes as the terminal shows them, not answered at once.
    static WidgetDialogHandler boxes;
    setDialogHandler(&boxes);
    bool ok = true;

    {
        ReceptionScreen screen(*session);
        screen.move(0, 0);
        // The menu page stands aside: the customer confirmed two americanos.
        QObject::connect(&screen, &ReceptionScreen::menuRequested, &screen, [&screen](const cart::OrderCart& order) {
            cart::OrderCart result = order;
            result.order.add({QString(),
                              QStringLiteral("아메리카노"),
                              order::Money::Won(3000),
                              2,
                              {{QStringLiteral("사이즈"), QStringLiteral("라지"), order::Money::Won(500)}}});
            result.selectionConfirmed = true;
            screen.menuClosed(result);
        });
        screen.show();
        settle(600);
        click(&screen, QStringLiteral("panelKey_1"));
        for (const char* digit : {"phoneKey_1", "phoneKey_2", "phoneKey_3", "phoneKey_4"})
            click(&screen, QString::fromLatin1(digit));
        ok = shootBox(&screen, QStringLiteral("phoneKey_11"), walk.out, QStringLiteral("message-box.png")) && ok;
    }

    {
        // A stand-in for the darkened menu page behind the dialog.
        QWidget page;
        ShowStandInPage(page);
        OptionItemDialog dialog(&page);
        dialog.m_catalogue = menu.catalogueSnapshot();
        dialog.m_row = RowOf(menu, QStringLiteral("와플"));
        dialog.show();
        click(&dialog, QStringLiteral("optionCheck0_2"));
        settle(300);
        ok = shootBox(&dialog, QStringLiteral("commandKey_3"), walk.out, QStringLiteral("message-box-dialog.png")) && ok;
    }
    return ok ? 0 : 1;
}
