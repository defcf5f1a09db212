#include "app/terminal.h"

#include "access/headphones.h"
#include "access/language.h"
#include "access/ui/speaker_bell.h"
#include "access/ui/tts_engine.h"
#include "kiosk/health_file.h"
#include "kiosk/ui/kiosk_session.h"
#include "kiosk/ui/operator_guard.h"
#include "kiosk/watchdog.h"
#include "login/ui/login_screen.h"
#include "menu/ui/menu_page.h"
#include "presentation/dialog_handlers.h"
#include "presentation/look.h"
#include "reception/ui/reception_screen.h"
#include "server/http_client.h"
#include "settings/ui/settings_screen.h"
#include "startup/dialogs.h"
#include "startup/startup.h"
#include "startup/trace_log.h"

#include <QApplication>
#include <algorithm>

namespace sumbrel {

namespace {
bool Unattended()
{
    return qEnvironmentVariableIsSet("SUMBREL_UNATTENDED");
}
}  // namespace

Terminal::Terminal(const app::CommandLine& line, const app::Launch& launch)
    : m_line(line)
    , m_widgetDialogs(std::make_unique<WidgetDialogHandler>())
    , m_unattendedDialogs(std::make_unique<UnattendedDialogHandler>())
{
    // Without anyone at the screen (tests, unattended runs) boxes are answered at once.
    setDialogHandler(Unattended() ? static_cast<DialogHandler*>(m_unattendedDialogs.get()) : m_widgetDialogs.get());
    setCaFile(line.caFile);
    if (launch.kiosk)
        m_session = std::make_unique<kiosk::KioskSession>();
    // Pings a systemd watchdog when one watches.
    m_watchdog = std::make_unique<kiosk::WatchdogNotifier>();
    m_watchdog->start();
    // Voice guidance for the barrier-free mode: the engine finds its voice on its own thread while
    // the program starts. Unattended runs speak nothing (the texts still reach the log).
    if (!Unattended()) {
        m_speech = std::make_unique<access::TtsEngine>();
        m_joinedSpeech = std::make_unique<access::JoinedSpeech>(*m_speech);
        access::setSpeechEngine(m_joinedSpeech.get());
    }
    // The staff call's bell: a beep, and a chime through the voice's engine where there is one.
    m_staffBell = std::make_unique<access::SpeakerBell>();
    access::setStaffBell(m_staffBell.get());
}

Terminal::~Terminal()
{
    m_menuPage.reset();
    m_reception.reset();
    access::setStaffBell(nullptr);
    access::setSpeechEngine(nullptr);
    setDialogHandler(nullptr);
}

bool Terminal::start()
{
    StartOptions options;
    options.programFolder = m_line.home;
    options.serviceHost = m_line.serviceHost;
    if (RunStartup(options, [this] { openLogin(); }) == StartResult::AlreadyRunning)
        return false;
    m_health = kiosk::StartHealthFile(m_line.metricsFile);
    return true;
}

bool Terminal::WindowsOpen()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [](const QWidget* w) { return w->isVisible(); });
}

void Terminal::applyLayout()
{
    // The program folder (and its configuration) is known from here on; no screen is built yet.
    if (m_session)
        m_session->setLayout(kiosk::ConfiguredLayout(m_line.layout));
}

void Terminal::openLogin()
{
    applyLayout();
    // The login closes itself once it has reported.
    auto* login = new LoginScreen();
    if (m_session)
        m_session->adopt(login);
    login->setAttribute(Qt::WA_DeleteOnClose);
    connect(login, &LoginScreen::menuLoaded, this, [this](const LoginMenuLoad& load) {
        if (load.categories)
            m_menu.setCategories(*load.categories);
        if (load.catalogue)
            m_menu.setCatalogue(*load.catalogue);
    });
    connect(login, &LoginScreen::loggedIn, this, &Terminal::openReception);
    connect(login, &LoginScreen::endRequested, this, [] { QCoreApplication::exit(0); });
    login->show();
}

void Terminal::openReception(const Session& session)
{
    m_shop = session;
    if (m_session)
        m_session->setAudience(kiosk::Audience::Customer);
    m_reception = std::make_unique<ReceptionScreen>(m_shop);
    ReceptionScreen* screen = m_reception.get();
    if (m_session)
        m_session->adopt(screen);
    connect(screen, &ReceptionScreen::menuRequested, this, &Terminal::openMenuPage);
    if (!m_headphones) {
        m_headphones = std::make_unique<access::KernelHeadphoneSwitch>();
        WriteLog(QStringLiteral("  [frmMain] 이어폰 스위치: ") + QString::number(m_headphones->devices())
                 + QStringLiteral("개 (연결 ") + QString::number(int(m_headphones->inserted())) + u')');
    }
    // Headphones already in at the start are no customer plugging them in.
    screen->headphonesFound(m_headphones->inserted());
    connect(m_headphones.get(), &access::HeadphoneSwitch::changed, screen, &ReceptionScreen::headphonesChanged);
    auto* guard = new kiosk::OperatorGuard(*screen);
    connect(guard, &kiosk::OperatorGuard::settingsAllowed, this, &Terminal::openSettings);
    connect(guard, &kiosk::OperatorGuard::settingsRefused, screen, &ReceptionScreen::reset);
    connect(guard, &kiosk::OperatorGuard::terminateAllowed, this, [] { QCoreApplication::exit(0); });
    screen->show();
}

void Terminal::openMenuPage(const cart::OrderCart& order)
{
    if (!m_menuPage || m_menuPageLook != LookGeneration()) {
        m_menuPage.reset();
        m_menuPage = std::make_unique<MenuPage>(m_shop, m_menu, m_reception.get());
        m_menuPageLook = LookGeneration();
        connect(m_menuPage.get(), &MenuPage::closed, m_reception.get(), &ReceptionScreen::menuClosed);
    }
    m_menuPage->open(order);
}

void Terminal::openSettings()
{
    // A new settings screen at each opening, gone when it closes; the reception screen then resets to
    // show what was set there.
    if (m_session)
        m_session->setAudience(kiosk::Audience::Operator);
    // The operator's screens and their boxes are Korean, whatever a customer chose last.
    ApplyLanguage(access::Language::Korean);
    auto* settings = new SettingsScreen(m_shop, m_menu.catalogueSnapshot(), m_reception.get());
    settings->setAttribute(Qt::WA_DeleteOnClose);
    connect(settings, &SettingsScreen::closed, this, [this] {
        if (m_session)
            m_session->setAudience(kiosk::Audience::Customer);
    });
    connect(settings, &SettingsScreen::closed, m_reception.get(), &ReceptionScreen::reset);
    settings->open();
}

}  // namespace sumbrel
