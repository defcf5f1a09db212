// The menu page's places in each look, landscape and standing: data the page is built from.
#include "access/modes.h"
#include "menu/ui/menu_page.h"
#include "menu/ui/menu_page_widgets.h"
#include "presentation/stage_scale.h"

namespace sumbrel {

using namespace menu;

// The low layouts keep every key below 768 × (1 − 0.55) = 346, the large ones show fewer and larger
// tabs, tiles and rows. The order list keeps the right-hand column in all of them.
MenuPage::PageLayout MenuPage::LayoutFor(bool low, bool large)
{
    if (StagePortrait())
        return PortraitLayoutFor(low, large);
    PageLayout l;
    l.low = low;
    l.orderArea = kOrderArea;
    if (!low && !large) {
        l.keys = {QRect(90, 0, 54, 94),     QRect(960, 0, 64, 94),    QRect(735, 141, 60, 136),
                  QRect(735, 581, 60, 136), QRect(800, 575, 111, 46), QRect(913, 575, 111, 46),
                  QRect(0, 0, 86, 94),      QRect(830, 700, 161, 54)};
        l.keyFonts = {16, 16, 17, 17, 17, 17, 22, 26};
        l.firstTab = QRect(144, 5, 156, 89);
        l.tabPitch = 165;
        l.tileOrigin = QPoint(21, 105);
        l.tileSize = QSize(132, 141);
        l.tilePitch = QSize(144, 153);
        l.pageLabel = QRect(734, 530, 60, 41);
        l.timer = QRect(730, 719, 75, 45);
        l.card = kOrderArea;
        l.heading = QRect(815, 104, 189, 44);
        l.list = QRect(815, 153, 189, kListViewHeight);
        l.totalWord = QRect(806, 641, 30, 30);
        l.count = QRect(837, 641, 40, 30);
        l.total = QRect(880, 641, 112, 30);
        l.wonWord = QRect(993, 641, 26, 30);
        return l;
    }
    l.marker = false;
    if (!large) {
        // Low: the tab row, two rows of five tiles, the list of two rows; the totals stay above.
        l.keys = {QRect(90, 352, 50, 60),   QRect(732, 352, 64, 60),  QRect(735, 420, 60, 110),
                  QRect(735, 601, 60, 110), QRect(800, 640, 111, 46), QRect(913, 640, 111, 46),
                  QRect(0, 352, 86, 60),    QRect(830, 700, 161, 54)};
        l.keyFonts = {16, 16, 17, 17, 17, 17, 22, 26};
        l.firstTab = QRect(144, 352, 112, 60);
        l.tabPitch = 118;
        l.tileOrigin = QPoint(21, 420);
        l.tileSize = QSize(132, 141);
        l.tilePitch = QSize(144, 150);
        l.tilesPerPage = 10;
        l.pageLabel = QRect(735, 540, 60, 51);
        l.timer = QRect(730, 719, 75, 45);
        l.card = QRect(800, 200, 225, 566);
        l.heading = QRect(815, 206, 189, 44);
        l.list = QRect(815, 352, 189, 2 * kRowPitch - (kRowPitch - kRowHeight));
        l.totalWord = QRect(806, 280, 30, 30);
        l.count = QRect(837, 280, 40, 30);
        l.total = QRect(880, 280, 112, 30);
        l.wonWord = QRect(993, 280, 26, 30);
        return l;
    }
    using access::kLargeScale;
    l.rowScale = kLargeScale;
    l.tileColumns = 2;
    l.tileSize = QSize(262, 290);
    l.tilePitch = QSize(270, 298);
    l.card = QRect(634, 104, 390, 662);
    l.heading = QRect(644, 110, 370, 56);
    // One row of the order list in view: 135 design pixels at twice the size.
    l.list = QRect(640, 172, int(189 * kLargeScale), int(kRowHeight * kLargeScale));
    l.keyFonts = {16, 16, 17, 17, 17, 17, 22, 26};
    if (!low) {
        // Large: three tabs, two by two tiles.
        l.keys = {QRect(114, 4, 84, 98),    QRect(926, 4, 94, 98),    QRect(546, 112, 84, 230),
                  QRect(546, 470, 84, 230), QRect(640, 450, 186, 70), QRect(832, 450, 186, 70),
                  QRect(0, 4, 110, 98),     QRect(660, 680, 340, 80)};
        l.firstTab = QRect(202, 4, 236, 98);
        l.tabPitch = 242;
        l.tileOrigin = QPoint(8, 112);
        l.tilesPerPage = 4;
        l.tabsPerStrip = 3;
        l.pageLabel = QRect(546, 370, 84, 70);
        l.timer = QRect(8, 706, 262, 56);
        l.band = 106;
        l.totalWord = QRect(640, 540, 50, 60);
        l.count = QRect(692, 540, 80, 60);
        l.total = QRect(774, 540, 200, 60);
        l.wonWord = QRect(976, 540, 44, 60);
        return l;
    }
    // Low and large: two tabs, one row of two tiles below them, the totals above.
    l.keys = {QRect(0, 350, 80, 98),    QRect(550, 350, 80, 98),  QRect(546, 454, 84, 96), QRect(546, 610, 84, 96),
              QRect(640, 450, 186, 64), QRect(832, 450, 186, 64), QRect(0, 700, 150, 66),  QRect(660, 690, 340, 76)};
    l.keyFonts = {16, 16, 17, 17, 17, 17, 22, 22};
    l.firstTab = QRect(84, 350, 228, 98);
    l.tabPitch = 234;
    l.tileOrigin = QPoint(8, 454);
    l.tileSize = QSize(262, 240);
    l.tilesPerPage = 2;
    l.tabsPerStrip = 2;
    l.pageLabel = QRect(546, 552, 84, 56);
    l.timer = QRect(160, 704, 200, 60);
    l.list = QRect(640, 350, int(189 * kLargeScale), int(kRowHeight * kLargeScale));
    l.keys[4].moveTop(l.list.bottom() + 6);
    l.keys[5].moveTop(l.list.bottom() + 6);
    l.keys[7].setTop(l.keys[4].bottom() + 6);
    l.keys[7].setBottom(764);
    l.totalWord = QRect(640, 200, 50, 60);
    l.count = QRect(692, 200, 80, 60);
    l.total = QRect(774, 200, 200, 60);
    l.wonWord = QRect(976, 200, 44, 60);
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
    l.loadingText = QRect(90, 760, 900, 90);
    l.loadingKey = QRect(420, 1150, 240, 100);
    if (!low && !large) {
        l.keys = {QRect(136, 15, 70, 100),    QRect(974, 15, 76, 100),    QRect(470, 1385, 150, 110),
                  QRect(900, 1385, 150, 110), QRect(244, 1442, 196, 200), QRect(244, 1652, 196, 200),
                  QRect(30, 15, 100, 100),    QRect(470, 1660, 580, 220)};
        l.firstTab = QRect(212, 15, 146, 100);
        l.tabPitch = 152;
        l.tileOrigin = QPoint(30, 145);
        l.tileSize = QSize(246, 238);
        l.tilePitch = QSize(258, 248);
        // The page keys side by side, the counter and the marker's track between them.
        l.pageLabel = QRect(630, 1390, 260, 44);
        l.markerAt = {QPoint(650, 1452), QPoint(750, 1452), QPoint(850, 1452)};
        l.timer = QRect(470, 1540, 580, 60);
        l.card = QRect(30, 1385, 420, 525);
        l.heading = QRect(40, 1392, 400, 44);
        l.list = QRect(45, 1442, 189, kListViewHeight);
        l.totalWord = QRect(40, 1862, 30, 30);
        l.count = QRect(71, 1862, 60, 30);
        l.total = QRect(135, 1862, 262, 30);
        l.wonWord = QRect(400, 1862, 40, 30);
        l.orderArea = l.card;
        return l;
    }
    l.marker = false;
    if (!large) {
        // Low: the heading and the totals above; the tab row, three by three tiles with the page keys
        // below them, the list of three rows beside them, the close and confirm keys at the foot.
        l.keys = {QRect(30, 870, 80, 100),    QRect(976, 870, 74, 100),   QRect(30, 1610, 150, 100),
                  QRect(500, 1610, 150, 100), QRect(680, 1420, 175, 100), QRect(865, 1420, 175, 100),
                  QRect(30, 1740, 300, 160),  QRect(670, 1740, 380, 160)};
        l.firstTab = QRect(116, 870, 166, 100);
        l.tabPitch = 172;
        l.tileColumns = 3;
        l.tileOrigin = QPoint(30, 985);
        l.tileSize = QSize(200, 200);
        l.tilePitch = QSize(206, 206);
        l.tilesPerPage = 9;
        l.pageLabel = QRect(190, 1610, 300, 100);
        l.summary = QRect(30, 600, 1020, 250);
        l.heading = QRect(40, 615, 1000, 60);
        l.totalWord = QRect(380, 690, 30, 40);
        l.count = QRect(415, 690, 80, 40);
        l.total = QRect(500, 690, 170, 40);
        l.wonWord = QRect(675, 690, 30, 40);
        l.timer = QRect(390, 760, 300, 60);
        l.card = QRect(670, 980, 380, 560);
        l.list = QRect(765, 995, 189, kListViewHeight);
        l.orderArea = l.card;
        return l;
    }
    using access::kLargeScale;
    l.rowScale = kLargeScale;
    l.tileColumns = 2;
    if (!low) {
        // Large: three tabs, two by three tiles; below them the list of one row with its keys beside
        // it, the page keys and the confirm key at the right.
        l.band = 160;
        l.keys = {QRect(166, 20, 80, 120),    QRect(970, 20, 80, 120),    QRect(650, 1275, 195, 140),
                  QRect(855, 1275, 195, 140), QRect(436, 1345, 184, 130), QRect(436, 1485, 184, 130),
                  QRect(30, 20, 130, 120),    QRect(650, 1600, 400, 300)};
        l.firstTab = QRect(252, 20, 232, 120);
        l.tabPitch = 238;
        l.tabsPerStrip = 3;
        l.tileOrigin = QPoint(30, 175);
        l.tileSize = QSize(504, 355);
        l.tilePitch = QSize(516, 365);
        l.tilesPerPage = 6;
        l.pageLabel = QRect(650, 1425, 400, 70);
        l.card = QRect(30, 1275, 600, 440);
        l.heading = QRect(40, 1285, 580, 56);
        l.list = QRect(45, 1345, int(189 * kLargeScale), int(kRowHeight * kLargeScale));
        l.totalWord = QRect(40, 1630, 50, 60);
        l.count = QRect(92, 1630, 80, 60);
        l.total = QRect(174, 1630, 200, 60);
        l.wonWord = QRect(376, 1630, 44, 60);
        l.timer = QRect(30, 1740, 600, 90);
        l.orderArea = l.card;
        return l;
    }
    // Low and large: the heading, the totals and the time above; two tabs, one row of two tiles, the
    // page keys, the list of one row and the close and confirm keys below.
    l.keys = {QRect(30, 870, 90, 120),    QRect(958, 870, 92, 120),   QRect(30, 1320, 200, 120),
              QRect(850, 1320, 200, 120), QRect(440, 1460, 600, 130), QRect(440, 1600, 600, 130),
              QRect(30, 1790, 300, 115),  QRect(650, 1790, 400, 115)};
    l.keyFonts = {16, 16, 17, 17, 17, 17, 22, 22};
    l.firstTab = QRect(126, 870, 410, 120);
    l.tabPitch = 416;
    l.tabsPerStrip = 2;
    // Clear of the bar that marks the current tab.
    l.tileOrigin = QPoint(30, 1010);
    l.tileSize = QSize(504, 300);
    l.tilePitch = QSize(516, 310);
    l.tilesPerPage = 2;
    l.pageLabel = QRect(240, 1320, 600, 120);
    l.summary = QRect(30, 560, 1020, 290);
    l.heading = QRect(40, 570, 1000, 70);
    l.totalWord = QRect(330, 660, 50, 60);
    l.count = QRect(382, 660, 80, 60);
    l.total = QRect(464, 660, 180, 60);
    l.wonWord = QRect(646, 660, 44, 60);
    l.timer = QRect(340, 750, 400, 80);
    l.card = QRect(30, 1450, 1020, 300);
    l.list = QRect(45, 1460, int(189 * kLargeScale), int(kRowHeight * kLargeScale));
    l.orderArea = l.card;
    return l;
}

}  // namespace sumbrel
