#pragma once
#include <optional>
#include <string>
#include <vector>
#include <windows.h>

#include "skin/window/window_record.h"

namespace skin {

// What a window is skinned with.  An absent option takes its default, which
// is not always what a given 0 would mean: only a framed option that is given
// (and not 0) gives the caption buttons their tooltips.
struct SkinOptions {
    std::optional<int> captionHeight;  // at least 25
    std::optional<int> framed;         // default 1
    std::optional<int> resizable;      // default 1
    std::optional<int> helpButton;     // default 0
    std::optional<int> menuButton;     // default 0
    std::optional<int> showTitle;      // default 1
    std::optional<int> captionGloss;   // default 0
    std::optional<int> barHeight;      // default: no bar
    std::optional<std::vector<BarItem>> barItems;
    Bytes ownPicture;
    std::optional<int> ownPictureMode;  // default: the engine's placement mode
    std::optional<LONG> tintColour;     // default -1, none
    std::optional<int> tintAlpha;       // default 255
    std::optional<int> noCloseButton;   // default 0
};

// Turns a borderless top-level window into a skinned one: its record, caption
// buttons and tooltips, bottom bar, skinned children and the skinned window
// procedure.  A window is skinned once; later calls do nothing.  The first
// paint composes it.
void applyWindowSkin(HWND window, const SkinOptions& options = {});

// 0 none, 1 shrink and fade, 2 pulse and fade.  False for a window without skin.
bool setCloseEffect(HWND window, int effect);

struct BarTextStyle {
    std::optional<int> inverse;           // default 1
    std::optional<int> glow;              // default 0
    std::optional<COLORREF> textColour;   // default 0
    std::optional<COLORREF> glowColour;   // default white
    std::optional<std::string> fontFace;  // default unchanged
    std::optional<int> fontSize;          // default unchanged
};
bool setBarTextStyle(HWND window, const BarTextStyle& style);

}  // namespace skin
