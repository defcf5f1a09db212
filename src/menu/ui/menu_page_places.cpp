// The menu page's places in each look, landscape and standing: data the page is built from.
#include "access/modes.h"
#include "menu/ui/menu_page.h"
#include "menu/ui/menu_page_widgets.h"
#include "presentation/place_rules.h"
#include "presentation/stage_scale.h"

namespace sumbrel {

using namespace menu;
using namespace places;

namespace {

// The totals line: the word, the count, the amount and the currency.
template <class Layout>
void SetTotals(Layout& l, const std::array<QRect, 4>& line)
{
    l.totalWord = line[0];
    l.count = line[1];
    l.total = line[2];
    l.wonWord = line[3];
}

// A heading over a card's width less 10 pixels on each side, the given distance from its top.
QRect HeadingOn(const QRect& card, int top, int height)
{
    return QRect(card.left() + 10, card.top() + top, card.width() - 20, height);
}

// The design's totals line, spaced by hand; the low layout has it higher.
constexpr int kTotalLefts[] = {806, 837, 880, 993};
constexpr int kTotalWidths[] = {30, 40, 112, 26};
// The large totals line, its parts 2 pixels apart.
constexpr int kLargeTotalWidths[] = {50, 80, 200, 44};

}  // namespace

// The low layouts keep every key below 768 × (1 − 0.55) = 346, the large ones show fewer and larger
// tabs, tiles and rows. The order list keeps the right-hand column in all of them. The group keys
// share the tab row's line, and the close key too where it stands at its start. The keys go in
// PageKey order: the group keys, the page keys, the scroll keys, close and confirm.
MenuPage::PageLayout MenuPage::LayoutFor(bool low, bool large)
{
    if (StagePortrait())
        return PortraitLayoutFor(low, large);
    PageLayout l;
    l.low = low;
    l.orderArea = kOrderArea;
    const auto confirm = QRect(830, 700, 161, 54);
    const auto timer = QRect(730, 719, 75, 45);
    if (!low && !large) {
        const auto previousGroup = QRect(90, 0, 54, 94);
        const auto previousPage = QRect(735, 141, 60, 136);
        const auto scrollBack = QRect(800, 575, 111, 46);
        l.keys = {previousGroup,
                  Along(previousGroup, 960, 64),
                  previousPage,
                  previousPage.translated(0, 440),
                  scrollBack,
                  Next(scrollBack, 2),
                  Along(previousGroup, 0, 86),
                  confirm};
        l.keyFonts = {16, 16, 17, 17, 17, 17, 22, 26};
        l.firstTab = QRect(144, 5, 156, 89);
        l.tabPitch = 165;
        l.tileOrigin = QPoint(21, 105);
        l.tileSize = QSize(132, 141);
        l.tilePitch = QSize(144, 153);
        l.pageLabel = QRect(734, 530, 60, 41);
        l.timer = timer;
        l.staffCall = QRect(21, 712, 220, 50);
        l.card = kOrderArea;
        l.heading = QRect(815, 104, 189, 44);
        l.list = Under(l.heading, 5, kListViewHeight);
        SetTotals(l, RowAt(641, 30, kTotalLefts, kTotalWidths));
        return l;
    }
    l.marker = false;
    if (!large) {
        // Low: the tab row, two rows of five tiles, the list of two rows; the totals stay above.
        const auto previousGroup = QRect(90, 352, 50, 60);
        const auto scrollBack = QRect(800, 640, 111, 46);
        const auto pageColumn = places::Column(QPoint(735, 420), 60, {110, 51, 110}, 10);
        l.keys = {previousGroup,       Along(previousGroup, 732, 64), pageColumn[0], pageColumn[2], scrollBack,
                  Next(scrollBack, 2), Along(previousGroup, 0, 86),   confirm};
        l.keyFonts = {16, 16, 17, 17, 17, 17, 22, 26};
        l.firstTab = Beside(previousGroup, 4, 112);
        l.tabPitch = 118;
        l.tileOrigin = QPoint(21, 420);
        l.tileSize = QSize(132, 141);
        l.tilePitch = QSize(144, 150);
        l.tilesPerPage = 10;
        l.pageLabel = pageColumn[1];
        l.timer = timer;
        l.staffCall = QRect(21, 714, 220, 50);
        l.card = QRect(800, 200, 225, 566);
        l.heading = QRect(815, 206, 189, 44);
        l.list = Under(l.heading, 102, 2 * kRowPitch - (kRowPitch - kRowHeight));
        SetTotals(l, RowAt(280, 30, kTotalLefts, kTotalWidths));
        return l;
    }
    using access::kLargeScale;
    l.rowScale = kLargeScale;
    l.tileColumns = 2;
    l.tileSize = QSize(262, 290);
    l.tilePitch = QSize(270, 298);
    l.card = QRect(634, 104, 390, 662);
    l.heading = HeadingOn(l.card, 6, 56);
    // One row of the order list in view: 135 design pixels at twice the size.
    const QSize oneRow(int(189 * kLargeScale), int(kRowHeight * kLargeScale));
    l.list = QRect(QPoint(640, 172), oneRow);
    l.keyFonts = {16, 16, 17, 17, 17, 17, 22, 26};
    if (!low) {
        // Large: three tabs, two by two tiles.
        const auto previousGroup = QRect(114, 4, 84, 98);
        const auto previousPage = QRect(546, 112, 84, 230);
        const auto scrollBack = QRect(640, 450, 186, 70);
        l.keys = {previousGroup,
                  Along(previousGroup, 926, 94),
                  previousPage,
                  previousPage.translated(0, 358),
                  scrollBack,
                  Next(scrollBack, 6),
                  Along(previousGroup, 0, 110),
                  QRect(660, 680, 340, 80)};
        l.firstTab = Beside(previousGroup, 4, 236);
        l.tabPitch = 242;
        l.tileOrigin = QPoint(8, 112);
        l.tilesPerPage = 4;
        l.tabsPerStrip = 3;
        l.pageLabel = QRect(546, 370, 84, 70);
        l.timer = QRect(8, 706, 262, 56);
        l.staffCall = QRect(280, 706, 260, 58);
        l.band = 106;
        SetTotals(l, places::Row(QPoint(640, 540), 60, kLargeTotalWidths, 2));
        return l;
    }
    // Low and large: two tabs, one row of two tiles below them, the totals above.
    const auto previousGroup = QRect(0, 350, 80, 98);
    const auto scrollBack = QRect(640, 450, 186, 64);
    const auto pageColumn = places::Column(QPoint(546, 454), 84, {96, 56, 96}, 2);
    l.keys = {previousGroup, Along(previousGroup, 550, 80), pageColumn[0],          pageColumn[2],
              scrollBack,    Next(scrollBack, 6),           QRect(0, 700, 150, 66), QRect(660, 690, 340, 76)};
    l.keyFonts = {16, 16, 17, 17, 17, 17, 22, 22};
    l.firstTab = Beside(previousGroup, 4, 228);
    l.tabPitch = 234;
    l.tileOrigin = QPoint(8, 454);
    l.tileSize = QSize(262, 240);
    l.tilesPerPage = 2;
    l.tabsPerStrip = 2;
    l.pageLabel = pageColumn[1];
    l.timer = QRect(160, 704, 200, 60);
    l.staffCall = QRect(370, 708, 260, 58);
    l.list.moveTop(350);
    l.keys[4].moveTop(l.list.bottom() + 6);
    l.keys[5].moveTop(l.list.bottom() + 6);
    l.keys[7].setTop(l.keys[4].bottom() + 6);
    l.keys[7].setBottom(764);
    SetTotals(l, places::Row(QPoint(640, 200), 60, kLargeTotalWidths, 2));
    return l;
}

// The tall screen's tables (1080 x 1920): the tabs across the top, the tiles across the whole width
// below them, the order list, the totals and the confirm key in the lower part, within a standing
// customer's reach. The low ones keep every key in the lower 55 % (from 864 down), with the heading
// and the totals on a card of their own above; the large ones show fewer and larger tabs and tiles.
MenuPage::PageLayout MenuPage::PortraitLayoutFor(bool low, bool large)
{
    PageLayout l;
    l.low = low;
    l.band = 130;
    l.keyFonts = {16, 16, 17, 17, 17, 17, 22, 26};
    l.tileColumns = 4;
    const int width = 1080;
    l.loadingText = Centred(width, 760, QSize(900, 90));
    l.loadingKey = Centred(width, 1150, QSize(240, 100));
    if (!low && !large) {
        const auto previousGroup = QRect(136, 15, 70, 100);
        const auto previousPage = QRect(470, 1385, 150, 110);
        const auto scrollBack = QRect(244, 1442, 196, 200);
        l.timer = QRect(470, 1540, 580, 60);
        l.keys = {previousGroup,
                  Along(previousGroup, 974, 76),
                  previousPage,
                  previousPage.translated(430, 0),
                  scrollBack,
                  Below(scrollBack, 10),
                  Along(previousGroup, 30, 100),
                  Under(l.timer, 60, 220)};
        // The confirm key's right half; the staff call key on its left.
        l.staffCall = l.keys[7];
        l.staffCall.setWidth(280);
        l.keys[7].setLeft(l.staffCall.right() + 11);
        l.firstTab = Beside(previousGroup, 6, 146);
        l.tabPitch = 152;
        l.tileOrigin = QPoint(30, 145);
        l.tileSize = QSize(246, 238);
        l.tilePitch = QSize(258, 248);
        // The page keys side by side, the counter and the marker's track between them.
        l.pageLabel = QRect(630, 1390, 260, 44);
        l.markerAt = {QPoint(650, 1452), QPoint(750, 1452), QPoint(850, 1452)};
        l.card = QRect(30, 1385, 420, 525);
        l.heading = HeadingOn(l.card, 7, 44);
        l.list = QRect(45, 1442, 189, kListViewHeight);
        SetTotals(l, RowAt(1862, 30, {40, 71, 135, 400}, {30, 60, 262, 40}));
        l.orderArea = l.card;
        return l;
    }
    l.marker = false;
    if (!large) {
        // Low: the heading and the totals above; the tab row, three by three tiles with the page keys
        // below them, the list of three rows beside them, the close and confirm keys at the foot.
        const auto previousGroup = QRect(30, 870, 80, 100);
        const auto scrollBack = QRect(680, 1420, 175, 100);
        const auto close = QRect(30, 1740, 300, 160);
        const auto pageRow = places::Row(QPoint(30, 1610), 100, {150, 300, 150}, 10);
        l.keys = {previousGroup, Along(previousGroup, 976, 74), pageRow[0], pageRow[2],
                  scrollBack,    Next(scrollBack, 10),          close,      Along(close, 670, 380)};
        l.firstTab = Beside(previousGroup, 6, 166);
        l.tabPitch = 172;
        l.tileColumns = 3;
        l.tileOrigin = QPoint(30, 985);
        l.tileSize = QSize(200, 200);
        l.tilePitch = QSize(206, 206);
        l.tilesPerPage = 9;
        l.pageLabel = pageRow[1];
        // Between the close and the confirm key.
        l.staffCall = QRect(340, 1740, 320, 160);
        l.summary = QRect(30, 600, 1020, 250);
        l.heading = HeadingOn(l.summary, 15, 60);
        SetTotals(l, places::Row(QPoint(380, 690), 40, {30, 80, 170, 30}, 5));
        l.timer = Centred(width, 760, QSize(300, 60));
        l.card = QRect(670, 980, 380, 560);
        l.list = QRect(765, 995, 189, kListViewHeight);
        l.orderArea = l.card;
        return l;
    }
    using access::kLargeScale;
    l.rowScale = kLargeScale;
    l.tileColumns = 2;
    const QSize oneRow(int(189 * kLargeScale), int(kRowHeight * kLargeScale));
    if (!low) {
        // Large: three tabs, two by three tiles; below them the list of one row with its keys beside
        // it, the page keys and the confirm key at the right.
        l.band = 160;
        const auto previousGroup = QRect(166, 20, 80, 120);
        const auto previousPage = QRect(650, 1275, 195, 140);
        const auto scrollBack = QRect(436, 1345, 184, 130);
        l.keys = {previousGroup,
                  Along(previousGroup, 970, 80),
                  previousPage,
                  Next(previousPage, 10),
                  scrollBack,
                  Below(scrollBack, 10),
                  Along(previousGroup, 30, 130),
                  QRect(650, 1600, 400, 300)};
        l.firstTab = Beside(previousGroup, 6, 232);
        l.tabPitch = 238;
        l.tabsPerStrip = 3;
        l.tileOrigin = QPoint(30, 175);
        l.tileSize = QSize(504, 355);
        l.tilePitch = QSize(516, 365);
        l.tilesPerPage = 6;
        // Under both page keys.
        l.pageLabel = Under(l.keys[2] | l.keys[3], 10, 70);
        // Between the page counter and the confirm key.
        l.staffCall = Under(l.pageLabel, 10, 85);
        l.card = QRect(30, 1275, 600, 440);
        l.heading = HeadingOn(l.card, 10, 56);
        l.list = QRect(QPoint(45, scrollBack.top()), oneRow);
        SetTotals(l, places::Row(QPoint(40, 1630), 60, kLargeTotalWidths, 2));
        l.timer = Under(l.card, 25, 90);
        l.orderArea = l.card;
        return l;
    }
    // Low and large: the heading, the totals and the time above; two tabs, one row of two tiles, the
    // page keys, the list of one row and the close and confirm keys below.
    const auto previousGroup = QRect(30, 870, 90, 120);
    const auto scrollBack = QRect(440, 1460, 600, 130);
    const auto close = QRect(30, 1790, 300, 115);
    const auto pageRow = places::Row(QPoint(30, 1320), 120, {200, 600, 200}, 10);
    l.keys = {previousGroup, Along(previousGroup, 958, 92), pageRow[0], pageRow[2],
              scrollBack,    Below(scrollBack, 10),         close,      Along(close, 650, 400)};
    l.keyFonts = {16, 16, 17, 17, 17, 17, 22, 22};
    l.firstTab = Beside(previousGroup, 6, 410);
    l.tabPitch = 416;
    l.tabsPerStrip = 2;
    // Clear of the bar that marks the current tab.
    l.tileOrigin = QPoint(30, 1010);
    l.tileSize = QSize(504, 300);
    l.tilePitch = QSize(516, 310);
    l.tilesPerPage = 2;
    l.pageLabel = pageRow[1];
    // Between the close and the confirm key.
    l.staffCall = QRect(340, 1790, 300, 115);
    l.summary = QRect(30, 560, 1020, 290);
    l.heading = HeadingOn(l.summary, 10, 70);
    SetTotals(l, places::Row(QPoint(330, 660), 60, {50, 80, 180, 44}, 2));
    l.timer = Centred(width, 750, QSize(400, 80));
    l.card = QRect(30, 1450, 1020, 300);
    l.list = QRect(QPoint(45, 1460), oneRow);
    l.orderArea = l.card;
    return l;
}

}  // namespace sumbrel
