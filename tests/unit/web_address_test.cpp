// The address rules without a network: splitting, request building with the
// song name encoded, the public address on a lookup page, read sizes.
#include <gtest/gtest.h>

#include "app/web_address.h"

namespace {

using namespace app;
using namespace std::string_literals;

TEST(SplitHttpAddress, ServerPortAndPathAsWritten) {
    struct Case {
        const char* address;
        HttpAddress expected;
    } cases[] = {
        {"http://127.0.0.1:47801/templates/ipv6man/?id='ipv6'/></iframe>",
         {false, "127.0.0.1", 47801, "/templates/ipv6man/?id='ipv6'/></iframe>"}},
        {"HTTP://Example.com", {false, "Example.com", 80, "/"}},
        {"https://example.com/a/b", {true, "example.com", 443, "/a/b"}},
        {"http://example.com?q=1", {false, "example.com", 80, "/?q=1"}},
        {"http://example.com/page#part", {false, "example.com", 80, "/page"}},
        {"http://[::1]:8080/a", {false, "::1", 8080, "/a"}},
        {"http://h:65535/", {false, "h", 65535, "/"}},
    };
    for (const Case& c : cases) {
        auto got = splitHttpAddress(c.address);
        ASSERT_TRUE(got) << c.address;
        EXPECT_EQ(*got, c.expected) << c.address;
    }
    for (const char* address :
         {"", "example.com/a", "ftp://example.com/", "http:/example.com", "http://", "http:///path", "http://h:/",
          "http://h:0/", "http://h:65536/", "http://h:8a/", "http://user@h/", "http://[::1/", "http://[::1]x/"})
        EXPECT_FALSE(splitHttpAddress(address)) << address;
}

TEST(LyricsSearchRequest, PlainNamesAreUnchangedAndOthersCannotBreakTheQuery) {
    const std::string base =
        "http://lyrics.example/m?f=ms&rf=top-oldsong&tn=baidump3lyric&ct=150994944&lf=&rn=10&word=";
    struct Case {
        std::string name, word;
    } cases[] = {
        {"Yesterday", "Yesterday"},
        {"a-b.c_d~9", "a-b.c_d~9"},
        {"", ""},
        {"a&tn=x", "a%26tn%3Dx"},
        {"a b+c#d%e'f\"g", "a%20b%2Bc%23d%25e%27f%22g"},
        {"/?:@!$()*,;[]", "%2F%3F%3A%40%21%24%28%29%2A%2C%3B%5B%5D"},
        {"\r\n"s + '\0' + "\x7f", "%0D%0A%00%7F"},
        // GBK bytes are kept and encoded: 晴天 is C7 E7 CC EC, 七里香 周 is
        // C6 DF C0 EF CF E3 20 D6 DC; 丂 is 81 40, a trail byte of "@".
        {"晴天&x", "%C7%E7%CC%EC%26x"},
        {"七里香 周", "%C6%DF%C0%EF%CF%E3%20%D6%DC"},
        {"\x81\x40", "%81%40"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(lyricsSearchRequest("http://lyrics.example", c.name), base + c.word) << c.word;
        EXPECT_EQ(lyricsSearchRequest("http://lyrics.example/", c.name), base + c.word) << c.word;
    }
}

TEST(PublicAddress, FoundAfterTheMarkerUpToTheQuote) {
    struct Case {
        std::string page;
        const char* address;
    } cases[] = {
        {"<script>var ipaddress = '203.0.113.7';</script>", "203.0.113.7"},
        {"var ipaddress = '123.123.123.123';", "123.123.123.123"},
        {"Var IpAddress = '198.51.100.20'", "198.51.100.20"},
        {"var ipaddress = '';", ""},
        {"x var ipaddress = '1.2.3.4'; var ipaddress = '5.6.7.8';", "1.2.3.4"},
        {"var ipaddress = '2001:db8::1234:5'", ""},  // the quote is the 17th character
        {"var ipaddress = '1.2.3.4", ""},
        {"var ipaddress = \"1.2.3.4\";", ""},
        {"", ""},
        {"<p>\0var ipaddress = '203.0.113.7';"s, ""},
        {"var ipaddress = '203.0.113.7';\0tail"s, "203.0.113.7"},
        {"var ipaddress = '1.2\0.3';"s, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(extractPublicAddress(c.page), c.address) << c.page;
}

TEST(ReadChunkSize, FollowsContentLengthWithinBounds) {
    EXPECT_EQ(readChunkSize(std::nullopt), 10240u);
    EXPECT_EQ(readChunkSize(0u), 10240u);
    EXPECT_EQ(readChunkSize(5000u), 5001u);
    EXPECT_EQ(readChunkSize(102399u), 102400u);
    EXPECT_EQ(readChunkSize(0xFFFFFFFFu), 102400u);  // no wrap-around at the top
}

}  // namespace
