#pragma once
// The one form POST towards the web service, and the plain GET of the picture download.
#include <QByteArray>
#include <QString>

namespace sumbrel {

struct HttpLimits {
    int connectMs = 10000;  // name resolution and connect
    int stallMs = 10000;  // no progress while sending or receiving
    int attempts = 3;
};
void setHttpLimits(const HttpLimits& limits);
HttpLimits httpLimits();

// Certificate authorities trusted besides the system's (a PEM file); empty: the system's only.
// Certificate checks stay on either way.
void setCaFile(const QString& path);
QString caFile();

// The charset in which form bodies are sent: the one the service declared last in an answer's
// Content-Type, as a browser submits a form in its page's charset. Empty: UTF-8.
QByteArray formCharset();
void setFormCharset(const QByteArray& charset);
// The charset parameter of a Content-Type value, empty when none.
QByteArray CharsetOf(QByteArrayView contentType);

// Blocking POST with three attempts; the body also for a status other than 200, empty text when
// every attempt failed. The answer is decoded by the charset its Content-Type declares (UTF-8 when
// none is); a charset that cannot be used is traced. Failures and retries are logged to "_WinHttp".
// Never throws.
QString GetWinHttp(const QString& address, const QString& body);

struct HttpGetResult {
    bool completed = false;  // a whole answer arrived
    long status = 0;
    QByteArray body;
    QString error;
};
// One plain GET, no retries.
HttpGetResult HttpGet(const QString& url);

}  // namespace sumbrel
