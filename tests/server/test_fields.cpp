// Answer fields, record counting and the escaping of free texts.
#include "server/fields.h"
#include "startup/trace_log.h"
#include "support/qstring_print.h"

#include <gtest/gtest.h>

using namespace sumbrel;

namespace {

struct FieldCase {
    const char* what;
    QString answer;
    QString name;
    std::optional<QString> expected;
};

class FieldTest : public ::testing::TestWithParam<FieldCase> { };

TEST_P(FieldTest, Extracts)
{
    const FieldCase& c = GetParam();
    const std::optional<QString> got = Field(c.answer, c.name);
    ASSERT_EQ(got.has_value(), c.expected.has_value());
    if (got) {
        EXPECT_EQ(*got, *c.expected);
    }
}

const QString kNone;  // a missing field

INSTANTIATE_TEST_SUITE_P(
    Cases, FieldTest,
    ::testing::Values(
        FieldCase{"name_with_blanks", QStringLiteral("성공\r\n번호[12]번호storename[ 김밥 천국 ]storename"),
                  QStringLiteral("storename"), QStringLiteral(" 김밥 천국 ")},
        FieldCase{"korean_name", QStringLiteral("번호[12]번호"), QStringLiteral("번호"), QStringLiteral("12")},
        FieldCase{"empty_is_not_missing", QStringLiteral("count[]count"), QStringLiteral("count"), QString()},
        FieldCase{"missing", QStringLiteral("time[5]time"), QStringLiteral("count"), std::nullopt},
        FieldCase{"closing_alone_is_missing", QStringLiteral("]count"), QStringLiteral("count"), std::nullopt},
        FieldCase{"case_sensitive", QStringLiteral("Count[3]Count"), QStringLiteral("count"), std::nullopt},
        FieldCase{"discount_trap", QStringLiteral("discount[10]discount"), QStringLiteral("count"),
                  QStringLiteral("10]discount")},
        FieldCase{"first_occurrence_wins", QStringLiteral("discount[10]discount count[3]count"),
                  QStringLiteral("count"), QStringLiteral("10]discount ")},
        FieldCase{"unclosed_to_end", QStringLiteral("a[1]a storename[김밥\r\n끝"), QStringLiteral("storename"),
                  QStringLiteral("김밥\r\n끝")},
        FieldCase{"unclosed_to_next_opening", QStringLiteral("storename[A storename[B]storename"),
                  QStringLiteral("storename"), QStringLiteral("A ")},
        FieldCase{"closing_after_next_opening_not_taken", QStringLiteral("x[1 y x[2]x"), QStringLiteral("x"),
                  QStringLiteral("1 y ")},
        FieldCase{"first_closing_ends", QStringLiteral("t[a]tb]t"), QStringLiteral("t"), QStringLiteral("a")},
        FieldCase{"at_the_very_end", QStringLiteral("count["), QStringLiteral("count"), QString()}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(FieldHelpers, Fallback)
{
    const QString answer = QStringLiteral("count[7]count");
    EXPECT_EQ(FieldOr(answer, u"count", QStringLiteral("x")), QStringLiteral("7"));
    EXPECT_EQ(FieldOr(answer, u"time", QStringLiteral("x")), QStringLiteral("x"));
}

TEST(CountOccurrencesTest, Records)
{
    const QString rec = QStringLiteral("<menubrr>num[1]num</menubrr>");
    struct Case {
        QString text;
        QString delimiter;
        QString expected;
    };
    const Case cases[] = {
        {QString(), QStringLiteral("<menubrr>"), QStringLiteral("0")},
        {QStringLiteral("성공 but no records"), QStringLiteral("<menubrr>"), QStringLiteral("0")},
        {rec + u'\n' + rec, QStringLiteral("<menubrr>"), QStringLiteral("2")},
        {rec + rec, QStringLiteral("</menubrr>"), QStringLiteral("2")},
        {QStringLiteral("aaaa"), QStringLiteral("aa"), QStringLiteral("2")},  // non-overlapping
        {QStringLiteral("aaa"), QStringLiteral("aa"), QStringLiteral("1")},
        {QStringLiteral("<MENUBRR>"), QStringLiteral("<menubrr>"), QStringLiteral("0")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CountOccurrences(c.text, c.delimiter), c.expected) << c.text.toStdString();
        EXPECT_EQ(CountOf(c.text, c.delimiter), c.expected.toLongLong());
    }
}

struct EscapeCase {
    const char* what;
    QString plain;
    QString encoded;
};

class EncodeTest : public ::testing::TestWithParam<EscapeCase> { };

TEST_P(EncodeTest, Encodes)
{
    EXPECT_EQ(EscapeField(GetParam().plain), GetParam().encoded);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EncodeTest,
    ::testing::Values(EscapeCase{"plus_amp_blank", QStringLiteral("a + b & c"), QStringLiteral("a 플랏뚜ㅋ b !123! c")},
                      EscapeCase{"fullwidth_amp", QStringLiteral("x＆y"), QStringLiteral("x!123!y")},
                      EscapeCase{"crlf", QStringLiteral("줄1\r\n줄2"), QStringLiteral("줄1!줄바꿈!줄2")},
                      EscapeCase{"lone_lf", QStringLiteral("줄1\n줄2"), QStringLiteral("줄1!줄!줄2")},
                      EscapeCase{"lone_cr_unchanged", QStringLiteral("a\rb"), QStringLiteral("a\rb")},
                      EscapeCase{"cr_cr_lf", QStringLiteral("a\r\r\nb"), QStringLiteral("a\r!줄바꿈!b")},
                      EscapeCase{"lf_cr_is_not_a_pair", QStringLiteral("a\n\rb"), QStringLiteral("a!줄!\rb")},
                      EscapeCase{"trailing_cr", QStringLiteral("a\r"), QStringLiteral("a\r")},
                      EscapeCase{"percent_untouched", QStringLiteral("100% %41"), QStringLiteral("100% %41")},
                      EscapeCase{"empty", QString(), QString()}),
    [](const auto& info) { return std::string(info.param.what); });

class DecodeTest : public ::testing::TestWithParam<EscapeCase> { };

TEST_P(DecodeTest, Decodes)
{
    EXPECT_EQ(UnescapeField(GetParam().encoded), GetParam().plain);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DecodeTest,
    ::testing::Values(EscapeCase{"ccdd", QStringLiteral("+"), QStringLiteral("ccdd!!")},
                      EscapeCase{"plus", QStringLiteral("a+b"), QStringLiteral("a플랏뚜ㅋb")},
                      EscapeCase{"amp_comes_back_fullwidth", QStringLiteral("a＆b"), QStringLiteral("a!123!b")},
                      EscapeCase{"crlf", QStringLiteral("1\r\n2"), QStringLiteral("1!줄바꿈!2")},
                      EscapeCase{"lone_lf_comes_back_crlf", QStringLiteral("1\r\n2"), QStringLiteral("1!줄!2")},
                      // The first replacement takes the "!" that "!123!" would need.
                      EscapeCase{"ccdd_before_123", QStringLiteral("+123!"), QStringLiteral("ccdd!!123!")},
                      EscapeCase{"no_markers", QStringLiteral("김밥 & 라면"), QStringLiteral("김밥 & 라면")}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(EscapeRoundTrip, PlusAmpersandAndLineBreaks)
{
    const QString plain = QStringLiteral("김밥 + 라면 & 콜라\r\n둘째 줄\n셋째");
    EXPECT_EQ(UnescapeField(EscapeField(plain)), QStringLiteral("김밥 + 라면 ＆ 콜라\r\n둘째 줄\r\n셋째"));
}

TEST(EscapeScaling, LongTextsStayLinear)
{
    // Half a million markers each way: a quadratic replacement would take minutes here.
    QString plain;
    for (int i = 0; i < 100000; ++i)
        plain += QStringLiteral("a+b&c\r\nd\ne");
    const QString encoded = EscapeField(plain);
    EXPECT_EQ(CountOf(encoded, u"!줄바꿈!"), 100000);
    EXPECT_EQ(CountOf(encoded, u"!줄!"), 100000);
    const QString decoded = UnescapeField(encoded);
    EXPECT_EQ(CountOf(decoded, u"\r\n"), 200000);
    EXPECT_EQ(CountOf(decoded, u"＆"), 100000);
}

}  // namespace
