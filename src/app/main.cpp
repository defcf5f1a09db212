// The terminal's executable: command line, dialog seam, then the start-up sequence.
#include "access/ui/tts_engine.h"
#include "kiosk/health_file.h"
#include "kiosk/kiosk_layout.h"
#include "kiosk/ui/kiosk_session.h"
#include "kiosk/ui/operator_guard.h"
#include "kiosk/watchdog.h"
#include "login/provisioning.h"
#include "login/ui/frm_login.h"
#include "menu/ui/frm_menu_select_main.h"
#include "presentation/dialog_handlers.h"
#include "presentation/screen_utils.h"
#include "reception/ui/frm_main.h"
#include "server/http_client.h"
#include "settings/ui/frm_setting.h"
#include "startup/dialogs.h"
#include "startup/global_state.h"
#include "startup/startup.h"

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>
#include <memory>

namespace {

// --help, --version and --say need no display.
bool answersWithoutScreen(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray a(argv[i]);
        if (a == "-h" || a == "--help" || a == "-v" || a == "--version" || a == "--help-all" || a == "-?"
            || a == "--say" || a.startsWith("--say="))
            return true;
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[])
{
    // The kiosk's scale is an environment setting: it must be in place before the application exists.
    const bool withoutScreen = answersWithoutScreen(argc, argv) || sumbrel::ProvisioningRequested(argc, argv);
    const bool kiosk = !withoutScreen && sumbrel::kiosk::RequestedOnCommandLine(argc, argv);
    const sumbrel::kiosk::ScaleChoice scale = kiosk ? sumbrel::kiosk::PrepareScale(argc, argv)
                                                    : sumbrel::kiosk::ScaleChoice{};
    std::unique_ptr<QCoreApplication> application;
    if (withoutScreen)
        application = std::make_unique<QCoreApplication>(argc, argv);
    else
        application = std::make_unique<QApplication>(argc, argv);
    QCoreApplication& app = *application;
    QCoreApplication::setApplicationName(QStringLiteral("Sumbrel"));
    QCoreApplication::setApplicationVersion(
        sumbrel::VersionText(PROJECT_VERSION_MAJOR, PROJECT_VERSION_MINOR, PROJECT_VERSION_PATCH));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Self-service order terminal"));
    parser.addHelpOption();
    QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("Prints the version."));
    parser.addOption(version);
    const sumbrel::ProvisioningOptions provisioning(parser);
    QCommandLineOption metricsFile(QStringLiteral("metrics-file"),
                                   QStringLiteral("Keeps health metrics in this file for node_exporter's textfile "
                                                  "collector (else [Set] MetricsFile=)."),
                                   QStringLiteral("PATH"));
    parser.addOption(metricsFile);
    QCommandLineOption home(QStringLiteral("home"),
                            QStringLiteral("Program folder (configuration, logs, skin2, menu_img)."),
                            QStringLiteral("DIR"));
    QCommandLineOption host(QStringLiteral("service-host"), QStringLiteral("Host of the shop's web service."),
                            QStringLiteral("HOST[:PORT]"));
    QCommandLineOption caFile(
        QStringLiteral("ca-file"),
        QStringLiteral("Trust the certificate authorities of this PEM file besides the system's."),
        QStringLiteral("FILE"));
    parser.addOption(home);
    parser.addOption(host);
    parser.addOption(caFile);
    QCommandLineOption say(QStringLiteral("say"),
                           QStringLiteral("Speaks the text through the voice guidance's engine, to check the speaker."),
                           QStringLiteral("TEXT"));
    parser.addOption(say);
    parser.addOption(QCommandLineOption(
        QStringLiteral("kiosk"),
        QStringLiteral(
            "Full screen for a kiosk: the screens scaled to fill it, no pointer over the customer's screens.")));
    parser.process(app);
    if (provisioning.requested(parser))
        return sumbrel::RunProvisioning(provisioning.command(parser, parser.value(home)));
    if (parser.isSet(version)) {
        std::fputs(QCoreApplication::applicationVersion().toUtf8().constData(), stdout);
        std::fputs("\n", stdout);
        return 0;
    }
    if (parser.isSet(say)) {
        sumbrel::access::SpeakerCheck check(parser.value(say));
        app.exec();
        return check.report();
    }

    // Without anyone at the screen (tests, unattended runs) boxes are answered at once.
    static sumbrel::WidgetDialogHandler widgetDialogs;
    static sumbrel::UnattendedDialogHandler unattendedDialogs;
    if (qEnvironmentVariableIsSet("SUMBREL_UNATTENDED"))
        sumbrel::setDialogHandler(&unattendedDialogs);
    else
        sumbrel::setDialogHandler(&widgetDialogs);

    sumbrel::setCaFile(parser.value(caFile));

    sumbrel::StartOptions options;
    options.programFolder = parser.value(home);
    options.serviceHost = parser.value(host);
    options.readTwipsPerPixel = sumbrel::ScreenTwipsPerPixel;
    // Declared before the screens, so it outlives them. Pings a systemd watchdog when one watches.
    std::unique_ptr<sumbrel::kiosk::KioskSession> session;
    if (kiosk)
        session = std::make_unique<sumbrel::kiosk::KioskSession>(scale);
    sumbrel::kiosk::WatchdogNotifier watchdog;
    watchdog.start();
    // Voice guidance for the barrier-free mode: the engine finds its voice on its own thread while
    // the program starts. Unattended runs speak nothing (the texts still reach the log).
    std::unique_ptr<sumbrel::access::TtsEngine> speech;
    std::unique_ptr<sumbrel::access::JoinedSpeech> joined;
    if (!qEnvironmentVariableIsSet("SUMBREL_UNATTENDED")) {
        speech = std::make_unique<sumbrel::access::TtsEngine>();
        joined = std::make_unique<sumbrel::access::JoinedSpeech>(*speech);
        sumbrel::access::setSpeechEngine(joined.get());
    }
    // The reception screen lives for the rest of the run once the login opens it.
    std::unique_ptr<sumbrel::frmMain> reception;
    // The menu page is created on first use and only hidden between uses; a visit with another look
    // (the barrier-free choices) gets a page built under it.
    std::unique_ptr<sumbrel::frmMenuSelectMain> menuPage;
    int menuPageLook = -1;
    auto openReception = [&reception, &menuPage, &menuPageLook, &session] {
        reception = std::make_unique<sumbrel::frmMain>();
        if (session)
            session->adopt(reception.get());
        sumbrel::frmMain* screen = reception.get();
        reception->openMenuPage = [screen, &menuPage, &menuPageLook](sumbrel::cart::OrderCart& cart) {
            if (!menuPage || menuPageLook != sumbrel::LookGeneration()) {
                menuPage.reset();
                menuPage = std::make_unique<sumbrel::frmMenuSelectMain>(screen);
                menuPageLook = sumbrel::LookGeneration();
            }
            menuPage->open(cart);
        };
        // A new settings screen at each opening, gone when it closes; the reception screen resets
        // once more after it, to show what was set there.
        reception->openSettings = [screen] {
            auto* settings = new sumbrel::frmSetting(screen);
            settings->setAttribute(Qt::WA_DeleteOnClose);
            QObject::connect(settings, &sumbrel::frmSetting::closed, screen, [screen] { screen->reset(); });
            settings->open();
        };
        sumbrel::kiosk::GuardOperatorAreas(*reception);
        reception->show();
    };
    auto openLogin = [&openReception, &session] {
        auto* login = new sumbrel::frmLogin;
        if (session)
            session->adopt(login);
        login->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(login, &sumbrel::frmLogin::loggedIn, login, openReception);
        QObject::connect(login, &sumbrel::frmLogin::endRequested, login, [] { QCoreApplication::exit(0); });
        login->show();
    };
    if (sumbrel::Main(options, openLogin) == sumbrel::StartResult::AlreadyRunning)
        return 1;
    const std::unique_ptr<sumbrel::kiosk::HealthFile> health = sumbrel::kiosk::StartHealthFile(
        parser.value(metricsFile));
    const int code = app.exec();
    menuPage.reset();
    reception.reset();
    sumbrel::access::setSpeechEngine(nullptr);
    return code;
}
