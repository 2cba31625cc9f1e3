#pragma once
#include <optional>
#include <windows.h>

#include "skin/controls/backdrop.h"
#include "skin/window/memory_dc.h"
#include "skin/window/property_keys.h"
#include "skin/window/window_record.h"
#include "win/handles.h"
#include "win/props.h"
#include "win/window.h"

// What every control family shares: finding a control's item from its
// properties, and painting a control over what lies behind it.
namespace skin {

// A registered control's record, window index, slot and item.
template <class Item>
struct ControlRef {
    WindowRecord& record;
    int windowIndex;
    int slot;
    Item& item;
};

// The record and item that a control's properties name in one of the
// record's lists; empty when the window index or the slot is out of range
// or the slot holds another window (the properties are stale), so the
// message is forwarded untouched.
template <class Item>
std::optional<ControlRef<Item>> controlRefOf(HWND control, ControlList<Item> WindowRecord::*list,
                                             bool toolbarKeys = false) {
    const int index = win::prop<int>(control, toolbarKeys ? keys::kToolbarOwnerIndex : keys::kOwnerIndex);
    const int slot = win::prop<int>(control, toolbarKeys ? keys::kToolbarIndex : keys::kIndex);
    if (!validIndex(index)) return std::nullopt;
    WindowRecord& r = record(index);
    ControlList<Item>& items = r.*list;
    if (slot < 1 || slot > static_cast<int>(items.size())) return std::nullopt;
    Item& item = items[static_cast<size_t>(slot) - 1];
    if (!control || item.hwnd != control) return std::nullopt;
    return ControlRef<Item>{r, index, slot, item};
}

// Paints `area` of a control (measured from its window rectangle's top-left
// corner) onto a target context: a canvas takes what lies behind the area,
// the painter draws on it (canvas, rectangle of the canvas), the finished
// canvas is published into the window's composition cache and copied onto
// the target at the area's place in one BitBlt.
template <class Painter>
void paintOverBackdrop(HWND control, HDC target, const RECT& area, Painter&& paint) {
    const int w = win::width(area), h = win::height(area);
    if (w <= 0 || h <= 0 || !target) return;
    Canvas canvas(paintControlBackdrop(control, area));
    if (!canvas) return;
    paint(canvas.get(), RECT{0, 0, w, h});
    publishControlImage(control, canvas.get(), false, false);
    BitBlt(target, area.left, area.top, w, h, canvas.get(), 0, 0, SRCCOPY);
}

// WM_PAINT of a control painted over its backdrop: BeginPaint, the client
// area painted as above, EndPaint.
template <class Painter>
LRESULT paintOverBackdrop(HWND control, Painter&& paint) {
    win::PaintDc dc(control);
    paintOverBackdrop(control, dc.get(), win::clientRect(control), paint);
    return 0;
}

// The same at once, outside WM_PAINT, on the control's own context.
template <class Painter>
void repaintOverBackdrop(HWND control, Painter&& paint) {
    win::WindowDc dc(control);
    paintOverBackdrop(control, dc.get(), win::clientRect(control), paint);
}

}  // namespace skin
