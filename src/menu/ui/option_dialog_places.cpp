// The option dialog's places in each look, over the page or over the whole screen, landscape and
// standing: data the dialog is built from.
#include "access/language.h"
#include "access/modes.h"
#include "menu/ui/option_item_dialog.h"
#include "presentation/look.h"
#include "presentation/stage_scale.h"

#include <cmath>

namespace sumbrel {

namespace {

// The design's layout: three groups a page, six rows (five and the group's page keys when paged).
const OptionItemDialog::Places kDesign{.back = OptionItemDialog::kBackArea,
                                       .panelWidth = OptionItemDialog::kPanelWidth,
                                       .title = {10, 6, 212, 44},
                                       .columns = 1,
                                       .cellWidth = 0,
                                       .rowWidth = 154,
                                       .priceOffset = 154,
                                       .priceWidth = 64,
                                       .firstRowTop = 54,
                                       .rowHeight = 36,
                                       .rowStep = 40,
                                       .pageBack = {8, 256, 78, 34},
                                       .pageText = {86, 256, 58, 34},
                                       .pageNext = {144, 256, 78, 34},
                                       .paging = {}};

// The whole screen, the options in the lower part: in the large view one group a page in two
// columns of two rows, else three groups of five rows (four and the page keys when paged).
OptionItemDialog::Places FullScreenPlaces(bool large)
{
    const QRect back{24, ItemDialog::LowTop() + 4, 976, 262};
    if (large)
        return {.back = back,
                .panelWidth = 976,
                .title = {12, 2, 952, 52},
                .columns = 2,
                .cellWidth = 482,
                .rowWidth = 340,
                .priceOffset = 344,
                .priceWidth = 130,
                .firstRowTop = 58,
                .rowHeight = 62,
                .rowStep = 70,
                .pageBack = {12, 200, 180, 58},
                .pageText = {192, 200, 120, 58},
                .pageNext = {312, 200, 180, 58},
                .paging = {.groupsPerPage = 1, .rowsFitting = 4, .rowsPaged = 4}};
    return {.back = back,
            .panelWidth = 325,
            .title = {10, 4, 305, 44},
            .columns = 1,
            .cellWidth = 313,
            .rowWidth = 229,
            .priceOffset = 231,
            .priceWidth = 82,
            .firstRowTop = 50,
            .rowHeight = 38,
            .rowStep = 42,
            .pageBack = {8, 218, 110, 38},
            .pageText = {118, 218, 89, 38},
            .pageNext = {207, 218, 110, 38},
            .paging = {.groupsPerPage = 3, .rowsFitting = 5, .rowsPaged = 4}};
}

// The standing screen's: three groups a page of ten rows (nine and the page keys when paged).
const OptionItemDialog::Places kPortrait{.back = {41, 376, 918, 560},
                                         .panelWidth = 306,
                                         .title = {10, 6, 288, 48},
                                         .columns = 1,
                                         .cellWidth = 0,
                                         .rowWidth = 206,
                                         .priceOffset = 208,
                                         .priceWidth = 84,
                                         .firstRowTop = 60,
                                         .rowHeight = 44,
                                         .rowStep = 50,
                                         .pageBack = {8, 508, 96, 46},
                                         .pageText = {104, 508, 92, 46},
                                         .pageNext = {196, 508, 96, 46},
                                         .paging = {.groupsPerPage = 3, .rowsFitting = 10, .rowsPaged = 9}};

// The whole standing screen, the options in the lower 55 %: in the large view one group a page in two
// columns of up to six rows, else three groups of ten rows (nine and the page keys when paged).
OptionItemDialog::Places FullPortraitPlaces(bool large)
{
    const QRect back{30, ItemDialog::LowTop() + 4, 1020, 620};
    if (large)
        return {.back = back,
                .panelWidth = 1020,
                .title = {12, 2, 996, 64},
                .columns = 2,
                .cellWidth = 505,
                .rowWidth = 350,
                .priceOffset = 354,
                .priceWidth = 140,
                .firstRowTop = 72,
                .rowHeight = 70,
                .rowStep = 80,
                .pageBack = {12, 546, 200, 68},
                .pageText = {212, 546, 140, 68},
                .pageNext = {352, 546, 200, 68},
                .paging = {.groupsPerPage = 1, .rowsFitting = 12, .rowsPaged = 10}};
    return {.back = back,
            .panelWidth = 340,
            .title = {10, 4, 320, 52},
            .columns = 1,
            .cellWidth = 0,
            .rowWidth = 240,
            .priceOffset = 242,
            .priceWidth = 90,
            .firstRowTop = 60,
            .rowHeight = 48,
            .rowStep = 54,
            .pageBack = {8, 560, 110, 54},
            .pageText = {118, 560, 104, 54},
            .pageNext = {222, 560, 110, 54},
            .paging = {.groupsPerPage = 3, .rowsFitting = 10, .rowsPaged = 9}};
}

// The group count's round badge, at the look's size, centred in a line of that height.
QRect Badge(int left, int top, int lineHeight, int designSide)
{
    const int side = int(std::lround(designSide * CurrentLook().scale));
    return {left, top + (lineHeight - side) / 2, side, side};
}

}  // namespace

QSize OptionItemDialog::DesignSize()
{
    return StagePortrait() ? kPortraitSize : QSize(kWidth, kHeight);
}

OptionItemDialog::Layout OptionItemDialog::LayoutNow()
{
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    const bool large = access::CurrentModes().large;
    if (FullScreen() && StagePortrait()) {
        // The item, the total and the counts in the upper part; the options and every key below.
        const Places options = FullPortraitPlaces(large);
        const int keys = options.back.bottom() + 13;
        const int commands = keys + 130;
        return {.size = Screen(),
                .fromPage = {0, 0},
                .item = {.photo = {30, 30, 400, 270},
                         .name = {460, 30, 590, 110},
                         .composition = {460, 230, 590, 80},
                         .description = {30, 330, 1020, 210},
                         .priceCaption = {460, 150, 100, 70},
                         .price = {560, 150, 240, 70},
                         .priceUnit = {802, 150, 70, 70},
                         .compositionWraps = true,
                         .priceSize = 22},
                .countdown = {30, 690, 250, 80},
                .groupCaption = {600, 690, 340, 80},
                .chosenCount = Badge(960, 690, 80, 36),
                .pageBack = {30, keys, 230, 110},
                .pageNext = {270, keys, 230, 110},
                .down = {600, keys, 150, 110},
                .shown = {750, keys, 150, 110},
                .up = {900, keys, 150, 110},
                .quantitySize = 24,
                .total = {.caption = {30, 570, 200, 90},
                          .amount = {230, 570, 400, 90},
                          .unit = {630, 570, 90, 90},
                          .captionText = access::Tr("합계"),
                          .captionAlignment = right,
                          .amountSize = 24},
                .close = {30, commands, 495, Screen().height() - commands - 30},
                .add = {555, commands, 495, Screen().height() - commands - 30},
                .commandSize = 26,
                .options = options};
    }
    if (FullScreen()) {
        // The item and the totals above the lower part; the options and every key within it.
        const Places options = FullScreenPlaces(large);
        const int info = 280;
        const int keys = options.back.bottom() + 8;
        const int commands = keys + 80;
        return {.size = Screen(),
                .fromPage = {0, 0},
                .item = {.photo = {24, 20, 220, 150},
                         .name = {264, 14, 736, 72},
                         .composition = {264, 148, 736, 40},
                         .description = {24, 190, 976, 84},
                         .priceCaption = {264, 88, 90, 58},
                         .price = {354, 88, 190, 58},
                         .priceUnit = {546, 88, 60, 58},
                         .priceSize = 22},
                .countdown = {24, info, 170, 60},
                .groupCaption = {640, info, 250, 60},
                .chosenCount = Badge(900, info, 60, 36),
                .pageBack = {24, keys, 200, 72},
                .pageNext = {232, keys, 200, 72},
                .down = {640, keys, 110, 72},
                .shown = {750, keys, 140, 72},
                .up = {890, keys, 110, 72},
                .quantitySize = 24,
                .total = {.caption = {200, info, 130, 60},
                          .amount = {330, info, 230, 60},
                          .unit = {560, info, 70, 60},
                          .captionText = access::Tr("합계"),
                          .captionAlignment = right,
                          .amountSize = 24},
                .close = {24, commands, 470, Screen().height() - commands - 6},
                .add = {530, commands, 470, Screen().height() - commands - 6},
                .commandSize = 22,
                .options = options};
    }
    // The dialog over the page: the total's caption on the left, in a larger type.
    const auto foot = [](QRect caption, QRect amount, QRect unit) {
        return TotalPlaces{.caption = caption,
                           .amount = amount,
                           .unit = unit,
                           .captionText = access::Tr("합계 금액"),
                           .captionAlignment = Qt::AlignLeft | Qt::AlignVCenter,
                           .captionSize = 19,
                           .amountSize = 34,
                           .unitSize = 21};
    };
    if (StagePortrait())
        return {.size = kPortraitSize,
                .fromPage = LowerMiddle(kPortraitSize),
                .item = {.photo = {40, 30, 300, 200},
                         .name = {370, 24, 590, 88},
                         .composition = {370, 172, 590, 58},
                         .description = {56, 250, 888, 100},
                         .priceCaption = {370, 116, 60, 52},
                         .price = {430, 116, 160, 52},
                         .priceUnit = {592, 116, 30, 52},
                         .compositionWraps = true},
                .countdown = {40, 976, 100, 56},
                .groupCaption = {140, 976, 100, 56},
                .chosenCount = {244, 990, 28, 28},
                .pageBack = {290, 956, 150, 96},
                .pageNext = {450, 956, 150, 96},
                .down = {650, 956, 96, 96},
                .shown = {746, 956, 118, 96},
                .up = {864, 956, 96, 96},
                .total = foot({40, 1072, 180, 64}, {540, 1072, 370, 64}, {913, 1072, 47, 64}),
                .close = {40, 1160, 440, 106},
                .add = {520, 1160, 440, 106},
                .band = {40, 244, 920, 112},
                .options = kPortrait};
    return {.size = {kWidth, kHeight},
            .fromPage = {0, kTopFromPage},
            .item = {.photo = {57, 24, 210, 140},
                     .name = {287, 18, 459, 74},
                     .composition = {287, 92, 459, 30},
                     .description = {73, 176, 657, 72},
                     .priceCaption = {287, 122, 50, 44},
                     .price = {337, 122, 110, 44},
                     .priceUnit = {449, 122, 26, 44}},
            .countdown = {57, 568, 84, 44},
            .groupCaption = {150, 568, 72, 44},
            .chosenCount = {226, 576, 28, 28},
            .pageBack = {276, 568, 104, 44},
            .pageNext = {386, 568, 104, 44},
            .down = {566, 570, 40, 40},
            .shown = {608, 570, 96, 40},
            .up = {706, 570, 40, 40},
            .total = foot({57, 620, 120, 48}, {400, 620, 310, 48}, {713, 620, 33, 48}),
            .close = {57, 676, 330, 60},
            .add = {416, 676, 330, 60},
            .band = {57, 172, 689, 80},
            .options = kDesign};
}

}  // namespace sumbrel
