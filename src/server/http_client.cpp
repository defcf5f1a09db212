#include "server/http_client.h"

#include "startup/clock.h"
#include "startup/trace_log.h"

#include <curl/curl.h>

#include <algorithm>
#include <mutex>

namespace sumbrel {

namespace {

HttpLimits g_limits;

const QString kChannel = QStringLiteral("_WinHttp");

void globalInit()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// One exchange's collected answer and its stall watch.
struct Exchange {
    QByteArray body;
    QByteArray reason;  // reason phrase of the last status line
    int stallMs = 0;
    bool connected = false;  // the stall watch runs from the moment the connection stands
    uint32_t lastMove = 0;
    curl_off_t lastBytes = -1;
    bool stalled = false;
};

size_t onBody(char* data, size_t size, size_t count, void* user)
{
    auto* ex = static_cast<Exchange*>(user);
    ex->lastMove = TickCount();
    ex->body.append(data, qsizetype(size * count));
    return size * count;
}

size_t onHeader(char* data, size_t size, size_t count, void* user)
{
    auto* ex = static_cast<Exchange*>(user);
    // Header lines count as movement too: the progress figures hold only body bytes.
    ex->lastMove = TickCount();
    const QByteArray line = QByteArray(data, qsizetype(size * count)).trimmed();
    // "HTTP/1.1 500 Internal Server Error": the text after the code is the status text.
    if (line.startsWith("HTTP/")) {
        const qsizetype sp1 = line.indexOf(' ');
        const qsizetype sp2 = sp1 < 0 ? -1 : line.indexOf(' ', sp1 + 1);
        ex->reason = sp2 < 0 ? QByteArray() : line.mid(sp2 + 1);
    }
    return size * count;
}

int onPrereq(void* user, char*, char*, int, int)
{
    auto* ex = static_cast<Exchange*>(user);
    ex->connected = true;
    ex->lastMove = TickCount();
    return CURL_PREREQFUNC_OK;
}

int onProgress(void* user, curl_off_t dlTotal, curl_off_t dlNow, curl_off_t ulTotal, curl_off_t ulNow)
{
    auto* ex = static_cast<Exchange*>(user);
    if (!ex->connected)
        return 0;
    const uint32_t now = TickCount();
    const curl_off_t moved = dlNow + ulNow;
    if (moved != ex->lastBytes) {
        ex->lastBytes = moved;
        ex->lastMove = now;
        return 0;
    }
    if (ex->stallMs > 0 && now - ex->lastMove >= uint32_t(ex->stallMs)) {
        ex->stalled = true;
        return 1;  // aborts the transfer
    }
    return 0;
}

// The options both requests share: a fresh connection, no cookies, the limits, certificate checks on.
void commonOptions(CURL* h, const QByteArray& url, Exchange& ex, char* errorBuffer)
{
    const HttpLimits limits = g_limits;
    ex.stallMs = limits.stallMs;
    curl_easy_setopt(h, CURLOPT_URL, url.constData());
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(h, CURLOPT_FORBID_REUSE, 1L);
    curl_easy_setopt(h, CURLOPT_FRESH_CONNECT, 1L);
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, long(limits.connectMs));
    curl_easy_setopt(h, CURLOPT_ERRORBUFFER, errorBuffer);
    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, onBody);
    curl_easy_setopt(h, CURLOPT_WRITEDATA, &ex);
    curl_easy_setopt(h, CURLOPT_HEADERFUNCTION, onHeader);
    curl_easy_setopt(h, CURLOPT_HEADERDATA, &ex);
    curl_easy_setopt(h, CURLOPT_PREREQFUNCTION, onPrereq);
    curl_easy_setopt(h, CURLOPT_PREREQDATA, &ex);
    curl_easy_setopt(h, CURLOPT_XFERINFOFUNCTION, onProgress);
    curl_easy_setopt(h, CURLOPT_XFERINFODATA, &ex);
    curl_easy_setopt(h, CURLOPT_NOPROGRESS, 0L);
}

// A stall ends the transfer through the progress callback; it is reported as the time-out it is.
long curlErrorNumber(CURLcode code, const Exchange& ex)
{
    return ex.stalled ? long(CURLE_OPERATION_TIMEDOUT) : long(code);
}

// Runs the one transfer of the handle to its end, blocking. A private multi handle drives it so that
// the wait between rounds follows the stall limit to the millisecond (curl's own blocking loop sleeps
// up to a second between progress calls when nothing moves).
CURLcode perform(CURL* h, const Exchange& ex)
{
    CURLM* multi = curl_multi_init();
    if (!multi)
        return curl_easy_perform(h);
    if (curl_multi_add_handle(multi, h) != CURLM_OK) {
        curl_multi_cleanup(multi);
        return curl_easy_perform(h);
    }
    int running = 1;
    while (true) {
        if (curl_multi_perform(multi, &running) != CURLM_OK || running == 0)
            break;
        int waitMs = 1000;  // curl's own timers (connect limit) wake the poll earlier
        if (ex.connected && ex.stallMs > 0) {
            const int left = ex.stallMs - int(TickCount() - ex.lastMove);
            waitMs = std::clamp(left, 1, 1000);
        }
        curl_multi_poll(multi, nullptr, 0, waitMs, nullptr);
    }
    CURLcode result = CURLE_FAILED_INIT;
    int queued = 0;
    while (CURLMsg* msg = curl_multi_info_read(multi, &queued)) {
        if (msg->msg == CURLMSG_DONE && msg->easy_handle == h)
            result = msg->data.result;
    }
    curl_multi_remove_handle(multi, h);
    curl_multi_cleanup(multi);
    return result;
}

QString curlErrorText(CURLcode code, const char* errorBuffer, const Exchange& ex)
{
    if (ex.stalled)
        return QStringLiteral("Operation timed out: no data moved for ") + QString::number(ex.stallMs)
            + QStringLiteral(" ms");
    return errorBuffer[0] ? QString::fromUtf8(errorBuffer) : QString::fromUtf8(curl_easy_strerror(code));
}

}  // namespace

void setHttpLimits(const HttpLimits& limits)
{
    g_limits = limits;
}

HttpLimits httpLimits()
{
    return g_limits;
}

QString GetWinHttp(const QString& address, const QString& body)
{
    globalInit();
    QString result;
    const QByteArray url = address.toUtf8();
    const QByteArray payload = body.toUtf8();
    const QString requestText = address + u'?' + body;
    const int attempts = g_limits.attempts > 0 ? g_limits.attempts : 1;
    int failures = 0;
    while (true) {
        const uint32_t t0 = TickCount();
        Exchange ex;
        char errorBuffer[CURL_ERROR_SIZE] = {0};
        CURLcode code = CURLE_FAILED_INIT;
        int line = 0;
        long status = 0;
        CURL* h = curl_easy_init();
        curl_slist* headers = nullptr;
        if (h) {
            commonOptions(h, url, ex, errorBuffer);
            // Exactly these two headers; an empty "Expect:" and "Accept:" keep curl's own ones away.
            headers = curl_slist_append(headers, "Content-Type: application/x-www-form-urlencoded");
            headers = curl_slist_append(headers, "User-Agent: Firefox 3.6.4");
            headers = curl_slist_append(headers, "Expect:");
            headers = curl_slist_append(headers, "Accept:");
            curl_easy_setopt(h, CURLOPT_HTTPHEADER, headers);
            curl_easy_setopt(h, CURLOPT_POST, 1L);
            curl_easy_setopt(h, CURLOPT_POSTFIELDSIZE_LARGE, curl_off_t(payload.size()));
            curl_easy_setopt(h, CURLOPT_POSTFIELDS, payload.constData());
            line = __LINE__ + 1;
            code = perform(h, ex);
            if (code == CURLE_OK)
                curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &status);
        } else {
            line = __LINE__;  // no handle to be had
        }
        if (code == CURLE_OK) {
            result = QString::fromUtf8(ex.body);
            if (status != 200) {
                const uint32_t t1 = TickCount();
                WriteLog(QStringLiteral("GetWinHttp ... <실패> (") + QString::number(status) + QStringLiteral("): ")
                             + QString::number(t1 - t0) + QStringLiteral("ms 걸림. (") + QString::fromUtf8(ex.reason)
                             + QStringLiteral(")\r\n") + requestText,
                         kChannel);
            }
            curl_slist_free_all(headers);
            curl_easy_cleanup(h);
            return result;
        }
        WriteLog(ErrorTraceText(QStringLiteral("lib_misc"), QStringLiteral("GetWinHttp"), line,
                                curlErrorNumber(code, ex), curlErrorText(code, errorBuffer, ex)),
                 kChannel);
        const uint32_t t1 = TickCount();
        WriteLog(QStringLiteral("GetWinHttp ... <실패2>: ") + QString::number(t1 - t0) + QStringLiteral("ms 걸림. ")
                     + requestText,
                 kChannel);
        curl_slist_free_all(headers);
        if (h)
            curl_easy_cleanup(h);
        if (++failures >= attempts)
            return result;
        WriteLog(QStringLiteral("GetWinHttp ... 재시도"), kChannel);
    }
}

HttpGetResult HttpGet(const QString& url)
{
    globalInit();
    HttpGetResult out;
    CURL* h = curl_easy_init();
    if (!h) {
        out.error = QString::fromUtf8(curl_easy_strerror(CURLE_FAILED_INIT));
        return out;
    }
    Exchange ex;
    char errorBuffer[CURL_ERROR_SIZE] = {0};
    const QByteArray address = url.toUtf8();
    commonOptions(h, address, ex, errorBuffer);
    curl_easy_setopt(h, CURLOPT_HTTPGET, 1L);
    const CURLcode code = perform(h, ex);
    if (code == CURLE_OK) {
        out.completed = true;
        curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &out.status);
        out.body = ex.body;
    } else {
        out.error = curlErrorText(code, errorBuffer, ex);
    }
    curl_easy_cleanup(h);
    return out;
}

}  // namespace sumbrel
