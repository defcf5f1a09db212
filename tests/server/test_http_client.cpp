// The POST towards the web service: headers on the wire, attempts, failure log texts, time limits.
#include "server/http_client.h"
#include "server/loopback_listener.h"
#include "startup/clock.h"
#include "support/dead_ends.h"
#include "support/sumbrel_test.h"
#include "support/test_certificate.h"

#include <QStringEncoder>

#include <QRegularExpression>
#include <arpa/inet.h>
#include <fcntl.h>
#include <functional>
#include <netinet/in.h>
#include <openssl/ssl.h>
#include <optional>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

using namespace sumbrel;
using namespace sumbrel::testing;

namespace {

using Mode = LoopbackListener::Mode;

// Header names (lower case) and values of a raw request; the request line apart.
struct RawRequest {
    QByteArray requestLine;
    QList<QPair<QByteArray, QByteArray>> headers;
    QByteArray body;
};

RawRequest parse(const QByteArray& raw)
{
    RawRequest r;
    const qsizetype end = raw.indexOf("\r\n\r\n");
    const QList<QByteArray> lines = raw.left(end).split('\n');
    r.requestLine = lines.value(0).trimmed();
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray l = lines[i].trimmed();
        const qsizetype colon = l.indexOf(':');
        r.headers.append({l.left(colon).toLower(), l.mid(colon + 1).trimmed()});
    }
    r.body = raw.mid(end + 4);
    return r;
}

QStringList names(const RawRequest& r)
{
    QStringList out;
    for (const auto& h : r.headers)
        out.append(QString::fromLatin1(h.first));
    out.sort();
    return out;
}

QByteArray header(const RawRequest& r, const QByteArray& name)
{
    for (const auto& h : r.headers)
        if (h.first == name)
            return h.second;
    return {};
}

QString esc(const QString& s)
{
    return QRegularExpression::escape(s);
}

// Matches the entry against the pattern as a whole and gives the first capture (the ms) as a number.
int msOf(const QString& entry, const QString& pattern)
{
    const QRegularExpression re(QStringLiteral("\\A") + pattern + QStringLiteral("\\z"));
    const auto m = re.match(entry);
    EXPECT_TRUE(m.hasMatch()) << "entry:   " << entry.toStdString() << "\npattern: " << pattern.toStdString();
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

class HttpClientTest : public SumbrelTest {
protected:
    void SetUp() override
    {
        SumbrelTest::SetUp();
        setHttpLimits(HttpLimits{kShortMs, kShortMs, 3});
    }
    static constexpr int kShortMs = 300;
};

constexpr int kSlackMs = 250;  // scheduling and the log writes

TEST_F(HttpClientTest, NonOkStatusIsLoggedOnceWithReasonAndItsPageReturned)
{
    LoopbackListener server(Mode::Status500);
    const QString url = server.url(QStringLiteral("/program/logins.php"));
    const QString body = QStringLiteral("ID=shop&PassWord=secret");
    const QString answer = PostText(url, body);

    EXPECT_EQ(answer, QString::fromUtf8(LoopbackListener::kErrorPage));
    EXPECT_EQ(server.connections(), 1);  // a status is an answer: no retry
    const QStringList log = logEntries(QStringLiteral("_WinHttp"));
    ASSERT_EQ(log.size(), 1) << log.join(u'|').toStdString();
    // WriteLog hides the password value.
    const int ms = msOf(log[0],
                        esc(QStringLiteral("GetWinHttp ... <실패> (500): ")) + QStringLiteral("(\\d+)")
                            + esc(QStringLiteral("ms 걸림. (Internal Server Error)\r\n") + url
                                  + QStringLiteral("?ID=shop&PassWord=***")));
    EXPECT_GE(ms, 0);
    EXPECT_LT(ms, kShortMs);
    std::cout << log[0].toStdString() << "\n";
}

struct FailureCase {
    const char* name;
    Mode mode;
    const char* curlCodes;  // the Eno of the trace, as a pattern
    const char* description;  // its description, as a pattern
    int minMs;  // each attempt's elapsed time lies in [minMs, maxMs]
    int maxMs;
};

class HttpFailureTest : public HttpClientTest, public ::testing::WithParamInterface<FailureCase> { };

TEST_P(HttpFailureTest, ThreeAttemptsEachTracedThenEmpty)
{
    const FailureCase& c = GetParam();
    LoopbackListener server(c.mode);
    const QString url = server.url(QStringLiteral("/program/TOLoadProgram.php"));
    const QString body = QStringLiteral("ID=shop&PassWord=pw&x=가나");
    const uint32_t t0 = RealTickCount();
    const QString answer = PostText(url, body);
    const uint32_t total = RealTickCount() - t0;

    EXPECT_TRUE(answer.isEmpty());
    EXPECT_EQ(server.connections(), 3);
    const QStringList log = logEntries(QStringLiteral("_WinHttp"));
    ASSERT_EQ(log.size(), 8) << log.join(QStringLiteral("|\n")).toStdString();
    const QString request = url + QStringLiteral("?ID=shop&PassWord=***&x=가나");
    int sum = 0;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int i = attempt * 3;
        msOf(log[i],
             esc(QStringLiteral("e)lib_misc->GetWinHttp[Erl:=")) + QStringLiteral("([1-9]\\d*)")
                 + esc(QStringLiteral(", Eno:=")) + QString::fromLatin1(c.curlCodes) + esc(QStringLiteral("]\r\n   "))
                 + QString::fromUtf8(c.description));
        const int ms = msOf(log[i + 1],
                            esc(QStringLiteral("GetWinHttp ... <실패2>: ")) + QStringLiteral("(\\d+)")
                                + esc(QStringLiteral("ms 걸림. ") + request));
        EXPECT_GE(ms, c.minMs) << "attempt " << attempt;
        EXPECT_LE(ms, c.maxMs) << "attempt " << attempt;
        sum += ms;
        if (attempt < 2) {
            EXPECT_EQ(log[i + 2], QStringLiteral("GetWinHttp ... 재시도"));
        }
    }
    EXPECT_GE(int(total), sum);
    EXPECT_LE(int(total), sum + kSlackMs);
    std::cout << c.name << ": attempts' ms sum " << sum << ", total " << total << " ms\n"
              << log.join(QStringLiteral("\n")).toStdString() << "\n";
}

INSTANTIATE_TEST_SUITE_P(
    Listeners, HttpFailureTest,
    ::testing::Values(FailureCase{"never_answers", Mode::Hold, "28", "Operation timed out: no data moved for 300 ms",
                                  300, 300 + kSlackMs},
                      FailureCase{"closes_at_once", Mode::Close, "(?:52|56)",
                                  "(?:Empty reply from server|Recv failure: Connection reset by peer)", 0, kSlackMs}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HttpClientTest, RefusedConnectionIsTriedThreeTimes)
{
    const QString url = QStringLiteral("http://127.0.0.1:") + QString::number(closedPort()) + QStringLiteral("/a.php");
    EXPECT_TRUE(PostText(url, QStringLiteral("x=1")).isEmpty());
    const QStringList log = logEntries(QStringLiteral("_WinHttp"));
    ASSERT_EQ(log.size(), 8);
    EXPECT_TRUE(log[0].startsWith(QStringLiteral("e)lib_misc->GetWinHttp[Erl:="))) << log[0].toStdString();
    EXPECT_TRUE(log[0].contains(QStringLiteral(", Eno:=7]\r\n   ")));
    EXPECT_EQ(log[2], QStringLiteral("GetWinHttp ... 재시도"));
    EXPECT_EQ(log[5], QStringLiteral("GetWinHttp ... 재시도"));
    EXPECT_TRUE(log[7].startsWith(QStringLiteral("GetWinHttp ... <실패2>: ")));
    EXPECT_TRUE(log[7].endsWith(QStringLiteral("ms 걸림. ") + url + QStringLiteral("?x=1")));
}

TEST_F(HttpClientTest, ConnectLimitEndsAHangingHandshake)
{
    FullBacklog target;
    setHttpLimits(HttpLimits{200, 5000, 2});  // the stall limit must not be what ends it
    const QString url = QStringLiteral("http://127.0.0.1:") + QString::number(target.port) + QStringLiteral("/a.php");
    EXPECT_TRUE(PostText(url, QStringLiteral("x=1")).isEmpty());
    const QStringList log = logEntries(QStringLiteral("_WinHttp"));
    ASSERT_EQ(log.size(), 5) << log.join(u'|').toStdString();  // two attempts as the limits say
    for (int i : {1, 4}) {
        const int ms = msOf(log[i],
                            esc(QStringLiteral("GetWinHttp ... <실패2>: ")) + QStringLiteral("(\\d+)")
                                + esc(QStringLiteral("ms 걸림. ") + url + QStringLiteral("?x=1")));
        EXPECT_GE(ms, 200);
        EXPECT_LE(ms, 200 + kSlackMs);
        std::cout << log[i].toStdString() << "\n";
    }
    EXPECT_TRUE(log[0].contains(QStringLiteral(", Eno:=28]"))) << log[0].toStdString();
}

TEST_F(HttpClientTest, SlowButMovingAnswerIsNoStall)
{
    // Five header lines and six body bytes 100 ms apart: beyond the 300 ms limit in total, never 300 ms still.
    LoopbackListener server(Mode::Trickle, QByteArray("성공"));
    const uint32_t t0 = RealTickCount();
    EXPECT_EQ(PostText(server.url(), QStringLiteral("a=1")), QStringLiteral("성공"));
    EXPECT_GT(RealTickCount() - t0, uint32_t(3 * kShortMs));
    EXPECT_EQ(server.connections(), 1);
    EXPECT_TRUE(logEntries(QStringLiteral("_WinHttp")).isEmpty());
}

TEST_F(HttpClientTest, PostCarriesExactlyTheTwoHeadersAndTheBodyUnchanged)
{
    LoopbackListener server(Mode::Ok, QByteArray("성공 번호[12]번호"));
    // Long enough that curl would otherwise ask "Expect: 100-continue".
    const QString body = QStringLiteral("ID=가게&PassWord=p+w&menu=") + QString(3000, u'가') + QStringLiteral("%41 &x");
    const QString answer = PostText(server.url(QStringLiteral("/program/TOorderProgram2.php")), body);
    EXPECT_EQ(answer, QStringLiteral("성공 번호[12]번호"));  // answer read as UTF-8

    ASSERT_EQ(server.requests().size(), 1);
    const RawRequest r = parse(server.requests()[0]);
    EXPECT_EQ(r.requestLine, QByteArray("POST /program/TOorderProgram2.php HTTP/1.1"));
    EXPECT_EQ(names(r),
              (QStringList{QStringLiteral("content-length"), QStringLiteral("content-type"), QStringLiteral("host"),
                           QStringLiteral("user-agent")}));
    EXPECT_EQ(header(r, "content-type"), QByteArray("application/x-www-form-urlencoded"));
    EXPECT_EQ(header(r, "user-agent"), QByteArray("Firefox 3.6.4"));
    EXPECT_EQ(r.body, body.toUtf8());
    EXPECT_TRUE(logEntries(QStringLiteral("_WinHttp")).isEmpty());
}

TEST_F(HttpClientTest, EmptyBodyIsAnEmptyPostWithBothHeaders)
{
    LoopbackListener server(Mode::Ok);
    EXPECT_EQ(PostText(server.url(), QString()), QStringLiteral("ok"));
    ASSERT_EQ(server.requests().size(), 1);
    const RawRequest r = parse(server.requests()[0]);
    EXPECT_TRUE(r.requestLine.startsWith("POST "));
    EXPECT_EQ(header(r, "content-length"), QByteArray("0"));
    EXPECT_EQ(header(r, "content-type"), QByteArray("application/x-www-form-urlencoded"));
    EXPECT_EQ(header(r, "user-agent"), QByteArray("Firefox 3.6.4"));
    EXPECT_TRUE(r.body.isEmpty());
}

TEST_F(HttpClientTest, EveryAttemptOpensItsOwnConnection)
{
    // The listener keeps each connection open for more and sets a cookie with every answer: a client
    // that reused a connection or sent a cookie back would show it here.
    LoopbackListener server(Mode::Ok, "ok", true);
    EXPECT_EQ(PostText(server.url(), QStringLiteral("a=1")), QStringLiteral("ok"));
    EXPECT_EQ(PostText(server.url(), QStringLiteral("a=2")), QStringLiteral("ok"));
    EXPECT_EQ(server.connections(), 2);
    ASSERT_EQ(server.requests().size(), 2);
    for (const QByteArray& raw : server.requests())
        EXPECT_TRUE(header(parse(raw), "cookie").isEmpty());
}

TEST_F(HttpClientTest, TheProgramRunsWithTenSecondLimitsAndThreeAttempts)
{
    // What the program runs with (it never sets the limits); ConnectLimitEndsAHangingHandshake and
    // the failure cases below show each limit applied.
    const HttpLimits real{};
    EXPECT_EQ(real.connectMs, 10000);
    EXPECT_EQ(real.stallMs, 10000);
    EXPECT_EQ(real.attempts, 3);
}

TEST_F(HttpClientTest, AFailureThenAnAnswerGivesTheAnswerWithOneRetry)
{
    LoopbackListener server(Mode::CloseOnceThenOk, QByteArray("성공 번호[12]번호"));
    EXPECT_EQ(PostText(server.url(), QStringLiteral("a=1")), QStringLiteral("성공 번호[12]번호"));
    EXPECT_EQ(server.connections(), 2);
    const QStringList log = logEntries(QStringLiteral("_WinHttp"));
    ASSERT_EQ(log.size(), 3) << log.join(u'|').toStdString();
    EXPECT_TRUE(log[0].startsWith(QStringLiteral("e)lib_misc->GetWinHttp[Erl:="))) << log[0].toStdString();
    EXPECT_TRUE(log[1].startsWith(QStringLiteral("GetWinHttp ... <실패2>: ")));
    EXPECT_EQ(log[2], QStringLiteral("GetWinHttp ... 재시도"));
}

TEST_F(HttpClientTest, AnswersAreReadAndFormsSentInTheDeclaredCharset)
{
    QStringEncoder euckr("EUC-KR");
    const QByteArray korean = euckr.encode(QStringLiteral("로그인 성공 storename[오르빅]storename"));
    LoopbackListener server(Mode::Ok, korean, false, "text/plain; charset=EUC-KR");
    EXPECT_EQ(PostText(server.url(), QStringLiteral("a=1")), QStringLiteral("로그인 성공 storename[오르빅]storename"));
    EXPECT_EQ(formCharset(), QByteArray("EUC-KR"));
    // The next form goes in the service's charset, as a browser submits a page's form.
    PostText(server.url(), QStringLiteral("where=포장"));
    ASSERT_EQ(server.requests().size(), 2);
    EXPECT_EQ(parse(server.requests()[1]).body, QByteArray("where=") + euckr.encode(QStringLiteral("포장")));
    EXPECT_TRUE(logEntries(QStringLiteral("_WinHttp")).isEmpty());

    // A charset nobody knows is traced, the answer read as UTF-8, and the form charset kept.
    LoopbackListener odd(Mode::Ok, QByteArray("성공"), false, "text/plain; charset=\"x-no-such\"");
    EXPECT_EQ(PostText(odd.url(), QString()), QStringLiteral("성공"));
    EXPECT_EQ(formCharset(), QByteArray("EUC-KR"));
    EXPECT_EQ(logEntries(QStringLiteral("_WinHttp")),
              QStringList{QStringLiteral("GetWinHttp ... <charset> x-no-such: 알 수 없어 UTF-8로 읽음")});
}

TEST_F(HttpClientTest, OnlyAShopPageThatWritesHangulSetsTheFormCharset)
{
    setFormCharset("EUC-KR");
    const struct {
        const char* name;
        Mode mode;
        QByteArray contentType;
        QByteArray charsetAfter;
    } cases[] = {
        // A proxy's error page just before the order must not turn its Korean into question marks.
        {"503 page in Latin-1", Mode::Status500, "text/html; charset=iso-8859-1", "EUC-KR"},
        {"200 in Latin-1", Mode::Ok, "text/plain; charset=ISO-8859-1", "EUC-KR"},
        {"200 in CP949", Mode::Ok, "text/plain; charset=cp949", "cp949"},
        {"200 in UTF-8", Mode::Ok, "text/plain; charset=utf-8", "utf-8"},
    };
    for (const auto& c : cases) {
        LoopbackListener server(c.mode, QByteArray("ok"), false, c.contentType);
        PostText(server.url(), QStringLiteral("a=1"));
        EXPECT_EQ(formCharset(), c.charsetAfter) << c.name;
    }
    // A form charset that cannot write the body sends it in UTF-8, traced.
    setFormCharset("ISO-8859-1");
    LoopbackListener server(Mode::Ok);
    PostText(server.url(), QStringLiteral("where=포장"));
    ASSERT_EQ(server.requests().size(), 1);
    EXPECT_EQ(parse(server.requests()[0]).body, QStringLiteral("where=포장").toUtf8());
    EXPECT_EQ(logEntries(QStringLiteral("_WinHttp")).filter(QStringLiteral("본문을 쓸 수 없어 UTF-8로 보냄")).size(),
              1);
}

TEST(CharsetOf, TheParameterOfAContentType)
{
    const struct {
        const char* contentType;
        const char* charset;
    } cases[] = {{"text/html; charset=EUC-KR", "EUC-KR"},
                 {"text/plain;charset=\"cp949\"", "cp949"},
                 {"text/html; Charset=utf-8; x=y", "utf-8"},
                 {"text/html", ""},
                 {"", ""},
                 {"text/html; charset=", ""}};
    for (const auto& c : cases)
        EXPECT_EQ(CharsetOf(c.contentType), QByteArray(c.charset)) << c.contentType;
}

TEST_F(HttpClientTest, PlainGetReportsStatusBodyAndFailure)
{
    LoopbackListener ok(Mode::Ok, QByteArray("\x89PNG\r\n\x1a\n", 8));
    HttpGetResult got = HttpGet(ok.url(QStringLiteral("/menuimag/305.png")));
    EXPECT_TRUE(got.completed);
    EXPECT_EQ(got.status, 200);
    EXPECT_EQ(got.body, QByteArray("\x89PNG\r\n\x1a\n", 8));
    ASSERT_EQ(ok.requests().size(), 1);
    const RawRequest r = parse(ok.requests()[0]);
    EXPECT_EQ(r.requestLine, QByteArray("GET /menuimag/305.png HTTP/1.1"));
    EXPECT_TRUE(header(r, "content-type").isEmpty());

    LoopbackListener failing(Mode::Status500);
    got = HttpGet(failing.url());
    EXPECT_TRUE(got.completed);
    EXPECT_EQ(got.status, 500);

    LoopbackListener silent(Mode::Hold);
    const uint32_t t0 = RealTickCount();
    got = HttpGet(silent.url());
    const uint32_t ms = RealTickCount() - t0;
    EXPECT_FALSE(got.completed);
    EXPECT_FALSE(got.error.isEmpty());
    EXPECT_EQ(silent.connections(), 1);  // no retries
    EXPECT_GE(ms, uint32_t(kShortMs));
    EXPECT_LE(ms, uint32_t(kShortMs + kSlackMs));
    EXPECT_TRUE(logEntries(QStringLiteral("_WinHttp")).isEmpty());
}

// What a call does with each kind of failure: how long it may hold its caller, how often it tries,
// and whether the request may have reached the service.
TEST_F(HttpClientTest, DeadlinesAndRetriesFollowWhetherTheRequestCouldHaveLeft)
{
    struct Case {
        const char* name;
        std::optional<Mode> mode;  // none: a port nobody listens on
        HttpLimits limits;
        bool retryAfterSending;
        qint64 maxBytes;
        int connections;  // attempts that reached the listener
        Delivery delivery;
        NetFailure failure;
        int maxTotalMs;
    };
    const Case cases[] = {
        // A trickle never stalls; the attempt's overall limit ends it, and the call's ends the third.
        {"trickle",
         Mode::Trickle,
         {300, 300, 3, 400, 1300},
         true,
         kMaxAnswerBytes,
         3,
         Delivery::Unknown,
         NetFailure::Overdue,
         1300},
        {"order that stalls",
         Mode::Hold,
         {300, 300, 3, 15000, 35000},
         false,
         kMaxAnswerBytes,
         1,
         Delivery::Unknown,
         NetFailure::Stalled,
         300},
        {"order dropped after sending",
         Mode::Close,
         {300, 300, 3, 15000, 35000},
         false,
         kMaxAnswerBytes,
         1,
         Delivery::Unknown,
         NetFailure::Dropped,
         100},
        {"order refused before sending",
         std::nullopt,
         {300, 300, 3, 15000, 35000},
         false,
         kMaxAnswerBytes,
         0,
         Delivery::NotReached,
         NetFailure::Unreachable,
         100},
        {"answer over its limit",
         Mode::Ok,
         {300, 300, 3, 15000, 35000},
         true,
         1024,
         1,
         Delivery::Unknown,
         NetFailure::TooLarge,
         100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::optional<LoopbackListener> server;
        if (c.mode)
            server.emplace(*c.mode, QByteArray(4096, 'a'));
        const QString url = server
            ? server->url()
            : QStringLiteral("http://127.0.0.1:") + QString::number(closedPort()) + QStringLiteral("/a.php");
        setHttpLimits(c.limits);
        CallOptions options;
        options.retryAfterSending = c.retryAfterSending;
        options.maxBytes = c.maxBytes;
        const uint32_t t0 = RealTickCount();
        const PostResult result = PostForm(url, QStringLiteral("a=1"), options);
        const int total = int(RealTickCount() - t0);
        EXPECT_TRUE(result.text.isEmpty());
        EXPECT_EQ(result.delivery, c.delivery);
        EXPECT_EQ(result.failure, c.failure);
        if (server)
            EXPECT_EQ(server->connections(), c.connections);
        else
            EXPECT_EQ(result.attempts, 3) << "a request that cannot have left is tried again";
        EXPECT_LE(total, c.maxTotalMs + kSlackMs);
    }
}

TEST_F(HttpClientTest, ACancelEndsAnExchangeAtOnce)
{
    LoopbackListener server(Mode::Hold);
    setHttpLimits(HttpLimits{5000, 5000, 3});
    CallOptions options;
    options.cancel = std::make_shared<std::atomic<bool>>(false);
    // Cancelled once the server holds the request: the exchange is under way then.
    std::thread stopper([flag = options.cancel, &server] {
        const uint32_t start = RealTickCount();
        while (server.connections() < 1 && RealTickCount() - start < 5000)
            std::this_thread::yield();
        flag->store(true);
    });
    const uint32_t t0 = RealTickCount();
    const PostResult result = PostForm(server.url(), QStringLiteral("a=1"), options);
    stopper.join();
    EXPECT_EQ(result.failure, NetFailure::Cancelled);
    EXPECT_EQ(server.connections(), 1);
    EXPECT_LT(RealTickCount() - t0, uint32_t(100 + kSlackMs));
}

// Reads what the client sent first (its hello), so that a close is an end and no reset.
void ReadHello(int c)
{
    pollfd p{c, POLLIN, 0};
    char buf[4096];
    if (::poll(&p, 1, 2000) > 0)
        (void)::recv(c, buf, sizeof buf, 0);
}

// Whether an https address is an http-only port (the login may then try http) or an https one whose
// handshake failed (it may not), from what the peer sent back; each attempt traces its case.
TEST_F(HttpClientTest, AFailedHandshakeIsJudgedByWhatThePeerSentBack)
{
    const TestCertificate certificate = MakeCertificate(folder.path());
    ASSERT_TRUE(certificate.error.isEmpty()) << certificate.error.toStdString();
    std::unique_ptr<SSL_CTX, decltype(&SSL_CTX_free)> tls(SSL_CTX_new(TLS_server_method()), SSL_CTX_free);
    ASSERT_EQ(SSL_CTX_use_certificate_file(tls.get(), certificate.cert.toLocal8Bit().constData(), SSL_FILETYPE_PEM), 1);
    ASSERT_EQ(SSL_CTX_use_PrivateKey_file(tls.get(), certificate.key.toLocal8Bit().constData(), SSL_FILETYPE_PEM), 1);

    struct Case {
        const char* name;
        std::function<void(int)> peer;
        Handshake seen;
        NetFailure failure;
    };
    const Case cases[] = {
        {"closes after the hello (PHP's built-in server)", ReadHello, Handshake::Silent, NetFailure::NoTls},
        {"resets",
         [](int c) {
             ReadHello(c);
             const linger reset{1, 0};
             ::setsockopt(c, SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
         },
         Handshake::Silent, NetFailure::NoTls},
        {"answers in plain http",
         [](int c) {
             ReadHello(c);
             const char answer[] = "HTTP/1.1 400 Bad Request\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
             (void)::send(c, answer, sizeof answer - 1, MSG_NOSIGNAL);
         },
         Handshake::PlainText, NetFailure::NoTls},
        {"answers with a TLS alert",
         [](int c) {
             ReadHello(c);
             const unsigned char alert[] = {0x15, 0x03, 0x03, 0x00, 0x02, 0x02, 0x28};  // fatal handshake_failure
             (void)::send(c, alert, sizeof alert, MSG_NOSIGNAL);
         },
         Handshake::NoCertificate, NetFailure::Tls},
        {"presents a certificate nobody vouches for",
         [ctx = tls.get()](int c) {
             const timeval limit{2, 0};
             ::setsockopt(c, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
             SSL* ssl = SSL_new(ctx);
             SSL_set_fd(ssl, c);
             (void)SSL_accept(ssl);
             SSL_free(ssl);
         },
         Handshake::Certificate, NetFailure::Tls},
    };
    setHttpLimits(HttpLimits{2000, 2000, 3});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LoopbackListener peer(c.peer);
        const QString address = QStringLiteral("https://127.0.0.1:") + QString::number(peer.port())
            + QStringLiteral("/a.php");
        const qsizetype earlier = logEntries(QStringLiteral("_WinHttp")).size();
        const PostResult result = PostForm(address, QStringLiteral("a=1"));
        EXPECT_EQ(result.handshake, c.seen);
        EXPECT_EQ(result.failure, c.failure);
        EXPECT_EQ(result.delivery, Delivery::NotReached);
        EXPECT_EQ(result.spokeTls, c.seen == Handshake::NoCertificate || c.seen == Handshake::Certificate);
        EXPECT_EQ(peer.connections(), 3);
        const QStringList log = logEntries(QStringLiteral("_WinHttp")).mid(earlier);
        const QStringList traced = log.filter(QStringLiteral("GetWinHttp ... <TLS> "));
        EXPECT_EQ(traced.size(), 3) << log.join(u'|').toStdString();
        std::cout << c.name << ": " << log.value(0).section(u'\n', 1).trimmed().toStdString() << " / "
                  << traced.value(0).toStdString() << "\n";
    }
}

}  // namespace
