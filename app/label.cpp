#include "app/label.h"

#include <string>

#include "app/controls.h"
#include "app/window_class.h"

namespace app {

namespace {

struct LabelState {
    COLORREF text = kDefaultColour;
    COLORREF background = kDefaultColour;
    HFONT font = nullptr;
    bool link = false;
    LinkColours linkColours{};
    bool visited = false;
    bool hover = false;
};

LabelState* stateOf(HWND hwnd) { return reinterpret_cast<LabelState*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)); }

COLORREF currentTextColour(const LabelState& s) {
    if (s.link) return s.hover ? s.linkColours.hover : s.visited ? s.linkColours.visited : s.linkColours.normal;
    return s.text == kDefaultColour ? GetSysColor(COLOR_WINDOWTEXT) : s.text;
}

void paintBackground(HWND hwnd, HDC dc, const RECT& rc, const LabelState& s) {
    if (s.background != kDefaultColour && s.background != kTransparent) {
        SetBkColor(dc, s.background);
        ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
        return;
    }
    fillWithParentBackground(hwnd, dc, rc);
}

void paint(HWND hwnd, const LabelState& s) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT rc;
    GetClientRect(hwnd, &rc);
    paintBackground(hwnd, dc, rc, s);

    int length = GetWindowTextLengthA(hwnd);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    GetWindowTextA(hwnd, text.data(), length + 1);
    text.resize(static_cast<size_t>(length));

    HGDIOBJ oldFont = SelectObject(dc, s.font ? s.font : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, currentTextColour(s));
    UINT format = (s.link ? DT_LEFT : DT_CENTER) | DT_NOPREFIX;
    if (GetWindowLongA(hwnd, GWL_STYLE) & kLabelWordWrap) format |= DT_WORDBREAK;
    // Vertical centring of several lines: measure first, then offset (text
    // taller than the label overflows evenly at both ends).
    RECT measure = rc;
    DrawTextA(dc, text.c_str(), length, &measure, format | DT_CALCRECT);
    RECT place = rc;
    place.top = (rc.bottom - (measure.bottom - measure.top)) / 2;
    place.bottom = place.top + (measure.bottom - measure.top);
    DrawTextA(dc, text.c_str(), length, &place, format);
    SelectObject(dc, oldFont);
    EndPaint(hwnd, &ps);
}

void setHover(HWND hwnd, LabelState& s, bool hover) {
    if (s.hover == hover) return;
    s.hover = hover;
    if (hover) {
        TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, hwnd, 0};
        TrackMouseEvent(&tme);
    }
    InvalidateRect(hwnd, nullptr, FALSE);
}

void click(HWND hwnd, LabelState& s) {
    s.visited = true;
    InvalidateRect(hwnd, nullptr, FALSE);
    int id = GetDlgCtrlID(hwnd);
    SendMessageA(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(id, STN_CLICKED), reinterpret_cast<LPARAM>(hwnd));
}

LRESULT CALLBACK labelProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    LabelState* s = stateOf(hwnd);
    switch (msg) {
    case WM_NCCREATE: SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new LabelState)); break;
    case WM_NCDESTROY:
        delete s;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        break;
    }
    if (!s) return DefWindowProcA(hwnd, msg, wp, lp);

    // clang-format off
    switch (msg) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT:      paint(hwnd, *s); return 0;
    case WM_SETFONT:
        s->font = reinterpret_cast<HFONT>(wp);
        if (LOWORD(lp)) InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_GETFONT:    return reinterpret_cast<LRESULT>(s->font);
    case WM_SETTEXT: {
        LRESULT r = DefWindowProcA(hwnd, msg, wp, lp);
        InvalidateRect(hwnd, nullptr, FALSE);
        return r;
    }
    // clang-format on
    case WM_NCHITTEST:
        // Plain labels let the mouse through to what lies under them.
        if (!s->link) return HTTRANSPARENT;
        break;
    case WM_SETCURSOR:
        if (s->link) {
            SetCursor(LoadCursorA(nullptr, IDC_HAND));
            return TRUE;
        }
        break;
    case WM_MOUSEMOVE: setHover(hwnd, *s, true); return 0;
    case WM_MOUSELEAVE: setHover(hwnd, *s, false); return 0;
    case WM_LBUTTONDOWN:
        if (s->link) click(hwnd, *s);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

bool registerLabelClass(HINSTANCE instance) {
    return registerWindowClass(instance, WindowClass{kLabelClass, labelProc});
}

void setLabelColours(HWND label, COLORREF text, COLORREF background) {
    if (LabelState* s = stateOf(label)) {
        s->text = text;
        s->background = background;
        InvalidateRect(label, nullptr, FALSE);
    }
}

void makeHyperlink(HWND label, const LinkColours& colours) {
    if (LabelState* s = stateOf(label)) {
        s->link = true;
        s->linkColours = colours;
        InvalidateRect(label, nullptr, FALSE);
    }
}

}  // namespace app
