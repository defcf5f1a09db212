#include "menu/frm_menu_select_sub_b.h"

#include "catalogue/menu_catalogue.h"
#include "menu/item_dialog_look.h"
#include "menu/menu_photo.h"
#include "menu/option_rows.h"
#include "presentation/caption_key.h"
#include "presentation/presentation.h"
#include "presentation/screen_utils.h"
#include "startup/clock.h"
#include "startup/dialogs.h"
#include "startup/trace_log.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QShowEvent>

namespace sumbrel {

using namespace item_dialog;
using menu::OptionMenu;

namespace {
const QString kModule = QStringLiteral("frmMenuSelectSubB");
constexpr int kRowLeft = 6;
constexpr int kRowWidth = 154;
constexpr int kPriceLeft = 160;
constexpr int kPriceWidth = 64;
constexpr int kRowHeight = 36;

}  // namespace

frmMenuSelectSubB::frmMenuSelectSubB(QString& pageCart, QWidget* page)
    : QDialog(page, Qt::Dialog | Qt::FramelessWindowHint)
    , m_pageCart(pageCart)
    , m_page(page)
{
    setObjectName(QStringLiteral("frmMenuSelectSubB"));
    setWindowTitle(QStringLiteral("옵션 선택"));
    setModal(true);
    Timer3.setObjectName(QStringLiteral("Timer3"));
    AutoIncrement.setObjectName(QStringLiteral("AutoIncrement"));
    connect(&Timer3, &QTimer::timeout, this, [this] { Timer3_Timer(); });
    connect(&AutoIncrement, &QTimer::timeout, this, [this] { AutoIncrement_Timer(); });
    buildWidgets();
    Form_Load();
}

frmMenuSelectSubB::~frmMenuSelectSubB() = default;

void frmMenuSelectSubB::buildWidgets()
{
    메뉴사진 = MakeLabel(this, QStringLiteral("메뉴사진"), {57, 24, 210, 140}, LabelFont(14), kMuted, Qt::AlignCenter);
    메뉴이름 = MakeLabel(this, QStringLiteral("메뉴이름"), {287, 18, 459, 74}, KeyFont(30), kNavy,
                         Qt::AlignLeft | Qt::AlignVCenter, true);
    메뉴구성 = MakeLabel(this, QStringLiteral("메뉴구성"), {287, 92, 459, 30}, LabelFont(16), kMuted,
                         Qt::AlignLeft | Qt::AlignVCenter);
    MakeLabel(this, QStringLiteral("lblPriceCaption"), {287, 122, 50, 44}, LabelFont(17), kMuted,
              Qt::AlignLeft | Qt::AlignVCenter)
        ->setText(QStringLiteral("가격"));
    메뉴가격 = MakeLabel(this, QStringLiteral("메뉴가격"), {337, 122, 110, 44}, KeyFont(26), kInk,
                         Qt::AlignRight | Qt::AlignVCenter);
    MakeLabel(this, QStringLiteral("lblPriceUnit"), {449, 122, 26, 44}, LabelFont(17), kInk,
              Qt::AlignLeft | Qt::AlignVCenter)
        ->setText(QStringLiteral("원"));
    메뉴설명 = MakeLabel(this, QStringLiteral("메뉴설명"), {73, 176, 657, 72}, LabelFont(16), kInk,
                         Qt::AlignLeft | Qt::AlignVCenter, true);

    picBack = MakeWhitePanel(this, QStringLiteral("picBack"), kBackArea);
    for (int j = 0; j < kOptionGroups; ++j) {
        picList[j] = MakeWhitePanel(picBack, QStringLiteral("picList_%1").arg(j),
                                    {OptionMenu::PanelLeft(j, 0), 0, OptionMenu::kPanelWidth, kBackArea.height()});
        // A rule between neighbouring groups, shown with the group.
        m_rules[j] = new QFrame(picList[j]);
        m_rules[j]->setGeometry(0, 12, 1, kBackArea.height() - 24);
        m_rules[j]->setStyleSheet(QStringLiteral("background: rgb(226,224,218); border: none;"));
        m_rules[j]->hide();
        AddMenu_Title[j] = MakeLabel(picList[j], QStringLiteral("AddMenu_Title_%1").arg(j), {10, 6, 212, 44},
                                     KeyFont(17), kNavy, Qt::AlignLeft | Qt::AlignVCenter, true);
        AddMenu_Title[j]->hide();
    }

    ssp타이머 = MakeLabel(this, QStringLiteral("ssp타이머"), {57, 568, 84, 44}, LabelFont(17), kMuted, Qt::AlignCenter);
    ssp타이머->setText(QStringLiteral("30초"));
    MakeLabel(this, QStringLiteral("lblGroupCaption"), {150, 568, 72, 44}, LabelFont(15), kMuted,
              Qt::AlignRight | Qt::AlignVCenter)
        ->setText(QStringLiteral("옵션 그룹"));
    lbl선택갯수 = MakeLabel(this, QStringLiteral("lbl선택갯수"), {226, 576, 28, 28}, KeyFont(15), kInk,
                            Qt::AlignCenter);
    lbl선택갯수->setStyleSheet(
        QStringLiteral("background: rgb(255,213,0); color: %1; border-radius: 14px;").arg(kInk.name()));

    const QColor pageKey(231, 231, 231);
    CmdLabel[kCmdPageBack] = MakeKey(this, QStringLiteral("CmdLabel_1"), QStringLiteral("◀ 이전"), {276, 568, 104, 44},
                                     KeyFont(18), pageKey, QColor(192, 192, 192), kInk);
    CmdLabel[kCmdPageNext] = MakeKey(this, QStringLiteral("CmdLabel_2"), QStringLiteral("다음 ▶"), {386, 568, 104, 44},
                                     KeyFont(18), pageKey, QColor(192, 192, 192), kInk);

    SetNum_Add[kQuantityDown] = MakeQuantityKey(this, kQuantityDown, {566, 570, 40, 40});
    SetNum = MakeLabel(this, QStringLiteral("SetNum"), {608, 570, 96, 40}, KeyFont(24), kInk, Qt::AlignCenter);
    SetNum_Add[kQuantityUp] = MakeQuantityKey(this, kQuantityUp, {706, 570, 40, 40});
    for (int i : {kQuantityDown, kQuantityUp}) {
        CaptionKey* key = SetNum_Add[i];
        connect(key, &CaptionKey::pressed, this, [this, i] { SetNum_Add_MouseDown(i); });
        connect(key, &CaptionKey::released, this, [this, i] { SetNum_Add_MouseUp(i); });
        connect(key, &CaptionKey::clicked, this, [this, i] { SetNum_Add_Click(i); });
        // The second touch of a double tap is one more step.
        connect(key, &CaptionKey::doubleClicked, this, [this, i] { SetNum_Add_Click(i); });
    }

    MakeLabel(this, QStringLiteral("lblTotalCaption"), {57, 620, 120, 48}, LabelFont(19), kInk,
              Qt::AlignLeft | Qt::AlignVCenter)
        ->setText(QStringLiteral("합계 금액"));
    Total = MakeLabel(this, QStringLiteral("Total"), {400, 620, 310, 48}, KeyFont(34), kNavy,
                      Qt::AlignRight | Qt::AlignVCenter);
    MakeLabel(this, QStringLiteral("lblTotalUnit"), {713, 620, 33, 48}, LabelFont(21), kNavy,
              Qt::AlignLeft | Qt::AlignVCenter)
        ->setText(QStringLiteral("원"));

    CmdLabel[kCmdClose] = MakeKey(this, QStringLiteral("CmdLabel_0"), QStringLiteral("닫기"), {57, 676, 330, 60},
                                  KeyFont(24), QColor(231, 231, 231), QColor(192, 192, 192), kInk);
    CmdLabel[kCmdConfirm] = MakeKey(this, QStringLiteral("CmdLabel_3"), QStringLiteral("주문 담기"),
                                    {416, 676, 330, 60}, KeyFont(24), kNavy, kNavy.darker(140), kWhite);
    for (int i = 0; i < kCmdCount; ++i)
        connect(CmdLabel[i], &CaptionKey::clicked, this, [this, i] { CmdLabel_Click(i); });
}

void frmMenuSelectSubB::Form_Load()
{
    Procedure proc(kModule, QStringLiteral("Form_Load"));
    SUMBREL_STEP(proc, {
        setFixedSize(kWidth, kHeight);
        if (m_page)
            move(m_page->mapToGlobal(QPoint(0, 0)) + QPoint(0, kTopFromPage));
    });
    SUMBREL_STEP(proc, m_background = SkinPicture(QStringLiteral("0505.gif")));
    SUMBREL_STEP(proc, FormRound(this, kCorner));
    m_Deadline.renew();
    Timer3.start(scaledMs(menu::kIdleTickMs));
}

void frmMenuSelectSubB::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Once per opening: coming back from the message box never clears the customer's choices.
    if (!m_activated) {
        m_activated = true;
        Form_Activate();
    }
}

void frmMenuSelectSubB::Form_Activate()
{
    Procedure proc(kModule, QStringLiteral("Form_Activate"));
    SUMBREL_STEP(proc, {
        const std::optional<menu::MenuItem> item = menu::ReadMenuItem(menuCatalogue(), m_메뉴IDX);
        if (!item)
            throw Failure(kSubscriptOutOfRange, QStringLiteral("Subscript out of range"));
        m_model = OptionMenu(*item);
        // An empty name would break the cart text: what was left out is traced once, here.
        for (const QString& note : m_model.skipped())
            WriteLog(QStringLiteral("  [frmMenuSelectSubB→Form_Activate] menu ") + m_model.item().num
                     + QStringLiteral(" ") + note);
    });
    SUMBREL_STEP(proc, {
        메뉴사진->setAccessibleName(m_model.item().name + QStringLiteral(" 사진"));
        ShowMenuPhoto(메뉴사진, m_model.item().num);
    });
    SUMBREL_STEP(proc, {
        메뉴이름->setText(m_model.item().name);
        메뉴구성->setText(m_model.item().composition);
        메뉴설명->setText(m_model.item().description);
        메뉴가격->setText(m_model.item().priceText);
    });
    SUMBREL_STEP(proc, SetNum->setText(m_model.quantity().text()));
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
        row->setGeometry(kRowLeft, OptionMenu::RowTop(k), kRowWidth, kRowHeight);
        connect(row, &QAbstractButton::clicked, this, [this, j, k] { AddMenu_Option_Click(j, k); });
        row->show();
        m_rows[j].push_back(row);

        auto* price = new PricePanel(option.priceCaption, picList[j]);
        price->setObjectName(QStringLiteral("AddMenu_Price%1_%2").arg(j).arg(k));
        price->setGeometry(kPriceLeft, OptionMenu::RowTop(k), kPriceWidth, kRowHeight);
        connect(price, &QAbstractButton::clicked, this, [this, j, k] { AddMenu_Price_Click(j, k); });
        price->show();
        AddMenu_Price[j].push_back(price);
    }
    showChoices(j);
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
}

void frmMenuSelectSubB::placePanels()
{
    for (int j = 0; j < kOptionGroups; ++j)
        picList[j]->move(OptionMenu::PanelLeft(j, m_model.pageLeft()), 0);
}

bool frmMenuSelectSubB::금액합계()
{
    m_model.금액합계();
    m_SELECTED = m_model.selection();
    Total->setText(m_model.totalText());
    CmdLabel[kCmdConfirm]->setForeground(m_model.valid() ? kWhite : kSilver);
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

void frmMenuSelectSubB::SetNum_Add_Click(int index)
{
    m_Deadline.renew();
    m_model.quantity().step(index == kQuantityUp ? +1 : -1);
    SetNum->setText(m_model.quantity().text());
    금액합계();
}

void frmMenuSelectSubB::SetNum_Add_MouseDown(int index)
{
    m_hold.press(index);
    AutoIncrement.start(scaledMs(menu::kRepeatTickMs));
}

void frmMenuSelectSubB::SetNum_Add_MouseUp(int)
{
    AutoIncrement.stop();
    m_hold.release();
}

void frmMenuSelectSubB::AutoIncrement_Timer()
{
    if (const std::optional<int> key = m_hold.tick())
        SetNum_Add_Click(*key);
}

void frmMenuSelectSubB::CmdLabel_Click(int index)
{
    if (index < 0 || index >= kCmdCount || !CmdLabel[index])
        return;
    CaptionKey* key = CmdLabel[index];
    // A key works once; nothing acts while the dialog is closing.
    if (!key->isKeyEnabled() || m_closing)
        return;
    key->setKeyEnabled(false);
    switch (CmdIndex(index)) {
    case kCmdConfirm:
        if (!m_model.valid()) {
            MessageBox(QStringLiteral("최소 선택 갯수를 확인하세요!"), MessageIcon::Information);
            break;
        }
        if (const std::optional<QString> cart = m_model.AddedTo(m_pageCart)) {
            m_pageCart = *cart;
            key->setKeyEnabled(true);
            m_Deadline.renew();
            closeDialog(Accepted);
        } else {
            WriteLog(QStringLiteral("  [frmMenuSelectSubB→CmdLabel_Click] menu ") + m_model.item().num
                     + QStringLiteral(" without a name: not added"));
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

void frmMenuSelectSubB::closeDialog(int result)
{
    m_closing = true;
    WaitMs(100);
    done(result);
}

void frmMenuSelectSubB::done(int result)
{
    Timer3.stop();
    AutoIncrement.stop();
    QDialog::done(result);
}

void frmMenuSelectSubB::Timer3_Timer()
{
    if (m_closing)
        return;
    const std::optional<QString> text = m_Deadline.countdownText();
    if (!text) {
        done(Rejected);
        return;
    }
    if (*text != m_countdownShown) {
        m_countdownShown = *text;
        ssp타이머->setText(*text);
    }
}

void frmMenuSelectSubB::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    PaintBackground(p, this, m_background);
    if (!m_background.isNull())
        return;
    PaintPanel(p, {57, 172, 689, 80}, kBand);
    // A rim around the options area.
    p.setPen(QPen(QColor(214, 211, 203), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(kBackArea).adjusted(-4.5, -4.5, 4.5, 4.5), 8, 8);
}

}  // namespace sumbrel
