#pragma once
// Prometheus' own check of a metrics file in the text format (the Debian package prometheus).
#include <QByteArray>
#include <QProcess>
#include <QStandardPaths>
#include <QString>

namespace sumbrel::testing {

struct PromtoolVerdict {
    bool ran = false;  // false: promtool is not installed
    int exitCode = -1;
    QByteArray said;  // its remarks; empty when it accepts the file as it is
};

inline PromtoolVerdict CheckWithPromtool(const QString& file)
{
    PromtoolVerdict verdict;
    const QString promtool = QStandardPaths::findExecutable(QStringLiteral("promtool"));
    if (promtool.isEmpty())
        return verdict;
    QProcess check;
    check.setStandardInputFile(file);
    check.setProcessChannelMode(QProcess::MergedChannels);
    check.start(promtool, {QStringLiteral("check"), QStringLiteral("metrics")});
    verdict.ran = check.waitForFinished(30000);
    verdict.exitCode = check.exitCode();
    verdict.said = check.readAll().trimmed();
    return verdict;
}

}  // namespace sumbrel::testing
