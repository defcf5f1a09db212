#include "menu/ui/frm_menu_select_sub_b.h"

#include "access/speech.h"
#include "access/spoken.h"
#include "menu/ui/item_dialog_look.h"
#include "menu/ui/option_buttons.h"
#include "presentation/caption_key.h"
#include "presentation/presentation.h"
#include "presentation/widgets.h"
#include "startup/dialogs.h"
#include "startup/trace_log.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <algorithm>

namespace sumbrel {

using item_dialog::PaintBackground;
using item_dialog::PaintPanel;
using menu::OptionMenu;

namespace {
constexpr int kRowLeft = 6;
constexpr int kRowWidth = 154;
constexpr int kPriceLeft = 160;
constexpr int kPriceWidth = 64;
constexpr int kRowHeight = 36;
constexpr int kFirstRowTop = 54;
constexpr int kRowStep = 40;
constexpr int kRowPagerTop = 256;  // the group's own page keys, below five rows
constexpr int kPageWidth = OptionMenu::kGroupsPerPage * frmMenuSelectSubB::kPanelWidth;

int PanelLeft(int j, int groupPage)
{
    return j * frmMenuSelectSubB::kPanelWidth - groupPage * kPageWidth;
}

int RowTop(int slot)
{
    return kFirstRowTop + slot * kRowStep;
}

// "(+500)" as it is said.
QString SpokenPrice(const QString& caption)
{
    const int64_t price = menu::PriceFromCaption(caption);
    if (price == 0)
        return QStringLiteral("추가 금액 없음");
    return QString::number(price < 0 ? -price : price) + (price < 0 ? QStringLiteral("원 할인") : QStringLiteral("원 추가"));
}

}  // namespace

frmMenuSelectSubB::frmMenuSelectSubB(QWidget* page)
    : ItemDialog(page,
                 {QStringLiteral("frmMenuSelectSubB"), QStringLiteral("옵션 선택"), QSize(kWidth, kHeight),
                  QPoint(0, kTopFromPage), QStringLiteral("0505.gif")})
{
    buildWidgets();
    Form_Load();
}

frmMenuSelectSubB::~frmMenuSelectSubB() = default;

void frmMenuSelectSubB::buildWidgets()
{
    makeItemTexts({.photo = {57, 24, 210, 140},
                   .name = {287, 18, 459, 74},
                   .composition = {287, 92, 459, 30},
                   .description = {73, 176, 657, 72},
                   .priceCaption = {287, 122, 50, 44},
                   .price = {337, 122, 110, 44},
                   .priceUnit = {449, 122, 26, 44}});

    picBack = MakePanel(this, QStringLiteral("picBack"), kBackArea, Colours().panel);
    for (int j = 0; j < kOptionGroups; ++j) {
        picList[j] = MakePanel(picBack, QStringLiteral("picList_%1").arg(j),
                               {PanelLeft(j, 0), 0, kPanelWidth, kBackArea.height()}, Colours().panel);
        // A rule between neighbouring groups, shown with the group.
        m_rules[j] = new QFrame(picList[j]);
        m_rules[j]->setObjectName(QStringLiteral("AddMenu_Rule_%1").arg(j));
        m_rules[j]->setGeometry(0, 12, 1, kBackArea.height() - 24);
        SetFill(m_rules[j], Colours().itemDialogs.groupRule);
        m_rules[j]->hide();
        AddMenu_Title[j] = MakeLabel(picList[j], QStringLiteral("AddMenu_Title_%1").arg(j), {10, 6, 212, 44},
                                     KeyFont(17), Colours().itemDialogs.navy, Qt::AlignLeft | Qt::AlignVCenter,
                                     LabelFlag::Wrap);
        AddMenu_Title[j]->hide();
        const int top = kRowPagerTop;
        const std::pair<QString, QRect> keys[] = {{QStringLiteral("▲ 이전"), {8, top, 78, 34}},
                                                  {QStringLiteral("▼ 다음"), {144, top, 78, 34}}};
        for (int i = 0; i < 2; ++i) {
            CaptionKey* key = MakeKey(picList[j], QStringLiteral("AddMenu_Page%1_%2").arg(j).arg(i), keys[i].first,
                                      keys[i].second, KeyFont(14), Colours().plainKey, Colours().itemDialogs.ink);
            connect(key, &CaptionKey::clicked, this, [this, j, i] { AddMenu_Page_Click(j, i == 0 ? -1 : +1); });
            key->hide();
            AddMenu_Page[j][size_t(i)] = key;
        }
        AddMenu_PageText[j] = MakeLabel(picList[j], QStringLiteral("AddMenu_PageText_%1").arg(j), {86, top, 58, 34},
                                        KeyFont(14), Colours().itemDialogs.ink, Qt::AlignCenter, {});
        AddMenu_PageText[j]->hide();
    }

    makeCountdown({57, 568, 84, 44});
    MakeLabel(this, QStringLiteral("lblGroupCaption"), {150, 568, 72, 44}, LabelFont(15),
              Colours().itemDialogs.mutedInk, Qt::AlignRight | Qt::AlignVCenter, {})
        ->setText(QStringLiteral("옵션 그룹"));
    lbl선택갯수 = MakeLabel(this, QStringLiteral("lbl선택갯수"), {226, 576, 28, 28}, KeyFont(15),
                            Colours().itemDialogs.ink, Qt::AlignCenter, {});
    lbl선택갯수->setStyleSheet(QStringLiteral("background: %1; color: %2; border-radius: 14px;")
                                   .arg(CssColour(Colours().accentKey.rest), CssColour(Colours().itemDialogs.ink)));

    CmdLabel[kCmdPageBack] = MakeKey(this, QStringLiteral("CmdLabel_1"), QStringLiteral("◀ 이전"), {276, 568, 104, 44},
                                     KeyFont(18), Colours().plainKey, Colours().itemDialogs.ink);
    CmdLabel[kCmdPageNext] = MakeKey(this, QStringLiteral("CmdLabel_2"), QStringLiteral("다음 ▶"), {386, 568, 104, 44},
                                     KeyFont(18), Colours().plainKey, Colours().itemDialogs.ink);

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
    for (int i : {kCmdPageBack, kCmdPageNext})
        connect(CmdLabel[i], &CaptionKey::clicked, this, [this, i] { CmdLabel_Click(i); });
}

void frmMenuSelectSubB::Form_Activate()
{
    Procedure proc(m_frame.name, QStringLiteral("Form_Activate"));
    SUMBREL_STEP(proc, {
        m_model = OptionMenu(ReadItem());
        // An empty name would break the cart text: what was left out is traced once, here.
        for (const QString& note : m_model.notes())
            WriteLog(QStringLiteral("  [frmMenuSelectSubB→Form_Activate] menu ") + m_model.item().num
                     + QStringLiteral(" ") + note);
    });
    if (!showItem(proc))
        return;
    SUMBREL_STEP(proc, lbl선택갯수->setText(QString::number(m_model.groupCount())));
    SUMBREL_STEP(proc, {
        // The page keys only where there is a second page.
        const bool paged = m_model.group(3) || m_model.group(4);
        CmdLabel[kCmdPageBack]->setVisible(paged);
        CmdLabel[kCmdPageNext]->setVisible(paged);
    });
    for (int j = 0; j < kOptionGroups; ++j)
        SUMBREL_STEP(proc, Disp_AddMenu(j));
    SUMBREL_STEP(proc, placePanels());
    SUMBREL_STEP(proc, 금액합계());
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
    m_rules[j]->setVisible(group && j % 3 != 0);
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

        auto* price = new PricePanel(option.priceCaption, picList[j]);
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
        const int top = RowTop(std::max(slot, 0));
        m_rows[j][k]->setGeometry(kRowLeft, top, kRowWidth, kRowHeight);
        AddMenu_Price[j][k]->setGeometry(kPriceLeft, top, kPriceWidth, kRowHeight);
        m_rows[j][k]->setVisible(slot >= 0);
        AddMenu_Price[j][k]->setVisible(slot >= 0);
    }
    const bool paged = m_model.rowPages(j) > 1;
    for (CaptionKey* key : AddMenu_Page[j])
        key->setVisible(paged);
    AddMenu_PageText[j]->setText(m_model.rowPageText(j));
    AddMenu_PageText[j]->setVisible(paged);
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
        const QString said = access::OptionText(group->name, option.name, SpokenPrice(option.priceCaption),
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
            return true;
        }
    }
    if (!m_model.turnGroupPage(step))
        return false;
    picBack->update();
    placePanels();
    return true;
}

void frmMenuSelectSubB::placePanels()
{
    for (int j = 0; j < kOptionGroups; ++j)
        picList[j]->move(PanelLeft(j, m_model.groupPage()), 0);
}

bool frmMenuSelectSubB::금액합계()
{
    m_model.금액합계();
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
    금액합계();
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
        if (addToPage(m_model.AddedTo(QString()))) {
            access::Guide(access::LineAddedText(item().name, quantity().value(), m_model.totalText()));
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
    case kCmdCount:
        break;
    }
    key->setKeyEnabled(true);
    m_Deadline.renew();
}

void frmMenuSelectSubB::paintPanels(QPainter& p)
{
    PaintPanel(p, {57, 172, 689, 80}, Colours().itemDialogs.band);
    // A rim around the options area.
    p.setPen(QPen(Colours().itemDialogs.optionsRim, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(kBackArea).adjusted(-4.5, -4.5, 4.5, 4.5), 8, 8);
}

}  // namespace sumbrel
