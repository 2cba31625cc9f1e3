#include "app/app_icon.h"

#include "win/handles.h"

namespace app {

namespace {

// The executable carries one 32 x 32 image; the system scales it to the size
// asked for, so the small icon is a proper small image, not a shrunk large
// one drawn at every paint.
HICON loadApplicationIcon(int widthMetric, int heightMetric) {
    return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), "DEFAULT_ICON", IMAGE_ICON,
                                         GetSystemMetrics(widthMetric), GetSystemMetrics(heightMetric), 0));
}

struct LoadedIcons {
    win::OwnedIcon largeOwner{loadApplicationIcon(SM_CXICON, SM_CYICON)};
    win::OwnedIcon smallOwner{loadApplicationIcon(SM_CXSMICON, SM_CYSMICON)};
    ApplicationIcons handles{largeOwner.get(), smallOwner.get()};
};

}  // namespace

const ApplicationIcons& applicationIcons() {
    static const LoadedIcons icons;
    return icons.handles;
}

void giveApplicationIcon(HWND window) {
    const ApplicationIcons& icons = applicationIcons();
    SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icons.largeIcon));
    SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icons.smallIcon));
}

}  // namespace app
