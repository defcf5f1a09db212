#include "startup/clock.h"
#include "startup/global_state.h"
#include "startup/stored_login.h"
#include "startup/trace_log.h"
#include "startup/utilities.h"
#include "support/sumbrel_test.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSettings>
#include <atomic>
#include <new>
#include <random>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>

using namespace sumbrel;
using namespace Qt::StringLiterals;
using sumbrel::testing::SumbrelTest;

class TraceLog : public SumbrelTest {
protected:
    // The day's file of a channel as the writer left it, for the tests of its line format: the day of
    // the terminal's clock, which names the files.
    QString fileText(const QString& channel = QString()) const { return read(LogFileName(LocalNow(), channel)); }
};

TEST_F(TraceLog, LineFormatAndChannelFiles)
{
    WriteLog(u"Version: 1.0.0.0 #4"_s);
    WriteLog(u"logins() ... ResponseStr:\r\n성공\r\n번호[12]번호"_s, u"_WinHttp"_s);
    const QString general = fileText();
    const QRegularExpression line(uR"(^\[\d{6}-\d{6}\.\d{3}\]Version: 1\.0\.0\.0 #4\r\n$)"_s);
    EXPECT_TRUE(line.match(general).hasMatch()) << general.toStdString();
    const QString http = fileText(u"_WinHttp"_s);
    // One entry may span lines; only its first line carries the time.
    EXPECT_TRUE(
        QRegularExpression(uR"(^\[\d{6}-\d{6}\.\d{3}\]logins\(\) \.\.\. ResponseStr:\r\n성공\r\n번호\[12\]번호\r\n$)"_s)
            .match(http)
            .hasMatch())
        << http.toStdString();
}

TEST_F(TraceLog, FileDateAndLineTimeComeFromOneReading)
{
    const QDateTime beforeMidnight(QDate(2022, 12, 7), QTime(23, 59, 59, 998));
    EXPECT_EQ(LogFileName(beforeMidnight, u"_WinHttp_3"_s), u"221207_WinHttp_3.log"_s);
    EXPECT_EQ(LogLine(beforeMidnight, u"x"_s), u"[221207-235959.998]x\r\n"_s);
    EXPECT_EQ(LogLine(QDateTime(QDate(2023, 1, 2), QTime(7, 5, 3, 9)), u"y"_s), u"[230102-070503.009]y\r\n"_s);
}

TEST_F(TraceLog, PasswordsNeverReachTheFile)
{
    WriteLog(u"logins() ... https://h/program/logins.php?ID=demo&PassWord=demo1234"_s, u"_WinHttp"_s);
    WriteLog(u"Save_Input() ... u?ID=demo&PassWord=p&w&phonet=010"_s, u"_WinHttp"_s);
    WriteLog(u"a PassWord=x\r\nnext line PassWord=yy&z=1"_s, u"_WinHttp"_s);
    const QString text = fileText(u"_WinHttp"_s);
    EXPECT_FALSE(text.contains(u"demo1234"_s));
    EXPECT_TRUE(text.contains(u"?ID=demo&PassWord=***\r\n"_s));
    EXPECT_TRUE(text.contains(u"ID=demo&PassWord=***&w&phonet=***"_s));  // too short to keep any digit
    EXPECT_TRUE(text.contains(u"a PassWord=***\r\nnext line PassWord=***&z=1"_s));
    EXPECT_EQ(RedactPasswords(u"no secret here"_s), u"no secret here"_s);
}

TEST_F(TraceLog, PhoneNumbersAreMaskedInEveryLine)
{
    const struct {
        const char16_t* message;
        const char16_t* written;
    } cases[] = {
        {u"Save_Input() ... u?ID=demo&PassWord=pw&phonet=01012345678&where=포장&menu=x",
         u"Save_Input() ... u?ID=demo&PassWord=***&phonet=010****5678&where=포장&menu=x"},
        {u"phonet=0101234567", u"phonet=010***4567"},
        {u"a phonet=01099998888\r\nb phonet=01700001111&c=1", u"a phonet=010****8888\r\nb phonet=017****1111&c=1"},
        {u"phonet=0101234", u"phonet=*******"},
        {u"phonet=&where=포장", u"phonet=&where=포장"},
    };
    for (const auto& c : cases) {
        WriteLog(QString::fromUtf16(c.message), u"_WinHttp"_s);
        EXPECT_EQ(logEntries(u"_WinHttp"_s).last(), QString::fromUtf16(c.written));
    }
    EXPECT_FALSE(fileText(u"_WinHttp"_s).contains(u"12345678"_s));
}

TEST_F(TraceLog, FilesAreTheOwnersAndStopAt32MBWithOneClosingLine)
{
    struct stat st { };
    for (const QString& channel : {QString(), u"_WinHttp"_s, u"_WinHttp_3"_s}) {
        WriteLog(u"x"_s, channel);
        ASSERT_EQ(::stat(QFile::encodeName(path(LogFileName(LocalNow(), channel))).constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0600u) << channel.toStdString();
    }

    // Today's file of a channel, 300 bytes short of the limit.
    const QString file = path(LogFileName(LocalNow(), u"_WinHttp"_s));
    {
        QFile f(file);
        ASSERT_TRUE(f.resize(kLogFileLimit - 300));
    }
    auto tail = [&] {
        QFile f(file);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly) && f.seek(kLogFileLimit - 300));
        return QString::fromUtf8(f.readAll());
    };
    WriteLog(u"fits"_s, u"_WinHttp"_s);
    EXPECT_TRUE(tail().endsWith(u"]fits\r\n"_s));
    WriteLog(QString(200, u'a'), u"_WinHttp"_s);  // no room left beside the closing line
    WriteLog(u"short"_s, u"_WinHttp"_s);
    const QString end = tail();
    EXPECT_TRUE(end.endsWith(u"]"_s + QString::fromUtf16(kLogFullText) + u"\r\n"_s)) << end.toStdString();
    EXPECT_EQ(end.count(QString::fromUtf16(kLogFullText)), 1);
    EXPECT_FALSE(end.contains(u"aaaa"_s) || end.contains(u"short"_s));
    EXPECT_LE(QFileInfo(file).size(), kLogFileLimit);
    // The other channels go on.
    WriteLog(u"elsewhere"_s, u"_WinHttp_3"_s);
    EXPECT_TRUE(fileText(u"_WinHttp_3"_s).endsWith(u"]elsewhere\r\n"_s));
}

TEST_F(TraceLog, UnwritableFolderIsSilent)
{
    SetProgramFolder(path(u"missing/deeper"_s));
    WriteLog(u"dropped"_s);
    EXPECT_FALSE(QFileInfo::exists(path(u"missing"_s)));
}

TEST_F(TraceLog, ErrorTraceForms)
{
    EXPECT_EQ(ErrorTraceText(u"frmLogin"_s, u"Form_Load"_s, 120, 53, u"File not found"_s),
              u"e)frmLogin->Form_Load[Erl:=120, Eno:=53]\r\n   File not found"_s);
    EXPECT_EQ(ErrorTraceText(QString(), u"Form_Load"_s, 0, 5, u"x"_s), u"e)->Form_Load[Erl:=0, Eno:=5]\r\n   x"_s);

    // TraceFault writes that line on its channel; FaultOf tells what an exception at an edge was.
    TraceFault(u"m"_s, u"p"_s, 7, {91, u"Object variable not set"_s}, u"_WinHttp"_s);
    EXPECT_TRUE(fileText(u"_WinHttp"_s).endsWith(u"]e)m->p[Erl:=7, Eno:=91]\r\n   Object variable not set\r\n"_s));
    const struct {
        std::exception_ptr caught;
        long number;
    } edges[] = {
        {std::make_exception_ptr(std::bad_alloc()), 7},
        {std::make_exception_ptr(std::out_of_range("index")), kSubscriptOutOfRange},
        {std::make_exception_ptr(std::runtime_error("x")), 5},
        {std::make_exception_ptr(42), 5},
    };
    for (const auto& e : edges)
        EXPECT_EQ(FaultOf(e.caught).number, e.number);
}

class Housekeeping : public SumbrelTest {
protected:
    void make(int count, const QString& suffix)
    {
        for (int i = 0; i < count; ++i)
            write(QDate(2022, 11, 1).addDays(i).toString(u"yyMMdd"_s) + suffix, "x");
    }
    QStringList names(const QString& pattern) const
    {
        return QDir(folder.path()).entryList({pattern}, QDir::Files, QDir::Name);
    }
};

TEST_F(Housekeeping, KeepsTheNewest21PerPattern)
{
    make(22, u".log"_s);
    make(23, u"_WinHttp.log"_s);
    make(21, u"_WinHttp_3.log"_s);
    EXPECT_TRUE(TrimLogPattern(u"??????.log"_s));
    EXPECT_TRUE(TrimLogPattern(u"??????_WinHttp.log"_s));
    EXPECT_TRUE(TrimLogPattern(u"??????_WinHttp_3.log"_s));
    const QStringList general = names(u"??????.log"_s);
    ASSERT_EQ(general.size(), 21);
    EXPECT_EQ(general.first(), u"221102.log"_s);  // the oldest one went
    const QStringList http = names(u"??????_WinHttp.log"_s);
    ASSERT_EQ(http.size(), 21);
    EXPECT_EQ(http.first(), u"221103_WinHttp.log"_s);
    EXPECT_EQ(names(u"??????_WinHttp_3.log"_s).size(), 21);  // exactly 21: nothing deleted
}

// A clock set back writes an older day's file last: the newest dates stay all the same. Past the
// folder's bound whole days go, the oldest first, and the newest day never.
TEST_F(Housekeeping, KeepsTheNewestDatesAndBoundsTheWholeFolder)
{
    make(23, u".log"_s);
    const QDateTime now = QDateTime::currentDateTime();
    for (int i = 0; i < 23; ++i) {
        QFile file(path(QDate(2022, 11, 1).addDays(i).toString(u"yyMMdd"_s) + u".log"_s));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(now.addSecs(-3600 * i), QFileDevice::FileModificationTime));
    }
    EXPECT_TRUE(TrimLogPattern(u"??????.log"_s));
    EXPECT_EQ(names(u"??????.log"_s).first(), u"221103.log"_s);

    // Three days of 100 MB (sparse files: no disk is used) after the 21 small ones.
    const qint64 day = 100LL * 1024 * 1024;
    for (const QString& date : {u"230101"_s, u"230102"_s, u"230103"_s}) {
        QFile file(path(date + u"_WinHttp_3.log"_s));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(day));
        write(date + u".log"_s, "x");
    }
    ASSERT_GT(3 * day, kLogFolderLimit);
    ASSERT_LE(2 * day, kLogFolderLimit);
    TrimLogFiles();
    EXPECT_EQ(names(u"*.log"_s),
              (QStringList{u"230102.log"_s, u"230102_WinHttp_3.log"_s, u"230103.log"_s, u"230103_WinHttp_3.log"_s}));
    // A single day over the bound stays: it is the newest.
    QFile::remove(path(u"230102_WinHttp_3.log"_s));
    QFile newest(path(u"230103_WinHttp_3.log"_s));
    ASSERT_TRUE(newest.resize(kLogFolderLimit + 1));
    TrimLogFiles();
    EXPECT_EQ(names(u"*.log"_s), (QStringList{u"230103.log"_s, u"230103_WinHttp_3.log"_s}));
}

TEST_F(Housekeeping, RunsAgainWhenTheDateChangesDuringARun)
{
    WriteLog(u"today"_s);
    make(23, u"_WinHttp.log"_s);
    make(22, u"_WinHttp_1.log"_s);
    WriteLog(u"still today"_s);
    EXPECT_EQ(names(u"??????_WinHttp.log"_s).size(), 23);
    // The next line is written after midnight.
    setLocalTimeOffsetMs(24 * 3600 * 1000);
    const auto back = qScopeGuard([] { setLocalTimeOffsetMs(0); });
    WriteLog(u"tomorrow"_s);
    EXPECT_EQ(names(u"??????_WinHttp.log"_s).size(), 21);
    EXPECT_EQ(names(u"??????_WinHttp_1.log"_s).size(), 21);
    EXPECT_TRUE(QFileInfo::exists(path(LogFileName(LocalNow(), QString()))));
}

// Lines a few milliseconds apart across midnight on the terminal's clock: each lands in the file of
// the day its time carries, and the two files hold every line once, in order.
TEST_F(TraceLog, RollOverAtMidnightLosesAndDoublesNothing)
{
    clock.reset();
    clock.emplace(QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59, 950)));
    QStringList written;
    for (int i = 0; i < 40; ++i) {
        written << u"line "_s + QString::number(i);
        WriteLog(written.last(), u"_WinHttp"_s);
        clock->advance(3);
    }
    const QStringList before = sumbrel::testing::LogFileEntries(path(u"261231_WinHttp.log"_s));
    const QStringList after = sumbrel::testing::LogFileEntries(path(u"270101_WinHttp.log"_s));
    EXPECT_EQ(before.size(), 17);  // 23:59:59.950 to .998
    EXPECT_EQ(before + after, written);
    EXPECT_EQ(logEntries(u"_WinHttp"_s), written);
    for (const auto& [file, stamp] : {std::pair{u"261231_WinHttp.log"_s, u"[261231-235959."_s},
                                      std::pair{u"270101_WinHttp.log"_s, u"[270101-000000."_s}}) {
        const QStringList lines = read(file).split(u"\r\n"_s, Qt::SkipEmptyParts);
        EXPECT_EQ(lines.filter(stamp).size(), lines.size()) << file.toStdString();
    }
}

// An exchange traces from its own thread while the screens trace from theirs and move the clock
// past midnight: every line arrives whole and once, in the file of its own day, and each file's
// lines stand in the order of their times.
TEST_F(TraceLog, LinesFromTwoThreadsAcrossMidnightArriveWholeOnceAndInOrder)
{
    clock.reset();
    clock.emplace(QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59, 800)));
    constexpr int kLines = 400;
    const QString filler(60, u'x');
    std::thread poll([&] {
        for (int i = 0; i < kLines; ++i)
            WriteLog(u"poll "_s + QString::number(i) + filler, u"_WinHttp"_s);
    });
    for (int i = 0; i < kLines; ++i) {
        WriteLog(u"screen "_s + QString::number(i) + filler, u"_WinHttp"_s);
        clock->advance(1);
    }
    poll.join();

    QStringList entries;
    for (const auto& [file, day] :
         {std::pair{u"261231_WinHttp.log"_s, u"[261231-"_s}, std::pair{u"270101_WinHttp.log"_s, u"[270101-"_s}}) {
        const QStringList lines = read(file).split(u"\r\n"_s, Qt::SkipEmptyParts);
        EXPECT_FALSE(lines.isEmpty()) << file.toStdString();
        for (qsizetype i = 0; i < lines.size(); ++i) {
            EXPECT_TRUE(lines[i].startsWith(day)) << lines[i].toStdString();
            if (i > 0) {
                EXPECT_LE(lines[i - 1].left(19).toStdString(), lines[i].left(19).toStdString()) << file.toStdString();
            }
            entries << lines[i].mid(19);
        }
    }
    EXPECT_EQ(entries.size(), 2 * kLines);
    // Each thread's lines once and in its own order.
    for (const QString& who : {u"poll "_s, u"screen "_s}) {
        QStringList expected;
        for (int i = 0; i < kLines; ++i)
            expected << who + QString::number(i) + filler;
        EXPECT_EQ(entries.filter(QRegularExpression(u"^"_s + who + u"\\d"_s)), expected) << who.toStdString();
    }
}

// Out of descriptors, the writer's box is raised on the screens' thread, also for a line traced by
// an exchange's thread: that one is handed over and shows once the screens' thread runs its events.
TEST_F(TraceLog, TheOutOfDescriptorsBoxIsRaisedOnTheScreensThreadOnly)
{
    const QString text = u"파일을 열기 위한 번호를 취득할 수 없습니다."_s;
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &saved), 0);
    auto withoutDescriptors = [&](auto&& write) {
        rlimit none = saved;
        none.rlim_cur = 0;
        ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &none), 0);
        write();
        ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &saved), 0);
    };
    // The sanitizers check a call through a class pointer the first time with a pipe, which cannot
    // be had without descriptors: every call of the path is made once while they can.
    WriteLog(u"before"_s);
    MessageBox(text, MessageIcon::Critical);
    std::thread([&] { MessageBox(text, MessageIcon::Critical); }).join();
    QCoreApplication::processEvents();
    ASSERT_EQ(dialogs->messages.size(), 2);
    dialogs->messages.clear();
    const QString logged = logText();

    withoutDescriptors([] { WriteLog(u"on the screens' thread"_s); });
    ASSERT_EQ(dialogs->messages.size(), 1);
    EXPECT_EQ(dialogs->messages[0].text, text);
    EXPECT_EQ(dialogs->messages[0].icon, MessageIcon::Critical);

    // The exchange's thread starts and ends while descriptors can be had, and writes in between.
    std::atomic<int> step{0};  // 1 running, 2 write, 3 written, 4 end
    auto waitFor = [&step](int s) {
        while (step < s)
            std::this_thread::yield();
    };
    std::thread exchange([&] {
        step = 1;
        waitFor(2);
        WriteLog(u"from an exchange"_s, u"_WinHttp"_s);
        step = 3;
        waitFor(4);
    });
    waitFor(1);
    withoutDescriptors([&] {
        step = 2;
        waitFor(3);
    });
    step = 4;
    exchange.join();
    EXPECT_EQ(dialogs->messages.size(), 1);  // not from that thread
    QCoreApplication::processEvents();
    ASSERT_EQ(dialogs->messages.size(), 2);
    EXPECT_EQ(dialogs->messages[1].text, text);
    EXPECT_EQ(logText(), logged);
}

TEST_F(Housekeeping, NamesWithoutADateSortByPlainTextAndGoFirst)
{
    make(21, u".log"_s);
    write(u"0-copy.log"_s, "x");  // sorts before every date
    write(u"ABCDEF.log"_s, "x");  // sorts after every date
    write(u"notes-longer.log"_s, "x");  // does not match the pattern
    EXPECT_TRUE(TrimLogPattern(u"??????.log"_s));
    EXPECT_FALSE(QFileInfo::exists(path(u"0-copy.log"_s)));
    EXPECT_FALSE(QFileInfo::exists(path(u"221101.log"_s)));
    EXPECT_TRUE(QFileInfo::exists(path(u"221102.log"_s)));
    EXPECT_TRUE(QFileInfo::exists(path(u"ABCDEF.log"_s)));
    EXPECT_TRUE(QFileInfo::exists(path(u"notes-longer.log"_s)));
}

TEST_F(Housekeeping, ReadOnlyFilesAreDeletedToo)
{
    make(22, u".log"_s);
    QFile::setPermissions(path(u"221101.log"_s), QFileDevice::ReadOwner);
    EXPECT_TRUE(TrimLogPattern(u"??????.log"_s));
    EXPECT_FALSE(QFileInfo::exists(path(u"221101.log"_s)));
}

TEST(QuickSortTest, MatchesStdSortOnRandomTextAndHonoursBounds)
{
    std::mt19937 rng(7);
    for (int round = 0; round < 50; ++round) {
        QStringList values;
        const int n = int(rng() % 40);
        for (int i = 0; i < n; ++i)
            values << QString::number(rng() % 20) + u"_x"_s;
        QStringList expected = values;
        std::sort(expected.begin(), expected.end());
        QuickSort(values);
        EXPECT_EQ(values, expected);
    }
    std::vector<int> part{9, 8, 7, 6, 5, 4};
    QuickSort(part, 1, 4);
    EXPECT_EQ(part, (std::vector<int>{9, 5, 6, 7, 8, 4}));
    QStringList cased{u"b"_s, u"B"_s, u"a"_s, u"A"_s};
    QuickSort(cased, -2, -2);
    EXPECT_EQ(cased, (QStringList{u"A"_s, u"B"_s, u"a"_s, u"b"_s}));
}

// The fixture points the store into the test's folder.
class StoredLogin : public SumbrelTest { };

TEST_F(StoredLogin, RoundTripAndOwnerOnlyFile)
{
    WriteStoredLogin(u"True◈True◈demo◈demo1234"_s);
    EXPECT_EQ(ReadStoredLogin(), u"True◈True◈demo◈demo1234"_s);
    struct stat st { };
    ASSERT_EQ(::stat(QFile::encodeName(StoredLoginFile()).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    QFile::setPermissions(StoredLoginFile(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther);
    WriteStoredLogin(u"False◈False◈◈"_s);
    ASSERT_EQ(::stat(QFile::encodeName(StoredLoginFile()).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_EQ(ReadStoredLogin(), u"False◈False◈◈"_s);
}

TEST(StoredLoginSplit, OnlyFourFieldsAreAccepted)
{
    const QString sep = u"◈"_s;
    EXPECT_EQ(SplitStoredLogin(u"True◈False◈id◈pw"_s, sep), (QStringList{u"True"_s, u"False"_s, u"id"_s, u"pw"_s}));
    const QStringList fallback{u"False"_s, u"False"_s, QString(), QString()};
    EXPECT_EQ(SplitStoredLogin(u"True◈False◈id"_s, sep), fallback);
    EXPECT_EQ(SplitStoredLogin(u"True◈False◈id◈pw◈x"_s, sep), fallback);
    EXPECT_EQ(SplitStoredLogin(QString(), sep), fallback);
    EXPECT_EQ(SplitStoredLogin(u"True◈True◈◈"_s, sep), (QStringList{u"True"_s, u"True"_s, QString(), QString()}));
}
