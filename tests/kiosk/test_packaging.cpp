// The Debian packages as scripts/package builds them (CPack), their contents and control fields,
// and their systemd units checked by systemd-analyze.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <iostream>

namespace {

const QString kVersion = QStringLiteral(SUMBREL_VERSION);

struct Outcome {
    int code = -1;
    QString out;
};

Outcome Execute(const QString& program, const QStringList& args, int timeoutMs = 60000, const QString& dir = {})
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    if (!dir.isEmpty())
        p.setWorkingDirectory(dir);
    p.start(program, args);
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        return {-1, QStringLiteral("timed out: ") + QString::fromUtf8(p.readAll())};
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAll())};
}

// The packages are built once for every test here.
class Packages : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_out = new QTemporaryDir;
        const QString cpack = QFileInfo(QStringLiteral(CMAKE_COMMAND_PATH)).dir().filePath(QStringLiteral("cpack"));
        s_build = Execute(cpack,
                          {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("--config"),
                           QStringLiteral(SUMBREL_BINARY_DIR "/CPackConfig.cmake"), QStringLiteral("-B"),
                           s_out->path()},
                          240000);
    }
    static void TearDownTestSuite()
    {
        delete s_out;
        s_out = nullptr;
    }
    void SetUp() override
    {
        if (QStandardPaths::findExecutable(QStringLiteral("dpkg-deb")).isEmpty())
            GTEST_SKIP() << "dpkg-deb is missing: no Debian package can be built or read here";
        ASSERT_EQ(s_build.code, 0) << s_build.out.toStdString();
    }
    static QString deb(const QString& name)
    {
        return s_out->filePath(name + u'_' + kVersion + QStringLiteral("_amd64.deb"));
    }
    static QStringList contents(const QString& file)
    {
        QStringList paths;
        const Outcome listing = Execute(QStringLiteral("dpkg-deb"), {QStringLiteral("--contents"), file});
        EXPECT_EQ(listing.code, 0) << listing.out.toStdString();
        for (const QString& line : listing.out.split(u'\n', Qt::SkipEmptyParts))
            paths << line.section(u' ', -1).mid(1);  // "./usr/bin/Sumbrel" -> "/usr/bin/Sumbrel"
        return paths;
    }
    static QString field(const QString& file, const QString& name)
    {
        return Execute(QStringLiteral("dpkg-deb"), {QStringLiteral("--field"), file, name}).out.trimmed();
    }
    static QString unpack(const QString& file, const QString& where)
    {
        QDir().mkpath(where);
        Execute(QStringLiteral("dpkg-deb"), {QStringLiteral("--extract"), file, where});
        Execute(QStringLiteral("dpkg-deb"), {QStringLiteral("--control"), file, where + QStringLiteral("/DEBIAN")});
        return where;
    }
    static QString text(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }

    static QTemporaryDir* s_out;
    static Outcome s_build;
};

QTemporaryDir* Packages::s_out = nullptr;
Outcome Packages::s_build;

}  // namespace

TEST_F(Packages, TheTerminalPackageHoldsTheKioskAndSaysWhatItNeeds)
{
    const QString file = deb(QStringLiteral("sumbrel"));
    ASSERT_TRUE(QFileInfo::exists(file)) << QDir(s_out->path()).entryList().join(u' ').toStdString();
    std::cout << "[ figure ] " << QFileInfo(file).fileName().toStdString() << ": " << QFileInfo(file).size() << " bytes"
              << std::endl;
    const QStringList paths = contents(file);
    for (const char* expected :
         {"/usr/bin/Sumbrel", "/lib/systemd/system/sumbrel-kiosk.service", "/etc/pam.d/sumbrel-kiosk",
          "/usr/share/sumbrel/Mirdal.cfg", "/usr/share/doc/sumbrel/copyright", "/usr/share/doc/sumbrel/README.md"})
        EXPECT_TRUE(paths.contains(QString::fromLatin1(expected))) << expected << "\n"
                                                                   << paths.join(u'\n').toStdString();
    EXPECT_FALSE(paths.contains(QStringLiteral("/usr/bin/sumbrel-demo-shop"))) << "the demo shop has its own package";

    const struct {
        const char* name;
        QString value;
    } fields[] = {
        {"Package", QStringLiteral("sumbrel")},
        {"Version", kVersion},
        {"Architecture", QStringLiteral("amd64")},
    };
    for (const auto& f : fields)
        EXPECT_EQ(field(file, QString::fromLatin1(f.name)), f.value) << f.name;
    EXPECT_TRUE(field(file, QStringLiteral("Description"))
                    .startsWith(QStringLiteral("Self-service order terminal as a kiosk\n")));
    const QStringList depends
        = field(file, QStringLiteral("Depends")).split(QRegularExpression(QStringLiteral(",\\s*")));
    for (const char* needed : {"libqt6core6", "libqt6gui6", "libqt6widgets6", "libcurl4", "libsystemd0", "fonts-nanum",
                               "cage", "seatd", "qt6-wayland", "xwayland", "ca-certificates"}) {
        const bool found = std::any_of(depends.begin(), depends.end(), [&](const QString& d) {
            return d == QString::fromLatin1(needed) || d.startsWith(QString::fromLatin1(needed) + QStringLiteral(" ("));
        });
        EXPECT_TRUE(found) << needed << " in " << depends.join(u',').toStdString();
    }

    // What the package installs works: the program answers, the post-install step makes the user and folder.
    QTemporaryDir root;
    unpack(file, root.path());
    const Outcome version = Execute(root.filePath(QStringLiteral("usr/bin/Sumbrel")), {QStringLiteral("--version")});
    EXPECT_EQ(version.out.trimmed(), QStringLiteral("1.0.0.0 #4")) << version.out.toStdString();
    const QString postinst = text(root.filePath(QStringLiteral("DEBIAN/postinst")));
    EXPECT_TRUE(postinst.contains(QStringLiteral("adduser --system --group --home /var/lib/sumbrel")));
    EXPECT_TRUE(postinst.contains(QStringLiteral("install -d -o sumbrel -g sumbrel -m 0750 /var/lib/sumbrel")));
    EXPECT_TRUE(QFileInfo(root.filePath(QStringLiteral("DEBIAN/postinst"))).isExecutable());
    EXPECT_EQ(
        Execute(QStringLiteral("sh"), {QStringLiteral("-n"), root.filePath(QStringLiteral("DEBIAN/postinst"))}).code,
        0);
    EXPECT_EQ(text(root.filePath(QStringLiteral("DEBIAN/conffiles"))).trimmed(),
              QStringLiteral("/etc/pam.d/sumbrel-kiosk"));
    EXPECT_TRUE(
        text(root.filePath(QStringLiteral("usr/share/sumbrel/Mirdal.cfg"))).startsWith(QStringLiteral("[Set]")));
}

TEST_F(Packages, TheDemoShopHasAPackageOfItsOwn)
{
    const QString file = deb(QStringLiteral("sumbrel-demo-shop"));
    ASSERT_TRUE(QFileInfo::exists(file));
    const QStringList paths = contents(file);
    for (const char* expected :
         {"/usr/bin/sumbrel-demo-shop", "/lib/systemd/system/sumbrel-demo-shop.service",
          "/lib/systemd/system/sumbrel-kiosk.service.d/demo-shop.conf", "/usr/share/doc/sumbrel-demo-shop/copyright"})
        EXPECT_TRUE(paths.contains(QString::fromLatin1(expected))) << expected;
    EXPECT_FALSE(paths.contains(QStringLiteral("/usr/bin/Sumbrel")));
    EXPECT_EQ(field(file, QStringLiteral("Package")), QStringLiteral("sumbrel-demo-shop"));
    EXPECT_EQ(field(file, QStringLiteral("Version")), kVersion);
    EXPECT_TRUE(field(file, QStringLiteral("Depends")).contains(QStringLiteral("libqt6core6")));
    EXPECT_TRUE(field(file, QStringLiteral("Description")).startsWith(QStringLiteral("Demo shop web service")));
}

TEST_F(Packages, TheUnitsPassSystemdAnalyzeVerify)
{
    if (QStandardPaths::findExecutable(QStringLiteral("systemd-analyze")).isEmpty())
        GTEST_SKIP() << "systemd-analyze is missing (package systemd)";
    // The units as the packages install them, side by side with the demo shop's drop-in; the demo
    // shop's program is looked for where the unpacked package has it.
    QTemporaryDir root;
    unpack(deb(QStringLiteral("sumbrel")), root.filePath(QStringLiteral("terminal")));
    unpack(deb(QStringLiteral("sumbrel-demo-shop")), root.filePath(QStringLiteral("demo")));
    QTemporaryDir units;
    const QString system = QStringLiteral("/lib/systemd/system/");
    QFile::copy(root.filePath(QStringLiteral("terminal")) + system + QStringLiteral("sumbrel-kiosk.service"),
                units.filePath(QStringLiteral("sumbrel-kiosk.service")));
    QDir().mkpath(units.filePath(QStringLiteral("sumbrel-kiosk.service.d")));
    QFile::copy(root.filePath(QStringLiteral("demo")) + system
                    + QStringLiteral("sumbrel-kiosk.service.d/demo-shop.conf"),
                units.filePath(QStringLiteral("sumbrel-kiosk.service.d/demo-shop.conf")));
    QString shopUnit = text(root.filePath(QStringLiteral("demo")) + system
                            + QStringLiteral("sumbrel-demo-shop.service"));
    shopUnit.replace(QStringLiteral("ExecStart=/usr/bin/"),
                     QStringLiteral("ExecStart=") + root.filePath(QStringLiteral("demo/usr/bin/")));
    QFile out(units.filePath(QStringLiteral("sumbrel-demo-shop.service")));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(shopUnit.toUtf8());
    out.close();

    const Outcome verify = Execute(QStringLiteral("systemd-analyze"),
                                   {QStringLiteral("verify"), QStringLiteral("--man=no"),
                                    units.filePath(QStringLiteral("sumbrel-kiosk.service")),
                                    units.filePath(QStringLiteral("sumbrel-demo-shop.service"))},
                                   60000, units.path());
    EXPECT_EQ(verify.code, 0) << verify.out.toStdString();
    EXPECT_TRUE(verify.out.trimmed().isEmpty()) << verify.out.toStdString();

    // What the kiosk relies on, line by line.
    const QString kiosk = text(units.filePath(QStringLiteral("sumbrel-kiosk.service")));
    for (const char* line : {"Type=notify", "NotifyAccess=all", "Restart=always", "RestartSec=2", "User=sumbrel",
                             "TTYPath=/dev/tty1", "WorkingDirectory=/var/lib/sumbrel", "Conflicts=getty@tty1.service",
                             "ExecStart=/usr/bin/cage -d -- /usr/bin/Sumbrel --kiosk --home /var/lib/sumbrel"})
        EXPECT_TRUE(kiosk.contains(QStringLiteral("\n") + QString::fromLatin1(line) + u'\n')) << line;
    // A frozen screen is restarted within 15 s.
    EXPECT_TRUE(kiosk.contains(QRegularExpression(QStringLiteral("\nWatchdogSec=([1-9]|1[0-5])\n"))));
    for (const char* line : {"IPAddressDeny=any", "IPAddressAllow=localhost", "DynamicUser=yes"})
        EXPECT_TRUE(shopUnit.contains(QStringLiteral("\n") + QString::fromLatin1(line) + u'\n')) << line;
}
