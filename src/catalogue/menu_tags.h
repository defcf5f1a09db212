#pragma once
// The catalogue's record tags, once for the whole tree: the terminal's parser and the demo shop's
// answers both read them from here. Plain C++ (no Qt), so any part can include it.
#include <array>
#include <string_view>

namespace sumbrel {

// Column indices, in the order of the table.
enum MenuColumn : int {
    kColNum = 0,
    kColTitle,
    kColPrice,
    kColCategory,
    kColType,
    kColMenumin,
    kColDiscountt,
    kColSaving,
    kColRound,
    kColAdd1,
    kColAdd2,
    kColAdd3,
    kColAdd4,
    kColAdd5,
    kColMaxYN,
    kColMaxCount,
    kColSoldoutYN,
    kColSOregdate1,
    kColSOregdate2,
    kColInfotext1,
    kColInfotext2,
    kColSoldoutYN2,
    kColSoldoutTO,
    kColSoldoutZZim,
    kColSoldoutWait,
    kColSoldoutDelivery,
    kColSOregdate1b,
    kColSOregdate1num,
    kColSOregdate1num2,
    kColSOregdate2b,
    kColSOregdate2num,
    kColSOregdate2num2,
    kColPrinttext,
    kColHallcheck,
    kColTOMenuYN,
    kColZZimMenuYN,
    kColWaitMenuYN,
    kColDeliveryMenuYN,
    kColTaxcheck,
    kColPoscategorynumber,
    kColPositemnumber,
    kColQRMenuYN,
    kColSoldoutQR,
    kMenuColumns
};
static_assert(kMenuColumns == 43);

// A tag of a catalogue record and the column its value fills.
struct MenuTag {
    std::string_view name;
    MenuColumn column;
};

// The 40 distinct tags, in the order the web service writes them ("num" before "SOregdate1num" and
// "SOregdate2num", whose openings end with "num["). soldoutYN, SOregdate1 and SOregdate2 fill a
// second column too (kColSoldoutYN2, kColSOregdate1b, kColSOregdate2b).
inline constexpr std::array<MenuTag, 40> kMenuTagList = {{
    {"num", kColNum},
    {"title", kColTitle},
    {"price", kColPrice},
    {"category", kColCategory},
    {"type", kColType},
    {"menumin", kColMenumin},
    {"discountt", kColDiscountt},
    {"saving", kColSaving},
    {"hallcheck", kColHallcheck},
    {"round", kColRound},
    {"add1", kColAdd1},
    {"add2", kColAdd2},
    {"add3", kColAdd3},
    {"add4", kColAdd4},
    {"add5", kColAdd5},
    {"maxYN", kColMaxYN},
    {"maxCount", kColMaxCount},
    {"soldoutYN", kColSoldoutYN},
    {"SOregdate1", kColSOregdate1},
    {"SOregdate2", kColSOregdate2},
    {"infotext1", kColInfotext1},
    {"infotext2", kColInfotext2},
    {"soldoutTO", kColSoldoutTO},
    {"soldoutZZim", kColSoldoutZZim},
    {"soldoutWait", kColSoldoutWait},
    {"soldoutDelivery", kColSoldoutDelivery},
    {"soldoutQR", kColSoldoutQR},
    {"SOregdate1num", kColSOregdate1num},
    {"SOregdate1num2", kColSOregdate1num2},
    {"SOregdate2num", kColSOregdate2num},
    {"SOregdate2num2", kColSOregdate2num2},
    {"printtext", kColPrinttext},
    {"TOMenuYN", kColTOMenuYN},
    {"ZZimMenuYN", kColZZimMenuYN},
    {"WaitMenuYN", kColWaitMenuYN},
    {"DeliveryMenuYN", kColDeliveryMenuYN},
    {"QRMenuYN", kColQRMenuYN},
    {"taxcheck", kColTaxcheck},
    {"poscategorynumber", kColPoscategorynumber},
    {"positemnumber", kColPositemnumber},
}};
inline constexpr int kMenuTags = int(kMenuTagList.size());

// Index of a tag in kMenuTagList, -1 when there is none of that name.
constexpr int MenuTagIndex(std::string_view name)
{
    for (int t = 0; t < kMenuTags; ++t)
        if (kMenuTagList[size_t(t)].name == name)
            return t;
    return -1;
}

}  // namespace sumbrel
