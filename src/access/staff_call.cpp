#include "access/staff_call.h"

#include "access/language.h"
#include "access/speech.h"
#include "startup/dialogs.h"
#include "startup/health_metrics.h"
#include "startup/trace_log.h"

namespace sumbrel::access {

namespace {
StaffBell* g_bell = nullptr;
}  // namespace

std::optional<uint32_t> StaffBell::ringUnlessQuiet(uint32_t now)
{
    if (m_rungAt && now - *m_rungAt < kBellQuietMs)
        return now - *m_rungAt;
    m_rungAt = now;
    ring();
    return std::nullopt;
}

void setStaffBell(StaffBell* bell)
{
    g_bell = bell;
}

void CallStaff(const QString& screen)
{
    health::CountStaffCall();
    const std::optional<uint32_t> quietFor = g_bell ? g_bell->ringUnlessQuiet(TickCount()) : std::nullopt;
    if (quietFor)
        WriteLog(QStringLiteral("  [") + screen + QStringLiteral("] 직원 호출 (벨은 %1초 전에 울림)").arg(*quietFor / 1000));
    else
        WriteLog(QStringLiteral("  [") + screen + QStringLiteral("] 직원 호출 (벨 울림)"));
    // The message box says its text by voice when guidance is on.
    MessageBox(Tr("직원을 불렀습니다. 잠시만 기다려 주세요."), MessageIcon::Information);
}

}  // namespace sumbrel::access
