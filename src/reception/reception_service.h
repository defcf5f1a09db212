#pragma once
// The reception screen's exchanges with the web service: the shop settings before each customer,
// the waiting-status poll and the order submission. No widgets: the screen shows what comes back.
#include "menu/order.h"
#include "reception/customer_path.h"
#include "reception/reception_rules.h"
#include "server/endpoints.h"

#include <QString>
#include <functional>
#include <optional>

namespace sumbrel::reception {

// The order's outcome is an OrderState (customer_path.h), from the answer to the screen:
//   Accepted   a 200 answer holds "성공"
//   Refused    a 200 answer without "성공" but with "이미": the number has ordered already
//   Failed     the order did not reach the shop, or the shop answered without either marker
//   Unknown    the order went out but no answer came back: the shop may have it
//   NotSent    the cart gives no order text: nothing was sent
// "성공" is looked for before "이미": an answer with both is a success.
OrderState JudgeOrderAnswer(const QString& answer);
// The whole exchange: only a 200 answer can accept or refuse; a gateway's 502 or 504 and a request
// that went out without an answer leave the outcome unknown.
OrderState JudgeOrderExchange(const PostResult& result);

// The order as the shop takes it in "menu": one <menuliner> block per line (name with " ( x1 )",
// quantity, line amount), one <menubrr> block per option group inside it, every element on a line
// of its own ending in CR LF. Names are copied as they are; option prices as "+#,##0원". The empty
// order gives the empty text.
QString OrderText(const order::Order& order);

class ReceptionService {
public:
    using Transport = endpoints::Poster;

    // Every request carries the session's address and account.
    explicit ReceptionService(Session session);
    const Session& session() const { return m_session; }
    // PostForm unless replaced.
    void setTransport(Transport transport);
    const Transport& transport() const { return m_transport; }

    // loadSettings's exchange, in halves as the order's: the request, sent off the screen's thread,
    // and its answer. An answer without any of the shop's settings (failed, empty, garbage) keeps the
    // last good settings, traced; missing fields of a good answer are empty.
    struct Request {
        QString url;
        QString body;
        std::shared_ptr<endpoints::AnswerMemory> answers;  // the session's, for the trace
    };
    Request settingsRequest() const;
    static PostResult fetchSettings(const Request& request, const Transport& transport, const CancelFlag& cancel = {});
    ReceptionSettings settingsAnswered(const PostResult& answer);
    // Both halves at once, on this thread.
    ReceptionSettings loadSettings();

    // pollWaitingStatus's exchange, in two halves so that the request can run off the screen's thread: the
    // request (url and body, taken from the session on the screen's thread), then the answer's
    // traces (an answer equal to the previous poll's costs one short line) and its fields.
    struct PollRequest {
        QString url;
        QString body;
        uint32_t t0 = 0;
    };
    PollRequest pollRequest() const;
    // An answer whose bytes do not read shows nothing: better empty labels than garbled ones.
    WaitingStatus pollAnswered(const PollRequest& request, const PostResult& result);
    // Both halves at once, on this thread.
    WaitingStatus poll();
    const QString& lastWaitAnswer() const { return m_lastWaitAnswer; }

    // The order's exchange for the cart, in three steps so that the request runs off the screen's
    // thread: the body (none, traced and counted as NotSent, for a cart without order text), the
    // request, sent once and never repeated once it may have reached the shop, and the outcome.
    using OrderRequest = Request;
    std::optional<OrderRequest> orderRequest(const OrderValues& values, const order::Order& order) const;
    static PostResult sendOrder(const OrderRequest& request, const Transport& transport, const CancelFlag& cancel = {});
    OrderState orderAnswered(const PostResult& result) const;
    // All three at once, on this thread.
    OrderState submit(const OrderValues& values, const order::Order& order);

private:
    Transport m_transport;
    Session m_session;
    QString m_lastWaitAnswer;
    std::optional<ReceptionSettings> m_lastGoodSettings;
};

}  // namespace sumbrel::reception
