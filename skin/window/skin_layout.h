#pragma once
#include <vector>
#include <windows.h>

#include "skin/window/skin_types.h"
#include "skin/window/window_record.h"

// The arithmetic of a skinned window: where the caption buttons and the
// bottom bar go, how big the work area is, which border zone a point is in
// and what a press there starts, and how menu command numbers decode.  The
// pure functions take values and return values; the wrappers at the end
// apply them to a window record.
namespace skin {

// ---- Caption buttons -------------------------------------------------------

inline constexpr int kCaptionButtonWidth = 26;
inline constexpr int kCloseButtonWidth = 38;
inline constexpr int kCaptionButtonHeight = 18;
inline constexpr int kButtonBlockHeight = 22;
// Every button starts 27 pixels after the previous one, whatever its width.
inline constexpr int kCaptionButtonPitch = 27;
// The close button is hit-tested 40 wide although it draws 38: it reaches the
// window's right edge.
inline constexpr float kCloseHitWidth = 40.0f;

// Which caption buttons a window has.
struct CaptionButtonSet {
    bool help = false;
    bool menu = false;
    bool minimise = false;
    bool maximise = false;
    bool close = false;
};

// The buttons from left to right (help, main menu, minimise, maximise,
// close, those present) with kind, nominal width, height and tip text; the
// glyphs are left empty and the rectangles zero.
std::vector<CaptionButton> captionButtonsFor(const CaptionButtonSet& present);

// S: the sum of the nominal widths.
int captionButtonWidthSum(const std::vector<CaptionButton>& buttons);

// S + (number of buttons - 1) + 3.
int captionBlockWidth(const std::vector<CaptionButton>& buttons);

// Where the block starts before the first layout: client width - 3 - block
// width - 2.
int initialButtonBlockX(int clientWidth, int blockWidth);

// Where the block starts once laid out: client width - block width + 1.
int laidOutButtonBlockX(int clientWidth, int blockWidth);

// The hit rectangles of the buttons: x0 = block x + 2, y0 = block y + 1,
// pitch 27, 26 wide (close 40), 18 high.
std::vector<FloatRect> captionButtonRects(const std::vector<CaptionButton>& buttons, int blockX, int blockY);

// A button rectangle as the tooltip's tool rectangle (each edge truncated).
RECT toolRectOf(const FloatRect& r);

// The 1-based number of the button under (x, y), or 0.  Only points at or
// right of the block and within its height count; a button's own rectangle
// excludes its edges.
int hitTestCaptionButtons(const std::vector<CaptionButton>& buttons, int blockX, int blockY, int blockHeight, int x,
                          int y);

// Whether (x, y) lies in the caption strip of the block's height, anywhere
// left of the block's right end: near enough to the buttons to keep their
// hover animation running.
bool isNearCaptionButtons(int blockX, int blockWidth, int blockHeight, int x, int y);

// The number of the first button of a kind, or 0.
int findCaptionButtonOfKind(const std::vector<CaptionButton>& buttons, int kind);

// ---- Bottom bar -------------------------------------------------------------

struct BarLayout {
    IntRect barRect;
    std::vector<IntRect> itemRects;
};

// The bar of a new window: the bar rectangle {3, client height - 4 - bar
// height, client width - 6, bar height} and the items side by side from
// x = 3; an item of width -1 takes the rest up to 3 pixels before the right
// edge (never less than nothing).
BarLayout setupBarLayout(int clientWidth, int clientHeight, int barHeight, const std::vector<BarItem>& items);

// The items a bar gets when none are given: one item over the whole bar.
std::vector<BarItem> defaultBarItems();

// The same bar for a new client size: the bar keeps its height and every
// fixed-width item its width; items of width -1 stretch again.
BarLayout relayoutBar(int clientWidth, int clientHeight, int barHeight, const IntRect& barRect,
                      const std::vector<BarItem>& items, const std::vector<IntRect>& itemRects);

// The 1-based number of the bar item under (x, y), or 0 (no bar, outside
// the bar, or between items).
int hitTestBarItems(int barHeight, const IntRect& barRect, const std::vector<IntRect>& itemRects, int x, int y);

// ---- Work area --------------------------------------------------------------

// The screen less the taskbar, given the taskbar's window rectangle (all
// zero when there is none) and whether it is visible.  A horizontal taskbar
// above the screen's top or within 5 pixels of its bottom is auto-hidden and
// takes nothing.
SIZE workAreaSize(int screenWidth, int screenHeight, const RECT& tray, bool trayVisible);

// The same for this machine's screen and taskbar ("Shell_TrayWnd").
SIZE workAreaSize();

// ---- Border zones and presses ------------------------------------------------

enum class Zone {
    None,
    Left,
    Right,
    Top,
    Bottom,
    TopLeft,
    TopRight,
    BottomLeft,
    BottomRight,
};

// The sizing zone of (x, y) in a client area of w x h with the resize border
// `inset` wide.  An edge zone keeps 11 pixels clear of the top or left end
// and 10 of the bottom or right end; a corner zone is within 10 pixels of
// both its sides.  Zones are tested left, right, top, bottom, then the four
// corners; the first match wins.
Zone cursorZone(int x, int y, int w, int h, int inset = 3);

// The system cursor shown over a zone (IDC_SIZEWE ...); null for Zone::None.
LPCSTR zoneCursor(Zone zone);

// SC_SIZE with the WMSZ_ edge of the zone (0xF001 left ... 0xF008
// bottom-right); 0 for Zone::None.
UINT zoneCommand(Zone zone);

// What a left press in the client area starts.
enum class PressKind { Nothing, Drag, Size };
struct PressAction {
    PressKind kind = PressKind::Nothing;
    Zone zone = Zone::None;  // the edge or corner for Size
};

struct PressGeometry {
    int clientWidth = 0;
    int clientHeight = 0;
    int captionHeight = 25;
    int blockX = 0, blockWidth = 0, blockHeight = kButtonBlockHeight;
    bool resizable = true;
    int inset = 3;
};

// A press on the caption buttons starts nothing; one in the caption band
// (clear of the left and right borders) drags; otherwise a resizable window
// sizes from the zone under the point, and a window that is not resizable
// drags when the press is within the caption band, edges included.
PressAction pressAction(const PressGeometry& g, int x, int y);

// ---- Menu commands ------------------------------------------------------------

// A menu command number written in decimal is the menu number followed by a
// three-digit item number: 3005 is item 5 of menu 3.  Numbers of three digits
// or fewer name no menu (menu 0).
struct MenuCommand {
    unsigned menu = 0;
    unsigned item = 0;
};
MenuCommand decodeMenuCommand(unsigned value);

// Whether WM_COMMAND carries a menu command: no control, and not an
// accelerator (notification code 1).
bool isMenuCommand(WPARAM wParam, LPARAM lParam);

// ---- Wrappers over a window record ---------------------------------------------

// Places the caption block at the window's current right edge (when the
// record has a window) and lays the buttons out; each button's tool gets its
// new rectangle and current tip text.
void layoutCaptionButtons(WindowRecord& r);

// Builds the bottom bar: its height, rectangle and items (the given ones
// copied, or one item over the whole bar when none are given).
void setupBottomBar(WindowRecord& r, int barHeight, const std::vector<BarItem>* items);

// Places the bar and its items again for the current client size.
void layoutBottomBar(WindowRecord& r);

int findMaximiseButton(const WindowRecord& r);
// The bar item under a client point, or 0.
int hitTestBarItems(const WindowRecord& r, int x, int y);

// On WM_MOUSEMOVE of a framed window that is not maximised: a resizable
// window shows the sizing cursor of the zone under the point.
void setResizeCursor(const WindowRecord& r, LPARAM lParam);

// On WM_LBUTTONDOWN of a framed window that is neither maximised nor
// minimised: lets the system drag or size the window as pressAction says.
// The window may have moved, sized or gone when it returns.
void beginMoveOrResize(const WindowRecord& r, LPARAM lParam);

}  // namespace skin
