#include "app/http_get.h"

#include <algorithm>
#include <optional>
#include <vector>
#include <wininet.h>

#include "app/endpoints.h"
#include "win/handles.h"
#include "app/web_address.h"

namespace app {

namespace {

inline void closeInternetHandle(HINTERNET h) { InternetCloseHandle(h); }
using InternetHandle = win::Owned<HINTERNET, closeInternetHandle>;

void setTimeouts(HINTERNET h) {
    for (auto [option, ms] : {std::pair{INTERNET_OPTION_CONNECT_TIMEOUT, kConnectTimeoutMs},
                              std::pair{INTERNET_OPTION_SEND_TIMEOUT, kSendTimeoutMs},
                              std::pair{INTERNET_OPTION_RECEIVE_TIMEOUT, kReceiveTimeoutMs}}) {
        DWORD value = ms;
        InternetSetOptionA(h, option, &value, sizeof value);
    }
}

std::optional<std::uint32_t> contentLength(HINTERNET request) {
    DWORD length = 0, size = sizeof length, index = 0;
    if (!HttpQueryInfoA(request, HTTP_QUERY_CONTENT_LENGTH | HTTP_QUERY_FLAG_NUMBER, &length, &size, &index))
        return std::nullopt;
    return length;
}

}  // namespace

std::string httpGet(const std::string& address) {
    std::optional<HttpAddress> target = splitHttpAddress(address);
    if (!target) return {};

    InternetHandle session(InternetOpenA(kUserAgent, INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0));
    if (!session) return {};
    setTimeouts(session.get());

    InternetHandle connection(InternetConnectA(session.get(), target->host.c_str(), target->port, nullptr, nullptr,
                                               INTERNET_SERVICE_HTTP, 0, 0));
    if (!connection) return {};
    setTimeouts(connection.get());

    const char* accepted[] = {"*/*", nullptr};
    DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE;
    if (target->secure) flags |= INTERNET_FLAG_SECURE;
    InternetHandle request(
        HttpOpenRequestA(connection.get(), "GET", target->path.c_str(), "HTTP/1.0", nullptr, accepted, flags, 0));
    if (!request) return {};
    setTimeouts(request.get());

    static const char kExtraHeaders[] = "Accept: */*\r\n\r\n";
    if (!HttpSendRequestA(request.get(), kExtraHeaders, sizeof kExtraHeaders - 1, nullptr, 0)) return {};

    const std::uint32_t chunk = readChunkSize(contentLength(request.get()));
    std::vector<char> buffer(chunk);
    std::string body;
    while (body.size() < kBodyLimit) {
        DWORD want = static_cast<DWORD>(std::min<size_t>(chunk, kBodyLimit - body.size()));
        DWORD got = 0;
        if (!InternetReadFile(request.get(), buffer.data(), want, &got) || got == 0) break;
        body.append(buffer.data(), got);
    }
    return body;
}

std::string lookUpPublicAddress() {
    return extractPublicAddress(httpGet(joinEndpoint(endpoints().addressLookup, kAddressLookupPath)));
}

}  // namespace app
