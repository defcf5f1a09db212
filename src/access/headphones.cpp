#include "access/headphones.h"

#include "startup/trace_log.h"

#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <cerrno>
#include <fcntl.h>
#include <linux/input.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace sumbrel::access {

namespace {

bool BitSet(const unsigned long* bits, int bit)
{
    constexpr int kPerLong = int(sizeof(unsigned long) * 8);
    return (bits[bit / kPerLong] >> (bit % kPerLong)) & 1UL;
}

constexpr int kSwitchLongs = SW_MAX / int(sizeof(unsigned long) * 8) + 1;

}  // namespace

void HeadphoneSwitch::report(bool inserted)
{
    if (inserted == m_inserted)
        return;
    m_inserted = inserted;
    WriteLog(inserted ? QStringLiteral("  [frmMain] 이어폰 연결") : QStringLiteral("  [frmMain] 이어폰 분리"));
    Q_EMIT changed(inserted);
}

KernelHeadphoneSwitch::KernelHeadphoneSwitch(const QString& folder, QObject* parent)
    : HeadphoneSwitch(parent)
{
    bool inserted = false;
    const QStringList names = QDir(folder).entryList({QStringLiteral("event*")}, QDir::System | QDir::Files);
    for (const QString& name : names) {
        const QByteArray path = QFile::encodeName(folder + u'/' + name);
        const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        unsigned long kinds[EV_MAX / (sizeof(unsigned long) * 8) + 1] = {};
        unsigned long switches[kSwitchLongs] = {};
        const bool hasSwitch = ::ioctl(fd, EVIOCGBIT(0, sizeof(kinds)), kinds) >= 0 && BitSet(kinds, EV_SW)
            && ::ioctl(fd, EVIOCGBIT(EV_SW, sizeof(switches)), switches) >= 0 && BitSet(switches, SW_HEADPHONE_INSERT);
        if (!hasSwitch) {
            ::close(fd);
            continue;
        }
        unsigned long state[kSwitchLongs] = {};
        if (::ioctl(fd, EVIOCGSW(sizeof(state)), state) >= 0 && BitSet(state, SW_HEADPHONE_INSERT))
            inserted = true;
        watch(fd);
    }
    // The state found at start is no plugging-in: set without a signal.
    if (inserted)
        report(true);
}

KernelHeadphoneSwitch::KernelHeadphoneSwitch(const QList<int>& descriptors, bool inserted, QObject* parent)
    : HeadphoneSwitch(parent)
{
    for (int fd : descriptors)
        watch(fd);
    if (inserted)
        report(true);
}

KernelHeadphoneSwitch::~KernelHeadphoneSwitch()
{
    for (const auto& reader : m_readers)
        ::close(int(reader->socket()));
}

void KernelHeadphoneSwitch::watch(int fd)
{
    auto reader = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    connect(reader.get(), &QSocketNotifier::activated, this, [this, fd] { readEvents(fd); });
    m_readers.push_back(std::move(reader));
}

void KernelHeadphoneSwitch::readEvents(int fd)
{
    input_event events[16];
    while (true) {
        const ssize_t n = ::read(fd, events, sizeof(events));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            // The device went (or the other end closed): nothing more will come from it.
            if (n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK)) {
                for (const auto& reader : m_readers)
                    if (int(reader->socket()) == fd)
                        reader->setEnabled(false);
            }
            return;
        }
        for (size_t i = 0; i < size_t(n) / sizeof(input_event); ++i)
            if (events[i].type == EV_SW && events[i].code == SW_HEADPHONE_INSERT)
                report(events[i].value != 0);
    }
}

}  // namespace sumbrel::access
