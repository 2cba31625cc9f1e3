#pragma once
// A skinned top-level window over a flat known skin colour, with the control
// skin on and the transparent lists at the application's veil alpha, for the
// tests of the control families that need real controls.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>

#include "gfx/startup.h"
#include "skin/controls/scroll_overlay.h"
#include "skin/window/apply_skin.h"
#include "skin/window/caption_buttons.h"
#include "skin/window/global_skin.h"
#include "skin/window/memory_dc.h"
#include "skin/window/settings.h"
#include "skin/window/window_record.h"

namespace skintest {

inline constexpr COLORREF kSkinColour = RGB(40, 80, 120);

inline void pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

inline LRESULT CALLBACK plainWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return DefWindowProcA(hwnd, msg, wp, lp);
}

class SkinnedWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = plainWindowProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.lpszClassName = "SkinnedControlTestWindow";
        RegisterClassExA(&wc);
        gfx::startup(token);
    }
    static void TearDownTestSuite() {
        skin::releaseCaptionGlyphImages();
        skin::releaseArrowGlyphImages();
        gfx::shutdown(token);
    }
    void SetUp() override {
        // Away from every control: a control under the pointer draws hot.
        SetCursorPos(2, 2);
        skin::resetSettings();
        skin::setSkinOptions(1, 100);
        skin::setGlobalSkin("", {}, kSkinColour);
        main = CreateWindowExA(0, "SkinnedControlTestWindow", "Skinned", WS_POPUP | WS_CLIPCHILDREN, 40, 40, 500, 400,
                               nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    void TearDown() override {
        if (IsWindow(main)) DestroyWindow(main);
        pump();
        skin::clearWindowRecords();
        skin::releaseAllMemoryDcs();
        skin::resetSettings();
    }
    HWND child(const char* cls, DWORD style, DWORD exStyle, int x, int y, int w, int h, const char* text = "") {
        return CreateWindowExA(exStyle, cls, text, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, x, y, w, h, main,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    void skinAndShow() {
        skin::SkinOptions o;
        o.resizable = 0;
        skin::applyWindowSkin(main, o);
        ShowWindow(main, SW_SHOW);
        UpdateWindow(main);
        settle();
    }
    // Lets every posted paint run: the queue is empty and nothing is left
    // to paint.
    void settle() {
        for (int i = 0; i < 50; ++i) {
            pump();
            RedrawWindow(main, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            MSG msg;
            if (!PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) && !GetUpdateRect(main, nullptr, FALSE)) break;
        }
        GdiFlush();
    }
    // The screen is read through the display server, which shows what was
    // drawn once the window's surface has been flushed to it; the system
    // does that while the thread looks for messages.
    static bool onScreenSoon(const std::function<bool()>& condition) {
        for (int i = 0; i < 150; ++i) {
            pump();
            GdiFlush();
            if (condition()) return true;
            Sleep(20);
        }
        return false;
    }
    static inline ULONG_PTR token = 0;
    HWND main = nullptr;
};

}  // namespace skintest
