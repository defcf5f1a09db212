// Injected failures, per request path, for the next K requests.
#pragma once

#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "form.h"

namespace demoshop {

enum class FaultKind { Status, Delay, Close, Garbage, Trickle, ProcessClose, Huge, Late, Truncate, Redirect, InvalidUtf8 };

struct Fault {
    std::string path;
    FaultKind kind = FaultKind::Status;
    int status = 500;  // Status: the HTTP status answered
    std::optional<std::string> body;  // Status, Garbage: replaces the default page or junk
    int delayMs = 2000;  // Delay: wait before handling; Late: wait after handling, before answering
    int intervalMs = 1000;  // Trickle: the answer goes out one byte every intervalMs
    int size = 10 * 1024 * 1024;  // Huge: a 200 answer of this many bytes; Truncate: bytes sent
    std::optional<std::string> contentType;  // Status, Garbage, Huge: the answer's Content-Type
    int count = 1;  // requests left; 0 means until cleared
};

const char* faultKindName(FaultKind kind);

// "PATH,kind=status|delay|close|garbage|trickle|process-close|huge|late|truncate|redirect|invalid-utf8
// [,status=N][,body=TEXT]
// [,delay_ms=N][,interval_ms=N][,size=N][,content_type=TYPE][,count=K]".
// A piece that is not "key=..." of a known key belongs to the value before
// it, so a body may hold commas.
std::optional<Fault> parseFaultText(std::string_view text, std::string* error);

// From the control endpoint's form: path, kind, status, body, delay_ms, interval_ms, size, content_type, count.
// kind=clear is handled by the caller.
std::optional<Fault> faultFromForm(const FormFields& form, std::string* error);

class FaultTable {
public:
    void add(Fault fault);
    // Empty path clears every fault.
    void clear(const std::string& path);
    // Uses up one request of the first fault for the path.
    std::optional<Fault> take(const std::string& path);
    bool hasPending(const std::string& path, FaultKind kind) const;
    std::vector<Fault> list() const;

private:
    mutable std::mutex mutex_;
    std::vector<Fault> faults_;
};

}  // namespace demoshop
