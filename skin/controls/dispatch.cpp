#include "skin/controls/dispatch.h"

#include <array>

#include "skin/controls/button.h"
#include "skin/controls/edit_combo.h"
#include "skin/controls/header.h"
#include "skin/controls/list.h"
#include "skin/controls/progress_bar.h"
#include "skin/controls/toolbar.h"
#include "skin/controls/trackbar.h"
#include "skin/controls/up_down.h"
#include "skin/window/settings.h"

namespace skin {

namespace {

// The family entries in the order they run: push buttons, check and radio
// buttons, edits and combo boxes, trackbars, progress bars, list-like
// controls, up-down controls, headers, toolbars.  A family takes its place
// here once it can paint its controls; until then they keep the system's look.
using Entry = void (*)(int index, HWND window);
constexpr std::array<Entry, 9> kEntries{skinPushButtons, skinCheckButtons, skinEditsAndComboBoxes,
                                        skinTrackbars,   skinProgressBars, skinListControls,
                                        skinUpDowns,     skinHeaders,      skinToolbars};

}  // namespace

bool controlSkinningEnabled() { return settings().controlSkinning != 0; }

void skinChildControls(int index, HWND window) {
    if (!validIndex(index) || !window) return;
    for (Entry entry : kEntries) entry(index, window);
}

void setControlTextColour(HWND control, COLORREF colour) {
    win::setProp(control, keys::kTextColour, colour);
    InvalidateRect(control, nullptr, TRUE);
}

LRESULT forwardToPrevious(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, bool toolbarKeys) {
    const auto previous = win::prop<WNDPROC>(hwnd, toolbarKeys ? keys::kToolbarPreviousProc : keys::kPreviousProc);
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
