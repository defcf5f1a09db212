#pragma once
// The tagged order text that the web service takes for one cart.
#include <QString>
#include <cstdint>

namespace sumbrel {

// Cart text (lines by "◈◈◈", parts by "◈◈", fields by "◈") to the tagged order text, one block per
// line, every element on a CR LF line. A malformed line makes the whole text empty.
QString XML_Order(const QString& cart);

// A price text formatted "#,##0" (whole number with thousands commas); non-numeric text as it is.
QString FormatThousands(const QString& value);
// A number formatted "#,##0".
QString FormatThousands(int64_t value);

}  // namespace sumbrel
