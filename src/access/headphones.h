#pragma once
// Whether headphones are plugged into the kiosk. The kernel tells it by a switch of an input device
// (SW_HEADPHONE_INSERT, on the sound card's jack); a test reports through a stand-in instead.
#include <QList>
#include <QObject>
#include <QString>
#include <memory>

class QSocketNotifier;

namespace sumbrel::access {

class HeadphoneSwitch : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    bool inserted() const { return m_inserted; }

Q_SIGNALS:
    // Only on a change.
    void changed(bool inserted);

protected:
    void report(bool inserted);

private:
    bool m_inserted = false;
};

// The kernel's switch: every device of the folder that has a headphone switch, read as it changes.
class KernelHeadphoneSwitch : public HeadphoneSwitch {
    Q_OBJECT
public:
    explicit KernelHeadphoneSwitch(const QString& folder = QStringLiteral("/dev/input"), QObject* parent = nullptr);
    // Reads events from descriptors opened elsewhere (taken over), starting from `inserted`.
    KernelHeadphoneSwitch(const QList<int>& descriptors, bool inserted, QObject* parent = nullptr);
    ~KernelHeadphoneSwitch() override;
    int devices() const { return int(m_readers.size()); }

private:
    void watch(int fd);
    void readEvents(int fd);

    std::vector<std::unique_ptr<QSocketNotifier>> m_readers;
};

}  // namespace sumbrel::access
