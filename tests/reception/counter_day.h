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
#include <deque>
#include <functional>
#include <malloc.h>
#include <memory>
#include <unistd.h>

namespace sumbrel::testing {

inline long ResidentKb()
{
    // Freed memory the allocator still holds is not the program's: handed back before measuring.
    malloc_trim(0);
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * (sysconf(_SC_PAGESIZE) / 1024) : 0;
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
    long rssStartKb = 0;
    long rssEndKb = 0;
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
};

class CounterDay {
public:
    CounterDay(DemoShop& shop, ReceptionScreen& reception)
        : m_shop(shop)
        , m_reception(reception)
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
    }

    // customers through the screens, then the polls until there were `polls` of them in all. The
    // screens' clock is a manual one that the day moves on: stepMs at every step of a customer (less
    // than any idle limit, so nobody is timed out), a poll period at a time afterwards. The figures of
    // memory and descriptors are taken after the first `warmUp` customers.
    DayFigures run(int customers, int polls, int warmUp, int stepMs = 100)
    {
        m_stepMs = stepMs;
        m_firstDay = LocalNow().date();
        // Qt's own pooled threads (each with a descriptor) would otherwise linger 30 s after their work.
        QThreadPool::globalInstance()->setExpiryTimeout(0);
        QElapsedTimer clock;
        clock.start();
        m_timer.start(2);
        for (m_customer = 0; m_customer < customers; ++m_customer) {
            if (m_customer == warmUp) {
                quiet();
                m_figures.rssStartKb = ResidentKb();
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
        m_timer.stop();
        m_shop.clearFaults();
        quiet();
        m_figures.customers = customers;
        m_figures.polls = pollsSoFar();
        m_figures.rssEndKb = ResidentKb();
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

    // What each customer saw, by number: "accepted", "refused", "failed", "unknown".
    const QMap<QString, QStringList>& shown() const { return m_shown; }

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
        if (c % 25 == 24 && !m_accepted.isEmpty())
            phone = m_accepted.first();
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
        m_shown[phone] << seen;
        if (seen == u"accepted")
            m_accepted << phone;
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

    void enterAndSubmit(const QString& phone)
    {
        while (m_reception.path().phoneDigits().size() > 0)
            PressNamed(&m_reception, QStringLiteral("<-"));
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
            ADD_FAILURE() << "the order was still under way after 60 s";
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
        auto opened = std::make_shared<bool>(false);
        return [this, opened, dining] {
            if (dynamic_cast<MenuPage*>(QApplication::activeModalWidget())) {
                *opened = true;
                return false;
            }
            if (!*opened || m_reception.path().currentPanel() != reception::kStartPanel)
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
        m_steps.clear();
        // Back on the reception screen, whatever became of the visit.
        while (QApplication::activeModalWidget() && waited.elapsed() < 25000)
            QTest::qWait(2);
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
        QMap<QString, int> stored;
        const QJsonArray orders = m_shop.orders();
        for (const QJsonValue& o : orders)
            ++stored[o[QStringLiteral("phone")].toString()];
        m_figures.storedOrders = int(orders.size());
        for (auto it = m_shown.begin(); it != m_shown.end(); ++it) {
            for (const QString& s : it.value()) {
                m_figures.accepted += s == u"accepted";
                m_figures.refused += s == u"refused";
                m_figures.failed += s == u"failed";
                m_figures.unknown += s == u"unknown";
            }
            if (it.value().contains(QStringLiteral("accepted")) && stored.value(it.key()) != 1)
                ++m_figures.acceptedNotStoredOnce;
        }
        for (auto it = stored.begin(); it != stored.end(); ++it)
            if (!m_shown.value(it.key()).contains(QStringLiteral("accepted")))
                m_figures.storedWithoutAcceptance += it.value();
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
    int64_t m_stepMs = 100;
    QDate m_firstDay;
    DayFigures m_figures;
    QMap<QString, QStringList> m_shown;
    QStringList m_accepted;
};

}  // namespace sumbrel::testing
