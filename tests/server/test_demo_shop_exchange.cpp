// The client and the endpoint bodies against the demo shop service.
#include "server/endpoints.h"
#include "server/fields.h"
#include "server/http_client.h"
#include "support/shop_test.h"

#include <QDir>
#include <QJsonObject>
#include <QRegularExpression>

using namespace sumbrel;
using namespace sumbrel::testing;

namespace {

class DemoShopExchange : public ShopTest {
protected:
    QStringList shopArgs() const override { return {QStringLiteral("--repeat-window"), QStringLiteral("0")}; }
    QJsonObject lastRequest() const
    {
        const QJsonArray all = shop->requests();
        return all.isEmpty() ? QJsonObject() : all.last().toObject();
    }
};

TEST_F(DemoShopExchange, HeadersAsReceivedAreTheTwoOfTheTerminal)
{
    const QString answer = PostText(endpoints::Url(session, endpoints::kLogin), endpoints::CredentialsBody(session));
    EXPECT_TRUE(answer.contains(QStringLiteral("성공"))) << answer.toStdString();
    EXPECT_EQ(FieldOr(answer, u"번호"), QString::number(DemoShop::kShopNumber));
    // The service opened a session with its answer (as PHP does); the next request must not carry it.
    PostText(endpoints::Url(session, endpoints::kReceptionSettings), endpoints::CredentialsBody(session));
    ASSERT_EQ(shop->requests().size(), 2);
    const QJsonObject headers = lastRequest().value(QStringLiteral("headers")).toObject();
    QStringList names;
    for (auto it = headers.begin(); it != headers.end(); ++it)
        names.append(it.key().toLower());
    names.sort();
    // What remains beside the two is the transport's own (Host, Content-Length) and what the service adds itself.
    EXPECT_TRUE(names.contains(QStringLiteral("content-type")));
    EXPECT_TRUE(names.contains(QStringLiteral("user-agent")));
    EXPECT_FALSE(names.contains(QStringLiteral("expect")));
    EXPECT_FALSE(names.contains(QStringLiteral("accept")));
    EXPECT_FALSE(names.contains(QStringLiteral("cookie")));
    for (auto it = headers.begin(); it != headers.end(); ++it) {
        const QString key = it.key().toLower();
        if (key == u"content-type") {
            EXPECT_EQ(it.value().toString(), QStringLiteral("application/x-www-form-urlencoded"));
        }
        if (key == u"user-agent") {
            EXPECT_EQ(it.value().toString(), QStringLiteral("Firefox 3.6.4"));
        }
    }
}

TEST_F(DemoShopExchange, AmpersandInsideAValueArrivesAsAnExtraField)
{
    const QString body = QStringLiteral("ID=demo&PassWord=demo1234&memo=김밥&라면=2");
    PostText(endpoints::Url(session, endpoints::kLogin), body);
    const QJsonObject request = lastRequest();
    EXPECT_EQ(request.value(QStringLiteral("method")).toString(), QStringLiteral("POST"));
    EXPECT_EQ(request.value(QStringLiteral("raw_body")).toString(), body);
    const QJsonObject fields = request.value(QStringLiteral("fields")).toObject();
    EXPECT_EQ(fields.value(QStringLiteral("memo")).toString(), QStringLiteral("김밥"));
    EXPECT_EQ(fields.value(QStringLiteral("라면")).toString(), QStringLiteral("2"));
}

TEST_F(DemoShopExchange, EmptyBodyIsPostedAndAnswered)
{
    const QString answer = PostText(endpoints::Url(session, endpoints::kLogin), QString());
    EXPECT_FALSE(answer.contains(QStringLiteral("성공")));
    const QJsonObject request = lastRequest();
    EXPECT_EQ(request.value(QStringLiteral("method")).toString(), QStringLiteral("POST"));
    EXPECT_TRUE(request.value(QStringLiteral("raw_body")).toString().isEmpty());
    EXPECT_EQ(request.value(QStringLiteral("status")).toInt(), 200);
}

TEST_F(DemoShopExchange, OrderTextArrivesExactlyAsWritten)
{
    struct Case {
        const char* what;
        QString text;
    };
    const Case cases[] = {
        {"signs", QStringLiteral("<order><menu>김밥 & 라면 + 콜라</menu></order>")},
        {"percent", QStringLiteral("할인 100% 적용, 코드 %41%42 그리고 %2B 와 %")},
        {"line_breaks", QStringLiteral("첫째 줄\r\n둘째 줄\n셋째 줄\r\n")},
        {"everything", QStringLiteral("<menu>떡볶이&순대 x2 + 튀김 %25 50%\r\n메모: 덜 맵게\n끝</menu>")},
    };
    int phone = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString phoneNumber = QStringLiteral("0101234") + QString::number(5670 + phone++);
        const QString body = endpoints::OrderBody(session, phoneNumber, Dining::Takeout, Payment::Cash, QString(),
                                                  EscapeField(c.text));
        const QString answer = PostText(endpoints::Url(session, endpoints::kOrder), body);
        EXPECT_TRUE(answer.contains(QStringLiteral("성공"))) << answer.toStdString();
        const QJsonArray orders = shop->orders();
        ASSERT_FALSE(orders.isEmpty());
        const QJsonObject order = orders.last().toObject();
        // The service turns "!줄!" back into a lone LF, so even that survives.
        EXPECT_EQ(order.value(QStringLiteral("menu")).toString(), c.text);
        EXPECT_EQ(order.value(QStringLiteral("menu_raw")).toString(), EscapeField(c.text));
        EXPECT_EQ(order.value(QStringLiteral("memo")).toString(), QStringLiteral("현장접수"));
        EXPECT_EQ(order.value(QStringLiteral("where")).toString(), QStringLiteral("포장"));
        EXPECT_EQ(order.value(QStringLiteral("taxi")).toString(), QString());
        const QJsonObject fields = lastRequest().value(QStringLiteral("fields")).toObject();
        EXPECT_EQ(QStringList(fields.keys()).size(), 8);  // no value split into extra fields
    }
}

TEST_F(DemoShopExchange, PostLoggedWritesRequestAndAnswerToTheChannel)
{
    const QString url = endpoints::Url(session, endpoints::kLogin);
    const QString answer = endpoints::PostLogged(QStringLiteral("logins"), url, endpoints::CredentialsBody(session),
                                                 QStringLiteral("_WinHttp"))
                               .text;
    const QStringList log = logEntries(QStringLiteral("_WinHttp"));
    ASSERT_EQ(log.size(), 2);
    EXPECT_EQ(log[0], QStringLiteral("logins() ... ") + url + QStringLiteral("?ID=demo&PassWord=***"));
    EXPECT_EQ(log[1], QStringLiteral("logins() ... ResponseStr:\r\n") + answer);
    EXPECT_TRUE(answer.contains(QStringLiteral("성공")));
}

// The last answer of each request is remembered within a bound: repeated, it is traced as one short
// line; a failed exchange forgets its request and no other; past the bound the memory starts afresh.
TEST_F(DemoShopExchange, RepeatedAnswersAreTracedShortWhileTheirRequestIsRemembered)
{
    int failing = -1;
    const endpoints::Poster post = [&failing](const QString&, const QString& body, const CallOptions&) {
        PostResult r;
        if (body.toInt() != failing) {
            r.delivery = Delivery::Answered;
            r.status = 200;
            r.text = QStringLiteral("answer ") + body;
        }
        return r;
    };
    const CallOptions options = endpoints::SessionCall(session);
    const auto send = [&post, &options](int request) {
        endpoints::PostLogged(QStringLiteral("Echo"), QStringLiteral("http://shop/echo"), QString::number(request),
                              QString(), post, options);
    };
    static const QRegularExpression same(QStringLiteral("^Echo\\(\\) \\.\\.\\. ResponseStr: 직전과 동일\\."));
    const auto shortLines = [] { return logEntries().filter(same).size(); };
    // Up to the bound: every request its own, each remembered.
    constexpr int kBound = 1024;
    for (int request = 0; request < kBound; ++request)
        send(request);
    EXPECT_EQ(shortLines(), 0);
    failing = 500;
    send(500);
    failing = -1;
    for (int request = 0; request < kBound; ++request)
        send(request);
    EXPECT_EQ(shortLines(), kBound - 1);  // all but the one that failed
    send(500);
    EXPECT_EQ(shortLines(), kBound);
    // One more request starts afresh: the earlier ones are traced in full once again.
    send(kBound);
    send(0);
    send(0);
    EXPECT_EQ(shortLines(), kBound + 1);
    // The memory is the session's: another login's session has heard nothing yet, and none at all
    // traces every answer in full.
    for (const CallOptions& other : {endpoints::SessionCall(Session{}), CallOptions{}})
        endpoints::PostLogged(QStringLiteral("Echo"), QStringLiteral("http://shop/echo"), QStringLiteral("0"),
                              QString(), post, other);
    EXPECT_EQ(shortLines(), kBound + 1);
}

TEST_F(DemoShopExchange, ServiceErrorStatusIsLoggedWithItsReason)
{
    shop->setFault(QString::fromUtf16(endpoints::kReceptionSettings), QStringLiteral("status"), 1, 500, 0,
                   QStringLiteral("오류 페이지"));
    const QString url = endpoints::Url(session, endpoints::kReceptionSettings);
    const QString answer = PostText(url, endpoints::CredentialsBody(session));
    EXPECT_TRUE(answer.contains(QStringLiteral("오류 페이지"))) << answer.toStdString();
    EXPECT_FALSE(Field(answer, u"count").has_value());
    const QStringList log = logEntries(QStringLiteral("_WinHttp"));
    ASSERT_EQ(log.size(), 1);
    EXPECT_TRUE(log[0].startsWith(QStringLiteral("GetWinHttp ... <실패> (500): "))) << log[0].toStdString();
    EXPECT_TRUE(log[0].endsWith(QStringLiteral("ms 걸림. (Internal Server Error)\r\n") + url
                                + QStringLiteral("?ID=demo&PassWord=***")))
        << log[0].toStdString();
    // The next exchange is served normally.
    EXPECT_TRUE(PostText(url, endpoints::CredentialsBody(session)).contains(QStringLiteral("count[")));
}

TEST_F(DemoShopExchange, PictureChecksAndDownloads)
{
    const QString logoCheck = PostText(endpoints::Url(session, endpoints::kLogoCheck),
                                         endpoints::LogoCheckBody(session, DemoShop::kShopNumber));
    EXPECT_TRUE(logoCheck.contains(QStringLiteral("있음"))) << logoCheck.toStdString();
    HttpGetResult logo = HttpGet(endpoints::LogoPictureUrl(session, QString::number(DemoShop::kShopNumber)));
    EXPECT_TRUE(logo.completed);
    EXPECT_EQ(logo.status, 200);
    EXPECT_TRUE(logo.body.startsWith("\x89PNG"));

    const QStringList pictures = QDir(shop->dataDir() + QStringLiteral("/menuimag"))
                                     .entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name);
    ASSERT_FALSE(pictures.isEmpty());
    const long num = QString(pictures.first()).remove(QStringLiteral(".png")).toLong();
    EXPECT_EQ(endpoints::MenuPictureCheckBody(num), QStringLiteral("&menunum=") + QString::number(num));
    const QString check = PostText(endpoints::Url(session, endpoints::kMenuPictureCheck),
                                     endpoints::MenuPictureCheckBody(num));
    EXPECT_TRUE(check.contains(QStringLiteral("있음"))) << check.toStdString();
    EXPECT_FALSE(PostText(endpoints::Url(session, endpoints::kMenuPictureCheck), endpoints::MenuPictureCheckBody(999999))
                     .contains(QStringLiteral("있음")));
    const HttpGetResult picture = HttpGet(endpoints::MenuPictureUrl(session, QString::number(num)));
    EXPECT_EQ(picture.status, 200);
    EXPECT_TRUE(picture.body.startsWith("\x89PNG"));
    const HttpGetResult missing = HttpGet(endpoints::MenuPictureUrl(session, QStringLiteral("999999")));
    EXPECT_TRUE(missing.completed);
    EXPECT_NE(missing.status, 200);
}

}  // namespace
