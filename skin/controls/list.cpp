#include "skin/controls/list.h"

#include <commctrl.h>

#include <algorithm>

#include "gfx/brushes.h"
#include "gfx/graphics.h"
#include "gfx/pen.h"
#include "skin/controls/backdrop.h"
#include "skin/controls/containers.h"
#include "skin/controls/dispatch.h"
#include "skin/controls/edit_combo.h"
#include "skin/controls/family.h"
#include "skin/controls/scroll_overlay.h"
#include "skin/window/memory_dc.h"
#include "skin/window/property_keys.h"
#include "skin/window/window_dc.h"
#include "skin/window/window_record.h"
#include "win/handles.h"
#include "win/props.h"
#include "win/window.h"

namespace skin {

namespace {

Argb white(int alpha) { return toArgb(0xFFFFFF, alpha); }
Argb black(int alpha) { return toArgb(0, alpha); }

bool transparentLists() { return settings().transparentLists != 0; }

// A list view's bit 0x0010 is LVS_SORTASCENDING, a drop list's LBS_OWNERDRAWFIXED:
// either leaves the control plain.
constexpr LONG kLeftPlainBit = 0x0010;

}  // namespace

// ---- Kinds (pure) ----------------------------------------------------------------------------

ListKind listKindOf(std::string_view cls) {
    if (win::sameClassName(cls, "ListBox")) return ListKind::ListBox;
    if (win::sameClassName(cls, "ComboLBox")) return ListKind::DropList;
    if (win::sameClassName(cls, "SysListView32")) return ListKind::ListView;
    if (win::sameClassName(cls, "SysTreeView32")) return ListKind::TreeView;
    if (win::sameClassName(cls, "SysIPAddress32")) return ListKind::IpAddress;
    if (win::sameClassName(cls, "SysDateTimePick32")) return ListKind::DatePicker;
    return ListKind::Other;
}

ListKind listKindOf(HWND control) { return listKindOf(win::className(control)); }

bool isOwnerDrawListBox(std::string_view cls, LONG style) {
    return win::sameClassName(cls, "ListBox") && (style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0;
}

bool isOwnerDrawListBox(HWND control) { return isOwnerDrawListBox(win::className(control), win::style(control)); }

bool hasScrollCovers(ListKind kind) {
    return kind == ListKind::ListBox || kind == ListKind::ListView || kind == ListKind::TreeView;
}

ListPaint listPaintFor(ListKind kind, bool ownerDrawn, bool veiled, bool dirty, bool restored) {
    if (!dirty) return ListPaint::FromCache;
    if (!veiled) return ListPaint::Native;
    switch (kind) {
    // A tree fills its background with its own colour, the key.  A plain list
    // box may fill its items and the space below them with the context's
    // background colour, opaque: drawn on two backgrounds, what it covered
    // tells itself apart from what it left.
    case ListKind::TreeView: return ListPaint::Keyed;
    case ListKind::ListBox: return ownerDrawn ? ListPaint::Veiled : ListPaint::OverBlackAndWhite;
    case ListKind::ListView: return restored ? ListPaint::SkipRestored : ListPaint::Veiled;
    case ListKind::DatePicker: return ListPaint::Veiled;
    default: return ListPaint::Native;
    }
}

ListErase listEraseFor(ListKind kind, bool ownerDrawn, bool veiled) {
    if (!veiled) return ListErase::Native;
    if (kind == ListKind::TreeView || kind == ListKind::ListView || (kind == ListKind::ListBox && !ownerDrawn))
        return ListErase::Transparent;
    if (kind == ListKind::DropList || kind == ListKind::ListBox) return ListErase::Native;
    return ListErase::TransparentText;
}

bool isArrowKey(WPARAM key) { return key >= VK_LEFT && key <= VK_DOWN; }
bool isNavigationKey(WPARAM key) { return key >= VK_PRIOR && key <= VK_DOWN; }

// ---- Frame -----------------------------------------------------------------------------------

bool drawsListFrame(const ListFrameLook& k) {
    return !k.dropList && k.border != 0 && k.window.cx > 0 && k.window.cy > 0;
}

ListOutline listOutlineOf(const ListFrameLook& k) {
    const float w = static_cast<float>(k.window.cx), h = static_cast<float>(k.window.cy);
    if (k.hovered && k.hoverOutline) return ListOutline{1, 1, w - 2, h - 2, 2, toArgb(k.accent, 200)};
    if (!k.hovered && !k.focused) return ListOutline{0, 0, w - 1, h - 1, 1, black(90)};
    return ListOutline{0, 0, w - 1, h - 1, 1, toArgb(k.accent, 200)};
}

void paintListFrameImage(HDC canvas, const RECT& rc, const ListFrameLook& k) {
    gfx::Graphics g = gfx::Graphics::fromHdc(canvas);
    if (!g) return;
    if (!drawsListFrame(k)) {
        g.clear(toArgb(kKeyColour));
        return;
    }
    const float w = static_cast<float>(win::width(rc)), h = static_cast<float>(win::height(rc));
    const float l = static_cast<float>(k.inner.left), t = static_cast<float>(k.inner.top);
    const float r = static_cast<float>(k.inner.right), b = static_cast<float>(k.inner.bottom);
    // The ring is filled as its four bands: a fill costs by the area it
    // spans, and a ring-shaped clip alone would leave that the whole window.
    {
        gfx::SolidBrush fill = gfx::SolidBrush::create(k.veiled ? white(k.veilAlpha) : white(255));
        for (const gfx::RectF& band : {gfx::RectF{0, 0, w, t}, gfx::RectF{0, b, w, h - b}, gfx::RectF{0, t, l, b - t},
                                       gfx::RectF{r, t, w - r, b - t}})
            if (band.width > 0 && band.height > 0) g.fillRectangle(fill, band);
    }
    if (r > l && b > t) {
        g.setClip(l, t, r - l, b - t, gfx::CombineMode::Replace);
        g.clear(toArgb(kKeyColour));
        g.resetClip();
    }
    const ListOutline o = listOutlineOf(k);
    gfx::Pen pen = gfx::Pen::create(o.colour, o.penWidth);
    g.drawRectangle(pen, o.x, o.y, o.width, o.height);
}

namespace {

ListFrameLook listFrameLookOf(HWND control, bool hovered, bool focused) {
    ListFrameLook k;
    const RECT wr = win::windowRect(control);
    k.window = SIZE{win::width(wr), win::height(wr)};
    k.inner = clientRectInWindowRect(control);
    k.border = borderKind(control);
    k.dropList = listKindOf(control) == ListKind::DropList;
    k.hovered = hovered;
    k.focused = focused;
    k.veiled = transparentLists();
    k.veilAlpha = settings().veilAlpha;
    k.hoverOutline = settings().hoverOutline != 0;
    k.accent = settings().accentColour;
    return k;
}

// Leaves the visible covers of a control out of a context of its whole
// window rectangle: they lie over its scroll bars and paint themselves.
void excludeCovers(HDC dc, HWND control, const ScrollCovers& covers) {
    const RECT wr = win::windowRect(control);
    covers.forEachWindow([&](HWND cover) {
        if (!IsWindowVisible(cover)) return;
        const RECT c = win::windowRect(cover);
        ExcludeClipRect(dc, c.left - wr.left, c.top - wr.top, c.right - wr.left, c.bottom - wr.top);
    });
}

// The frame into the composition cache around the client area, which keeps
// the client image published there; the same pixels as a copy keyed on the
// cleared client area, at the cost of a plain one.
void publishFrame(int index, HWND control, HDC canvas, const ListFrameLook& k) {
    HDC cache = record(index).caches.compositionCache;
    if (!cache) return;
    const RECT at = controlRectInWindow(control);
    ExcludeClipRect(cache, at.left + k.inner.left, at.top + k.inner.top, at.left + k.inner.right,
                    at.top + k.inner.bottom);
    BitBlt(cache, at.left, at.top, k.window.cx, k.window.cy, canvas, 0, 0, SRCCOPY);
    SelectClipRgn(cache, nullptr);
}

}  // namespace

void paintListFrame(int index, int slot, std::optional<bool> hovered, std::optional<bool> focused) {
    if (!validIndex(index)) return;
    ControlList<ListItem>& list = record(index).listLike;
    if (slot < 1 || slot > static_cast<int>(list.size())) return;
    const ListItem& item = list[static_cast<size_t>(slot) - 1];
    const HWND control = item.hwnd;
    if (!control || !IsWindow(control)) return;
    const ListFrameLook look = listFrameLookOf(control, hovered.value_or(item.hovered), focused.value_or(item.focused));
    // A frame that draws nothing would be keyed out whole: nothing reaches
    // the screen or the cache.
    if (!drawsListFrame(look)) return;
    const RECT rc{0, 0, look.window.cx, look.window.cy};
    // The pointer going in and out copies the two kept frames.
    const HBITMAP picture =
        keptOrPainted(control, rc, look, [&](HDC canvas, const RECT& r) { paintListFrameImage(canvas, r, look); });
    if (!picture) return;
    const KeptCanvas source(picture);
    win::WindowDc dc(control, true);
    if (!dc) return;
    ExcludeClipRect(dc.get(), look.inner.left, look.inner.top, look.inner.right, look.inner.bottom);
    excludeCovers(dc.get(), control, item.covers);
    BitBlt(dc.get(), 0, 0, rc.right, rc.bottom, source.get(), 0, 0, SRCCOPY);
    publishFrame(index, control, source.get(), look);
}

// ---- Client area -----------------------------------------------------------------------------

void paintListVeil(HDC canvas, const RECT& rc, Argb veil) {
    gfx::Graphics g = gfx::Graphics::fromHdc(canvas);
    if (!g) return;
    gfx::SolidBrush brush = gfx::SolidBrush::create(veil);
    g.fillRectangle(brush, static_cast<float>(rc.left), static_cast<float>(rc.top), static_cast<float>(win::width(rc)),
                    static_cast<float>(win::height(rc)));
}

HDC composeListBackground(HWND control) {
    const RECT area = clientRectInWindowRect(control);
    const int w = win::width(area), h = win::height(area);
    if (w <= 0 || h <= 0) return nullptr;
    HDC canvas = paintControlBackdrop(control, area);
    if (canvas) paintListVeil(canvas, RECT{0, 0, w, h}, veilColourOf(control));
    return canvas;
}

void keyOntoVeil(HDC veiled, HDC drawn, SIZE size) {
    TransparentBlt(veiled, 0, 0, size.cx, size.cy, drawn, 0, 0, size.cx, size.cy, kKeyColour);
}

void showOverVeil(std::uint32_t* veiled, const std::uint32_t* onBlack, const std::uint32_t* onWhite,
                  std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        std::uint32_t out = 0;
        for (int shift : {16, 8, 0}) {
            const int b = static_cast<int>((onBlack[i] >> shift) & 0xFF);
            const int w = static_cast<int>((onWhite[i] >> shift) & 0xFF);
            const int v = static_cast<int>((veiled[i] >> shift) & 0xFF);
            const int c = std::clamp(b + ((w - b) * v + 127) / 255, 0, 255);
            out |= static_cast<std::uint32_t>(c) << shift;
        }
        veiled[i] = out;
    }
}

// ---- Registration ----------------------------------------------------------------------------

namespace {

void registerList(int index, HWND control, ListKind kind) {
    if (isRegistered(record(index).listLike, control)) return;
    registerControl(index, &WindowRecord::listLike, control, listSkinProc, [&](ListItem& item) {
        if (!hasScrollCovers(kind)) return;
        // Both covers, also for a bar the control does not show yet: a list
        // view gains its bars only once it holds enough items.
        const LONG style = win::style(control);
        const bool visible = (style & WS_VISIBLE) != 0;
        item.covers.vertical = createScrollOverlay(control, true, visible && (style & WS_VSCROLL));
        item.covers.horizontal = createScrollOverlay(control, false, visible && (style & WS_HSCROLL));
    });
}

}  // namespace

void skinListControls(int index, HWND parent) {
    if (!controlSkinningEnabled() || !validIndex(index) || !parent) return;
    const bool veiled = transparentLists();
    for (HWND list : win::children(parent, "ListBox")) registerList(index, list, ListKind::ListBox);
    for (HWND combo : win::children(parent, "ComboBox")) {
        HWND drop = FindWindowExA(combo, nullptr, "ComboLBox", nullptr);
        if (drop && !(win::style(drop) & kLeftPlainBit)) registerList(index, drop, ListKind::DropList);
    }
    for (HWND view : win::children(parent, "SysListView32")) {
        if (win::style(view) & kLeftPlainBit) continue;
        if (veiled) SendMessageA(view, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(CLR_NONE));
        registerList(index, view, ListKind::ListView);
    }
    for (HWND tree : win::children(parent, "SysTreeView32")) {
        if (veiled) SendMessageA(tree, TVM_SETBKCOLOR, 0, static_cast<LPARAM>(kKeyColour));
        registerList(index, tree, ListKind::TreeView);
    }
    for (HWND ip : win::children(parent, "SysIPAddress32")) registerList(index, ip, ListKind::IpAddress);
    for (HWND date : win::children(parent, "SysDateTimePick32")) registerList(index, date, ListKind::DatePicker);
}

// ---- Skin procedure --------------------------------------------------------------------------

namespace {

using ListRef = ControlRef<ListItem>;

LRESULT forward(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) { return forwardToPrevious(hwnd, msg, wp, lp); }

void repaintFrame(const ListRef& ref) { paintListFrame(ref.windowIndex, ref.slot); }

void invalidateWhenVeiled(HWND hwnd) {
    if (transparentLists()) InvalidateRect(hwnd, nullptr, TRUE);
}

// Repaints a cover that exists over a bar the control shows.
void repaintCover(HWND hwnd, const ListItem& item, bool vertical) {
    if (item.covers.cover(vertical) && (win::style(hwnd) & (vertical ? WS_VSCROLL : WS_HSCROLL)))
        paintScrollOverlay(hwnd, vertical, kScrollTrack);
}

void repaintCovers(HWND hwnd, const ListItem& item) {
    repaintCover(hwnd, item, true);
    repaintCover(hwnd, item, false);
}

// The covers of the item the control's properties name now (the control may
// have been forwarded a message that changed the lists).
void repaintCoversOf(HWND hwnd) {
    if (auto again = controlRefOf(hwnd, &WindowRecord::listLike)) repaintCovers(hwnd, again->item);
}

void clearDirty(HWND hwnd) {
    if (auto again = controlRefOf(hwnd, &WindowRecord::listLike)) again->item.dirty = false;
}

// A canvas all of one colour, which is also its background colour, for a
// control to draw its items on.
Canvas filledCanvas(SIZE size, COLORREF key) {
    Canvas canvas(newMemoryCanvas(size.cx, size.cy));
    if (!canvas) return canvas;
    win::OwnedBrush brush(CreateSolidBrush(key));
    const RECT all{0, 0, size.cx, size.cy};
    FillRect(canvas.get(), &all, brush.get());
    SetBkColor(canvas.get(), key);
    return canvas;
}

// The control draws its items on the key colour into a canvas, which is then
// keyed onto the veiled backdrop.
LRESULT paintKeyed(HWND hwnd, WPARAM wp, LPARAM lp) {
    const RECT area = clientRectInWindowRect(hwnd);
    const SIZE size{win::width(area), win::height(area)};
    if (size.cx > 0 && size.cy > 0) {
        Canvas drawn = filledCanvas(size, kKeyColour);
        if (drawn) forward(hwnd, WM_PAINT, reinterpret_cast<WPARAM>(drawn.get()), 0);
        Canvas veiled(composeListBackground(hwnd));
        if (drawn && veiled) {
            keyOntoVeil(veiled.get(), drawn.get(), size);
            {
                win::WindowDc dc = getWindowDcExcludingChildren(hwnd);
                BitBlt(dc.get(), 0, 0, size.cx, size.cy, veiled.get(), 0, 0, SRCCOPY);
            }
            publishControlImage(hwnd, veiled.get(), false, false);
        }
    }
    clearDirty(hwnd);
    return DefWindowProcA(hwnd, WM_PAINT, wp, lp);
}

// The 32-bit pixels of a registered canvas.
std::uint32_t* canvasPixels(HDC canvas) {
    DIBSECTION dib{};
    if (!GetObjectA(GetCurrentObject(canvas, OBJ_BITMAP), sizeof dib, &dib) || dib.dsBm.bmBitsPixel != 32)
        return nullptr;
    return static_cast<std::uint32_t*>(dib.dsBm.bmBits);
}

// The control draws its items once on black and once on white; the two
// images together show them over the veiled backdrop.
LRESULT paintOverBlackAndWhite(HWND hwnd, WPARAM wp, LPARAM lp) {
    const SIZE size = win::clientSize(hwnd);
    if (size.cx > 0 && size.cy > 0) {
        Canvas onBlack = filledCanvas(size, RGB(0, 0, 0));
        Canvas onWhite = filledCanvas(size, RGB(255, 255, 255));
        Canvas veiled(composeListBackground(hwnd));
        for (HDC canvas : {onBlack.get(), onWhite.get()})
            if (canvas) forward(hwnd, WM_PAINT, reinterpret_cast<WPARAM>(canvas), 0);
        GdiFlush();
        std::uint32_t* out = veiled ? canvasPixels(veiled.get()) : nullptr;
        const std::uint32_t* black = onBlack ? canvasPixels(onBlack.get()) : nullptr;
        const std::uint32_t* white = onWhite ? canvasPixels(onWhite.get()) : nullptr;
        const RECT area = clientRectInWindowRect(hwnd);
        if (out && black && white && win::width(area) == size.cx && win::height(area) == size.cy) {
            showOverVeil(out, black, white, static_cast<std::size_t>(size.cx) * static_cast<std::size_t>(size.cy));
            {
                win::WindowDc dc = getWindowDcExcludingChildren(hwnd);
                BitBlt(dc.get(), 0, 0, size.cx, size.cy, veiled.get(), 0, 0, SRCCOPY);
            }
            publishControlImage(hwnd, veiled.get(), false, false);
        }
    }
    clearDirty(hwnd);
    return DefWindowProcA(hwnd, WM_PAINT, wp, lp);
}

// The control draws its items straight over the veiled backdrop.
LRESULT paintVeiled(HWND hwnd) {
    {
        Canvas veiled(composeListBackground(hwnd));
        win::PaintDc paint(hwnd);
        if (veiled) {
            // Text cells keep the veil behind them.
            SetBkMode(veiled.get(), TRANSPARENT);
            forward(hwnd, WM_PAINT, reinterpret_cast<WPARAM>(veiled.get()), 0);
            const SIZE size = win::clientSize(hwnd);
            BitBlt(paint.get(), 0, 0, size.cx, size.cy, veiled.get(), 0, 0, SRCCOPY);
            publishControlImage(hwnd, veiled.get(), false, false);
        }
    }
    // A list view's header draws itself over the list again.
    for (HWND child : win::children(hwnd))
        if (IsWindowVisible(child)) InvalidateRect(child, nullptr, TRUE);
    clearDirty(hwnd);
    return DefWindowProcA(hwnd, WM_PAINT, 0, 0);
}

LRESULT onListPaint(HWND hwnd, const ListRef& ref, WPARAM wp, LPARAM lp) {
    syncScrollOverlays(hwnd);
    repaintFrame(ref);
    ListItem& item = ref.item;
    if (!ref.record.movingFlag || item.mouseTracked) item.dirty = true;
    switch (listPaintFor(listKindOf(hwnd), isOwnerDrawListBox(hwnd), transparentLists(), item.dirty,
                         ref.record.restoredFlag)) {
    case ListPaint::FromCache:
        paintControlFromCache(hwnd, false, nullptr, false);
        return DefWindowProcA(hwnd, WM_PAINT, wp, lp);
    case ListPaint::Keyed: return paintKeyed(hwnd, wp, lp);
    case ListPaint::OverBlackAndWhite: return paintOverBlackAndWhite(hwnd, wp, lp);
    case ListPaint::Veiled: return paintVeiled(hwnd);
    // The window repaints its list views once it has been composed again.
    case ListPaint::SkipRestored: return DefWindowProcA(hwnd, WM_PAINT, wp, lp);
    case ListPaint::Native: break;
    }
    return forward(hwnd, WM_PAINT, wp, lp);
}

LRESULT onListErase(HWND hwnd, WPARAM wp, LPARAM lp) {
    const auto dc = reinterpret_cast<HDC>(wp);
    switch (listEraseFor(listKindOf(hwnd), isOwnerDrawListBox(hwnd), transparentLists())) {
    case ListErase::Transparent: SetBkMode(dc, TRANSPARENT); return 1;
    case ListErase::TransparentText:
        SetBkMode(dc, TRANSPARENT);
        return static_cast<LRESULT>(SetTextColor(dc, win::prop<COLORREF>(hwnd, keys::kTextColour)));
    case ListErase::Native: break;
    }
    return forward(hwnd, WM_ERASEBKGND, wp, lp);
}

LRESULT onListNcPaint(HWND hwnd, const ListRef& ref, WPARAM wp, LPARAM lp) {
    DefWindowProcA(hwnd, WM_NCPAINT, wp, lp);
    repaintFrame(ref);
    repaintCovers(hwnd, ref.item);
    return 0;
}

// Over a real bar the cover shows the part under the pointer lit.
void onListNcMouseMove(HWND hwnd, const ListItem& item, WPARAM hit, LPARAM lp) {
    const LONG style = win::style(hwnd);
    if (hit == HTVSCROLL && (style & WS_VSCROLL) && item.covers.vertical)
        paintScrollOverlay(hwnd, true, scrollOverlayPartAt(hwnd, true, lp));
    if (hit == HTHSCROLL && (style & WS_HSCROLL) && item.covers.horizontal)
        paintScrollOverlay(hwnd, false, scrollOverlayPartAt(hwnd, false, lp));
}

void onListNcButtonDown(HWND hwnd, const ListItem& item, WPARAM hit) {
    if (hit == HTVSCROLL) repaintCover(hwnd, item, true);
    if (hit == HTHSCROLL) repaintCover(hwnd, item, false);
}

void setFocused(const ListRef& ref, bool focused) {
    ref.item.focused = focused;
    repaintFrame(ref);
}

// A navigation key may scroll the list: the whole client area is composed
// again (a scrolled veiled image would carry its backdrop along), and the
// covers show the new position once the list has moved.
LRESULT onListKeyDown(HWND hwnd, const ListRef& ref, WPARAM key, LPARAM lp) {
    ref.item.dirty = true;
    if (isArrowKey(key)) ref.item.arrowKeyDown = true;
    if (!isNavigationKey(key)) return forward(hwnd, WM_KEYDOWN, key, lp);
    invalidateWhenVeiled(hwnd);
    const LRESULT result = forward(hwnd, WM_KEYDOWN, key, lp);
    repaintCoversOf(hwnd);
    return result;
}

void onListKeyUp(const ListRef& ref) {
    ref.item.dirty = true;
    ref.item.arrowKeyDown = false;
}

LRESULT onListScroll(HWND hwnd, const ListRef& ref, UINT msg, WPARAM wp, LPARAM lp) {
    ref.item.dirty = true;
    invalidateWhenVeiled(hwnd);
    const LRESULT result = forward(hwnd, msg, wp, lp);
    if (auto again = controlRefOf(hwnd, &WindowRecord::listLike)) repaintCover(hwnd, again->item, msg == WM_VSCROLL);
    return result;
}

LRESULT onListWheel(HWND hwnd, const ListRef& ref, WPARAM wp, LPARAM lp) {
    ref.item.dirty = true;
    invalidateWhenVeiled(hwnd);
    const LRESULT result = forward(hwnd, WM_MOUSEWHEEL, wp, lp);
    repaintCoversOf(hwnd);
    return result;
}

void trackListHover(HWND hwnd, const ListRef& ref) {
    if (!ref.item.mouseTracked) {
        TRACKMOUSEEVENT tme{sizeof tme, TME_HOVER | TME_LEAVE, hwnd, HOVER_DEFAULT};
        TrackMouseEvent(&tme);
    }
    if (!pointAt(ref.record, ref.slot, kListKind)) return;
    ref.item.hovered = true;
    paintListFrame(ref.windowIndex, ref.slot, true);
}

void leaveListHover(const ListRef& ref) {
    ref.item.mouseTracked = false;
    leaveHot(ref.record);
    ref.item.hovered = false;
    paintListFrame(ref.windowIndex, ref.slot, false);
}

void onListShape(HWND hwnd, const ListRef& ref) {
    syncScrollOverlays(hwnd);
    ref.item.dirty = true;
}

}  // namespace

LRESULT CALLBACK listSkinProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto found = controlRefOf(hwnd, &WindowRecord::listLike);
    if (!found) return forward(hwnd, msg, wp, lp);
    const ListRef& ref = *found;
    ListItem& item = ref.item;
    // clang-format off
    switch (msg) {
    case WM_MOVE:              invalidateWhenVeiled(hwnd); break;
    case WM_SHOWWINDOW:        syncScrollOverlays(hwnd); break;
    case WM_GETMINMAXINFO:
    case WM_WINDOWPOSCHANGED:  onListShape(hwnd, ref); break;
    case WM_WINDOWPOSCHANGING: markContainerForRedraw(hwnd); break;
    case WM_SETFOCUS:          setFocused(ref, true); break;
    case WM_KILLFOCUS:         setFocused(ref, false); break;
    case WM_SETTEXT:           item.dirty = true; break;
    case WM_PAINT:             return onListPaint(hwnd, ref, wp, lp);
    case WM_ERASEBKGND:        return onListErase(hwnd, wp, lp);
    case WM_NCPAINT:           return onListNcPaint(hwnd, ref, wp, lp);
    case WM_NCMOUSEMOVE:       onListNcMouseMove(hwnd, item, wp, lp); break;
    case WM_NCLBUTTONDOWN:     onListNcButtonDown(hwnd, item, wp); break;
    case WM_KEYDOWN:           return onListKeyDown(hwnd, ref, wp, lp);
    case WM_KEYUP:             onListKeyUp(ref); break;
    case WM_HSCROLL:
    case WM_VSCROLL:           return onListScroll(hwnd, ref, msg, wp, lp);
    case WM_MOUSEWHEEL:        return onListWheel(hwnd, ref, wp, lp);
    case WM_MOUSEMOVE:         trackListHover(hwnd, ref); break;
    case WM_MOUSEHOVER:        item.mouseTracked = true; break;
    case WM_MOUSELEAVE:        leaveListHover(ref); break;
    case WM_DESTROY:           forgetKeptPaints(hwnd); break;
    default:                   break;
    }
    // clang-format on
    return forward(hwnd, msg, wp, lp);
}

}  // namespace skin
