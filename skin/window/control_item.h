#pragma once
#include <deque>
#include <windows.h>

namespace skin {

// What every item of every control list begins with.  Each list starts with
// one zero-filled item, which the first control registered takes over.
struct ControlItem {
    HWND hwnd = nullptr;
    WNDPROC previousProcedure = nullptr;

    // Every window that carries this item's window index: the control, and
    // in the items of families that make them, the windows made for it
    // (such an item hides this with its own).
    template <class F>
    void forEachWindow(F&& f) const {
        if (hwnd) f(hwnd);
    }
};

// A control list keeps every item at its address while the list grows, so a
// handler may hold its item while other controls register.
template <class Item>
using ControlList = std::deque<Item>;

}  // namespace skin
