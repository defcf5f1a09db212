#pragma once
// The customer's path through the reception screen, without widgets: which panel is up, the numbers
// typed so far, the dining choice and payment type, the shop settings of this customer, the running
// submission and the close countdown. Every key goes in as a named key; what comes out is what the
// screen must do.
#include "menu/cart.h"
#include "menu/idle.h"
#include "reception/keys.h"
#include "reception/reception_rules.h"
#include "server/order_choices.h"

#include <QString>
#include <optional>

namespace sumbrel::reception {

enum class Step {
    Nothing,  // the key changes nothing
    Dropped,  // a submission is running: the key does not act
    Disabled,  // the key is disabled: only its DisabledKeyLine is written
    Numbers,  // the typed numbers changed: redraw the number displays
    ShowPanel,  // hide panel `from`, show panel `panel` (the number displays may have changed too)
    Warn,  // a warning box with `text`; the panel stays
    Submit,  // run the submission
    Reset,  // back to the start: showStartState, then loadSettings
    OpenMenu,  // open the menu page modally, then report menuClosed()
    OrderShown,  // the first confirmed menu: panel 1, the next keys, the order panel and its list
    RedrawOrder,  // the menu page may have changed the order: redraw the list
    Countdown,  // the close countdown shows `text`
    Notice,  // the entry panel's notice shows notice() (empty: none)
};

// What became of the customer's order at the counter.
enum class OrderState {
    Composing,  // not sent (yet)
    Sending,  // under way: the completion panel says so and its countdown waits
    Accepted,
    Refused,  // "이미": the number has ordered already
    Failed,  // did not reach the shop: back to the entry panel, which says so
    Unknown,  // may have reached the shop: back to the entry panel, which says to ask the staff
    NotSent,  // the order had no line
};

// The completion panel's title and message, whether the title is a warning, and whether its
// countdown line shows.
struct CompletionTexts {
    QString title;
    QString message;
    bool alert = false;
    bool countdown = false;
};

struct Reaction {
    Step step = Step::Nothing;
    int panel = kStartPanel;
    int from = kStartPanel;
    QString text;
};

// The values an order carries besides the cart.
struct OrderValues {
    QString phone;  // the full digit string
    Dining dining = Dining::Takeout;
    Payment payment = Payment::Cash;
    QString taxi;  // the car number, empty when none was asked
};

class CustomerPath {
public:
    // cart: the order of the customer at the counter (its owner is the screen).
    explicit CustomerPath(const cart::OrderCart& cart)
        : m_cart(cart)
    {
        start();
    }

    // showStartState's data: start panel, phone "010" shown as "010-", no car number, takeout, cash, no
    // countdown. The shop settings stay until the next applySettings.
    void start();
    void applySettings(const ReceptionSettings& settings);

    Reaction press(PanelKey key);
    Reaction press(PhoneKey key);
    Reaction press(CarKey key);
    // After the menu page opened by OpenMenu has closed; confirmed: selectionConfirmed.
    Reaction menuClosed(bool confirmed);

    // The submission shows the completion panel over the panel in use and disables "확인".
    void beginSubmission();
    // Accepted or refused: the countdown starts; else back to the last entry panel, whose notice
    // tells the customer what became of the order.
    Reaction endSubmission(OrderState outcome);
    // One tick of Timer_Closer.
    Reaction tick();

    OrderState orderState() const { return m_order; }
    CompletionTexts completion() const;
    // The entry panels' notice: what became of the last submission, or the idle warning.
    const QString& notice() const { return m_notice; }

    // Any touch on the screen: the idle limit starts again, its warning goes.
    Reaction touched();
    // The menu page (which has its own limit) is open over the screen: the limit waits.
    void setIdlePaused(bool paused);
    // One tick of the idle watch: Notice while the last seconds count down, Reset when the time is
    // up, else Nothing.
    Reaction idleTick();
    bool idleWatched() const;
    int32_t idleRemainingMs() const { return m_idle.remainingMs(); }

    int currentPanel() const { return m_panel; }
    bool submitting() const { return m_submitting; }
    bool confirmEnabled() const { return m_confirmEnabled; }
    int closeCountdown() const { return m_closeCountdown; }
    Dining dining() const { return m_dining; }
    Payment payment() const { return m_payment; }
    const ReceptionSettings& settings() const { return m_settings; }
    // The next keys' captions, as set when the menu was confirmed.
    const NextKeyCaptions& nextKeys() const { return m_nextKeys; }

    // The phone panel's number: the digits behind it and what it shows; its placeholder while no digit
    // is there.
    const QString& phoneDigits() const { return m_phoneDigits; }
    const QString& phoneCaption() const { return m_phoneCaption; }
    bool phonePlaceholderShown() const { return m_phoneDigits.isEmpty(); }
    // The number on the car and payment panels: the copy taken by "다음" of the phone panel.
    const QString& phoneCopyDigits() const { return m_phoneCopyDigits; }
    const QString& phoneCopyCaption() const { return m_phoneCopyCaption; }
    // The car number and its copy on the payment panel.
    const QString& carNumber() const { return m_carNumber; }
    const QString& carCopy() const { return m_carCopy; }

    OrderValues orderValues() const;

private:
    Reaction showPanel(int panel);
    // The submission, unless there is no order to send.
    Reaction submitOrWarn() const;
    // Every key: the idle limit starts again and an earlier notice goes.
    void keyed();

    const cart::OrderCart& m_cart;
    int m_panel = kStartPanel;
    QString m_phoneDigits;
    QString m_phoneCaption;
    QString m_phoneCopyDigits;
    QString m_phoneCopyCaption;
    QString m_carNumber;
    QString m_carCopy;
    Dining m_dining = Dining::Takeout;
    Payment m_payment = Payment::Cash;
    ReceptionSettings m_settings;
    NextKeyCaptions m_nextKeys = NextKeys(ReceptionSettings{});
    std::optional<PanelKey> m_menuOpenedBy;
    bool m_submitting = false;
    bool m_confirmEnabled = true;
    int m_closeCountdown = 0;
    OrderState m_order = OrderState::Composing;
    QString m_notice;
    menu::IdleDeadline m_idle{kEntryIdleMs};
    bool m_idlePaused = false;
    bool m_idleWarned = false;
};

}  // namespace sumbrel::reception
