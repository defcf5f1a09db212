#pragma once
// One catalogue row for the option dialog's hardest case: four groups (a second page of groups in
// the design's layout), one of nine options, and texts long enough for two lines in the large view.
#include "support/catalogue.h"

namespace sumbrel::testing {

// A catalogue of that one row (num "901"), row 0.
inline std::shared_ptr<const MenuCatalogue> LongOptionCatalogue()
{
    using namespace Qt::StringLiterals;
    QString toppings = u"N◈Extra topping◈2"_s;
    for (int k = 0; k < 9; ++k)
        toppings += u"◈Topping number %1◈300"_s.arg(k + 1);
    MenuRecord rec = HandMadeRecord(u"Iced caramel latte"_s, u"4500"_s,
                                    {u"N◈Size◈1◈Regular◈0◈Large◈500"_s, toppings, u"N◈Milk◈0◈Oat milk◈600"_s,
                                     u"N◈Ice◈1◈Less ice◈0◈More ice◈0"_s});
    rec.composition = u"원두: 에티오피아 예가체프 ＆ 브라질 산토스 블렌드"_s;
    rec.description
        = u"에스프레소에 부드러운 우유와 카라멜 시럽을 더하고 얼음을 가득 채운 여름 음료입니다. 달콤한 맛을 원하시면 시럽을 추가하시고, 더 진한 맛을 원하시면 샷을 추가하세요."_s;
    return CatalogueOf(std::move(rec));
}

}  // namespace sumbrel::testing
