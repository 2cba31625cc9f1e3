#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <windows.h>

#include "skin/window/colour.h"
#include "skin/window/settings.h"

// List boxes, the drop list of a simple combo box, list views, tree views, IP
// address and date-time pickers share one look: the skinned window shows
// through the control under a translucent white veil, the frame is a thin
// outline that lights up in the accent colour on hover and focus, and the
// system scroll bars of list boxes, list views and tree views are covered by
// simulated ones.  The native control still draws its own items, into a
// memory canvas that already holds the veiled backdrop.
namespace skin {

// Registers and subclasses, in this order, the direct list boxes, the drop
// lists of the direct simple combo boxes, the list views without style bit
// 0x0010, the tree views, the IP address and the date-time pickers of the
// parent.
void skinListControls(int index, HWND parent);

LRESULT CALLBACK listSkinProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

// ---- Kinds (pure) ----------------------------------------------------------------------------

enum class ListKind { ListBox, DropList, ListView, TreeView, IpAddress, DatePicker, Other };

ListKind listKindOf(std::string_view className);
ListKind listKindOf(HWND control);

// A list box drawn by its owner (LBS_OWNERDRAWFIXED or LBS_OWNERDRAWVARIABLE).
bool isOwnerDrawListBox(std::string_view className, LONG style);
bool isOwnerDrawListBox(HWND control);

// Which kinds get simulated scroll bars.
bool hasScrollCovers(ListKind kind);

// How a WM_PAINT of the client area goes.
enum class ListPaint {
    FromCache,          // the last image, copied from the composition cache
    Keyed,              // the control draws on the key colour, keyed onto the veiled backdrop (a tree)
    OverBlackAndWhite,  // the control draws once on black and once on white, and what
                        // it left of either shows the veil (a plain list box)
    Veiled,             // the control draws its items straight over the veiled backdrop
    SkipRestored,       // a list view while its window comes back from minimised: only validated
    Native,             // left to the control
};
ListPaint listPaintFor(ListKind kind, bool ownerDrawn, bool veiled, bool dirty, bool restored);

// How a WM_ERASEBKGND is answered.
enum class ListErase {
    Native,           // forwarded to the control
    Transparent,      // transparent background mode, reported as erased
    TransparentText,  // transparent background mode and the control's text colour
};
ListErase listEraseFor(ListKind kind, bool ownerDrawn, bool veiled);

// The keys that move a list's selection and may scroll it (page, end, home
// and the four arrows).
bool isNavigationKey(WPARAM key);
bool isArrowKey(WPARAM key);

// ---- Frame -----------------------------------------------------------------------------------

struct ListFrameLook {
    SIZE window{};   // the window rectangle's size
    RECT inner{};    // the client area inside it
    int border = 0;  // borderKind
    bool dropList = false;
    bool hovered = false;
    bool focused = false;
    bool veiled = true;  // the transparent lists: the ring lies under the veil, else opaque white
    int veilAlpha = 160;
    bool hoverOutline = true;
    COLORREF accent = kDefaultAccent;
    bool operator==(const ListFrameLook& o) const {
        return window.cx == o.window.cx && window.cy == o.window.cy && EqualRect(&inner, &o.inner) &&
               border == o.border && dropList == o.dropList && hovered == o.hovered && focused == o.focused &&
               veiled == o.veiled && veilAlpha == o.veilAlpha && hoverOutline == o.hoverOutline && accent == o.accent;
    }
};

// The outline a frame draws: a rectangle (x, y, width, height) with a pen.
struct ListOutline {
    float x = 0, y = 0, width = 0, height = 0;
    float penWidth = 1;
    Argb colour = 0;
    bool operator==(const ListOutline&) const = default;
};

// False for a frame that draws nothing (a drop list, or a control without a border).
bool drawsListFrame(const ListFrameLook& look);
ListOutline listOutlineOf(const ListFrameLook& look);

// The frame image over a canvas of the whole window rectangle that holds the
// backdrop: the ring veiled (or opaque white), the client area cleared to the
// key colour, the outline.  A frame that draws nothing is keyed out whole.
void paintListFrameImage(HDC canvas, const RECT& rc, const ListFrameLook& look);

// Repaints a registered control's frame at once, around its client area and
// its covers; an absent state is taken from the item.
void paintListFrame(int index, int slot, std::optional<bool> hovered = std::nullopt,
                    std::optional<bool> focused = std::nullopt);

// ---- Client area -----------------------------------------------------------------------------

// Fills a canvas with a veil (source over what it holds).
void paintListVeil(HDC canvas, const RECT& rc, Argb veil);

// A new registered canvas of the control's client size holding its backdrop
// under its veil; null for a control of no size.  Release it with
// releaseMemoryDc.
HDC composeListBackground(HWND control);

// Keys a canvas the control drew on its key colour onto the veiled backdrop.
void keyOntoVeil(HDC veiled, HDC drawn, SIZE size);

// What a control drew, seen over the veiled backdrop, from the same drawing
// once on black and once on white: each channel is
// onBlack + (onWhite - onBlack) * veiled / 255, so what the control covered
// stays, what it left shows the veil and a smoothed letter edge is blended
// with the veil as far as it covers it.  Pixels are 0x00RRGGBB; the result
// goes into veiled.
void showOverVeil(std::uint32_t* veiled, const std::uint32_t* onBlack, const std::uint32_t* onWhite, std::size_t count);

}  // namespace skin
