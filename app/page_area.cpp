#include "app/page_area.h"

#include <commctrl.h>
#include <string>

#include "app/controls.h"
#include "gfx/brushes.h"
#include "gfx/graphics.h"
#include "gfx/pen.h"
#include "skin/window/colour.h"
#include "skin/window/memory_dc.h"
#include "skin/window/settings.h"
#include "win/handles.h"
#include "win/window.h"

namespace app {

namespace {

constexpr int kSelectedAlpha = 210;

std::string headerText(HWND tab, int index) {
    char text[128] = {};
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text - 1;
    SendMessageA(tab, TCM_GETITEMA, index, reinterpret_cast<LPARAM>(&item));
    return text;
}

void drawHeaderTitle(HDC canvas, HWND tab, const RECT& rc, const std::string& text) {
    win::SelectedObject font(canvas, reinterpret_cast<HFONT>(SendMessageA(tab, WM_GETFONT, 0, 0)));
    SetBkMode(canvas, TRANSPARENT);
    SetTextColor(canvas, RGB(0, 0, 0));
    RECT place = rc;
    DrawTextA(canvas, text.c_str(), static_cast<int>(text.size()), &place,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

// The whole tab control over the skin: the page area as the skin lies there,
// the headers veiled with their titles.
void paintPageArea(HWND tab, HDC target) {
    const RECT client = win::clientRect(tab);
    const int w = win::width(client), h = win::height(client);
    skin::Canvas canvas(skin::newMemoryCanvas(w, h));
    if (!canvas || !paintSkinBehind(tab, canvas.get(), client)) return;
    const int count = static_cast<int>(SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0));
    const int selected = static_cast<int>(SendMessageA(tab, TCM_GETCURSEL, 0, 0));
    const skin::SkinSettings& s = skin::settings();
    for (int i = 0; i < count; ++i) {
        RECT rc{};
        SendMessageA(tab, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&rc));
        const TabHeaderLook look{rc, i == selected, i == selected && GetFocus() == tab, s.accentColour, s.veilAlpha};
        paintTabHeaderFace(canvas.get(), look);
        drawHeaderTitle(canvas.get(), tab, rc, headerText(tab, i));
        if (look.focused) {
            RECT focus = rc;
            InflateRect(&focus, -3, -3);
            DrawFocusRect(canvas.get(), &focus);
        }
    }
    BitBlt(target, 0, 0, w, h, canvas.get(), 0, 0, SRCCOPY);
}

LRESULT CALLBACK pageAreaProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR) {
    switch (msg) {
    // Without a skin behind it the tab control paints itself.
    case WM_ERASEBKGND:
        if (isOverSkin(hwnd)) return 1;
        break;
    case WM_PAINT:
        if (isOverSkin(hwnd)) {
            win::PaintDc paint(hwnd);
            paintPageArea(hwnd, paint.get());
            return 0;
        }
        break;
    case WM_NCDESTROY: RemoveWindowSubclass(hwnd, pageAreaProc, id); break;
    }
    return DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace

void paintTabHeaderFace(HDC canvas, const TabHeaderLook& k) {
    gfx::Graphics g = gfx::Graphics::fromHdc(canvas);
    if (!g) return;
    const RECT& r = k.rect;
    const float x = static_cast<float>(r.left), y = static_cast<float>(r.top);
    const float w = static_cast<float>(win::width(r)), h = static_cast<float>(win::height(r));
    gfx::SolidBrush face = gfx::SolidBrush::create(skin::toArgb(0xFFFFFF, k.selected ? kSelectedAlpha : k.veilAlpha));
    g.fillRectangle(face, x, y, w, h);
    gfx::Pen line = gfx::Pen::create(k.selected ? skin::toArgb(k.accent, 180) : skin::toArgb(0, 80), 1);
    g.drawRectangle(line, x, y, w - 1, h - 1);
}

void showSkinBehindPages(HWND tab) { SetWindowSubclass(tab, pageAreaProc, 0, 0); }

}  // namespace app
