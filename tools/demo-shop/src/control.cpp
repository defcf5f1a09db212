// The demo shop's control page: faults, settings, the stored orders, the request journal and the
// pictures, as the tests and the operator set and read them.
#include "service.h"

#include <httplib.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <filesystem>

#include "seed.h"

namespace fs = std::filesystem;

namespace demoshop {

namespace {

constexpr const char* kJsonType = "application/json; charset=utf-8";

QString q(const std::string& s)
{
    return QString::fromStdString(s);
}

}  // namespace

void Service::handleControl(const httplib::Request& req, httplib::Response& res, const FormFields& form)
{
    const std::string& path = req.path;
    if (path == "/__control/fault") {
        std::string kind = form.value("kind");
        if (kind == "clear") {
            faults_.clear(form.value("path"));
            return answerText(res, "ok\n");
        }
        std::string error;
        auto fault = faultFromForm(form, &error);
        if (!fault)
            return answerText(res, error + "\n", 400);
        faults_.add(*fault);
        answerText(res, "ok\n");
    } else if (path == "/__control/tls") {
        if (form.has("close"))
            tlsClose_ = form.value("close") == "1";
        res.status = 200;
        res.set_content(tlsJson(), kJsonType);
    } else if (path == "/__control/faults") {
        res.status = 200;
        res.set_content(faultsJson(), kJsonType);
    } else if (path == "/__control/settings") {
        std::lock_guard lock(settingsMutex_);
        if (form.value("reset") == "1") {
            settingsValues_.clear();
            settingsOmitted_.clear();
            settingsRaw_.reset();
        }
        for (const auto& name : settingsFields()) {
            if (!form.has(name))
                continue;
            settingsValues_[name] = form.value(name);
            settingsOmitted_.erase(name);
        }
        if (form.has("omit"))
            for (const auto& name : split(form.value("omit"), ','))
                if (!trim(name).empty())
                    settingsOmitted_.insert(trim(name));
        if (form.has("raw"))
            settingsRaw_ = form.value("raw");
        answerText(res, "ok\n");
    } else if (path == "/__control/orders") {
        if (form.value("clear") == "1")
            db_->clearOrders();
        res.status = 200;
        res.set_content(ordersJson(), kJsonType);
    } else if (path == "/__control/requests") {
        if (form.value("clear") == "1") {
            std::lock_guard lock(journalMutex_);
            journal_.clear();
        }
        res.status = 200;
        res.set_content(journalJson(), kJsonType);
    } else if (path == "/__control/delete-picture") {
        std::string file;
        std::string num = form.value("num");
        if (form.value("logo") == "1")
            file = logoPath(options_.dataDir, kShopNumber);
        else if (isDigits(num) && num.size() <= 9)
            file = menuPicturePath(options_.dataDir, std::stoi(num));
        else
            return answerText(res, "num=N or logo=1 expected\n", 400);
        std::error_code ec;
        answerText(res, fs::remove(file, ec) ? "deleted\n" : "missing\n");
    } else {
        notFound(res, path);
    }
}

std::string Service::ordersJson()
{
    QJsonArray arr;
    for (const auto& o : db_->orders()) {
        QJsonObject obj;
        obj[QStringLiteral("id")] = static_cast<qint64>(o.id);
        obj[QStringLiteral("phone")] = q(o.phone);
        obj[QStringLiteral("where")] = q(o.where);
        obj[QStringLiteral("pay")] = q(o.pay);
        obj[QStringLiteral("taxi")] = q(o.taxi);
        obj[QStringLiteral("memo")] = q(o.memo);
        obj[QStringLiteral("menu")] = q(o.menu);
        obj[QStringLiteral("menu_raw")] = q(o.menuRaw);
        obj[QStringLiteral("created")] = q(o.created);
        arr.append(obj);
    }
    return QJsonDocument(arr).toJson(QJsonDocument::Compact).toStdString();
}

std::string Service::journalJson()
{
    QJsonArray arr;
    std::lock_guard lock(journalMutex_);
    for (const auto& e : journal_) {
        QJsonObject fields, headers, obj;
        for (const auto& [k, v] : e.fields)
            fields[q(k)] = q(v);
        for (const auto& [k, v] : e.headers)
            headers[q(k)] = q(v);
        obj[QStringLiteral("method")] = q(e.method);
        obj[QStringLiteral("path")] = q(e.path);
        obj[QStringLiteral("raw_body")] = q(e.rawBody);
        obj[QStringLiteral("fields")] = fields;
        obj[QStringLiteral("headers")] = headers;
        obj[QStringLiteral("status")] = e.status;
        obj[QStringLiteral("fault")] = q(e.fault);
        obj[QStringLiteral("tls")] = e.tls;
        obj[QStringLiteral("alpn")] = q(e.alpn);
        arr.append(obj);
    }
    return QJsonDocument(arr).toJson(QJsonDocument::Compact).toStdString();
}

std::string Service::tlsJson()
{
    QJsonObject obj;
    obj[QStringLiteral("close")] = tlsClose_.load();
    obj[QStringLiteral("closed")] = static_cast<qint64>(tlsClosed_.load());
    return QJsonDocument(obj).toJson(QJsonDocument::Compact).toStdString();
}

std::string Service::faultsJson()
{
    QJsonArray arr;
    for (const auto& f : faults_.list()) {
        QJsonObject obj;
        obj[QStringLiteral("path")] = q(f.path);
        obj[QStringLiteral("kind")] = QString::fromLatin1(faultKindName(f.kind));
        obj[QStringLiteral("status")] = f.status;
        obj[QStringLiteral("delay_ms")] = f.delayMs;
        obj[QStringLiteral("count")] = f.count;
        if (f.body)
            obj[QStringLiteral("body")] = q(*f.body);
        arr.append(obj);
    }
    return QJsonDocument(arr).toJson(QJsonDocument::Compact).toStdString();
}

}  // namespace demoshop
