#include "reception/reception_service.h"

#include "server/endpoints.h"
#include "server/fields.h"
#include "server/http_client.h"
#include "startup/clock.h"
#include "startup/health_metrics.h"
#include "startup/trace_log.h"

namespace sumbrel::reception {

namespace {
QString HttpChannel()
{
    return QString::fromUtf16(endpoints::kChannelHttp);
}

// An answer that carries the shop's settings at all: one of their fields is there.
bool HoldsSettings(const QString& answer)
{
    for (const char16_t* name : {u"TOWhereYN", u"TakeOutCarYN", u"TOPayTypeS", u"TakeOutCarText", u"TakeOutPCText"})
        if (Field(answer, name))
            return true;
    return false;
}

// What the customer was told, as the health metrics count it: an order never sent failed.
health::Order Counted(OrderState outcome)
{
    switch (outcome) {
    case OrderState::Accepted:
        return health::Order::Accepted;
    case OrderState::Refused:
        return health::Order::Refused;
    case OrderState::Unknown:
        return health::Order::Unknown;
    default:
        break;
    }
    return health::Order::Failed;
}
}  // namespace

QString OrderText(const order::Order& order)
{
    const QString crLf = QStringLiteral("\r\n");
    QString text;
    for (const order::OrderLine& line : order.lines()) {
        text += QStringLiteral("<menuliner>") + crLf;
        text += QStringLiteral("<mnuname>") + line.name + QStringLiteral(" ( x1 )</mnuname>") + crLf;
        text += QStringLiteral("<mnucount>") + QString::number(line.quantity) + QStringLiteral("</mnucount>") + crLf;
        text += QStringLiteral("<mnuprice>") + QString::number(line.amount().won()) + QStringLiteral("</mnuprice>")
            + crLf;
        for (qsizetype k = 0; k < line.options.size(); ++k) {
            const order::OrderOption& option = line.options[k];
            // A group's options stand together: a new group opens a new block.
            if (order::OpensGroup(line, k)) {
                if (k > 0)
                    text += QStringLiteral("</menubrr>") + crLf;
                text += QStringLiteral("<menubrr>") + crLf;
                text += QStringLiteral("<field>") + option.group + QStringLiteral("</field>") + crLf;
            }
            text += QStringLiteral("<submenu>") + option.name + QStringLiteral("</submenu>") + crLf;
            text += QStringLiteral("<subprice>+") + option.price.caption() + QStringLiteral("원</subprice>") + crLf;
        }
        if (!line.options.isEmpty())
            text += QStringLiteral("</menubrr>") + crLf;
        text += QStringLiteral("</menuliner>") + crLf;
    }
    return text;
}

OrderState JudgeOrderAnswer(const QString& answer)
{
    if (answer.contains(QStringLiteral("성공")))
        return OrderState::Accepted;
    if (answer.contains(QStringLiteral("이미")))
        return OrderState::Refused;
    return OrderState::Failed;
}

OrderState JudgeOrderExchange(const PostResult& result)
{
    switch (result.delivery) {
    case Delivery::NotReached:
        return OrderState::Failed;
    case Delivery::Unknown:
        return OrderState::Unknown;
    case Delivery::Answered:
        break;
    }
    if (result.status == 200)
        return JudgeOrderAnswer(result.text);
    // A gateway that gave up waiting for the shop, or got a broken answer from it: the shop may have
    // stored the order all the same.
    if (result.status == 502 || result.status == 504)
        return OrderState::Unknown;
    return OrderState::Failed;
}

ReceptionService::ReceptionService(Session session)
    : m_transport(PostForm)
    , m_session(std::move(session))
{
}

void ReceptionService::setTransport(Transport transport)
{
    m_transport = transport ? std::move(transport) : Transport(PostForm);
}

ReceptionService::Request ReceptionService::settingsRequest() const
{
    return {endpoints::Url(m_session, endpoints::kReceptionSettings), endpoints::CredentialsBody(m_session),
            m_session.answers};
}

PostResult ReceptionService::fetchSettings(const Request& request, const Transport& transport, const CancelFlag& cancel)
{
    CallOptions options;
    options.cancel = cancel;
    options.answers = request.answers;
    return endpoints::PostLogged(QStringLiteral("Load_Setting"), request.url, request.body, HttpChannel(), transport,
                                 options);
}

ReceptionSettings ReceptionService::loadSettings()
{
    return settingsAnswered(fetchSettings(settingsRequest(), m_transport));
}

ReceptionSettings ReceptionService::settingsAnswered(const PostResult& answer)
{
    ReceptionSettings settings = ParseReceptionSettings(answer.text);
    if (answer.good() && HoldsSettings(answer.text)) {
        m_lastGoodSettings = settings;
        return settings;
    }
    if (!m_lastGoodSettings)
        return settings;
    WriteLog(QStringLiteral("Load_Setting() ... 설정 응답이 없거나 올바르지 않아 이전 설정을 유지함 (")
             + QString::number(answer.status) + u')');
    // The shop's choices stay; the waiting status is what this answer says, unless it does not read.
    ReceptionSettings kept = *m_lastGoodSettings;
    kept.waiting = answer.malformed ? WaitingStatus{} : settings.waiting;
    return kept;
}

ReceptionService::PollRequest ReceptionService::pollRequest() const
{
    return {endpoints::Url(m_session, endpoints::kReceptionSettings), endpoints::CredentialsBody(m_session),
            TickCount()};
}

WaitingStatus ReceptionService::pollAnswered(const PollRequest& request, const PostResult& result)
{
    const QString& answer = result.text;
    if (answer == m_lastWaitAnswer) {
        WriteLog(QStringLiteral("TOLoad() ... ResponseStr: 직전과 동일. ") + QString::number(TickCount() - request.t0)
                     + QStringLiteral("ms 걸림."),
                 HttpChannel());
    } else {
        const QString line = QStringLiteral("TOLoad() ... ") + request.url + u'?' + request.body;
        WriteLog(line);
        WriteLog(line, HttpChannel());
        if (const auto tail = PollAnswerTail(answer))
            WriteLog(QStringLiteral("TOLoad() ... ResponseStr:\r\n") + endpoints::TraceAnswer(*tail), HttpChannel());
    }
    m_lastWaitAnswer = answer;
    const WaitingStatus status = result.malformed ? WaitingStatus{} : ParseWaitingStatus(answer);
    health::CountPoll(result.good() && (status.teams || status.time));
    return status;
}

WaitingStatus ReceptionService::poll()
{
    const PollRequest request = pollRequest();
    return pollAnswered(request, m_transport(request.url, request.body, {}));
}

std::optional<ReceptionService::OrderRequest> ReceptionService::orderRequest(const OrderValues& values,
                                                                             const order::Order& order) const
{
    const QString xml = OrderText(order);
    if (xml.isEmpty()) {
        // An order with an empty menu would reach the shop as an order of nothing.
        WriteLog(ErrorTraceText(QString(), QStringLiteral("Save_Input"), 0, kSubscriptOutOfRange,
                                QStringLiteral("주문 내용이 없어 보내지 않음")));
        health::CountOrder(Counted(OrderState::NotSent));
        return std::nullopt;
    }
    return OrderRequest{endpoints::Url(m_session, endpoints::kOrder),
                        endpoints::OrderBody(m_session, values.phone, values.dining, values.payment, values.taxi,
                                             EscapeField(xml)),
                        m_session.answers};
}

PostResult ReceptionService::sendOrder(const OrderRequest& request, const Transport& transport,
                                       const CancelFlag& cancel)
{
    CallOptions once;
    once.retryAfterSending = false;
    once.cancel = cancel;
    once.answers = request.answers;
    return endpoints::PostLogged(QStringLiteral("Save_Input"), request.url, request.body, HttpChannel(), transport,
                                 once);
}

OrderState ReceptionService::orderAnswered(const PostResult& result) const
{
    const OrderState outcome = JudgeOrderExchange(result);
    if (outcome == OrderState::Unknown)
        WriteLog(ErrorTraceText(QString(), QStringLiteral("Save_Input"), 0, 0,
                                QStringLiteral("주문을 보냈으나 답을 받지 못함: 매장에 전달되었을 수 있음 (")
                                    + QString::number(result.status) + u')'));
    health::CountOrder(Counted(outcome));
    return outcome;
}

OrderState ReceptionService::submit(const OrderValues& values, const order::Order& order)
{
    const std::optional<OrderRequest> request = orderRequest(values, order);
    if (!request)
        return OrderState::NotSent;
    return orderAnswered(sendOrder(*request, m_transport));
}

}  // namespace sumbrel::reception
