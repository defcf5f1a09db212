#include "menu/ui/item_dialog.h"

#include "access/language.h"
#include "access/modes.h"
#include "access/speech.h"
#include "access/spoken.h"
#include "access/staff_call.h"
#include "catalogue/menu_catalogue.h"
#include "menu/menu_page_rules.h"
#include "menu/ui/item_dialog_look.h"
#include "menu/ui/menu_page_widgets.h"
#include "menu/ui/menu_photo.h"
#include "presentation/caption_key.h"
#include "presentation/keypad_navigator.h"
#include "presentation/presentation.h"
#include "presentation/screen_utils.h"
#include "presentation/stage_scale.h"
#include "presentation/widgets.h"
#include "startup/clock.h"
#include "startup/trace_log.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <algorithm>

namespace sumbrel {

using item_dialog::PaintBackground;
using item_dialog::PaintPanel;

namespace {

// How far a text may step down: in the large view to the design's size, otherwise to two thirds.
double Lowest()
{
    const double scale = CurrentLook().scale;
    return scale > 1.0 ? 1.0 / scale : 2.0 / 3;
}

}  // namespace

bool ItemDialog::FullScreen()
{
    return access::CurrentModes().low || access::CurrentModes().large;
}

QSize ItemDialog::Screen()
{
    return StageDesign();
}

int ItemDialog::LowTop()
{
    return Screen().height() - int(Screen().height() * access::kLowShare);
}

QPoint ItemDialog::LowerMiddle(QSize size)
{
    const QSize screen = Screen();
    return {(screen.width() - size.width()) / 2, screen.height() * 3 / 5 - size.height() / 2};
}

QString ItemDialog::SkinIn(const QString& skin)
{
    return FullScreen() || access::CurrentModes().contrast || StagePortrait()
            || access::VisitLanguage() != access::Language::Korean
        ? QString()
        : skin;
}

void ItemDialog::FitToPlace(QLabel* label)
{
    menu::FitLabelText(label, "ItemDialog", Lowest());
}

void ItemDialog::FitToPlace(CaptionKey* key)
{
    menu::FitKeyCaption(key, "ItemDialog", Lowest());
}

QString ItemDialog::intro() const
{
    return access::ItemDialogIntro(item().name, item().price.caption(), optionGroups()) + QStringLiteral(" ")
        + access::HowToMove();
}

ItemDialog::ItemDialog(QWidget* page, Frame frame)
    : QDialog(page, Qt::Dialog | Qt::FramelessWindowHint)
    , m_frame(std::move(frame))
    , m_page(page)
{
    setObjectName(m_frame.objectName);
    SetTraceName(this, m_frame.name);
    setWindowTitle(m_frame.title);
    setModal(true);
    m_idleTick.setObjectName(QStringLiteral("idleTick"));
    m_autoRepeat.setObjectName(QStringLiteral("autoRepeat"));
    connect(&m_idleTick, &ClockTimer::timeout, this, [this] { idleTick(); });
    connect(&m_autoRepeat, &ClockTimer::timeout, this, [this] { autoRepeatTick(); });
    m_closeDelay.setObjectName(QStringLiteral("closeDelay"));
    connect(&m_closeDelay, &ClockTimer::timeout, this, [this] { done(m_closeResult); });

    m_keypad = new KeypadNavigator(this);
    m_keypad->back = [this] { commandKeyClicked(kCmdClose); };
    m_keypad->describe = [this] { return intro(); };
    m_keypad->anyKey = [this] { m_idleDeadline.renew(); };
    m_keypad->beyond = [this](access::Move move) { return turnPage(move); };
}

ItemDialog::~ItemDialog()
{
    delete m_keypad;
    m_keypad = nullptr;
    // The base destructor hides the keys, and a held key then reports its release: nothing of this
    // dialog may hear it by then.
    for (QObject* child : findChildren<QObject*>())
        disconnect(child, nullptr, this, nullptr);
}

void ItemDialog::build()
{
    setFixedSize(Px(m_frame.size));
    if (m_page)
        move(m_page->mapToGlobal(QPoint(0, 0)) + Px(m_frame.fromPage));
    if (!m_frame.skin.isEmpty())
        m_background = SkinPicture(m_frame.skin);
    FormRound(this, Px(kCorner));
    for (CaptionKey* key : findChildren<CaptionKey*>())
        key->setCursor(Qt::PointingHandCursor);
    // Whatever style the page behind gives its widgets never reaches the dialog's: labels stay clear,
    // panels keep their own fill.
    QString style = QStringLiteral("QLabel { background: transparent; }");
    for (const QFrame* panel : findChildren<QFrame*>()) {
        if (panel->autoFillBackground() && !qobject_cast<const QLabel*>(panel) && !panel->objectName().isEmpty())
            style += QStringLiteral(" QFrame#%1 { background: %2; border: none; }")
                         .arg(panel->objectName(), CssColour(panel->palette().color(QPalette::Window)));
    }
    setStyleSheet(style);
    m_idleDeadline.renew();
    m_idleTick.start(menu::kIdleTickMs);
}

bool ItemDialog::event(QEvent* event)
{
    // The page deletes a dialog that has reported with deleteLater: this event ends it.
    if (event->type() == QEvent::DeferredDelete)
        return QDialog::event(event);
    const bool handled = QDialog::event(event);
    // Once per opening: coming back to the dialog (from a message box too) never resets the
    // customer's quantity or choices.
    m_activation.onEvent(this, event, !m_activated, [this] {
        if (m_activated)
            return;
        m_activated = true;
        activate();
        access::Guide(intro());
        Q_EMIT shown();
    });
    return handled;
}

std::optional<menu::MenuItem> ItemDialog::readItem() const
{
    std::optional<menu::MenuItem> read = m_catalogue ? menu::ReadMenuItem(*m_catalogue, m_row) : std::nullopt;
    if (!read)
        TraceFault(m_frame.name, QStringLiteral("Form_Activate"), __LINE__,
                   {kSubscriptOutOfRange, QStringLiteral("Subscript out of range")});
    return read;
}

void ItemDialog::showItem()
{
    m_photoLabel->setAccessibleName(access::Tr("%1 사진").arg(item().name));
    if (const std::optional<Fault> fault = ShowMenuPhoto(m_pictures, m_photoLabel, item().num))
        TraceFault(m_frame.name, QStringLiteral("Form_Activate"), __LINE__, *fault);
    // A screen reader announces the dialog by the item.
    setWindowTitle(item().name);
    setAccessibleName(item().name);
    m_nameLabel->setText(item().name);
    m_compositionLabel->setText(item().composition);
    m_descriptionLabel->setText(item().description);
    m_priceLabel->setText(menu::UnitWordApart() ? item().price.caption() : menu::WonText(item().price));
    for (QLabel* label : {m_nameLabel, m_compositionLabel, m_descriptionLabel, m_priceLabel})
        FitToPlace(label);
    showQuantity();
}

void ItemDialog::showQuantity()
{
    m_quantityLabel->setText(quantity().text());
    m_quantityLabel->setAccessibleName(access::QuantityText(quantity().value()));
}

void ItemDialog::showTotal(const QString& totalText)
{
    // A screen reader hears what the amount is.
    m_totalLabel->setText(menu::UnitWordApart() ? totalText : access::Tr("%1원").arg(totalText));
    FitToPlace(m_totalLabel);
    m_totalLabel->setAccessibleName(access::Tr("합계 %1").arg(access::Tr("%1원").arg(totalText)));
    m_totalLabel->setAccessibleDescription(m_totalLabel->accessibleName());
}

void ItemDialog::makeItemTexts(const ItemPlaces& at)
{
    const Palette::ItemDialogs& c = Colours().itemDialogs;
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    m_photoLabel = MakeLabel(this, QStringLiteral("itemPhoto"), at.photo, LabelFont(14), c.mutedInk, Qt::AlignCenter);
    m_nameLabel = MakeLabel(this, QStringLiteral("itemName"), at.name, KeyFont(30), c.navy, left, LabelFlag::Wrap);
    m_compositionLabel = MakeLabel(this, QStringLiteral("itemComposition"), at.composition, LabelFont(16), c.mutedInk,
                                   at.compositionWraps ? Qt::AlignLeft | Qt::AlignTop : left,
                                   at.compositionWraps ? LabelFlags(LabelFlag::Wrap) : LabelFlags());
    m_descriptionLabel = MakeLabel(this, QStringLiteral("itemDescription"), at.description,
                                   LabelFont(at.descriptionSize), c.ink, left, LabelFlag::Wrap);
    MakeLabel(this, QStringLiteral("priceCaption"), at.priceCaption, LabelFont(17), c.mutedInk, left, {},
              access::Tr("가격"));
    // Where the unit is no word of its own, the amount takes its place too.
    m_priceLabel = MakeLabel(this, QStringLiteral("itemPrice"),
                             menu::UnitWordApart() ? at.price : at.price | at.priceUnit, KeyFont(at.priceSize), c.ink,
                             Qt::AlignRight | Qt::AlignVCenter);
    MakeLabel(this, QStringLiteral("priceUnit"), at.priceUnit, LabelFont(17), c.ink, left, {},
              menu::UnitWordApart() ? QStringLiteral("원") : QString());
}

void ItemDialog::makeTotal(const TotalPlaces& at)
{
    const Palette::ItemDialogs& c = Colours().itemDialogs;
    FitToPlace(MakeLabel(this, QStringLiteral("totalCaption"), at.caption, LabelFont(at.captionSize), c.ink,
                         at.captionAlignment, {}, at.captionText));
    m_totalLabel = MakeLabel(this, QStringLiteral("totalAmount"), menu::UnitWordApart() ? at.amount : at.amount | at.unit,
                             KeyFont(at.amountSize), c.navy, Qt::AlignRight | Qt::AlignVCenter);
    MakeLabel(this, QStringLiteral("totalUnit"), at.unit, LabelFont(at.unitSize), c.navy,
              Qt::AlignLeft | Qt::AlignVCenter, {}, menu::UnitWordApart() ? QStringLiteral("원") : QString());
}

void ItemDialog::makeQuantityKeys(const QRect& down, const QRect& shown, const QRect& up, int fontSize)
{
    const Palette& colours = Colours();
    m_quantityKeys[kQuantityDown] = MakeKey(this, QStringLiteral("quantityUp_0"), QStringLiteral("-"), down,
                                            KeyFont(fontSize), colours.menuPage.quantityKey, colours.keyInk);
    m_quantityLabel = MakeLabel(this, QStringLiteral("quantity"), shown, KeyFont(fontSize - 4), Colours().itemDialogs.ink,
                                Qt::AlignCenter, {});
    m_quantityKeys[kQuantityUp] = MakeKey(this, QStringLiteral("quantityUp_1"), QStringLiteral("+"), up,
                                          KeyFont(fontSize), colours.menuPage.quantityKey, colours.keyInk);
    for (int i : {kQuantityDown, kQuantityUp}) {
        CaptionKey* key = m_quantityKeys[i];
        connect(key, &CaptionKey::pressed, this, [this, i] { quantityKeyPressed(i); });
        connect(key, &CaptionKey::released, this, [this, i] { quantityKeyReleased(i); });
        connect(key, &CaptionKey::clicked, this, [this, i] { quantityKeyClicked(i); });
        // The second touch of a double tap is one more step.
        connect(key, &CaptionKey::doubleClicked, this, [this, i] { quantityKeyClicked(i); });
    }
}

void ItemDialog::makeCountdown(const QRect& geometry)
{
    m_idleCountdownLabel = MakeLabel(this, QStringLiteral("idleCountdown"), geometry, LabelFont(17),
                                     Colours().itemDialogs.mutedInk, Qt::AlignCenter, {});
    m_idleCountdownLabel->setText(access::Tr("%1초").arg(access::IdleMs(menu::kIdleMs) / 1000));
}

void ItemDialog::makeCommandKeys(const QRect& closePlace, const QRect& add, int fontSize)
{
    // The dialog covers the page's staff call key: its own takes the larger, right part of the close
    // key's place.
    constexpr int kGap = 8;
    QRect close = closePlace;
    close.setWidth((closePlace.width() - kGap) * 2 / 5);
    const QRect staff(close.right() + 1 + kGap, close.top(), closePlace.right() - close.right() - kGap, close.height());
    m_commandKeys[kCmdClose] = MakeKey(this, QStringLiteral("commandKey_0"), access::Tr("닫기"), close, KeyFont(fontSize),
                                       Colours().plainKey, Colours().keyInk);
    CaptionKey* call = MakeKey(this, QStringLiteral("staffCallKey"), access::Tr(access::kStaffCallCaption), staff,
                               KeyFont(fontSize), Colours().plainKey, Colours().keyInk);
    FitToPlace(call);
    connect(call, &CaptionKey::clicked, this, [this] {
        m_idleDeadline.renew();
        access::CallStaff(TraceName(this));
    });
    m_commandKeys[kCmdAdd] = MakeKey(
        this, QStringLiteral("commandKey_3"), access::Tr("주문 담기"), add, KeyFont(fontSize),
        {Colours().itemDialogs.navy, Colours().itemDialogs.navy.darker(140)}, Colours().inkOnDark);
    for (int i : {kCmdClose, kCmdAdd}) {
        FitToPlace(m_commandKeys[i]);
        connect(m_commandKeys[i], &CaptionKey::clicked, this, [this, i] { commandKeyClicked(i); });
    }
}

void ItemDialog::quantityKeyClicked(int index)
{
    m_idleDeadline.renew();
    quantity().step(index == kQuantityUp ? +1 : -1);
    showQuantity();
    computeTotal();
    access::Guide(access::QuantityText(quantity().value()));
}

void ItemDialog::quantityKeyPressed(int index)
{
    m_hold.press(index);
    m_autoRepeat.start(menu::kRepeatTickMs);
}

void ItemDialog::quantityKeyReleased(int)
{
    m_autoRepeat.stop();
    m_hold.release();
}

void ItemDialog::autoRepeatTick()
{
    if (const std::optional<int> key = m_hold.tick())
        quantityKeyClicked(*key);
    else if (!m_hold.held())
        m_autoRepeat.stop();  // the hold ran out without a release
}

CaptionKey* ItemDialog::takeKey(int index)
{
    if (index < 0 || index >= kPanelKeyCount || !m_commandKeys[index])
        return nullptr;
    CaptionKey* key = m_commandKeys[index];
    // A key works once; nothing acts while the dialog is closing.
    if (!key->isKeyEnabled() || m_closing)
        return nullptr;
    key->setKeyEnabled(false);
    return key;
}

bool ItemDialog::addToPage(const std::optional<order::OrderLine>& line)
{
    if (!line) {
        WriteLog(QStringLiteral("  [") + m_frame.name + QStringLiteral("→CmdLabel_Click] menu ") + item().num
                 + QStringLiteral(" without a name: not added"));
        return false;
    }
    m_added = line;
    return true;
}

void ItemDialog::closeDialog(int result)
{
    if (m_closing)
        return;
    m_closing = true;
    m_idleTick.stop();
    m_autoRepeat.stop();
    m_closeResult = result;
    m_closeDelay.start(kCloseDelayMs);
}

void ItemDialog::done(int result)
{
    m_closing = true;
    m_idleTick.stop();
    m_autoRepeat.stop();
    m_closeDelay.stop();
    QDialog::done(result);
    if (m_reported)
        return;
    m_reported = true;
    Q_EMIT closedWith(m_added);
}

void ItemDialog::idleTick()
{
    if (m_closing)
        return;
    const std::optional<QString> text = m_idleDeadline.countdownText();
    if (!text) {
        done(Rejected);
        return;
    }
    // Said once as the time runs short; a touch or a key renews the deadline and the warning with it.
    if (const std::optional<int> seconds = m_idleDeadline.warningDue())
        access::Guide(access::IdleWarningText(*seconds, access::Tr("메뉴 화면으로 돌아갑니다")));
    m_idleCountdownLabel->setText(*text);  // a label ignores the same text
}

void ItemDialog::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    PaintBackground(p, this, m_background);
    if (m_background.isNull())
        paintPanels(p);
}

}  // namespace sumbrel
