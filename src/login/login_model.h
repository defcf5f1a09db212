#pragma once
// The login without a screen: the stored options, the request sequence (https, then http with the
// same host when the answer is empty), the success test and the three-failure rule.
#include "server/http_client.h"
#include "server/session.h"

#include <QString>
#include <QStringList>

namespace sumbrel {

enum class LoginOutcome {
    Success,  // the model holds the session and the options are stored
    Failed,  // the first or second failure: the screen lets the operator try again
    TooManyFailures,  // the third failure: the program ends
    Unreachable,  // no answer from the service at all (or an error page): not counted as a failure
    Untrusted,  // the shop's https certificate is not trusted: no fallback to http, not counted
};

// The automatic login's waits after the service could not be reached: 5, 10, 20, 40 s, then every
// 60 s. retry counts from 1.
int AutoLoginRetrySeconds(int retry);

// One login exchange as the screen's thread hands it over: everything it needs is read here, so the
// exchange itself reads and writes nothing of the screens'.
struct LoginRequest {
    QString host;  // the service's host, asked over https and maybe http
    QString httpsHosts;  // the hosts that once logged in over https (ServiceTls)
    QString id;
    QString password;
};

// What the exchange brought back, applied on the screen's thread.
struct LoginReply {
    QString baseUrl;  // the address asked last
    QString answer;  // with its doubled breaks collapsed
    PostResult result;
    bool untrusted = false;  // a certificate that is not trusted: no http after it
};

class LoginModel {
public:
    static constexpr int kFailuresAllowed = 2;

    // Reads the stored options: four fields, or the default when they do not split into four.
    void readStoredOptions();
    const QStringList& storedOptions() const { return m_stored; }
    bool storedRemember() const;
    bool storedAutoLogin() const;
    QString storedId() const { return m_stored.value(2); }
    QString storedPassword() const { return m_stored.value(3); }

    // Sends the login to the https form of the service's address, and once more to the http form
    // when https could not be reached or its port ended the handshake without any TLS (closed,
    // reset, a plain-text answer). Never after a certificate was presented or the peer answered in
    // TLS, and never for a host that once logged in over https (the configuration's ServiceTls):
    // the password would then travel in clear. The reply keeps the address that was asked last.
    // Both exchanges are logged on "_WinHttp"; the answer comes back with its doubled breaks
    // collapsed. Runs off the screen's thread: it only sends and logs.
    static LoginReply Exchange(const LoginRequest& request, const CancelFlag& cancel = {});
    // On the screen's thread, before the exchange: reads the host and the remembered https hosts.
    static LoginRequest Prepare(const QString& id, const QString& password);

    // On the screen's thread, after the exchange: the success test and the failure count. On
    // success session() holds the login values and the shop's number and name, and the options are
    // stored. Its serviceBaseUrl becomes the address asked last.
    LoginOutcome Apply(const LoginRequest& request, const LoginReply& reply, bool remember, bool autoLogin);

    // One attempt on the caller's thread: Prepare, Exchange and Apply.
    LoginOutcome Login(const QString& id, const QString& password, bool remember, bool autoLogin);

    int failures() const { return m_failures; }
    // The last successful login could not store its options (a full or read-only disk).
    bool storeFailed() const { return m_storeFailed; }
    const QString& lastAnswer() const { return m_answer; }
    // What the last successful login gave.
    const Session& session() const { return m_session; }

private:
    QStringList m_stored;
    int m_failures = 0;
    QString m_answer;
    bool m_storeFailed = false;
    Session m_session;
};

}  // namespace sumbrel
