// The terminal's executable: command line, dialog seam, then the start-up sequence.
#include "dialogs.h"
#include "global_state.h"
#include "screen_utils.h"
#include "startup.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sumbrel"));
    QApplication::setApplicationVersion(sumbrel::VersionText(PROJECT_VERSION_MAJOR, PROJECT_VERSION_MINOR,
                                                             PROJECT_VERSION_PATCH));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Self-service order terminal"));
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption home(QStringLiteral("home"), QStringLiteral("Program folder (configuration, logs, skin2, menu_img)."),
                            QStringLiteral("DIR"));
    QCommandLineOption host(QStringLiteral("service-host"), QStringLiteral("Host of the shop's web service."),
                            QStringLiteral("HOST[:PORT]"));
    parser.addOption(home);
    parser.addOption(host);
    parser.process(app);

    // Without anyone at the screen (tests, unattended runs) boxes are answered at once.
    static sumbrel::WidgetDialogHandler widgetDialogs;
    static sumbrel::UnattendedDialogHandler unattendedDialogs;
    if (qEnvironmentVariableIsSet("SUMBREL_UNATTENDED"))
        sumbrel::setDialogHandler(&unattendedDialogs);
    else
        sumbrel::setDialogHandler(&widgetDialogs);

    sumbrel::StartOptions options;
    options.programFolder = parser.value(home);
    options.serviceHost = parser.value(host);
    if (sumbrel::Main(options) == sumbrel::StartResult::AlreadyRunning)
        return 1;
    // No screen is open yet: the start-up ends here.
    return 0;
}
