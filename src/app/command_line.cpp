#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include "kiosk/kiosk_layout.h"

namespace sumbrel::app {

namespace {

// --help, --version and --say need no display.
bool AnswersWithoutScreen(int argc, char* argv[])
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

Launch PrepareLaunch(int argc, char* argv[])
{
    Launch launch;
    launch.withoutScreen = AnswersWithoutScreen(argc, argv) || ProvisioningRequested(argc, argv);
    launch.kiosk = !launch.withoutScreen && kiosk::RequestedOnCommandLine(argc, argv);
    if (launch.kiosk)
        kiosk::PrepareEnvironment();
    return launch;
}

CommandLine ParseCommandLine(const QCoreApplication& app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Self-service order terminal"));
    parser.addHelpOption();
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Prints the version."));
    parser.addOption(version);
    const ProvisioningOptions provisioning(parser);
    const QCommandLineOption metricsFile(QStringLiteral("metrics-file"),
                                         QStringLiteral("Keeps health metrics in this file for node_exporter's "
                                                        "textfile collector (else [Set] MetricsFile=)."),
                                         QStringLiteral("PATH"));
    const QCommandLineOption home(QStringLiteral("home"),
                                  QStringLiteral("Program folder (configuration, logs, skin2, menu_img)."),
                                  QStringLiteral("DIR"));
    const QCommandLineOption host(QStringLiteral("service-host"), QStringLiteral("Host of the shop's web service."),
                                  QStringLiteral("HOST[:PORT]"));
    const QCommandLineOption caFile(
        QStringLiteral("ca-file"),
        QStringLiteral("Trust the certificate authorities of this PEM file besides the system's."),
        QStringLiteral("FILE"));
    const QCommandLineOption say(
        QStringLiteral("say"),
        QStringLiteral("Speaks the text through the voice guidance's engine, to check the speaker."),
        QStringLiteral("TEXT"));
    const QCommandLineOption kioskOption(
        QStringLiteral("kiosk"),
        QStringLiteral("Full screen for a kiosk: the screens scaled to fill it, no pointer over the customer's screens."));
    const QCommandLineOption layout(
        QStringLiteral("layout"),
        QStringLiteral("The customer's screens for a tall screen (portrait), a wide one (landscape) or by the "
                       "screen's shape (auto, the default; else [Set] Layout=)."),
        QStringLiteral("auto|landscape|portrait"));
    for (const QCommandLineOption* option : {&metricsFile, &home, &host, &caFile, &say, &kioskOption, &layout})
        parser.addOption(*option);
    parser.process(app);

    CommandLine line;
    line.home = parser.value(home);
    line.serviceHost = parser.value(host);
    line.caFile = parser.value(caFile);
    line.metricsFile = parser.value(metricsFile);
    line.version = parser.isSet(version);
    if (parser.isSet(layout)) {
        line.layout = kiosk::ParseLayoutChoice(parser.value(layout));
        if (!line.layout)
            parser.showHelp(2);
    }
    if (parser.isSet(say))
        line.say = parser.value(say);
    if (provisioning.requested(parser))
        line.provisioning = provisioning.command(parser, line.home);
    return line;
}

}  // namespace sumbrel::app
