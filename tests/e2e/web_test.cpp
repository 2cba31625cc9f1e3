// The web pages and the address lookup of the real program, built with
// loopback endpoints, against servers this test runs.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "app/endpoints.h"
#include "app/layout.h"
#include "app/main_window.h"
#include "app/web_address.h"
#include "tests/support/http_server.h"
#include "tests/support/remote.h"

namespace {

using namespace app;

std::uint16_t portOf(const char* endpoint) { return splitHttpAddress(endpoint)->port; }

const std::string kLyricsBase = std::string(endpoints().lyrics) + std::string(kLyricsSearchPath);

// A label's text without waiting on a busy program for ever.
std::string textWithin(HWND w, UINT ms) {
    char buf[512] = {};
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(w, WM_GETTEXT, sizeof buf, reinterpret_cast<LPARAM>(buf), SMTO_ABORTIFHUNG, ms, &result))
        return "<busy>";
    return buf;
}

BOOL CALLBACK collectVisible(HWND w, LPARAM lp) {
    if (IsWindowVisible(w)) reinterpret_cast<std::vector<HWND>*>(lp)->push_back(w);
    return TRUE;
}

// Every visible top-level window on the test display, of any process: a
// browser-engine download prompt would come from a helper process.
std::vector<HWND> visibleTopLevelWindows() {
    std::vector<HWND> found;
    EnumWindows(collectVisible, reinterpret_cast<LPARAM>(&found));
    return found;
}

// Whether a server has been asked for exactly this target.
bool asked(const testhttp::Server& server, const std::string& target) {
    return remote::waitUntil(
        [&] {
            for (const std::string& head : server.requests())
                if (testhttp::requestLine(head).target == target) return true;
            return false;
        },
        20000);
}

// The browser controls fetch the pages from servers of our own: what reaches
// them is what the program asked for.
class WebPages : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(player.listening() && lyrics.listening());
        player.answer(testhttp::okResponse("<html><body>player</body></html>"));
        lyrics.answer(testhttp::okResponse("<html><body>lyrics</body></html>"));
        ASSERT_TRUE(program.start());
        main = program.waitForWindow(kMainWindowClass);
        ASSERT_NE(main, nullptr);
        // Start-up is over once the address heading is in place.
        ASSERT_TRUE(remote::waitUntil([&] { return textWithin(item(ctl::IP地址标签), 200) == "当前IP地址\r\n"; }));
        SetForegroundWindow(main);
    }
    HWND item(int id) const { return GetDlgItem(main, id); }
    void showPage(int page) {
        HWND tab = item(ctl::转换框);
        remote::clickClientRect(tab, remote::tabItemRect(program.handle(), tab, page - 1));
        ASSERT_TRUE(remote::waitUntil([&] { return SendMessageA(tab, TCM_GETCURSEL, 0, 0) == page - 1; }, 20000));
    }
    bool lyricsPageShows(const std::string& address) {
        return remote::waitUntil([&] { return remote::windowText(item(ctl::歌词网页)) == address; }, 20000);
    }
    // A dialog of the browser control (a prompt to download a browser
    // engine, say) would come up once a page has been read: wait until the
    // browser has read every page it asked the server for and the program
    // has handled what came of it.
    void expectOnlyTheMainWindow(const testhttp::Server& server) {
        const size_t pages = server.requests().size();
        EXPECT_TRUE(remote::waitUntil([&] { return server.connectionsClosedByClient() >= pages; }, 20000));
        ASSERT_TRUE(remote::waitUntilIdle(main));
        EXPECT_EQ(visibleTopLevelWindows(), std::vector<HWND>{main});
    }

    testhttp::Server player{portOf(endpoints().player)};
    testhttp::Server lyrics{portOf(endpoints().lyrics)};
    remote::Program program;
    HWND main = nullptr;
};

TEST_F(WebPages, ActivatingThePlayerOpensItOnceAndRemovesTheNotice) {
    ASSERT_NE(item(ctl::启用提示), nullptr);
    EXPECT_EQ(remote::windowText(item(ctl::酷狗音乐)), "");
    remote::clickWindow(item(ctl::激活网页酷狗));
    ASSERT_TRUE(
        remote::waitUntil([&] { return remote::windowText(item(ctl::酷狗音乐)) == endpoints().player; }, 20000));
    EXPECT_FALSE(IsWindowEnabled(item(ctl::激活网页酷狗)));
    EXPECT_EQ(item(ctl::启用提示), nullptr);
    EXPECT_TRUE(asked(player, "/"));

    // The player page now shows the player alone.
    showPage(2);
    EXPECT_TRUE(IsWindowVisible(item(ctl::酷狗音乐)));
    expectOnlyTheMainWindow(player);
}

TEST_F(WebPages, SearchButtonAndEnterOpenTheEncodedSearch) {
    showPage(4);
    HWND name = item(ctl::歌名框);
    HWND search = item(ctl::歌词搜索按钮);

    // 晴天 is C7 E7 CC EC in GBK; "&" must not start a parameter of its own.
    SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("晴天&tn=x"));
    remote::clickWindow(search);
    EXPECT_TRUE(lyricsPageShows(kLyricsBase + "%C7%E7%CC%EC%26tn%3Dx"));
    EXPECT_TRUE(asked(lyrics, std::string(kLyricsSearchPath) + "%C7%E7%CC%EC%26tn%3Dx"));

    // Enter in the box searches; other keys only edit it.
    SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    remote::clickWindow(name);
    remote::pressKey('A');
    remote::pressKey(VK_SPACE);
    remote::pressKey('B');
    EXPECT_TRUE(remote::waitUntil([&] { return remote::windowText(name) == "a b"; }, 20000))
        << remote::windowText(name);
    EXPECT_EQ(remote::windowText(item(ctl::歌词网页)), kLyricsBase + "%C7%E7%CC%EC%26tn%3Dx");
    remote::pressKey(VK_RETURN);
    EXPECT_TRUE(lyricsPageShows(kLyricsBase + "a%20b"));
    EXPECT_TRUE(asked(lyrics, std::string(kLyricsSearchPath) + "a%20b"));
    EXPECT_EQ(remote::windowText(name), "a b");  // Enter is not typed into the box

    SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("七里香 周"));
    remote::pressKey(VK_RETURN);
    EXPECT_TRUE(lyricsPageShows(kLyricsBase + "%C6%DF%C0%EF%CF%E3%20%D6%DC"));
    EXPECT_TRUE(asked(lyrics, std::string(kLyricsSearchPath) + "%C6%DF%C0%EF%CF%E3%20%D6%DC"));

    // An empty name still searches, for an empty word.
    SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    remote::clickWindow(search);
    EXPECT_TRUE(lyricsPageShows(kLyricsBase));
    EXPECT_TRUE(asked(lyrics, std::string(kLyricsSearchPath)));
    expectOnlyTheMainWindow(lyrics);
}

}  // namespace
