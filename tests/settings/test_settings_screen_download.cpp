// "서버 이미지 불러오기" against the demo shop: the wait panel counts the files as they come down.
#include "catalogue/menu_catalogue.h"
#include "presentation/caption_key.h"
#include "settings/settings_screen_fixture.h"
#include "support/catalogue.h"
#include "support/demo_shop.h"
#include "support/shop_login.h"

#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QTest>

using namespace sumbrel;
using namespace sumbrel::testing;

TEST_F(SettingsScreenTest, DownloadFillsThePictureFolderWithVisibleProgress)
{
    DemoShop shop;
    session = LogInTo(shop);
    catalogue = std::make_shared<const MenuCatalogue>(FetchedCatalogue(session));
    const qsizetype rows = catalogue->takenCount();
    ASSERT_GT(rows, 10);
    const int total = 1 + int(rows);

    SettingsScreen& s = open();
    struct Seen {
        settings::DownloadPanel panel;
        bool panelShown;
        bool elementsLocked;
        int bar;
        QString count;
    };
    std::vector<Seen> seen;
    QObject::connect(&s, &SettingsScreen::downloadProgress, [&](const settings::DownloadPanel& p) {
        seen.push_back({p, WaitPanel(s)->isVisible(), !PictureDownloadKey(s)->isEnabled(), WaitProgress(s)->value(),
                        WaitCount(s)->text()});
        if (seen.size() == 2) {
            s.close();  // not while the pictures come down
            TerminateKey(s)->touch();
        }
    });
    PictureDownloadKey(s)->touch();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !s.isDownloading(); }, 60000));

    ASSERT_EQ(seen.size(), size_t(total + 1)) << "one report before each file and one at the end";
    for (size_t i = 0; i < seen.size(); ++i) {
        EXPECT_TRUE(seen[i].panelShown) << i;
        EXPECT_TRUE(seen[i].elementsLocked) << i;
        EXPECT_EQ(seen[i].bar, int(i)) << i;
        EXPECT_EQ(seen[i].count,
                  QString::number(std::min<int>(int(i) + 1, total)) + QStringLiteral(" / ") + QString::number(total));
    }
    EXPECT_EQ(seen[0].panel.item, QStringLiteral("로고"));
    EXPECT_EQ(seen[1].panel.item, QStringLiteral("101 에스프레소"));
    EXPECT_EQ(seen.back().panel.item, QStringLiteral("완료"));

    EXPECT_TRUE(s.isVisible()) << "closing was refused during the download";
    EXPECT_FALSE(WaitPanel(s)->isVisible());
    EXPECT_FALSE(s.isDownloading());
    EXPECT_TRUE(PictureDownloadKey(s)->isEnabled());

    // The demo shop serves a picture for all but four items, and the logo.
    const QStringList files = QDir(gs().menuImageFolder).entryList(QDir::Files);
    EXPECT_EQ(files.size(), total - 4);
    EXPECT_TRUE(files.contains(QStringLiteral("logo.png")));
    EXPECT_TRUE(files.contains(QStringLiteral("101.png")));
    const QString counts = QStringLiteral("저장 ") + QString::number(total - 4)
        + QStringLiteral("개 · 실패 0개 · 서버에 없음 4개");
    ASSERT_EQ(dialogs->messages.size(), 1);
    EXPECT_TRUE(dialogs->messages[0].text.contains(counts)) << dialogs->messages[0].text.toStdString();
    EXPECT_EQ(dialogs->messages[0].icon, MessageIcon::Information);
    EXPECT_TRUE(DownloadResult(s)->text().contains(counts));

    s.close();
    EXPECT_FALSE(s.isVisible());
}

TEST_F(SettingsScreenTest, TheStopKeyEndsADownloadAndTheScreenCanCloseThen)
{
    DemoShop shop;
    session = LogInTo(shop);
    catalogue = std::make_shared<const MenuCatalogue>(FetchedCatalogue(session));
    ASSERT_GT(catalogue->takenCount(), 6);
    // Every picture takes its time: the stop comes while one is under way.
    for (int num : {101, 102, 103, 104, 105, 106})
        shop.addFault(QStringLiteral("/menuimag/%1.png").arg(num), QStringLiteral("delay"),
                      {{QStringLiteral("delay_ms"), QStringLiteral("400")}});
    SettingsScreen& s = open();
    int reports = 0;
    QObject::connect(&s, &SettingsScreen::downloadProgress, [&](const settings::DownloadPanel&) {
        if (++reports == 3)
            StopDownloadKey(s)->touch();
    });
    PictureDownloadKey(s)->touch();
    EXPECT_TRUE(s.isDownloading()) << "the screen's thread is free while the pictures come";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !s.isDownloading(); }, 10000));
    EXPECT_LE(reports, 5);
    ASSERT_EQ(dialogs->messages.size(), 1);
    EXPECT_TRUE(dialogs->messages[0].text.startsWith(QStringLiteral("서버 이미지 불러오기를 중지했습니다.")));
    EXPECT_LE(QDir(gs().menuImageFolder).entryList(QDir::Files).size(), 3);
    s.close();
    EXPECT_FALSE(s.isVisible());
}
