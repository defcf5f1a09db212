#pragma once
// The reception screen that customers use: dining choice, phone and car number, payment type, the
// order list, the submission and the completion panel. The customer's path, the exchanges with the
// web service and the order list's layout live in widget-free classes; this screen only shows them.
#include "access/language.h"
#include "access/modes.h"
#include "menu/menu_page_model.h"
#include "presentation/widgets.h"
#include "reception/customer_path.h"
#include "reception/keys.h"
#include "reception/order_list.h"
#include "reception/reception_service.h"
#include "reception/ui/reception_places.h"
#include "server/background_exchange.h"
#include "startup/clock.h"

#include <QPixmap>
#include <QString>
#include <QWidget>
#include <array>

class QFrame;
class QLabel;

namespace sumbrel {

class CaptionKey;
class KeypadNavigator;

namespace reception {
class OrderListSurface;
}

class ReceptionScreen : public QWidget {
    Q_OBJECT
public:
    // Builds the screen and runs the window load (showStartState, then loadSettings against the web service).
    // Its exchanges and the shop's name shown come from the session.
    explicit ReceptionScreen(Session session, QWidget* parent = nullptr);
    ~ReceptionScreen() override;

    // The menu page closed over the order it was opened with: the order as it stands now (written
    // back only by "선택완료", which sets selectionConfirmed), and how the visit ended. A page that
    // could not load leaves the customer on the panel in use, told why.
    void menuClosed(const cart::OrderCart& result, menu::MenuPageEnd end = menu::MenuPageEnd::Left);

    // Operations.
    void showStartState();
    // Starts the load of the shop's settings off the screen's thread; the panels show them when they
    // arrive (the last good ones meanwhile). False when a load is under way already.
    bool loadSettings();
    bool settingsLoading() const { return m_settingsLoad.busy(); }
    // Starts the poll off the screen's thread; its answer fills the labels when it arrives. False
    // when it was skipped because an exchange is under way.
    bool pollWaitingStatus();
    void reset();  // showStartState, then loadSettings
    bool drawOrder();
    void scrollOrderList(reception::ScrollDirection direction);

    // Event handlers, public so that a caller can drive the flow by key.
    void panelKeyClicked(reception::PanelKey key);
    void phoneKeyClicked(reception::PhoneKey key);
    void carKeyClicked(reception::CarKey key);
    void phoneKeyDoubleClicked(reception::PhoneKey key);
    void carKeyDoubleClicked(reception::CarKey key);
    void quantityDownClicked(int row);
    void quantityUpClicked(int row);
    void removeClicked(int row);
    void orderListReleased(int y);
    // "쉬운 주문": the panel of the barrier-free choices, and its "주문 시작".
    void easyOrderClicked();
    void startEasyOrderClicked();
    void closeModePanelClicked();
    // A language key of the start panel: the screen again in that language, on the start panel.
    void languageClicked(access::Language language);
    KeypadNavigator* keypad() const { return m_keypad; }
    // Headphones plugged in or out. Plugging in starts the voice guidance for the visit (unplugging
    // leaves it on); while they are in, the typed numbers are read digit by digit.
    void headphonesChanged(bool inserted);
    void headphonesFound(bool inserted) { m_headphones = inserted; }
    // "직원 호출" on any entry panel.
    void staffCallClicked();
    void settingsKeyClicked();
    void terminateKeyClicked();
    void countdownTick();
    void pollTick();
    void idleLimitTick();

    // State.
    cart::OrderCart& cart() { return m_cart; }
    const reception::CustomerPath& path() const { return m_path; }
    // A poll's request is under way off the screen's thread.
    bool polling() const { return m_poll.busy(); }
    // The order is under way off the screen's thread.
    bool sending() const { return m_orderExchange.busy(); }
    reception::ReceptionService& service() { return m_service; }
    const reception::OrderList& orderList() const { return m_orderList; }

Q_SIGNALS:
    // The customer asked for the menu page over this order (a copy: the page answers by menuClosed).
    void menuRequested(const sumbrel::cart::OrderCart& order);
    // The hidden operator areas were touched.
    void settingsRequested();
    void terminateRequested();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    struct OrderRow {
        QFrame* frame = nullptr;
        CaptionKey* sub = nullptr;
        QLabel* quantity = nullptr;
        CaptionKey* add = nullptr;
        CaptionKey* remove = nullptr;
    };

    void build();
    // Building, by panel.
    void buildPanels();
    void buildStartPanel();
    void buildPhonePanel();
    void buildCarPanel();
    void buildPaymentPanel();
    void buildStaffCallKeys();
    void buildCompletionPanel();
    void buildMenuPanel();
    void buildOrderRows();
    void buildWaitingStatus();
    void buildModePanel();
    void buildKeypad(reception::KeyGroup group, QWidget* panel);
    // Builds every panel again when the look changed since they were built (the customer's
    // choices), and puts the keypad's navigation over them; false when the look is the same.
    bool rebuildForLook();
    // Whether the completion panel or the mode panel is in front.
    bool completionShown() const;
    bool modePanelShown() const;
    // The choices of the mode panel, and its toggles showing them.
    void showChoices(const access::Modes& modes);
    void buildNavigation();
    // The keypad's keys that the screen itself answers.
    bool keypadIntercept(int key);
    void keypadBack();
    bool keypadErase();
    // What the panel in front is for, as voice guidance says it.
    QString panelIntro() const;
    void announce();
    // With the order panel covered, its menu key stands on the entry panel in use.
    void placeMenuKey();
    // In the large view: a text larger than its element gets the largest size that fits.
    void fitTexts();
    // A key of the group at its index: built, kept in the group's array and connected to its handlers.
    void makeKey(reception::KeyGroup group, int index, const QString& caption, QWidget* parent, const QRect& geometry);

    // Showing the model.
    void act(const reception::Reaction& reaction, reception::KeyGroup group);
    void showAct(const reception::Reaction& reaction, reception::KeyGroup group);
    void switchPanel(int from, int to);
    void showNumbers();
    void showNotice();
    void showCompletion();
    void showWaiting();
    // The settings last loaded (the last good ones when a load fails), shown on the panels.
    void showSettings();
    void showOrderList();
    void setNextKeys();
    void submission();
    // The order's exchange has ended with this outcome.
    void submitted(reception::OrderState outcome);
    void firstActivation();

    cart::OrderCart m_cart;  // before m_path, which reads it
    reception::KeyGroup m_menuOpenedFrom = reception::KeyGroup::Panel;
    reception::CustomerPath m_path;
    reception::ReceptionService m_service;
    reception::OrderList m_orderList;
    reception::WaitingTexts m_waiting;
    reception::ReceptionSettings m_settings;
    bool m_activated = false;
    ScreenActivation m_activation{ScreenActivation::Run::InPlace};
    QPixmap m_background;

    reception::ReceptionPlaces m_places;
    int m_builtLook = -1;
    // The choices of the mode panel, applied by "주문 시작".
    access::Modes m_chosen;
    bool m_headphones = false;
    QString m_spokenNotice;
    KeypadNavigator* m_keypad = nullptr;
    CaptionKey* m_easyOrder = nullptr;
    QFrame* m_modePanel = nullptr;
    std::array<CaptionKey*, 4> m_toggles{};
    std::array<CaptionKey*, reception::kPanelKeyCount> m_panelKeys{};
    std::array<CaptionKey*, reception::kPhoneKeyCount> m_phoneKeys{};
    std::array<CaptionKey*, reception::kCarKeyCount> m_carKeys{};
    std::array<QLabel*, 3> m_phoneLabels{};
    std::array<QLabel*, 2> m_carNumberLabels{};
    std::array<QLabel*, 2> m_waitingTeamsLabels{};
    std::array<QLabel*, 2> m_waitingTimeLabels{};
    std::array<QFrame*, 5> m_panels{};
    std::array<OrderRow, reception::kRowPanels> m_rows{};
    QLabel* m_phonePlaceholder = nullptr;
    QLabel* m_carPlaceholder = nullptr;
    QLabel* m_driveThroughText = nullptr;
    QLabel* m_completionTitle = nullptr;
    QLabel* m_completionMessage = nullptr;
    QLabel* m_countdownLabel = nullptr;
    QLabel* m_countdownCaption = nullptr;
    QLabel* m_noticeLabel = nullptr;
    QLabel* m_shopName = nullptr;
    QLabel* m_orderTotalLabel = nullptr;
    QLabel* m_paymentTotalLabel = nullptr;  // the total on the payment panel when the order panel is covered
    QLabel* m_pictureBox = nullptr;
    CaptionKey* m_settingsKey = nullptr;
    CaptionKey* m_terminateKey = nullptr;
    QFrame* m_completionBox = nullptr;
    QFrame* m_orderPanel = nullptr;
    QFrame* m_orderListClip = nullptr;
    reception::OrderListSurface* m_orderListSurface = nullptr;
    ClockTimer* m_countdownTimer = nullptr;
    ClockTimer* m_pollTimer = nullptr;
    ClockTimer* m_idleTimer = nullptr;
    // Last: their destructors stop an exchange under way before the screen it reports to goes.
    BackgroundExchange m_poll{this};
    BackgroundExchange m_settingsLoad{this};
    BackgroundExchange m_orderExchange{this};
};

}  // namespace sumbrel
