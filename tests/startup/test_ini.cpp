#include "startup/ini.h"
#include "support/sumbrel_test.h"

#include <QDir>
#include <QTemporaryDir>

using namespace sumbrel;
using namespace Qt::StringLiterals;
using sumbrel::testing::SumbrelTest;

class Ini : public SumbrelTest { };

TEST_F(Ini, MissingFileSectionOrKeyGiveEmptyText)
{
    EXPECT_EQ(ReadIni(u"Set"_s, u"LeftC"_s, path(u"none.cfg"_s)), QString());
    write(u"a.cfg"_s, "[Other]\nLeftC=5\n");
    EXPECT_EQ(ReadIni(u"Set"_s, u"LeftC"_s, path(u"a.cfg"_s)), QString());
    EXPECT_EQ(ReadIni(u"Other"_s, u"TopC"_s, path(u"a.cfg"_s)), QString());
}

TEST_F(Ini, LookupIgnoresCaseAndBlanks)
{
    write(u"a.cfg"_s, "; comment\r\n[set]\r\n  leftc = 1024 \r\nTopC=\"7\"\r\n[Set2]\r\nLeftC=1\r\n");
    EXPECT_EQ(ReadIni(u"Set"_s, u"LeftC"_s, path(u"a.cfg"_s)), u"1024"_s);
    EXPECT_EQ(ReadIni(u"SET"_s, u"TOPC"_s, path(u"a.cfg"_s)), u"7"_s);
    EXPECT_EQ(ReadIni(u"Set2"_s, u"LeftC"_s, path(u"a.cfg"_s)), u"1"_s);
}

TEST_F(Ini, KoreanValuesRoundTripAndNeighboursStayUntouched)
{
    const QByteArray before = "# written by hand\n[Set]\nUseDualMonitor=1\n; the call display reads "
                              "this\ncalltext=old, text\n\n[Other]\nkey=value\n";
    write(u"Mirdal.cfg"_s, before);
    const QString file = path(u"Mirdal.cfg"_s);
    WriteIni(u"Set"_s, u"calltext"_s, u"호출되었습니다, 주문 번호를 확인하세요."_s, file);
    WriteIni(u"Set"_s, u"bottomtext"_s, u"맛있게 드세요 ☕"_s, file);
    WriteIni(u"Other"_s, u"KEY"_s, u"새 값"_s, file);
    EXPECT_EQ(ReadIni(u"Set"_s, u"calltext"_s, file), u"호출되었습니다, 주문 번호를 확인하세요."_s);
    EXPECT_EQ(ReadIni(u"Set"_s, u"bottomtext"_s, file), u"맛있게 드세요 ☕"_s);
    EXPECT_EQ(ReadIni(u"Other"_s, u"key"_s, file), u"새 값"_s);
    EXPECT_EQ(read(u"Mirdal.cfg"_s),
              u"# written by hand\n[Set]\nUseDualMonitor=1\n; the call display reads this\n"
              "calltext=호출되었습니다, 주문 번호를 확인하세요.\nbottomtext=맛있게 드세요 ☕\n\n[Other]\nKEY=새 값\n"_s);
    // Nothing but the file itself is left in the folder: the temporary file was renamed over it.
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{u"Mirdal.cfg"_s});
}

TEST_F(Ini, WriteCreatesFileAndSectionAndKeepsLineEndings)
{
    const QString file = path(u"new.cfg"_s);
    WriteIni(u"Set"_s, u"alramsound"_s, u"100"_s, file);
    WriteIni(u"Set"_s, u"calltime"_s, u"5초"_s, file);
    EXPECT_EQ(read(u"new.cfg"_s), u"[Set]\nalramsound=100\ncalltime=5초\n"_s);

    write(u"crlf.cfg"_s, "[Top]\r\na=1\r\n");
    WriteIni(u"Set"_s, u"LeftO"_s, u"10"_s, path(u"crlf.cfg"_s));
    EXPECT_EQ(read(u"crlf.cfg"_s), u"[Top]\r\na=1\r\n\r\n[Set]\r\nLeftO=10\r\n"_s);
}

TEST_F(Ini, LongValuesAreCutAt254BytesOnACharacterBoundary)
{
    const QString file = path(u"Mirdal.cfg"_s);
    WriteIni(u"Set"_s, u"calltext"_s, QString(300, u'a'), file);
    EXPECT_EQ(ReadIni(u"Set"_s, u"calltext"_s, file), QString(254, u'a'));

    // 85 three-byte characters are 255 bytes: 84 of them (252 bytes) fit, the 85th is not split.
    WriteIni(u"Set"_s, u"calltext"_s, QString(85, u'호'), file);
    EXPECT_EQ(ReadIni(u"Set"_s, u"calltext"_s, file), QString(84, u'호'));

    // "a" + 84 Korean characters is 253 bytes, whole.
    WriteIni(u"Set"_s, u"calltext"_s, u'a' + QString(84, u'호'), file);
    EXPECT_EQ(ReadIni(u"Set"_s, u"calltext"_s, file).toUtf8().size(), 253);
    // "ab" + 84 Korean characters is 254 bytes, whole.
    WriteIni(u"Set"_s, u"calltext"_s, u"ab"_s + QString(84, u'호'), file);
    EXPECT_EQ(ReadIni(u"Set"_s, u"calltext"_s, file), u"ab"_s + QString(84, u'호'));
}

TEST_F(Ini, LinesTheWriteDoesNotChangeKeepTheirBytes)
{
    // A call-display line in the Korean code page, a broken one, CR LF and a last line without a
    // break: a write of another key must leave all of them exactly as they were.
    const QByteArray korean = QByteArray::fromHex("c8a3c3e2b5c7befabdc0b4cfb4d92e");
    const QByteArray before = "[Set]\r\ncalltext=" + korean
        + "\r\nbottomtext=\xff\xfe broken\r\nUseDualMonitor=0\r\n"
          "[Other]\r\nkey=\xb0\xa1";
    write(u"Mirdal.cfg"_s, before);
    const QString file = path(u"Mirdal.cfg"_s);
    WriteIni(u"Set"_s, u"UseDualMonitor"_s, u"1"_s, file);
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QByteArray expected = before;
    expected.replace("UseDualMonitor=0", "UseDualMonitor=1");
    EXPECT_EQ(f.readAll().toHex(' '), expected.toHex(' '));
    // A value in the code page reads back as its text.
    EXPECT_EQ(ReadIni(u"Set"_s, u"calltext"_s, file), u"호출되었습니다."_s);
    EXPECT_EQ(ReadIni(u"Other"_s, u"key"_s, file), u"가"_s);
}

TEST_F(Ini, KeysAreSetInOneReplacementAndLineBreaksAreRefused)
{
    const QByteArray korean = QByteArray::fromHex("c8a3c3e2b5c7befabdc0b4cfb4d92e");
    const QByteArray handWritten = "[Set]\r\ncalltext=" + korean
        + "\r\nbottomtext=\xff\xfe broken\r\nUseDualMonitor=0\r\n[Other]\r\nkey=\xb0\xa1";
    const struct {
        const char* name;
        QByteArray before;  // null: no file
        QList<IniEntry> entries;
        QByteArray after;  // null: the path stays a folder
        QStringList refused;
        bool written;
    } cases[] = {
        {"untouched lines keep their bytes",
         handWritten,
         {{u"UseDualMonitor"_s, u"1"_s}, {u"LeftC"_s, u"1280"_s}, {u"bottomtext"_s, u"맛있게 드세요"_s}},
         "[Set]\r\ncalltext=" + korean + "\r\nbottomtext=" + u"맛있게 드세요"_s.toUtf8()
             + "\r\nUseDualMonitor=1\r\nLeftC=1280\r\n[Other]\r\nkey=\xb0\xa1",
         {},
         true},
        {"a new file",
         QByteArray(),
         {{u"alramsound"_s, u"100"_s}, {u"calltime"_s, u"5초"_s}},
         u"[Set]\nalramsound=100\ncalltime=5초\n"_s.toUtf8(),
         {},
         true},
        {"line breaks refused, the rest written",
         "[Set]\ncalltext=old\n",
         {{u"calltext"_s, u"a\r\nLeftC=9"_s}, {u"bottomtext"_s, u"b\nc"_s}, {u"TopC"_s, u"3"_s}},
         "[Set]\ncalltext=old\nTopC=3\n",
         {u"calltext"_s, u"bottomtext"_s},
         true},
        {"nothing left to write",
         "[Set]\ncalltext=old\n",
         {{u"calltext"_s, u"x\ry"_s}},
         "[Set]\ncalltext=old\n",
         {u"calltext"_s},
         false},
        {"a file that cannot be replaced", "", {{u"TopC"_s, u"3"_s}}, QByteArray(), {}, false},
    };
    int traced = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString file = dir.path() + u"/Mirdal.cfg"_s;
        if (c.after.isNull()) {
            ASSERT_TRUE(QDir().mkpath(file));
        } else if (!c.before.isNull()) {
            QFile f(file);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(c.before);
        }
        const IniWriteResult result = WriteIniKeys(u"Set"_s, c.entries, file);
        EXPECT_EQ(result.written, c.written);
        EXPECT_EQ(result.refused, c.refused);
        EXPECT_EQ(result.error.isEmpty(), !c.after.isNull()) << result.error.toStdString();
        if (!c.after.isNull()) {
            QFile f(file);
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            EXPECT_EQ(f.readAll().toHex(' '), c.after.toHex(' '));
        }
        // One file replaced whole: no temporary file is left beside it.
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{u"Mirdal.cfg"_s});
        traced += int(c.refused.size()) + (c.after.isNull() ? 1 : 0);
        EXPECT_EQ(logEntries().filter(u"WriteIni: "_s).size(), traced);
    }
}
