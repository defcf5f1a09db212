#include "login/login_model.h"

#include "login/login_rules.h"
#include "server/endpoints.h"
#include "server/fields.h"
#include "server/http_client.h"
#include "startup/global_state.h"
#include "startup/ini.h"
#include "startup/parse.h"
#include "startup/stored_login.h"
#include "startup/trace_log.h"

namespace sumbrel {

namespace {
const QString kModule = QStringLiteral("frmLogin");
// The hosts that once answered a login over https; they are never asked over http again, so an
// attacker who blocks the https port cannot turn the login into plain text.
const QString kHttpsHostsKey = QStringLiteral("ServiceTls");

QString rememberedHttpsHosts()
{
    return ReadIni(QStringLiteral("Set"), kHttpsHostsKey, configFilePath());
}

void rememberHttpsHost(const QString& host)
{
    const QString remembered = rememberedHttpsHosts();
    if (HostSpokeHttps(remembered, host))
        return;
    WriteIni(QStringLiteral("Set"), kHttpsHostsKey, RememberHttpsHost(remembered, host), configFilePath());
    WriteLog(QStringLiteral("logins() ... https로 로그인함: 이 호스트에는 http를 다시 쓰지 않음 (ServiceTls: ") + host + u')',
             QString::fromUtf16(endpoints::kChannelHttp));
}
}  // namespace

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
    SUMBREL_STEP_OR(proc, false, {
        m_result = PostForm(url, body);
        m_answer = m_result.text;
    });
    SUMBREL_STEP_OR(proc, false, m_answer = CollapseDoubledBreaks(m_answer));
    SUMBREL_STEP_OR(proc, false, WriteLog(QStringLiteral("logins() ... ResponseStr:\r\n") + endpoints::TraceAnswer(m_answer), channel));
    return true;
}

int AutoLoginRetrySeconds(int retry)
{
    static constexpr int kFirst[] = {5, 10, 20, 40};
    return retry >= 1 && retry <= 4 ? kFirst[retry - 1] : 60;
}

QString LoginModel::Request(const QString& id, const QString& password)
{
    m_answer.clear();
    m_result = {};
    m_untrusted = false;
    const QString host = gs().serviceHost;
    gs().serviceBaseUrl = QStringLiteral("https://") + host;
    const bool sent = send(id, password);
    // From here on failures are ignored without trace.
    try {
        if (sent && m_answer.trimmed().isEmpty()) {
            const QString channel = QString::fromUtf16(endpoints::kChannelHttp);
            // http only for a port that showed it speaks no TLS (or could not be reached at all):
            // anything else would send the ID and password in clear to whoever blocks https.
            if (m_result.failure == NetFailure::Tls && m_result.handshake != Handshake::NoCertificate) {
                // The shop speaks https with a certificate we cannot trust. --ca-file is the way on.
                m_untrusted = true;
                WriteLog(QStringLiteral("logins() ... 매장 서버의 인증서를 신뢰할 수 없어 http로 바꾸지 않음 (--ca-file)"),
                         channel);
            } else if (HostSpokeHttps(rememberedHttpsHosts(), host)) {
                WriteLog(QStringLiteral("logins() ... https로 로그인한 적이 있는 호스트라 http로 바꾸지 않음 (ServiceTls: ")
                             + host + u')',
                         channel);
            } else if (m_result.spokeTls && !m_result.answered()) {
                WriteLog(QStringLiteral("logins() ... 매장 서버가 TLS로 답했으나 핸드셰이크가 실패하여 http로 바꾸지 않음"),
                         channel);
            } else {
                gs().serviceBaseUrl = QStringLiteral("http://") + host;
                send(id, password);
            }
        }
    } catch (...) {
    }
    return m_answer;
}

LoginOutcome LoginModel::Login(const QString& id, const QString& password, bool remember, bool autoLogin)
{
    m_storeFailed = false;
    const QString answer = Request(id, password);
    if (m_untrusted)
        return LoginOutcome::Untrusted;
    // No answer, an error page or bytes that do not read instead of the shop's own: the service is
    // not there, which says nothing about the password.
    const bool success = IsLoginSuccess(answer) && !m_result.malformed;
    if (!success && !m_result.good())
        return LoginOutcome::Unreachable;
    if (!success) {
        ++m_failures;
        return m_failures > kFailuresAllowed ? LoginOutcome::TooManyFailures : LoginOutcome::Failed;
    }
    try {
        const QString stored = BuildStoredLogin(remember, autoLogin, id, password, gs().loginFieldSeparator);
        m_storeFailed = !stored.isEmpty() && !WriteStoredLogin(stored);
        if (m_storeFailed)
            WriteLog(QStringLiteral("  [frmLogin→lblLogin_Click] 로그인 정보를 저장하지 못함: ") + StoredLoginFile());
    } catch (...) {
    }
    try {
        if (gs().serviceBaseUrl.startsWith(QStringLiteral("https://")))
            rememberHttpsHost(gs().serviceHost);
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
