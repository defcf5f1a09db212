// A disk that refuses (read-only, or full) while pictures come down, the settings are written and the
// login is stored: the files there stay as they were, and what could not be stored is told. The disk
// is played by support/disk_faults.cpp, linked into this test,, which binds root as well.
#include "catalogue/menu_catalogue.h"
#include "catalogue/picture_download.h"
#include "login/login_model.h"
#include "settings/settings_rules.h"
#include "startup/global_state.h"
#include "startup/stored_login.h"
#include "support/shop_test.h"

#include <QDir>
#include <QFile>
#include <functional>

using namespace sumbrel;
using namespace sumbrel::testing;

namespace {

void Write(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

class DiskFaults : public ShopTest {
protected:
    void TearDown() override
    {
        refuseNothing();
        ShopTest::TearDown();
    }

    struct Disk {
        const char* name;
        const char* variable;  // SUMBREL_DISK_READONLY or SUMBREL_DISK_FULL
        QString folder;
    };
    // The disks a test plays: the program folder read-only, the folder itself full, and for the
    // pictures the picture folder alone read-only.
    QList<Disk> disks(const QString& narrower = QString()) const
    {
        QList<Disk> all{{"read-only program folder", "SUMBREL_DISK_READONLY", folder.path()},
                        {"full disk", "SUMBREL_DISK_FULL", folder.path()}};
        if (!narrower.isEmpty())
            all.append({"read-only folder of its own", "SUMBREL_DISK_READONLY", narrower});
        return all;
    }
    static void refuse(const Disk& disk) { qputenv(disk.variable, disk.folder.toLocal8Bit()); }
    static void refuseNothing()
    {
        qunsetenv("SUMBREL_DISK_READONLY");
        qunsetenv("SUMBREL_DISK_FULL");
    }
    // The library is in place: a file cannot be made where the disk refuses.
    void expectThePlayedDisk(const Disk& disk) const
    {
        refuse(disk);
        QFile probe(disk.folder + QStringLiteral("/probe"));
        const bool made = probe.open(QIODevice::WriteOnly) && probe.write("x", 1) == 1 && probe.flush();
        probe.remove();
        refuseNothing();
        ASSERT_FALSE(made) << disk.name << ": is support/disk_faults.cpp linked in?";
    }
};

}  // namespace

TEST_F(DiskFaults, PicturesThatCannotBeStoredLeaveTheOldOnesAndAreCounted)
{
    const QString picture = gs().menuImageFolder + QStringLiteral("/101.png");
    const PictureSource source{session, gs().menuImageFolder,
                               std::make_shared<const MenuCatalogue>(ParseMenuAnswer(QStringLiteral(
                                   "<menubrr>num[101]num title[에스프레소]title category[커피]category</menubrr>")))};
    for (const Disk& disk : disks(gs().menuImageFolder)) {
        SCOPED_TRACE(disk.name);
        Write(picture, "the old picture");
        QFile::remove(gs().menuImageFolder + QStringLiteral("/logo.png"));
        expectThePlayedDisk(disk);
        refuse(disk);
        const DownloadSummary summary = DownloadPictures(source);
        refuseNothing();
        EXPECT_EQ(summary.failed, 2) << "the logo and the picture, both told on the settings screen";
        EXPECT_EQ(summary.stored, 0);
        EXPECT_EQ(ReadFile(picture), QByteArray("the old picture"));
        EXPECT_EQ(QDir(gs().menuImageFolder).entryList(QDir::Files), QStringList{QStringLiteral("101.png")})
            << "no half-written file left behind";
    }
}

TEST_F(DiskFaults, SettingsThatCannotBeWrittenLeaveTheFileAndAreTold)
{
    const QByteArray before = "[Set]\r\ncalltext=호출되었습니다.\r\nvisiblesb1=2\r\n";
    settings::ClosingValues values;
    values.calltext = QStringLiteral("새 문구");
    values.visiblesb1 = 1;
    values.calltime = QStringLiteral("7초");
    for (const Disk& disk : disks()) {
        SCOPED_TRACE(disk.name);
        Write(configFilePath(), before);
        refuse(disk);
        const IniWriteResult written = settings::WriteClosingValues(values);
        refuseNothing();
        EXPECT_FALSE(written.written);
        EXPECT_FALSE(written.error.isEmpty());
        EXPECT_FALSE(settings::SaveProblemText(written).isEmpty()) << "the settings screen says so";
        EXPECT_EQ(ReadFile(configFilePath()), before) << "byte for byte";
    }
}

TEST_F(DiskFaults, ALoginWhoseOptionsCannotBeStoredStillLogsIn)
{
    const QString config = StoredLoginFile();
    ASSERT_TRUE(config.startsWith(folder.path()));
    for (const Disk& disk : disks()) {
        SCOPED_TRACE(disk.name);
        ASSERT_TRUE(WriteStoredLogin(QStringLiteral("True◈False◈old◈secret")));
        const QByteArray before = ReadFile(config);
        refuse(disk);
        LoginModel model;
        const LoginOutcome outcome = model.Login(QString::fromLatin1(DemoShop::kId),
                                                 QString::fromLatin1(DemoShop::kPassword), true, true);
        refuseNothing();
        EXPECT_EQ(outcome, LoginOutcome::Success);
        EXPECT_TRUE(model.storeFailed()) << "the login screen tells the operator";
        EXPECT_EQ(ReadFile(config), before) << "the next start logs in as the last stored login says";
    }
}
