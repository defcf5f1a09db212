#pragma once
// A day at the counter: customers one after another through the real screens (both dining choices,
// items with and without options, quantity changes and deletions on both lists, numbers already
// registered), while the waiting status is polled and the shop now and then fails, stalls and
// recovers. Every element is found by its accessible name and pressed as a screen reader presses it.
// What each customer was shown is kept, to be held against what the shop stored.
#include "menu/ui/menu_page.h"
#include "reception/ui/reception_screen.h"
#include "startup/clock.h"
#include "support/demo_shop.h"
#include "support/find.h"
#include "support/log_entries.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonObject>
#include <QLabel>
#include <QMap>
#include <QRegularExpression>
#include <QTest>
#include <QThreadPool>
#include <QTimer>
#include <algorithm>
#include <deque>
#include <functional>
#include <string>
#include <unordered_map>
#include <malloc.h>
#include <memory>
#include <unistd.h>

namespace sumbrel::testing {

// Resident memory of one kind from /proc/self/status: "RssAnon:" is the program's own; "RssFile:"
// the pages of its libraries and fonts, read in as new paths first run (bounded by their size).
inline long ResidentKb(const char* kind = "RssAnon:")
{
    // Freed memory the allocator still holds is not the program's: handed back before measuring.
    malloc_trim(0);
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(kind))
            return line.mid(qstrlen(kind)).trimmed().split(' ').first().toLong();
    }
    return 0;
}

// The open descriptors, each as what it points to.
inline QStringList OpenDescriptors()
{
    QStringList open;
    const QDir fds(QStringLiteral("/proc/self/fd"));
    for (const QString& fd : fds.entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System))
        open << fd + u'=' + QFile::symLinkTarget(fds.filePath(fd));
    return open;
}

// The threads, by name.
inline QStringList Threads()
{
    QStringList names;
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString& task : tasks.entryList(QDir::NoDotAndDotDot | QDir::Dirs)) {
        QFile comm(tasks.filePath(task) + QStringLiteral("/comm"));
        names << (comm.open(QIODevice::ReadOnly) ? QString::fromUtf8(comm.readAll()).trimmed() : task);
    }
    return names;
}

struct DayFigures {
    int customers = 0;
    int polls = 0;
    int accepted = 0;  // "접수 완료" shown
    int refused = 0;  // "접수 실패": the number had ordered already
    int failed = 0;  // told to try again
    int unknown = 0;  // told the order may have reached the shop
    int retriedAndAccepted = 0;
    int storedOrders = 0;
    int acceptedNotStoredOnce = 0;  // "접수 완료" shown, yet the shop has the number not exactly once
    int storedWithoutAcceptance = 0;  // the shop has a number for which no "접수 완료" was shown
    long rssStartKb = 0;  // anonymous resident memory
    long rssEndKb = 0;
    long fileRssStartKb = 0;  // resident pages of files (code, fonts)
    long fileRssEndKb = 0;
    QStringList fdsStart;
    QStringList fdsEnd;
    QStringList threadsStart;
    QStringList threadsEnd;
    qint64 largestLogBytes = 0;
    double seconds = 0;
    // The logs, by the dates of the screens' clock: polls traced per day, and what a roll-over at
    // midnight could spoil.
    QMap<QDate, int> pollsByDay;
    int customersOnFirstDay = 0;  // who came before the screens' clock passed midnight
    int misfiledLines = 0;  // a line whose time is not of the day that names its file
    int doubledPollLines = 0;  // a poll's line found twice
    int menuLoadsFailed = 0;  // visits of the menu page ended by a failed load, then started again
    int unpairedPollLines = 0;  // a poll's request line in the general log or the "_WinHttp" one only
    QStringList stuck;  // waits given up, each with what the screen showed then
};

class CounterDay {
public:
    CounterDay(DemoShop& shop, ReceptionScreen& reception)
        : m_shop(shop)
        , m_reception(reception)
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        // A failed load counted as it ends, not by watching for the page, which may come and go
        // between two of the day's steps.
        // The page is a window of its own.
        MenuPage* page = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            page = page ? page : dynamic_cast<MenuPage*>(w);
        if (!page)
            ADD_FAILURE() << "no menu page";
        else
            QObject::connect(page, &MenuPage::closed, &m_timer, [this](const cart::OrderCart&, menu::MenuPageEnd end) {
                m_loadFailures += end == menu::MenuPageEnd::LoadFailed;
            });
    }

    // customers through the screens, then the polls until there were `polls` of them in all. The
    // screens' clock is a manual one that the day moves on: stepMs at every step of a customer (less
    // than any idle limit, so nobody is timed out), a poll period at a time afterwards. The figures of
    // memory and descriptors are taken after the first `warmUp` customers. Called again, the next day
    // goes on with the next customers; its logs are those of its own dates, the orders all so far.
    DayFigures run(int customers, int polls, int warmUp, int stepMs = 100)
    {
        m_figures = {};
        m_stepMs = stepMs;
        m_firstDay = LocalNow().date();
        // Qt's own pooled threads (each with a descriptor) would otherwise linger 30 s after their work.
        QThreadPool::globalInstance()->setExpiryTimeout(0);
        QElapsedTimer clock;
        clock.start();
        m_timer.start(2);
        const int first = m_customer;
        for (; m_customer < first + customers; ++m_customer) {
            if (m_customer - first == warmUp) {
                quiet();
                m_figures.rssStartKb = ResidentKb();
                m_figures.fileRssStartKb = ResidentKb("RssFile:");
                m_figures.fdsStart = OpenDescriptors();
                m_figures.threadsStart = Threads();
            }
            m_figures.customersOnFirstDay += LocalNow().date() == m_firstDay;
            serve();
        }
        // The rest of the day's polls: nobody at the counter any more, the clock runs a poll period
        // at a time.
        m_stepMs = 15000;
        QElapsedTimer waiting;
        waiting.start();
        while (pollsSoFar() < polls && waiting.elapsed() < 600000)
            QTest::qWait(500);
        if (pollsSoFar() < polls)
            giveUp(QStringLiteral("%1 of %2 polls after 600 s").arg(pollsSoFar()).arg(polls));
        m_timer.stop();
        m_shop.clearFaults();
        quiet();
        m_figures.customers = customers;
        m_figures.polls = pollsSoFar();
        m_figures.rssEndKb = ResidentKb();
        m_figures.fileRssEndKb = ResidentKb("RssFile:");
        m_figures.fdsEnd = OpenDescriptors();
        m_figures.threadsEnd = Threads();
        m_figures.seconds = clock.elapsed() / 1000.0;
        tally();
        return m_figures;
    }

    // Measured between exchanges: a poll under way holds a connection and a thread.
    void quiet() const
    {
        QElapsedTimer waited;
        waited.start();
        do
            QTest::qWait(20);
        while (m_reception.polling() && waited.elapsed() < 5000);
        // Threads that have just handed their answer back are gone a moment later.
        QTest::qWait(300);
    }

    // The night between two days: the clock runs on to `opening` ten minutes at a time while nobody
    // comes (the polls go on).
    void night(const QDateTime& opening)
    {
        ManualClock* clock = ManualClock::installed();
        while (clock && LocalNow() < opening) {
            clock->advance(std::min<int64_t>(600000, LocalNow().msecsTo(opening)));
            quiet();
        }
    }

    // What the screen shows: the panel, the digits typed, and the window in front.
    QString screenState() const
    {
        const QWidget* front = QApplication::activeModalWidget();
        if (!front)
            front = QApplication::activeWindow();
        return QStringLiteral("panel %1, digits \"%2\", %3, in front: %4 %5")
            .arg(m_reception.path().currentPanel())
            .arg(m_reception.path().phoneDigits(),
                 m_reception.sending() ? QStringLiteral("sending") : QStringLiteral("not sending"),
                 front ? QString::fromUtf8(front->metaObject()->className()) : QStringLiteral("none"),
                 front ? front->objectName() : QString());
    }

private:
    using Step = std::function<bool()>;

    // The items a customer may take from the first page of coffee, and the options pressed in their
    // dialog (single choices start on their first option; these groups need no minimum).
    struct Item {
        const char16_t* name;
        QStringList options;
    };

    void serve()
    {
        const int c = m_customer;
        faultsFor(c);
        static const Item kItems[] = {
            {u"에스프레소", {}},
            {u"아메리카노", {QStringLiteral("라지"), QStringLiteral("샷 추가")}},
            {u"도피오", {}},
            {u"콜드브루", {QStringLiteral("벤티")}},
            {u"아이스 아메리카노", {QStringLiteral("적게")}},
        };
        const int lines = 1 + c % 3;
        m_loadFailuresBefore = m_loadFailures;
        std::deque<Step> steps;
        const QString dining = c % 2 ? QStringLiteral("포장 주문") : QStringLiteral("매장 식사");
        steps.push_back(press(nullptr, dining));
        // The menu's answer failed (faultsFor): the page closed with the message on the start panel,
        // and the customer touches the dining key again.
        if (c % 12 == 3)
            steps.push_back(againAfterTheMenuFailed(dining));
        for (int i = 0; i < lines; ++i) {
            const Item& item = kItems[(c + i) % 5];
            steps.push_back(onPage(QString::fromUtf16(item.name), true));
            QStringList keys = item.options;
            if ((c + i) % 4 == 0)
                keys << QStringLiteral("+");  // the dialog's quantity
            keys << QStringLiteral("주문 담기");
            steps.push_back(onDialog(keys));
        }
        // The page's own order rows: one more of the first line, and a line deleted when there are three.
        if (c % 3 == 1)
            steps.push_back(onPage(QStringLiteral("+"), false, false));
        if (lines == 3)
            steps.push_back(onPage(QStringLiteral("삭제"), false, false));
        steps.push_back(onPage(QStringLiteral("선택완료"), false));
        runSteps(std::move(steps));

        // The order list beside the entry panels.
        if (c % 4 == 2)
            PressNamed(&m_reception, QStringLiteral("+"));
        if (c % 5 == 3)
            PressNamed(&m_reception, QStringLiteral("-"));
        QString phone = number(c);
        // Now and then a number that has ordered already: the shop refuses it.
        if (c % 25 == 24 && !m_firstAccepted.isEmpty())
            phone = m_firstAccepted;
        enterAndSubmit(phone);
        QString seen = outcome();
        // A failure is tried once more, as the panel asks.
        if (seen == u"failed") {
            m_shop.clearFaults();
            PressNamed(&m_reception, c % 2 ? QStringLiteral("카드결제") : QStringLiteral("현금결제"));
            sent();
            seen = outcome();
            if (seen == u"accepted")
                ++m_figures.retriedAndAccepted;
            else
                seen = QStringLiteral("failed");
        }
        m_shown[phone.toLongLong()] += seen.front().toLatin1();
        if (seen == u"accepted" && m_firstAccepted.isEmpty())
            m_firstAccepted = phone;
        // The customer leaves the panel as the screen tells: "확인", or "X" after a failure.
        if (!PressNamed(&m_reception, QStringLiteral("확인")))
            PressNamed(&m_reception, QStringLiteral("X"));
        m_shop.clearFaults();
    }

    // The shop's bad moments, by customer.
    void faultsFor(int c)
    {
        const QString order = QStringLiteral("/program/TOorderProgram2.php");
        if (c % 10 == 5)
            m_shop.setFault(order, QStringLiteral("status"), 1, 500);  // failed, then tried again
        if (c % 15 == 7)
            m_shop.setFault(order, QStringLiteral("close"), 1);  // unknown: the staff are asked
        if (c % 12 == 3)
            m_shop.setFault(QStringLiteral("/shop/menuloading3.php"), QStringLiteral("status"), 1, 503);
        if (c % 20 == 11)
            m_shop.setFault(QStringLiteral("/program/TOLoadProgram.php"), QStringLiteral("garbage"), 1);
        if (c % 8 == 4)  // the polls stall for a while
            m_shop.addFault(QStringLiteral("/program/TOLoadProgram.php"), QStringLiteral("delay"),
                            {{QStringLiteral("delay_ms"), QStringLiteral("600")}}, 3);
    }

    static QString number(int c) { return QStringLiteral("010") + QString::number(20000000 + c); }

    // Gives up on a wait: the day goes on with the next step, the screen's state kept.
    void giveUp(const QString& what)
    {
        const QString line = QStringLiteral("customer %1: %2; %3").arg(m_customer).arg(what, screenState());
        m_figures.stuck << line;
        ADD_FAILURE() << line.toStdString();
    }

    void enterAndSubmit(const QString& phone)
    {
        // "010" stands there already; a key that is not shown or does not delete ends the clearing.
        for (int presses = 0; !m_reception.path().phoneDigits().isEmpty(); ++presses) {
            if (presses > phone.size() || !PressNamed(&m_reception, QStringLiteral("<-")))
                return giveUp(QStringLiteral("the phone number could not be cleared"));
        }
        for (QChar d : phone)
            PressNamed(&m_reception, QString(d));
        PressNamed(&m_reception, QStringLiteral("다음"));
        for (QChar d : QStringLiteral("1234"))
            PressNamed(&m_reception, QString(d));
        PressNamed(&m_reception, QStringLiteral("다음"));
        PressNamed(&m_reception, m_customer % 2 ? QStringLiteral("카드결제") : QStringLiteral("현금결제"));
        sent();
    }
    // The order runs off the screen's thread; its deadlines end it.
    void sent()
    {
        if (!QTest::qWaitFor([this] { return !m_reception.sending(); }, 60000))
            giveUp(QStringLiteral("the order was still under way after 60 s"));
    }

    // What the screen shows once the submission is over.
    QString outcome() const
    {
        const auto* title = m_reception.findChild<QLabel*>(QStringLiteral("waitTitle"));
        const auto* notice = m_reception.findChild<QLabel*>(QStringLiteral("notice"));
        if (m_reception.path().currentPanel() == reception::kCompletionPanel && title)
            return title->text() == u"접수 완료" ? QStringLiteral("accepted") : QStringLiteral("refused");
        if (notice && notice->isVisible() && notice->text().startsWith(QStringLiteral("주문이 매장에 전달되었을")))
            return QStringLiteral("unknown");
        return QStringLiteral("failed");
    }

    // Presses on the reception screen run queued: a dining key opens the menu page modally.
    Step press(QWidget*, const QString& name)
    {
        return [this, name] {
            QTimer::singleShot(0, &m_reception, [this, name] { PressNamed(&m_reception, name); });
            return true;
        };
    }
    // A press on the menu page once it is loaded and on top; the last press of a visit runs queued.
    Step onPage(const QString& name, bool prefix, bool queued = true)
    {
        return [name, prefix, queued] {
            auto* page = dynamic_cast<MenuPage*>(QApplication::activeModalWidget());
            if (!page || page->loadPending() || page->loading() || !page->isEnabled())
                return false;
            if (queued)
                QTimer::singleShot(0, page, [page, name, prefix] { PressNamed(page, name, prefix); });
            else
                PressNamed(page, name, prefix);
            return true;
        };
    }
    Step againAfterTheMenuFailed(const QString& dining)
    {
        return [this, dining] {
            if (m_loadFailures == m_loadFailuresBefore || QApplication::activeModalWidget()
                || m_reception.path().currentPanel() != reception::kStartPanel)
                return false;
            ++m_figures.menuLoadsFailed;
            QTimer::singleShot(0, &m_reception, [this, dining] { PressNamed(&m_reception, dining); });
            return true;
        };
    }
    Step onDialog(const QStringList& keys)
    {
        return [keys] {
            QWidget* top = QApplication::activeModalWidget();
            if (!top || dynamic_cast<MenuPage*>(top) || !top->isVisible())
                return false;
            for (qsizetype i = 0; i + 1 < keys.size(); ++i)
                PressNamed(top, keys[i]);
            QTimer::singleShot(0, top, [top, last = keys.last()] { PressNamed(top, last); });
            return true;
        };
    }

    void runSteps(std::deque<Step> steps)
    {
        m_steps = std::move(steps);
        QElapsedTimer waited;
        waited.start();
        while (!m_steps.empty() && waited.elapsed() < 20000)
            QTest::qWait(2);
        if (!m_steps.empty())
            giveUp(QStringLiteral("%1 steps of the visit not taken after 20 s").arg(m_steps.size()));
        m_steps.clear();
        // Back on the reception screen, whatever became of the visit.
        while (QApplication::activeModalWidget() && waited.elapsed() < 25000)
            QTest::qWait(2);
        if (QApplication::activeModalWidget())
            giveUp(QStringLiteral("the menu page still open after 25 s"));
    }

    void poll()
    {
        // A menu page waits for its menu in real time: its load's limit is a real exchange's, which a
        // day run fast on its own clock would let pass before the shop could answer.
        auto* page = dynamic_cast<MenuPage*>(QApplication::activeModalWidget());
        ManualClock* clock = ManualClock::installed();
        if (clock && !(page && page->loading()))
            clock->advance(m_stepMs);
        if (!m_steps.empty() && m_steps.front()())
            m_steps.pop_front();
    }

    // The days of the screens' clock since the day began: the terminal names its files by them.
    QList<QDate> days() const
    {
        QList<QDate> all;
        for (QDate day = m_firstDay; day <= LocalNow().date(); day = day.addDays(1))
            all << day;
        return all;
    }

    // Every poll leaves one line that opens "pollWaitingStatus() ... " without its answer: the short line of an
    // answer as before, or the request line of a new one. The lines of the file, each whole with its
    // time, go to `lines` when given.
    // Read line by line, so counting does not itself swell the memory it is to watch.
    static int pollLines(const QString& path, QList<QByteArray>* lines = nullptr)
    {
        QFile log(path);
        if (!log.open(QIODevice::ReadOnly))
            return 0;
        int n = 0;
        while (!log.atEnd()) {
            const QByteArray line = log.readLine(4096);
            const qsizetype at = line.indexOf("]TOLoad() ... ");
            if (at > 0 && at < 24 && !line.endsWith("ResponseStr:\r\n")) {
                ++n;
                if (lines)
                    lines->append(line);
            }
        }
        return n;
    }

    int pollsSoFar() const
    {
        int n = 0;
        for (const QDate& day : days())
            n += pollLines(programPath(LogFileName(day.startOfDay(), QStringLiteral("_WinHttp"))));
        return n;
    }

    // Each day's files hold that day's lines only, and each poll's line is there once, in both the
    // logs it goes to when it is a request line.
    void tallyLogs()
    {
        static const QRegularExpression stamp(QStringLiteral("^\\[(\\d{6})-\\d{6}\\.\\d{3}\\]"));
        QMap<QByteArray, int> general;  // request lines by their whole text, time included
        QMap<QByteArray, int> http;
        for (const QDate& day : days()) {
            const QString date = day.toString(QStringLiteral("yyMMdd"));
            for (const QString& channel : {QString(), QStringLiteral("_WinHttp"), QStringLiteral("_WinHttp_3")}) {
                const QString path = programPath(LogFileName(day.startOfDay(), channel));
                QFile log(path);
                if (log.open(QIODevice::ReadOnly)) {
                    while (!log.atEnd()) {
                        const QRegularExpressionMatch m = stamp.match(QString::fromUtf8(log.readLine(256)));
                        m_figures.misfiledLines += m.hasMatch() && m.captured(1) != date;
                    }
                }
                if (channel == u"_WinHttp_3")
                    continue;
                QList<QByteArray> lines;
                const int n = pollLines(path, &lines);
                if (!channel.isEmpty() && n > 0)
                    m_figures.pollsByDay[day] = n;
                for (const QByteArray& line : lines) {
                    const int seen = ++(channel.isEmpty() ? general : http)[line];
                    m_figures.doubledPollLines += seen > 1;
                }
            }
        }
        for (auto it = http.begin(); it != http.end(); ++it)
            if (!it.key().contains("ResponseStr:"))  // the short line of an unchanged answer has no pair
                m_figures.unpairedPollLines += std::abs(it.value() - general.value(it.key()));
        for (auto it = general.begin(); it != general.end(); ++it)
            m_figures.unpairedPollLines += !http.contains(it.key());
    }

    void tally()
    {
        QMap<qint64, int> stored;
        const QJsonArray orders = m_shop.orders();
        for (const QJsonValue& o : orders)
            ++stored[o[QStringLiteral("phone")].toString().toLongLong()];
        m_figures.storedOrders = int(orders.size());
        for (const auto& [phone, seen] : m_shown) {
            m_figures.accepted += int(std::count(seen.begin(), seen.end(), 'a'));
            m_figures.refused += int(std::count(seen.begin(), seen.end(), 'r'));
            m_figures.failed += int(std::count(seen.begin(), seen.end(), 'f'));
            m_figures.unknown += int(std::count(seen.begin(), seen.end(), 'u'));
            if (seen.find('a') != std::string::npos && stored.value(phone) != 1)
                ++m_figures.acceptedNotStoredOnce;
        }
        for (auto it = stored.begin(); it != stored.end(); ++it) {
            const auto seen = m_shown.find(it.key());
            if (seen == m_shown.end() || seen->second.find('a') == std::string::npos)
                m_figures.storedWithoutAcceptance += it.value();
        }
        const QDir folder(QFileInfo(programPath(QStringLiteral("x"))).absolutePath());
        for (const QFileInfo& log : folder.entryInfoList({QStringLiteral("*.log")}, QDir::Files))
            m_figures.largestLogBytes = std::max(m_figures.largestLogBytes, log.size());
        tallyLogs();
    }

    DemoShop& m_shop;
    ReceptionScreen& m_reception;
    QTimer m_timer;
    std::deque<Step> m_steps;
    int m_customer = 0;
    int m_loadFailures = 0;  // menu page visits ended by a failed load
    int m_loadFailuresBefore = 0;  // as the customer at the counter came
    int64_t m_stepMs = 100;
    QDate m_firstDay;
    DayFigures m_figures;
    // What each customer saw, by number, a letter an outcome: "a"ccepted, "r"efused, "f"ailed,
    // "u"nknown. Small, as it is measured with the terminal's memory.
    std::unordered_map<qint64, std::string> m_shown;
    QString m_firstAccepted;
};

}  // namespace sumbrel::testing
