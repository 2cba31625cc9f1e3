#pragma once
#include <windows.h>

#include "skin/window/property_keys.h"
#include "skin/window/window_record.h"
#include "win/props.h"

// Handing a skinned window's children to the control families: the fixed
// order of the family entries, the registration every family shares, the
// forwarding to the replaced procedure and the shared hover bookkeeping.
namespace skin {

// Runs every family entry, in their fixed order, over the direct children of
// the window (once per skinned window, and once per toolbar container).
void skinChildControls(int index, HWND window);

// False while the engine-wide control-skinning switch is off: the entries of
// every family but the toolbars then register nothing.
bool controlSkinningEnabled();

// Whether an item of the list already holds the control.
template <class Item>
bool isRegistered(const ControlList<Item>& list, HWND control) {
    for (const Item& item : list)
        if (item.hwnd == control) return true;
    return false;
}

// Registers one found child in a control list of the record: the child takes
// over the list's single empty item, or a new slot at the end; its skin
// procedure is installed and the previous one kept in the item and in the
// child's properties together with the slot and the window index (the
// toolbar keys for toolbars).  `fill` writes the family's own fields before
// the procedure is installed.  Returns the slot.
template <class Item, class Fill>
int registerControl(int index, ControlList<Item> WindowRecord::*list, HWND child, WNDPROC procedure, Fill&& fill,
                    bool toolbarKeys = false) {
    if (!validIndex(index) || !child) return 0;
    ControlList<Item>& items = record(index).*list;
    int slot;
    if (items.size() == 1 && items.front().hwnd == nullptr) {
        slot = 1;
    } else {
        items.emplace_back();
        slot = static_cast<int>(items.size());
    }
    Item& item = items[static_cast<size_t>(slot) - 1];
    item.hwnd = child;
    fill(item);
    item.previousProcedure =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrA(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
    win::setProp(child, toolbarKeys ? keys::kToolbarIndex : keys::kIndex, slot);
    win::setProp(child, toolbarKeys ? keys::kToolbarOwnerIndex : keys::kOwnerIndex, index);
    win::setProp(child, toolbarKeys ? keys::kToolbarPreviousProc : keys::kPreviousProc, item.previousProcedure);
    return slot;
}

template <class Item>
int registerControl(int index, ControlList<Item> WindowRecord::*list, HWND child, WNDPROC procedure,
                    bool toolbarKeys = false) {
    return registerControl(
        index, list, child, procedure, [](Item&) {}, toolbarKeys);
}

// The colour a skinned control draws its text in (the property "Kj_Ztys",
// black when absent); the control repaints with it.
void setControlTextColour(HWND control, COLORREF colour);

// Passes a message on to the procedure the skin procedure replaced, read from
// the control's property at this moment.
LRESULT forwardToPrevious(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, bool toolbarKeys = false);

// Kind codes that tell controls of different families with the same slot apart.
enum KindCode : int {
    kPushButtonKind = 0,
    kEditKind = 1,
    kTrackbarKind = 2,
    kComboBoxKind = 3,
    kListKind = 4,
    kUpDownKind = 8,
    kHeaderKind = 9,
};

// A control under the pointer (WM_MOUSEMOVE): it becomes the pointed
// control; true when it must redraw itself hot, that is when it is not the
// control last drawn hot.  Afterwards it is that control.
bool pointAt(WindowRecord& r, int slot, int kindCode);

// The pointer left the hot control (WM_MOUSELEAVE).
void leaveHot(WindowRecord& r);

}  // namespace skin
