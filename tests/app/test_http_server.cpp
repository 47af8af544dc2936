#include "test_http_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <stdexcept>
#include <strings.h>

namespace nalvic::testing {
namespace {

using namespace std::chrono_literals;

// No single wait of the server lasts longer than this.
constexpr auto longestWait = 30s;
constexpr int pollMilliseconds = 20;
constexpr std::size_t longestRequest = 64 * 1024;

// Requests to 127.0.0.1 must reach this server, never a proxy that the
// environment happens to name.
void bypassProxyForLoopback() {
    static std::once_flag once;
    std::call_once(once, [] {
        std::string list;
        if (const char* current = std::getenv("no_proxy")) list = current;
        else if (const char* upper = std::getenv("NO_PROXY")) list = upper;
        list += list.empty() ? "127.0.0.1" : ",127.0.0.1";
        setenv("no_proxy", list.c_str(), 1);
    });
}

sockaddr_in loopback(uint16_t port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

// A socket bound to a free port on 127.0.0.1, and that port.
std::pair<int, uint16_t> bindLoopback() {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) throw std::runtime_error("socket failed");
    sockaddr_in address = loopback(0);
    socklen_t length = sizeof address;
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        close(fd);
        throw std::runtime_error("bind failed");
    }
    return {fd, ntohs(address.sin_port)};
}

std::string trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

std::optional<HttpRequest> parseRequest(std::string_view head) {
    HttpRequest request;
    auto lineEnd = head.find("\r\n");
    const std::string_view line = head.substr(0, lineEnd);
    const auto firstSpace = line.find(' ');
    const auto lastSpace = line.rfind(' ');
    if (firstSpace == std::string_view::npos || firstSpace == lastSpace) return std::nullopt;
    request.method = line.substr(0, firstSpace);
    request.target = line.substr(firstSpace + 1, lastSpace - firstSpace - 1);
    request.version = line.substr(lastSpace + 1);
    while (lineEnd != std::string_view::npos) {
        const auto start = lineEnd + 2;
        lineEnd = head.find("\r\n", start);
        const std::string_view header = head.substr(start, lineEnd - start);
        const auto colon = header.find(':');
        if (colon == std::string_view::npos) continue;
        request.headers.emplace_back(std::string(header.substr(0, colon)),
                                     trim(header.substr(colon + 1)));
    }
    return request;
}

}  // namespace

std::optional<std::string> HttpRequest::header(std::string_view name) const {
    for (const auto& [key, value] : headers)
        if (key.size() == name.size() && strncasecmp(key.data(), name.data(), name.size()) == 0)
            return value;
    return std::nullopt;
}

HttpReply httpResponse(std::string_view body, std::string_view status, std::string_view extraHeaders) {
    std::string bytes = "HTTP/1.0 ";
    bytes += status;
    bytes += "\r\nContent-Type: text/plain\r\n";
    bytes += extraHeaders;
    bytes += "\r\n";
    bytes += body;
    return {bytes};
}

TestHttpServer::TestHttpServer(Handler handler) : handler_(std::move(handler)) {
    bypassProxyForLoopback();
    std::tie(listener_, port_) = bindLoopback();
    if (listen(listener_, 16) != 0) {
        close(listener_);
        throw std::runtime_error("listen failed");
    }
    acceptor_ = std::thread([this] { acceptLoop(); });
}

TestHttpServer::~TestHttpServer() {
    {
        std::lock_guard guard(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    acceptor_.join();
    for (std::thread& connection : connections_) connection.join();
    close(listener_);
}

std::string TestHttpServer::url(std::string_view path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + std::string(path);
}

std::vector<HttpRequest> TestHttpServer::requests() const {
    std::lock_guard guard(mutex_);
    return requests_;
}

bool TestHttpServer::waitForRequests(std::size_t count, std::chrono::milliseconds timeout) const {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, timeout, [&] { return requests_.size() >= count; });
}

void TestHttpServer::acceptLoop() {
    while (!stopping_) {
        pollfd ready{listener_, POLLIN, 0};
        if (poll(&ready, 1, pollMilliseconds) <= 0) continue;
        const int connection = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection < 0) continue;
        connections_.emplace_back([this, connection] {
            serve(connection);
            shutdown(connection, SHUT_WR);
            close(connection);
        });
    }
}

void TestHttpServer::serve(int connection) {
    std::string head;
    const auto deadline = std::chrono::steady_clock::now() + longestWait;
    while (head.find("\r\n\r\n") == std::string::npos) {
        if (stopping_ || head.size() > longestRequest || std::chrono::steady_clock::now() > deadline)
            return;
        pollfd ready{connection, POLLIN, 0};
        if (poll(&ready, 1, pollMilliseconds) <= 0) continue;
        char buffer[4096];
        const ssize_t got = recv(connection, buffer, sizeof buffer, 0);
        if (got <= 0) return;
        head.append(buffer, static_cast<std::size_t>(got));
    }
    const std::optional<HttpRequest> request = parseRequest(head);
    if (!request) return;
    {
        std::lock_guard guard(mutex_);
        requests_.push_back(*request);
    }
    changed_.notify_all();
    const HttpReply reply = handler_(*request);
    if (!sleepUnlessStopped(reply.delay) || !sendAll(connection, reply.bytes)) return;
    if (reply.hold) sleepUnlessStopped(longestWait);
}

bool TestHttpServer::sleepUnlessStopped(std::chrono::milliseconds duration) {
    std::unique_lock lock(mutex_);
    return !changed_.wait_for(lock, duration, [&] { return stopping_.load(); });
}

bool TestHttpServer::sendAll(int connection, std::string_view bytes) {
    while (!bytes.empty()) {
        if (stopping_) return false;
        pollfd ready{connection, POLLOUT, 0};
        if (poll(&ready, 1, pollMilliseconds) <= 0) continue;
        const ssize_t sent = send(connection, bytes.data(), bytes.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (sent < 0 && (errno == EAGAIN || errno == EINTR)) continue;
        if (sent <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
    return true;
}

RefusingPort::RefusingPort() {
    bypassProxyForLoopback();
    // Bound but never listening: a connection attempt is answered with a reset.
    std::tie(socket_, port_) = bindLoopback();
}

RefusingPort::~RefusingPort() { close(socket_); }

std::string RefusingPort::url(std::string_view path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + std::string(path);
}

}  // namespace nalvic::testing
