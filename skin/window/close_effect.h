#pragma once
#include <vector>
#include <windows.h>

// The two close effects: the window's last image shrinks to its centre (or
// shrinks a little and grows back) while it fades out, in ten frames over
// about 150 ms, just before the window is destroyed.
namespace skin {

inline constexpr int kCloseFrames = 10;
inline constexpr int kCloseAlphaStep = 25;       // 255 down to 5
inline constexpr double kShrinkScale = 0.1;      // each frame a tenth smaller
inline constexpr double kPulseScale = 0.02;      // five frames 2% smaller, five larger
inline constexpr DWORD kCloseFrameSleepMs = 20;  // less i (shrink) or 2i (pulse) in frame i

struct CloseFrame {
    int x = 0, y = 0, w = 0, h = 0;  // where the frame's image goes on the screen
    int alpha = 0;
    DWORD sleepMs = 0;
    bool operator==(const CloseFrame&) const = default;
};

// The frames for a window at the given screen rectangle: every change to the
// position and size is rounded to a whole pixel as it is made.
std::vector<CloseFrame> closeEffectFrames(const RECT& windowRect, bool pulse);

// Plays an effect on the window: its client area is captured, the window
// made layered, and each frame stretched and put on the screen in turn.
void playShrinkFade(HWND window);
void playPulseFade(HWND window);

}  // namespace skin
