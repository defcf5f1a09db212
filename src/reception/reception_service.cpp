#include "reception/reception_service.h"

#include "menu/order_text.h"
#include "server/endpoints.h"
#include "server/fields.h"
#include "server/http_client.h"
#include "startup/clock.h"
#include "startup/trace_log.h"

namespace sumbrel::reception {

namespace {
QString HttpChannel()
{
    return QString::fromUtf16(endpoints::kChannelHttp);
}
}  // namespace

SubmitOutcome JudgeOrderAnswer(const QString& answer)
{
    if (answer.contains(QStringLiteral("성공")))
        return SubmitOutcome::Accepted;
    if (answer.contains(QStringLiteral("이미")))
        return SubmitOutcome::AlreadyRegistered;
    return SubmitOutcome::Failed;
}

ReceptionService::ReceptionService()
    : m_transport(GetWinHttp)
{
}

void ReceptionService::setTransport(Transport transport)
{
    m_transport = transport ? std::move(transport) : Transport(GetWinHttp);
}

ReceptionSettings ReceptionService::loadSettings()
{
    return ParseReceptionSettings(endpoints::PostLogged(QStringLiteral("Load_Setting"),
                                                        endpoints::Url(endpoints::kReceptionSettings),
                                                        endpoints::CredentialsBody(), HttpChannel(), m_transport));
}

WaitingStatus ReceptionService::poll()
{
    const QString url = endpoints::Url(endpoints::kReceptionSettings);
    const QString body = endpoints::CredentialsBody();
    const uint32_t t0 = TickCount();
    const QString answer = m_transport(url, body);
    if (answer == m_lastWaitAnswer) {
        WriteLog(QStringLiteral("TOLoad() ... ResponseStr: 직전과 동일. ") + QString::number(TickCount() - t0)
                     + QStringLiteral("ms 걸림."),
                 HttpChannel());
    } else {
        const QString request = QStringLiteral("TOLoad() ... ") + url + u'?' + body;
        WriteLog(request);
        WriteLog(request, HttpChannel());
        if (const auto tail = PollAnswerTail(answer))
            WriteLog(QStringLiteral("TOLoad() ... ResponseStr:\r\n") + *tail, HttpChannel());
    }
    m_lastWaitAnswer = answer;
    return ParseWaitingStatus(answer);
}

SubmitOutcome ReceptionService::submit(const OrderValues& values, const QString& cart)
{
    const QString xml = XML_Order(cart);
    if (xml.isEmpty()) {
        // An order with an empty menu would reach the shop as an order of nothing.
        WriteLog(ErrorTraceText(QString(), QStringLiteral("Save_Input"), 0, kSubscriptOutOfRange,
                                QStringLiteral("주문 내용을 만들 수 없어 보내지 않음. 장바구니: ") + cart));
        return SubmitOutcome::NotSent;
    }
    const QString body = endpoints::OrderBody(values.phone, values.where, values.pay, values.taxi, ZulEncodeAA(xml));
    return JudgeOrderAnswer(endpoints::PostLogged(QStringLiteral("Save_Input"), endpoints::Url(endpoints::kOrder), body,
                                                  HttpChannel(), m_transport));
}

}  // namespace sumbrel::reception
