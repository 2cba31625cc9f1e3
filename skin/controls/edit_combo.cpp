#include "skin/controls/edit_combo.h"

#include <commctrl.h>

#include <algorithm>
#include <unordered_map>

#include "gfx/brushes.h"
#include "gfx/image.h"
#include "gfx/path.h"
#include "gfx/pen.h"
#include "gfx/text.h"
#include "skin/controls/backdrop.h"
#include "skin/controls/containers.h"
#include "skin/controls/dispatch.h"
#include "skin/controls/family.h"
#include "skin/controls/scroll_overlay.h"
#include "skin/window/child_messages.h"
#include "skin/window/memory_dc.h"
#include "skin/window/primitives.h"
#include "skin/window/property_keys.h"
#include "win/fonts.h"
#include "win/handles.h"
#include "win/props.h"
#include "win/resources.h"
#include "win/window.h"

namespace skin {

namespace {

constexpr COLORREF kWhiteColour = 0xFFFFFF;
Argb white(int alpha) { return toArgb(kWhiteColour, alpha); }
Argb black(int alpha) { return toArgb(0, alpha); }

bool transparentLists() { return settings().transparentLists != 0; }

bool hasScrollStyle(HWND control) { return (win::style(control) & (WS_VSCROLL | WS_HSCROLL)) != 0; }

SIZE windowSize(HWND w) {
    const RECT r = win::windowRect(w);
    return SIZE{win::width(r), win::height(r)};
}

void drawRectangle(gfx::Graphics& g, Argb colour, float x, float y, float w, float h) {
    gfx::Pen pen = gfx::Pen::create(colour, 1);
    g.drawRectangle(pen, x, y, w, h);
}

gfx::GraphicsPath roundRect(float x, float y, float w, float h, float d) {
    gfx::GraphicsPath path = gfx::GraphicsPath::create();
    addRoundRect(path, x, y, w, h, d);
    return path;
}

// Statics, group boxes and any other control that is not a registered edit
// give back their brush and bitmap when they go.
LRESULT CALLBACK releaseBrushOnDestroy(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR) {
    if (msg == WM_NCDESTROY) {
        deleteHandedOutBrush(hwnd);
        RemoveWindowSubclass(hwnd, releaseBrushOnDestroy, id);
    }
    return DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace

// ---- What a control keeps of its backdrop ---------------------------------------------------

namespace {

// A control's veiled backdrop is drawn over the window image behind it; while
// that image, the control's place in it and the veil stay the same, the pair
// handed out last is given again instead of drawn anew (a keystroke in the
// editor asks for it).  Each control's entry goes with it.
struct HandedOutStamp {
    BackdropStamp backdrop;
    Argb veil = 0;
    HBITMAP bitmap = nullptr;  // the pair made from them, still the control's own
    HBRUSH brush = nullptr;
    bool operator==(const HandedOutStamp&) const = default;
};

std::unordered_map<HWND, HandedOutStamp>& handedOutStamps() {
    static auto* stamps = new std::unordered_map<HWND, HandedOutStamp>;
    return *stamps;
}

}  // namespace

// ---- Veil ------------------------------------------------------------------------------------

Argb veilColour(bool ownVeil, COLORREF ownColour, int ownAlpha, int engineAlpha) {
    return ownVeil ? toArgb(ownColour, ownAlpha) : white(engineAlpha);
}

Argb veilColourOf(HWND control) {
    return veilColour(win::prop<int>(control, keys::kOwnVeil) == 1, win::prop<COLORREF>(control, keys::kVeilColour),
                      win::prop<int>(control, keys::kVeilAlpha), settings().veilAlpha);
}

namespace {

// The control's client area over its backdrop, under its veil.
Canvas veiledBackdrop(HWND control, SIZE& size) {
    const RECT r = clientRectInWindowRect(control);
    size = SIZE{win::width(r), win::height(r)};
    if (size.cx <= 0 || size.cy <= 0) return Canvas();
    Canvas canvas(paintControlBackdrop(control, r));
    if (!canvas) return canvas;
    gfx::Graphics g = gfx::Graphics::fromHdc(canvas.get());
    gfx::SolidBrush veil = gfx::SolidBrush::create(veilColourOf(control));
    g.fillRectangle(veil, 0, 0, static_cast<float>(size.cx), static_cast<float>(size.cy));
    return canvas;
}

}  // namespace

void paintVeiledBackdrop(HWND control, HDC dc) {
    SIZE size{};
    Canvas canvas = veiledBackdrop(control, size);
    if (canvas) BitBlt(dc, 0, 0, size.cx, size.cy, canvas.get(), 0, 0, SRCCOPY);
}

HBITMAP makeVeiledBackdropBitmap(HWND control) {
    SIZE size{};
    Canvas canvas = veiledBackdrop(control, size);
    if (!canvas) return nullptr;
    HBITMAP bitmap = CreateCompatibleBitmap(canvas.get(), size.cx, size.cy);
    if (!bitmap) return nullptr;
    win::OwnedMemoryDc copy(CreateCompatibleDC(nullptr));
    win::SelectedObject selected(copy.get(), bitmap);
    BitBlt(copy.get(), 0, 0, size.cx, size.cy, canvas.get(), 0, 0, SRCCOPY);
    return bitmap;
}

void deleteHandedOutBrush(HWND control) {
    handedOutStamps().erase(control);
    DeleteObject(win::prop<HGDIOBJ>(control, keys::kControlBrush));
    DeleteObject(win::prop<HGDIOBJ>(control, keys::kControlBitmap));
    win::removeProp(control, keys::kControlBrush);
    win::removeProp(control, keys::kControlBitmap);
}

namespace {

// The pair stored on the control, made again (the previous one deleted)
// unless it was made from the same backdrop under the same veil.
HBITMAP replaceHandedOutBrush(HWND control) {
    HandedOutStamp stamp{backdropStamp(control, clientRectInWindowRect(control)), veilColourOf(control),
                         win::prop<HBITMAP>(control, keys::kControlBitmap),
                         win::prop<HBRUSH>(control, keys::kControlBrush)};
    const auto kept = handedOutStamps().find(control);
    if (kept != handedOutStamps().end() && kept->second == stamp && stamp.bitmap && stamp.brush) return stamp.bitmap;
    deleteHandedOutBrush(control);
    stamp.bitmap = makeVeiledBackdropBitmap(control);
    stamp.brush = stamp.bitmap ? CreatePatternBrush(stamp.bitmap) : nullptr;
    win::setProp(control, keys::kControlBitmap, stamp.bitmap);
    win::setProp(control, keys::kControlBrush, stamp.brush);
    if (stamp.bitmap && stamp.brush) handedOutStamps()[control] = stamp;
    return stamp.bitmap;
}

}  // namespace

HBRUSH answerWithVeiledBrush(HWND control, HDC dc) {
    SetTextColor(dc, win::prop<COLORREF>(control, keys::kTextColour));
    SetBkMode(dc, TRANSPARENT);
    auto edit = controlRefOf(control, &WindowRecord::edits);
    if (edit && edit->item.brushFresh) {
        edit->item.brushFresh = false;
        return win::prop<HBRUSH>(control, keys::kControlBrush);
    }
    replaceHandedOutBrush(control);
    // A registered edit deletes its pair itself when it goes.
    if (!edit) SetWindowSubclass(control, releaseBrushOnDestroy, 0, 0);
    return win::prop<HBRUSH>(control, keys::kControlBrush);
}

// ---- Edit frame ------------------------------------------------------------------------------

void drawEditOutline(gfx::Graphics& g, const EditFrameLook& k) {
    const float w = static_cast<float>(k.window.cx), h = static_cast<float>(k.window.cy);
    if (k.hot && k.border == 2) {
        drawRectangle(g, white(60), 0, 0, w - 1, h - 1);
        drawRectangle(g, toArgb(k.accent, 90), 0, 0, w - 1, h - 1);
        drawRectangle(g, toArgb(k.accent, 180), 1, 1, w - 3, h - 3);
        return;
    }
    drawRectangle(g, k.focused ? toArgb(k.accent, 180) : black(80), 0, 0, w - 1, h - 1);
}

void paintEditRing(HDC canvas, const RECT& rc, const EditFrameLook& k) {
    gfx::Graphics g = gfx::Graphics::fromHdc(canvas);
    if (!g) return;
    const float w = static_cast<float>(win::width(rc)), h = static_cast<float>(win::height(rc));
    const float l = static_cast<float>(k.inner.left), t = static_cast<float>(k.inner.top);
    const float r = static_cast<float>(k.inner.right), b = static_cast<float>(k.inner.bottom);
    g.setClip(0, 0, w, h, gfx::CombineMode::Replace);
    g.setClip(l, t, r - l, b - t, gfx::CombineMode::Xor);
    // The ring is filled as its four bands: a fill costs by the area it
    // spans, and the clip alone would leave that the whole window.
    gfx::SolidBrush fill = gfx::SolidBrush::create(k.veiled ? k.veil : white(255));
    for (const gfx::RectF& band : {gfx::RectF{0, 0, w, t}, gfx::RectF{0, b, w, h - b}, gfx::RectF{0, t, l, b - t},
                                   gfx::RectF{r, t, w - r, b - t}})
        if (band.width > 0 && band.height > 0) g.fillRectangle(fill, band);
    if (k.border != 0) drawEditOutline(g, k);
}

namespace {

EditFrameLook editFrameLookOf(HWND edit, bool focused, bool hot) {
    EditFrameLook k;
    k.window = windowSize(edit);
    k.inner = clientRectInWindowRect(edit);
    k.border = borderKind(edit);
    k.focused = focused;
    k.hot = hot;
    k.veiled = transparentLists();
    k.veil = veilColourOf(edit);
    k.accent = settings().accentColour;
    return k;
}

}  // namespace

void paintEditFrame(HWND edit, std::optional<bool> focused, bool hot) {
    auto ref = controlRefOf(edit, &WindowRecord::edits);
    if (!ref) return;
    const EditFrameLook look = editFrameLookOf(edit, focused.value_or(ref->item.focused), hot);
    const RECT rc{0, 0, look.window.cx, look.window.cy};
    if (rc.right <= 0 || rc.bottom <= 0) return;
    const HBITMAP picture =
        keptOrPainted(edit, rc, look, [&](HDC canvas, const RECT& r) { paintEditRing(canvas, r, look); });
    if (!picture) return;
    const KeptCanvas source(picture);
    const HDC canvas = source.get();
    win::WindowDc dc(edit, true);
    ExcludeClipRect(dc.get(), look.inner.left, look.inner.top, look.inner.right, look.inner.bottom);
    BitBlt(dc.get(), 0, 0, rc.right, rc.bottom, canvas, 0, 0, SRCCOPY);
    // The frame keys nothing out (the veil leaves no pure key colour), so the
    // keyed copy into the composition cache is a plain one, many times
    // cheaper; the client area carries the backdrop the cache holds there.
    publishControlImage(edit, canvas, false, true);
}

void repaintLiveBars(HWND edit) {
    const ScrollCovers* covers = scrollCoversOf(edit);
    if (!covers) return;
    const LONG style = win::style(edit);
    if (covers->vertical && (style & WS_VSCROLL)) paintScrollOverlay(edit, true, kScrollTrack);
    if (covers->horizontal && (style & WS_HSCROLL)) paintScrollOverlay(edit, false, kScrollTrack);
}

// ---- Combo box -------------------------------------------------------------------------------

gfx::PointF dropArrowAt(const RECT& b, SIZE glyph) {
    return gfx::PointF{static_cast<float>(b.left) + (win::width(b) - glyph.cx) / 2.0f,
                       static_cast<float>(b.top) + (win::height(b) - glyph.cy) / 2.0f};
}

void paintComboFace(HDC canvas, const RECT& rc, const ComboLook& k) {
    gfx::Graphics g = gfx::Graphics::fromHdc(canvas);
    if (!g) return;
    const float w = static_cast<float>(win::width(rc)), h = static_cast<float>(win::height(rc));
    {
        gfx::SolidBrush background = gfx::SolidBrush::create(k.background);
        g.fillRectangle(background, 0, 0, w, h);
    }
    for (const RECT& c : k.keyedOut) {
        g.setClip(static_cast<float>(c.left), static_cast<float>(c.top), static_cast<float>(win::width(c)),
                  static_cast<float>(win::height(c)), gfx::CombineMode::Replace);
        g.clear(toArgb(kKeyColour));
        g.resetClip();
    }
    drawRectangle(g, k.hot || k.focused ? toArgb(k.accent, 200) : black(80), 0, 0, w - 1, h - 1);

    if (k.dropButton) {
        const RECT& b = k.button;
        const float bl = static_cast<float>(b.left), bt = static_cast<float>(b.top);
        const float bw = static_cast<float>(win::width(b)), bh = static_cast<float>(win::height(b));
        {
            gfx::GraphicsPath frame = roundRect(bl, bt, bw - 1, bh - 1, 4);
            gfx::Pen pen = gfx::Pen::create(k.hot ? toArgb(k.accent, 200) : black(80), 1);
            g.drawPath(pen, frame);
        }
        {
            gfx::GraphicsPath face = roundRect(bl + 1, bt + 1, bw - 2, bh - 2, 1);
            gfx::LinearGradientBrush gradient = gfx::LinearGradientBrush::create(
                gfx::PointF{bl + 1, bt}, gfx::PointF{bl + 1, bt + bh - 2}, k.hot ? white(100) : toArgb(k.accent, 30),
                toArgb(k.accent, k.hot ? 150 : 100));
            g.fillPath(gradient, face);
        }
        if (const gfx::Image* arrow = arrowGlyph(ArrowGlyph::Down)) {
            const gfx::PointF at = dropArrowAt(b, SIZE{arrow->width(), arrow->height()});
            g.drawImage(*arrow, at.x, at.y);
        }
    }

    if (k.showsText && !k.text.empty()) {
        gfx::SolidBrush brush = gfx::SolidBrush::create(toArgb(k.textColour));
        gfx::Font font = gfx::Font::fromFamilyName(win::kDefaultFace, 12, gfx::FontStyleRegular, gfx::Unit::World);
        if (font) g.drawString(k.text, font, brush, gfx::RectF{2, (h - 12) / 2, w - 17, h - 4});
    }
}

RECT childRectInParentWindow(HWND child) {
    if (findWindowRecord(child)) return RECT{0, 0, 0, 0};
    const RECT a = win::windowRect(child), p = win::windowRect(GetParent(child));
    return RECT{a.left - p.left, a.top - p.top, a.right - p.left, a.bottom - p.top};
}

ComboLook comboLookOf(HWND combo, bool hot, bool focused) {
    ComboLook k;
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    SendMessageA(combo, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info));
    const LONG style = win::style(combo);
    k.window = windowSize(combo);
    k.button = info.rcButton;
    k.dropButton = (style & CBS_DROPDOWN) != 0;
    k.showsText = (style & CBS_SIMPLE) != 0;
    // A simple combo box and a drop-down list leave every child to itself; a
    // drop-down combo box only its first (the edit field).
    for (HWND child : win::children(combo)) {
        RECT c = childRectInParentWindow(child);
        if (win::isClass(child, "ComboLBox")) InflateRect(&c, -2, -2);
        k.keyedOut.push_back(c);
        if (!(style & CBS_SIMPLE)) break;
    }
    k.hot = hot;
    k.focused = focused;
    k.background = transparentLists() ? white(settings().veilAlpha) : white(255);
    k.accent = settings().accentColour;
    if (k.showsText) k.text = win::windowText(combo);
    k.textColour = win::prop<COLORREF>(combo, keys::kTextColour);
    return k;
}

bool ComboLook::operator==(const ComboLook& o) const {
    const auto sameRects = [](const std::vector<RECT>& a, const std::vector<RECT>& b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                          [](const RECT& x, const RECT& y) { return EqualRect(&x, &y) != FALSE; });
    };
    return window.cx == o.window.cx && window.cy == o.window.cy && EqualRect(&button, &o.button) &&
           dropButton == o.dropButton && showsText == o.showsText && sameRects(keyedOut, o.keyedOut) && hot == o.hot &&
           focused == o.focused && background == o.background && accent == o.accent && text == o.text &&
           textColour == o.textColour;
}

void paintComboBox(int index, int slot, bool hot, std::optional<bool> focused) {
    if (!validIndex(index)) return;
    ControlList<ComboItem>& list = record(index).comboBoxes;
    if (slot < 1 || slot > static_cast<int>(list.size())) return;
    const ComboItem& item = list[static_cast<size_t>(slot) - 1];
    const HWND combo = item.hwnd;
    if (!combo) return;
    const ComboLook look = comboLookOf(combo, hot, focused.value_or(item.focused));
    const RECT rc{0, 0, look.window.cx, look.window.cy};
    if (rc.right <= 0 || rc.bottom <= 0) return;
    const HBITMAP picture =
        keptOrPainted(combo, rc, look, [&](HDC canvas, const RECT& r) { paintComboFace(canvas, r, look); });
    if (!picture) return;
    const KeptCanvas canvas(picture);
    win::WindowDc dc(combo, true);
    TransparentBlt(dc.get(), 0, 0, rc.right, rc.bottom, canvas.get(), 0, 0, rc.right, rc.bottom, kKeyColour);
    publishControlImageKeyed(combo, canvas.get(), kKeyColour, false);
}

// ---- Registration ----------------------------------------------------------------------------

namespace {

void finishEditRegistration(HWND edit) { win::setProp(edit, keys::kTextColour, 0); }

void registerEdit(int index, HWND edit, bool withCovers) {
    if (isRegistered(record(index).edits, edit)) return;
    const LONG style = win::style(edit);
    const bool shown = (style & WS_VISIBLE) != 0;
    registerControl(index, &WindowRecord::edits, edit, editSkinProc, [&](EditItem& item) {
        if (!withCovers) return;
        if (style & WS_VSCROLL) item.covers.vertical = createScrollOverlay(edit, true, shown);
        if (style & WS_HSCROLL) item.covers.horizontal = createScrollOverlay(edit, false, shown);
    });
    finishEditRegistration(edit);
}

// The painter draws the window text, so a drop-down list shows its selection
// from the start.  An item without text leaves the window text as it is.
void copySelectionToText(HWND combo) {
    const LRESULT selected = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    if (selected < 0) return;
    const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(selected), 0);
    if (length < 0) return;
    std::string text(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(text.data()));
    SendMessageA(combo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void registerComboBox(int index, HWND combo) {
    if (isRegistered(record(index).comboBoxes, combo)) return;
    copySelectionToText(combo);
    registerControl(index, &WindowRecord::comboBoxes, combo, comboSkinProc);
    HWND field = FindWindowExA(combo, nullptr, "Edit", nullptr);
    if (field && transparentLists()) registerEdit(index, field, false);
}

}  // namespace

void skinEditsAndComboBoxes(int index, HWND parent) {
    if (!controlSkinningEnabled() || !validIndex(index) || !parent) return;
    for (HWND edit : win::children(parent, "Edit")) registerEdit(index, edit, true);
    for (HWND combo : win::children(parent, "ComboBox")) registerComboBox(index, combo);
}

// ---- Edit skin procedure ---------------------------------------------------------------------

namespace {

using EditRef = ControlRef<EditItem>;

LRESULT forward(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) { return forwardToPrevious(hwnd, msg, wp, lp); }

// The edit is the one last drawn hot.
bool isHotEdit(const EditRef& ref) {
    const WindowRecord& r = ref.record;
    return r.hotSlot == ref.slot && r.hotKindCode == kEditKind && r.hotParent == GetParent(ref.item.hwnd);
}

void repaintFrame(const EditRef& ref) { paintEditFrame(ref.item.hwnd, std::nullopt, isHotEdit(ref)); }

bool liveBar(const EditRef& ref, bool vertical) {
    return ref.item.covers.cover(vertical) && (win::style(ref.item.hwnd) & (vertical ? WS_VSCROLL : WS_HSCROLL));
}

void invalidateWhenVeiled(HWND hwnd) {
    if (transparentLists()) InvalidateRect(hwnd, nullptr, TRUE);
}

void invalidateWhenVeiledWithoutBars(HWND hwnd) {
    if (transparentLists() && !hasScrollStyle(hwnd)) InvalidateRect(hwnd, nullptr, TRUE);
}

void trackEditHover(HWND hwnd, const EditRef& ref) {
    TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, hwnd, 0};
    TrackMouseEvent(&tme);
    WindowRecord& r = ref.record;
    r.pointedSlot = ref.slot;
    const HWND parent = GetParent(hwnd);
    if (r.hotSlot == r.pointedSlot && r.hotKindCode == kEditKind && r.hotParent == parent) return;
    paintEditFrame(hwnd, std::nullopt, true);
    r.hotSlot = r.pointedSlot;
    r.hotKindCode = kEditKind;
    r.hotParent = parent;
}

void onEditMouseMove(HWND hwnd, const EditRef& ref) {
    trackEditHover(hwnd, ref);
    if (!ref.item.pressed) return;
    if (!hasScrollStyle(hwnd)) InvalidateRect(hwnd, nullptr, TRUE);
    repaintLiveBars(hwnd);
}

void onEditNcMouseMove(HWND hwnd, const EditRef& ref, LPARAM lp) {
    for (bool vertical : {true, false})
        if (liveBar(ref, vertical)) paintScrollOverlay(hwnd, vertical, scrollOverlayPartAt(hwnd, vertical, lp));
}

LRESULT onEditNcPaint(HWND hwnd, const EditRef& ref, LPARAM lp) {
    repaintFrame(ref);
    if (hasScrollStyle(hwnd)) repaintLiveBars(hwnd);
    // The frame is painted; the default handling with this region draws
    // nothing over it.
    return DefWindowProcA(hwnd, WM_NCPAINT, static_cast<WPARAM>(0xFFFFFFFF), lp);
}

// The veiled backdrop drawn by the erase is the picture of the brush the
// colour answer of the same paint hands out: it is made once, for both.
LRESULT onEditErase(HWND hwnd, EditItem& item, WPARAM wp, LPARAM lp) {
    if (!transparentLists()) return forward(hwnd, WM_ERASEBKGND, wp, lp);
    const auto dc = reinterpret_cast<HDC>(wp);
    SetBkMode(dc, TRANSPARENT);
    const HBITMAP bitmap = replaceHandedOutBrush(hwnd);
    if (!bitmap) return 1;
    BITMAP info{};
    GetObjectA(bitmap, sizeof info, &info);
    win::OwnedMemoryDc source(CreateCompatibleDC(nullptr));
    win::SelectedObject selected(source.get(), bitmap);
    BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, source.get(), 0, 0, SRCCOPY);
    item.brushFresh = true;
    return 1;
}

LRESULT onEditPaint(HWND hwnd, const EditRef& ref, WPARAM wp, LPARAM lp) {
    repaintFrame(ref);
    ref.item.brushFresh = false;
    const LRESULT result = forward(hwnd, WM_PAINT, wp, lp);
    if (auto again = controlRefOf(hwnd, &WindowRecord::edits)) again->item.brushFresh = false;
    return result;
}

void onEditSetFocus(const EditRef& ref) { ref.item.focused = true; }

void onEditKillFocus(HWND hwnd, const EditRef& ref) {
    ref.item.focused = false;
    if (win::isClass(GetParent(hwnd), "ComboBox")) paintEditFrame(hwnd, std::nullopt, false);
    else InvalidateRect(hwnd, nullptr, TRUE);
}

void onEditShow(HWND hwnd, WPARAM shown) {
    syncScrollOverlays(hwnd);
    if (win::prop<int>(hwnd, keys::kOwnVeil) == 1)
        ShowWindow(win::prop<HWND>(hwnd, keys::kCompanionWindow), shown >= 1 ? SW_SHOWNA : SW_HIDE);
}

// A scroll message: the control scrolls first, then its cover shows where.
LRESULT onEditScroll(HWND hwnd, const EditRef& ref, UINT msg, WPARAM wp, LPARAM lp) {
    invalidateWhenVeiled(hwnd);
    const LRESULT result = forward(hwnd, msg, wp, lp);
    const bool vertical = msg == WM_VSCROLL;
    if (liveBar(ref, vertical)) paintScrollOverlay(hwnd, vertical, kScrollTrack);
    return result;
}

// Messages after which the control may have scrolled: the covers are
// repainted once it has.
LRESULT forwardThenRepaintBars(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    const LRESULT result = forward(hwnd, msg, wp, lp);
    repaintLiveBars(hwnd);
    return result;
}

// Focus comes with a click or a key: the focus outline shows at once.
LRESULT forwardThenShowFocus(HWND hwnd, WPARAM wp, LPARAM lp) {
    const LRESULT result = forward(hwnd, WM_SETFOCUS, wp, lp);
    if (auto again = controlRefOf(hwnd, &WindowRecord::edits)) repaintFrame(*again);
    return result;
}

void onEditDestroy(HWND hwnd) {
    deleteHandedOutBrush(hwnd);
    forgetKeptPaints(hwnd);
}

}  // namespace

LRESULT CALLBACK editSkinProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto found = controlRefOf(hwnd, &WindowRecord::edits);
    if (!found) return forward(hwnd, msg, wp, lp);
    const EditRef& ref = *found;
    EditItem& item = ref.item;
    // clang-format off
    switch (msg) {
    case WM_DESTROY:          onEditDestroy(hwnd); break;
    case WM_MOVE:             invalidateWhenVeiled(hwnd); syncScrollOverlays(hwnd); break;
    case WM_SETFOCUS:         onEditSetFocus(ref); return forwardThenShowFocus(hwnd, wp, lp);
    case WM_KILLFOCUS:        onEditKillFocus(hwnd, ref); break;
    case WM_SETTEXT:          return forwardThenRepaintBars(hwnd, msg, wp, lp);
    case WM_PAINT:            return onEditPaint(hwnd, ref, wp, lp);
    case WM_ERASEBKGND:       return onEditErase(hwnd, item, wp, lp);
    case WM_SHOWWINDOW:       onEditShow(hwnd, wp); break;
    case WM_GETMINMAXINFO:
    case WM_WINDOWPOSCHANGED: syncScrollOverlays(hwnd); break;
    case WM_WINDOWPOSCHANGING: markContainerForRedraw(hwnd); break;
    case WM_NCPAINT:          return onEditNcPaint(hwnd, ref, lp);
    case WM_NCMOUSEMOVE:      onEditNcMouseMove(hwnd, ref, lp); break;
    case WM_NCLBUTTONDOWN:    repaintLiveBars(hwnd); break;
    case WM_KEYDOWN:          invalidateWhenVeiledWithoutBars(hwnd); return forwardThenRepaintBars(hwnd, msg, wp, lp);
    case WM_HSCROLL:
    case WM_VSCROLL:          return onEditScroll(hwnd, ref, msg, wp, lp);
    case WM_MOUSEMOVE:        onEditMouseMove(hwnd, ref); break;
    case WM_LBUTTONDOWN:      item.pressed = true; invalidateWhenVeiledWithoutBars(hwnd); break;
    case WM_LBUTTONUP:        item.pressed = false; break;
    case WM_MOUSEWHEEL:       return forwardThenRepaintBars(hwnd, msg, wp, lp);
    case WM_MOUSELEAVE:       leaveHot(ref.record); paintEditFrame(hwnd, std::nullopt, false); break;
    default:                  break;
    }
    // clang-format on
    return forward(hwnd, msg, wp, lp);
}

// ---- Combo box skin procedure ----------------------------------------------------------------

namespace {

using ComboRef = ControlRef<ComboItem>;

bool isHotCombo(const ComboRef& ref) {
    return ref.record.hotSlot == ref.slot && ref.record.hotKindCode == kComboBoxKind;
}

void repaintCombo(const ComboRef& ref, std::optional<bool> focused = std::nullopt) {
    paintComboBox(ref.windowIndex, ref.slot, isHotCombo(ref), focused);
}

void onComboSetFocus(const ComboRef& ref) {
    ref.item.focused = true;
    repaintCombo(ref, true);
}

LRESULT onComboPaint(HWND hwnd, const ComboRef& ref, WPARAM wp, LPARAM lp) {
    {
        win::PaintDc paint(hwnd);
        repaintCombo(ref);
    }
    // The native combo box never paints its client area.
    return DefWindowProcA(hwnd, WM_PAINT, wp, lp);
}

LRESULT onComboNcPaint(HWND hwnd, const ComboRef& ref, LPARAM lp) {
    repaintCombo(ref);
    return DefWindowProcA(hwnd, WM_NCPAINT, static_cast<WPARAM>(0xFFFFFFFF), lp);
}

void onComboSetText(HWND hwnd) {
    if (FindWindowExA(hwnd, nullptr, "Edit", nullptr)) InvalidateRect(hwnd, nullptr, TRUE);
}

// The combo box's own edit field scrolled or changed.
void onComboCommand(WPARAM wp, LPARAM lp) {
    const auto field = reinterpret_cast<HWND>(lp);
    if (!field || !transparentLists() || !controlSkinningEnabled() || !win::isClass(field, "Edit")) return;
    if (repaintsOnCommand("Edit", HIWORD(wp))) InvalidateRect(field, nullptr, TRUE);
}

LRESULT onComboControlColour(HWND hwnd, WPARAM wp, LPARAM lp) {
    if (!transparentLists()) return forward(hwnd, WM_CTLCOLOREDIT, wp, lp);
    return reinterpret_cast<LRESULT>(answerWithVeiledBrush(reinterpret_cast<HWND>(lp), reinterpret_cast<HDC>(wp)));
}

void trackComboHover(HWND hwnd, const ComboRef& ref) {
    TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, hwnd, 0};
    TrackMouseEvent(&tme);
    if (pointAt(ref.record, ref.slot, kComboBoxKind)) paintComboBox(ref.windowIndex, ref.slot, true, std::nullopt);
}

void onComboMouseLeave(const ComboRef& ref) {
    paintComboBox(ref.windowIndex, ref.slot, false, std::nullopt);
    leaveHot(ref.record);
}

}  // namespace

LRESULT CALLBACK comboSkinProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto found = controlRefOf(hwnd, &WindowRecord::comboBoxes);
    if (!found) return forward(hwnd, msg, wp, lp);
    const ComboRef& ref = *found;
    // clang-format off
    switch (msg) {
    case WM_DESTROY:           forgetKeptPaints(hwnd); break;
    case WM_MOVE:              repaintCombo(ref); break;
    case WM_SETFOCUS:          onComboSetFocus(ref); break;
    case WM_KILLFOCUS:         ref.item.focused = false; break;
    case WM_SETTEXT:           onComboSetText(hwnd); break;
    case WM_PAINT:             return onComboPaint(hwnd, ref, wp, lp);
    case WM_ERASEBKGND:        SetBkMode(reinterpret_cast<HDC>(wp), TRANSPARENT); return 1;
    case WM_WINDOWPOSCHANGING: markContainerForRedraw(hwnd); break;
    case WM_NCPAINT:           return onComboNcPaint(hwnd, ref, lp);
    case WM_COMMAND:           onComboCommand(wp, lp); break;
    case WM_CTLCOLOREDIT:      return onComboControlColour(hwnd, wp, lp);
    case WM_MOUSEMOVE:         trackComboHover(hwnd, ref); break;
    case WM_MOUSELEAVE:        onComboMouseLeave(ref); break;
    default:                   break;
    }
    // clang-format on
    return forward(hwnd, msg, wp, lp);
}

}  // namespace skin
