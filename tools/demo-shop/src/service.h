// The demo shop's HTTP service: the shop's PHP pages, the picture
// downloads, fault injection and the control pages for tests.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "faults.h"
#include "form.h"
#include "shop_db.h"

namespace httplib {
struct Request;
struct Response;
}  // namespace httplib

namespace demoshop {

struct ServiceOptions {
    std::string dataDir;
    int port = 0;  // 0: any free port
    int repeatWindowMinutes = 30;  // 0: no repeat check
    std::vector<Fault> faults;
    std::string password = "demo1234";  // of the shop account "demo"
    std::string charset;  // empty: UTF-8; else the pages answer and read their forms in it
    std::string tlsCert, tlsKey;  // both set: https and http on the one port
    bool tlsClose = false;  // a connection that opens with a TLS handshake is closed unanswered
};

// The fields of the settings answer, in its order; the control page sets them by these names.
const std::vector<std::string>& settingsFields();

class Service {
public:
    Service(ServiceOptions options, std::unique_ptr<ShopDb> db);
    ~Service();

    // Binds 127.0.0.1 only.
    bool bind(std::string* error);
    int port() const { return port_; }
    // Serves until stop().
    void run();
    // Safe from any thread.
    void stop();

private:
    class HttpServer;
    struct JournalEntry {
        std::string method, path, rawBody;
        std::vector<std::pair<std::string, std::string>> fields;
        std::vector<std::pair<std::string, std::string>> headers;
        int status = 0;
        std::string fault;
        bool tls = false;
        std::string alpn;  // protocols the client offered over TLS
    };

    void handle(const httplib::Request& req, httplib::Response& res, const std::string& body);
    void handleControl(const httplib::Request& req, httplib::Response& res, const FormFields& form);
    void route(const httplib::Request& req, httplib::Response& res, const FormFields& form);
    bool applyFault(const Fault& fault, const httplib::Request& req, httplib::Response& res, const FormFields& form);

    bool loggedIn(const FormFields& form) const;
    std::string toCharset(const std::string& utf8) const;
    std::string fromCharset(const std::string& bytes) const;
    void answerText(httplib::Response& res, const std::string& text, int status = 200);
    void answerFile(httplib::Response& res, const std::string& path);
    void notFound(httplib::Response& res, const std::string& path);

    std::string settingsText();
    void orderPage(httplib::Response& res, const FormFields& form);
    std::string ordersJson();
    std::string journalJson();
    std::string faultsJson();
    std::string tlsJson();
    void sleepUnlessStopping(int ms);

    ServiceOptions options_;
    std::unique_ptr<ShopDb> db_;
    std::unique_ptr<HttpServer> server_;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    std::atomic<long> sessions_{0};
    std::atomic<bool> listening_{false};
    std::atomic<bool> runReturned_{false};
    std::mutex stopMutex_;
    std::condition_variable stopCv_;

    FaultTable faults_;

    std::atomic<bool> tlsClose_{false};
    std::atomic<long> tlsClosed_{0};  // handshakes closed so far

    std::mutex settingsMutex_;
    std::map<std::string, std::string> settingsValues_;
    std::set<std::string> settingsOmitted_;
    std::optional<std::string> settingsRaw_;

    std::mutex orderMutex_;  // repeat check and insert as one step

    std::mutex journalMutex_;
    std::deque<JournalEntry> journal_;
};

}  // namespace demoshop
