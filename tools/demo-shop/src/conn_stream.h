// One accepted connection as httplib reads and writes it, over plain TCP or
// TLS on the same port.
#pragma once

#include <httplib.h>

#include <functional>
#include <memory>
#include <string>

using SSL_CTX = struct ssl_ctx_st;
using SSL = struct ssl_st;

namespace demoshop {

// The shop's certificate for https; loads once, shared by every connection.
class TlsContext {
public:
    ~TlsContext();
    // false with a reason when the files cannot be used.
    bool load(const std::string& certFile, const std::string& keyFile, std::string* error);
    SSL_CTX* get() const { return ctx_; }

private:
    SSL_CTX* ctx_ = nullptr;
};

// httplib's own socket stream is not reachable from a handler, and a
// "close" fault must leave the client with zero bytes; this stream can be
// told to swallow everything written to it. With a TLS context, a
// connection whose first byte opens a TLS handshake is served over TLS,
// any other as plain HTTP, so one port answers both https:// and http://.
// With closeTls, a connection that opens with a TLS handshake is closed
// without a byte of answer instead, as PHP's built-in server and some
// proxies do on their http port.
class ConnStream : public httplib::Stream {
public:
    ConnStream(int sock, const TlsContext* tls, bool closeTls = false);
    ~ConnStream() override;

    // false when a TLS handshake was begun and failed, or was closed.
    bool ready() const { return ready_; }
    // The connection opened with a TLS handshake and was closed (closeTls).
    bool closedHandshake() const { return closedHandshake_; }
    bool isTls() const { return ssl_ != nullptr; }
    // The application protocols the client offered in its TLS handshake, comma-separated.
    const std::string& alpnOffered() const { return alpnOffered_; }

    bool drop = false;
    // When not negative: only this many more bytes go out, then the connection ends (whatever the
    // answer's Content-Length promised).
    long long cutAfter = -1;
    // Writes one byte at a time, trickleMs apart; pause(ms) waits and is false when the service stops.
    int trickleMs = 0;
    std::function<bool(int ms)> pause;

    bool is_readable() const override;
    bool is_writable() const override;
    ssize_t read(char* ptr, size_t size) override;
    ssize_t write(const char* ptr, size_t size) override;
    void get_remote_ip_and_port(std::string& ip, int& port) const override;
    void get_local_ip_and_port(std::string& ip, int& port) const override;
    int socket() const override { return sock_; }

private:
    bool waitFor(short events, int timeoutMs) const;
    void address(bool peer, std::string& ip, int& port) const;
    ssize_t receive();

    int sock_;
    SSL* ssl_ = nullptr;
    bool ready_ = true;
    bool closedHandshake_ = false;
    std::string alpnOffered_;
    char buf_[4096];
    size_t off_ = 0;
    size_t size_ = 0;
};

}  // namespace demoshop
