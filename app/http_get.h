#pragma once
#include <cstddef>
#include <string>
#include <windows.h>

namespace app {

inline constexpr const char* kUserAgent = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";

// The whole exchange, from the first connect to the last byte, is over by
// this time however slowly the server answers: a server that trickles its
// answer cannot hold start-up for longer.
inline constexpr DWORD kLookupDeadlineMs = 10000;

// Each step also gives up on its own when connecting, sending or waiting for
// the next bytes takes longer than these (and never waits past the
// deadline), so a server that accepts and never answers is left sooner.
inline constexpr DWORD kConnectTimeoutMs = 4000;
inline constexpr DWORD kSendTimeoutMs = 2000;
inline constexpr DWORD kReceiveTimeoutMs = 4000;

// Reading stops here, so a server that never stops sending cannot exhaust
// the address space.  A lookup page is a few kilobytes.
inline constexpr size_t kBodyLimit = 1024 * 1024;

// One HTTP/1.0 GET of an http or https address, bounded in time by
// `deadlineMs`.  Returns the body bytes read by then (at most kBodyLimit),
// whatever the status; empty when the request fails before the first read.
//
// The caller's thread only waits: the exchange runs on a thread of its own,
// which owns every handle it opens and shares nothing with the caller but
// the bytes it reads.  When the deadline passes first, the caller takes the
// bytes read so far and leaves; the exchange thread stops at its next step
// (the system's HTTP client cannot be interrupted inside a read everywhere)
// and touches nothing the caller has freed.
std::string httpGet(const std::string& address, DWORD deadlineMs = kLookupDeadlineMs);

// The machine's public address as the address-lookup page names it; empty
// when the page cannot be read in time or names none.
std::string lookUpPublicAddress();

}  // namespace app
