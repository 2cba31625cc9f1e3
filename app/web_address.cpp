#include "app/web_address.h"

#include <algorithm>

namespace app {

namespace {

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (lowerAscii(text[i]) != lowerAscii(prefix[i])) return false;
    return true;
}

size_t findNoCase(std::string_view text, std::string_view needle) {
    if (needle.size() > text.size()) return std::string_view::npos;
    for (size_t i = 0; i + needle.size() <= text.size(); ++i)
        if (startsWithNoCase(text.substr(i), needle)) return i;
    return std::string_view::npos;
}

std::optional<std::uint16_t> parsePort(std::string_view digits) {
    if (digits.empty() || digits.size() > 5) return std::nullopt;
    unsigned value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    if (value == 0 || value > 65535) return std::nullopt;
    return static_cast<std::uint16_t>(value);
}

bool unreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
           c == '_' || c == '~';
}

}  // namespace

std::optional<HttpAddress> splitHttpAddress(std::string_view address) {
    HttpAddress out;
    if (startsWithNoCase(address, "http://")) {
        address.remove_prefix(7);
    } else if (startsWithNoCase(address, "https://")) {
        address.remove_prefix(8);
        out.secure = true;
    } else {
        return std::nullopt;
    }

    // The authority ends at the first "/", "?" or "#"; a query without a
    // path still belongs to the object.
    size_t end = address.find_first_of("/?#");
    std::string_view authority = address.substr(0, end);
    std::string_view rest = end == std::string_view::npos ? std::string_view{} : address.substr(end);
    if (rest.empty() || rest.front() != '/') out.path = "/";
    out.path += std::string(rest.substr(0, rest.find('#')));

    std::string_view hostPart = authority;
    std::string_view portPart;
    if (!authority.empty() && authority.front() == '[') {
        size_t close = authority.find(']');
        if (close == std::string_view::npos) return std::nullopt;
        hostPart = authority.substr(1, close - 1);
        std::string_view after = authority.substr(close + 1);
        if (!after.empty()) {
            if (after.front() != ':') return std::nullopt;
            portPart = after.substr(1);
            if (portPart.empty()) return std::nullopt;
        }
    } else if (size_t colon = authority.rfind(':'); colon != std::string_view::npos) {
        hostPart = authority.substr(0, colon);
        portPart = authority.substr(colon + 1);
        if (portPart.empty()) return std::nullopt;
    }
    if (hostPart.empty() || hostPart.find('@') != std::string_view::npos) return std::nullopt;
    out.host = std::string(hostPart);

    if (portPart.empty()) {
        out.port = out.secure ? 443 : 80;
    } else {
        auto port = parsePort(portPart);
        if (!port) return std::nullopt;
        out.port = *port;
    }
    return out;
}

std::string joinEndpoint(std::string_view endpoint, std::string_view pathAndQuery) {
    while (!endpoint.empty() && endpoint.back() == '/' && !pathAndQuery.empty() && pathAndQuery.front() == '/')
        endpoint.remove_suffix(1);
    std::string out(endpoint);
    out += pathAndQuery;
    return out;
}

std::string percentEncode(std::string_view bytes) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size() * 3);
    for (char ch : bytes) {
        auto c = static_cast<unsigned char>(ch);
        if (unreserved(c)) {
            out += ch;
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 0x0F];
        }
    }
    return out;
}

std::string lyricsSearchRequest(std::string_view endpoint, std::string_view songName) {
    return joinEndpoint(endpoint, kLyricsSearchPath) + percentEncode(songName);
}

std::string extractPublicAddress(std::string_view page) {
    page = page.substr(0, page.find('\0'));
    size_t at = findNoCase(page, kAddressMarker);
    if (at == std::string_view::npos) return {};
    std::string_view piece = page.substr(at + kAddressMarker.size(), 16);
    size_t quote = piece.find('\'');
    if (quote == std::string_view::npos) return {};
    return std::string(piece.substr(0, quote));
}

std::uint32_t readChunkSize(std::optional<std::uint32_t> contentLength) {
    constexpr std::uint32_t kLargest = 102400;
    constexpr std::uint32_t kUnknown = 10240;
    if (!contentLength || *contentLength == 0) return kUnknown;
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(std::uint64_t{*contentLength} + 1, kLargest));
}

}  // namespace app
