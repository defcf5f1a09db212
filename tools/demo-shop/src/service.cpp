#include "service.h"

#include <arpa/inet.h>
#include <httplib.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <regex>
#include <sstream>

#include "answers.h"
#include "conn_stream.h"
#include "seed.h"

namespace fs = std::filesystem;

namespace demoshop {

namespace {

constexpr size_t kJournalSize = 500;
constexpr size_t kMaxBody = 16 * 1024 * 1024;
constexpr const char* kTextType = "text/plain; charset=utf-8";
constexpr const char* kHtmlType = "text/html; charset=utf-8";

struct ConnContext {
    ConnStream* stream = nullptr;
    std::chrono::steady_clock::time_point accepted;
};

thread_local ConnContext* tl_conn = nullptr;

std::mutex g_stdoutMutex;

void printLine(const std::string& line)
{
    std::lock_guard lock(g_stdoutMutex);
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// Junk that holds none of the words or field brackets the terminal looks for.
std::string garbageBytes()
{
    static thread_local std::mt19937 rng{std::random_device{}()};
    std::uniform_int_distribution<int> len(64, 512), byte(0, 255);
    while (true) {
        std::string s = "#!garbage ";
        int n = len(rng);
        for (int i = 0; i < n; ++i) {
            char c = static_cast<char>(byte(rng));
            if (c == '[' || c == ']' || c == '<' || c == '>')
                c = '?';
            s.push_back(c);
        }
        if (s.find("성공") == std::string::npos && s.find("이미") == std::string::npos
            && s.find("있음") == std::string::npos)
            return s;
    }
}

}  // namespace

const std::vector<std::string>& settingsFields()
{
    static const std::vector<std::string> names = {"count",        "time",           "TakeOutPCText", "TOWhereYN",
                                                   "TakeOutCarYN", "TakeOutCarText", "TOPayTypeS"};
    return names;
}

class Service::HttpServer : public httplib::Server {
public:
    explicit HttpServer(Service& service)
        : service_(service)
    {
    }
    // With a certificate, connections that open with a TLS handshake are served over TLS.
    TlsContext tls;
    bool useTls = false;

private:
    // One request per connection: the terminal makes a new request object
    // for every exchange, and "Connection: close" keeps the stream simple.
    bool process_and_close_socket(socket_t sock) override
    {
        bool ok = false;
        {
            ConnStream stream(sock, useTls ? &tls : nullptr, service_.tlsClose_);
            if (stream.closedHandshake())
                ++service_.tlsClosed_;
            if (stream.ready()) {
                ConnContext ctx;
                ctx.stream = &stream;
                ctx.accepted = std::chrono::steady_clock::now();
                tl_conn = &ctx;
                bool closed = false;
                ok = process_request(stream, true, closed, [](httplib::Request&) {});
                tl_conn = nullptr;
            }
        }
        ::shutdown(sock, SHUT_RDWR);
        ::close(sock);
        return ok;
    }

    Service& service_;
};

// The shop's pages in another charset than UTF-8: answers are written in it, forms read from it.
std::string Service::toCharset(const std::string& utf8) const
{
    if (options_.charset.empty())
        return utf8;
    QStringEncoder encoder(options_.charset.c_str());
    const QByteArray bytes = encoder.encode(QString::fromStdString(utf8));
    return bytes.toStdString();
}

std::string Service::fromCharset(const std::string& bytes) const
{
    if (options_.charset.empty())
        return bytes;
    QStringDecoder decoder(options_.charset.c_str());
    const QString text = decoder.decode(QByteArray::fromStdString(bytes));
    return text.toStdString();
}

Service::Service(ServiceOptions options, std::unique_ptr<ShopDb> db)
    : options_(std::move(options))
    , db_(std::move(db))
    , server_(std::make_unique<HttpServer>(*this))
{
    tlsClose_ = options_.tlsClose;
    for (auto& f : options_.faults)
        faults_.add(f);

    server_->Get(".*", [this](const httplib::Request& req, httplib::Response& res) { handle(req, res, {}); });
    server_->Post(".*",
                  [this](const httplib::Request& req, httplib::Response& res, const httplib::ContentReader& reader) {
                      std::string body;
                      reader([&](const char* data, size_t len) {
                          if (body.size() + len > kMaxBody)
                              return false;
                          body.append(data, len);
                          return true;
                      });
                      handle(req, res, body);
                  });
    // A client that waits for "100 Continue" must not get even that when the
    // connection is to be closed without an answer.
    server_->set_expect_100_continue_handler([this](const httplib::Request& req, httplib::Response&) {
        if (tl_conn && faults_.hasPending(req.path, FaultKind::Close))
            tl_conn->stream->drop = true;
        return 100;
    });
    server_->set_exception_handler([](const httplib::Request&, httplib::Response& res, std::exception_ptr ep) {
        std::string what = "unknown";
        try {
            if (ep)
                std::rethrow_exception(ep);
        } catch (const std::exception& e) {
            what = e.what();
        } catch (...) {
        }
        res.status = 500;
        res.set_content(errorPage(500, what), kHtmlType);
    });
}

Service::~Service() = default;

bool Service::bind(std::string* error)
{
    if (!options_.charset.empty() && !QStringEncoder(options_.charset.c_str()).isValid()) {
        *error = "unknown charset " + options_.charset;
        return false;
    }
    if (!options_.tlsCert.empty()) {
        if (!server_->tls.load(options_.tlsCert, options_.tlsKey, error))
            return false;
        server_->useTls = true;
    }
    if (options_.port == 0) {
        port_ = server_->bind_to_any_port("127.0.0.1");
        if (port_ <= 0) {
            *error = "cannot bind 127.0.0.1";
            return false;
        }
    } else {
        if (!server_->bind_to_port("127.0.0.1", options_.port)) {
            *error = "cannot bind 127.0.0.1:" + std::to_string(options_.port);
            return false;
        }
        port_ = options_.port;
    }
    return true;
}

void Service::run()
{
    // Announce first, then look at stopping_: with stop() doing the reverse,
    // one of the two always sees the other.
    listening_ = true;
    if (!stopping_)
        server_->listen_after_bind();
    runReturned_ = true;
}

void Service::stop()
{
    stopping_ = true;
    stopCv_.notify_all();
    // A stop that comes while listening is about to begin must still end it.
    for (int i = 0; i < 5000 && listening_ && !runReturned_ && !server_->is_running(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    server_->stop();
}

void Service::sleepUnlessStopping(int ms)
{
    std::unique_lock lock(stopMutex_);
    stopCv_.wait_for(lock, std::chrono::milliseconds(ms), [this] { return stopping_.load(); });
}

void Service::answerText(httplib::Response& res, const std::string& text, int status)
{
    res.status = status;
    if (options_.charset.empty())
        res.set_content(text, kTextType);
    else
        res.set_content(toCharset(text), "text/plain; charset=" + options_.charset);
}

void Service::notFound(httplib::Response& res, const std::string& path)
{
    res.status = 404;
    res.set_content(errorPage(404, "The requested URL " + path + " was not found on this server."), kHtmlType);
}

void Service::answerFile(httplib::Response& res, const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        notFound(res, fs::path(path).filename().string());
        return;
    }
    std::ostringstream data;
    data << in.rdbuf();
    res.status = 200;
    res.set_content(data.str(), "image/png");
}

void Service::handle(const httplib::Request& req, httplib::Response& res, const std::string& body)
{
    FormFields form = parseForm(body);

    if (startsWith(req.path, "/__control/")) {
        handleControl(req, res, form);
    } else {
        // The shop's pages read their forms in the shop's charset; the control pages stay UTF-8.
        for (auto& [name, value] : form.pairs) {
            name = fromCharset(name);
            value = fromCharset(value);
        }
        JournalEntry entry;
        entry.method = req.method;
        entry.path = req.path;
        entry.rawBody = fromCharset(body);
        entry.tls = tl_conn && tl_conn->stream->isTls();
        if (entry.tls)
            entry.alpn = tl_conn->stream->alpnOffered();
        entry.fields = form.pairs;
        for (const auto& [k, v] : req.headers)
            entry.headers.emplace_back(k, v);

        bool answered = false;
        if (auto fault = faults_.take(req.path)) {
            entry.fault = faultKindName(fault->kind);
            answered = applyFault(*fault, req, res, form);
        }
        if (!answered)
            route(req, res, form);
        // Like a PHP shop, every page opens a session; the terminal must never send it back.
        res.set_header("Set-Cookie", "PHPSESSID=demo" + std::to_string(++sessions_) + "; path=/");
        entry.status = tl_conn && tl_conn->stream->drop ? 0 : res.status;

        std::lock_guard lock(journalMutex_);
        journal_.push_back(std::move(entry));
        while (journal_.size() > kJournalSize)
            journal_.pop_front();
    }
    // Written before the answer goes out, so the lines keep the order in
    // which a client sees its answers.
    bool dropped = tl_conn && tl_conn->stream->drop;
    auto since = tl_conn ? tl_conn->accepted : std::chrono::steady_clock::now();
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - since).count();
    printLine(req.method + " " + req.path + " " + (dropped ? std::string("closed") : std::to_string(res.status)) + " "
              + std::to_string(ms) + "ms");
}

// True when the fault took the place of the answer.
bool Service::applyFault(const Fault& fault, const httplib::Request& req, httplib::Response& res,
                         const FormFields& form)
{
    switch (fault.kind) {
    case FaultKind::Status:
        res.status = fault.status;
        if (fault.body)
            res.set_content(*fault.body, fault.contentType.value_or(kTextType));
        else
            res.set_content(errorPage(fault.status, "The server encountered a problem."),
                            fault.contentType.value_or(kHtmlType));
        return true;
    case FaultKind::Delay:
        sleepUnlessStopping(fault.delayMs);
        return false;
    case FaultKind::Close:
        if (tl_conn)
            tl_conn->stream->drop = true;
        res.status = 200;
        res.set_content("", kTextType);
        return true;
    case FaultKind::Garbage:
        res.status = 200;
        res.set_content(fault.body ? *fault.body : garbageBytes(), fault.contentType.value_or(kTextType));
        return true;
    case FaultKind::Huge: {
        // The body repeated to the size ("a" when none is given).
        const std::string pattern = fault.body && !fault.body->empty() ? *fault.body : std::string("a");
        std::string body;
        body.reserve(size_t(fault.size));
        while (body.size() < size_t(fault.size))
            body += pattern;
        body.resize(size_t(fault.size));
        res.status = 200;
        res.set_content(std::move(body), fault.contentType.value_or(kTextType));
        return true;
    }
    case FaultKind::Trickle:
        // The page is handled as always; only its bytes go out slowly.
        if (tl_conn) {
            tl_conn->stream->trickleMs = fault.intervalMs;
            tl_conn->stream->pause = [this](int ms) {
                sleepUnlessStopping(ms);
                return !stopping_.load();
            };
        }
        return false;
    case FaultKind::Late:
        // Handled now (an order is stored), answered only after the wait.
        route(req, res, form);
        sleepUnlessStopping(fault.delayMs);
        return true;
    case FaultKind::Truncate:
        // The whole page is promised, only its first bytes come.
        route(req, res, form);
        if (tl_conn)
            tl_conn->stream->cutAfter = fault.size;
        return true;
    case FaultKind::Redirect:
        res.status = fault.status >= 300 && fault.status < 400 ? fault.status : 302;
        res.set_header("Location", fault.body.value_or("http://127.0.0.1:1/elsewhere"));
        res.set_content("", kTextType);
        return true;
    case FaultKind::InvalidUtf8: {
        // The page as always with bytes that are no UTF-8 at its start and inside its fields.
        route(req, res, form);
        std::string broken = "\xff\xfe\xc3(";
        for (char c : res.body) {
            broken += c;
            if (c == '[')
                broken += "\xe2\x82";
        }
        res.body = std::move(broken);
        return true;
    }
    case FaultKind::ProcessClose:
        // Handled (an order is stored), then the connection ends without a byte of answer.
        route(req, res, form);
        if (tl_conn)
            tl_conn->stream->drop = true;
        return true;
    }
    return false;
}

bool Service::loggedIn(const FormFields& form) const
{
    return form.value("ID") == kShopId && form.value("PassWord") == options_.password;
}

void Service::route(const httplib::Request& req, httplib::Response& res, const FormFields& form)
{
    const std::string& path = req.path;

    if (path == "/program/logins.php") {
        answerText(res, loginAnswer(loggedIn(form), kShopNumber, kShopName));
    } else if (path == "/program/TOLoadProgram.php") {
        answerText(res, loggedIn(form) ? settingsText() : loginFailedAnswer());
    } else if (path == "/program/TOorderProgram2.php") {
        orderPage(res, form);
    } else if (path == "/Admin/categoryloading.php") {
        answerText(res, loggedIn(form) ? categoryAnswer(db_->categories()) : loginFailedAnswer());
    } else if (path == "/Admin/menuloading1.php") {
        if (!loggedIn(form))
            return answerText(res, loginFailedAnswer());
        std::string wanted = form.value("category");
        std::vector<MenuItem> items = db_->items();
        if (wanted != "전체") {
            // The terminal sends the name as it is; accept its escaped form too.
            std::string plain = unescapeOrderText(wanted);
            std::erase_if(items,
                          [&](const MenuItem& m) { return m.categoryName != wanted && m.categoryName != plain; });
        }
        answerText(res, catalogueAnswer(items));
    } else if (path == "/shop/menuloading3.php") {
        answerText(res, loggedIn(form) ? menuPageAnswer(db_->categories(), db_->items()) : loginFailedAnswer());
    } else if (path == "/logoexistCheck.php") {
        if (!loggedIn(form))
            return answerText(res, loginFailedAnswer());
        std::string num = form.value("logonum");
        bool exists = isDigits(num) && num.size() <= 9 && fs::exists(logoPath(options_.dataDir, std::stoi(num)));
        answerText(res, existAnswer(exists));
    } else if (path == "/menuexistCheck.php") {
        std::string num = form.value("menunum");
        bool exists = isDigits(num) && num.size() <= 9 && fs::exists(menuPicturePath(options_.dataDir, std::stoi(num)));
        answerText(res, existAnswer(exists));
    } else {
        static const std::regex menuPicture(R"(^/menuimag/([0-9]{1,9})\.png$)");
        static const std::regex logoPicture(R"(^/logoimag/(logo[0-9]{1,9}_[0-9]{1,3}\.png)$)");
        std::smatch m;
        if (std::regex_match(path, m, menuPicture)) {
            answerFile(res, menuPicturePath(options_.dataDir, std::stoi(m[1].str())));
        } else if (std::regex_match(path, m, logoPicture)) {
            answerFile(res, (fs::path(options_.dataDir) / "logoimag" / m[1].str()).string());
        } else {
            notFound(res, path);
        }
    }
}

std::string Service::settingsText()
{
    int waiting = db_->ordersSince(nowMs() - 60LL * 60 * 1000);
    std::map<std::string, std::string> defaults = {
        {"count", std::to_string(waiting)},
        {"time", std::to_string(waiting * 3) + "분"},
        {"TakeOutPCText", "포장 주문은 카운터 옆 픽업대에서!줄바꿈!받아 가세요"},
        {"TOWhereYN", "Y"},
        {"TakeOutCarYN", "Y"},
        {"TakeOutCarText", "드라이브 스루 고객님은!줄바꿈!차량 번호 4자리를 입력하세요"},
        {"TOPayTypeS", "Y"},
    };
    std::lock_guard lock(settingsMutex_);
    if (settingsRaw_)
        return *settingsRaw_;
    std::vector<std::pair<std::string, std::string>> fields;
    // "count" stays first: the terminal takes the first "count[" of the
    // answer, so no field ending in "count" may come before it.
    for (const auto& name : settingsFields()) {
        if (settingsOmitted_.count(name))
            continue;
        auto it = settingsValues_.find(name);
        fields.emplace_back(name, it != settingsValues_.end() ? it->second : defaults[name]);
    }
    return settingsAnswer(fields);
}

void Service::orderPage(httplib::Response& res, const FormFields& form)
{
    if (!loggedIn(form))
        return answerText(res, loginFailedAnswer());
    std::string phone = trim(form.value("phonet"));
    if (phone.empty())
        return answerText(res, orderInvalidAnswer("전화번호 없음"));

    std::lock_guard lock(orderMutex_);
    int64_t now = nowMs();
    if (options_.repeatWindowMinutes > 0
        && db_->phoneOrderedSince(phone, now - int64_t{options_.repeatWindowMinutes} * 60 * 1000))
        return answerText(res, orderRepeatedAnswer());

    Order o;
    o.phone = phone;
    o.where = form.value("where");
    o.pay = form.value("pay");
    o.taxi = form.value("taxi");
    o.memo = form.value("memo");
    o.menuRaw = form.value("menu");
    o.menu = unescapeOrderText(o.menuRaw);
    o.createdMs = now;
    o.created = localTimeText(now);
    if (db_->addOrder(o) == 0)
        return answerText(res, orderInvalidAnswer("저장 실패"), 500);
    answerText(res, orderAcceptedAnswer(o.id, db_->ordersSince(now - 60LL * 60 * 1000)));
}

}  // namespace demoshop
