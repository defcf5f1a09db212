// The picture and logo download against the demo shop service.
#include "catalogue/menu_catalogue.h"
#include "catalogue/picture_check.h"
#include "catalogue/picture_download.h"
#include "server/endpoints.h"
#include "support/shop_test.h"

#include <QDir>
#include <QJsonObject>
#include <future>

using namespace sumbrel;
using namespace sumbrel::testing;

namespace {

class PictureDownload : public ShopTest {
protected:
    void SetUp() override
    {
        ShopTest::SetUp();
        ASSERT_TRUE(QDir().mkpath(gs().menuImageFolder));
    }
    QString local(const QString& name) const { return gs().menuImageFolder + u'/' + name; }
    QByteArray served(int num) const
    {
        return ReadFile(shop->dataDir() + QStringLiteral("/menuimag/") + QString::number(num) + QStringLiteral(".png"));
    }
    QByteArray servedLogo() const { return ReadFile(shop->dataDir() + QStringLiteral("/logoimag/logo12_1.png")); }
    // What a run works from: the session, the picture folder and the catalogue of the test.
    PictureSource source() const { return {session, gs().menuImageFolder, catalogue}; }
    // A catalogue of the given rows (no HTTP): num + category + title per row.
    void useCatalogue(const QList<int>& nums, int emptySlots = 0)
    {
        QString answer;
        for (int n : nums)
            answer += QStringLiteral("<menubrr>num[") + QString::number(n) + QStringLiteral("]num title[메뉴")
                + QString::number(n) + QStringLiteral("]title category[커피]category</menubrr>");
        for (int i = 0; i < emptySlots; ++i)
            answer += QStringLiteral("<menubrr>num[0]num category[분류없음]category</menubrr>");
        catalogue = std::make_shared<const MenuCatalogue>(ParseMenuAnswer(answer));
    }
    QStringList generalLog() const { return logEntries(QString()); }

    std::shared_ptr<const MenuCatalogue> catalogue;
};

TEST_F(PictureDownload, RunFillsTheFolderWithTheServicesPictures)
{
    std::optional<MenuCatalogue> fetched = FetchMenuCatalogue(session, QStringLiteral("전체"));
    ASSERT_TRUE(fetched);
    catalogue = std::make_shared<const MenuCatalogue>(std::move(*fetched));
    const MenuCatalogue& t = *catalogue;
    ASSERT_EQ(t.takenCount(), 57);
    shop->clearRequests();

    std::vector<std::tuple<int, int, QString>> calls;
    const DownloadSummary summary = DownloadPictures(
        source(),
        [&](int done, int total, const QString& current) { calls.emplace_back(done, total, current); });

    // The four items that have no picture at the service, and none of the dropped "분류없음" items.
    const QList<int> without = {110, 122, 147, 152};
    EXPECT_EQ(summary.stored, 1 + 57 - int(without.size()));
    EXPECT_EQ(summary.absent, int(without.size()));
    EXPECT_EQ(summary.failed, 0);
    EXPECT_EQ(ReadFile(local(QStringLiteral("logo.png"))), servedLogo());
    EXPECT_FALSE(servedLogo().isEmpty());
    for (qsizetype r = 0; r < t.takenCount(); ++r) {
        const int num = t.row(r).num.toInt();
        const QString file = local(QString::number(num) + QStringLiteral(".png"));
        if (without.contains(num)) {
            EXPECT_FALSE(QFile::exists(file)) << num;
        } else {
            ASSERT_FALSE(served(num).isEmpty()) << num;
            EXPECT_EQ(ReadFile(file), served(num)) << num;
        }
    }
    EXPECT_EQ(QDir(gs().menuImageFolder).entryList(QDir::Files).size(), 1 + 57 - without.size());

    // Progress: before each file and once at the end.
    ASSERT_EQ(calls.size(), size_t(1 + 57 + 1));
    for (size_t i = 0; i < calls.size(); ++i) {
        EXPECT_EQ(std::get<0>(calls[i]), int(i));
        EXPECT_EQ(std::get<1>(calls[i]), 58);
    }
    EXPECT_EQ(std::get<2>(calls[1]), QStringLiteral("101"));

    // One check per taken row; the empty slots at the end ask for nothing.
    int checks = 0;
    for (const auto& v : shop->requests()) {
        const QJsonObject req = v.toObject();
        if (req.value(QStringLiteral("path")).toString() == u"/menuexistCheck.php") {
            ++checks;
            EXPECT_NE(req.value(QStringLiteral("raw_body")).toString(), QStringLiteral("&menunum=0"));
        }
    }
    EXPECT_EQ(checks, 57);

    const QStringList log = generalLog();
    const QString base = shop->httpBase();
    EXPECT_TRUE(log.contains(QStringLiteral("서버에서 로고 다운로드 성공: ") + base
                             + QStringLiteral("/logoimag/logo12_1.png")));
    EXPECT_TRUE(log.contains(QStringLiteral("커피→에스프레소")));
    EXPECT_TRUE(
        log.contains(QStringLiteral("서버에서 이미지 다운로드 성공: ") + base + QStringLiteral("/menuimag/101.png")));
    EXPECT_TRUE(log.contains(QStringLiteral("서버에 이미지 없음: 110")));
    EXPECT_FALSE(log.contains(QStringLiteral("→")));  // no line for an empty slot
    const qsizetype title = log.indexOf(QStringLiteral("커피→롱블랙"));
    ASSERT_GE(title, 0);
    EXPECT_EQ(log.value(title + 1), QStringLiteral("서버에 이미지 없음: 110"));
}

TEST_F(PictureDownload, ExistenceChecksSendTheirBodiesAndLookForTheWord)
{
    shop->clearRequests();
    EXPECT_TRUE(LogoPictureExists(session, 12));
    EXPECT_FALSE(LogoPictureExists(session, 13));
    EXPECT_TRUE(MenuPictureExists(session, 103));
    EXPECT_FALSE(MenuPictureExists(session, 110));
    const QJsonArray requests = shop->requests();
    ASSERT_EQ(requests.size(), 4);
    EXPECT_EQ(requests[0].toObject().value(QStringLiteral("raw_body")).toString(),
              QStringLiteral("ID=demo&PassWord=demo1234&logonum=12"));
    EXPECT_EQ(requests[2].toObject().value(QStringLiteral("raw_body")).toString(), QStringLiteral("&menunum=103"));
    const QStringList lines = logEntries(QStringLiteral("_WinHttp_3"));
    ASSERT_EQ(lines.size(), 8);
    EXPECT_EQ(lines[4],
              QStringLiteral("MenuExistCheck() ... ") + shop->httpBase()
                  + QStringLiteral("/menuexistCheck.php?&menunum=103"));
    EXPECT_EQ(lines[5], QStringLiteral("MenuExistCheck() ... ResponseStr:\r\n있음"));

    // "있음" inside a longer answer counts; other texts and a failed exchange do not.
    shop->setFault(QStringLiteral("/menuexistCheck.php"), QStringLiteral("status"), 1, 200, 0,
                   QStringLiteral("<p>파일 있음 (200)</p>"));
    EXPECT_TRUE(MenuPictureExists(session, 110));
    shop->setFault(QStringLiteral("/menuexistCheck.php"), QStringLiteral("status"), 1, 200, 0, QStringLiteral("없 음"));
    EXPECT_FALSE(MenuPictureExists(session, 103));
    shop->setFault(QStringLiteral("/menuexistCheck.php"), QStringLiteral("close"), 3);
    EXPECT_FALSE(MenuPictureExists(session, 103));
}

TEST_F(PictureDownload, FileNameOfAUrl)
{
    const struct {
        const char16_t* url;
        const char16_t* name;
    } cases[] = {
        {u"http://h/menuimag/305.png", u"305.png"},
        {u"http://h/menuimag/305.png?v=2", u"305.pngv=2"},
        {u"http://h/a?b/30?5.png", u"305.png"},
        {u"http://h/menuimag/", u""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PictureFileName(QString::fromUtf16(c.url)), QString::fromUtf16(c.name));
}

TEST_F(PictureDownload, RefusedOrCutDownloadLeavesTheOldPicture)
{
    const QByteArray old = QByteArray("old picture bytes\0\x01\x02", 20);
    const QString url = endpoints::MenuPictureUrl(session, QStringLiteral("103"));
    const struct {
        const char* name;
        const char* kind;
        int status;
        QMap<QString, QString> settings;
    } faults[] = {
        {"404", "status", 404, {}},
        {"500", "status", 500, {}},
        {"dropped connection", "close", 0, {}},
        // A proxy's page in place of the picture, and a picture larger than any menu needs.
        {"html page",
         "garbage",
         0,
         {{QStringLiteral("body"), QStringLiteral("<html><body>Please log in to the Wi-Fi</body></html>")},
          {QStringLiteral("content_type"), QStringLiteral("text/html")}}},
        {"6 MB",
         "huge",
         0,
         {{QStringLiteral("size"), QString::number(6 * 1024 * 1024)},
          {QStringLiteral("content_type"), QStringLiteral("image/png")}}},
    };
    for (const auto& f : faults) {
        WriteFile(local(QStringLiteral("103.png")), old);
        QMap<QString, QString> settings = f.settings;
        if (f.status)
            settings.insert(QStringLiteral("status"), QString::number(f.status));
        shop->addFault(QStringLiteral("/menuimag/103.png"), QString::fromLatin1(f.kind), settings);
        EXPECT_FALSE(DownloadPicture(url, gs().menuImageFolder, false)) << f.name;
        EXPECT_EQ(ReadFile(local(QStringLiteral("103.png"))), old) << f.name;
        EXPECT_EQ(QDir(gs().menuImageFolder).entryList(QDir::Files), QStringList{QStringLiteral("103.png")}) << f.name;
    }
    // A refused picture that was not there before is not created either.
    shop->setFault(QStringLiteral("/menuimag/104.png"), QStringLiteral("status"), 1, 404);
    EXPECT_FALSE(DownloadPicture(endpoints::MenuPictureUrl(session, QStringLiteral("104")), gs().menuImageFolder, false));
    EXPECT_FALSE(QFile::exists(local(QStringLiteral("104.png"))));
    // The failure is traced under the procedure's name.
    bool traced = false;
    for (const QString& line : generalLog())
        traced |= line.startsWith(QStringLiteral("e)lib_MenuAdd->LoadURLMenuImage[Erl:="));
    EXPECT_TRUE(traced);

    // Without a fault the same call replaces it with the service's picture.
    EXPECT_TRUE(DownloadPicture(url, gs().menuImageFolder, false));
    EXPECT_EQ(ReadFile(local(QStringLiteral("103.png"))), served(103));
}

// An independent CRC-32 of PNG chunks, to forge chunks that are whole but wrong.
uint32_t Crc(const QByteArray& bytes)
{
    uint32_t c = 0xffffffffu;
    for (char ch : bytes) {
        c ^= uchar(ch);
        for (int k = 0; k < 8; ++k)
            c = (c >> 1) ^ (0xedb88320u & (0u - (c & 1u)));
    }
    return ~c;
}

TEST_F(PictureDownload, OnlyAWholePngWithinItsLimitsIsAPicture)
{
    const QByteArray png = served(101);
    ASSERT_TRUE(CheckPng(png).ok) << CheckPng(png).why.toStdString();
    EXPECT_GT(CheckPng(png).width, 0);
    // The same header with another size, its CRC made right.
    auto resized = [&](uint32_t w, uint32_t h) {
        QByteArray b = png;
        for (int i = 0; i < 4; ++i) {
            b[16 + i] = char(w >> (24 - 8 * i));
            b[20 + i] = char(h >> (24 - 8 * i));
        }
        const uint32_t crc = Crc(b.mid(12, 17));
        for (int i = 0; i < 4; ++i)
            b[29 + i] = char(crc >> (24 - 8 * i));
        return b;
    };
    QByteArray flipped = png;
    flipped[png.size() / 2] = char(flipped[png.size() / 2] ^ 0x40);
    const struct {
        const char* name;
        QByteArray bytes;
        bool ok;
    } cases[] = {
        {"as served", png, true},
        {"4096 wide", resized(4096, 10), true},
        {"4097 wide", resized(4097, 10), false},
        {"empty", QByteArray(), false},
        {"html", QByteArray("<html>login</html>"), false},
        {"cut in half", png.left(png.size() / 2), false},
        {"without its end", png.left(png.size() - 12), false},
        {"a bit flipped", flipped, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CheckPng(c.bytes).ok, c.ok) << c.name << ": " << CheckPng(c.bytes).why.toStdString();
    // Numbers from the service name files only as digits.
    EXPECT_TRUE(IsPictureNumber(QStringLiteral("305")));
    for (const char16_t* bad : {u"", u"../305", u"3/05", u"30 5", u"-305", u"305.png"})
        EXPECT_FALSE(IsPictureNumber(QString::fromUtf16(bad))) << QString::fromUtf16(bad).toStdString();
}

TEST_F(PictureDownload, RunLogsFailureAndKeepsPicturesOnRefusal)
{
    useCatalogue({103, 104, 105});
    const QByteArray old103("old 103");
    const QByteArray oldLogo("old logo");
    WriteFile(local(QStringLiteral("103.png")), old103);
    WriteFile(local(QStringLiteral("logo.png")), oldLogo);
    shop->setFault(QStringLiteral("/menuimag/103.png"), QStringLiteral("status"), 1, 404);
    shop->setFault(QStringLiteral("/logoimag/logo12_1.png"), QStringLiteral("close"), 1);
    shop->setFault(QStringLiteral("/menuimag/105.png"), QStringLiteral("close"), 1);

    const DownloadSummary summary = DownloadPictures(source());
    EXPECT_EQ(summary.failed, 3);
    EXPECT_EQ(summary.stored, 1);
    EXPECT_EQ(ReadFile(local(QStringLiteral("103.png"))), old103);
    EXPECT_EQ(ReadFile(local(QStringLiteral("logo.png"))), oldLogo);
    EXPECT_EQ(ReadFile(local(QStringLiteral("104.png"))), served(104));
    EXPECT_FALSE(QFile::exists(local(QStringLiteral("105.png"))));

    const QStringList log = generalLog();
    const QString base = shop->httpBase();
    EXPECT_TRUE(log.contains(QStringLiteral("서버에서 로고 다운로드 실패: ") + base
                             + QStringLiteral("/logoimag/logo12_1.png")));
    EXPECT_TRUE(
        log.contains(QStringLiteral("서버에서 이미지 다운로드 실패: ") + base + QStringLiteral("/menuimag/103.png")));
    EXPECT_TRUE(
        log.contains(QStringLiteral("서버에서 이미지 다운로드 성공: ") + base + QStringLiteral("/menuimag/104.png")));
    EXPECT_TRUE(
        log.contains(QStringLiteral("서버에서 이미지 다운로드 실패: ") + base + QStringLiteral("/menuimag/105.png")));
    EXPECT_TRUE(log.contains(QStringLiteral("커피→메뉴104")));
}

TEST_F(PictureDownload, MissingLogoAndPicturesAreLoggedAsAbsent)
{
    useCatalogue({103}, 2);
    ASSERT_EQ(catalogue->rowCount(), 3);
    shop->deleteLogo();
    shop->deletePicture(103);
    shop->clearRequests();
    const DownloadSummary summary = DownloadPictures(source());
    EXPECT_EQ(summary.absent, 2);
    EXPECT_EQ(summary.stored + summary.failed, 0);
    const QStringList log = generalLog();
    EXPECT_TRUE(log.contains(QStringLiteral("서버에 로고 없음: 12")));
    EXPECT_TRUE(log.contains(QStringLiteral("서버에 이미지 없음: 103")));
    EXPECT_EQ(shop->requests().size(), 2);  // the two empty slots are not looked up
    EXPECT_TRUE(QDir(gs().menuImageFolder).entryList(QDir::Files).isEmpty());
}

TEST_F(PictureDownload, ANumberThatIsNotDigitsNamesNoUrlAndNoFile)
{
    catalogue = std::make_shared<const MenuCatalogue>(ParseMenuAnswer(
        QStringLiteral("<menubrr>num[../../escape]num title[x]title category[커피]category</menubrr>"
                       "<menubrr>num[103]num title[y]title category[커피]category</menubrr>")));
    session.shopNumber = QStringLiteral("12/../..");
    shop->clearRequests();
    const DownloadSummary summary = DownloadPictures(source());
    EXPECT_EQ(summary.failed, 2);
    EXPECT_EQ(summary.stored, 1);
    QStringList paths;
    for (const QJsonValue& r : shop->requests())
        paths << r[QStringLiteral("path")].toString();
    EXPECT_EQ(paths, (QStringList{QStringLiteral("/menuexistCheck.php"), QStringLiteral("/menuimag/103.png")}));
    EXPECT_EQ(generalLog().filter(QStringLiteral("번호가 숫자가 아님")).size(), 2);
    EXPECT_EQ(QDir(gs().menuImageFolder).entryList(QDir::Files), QStringList{QStringLiteral("103.png")});
}

TEST_F(PictureDownload, SmallerPictureOverALargerFileLeavesExactlyTheNewBytes)
{
    WriteFile(local(QStringLiteral("103.png")), QByteArray(served(103).size() * 3 + 1000, 'x'));
    ASSERT_TRUE(DownloadPicture(endpoints::MenuPictureUrl(session, QStringLiteral("103")), gs().menuImageFolder, false));
    EXPECT_EQ(ReadFile(local(QStringLiteral("103.png"))), served(103));
    // The logo goes to logo.png whatever the URL's file name is.
    ASSERT_TRUE(DownloadPicture(endpoints::LogoPictureUrl(session, QStringLiteral("12")), gs().menuImageFolder, true));
    EXPECT_EQ(ReadFile(local(QStringLiteral("logo.png"))), servedLogo());
    EXPECT_FALSE(QFile::exists(local(QStringLiteral("logo12_1.png"))));
    // No leftovers of the temporary files.
    EXPECT_EQ(QDir(gs().menuImageFolder).entryList(QDir::Files).size(), 2);
}

TEST_F(PictureDownload, ARunOnAThreadOfItsOwnKeepsToItsCopiesWhileTheScreensChangeTheirs)
{
    useCatalogue({103, 104});
    auto run = std::async(std::launch::async, [from = source()] { return DownloadPictures(from); });
    // Meanwhile a reload replaces the catalogue and the session is another: the run asked with neither.
    useCatalogue({105});
    session.serviceBaseUrl = QStringLiteral("http://127.0.0.1:1");
    const DownloadSummary summary = run.get();
    EXPECT_EQ(summary.stored, 3) << "the logo, 103 and 104";
    EXPECT_EQ(summary.failed, 0);
    EXPECT_EQ(ReadFile(local(QStringLiteral("104.png"))), served(104));
    EXPECT_FALSE(QFile::exists(local(QStringLiteral("105.png"))));
}

}  // namespace
