#pragma once
// The catalogue's record tags, once for the whole tree: the terminal's parser and the demo shop's
// answers both read them from here. Plain C++ (no Qt), so any part can include it.
#include <array>
#include <string_view>

namespace sumbrel {

// A tag of a catalogue record.
struct MenuTag {
    std::string_view name;
};

// The 40 distinct tags, in the order the web service writes them ("num" before "SOregdate1num" and
// "SOregdate2num", whose openings end with "num[").
inline constexpr std::array<MenuTag, 40> kMenuTagList = {{
    {"num"},
    {"title"},
    {"price"},
    {"category"},
    {"type"},
    {"menumin"},
    {"discountt"},
    {"saving"},
    {"hallcheck"},
    {"round"},
    {"add1"},
    {"add2"},
    {"add3"},
    {"add4"},
    {"add5"},
    {"maxYN"},
    {"maxCount"},
    {"soldoutYN"},
    {"SOregdate1"},
    {"SOregdate2"},
    {"infotext1"},
    {"infotext2"},
    {"soldoutTO"},
    {"soldoutZZim"},
    {"soldoutWait"},
    {"soldoutDelivery"},
    {"soldoutQR"},
    {"SOregdate1num"},
    {"SOregdate1num2"},
    {"SOregdate2num"},
    {"SOregdate2num2"},
    {"printtext"},
    {"TOMenuYN"},
    {"ZZimMenuYN"},
    {"WaitMenuYN"},
    {"DeliveryMenuYN"},
    {"QRMenuYN"},
    {"taxcheck"},
    {"poscategorynumber"},
    {"positemnumber"},
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
