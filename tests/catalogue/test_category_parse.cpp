// Cutting the category answer into CategoryTable, on answer texts.
#include "support/qstring_print.h"

#include "catalogue/category_table.h"
#include <gtest/gtest.h>

#include <QStringList>

using namespace sumbrel;

namespace {

QString Cat(const QString& num, const QString& name, const QString& fold = QStringLiteral("N"),
            const QString& yn = QStringLiteral("Y"))
{
    return QStringLiteral("<menubrr>num[") + num + QStringLiteral("]num category[") + name
        + QStringLiteral("]category discount[0]discount saving[1]saving YN[") + yn + QStringLiteral("]YN foldYN[")
        + fold + QStringLiteral("]foldYN</menubrr>\r\n");
}

TEST(CategoryParse, OnlyUncategorisedGivesNoRows)
{
    const CategoryTable t = ParseCategoryAnswer(Cat(QStringLiteral("8"), QStringLiteral("분류없음"))
                                                + Cat(QStringLiteral("9"), QStringLiteral("분류없음")));
    EXPECT_EQ(t.rowCount(), 0);
}

TEST(CategoryParse, UncategorisedInTheMiddleIsLeftOutWithoutASlot)
{
    const CategoryTable t = ParseCategoryAnswer(QStringLiteral("\r\n<!-- api -->\n")
                                                + Cat(QStringLiteral("1"), QStringLiteral("커피"))
                                                + Cat(QStringLiteral("2"), QStringLiteral("분류없음"))
                                                + Cat(QStringLiteral("3"), QStringLiteral("에이드!123!주스")));
    ASSERT_EQ(t.rowCount(), 2);
    EXPECT_EQ(t.row(0).num, QStringLiteral("1"));
    EXPECT_EQ(t.row(0).name, QStringLiteral("커피"));
    EXPECT_EQ(t.row(0).discount, QStringLiteral("0"));
    EXPECT_EQ(t.row(0).saving, QStringLiteral("1"));
    EXPECT_EQ(t.row(0).yn, QStringLiteral("Y"));
    EXPECT_EQ(t.row(1).num, QStringLiteral("3"));
    EXPECT_EQ(t.row(1).name, QStringLiteral("에이드＆주스"));
}

TEST(CategoryParse, FoldedOnlyForExactY)
{
    const struct {
        const char16_t* fold;
        bool folded;
    } cases[] = {{u"Y", true}, {u"N", false}, {u"y", false}, {u"", false}, {u" Y", false}, {u"YES", false}};
    for (const auto& c : cases) {
        const CategoryTable t = ParseCategoryAnswer(
            Cat(QStringLiteral("1"), QStringLiteral("커피"), QString::fromUtf16(c.fold)));
        ASSERT_EQ(t.rowCount(), 1);
        EXPECT_EQ(t.row(0).folded, c.folded) << QString::fromUtf16(c.fold).toStdString();
    }
    const CategoryTable missing = ParseCategoryAnswer(
        QStringLiteral("<menubrr>num[1]num category[a]category</menubrr>"));
    ASSERT_EQ(missing.rowCount(), 1);
    EXPECT_FALSE(missing.row(0).folded);
}

TEST(CategoryParse, YNNeedsTheBlankBeforeIt)
{
    // Without the blank only "foldYN[" holds "YN[": its value must not be taken for YN.
    const CategoryTable t = ParseCategoryAnswer(
        Cat(QStringLiteral("1"), QStringLiteral("커피"), QStringLiteral("N"), QStringLiteral("Q"))
        + QStringLiteral("<menubrr>num[2]num category[라떼]categoryYN[Q]YN foldYN[Y]foldYN</menubrr>")
        + QStringLiteral("<menubrr>num[3]num category[티]category foldYN[Y]foldYN</menubrr>"));
    ASSERT_EQ(t.rowCount(), 3);
    EXPECT_EQ(t.row(0).yn, QStringLiteral("Q"));
    // Missing (no blank before it): the value stays as the previous record left it.
    EXPECT_EQ(t.row(1).yn, QStringLiteral("Q"));
    EXPECT_EQ(t.row(2).yn, QStringLiteral("Q"));
    EXPECT_TRUE(t.row(1).folded);
}

TEST(CategoryParse, AMissingTagKeepsThePreviousRecordsValue)
{
    const CategoryTable t = ParseCategoryAnswer(Cat(QStringLiteral("1"), QStringLiteral("커피"), QStringLiteral("Y"))
                                                + QStringLiteral("<menubrr>num[2]num category[차]category</menubrr>")
                                                + QStringLiteral("<menubrr>num[3]num</menubrr>"));
    ASSERT_EQ(t.rowCount(), 3);
    EXPECT_EQ(t.row(1), (CategoryRecord{QStringLiteral("2"), QStringLiteral("차"), QStringLiteral("0"),
                                        QStringLiteral("1"), QStringLiteral("Y"), true}));
    EXPECT_EQ(t.row(2).num, QStringLiteral("3"));
    EXPECT_EQ(t.row(2).name, QStringLiteral("차"));
    // The first record has no previous one: empty, and not folded.
    const CategoryTable first = ParseCategoryAnswer(QStringLiteral("<menubrr>num[1]num category[a]category</menubrr>"));
    ASSERT_EQ(first.rowCount(), 1);
    EXPECT_EQ(first.row(0).yn, QString());
    EXPECT_FALSE(first.row(0).folded);
}

TEST(CategoryParse, MarkIsNotReplacedAndEmptyAnswersGiveNoRows)
{
    const CategoryTable t = ParseCategoryAnswer(Cat(QStringLiteral("1"), QStringLiteral("A◈B")));
    ASSERT_EQ(t.rowCount(), 1);
    EXPECT_EQ(t.row(0).name, QStringLiteral("A◈B"));
    for (const QString& answer : {QString(), QStringLiteral("로그인 실패\r\n"), QStringLiteral("num[1]num</menubrr>")})
        EXPECT_EQ(ParseCategoryAnswer(answer).rowCount(), 0);
}

}  // namespace
