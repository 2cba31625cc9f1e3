#pragma once
#include <functional>
#include <optional>
#include <string>
#include <windows.h>

#include "gfx/graphics.h"
#include "skin/window/window_record.h"

// Composing a skinned window's whole image into its background surface, the
// painters of its layers, and the partial redraws that restore a strip from
// the caption or bar cache, paint over it and copy it to the screen once.
namespace skin {

// The frame's resize border, and the margin of the title and the bottom bar.
inline constexpr int kFrameInset = 3;

// Where the icon and the title sit in the caption.
inline constexpr int kIconX = kFrameInset + 6, kIconY = kFrameInset + 1;  // (9, 4)
inline constexpr int kIconSize = 17;
inline constexpr float kTitleX = kIconX + 20, kTitleY = kIconY + 2;  // (29, 6)
inline constexpr int kTitleHeight = 42;
// A title update restores the title area from (9, 4) and copies it to the
// screen from (9, 3), both as wide as the title and 42 high.
inline constexpr int kTitleCopyY = 3;

// Recomposes the window image: background, picture, tint, gloss, frame,
// caption and bar caches, title, caption buttons, bar items, composition
// cache; then, when asked, copies it to the window.
void composeWindowSkin(WindowRecord& r, bool copyToScreen);
void composeWindowSkin(int index, bool copyToScreen);

// Gives a framed window its rounded region (owned by the window from then on).
void applyRoundedRegion(HWND window);

// Layers 1 to 4 of the compose: clear, picture, tint, caption gloss.
void drawBackground(gfx::Graphics& g, const WindowRecord& r);
void drawFrame(const WindowRecord& r, gfx::Graphics& g);

// ---- Title --------------------------------------------------------------------

struct TitleLook {
    std::string text;
    FloatRect rect;  // the text rectangle
    HICON icon = nullptr;
    COLORREF colour = 0xFFFFFF;
    LONG haloColour = -1;  // -1: plain text
    bool glow = false;
    std::string fontName;
    int fontSize = 12;
    bool bold = true;
    bool operator==(const TitleLook&) const = default;
};

// The title of a record with the given text.
TitleLook titleLook(const WindowRecord& r, std::string text);

// Draws the icon onto the surface the graphics draws on, then the title.
void paintCaptionTitle(gfx::Graphics& g, HDC surface, const TitleLook& look);

// A title update: the title area restored from the caption cache, the icon
// and the text drawn, the area copied to the window around its children.
void drawCaptionTitle(WindowRecord& r, std::string text);

// ---- Bottom bar ---------------------------------------------------------------------

struct BarItemLook {
    IntRect rect;
    std::string text;
    const Bytes* picture = nullptr;  // null or empty: none
    int barHeight = 0;
    bool glow = false;
    COLORREF textColour = 0;  // the plain style's colour
    COLORREF glowTextColour = 0, glowColour = 0xFFFFFF;
    std::string fontName;
    int fontSize = 12;
};

// The look of bar item n (1-based) of a record.
BarItemLook barItemLook(const WindowRecord& r, int item);

void paintBarItem(gfx::Graphics& g, const BarItemLook& look);

// Redraws bar item n over the bar cache and copies it to the window.
void drawBarItem(WindowRecord& r, int item);

// ---- Strips ---------------------------------------------------------------------------

enum class StripCache { Caption, Bar };

// A partial redraw of the background surface: the area restored from a strip
// cache, the painter run on a graphics over the surface (anti-aliased when
// asked), the copy area put on the window once (around its children when
// asked).
struct StripRedraw {
    StripCache cache = StripCache::Caption;
    RECT restore{};
    RECT copy{};
    bool antiAlias = false;
    bool aroundChildren = false;
};
void redrawStrip(WindowRecord& r, const StripRedraw& strip, const std::function<void(gfx::Graphics&)>& paint);

void restoreFromCaptionCache(const WindowRecord& r, const RECT& area);
void restoreFromBarCache(const WindowRecord& r, const RECT& area);

// ---- Children ------------------------------------------------------------------------

// Invalidates every skinned control whose parent is the window.
void invalidateSkinnedChildren(WindowRecord& r);

// Marks the window's containers for redrawing; unless containers only, also
// marks the cached images of its other controls stale, so that each rebuilds
// its background on its next paint, and invalidates its visible children.
void markChildCachesStale(HWND window, bool containersOnly);

// Releases the record's device contexts and bitmaps (the window is going).
void releaseRecordSurfaces(WindowRecord& r);

}  // namespace skin
