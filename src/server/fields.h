#pragma once
// Tagged answer fields (N[value]N), record counting and the escaping of free texts.
#include <QString>
#include <QStringView>
#include <optional>

namespace sumbrel {

// The text after the first N + "[" up to the first "]" + N (or up to the next N + "[" or the end).
// nullopt when N + "[" does not occur: callers keep their previous value then.
std::optional<QString> Field(QStringView answer, QStringView name);
// The field, or the fallback when it is missing.
QString FieldOr(QStringView answer, QStringView name, const QString& fallback = QString());

// Number of non-overlapping occurrences, as text ("0" for an empty text).
QString CountOccurrences(QStringView text, QStringView delimiter);
qsizetype CountOf(QStringView text, QStringView delimiter);

QString EscapeField(const QString& text);
QString UnescapeField(const QString& text);

}  // namespace sumbrel
