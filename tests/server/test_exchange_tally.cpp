// Each exchange counted for the health metrics when it ends: what it was for, and why it failed.
#include "server/endpoints.h"
#include "server/exchange_tally.h"
#include "server/http_client.h"
#include "server/loopback_listener.h"
#include "support/dead_ends.h"
#include "support/sumbrel_test.h"

using namespace sumbrel;
using namespace sumbrel::testing;
using Request = health::Request;

TEST(ExchangeTally, TheRequestComesFromTheAddressPathOnly)
{
    const struct {
        const char* address;
        Request request;
    } cases[] = {
        {"https://shop.example/program/logins.php", Request::Login},
        {"http://127.0.0.1:8480/program/TOLoadProgram.php", Request::Settings},
        {"http://shop/program/TOorderProgram2.php", Request::Order},
        {"http://shop/shop/menuloading3.php", Request::MenuPage},
        {"http://shop/Admin/menuloading1.php", Request::Catalogue},
        {"http://shop/Admin/categoryloading.php", Request::Categories},
        {"http://shop/menuexistCheck.php", Request::Pictures},
        {"http://shop/logoexistCheck.php", Request::Pictures},
        {"http://shop/menuimag/305.png", Request::Pictures},
        {"http://shop/logoimag/logo12_1.png", Request::Pictures},
        {"http://shop/program/logins.php.bak", Request::Other},
        {"http://shop/PROGRAM/LOGINS.PHP", Request::Other},
        {"http://shop/program/TOorderProgram2.php?x=/program/logins.php", Request::Order},
        {"not an address", Request::Other},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RequestOfAddress(QString::fromLatin1(c.address)), c.request) << c.address;
}

TEST(ExchangeTally, AFailureIsWhatTheCallerCouldNotUse)
{
    auto answered = [](long status, bool malformed) {
        PostResult r;
        r.delivery = Delivery::Answered;
        r.status = status;
        r.malformed = malformed;
        return r;
    };
    auto lost = [](Delivery delivery, NetFailure failure) {
        PostResult r;
        r.delivery = delivery;
        r.failure = failure;
        return r;
    };
    const struct {
        const char* name;
        PostResult result;
        std::optional<health::Failure> failure;
    } cases[] = {
        {"a clean 200", answered(200, false), std::nullopt},
        {"a 200 that does not read", answered(200, true), health::Failure::Malformed},
        {"a 500", answered(500, false), health::Failure::Status},
        {"refused", lost(Delivery::NotReached, NetFailure::Unreachable), health::Failure::Unreachable},
        {"plain text to https", lost(Delivery::NotReached, NetFailure::NoTls), health::Failure::NoTls},
        {"certificate", lost(Delivery::NotReached, NetFailure::Tls), health::Failure::Tls},
        {"stalled", lost(Delivery::Unknown, NetFailure::Stalled), health::Failure::Stalled},
        {"overdue", lost(Delivery::Unknown, NetFailure::Overdue), health::Failure::Overdue},
        {"dropped", lost(Delivery::Unknown, NetFailure::Dropped), health::Failure::Dropped},
        {"too large", lost(Delivery::Unknown, NetFailure::TooLarge), health::Failure::TooLarge},
        {"cancelled by the terminal", lost(Delivery::Unknown, NetFailure::Cancelled), std::nullopt},
        {"lost without a reason", lost(Delivery::NotReached, NetFailure::None), health::Failure::Other},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FailureOf(c.result), c.failure) << c.name;

    HttpGetResult got;
    got.completed = true;
    got.status = 404;
    EXPECT_EQ(FailureOf(got), health::Failure::Status);
    got.status = 200;
    EXPECT_EQ(FailureOf(got), std::nullopt);
    got.completed = false;
    got.failure = NetFailure::Stalled;
    EXPECT_EQ(FailureOf(got), health::Failure::Stalled);
}

class ExchangeTallyTest : public SumbrelTest {
protected:
    void SetUp() override
    {
        SumbrelTest::SetUp();
        setHttpLimits(HttpLimits{300, 300, 3});
        health::Reset();
    }
};

// The real calls count once each, however many attempts they made, under the thread's label when
// one is set.
TEST_F(ExchangeTallyTest, EachCallCountsOnceWhenItEnds)
{
    LoopbackListener ok(LoopbackListener::Mode::Ok);
    LoopbackListener failing(LoopbackListener::Mode::Status500);
    const QString dead = QStringLiteral("http://127.0.0.1:") + QString::number(closedPort());
    PostForm(ok.url(QString::fromUtf16(endpoints::kOrder)), {});
    PostForm(failing.url(QString::fromUtf16(endpoints::kMenuPage)), {});
    PostForm(dead + QString::fromUtf16(endpoints::kLogin), {});  // three attempts, one call
    {
        const health::RequestLabel poll(Request::Poll);
        PostForm(dead + QString::fromUtf16(endpoints::kReceptionSettings), {});
    }
    PostForm(ok.url(QString::fromUtf16(endpoints::kReceptionSettings)), {});
    HttpGet(failing.url(QStringLiteral("/menuimag/1.png")));

    const health::Reading r = health::Read();
    auto exchanges = [&](Request q) { return r.exchanges[int(q)]; };
    auto failures = [&](Request q, health::Failure f) { return r.failures[int(q)][int(f)]; };
    EXPECT_EQ(exchanges(Request::Order), 1u);
    EXPECT_EQ(exchanges(Request::MenuPage), 1u);
    EXPECT_EQ(exchanges(Request::Login), 1u);
    EXPECT_EQ(exchanges(Request::Poll), 1u);
    EXPECT_EQ(exchanges(Request::Settings), 1u);
    EXPECT_EQ(exchanges(Request::Pictures), 1u);
    EXPECT_EQ(failures(Request::MenuPage, health::Failure::Status), 1u);
    EXPECT_EQ(failures(Request::Login, health::Failure::Unreachable), 1u);
    EXPECT_EQ(failures(Request::Poll, health::Failure::Unreachable), 1u);
    EXPECT_EQ(failures(Request::Pictures, health::Failure::Status), 1u);
    uint64_t all = 0;
    for (const auto& row : r.failures)
        for (uint64_t n : row)
            all += n;
    EXPECT_EQ(all, 4u) << "the answered order and settings load are no failures";
}
