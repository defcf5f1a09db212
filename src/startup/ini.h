#pragma once
// The configuration file: one key at a time, shared with the call-display program.
#include <QList>
#include <QString>
#include <QStringList>

namespace sumbrel {

// The value, at most 254 bytes (cut at a character boundary); empty when anything is missing.
QString ReadIni(const QString& section, const QString& key, const QString& path);
struct IniEntry {
    QString key;
    QString value;
};

struct IniWriteResult {
    bool written = false;  // the file was replaced
    QStringList refused;  // keys whose value held CR or LF: not written, the old value kept
    QString error;  // why the file could not be replaced; empty when it was, or when nothing was to write
};

// Sets the keys in order, in one replacement of the file: the whole text is written to a temporary
// file renamed over it, so a power cut leaves the old file or the new one, never a mix. Every line
// not set keeps its bytes. A value holding CR or LF (it would write extra keys into the file the call
// display reads) is refused and traced, the others are written; a failed write is traced.
IniWriteResult WriteIniKeys(const QString& section, const QList<IniEntry>& entries, const QString& path);
// One key.
IniWriteResult WriteIni(const QString& section, const QString& key, const QString& value, const QString& path);

inline constexpr int kIniValueBytes = 254;

}  // namespace sumbrel
