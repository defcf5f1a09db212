// The terminal's executable: the command line, then the terminal object and its event loop.
#include "access/ui/tts_engine.h"
#include "app/command_line.h"
#include "app/terminal.h"
#include "startup/startup.h"

#include <QApplication>
#include <cstdio>
#include <memory>

int main(int argc, char* argv[])
{
    sumbrel::LimitMallocArenas();
    // The kiosk's scale is an environment setting: it must be in place before the application exists.
    const sumbrel::app::Launch launch = sumbrel::app::PrepareLaunch(argc, argv);
    const std::unique_ptr<QCoreApplication> app = launch.withoutScreen
        ? std::make_unique<QCoreApplication>(argc, argv)
        : std::make_unique<QApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Sumbrel"));
    QCoreApplication::setApplicationVersion(
        sumbrel::VersionText(PROJECT_VERSION_MAJOR, PROJECT_VERSION_MINOR, PROJECT_VERSION_PATCH));
    const sumbrel::app::CommandLine line = sumbrel::app::ParseCommandLine(*app);
    if (line.provisioning)
        return sumbrel::RunProvisioning(*line.provisioning);
    if (line.version) {
        std::printf("%s\n", QCoreApplication::applicationVersion().toUtf8().constData());
        return 0;
    }
    if (line.say) {
        sumbrel::access::SpeakerCheck check(*line.say);
        app->exec();
        return check.report();
    }
    sumbrel::Terminal terminal(line, launch);
    if (!terminal.start()) {
        // The boxes that say why are read first; the last one closed ends the loop.
        if (sumbrel::Terminal::WindowsOpen())
            app->exec();
        return 1;
    }
    return app->exec();
}
