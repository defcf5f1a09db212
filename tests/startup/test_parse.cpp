#include "startup/parse.h"
#include "startup/phone.h"

#include <gtest/gtest.h>

using namespace sumbrel;

TEST(ParseLong, Table)
{
    struct Case {
        const char16_t* text;
        int32_t want;
    } cases[] = {
        {u"1,234", 1234},
        {u"  42  ", 42},
        {u"5초", 5},
        {u"abc", 0},
        {u"", 0},
        {u"TRUE", -1},
        {u"tRuE", -1},
        {u"false", 0},
        {u"-17", -17},
        {u"2.5", 2},
        {u"3.5", 4},
        {u"-2.5", -2},
        {u"0.5", 0},
        {u"1.5", 2},
        {u"2147483647", 2147483647},
        {u"2147483648", 0},
        {u"-2147483648", -2147483648},
        {u"99999999999", 0},
        {u"1-2", 1},
        {u"+7", 7},
        {u"-", 0},
        {u".", 0},
        {u"1.2.3", 1},
        {u"12abc34", 12},
        {u"--5", 0},
        {u".5", 0},
        {u"5.", 5},
        {u" 1", 1},
        {u"1 000", 1},
        {u"1,2,3,4", 1234},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseLong(QString::fromUtf16(c.text)), c.want) << QString::fromUtf16(c.text).toStdString();
    EXPECT_EQ(ParseLong(true), -1);
    EXPECT_EQ(ParseLong(2.5), 2);
    EXPECT_EQ(ParseLong(1e12), 0);
}

TEST(ParseAmount, ReadsAsParseLongButIn64Bits)
{
    struct Case {
        const char16_t* text;
        int64_t want;
    } cases[] = {
        {u"2147483648", 2147483648LL},
        {u"2,147,483,648원", 2147483648LL},
        {u"-3000000000", -3000000000LL},
        {u"9223372036854775807", INT64_MAX},
        {u"9223372036854775808", 0},
        {u"12345678901234567890", 0},
        {u"4294967296.5", 4294967296LL},
        {u"4294967297.5", 4294967298LL},
        {u"2.51", 3},
        {u"1,234", 1234},
        {u"5초", 5},
        {u"abc", 0},
        {u"", 0},
        {u"TRUE", -1},
        {u"1-2", 1},
        {u".5", 0},
        {u"--5", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseAmount(QString::fromUtf16(c.text)), c.want) << QString::fromUtf16(c.text).toStdString();
    // Sums and products follow the same rule: beyond the range, 0 (and never undefined arithmetic).
    EXPECT_EQ(AddAmounts(INT64_MAX - 1, 1), INT64_MAX);
    EXPECT_EQ(AddAmounts(INT64_MAX, 1), 0);
    EXPECT_EQ(AddAmounts(INT64_MIN, -1), 0);
    EXPECT_EQ(MultiplyAmounts(3037000499LL, 3037000499LL), 9223372030926249001LL);
    EXPECT_EQ(MultiplyAmounts(3037000500LL, 3037000500LL), 0);
    EXPECT_EQ(MultiplyAmounts(99, INT64_MAX / 98), 0);
}

TEST(ParseBool, Table)
{
    for (const char16_t* t : {u"Y", u"yes", u"1", u"-1", u"True", u"t", u"YES", u"7"})
        EXPECT_TRUE(ParseBool(QString::fromUtf16(t))) << QString::fromUtf16(t).toStdString();
    for (const char16_t* t : {u"0", u"False", u"", u"no", u"n", u"abc"})
        EXPECT_FALSE(ParseBool(QString::fromUtf16(t))) << QString::fromUtf16(t).toStdString();
}

TEST(IsNumericText, EmptyAndNumbers)
{
    EXPECT_TRUE(IsNumericText(QString()));
    EXPECT_TRUE(IsNumericText(QStringLiteral("01012345678")));
    EXPECT_TRUE(IsNumericText(QStringLiteral("-1.5")));
    EXPECT_FALSE(IsNumericText(QStringLiteral("010a2345678")));
    EXPECT_FALSE(IsNumericText(QStringLiteral(" ")));
}

TEST(SplitPhoneNumber, Table)
{
    struct Case {
        const char16_t* in;
        const char16_t* first;
        const char16_t* middle;
        const char16_t* last;
        int cls;
    } cases[] = {
        {u"010-1234-5678", u"010", u"1234", u"5678", kMobileNumber},
        {u"01012345678", u"010", u"1234", u"5678", kMobileNumber},
        {u"0101234567", u"010", u"123", u"4567", kMobileNumber},
        {u"02-123-4567", u"02", u"123", u"4567", kOtherNumber},
        {u"0212345678", u"02", u"1234", u"5678", kOtherNumber},
        {u"031-123-4567", u"031", u"123", u"4567", kOtherNumber},
        {u"1234567", u"", u"123", u"4567", kOtherNumber},
        {u"12345", u"", u"", u"", kNotANumber},
        {u"1234567890123", u"", u"", u"", kNotANumber},
        {u"010123456", u"", u"", u"", kNotANumber},
        {u"0101234567a", u"", u"", u"", kNotANumber},
        {u"(02)123-4567", u"", u"", u"", kNotANumber},
        {u"050512345678", u"0505", u"1234", u"5678", kOtherNumber},
        {u"011-123-4567", u"011", u"123", u"4567", kMobileNumber},
    };
    for (const auto& c : cases) {
        QString f, m, l;
        const int cls = SplitPhoneNumber(QString::fromUtf16(c.in), f, m, l);
        const std::string in = QString::fromUtf16(c.in).toStdString();
        EXPECT_EQ(cls, c.cls) << in;
        EXPECT_EQ(f, QString::fromUtf16(c.first)) << in;
        EXPECT_EQ(m, QString::fromUtf16(c.middle)) << in;
        EXPECT_EQ(l, QString::fromUtf16(c.last)) << in;
    }
}
