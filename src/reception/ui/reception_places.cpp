#include "reception/ui/reception_places.h"

#include "access/modes.h"
#include "presentation/place_rules.h"

namespace sumbrel::reception {

namespace {

using namespace places;

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
    return Row(QPoint(left, top), height, {key, key, key}, gap);
}

// The waiting status in a column: each caption over the width with its value under it, the teams'
// unit beside their number up to the caption's right.
WaitingPlaces WaitingColumn(const QRect& teamsCaption, int gap, int teamsWidth, int numberHeight, int timeTop,
                            int timeHeight)
{
    WaitingPlaces w;
    w.teamsCaption = teamsCaption;
    w.teams = Under(teamsCaption, gap, numberHeight);
    w.teams.setWidth(teamsWidth);
    w.teamsUnit = Beside(w.teams, 10, teamsCaption.right() - w.teams.right() - 10);
    w.timeCaption = teamsCaption.translated(0, timeTop - teamsCaption.top());
    w.time = Under(w.timeCaption, gap, timeHeight);
    return w;
}

// The waiting status in two lines, each caption with its value on its right.
WaitingPlaces WaitingLines(const QRect& teamsCaption, int teamsWidth, int unitGap, int unitWidth,
                           const QRect& timeCaption, int timeWidth)
{
    WaitingPlaces w;
    w.teamsCaption = teamsCaption;
    w.teams = Beside(teamsCaption, 0, teamsWidth);
    w.teamsUnit = Beside(w.teams, unitGap, unitWidth);
    w.timeCaption = timeCaption;
    w.time = Beside(timeCaption, 0, timeWidth);
    return w;
}

// The order panel's waiting rows, one line each, from the panel's left.
WaitingPlaces OrderWaitingRows(int teamsTop, int timeTop)
{
    return WaitingLines(QRect(15, teamsTop, 150, 50), 110, 10, 150, QRect(15, timeTop, 210, 50), 230);
}

// The dining keys: take-out a gap under eat-in, and the same key alone between them when there is
// no eating in.
void DiningKeys(ReceptionPlaces& p, const QRect& eatIn, int gap)
{
    p.eatIn = eatIn;
    p.takeout = Below(eatIn, gap);
    p.takeoutAlone = Between(p.eatIn, p.takeout);
}

// The completion box's parts in its own coordinates: the title across it, the message inset, the
// confirm key centred, and the countdown's number with its text on its right.
void CompletionParts(ReceptionPlaces& p, int titleTop, int titleHeight, const QRect& message, int confirmTop,
                     QSize confirm, const QRect& countNumber, int countGap, int countWidth)
{
    const int width = p.completionBox.width();
    p.completionTitle = Across(width, titleTop, titleHeight);
    p.completionMessage = message;
    p.completionConfirm = Centred(width, confirmTop, confirm);
    p.countNumber = countNumber;
    p.countText = Beside(countNumber, countGap, countWidth);
}

// "쉬운 주문" and the staff call key share the row the first had to itself, halves apart by the gap:
// the two keys of help side by side, after the dining keys in the keypad's order.
void HelpKeys(ReceptionPlaces& p, int gap)
{
    const QRect row = p.easyOrder;
    p.easyOrder.setWidth((row.width() - gap + 1) / 2);
    p.staffCall[0] = QRect(p.easyOrder.right() + 1 + gap, row.top(), row.right() - p.easyOrder.right() - gap, row.height());
}

void Design(ReceptionPlaces& p)
{
    p.entryPanel = QRect(474, 4, 546, 760);
    const int w = p.entryPanel.width();
    p.shopName = Inset(w, 20, 95, 100);
    DiningKeys(p, QRect(70, 205, 410, 150), 75);
    p.easyOrder = Under(p.takeout, 14, 70);
    // Nearer eat-in than halfway in the design.
    p.takeoutAlone = p.eatIn.translated(0, 110);
    p.operatorBox = QRect(394, 10, 140, 70);
    // Last in the keypad's order: the customer meets the dining keys first. The panel's foot stays free.
    p.languages = InARow(20, 672, 506, 58, 8);
    p.modeTitle = Across(w, 20, 80);
    p.modeHint = Inset(w, 20, 100, 80);
    p.toggles = Grid<4>(QRect(70, 190, 410, 88), 1, QSize(0, 100));
    p.modeStart = Under(p.toggles[3], 22, 100);
    p.close = QRect(464, 1, 80, 60);
    p.modeClose = p.close;
    p.numberChange = QRect(335, 0, 125, 60);
    p.number = Across(w, 70, 100);
    p.carNumber = p.number;
    p.phoneOnCar = QRect(15, 15, 305, 45);
    p.driveThru = Inset(w, 10, 175, 101);
    p.keypad = ThreeColumns({25, 190, 355}, {280, 395, 510, 625}, QSize(165, 115));
    p.payClose = p.close;
    p.payNumberChange = p.numberChange;
    p.payPhone = QRect(129, 100, 305, 45);
    p.payCar = QRect(130, 145, 305, 45);
    p.cash = QRect(115, 270, 335, 115);
    p.card = Below(p.cash, 45);
    p.notice = {QRect(), Inset(w, 10, 178, 96), p.driveThru, Inset(w, 10, 565, 120)};
    HelpKeys(p, 10);
    // The top left of the phone and payment panels; on the car panel, where the phone number stands
    // there, beside the car number (a few characters, which leave the room).
    p.carNumber.setWidth(370);
    p.staffCall[1] = QRect(15, 5, 200, 60);
    p.staffCall[2] = QRect(380, 85, 156, 70);
    p.staffCall[3] = p.staffCall[1];
    p.waiting = WaitingColumn(QRect(30, 220, 414, 56), 4, 270, 130, 450, 110);
    p.orderPanel = QRect(5, 5, 469, 758);
    p.listView = Across(p.orderPanel.width(), 0, 531);
    p.total = QRect(10, 535, 320, 70);
    p.menuSelect = Beside(p.total, 10, 130);
    p.orderWaiting = OrderWaitingRows(625, 690);
    p.completionBox = QRect(200, 70, 624, 618);
    CompletionParts(p, 90, 55, Inset(p.completionBox.width(), 50, 155, 241), 405, QSize(424, 100),
                    QRect(20, 530, 90, 50), 5, 490);
}

// Keys from 346 pixels down (the lower 55 % of 768), information above.
void Low(ReceptionPlaces& p)
{
    const int w = p.entryPanel.width();
    p.shopName = Inset(w, 20, 95, 200);
    DiningKeys(p, QRect(70, 350, 410, 105), 10);
    p.easyOrder = Under(p.takeout, 12, 82);
    p.languages = InARow(20, 676, 506, 76, 10);
    p.modeTitle = Across(w, 40, 80);
    p.modeHint = Inset(w, 20, 130, 150);
    p.toggles = Grid<4>(QRect(20, 350, 250, 100), 2, QSize(256, 110));
    p.modeStart = QRect(20, 580, 400, 110);
    p.modeClose = Beside(p.modeStart, 6, 100);
    p.keypad = ThreeColumns({10, 136, 262}, {350, 452, 554, 656}, QSize(120, 96));
    // The design's staff call key beside it is below here.
    p.carNumber = p.number;
    p.close = QRect(400, 350, 136, 96);
    p.numberChange = Below(p.close, 6);
    p.cash = QRect(115, 350, 335, 110);
    p.card = Below(p.cash, 20);
    // Under the X (and number change) beside the keypad; between number change and X below the
    // payment keys.
    p.staffCall[1] = QRect(400, 554, 136, 96);
    p.staffCall[2] = p.staffCall[1];
    const auto payFoot = Row(QPoint(20, 620), 90, {180, 170, 136}, 10);
    p.payNumberChange = payFoot[0];
    p.staffCall[3] = payFoot[1];
    p.payClose = payFoot[2];
    p.notice[3] = Inset(w, 10, 230, 110);
    p.orderWaiting = OrderWaitingRows(15, 75);
    p.total = QRect(10, 140, 450, 80);
    p.listView = Across(p.orderPanel.width(), 341, 340);
    p.menuSelect = QRect(340, 686, 125, 66);
    HelpKeys(p, 10);
}

// Twice the sizes: the entry panels over the whole window, the completion box too.
void Large(ReceptionPlaces& p, bool low)
{
    p.entryPanel = QRect(0, 0, 1024, 768);
    const int w = p.entryPanel.width();
    p.orderPanelCovered = true;
    p.operatorBox.moveLeft(874);
    p.completionBox = p.entryPanel;
    CompletionParts(p, 20, 130, Inset(w, 20, 150, 300), 470, QSize(600, 150), QRect(20, 640, 200, 100), 10, 774);
    if (!low) {
        // The phone and car numbers over the whole width; the menu key beside the keypad there.
        // The menu key and the staff call key share the row beside the keypad's foot.
        const auto besideKeypad = QRect(550, 615, 240, 140);
        p.menuKey = {QRect(), besideKeypad, besideKeypad, QRect(10, 10, 220, 140)};
        p.staffCall[1] = Beside(besideKeypad, 10, 214);
        p.staffCall[2] = p.staffCall[1];
        p.shopName = Inset(w, 20, 30, 170);
        DiningKeys(p, Centred(w, 215, QSize(800, 165)), 20);
        p.takeoutAlone = p.eatIn.translated(0, 85);
        p.easyOrder = QRect(20, 600, 470, 140);
        p.languages = InARow(510, 600, 494, 140, 10);
        p.modeTitle = Across(w, 10, 110);
        p.modeHint = Inset(w, 20, 120, 130);
        p.toggles = Grid<4>(QRect(20, 265, 484, 120), 2, QSize(500, 135));
        p.modeStart = QRect(20, 545, 800, 140);
        p.modeClose = Beside(p.modeStart, 20, 164);
        p.number = Across(w, 0, 162);
        p.carNumber = p.number;
        p.keypad = ThreeColumns({10, 190, 370}, {165, 315, 465, 615}, QSize(170, 140));
        // A column beside the keypad as wide as the phone number at full size.
        p.close = QRect(550, 165, 150, 110);
        p.numberChange = Beside(p.close, 10, 304);
        p.phoneOnCar = QRect(544, 277, 476, 80);
        p.driveThru = Under(p.phoneOnCar, 0, 257);
        p.payPhone = QRect(240, 4, 774, 80);
        p.payCar = Below(p.payPhone, 0);
        p.payTotal = Under(p.payCar, 0, 92);
        p.cash = Centred(w, 260, QSize(800, 150));
        p.card = Below(p.cash, 15);
        // Number change, the staff call key and X across the foot.
        const auto payFoot = Row(QPoint(20, 600), 140, {390, 370, 204}, 10);
        p.payNumberChange = payFoot[0];
        p.staffCall[3] = payFoot[1];
        p.payClose = payFoot[2];
        p.notice = {QRect(), Across(w, 0, 160), Across(w, 0, 160), QRect(240, 0, 784, 250)};
        HelpKeys(p, 10);
        return;
    }
    p.shopName = Inset(w, 20, 60, 260);
    DiningKeys(p, Centred(w, 350, QSize(800, 125)), 15);
    p.easyOrder = QRect(20, 630, 470, 120);
    p.languages = InARow(510, 630, 494, 120, 10);
    p.modeTitle = Across(w, 20, 110);
    p.modeHint = Inset(w, 20, 135, 190);
    p.toggles = Grid<4>(QRect(20, 350, 484, 110), 2, QSize(500, 120));
    p.modeStart = QRect(20, 595, 800, 140);
    p.modeClose = Beside(p.modeStart, 20, 164);
    p.number = Across(w, 10, 160);
    // The car number with the phone number beside it, then the drive-through text on two lines.
    p.carNumber = QRect(0, 0, 500, 166);
    p.phoneOnCar = QRect(510, 45, 504, 80);
    p.driveThru = Inset(w, 20, 168, 176);
    // Five columns of three rows: 1-5, 6-0, then delete, next, the menu key, X and number change,
    // each as wide as its caption needs at full size; the staff call key at the end of the first row.
    const auto digits = Grid<10>(QRect(10, 350, 160, 130), 5, QSize(170, 140));
    p.staffCall[1] = Beside(digits[4], 10, 154);
    p.staffCall[2] = p.staffCall[1];
    for (int digit = 0; digit <= 9; ++digit)
        p.keypad[size_t(digit)] = digits[size_t(digit == 0 ? 9 : digit - 1)];
    const auto foot = Row(Below(digits[5], 10).topLeft(), 130, {150, 170, 262, 130, 260}, 8);
    p.keypad[size_t(PhoneKey::Delete)] = foot[0];
    p.keypad[size_t(PhoneKey::Next)] = foot[1];
    p.close = foot[3];
    p.numberChange = foot[4];
    p.payPhone = Across(w, 20, 90);
    p.payCar = Below(p.payPhone, 0);
    p.payTotal = Under(p.payCar, 10, 110);
    p.cash = QRect(20, 350, 484, 180);
    p.card = Next(p.cash, 16);
    // Number change, the menu key, the staff call key and X under the payment keys.
    const auto payFoot = Row(QPoint(20, 560), 160, {240, 240, 240, 240}, 8);
    p.payNumberChange = payFoot[0];
    p.staffCall[3] = payFoot[2];
    p.payClose = payFoot[3];
    p.menuKey = {QRect(), foot[2], foot[2], payFoot[1]};
    p.notice = {QRect(), Inset(w, 10, 165, 175), Inset(w, 20, 165, 175), Inset(w, 10, 10, 150)};
    HelpKeys(p, 10);
}

// ---- a tall screen (1080 x 1920) ----------------------------------------------------------------

// The order across the top, the entry panels below it with their keys in the lower part.
void PortraitDesign(ReceptionPlaces& p)
{
    p.entryPanel = QRect(30, 840, 1020, 1050);
    const int w = p.entryPanel.width();
    // The start panel: the waiting status large in the top part, the shop's name above the keys.
    p.waiting = WaitingColumn(QRect(140, 170, 800, 70), 10, 500, 150, 450, 130);
    p.operatorBox.moveLeft(870);
    p.shopName = Inset(w, 20, 95, 140);
    DiningKeys(p, Centred(w, 280, QSize(810, 190)), 30);
    p.easyOrder = Under(p.takeout, 70, 130);
    p.languages = InARow(105, 910, 810, 110, 15);
    p.modeTitle = Across(w, 30, 90);
    p.modeHint = Inset(w, 20, 130, 90);
    p.toggles = Grid<4>(QRect(75, 260, 425, 160), 2, QSize(445, 180));
    p.modeStart = QRect(75, 660, 650, 160);
    p.modeClose = Beside(p.modeStart, 20, 200);
    // The number over the width, the keypad below it.
    p.numberChange = QRect(640, 10, 250, 100);
    p.close = Beside(p.numberChange, 10, 110);
    p.phoneOnCar = QRect(20, 20, 600, 80);
    p.number = Across(w, 115, 110);
    p.carNumber = p.number;
    p.driveThru = Inset(w, 20, 225, 80);
    p.keypad = ThreeColumns({45, 360, 675}, {315, 485, 655, 825}, QSize(300, 160));
    p.payClose = p.close;
    p.payNumberChange = p.numberChange;
    p.payPhone = Centred(w, 150, QSize(900, 70));
    p.payCar = Below(p.payPhone, 5);
    p.cash = Centred(w, 340, QSize(810, 180));
    p.card = Below(p.cash, 40);
    p.notice = {QRect(), Inset(w, 10, 228, 82), Inset(w, 10, 225, 85), Inset(w, 10, 790, 130)};
    // At the top left of each entry panel; the car panel's phone number beside it.
    p.staffCall = {QRect(), QRect(20, 10, 300, 100), QRect(20, 10, 300, 100), QRect(20, 10, 300, 100)};
    p.phoneOnCar = QRect(330, 20, 300, 80);
    HelpKeys(p, 20);
    // The list on the left of the order panel; the waiting rows, the total and the menu key beside it.
    p.orderPanel = QRect(30, 30, 1020, 790);
    p.listView = QRect(0, 0, 620, 790);
    p.orderWaiting = WaitingLines(QRect(650, 40, 170, 60), 100, 5, 90, QRect(650, 120, 360, 60), 0);
    // Here the time stands under its caption, as wide.
    p.orderWaiting.time = Below(p.orderWaiting.timeCaption, 0);
    p.total = QRect(640, 480, 370, 90);
    p.menuSelect = QRect(650, 610, 370, 150);
    // In the lower middle of the window.
    p.completionBox = QRect(120, 792, 840, 720);
    CompletionParts(p, 90, 60, Inset(p.completionBox.width(), 60, 165, 260), 450, QSize(500, 130),
                    QRect(60, 620, 150, 60), 10, 580);
}

// Keys from 864 pixels down (the lower 55 % of 1920): the order on the left and the entry panel on
// the right, each over the whole height, information at their tops.
void PortraitLow(ReceptionPlaces& p)
{
    p.orderPanel = QRect(27, 30, 469, 1860);
    p.entryPanel = Beside(p.orderPanel, 10, 546);
    const int w = p.entryPanel.width();
    p.waiting = WaitingColumn(QRect(40, 300, 440, 70), 10, 300, 150, 600, 130);
    p.orderWaiting = OrderWaitingRows(60, 130);
    p.total = QRect(10, 300, 450, 100);
    p.listView = Across(p.orderPanel.width(), 840, 840);
    p.menuSelect = QRect(160, 1700, 309, 140);
    p.operatorBox.moveLeft(396);
    p.shopName = Inset(w, 20, 250, 400);
    DiningKeys(p, Centred(w, 880, QSize(486, 200)), 30);
    p.easyOrder = Under(p.takeout, 110, 140);
    p.languages = InARow(30, 1590, 486, 140, 12);
    p.modeTitle = Across(w, 250, 90);
    p.modeHint = Inset(w, 20, 350, 200);
    p.toggles = Grid<4>(QRect(20, 880, 248, 160), 2, QSize(258, 180));
    p.modeStart = QRect(20, 1260, 350, 160);
    p.modeClose = Beside(p.modeStart, 10, 146);
    p.phoneOnCar = Inset(w, 15, 290, 80);
    p.number = Across(w, 400, 130);
    p.carNumber = p.number;
    p.driveThru = Inset(w, 10, 540, 200);
    p.keypad = ThreeColumns({10, 188, 366}, {880, 1050, 1220, 1390}, QSize(170, 160));
    p.numberChange = QRect(10, 1570, 300, 140);
    p.close = Beside(p.numberChange, 10, 216);
    p.payPhone = Inset(w, 20, 300, 70);
    p.payCar = Below(p.payPhone, 10);
    p.cash = Centred(w, 880, QSize(486, 180));
    p.card = Below(p.cash, 30);
    p.payNumberChange = QRect(10, 1300, 260, 140);
    p.payClose = Beside(p.payNumberChange, 10, 256);
    p.notice = {QRect(), Inset(w, 10, 560, 150), p.driveThru, Inset(w, 10, 480, 200)};
    // At the panels' foot, below number change and X.
    p.staffCall = {QRect(), QRect(10, 1720, 526, 130), QRect(10, 1720, 526, 130), QRect(10, 1720, 526, 130)};
    HelpKeys(p, 12);
}

// Twice the sizes: the entry panels over the whole window, information in the upper part and every
// key in the lower part, so one set serves the large view with or without the low layout.
void PortraitLarge(ReceptionPlaces& p)
{
    p.entryPanel = QRect(0, 0, 1080, 1920);
    const int w = p.entryPanel.width();
    p.orderPanelCovered = true;
    p.operatorBox.moveLeft(930);
    p.completionBox = p.entryPanel;
    CompletionParts(p, 200, 200, Inset(w, 20, 420, 400), 1000, QSize(800, 220), QRect(20, 1300, 300, 140), 10, 730);
    p.shopName = Inset(w, 20, 200, 500);
    DiningKeys(p, Centred(w, 900, QSize(900, 260)), 40);
    p.easyOrder = Under(p.takeout, 40, 200);
    p.languages = InARow(90, 1720, 900, 180, 15);
    p.modeTitle = Across(w, 200, 150);
    p.modeHint = Inset(w, 20, 360, 300);
    p.toggles = Grid<4>(QRect(20, 900, 510, 210), 2, QSize(530, 230));
    p.modeStart = QRect(20, 1400, 760, 220);
    p.modeClose = Beside(p.modeStart, 20, 260);
    p.number = Across(w, 250, 200);
    p.carNumber = p.number;
    p.phoneOnCar = Inset(w, 20, 460, 100);
    p.driveThru = Inset(w, 20, 570, 280);
    p.keypad = ThreeColumns({20, 370, 720}, {870, 1050, 1230, 1410}, QSize(340, 170));
    // Below the keypad: the menu key, number change and X; the staff call key under them.
    const auto foot = Row(QPoint(20, 1590), 200, {380, 360, 280}, 10);
    p.numberChange = foot[1];
    p.close = foot[2];
    p.staffCall[1] = Centred(w, 1800, QSize(600, 110));
    p.staffCall[2] = p.staffCall[1];
    p.payPhone = Across(w, 200, 110);
    p.payCar = Below(p.payPhone, 0);
    p.payTotal = Under(p.payCar, 10, 140);
    p.cash = Centred(w, 900, QSize(900, 240));
    p.card = Below(p.cash, 20);
    p.payNumberChange = QRect(20, 1420, 510, 200);
    p.payClose = Next(p.payNumberChange, 20);
    // The menu key and the staff call key under the payment panel's two keys, as wide.
    p.menuKey = {QRect(), foot[0], foot[0], Under(p.payNumberChange, 40, 200)};
    p.staffCall[3] = Under(p.payClose, 40, 200);
    p.notice = {QRect(), Inset(w, 10, 470, 380), p.driveThru, Inset(w, 10, 600, 280)};
    HelpKeys(p, 20);
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
