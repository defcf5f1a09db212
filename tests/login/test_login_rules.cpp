// The login's rules without a screen: the answer's clean-up, the success test, the stored options.
#include "login/login_rules.h"
#include "startup/stored_login.h"

#include <gtest/gtest.h>

using namespace sumbrel;

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
