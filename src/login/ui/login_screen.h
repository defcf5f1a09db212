#pragma once
// The first screen: the shop's ID and password, remembered options, the login request.
#include "catalogue/category_table.h"
#include "catalogue/menu_catalogue.h"
#include "login/login_model.h"
#include "presentation/widgets.h"
#include "server/background_exchange.h"
#include "startup/clock.h"

#include <QPixmap>
#include <QStringList>
#include <QWidget>
#include <optional>

class QLabel;
class QLineEdit;

namespace sumbrel {

class ClickLabel;
class OnScreenKeyboard;
class ToggleBox;

// What the loads after the login gave: each table only when its answer was good.
struct LoginMenuLoad {
    std::optional<CategoryTable> categories;
    std::optional<MenuCatalogue> catalogue;
};

// The first screen. Its login and the category and catalogue loads after it run off the screen's
// thread; meanwhile the wait picture shows and the screen keeps answering. It reports by signal.
class LoginScreen : public QWidget {
    Q_OBJECT
public:
    explicit LoginScreen(QWidget* parent = nullptr);
    ~LoginScreen() override;

    // The login, as by the key, Enter in PW or the automatic login: starts the exchange and returns.
    // Nothing while one is under way.
    void loginClicked();
    // Runs once per activation of the window (queued from the activation event). Only the first one
    // (the first showing) fills the boxes and starts an automatic login.
    void activate();
    bool firstActivationDone() const { return !m_firstActivation; }
    // The login or the loads after it are under way.
    bool busy() const { return m_exchange.busy(); }

    // The login's state: the failures so far and the stored options as read at load.
    const LoginModel& model() const { return m_model; }

    static constexpr int kWidth = 450;
    static constexpr int kHeight = 515;

Q_SIGNALS:
    // The loads after the login came back, just before loggedIn.
    void menuLoaded(const sumbrel::LoginMenuLoad& load);
    // The login and the loads after it are done, with what the login gave; the screen closes itself
    // right after.
    void loggedIn(const sumbrel::Session& session);
    // The third failed login, told to the operator: the program is to end. The screen closes itself
    // right after.
    void endRequested();

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void build();
    void buildWidgets();
    void storeOptionClicked(int index);
    void enableLoginKey();
    void enableEntry();
    void showStatus(const QString& text);
    void loginAnswered(const LoginRequest& request, const LoginReply& reply, bool remember, bool autoLogin);
    // The category table and the whole catalogue for the screens after the login.
    void loadCatalogue();
    void showWait(bool shown);
    // The automatic login could not reach the service: the next try after the schedule's wait.
    void scheduleRetry();
    void retryTick();
    // The operator took over: no more tries by itself.
    void stopRetries();

    LoginModel m_model;
    // Set until the first activation has run: the first showing is the first activation.
    bool m_firstActivation = true;
    bool m_automatic = false;  // the login under way (or due) is the automatic one
    int m_retries = 0;
    int m_retryLeft = 0;
    ClockTimer* m_retryTimer = nullptr;
    // The short pause before an automatic login, so the screen is seen before it starts.
    ClockTimer* m_autoLoginDelay = nullptr;
    QLabel* m_statusLabel = nullptr;
    ScreenActivation m_activation;

    QPixmap m_background;  // the shop's own picture from the skin folder, when there is one
    QLabel* m_title = nullptr;
    QLabel* m_subtitle = nullptr;
    QLineEdit* m_id = nullptr;
    QLineEdit* m_pw = nullptr;
    ClickLabel* m_loginKey = nullptr;
    ToggleBox* m_storeToggles[2] = {nullptr, nullptr};
    QWidget* m_waitPanel = nullptr;
    QLabel* m_waitPicture = nullptr;
    // For a kiosk without a keyboard: opens when ID or PW is touched.
    OnScreenKeyboard* m_keyboard = nullptr;
    // Last: gone first, so no answer arrives at a screen being taken apart.
    BackgroundExchange m_exchange{this};
};

}  // namespace sumbrel
