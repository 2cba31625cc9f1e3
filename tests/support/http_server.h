#pragma once
// A small HTTP server on 127.0.0.1 inside the test process, with canned
// behaviours: answer with given bytes, quickly or one byte at a time, send
// bytes and then hold the connection silently, accept and never answer, or
// send a body that never ends.  Every request it receives is kept for
// inspection.
#include <winsock2.h>
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace testhttp {

// "HTTP/1.0 200 OK" with the body, with or without a Content-Length header.
std::string okResponse(std::string_view body, bool withContentLength = true);

class Server {
public:
    explicit Server(std::uint16_t port);
    ~Server();
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;

    bool listening() const { return listener_ != INVALID_SOCKET; }

    // What the next connections get.
    void answer(std::string response);  // these bytes, then the connection is closed
    // These bytes one at a time, `intervalMs` apart, then the connection is
    // closed; a client that leaves early ends it.
    void trickle(std::string response, unsigned intervalMs);
    void answerAndHold(std::string bytes);  // these bytes, then silence until the client leaves
    void stayQuiet();                       // read the request, then say nothing until the client leaves
    void streamForever();                   // headers without a length, then body bytes until the client leaves

    // The request heads received so far (request line and headers), in order.
    std::vector<std::string> requests() const;
    // Waits (polling) until at least n requests have come in.
    bool waitForRequests(size_t n, unsigned timeoutMs) const;
    // GetTickCount() when the first connection was accepted; 0 before.
    DWORD firstConnectionTick() const { return firstConnection_; }
    // Connections whose client has closed its side after being served.
    size_t connectionsClosedByClient() const { return closedByClient_; }
    std::uint64_t bytesStreamed() const { return streamed_; }

private:
    enum class Mode { Answer, Trickle, Hold, Quiet, Stream };
    void acceptLoop();
    void serve(SOCKET client);
    bool stopping() const { return stop_; }

    WSADATA wsa_{};
    bool wsaUp_ = false;
    SOCKET listener_ = INVALID_SOCKET;
    std::atomic<bool> stop_{false};
    std::atomic<std::uint64_t> streamed_{0};
    std::atomic<DWORD> firstConnection_{0};
    std::atomic<size_t> closedByClient_{0};
    mutable std::mutex mutex_;
    Mode mode_ = Mode::Answer;
    std::string response_;
    unsigned intervalMs_ = 0;
    std::vector<std::string> requests_;
    std::vector<std::thread> workers_;
    std::thread acceptor_;
};

// One request line split into its three parts.
struct RequestLine {
    std::string method, target, version;
};
RequestLine requestLine(const std::string& head);
// The value of a header (name matched without regard to case); empty when absent.
std::string header(const std::string& head, std::string_view name);

}  // namespace testhttp
