#include "faults.h"

#include <charconv>

namespace demoshop {

const char* faultKindName(FaultKind kind)
{
    switch (kind) {
    case FaultKind::Status:
        return "status";
    case FaultKind::Delay:
        return "delay";
    case FaultKind::Close:
        return "close";
    case FaultKind::Garbage:
        return "garbage";
    case FaultKind::Trickle:
        return "trickle";
    case FaultKind::ProcessClose:
        return "process-close";
    case FaultKind::Huge:
        return "huge";
    case FaultKind::Late:
        return "late";
    case FaultKind::Truncate:
        return "truncate";
    case FaultKind::Redirect:
        return "redirect";
    case FaultKind::InvalidUtf8:
        return "invalid-utf8";
    }
    return "?";
}

static std::optional<FaultKind> kindFromName(std::string_view name)
{
    if (name == "status")
        return FaultKind::Status;
    if (name == "delay")
        return FaultKind::Delay;
    if (name == "close")
        return FaultKind::Close;
    if (name == "garbage")
        return FaultKind::Garbage;
    if (name == "trickle")
        return FaultKind::Trickle;
    if (name == "process-close")
        return FaultKind::ProcessClose;
    if (name == "huge")
        return FaultKind::Huge;
    if (name == "late")
        return FaultKind::Late;
    if (name == "truncate")
        return FaultKind::Truncate;
    if (name == "redirect")
        return FaultKind::Redirect;
    if (name == "invalid-utf8")
        return FaultKind::InvalidUtf8;
    return std::nullopt;
}

static bool parseCount(std::string_view text, int* out)
{
    if (!isDigits(text) || text.size() > 9)
        return false;
    int v = 0;
    std::from_chars(text.data(), text.data() + text.size(), v);
    *out = v;
    return true;
}

namespace {
struct RawFault {
    std::string path, kind, status, body, delayMs, intervalMs, size, contentType, count;
    bool hasBody = false;
    bool hasContentType = false;
};
}  // namespace

static std::optional<Fault> build(const RawFault& raw, std::string* error)
{
    Fault f;
    f.path = raw.path;
    if (f.path.empty() || f.path[0] != '/') {
        *error = "fault path must start with /";
        return std::nullopt;
    }
    auto kind = kindFromName(raw.kind);
    if (!kind) {
        *error = "unknown fault kind '" + raw.kind + "' (status, delay, close, garbage, trickle, process-close, huge, late, truncate, redirect, invalid-utf8, clear)";
        return std::nullopt;
    }
    f.kind = *kind;
    if (!raw.status.empty()) {
        // 0 stands for the default status.
        if (!parseCount(raw.status, &f.status) || (f.status != 0 && (f.status < 100 || f.status > 999))) {
            *error = "bad status '" + raw.status + "'";
            return std::nullopt;
        }
        if (f.status == 0)
            f.status = 500;
    }
    if (!raw.delayMs.empty() && !parseCount(raw.delayMs, &f.delayMs)) {
        *error = "bad delay_ms '" + raw.delayMs + "'";
        return std::nullopt;
    }
    if (!raw.intervalMs.empty() && (!parseCount(raw.intervalMs, &f.intervalMs) || f.intervalMs == 0)) {
        *error = "bad interval_ms '" + raw.intervalMs + "'";
        return std::nullopt;
    }
    if (!raw.size.empty() && !parseCount(raw.size, &f.size)) {
        *error = "bad size '" + raw.size + "'";
        return std::nullopt;
    }
    if (raw.hasContentType)
        f.contentType = raw.contentType;
    if (!raw.count.empty() && !parseCount(raw.count, &f.count)) {
        *error = "bad count '" + raw.count + "'";
        return std::nullopt;
    }
    if (raw.hasBody)
        f.body = raw.body;
    return f;
}

std::optional<Fault> parseFaultText(std::string_view text, std::string* error)
{
    auto pieces = split(text, ',');
    RawFault raw;
    raw.path = pieces[0];
    std::string* last = nullptr;
    for (size_t i = 1; i < pieces.size(); ++i) {
        const std::string& piece = pieces[i];
        size_t eq = piece.find('=');
        std::string key = eq == std::string::npos ? std::string() : piece.substr(0, eq);
        std::string value = eq == std::string::npos ? std::string() : piece.substr(eq + 1);
        std::string* target = nullptr;
        if (key == "kind")
            target = &raw.kind;
        else if (key == "status")
            target = &raw.status;
        else if (key == "body") {
            target = &raw.body;
            raw.hasBody = true;
        } else if (key == "delay_ms")
            target = &raw.delayMs;
        else if (key == "interval_ms")
            target = &raw.intervalMs;
        else if (key == "size")
            target = &raw.size;
        else if (key == "content_type") {
            target = &raw.contentType;
            raw.hasContentType = true;
        }
        else if (key == "count")
            target = &raw.count;
        if (target) {
            *target = value;
            last = target;
        } else if (last) {
            last->append(",").append(piece);
        } else {
            *error = "unknown fault setting '" + piece + "'";
            return std::nullopt;
        }
    }
    return build(raw, error);
}

std::optional<Fault> faultFromForm(const FormFields& form, std::string* error)
{
    RawFault raw;
    raw.path = form.value("path");
    raw.kind = form.value("kind");
    raw.status = form.value("status");
    raw.hasBody = form.has("body");
    raw.body = form.value("body");
    raw.delayMs = form.value("delay_ms");
    raw.intervalMs = form.value("interval_ms");
    raw.size = form.value("size");
    raw.hasContentType = form.has("content_type");
    raw.contentType = form.value("content_type");
    raw.count = form.value("count");
    return build(raw, error);
}

void FaultTable::add(Fault fault)
{
    std::lock_guard lock(mutex_);
    faults_.push_back(std::move(fault));
}

void FaultTable::clear(const std::string& path)
{
    std::lock_guard lock(mutex_);
    if (path.empty()) {
        faults_.clear();
        return;
    }
    std::erase_if(faults_, [&](const Fault& f) { return f.path == path; });
}

std::optional<Fault> FaultTable::take(const std::string& path)
{
    std::lock_guard lock(mutex_);
    for (auto it = faults_.begin(); it != faults_.end(); ++it) {
        if (it->path != path)
            continue;
        Fault f = *it;
        if (it->count > 0 && --it->count == 0)
            faults_.erase(it);
        return f;
    }
    return std::nullopt;
}

bool FaultTable::hasPending(const std::string& path, FaultKind kind) const
{
    std::lock_guard lock(mutex_);
    for (const auto& f : faults_)
        if (f.path == path)
            return f.kind == kind;
    return false;
}

std::vector<Fault> FaultTable::list() const
{
    std::lock_guard lock(mutex_);
    return faults_;
}

}  // namespace demoshop
