#pragma once
// One catalogue row for the option dialog's hardest case: four groups (a second page of groups in
// the design's layout), one of nine options, and texts long enough for two lines in the large view.
#include "catalogue/menu_catalogue.h"

namespace sumbrel::testing {

// Replaces the catalogue with that one row (num "901").
inline void UseLongOptionItem()
{
    using namespace Qt::StringLiterals;
    QString toppings = u"N◈Extra topping◈2"_s;
    for (int k = 0; k < 9; ++k)
        toppings += u"◈Topping number %1◈300"_s.arg(k + 1);
    MenuCatalogue& table = menuCatalogue();
    table.reset(1);
    MenuRecord& rec = table.nextRow();
    rec.col[kColNum] = u"901"_s;
    rec.col[kColTitle] = u"Iced caramel latte"_s;
    rec.col[kColPrice] = u"4500"_s;
    rec.col[kColInfotext1] = u"원두: 에티오피아 예가체프 ＆ 브라질 산토스 블렌드"_s;
    rec.col[kColInfotext2]
        = u"에스프레소에 부드러운 우유와 카라멜 시럽을 더하고 얼음을 가득 채운 여름 음료입니다. 달콤한 맛을 원하시면 시럽을 추가하시고, 더 진한 맛을 원하시면 샷을 추가하세요."_s;
    const QString groups[] = {u"N◈Size◈1◈Regular◈0◈Large◈500"_s, toppings, u"N◈Milk◈0◈Oat milk◈600"_s,
                              u"N◈Ice◈1◈Less ice◈0◈More ice◈0"_s};
    for (int j = 0; j < 4; ++j)
        rec.col[kColAdd1 + j] = groups[j];
    table.finish(1);
}

}  // namespace sumbrel::testing
