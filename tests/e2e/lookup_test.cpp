// Start-up of the real program against address-lookup servers on the
// loopback interface that answer well, badly, slowly or not at all.  In
// every case the window comes up in time with the address heading (and the
// address only where the answer holds one), nothing crashes, and the
// single-instance guard still turns a second copy away.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <memory>

#include "app/endpoints.h"
#include "app/http_get.h"
#include "app/layout.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "app/web_address.h"
#include "tests/support/http_server.h"
#include "tests/support/remote.h"

namespace {

using namespace app;

// The lookup is over within its deadline from the first connect; the rest
// of start-up after it (the label, the guard, showing and painting the
// window) is quick.
constexpr DWORD kWindowWithinMs = 12000;

const std::string kAddressPage = "<html><script>var ipaddress = '203.0.113.7';</script></html>";

struct Fault {
    const char* name;
    // What the server does; empty when nothing listens (the connection is refused).
    std::function<void(testhttp::Server&)> serve;
    std::string address;  // shown under the heading
};

auto answer(std::string response) {
    return [response](testhttp::Server& s) { s.answer(response); };
}

std::string errorPage(const char* status, const std::string& body) {
    return std::string("HTTP/1.0 ") + status +
           "\r\nContent-Type: text/html\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
}

const Fault kFaults[] = {
    {"AddressIsShown", answer(testhttp::okResponse(kAddressPage)), "203.0.113.7"},
    {"FifteenCharacterAddressIsShownWhole", answer(testhttp::okResponse("var ipaddress = '123.123.123.123';")),
     "123.123.123.123"},
    {"ConnectionRefused", nullptr, ""},
    {"AcceptedAndNeverAnswered", [](testhttp::Server& s) { s.stayQuiet(); }, ""},
    {"HeadersThenNothing",
     [](testhttp::Server& s) {
         s.answerAndHold("HTTP/1.0 200 OK\r\nContent-Type: text/html\r\nContent-Length: 200\r\n\r\n");
     },
     ""},
    {"EndlessBody", [](testhttp::Server& s) { s.streamForever(); }, ""},
    {"OneByteASecond", [](testhttp::Server& s) { s.trickle(testhttp::okResponse(kAddressPage), 1000); }, ""},
    {"NoMarker", answer(testhttp::okResponse("<html><body>no address here</body></html>")), ""},
    // Longer than an IPv4 address can be: no address rather than a piece of one.
    {"AddressLongerThanFifteenCharacters",
     answer(testhttp::okResponse("var ipaddress = '2001:db8:85a3::8a2e:370:7334';")), ""},
    {"NotFound", answer(errorPage("404 Not Found", "<html>not found</html>")), ""},
    {"ServerError", answer(errorPage("500 Internal Server Error", "<html>error</html>")), ""},
    // The page counts, not the status.
    {"ServerErrorWhosePageNamesTheAddress",
     answer(errorPage("500 Internal Server Error", "var ipaddress = '192.0.2.1';")), "192.0.2.1"},
};

// Named in the test list by the fault's name alone.
void PrintTo(const Fault& fault, std::ostream* out) { *out << fault.name; }

class LookupAtStartup : public ::testing::TestWithParam<Fault> {};

TEST_P(LookupAtStartup, WindowComesUpInTimeWithTheHeadingAndTheGuardHolds) {
    const Fault& fault = GetParam();
    std::unique_ptr<testhttp::Server> server;
    if (fault.serve) {
        server = std::make_unique<testhttp::Server>(splitHttpAddress(endpoints().addressLookup)->port);
        ASSERT_TRUE(server->listening());
        fault.serve(*server);
    }

    remote::Program first;
    const DWORD started = GetTickCount();
    ASSERT_TRUE(first.start());
    HWND main = nullptr;
    remote::waitUntil([&] { return (main = first.findWindow(kMainWindowClass)) != nullptr || !first.running(); },
                      60000);
    const DWORD shown = GetTickCount();
    ASSERT_NE(main, nullptr) << "the program ended with " << std::hex << first.exitCode();
    // Without a connection the whole start-up counts.
    const DWORD lookupStart = server && server->firstConnectionTick() ? server->firstConnectionTick() : started;
    EXPECT_LE(shown - lookupStart, kWindowWithinMs);
    EXPECT_EQ(remote::windowText(GetDlgItem(main, ctl::IP地址标签)), "当前IP地址\r\n" + fault.address);
    if (server) {
        ASSERT_FALSE(server->requests().empty());
        EXPECT_EQ(testhttp::requestLine(server->requests().front()).target, kAddressLookupPath);
    }
    // The message loop runs: the window takes input.
    ASSERT_TRUE(remote::waitUntilIdle(main));

    // A second copy goes through the same lookup, then is turned away.
    remote::Program second;
    ASSERT_TRUE(second.start());
    HWND box = nullptr;
    remote::waitUntil([&] { return (box = second.findWindow("#32770")) != nullptr || !second.running(); }, 60000);
    ASSERT_NE(box, nullptr) << "the second copy ended with " << std::hex << second.exitCode();
    EXPECT_EQ(remote::windowText(box), kSecondCopyCaption);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(second.waitForExit());
    EXPECT_EQ(second.exitCode(), 0u);

    // The first copy is unharmed and ends cleanly.
    EXPECT_TRUE(first.running());
    EXPECT_TRUE(IsWindowVisible(main));
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(first.waitForExit());
    EXPECT_EQ(first.exitCode(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Faults, LookupAtStartup, ::testing::ValuesIn(kFaults),
                         [](const ::testing::TestParamInfo<Fault>& info) { return info.param.name; });

}  // namespace
