// The form bodies and addresses as the web service expects them.
#include "server/endpoints.h"
#include "server/fields.h"
#include "support/qstring_print.h"

#include <gtest/gtest.h>

using namespace sumbrel;

namespace {

TEST(Endpoints, BodiesAndAddresses)
{
    Session s;
    s.serviceBaseUrl = QStringLiteral("https://shop.example");
    s.loginId = QStringLiteral("가게1");
    s.loginPassword = QStringLiteral("pw");
    const struct {
        QString got;
        QString expected;
    } cases[] = {
        {endpoints::Url(s, endpoints::kOrder), QStringLiteral("https://shop.example/program/TOorderProgram2.php")},
        {endpoints::LogoPictureUrl(s, QStringLiteral("12")), QStringLiteral("https://shop.example/logoimag/logo12_1.png")},
        {endpoints::MenuPictureUrl(s, QStringLiteral("305")), QStringLiteral("https://shop.example/menuimag/305.png")},
        {endpoints::LoginBody(QStringLiteral("a"), QStringLiteral("b")), QStringLiteral("ID=a&PassWord=b")},
        // What a person typed reaches the service's form parser unchanged.
        {endpoints::LoginBody(QStringLiteral("a+b"), QStringLiteral("a+b&c%41 1")),
         QStringLiteral("ID=a%2Bb&PassWord=a%2Bb%26c%2541 1")},
        {endpoints::FormValue(QStringLiteral("%2B&+ 가=?#")), QStringLiteral("%252B%26%2B 가=?#")},
        {endpoints::FormValue(QString()), QString()},
        {endpoints::CredentialsBody(s), QStringLiteral("ID=가게1&PassWord=pw")},
        {endpoints::MenuPageBody(s, QStringLiteral("1")), QStringLiteral("ID=가게1&PassWord=pw&checktypes=1")},
        {endpoints::CatalogueBody(s, QStringLiteral("식사")), QStringLiteral("ID=가게1&PassWord=pw&category=식사")},
        {endpoints::LogoCheckBody(s, 12), QStringLiteral("ID=가게1&PassWord=pw&logonum=12")},
        {endpoints::MenuPictureCheckBody(305), QStringLiteral("&menunum=305")},
        // A takeout without drive-through: "&taxi=" runs straight into the memo.
        {endpoints::OrderBody(s, QStringLiteral("01012345678"), Dining::Takeout, Payment::Cash, QString(),
                              QStringLiteral("<a>1</a>")),
         QStringLiteral("ID=가게1&PassWord=pw&phonet=01012345678&where=포장&pay=0&taxi=&memo=현장접수&menu=<a>1</a>")},
        {endpoints::OrderBody(s, QStringLiteral("0101234567"), Dining::EatIn, Payment::Card, QStringLiteral("1234"),
                              EscapeField(QStringLiteral("50% + %41"))),
         QStringLiteral("ID=가게1&PassWord=pw&phonet=0101234567&where=매장식사&pay=1&taxi=1234&memo=현장접수"
                        "&menu=50%25 플랏뚜ㅋ %2541")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.got, c.expected);
}

TEST(TraceAnswer, LongAnswersAreCutWithTheirLength)
{
    const QString exact(endpoints::kTracedAnswerChars, u'a');
    EXPECT_EQ(endpoints::TraceAnswer(exact), exact);
    const QString longer = exact + QStringLiteral("bb");
    const QString traced = endpoints::TraceAnswer(longer);
    EXPECT_TRUE(traced.startsWith(exact));
    EXPECT_FALSE(traced.contains(u'b'));
    EXPECT_TRUE(traced.endsWith(QStringLiteral("(응답 65538자 중 앞 65536자만 기록)")))
        << traced.right(40).toStdString();
}

}  // namespace
