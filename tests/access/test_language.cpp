// The customer's languages: each translation file keeps what its Korean text carries (every
// placeholder, no line break in a key), and choosing a language for the visit shows its texts and
// returns to Korean.
#include "access/language.h"

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

using namespace sumbrel::access;

namespace {

QStringList Placeholders(const QString& text)
{
    QStringList found;
    static const QRegularExpression kPlaceholder(QStringLiteral("%\\d"));
    for (auto it = kPlaceholder.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}

}  // namespace

TEST(Language, EveryTranslationKeepsItsPlaceholders)
{
    for (const LanguageInfo& info : kLanguages) {
        if (info.language == Language::Korean)
            continue;
        QFile file(QStringLiteral(SUMBREL_TRANSLATIONS_DIR "/sumbrel_%1.ts").arg(QLatin1String(info.code)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
        const QString raw = QString::fromUtf8(file.readAll());
        // A line break in a key does not survive the file's attribute: texts are split there.
        static const QRegularExpression kBrokenKey(QStringLiteral("<message id=\"[^\"]*\n"));
        EXPECT_FALSE(raw.contains(kBrokenKey)) << info.code;
        QXmlStreamReader xml(raw);
        QString id;
        int messages = 0;
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement())
                continue;
            if (xml.name() == u"message") {
                id = xml.attributes().value(QStringLiteral("id")).toString();
                ++messages;
            } else if (xml.name() == u"translation") {
                const QString translation = xml.readElementText();
                EXPECT_EQ(Placeholders(translation), Placeholders(id))
                    << info.code << ": " << id.toStdString() << " -> " << translation.toStdString();
            }
        }
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
        EXPECT_GT(messages, 0) << info.code;
    }
}

TEST(Language, TheVisitsLanguageShowsItsTextsAndKoreanComesBack)
{
    const struct {
        Language language;
        const char* won;
    } cases[] = {
        {Language::English, "₩4,500"},
        {Language::Chinese, "4,500韩元"},
        {Language::Japanese, "4,500ウォン"},
        {Language::Korean, "4,500원"},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(SetVisitLanguage(c.language)) << InfoOf(c.language).code;
        EXPECT_EQ(VisitLanguage(), c.language);
        EXPECT_EQ(Tr("%1원").arg(QStringLiteral("4,500")), QString::fromUtf8(c.won)) << InfoOf(c.language).code;
        // A text with no translation stays the Korean text.
        EXPECT_EQ(Tr("번역되지 않은 글"), QStringLiteral("번역되지 않은 글"));
    }
}

// espeak-ng's Japanese voice reads kana only: kanji are given in kana, and what is not Japanese (a
// Korean name from the shop, the won sign) reaches the voice untouched.
TEST(Language, JapaneseIsReadInKanaAndTheRestAsItStands)
{
    const struct {
        Language language;
        const char* text;
        const char* reading;
    } cases[] = {
        {Language::Japanese, "注文に追加", "ちゅうもんについか"},
        {Language::Japanese, "아메리카노を2個追加しました。₩4,500", "아메리카노を2こついかしました。₩4,500"},
        {Language::Japanese, "Americano, 4,500", "Americano, 4,500"},
        {Language::English, "注文に追加", "注文に追加"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SpokenReading(c.language, QString::fromUtf8(c.text)), QString::fromUtf8(c.reading)) << c.text;
}
