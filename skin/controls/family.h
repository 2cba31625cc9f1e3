#pragma once
#include <any>
#include <optional>
#include <windows.h>

#include "skin/controls/backdrop.h"
#include "skin/window/memory_dc.h"
#include "skin/window/property_keys.h"
#include "skin/window/window_record.h"
#include "win/handles.h"
#include "win/props.h"
#include "win/window.h"

#include <functional>

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

// The skin's own queries of a control's state, sent past the skin procedure
// straight to the control's own procedure.  A paint reads a control with
// many messages, and each one that passed the skin procedure would cost it
// the property reads that find its item: calls into the window server under
// this system, each worth many pixels copied.
class ControlQuery {
public:
    explicit ControlQuery(const ControlItem& item) : hwnd_(item.hwnd), own_(item.previousProcedure) {}
    // A control without an item of its own takes the queries as any message.
    explicit ControlQuery(HWND control) : hwnd_(control), own_(nullptr) {}
    LRESULT operator()(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const {
        return own_ ? CallWindowProcA(own_, hwnd_, msg, wp, lp) : SendMessageA(hwnd_, msg, wp, lp);
    }
    template <class T>
    LRESULT operator()(UINT msg, WPARAM wp, T* out) const {
        return (*this)(msg, wp, reinterpret_cast<LPARAM>(out));
    }
    HWND hwnd() const { return hwnd_; }

private:
    HWND hwnd_;
    WNDPROC own_;
};

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

// What a control was painted as over its backdrop, kept for the last two
// looks it showed (a control under the pointer goes back and forth between
// plain and hot): the look, the backdrop's stamp and the finished picture.
struct KeptPaint {
    BackdropStamp backdrop;
    std::any look;
    win::OwnedBitmap picture;
};

// The kept picture of a control for this look over this backdrop; null when
// there is none.  Keeping a new one drops the older of the two.
HBITMAP keptPaint(HWND control, const BackdropStamp& backdrop, const std::function<bool(const std::any&)>& sameLook);
void keepPaint(HWND control, const BackdropStamp& backdrop, std::any look, HDC canvas, int w, int h);
// Drops what a control kept (when it goes).
void forgetKeptPaints(HWND control);

// The picture of `area` of a control painted as this look over its backdrop:
// the kept one when the control was painted so over the same backdrop
// before, otherwise `paint` draws it on a canvas holding the backdrop
// (canvas, rectangle of the canvas) and it is kept.  The picture stays the
// control's until it keeps another; null when none could be made.
template <class Look, class Painter>
HBITMAP keptOrPainted(HWND control, const RECT& area, const Look& look, Painter&& paint) {
    const int w = win::width(area), h = win::height(area);
    if (w <= 0 || h <= 0) return nullptr;
    const BackdropStamp backdrop = backdropStamp(control, area);
    const auto same = [&](const std::any& kept) {
        const Look* l = std::any_cast<Look>(&kept);
        return l && *l == look;
    };
    if (HBITMAP picture = keptPaint(control, backdrop, same)) return picture;
    Canvas canvas(paintControlBackdrop(control, area));
    if (!canvas) return nullptr;
    paint(canvas.get(), RECT{0, 0, w, h});
    keepPaint(control, backdrop, look, canvas.get(), w, h);
    return keptPaint(control, backdrop, same);
}

// A memory context holding a kept picture, to copy it from.
class KeptCanvas {
public:
    explicit KeptCanvas(HBITMAP picture) : dc_(CreateCompatibleDC(nullptr)), selected_(dc_.get(), picture) {}
    HDC get() const { return dc_.get(); }

private:
    win::OwnedMemoryDc dc_;
    win::SelectedObject selected_;
};

// paintOverBackdrop for a look that compares equal to itself: a control
// painted again as it was before over the same backdrop copies the kept
// picture instead of painting it.
template <class Look, class Painter>
void paintOverBackdropKept(HWND control, HDC target, const RECT& area, const Look& look, Painter&& paint) {
    if (!target) return;
    const HBITMAP picture = keptOrPainted(control, area, look, paint);
    if (!picture) return;
    const KeptCanvas source(picture);
    publishControlImage(control, source.get(), false, false);
    BitBlt(target, area.left, area.top, win::width(area), win::height(area), source.get(), 0, 0, SRCCOPY);
}

// The same at once, outside WM_PAINT, on the control's own context.
template <class Painter>
void repaintOverBackdrop(HWND control, Painter&& paint) {
    win::WindowDc dc(control);
    paintOverBackdrop(control, dc.get(), win::clientRect(control), paint);
}

}  // namespace skin
