#include "menu/ui/frm_menu_select_sub_b.h"

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

frmMenuSelectSubB::Places PlacesNow()
{
    return ItemDialog::FullScreen() ? FullScreenPlaces(access::CurrentModes().large) : kDesign;
}

// "(+500)" as it is said.
QString SpokenPrice(order::Money money)
{
    const int64_t price = money.won();
    if (price == 0)
        return QStringLiteral("추가 금액 없음");
    return QString::number(price < 0 ? -price : price)
        + (price < 0 ? QStringLiteral("원 할인") : QStringLiteral("원 추가"));
}

}  // namespace

frmMenuSelectSubB::frmMenuSelectSubB(QWidget* page)
    : ItemDialog(page,
                 {QStringLiteral("frmMenuSelectSubB"), QStringLiteral("옵션 선택"),
                  FullScreen() ? kScreen : QSize(kWidth, kHeight), QPoint(0, FullScreen() ? 0 : kTopFromPage),
                  SkinIn(QStringLiteral("0505.gif"))})
    , m_at(PlacesNow())
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
    if (FullScreen()) {
        buildFullScreen();
    } else {
        makeItemTexts({.photo = {57, 24, 210, 140},
                       .name = {287, 18, 459, 74},
                       .composition = {287, 92, 459, 30},
                       .description = {73, 176, 657, 72},
                       .priceCaption = {287, 122, 50, 44},
                       .price = {337, 122, 110, 44},
                       .priceUnit = {449, 122, 26, 44}});
        makeCountdown({57, 568, 84, 44});
        MakeLabel(this, QStringLiteral("lblGroupCaption"), {150, 568, 72, 44}, LabelFont(15),
                  Colours().itemDialogs.mutedInk, Qt::AlignRight | Qt::AlignVCenter, {})
            ->setText(QStringLiteral("옵션 그룹"));
        m_chosenCountLabel = MakeLabel(this, QStringLiteral("lbl선택갯수"), {226, 576, 28, 28}, KeyFont(15),
                                       Colours().itemDialogs.ink, Qt::AlignCenter, {});
        CmdLabel[kCmdPageBack] = MakeKey(this, QStringLiteral("CmdLabel_1"), QStringLiteral("◀ 이전"),
                                         {276, 568, 104, 44}, KeyFont(18), Colours().plainKey, Colours().keyInk);
        CmdLabel[kCmdPageNext] = MakeKey(this, QStringLiteral("CmdLabel_2"), QStringLiteral("다음 ▶"),
                                         {386, 568, 104, 44}, KeyFont(18), Colours().plainKey, Colours().keyInk);
        makeQuantityKeys({566, 570, 40, 40}, {608, 570, 96, 40}, {706, 570, 40, 40});
        makeTotal({.caption = {57, 620, 120, 48},
                   .amount = {400, 620, 310, 48},
                   .unit = {713, 620, 33, 48},
                   .captionText = QStringLiteral("합계 금액"),
                   .captionAlignment = Qt::AlignLeft | Qt::AlignVCenter,
                   .captionSize = 19,
                   .amountSize = 34,
                   .unitSize = 21});
        makeCommandKeys({57, 676, 330, 60}, {416, 676, 330, 60});
    }
    m_chosenCountLabel->setStyleSheet(QStringLiteral("background: %1; color: %2; border-radius: %3px;")
                                          .arg(CssColour(Colours().accentKey.rest), CssColour(Colours().keyInk))
                                          .arg(m_chosenCountLabel->height() / 2));
    for (int i : {kCmdPageBack, kCmdPageNext})
        connect(CmdLabel[i], &CaptionKey::clicked, this, [this, i] { CmdLabel_Click(i); });

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
        const std::pair<QString, QRect> keys[] = {{QStringLiteral("▲ 이전"), m_at.pageBack},
                                                  {QStringLiteral("▼ 다음"), m_at.pageNext}};
        for (int i = 0; i < 2; ++i) {
            CaptionKey* key = MakeKey(picList[j], QStringLiteral("AddMenu_Page%1_%2").arg(j).arg(i), keys[i].first,
                                      keys[i].second, KeyFont(kPageKeySize), Colours().plainKey, Colours().keyInk);
            connect(key, &CaptionKey::clicked, this, [this, j, i] { AddMenu_Page_Click(j, i == 0 ? -1 : +1); });
            key->hide();
            AddMenu_Page[j][size_t(i)] = key;
        }
        AddMenu_PageText[j] = MakeLabel(picList[j], QStringLiteral("AddMenu_PageText_%1").arg(j), m_at.pageText,
                                        KeyFont(kPageKeySize), Colours().itemDialogs.ink, Qt::AlignCenter, {});
        AddMenu_PageText[j]->hide();
    }
}

void frmMenuSelectSubB::buildFullScreen()
{
    // The item and the totals above the lower part; the options and every key within it.
    makeItemTexts({.photo = {24, 20, 220, 150},
                   .name = {264, 14, 736, 72},
                   .composition = {264, 148, 736, 40},
                   .description = {24, 190, 976, 84},
                   .priceCaption = {264, 88, 90, 58},
                   .price = {354, 88, 190, 58},
                   .priceUnit = {546, 88, 60, 58},
                   .priceSize = 22});
    const int info = 280;
    makeCountdown({24, info, 170, 60});
    MakeLabel(this, QStringLiteral("lblGroupCaption"), {640, info, 250, 60}, LabelFont(15),
              Colours().itemDialogs.mutedInk, Qt::AlignRight | Qt::AlignVCenter, {})
        ->setText(QStringLiteral("옵션 그룹"));
    const int badge = int(std::lround(36 * CurrentLook().scale));
    m_chosenCountLabel = MakeLabel(this, QStringLiteral("lbl선택갯수"), {900, info + (60 - badge) / 2, badge, badge},
                                   KeyFont(15), Colours().itemDialogs.ink, Qt::AlignCenter, {});
    makeTotal({.caption = {200, info, 130, 60},
               .amount = {330, info, 230, 60},
               .unit = {560, info, 70, 60},
               .captionText = QStringLiteral("합계"),
               .captionAlignment = Qt::AlignRight | Qt::AlignVCenter,
               .amountSize = 24});

    const int keys = m_at.back.bottom() + 8;
    CmdLabel[kCmdPageBack] = MakeKey(this, QStringLiteral("CmdLabel_1"), QStringLiteral("◀ 이전"), {24, keys, 200, 72},
                                     KeyFont(18), Colours().plainKey, Colours().keyInk);
    CmdLabel[kCmdPageNext] = MakeKey(this, QStringLiteral("CmdLabel_2"), QStringLiteral("다음 ▶"), {232, keys, 200, 72},
                                     KeyFont(18), Colours().plainKey, Colours().keyInk);
    makeQuantityKeys({640, keys, 110, 72}, {750, keys, 140, 72}, {890, keys, 110, 72}, 24);
    const int commands = keys + 80;
    makeCommandKeys({24, commands, 470, kScreen.height() - commands - 6},
                    {530, commands, 470, kScreen.height() - commands - 6}, 22);
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
    access::Guide(access::PageText(QStringLiteral("옵션"), m_model.groupPage() + 1, m_model.groupPages()));
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
            MessageBox(QStringLiteral("최소 선택 갯수를 확인하세요!"), MessageIcon::Information);
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
    if (!FullScreen())
        PaintPanel(p, {57, 172, 689, 80}, Colours().itemDialogs.band);
    // A rim around the options area.
    const double s = StageScale();
    p.setPen(QPen(Colours().itemDialogs.optionsRim, std::max(1.0, s)));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(Px(m_at.back)).adjusted(-4.5 * s, -4.5 * s, 4.5 * s, 4.5 * s), 8 * s, 8 * s);
}

}  // namespace sumbrel
