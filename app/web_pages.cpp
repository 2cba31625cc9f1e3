#include "app/web_pages.h"

#include <commctrl.h>
#include <string>

#include "app/endpoints.h"
#include "app/layout.h"
#include "app/web_address.h"

namespace app {

namespace {

constexpr UINT_PTR kSongNameSubclass = 1;

std::string windowText(HWND w) {
    int n = GetWindowTextLengthA(w);
    if (n <= 0) return {};
    std::string text(static_cast<size_t>(n) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(w, text.data(), n + 1)));
    return text;
}

LRESULT CALLBACK songNameProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
    switch (msg) {
    case WM_KEYDOWN:
        if (onSongNameKey(GetParent(hwnd), wp)) return 0;
        break;
    case WM_CHAR:
        // The Enter already searched; a single-line edit would beep at it.
        if (wp == '\r') return 0;
        break;
    case WM_NCDESTROY: RemoveWindowSubclass(hwnd, songNameProc, kSongNameSubclass); break;
    }
    return DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace

void activateKugouPlayer(HWND mainWindow) {
    // The browser host navigates when its text is set.
    SetWindowTextA(GetDlgItem(mainWindow, ctl::酷狗音乐), endpoints().player);
    EnableWindow(GetDlgItem(mainWindow, ctl::激活网页酷狗), FALSE);
    if (HWND notice = GetDlgItem(mainWindow, ctl::启用提示)) DestroyWindow(notice);
}

void searchLyrics(HWND mainWindow) {
    std::string request = lyricsSearchRequest(endpoints().lyrics, windowText(GetDlgItem(mainWindow, ctl::歌名框)));
    SetWindowTextA(GetDlgItem(mainWindow, ctl::歌词网页), request.c_str());
}

bool onSongNameKey(HWND mainWindow, WPARAM virtualKey) {
    if (virtualKey != VK_RETURN) return false;
    searchLyrics(mainWindow);
    return true;
}

bool watchSongNameKeys(HWND songNameBox) {
    return SetWindowSubclass(songNameBox, songNameProc, kSongNameSubclass, 0) != FALSE;
}

}  // namespace app
