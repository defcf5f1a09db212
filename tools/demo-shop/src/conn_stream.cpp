#include "conn_stream.h"

#include <arpa/inet.h>
#include <openssl/err.h>
#include <openssl/ssl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace demoshop {

namespace {

constexpr int kReadTimeoutMs = 5000;
constexpr int kWriteTimeoutMs = 5000;
constexpr unsigned char kTlsHandshake = 0x16;

// Notes the protocols the client offers (for the journal) and takes HTTP/1.1, the only one served.
int selectProtocol(SSL* ssl, const unsigned char** out, unsigned char* outlen, const unsigned char* in,
                   unsigned int inlen, void*)
{
    if (auto* offered = static_cast<std::string*>(SSL_get_app_data(ssl))) {
        for (unsigned int i = 0; i < inlen && i + 1 + in[i] <= inlen; i += 1 + in[i])
            offered->append(offered->empty() ? "" : ",").append(reinterpret_cast<const char*>(in + i + 1), in[i]);
    }
    static const unsigned char http11[] = "\x08http/1.1";
    unsigned char* chosen = nullptr;
    if (SSL_select_next_proto(&chosen, outlen, http11, sizeof http11 - 1, in, inlen) != OPENSSL_NPN_NEGOTIATED)
        return SSL_TLSEXT_ERR_NOACK;
    *out = chosen;
    return SSL_TLSEXT_ERR_OK;
}

}  // namespace

TlsContext::~TlsContext()
{
    if (ctx_)
        SSL_CTX_free(ctx_);
}

bool TlsContext::load(const std::string& certFile, const std::string& keyFile, std::string* error)
{
    ctx_ = SSL_CTX_new(TLS_server_method());
    if (!ctx_) {
        *error = "cannot create a TLS context";
        return false;
    }
    if (SSL_CTX_use_certificate_chain_file(ctx_, certFile.c_str()) != 1
        || SSL_CTX_use_PrivateKey_file(ctx_, keyFile.c_str(), SSL_FILETYPE_PEM) != 1
        || SSL_CTX_check_private_key(ctx_) != 1) {
        char text[256] = {};
        ERR_error_string_n(ERR_get_error(), text, sizeof text);
        *error = "cannot use " + certFile + " / " + keyFile + ": " + text;
        return false;
    }
    SSL_CTX_set_alpn_select_cb(ctx_, selectProtocol, nullptr);
    return true;
}

ConnStream::ConnStream(int sock, const TlsContext* tls, bool closeTls)
    : sock_(sock)
{
    const bool serveTls = tls && tls->get();
    if ((!serveTls && !closeTls) || !waitFor(POLLIN, kReadTimeoutMs))
        return;
    unsigned char first = 0;
    ssize_t n;
    do {
        n = ::recv(sock_, &first, 1, MSG_PEEK);
    } while (n < 0 && errno == EINTR);
    if (n != 1 || first != kTlsHandshake)
        return;
    if (closeTls) {
        // The hello is read first, so that the close reaches the client as an end of the
        // connection (FIN) and not as a reset for unread bytes.
        char sink[4096];
        do {
            n = ::recv(sock_, sink, sizeof sink, MSG_DONTWAIT);
        } while (n > 0 || (n < 0 && errno == EINTR));
        ready_ = false;
        closedHandshake_ = true;
        return;
    }
    // The handshake blocks; a client that stops half-way must not hold the thread for ever.
    timeval limit{kReadTimeoutMs / 1000, 0};
    ::setsockopt(sock_, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    ::setsockopt(sock_, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
    ssl_ = SSL_new(tls->get());
    if (ssl_)
        SSL_set_app_data(ssl_, &alpnOffered_);
    ready_ = ssl_ && SSL_set_fd(ssl_, sock_) == 1 && SSL_accept(ssl_) == 1;
}

ConnStream::~ConnStream()
{
    if (ssl_) {
        if (ready_)
            SSL_shutdown(ssl_);
        SSL_free(ssl_);
    }
}

bool ConnStream::is_readable() const
{
    return off_ < size_ || (ssl_ && SSL_pending(ssl_) > 0) || waitFor(POLLIN, kReadTimeoutMs);
}

bool ConnStream::is_writable() const
{
    return drop || waitFor(POLLOUT, kWriteTimeoutMs);
}

ssize_t ConnStream::receive()
{
    if (ssl_) {
        if (SSL_pending(ssl_) == 0 && !waitFor(POLLIN, kReadTimeoutMs))
            return -1;
        const int n = SSL_read(ssl_, buf_, int(sizeof buf_));
        if (n > 0)
            return n;
        return SSL_get_error(ssl_, n) == SSL_ERROR_ZERO_RETURN ? 0 : -1;
    }
    if (!waitFor(POLLIN, kReadTimeoutMs))
        return -1;
    ssize_t n;
    do {
        n = ::recv(sock_, buf_, sizeof buf_, 0);
    } while (n < 0 && errno == EINTR);
    return n;
}

ssize_t ConnStream::read(char* ptr, size_t size)
{
    if (off_ >= size_) {
        const ssize_t n = receive();
        if (n <= 0)
            return n;
        size_ = static_cast<size_t>(n);
        off_ = 0;
    }
    const size_t n = std::min(size, size_ - off_);
    std::memcpy(ptr, buf_ + off_, n);
    off_ += n;
    return static_cast<ssize_t>(n);
}

ssize_t ConnStream::write(const char* ptr, size_t size)
{
    if (drop)
        return static_cast<ssize_t>(size);
    if (cutAfter >= 0) {
        const size_t allowed = std::min<size_t>(size, size_t(cutAfter));
        cutAfter -= static_cast<long long>(allowed);
        const long long keep = cutAfter;
        cutAfter = -1;
        const ssize_t sent = allowed > 0 ? write(ptr, allowed) : 0;
        cutAfter = keep;
        if (cutAfter == 0)
            drop = true;  // the rest is swallowed; the connection closes after the handler
        return sent < 0 ? sent : static_cast<ssize_t>(size);
    }
    if (trickleMs > 0 && size > 1) {
        const int interval = trickleMs;
        trickleMs = 0;  // the bytes below go one by one
        for (size_t i = 0; i < size; ++i) {
            if (write(ptr + i, 1) != 1 || (pause && !pause(interval))) {
                trickleMs = interval;
                return -1;
            }
        }
        trickleMs = interval;
        return static_cast<ssize_t>(size);
    }
    size_t sent = 0;
    while (sent < size) {
        if (!waitFor(POLLOUT, kWriteTimeoutMs))
            return -1;
        ssize_t n;
        if (ssl_) {
            const int w = SSL_write(ssl_, ptr + sent, int(std::min<size_t>(size - sent, 1 << 20)));
            n = w > 0 ? w : -1;
        } else {
            n = ::send(sock_, ptr + sent, size - sent, MSG_NOSIGNAL);
            if (n < 0 && errno == EINTR)
                continue;
        }
        if (n <= 0)
            return -1;
        sent += static_cast<size_t>(n);
    }
    return static_cast<ssize_t>(size);
}

void ConnStream::get_remote_ip_and_port(std::string& ip, int& port) const
{
    address(true, ip, port);
}

void ConnStream::get_local_ip_and_port(std::string& ip, int& port) const
{
    address(false, ip, port);
}

bool ConnStream::waitFor(short events, int timeoutMs) const
{
    pollfd p{sock_, events, 0};
    int rc;
    do {
        rc = ::poll(&p, 1, timeoutMs);
    } while (rc < 0 && errno == EINTR);
    return rc > 0 && !(p.revents & (POLLERR | POLLNVAL));
}

void ConnStream::address(bool peer, std::string& ip, int& port) const
{
    sockaddr_storage ss{};
    socklen_t len = sizeof ss;
    int rc = peer ? ::getpeername(sock_, reinterpret_cast<sockaddr*>(&ss), &len)
                  : ::getsockname(sock_, reinterpret_cast<sockaddr*>(&ss), &len);
    if (rc != 0 || ss.ss_family != AF_INET)
        return;
    auto* in = reinterpret_cast<sockaddr_in*>(&ss);
    char text[INET_ADDRSTRLEN] = {};
    ::inet_ntop(AF_INET, &in->sin_addr, text, sizeof text);
    ip = text;
    port = ntohs(in->sin_port);
}

}  // namespace demoshop
