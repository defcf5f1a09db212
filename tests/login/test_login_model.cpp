// The login without a screen: the answer's clean-up, the success test, the stored options, the
// remembered https hosts, the request sequence and the three-failure rule; and, end to end against
// the demo shop, a password with form characters, a shop in EUC-KR, a shop on https and when http
// may follow a failed https try.
#include "catalogue/category_table.h"
#include "catalogue/menu_catalogue.h"
#include "login/login_model.h"
#include "login/login_rules.h"
#include "login/login_test.h"
#include "server/endpoints.h"
#include "server/fields.h"
#include "server/http_client.h"
#include "startup/global_state.h"
#include "startup/ini.h"
#include "startup/stored_login.h"
#include "support/catalogue.h"
#include "support/test_certificate.h"

#include <QJsonObject>
#include <gtest/gtest.h>

using namespace sumbrel;
using namespace sumbrel::testing;
using sumbrel::testing::LoginTest;

TEST(LoginRules, DoubledBreaksCollapseInElevenRounds)
{
    struct Case {
        QString in, out;
    };
    const Case cases[] = {
        {QStringLiteral("로그인 성공\r\r\n"), QStringLiteral("로그인 성공\r\n")},
        {QStringLiteral("a\n\n\n\n\nb"), QStringLiteral("a\nb")},
        {QStringLiteral("a\r\r\r\n\n\nb"), QStringLiteral("a\r\nb")},
        // CR LF CR LF has no doubled break of its own kind: it stays.
        {QStringLiteral("a\r\n\r\nb"), QStringLiteral("a\r\n\r\nb")},
        {QString(2048, u'\n'), QStringLiteral("\n")},
        // Eleven rounds and no more: a run one longer than 2^11 keeps two.
        {QString(2049, u'\n'), QStringLiteral("\n\n")},
        {QString(), QString()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CollapseDoubledBreaks(c.in), c.out) << c.in.size();
}

TEST(LoginRules, SuccessIsTheWordAnywhere)
{
    EXPECT_TRUE(IsLoginSuccess(QStringLiteral("로그인 성공")));
    EXPECT_TRUE(IsLoginSuccess(QStringLiteral("\r\n<!-- x -->로그인성공했습니다 번호[12]번호")));
    EXPECT_FALSE(IsLoginSuccess(QStringLiteral("로그인 실패")));
    EXPECT_FALSE(IsLoginSuccess(QString()));
}

TEST(LoginRules, StoredOptionsAlwaysHaveFourFieldsAndNoUnrememberedPassword)
{
    const QString sep = QStringLiteral("◈");
    struct Case {
        bool remember, autoLogin;
        QString stored;
    };
    const Case cases[] = {
        {true, true, QStringLiteral("True◈True◈demo◈demo1234")},
        {true, false, QStringLiteral("True◈False◈demo◈demo1234")},
        {false, false, QStringLiteral("False◈False◈◈")},
        {false, true, QStringLiteral("False◈True◈◈")},
    };
    for (const Case& c : cases) {
        const QString stored = BuildStoredLogin(c.remember, c.autoLogin, QStringLiteral("demo"),
                                                QStringLiteral("demo1234"), sep);
        EXPECT_EQ(stored, c.stored);
        // The reading side takes it as it is, not as the default.
        const QStringList fields = SplitStoredLogin(stored, sep);
        EXPECT_EQ(fields.join(sep), c.stored);
        EXPECT_EQ(fields.value(3).isEmpty(), !c.remember);
    }
}

TEST(LoginRules, HttpsHostsAreRememberedOnceNewestFirstWithinOneValue)
{
    struct Case {
        const char* what;
        QString remembered, host, after;
    };
    const QString h30 = QStringLiteral("shop-0000000000000000000.kr:1");  // 30 bytes
    QStringList full;  // eight of them: 247 bytes joined
    for (int i = 1; i <= 8; ++i)
        full << QString(h30).replace(u'0', QChar(u'0' + i));
    const Case cases[] = {
        {"first", QString(), QStringLiteral("Shop.Example:8443"), QStringLiteral("shop.example:8443")},
        {"another in front", QStringLiteral("a.kr"), QStringLiteral("b.kr"), QStringLiteral("b.kr,a.kr")},
        {"a known one moves to the front", QStringLiteral("a.kr,b.kr"), QStringLiteral(" B.KR "),
         QStringLiteral("b.kr,a.kr")},
        {"the oldest gives way", full.join(u','), h30, (QStringList{h30} + full.mid(0, 7)).join(u',')},
        {"no host, no entry", QStringLiteral("a.kr"), QString(), QStringLiteral("a.kr")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString after = RememberHttpsHost(c.remembered, c.host);
        EXPECT_EQ(after, c.after);
        EXPECT_LE(after.toUtf8().size(), kIniValueBytes);
        EXPECT_EQ(HostSpokeHttps(after, c.host), !c.host.isEmpty());
    }
    // The port belongs to the host: another port of the same machine is another service.
    EXPECT_FALSE(HostSpokeHttps(QStringLiteral("a.kr:8443"), QStringLiteral("a.kr:84")));
    EXPECT_FALSE(HostSpokeHttps(QStringLiteral("a.kr:8443"), QStringLiteral("a.kr")));
    EXPECT_FALSE(HostSpokeHttps(QString(), QString()));
}

namespace {

const QString kId = QString::fromLatin1(DemoShop::kId);
const QString kPassword = QString::fromLatin1(DemoShop::kPassword);

class LoginModelTest : public LoginTest {
protected:
    // Another shop for the test, which the terminal then talks to.
    DemoShop& useShop(const QStringList& args)
    {
        shop = std::make_unique<DemoShop>(args);
        gs().serviceHost = shop->host();
        return *shop;
    }
    // The whole run after a login: the two loads and an order, as the reception submits it.
    QString loadAndOrder(const QString& menuText)
    {
        const Session& session = model.session();
        categories = FetchCategories(session).value_or(CategoryTable());
        catalogue = FetchedCatalogue(session);
        const QString body = endpoints::OrderBody(session, QStringLiteral("01012345678"), Dining::Takeout,
                                                  Payment::Cash, QString(), EscapeField(menuText));
        return PostText(endpoints::Url(session, endpoints::kOrder), body);
    }
    CategoryTable categories;
    MenuCatalogue catalogue;
    // The https hosts the configuration file remembers.
    static QString httpsHosts()
    {
        return ReadIni(QStringLiteral("Set"), QStringLiteral("ServiceTls"), configFilePath());
    }
    LoginModel model;
};

TEST_F(LoginModelTest, ServiceOnlyOverHttpIsReachedOnTheSecondAddress)
{
    ASSERT_EQ(model.Login(kId, kPassword, false, false), LoginOutcome::Success);
    EXPECT_EQ(model.session().serviceBaseUrl, QStringLiteral("http://") + shop->host());
    const QString http = logText(QStringLiteral("_WinHttp"));
    const QString first = QStringLiteral("logins() ... https://") + shop->host()
        + QStringLiteral("/program/logins.php?ID=demo&PassWord=");
    const QString second = QStringLiteral("logins() ... http://") + shop->host()
        + QStringLiteral("/program/logins.php?ID=demo&PassWord=");
    ASSERT_TRUE(http.contains(first)) << http.toStdString();
    ASSERT_TRUE(http.contains(second));
    EXPECT_LT(http.indexOf(first), http.indexOf(second));
    EXPECT_EQ(loginRequests(), 1) << "only the http request reaches the service";
    EXPECT_TRUE(httpsHosts().isEmpty()) << "an http login remembers nothing";
}

TEST_F(LoginModelTest, PlainHttpShopThatClosesTlsHandshakesLogsInOverHttp)
{
    // As PHP's built-in server: no answer at all to a TLS hello, so no certificate either.
    useShop({QStringLiteral("--tls-close")});
    ASSERT_EQ(model.Login(kId, kPassword, false, false), LoginOutcome::Success)
        << logText(QStringLiteral("_WinHttp")).toStdString();
    EXPECT_EQ(model.session().serviceBaseUrl, QStringLiteral("http://") + shop->host());
    EXPECT_EQ(shop->closedHandshakes(), 3);
    EXPECT_EQ(loginRequests(), 1);
    const QStringList log = logEntries(QStringLiteral("_WinHttp"));
    EXPECT_EQ(log.filter(QStringLiteral(", Eno:=35]")).size(), 3) << log.join(u'|').toStdString();
    EXPECT_EQ(log.filter(QStringLiteral("logins() ... http://")).size(), 1);
    EXPECT_TRUE(log.filter(QStringLiteral("매장 서버의 인증서를 신뢰할 수 없어")).isEmpty());
    EXPECT_TRUE(httpsHosts().isEmpty());
}

TEST_F(LoginModelTest, AnswerIsLoggedWithSingleBreaksAndFieldsMayBeMissing)
{
    // "성공" inside a longer message, doubled breaks, no shop number or name.
    shop->setFault(QStringLiteral("/program/logins.php"), QStringLiteral("garbage"), 0, 0, 0,
                   QStringLiteral("\n\n\n로그인성공입니다\r\r\r\n\n끝"));
    ASSERT_EQ(model.Login(kId, kPassword, false, false), LoginOutcome::Success);
    EXPECT_TRUE(logText(QStringLiteral("_WinHttp"))
                    .contains(QStringLiteral("logins() ... ResponseStr:\r\n\n로그인성공입니다\r\n끝")));
    EXPECT_TRUE(model.session().shopNumber.isEmpty());
    EXPECT_TRUE(model.session().shopName.isEmpty());
}

TEST_F(LoginModelTest, ThirdFailureEndsTwoFailuresThenSuccessDoNot)
{
    using O = LoginOutcome;
    const struct {
        const char* what;
        QStringList passwords;
        QList<O> outcomes;
    } cases[] = {
        {"three failures",
         {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")},
         {O::Failed, O::Failed, O::TooManyFailures}},
        {"two failures, then success",
         {QStringLiteral("a"), QStringLiteral("b"), kPassword},
         {O::Failed, O::Failed, O::Success}},
        {"success at once", {kPassword}, {O::Success}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        LoginModel fresh;
        QList<O> got;
        for (const QString& pw : c.passwords)
            got << fresh.Login(kId, pw, true, false);
        EXPECT_EQ(got, c.outcomes);
        // Only a success keeps anything: the values and the stored options.
        const bool succeeded = got.last() == O::Success;
        EXPECT_EQ(fresh.session().loginId, succeeded ? kId : QString());
        EXPECT_EQ(ReadStoredLogin(), succeeded ? QStringLiteral("True◈False◈demo◈demo1234") : QString());
        EXPECT_EQ(fresh.failures(), int(c.passwords.size()) - (succeeded ? 1 : 0));
        WriteStoredLogin(QString());
    }
}

TEST_F(LoginModelTest, PasswordWithFormCharactersLogsIn)
{
    // The service decodes its forms as PHP does: unescaped, "+" would be a blank, "&" the next
    // field and "%41" an "A".
    const QString password = QStringLiteral("a+b&c%41 1");
    useShop({QStringLiteral("--password"), password});
    ASSERT_EQ(model.Login(kId, password, false, false), LoginOutcome::Success) << model.lastAnswer().toStdString();
    EXPECT_EQ(model.session().loginPassword, password);
    const QJsonObject request = shop->requests().last().toObject();
    EXPECT_EQ(request.value(QStringLiteral("raw_body")).toString(),
              QStringLiteral("ID=demo&PassWord=a%2Bb%26c%2541 1"));
    EXPECT_EQ(request.value(QStringLiteral("fields")).toObject().value(QStringLiteral("PassWord")).toString(),
              password);
    // Every later body carries it the same way.
    EXPECT_GT(FetchedCatalogue(model.session()).rowCount(), 50);
}

TEST_F(LoginModelTest, ShopInEucKrLogsInLoadsTheCatalogueAndTakesAnOrder)
{
    useShop({QStringLiteral("--charset"), QStringLiteral("EUC-KR")});
    ASSERT_EQ(model.Login(kId, kPassword, false, false), LoginOutcome::Success) << model.lastAnswer().toStdString();
    EXPECT_EQ(model.session().shopName, QStringLiteral("오르빅 커피 본점"));
    EXPECT_EQ(formCharset(), QByteArray("EUC-KR"));

    const QString menuText = QStringLiteral("<menuliner><mnuname>아이스티 + 샷</mnuname><mnucount>2</mnucount>"
                                            "</menuliner>\r\n매운 맛 & 덜 달게");
    const QString answer = loadAndOrder(menuText);
    EXPECT_TRUE(answer.contains(QStringLiteral("성공"))) << answer.toStdString();
    // The catalogue of "전체" (asked for in EUC-KR) with its Korean names whole.
    ASSERT_EQ(catalogue.rowCount(), 59);
    EXPECT_GT(categories.rowCount(), 3);
    bool foundTitle = false;
    for (qsizetype r = 0; r < catalogue.takenCount(); ++r) {
        EXPECT_FALSE(catalogue.row(r).title.contains(QChar::ReplacementCharacter));
        foundTitle = foundTitle || catalogue.row(r).title == u"아이스티 + 샷";
    }
    EXPECT_TRUE(foundTitle);
    const QJsonObject order = shop->orders().last().toObject();
    EXPECT_EQ(order.value(QStringLiteral("where")).toString(), QStringLiteral("포장"));
    EXPECT_EQ(order.value(QStringLiteral("memo")).toString(), QStringLiteral("현장접수"));
    EXPECT_EQ(order.value(QStringLiteral("menu")).toString(), menuText);
    EXPECT_TRUE(logEntries(QStringLiteral("_WinHttp")).filter(QStringLiteral("<charset>")).isEmpty());
}

TEST_F(LoginModelTest, ShopOnHttpsIsUsedForTheWholeRun)
{
    const auto certificate = sumbrel::testing::MakeCertificate(folder.path());
    ASSERT_TRUE(certificate.error.isEmpty()) << certificate.error.toStdString();
    useShop({QStringLiteral("--tls"), certificate.cert, certificate.key});
    setCaFile(certificate.cert);
    ASSERT_EQ(model.Login(kId, kPassword, false, false), LoginOutcome::Success)
        << logText(QStringLiteral("_WinHttp")).toStdString();
    EXPECT_EQ(model.session().serviceBaseUrl, QStringLiteral("https://") + shop->host());
    EXPECT_TRUE(loadAndOrder(QStringLiteral("<menuliner>커피</menuliner>")).contains(QStringLiteral("성공")));
    const QJsonArray requests = shop->requests();
    ASSERT_EQ(requests.size(), 4);  // login, categories, catalogue, order
    for (const auto& r : requests) {
        const QJsonObject o = r.toObject();
        EXPECT_TRUE(o.value(QStringLiteral("tls")).toBool())
            << o.value(QStringLiteral("path")).toString().toStdString();
        // HTTP/1.1 only: the status line keeps its reason phrase for the failure log.
        EXPECT_EQ(o.value(QStringLiteral("alpn")).toString(), QStringLiteral("http/1.1"));
    }
    EXPECT_TRUE(logEntries(QStringLiteral("_WinHttp")).filter(QStringLiteral("<실패")).isEmpty());
}

TEST_F(LoginModelTest, ShopWithAnUntrustedCertificateIsNeverAskedOverHttp)
{
    const auto certificate = sumbrel::testing::MakeCertificate(folder.path());
    ASSERT_TRUE(certificate.error.isEmpty()) << certificate.error.toStdString();
    useShop({QStringLiteral("--tls"), certificate.cert, certificate.key});
    // The ID and password must not go out in clear because a certificate is not trusted.
    EXPECT_EQ(model.Login(kId, kPassword, false, false), LoginOutcome::Untrusted);
    EXPECT_EQ(model.failures(), 0);
    EXPECT_EQ(model.session().serviceBaseUrl, QStringLiteral("https://") + shop->host());
    EXPECT_TRUE(shop->requests().isEmpty());
    const QStringList log = logEntries(QStringLiteral("_WinHttp"));
    EXPECT_EQ(log.filter(QStringLiteral(", Eno:=60]")).size(), 3) << log.join(u'|').toStdString();
    EXPECT_EQ(log.filter(QStringLiteral("logins() ... http://")).size(), 0);
    EXPECT_EQ(log.filter(QStringLiteral("--ca-file")).size(), 1);
    EXPECT_TRUE(httpsHosts().isEmpty());
    // With the shop's authority trusted, the same shop logs in over https.
    setCaFile(certificate.cert);
    EXPECT_EQ(model.Login(kId, kPassword, false, false), LoginOutcome::Success);
}

TEST_F(LoginModelTest, HostThatLoggedInOverHttpsIsNeverAskedOverHttpAgain)
{
    const auto certificate = sumbrel::testing::MakeCertificate(folder.path());
    ASSERT_TRUE(certificate.error.isEmpty()) << certificate.error.toStdString();
    useShop({QStringLiteral("--tls"), certificate.cert, certificate.key});
    setCaFile(certificate.cert);
    ASSERT_EQ(model.Login(kId, kPassword, false, false), LoginOutcome::Success);
    EXPECT_EQ(httpsHosts(), shop->host());

    // Someone now closes every TLS handshake on the port, which still answers http.
    shop->setTlsClose(true);
    LoginModel later;
    EXPECT_EQ(later.Login(kId, kPassword, false, false), LoginOutcome::Unreachable);
    EXPECT_EQ(later.failures(), 0);
    EXPECT_EQ(later.session().serviceBaseUrl, QStringLiteral("https://") + shop->host());
    EXPECT_EQ(shop->closedHandshakes(), 3);
    EXPECT_EQ(loginRequests(), 1) << "only the first login, over https";
    const QStringList log = logEntries(QStringLiteral("_WinHttp"));
    EXPECT_EQ(log.filter(QStringLiteral("logins() ... http://")).size(), 0) << log.join(u'|').toStdString();
    EXPECT_EQ(log.filter(QStringLiteral("(ServiceTls: ") + shop->host() + u')').size(), 2);

    // Another host name is another service: the same shop under it still logs in over http.
    gs().serviceHost = QStringLiteral("localhost:") + QString::number(shop->port());
    EXPECT_EQ(later.Login(kId, kPassword, false, false), LoginOutcome::Success);
    EXPECT_EQ(later.session().serviceBaseUrl, QStringLiteral("http://") + gs().serviceHost);
    EXPECT_EQ(httpsHosts(), shop->host());
}

}  // namespace
