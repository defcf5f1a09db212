// What the settings screen reads, writes and shows, without the screen.
#include "catalogue/menu_catalogue.h"
#include "settings/download_progress.h"
#include "settings/settings_rules.h"
#include "startup/ini.h"
#include "support/sumbrel_test.h"

using namespace sumbrel;
using namespace sumbrel::settings;
using sumbrel::testing::SumbrelTest;

namespace {

class SettingsRules : public SumbrelTest {
protected:
    QString stored(const QString& key) const { return ReadIni(QStringLiteral("Set"), key, configFilePath()); }
};

}  // namespace

TEST(SettingsIndexRules, StoredTextsToSelections)
{
    const struct {
        const char16_t* text;
        int alarm;  // lenient, negative is the first text
        int list3;  // strict, a list of three
        std::optional<int> volume;  // strict 0..100
    } cases[] = {
        {u"0", 0, 0, 0},
        {u"2", 2, 2, 2},
        {u"4", 4, kNoSelection, 4},
        {u"5", kNoSelection, kNoSelection, 5},
        {u"9", kNoSelection, kNoSelection, 9},
        {u"-3", 0, kNoSelection, std::nullopt},
        {u"", 0, kNoSelection, std::nullopt},
        {u"abc", 0, kNoSelection, std::nullopt},
        {u"1.0", 1, kNoSelection, std::nullopt},
        {u"2.6", 3, kNoSelection, std::nullopt},
        {u"1x", 1, kNoSelection, std::nullopt},
        {u" 1", 1, 1, 1},
        {u"100", kNoSelection, kNoSelection, 100},
        {u"101", kNoSelection, kNoSelection, std::nullopt},
        {u"99999999999", 0, kNoSelection, std::nullopt},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(AlarmKindIndex(text), c.alarm) << text.toStdString();
        EXPECT_EQ(StrictListIndex(text, 3), c.list3) << text.toStdString();
        EXPECT_EQ(StrictVolume(text), c.volume) << text.toStdString();
    }
    EXPECT_EQ(AlarmTexts().size(), 5);
    EXPECT_EQ(AlarmTexts()[2], QStringLiteral("2.준비되었습니다. 카운터로 오세요."));
    EXPECT_EQ(CallTimeTexts().join(u','), QStringLiteral("5초,7초,10초,15초,20초,30초"));
    EXPECT_EQ(CalledCustomerTexts().join(u','), QStringLiteral("5팀,10팀,15팀"));
    EXPECT_EQ(PreparingCustomerTexts().join(u','), QStringLiteral("사용안함,5팀,10팀"));
}

TEST_F(SettingsRules, OpeningAFreshFolderWritesTheFiveDefaults)
{
    const OpeningValues v = ReadOpeningValues();
    EXPECT_EQ(
        read(QStringLiteral("Mirdal.cfg")),
        QStringLiteral("[Set]\nalramsound=100\nvisiblesb1=0\nvisiblesb2=1\ncalltime=5초\ncalltext=호출되었습니다.\n"));
    EXPECT_EQ(v.alramsound, 100);
    EXPECT_EQ(v.alramkind, 0);
    EXPECT_EQ(v.visiblesb1, 0);
    EXPECT_EQ(v.visiblesb2, 1);
    EXPECT_EQ(v.calltime, QStringLiteral("5초"));
    EXPECT_EQ(v.calltext, QStringLiteral("호출되었습니다."));
    EXPECT_TRUE(v.imagefile.isEmpty() && v.bottomtext.isEmpty());
    EXPECT_FALSE(v.useDualMonitor);
    EXPECT_EQ(v.LeftC, 1024);
    EXPECT_EQ(v.TopO, 0);
}

TEST_F(SettingsRules, StoredValuesThatAreNoNumbersAreKeptAndShowNothing)
{
    const QByteArray file
        = "[Set]\r\nimagefile=/srv/call.png\r\nalramsound=loud\r\nalramkind=2\r\n"
          "visiblesb1=2\r\nvisiblesb2=7\r\ncalltime=8초\r\ncalltext=오세요\r\nbottomtext=감사합니다\r\n";
    write(QStringLiteral("Mirdal.cfg"), file);
    const OpeningValues v = ReadOpeningValues();
    EXPECT_EQ(read(QStringLiteral("Mirdal.cfg")).toUtf8(), file) << "nothing is written when no key is empty";
    EXPECT_EQ(v.imagefile, QStringLiteral("/srv/call.png"));
    EXPECT_EQ(v.alramsound, std::nullopt);
    EXPECT_EQ(EntryAtOpening(v).alramsound, kSliderStart);
    EXPECT_EQ(v.alramkind, 2);
    EXPECT_EQ(v.visiblesb1, 2);
    EXPECT_EQ(v.visiblesb2, kNoSelection);
    EXPECT_EQ(v.calltime, QStringLiteral("8초"));
    EXPECT_EQ(v.calltext, QStringLiteral("오세요"));
    EXPECT_EQ(v.bottomtext, QStringLiteral("감사합니다"));
}

TEST_F(SettingsRules, ClosingWritesEveryKeyInItsOrderAndThePlacement)
{
    ClosingValues c;
    c.bottomtext = QStringLiteral("하단");
    c.calltext = QStringLiteral("호출");
    c.alramsound = 35;
    c.alramkind = kNoSelection;
    c.visiblesb1 = 2;
    c.calltime = QStringLiteral("20초");
    c.visiblesb2 = 0;
    c.useDualMonitor = false;
    c.LeftC = QStringLiteral("1,280");
    c.TopC = QStringLiteral("abc");
    c.LeftO = QStringLiteral("-5");
    c.TopO = QStringLiteral("7.5");
    WriteClosingValues(c);
    EXPECT_EQ(read(QStringLiteral("Mirdal.cfg")),
              QStringLiteral("[Set]\nbottomtext=하단\ncalltext=호출\nalramsound=35\nalramkind=-1\nvisiblesb1=2\n"
                             "calltime=20초\nvisiblesb2=0\nUseDualMonitor=0\nLeftC=1280\nTopC=0\nLeftO=-5\nTopO=8\n"));

    // The next opening shows what was written.
    const OpeningValues next = ReadOpeningValues();
    EXPECT_FALSE(next.useDualMonitor);
    EXPECT_EQ(next.LeftC, 1280);
    EXPECT_EQ(next.TopC, 0);
    EXPECT_EQ(next.LeftO, -5);
    EXPECT_EQ(next.TopO, 8);

    // The while-open writes change their one key.
    WriteVolume(60);
    WriteBottomText(QStringLiteral("새 문구"));
    WriteCallText(QString());
    EXPECT_EQ(stored(QStringLiteral("alramsound")), QStringLiteral("60"));
    EXPECT_EQ(stored(QStringLiteral("bottomtext")), QStringLiteral("새 문구"));
    EXPECT_EQ(stored(QStringLiteral("calltext")), QString());
}

TEST_F(SettingsRules, DownloadPanelNamesTheFileOnItsWay)
{
    const MenuCatalogue catalogue = ParseMenuAnswer(
        QStringLiteral("<menubrr>num[305]num title[아이스 아메리카노]title category[커피]category</menubrr>"
                       "<menubrr>num[306]num title[]title category[커피]category</menubrr>"));
    const struct {
        int done, total;
        const char16_t* current;
        int value, maximum;
        const char16_t* count;
        const char16_t* item;
    } cases[] = {
        {0, 3, u"logo", 0, 3, u"1 / 3", u"로고"}, {1, 3, u"305", 1, 3, u"2 / 3", u"305 아이스 아메리카노"},
        {2, 3, u"306", 2, 3, u"3 / 3", u"306"},   {2, 3, u"999", 2, 3, u"3 / 3", u"999"},
        {3, 3, u"", 3, 3, u"3 / 3", u"완료"},     {5, 3, u"", 3, 3, u"3 / 3", u"완료"},
    };
    for (const auto& c : cases) {
        const DownloadPanel p = DownloadPanelFor(c.done, c.total, QString::fromUtf16(c.current), &catalogue);
        EXPECT_EQ(p.value, c.value);
        EXPECT_EQ(p.maximum, c.maximum);
        EXPECT_EQ(p.count, QString::fromUtf16(c.count));
        EXPECT_EQ(p.item, QString::fromUtf16(c.item));
    }
    EXPECT_EQ(DownloadPanelFor(1, 3, QStringLiteral("305"), nullptr).item, QStringLiteral("305"));
    EXPECT_EQ(DownloadSummaryText({85, 2, 1}), QStringLiteral("저장 85개 · 실패 2개 · 서버에 없음 1개"));
}
