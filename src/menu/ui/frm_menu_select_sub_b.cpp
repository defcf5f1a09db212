#include "menu/ui/frm_menu_select_sub_b.h"

#include "access/language.h"
#include "access/modes.h"
#include "access/speech.h"
#include "access/spoken.h"
#include "menu/ui/item_dialog_look.h"
#include "menu/ui/option_buttons.h"
#include "presentation/caption_key.h"
#include "presentation/keypad_navigator.h"
#include "presentation/presentation.h"
#include "presentation/stage_scale.h"
#include "presentation/widgets.h"
#include "startup/dialogs.h"
#include "startup/trace_log.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace sumbrel {

using item_dialog::PaintBackground;
using item_dialog::PaintPanel;
using menu::OptionMenu;

namespace {

constexpr int kTitleSize = 17;
constexpr int kPageKeySize = 14;
constexpr int kRowLeft = 6;

// The design's layout: three groups a page, six rows (five and the group's page keys when paged).
const frmMenuSelectSubB::Places kDesign{.back = frmMenuSelectSubB::kBackArea,
                                        .panelWidth = frmMenuSelectSubB::kPanelWidth,
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
frmMenuSelectSubB::Places FullScreenPlaces(bool large)
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
const frmMenuSelectSubB::Places kPortrait{.back = {41, 376, 918, 560},
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
frmMenuSelectSubB::Places FullPortraitPlaces(bool large)
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

// "(+500)" as it is said.
QString SpokenPrice(order::Money money)
{
    const int64_t price = money.won();
    if (price == 0)
        return access::Tr("추가 금액 없음");
    return (price < 0 ? access::Tr("%1원 할인") : access::Tr("%1원 추가")).arg(price < 0 ? -price : price);
}

}  // namespace

QSize frmMenuSelectSubB::DesignSize()
{
    return StagePortrait() ? kPortraitSize : QSize(kWidth, kHeight);
}

frmMenuSelectSubB::Layout frmMenuSelectSubB::LayoutNow()
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

frmMenuSelectSubB::frmMenuSelectSubB(QWidget* page)
    : frmMenuSelectSubB(page, LayoutNow())
{
}

frmMenuSelectSubB::frmMenuSelectSubB(QWidget* page, const Layout& layout)
    : ItemDialog(page,
                 {QStringLiteral("frmMenuSelectSubB"), access::Tr("옵션 선택"), layout.size, layout.fromPage,
                  SkinIn(QStringLiteral("0505.gif"))})
    , m_layout(layout)
{
    buildWidgets();
    Form_Load();
}

frmMenuSelectSubB::~frmMenuSelectSubB() = default;

int frmMenuSelectSubB::panelLeft(int j, int groupPage) const
{
    return (j - groupPage * m_at.paging.groupsPerPage) * m_at.panelWidth;
}

QRect frmMenuSelectSubB::rowPlace(int slot) const
{
    const int column = slot % m_at.columns;
    const int line = slot / m_at.columns;
    return {column * m_at.cellWidth + kRowLeft, m_at.firstRowTop + line * m_at.rowStep, m_at.rowWidth, m_at.rowHeight};
}

void frmMenuSelectSubB::buildWidgets()
{
    const Layout& at = m_layout;
    makeItemTexts(at.item);
    makeCountdown(at.countdown);
    QLabel* groupCaption = MakeLabel(this, QStringLiteral("lblGroupCaption"), at.groupCaption, LabelFont(15),
                                     Colours().itemDialogs.mutedInk, Qt::AlignRight | Qt::AlignVCenter, {});
    groupCaption->setText(access::Tr("옵션 그룹"));
    FitToPlace(groupCaption);
    m_chosenCountLabel = MakeLabel(this, QStringLiteral("lbl선택갯수"), at.chosenCount, KeyFont(15),
                                   Colours().itemDialogs.ink, Qt::AlignCenter, {});
    // In the order each layout has always been built in: the drawn text follows it to the pixel.
    if (FullScreen())
        makeTotal(at.total);
    CmdLabel[kCmdPageBack] = MakeKey(this, QStringLiteral("CmdLabel_1"), QStringLiteral("◀ ") + access::Tr("이전"),
                                     at.pageBack, KeyFont(18), Colours().plainKey, Colours().keyInk);
    CmdLabel[kCmdPageNext] = MakeKey(this, QStringLiteral("CmdLabel_2"), access::Tr("다음") + QStringLiteral(" ▶"),
                                     at.pageNext, KeyFont(18), Colours().plainKey, Colours().keyInk);
    makeQuantityKeys(at.down, at.shown, at.up, at.quantitySize);
    if (!FullScreen())
        makeTotal(at.total);
    makeCommandKeys(at.close, at.add, at.commandSize);
    m_chosenCountLabel->setStyleSheet(QStringLiteral("background: %1; color: %2; border-radius: %3px;")
                                          .arg(CssColour(Colours().accentKey.rest), CssColour(Colours().keyInk))
                                          .arg(m_chosenCountLabel->height() / 2));
    for (int i : {kCmdPageBack, kCmdPageNext}) {
        FitToPlace(CmdLabel[i]);
        connect(CmdLabel[i], &CaptionKey::clicked, this, [this, i] { CmdLabel_Click(i); });
    }

    picBack = MakePanel(this, QStringLiteral("picBack"), m_at.back, Colours().panel);
    for (int j = 0; j < kOptionGroups; ++j) {
        picList[j] = MakePanel(picBack, QStringLiteral("picList_%1").arg(j),
                               {panelLeft(j, 0), 0, m_at.panelWidth, m_at.back.height()}, Colours().panel);
        // A rule between neighbouring groups, shown with the group.
        m_rules[j] = new QFrame(picList[j]);
        m_rules[j]->setObjectName(QStringLiteral("AddMenu_Rule_%1").arg(j));
        m_rules[j]->setGeometry(0, Px(12), std::max(1, Px(1)), Px(m_at.back.height() - 24));
        SetFill(m_rules[j], Colours().itemDialogs.groupRule);
        m_rules[j]->hide();
        AddMenu_Title[j] = MakeLabel(picList[j], QStringLiteral("AddMenu_Title_%1").arg(j), m_at.title,
                                     KeyFont(kTitleSize), Colours().itemDialogs.navy, Qt::AlignLeft | Qt::AlignVCenter,
                                     LabelFlag::Wrap);
        AddMenu_Title[j]->hide();
        const std::pair<QString, QRect> keys[] = {{QStringLiteral("▲ ") + access::Tr("이전"), m_at.pageBack},
                                                  {QStringLiteral("▼ ") + access::Tr("다음"), m_at.pageNext}};
        for (int i = 0; i < 2; ++i) {
            CaptionKey* key = MakeKey(picList[j], QStringLiteral("AddMenu_Page%1_%2").arg(j).arg(i), keys[i].first,
                                      keys[i].second, KeyFont(kPageKeySize), Colours().plainKey, Colours().keyInk);
            FitToPlace(key);
            connect(key, &CaptionKey::clicked, this, [this, j, i] { AddMenu_Page_Click(j, i == 0 ? -1 : +1); });
            key->hide();
            AddMenu_Page[j][size_t(i)] = key;
        }
        AddMenu_PageText[j] = MakeLabel(picList[j], QStringLiteral("AddMenu_PageText_%1").arg(j), m_at.pageText,
                                        KeyFont(kPageKeySize), Colours().itemDialogs.ink, Qt::AlignCenter, {});
        AddMenu_PageText[j]->hide();
    }
}

void frmMenuSelectSubB::Form_Activate()
{
    Procedure proc(m_frame.name, QStringLiteral("Form_Activate"));
    SUMBREL_STEP(proc, {
        m_model = OptionMenu(ReadItem(), m_at.paging);
        // A group or option without a name is not offered: what was left out is traced once, here.
        for (const QString& note : m_model.notes())
            WriteLog(QStringLiteral("  [frmMenuSelectSubB→Form_Activate] menu ") + m_model.item().num
                     + QStringLiteral(" ") + note);
    });
    if (!showItem(proc))
        return;
    SUMBREL_STEP(proc, m_chosenCountLabel->setText(QString::number(m_model.groupCount())));
    SUMBREL_STEP(proc, {
        // The page keys only where there is a second page.
        const bool paged = m_model.groupPages() > 1;
        CmdLabel[kCmdPageBack]->setVisible(paged);
        CmdLabel[kCmdPageNext]->setVisible(paged);
    });
    for (int j = 0; j < kOptionGroups; ++j)
        SUMBREL_STEP(proc, Disp_AddMenu(j));
    SUMBREL_STEP(proc, placePanels());
    SUMBREL_STEP(proc, computeTotal());
}

void frmMenuSelectSubB::Disp_AddMenu(int j)
{
    if (j < 0 || j >= kOptionGroups)
        return;
    // Rows of an earlier layout go first.
    for (OptionRow* row : m_rows[j])
        delete row;
    for (PricePanel* panel : AddMenu_Price[j])
        delete panel;
    m_rows[j].clear();
    AddMenu_Price[j].clear();

    const menu::OptionGroup* group = m_model.group(j);
    m_rules[j]->setVisible(group && j % m_at.paging.groupsPerPage != 0);
    if (!group) {
        AddMenu_Title[j]->hide();
        placeRows(j);
        return;
    }
    AddMenu_Title[j]->setText(menu::OptionHeading(j, *group));
    AddMenu_Title[j]->show();
    const QString rowName = group->singleChoice ? QStringLiteral("AddMenu_Option%1_%2")
                                                : QStringLiteral("AddMenu_Check%1_%2");
    for (int k = 0; k < group->options.size(); ++k) {
        const menu::MenuOption& option = group->options[k];
        auto* row = new OptionRow(option.name, group->singleChoice, picList[j]);
        row->setObjectName(rowName.arg(j).arg(k));
        connect(row, &QAbstractButton::clicked, this, [this, j, k] { AddMenu_Option_Click(j, k); });
        m_rows[j].push_back(row);

        auto* price = new PricePanel(option.priceCaption(), picList[j]);
        price->setObjectName(QStringLiteral("AddMenu_Price%1_%2").arg(j).arg(k));
        connect(price, &QAbstractButton::clicked, this, [this, j, k] { AddMenu_Price_Click(j, k); });
        AddMenu_Price[j].push_back(price);
    }
    placeRows(j);
    showChoices(j);
}

void frmMenuSelectSubB::placeRows(int j)
{
    // The rows of the group's current page at their slots; the others hidden until paged to.
    for (size_t k = 0; k < m_rows[j].size(); ++k) {
        const int slot = m_model.rowSlot(j, int(k));
        const QRect row = rowPlace(std::max(slot, 0));
        m_rows[j][k]->setGeometry(Px(row));
        AddMenu_Price[j][k]->setGeometry(
            Px(QRect(row.left() + m_at.priceOffset, row.top(), m_at.priceWidth, row.height())));
        m_rows[j][k]->setVisible(slot >= 0);
        AddMenu_Price[j][k]->setVisible(slot >= 0);
    }
    const bool paged = m_model.rowPages(j) > 1;
    for (CaptionKey* key : AddMenu_Page[j])
        key->setVisible(paged);
    AddMenu_PageText[j]->setText(m_model.rowPageText(j));
    AddMenu_PageText[j]->setVisible(paged);
    // The keypad's ring leaves a row paged away.
    keypad()->refresh();
}

void frmMenuSelectSubB::AddMenu_Page_Click(int j, int step)
{
    m_Deadline.renew();
    m_model.stepRowPage(j, step);
    placeRows(j);
}

void frmMenuSelectSubB::showChoices(int j)
{
    // The chosen rows first: a single-choice row gives way to the newly chosen one by itself.
    const std::vector<OptionRow*>& rows = m_rows[j];
    for (size_t k = 0; k < rows.size(); ++k) {
        if (m_model.isChosen(j, int(k)))
            rows[k]->setChecked(true);
    }
    for (size_t k = 0; k < rows.size(); ++k) {
        if (!m_model.isChosen(j, int(k)))
            rows[k]->setChecked(false);
    }
    const menu::OptionGroup* group = m_model.group(j);
    if (!group)
        return;
    for (size_t k = 0; k < rows.size(); ++k) {
        const menu::MenuOption& option = group->options[qsizetype(k)];
        const QString said = access::OptionText(group->name, option.name, SpokenPrice(option.price),
                                                m_model.isChosen(j, int(k)));
        rows[k]->setAccessibleDescription(said);
        AddMenu_Price[j][k]->setAccessibleDescription(said);
    }
}

void frmMenuSelectSubB::guideMinimum()
{
    for (int j = 0; j < kOptionGroups; ++j) {
        const menu::OptionGroup* group = m_model.group(j);
        if (!group || group->singleChoice)
            continue;
        int ticked = 0;
        for (qsizetype k = 0; k < group->options.size(); ++k)
            ticked += m_model.isChosen(j, int(k)) ? 1 : 0;
        if (ticked < group->required()) {
            access::Guide(access::MinimumNotMetText(group->name, group->required()));
            return;
        }
    }
}

bool frmMenuSelectSubB::turnPage(access::Move move)
{
    const int step = move == access::Move::Next ? +1 : move == access::Move::Previous ? -1 : 0;
    if (step == 0)
        return false;
    // The rows of the groups shown first, then the groups.
    const int per = m_model.paging().groupsPerPage;
    const int first = m_model.groupPage() * per;
    for (int i = 0; i < per; ++i) {
        const int j = step > 0 ? first + i : first + per - 1 - i;
        if (j < kOptionGroups && m_model.turnRowPage(j, step)) {
            placeRows(j);
            access::Guide(access::PageText(m_model.group(j)->name, m_model.rowPage(j) + 1, m_model.rowPages(j)));
            return true;
        }
    }
    if (!m_model.turnGroupPage(step))
        return false;
    picBack->update();
    placePanels();
    access::Guide(access::PageText(access::Tr("옵션"), m_model.groupPage() + 1, m_model.groupPages()));
    return true;
}

void frmMenuSelectSubB::placePanels()
{
    for (int j = 0; j < kOptionGroups; ++j) {
        picList[j]->move(Px(panelLeft(j, m_model.groupPage())), 0);
        // Off the page, a group's rows are no keys to the keypad or a screen reader.
        picList[j]->setVisible(j / m_at.paging.groupsPerPage == m_model.groupPage());
    }
    keypad()->refresh();
}

bool frmMenuSelectSubB::computeTotal()
{
    m_model.computeTotal();
    m_SELECTED = m_model.selection();
    showTotal(m_model.totalText());
    CmdLabel[kCmdAdd]->setForeground(m_model.valid() ? Colours().inkOnDark : Colours().itemDialogs.invalidAddInk);
    return true;
}

void frmMenuSelectSubB::AddMenu_Option_Click(int j, int k)
{
    // Choices alone do not renew the idle deadline.
    m_model.touch(j, k);
    showChoices(j);
    computeTotal();
    if (j >= 0 && j < kOptionGroups && k >= 0 && size_t(k) < m_rows[j].size())
        access::Guide(m_rows[j][size_t(k)]->accessibleDescription());
}

void frmMenuSelectSubB::AddMenu_Price_Click(int j, int k)
{
    AddMenu_Option_Click(j, k);
}

void frmMenuSelectSubB::CmdLabel_Click(int index)
{
    CaptionKey* key = takeKey(index);
    if (!key)
        return;
    switch (CmdIndex(index)) {
    case kCmdAdd:
        if (!m_model.valid()) {
            guideMinimum();
            MessageBox(access::Tr("최소 선택 갯수를 확인하세요!"), MessageIcon::Information);
            break;
        }
        if (addToPage(m_model.added())) {
            key->setKeyEnabled(true);
            m_Deadline.renew();
            closeDialog(Accepted);
        } else {
            key->setKeyEnabled(true);
            closeDialog(Rejected);
        }
        return;
    case kCmdClose:
        key->setKeyEnabled(true);
        m_Deadline.renew();
        closeDialog(Rejected);
        return;
    case kCmdPageBack:
    case kCmdPageNext:
        picBack->update();
        m_model.togglePage();
        placePanels();
        break;
    case kPanelKeyCount:
        break;
    }
    key->setKeyEnabled(true);
    m_Deadline.renew();
}

void frmMenuSelectSubB::paintPanels(QPainter& p)
{
    if (!m_layout.band.isNull())
        PaintPanel(p, m_layout.band, Colours().itemDialogs.band);
    // A rim around the options area.
    const double s = StageScale();
    p.setPen(QPen(Colours().itemDialogs.optionsRim, std::max(1.0, s)));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(Px(m_at.back)).adjusted(-4.5 * s, -4.5 * s, 4.5 * s, 4.5 * s), 8 * s, 8 * s);
}

}  // namespace sumbrel
