#include "menu/frm_menu_select_sub_a.h"

#include "catalogue/menu_catalogue.h"
#include "menu/item_dialog_look.h"
#include "menu/menu_photo.h"
#include "presentation/caption_key.h"
#include "presentation/presentation.h"
#include "presentation/screen_utils.h"
#include "startup/clock.h"
#include "startup/trace_log.h"

#include <QLabel>
#include <QPainter>
#include <QShowEvent>

namespace sumbrel {

using namespace item_dialog;

namespace {
const QString kModule = QStringLiteral("frmMenuSelectSubA");
}

frmMenuSelectSubA::frmMenuSelectSubA(QString& pageCart, QWidget* page)
    : QDialog(page, Qt::Dialog | Qt::FramelessWindowHint)
    , m_pageCart(pageCart)
    , m_page(page)
{
    setObjectName(QStringLiteral("frmMenuSelectSubA"));
    setWindowTitle(QStringLiteral("메뉴 선택"));
    setModal(true);
    Timer3.setObjectName(QStringLiteral("Timer3"));
    AutoIncrement.setObjectName(QStringLiteral("AutoIncrement"));
    connect(&Timer3, &QTimer::timeout, this, [this] { Timer3_Timer(); });
    connect(&AutoIncrement, &QTimer::timeout, this, [this] { AutoIncrement_Timer(); });
    buildWidgets();
    Form_Load();
}

frmMenuSelectSubA::~frmMenuSelectSubA() = default;

void frmMenuSelectSubA::buildWidgets()
{
    메뉴사진 = MakeLabel(this, QStringLiteral("메뉴사진"), {8, 27, 245, 163}, LabelFont(14), kMuted, Qt::AlignCenter);
    메뉴이름 = MakeLabel(this, QStringLiteral("메뉴이름"), {265, 29, 366, 100}, KeyFont(30), kNavy,
                         Qt::AlignLeft | Qt::AlignVCenter, true);
    메뉴구성 = MakeLabel(this, QStringLiteral("메뉴구성"), {265, 129, 366, 56}, LabelFont(16), kMuted,
                         Qt::AlignLeft | Qt::AlignTop, true);
    메뉴설명 = MakeLabel(this, QStringLiteral("메뉴설명"), {115, 229, 486, 106}, LabelFont(17), kInk,
                         Qt::AlignLeft | Qt::AlignVCenter, true);
    MakeLabel(this, QStringLiteral("lblPriceCaption"), {115, 354, 60, 61}, LabelFont(17), kMuted,
              Qt::AlignLeft | Qt::AlignVCenter)
        ->setText(QStringLiteral("가격"));
    메뉴가격 = MakeLabel(this, QStringLiteral("메뉴가격"), {175, 354, 125, 61}, KeyFont(28), kInk,
                         Qt::AlignRight | Qt::AlignVCenter);
    MakeLabel(this, QStringLiteral("lblPriceUnit"), {302, 354, 24, 61}, LabelFont(17), kInk,
              Qt::AlignLeft | Qt::AlignVCenter)
        ->setText(QStringLiteral("원"));

    SetNum_Add[kQuantityDown] = MakeQuantityKey(this, kQuantityDown, {462, 363, 39, 39});
    SetNum_Add[kQuantityUp] = MakeQuantityKey(this, kQuantityUp, {566, 363, 39, 39});
    SetNum = MakeLabel(this, QStringLiteral("SetNum"), {502, 363, 63, 40}, KeyFont(24), kInk, Qt::AlignCenter);
    for (int i : {kQuantityDown, kQuantityUp}) {
        CaptionKey* key = SetNum_Add[i];
        connect(key, &CaptionKey::pressed, this, [this, i] { SetNum_Add_MouseDown(i); });
        connect(key, &CaptionKey::released, this, [this, i] { SetNum_Add_MouseUp(i); });
        connect(key, &CaptionKey::clicked, this, [this, i] { SetNum_Add_Click(i); });
        // The second touch of a double tap is one more step.
        connect(key, &CaptionKey::doubleClicked, this, [this, i] { SetNum_Add_Click(i); });
    }

    ssp타이머 = MakeLabel(this, QStringLiteral("ssp타이머"), {20, 436, 100, 45}, LabelFont(17), kMuted,
                          Qt::AlignCenter);
    ssp타이머->setText(QStringLiteral("30초"));
    MakeLabel(this, QStringLiteral("lblTotalCaption"), {150, 440, 90, 40}, LabelFont(18), kInk,
              Qt::AlignRight | Qt::AlignVCenter)
        ->setText(QStringLiteral("합계"));
    Total = MakeLabel(this, QStringLiteral("Total"), {245, 440, 205, 40}, KeyFont(32), kNavy,
                      Qt::AlignRight | Qt::AlignVCenter);
    MakeLabel(this, QStringLiteral("lblTotalUnit"), {453, 440, 30, 40}, LabelFont(20), kNavy,
              Qt::AlignLeft | Qt::AlignVCenter)
        ->setText(QStringLiteral("원"));

    CmdLabel[kCmdClose] = MakeKey(this, QStringLiteral("CmdLabel_0"), QStringLiteral("닫기"), {58, 511, 248, 63},
                                  KeyFont(24), QColor(231, 231, 231), QColor(192, 192, 192), kInk);
    CmdLabel[kCmdAdd] = MakeKey(this, QStringLiteral("CmdLabel_3"), QStringLiteral("주문 담기"), {338, 511, 247, 63},
                                KeyFont(24), kNavy, kNavy.darker(140), kWhite);
    for (int i : {kCmdClose, kCmdAdd})
        connect(CmdLabel[i], &CaptionKey::clicked, this, [this, i] { CmdLabel_Click(i); });
}

void frmMenuSelectSubA::Form_Load()
{
    Procedure proc(kModule, QStringLiteral("Form_Load"));
    SUMBREL_STEP(proc, {
        setFixedSize(kWidth, kHeight);
        if (m_page)
            move(m_page->mapToGlobal(QPoint(0, 0)) + QPoint(kLeftFromPage, kTopFromPage));
    });
    SUMBREL_STEP(proc, m_background = SkinPicture(QStringLiteral("0504.gif")));
    SUMBREL_STEP(proc, FormRound(this, kCorner));
    m_Deadline.renew();
    Timer3.start(scaledMs(menu::kIdleTickMs));
}

void frmMenuSelectSubA::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Once per opening: coming back to the dialog never resets the customer's quantity.
    if (!m_activated) {
        m_activated = true;
        Form_Activate();
    }
}

void frmMenuSelectSubA::Form_Activate()
{
    Procedure proc(kModule, QStringLiteral("Form_Activate"));
    SUMBREL_STEP(proc, {
        const std::optional<menu::MenuItem> item = menu::ReadMenuItem(menuCatalogue(), m_메뉴IDX);
        if (!item)
            throw Failure(kSubscriptOutOfRange, QStringLiteral("Subscript out of range"));
        m_model = menu::SingleMenu(*item);
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
    SUMBREL_STEP(proc, 금액합계());
}

bool frmMenuSelectSubA::금액합계()
{
    m_model.금액합계();
    m_SELECTED = m_model.line();
    Total->setText(m_model.totalText());
    CmdLabel[kCmdAdd]->setForeground(kWhite);
    return true;
}

void frmMenuSelectSubA::SetNum_Add_Click(int index)
{
    m_Deadline.renew();
    m_model.quantity().step(index == kQuantityUp ? +1 : -1);
    SetNum->setText(m_model.quantity().text());
    금액합계();
}

void frmMenuSelectSubA::SetNum_Add_MouseDown(int index)
{
    m_hold.press(index);
    AutoIncrement.start(scaledMs(menu::kRepeatTickMs));
}

void frmMenuSelectSubA::SetNum_Add_MouseUp(int)
{
    AutoIncrement.stop();
    m_hold.release();
}

void frmMenuSelectSubA::AutoIncrement_Timer()
{
    if (const std::optional<int> key = m_hold.tick())
        SetNum_Add_Click(*key);
}

void frmMenuSelectSubA::CmdLabel_Click(int index)
{
    if (index < 0 || index >= kCmdCount || !CmdLabel[index])
        return;
    CaptionKey* key = CmdLabel[index];
    // A key works once; nothing acts while the dialog is closing.
    if (!key->isKeyEnabled() || m_closing)
        return;
    key->setKeyEnabled(false);
    switch (CmdIndex(index)) {
    case kCmdClose:
        closeDialog(Rejected);
        break;
    case kCmdAdd:
        if (const std::optional<QString> cart = m_model.AddedTo(m_pageCart)) {
            m_pageCart = *cart;
            closeDialog(Accepted);
        } else {
            WriteLog(QStringLiteral("  [frmMenuSelectSubA→CmdLabel_Click] menu ") + m_model.item().num
                     + QStringLiteral(" without a name: not added"));
            closeDialog(Rejected);
        }
        break;
    default:
        break;
    }
    key->setKeyEnabled(true);
}

void frmMenuSelectSubA::closeDialog(int result)
{
    m_closing = true;
    WaitMs(100);
    done(result);
}

void frmMenuSelectSubA::done(int result)
{
    Timer3.stop();
    AutoIncrement.stop();
    QDialog::done(result);
}

void frmMenuSelectSubA::Timer3_Timer()
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

void frmMenuSelectSubA::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    PaintBackground(p, this, m_background);
    if (!m_background.isNull())
        return;
    PaintPanel(p, {100, 216, 516, 132}, kBand);
    p.setPen(QPen(QColor(228, 226, 220), 1));
    p.drawLine(20, 428, kWidth - 20, 428);
}

}  // namespace sumbrel
