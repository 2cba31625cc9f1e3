#include "skin/controls/owner_draw.h"

#include "skin/controls/button.h"
#include "skin/controls/menu_table.h"
#include "skin/window/property_keys.h"
#include "skin/window/window_record.h"
#include "win/props.h"

namespace skin {

namespace {

void drawButtonItem(WindowRecord& r, const DRAWITEMSTRUCT& d) {
    const int slot = win::prop<int>(d.hwndItem, keys::kIndex);
    if (slot < 1 || slot > static_cast<int>(r.buttons.size())) return;
    const ButtonItem& item = r.buttons[static_cast<size_t>(slot) - 1];
    if (!d.hwndItem || item.hwnd != d.hwndItem) return;
    if (item.kind == kPushButton) paintPushButton(d.hwndItem, d.hDC, d.itemState, d.rcItem);
}

}  // namespace

void dispatchOwnerDraw(int windowIndex, const DRAWITEMSTRUCT& item) {
    if (!validIndex(windowIndex)) return;
    // Menu items would go to the skin's menu painter when their menu is in
    // the menu table; nothing puts a menu there, so they are left to the
    // window's own procedure like every other type.
    if (item.CtlType == ODT_BUTTON) drawButtonItem(record(windowIndex), item);
}

int findMenuEntry(HMENU menu) {
    const auto& table = menuTable();
    for (size_t i = 0; i < table.size(); ++i)
        if (table[i].menu == menu) return static_cast<int>(i) + 1;
    return 0;
}

}  // namespace skin
