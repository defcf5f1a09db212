// Starts the demo shop web service for a test and steers it.
//
// Each instance runs its own demo-shop process in a fresh temporary data
// folder on a free loopback port, and ends it when destroyed. Failures to
// start or to reach the control pages throw std::runtime_error, which
// GoogleTest reports as a failure of the running test.
#pragma once

#include <QJsonArray>
#include <QMap>
#include <QString>
#include <QStringList>

#include <memory>

class DemoShop {
public:
    // Shop account of the seeded data.
    static constexpr const char* kId = "demo";
    static constexpr const char* kPassword = "demo1234";
    static constexpr int kShopNumber = 12;

    // extraArgs go to demo-shop as they are, e.g. {"--repeat-window", "0"},
    // {"--fault", "/program/logins.php,kind=close"} or {"--seed-size", "500,8"}
    // (a generated menu, seeded afresh instead of copying the template).
    explicit DemoShop(QStringList extraArgs = {});
    ~DemoShop();
    DemoShop(const DemoShop&) = delete;
    DemoShop& operator=(const DemoShop&) = delete;

    int port() const;
    QString host() const;  // "127.0.0.1:PORT"
    QString httpBase() const;  // "http://127.0.0.1:PORT"
    QString dataDir() const;

    // kind: "status", "delay", "close", "garbage", "trickle" or "process-close"; count 0 = until cleared;
    // status 0 and delayMs 0 take the service's defaults (500, 2000 ms).
    void setFault(const QString& path, const QString& kind, int count = 1, int status = 0, int delayMs = 0,
                  const QString& body = {});
    // Any fault kind with its settings as the control page takes them (interval_ms, delay_ms,
    // status, body, ...).
    void addFault(const QString& path, const QString& kind, const QMap<QString, QString>& settings = {},
                  int count = 1);
    void clearFaults();
    // Keys: count, time, TakeOutPCText, TOWhereYN, TakeOutCarYN,
    // TakeOutCarText, TOPayTypeS, omit (comma list), reset ("1"), raw.
    void setSettings(const QMap<QString, QString>& values);
    QJsonArray orders() const;
    QJsonArray requests() const;
    // How many of the journaled requests went to the path.
    int requestCount(const QString& path) const;
    void clearRequests();
    void deletePicture(int menuNumber);
    void deleteLogo();
    // From now on a connection that opens with a TLS handshake is closed unanswered (as --tls-close),
    // or no longer.
    void setTlsClose(bool on);
    // The TLS handshakes closed so far.
    int closedHandshakes() const;

    // Ends the service now (SIGTERM) and returns its exit code, or -1 when
    // it had to be killed. Later calls return the same code.
    int stop();
    bool isRunning() const;
    // The request lines the service has printed so far, one per request.
    QStringList logLines() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
