// The form bodies and addresses as the web service expects them.
#include "server/endpoints.h"
#include "server/fields.h"
#include "startup/global_state.h"
#include "support/sumbrel_test.h"

using namespace sumbrel;

namespace {

class EndpointsTest : public sumbrel::testing::SumbrelTest {
protected:
    void SetUp() override
    {
        SumbrelTest::SetUp();
        gs().serviceBaseUrl = QStringLiteral("https://shop.example");
        gs().loginId = QStringLiteral("가게1");
        gs().loginPassword = QStringLiteral("pw");
    }
};

TEST_F(EndpointsTest, BodiesAndAddresses)
{
    const struct {
        QString got;
        QString expected;
    } cases[] = {
        {endpoints::Url(endpoints::kOrder), QStringLiteral("https://shop.example/program/TOorderProgram2.php")},
        {endpoints::LogoPictureUrl(QStringLiteral("12")), QStringLiteral("https://shop.example/logoimag/logo12_1.png")},
        {endpoints::MenuPictureUrl(QStringLiteral("305")), QStringLiteral("https://shop.example/menuimag/305.png")},
        {endpoints::LoginBody(QStringLiteral("a"), QStringLiteral("b")), QStringLiteral("ID=a&PassWord=b")},
        // What a person typed reaches the service's form parser unchanged.
        {endpoints::LoginBody(QStringLiteral("a+b"), QStringLiteral("a+b&c%41 1")),
         QStringLiteral("ID=a%2Bb&PassWord=a%2Bb%26c%2541 1")},
        {endpoints::FormValue(QStringLiteral("%2B&+ 가=?#")), QStringLiteral("%252B%26%2B 가=?#")},
        {endpoints::FormValue(QString()), QString()},
        {endpoints::CredentialsBody(), QStringLiteral("ID=가게1&PassWord=pw")},
        {endpoints::MenuPageBody(QStringLiteral("1")), QStringLiteral("ID=가게1&PassWord=pw&checktypes=1")},
        {endpoints::CatalogueBody(QStringLiteral("식사")), QStringLiteral("ID=가게1&PassWord=pw&category=식사")},
        {endpoints::LogoCheckBody(12), QStringLiteral("ID=가게1&PassWord=pw&logonum=12")},
        {endpoints::MenuPictureCheckBody(305), QStringLiteral("&menunum=305")},
        // A takeout without drive-through: "&taxi=" runs straight into the memo.
        {endpoints::OrderBody(QStringLiteral("01012345678"), QStringLiteral("포장"), QStringLiteral("0"), QString(),
                              QStringLiteral("<a>1</a>")),
         QStringLiteral("ID=가게1&PassWord=pw&phonet=01012345678&where=포장&pay=0&taxi=&memo=현장접수&menu=<a>1</a>")},
        {endpoints::OrderBody(QStringLiteral("0101234567"), QStringLiteral("매장식사"), QStringLiteral("1"),
                              QStringLiteral("1234"), EscapeField(QStringLiteral("50% + %41"))),
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
