#pragma once
// The charsets of the exchange: answers read in the charset their Content-Type declares, forms sent
// in the one the shop's pages declared last (see formCharset in http_client.h).
#include <QByteArray>
#include <QString>

namespace sumbrel {

// The start of the "_WinHttp" lines about charsets.
QString CharsetTrace();
// The answer's text; a 200 answer whose charset writes Hangul makes it the form charset.
QString DecodeAnswer(const QByteArray& body, const QByteArray& contentType, long status, bool* malformed);
// The form body in the form charset (UTF-8 when none or when the text does not fit it).
QByteArray EncodeFormBody(const QString& body);

}  // namespace sumbrel
