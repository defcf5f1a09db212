#pragma once
// How the terminal is doing, for a shop's IT to watch from outside: counters bumped wherever an order
// ends, a poll is answered or an exchange ends (on any thread), rendered in Prometheus' text format
// for node_exporter's textfile collector. Every label value comes from the enums below, never from
// what the shop sent. No widgets.
#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

namespace sumbrel::health {

enum class Order { Accepted, Refused, Failed, Unknown };
inline constexpr int kOrders = 4;

// What an exchange was for; the label of its counts.
enum class Request { Login, Settings, Poll, Order, MenuPage, Catalogue, Categories, Pictures, Other };
inline constexpr int kRequests = 9;

// Why an exchange failed.
enum class Failure { Unreachable, NoTls, Tls, Stalled, Overdue, Dropped, TooLarge, Status, Malformed, Other };
inline constexpr int kFailures = 10;

const char* Name(Order order);
const char* Name(Request request);
const char* Name(Failure failure);

void CountOrder(Order outcome);
// succeeded: the shop answered with the waiting status; it also stamps the time of the last good poll.
void CountPoll(bool succeeded);
// One exchange ended; failure empty when it was answered as it should be.
void CountExchange(Request request, std::optional<Failure> failure);
// A customer touched "직원 호출" (each touch, whether the bell rang or not).
void CountStaffCall();

// While it lives, the exchanges this thread makes count under the label instead of the one their
// address gives (the waiting poll and the settings load share one address).
class RequestLabel {
public:
    explicit RequestLabel(Request request);
    ~RequestLabel();
    RequestLabel(const RequestLabel&) = delete;
    RequestLabel& operator=(const RequestLabel&) = delete;
    static std::optional<Request> current();

private:
    std::optional<Request> m_saved;
};

// Called (on the counting thread) after each order is counted, so the file can be written at once.
void SetOrderListener(std::function<void()> listener);

struct Reading {
    std::array<uint64_t, kOrders> orders{};
    uint64_t pollsSucceeded = 0;
    uint64_t pollsFailed = 0;
    int64_t lastGoodPollMs = 0;  // since the epoch; 0: none yet
    std::array<uint64_t, kRequests> exchanges{};
    std::array<std::array<uint64_t, kFailures>, kRequests> failures{};
    uint64_t staffCalls = 0;
    int64_t startMs = 0;  // since the epoch
    // Filled by whoever writes the file: the screen's thread knows these.
    int64_t longestHoldMs = 0;
    int64_t heldMs = 0;
    bool voiceUsable = false;
    QString version;
};

// The counters as they stand, and the start time.
Reading Read();
// Back to a fresh start (a test's own counts).
void Reset();

// The text format: HELP and TYPE lines, every metric named sumbrel_*.
QByteArray Render(const Reading& reading);
// A label value as the format writes it between quotes.
QString EscapeLabelValue(const QString& value);

// Replaces the file in one step (a temporary file in the same folder, then a rename), readable by
// everyone (0644) so the collector's user can read it. False with why when it could not.
bool ReplaceFile(const QString& path, const QByteArray& bytes, QString* why);

}  // namespace sumbrel::health
