#include "server/http_client.h"

#include "server/http_charset.h"

#include "server/exchange_tally.h"
#include "startup/clock.h"
#include "startup/screen_hold.h"
#include "startup/trace_log.h"

#include <QFile>
#include <curl/curl.h>
#include <openssl/ssl.h>

#include <algorithm>
#include <memory>
#include <mutex>
#include <new>

namespace sumbrel {

namespace {

// The settings below are read by exchanges on any thread (the waiting poll runs off the screen's).
std::mutex g_mutex;
HttpLimits g_limits;
QString g_caFile;
QByteArray g_caBundle;  // the system's authorities followed by the extra file's, built once per file

HttpLimits Limits()
{
    std::lock_guard lock(g_mutex);
    return g_limits;
}

QByteArray CaBundle()
{
    std::lock_guard lock(g_mutex);
    return g_caBundle;
}

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

// One attempt's collected answer and its watches.
struct Exchange {
    QByteArray body;
    QByteArray reason;  // reason phrase of the last status line
    QByteArray contentType;  // of the last answer's header block
    int stallMs = 0;
    uint32_t start = 0;
    int budgetMs = 0;  // the attempt's overall limit
    qint64 maxBytes = kMaxAnswerBytes;
    const std::atomic<bool>* cancel = nullptr;
    bool connected = false;  // the request is about to leave; the stall watch runs from here
    uint32_t lastMove = 0;
    curl_off_t lastBytes = -1;
    bool stalled = false;
    bool overdue = false;
    bool tooLarge = false;
    bool cancelled = false;
    // The TLS handshake of an https address, as the peer answered it.
    bool tlsBegun = false;  // connected, and the TLS library is watched for this connection
    bool peerPlainText = false;  // the peer sent bytes that are no TLS record
    bool peerTls = false;  // the peer sent a TLS record
    bool certificate = false;  // the peer sent its certificate
};

Handshake handshakeOf(const Exchange& ex)
{
    if (ex.certificate)
        return Handshake::Certificate;
    if (ex.peerTls)
        return Handshake::NoCertificate;
    if (ex.peerPlainText)
        return Handshake::PlainText;
    return ex.tlsBegun ? Handshake::Silent : Handshake::None;
}

// Every record header and handshake message OpenSSL reads or writes on the connection. Only what
// the peer sends back during the handshake is judged here: curl's error text cannot tell a port
// that closes a handshake from a certificate refused, nor is it meant to be parsed.
void onTlsMessage(int writing, int, int contentType, const void* data, size_t length, SSL*, void* user)
{
    auto* ex = static_cast<Exchange*>(user);
    const auto* bytes = static_cast<const unsigned char*>(data);
    if (!ex || writing || length == 0)
        return;
    if (contentType == SSL3_RT_HEADER && length >= 2) {
        // A TLS record opens with its content type (20 .. 24, the cipher change to the heartbeat) and major version 3;
        // OpenSSL reports any five bytes it read as a header, "HTTP/" included.
        if (bytes[0] >= SSL3_RT_CHANGE_CIPHER_SPEC && bytes[0] <= 24 && bytes[1] == 3)
            ex->peerTls = true;
        else
            ex->peerPlainText = true;
    } else if (contentType == SSL3_RT_HANDSHAKE && (bytes[0] == SSL3_MT_CERTIFICATE || bytes[0] == 25)) {
        // 25: a compressed certificate (RFC 8879)
        ex->certificate = true;
    }
}

CURLcode onSslContext(CURL*, void* context, void* user)
{
    auto* ex = static_cast<Exchange*>(user);
    // curl makes a context per connection, so the watch belongs to this exchange alone.
    SSL_CTX_set_msg_callback(static_cast<SSL_CTX*>(context), onTlsMessage);
    SSL_CTX_set_msg_callback_arg(static_cast<SSL_CTX*>(context), ex);
    ex->tlsBegun = true;
    return CURLE_OK;
}

size_t onBody(char* data, size_t size, size_t count, void* user)
{
    auto* ex = static_cast<Exchange*>(user);
    const size_t n = size * count;
    ex->lastMove = RealTickCount();
    if (ex->body.size() + qint64(n) > ex->maxBytes) {
        ex->tooLarge = true;
        return 0;  // ends the transfer
    }
    // Nothing may be thrown through curl's C frames: an answer we cannot hold is one too large.
    try {
        ex->body.append(data, qsizetype(n));
    } catch (const std::bad_alloc&) {
        ex->tooLarge = true;
        return 0;
    }
    return n;
}

size_t onHeader(char* data, size_t size, size_t count, void* user)
{
    auto* ex = static_cast<Exchange*>(user);
    const size_t n = size * count;
    // Header lines count as movement too: the progress figures hold only body bytes.
    ex->lastMove = RealTickCount();
    if (n > 16384)
        return n;  // no header we read is that long
    // Nothing may be thrown through curl's C frames.
    try {
        const QByteArray line = QByteArray(data, qsizetype(n)).trimmed();
        // "HTTP/1.1 500 Internal Server Error": the text after the code is the status text.
        if (line.startsWith("HTTP/")) {
            const qsizetype sp1 = line.indexOf(' ');
            const qsizetype sp2 = sp1 < 0 ? -1 : line.indexOf(' ', sp1 + 1);
            ex->reason = sp2 < 0 ? QByteArray() : line.mid(sp2 + 1, 200);
            ex->contentType.clear();
        } else if (line.size() > 13 && line.left(13).compare("content-type:", Qt::CaseInsensitive) == 0) {
            ex->contentType = line.mid(13, 200).trimmed();
        }
    } catch (const std::bad_alloc&) {
        return 0;
    }
    return n;
}

int onPrereq(void* user, char*, char*, int, int)
{
    auto* ex = static_cast<Exchange*>(user);
    ex->connected = true;
    ex->lastMove = RealTickCount();
    return CURL_PREREQFUNC_OK;
}

int onProgress(void* user, curl_off_t dlTotal, curl_off_t dlNow, curl_off_t ulTotal, curl_off_t ulNow)
{
    auto* ex = static_cast<Exchange*>(user);
    if (ex->cancel && ex->cancel->load()) {
        ex->cancelled = true;
        return 1;
    }
    const uint32_t now = RealTickCount();
    if (ex->budgetMs > 0 && now - ex->start >= uint32_t(ex->budgetMs)) {
        ex->overdue = true;
        return 1;
    }
    if (!ex->connected)
        return 0;
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
void commonOptions(CURL* h, const QByteArray& url, Exchange& ex, char* errorBuffer, const HttpLimits& limits,
                   const QByteArray& caBundle)
{
    ex.stallMs = limits.stallMs;
    curl_easy_setopt(h, CURLOPT_URL, url.constData());
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(h, CURLOPT_FORBID_REUSE, 1L);
    curl_easy_setopt(h, CURLOPT_FRESH_CONNECT, 1L);
    const int connectMs = ex.budgetMs > 0 ? std::min(limits.connectMs, ex.budgetMs) : limits.connectMs;
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, long(std::max(connectMs, 1)));
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
    // Only the two schemes of the service; a redirect is an answer of its own, never followed.
    curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 0L);
    // HTTP/1.1 only: over HTTP/2 the status line has no reason phrase, and the failure log of a
    // refused request would read "()".
    curl_easy_setopt(h, CURLOPT_HTTP_VERSION, long(CURL_HTTP_VERSION_1_1));
    // Without an OpenSSL build of libcurl this is refused and only curl's error text is left.
    curl_easy_setopt(h, CURLOPT_SSL_CTX_FUNCTION, onSslContext);
    curl_easy_setopt(h, CURLOPT_SSL_CTX_DATA, &ex);
    if (!caBundle.isEmpty()) {
        curl_blob blob{const_cast<char*>(caBundle.constData()), size_t(caBundle.size()), CURL_BLOB_COPY};
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

// A failure that our own watches caused is reported as the time-out (or write stop) it is.
long curlErrorNumber(CURLcode code, const Exchange& ex)
{
    return ex.stalled || ex.overdue ? long(CURLE_OPERATION_TIMEDOUT) : long(code);
}

// Runs the one transfer of the handle to its end, blocking. A private multi handle drives it so that
// the waits follow the stall limit, the overall limit and a cancel to the millisecond (curl's own
// blocking loop sleeps up to a second between progress calls when nothing moves).
CURLcode perform(CURL* h, Exchange& ex)
{
    Multi multi(curl_multi_init());
    if (!multi || curl_multi_add_handle(multi.get(), h) != CURLM_OK)
        return curl_easy_perform(h);
    int running = 1;
    CURLcode result = CURLE_FAILED_INIT;
    bool stopped = false;
    while (true) {
        if (curl_multi_perform(multi.get(), &running) != CURLM_OK || running == 0)
            break;
        const uint32_t now = RealTickCount();
        if (ex.cancel && ex.cancel->load()) {
            ex.cancelled = true;
            stopped = true;
        } else if (ex.budgetMs > 0 && now - ex.start >= uint32_t(ex.budgetMs)) {
            ex.overdue = true;
            stopped = true;
        }
        if (stopped) {
            result = CURLE_ABORTED_BY_CALLBACK;
            break;
        }
        int waitMs = 1000;  // curl's own timers (connect limit) wake the poll earlier
        if (ex.connected && ex.stallMs > 0)
            waitMs = std::min(waitMs, ex.stallMs - int(now - ex.lastMove));
        if (ex.budgetMs > 0)
            waitMs = std::min(waitMs, ex.budgetMs - int(now - ex.start));
        if (ex.cancel)
            waitMs = std::min(waitMs, 50);
        curl_multi_poll(multi.get(), nullptr, 0, std::clamp(waitMs, 1, 1000), nullptr);
    }
    int queued = 0;
    while (CURLMsg* msg = curl_multi_info_read(multi.get(), &queued)) {
        if (!stopped && msg->msg == CURLMSG_DONE && msg->easy_handle == h)
            result = msg->data.result;
    }
    curl_multi_remove_handle(multi.get(), h);
    return result;
}

QString curlErrorText(CURLcode code, const char* errorBuffer, const Exchange& ex)
{
    if (ex.cancelled)
        return QStringLiteral("Cancelled");
    if (ex.tooLarge)
        return QStringLiteral("Answer larger than ") + QString::number(ex.maxBytes) + QStringLiteral(" bytes");
    if (ex.overdue)
        return QStringLiteral("Operation timed out: no whole answer within ") + QString::number(ex.budgetMs)
            + QStringLiteral(" ms");
    if (ex.stalled)
        return QStringLiteral("Operation timed out: no data moved for ") + QString::number(ex.stallMs)
            + QStringLiteral(" ms");
    return errorBuffer[0] ? QString::fromUtf8(errorBuffer) : QString::fromUtf8(curl_easy_strerror(code));
}

NetFailure classify(CURLcode code, const char* errorBuffer, const Exchange& ex)
{
    if (ex.cancelled)
        return NetFailure::Cancelled;
    if (ex.tooLarge)
        return NetFailure::TooLarge;
    if (ex.overdue)
        return NetFailure::Overdue;
    if (ex.stalled)
        return NetFailure::Stalled;
    // A handshake that ended early: what the peer sent back tells a port that speaks no TLS from an
    // https one.
    const bool handshakeEnded = code == CURLE_SSL_CONNECT_ERROR || code == CURLE_RECV_ERROR || code == CURLE_SEND_ERROR
        || code == CURLE_GOT_NOTHING;
    if (ex.tlsBegun && !ex.connected && handshakeEnded) {
        const Handshake seen = handshakeOf(ex);
        return seen == Handshake::Silent || seen == Handshake::PlainText ? NetFailure::NoTls : NetFailure::Tls;
    }
    switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
    case CURLE_COULDNT_CONNECT:
        return NetFailure::Unreachable;
    case CURLE_OPERATION_TIMEDOUT:
        return ex.connected ? NetFailure::Stalled : NetFailure::Unreachable;
    case CURLE_SSL_CONNECT_ERROR:
        // The handshake was not watched: only a plain-text answer is known by its text.
        if (QByteArray(errorBuffer).contains("wrong version number"))
            return NetFailure::NoTls;
        return NetFailure::Tls;
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CIPHER:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_ISSUER_ERROR:
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
    case CURLE_SSL_CRL_BADFILE:
    case CURLE_SSL_ENGINE_NOTFOUND:
    case CURLE_SSL_ENGINE_SETFAILED:
    case CURLE_SSL_ENGINE_INITFAILED:
    case CURLE_USE_SSL_FAILED:
        return NetFailure::Tls;
    case CURLE_GOT_NOTHING:
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR:
    case CURLE_PARTIAL_FILE:
        return NetFailure::Dropped;
    default:
        return NetFailure::Other;
    }
}

// Which case of a failed handshake it was, for the trace.
QString handshakeTrace(const Exchange& ex, CURLcode code, NetFailure failure)
{
    QString what;
    switch (handshakeOf(ex)) {
    case Handshake::None:
        what = QStringLiteral("핸드셰이크가 시작되지 않음");
        break;
    case Handshake::Silent:
        what = QStringLiteral("인증서 전에 상대가 아무 답 없이 연결을 끝냄");
        break;
    case Handshake::PlainText:
        what = QStringLiteral("상대가 TLS가 아닌 평문으로 답함");
        break;
    case Handshake::NoCertificate:
        what = QStringLiteral("상대가 TLS로 답했으나 인증서 전에 핸드셰이크가 끝남");
        break;
    case Handshake::Certificate:
        what = code == CURLE_PEER_FAILED_VERIFICATION ? QStringLiteral("인증서를 받았으나 검증에 실패함")
                                                      : QStringLiteral("인증서를 받은 뒤 핸드셰이크가 실패함");
        break;
    }
    if (failure == NetFailure::NoTls)
        what += QStringLiteral(": TLS를 쓰지 않는 포트로 봄");
    else if (ex.peerTls)
        what += QStringLiteral(": TLS를 쓰는 포트");
    return QStringLiteral("GetWinHttp ... <TLS> ") + what;
}

}  // namespace

void setCaFile(const QString& path)
{
    const QByteArray bundle = path.isEmpty() ? QByteArray() : caBundleWith(path);
    std::lock_guard lock(g_mutex);
    g_caFile = path;
    g_caBundle = bundle;
}

QString caFile()
{
    std::lock_guard lock(g_mutex);
    return g_caFile;
}

void setHttpLimits(const HttpLimits& limits)
{
    std::lock_guard lock(g_mutex);
    g_limits = limits;
}

HttpLimits httpLimits()
{
    return Limits();
}

PostResult PostForm(const QString& address, const QString& body, const CallOptions& options)
{
    globalInit();
    ScreenHold hold;
    const HttpLimits limits = Limits();
    const QByteArray caBundle = CaBundle();
    PostResult result;
    const ExchangeTally tally(address, result);  // counted for the health metrics as it returns
    const QByteArray url = address.toUtf8();
    // In the charset the service declared last; only an answer changes it, and an answer ends the
    // attempts, so every attempt sends the same bytes.
    const QByteArray payload = EncodeFormBody(body);
    const QString requestText = address + u'?' + body;
    const int attempts = limits.attempts > 0 ? limits.attempts : 1;
    const uint32_t callStart = RealTickCount();
    bool sentOnce = false;
    while (true) {
        const uint32_t t0 = RealTickCount();
        const int callLeft = limits.callMs > 0 ? limits.callMs - int(t0 - callStart) : 0;
        Exchange ex;
        ex.start = t0;
        ex.budgetMs = limits.attemptMs > 0 ? limits.attemptMs : 0;
        if (limits.callMs > 0)
            ex.budgetMs = ex.budgetMs > 0 ? std::min(ex.budgetMs, callLeft) : callLeft;
        ex.maxBytes = options.maxBytes > 0 ? options.maxBytes : kMaxAnswerBytes;
        ex.cancel = options.cancel.get();
        char errorBuffer[CURL_ERROR_SIZE] = {0};
        CURLcode code = CURLE_FAILED_INIT;
        int line = 0;
        long status = 0;
        Easy h(curl_easy_init());
        HeaderList headers;
        ++result.attempts;
        if (h) {
            commonOptions(h.get(), url, ex, errorBuffer, limits, caBundle);
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
            result.handshake = handshakeOf(ex);
            result.spokeTls = result.spokeTls || ex.peerTls;
            result.text = DecodeAnswer(ex.body, ex.contentType, status, &result.malformed);
            if (result.malformed)
                WriteLog(CharsetTrace() + QStringLiteral("응답에 읽을 수 없는 바이트가 있음"), kChannel);
            result.status = status;
            result.delivery = Delivery::Answered;
            result.failure = NetFailure::None;
            if (status != 200) {
                const uint32_t t1 = RealTickCount();
                WriteLog(QStringLiteral("GetWinHttp ... <실패> (") + QString::number(status) + QStringLiteral("): ")
                             + QString::number(t1 - t0) + QStringLiteral("ms 걸림. (") + QString::fromUtf8(ex.reason)
                             + QStringLiteral(")\r\n") + requestText,
                         kChannel);
            }
            return result;
        }
        sentOnce = sentOnce || ex.connected;
        result.delivery = sentOnce ? Delivery::Unknown : Delivery::NotReached;
        result.failure = classify(code, errorBuffer, ex);
        result.handshake = handshakeOf(ex);
        result.spokeTls = result.spokeTls || ex.peerTls;
        WriteLog(ErrorTraceText(QStringLiteral("lib_misc"), QStringLiteral("GetWinHttp"), line,
                                curlErrorNumber(code, ex), curlErrorText(code, errorBuffer, ex)),
                 kChannel);
        if (ex.tlsBegun && !ex.connected && (result.failure == NetFailure::NoTls || result.failure == NetFailure::Tls))
            WriteLog(handshakeTrace(ex, code, result.failure), kChannel);
        const uint32_t t1 = RealTickCount();
        WriteLog(QStringLiteral("GetWinHttp ... <실패2>: ") + QString::number(t1 - t0) + QStringLiteral("ms 걸림. ")
                     + requestText,
                 kChannel);
        const bool mayRetry = options.retryAfterSending || !ex.connected;
        const bool timeLeft = limits.callMs <= 0 || int(RealTickCount() - callStart) < limits.callMs;
        if (result.attempts >= attempts || !mayRetry || !timeLeft || ex.cancelled || ex.tooLarge)
            return result;
        WriteLog(QStringLiteral("GetWinHttp ... 재시도"), kChannel);
    }
}

QString PostText(const QString& address, const QString& body)
{
    return PostForm(address, body).text;
}

HttpGetResult HttpGet(const QString& url, qint64 maxBytes, const CancelFlag& cancel)
{
    globalInit();
    ScreenHold hold;
    const HttpLimits limits = Limits();
    HttpGetResult out;
    const ExchangeTally tally(url, out);
    Easy h(curl_easy_init());
    if (!h) {
        out.error = QString::fromUtf8(curl_easy_strerror(CURLE_FAILED_INIT));
        out.failure = NetFailure::Other;
        return out;
    }
    Exchange ex;
    ex.start = RealTickCount();
    ex.budgetMs = limits.attemptMs;
    ex.maxBytes = maxBytes > 0 ? maxBytes : kMaxPictureBytes;
    ex.cancel = cancel.get();
    char errorBuffer[CURL_ERROR_SIZE] = {0};
    const QByteArray address = url.toUtf8();
    commonOptions(h.get(), address, ex, errorBuffer, limits, CaBundle());
    curl_easy_setopt(h.get(), CURLOPT_HTTPGET, 1L);
    const CURLcode code = perform(h.get(), ex);
    if (code == CURLE_OK) {
        out.completed = true;
        curl_easy_getinfo(h.get(), CURLINFO_RESPONSE_CODE, &out.status);
        out.body = ex.body;
    } else {
        out.error = curlErrorText(code, errorBuffer, ex);
        out.failure = classify(code, errorBuffer, ex);
    }
    return out;
}

}  // namespace sumbrel
