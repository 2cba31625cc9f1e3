#pragma once
#include <string>
#include <windows.h>

#include "win/handles.h"

// What lies behind a skinned control, and where a control sits in its
// skinned top-level window.  Window-relative coordinates start at the top-left
// corner of the skinned window's window rectangle; the window's background
// surface and composition cache are addressed in them.
namespace skin {

// The index of the skinned top-level window that holds the window (the
// window itself, or its nearest skinned ancestor), or 0.
int findSkinnedWindow(HWND hwnd);

// The control's window rectangle in window-relative coordinates.
RECT controlRectInWindow(HWND hwnd);

// The control's content area (client area plus its scroll bars) relative to
// its own window rectangle; borders count as equally thick on opposite sides.
RECT nonClientInsets(HWND hwnd);

// The control's content area in window-relative coordinates.
RECT controlClientRectInWindow(HWND hwnd);

// A new registered memory canvas of the rectangle's size holding what lies
// behind that rectangle of the control (measured from the control's window
// rectangle's top-left corner).  Outside any skinned window the canvas stays
// blank.  Release it with releaseMemoryDc.
HDC paintControlBackdrop(HWND hwnd, const RECT& rect);

// Where the backdrop of a rectangle of a control comes from: the window whose
// image it is copied out of, the generation of that image and the place in
// it.  Backdrops with equal stamps hold the same pixels, so a control may
// keep what it drew over one until the stamp moves on.
struct BackdropStamp {
    HWND window = nullptr;
    unsigned generation = 0;
    RECT source{};
    bool operator==(const BackdropStamp& o) const {
        return window == o.window && generation == o.generation && EqualRect(&source, &o.source);
    }
};
BackdropStamp backdropStamp(HWND hwnd, const RECT& rect);

// Copies a finished control canvas into the composition cache at the
// control's content area (or whole window rectangle), leaving the control's
// visible children untouched there.
void publishControlImage(HWND hwnd, HDC canvas, bool toolbarKeys, bool wholeWindow);

// The same for a canvas of the whole window rectangle, leaving out the canvas
// pixels of the key colour.
void publishControlImageKeyed(HWND hwnd, HDC canvas, COLORREF keyColour, bool toolbarKeys);

// Copies the control's content area out of the composition cache onto the
// control: onto the given context (whose clip is left as it was), or onto
// the control's own.  excludePlainChildren: around every visible child that
// is not a skinned control; otherwise around every visible child.
void paintControlFromCache(HWND control, bool toolbarKeys, HDC dc = nullptr, bool excludePlainChildren = false);

// Excludes from the context's clip every visible child of the control that
// carries no owner index ("Hw_FuID"), that is every child that is not a
// skinned control.  The context stays the caller's.
void excludePlainChildrenFromClip(HWND control, HDC dc);

// The control's own context with its plain children excluded as above.
win::WindowDc getDCExcludingPlainChildren(HWND control);

}  // namespace skin
