#pragma once
// The one form POST towards the web service, and the plain GET of the picture download.
#include <QByteArray>
#include <QString>
#include <atomic>
#include <memory>

namespace sumbrel::endpoints {
class AnswerMemory;
}

namespace sumbrel {

struct HttpLimits {
    int connectMs = 10000;  // name resolution and connect
    int stallMs = 10000;  // no progress while sending or receiving
    int attempts = 3;
    int attemptMs = 15000;  // one attempt in all, however slowly the bytes trickle
    int callMs = 35000;  // one call with its retries: the longest the caller is held
};
void setHttpLimits(const HttpLimits& limits);
HttpLimits httpLimits();

// The largest answer taken; a longer one ends its exchange as a failure.
inline constexpr qint64 kMaxAnswerBytes = 8 * 1024 * 1024;
inline constexpr qint64 kMaxPictureBytes = 5 * 1024 * 1024;

// Certificate authorities trusted besides the system's (a PEM file); empty: the system's only.
// Certificate checks stay on either way.
void setCaFile(const QString& path);
QString caFile();

// The charset in which form bodies are sent: the one a shop page declared last in a 200 answer,
// as a browser submits a form in its page's charset, provided it can write Hangul. Empty: UTF-8.
QByteArray formCharset();
void setFormCharset(const QByteArray& charset);
// The charset parameter of a Content-Type value, empty when none.
QByteArray CharsetOf(QByteArrayView contentType);
// True when the charset is known and writes Hangul both ways.
bool CharsetWritesHangul(const QByteArray& charset);

// Set from another thread to end a running exchange at once.
using CancelFlag = std::shared_ptr<std::atomic<bool>>;

// What became of a call.
enum class Delivery {
    Answered,  // a whole answer arrived, whatever its status
    NotReached,  // no attempt got as far as sending the request (lookup, connect, TLS handshake)
    Unknown,  // the request went out but no whole answer came back: the service may have handled it
};

// What the peer of an https address sent back to the TLS handshake, as far as it got.
enum class Handshake {
    None,  // no TLS handshake began (an http address, or no connection)
    Silent,  // the peer sent nothing back to the hello (it closed, reset or waited)
    PlainText,  // the peer answered with bytes that are no TLS record: a port that speaks plain http
    NoCertificate,  // the peer answered in TLS (a hello or an alert) but presented no certificate
    Certificate,  // the peer presented a certificate
};

// Why the last attempt failed, when it did.
enum class NetFailure {
    None,
    Unreachable,  // lookup, refused, no route, connect limit
    NoTls,  // the peer ended the handshake before any TLS (closed, reset, plain text): an http-only port
    Tls,  // the peer speaks TLS, but the handshake or its certificate failed
    Stalled,  // nothing moved for the stall limit
    Overdue,  // the attempt's or the call's overall limit
    Dropped,  // the connection ended before the answer was whole
    TooLarge,  // the answer outgrew its limit
    Cancelled,
    Other,
};

struct CallOptions {
    // False: an attempt is repeated only when its request cannot have reached the service. An
    // order must never be stored twice.
    bool retryAfterSending = true;
    qint64 maxBytes = kMaxAnswerBytes;
    CancelFlag cancel;
    // The session's memory of answers, for the trace: an answer repeated is traced short. None: in full.
    std::shared_ptr<endpoints::AnswerMemory> answers;
};

struct PostResult {
    QString text;  // the answer, also for a status other than 200; empty when none arrived
    long status = 0;
    Delivery delivery = Delivery::NotReached;
    NetFailure failure = NetFailure::None;
    int attempts = 0;
    Handshake handshake = Handshake::None;  // of the last attempt
    bool spokeTls = false;  // some attempt's peer answered in TLS: the port is an https one
    bool malformed = false;  // the answer's bytes do not all read in its charset
    bool answered() const { return delivery == Delivery::Answered; }
    bool ok() const { return answered() && status == 200; }
    // A 200 answer that reads cleanly: the only kind that may replace what the terminal keeps.
    bool good() const { return ok() && !malformed; }
};

// Blocking POST. Failed attempts are retried (up to the attempts of the limits, within the call's
// overall limit); a non-200 answer is not. The answer is decoded by the charset its Content-Type
// declares (UTF-8 when none is). Failures and retries are logged to "_WinHttp". On the screen's
// thread the call holds the screen (startup/screen_hold.h). Never throws; safe on any thread.
PostResult PostForm(const QString& address, const QString& body, const CallOptions& options = {});

// PostForm's answer text: empty when every attempt failed.
QString PostText(const QString& address, const QString& body);

struct HttpGetResult {
    bool completed = false;  // a whole answer arrived
    long status = 0;
    QByteArray body;
    QString error;
    NetFailure failure = NetFailure::None;
};
// One plain GET, no retries, within one attempt's overall limit.
HttpGetResult HttpGet(const QString& url, qint64 maxBytes = kMaxPictureBytes, const CancelFlag& cancel = {});

}  // namespace sumbrel
