#pragma once
// A benchmark on a slow kiosk's processor: `--cpu-share F` moves the bench's own process into a
// control group of its own that may run F x 10 ms in every 10 ms (F = 0.25: a quarter of one core),
// with cgroup v2's cpu.max or v1's cfs quota. The demo shop is started before, so that it keeps the
// machine's full speed and only the terminal's side is slowed. Without the rights or the controller
// the bench says so and runs unlimited.
#include <optional>
#include <string>

namespace bench {

inline constexpr int kSharePeriodUs = 10000;

// "0.25" as a share of one core; nullopt for anything else than a number of 0.1 (the kernel's
// shortest quota, 1 ms of the period) up to 64.
std::optional<double> ParseCpuShare(const char* text);
// The share as the kernel takes it: v2's cpu.max ("2500 10000"), v1's cpu.cfs_quota_us ("2500").
std::string CpuMaxText(double share);
std::string CfsQuotaText(double share);

// The value after `--cpu-share` among the arguments, or nullopt without one; a value that does not
// read ends the program with status 2.
std::optional<double> CpuShareArgument(int argc, char** argv);

class CpuShare {
public:
    // Makes the group and moves this process into it; prints "cpu_share F" on standard output, or
    // a line saying why the bench runs unlimited.
    explicit CpuShare(double share);
    // Back into the group it came from, and the group removed.
    ~CpuShare();
    CpuShare(const CpuShare&) = delete;
    CpuShare& operator=(const CpuShare&) = delete;

    // The group is in place (this process inside it, unless it has left for a while).
    bool limited() const { return !m_group.empty(); }
    double share() const { return m_share; }
    // Out of the group and in again, for a child process started between (a demo shop per run) that
    // must not inherit the share.
    void leave();
    void enter();

private:
    double m_share;
    std::string m_group;  // the folder made, empty when none
    std::string m_parent;  // the folder this process came from
    bool m_inside = false;
};

}  // namespace bench
