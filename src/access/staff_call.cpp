#include "access/staff_call.h"

#include "access/language.h"
#include "access/speech.h"
#include "startup/dialogs.h"
#include "startup/health_metrics.h"
#include "startup/trace_log.h"

#include <optional>

namespace sumbrel::access {

namespace {
StaffBell* g_bell = nullptr;
std::optional<uint32_t> g_rungAt;
}  // namespace

void setStaffBell(StaffBell* bell)
{
    g_bell = bell;
    g_rungAt.reset();
}

void CallStaff(const QString& screen)
{
    health::CountStaffCall();
    const uint32_t now = TickCount();
    const bool quiet = g_rungAt && now - *g_rungAt < kBellQuietMs;
    if (quiet) {
        WriteLog(QStringLiteral("  [") + screen + QStringLiteral("] 직원 호출 (벨은 %1초 전에 울림)")
                                              .arg((now - *g_rungAt) / 1000));
    } else {
        WriteLog(QStringLiteral("  [") + screen + QStringLiteral("] 직원 호출 (벨 울림)"));
        g_rungAt = now;
        if (g_bell)
            g_bell->ring();
    }
    // The message box says its text by voice when guidance is on.
    MessageBox(Tr("직원을 불렀습니다. 잠시만 기다려 주세요."), MessageIcon::Information);
}

}  // namespace sumbrel::access
