#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The rules behind the program's web addresses: splitting an HTTP address,
// building the two requests with fixed paths, and reading the public address
// out of the lookup page.  Values in, values out; no network, no window.
namespace app {

// Path and query of the address-lookup page, sent as written (no escaping).
inline constexpr std::string_view kAddressLookupPath = "/templates/ipv6man/?id='ipv6'/></iframe>";
// Path and query of the lyrics search; the song name follows "word=".
inline constexpr std::string_view kLyricsSearchPath =
    "/m?f=ms&rf=top-oldsong&tn=baidump3lyric&ct=150994944&lf=&rn=10&word=";
// What precedes the address on the lookup page, compared without regard to case.
inline constexpr std::string_view kAddressMarker = "var ipaddress = '";

struct HttpAddress {
    bool secure = false;  // https
    std::string host;
    std::uint16_t port = 0;
    std::string path;  // object path with its query, "/" at least

    bool operator==(const HttpAddress&) const = default;
};

// Splits "http[s]://host[:port][/path?query]" into its parts.  The scheme is
// matched without regard to case; the port defaults to 80 or 443; a host in
// brackets ([::1]) keeps its brackets off.  Nothing when the address has no
// http or https scheme, no host, or a port that is not 1..65535.
std::optional<HttpAddress> splitHttpAddress(std::string_view address);

// The endpoint followed by a path, with no doubled slash between them.
std::string joinEndpoint(std::string_view endpoint, std::string_view pathAndQuery);

// Percent-encodes every byte that is not an unreserved URL character
// (A-Z a-z 0-9 - . _ ~) as %XX with capital hex digits.  Multi-byte
// characters (GBK) are encoded byte by byte, so the bytes are kept.
std::string percentEncode(std::string_view bytes);

// The lyrics-search request for a song name given in the system code page.
std::string lyricsSearchRequest(std::string_view endpoint, std::string_view songName);

// The address on a lookup page: the page is read up to its first zero byte;
// the address is what follows the marker, within the next 16 characters, up
// to a single quote.  Empty when there is no marker or no closing quote
// within reach (so an address has at most 15 characters).
std::string extractPublicAddress(std::string_view page);

// How many bytes to ask for in one read of a response body, given its
// Content-Length (nothing when the header is missing).
std::uint32_t readChunkSize(std::optional<std::uint32_t> contentLength);

}  // namespace app
