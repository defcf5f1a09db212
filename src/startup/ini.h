#pragma once
// The configuration file: one key at a time, shared with the call-display program.
#include <QString>

namespace sumbrel {

// The value, at most 254 bytes (cut at a character boundary); empty when anything is missing.
QString ReadIni(const QString& section, const QString& key, const QString& path);
// Changes one key, keeping every other line; written through a temporary file and a rename.
void WriteIni(const QString& section, const QString& key, const QString& value, const QString& path);

inline constexpr int kIniValueBytes = 254;

}  // namespace sumbrel
