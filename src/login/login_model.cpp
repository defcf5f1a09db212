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
    WriteLog(QStringLiteral("logins() ... https로 로그인함: 이 호스트에는 http를 다시 쓰지 않음 (ServiceTls: ") + host
                 + u')',
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

namespace {

// One login request to baseUrl, logged as the trace always shows it.
void Send(const QString& baseUrl, const LoginRequest& request, const CancelFlag& cancel, LoginReply& reply)
{
    const QString url = baseUrl + QString::fromUtf16(endpoints::kLogin);
    const QString body = endpoints::LoginBody(request.id, request.password);
    const QString channel = QString::fromUtf16(endpoints::kChannelHttp);
    WriteLog(QStringLiteral("logins() ... ") + url + u'?' + body, channel);
    CallOptions options;
    options.cancel = cancel;
    reply.result = PostForm(url, body, options);
    reply.answer = CollapseDoubledBreaks(reply.result.text);
    WriteLog(QStringLiteral("logins() ... ResponseStr:\r\n") + endpoints::TraceAnswer(reply.answer), channel);
}

}  // namespace

int AutoLoginRetrySeconds(int retry)
{
    static constexpr int kFirst[] = {5, 10, 20, 40};
    return retry >= 1 && retry <= 4 ? kFirst[retry - 1] : 60;
}

LoginRequest LoginModel::Prepare(const QString& id, const QString& password)
{
    LoginRequest request;
    request.host = gs().serviceHost;
    request.httpsHosts = rememberedHttpsHosts();
    request.id = id;
    request.password = password;
    return request;
}

LoginReply LoginModel::Exchange(const LoginRequest& request, const CancelFlag& cancel)
{
    LoginReply reply;
    const QString& host = request.host;
    reply.baseUrl = QStringLiteral("https://") + host;
    Send(reply.baseUrl, request, cancel, reply);
    if (reply.answer.trimmed().isEmpty() && !(cancel && cancel->load())) {
        const QString channel = QString::fromUtf16(endpoints::kChannelHttp);
        const PostResult& result = reply.result;
        // http only for a port that showed it speaks no TLS (or could not be reached at all):
        // anything else would send the ID and password in clear to whoever blocks https.
        if (result.failure == NetFailure::Tls && result.handshake != Handshake::NoCertificate) {
            // The shop speaks https with a certificate we cannot trust. --ca-file is the way on.
            reply.untrusted = true;
            WriteLog(QStringLiteral("logins() ... 매장 서버의 인증서를 신뢰할 수 없어 http로 바꾸지 않음 (--ca-file)"),
                     channel);
        } else if (HostSpokeHttps(request.httpsHosts, host)) {
            WriteLog(QStringLiteral("logins() ... https로 로그인한 적이 있는 호스트라 http로 바꾸지 않음 (ServiceTls: ")
                         + host + u')',
                     channel);
        } else if (result.spokeTls && !result.answered()) {
            WriteLog(QStringLiteral("logins() ... 매장 서버가 TLS로 답했으나 핸드셰이크가 실패하여 http로 바꾸지 않음"),
                     channel);
        } else {
            reply.baseUrl = QStringLiteral("http://") + host;
            Send(reply.baseUrl, request, cancel, reply);
        }
    }
    return reply;
}

LoginOutcome LoginModel::Apply(const LoginRequest& request, const LoginReply& reply, bool remember, bool autoLogin)
{
    m_storeFailed = false;
    m_answer = reply.answer;
    m_session.serviceBaseUrl = reply.baseUrl;
    if (reply.untrusted)
        return LoginOutcome::Untrusted;
    const QString& answer = reply.answer;
    // No answer, an error page or bytes that do not read instead of the shop's own: the service is
    // not there, which says nothing about the password.
    const bool success = IsLoginSuccess(answer) && !reply.result.malformed;
    if (!success && !reply.result.good())
        return LoginOutcome::Unreachable;
    if (!success) {
        ++m_failures;
        return m_failures > kFailuresAllowed ? LoginOutcome::TooManyFailures : LoginOutcome::Failed;
    }
    const QString& id = request.id;
    const QString& password = request.password;
    const QString stored = BuildStoredLogin(remember, autoLogin, id, password, gs().loginFieldSeparator);
    m_storeFailed = !stored.isEmpty() && !WriteStoredLogin(stored);
    if (m_storeFailed)
        WriteLog(QStringLiteral("  [frmLogin→lblLogin_Click] 로그인 정보를 저장하지 못함: ") + StoredLoginFile());
    if (reply.baseUrl.startsWith(QStringLiteral("https://")))
        rememberHttpsHost(request.host);
    m_session.shopNumber = FieldOr(answer, u"번호");
    m_session.shopName = FieldOr(answer, u"storename");
    m_session.loginId = id;
    m_session.loginPassword = password;
    return LoginOutcome::Success;
}

LoginOutcome LoginModel::Login(const QString& id, const QString& password, bool remember, bool autoLogin)
{
    const LoginRequest request = Prepare(id, password);
    return Apply(request, Exchange(request), remember, autoLogin);
}

}  // namespace sumbrel
