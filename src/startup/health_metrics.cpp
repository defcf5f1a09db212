#include "startup/health_metrics.h"

#include "startup/files.h"

#include <QDateTime>
#include <atomic>
#include <mutex>

namespace sumbrel::health {

namespace {

struct Counters {
    std::array<std::atomic<uint64_t>, kOrders> orders{};
    std::atomic<uint64_t> pollsSucceeded{0};
    std::atomic<uint64_t> pollsFailed{0};
    std::atomic<int64_t> lastGoodPollMs{0};
    std::array<std::atomic<uint64_t>, kRequests> exchanges{};
    std::array<std::array<std::atomic<uint64_t>, kFailures>, kRequests> failures{};
    std::atomic<uint64_t> staffCalls{0};
    std::atomic<int64_t> startMs{QDateTime::currentMSecsSinceEpoch()};
};

Counters& counters()
{
    static Counters c;
    return c;
}

std::mutex g_listenerMutex;
std::function<void()> g_orderListener;

thread_local std::optional<Request> t_label;

// Seconds as the format writes a float: whole milliseconds, no exponent.
QByteArray Seconds(int64_t ms)
{
    return QByteArray::number(double(ms) / 1000.0, 'f', 3);
}

QByteArray Count(uint64_t n)
{
    return QByteArray::number(qulonglong(n));
}

class Writer {
public:
    void family(const char* name, const char* type, const char* help)
    {
        m_out += QByteArray("# HELP ") + name + ' ' + help + '\n';
        m_out += QByteArray("# TYPE ") + name + ' ' + type + '\n';
    }
    void sample(const char* name, const QByteArray& labels, const QByteArray& value)
    {
        m_out += name;
        if (!labels.isEmpty())
            m_out += '{' + labels + '}';
        m_out += ' ' + value + '\n';
    }
    QByteArray take() { return std::move(m_out); }

private:
    QByteArray m_out;
};

QByteArray Label(const char* name, const QString& value)
{
    return QByteArray(name) + "=\"" + EscapeLabelValue(value).toUtf8() + '"';
}

QByteArray Label(const char* name, const char* value)
{
    return Label(name, QString::fromLatin1(value));
}

}  // namespace

const char* Name(Order order)
{
    static constexpr const char* kNames[kOrders] = {"accepted", "refused", "failed", "unknown"};
    return kNames[int(order)];
}

const char* Name(Request request)
{
    static constexpr const char* kNames[kRequests] = {"login",     "settings",   "poll",     "order", "menu_page",
                                                      "catalogue", "categories", "pictures", "other"};
    return kNames[int(request)];
}

const char* Name(Failure failure)
{
    static constexpr const char* kNames[kFailures] = {"unreachable", "no_tls",    "tls",    "stalled",   "overdue",
                                                      "dropped",     "too_large", "status", "malformed", "other"};
    return kNames[int(failure)];
}

void CountOrder(Order outcome)
{
    ++counters().orders[int(outcome)];
    std::function<void()> listener;
    {
        const std::lock_guard lock(g_listenerMutex);
        listener = g_orderListener;
    }
    if (listener)
        listener();
}

void CountPoll(bool succeeded)
{
    if (succeeded) {
        ++counters().pollsSucceeded;
        counters().lastGoodPollMs = QDateTime::currentMSecsSinceEpoch();
    } else {
        ++counters().pollsFailed;
    }
}

void CountExchange(Request request, std::optional<Failure> failure)
{
    ++counters().exchanges[int(request)];
    if (failure)
        ++counters().failures[int(request)][int(*failure)];
}

void CountStaffCall()
{
    ++counters().staffCalls;
}

RequestLabel::RequestLabel(Request request)
    : m_saved(t_label)
{
    t_label = request;
}

RequestLabel::~RequestLabel()
{
    t_label = m_saved;
}

std::optional<Request> RequestLabel::current()
{
    return t_label;
}

void SetOrderListener(std::function<void()> listener)
{
    const std::lock_guard lock(g_listenerMutex);
    g_orderListener = std::move(listener);
}

Reading Read()
{
    const Counters& c = counters();
    Reading r;
    for (int i = 0; i < kOrders; ++i)
        r.orders[i] = c.orders[i];
    r.pollsSucceeded = c.pollsSucceeded;
    r.pollsFailed = c.pollsFailed;
    r.lastGoodPollMs = c.lastGoodPollMs;
    for (int q = 0; q < kRequests; ++q) {
        r.exchanges[q] = c.exchanges[q];
        for (int f = 0; f < kFailures; ++f)
            r.failures[q][f] = c.failures[q][f];
    }
    r.staffCalls = c.staffCalls;
    r.startMs = c.startMs;
    return r;
}

void Reset()
{
    Counters& c = counters();
    for (auto& n : c.orders)
        n = 0;
    c.pollsSucceeded = 0;
    c.pollsFailed = 0;
    c.lastGoodPollMs = 0;
    for (int q = 0; q < kRequests; ++q) {
        c.exchanges[q] = 0;
        for (auto& n : c.failures[q])
            n = 0;
    }
    c.staffCalls = 0;
    c.startMs = QDateTime::currentMSecsSinceEpoch();
}

QString EscapeLabelValue(const QString& value)
{
    QString out;
    out.reserve(value.size());
    for (const QChar ch : value) {
        if (ch == u'\\')
            out += QStringLiteral("\\\\");
        else if (ch == u'"')
            out += QStringLiteral("\\\"");
        else if (ch == u'\n')
            out += QStringLiteral("\\n");
        else
            out += ch;
    }
    return out;
}

QByteArray Render(const Reading& r)
{
    Writer w;
    w.family("sumbrel_orders_total", "counter", "Orders submitted since the start, by what the customer was told.");
    for (int i = 0; i < kOrders; ++i)
        w.sample("sumbrel_orders_total", Label("outcome", Name(Order(i))), Count(r.orders[i]));

    w.family("sumbrel_waiting_polls_total", "counter",
             "Waiting-status polls since the start: succeeded when the shop answered with the waiting status.");
    w.sample("sumbrel_waiting_polls_total", Label("result", "succeeded"), Count(r.pollsSucceeded));
    w.sample("sumbrel_waiting_polls_total", Label("result", "failed"), Count(r.pollsFailed));

    w.family("sumbrel_last_successful_poll_timestamp_seconds", "gauge",
             "When the last waiting-status poll succeeded, in seconds since the epoch; 0 before the first.");
    w.sample("sumbrel_last_successful_poll_timestamp_seconds", {}, Seconds(r.lastGoodPollMs));

    w.family("sumbrel_exchanges_total", "counter",
             "Exchanges with the shop's web service since the start, by request.");
    for (int q = 0; q < kRequests; ++q)
        w.sample("sumbrel_exchanges_total", Label("request", Name(Request(q))), Count(r.exchanges[q]));

    // Only the pairs that happened: the full table would be ninety lines of zeros.
    w.family("sumbrel_exchange_failures_total", "counter",
             "Exchanges with the shop's web service that failed since the start, by request and by kind.");
    for (int q = 0; q < kRequests; ++q)
        for (int f = 0; f < kFailures; ++f)
            if (r.failures[q][f] > 0)
                w.sample("sumbrel_exchange_failures_total",
                         Label("request", Name(Request(q))) + ',' + Label("kind", Name(Failure(f))),
                         Count(r.failures[q][f]));

    w.family("sumbrel_screen_longest_hold_seconds", "gauge",
             "The longest time the screen could not be touched because an exchange held it, since the start.");
    w.sample("sumbrel_screen_longest_hold_seconds", {}, Seconds(r.longestHoldMs));
    w.family("sumbrel_screen_held_seconds_total", "counter",
             "The time the screen could not be touched because exchanges held it, since the start.");
    w.sample("sumbrel_screen_held_seconds_total", {}, Seconds(r.heldMs));

    w.family("sumbrel_staff_calls_total", "counter",
             "Touches of the staff call key by customers since the start.");
    w.sample("sumbrel_staff_calls_total", {}, Count(r.staffCalls));

    w.family("sumbrel_voice_usable", "gauge", "1 when the voice guidance's engine can speak, 0 when not.");
    w.sample("sumbrel_voice_usable", {}, r.voiceUsable ? "1" : "0");

    w.family("sumbrel_start_time_seconds", "gauge", "When the terminal started, in seconds since the epoch.");
    w.sample("sumbrel_start_time_seconds", {}, Seconds(r.startMs));

    w.family("sumbrel_build_info", "gauge", "The terminal's version, as a label; the value is always 1.");
    w.sample("sumbrel_build_info", Label("version", r.version), "1");
    return w.take();
}

bool ReplaceFile(const QString& path, const QByteArray& bytes, QString* why)
{
    return sumbrel::ReplaceFile(path, bytes, why,
                                QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                    | QFileDevice::ReadOther);
}

}  // namespace sumbrel::health
