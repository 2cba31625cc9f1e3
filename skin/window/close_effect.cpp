#include "skin/window/close_effect.h"

#include <cmath>

#include "skin/window/memory_dc.h"
#include "skin/window/primitives.h"
#include "win/window.h"

namespace skin {

std::vector<CloseFrame> closeEffectFrames(const RECT& windowRect, bool pulse) {
    double x = windowRect.left, y = windowRect.top, W = win::width(windowRect), H = win::height(windowRect);
    const double scale = pulse ? kPulseScale : kShrinkScale;
    const double dx = std::lround(W * scale), dy = std::lround(H * scale);
    std::vector<CloseFrame> frames;
    int alpha = 255;
    for (int i = 1; i <= kCloseFrames; ++i) {
        alpha -= kCloseAlphaStep;
        const bool grow = pulse && i > kCloseFrames / 2;
        x = std::lround(grow ? x - dx / 2 : x + dx / 2);
        y = std::lround(grow ? y - dy / 2 : y + dy / 2);
        W = std::lround(grow ? W + dx : W - dx);
        H = std::lround(grow ? H + dy : H - dy);
        const DWORD sleep = kCloseFrameSleepMs - static_cast<DWORD>(pulse ? 2 * i : i);
        frames.push_back(
            {static_cast<int>(x), static_cast<int>(y), static_cast<int>(W), static_cast<int>(H), alpha, sleep});
    }
    return frames;
}

namespace {

void playCloseEffect(HWND window, bool pulse) {
    // Dropping the layered style also drops any transparency set earlier.
    SetWindowLongA(window, GWL_EXSTYLE, win::exStyle(window) & ~WS_EX_LAYERED);
    const SIZE client = win::clientSize(window);
    const int w = client.cx, h = client.cy;
    Canvas snapshot(newArgbCanvas(w, h));
    Canvas frame(newArgbCanvas(w, h));
    {
        win::WindowDc screen(window);
        BitBlt(snapshot.get(), 0, 0, w, h, screen.get(), 0, 0, SRCCOPY);
    }
    const std::vector<CloseFrame> frames = closeEffectFrames(win::windowRect(window), pulse);
    SetWindowLongA(window, GWL_EXSTYLE, win::exStyle(window) | WS_EX_LAYERED);
    for (const CloseFrame& f : frames) {
        StretchBlt(frame.get(), 0, 0, f.w, f.h, snapshot.get(), 0, 0, w, h, SRCCOPY);
        updateLayered(window, frame.get(), f.alpha, LayeredPlacement{f.x, f.y, f.w, f.h});
        Sleep(f.sleepMs);
    }
}

}  // namespace

void playShrinkFade(HWND window) { playCloseEffect(window, false); }
void playPulseFade(HWND window) { playCloseEffect(window, true); }

}  // namespace skin
