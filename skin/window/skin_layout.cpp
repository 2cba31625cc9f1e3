#include "skin/window/skin_layout.h"

#include <algorithm>
#include <utility>

#include "skin/window/settings.h"
#include "win/window.h"

namespace skin {

namespace {

CaptionButton makeButton(int kind, int width, const char* tip) {
    CaptionButton b;
    b.kind = kind;
    b.width = width;
    b.height = kCaptionButtonHeight;
    b.tipText = tip;
    return b;
}

bool inside(const IntRect& r, int x, int y) { return x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h; }

}  // namespace

// ---- Caption buttons -------------------------------------------------------

std::vector<CaptionButton> captionButtonsFor(const CaptionButtonSet& present) {
    std::vector<CaptionButton> buttons;
    if (present.help) buttons.push_back(makeButton(kHelpButton, kCaptionButtonWidth, "帮助"));
    if (present.menu) buttons.push_back(makeButton(kMenuButton, kCaptionButtonWidth, "主菜单"));
    if (present.minimise) buttons.push_back(makeButton(kMinimiseButton, kCaptionButtonWidth, "最小化"));
    if (present.maximise) buttons.push_back(makeButton(kMaximiseButton, kCaptionButtonWidth, "最大化"));
    if (present.close) buttons.push_back(makeButton(kCloseButton, kCloseButtonWidth, "关闭"));
    return buttons;
}

int captionButtonWidthSum(const std::vector<CaptionButton>& buttons) {
    int sum = 0;
    for (const CaptionButton& b : buttons) sum += b.width;
    return sum;
}

int captionBlockWidth(const std::vector<CaptionButton>& buttons) {
    return captionButtonWidthSum(buttons) + (static_cast<int>(buttons.size()) - 1) + 3;
}

int initialButtonBlockX(int clientWidth, int blockWidth) { return clientWidth - 3 - blockWidth - 2; }

int laidOutButtonBlockX(int clientWidth, int blockWidth) { return clientWidth - blockWidth + 1; }

std::vector<FloatRect> captionButtonRects(const std::vector<CaptionButton>& buttons, int blockX, int blockY) {
    std::vector<FloatRect> rects;
    const int x0 = blockX + 2, y0 = blockY + 1;
    for (size_t i = 0; i < buttons.size(); ++i) {
        float w = buttons[i].kind == kCloseButton ? kCloseHitWidth : static_cast<float>(kCaptionButtonWidth);
        rects.push_back({static_cast<float>(x0 + kCaptionButtonPitch * static_cast<int>(i)), static_cast<float>(y0), w,
                         static_cast<float>(kCaptionButtonHeight)});
    }
    return rects;
}

RECT toolRectOf(const FloatRect& r) {
    return {static_cast<LONG>(r.x), static_cast<LONG>(r.y), static_cast<LONG>(r.x + r.w), static_cast<LONG>(r.y + r.h)};
}

int hitTestCaptionButtons(const std::vector<CaptionButton>& buttons, int blockX, int blockY, int blockHeight, int x,
                          int y) {
    if (x < blockX || y < blockY || y > blockY + blockHeight) return 0;
    const float fx = static_cast<float>(x), fy = static_cast<float>(y);
    for (size_t i = 0; i < buttons.size(); ++i) {
        const FloatRect& r = buttons[i].rect;
        if (r.x < fx && fx < r.x + r.w && r.y < fy && fy < r.y + r.h) return static_cast<int>(i) + 1;
    }
    return 0;
}

bool isNearCaptionButtons(int blockX, int blockWidth, int blockHeight, int x, int y) {
    return x <= blockX + blockWidth && y >= 0 && y <= blockHeight;
}

int findCaptionButtonOfKind(const std::vector<CaptionButton>& buttons, int kind) {
    for (size_t i = 0; i < buttons.size(); ++i)
        if (buttons[i].kind == kind) return static_cast<int>(i) + 1;
    return 0;
}

// ---- Bottom bar -------------------------------------------------------------

BarLayout setupBarLayout(int clientWidth, int clientHeight, int barHeight, const std::vector<BarItem>& items) {
    BarLayout bar;
    bar.barRect = {3, clientHeight - 3 - barHeight - 1, clientWidth - 6, barHeight};
    int x = 3;
    for (const BarItem& item : items) {
        int width = item.width == -1 ? std::max(0, clientWidth - 3 - x) : item.width;
        bar.itemRects.push_back({x, bar.barRect.y, width, barHeight});
        x += width;
    }
    return bar;
}

std::vector<BarItem> defaultBarItems() {
    BarItem whole;
    whole.width = -1;
    return {whole};
}

BarLayout relayoutBar(int clientWidth, int clientHeight, int barHeight, const IntRect& barRect,
                      const std::vector<BarItem>& items, const std::vector<IntRect>& itemRects) {
    BarLayout bar;
    bar.barRect = {3, clientHeight - barHeight - 3 - 1, clientWidth - 6, barRect.h};
    bar.itemRects = itemRects;
    int x = 3, before = 0;
    for (size_t i = 0; i < bar.itemRects.size(); ++i) {
        IntRect& r = bar.itemRects[i];
        r.x = x;
        r.y = bar.barRect.y;
        if (i < items.size() && items[i].width == -1) r.w = std::max(0, clientWidth - before - 6);
        before += r.w;
        x += r.w;
    }
    return bar;
}

int hitTestBarItems(int barHeight, const IntRect& barRect, const std::vector<IntRect>& itemRects, int x, int y) {
    if (barHeight == 0 || !inside(barRect, x, y)) return 0;
    for (size_t i = 0; i < itemRects.size(); ++i)
        if (inside(itemRects[i], x, y)) return static_cast<int>(i) + 1;
    return 0;
}

// ---- Work area --------------------------------------------------------------

SIZE workAreaSize(int screenWidth, int screenHeight, const RECT& tray, bool trayVisible) {
    const int trayWidth = tray.right - tray.left, trayHeight = tray.bottom - tray.top;
    if (trayWidth > trayHeight) {
        bool hidden = tray.top < 0 || tray.top >= screenHeight - 5;
        return {screenWidth, hidden ? screenHeight : screenHeight - trayHeight};
    }
    if (trayVisible) return {screenWidth - trayWidth, screenHeight};
    return {screenWidth, screenHeight};
}

SIZE workAreaSize() {
    HWND tray = FindWindowA("Shell_TrayWnd", nullptr);
    RECT r{};
    if (tray) GetWindowRect(tray, &r);
    bool visible = tray && (GetWindowLongA(tray, GWL_STYLE) & WS_VISIBLE);
    return workAreaSize(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), r, visible);
}

// ---- Border zones and presses ------------------------------------------------

Zone cursorZone(int x, int y, int w, int h, int inset) {
    if (x <= inset && y >= 11 && y < h - 10) return Zone::Left;
    if (x >= w - inset && y >= 11 && y < h - 10) return Zone::Right;
    if (y <= inset && x >= 11 && x < w - 10) return Zone::Top;
    if (y >= h - inset && x >= 11 && x < w - 10) return Zone::Bottom;
    if (x <= 10 && y <= 10) return Zone::TopLeft;
    if (x >= w - 10 && y <= 10) return Zone::TopRight;
    if (x <= 10 && y >= h - 10) return Zone::BottomLeft;
    if (x >= w - 10 && y >= h - 10) return Zone::BottomRight;
    return Zone::None;
}

LPCSTR zoneCursor(Zone zone) {
    switch (zone) {
    case Zone::Left:
    case Zone::Right: return IDC_SIZEWE;
    case Zone::Top:
    case Zone::Bottom: return IDC_SIZENS;
    case Zone::TopLeft:
    case Zone::BottomRight: return IDC_SIZENWSE;
    case Zone::TopRight:
    case Zone::BottomLeft: return IDC_SIZENESW;
    case Zone::None: break;
    }
    return nullptr;
}

UINT zoneCommand(Zone zone) {
    switch (zone) {
    case Zone::Left: return SC_SIZE + WMSZ_LEFT;
    case Zone::Right: return SC_SIZE + WMSZ_RIGHT;
    case Zone::Top: return SC_SIZE + WMSZ_TOP;
    case Zone::Bottom: return SC_SIZE + WMSZ_BOTTOM;
    case Zone::TopLeft: return SC_SIZE + WMSZ_TOPLEFT;
    case Zone::TopRight: return SC_SIZE + WMSZ_TOPRIGHT;
    case Zone::BottomLeft: return SC_SIZE + WMSZ_BOTTOMLEFT;
    case Zone::BottomRight: return SC_SIZE + WMSZ_BOTTOMRIGHT;
    case Zone::None: break;
    }
    return 0;
}

PressAction pressAction(const PressGeometry& g, int x, int y) {
    if (x >= g.blockX && x <= g.blockX + g.blockWidth && y >= 3 && y <= g.blockHeight) return {};
    if (y >= 4 && y <= g.captionHeight && x >= 4 && x < g.clientWidth - g.inset) return {PressKind::Drag};
    if (g.resizable) {
        Zone zone = cursorZone(x, y, g.clientWidth, g.clientHeight, g.inset);
        if (zone == Zone::None) return {};
        return {PressKind::Size, zone};
    }
    if (y <= g.captionHeight) return {PressKind::Drag};
    return {};
}

// ---- Menu commands ------------------------------------------------------------

MenuCommand decodeMenuCommand(unsigned value) { return {value / 1000, value % 1000}; }

bool isMenuCommand(WPARAM wParam, LPARAM lParam) { return lParam == 0 && HIWORD(wParam) != 1; }

// ---- Wrappers over a window record ---------------------------------------------

void layoutCaptionButtons(WindowRecord& r) {
    CaptionState& c = r.caption;
    if (r.hwnd) {
        c.buttonBlockX = laidOutButtonBlockX(win::clientSize(r.hwnd).cx, c.buttonBlockWidth);
        c.buttonBlockHeight = kButtonBlockHeight;
    }
    std::vector<FloatRect> rects = captionButtonRects(c.captionButtons, c.buttonBlockX, c.buttonBlockY);
    for (size_t i = 0; i < rects.size(); ++i) {
        CaptionButton& b = c.captionButtons[i];
        b.rect = rects[i];
        c.captionTips.setToolRect(i + 1, toolRectOf(b.rect));
        c.captionTips.setToolText(i + 1, b.tipText);
    }
}

void setupBottomBar(WindowRecord& r, int barHeight, const std::vector<BarItem>* items) {
    const SIZE client = win::clientSize(r.hwnd);
    r.bar.barHeight = barHeight;
    std::vector<BarItem> laidOut = items ? *items : defaultBarItems();
    BarLayout bar = setupBarLayout(client.cx, client.cy, barHeight, laidOut);
    r.bar.barRect = bar.barRect;
    r.bar.barItemRects = std::move(bar.itemRects);
    r.bar.barItems = std::move(laidOut);
}

void layoutBottomBar(WindowRecord& r) {
    const SIZE client = win::clientSize(r.hwnd);
    BarState& b = r.bar;
    BarLayout bar = relayoutBar(client.cx, client.cy, b.barHeight, b.barRect, b.barItems, b.barItemRects);
    b.barRect = bar.barRect;
    b.barItemRects = std::move(bar.itemRects);
}

int findMaximiseButton(const WindowRecord& r) {
    return findCaptionButtonOfKind(r.caption.captionButtons, kMaximiseButton);
}

int hitTestBarItems(const WindowRecord& r, int x, int y) {
    return hitTestBarItems(r.bar.barHeight, r.bar.barRect, r.bar.barItemRects, x, y);
}

namespace {

PressGeometry pressGeometryOf(const WindowRecord& r) {
    const SIZE client = win::clientSize(r.hwnd);
    PressGeometry g;
    g.clientWidth = client.cx;
    g.clientHeight = client.cy;
    g.captionHeight = r.caption.captionHeight;
    g.blockX = r.caption.buttonBlockX;
    g.blockWidth = r.caption.buttonBlockWidth;
    g.blockHeight = r.caption.buttonBlockHeight;
    g.resizable = r.resizable;
    g.inset = settings().frameInset;
    return g;
}

}  // namespace

void setResizeCursor(const WindowRecord& r, LPARAM lParam) {
    if (!r.resizable) return;
    const PressGeometry g = pressGeometryOf(r);
    const Zone zone = cursorZone(win::mouseX(lParam), win::mouseY(lParam), g.clientWidth, g.clientHeight, g.inset);
    if (zone != Zone::None) SetCursor(LoadCursorA(nullptr, zoneCursor(zone)));
}

void beginMoveOrResize(const WindowRecord& r, LPARAM lParam) {
    const HWND window = r.hwnd;
    const PressAction action = pressAction(pressGeometryOf(r), win::mouseX(lParam), win::mouseY(lParam));
    // Both messages run the system's modal move or size loop; the record may
    // not be touched after them.
    switch (action.kind) {
    case PressKind::Drag: SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, 0); break;
    case PressKind::Size:
        SetCursor(LoadCursorA(nullptr, zoneCursor(action.zone)));
        SendMessageA(window, WM_SYSCOMMAND, zoneCommand(action.zone), 0);
        break;
    case PressKind::Nothing: break;
    }
}

}  // namespace skin
