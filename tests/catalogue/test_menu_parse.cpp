// Cutting the catalogue answer into MenuCatalogue, on answer texts.
#include "support/qstring_print.h"

#include "catalogue/menu_answer_builder.h"
#include "catalogue/menu_catalogue.h"
#include "server/fields.h"
#include "support/option_groups.h"
#include <gtest/gtest.h>

using namespace sumbrel;
using namespace sumbrel::testing;

namespace {

// The value of the tag in row r, as the record holds it.
QString V(const MenuCatalogue& t, qsizetype r, const std::string& tag)
{
    return t.row(r).value(tag);
}


QString Rec(const QString& num, QMap<QString, QString> values = {}, const QStringList& omit = {})
{
    values.insert(QStringLiteral("num"), num);
    return MenuRecordText(values, omit);
}

const QString kSizeGroup = GroupMarkup(
    QStringLiteral("Y"), QStringLiteral("N"), QStringLiteral("Size"), QStringLiteral("1"),
    {{QStringLiteral("Small"), QStringLiteral("0")}, {QStringLiteral("Large"), QStringLiteral("500")}});

TEST(MenuParse, EveryTagKeepsItsValue)
{
    const MenuCatalogue t = ParseMenuAnswer(kHead + Rec(QStringLiteral("7")));
    ASSERT_EQ(t.rowCount(), 1);
    for (const QString& tag : ServiceTagOrder()) {
        if (tag.startsWith(u"add"))
            continue;
        const QString expected = tag == u"num" ? QStringLiteral("7") : DefaultValue(tag);
        EXPECT_EQ(V(t, 0, tag.toStdString()), expected) << tag.toStdString();
    }
    EXPECT_FALSE(t.row(0).price.has_value()) << "vprice is no price";
}

TEST(MenuParse, UncategorisedRecordLeavesAnEmptySlotAtTheEnd)
{
    const QString answer = kHead + Rec(QStringLiteral("1"), {{QStringLiteral("title"), QStringLiteral("첫째")}})
        + Rec(QStringLiteral("2"), {{QStringLiteral("category"), QStringLiteral("분류없음")}})
        + Rec(QStringLiteral("3"), {{QStringLiteral("title"), QStringLiteral("셋째")}});
    const MenuCatalogue t = ParseMenuAnswer(answer);
    ASSERT_EQ(t.rowCount(), 3);
    EXPECT_EQ(t.takenCount(), 2);
    EXPECT_EQ(V(t, 0, "num"), QStringLiteral("1"));
    EXPECT_EQ(V(t, 0, "title"), QStringLiteral("첫째"));
    EXPECT_EQ(V(t, 1, "num"), QStringLiteral("3"));
    EXPECT_EQ(V(t, 1, "title"), QStringLiteral("셋째"));
    EXPECT_TRUE(t.row(2).isEmpty());
    EXPECT_EQ(t.FindMenu(u"2"), nullptr);
    ASSERT_NE(t.FindMenu(3L), nullptr);
    EXPECT_EQ(t.FindMenu(3L)->title, QStringLiteral("셋째"));
    EXPECT_EQ(t.FindMenu(u""), nullptr);  // the empty slot is no menu
}

TEST(MenuParse, UncategorisedIsComparedAfterDecoding)
{
    // The name arrives escaped like every free text; only the exact decoded name drops a record.
    const MenuCatalogue t = ParseMenuAnswer(
        Rec(QStringLiteral("1"), {{QStringLiteral("category"), QStringLiteral("분류없음 ")}})
        + Rec(QStringLiteral("2"), {{QStringLiteral("category"), QStringLiteral("음료!123!디저트")}}));
    ASSERT_EQ(t.takenCount(), 2);
    EXPECT_EQ(V(t, 0, "category"), QStringLiteral("분류없음 "));
    EXPECT_EQ(V(t, 1, "category"), QStringLiteral("음료＆디저트"));
}

TEST(MenuParse, PrintTextKeepsOnlyThreeParts)
{
    const struct {
        const char16_t* sent;
        const char16_t* stored;
    } cases[] = {
        {u"1;음료;7", u"1;음료;7"}, {u";;", u";;"}, {u"1;음료", u";;"},
        {u"1;음료;7;8", u";;"},     {u"", u";;"},   {u"음료", u";;"},
    };
    for (const auto& c : cases) {
        const MenuCatalogue t = ParseMenuAnswer(
            Rec(QStringLiteral("1"), {{QStringLiteral("printtext"), QString::fromUtf16(c.sent)}}));
        ASSERT_EQ(t.rowCount(), 1);
        EXPECT_EQ(V(t, 0, "printtext"), QString::fromUtf16(c.stored)) << QString::fromUtf16(c.sent).toStdString();
    }
}

TEST(MenuParse, FieldMarkBecomesTheHollowMarkEverywhere)
{
    const QString group = GroupMarkup(
        QStringLiteral("Y"), QStringLiteral("N◈"), QStringLiteral("크기◈"), QStringLiteral("1"),
        {{QStringLiteral("작은◈컵"), QStringLiteral("0")}, {QStringLiteral("큰컵"), QStringLiteral("5◈00")}});
    const MenuCatalogue t = ParseMenuAnswer(Rec(QStringLiteral("1"),
                                                {{QStringLiteral("title"), QStringLiteral("라떼◈아트")},
                                                 {QStringLiteral("price"), QStringLiteral("◈3000")},
                                                 {QStringLiteral("infotext2"), QStringLiteral("a◈b◈")},
                                                 {QStringLiteral("printtext"), QStringLiteral("1;음◈료;7")},
                                                 {QStringLiteral("add1"), group}}));
    ASSERT_EQ(t.rowCount(), 1);
    EXPECT_EQ(V(t, 0, "title"), QStringLiteral("라떼◇아트"));
    EXPECT_EQ(V(t, 0, "price"), QStringLiteral("◇3000"));
    EXPECT_EQ(V(t, 0, "infotext2"), QStringLiteral("a◇b◇"));
    EXPECT_EQ(V(t, 0, "printtext"), QStringLiteral("1;음◇료;7"));
    // The group's texts too; a price reads up to the mark.
    EXPECT_EQ(GroupText(t.row(0).groups[0]), QStringLiteral("N◇|크기◇|1|작은◇컵=0|큰컵=5"));
    for (int tag = 0; tag < kMenuTags; ++tag)
        EXPECT_FALSE(V(t, 0, MenuTagNames()[size_t(tag)].toString().toStdString()).contains(u'◈')) << tag;
}

// An add3 value -> its group (noOption|name|minimum|offered options).
TEST(MenuParse, OptionGroupTexts)
{
    const struct {
        const char* name;
        QString add3;
        QString stored;
    } cases[] = {
        {"the Size example", kSizeGroup, QStringLiteral("N|Size|1|Small=0|Large=500")},
        {"yn N still takes the group",
         GroupMarkup(QStringLiteral("N"), QStringLiteral("N"), QStringLiteral("Size"), QStringLiteral("1"),
                     {{QStringLiteral("Small"), QStringLiteral("0")}}),
         QStringLiteral("N|Size|1|Small=0")},
        {"empty yn",
         GroupMarkup(QString(), QStringLiteral("N"), QStringLiteral("Size"), QStringLiteral("1"),
                     {{QStringLiteral("Small"), QStringLiteral("0")}}),
         QString()},
        {"blank yn",
         GroupMarkup(QStringLiteral("   "), QStringLiteral("N"), QStringLiteral("Size"), QStringLiteral("1"),
                     {{QStringLiteral("Small"), QStringLiteral("0")}}),
         QString()},
        {"no yn element",
         QStringLiteral("<nooption>N</nooption><field>Size</field><mincount>1</mincount>"
                        "<subtitle>Small</subtitle><subprice>0</subprice>"),
         QString()},
        {"no subtitle",
         GroupMarkup(QStringLiteral("Y"), QStringLiteral("N"), QStringLiteral("Size"), QStringLiteral("1"), {}),
         QString()},
        {"header values trimmed, option texts not",
         GroupMarkup(QStringLiteral(" Y "), QStringLiteral(" N "), QStringLiteral("  Size "), QStringLiteral(" 2 "),
                     {{QStringLiteral(" Small "), QStringLiteral(" 0")}}),
         QStringLiteral("N|Size|2| Small =0")},
        {"option names decoded, group name as sent, prices read leniently",
         GroupMarkup(QStringLiteral("Y"), QStringLiteral("N"), QStringLiteral("샷!123!시럽"), QStringLiteral("0"),
                     {{QStringLiteral("헤이즐넛!123!카라멜"), QStringLiteral("500")},
                      {QStringLiteral("휘핑 플랏뚜ㅋ 드리즐"), QStringLiteral("7!123!0")}}),
         QStringLiteral("N|샷!123!시럽|0|헤이즐넛＆카라멜=500|휘핑 + 드리즐=7")},
        {"text after the last price is not part of it", kSizeGroup + QStringLiteral("<extra>x</extra>"),
         QStringLiteral("N|Size|1|Small=0|Large=500")},
        {"a group whose only option has no name is given but not offered",
         GroupMarkup(QStringLiteral("Y"), QStringLiteral("N"), QStringLiteral("F"), QStringLiteral("1"),
                     {{QString(), QString()}}),
         QStringLiteral("N")},
        {"option without a price",
         QStringLiteral("<yn>Y</yn><nooption>N</nooption><field>F</field>"
                        "<mincount>1</mincount><subtitle>A</subtitle>"
                        "<subtitle>B</subtitle><subprice>9</subprice>"),
         QStringLiteral("N|F|1|A=0|B=9")},
    };
    for (const auto& c : cases) {
        const MenuCatalogue t = ParseMenuAnswer(Rec(QStringLiteral("1"), {{QStringLiteral("add3"), c.add3}}));
        ASSERT_EQ(t.rowCount(), 1) << c.name;
        EXPECT_EQ(GroupText(t.row(0).groups[2]), c.stored) << c.name;
        for (int j : {0, 1, 3, 4})
            EXPECT_FALSE(t.row(0).groups[size_t(j)].given) << c.name;
    }
}

TEST(MenuParse, GroupsAreNotCompacted)
{
    const MenuCatalogue t = ParseMenuAnswer(Rec(QStringLiteral("1"),
                                                {{QStringLiteral("add1"), kSizeGroup},
                                                 {QStringLiteral("add3"), kSizeGroup},
                                                 {QStringLiteral("add5"), kSizeGroup}}));
    ASSERT_EQ(t.rowCount(), 1);
    EXPECT_EQ(t.row(0).optionGroupCount(), 3);
    EXPECT_FALSE(GroupText(t.row(0).groups[0]).isEmpty());
    EXPECT_TRUE(GroupText(t.row(0).groups[1]).isEmpty());
    EXPECT_FALSE(GroupText(t.row(0).groups[2]).isEmpty());
    EXPECT_TRUE(GroupText(t.row(0).groups[3]).isEmpty());
    EXPECT_EQ(GroupText(t.row(0).groups[4]), GroupText(t.row(0).groups[0]));
}

TEST(MenuParse, AnswersWithoutRecordsLeaveNoRows)
{
    for (const QString& answer : {QString(), QStringLiteral("\r\n\r\n"), QStringLiteral("로그인 실패\r\n"),
                                  QStringLiteral("num[1]num title[x]title</menubrr>")}) {
        const MenuCatalogue t = ParseMenuAnswer(answer);
        EXPECT_EQ(t.rowCount(), 0) << answer.toStdString();
        EXPECT_EQ(t.FindMenu(1L), nullptr);
    }
}

TEST(MenuParse, NumWrittenFirstIsNotTakenFromTheDateNumbers)
{
    const MenuCatalogue t = ParseMenuAnswer(Rec(QStringLiteral("42"),
                                                {{QStringLiteral("SOregdate1num"), QStringLiteral("5")},
                                                 {QStringLiteral("SOregdate2num"), QStringLiteral("6")}}));
    ASSERT_EQ(t.rowCount(), 1);
    EXPECT_EQ(V(t, 0, "num"), QStringLiteral("42"));
    EXPECT_EQ(V(t, 0, "SOregdate1num"), QStringLiteral("5"));
    EXPECT_EQ(V(t, 0, "SOregdate2num"), QStringLiteral("6"));
    EXPECT_EQ(V(t, 0, "SOregdate1num2"), QStringLiteral("vSOregdate1num2"));
}

TEST(MenuParse, NumAfterTheDateNumbersIsCutFromTheFirstNumOpening)
{
    // The cutter takes the first "num[" of the record, which then is the one inside "SOregdate1num[":
    // the service must write num first.
    QStringList order = ServiceTagOrder();
    order.removeAll(QStringLiteral("num"));
    order.append(QStringLiteral("num"));
    const MenuCatalogue t = ParseMenuAnswer(MenuRecordText(
        {{QStringLiteral("num"), QStringLiteral("42")}, {QStringLiteral("SOregdate1num"), QStringLiteral("5")}}, {},
        QStringLiteral("|"), order));
    ASSERT_EQ(t.rowCount(), 1);
    EXPECT_TRUE(V(t, 0, "num").startsWith(QStringLiteral("5]SOregdate1num|"))) << V(t, 0, "num").toStdString();
    EXPECT_TRUE(V(t, 0, "num").endsWith(QStringLiteral("|num[42"))) << V(t, 0, "num").toStdString();
    EXPECT_EQ(V(t, 0, "SOregdate1num"), QStringLiteral("5"));
}

TEST(MenuParse, MissingTagStoresEmptyTextNotThePreviousRecordsValue)
{
    const MenuCatalogue t = ParseMenuAnswer(
        Rec(QStringLiteral("1"),
            {{QStringLiteral("price"), QStringLiteral("1000")}, {QStringLiteral("add1"), kSizeGroup}})
        + Rec(QStringLiteral("2"), {},
              {QStringLiteral("price"), QStringLiteral("add1"), QStringLiteral("printtext"),
               QStringLiteral("soldoutYN"), QStringLiteral("title")})
        + Rec(QStringLiteral("3"), {}, {QStringLiteral("category")}));
    ASSERT_EQ(t.rowCount(), 3);
    EXPECT_EQ(V(t, 0, "price"), QStringLiteral("1000"));
    EXPECT_EQ(V(t, 1, "price"), QString());
    EXPECT_EQ(V(t, 1, "title"), QString());
    EXPECT_EQ(GroupText(t.row(1).groups[0]), QString());
    EXPECT_EQ(V(t, 1, "soldoutYN"), QString());
    EXPECT_EQ(V(t, 1, "printtext"), QStringLiteral(";;"));  // an empty printtext is not three parts
    EXPECT_EQ(V(t, 1, "type"), QStringLiteral("vtype"));
    // A record without category is no "분류없음" record: it is kept.
    EXPECT_EQ(V(t, 2, "num"), QStringLiteral("3"));
    EXPECT_EQ(V(t, 2, "category"), QString());
}

TEST(MenuParse, RecordFramingAndLooseWriting)
{
    // No separators between fields, a record without "</menubrr>", free text with brackets,
    // and an unclosed last field that runs to the end of its record.
    const QString answer = QStringLiteral("<menubrr>num[1]numtitle[a[b]c]titlecategory[커피]category")
        + QStringLiteral("<menubrr>") + QStringLiteral("num[2]num title[둘]title infotext1[x]infotext1 ")
        + QStringLiteral("</menubrr> price[999]price\r\n")
        + QStringLiteral("<menubrr>num[3]num price[300]price title[끝");
    const MenuCatalogue t = ParseMenuAnswer(answer);
    ASSERT_EQ(t.rowCount(), 3);
    EXPECT_EQ(V(t, 0, "num"), QStringLiteral("1"));
    EXPECT_EQ(V(t, 0, "title"), QStringLiteral("a[b]c"));
    EXPECT_EQ(V(t, 0, "category"), QStringLiteral("커피"));
    EXPECT_EQ(V(t, 1, "num"), QStringLiteral("2"));
    EXPECT_EQ(V(t, 1, "infotext1"), QStringLiteral("x"));
    EXPECT_EQ(V(t, 1, "price"), QString());  // after "</menubrr>": not part of the record
    EXPECT_EQ(V(t, 2, "price"), QStringLiteral("300"));
    EXPECT_EQ(V(t, 2, "title"), QStringLiteral("끝"));
}

TEST(MenuParse, FreeTextsAreDecodedTheRestAsSent)
{
    const MenuCatalogue t = ParseMenuAnswer(Rec(QStringLiteral("1"),
                                                {{QStringLiteral("title"), QStringLiteral("A플랏뚜ㅋB")},
                                                 {QStringLiteral("infotext1"), QStringLiteral("x!123!y")},
                                                 {QStringLiteral("infotext2"), QStringLiteral("줄1!줄바꿈!줄2")},
                                                 {QStringLiteral("price"), QStringLiteral("1!123!0")},
                                                 {QStringLiteral("positemnumber"), QStringLiteral("P플랏뚜ㅋ")}}));
    ASSERT_EQ(t.rowCount(), 1);
    EXPECT_EQ(V(t, 0, "title"), QStringLiteral("A+B"));
    EXPECT_EQ(V(t, 0, "infotext1"), QStringLiteral("x＆y"));
    EXPECT_EQ(V(t, 0, "infotext2"), QStringLiteral("줄1\r\n줄2"));
    EXPECT_EQ(V(t, 0, "price"), QStringLiteral("1!123!0"));
    EXPECT_EQ(V(t, 0, "positemnumber"), QStringLiteral("P플랏뚜ㅋ"));
}

TEST(MenuParse, FirstRowOfADuplicatedNumberIsFound)
{
    const MenuCatalogue t = ParseMenuAnswer(
        Rec(QStringLiteral("5"), {{QStringLiteral("title"), QStringLiteral("앞")}})
        + Rec(QStringLiteral("5"), {{QStringLiteral("title"), QStringLiteral("뒤")}}));
    ASSERT_EQ(t.rowCount(), 2);
    EXPECT_EQ(t.FindRow(u"5"), 0);
    EXPECT_EQ(t.FindMenu(5L)->title, QStringLiteral("앞"));
}

}  // namespace

TEST(MenuParse, DecodingResolvesOverlappingFormsAsUnescapeField)
{
    // The reader decodes in place; overlapping forms must still resolve in UnescapeField's order.
    for (const char16_t* sent : {u"!줄바꿈!123!", u"ccdd!!123!", u"!123!줄바꿈!", u"플랏뚜ㅋ!줄!!줄!", u"a!줄!123!b",
                                 u"ccdd!!!줄!", u"!!123!!", u"끝 플랏뚜", u"!줄바꿈", u"plain"}) {
        const QString text = QString::fromUtf16(sent);
        EXPECT_EQ(DecodeText(text), UnescapeField(text)) << text.toStdString();
        const MenuCatalogue t = ParseMenuAnswer(Rec(QStringLiteral("1"), {{QStringLiteral("title"), text}}));
        ASSERT_EQ(t.takenCount(), 1);
        EXPECT_EQ(t.row(0).title, UnescapeField(text)) << text.toStdString();
    }
}
