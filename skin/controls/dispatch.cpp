#include "skin/controls/dispatch.h"

#include <array>

#include "skin/window/property_keys.h"
#include "skin/window/settings.h"

namespace skin {

namespace {

HANDLE asProp(INT_PTR v) { return reinterpret_cast<HANDLE>(v); }

// The family entries in the order they run: push buttons, check and radio
// buttons, edits and combo boxes, trackbars, progress bars, list-like
// controls, up-down controls, headers, toolbars.  A family takes its place
// here once it can paint its controls; until then they keep the system's look.
using Entry = void (*)(int index, HWND window);
constexpr std::array<Entry, 0> kEntries{};

}  // namespace

bool controlSkinningEnabled() { return settings().controlSkinning != 0; }

void skinChildControls(int index, HWND window) {
    if (!validIndex(index) || !window) return;
    for (Entry entry : kEntries) entry(index, window);
}

int registerControl(int index, ControlList WindowRecord::*list, HWND child, WNDPROC procedure, bool toolbarKeys) {
    if (!validIndex(index) || !child) return 0;
    ControlList& items = record(index).*list;
    int slot;
    if (items.size() == 1 && items.front().hwnd == nullptr) {
        slot = 1;
    } else {
        items.push_back(ControlItem{});
        slot = static_cast<int>(items.size());
    }
    ControlItem& item = items[static_cast<size_t>(slot) - 1];
    item.hwnd = child;
    item.previousProcedure =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrA(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
    SetPropA(child, toolbarKeys ? keys::kToolbarIndex : keys::kIndex, asProp(slot));
    SetPropA(child, toolbarKeys ? keys::kToolbarOwnerIndex : keys::kOwnerIndex, asProp(index));
    SetPropA(child, toolbarKeys ? keys::kToolbarPreviousProc : keys::kPreviousProc,
             reinterpret_cast<HANDLE>(item.previousProcedure));
    return slot;
}

LRESULT forwardToPrevious(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, bool toolbarKeys) {
    auto previous = reinterpret_cast<WNDPROC>(GetPropA(hwnd, toolbarKeys ? keys::kToolbarPreviousProc : keys::kPreviousProc));
    if (!previous) return DefWindowProcA(hwnd, msg, wp, lp);
    return CallWindowProcA(previous, hwnd, msg, wp, lp);
}

bool pointAt(WindowRecord& r, int slot, int kindCode) {
    r.pointedSlot = slot;
    bool redraw = r.hotSlot != slot || r.hotKindCode != kindCode;
    r.hotSlot = slot;
    r.hotKindCode = kindCode;
    return redraw;
}

void leaveHot(WindowRecord& r) { r.hotSlot = 0; }

}  // namespace skin
