#pragma once
// The terminal as one object: it owns the screens and connects them. The login opens the reception
// screen; the reception screen asks for the menu page, the settings and the end of the program by
// signals, and the answers come back through here.
#include "app/command_line.h"
#include "menu/cart.h"
#include "menu/menu_tables.h"
#include "server/session.h"

#include <QObject>
#include <memory>

namespace sumbrel {

class LoginScreen;
class ReceptionScreen;
class MenuPage;
class WidgetDialogHandler;
class UnattendedDialogHandler;

namespace access {
class TtsEngine;
class JoinedSpeech;
class KernelHeadphoneSwitch;
class SpeakerBell;
}  // namespace access

namespace kiosk {
class HealthFile;
class KioskSession;
class OperatorGuard;
class WatchdogNotifier;
}  // namespace kiosk

class Terminal : public QObject {
    Q_OBJECT
public:
    Terminal(const app::CommandLine& line, const app::Launch& launch);
    ~Terminal() override;

    // The start-up sequence, which opens the login; false when another terminal runs in the same
    // program folder (a box says so).
    bool start();
    // Whether a window (a box saying why the start failed) is still there to be read.
    static bool WindowsOpen();

private:
    void applyLayout();
    void openLogin();
    void openReception(const Session& session);
    void openMenuPage(const cart::OrderCart& order);
    void openSettings();

    app::CommandLine m_line;
    std::unique_ptr<WidgetDialogHandler> m_widgetDialogs;
    std::unique_ptr<UnattendedDialogHandler> m_unattendedDialogs;
    // Before the screens, so it outlives them.
    std::unique_ptr<kiosk::KioskSession> m_session;
    std::unique_ptr<kiosk::WatchdogNotifier> m_watchdog;
    std::unique_ptr<access::TtsEngine> m_speech;
    std::unique_ptr<access::JoinedSpeech> m_joinedSpeech;
    std::unique_ptr<access::SpeakerBell> m_staffBell;
    std::unique_ptr<kiosk::HealthFile> m_health;
    std::unique_ptr<access::KernelHeadphoneSwitch> m_headphones;
    // What the login gave, fixed for the rest of the run; every screen that asks the shop gets a copy.
    Session m_shop;
    // The shop's menu as the last good loads gave it: the login's, then each opening of the menu page's.
    menu::MenuTables m_menu;
    // The reception screen lives for the rest of the run once the login opens it.
    std::unique_ptr<ReceptionScreen> m_reception;
    // Created on first use and only hidden between uses; a visit with another look (the barrier-free
    // choices) gets a page built under it.
    std::unique_ptr<MenuPage> m_menuPage;
    int m_menuPageLook = -1;
};

}  // namespace sumbrel
