#include "support/demo_shop.h"

#include <fcntl.h>
#include <httplib.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QUrl>

#include <chrono>
#include <condition_variable>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace fs = std::filesystem;

namespace {

constexpr auto kStartTimeout = std::chrono::seconds(10);
constexpr int kMaxLogLines = 20000;

std::string toStd(const QString& s)
{
    return s.toStdString();
}

// Copies the data seeded at build time, so a test does not wait for the
// pictures to be drawn. Without it the service seeds the folder itself.
void copyTemplate(const fs::path& target)
{
#ifdef DEMO_SHOP_TEMPLATE_DIR
    fs::path source(DEMO_SHOP_TEMPLATE_DIR);
    std::error_code ec;
    if (!fs::exists(source / "shop.db", ec))
        return;
    fs::create_directories(target, ec);
    for (const auto& entry : fs::recursive_directory_iterator(source, ec)) {
        fs::path rel = fs::relative(entry.path(), source, ec);
        std::string name = entry.path().filename().string();
        if (name.ends_with("-wal") || name.ends_with("-shm"))
            continue;
        if (entry.is_directory())
            fs::create_directories(target / rel, ec);
        else
            fs::copy_file(entry.path(), target / rel, fs::copy_options::overwrite_existing, ec);
    }
    if (ec)
        fs::remove(target / "shop.db", ec);  // let the service seed afresh
#else
    (void)target;
#endif
}

}  // namespace

struct DemoShop::Impl {
    QTemporaryDir tmp{QDir::tempPath() + QStringLiteral("/sumbrel-demo-shop-XXXXXX")};
    QString dataDir;
    pid_t pid = -1;
    int stdinFd = -1;  // our end of the service's stdin; closing it ends the service
    int stdoutFd = -1;
    std::thread reader;

    mutable std::mutex mutex;
    std::condition_variable cv;
    int port = 0;
    bool outputClosed = false;
    // The request lines go to a file, not to this process' memory: a day's bench measures this
    // process as the terminal's, and twenty thousand lines held here were most of its growth.
    int journalFd = -1;
    int lineCount = 0;

    bool stopped = false;
    int exitCode = -1;

    ~Impl()
    {
        stop();
        if (journalFd >= 0)
            ::close(journalFd);
    }

    void readOutput()
    {
        std::string pending;
        char buf[4096];
        while (true) {
            ssize_t n = ::read(stdoutFd, buf, sizeof buf);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            pending.append(buf, static_cast<size_t>(n));
            size_t nl;
            while ((nl = pending.find('\n')) != std::string::npos) {
                QString line = QString::fromUtf8(pending.data(), static_cast<qsizetype>(nl)).trimmed();
                pending.erase(0, nl + 1);
                std::lock_guard lock(mutex);
                if (port == 0) {
                    bool ok = false;
                    int p = line.toInt(&ok);
                    port = ok && p > 0 ? p : -1;
                } else if (lineCount < kMaxLogLines && journalFd >= 0) {
                    const QByteArray bytes = line.toUtf8() + '\n';
                    if (::write(journalFd, bytes.constData(), size_t(bytes.size())) == bytes.size())
                        ++lineCount;
                }
                cv.notify_all();
            }
        }
        std::lock_guard lock(mutex);
        outputClosed = true;
        cv.notify_all();
    }

    void start(const QStringList& extraArgs)
    {
        if (!tmp.isValid())
            throw std::runtime_error("DemoShop: cannot create a temporary folder");
        dataDir = tmp.path() + QStringLiteral("/data");
        // A generated menu is seeded by the service itself; the template holds the fixed one.
        if (!extraArgs.contains(QStringLiteral("--seed-size")))
            copyTemplate(toStd(dataDir));

        std::vector<std::string> args = {DEMO_SHOP_PATH, "--port", "0", "--data", toStd(dataDir), "--watch-stdin"};
        for (const auto& a : extraArgs)
            args.push_back(toStd(a));
        std::vector<char*> argv;
        for (auto& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);

        int in[2], out[2];
        if (::pipe2(in, O_CLOEXEC) != 0)
            throw std::runtime_error("DemoShop: pipe failed");
        if (::pipe2(out, O_CLOEXEC) != 0) {
            ::close(in[0]);
            ::close(in[1]);
            throw std::runtime_error("DemoShop: pipe failed");
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, in[0], 0);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        int rc = posix_spawn(&pid, args[0].c_str(), &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        ::close(in[0]);
        ::close(out[1]);
        stdinFd = in[1];
        stdoutFd = out[0];
        if (rc != 0) {
            pid = -1;
            throw std::runtime_error("DemoShop: cannot start " + args[0] + ": " + std::strerror(rc));
        }
        journalFd = ::open(QFile::encodeName(tmp.path() + QStringLiteral("/journal")).constData(),
                           O_RDWR | O_APPEND | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        reader = std::thread([this] { readOutput(); });

        std::unique_lock lock(mutex);
        bool ready = cv.wait_for(lock, kStartTimeout, [this] { return port != 0 || outputClosed; });
        int p = port;
        lock.unlock();
        if (!ready || p <= 0) {
            stop();
            throw std::runtime_error(std::string("DemoShop: ") + DEMO_SHOP_PATH
                                     + (ready ? " ended without printing its port" : " printed no port within 10 s"));
        }
    }

    // Reaps the service if it has ended; true once it has.
    bool reap(bool wait)
    {
        if (pid <= 0)
            return true;
        int status = 0;
        pid_t r;
        do {
            r = ::waitpid(pid, &status, wait ? 0 : WNOHANG);
        } while (r < 0 && errno == EINTR);
        if (r == 0)
            return false;
        exitCode = r == pid && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        pid = -1;
        return true;
    }

    int stop()
    {
        if (stopped)
            return exitCode;
        stopped = true;
        if (pid > 0) {
            ::kill(pid, SIGTERM);
            auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
            while (!reap(false) && std::chrono::steady_clock::now() < deadline)
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            if (pid > 0) {
                ::kill(pid, SIGKILL);
                reap(true);
                exitCode = -1;
            }
        }
        if (stdinFd >= 0)
            ::close(stdinFd);
        stdinFd = -1;
        if (reader.joinable())
            reader.join();
        if (stdoutFd >= 0)
            ::close(stdoutFd);
        stdoutFd = -1;
        return exitCode;
    }

    std::string post(const std::string& path, const std::vector<std::pair<QString, QString>>& fields) const
    {
        std::string body;
        for (const auto& [k, v] : fields) {
            if (!body.empty())
                body += '&';
            body += QUrl::toPercentEncoding(k).toStdString() + "=" + QUrl::toPercentEncoding(v).toStdString();
        }
        return call("POST", path, body);
    }

    std::string call(const char* method, const std::string& path, const std::string& body) const
    {
        int p;
        {
            std::lock_guard lock(mutex);
            p = port;
        }
        if (stopped || p <= 0)
            throw std::runtime_error("DemoShop: the service is not running");
        httplib::Client client("127.0.0.1", p);
        client.set_connection_timeout(5, 0);
        client.set_read_timeout(10, 0);
        auto res = std::string(method) == "GET" ? client.Get(path.c_str())
                                                : client.Post(path.c_str(), body, "application/x-www-form-urlencoded");
        if (!res)
            throw std::runtime_error("DemoShop: " + path + " did not answer: " + httplib::to_string(res.error()));
        if (res->status != 200)
            throw std::runtime_error("DemoShop: " + path + " answered " + std::to_string(res->status) + ": "
                                     + res->body);
        return res->body;
    }

    QJsonArray jsonArray(const std::string& text) const
    {
        QJsonParseError err{};
        QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(text), &err);
        if (err.error != QJsonParseError::NoError || !doc.isArray())
            throw std::runtime_error("DemoShop: control answer is no JSON array: " + text.substr(0, 200));
        return doc.array();
    }
};

DemoShop::DemoShop(QStringList extraArgs)
    : d(std::make_unique<Impl>())
{
    d->start(extraArgs);
}

DemoShop::~DemoShop() = default;

int DemoShop::port() const
{
    std::lock_guard lock(d->mutex);
    return d->port;
}

QString DemoShop::host() const
{
    return QStringLiteral("127.0.0.1:%1").arg(port());
}

QString DemoShop::httpBase() const
{
    return QStringLiteral("http://") + host();
}

QString DemoShop::dataDir() const
{
    return d->dataDir;
}

void DemoShop::setFault(const QString& path, const QString& kind, int count, int status, int delayMs,
                        const QString& body)
{
    std::vector<std::pair<QString, QString>> f = {{QStringLiteral("path"), path},
                                                  {QStringLiteral("kind"), kind},
                                                  {QStringLiteral("count"), QString::number(count)}};
    if (status > 0)
        f.emplace_back(QStringLiteral("status"), QString::number(status));
    if (delayMs > 0)
        f.emplace_back(QStringLiteral("delay_ms"), QString::number(delayMs));
    if (!body.isNull())
        f.emplace_back(QStringLiteral("body"), body);
    d->post("/__control/fault", f);
}

void DemoShop::addFault(const QString& path, const QString& kind, const QMap<QString, QString>& settings, int count)
{
    std::vector<std::pair<QString, QString>> f = {{QStringLiteral("path"), path},
                                                  {QStringLiteral("kind"), kind},
                                                  {QStringLiteral("count"), QString::number(count)}};
    for (auto it = settings.begin(); it != settings.end(); ++it)
        f.emplace_back(it.key(), it.value());
    d->post("/__control/fault", f);
}

void DemoShop::clearFaults()
{
    d->post("/__control/fault",
            {{QStringLiteral("kind"), QStringLiteral("clear")}, {QStringLiteral("path"), QString()}});
}

void DemoShop::setSettings(const QMap<QString, QString>& values)
{
    std::vector<std::pair<QString, QString>> f;
    for (auto it = values.begin(); it != values.end(); ++it)
        f.emplace_back(it.key(), it.value());
    d->post("/__control/settings", f);
}

QJsonArray DemoShop::orders() const
{
    return d->jsonArray(d->call("GET", "/__control/orders", {}));
}

QJsonArray DemoShop::requests() const
{
    return d->jsonArray(d->call("GET", "/__control/requests", {}));
}

int DemoShop::requestCount(const QString& path) const
{
    int n = 0;
    for (const auto& r : requests())
        if (r.toObject().value(QStringLiteral("path")).toString() == path)
            ++n;
    return n;
}

void DemoShop::clearRequests()
{
    d->post("/__control/requests", {{QStringLiteral("clear"), QStringLiteral("1")}});
}

void DemoShop::deletePicture(int menuNumber)
{
    d->post("/__control/delete-picture", {{QStringLiteral("num"), QString::number(menuNumber)}});
}

void DemoShop::setTlsClose(bool on)
{
    d->post("/__control/tls", {{QStringLiteral("close"), on ? QStringLiteral("1") : QStringLiteral("0")}});
}

int DemoShop::closedHandshakes() const
{
    const std::string text = d->call("GET", "/__control/tls", {});
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(text));
    if (!doc.isObject())
        throw std::runtime_error("DemoShop: /__control/tls answered no JSON object: " + text.substr(0, 200));
    return doc.object().value(QStringLiteral("closed")).toInt();
}

void DemoShop::deleteLogo()
{
    d->post("/__control/delete-picture", {{QStringLiteral("logo"), QStringLiteral("1")}});
}

int DemoShop::stop()
{
    return d->stop();
}

bool DemoShop::isRunning() const
{
    return !d->stopped && !d->reap(false);
}

QStringList DemoShop::logLines() const
{
    std::lock_guard lock(d->mutex);
    QStringList lines;
    if (d->journalFd < 0)
        return lines;
    QFile journal;
    if (!journal.open(d->journalFd, QIODevice::ReadOnly, QFileDevice::DontCloseHandle) || !journal.seek(0))
        return lines;
    while (!journal.atEnd()) {
        const QByteArray line = journal.readLine();
        lines.append(QString::fromUtf8(line.endsWith('\n') ? line.chopped(1) : line));
    }
    return lines;
}
