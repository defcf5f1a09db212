#include "login/login_model.h"

#include "login/login_rules.h"
#include "server/endpoints.h"
#include "server/fields.h"
#include "server/http_client.h"
#include "startup/global_state.h"
#include "startup/parse.h"
#include "startup/stored_login.h"
#include "startup/trace_log.h"

namespace sumbrel {

namespace {
const QString kModule = QStringLiteral("frmLogin");
}

void LoginModel::readStoredOptions()
{
    m_stored = SplitStoredLogin(ReadStoredLogin(), gs().loginFieldSeparator);
}

bool LoginModel::storedRemember() const
{
    return ParseBool(m_stored.value(0));
}

bool LoginModel::storedAutoLogin() const
{
    return ParseBool(m_stored.value(1));
}

bool LoginModel::send(const QString& id, const QString& password)
{
    Procedure proc(kModule, QStringLiteral("lblLogin_Click"));
    QString url;
    QString body;
    SUMBREL_STEP_OR(proc, false, {
        url = endpoints::Url(endpoints::kLogin);
        body = endpoints::LoginBody(id, password);
    });
    const QString channel = QString::fromUtf16(endpoints::kChannelHttp);
    SUMBREL_STEP_OR(proc, false, WriteLog(QStringLiteral("logins() ... ") + url + u'?' + body, channel));
    SUMBREL_STEP_OR(proc, false, m_answer = GetWinHttp(url, body));
    SUMBREL_STEP_OR(proc, false, m_answer = CollapseDoubledBreaks(m_answer));
    SUMBREL_STEP_OR(proc, false, WriteLog(QStringLiteral("logins() ... ResponseStr:\r\n") + m_answer, channel));
    return true;
}

QString LoginModel::Request(const QString& id, const QString& password)
{
    m_answer.clear();
    gs().serviceBaseUrl = QStringLiteral("https://") + gs().serviceHost;
    const bool sent = send(id, password);
    // From here on failures are ignored without trace.
    try {
        if (sent && m_answer.trimmed().isEmpty()) {
            gs().serviceBaseUrl = QStringLiteral("http://") + gs().serviceHost;
            send(id, password);
        }
    } catch (...) {
    }
    return m_answer;
}

LoginOutcome LoginModel::Login(const QString& id, const QString& password, bool remember, bool autoLogin)
{
    const QString answer = Request(id, password);
    if (!IsLoginSuccess(answer)) {
        ++m_failures;
        return m_failures > kFailuresAllowed ? LoginOutcome::TooManyFailures : LoginOutcome::Failed;
    }
    try {
        const QString stored = BuildStoredLogin(remember, autoLogin, id, password, gs().loginFieldSeparator);
        if (!stored.isEmpty())
            WriteStoredLogin(stored);
    } catch (...) {
    }
    try {
        gs().shopNumber = FieldOr(answer, u"번호");
        gs().shopName = FieldOr(answer, u"storename");
        gs().loginId = id;
        gs().loginPassword = password;
    } catch (...) {
    }
    return LoginOutcome::Success;
}

}  // namespace sumbrel
