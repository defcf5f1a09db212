#pragma once
// The tagged order text that the web service takes for one cart.
#include <QString>

namespace sumbrel {

// Cart text (lines by "◈◈◈", parts by "◈◈", fields by "◈") to the tagged order text, one block per
// line, every element on a CR LF line. A malformed line makes the whole text empty.
QString XML_Order(const QString& cart);

}  // namespace sumbrel
