#include "app/http_get.h"

#include <algorithm>
#include <memory>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>
#include <wininet.h>

#include "app/endpoints.h"
#include "app/web_address.h"
#include "win/handles.h"

namespace app {

namespace {

// Times are GetTickCount64() values: milliseconds, never wrapping.
using Tick = ULONGLONG;

inline void closeInternetHandle(HINTERNET h) { InternetCloseHandle(h); }
using InternetHandle = win::Owned<HINTERNET, closeInternetHandle>;

// What the exchange thread hands back.  The caller and the thread share it,
// and whichever lets go last frees it.
struct Exchange {
    // Set once the thread has read all it will and closed its handles.
    win::OwnedHandle finished{CreateEventA(nullptr, TRUE, FALSE, nullptr)};
    std::mutex mutex;
    bool abandoned = false;  // the caller has taken the bytes and left
    std::string body;
};

// Milliseconds until the deadline, at least 1 (a time-out of 0 means none).
DWORD msLeft(Tick deadline) {
    Tick now = GetTickCount64();
    return now >= deadline ? 1 : static_cast<DWORD>(std::min<Tick>(deadline - now, 0x7FFFFFFF));
}

void setTimeout(HINTERNET h, DWORD option, DWORD ms, Tick deadline) {
    DWORD value = std::min(ms, msLeft(deadline));
    InternetSetOptionA(h, option, &value, sizeof value);
}

void setTimeouts(HINTERNET h, Tick deadline) {
    setTimeout(h, INTERNET_OPTION_CONNECT_TIMEOUT, kConnectTimeoutMs, deadline);
    setTimeout(h, INTERNET_OPTION_SEND_TIMEOUT, kSendTimeoutMs, deadline);
    setTimeout(h, INTERNET_OPTION_RECEIVE_TIMEOUT, kReceiveTimeoutMs, deadline);
}

std::optional<std::uint32_t> contentLength(HINTERNET request) {
    DWORD length = 0, size = sizeof length, index = 0;
    if (!HttpQueryInfoA(request, HTTP_QUERY_CONTENT_LENGTH | HTTP_QUERY_FLAG_NUMBER, &length, &size, &index))
        return std::nullopt;
    return length;
}

// The blocking exchange, on the exchange thread.  Every handle is this
// function's own; the bytes go into the shared exchange as they come.
void fetchInto(const HttpAddress& target, Tick deadline, Exchange& shared) {
    InternetHandle session(InternetOpenA(kUserAgent, INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0));
    if (!session) return;
    setTimeouts(session.get(), deadline);

    InternetHandle connection(InternetConnectA(session.get(), target.host.c_str(), target.port, nullptr, nullptr,
                                               INTERNET_SERVICE_HTTP, 0, 0));
    if (!connection) return;
    setTimeouts(connection.get(), deadline);

    const char* accepted[] = {"*/*", nullptr};
    DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE;
    if (target.secure) flags |= INTERNET_FLAG_SECURE;
    InternetHandle request(
        HttpOpenRequestA(connection.get(), "GET", target.path.c_str(), "HTTP/1.0", nullptr, accepted, flags, 0));
    if (!request) return;
    setTimeouts(request.get(), deadline);

    static const char kExtraHeaders[] = "Accept: */*\r\n\r\n";
    if (!HttpSendRequestA(request.get(), kExtraHeaders, sizeof kExtraHeaders - 1, nullptr, 0)) return;

    const std::uint32_t chunk = readChunkSize(contentLength(request.get()));
    std::vector<char> buffer(chunk);
    size_t total = 0;
    while (total < kBodyLimit && GetTickCount64() < deadline) {
        setTimeout(request.get(), INTERNET_OPTION_RECEIVE_TIMEOUT, kReceiveTimeoutMs, deadline);
        DWORD want = static_cast<DWORD>(std::min<size_t>(chunk, kBodyLimit - total));
        DWORD got = 0;
        if (!InternetReadFile(request.get(), buffer.data(), want, &got) || got == 0) break;
        std::lock_guard lock(shared.mutex);
        if (shared.abandoned) break;
        shared.body.append(buffer.data(), got);
        total += got;
    }
}

void runExchange(HttpAddress target, Tick deadline, std::shared_ptr<Exchange> shared) {
    fetchInto(target, deadline, *shared);
    SetEvent(shared->finished.get());
}

}  // namespace

std::string httpGet(const std::string& address, DWORD deadlineMs) {
    std::optional<HttpAddress> target = splitHttpAddress(address);
    if (!target) return {};

    const Tick deadline = GetTickCount64() + deadlineMs;
    auto shared = std::make_shared<Exchange>();
    if (!shared->finished) return {};
    try {
        std::thread(runExchange, std::move(*target), deadline, shared).detach();
    } catch (const std::system_error&) {
        return {};
    }
    WaitForSingleObject(shared->finished.get(), deadlineMs);
    std::lock_guard lock(shared->mutex);
    shared->abandoned = true;
    return std::move(shared->body);
}

std::string lookUpPublicAddress() {
    return extractPublicAddress(httpGet(joinEndpoint(endpoints().addressLookup, kAddressLookupPath)));
}

}  // namespace app
