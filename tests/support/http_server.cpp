#include "tests/support/http_server.h"

#include <ws2tcpip.h>
#include <windows.h>

#include <algorithm>
#include <cctype>

namespace testhttp {

namespace {

// Waits up to `ms` for the socket to become readable; false on time-out.
bool readable(SOCKET s, unsigned ms) {
    fd_set set;
    FD_ZERO(&set);
    FD_SET(s, &set);
    timeval tv{static_cast<long>(ms / 1000), static_cast<long>((ms % 1000) * 1000)};
    return select(0, &set, nullptr, nullptr, &tv) > 0;
}

bool sendAll(SOCKET s, const char* data, size_t size) {
    while (size > 0) {
        int n = send(s, data, static_cast<int>(std::min<size_t>(size, 1 << 16)), 0);
        if (n <= 0) return false;
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

std::string lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

}  // namespace

std::string okResponse(std::string_view body, bool withContentLength) {
    std::string r = "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n";
    if (withContentLength) r += "Content-Length: " + std::to_string(body.size()) + "\r\n";
    r += "\r\n";
    r += body;
    return r;
}

Server::Server(std::uint16_t port) {
    wsaUp_ = WSAStartup(MAKEWORD(2, 2), &wsa_) == 0;
    if (!wsaUp_) return;
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET) return;
    // Connections of an earlier server on this port may linger in TIME_WAIT.
    BOOL yes = TRUE;
    setsockopt(s, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&yes), sizeof yes);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(s, 16) != 0) {
        closesocket(s);
        return;
    }
    listener_ = s;
    acceptor_ = std::thread([this] { acceptLoop(); });
}

Server::~Server() {
    stop_ = true;
    if (acceptor_.joinable()) acceptor_.join();
    for (std::thread& t : workers_) t.join();
    if (listener_ != INVALID_SOCKET) closesocket(listener_);
    if (wsaUp_) WSACleanup();
}

void Server::answer(std::string response) {
    std::lock_guard lock(mutex_);
    mode_ = Mode::Answer;
    response_ = std::move(response);
}

void Server::trickle(std::string response, unsigned intervalMs) {
    std::lock_guard lock(mutex_);
    mode_ = Mode::Trickle;
    response_ = std::move(response);
    intervalMs_ = intervalMs;
}

void Server::answerAndHold(std::string bytes) {
    std::lock_guard lock(mutex_);
    mode_ = Mode::Hold;
    response_ = std::move(bytes);
}

void Server::stayQuiet() {
    std::lock_guard lock(mutex_);
    mode_ = Mode::Quiet;
}

void Server::streamForever() {
    std::lock_guard lock(mutex_);
    mode_ = Mode::Stream;
}

std::vector<std::string> Server::requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

bool Server::waitForRequests(size_t n, unsigned timeoutMs) const {
    DWORD start = GetTickCount();
    while (requests().size() < n) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(20);
    }
    return true;
}

void Server::acceptLoop() {
    while (!stopping()) {
        if (!readable(listener_, 50)) continue;
        SOCKET client = accept(listener_, nullptr, nullptr);
        if (client == INVALID_SOCKET) continue;
        DWORD zero = 0;
        firstConnection_.compare_exchange_strong(zero, GetTickCount() | 1);  // never 0
        std::lock_guard lock(mutex_);
        workers_.emplace_back([this, client] { serve(client); });
    }
}

void Server::serve(SOCKET client) {
    std::string head;
    char buf[4096];
    DWORD start = GetTickCount();
    while (head.find("\r\n\r\n") == std::string::npos && !stopping() && GetTickCount() - start < 5000) {
        if (!readable(client, 50)) continue;
        int n = recv(client, buf, sizeof buf, 0);
        if (n <= 0) break;
        head.append(buf, static_cast<size_t>(n));
    }
    head = head.substr(0, head.find("\r\n\r\n"));

    Mode mode;
    std::string response;
    unsigned intervalMs;
    {
        std::lock_guard lock(mutex_);
        requests_.push_back(head);
        mode = mode_;
        response = response_;
        intervalMs = intervalMs_;
    }

    bool left = false;
    auto clientLeft = [&] {
        // Readable with nothing to read: the client closed its side.
        if (!left && readable(client, 0)) left = recv(client, buf, sizeof buf, 0) <= 0;
        return left;
    };
    switch (mode) {
    case Mode::Answer:
        sendAll(client, response.data(), response.size());
        shutdown(client, SD_SEND);
        break;
    case Mode::Trickle:
        for (size_t i = 0; i < response.size() && !stopping() && !clientLeft(); ++i) {
            if (!sendAll(client, &response[i], 1)) break;
            DWORD sent = GetTickCount();
            while (!stopping() && !clientLeft() && GetTickCount() - sent < intervalMs) Sleep(10);
        }
        shutdown(client, SD_SEND);
        break;
    case Mode::Hold:
        sendAll(client, response.data(), response.size());
        while (!stopping() && !clientLeft()) Sleep(20);
        break;
    case Mode::Quiet:
        while (!stopping() && !clientLeft()) Sleep(20);
        break;
    case Mode::Stream: {
        const std::string headers = "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n";
        const std::string block(1 << 16, 'x');
        bool open = sendAll(client, headers.data(), headers.size());
        while (open && !stopping()) {
            open = sendAll(client, block.data(), block.size());
            if (open) streamed_ += block.size();
        }
        break;
    }
    }
    // Let the client finish reading before the connection goes.
    DWORD closing = GetTickCount();
    while (!stopping() && GetTickCount() - closing < 2000 && !clientLeft()) Sleep(10);
    if (clientLeft()) ++closedByClient_;
    closesocket(client);
}

RequestLine requestLine(const std::string& head) {
    std::string line = head.substr(0, head.find("\r\n"));
    RequestLine out;
    size_t a = line.find(' ');
    size_t b = line.rfind(' ');
    if (a == std::string::npos || a == b) return out;
    out.method = line.substr(0, a);
    out.target = line.substr(a + 1, b - a - 1);
    out.version = line.substr(b + 1);
    return out;
}

std::string header(const std::string& head, std::string_view name) {
    const std::string wanted = lower(name) + ":";
    size_t pos = head.find("\r\n");
    while (pos != std::string::npos) {
        size_t start = pos + 2;
        size_t end = head.find("\r\n", start);
        std::string line = head.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (lower(line.substr(0, wanted.size())) == wanted) {
            std::string value = line.substr(wanted.size());
            value.erase(0, value.find_first_not_of(' '));
            return value;
        }
        pos = end;
    }
    return {};
}

}  // namespace testhttp
