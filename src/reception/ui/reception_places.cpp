#include "reception/ui/reception_places.h"

#include "access/modes.h"

namespace sumbrel::reception {

namespace {

// The keypad's keys in a grid: "1" "2" "3" / "4" "5" "6" / "7" "8" "9" / "<-" "0" next.
std::array<QRect, kKeypadKeys> ThreeColumns(const int (&columns)[3], const int (&rows)[4], QSize cell)
{
    std::array<QRect, kKeypadKeys> keys{};
    for (int key = 0; key < kKeypadKeys; ++key) {
        int row = 3;
        int column = 0;
        if (key >= 1 && key <= 9) {
            row = (key - 1) / 3;
            column = (key - 1) % 3;
        } else if (key == int(PhoneKey::Digit0)) {
            column = 1;
        } else if (key == int(PhoneKey::Next)) {
            column = 2;
        }
        keys[size_t(key)] = QRect(QPoint(columns[column], rows[row]), cell);
    }
    return keys;
}

// Three keys side by side from the left, as wide as the room allows with the gap between them.
std::array<QRect, 3> InARow(int left, int top, int width, int height, int gap)
{
    const int key = (width - 2 * gap) / 3;
    return {QRect(left, top, key, height), QRect(left + key + gap, top, key, height),
            QRect(left + 2 * (key + gap), top, key, height)};
}

// The order panel's waiting rows, one line each, from the panel's left.
WaitingPlaces OrderWaitingRows(int teamsTop, int timeTop)
{
    return {QRect(15, teamsTop, 150, 50), QRect(165, teamsTop, 110, 50), QRect(285, teamsTop, 150, 50),
            QRect(15, timeTop, 210, 50), QRect(225, timeTop, 230, 50)};
}

void Design(ReceptionPlaces& p)
{
    p.entryPanel = QRect(474, 4, 546, 760);
    p.shopName = QRect(20, 95, 506, 100);
    p.eatIn = QRect(70, 205, 410, 150);
    p.takeout = QRect(70, 430, 410, 150);
    p.takeoutAlone = QRect(70, 315, 410, 150);
    p.easyOrder = QRect(70, 594, 410, 70);
    p.operatorBox = QRect(394, 10, 140, 70);
    // Last in the keypad's order: the customer meets the dining keys first. The panel's foot stays free.
    p.languages = InARow(20, 672, 506, 58, 8);
    p.modeTitle = QRect(0, 20, 546, 80);
    p.modeHint = QRect(20, 100, 506, 80);
    for (int i = 0; i < 4; ++i)
        p.toggles[size_t(i)] = QRect(70, 190 + i * 100, 410, 88);
    p.modeStart = QRect(70, 600, 410, 100);
    p.modeClose = QRect(464, 1, 80, 60);
    p.close = QRect(464, 1, 80, 60);
    p.numberChange = QRect(335, 0, 125, 60);
    p.number = QRect(0, 70, 546, 100);
    p.carNumber = p.number;
    p.phoneOnCar = QRect(15, 15, 305, 45);
    p.driveThru = QRect(10, 175, 526, 101);
    p.keypad = ThreeColumns({25, 190, 355}, {280, 395, 510, 625}, QSize(165, 115));
    p.payClose = p.close;
    p.payNumberChange = p.numberChange;
    p.payPhone = QRect(129, 100, 305, 45);
    p.payCar = QRect(130, 145, 305, 45);
    p.cash = QRect(115, 270, 335, 115);
    p.card = QRect(115, 430, 335, 115);
    p.notice = {QRect(), QRect(10, 178, 526, 96), QRect(10, 175, 526, 101), QRect(10, 565, 526, 120)};
    p.waiting = {QRect(30, 220, 414, 56), QRect(30, 280, 270, 130), QRect(310, 280, 134, 130), QRect(30, 450, 414, 56),
                 QRect(30, 510, 414, 110)};
    p.orderPanel = QRect(5, 5, 469, 758);
    p.listView = QRect(0, 0, 469, 531);
    p.total = QRect(10, 535, 320, 70);
    p.menuSelect = QRect(340, 535, 130, 70);
    p.orderWaiting = OrderWaitingRows(625, 690);
    p.completionBox = QRect(200, 70, 624, 618);
    p.completionTitle = QRect(0, 90, 624, 55);
    p.completionMessage = QRect(50, 155, 524, 241);
    p.completionConfirm = QRect(100, 405, 424, 100);
    p.countNumber = QRect(20, 530, 90, 50);
    p.countText = QRect(115, 530, 490, 50);
}

// Keys from 346 pixels down (the lower 55 % of 768), information above.
void Low(ReceptionPlaces& p)
{
    p.shopName = QRect(20, 95, 506, 200);
    p.eatIn = QRect(70, 350, 410, 105);
    p.takeout = QRect(70, 465, 410, 105);
    p.takeoutAlone = QRect(70, 408, 410, 105);
    p.easyOrder = QRect(70, 582, 410, 82);
    p.languages = InARow(20, 676, 506, 76, 10);
    p.modeTitle = QRect(0, 40, 546, 80);
    p.modeHint = QRect(20, 130, 506, 150);
    for (int i = 0; i < 4; ++i)
        p.toggles[size_t(i)] = QRect(20 + (i % 2) * 256, 350 + (i / 2) * 110, 250, 100);
    p.modeStart = QRect(20, 580, 400, 110);
    p.modeClose = QRect(426, 580, 100, 110);
    p.keypad = ThreeColumns({10, 136, 262}, {350, 452, 554, 656}, QSize(120, 96));
    p.close = QRect(400, 350, 136, 96);
    p.numberChange = QRect(400, 452, 136, 96);
    p.cash = QRect(115, 350, 335, 110);
    p.card = QRect(115, 480, 335, 110);
    p.payNumberChange = QRect(30, 620, 230, 90);
    p.payClose = QRect(286, 620, 230, 90);
    p.notice[3] = QRect(10, 230, 526, 110);
    p.orderWaiting = OrderWaitingRows(15, 75);
    p.total = QRect(10, 140, 450, 80);
    p.listView = QRect(0, 341, 469, 340);
    p.menuSelect = QRect(340, 686, 125, 66);
}

// Twice the sizes: the entry panels over the whole window, the completion box too.
void Large(ReceptionPlaces& p, bool low)
{
    p.entryPanel = QRect(0, 0, 1024, 768);
    p.orderPanelCovered = true;
    p.operatorBox = QRect(874, 10, 140, 70);
    p.completionBox = QRect(0, 0, 1024, 768);
    p.completionTitle = QRect(0, 20, 1024, 130);
    p.completionMessage = QRect(20, 150, 984, 300);
    p.completionConfirm = QRect(212, 470, 600, 150);
    p.countNumber = QRect(20, 640, 200, 100);
    p.countText = QRect(230, 640, 774, 100);
    if (!low) {
        // The phone and car numbers over the whole width; the menu key beside the keypad there.
        p.menuKey = {QRect(), QRect(550, 615, 464, 140), QRect(550, 615, 464, 140), QRect(10, 10, 220, 140)};
        p.shopName = QRect(20, 30, 984, 170);
        p.eatIn = QRect(112, 215, 800, 165);
        p.takeout = QRect(112, 400, 800, 165);
        p.takeoutAlone = QRect(112, 300, 800, 165);
        p.easyOrder = QRect(20, 600, 470, 140);
        p.languages = InARow(510, 600, 494, 140, 10);
        p.modeTitle = QRect(0, 10, 1024, 110);
        p.modeHint = QRect(20, 120, 984, 130);
        for (int i = 0; i < 4; ++i)
            p.toggles[size_t(i)] = QRect(20 + (i % 2) * 500, 265 + (i / 2) * 135, 484, 120);
        p.modeStart = QRect(20, 545, 800, 140);
        p.modeClose = QRect(840, 545, 164, 140);
        p.number = QRect(0, 0, 1024, 162);
        p.carNumber = p.number;
        p.keypad = ThreeColumns({10, 190, 370}, {165, 315, 465, 615}, QSize(170, 140));
        // A column beside the keypad as wide as the phone number at full size.
        p.close = QRect(550, 165, 150, 110);
        p.numberChange = QRect(710, 165, 304, 110);
        p.phoneOnCar = QRect(544, 277, 476, 80);
        p.driveThru = QRect(544, 357, 476, 257);
        p.payPhone = QRect(240, 4, 774, 80);
        p.payCar = QRect(240, 84, 774, 80);
        p.payTotal = QRect(240, 164, 774, 92);
        p.cash = QRect(112, 260, 800, 150);
        p.card = QRect(112, 425, 800, 150);
        p.payNumberChange = QRect(112, 600, 390, 140);
        p.payClose = QRect(522, 600, 390, 140);
        p.notice = {QRect(), QRect(0, 0, 1024, 160), QRect(0, 0, 1024, 160), QRect(240, 0, 784, 250)};
        return;
    }
    p.shopName = QRect(20, 60, 984, 260);
    p.eatIn = QRect(112, 350, 800, 125);
    p.takeout = QRect(112, 490, 800, 125);
    p.takeoutAlone = QRect(112, 420, 800, 125);
    p.easyOrder = QRect(20, 630, 470, 120);
    p.languages = InARow(510, 630, 494, 120, 10);
    p.modeTitle = QRect(0, 20, 1024, 110);
    p.modeHint = QRect(20, 135, 984, 190);
    for (int i = 0; i < 4; ++i)
        p.toggles[size_t(i)] = QRect(20 + (i % 2) * 500, 350 + (i / 2) * 120, 484, 110);
    p.modeStart = QRect(20, 595, 800, 140);
    p.modeClose = QRect(840, 595, 164, 140);
    p.number = QRect(0, 10, 1024, 160);
    // The car number with the phone number beside it, then the drive-through text on two lines.
    p.carNumber = QRect(0, 0, 500, 166);
    p.phoneOnCar = QRect(510, 45, 504, 80);
    p.driveThru = QRect(20, 168, 984, 176);
    // Five columns of three rows: 1-5, 6-0, then delete, next, the menu key, X and number change,
    // each as wide as its caption needs at full size.
    const int columns[] = {10, 214, 418, 622, 826};
    const int rows[] = {350, 490, 630};
    const QSize cell(188, 130);
    for (int digit = 0; digit <= 9; ++digit) {
        const int at = digit == 0 ? 9 : digit - 1;
        p.keypad[size_t(digit)] = QRect(QPoint(columns[at % 5], rows[at / 5]), cell);
    }
    p.keypad[size_t(PhoneKey::Delete)] = QRect(10, rows[2], 150, 130);
    p.keypad[size_t(PhoneKey::Next)] = QRect(168, rows[2], 170, 130);
    const QRect menuCell(346, rows[2], 262, 130);
    p.menuKey = {QRect(), menuCell, menuCell, QRect(352, 560, 320, 160)};
    p.close = QRect(616, rows[2], 130, 130);
    p.numberChange = QRect(754, rows[2], 260, 130);
    p.payPhone = QRect(0, 20, 1024, 90);
    p.payCar = QRect(0, 110, 1024, 90);
    p.payTotal = QRect(0, 210, 1024, 110);
    p.cash = QRect(20, 350, 484, 180);
    p.card = QRect(520, 350, 484, 180);
    p.payNumberChange = QRect(20, 560, 320, 160);
    p.payClose = QRect(684, 560, 320, 160);
    p.notice = {QRect(), QRect(10, 165, 1004, 175), QRect(20, 165, 984, 175), QRect(10, 10, 1004, 150)};
}

// ---- a tall screen (1080 x 1920) ----------------------------------------------------------------

// The order across the top, the entry panels below it with their keys in the lower part.
void PortraitDesign(ReceptionPlaces& p)
{
    p.entryPanel = QRect(30, 840, 1020, 1050);
    // The start panel: the waiting status large in the top part, the shop's name above the keys.
    p.waiting = {QRect(140, 170, 800, 70), QRect(140, 250, 500, 150), QRect(650, 250, 290, 150),
                 QRect(140, 450, 800, 70), QRect(140, 530, 800, 130)};
    p.operatorBox = QRect(870, 10, 140, 70);
    p.shopName = QRect(20, 95, 980, 140);
    p.eatIn = QRect(105, 280, 810, 190);
    p.takeout = QRect(105, 500, 810, 190);
    p.takeoutAlone = QRect(105, 390, 810, 190);
    p.easyOrder = QRect(105, 760, 810, 130);
    p.languages = InARow(105, 910, 810, 110, 15);
    p.modeTitle = QRect(0, 30, 1020, 90);
    p.modeHint = QRect(20, 130, 980, 90);
    for (int i = 0; i < 4; ++i)
        p.toggles[size_t(i)] = QRect(75 + (i % 2) * 445, 260 + (i / 2) * 180, 425, 160);
    p.modeStart = QRect(75, 660, 650, 160);
    p.modeClose = QRect(745, 660, 200, 160);
    // The number over the width, the keypad below it.
    p.close = QRect(900, 10, 110, 100);
    p.numberChange = QRect(640, 10, 250, 100);
    p.phoneOnCar = QRect(20, 20, 600, 80);
    p.number = QRect(0, 115, 1020, 110);
    p.carNumber = p.number;
    p.driveThru = QRect(20, 225, 980, 80);
    p.keypad = ThreeColumns({45, 360, 675}, {315, 485, 655, 825}, QSize(300, 160));
    p.payClose = p.close;
    p.payNumberChange = p.numberChange;
    p.payPhone = QRect(60, 150, 900, 70);
    p.payCar = QRect(60, 225, 900, 70);
    p.cash = QRect(105, 340, 810, 180);
    p.card = QRect(105, 560, 810, 180);
    p.notice = {QRect(), QRect(10, 228, 1000, 82), QRect(10, 225, 1000, 85), QRect(10, 790, 1000, 130)};
    // The list on the left of the order panel; the waiting rows, the total and the menu key beside it.
    p.orderPanel = QRect(30, 30, 1020, 790);
    p.listView = QRect(0, 0, 620, 790);
    p.orderWaiting = {QRect(650, 40, 170, 60), QRect(820, 40, 100, 60), QRect(925, 40, 90, 60),
                      QRect(650, 120, 360, 60), QRect(650, 180, 360, 60)};
    p.total = QRect(640, 480, 370, 90);
    p.menuSelect = QRect(650, 610, 370, 150);
    // In the lower middle of the window.
    p.completionBox = QRect(120, 792, 840, 720);
    p.completionTitle = QRect(0, 90, 840, 60);
    p.completionMessage = QRect(60, 165, 720, 260);
    p.completionConfirm = QRect(170, 450, 500, 130);
    p.countNumber = QRect(60, 620, 150, 60);
    p.countText = QRect(220, 620, 580, 60);
}

// Keys from 864 pixels down (the lower 55 % of 1920): the order on the left and the entry panel on
// the right, each over the whole height, information at their tops.
void PortraitLow(ReceptionPlaces& p)
{
    p.orderPanel = QRect(27, 30, 469, 1860);
    p.entryPanel = QRect(506, 30, 546, 1860);
    p.waiting = {QRect(40, 300, 440, 70), QRect(40, 380, 300, 150), QRect(350, 380, 130, 150), QRect(40, 600, 440, 70),
                 QRect(40, 680, 440, 130)};
    p.orderWaiting = OrderWaitingRows(60, 130);
    p.total = QRect(10, 300, 450, 100);
    p.listView = QRect(0, 840, 469, 840);
    p.menuSelect = QRect(160, 1700, 309, 140);
    p.operatorBox = QRect(396, 10, 140, 70);
    p.shopName = QRect(20, 250, 506, 400);
    p.eatIn = QRect(30, 880, 486, 200);
    p.takeout = QRect(30, 1110, 486, 200);
    p.takeoutAlone = QRect(30, 995, 486, 200);
    p.easyOrder = QRect(30, 1420, 486, 140);
    p.languages = InARow(30, 1590, 486, 140, 12);
    p.modeTitle = QRect(0, 250, 546, 90);
    p.modeHint = QRect(20, 350, 506, 200);
    for (int i = 0; i < 4; ++i)
        p.toggles[size_t(i)] = QRect(20 + (i % 2) * 258, 880 + (i / 2) * 180, 248, 160);
    p.modeStart = QRect(20, 1260, 350, 160);
    p.modeClose = QRect(380, 1260, 146, 160);
    p.phoneOnCar = QRect(15, 290, 516, 80);
    p.number = QRect(0, 400, 546, 130);
    p.carNumber = p.number;
    p.driveThru = QRect(10, 540, 526, 200);
    p.keypad = ThreeColumns({10, 188, 366}, {880, 1050, 1220, 1390}, QSize(170, 160));
    p.numberChange = QRect(10, 1570, 300, 140);
    p.close = QRect(320, 1570, 216, 140);
    p.payPhone = QRect(20, 300, 506, 70);
    p.payCar = QRect(20, 380, 506, 70);
    p.cash = QRect(30, 880, 486, 180);
    p.card = QRect(30, 1090, 486, 180);
    p.payNumberChange = QRect(10, 1300, 260, 140);
    p.payClose = QRect(280, 1300, 256, 140);
    p.notice = {QRect(), QRect(10, 560, 526, 150), QRect(10, 540, 526, 200), QRect(10, 480, 526, 200)};
}

// Twice the sizes: the entry panels over the whole window, information in the upper part and every
// key in the lower part, so one set serves the large view with or without the low layout.
void PortraitLarge(ReceptionPlaces& p)
{
    p.entryPanel = QRect(0, 0, 1080, 1920);
    p.orderPanelCovered = true;
    p.operatorBox = QRect(930, 10, 140, 70);
    p.completionBox = QRect(0, 0, 1080, 1920);
    p.completionTitle = QRect(0, 200, 1080, 200);
    p.completionMessage = QRect(20, 420, 1040, 400);
    p.completionConfirm = QRect(140, 1000, 800, 220);
    p.countNumber = QRect(20, 1300, 300, 140);
    p.countText = QRect(330, 1300, 730, 140);
    p.shopName = QRect(20, 200, 1040, 500);
    p.eatIn = QRect(90, 900, 900, 260);
    p.takeout = QRect(90, 1200, 900, 260);
    p.takeoutAlone = QRect(90, 1050, 900, 260);
    p.easyOrder = QRect(90, 1500, 900, 200);
    p.languages = InARow(90, 1720, 900, 180, 15);
    p.modeTitle = QRect(0, 200, 1080, 150);
    p.modeHint = QRect(20, 360, 1040, 300);
    for (int i = 0; i < 4; ++i)
        p.toggles[size_t(i)] = QRect(20 + (i % 2) * 530, 900 + (i / 2) * 230, 510, 210);
    p.modeStart = QRect(20, 1400, 760, 220);
    p.modeClose = QRect(800, 1400, 260, 220);
    p.number = QRect(0, 250, 1080, 200);
    p.carNumber = p.number;
    p.phoneOnCar = QRect(20, 460, 1040, 100);
    p.driveThru = QRect(20, 570, 1040, 280);
    p.keypad = ThreeColumns({20, 370, 720}, {870, 1075, 1280, 1485}, QSize(340, 195));
    // Below the keypad: the menu key, number change and X.
    const QRect menuCell(20, 1700, 380, 200);
    p.numberChange = QRect(410, 1700, 360, 200);
    p.close = QRect(780, 1700, 280, 200);
    p.payPhone = QRect(0, 200, 1080, 110);
    p.payCar = QRect(0, 310, 1080, 110);
    p.payTotal = QRect(0, 430, 1080, 140);
    p.cash = QRect(90, 900, 900, 240);
    p.card = QRect(90, 1160, 900, 240);
    p.payNumberChange = QRect(20, 1420, 510, 200);
    p.payClose = QRect(550, 1420, 510, 200);
    p.menuKey = {QRect(), menuCell, menuCell, QRect(290, 1660, 500, 200)};
    p.notice = {QRect(), QRect(10, 470, 1060, 380), QRect(20, 570, 1040, 280), QRect(10, 600, 1060, 280)};
}

}  // namespace

ReceptionPlaces PlacesFor(const access::Modes& modes, bool portrait)
{
    ReceptionPlaces p;
    Design(p);
    if (portrait) {
        PortraitDesign(p);
        if (modes.large)
            PortraitLarge(p);
        else if (modes.low)
            PortraitLow(p);
        return p;
    }
    if (modes.large)
        Large(p, modes.low);
    else if (modes.low)
        Low(p);
    return p;
}

}  // namespace sumbrel::reception
