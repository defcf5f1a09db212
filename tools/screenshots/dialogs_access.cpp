// Shows the two item dialogs in the barrier-free views, against the demo shop, and saves what the
// screen shows: the low, the large and the high-contrast view and all of them together, with the
// keypad's focus ring on an option.
//   sumbrel-dialog-access-screenshots --service-host 127.0.0.1:PORT [--home DIR] [--out DIR]
#include "access/modes.h"
#include "catalogue/menu_catalogue.h"
#include "menu/ui/option_item_dialog.h"
#include "menu/ui/single_item_dialog.h"
#include "presentation/look.h"

#include "shots.h"

#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>

using namespace sumbrel;
using namespace sumbrel::shots;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const Walk walk = StartWalk(app);
    const QString& outDir = walk.out;

    QTemporaryDir temporary;
    menu::MenuTables menu;
    std::optional<Session> session = UseDemoShop(walk, temporary, menu);
    if (!session)
        return 1;
    FetchShopPictures(*session, menu);

    QWidget page;

    ShowStandInPage(page);

    const struct {
        const char* name;
        access::Modes modes;
    } views[] = {
        {"low", {.low = true}},
        {"large", {.large = true}},
        {"contrast", {.contrast = true}},
        {"all", {.voice = true, .low = true, .large = true, .contrast = true}},
    };
    const QList<int> toSecondOption{Qt::Key_Right, Qt::Key_Right, Qt::Key_Right};
    bool ok = true;
    for (const auto& view : views) {
        ApplyModes(view.modes);
        const QString prefix = QStringLiteral("dialog-access-") + QString::fromLatin1(view.name);
        ok = ShootDialog<SingleItemDialog>(menu, page, QStringLiteral("에스프레소"), KeypadKeys({Qt::Key_Right}), outDir,
                                           prefix + QStringLiteral("-single.png"))
            && ok;
        ok = ShootDialog<OptionItemDialog>(menu, page, QStringLiteral("아이스 카페라떼"), KeypadKeys(toSecondOption), outDir,
                                           prefix + QStringLiteral("-options.png"))
            && ok;
        ok = ShootDialog<OptionItemDialog>(menu, page, QStringLiteral("와플"), KeypadKeys({Qt::Key_Right, Qt::Key_Return}),
                                           outDir, prefix + QStringLiteral("-options-minimum.png"))
            && ok;
    }
    ApplyModes({});
    return ok ? 0 : 1;
}
