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

// Blocking POST with three attempts; the body also for a status other than 200, empty text when
// every attempt failed. Failures and retries are logged to "_WinHttp". Never throws.
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
