// A small HTTP server on 127.0.0.1 for tests: it answers each connection with
// whatever the test's handler returns, byte for byte, so that odd responses
// (no headers, a body cut short, a stall) are as easy to serve as good ones.
// Every wait it makes ends when the server is destroyed.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

namespace nalvic::testing {

struct HttpRequest {
    std::string method;
    std::string target;  // as sent: "/path?query", or a full URL to a proxy
    std::string version;
    std::vector<std::pair<std::string, std::string>> headers;

    // The value of the first header of that name (any case).
    std::optional<std::string> header(std::string_view name) const;
};

struct HttpReply {
    std::string bytes;                    // written as they are
    std::chrono::milliseconds delay{0};   // waited before writing
    bool hold = false;                    // keep the connection open afterwards
};

// A complete response; the body ends where the connection closes.
HttpReply httpResponse(std::string_view body, std::string_view status = "200 OK",
                       std::string_view extraHeaders = {});

class TestHttpServer {
public:
    using Handler = std::function<HttpReply(const HttpRequest&)>;

    explicit TestHttpServer(Handler handler);
    ~TestHttpServer();
    TestHttpServer(const TestHttpServer&) = delete;
    TestHttpServer& operator=(const TestHttpServer&) = delete;

    uint16_t port() const { return port_; }
    // "http://127.0.0.1:<port>" followed by `path`.
    std::string url(std::string_view path = {}) const;
    std::vector<HttpRequest> requests() const;
    // Waits until `count` requests have arrived; false on time-out.
    bool waitForRequests(std::size_t count,
                         std::chrono::milliseconds timeout = std::chrono::seconds(5)) const;

private:
    void acceptLoop();
    void serve(int connection);
    // Waits up to `duration`; false when the server stops first.
    bool sleepUnlessStopped(std::chrono::milliseconds duration);
    bool sendAll(int connection, std::string_view bytes);

    Handler handler_;
    int listener_ = -1;
    uint16_t port_ = 0;
    std::atomic<bool> stopping_{false};
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    std::vector<HttpRequest> requests_;
    std::vector<std::thread> connections_;
    std::thread acceptor_;
};

// A port on 127.0.0.1 that refuses every connection while this object lives.
class RefusingPort {
public:
    RefusingPort();
    ~RefusingPort();
    RefusingPort(const RefusingPort&) = delete;
    RefusingPort& operator=(const RefusingPort&) = delete;
    std::string url(std::string_view path = {}) const;

private:
    int socket_ = -1;
    uint16_t port_ = 0;
};

}  // namespace nalvic::testing
