#pragma once
// The health metrics as a file for node_exporter's textfile collector: written at start, every
// 15 seconds and after each order, always replaced whole. No widgets.
#include "startup/clock.h"

#include <QObject>
#include <QString>
#include <memory>

namespace sumbrel::kiosk {

// The file's path: the command line's, else [Set] MetricsFile= of the configuration; a relative
// path lies in the program folder. Empty: no file.
QString MetricsFilePath(const QString& commandLine);

class HealthFile : public QObject {
public:
    static constexpr int kPeriodMs = 15000;

    // Writes the file at once and keeps it up to date while it lives.
    explicit HealthFile(QString path, QObject* parent = nullptr);
    ~HealthFile() override;
    HealthFile(const HealthFile&) = delete;
    HealthFile& operator=(const HealthFile&) = delete;

    // Writes now; false when the file could not be written (traced once until it can again).
    bool write();
    const QString& path() const { return m_path; }

private:
    QString m_path;
    ClockTimer m_timer;
    bool m_failing = false;
};

// The running terminal's file, when a path is set (see MetricsFilePath); nullptr otherwise.
std::unique_ptr<HealthFile> StartHealthFile(const QString& commandLine);

}  // namespace sumbrel::kiosk
