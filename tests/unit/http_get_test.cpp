// The HTTP reading and the address lookup against a real server on the
// loopback interface, run by the test itself.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/endpoints.h"
#include "app/http_get.h"
#include "app/web_address.h"
#include "tests/support/http_server.h"

namespace {

using namespace app;
using namespace std::string_literals;

std::uint16_t lookupPort() { return splitHttpAddress(endpoints().addressLookup)->port; }

std::string lookupRequest() { return joinEndpoint(endpoints().addressLookup, kAddressLookupPath); }

std::string baseAddress() { return "http://127.0.0.1:" + std::to_string(lookupPort()); }

class HttpGetTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(server.listening()) << "port " << lookupPort() << " is taken"; }
    testhttp::Server server{lookupPort()};
};

TEST_F(HttpGetTest, LookupSendsTheRequestAsWrittenAndReadsTheAddress) {
    server.answer(testhttp::okResponse("<script>var ipaddress = '203.0.113.7';</script>"));
    EXPECT_EQ(lookUpPublicAddress(), "203.0.113.7");

    auto requests = server.requests();
    ASSERT_EQ(requests.size(), 1u);
    testhttp::RequestLine line = testhttp::requestLine(requests[0]);
    EXPECT_EQ(line.method, "GET");
    EXPECT_EQ(line.target, "/templates/ipv6man/?id='ipv6'/></iframe>");
    EXPECT_EQ(line.version, "HTTP/1.0");
    EXPECT_EQ(testhttp::header(requests[0], "User-Agent"), "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)");
    EXPECT_EQ(testhttp::header(requests[0], "Accept"), "*/*");
    EXPECT_EQ(testhttp::header(requests[0], "Host"), "127.0.0.1:" + std::to_string(lookupPort()));
}

TEST_F(HttpGetTest, LookupPagesAndTheAddressesTheyGive) {
    struct Case {
        std::string response;
        const char* address;
    } cases[] = {
        {testhttp::okResponse("var ipaddress = '123.123.123.123';"), "123.123.123.123"},
        {testhttp::okResponse("<SCRIPT>VAR IPADDRESS = '203.0.113.7';</SCRIPT>"), "203.0.113.7"},
        {testhttp::okResponse("var ipaddress = '203.0.113.7';", false), "203.0.113.7"},  // no Content-Length
        {testhttp::okResponse("<html>nothing to see</html>"), ""},
        {testhttp::okResponse(""), ""},
        {testhttp::okResponse("var ipaddress = '2001:db8::1234:5';"), ""},  // 16 characters
        {testhttp::okResponse("<p>\0var ipaddress = '203.0.113.7';"s), ""},
        {"HTTP/1.0 404 Not Found\r\nContent-Length: 9\r\n\r\nnot found", ""},
        {"HTTP/1.0 500 Oops\r\n\r\nvar ipaddress = '192.0.2.1';", "192.0.2.1"},  // the body counts, not the status
    };
    for (const Case& c : cases) {
        server.answer(c.response);
        EXPECT_EQ(lookUpPublicAddress(), c.address) << c.response;
    }
}

TEST_F(HttpGetTest, BodyComesBackWholeWithItsZeroBytes) {
    std::string small = "a\0b\0c"s;
    server.answer(testhttp::okResponse(small));
    EXPECT_EQ(httpGet(baseAddress() + "/"), small);

    // Larger than one read, with and without a length.
    std::string large(300000, '\0');
    for (size_t i = 0; i < large.size(); ++i) large[i] = static_cast<char>(i * 7 + i / 256);
    server.answer(testhttp::okResponse(large));
    EXPECT_EQ(httpGet(baseAddress() + "/large"), large);
    server.answer(testhttp::okResponse(large.substr(0, 50000), false));
    EXPECT_EQ(httpGet(baseAddress() + "/unsized"), large.substr(0, 50000));

    auto requests = server.requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(testhttp::requestLine(requests[1]).target, "/large");
}

TEST_F(HttpGetTest, EndlessBodyStopsAtTheLimit) {
    server.streamForever();
    DWORD start = GetTickCount();
    std::string body = httpGet(baseAddress() + "/endless");
    EXPECT_LT(GetTickCount() - start, 15000u);
    EXPECT_EQ(body.size(), kBodyLimit);
    EXPECT_EQ(body.find_first_not_of('x'), std::string::npos);
    EXPECT_GE(server.bytesStreamed(), kBodyLimit);
}

TEST_F(HttpGetTest, SilentServerGivesUpWithinTheDeadline) {
    for (auto silence :
         {+[](testhttp::Server& s) { s.stayQuiet(); },
          +[](testhttp::Server& s) { s.answerAndHold("HTTP/1.0 200 OK\r\nContent-Length: 200\r\n\r\nvar ipadd"); }}) {
        silence(server);
        size_t before = server.requests().size();
        DWORD start = GetTickCount();
        EXPECT_EQ(lookUpPublicAddress(), "");
        DWORD elapsed = GetTickCount() - start;
        EXPECT_GE(server.requests().size(), before + 1);  // it connected and asked, then waited
        EXPECT_LT(elapsed, kLookupDeadlineMs + 2000);
    }
}

// The time-outs of each read do not bound an answer that keeps coming,
// slowly: the deadline bounds the whole exchange, and an exchange given up
// on does not disturb the next one.
TEST_F(HttpGetTest, TrickledAnswerIsCutAtTheDeadline) {
    const std::string page = "var ipaddress = '203.0.113.7';";
    server.trickle(testhttp::okResponse(page), 200);  // about 17 seconds for the whole answer
    const DWORD deadline = 1500;
    DWORD start = GetTickCount();
    EXPECT_EQ(httpGet(baseAddress() + "/slow", deadline), "");
    EXPECT_LT(GetTickCount() - start, deadline + 3000);
    ASSERT_EQ(server.requests().size(), 1u);

    server.answer(testhttp::okResponse(page));
    EXPECT_EQ(lookUpPublicAddress(), "203.0.113.7");
    EXPECT_EQ(server.requests().size(), 2u);
}

TEST(HttpGet, RefusedConnectionGivesNothingAtOnce) {
    // Nothing listens on the lookup port outside the fixture above.
    DWORD start = GetTickCount();
    EXPECT_EQ(httpGet(lookupRequest()), "");
    EXPECT_EQ(lookUpPublicAddress(), "");
    EXPECT_LT(GetTickCount() - start, 5000u);
}

TEST(HttpGet, AddressesThatAreNotHttpGiveNothing) {
    for (const char* address : {"", "not an address", "ftp://127.0.0.1/", "http://127.0.0.1:0/"})
        EXPECT_EQ(httpGet(address), "") << address;
}

}  // namespace
