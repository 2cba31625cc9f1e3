#pragma once
#include <cstddef>
#include <string>
#include <windows.h>

namespace app {

inline constexpr const char* kUserAgent = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";

// A request gives up when connecting, sending or waiting for the next bytes
// takes longer than these; together about ten seconds, so a server that
// accepts and never answers cannot hold start-up for long.
inline constexpr DWORD kConnectTimeoutMs = 4000;
inline constexpr DWORD kSendTimeoutMs = 2000;
inline constexpr DWORD kReceiveTimeoutMs = 4000;

// Reading stops here, so a server that never stops sending cannot exhaust
// the address space.  A lookup page is a few kilobytes.
inline constexpr size_t kBodyLimit = 1024 * 1024;

// One HTTP/1.0 GET of an http or https address.  Returns the body bytes read
// (at most kBodyLimit), whatever the status; empty when the request fails
// before the first read.
std::string httpGet(const std::string& address);

// The machine's public address as the address-lookup page names it; empty
// when the page cannot be read or names none.
std::string lookUpPublicAddress();

}  // namespace app
