#pragma once
// The first screen: the shop's ID and password, remembered options, the login request.
#include "login/login_model.h"
#include "presentation/widgets.h"
#include "startup/clock.h"

#include <QPixmap>
#include <QStringList>
#include <QWidget>
#include <functional>

class QLabel;
class QLineEdit;

namespace sumbrel {

class ClickLabel;
class OnScreenKeyboard;
class ToggleBox;

// What the login screen does after a success, and how it ends the program. Empty members do
// nothing, except endProgram: close + QCoreApplication::exit(0). The program wires the catalogue
// loaders in.
struct LoginHooks {
    std::function<void()> loadCategories;  // LoadAllCategories
    std::function<void()> loadCatalogue;  // LoadMenuCatalogue("전체")
    std::function<void()> openReception;
    std::function<void()> endProgram;
};

class frmLogin : public QWidget {
    Q_OBJECT
public:
    explicit frmLogin(LoginHooks hooks = {}, QWidget* parent = nullptr);
    ~frmLogin() override;

    // Set by the start-up before the first showing; cleared at the first activation.
    bool m_FirstActivated = false;

    // The login, as by the key, Enter in PW or the automatic login.
    void lblLogin_Click();
    // Runs once per activation of the window (queued from the activation event).
    void Form_Activate();

    // The login's state: the failures so far and the stored options as read at load.
    const LoginModel& model() const { return m_model; }

    static constexpr int kWidth = 450;
    static constexpr int kHeight = 515;

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void Form_Load();
    void buildWidgets();
    void chkLoadValue_Click(int index);
    void enableLoginKey();
    void enableEntry();
    void showStatus(const QString& text);
    // The automatic login could not reach the service: the next try after the schedule's wait.
    void scheduleRetry();
    void retryTick();
    // The operator took over: no more tries by itself.
    void stopRetries();

    LoginHooks m_hooks;
    LoginModel m_model;
    bool m_busy = false;
    bool m_automatic = false;  // the login under way (or due) is the automatic one
    int m_retries = 0;
    int m_retryLeft = 0;
    ClockTimer* m_retryTimer = nullptr;
    QLabel* m_lblStatus = nullptr;
    ScreenActivation m_activation;

    QPixmap m_background;  // the shop's own picture from the skin folder, when there is one
    QLabel* m_title = nullptr;
    QLabel* m_subtitle = nullptr;
    QLineEdit* m_id = nullptr;
    QLineEdit* m_pw = nullptr;
    ClickLabel* m_lblLogin = nullptr;
    ToggleBox* m_chk[2] = {nullptr, nullptr};
    QWidget* m_picWait = nullptr;
    QLabel* m_imgWait = nullptr;
    // For a kiosk without a keyboard: opens when ID or PW is touched.
    OnScreenKeyboard* m_keyboard = nullptr;
};

}  // namespace sumbrel
