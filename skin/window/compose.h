#pragma once
#include <optional>
#include <string>
#include <windows.h>

#include "gfx/graphics.h"

// Composing a skinned window's whole image into its background surface, and
// the partial redraws that restore their background from the caption and bar
// caches.
namespace skin {

// Frame geometry shared by the compose and the caption buttons.
inline constexpr int kFrameInset = 3;

// Recomposes the window image: background, picture, tint, gloss, frame,
// caption and bar caches, title, caption buttons, bar items, composition
// cache; then, when asked, copies it to the window.
void composeWindowSkin(int index, bool copyToScreen);

// Gives a framed window its rounded region (owned by the window from then on).
void applyRoundedRegion(HWND window);

void drawBackground(gfx::Graphics& g, int index);
void drawFrame(int index, gfx::Graphics& g);

// Icon and title.  While composing, g draws on the background surface and the
// text is the window's own; otherwise (a title update) the title area is
// restored from the caption cache, redrawn and copied to the window.
void drawCaptionTitle(int index, gfx::Graphics* g, bool composing, std::optional<std::string> text = std::nullopt);

// One item of the bottom bar (1-based); outside a compose its rectangle is
// restored from the bar cache first and copied to the window afterwards.
void drawBarItem(int index, gfx::Graphics* g, bool composing, int item);

void restoreFromCaptionCache(int index, const RECT& r);
void restoreFromBarCache(int index, const RECT& r);

// Invalidates every skinned control whose parent is the window.
void invalidateSkinnedChildren(int index);

// Marks the cached images of the window's controls stale, so that each
// rebuilds its background on its next paint, and invalidates its visible
// children.
void markChildCachesStale(HWND window, bool containersOnly);

// Releases the record's device contexts and bitmaps (the window is going).
void releaseRecordSurfaces(int index);

}  // namespace skin
