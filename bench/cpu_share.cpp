#include "cpu_share.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <vector>

namespace bench {

namespace {

int QuotaUs(double share)
{
    return int(std::lround(share * kSharePeriodUs));
}

bool Exists(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

std::string Read(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Empty when written, else why not.
std::string Write(const std::string& path, const std::string& text)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return path + ": " + std::strerror(errno);
    const ssize_t n = ::write(fd, text.data(), text.size());
    const int error = errno;
    ::close(fd);
    if (n != ssize_t(text.size()))
        return path + ": " + std::strerror(n < 0 ? error : EIO);
    return {};
}

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::stringstream in(text);
    for (std::string part; std::getline(in, part, separator);)
        parts.push_back(part);
    return parts;
}

bool HasWord(const std::string& list, const std::string& word, char separator)
{
    for (const std::string& part : Split(list, separator))
        if (part == word)
            return true;
    return false;
}

// This process's group: in v2's one hierarchy ("0::"), or in the v1 hierarchy that holds "cpu".
std::string OwnGroup(bool v2)
{
    for (const std::string& line : Split(Read("/proc/self/cgroup"), '\n')) {
        const size_t first = line.find(':');
        const size_t second = line.find(':', first + 1);
        if (first == std::string::npos || second == std::string::npos)
            continue;
        const std::string controllers = line.substr(first + 1, second - first - 1);
        if (v2 ? line.compare(0, 3, "0::") == 0 : HasWord(controllers, "cpu", ','))
            return line.substr(second + 1);
    }
    return {};
}

// Where v1's cpu controller is mounted, and the mount's root within the hierarchy.
bool CpuMount(std::string& mountPoint, std::string& mountRoot)
{
    for (const std::string& line : Split(Read("/proc/self/mountinfo"), '\n')) {
        const size_t dash = line.find(" - ");
        if (dash == std::string::npos)
            continue;
        const std::vector<std::string> before = Split(line.substr(0, dash), ' ');
        const std::vector<std::string> after = Split(line.substr(dash + 3), ' ');
        if (before.size() < 5 || after.size() < 3 || after[0] != "cgroup" || !HasWord(after[2], "cpu", ','))
            continue;
        mountRoot = before[3];
        mountPoint = before[4];
        return true;
    }
    return false;
}

// For a signal's end: the files to write as prepared strings, written without allocating.
char g_parentProcs[512];
char g_group[512];
char g_pid[32];

void LeaveOnSignal(int signal)
{
    const int fd = ::open(g_parentProcs, O_WRONLY | O_CLOEXEC);
    if (fd >= 0) {
        (void)!::write(fd, g_pid, std::strlen(g_pid));
        ::close(fd);
    }
    ::rmdir(g_group);
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

}  // namespace

std::optional<double> ParseCpuShare(const char* text)
{
    if (!text || !*text)
        return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const double share = std::strtod(text, &end);
    if (errno != 0 || *end != '\0' || !std::isfinite(share) || share < 0.1 || share > 64)
        return std::nullopt;
    return share;
}

std::string CpuMaxText(double share)
{
    return std::to_string(QuotaUs(share)) + ' ' + std::to_string(kSharePeriodUs);
}

std::string CfsQuotaText(double share)
{
    return std::to_string(QuotaUs(share));
}

std::optional<double> CpuShareArgument(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--cpu-share") != 0)
            continue;
        const std::optional<double> share = ParseCpuShare(i + 1 < argc ? argv[i + 1] : nullptr);
        if (!share) {
            std::fprintf(stderr, "--cpu-share takes a share of one core from 0.1 to 64, e.g. 0.25\n");
            std::exit(2);
        }
        return share;
    }
    return std::nullopt;
}

CpuShare::CpuShare(double share)
    : m_share(share)
{
    const std::string name = "sumbrel-bench-" + std::to_string(::getpid());
    std::string why;
    if (Exists("/sys/fs/cgroup/cgroup.controllers")) {
        // v2: a child of the root, whose subtree must have the cpu controller.
        std::string enabled = Read("/sys/fs/cgroup/cgroup.subtree_control");
        while (!enabled.empty() && (enabled.back() == '\n' || enabled.back() == ' '))
            enabled.pop_back();
        if (!HasWord(enabled, "cpu", ' ')) {
            why = "cgroup v2 without the cpu controller enabled in /sys/fs/cgroup";
        } else {
            m_parent = "/sys/fs/cgroup" + OwnGroup(true);
            m_group = "/sys/fs/cgroup/" + name;
        }
    } else {
        std::string mountPoint, mountRoot;
        if (!CpuMount(mountPoint, mountRoot)) {
            why = "no cpu controller mounted";
        } else {
            std::string own = OwnGroup(false);
            if (mountRoot != "/" && own.compare(0, mountRoot.size(), mountRoot) == 0)
                own = own.substr(mountRoot.size());
            m_parent = mountPoint + (own == "/" ? std::string() : own);
            m_group = m_parent + '/' + name;
        }
    }
    if (why.empty() && ::mkdir(m_group.c_str(), 0755) != 0) {
        why = m_group + ": " + std::strerror(errno);
        m_group.clear();
    }
    if (why.empty()) {
        const bool v2 = Exists(m_group + "/cpu.max");
        why = v2 ? Write(m_group + "/cpu.max", CpuMaxText(share))
                 : Write(m_group + "/cpu.cfs_period_us", std::to_string(kSharePeriodUs));
        if (why.empty() && !v2)
            why = Write(m_group + "/cpu.cfs_quota_us", CfsQuotaText(share));
    }
    if (why.empty())
        why = Write(m_group + "/cgroup.procs", std::to_string(::getpid()));
    if (!why.empty()) {
        if (!m_group.empty())
            ::rmdir(m_group.c_str());
        m_group.clear();
        std::printf("cpu_share: not limited, the bench runs at full speed (%s)\n", why.c_str());
        std::fflush(stdout);
        return;
    }
    m_inside = true;
    std::snprintf(g_parentProcs, sizeof g_parentProcs, "%s/cgroup.procs", m_parent.c_str());
    std::snprintf(g_group, sizeof g_group, "%s", m_group.c_str());
    std::snprintf(g_pid, sizeof g_pid, "%d", int(::getpid()));
    for (const int signal : {SIGINT, SIGTERM, SIGSEGV, SIGABRT})
        ::signal(signal, LeaveOnSignal);
    std::printf("cpu_share %g\n", share);
    std::fflush(stdout);
}

CpuShare::~CpuShare()
{
    if (m_group.empty())
        return;
    leave();
    for (const int signal : {SIGINT, SIGTERM, SIGSEGV, SIGABRT})
        ::signal(signal, SIG_DFL);
    if (::rmdir(m_group.c_str()) != 0)
        std::fprintf(stderr, "cpu_share: %s not removed: %s\n", m_group.c_str(), std::strerror(errno));
}

void CpuShare::leave()
{
    if (!m_inside)
        return;
    const std::string why = Write(m_parent + "/cgroup.procs", std::to_string(::getpid()));
    if (!why.empty())
        std::fprintf(stderr, "cpu_share: could not leave the group: %s\n", why.c_str());
    m_inside = !why.empty();
}

void CpuShare::enter()
{
    if (m_inside || m_group.empty())
        return;
    const std::string why = Write(m_group + "/cgroup.procs", std::to_string(::getpid()));
    if (!why.empty())
        std::fprintf(stderr, "cpu_share: could not enter the group: %s\n", why.c_str());
    m_inside = why.empty();
}

}  // namespace bench
