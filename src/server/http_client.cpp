#include "server/http_client.h"

#include "startup/clock.h"
#include "startup/trace_log.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <curl/curl.h>

#include <algorithm>
#include <memory>
#include <mutex>

namespace sumbrel {

namespace {

HttpLimits g_limits;
QString g_caFile;
QByteArray g_caBundle;  // the system's authorities followed by the extra file's, built once per file
QByteArray g_formCharset;

struct EasyCleanup {
    void operator()(CURL* h) const { curl_easy_cleanup(h); }
};
struct ListCleanup {
    void operator()(curl_slist* l) const { curl_slist_free_all(l); }
};
struct MultiCleanup {
    void operator()(CURLM* m) const { curl_multi_cleanup(m); }
};
using Easy = std::unique_ptr<CURL, EasyCleanup>;
using HeaderList = std::unique_ptr<curl_slist, ListCleanup>;
using Multi = std::unique_ptr<CURLM, MultiCleanup>;

HeaderList appendHeader(HeaderList list, const char* line)
{
    curl_slist* grown = curl_slist_append(list.get(), line);
    if (!grown)
        return list;  // out of memory: the list stays as it was
    (void)list.release();  // now owned through grown
    return HeaderList(grown);
}

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
    QByteArray contentType;  // of the last answer's header block
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
        ex->contentType.clear();
    } else if (line.size() > 13 && line.left(13).compare("content-type:", Qt::CaseInsensitive) == 0) {
        ex->contentType = line.mid(13).trimmed();
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
    // HTTP/1.1 only: over HTTP/2 the status line has no reason phrase, and the failure log of a
    // refused request would read "()".
    curl_easy_setopt(h, CURLOPT_HTTP_VERSION, long(CURL_HTTP_VERSION_1_1));
    if (!g_caBundle.isEmpty()) {
        curl_blob blob{const_cast<char*>(g_caBundle.constData()), size_t(g_caBundle.size()), CURL_BLOB_COPY};
        curl_easy_setopt(h, CURLOPT_CAINFO_BLOB, &blob);
    }
}

// The system's bundle (where this libcurl looks by default) and the extra file, as one PEM text.
QByteArray caBundleWith(const QString& extraFile)
{
    QFile extra(extraFile);
    if (!extra.open(QIODevice::ReadOnly))
        return {};
    QByteArray bundle;
    Easy probe(curl_easy_init());
    char* system = nullptr;
    if (probe && curl_easy_getinfo(probe.get(), CURLINFO_CAINFO, &system) == CURLE_OK && system) {
        QFile file(QString::fromLocal8Bit(system));
        if (file.open(QIODevice::ReadOnly))
            bundle = file.readAll() + '\n';
    }
    return bundle + extra.readAll();
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
    Multi multi(curl_multi_init());
    if (!multi || curl_multi_add_handle(multi.get(), h) != CURLM_OK)
        return curl_easy_perform(h);
    int running = 1;
    while (true) {
        if (curl_multi_perform(multi.get(), &running) != CURLM_OK || running == 0)
            break;
        int waitMs = 1000;  // curl's own timers (connect limit) wake the poll earlier
        if (ex.connected && ex.stallMs > 0) {
            const int left = ex.stallMs - int(TickCount() - ex.lastMove);
            waitMs = std::clamp(left, 1, 1000);
        }
        curl_multi_poll(multi.get(), nullptr, 0, waitMs, nullptr);
    }
    CURLcode result = CURLE_FAILED_INIT;
    int queued = 0;
    while (CURLMsg* msg = curl_multi_info_read(multi.get(), &queued)) {
        if (msg->msg == CURLMSG_DONE && msg->easy_handle == h)
            result = msg->data.result;
    }
    curl_multi_remove_handle(multi.get(), h);
    return result;
}

QString curlErrorText(CURLcode code, const char* errorBuffer, const Exchange& ex)
{
    if (ex.stalled)
        return QStringLiteral("Operation timed out: no data moved for ") + QString::number(ex.stallMs)
            + QStringLiteral(" ms");
    return errorBuffer[0] ? QString::fromUtf8(errorBuffer) : QString::fromUtf8(curl_easy_strerror(code));
}

const QString kCharsetTrace = QStringLiteral("GetWinHttp ... <charset> ");

// The answer's text by the charset its Content-Type declares; a usable one becomes the charset of
// the next form bodies.
QString decodeAnswer(const Exchange& ex)
{
    const QByteArray declared = CharsetOf(ex.contentType);
    if (declared.isEmpty())
        return QString::fromUtf8(ex.body);
    QStringDecoder decoder(declared.constData());
    if (!decoder.isValid()) {
        WriteLog(kCharsetTrace + QString::fromLatin1(declared) + QStringLiteral(": 알 수 없어 UTF-8로 읽음"), kChannel);
        return QString::fromUtf8(ex.body);
    }
    g_formCharset = declared;
    return decoder.decode(ex.body);
}

QByteArray encodeBody(const QString& body)
{
    if (g_formCharset.isEmpty())
        return body.toUtf8();
    QStringEncoder encoder(g_formCharset.constData());
    if (!encoder.isValid())
        return body.toUtf8();
    return encoder.encode(body);
}

}  // namespace

QByteArray CharsetOf(QByteArrayView contentType)
{
    for (QByteArrayView part : QByteArray(contentType.toByteArray()).split(';')) {
        part = part.trimmed();
        if (part.size() > 8 && part.first(8).compare("charset=", Qt::CaseInsensitive) == 0) {
            QByteArrayView value = part.sliced(8).trimmed();
            if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
                value = value.sliced(1, value.size() - 2);
            return value.toByteArray();
        }
    }
    return {};
}

QByteArray formCharset()
{
    return g_formCharset;
}

void setFormCharset(const QByteArray& charset)
{
    g_formCharset = charset;
}

void setCaFile(const QString& path)
{
    g_caFile = path;
    g_caBundle = path.isEmpty() ? QByteArray() : caBundleWith(path);
}

QString caFile()
{
    return g_caFile;
}

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
    // In the charset the service declared last; only an answer changes it, and an answer ends the
    // attempts, so every attempt sends the same bytes.
    const QByteArray payload = encodeBody(body);
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
        Easy h(curl_easy_init());
        HeaderList headers;
        if (h) {
            commonOptions(h.get(), url, ex, errorBuffer);
            // Exactly these two headers; an empty "Expect:" and "Accept:" keep curl's own ones away.
            for (const char* header :
                 {"Content-Type: application/x-www-form-urlencoded", "User-Agent: Firefox 3.6.4", "Expect:", "Accept:"})
                headers = appendHeader(std::move(headers), header);
            curl_easy_setopt(h.get(), CURLOPT_HTTPHEADER, headers.get());
            curl_easy_setopt(h.get(), CURLOPT_POST, 1L);
            curl_easy_setopt(h.get(), CURLOPT_POSTFIELDSIZE_LARGE, curl_off_t(payload.size()));
            curl_easy_setopt(h.get(), CURLOPT_POSTFIELDS, payload.constData());
            line = __LINE__ + 1;
            code = perform(h.get(), ex);
            if (code == CURLE_OK)
                curl_easy_getinfo(h.get(), CURLINFO_RESPONSE_CODE, &status);
        } else {
            line = __LINE__;  // no handle to be had
        }
        if (code == CURLE_OK) {
            result = decodeAnswer(ex);
            if (status != 200) {
                const uint32_t t1 = TickCount();
                WriteLog(QStringLiteral("GetWinHttp ... <실패> (") + QString::number(status) + QStringLiteral("): ")
                             + QString::number(t1 - t0) + QStringLiteral("ms 걸림. (") + QString::fromUtf8(ex.reason)
                             + QStringLiteral(")\r\n") + requestText,
                         kChannel);
            }
            return result;
        }
        WriteLog(ErrorTraceText(QStringLiteral("lib_misc"), QStringLiteral("GetWinHttp"), line,
                                curlErrorNumber(code, ex), curlErrorText(code, errorBuffer, ex)),
                 kChannel);
        const uint32_t t1 = TickCount();
        WriteLog(QStringLiteral("GetWinHttp ... <실패2>: ") + QString::number(t1 - t0) + QStringLiteral("ms 걸림. ")
                     + requestText,
                 kChannel);
        if (++failures >= attempts)
            return result;
        WriteLog(QStringLiteral("GetWinHttp ... 재시도"), kChannel);
    }
}

HttpGetResult HttpGet(const QString& url)
{
    globalInit();
    HttpGetResult out;
    Easy h(curl_easy_init());
    if (!h) {
        out.error = QString::fromUtf8(curl_easy_strerror(CURLE_FAILED_INIT));
        return out;
    }
    Exchange ex;
    char errorBuffer[CURL_ERROR_SIZE] = {0};
    const QByteArray address = url.toUtf8();
    commonOptions(h.get(), address, ex, errorBuffer);
    curl_easy_setopt(h.get(), CURLOPT_HTTPGET, 1L);
    const CURLcode code = perform(h.get(), ex);
    if (code == CURLE_OK) {
        out.completed = true;
        curl_easy_getinfo(h.get(), CURLINFO_RESPONSE_CODE, &out.status);
        out.body = ex.body;
    } else {
        out.error = curlErrorText(code, errorBuffer, ex);
    }
    return out;
}

}  // namespace sumbrel
