// Shows the two item dialogs over a stand-in menu page, against the demo shop, and saves what the
// screen shows: the single-menu dialog, the option dialog with choices, below a group's minimum, and
// on its second page of groups, and a group of nine options on both of its pages.
//   sumbrel-dialog-screenshots --service-host 127.0.0.1:PORT [--home DIR] [--out DIR]
#include "catalogue/menu_catalogue.h"
#include "menu/ui/option_item_dialog.h"
#include "menu/ui/single_item_dialog.h"

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

    // A stand-in for the darkened menu page behind the dialog.
    QWidget page;
    ShowStandInPage(page);

    bool ok = ShootDialog<SingleItemDialog>(menu, page, QStringLiteral("에스프레소"),
                                            Touches({QStringLiteral("quantityUp_1")}), outDir,
                                            QStringLiteral("dialog-single.png"));
    ok = ShootDialog<OptionItemDialog>(
             menu, page, QStringLiteral("아메리카노"),
             Touches({QStringLiteral("optionChoice0_1"), QStringLiteral("optionCheck1_2")}), outDir,
             QStringLiteral("dialog-options.png"))
        && ok;
    ok = ShootDialog<OptionItemDialog>(menu, page, QStringLiteral("와플"), Touches({QStringLiteral("optionCheck0_2")}),
                                       outDir, QStringLiteral("dialog-options-minimum.png"))
        && ok;
    ok = ShootDialog<OptionItemDialog>(menu, page, QStringLiteral("아이스 카페라떼"),
                                       Touches({QStringLiteral("commandKey_2"), QStringLiteral("optionChoice3_1")}),
                                       outDir, QStringLiteral("dialog-options-page2.png"))
        && ok;
    // A group of nine options pages inside its panel: both pages, the second with a choice on it.
    MenuCatalogue table;
    MenuRecord& nine = table.nextRow();
    nine.num = QStringLiteral("990");
    nine.title = QStringLiteral("토핑 와플");
    nine.priceText = QStringLiteral("4500");
    nine.price = order::Money::Won(4500);
    OptionGroupBuilder toppings(0, u"N", u"토핑", u"2");
    for (const char16_t* name :
         {u"딸기", u"블루베리", u"바나나", u"초코칩", u"아몬드", u"시나몬", u"카라멜", u"크림치즈", u"메이플 시럽"})
        toppings.add(QString::fromUtf16(name), u"500");
    nine.groups[0] = toppings.finish();
    OptionGroupBuilder size(1, u"N", u"사이즈", u"1");
    size.add(QStringLiteral("레귤러"), u"0");
    size.add(QStringLiteral("라지"), u"1000");
    nine.groups[1] = size.finish();
    table.finish(1);
    menu.setCatalogue(std::move(table));
    ok = ShootDialog<OptionItemDialog>(menu, page, QStringLiteral("토핑 와플"), Touches({QStringLiteral("optionCheck0_1")}),
                                       outDir, QStringLiteral("dialog-options-nine.png"))
        && ok;
    ok = ShootDialog<OptionItemDialog>(menu, page, QStringLiteral("토핑 와플"),
                                       Touches({QStringLiteral("groupPageKey0_1"), QStringLiteral("optionCheck0_8")}),
                                       outDir, QStringLiteral("dialog-options-nine-page2.png"))
        && ok;
    return ok ? 0 : 1;
}
