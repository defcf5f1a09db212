#pragma once
// The remembered login options: one "◈"-joined text of four fields in the per-user store.
#include <QString>
#include <QStringList>

namespace sumbrel {

inline constexpr auto kDefaultStoredLogin = u"False◈False◈◈";

QString ReadStoredLogin();
// Writes the text and keeps the store readable by its owner only; false when it could not be stored
// (the old value then stays as it was).
bool WriteStoredLogin(const QString& value);
QString StoredLoginFile();

// The four fields; the default when the text does not split into exactly four.
QStringList SplitStoredLogin(const QString& value, const QString& separator);

}  // namespace sumbrel
