#include "reception/customer_path.h"

#include "access/language.h"
#include "startup/trace_log.h"

namespace sumbrel::reception {

namespace {
Reaction Just(Step step)
{
    Reaction reaction;
    reaction.step = step;
    return reaction;
}

// A step that leaves the panel as it is.
Reaction Stay(Step step, int panel, const QString& text = QString())
{
    return {step, panel, panel, text};
}
}  // namespace

void CustomerPath::start()
{
    m_panel = kStartPanel;
    m_phoneDigits = QStringLiteral("010");
    m_phoneCaption = QStringLiteral("010-");
    m_phoneCopyDigits.clear();
    m_phoneCopyCaption.clear();
    m_carNumber.clear();
    m_carCopy.clear();
    m_dining = Dining::Takeout;
    m_payment = Payment::Cash;
    m_menuOpenedBy.reset();
    m_closeCountdown = 0;
    m_order = OrderState::Composing;
    m_notice.clear();
    m_idleWarned = false;
    m_idle.renew();
}

void CustomerPath::applySettings(const ReceptionSettings& settings)
{
    m_settings = settings;
}

Reaction CustomerPath::showPanel(int panel)
{
    const int from = m_panel;
    m_panel = panel;
    return {Step::ShowPanel, panel, from, QString()};
}

Reaction CustomerPath::submitOrWarn() const
{
    // A customer who deleted every line on the order list has nothing to send.
    if (m_cart.order.isEmpty())
        return Stay(Step::Warn, m_panel, access::Tr(kNoMenuWarning));
    return {Step::Submit, kCompletionPanel, m_panel, QString()};
}

void CustomerPath::keyed()
{
    m_idle.renew();
    m_idleWarned = false;
    m_notice.clear();
}

Reaction CustomerPath::press(PanelKey key)
{
    if (m_submitting)
        return Just(Step::Dropped);
    keyed();
    switch (key) {
    case PanelKey::EatIn:
    case PanelKey::Takeout:
        m_menuOpenedBy = key;
        return Just(Step::OpenMenu);
    case PanelKey::ClosePhone:
    case PanelKey::CloseCar:
    case PanelKey::ClosePayment:
        return Just(Step::Reset);
    case PanelKey::Cash:
    case PanelKey::Card:
        m_payment = key == PanelKey::Cash ? Payment::Cash : Payment::Card;
        return submitOrWarn();
    case PanelKey::NumberChange:
        return showPanel(PanelForNumberChange(m_settings));
    }
    return Just(Step::Nothing);
}

Reaction CustomerPath::press(PhoneKey key)
{
    if (m_submitting)
        return Just(Step::Dropped);
    keyed();
    if (const auto digit = DigitOf(key)) {
        m_phoneDigits = AppendDigit(m_phoneDigits, *digit, kMaxPhoneDigits);
    } else if (key == PhoneKey::Delete) {
        m_phoneDigits = DeleteLastDigit(m_phoneDigits);
    } else if (key == PhoneKey::Next) {
        if (!IsMobileNumber(m_phoneDigits))
            return Stay(Step::Warn, m_panel, access::Tr(kNotMobileWarning));
        if (m_nextKeys.phoneKey == access::Tr(kSubmitCaption))
            return submitOrWarn();
        m_phoneCopyDigits = m_phoneDigits;
        m_phoneCopyCaption = m_phoneCaption;
        return showPanel(PanelAfterPhone(m_settings));
    } else if (key == PhoneKey::MenuSelect) {
        m_menuOpenedBy.reset();
        return Just(Step::OpenMenu);
    } else {
        return Just(Step::Nothing);
    }
    // A digit or delete: the display follows the digits.
    m_phoneCaption = PhoneDisplay(m_phoneDigits);
    return Stay(Step::Numbers, m_panel);
}

Reaction CustomerPath::press(CarKey key)
{
    if (m_submitting)
        return Just(Step::Dropped);
    keyed();
    if (key == CarKey::Confirm && !m_confirmEnabled)
        return Just(Step::Disabled);
    if (const auto digit = DigitOf(key)) {
        m_carNumber = AppendDigit(m_carNumber, *digit, kCarDigits);
        return Stay(Step::Numbers, m_panel);
    }
    switch (key) {
    case CarKey::Delete:
        m_carNumber = DeleteLastDigit(m_carNumber);
        return Stay(Step::Numbers, m_panel);
    case CarKey::Next:
        if (!IsCompleteCarNumber(m_carNumber))
            return Stay(Step::Warn, m_panel, access::Tr(kCarDigitsWarning));
        if (m_nextKeys.carKey == access::Tr(kSubmitCaption))
            return submitOrWarn();
        m_carCopy = m_carNumber;
        return showPanel(kPaymentPanel);
    case CarKey::NumberChange:
        return showPanel(kPhonePanel);
    case CarKey::Confirm:
        return Just(Step::Reset);
    default:
        return Just(Step::Nothing);
    }
}

Reaction CustomerPath::menuClosed(bool confirmed)
{
    const std::optional<PanelKey> opener = m_menuOpenedBy;
    m_menuOpenedBy.reset();
    if (!opener)
        return Stay(Step::RedrawOrder, m_panel);
    if (!confirmed)
        return Just(Step::Nothing);
    const int from = m_panel;
    m_panel = kPhonePanel;
    m_nextKeys = NextKeys(m_settings);
    m_dining = *opener == PanelKey::EatIn ? Dining::EatIn : Dining::Takeout;
    return {Step::OrderShown, kPhonePanel, from, QString()};
}

void CustomerPath::beginSubmission()
{
    m_submitting = true;
    m_panel = kCompletionPanel;
    m_confirmEnabled = false;
    m_order = OrderState::Sending;
    m_notice.clear();
}

Reaction CustomerPath::endSubmission(OrderState outcome)
{
    m_submitting = false;
    m_order = outcome;
    m_idle.renew();
    m_idleWarned = false;
    if (outcome == OrderState::Accepted || outcome == OrderState::Refused) {
        m_closeCountdown = CloseSeconds();
        m_confirmEnabled = true;
        return Stay(Step::Countdown, kCompletionPanel, QString::number(m_closeCountdown));
    }
    switch (outcome) {
    case OrderState::Unknown:
        m_notice = UnknownNotice();
        break;
    case OrderState::NotSent:
        m_notice = access::Tr(kNotSentNotice);
        break;
    default:
        m_notice = access::Tr(kFailedNotice);
        break;
    }
    // "확인" stays disabled until a submission succeeds.
    return showPanel(LastEntryPanel(m_settings));
}

CompletionTexts CustomerPath::completion() const
{
    switch (m_order) {
    case OrderState::Accepted:
        return {access::Tr(kCompletedTitle), ThanksMessage(), false, true};
    case OrderState::Refused:
        return {access::Tr(kRefusedTitle), access::Tr(kRefusedMessage), true, true};
    default:
        // Sending, and whatever shows while nothing was sent: never the thanks.
        return {access::Tr(kSendingTitle), access::Tr(kSendingMessage), false, false};
    }
}

bool CustomerPath::idleWatched() const
{
    if (m_submitting || m_idlePaused || m_panel == kCompletionPanel)
        return false;
    // A language chosen by a customer who left ends like any visit.
    return m_panel != kStartPanel || !m_cart.order.isEmpty() || access::VisitLanguage() != access::Language::Korean;
}

Reaction CustomerPath::touched()
{
    m_idle.renew();
    if (!m_idleWarned)
        return Just(Step::Nothing);
    m_idleWarned = false;
    m_notice.clear();
    return Stay(Step::Notice, m_panel);
}

void CustomerPath::setIdlePaused(bool paused)
{
    m_idlePaused = paused;
    m_idle.renew();
}

Reaction CustomerPath::idleTick()
{
    if (!idleWatched()) {
        m_idle.renew();
        return Just(Step::Nothing);
    }
    const int32_t left = m_idle.remainingMs();
    if (left < 0) {
        WriteLog(QStringLiteral("  [frmMain→Timer_Idle] ") + QString::number(m_idle.idleMs() / 1000)
                 + QStringLiteral("초 동안 입력이 없어 처음 화면으로 돌아감 (패널 ") + QString::number(m_panel)
                 + QStringLiteral(", 주문 비움)"));
        return Just(Step::Reset);
    }
    if (left >= kEntryWarnMs)
        return Just(Step::Nothing);
    const QString warning = IdleWarning(left / 1000 + 1);
    if (m_idleWarned && warning == m_notice)
        return Just(Step::Nothing);
    m_idleWarned = true;
    m_notice = warning;
    return Stay(Step::Notice, m_panel);
}

Reaction CustomerPath::tick()
{
    --m_closeCountdown;
    if (m_closeCountdown > 0)
        return Stay(Step::Countdown, m_panel, QString::number(m_closeCountdown));
    return Just(Step::Reset);
}

OrderValues CustomerPath::orderValues() const
{
    return {m_phoneDigits, m_dining, m_payment, m_carNumber};
}

}  // namespace sumbrel::reception
