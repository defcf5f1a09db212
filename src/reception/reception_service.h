#pragma once
// The reception screen's exchanges with the web service: the shop settings before each customer,
// the waiting-status poll and the order submission. No widgets: the screen shows what comes back.
#include "reception/customer_path.h"
#include "reception/reception_rules.h"
#include "server/endpoints.h"

#include <QString>
#include <functional>

namespace sumbrel::reception {

enum class SubmitOutcome {
    Accepted,  // the answer holds "성공"
    AlreadyRegistered,  // no "성공" but "이미": the number has ordered already
    Failed,  // no answer, or neither marker
    NotSent,  // the cart gives no order text: nothing was sent
};
// "성공" is looked for before "이미": an answer with both is a success.
SubmitOutcome JudgeOrderAnswer(const QString& answer);

class ReceptionService {
public:
    using Transport = endpoints::Poster;

    ReceptionService();
    // GetWinHttp unless replaced.
    void setTransport(Transport transport);
    const Transport& transport() const { return m_transport; }

    // Load_Setting's exchange: missing fields give empty settings.
    ReceptionSettings loadSettings();
    // TOLoad's exchange; an answer equal to the previous poll's costs one short trace line.
    WaitingStatus poll();
    const QString& lastWaitAnswer() const { return m_lastWaitAnswer; }
    // Save_Input's exchange for the cart; a cart without order text is never sent.
    SubmitOutcome submit(const OrderValues& values, const QString& cart);

private:
    Transport m_transport;
    QString m_lastWaitAnswer;
};

}  // namespace sumbrel::reception
