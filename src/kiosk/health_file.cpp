#include "kiosk/health_file.h"

#include "access/speech.h"
#include "startup/global_state.h"
#include "startup/health_metrics.h"
#include "startup/ini.h"
#include "startup/screen_hold.h"
#include "startup/trace_log.h"

#include <QDir>
#include <QMetaObject>

namespace sumbrel::kiosk {

QString MetricsFilePath(const QString& commandLine)
{
    QString path = commandLine.trimmed();
    if (path.isEmpty())
        path = ReadIni(QStringLiteral("Set"), QStringLiteral("MetricsFile"), configFilePath()).trimmed();
    if (path.isEmpty())
        return {};
    return QDir(ProgramFolder()).absoluteFilePath(path);
}

HealthFile::HealthFile(QString path, QObject* parent)
    : QObject(parent)
    , m_path(std::move(path))
{
    connect(&m_timer, &ClockTimer::timeout, this, [this] { write(); });
    // Counted on whichever thread ended the order; written on this one.
    health::SetOrderListener([this] {
        QMetaObject::invokeMethod(
            this, [this] { write(); }, Qt::QueuedConnection);
    });
    write();
    m_timer.start(kPeriodMs);
}

HealthFile::~HealthFile()
{
    health::SetOrderListener({});
}

bool HealthFile::write()
{
    health::Reading reading = health::Read();
    reading.longestHoldMs = ScreenHold::longestMs();
    reading.heldMs = ScreenHold::heldMs();
    const access::SpeechEngine* voice = access::speechEngine();
    reading.voiceUsable = voice && voice->works() && !voice->starting();
    reading.version = gs().versionText;
    QString why;
    const bool written = health::ReplaceFile(m_path, health::Render(reading), &why);
    // Once per run of failures: a full disk must not fill the log as well.
    if (!written && !m_failing)
        WriteLog(QStringLiteral("Metrics ... 상태 지표 파일을 쓰지 못함: ") + m_path + QStringLiteral(" (") + why
                 + u')');
    else if (written && m_failing)
        WriteLog(QStringLiteral("Metrics ... 상태 지표 파일을 다시 씀: ") + m_path);
    m_failing = !written;
    return written;
}

std::unique_ptr<HealthFile> StartHealthFile(const QString& commandLine)
{
    const QString path = MetricsFilePath(commandLine);
    return path.isEmpty() ? nullptr : std::make_unique<HealthFile>(path);
}

}  // namespace sumbrel::kiosk
