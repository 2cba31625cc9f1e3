#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>
#include <windows.h>

#include "gfx/graphics.h"
#include "gfx/path.h"
#include "skin/window/colour.h"
#include "skin/window/skin_types.h"
#include "win/fonts.h"

// The small operations both skin engines draw with.
namespace skin {

// A rounded rectangle: four arcs and a closed figure, the diameter clamped
// to 1..100.  The bottom-right arc is one pixel larger and one pixel further
// in than the others.
void addRoundRect(gfx::GraphicsPath& path, float x, float y, float w, float h, float d);
// An open figure rounded at the top only.
void addTopRoundRect(gfx::GraphicsPath& path, float x, float y, float w, float h, float d);
// An open figure rounded at the top-right corner only (the close button's outline).
void addCornerRoundRect(gfx::GraphicsPath& path, float x, float y, float w, float h, float d);

// A registered memory context holding a w x h 32-bit bitmap, fully transparent.
HDC newArgbCanvas(int w, int h);

// UpdateLayeredWindow with per-pixel alpha from a source context (default:
// the window's background surface) at the window's place and size unless
// given.
struct LayeredPlacement {
    int x, y, w, h;
};
bool updateLayered(HWND window, HDC source = nullptr, int alpha = 255,
                   std::optional<LayeredPlacement> placement = std::nullopt);

// How a text effect lays its text out.
struct TextStyle {
    std::string face = win::kDefaultFace;
    bool bold = false;
    std::optional<float> size;  // default: 13 for the halo, 12 for the glow
    int alignment = 0;          // near, centre, far
    int lineAlignment = 0;
    bool noWrap = false;
    bool ellipsis = false;
};

// The text four times in the halo colour (alpha 150), offset by o in the four
// directions, then once in the opaque text colour.
void drawHaloText(gfx::Graphics& g, std::string_view text, const FloatRect& rect, COLORREF textColour,
                  COLORREF haloColour, float offset = 1.0f, const TextStyle& style = {});

// The text over a blurred copy of itself in the glow colour: drawn small and
// scaled up again, then four faint copies and the opaque text.
void drawGlowText(gfx::Graphics& g, std::string_view text, const FloatRect& rect, COLORREF textColour,
                  COLORREF glowColour, float blur = 4.0f, const TextStyle& style = {});

// Calls an application routine with the values as its arguments (stdcall
// unless cdecl is asked for) and returns its result; an empty callback is
// not called and gives 0.  At most eight arguments.
int invokeCallback(const Callback& callback, const std::vector<int>& arguments, bool callerCleans = false);

}  // namespace skin
