#include "skin/controls/toolbar.h"

#include <cmath>
#include <vector>

#include "gfx/brushes.h"
#include "gfx/graphics.h"
#include "gfx/image.h"
#include "gfx/path.h"
#include "gfx/pen.h"
#include "gfx/text.h"
#include "skin/controls/containers.h"
#include "skin/controls/dispatch.h"
#include "skin/controls/family.h"
#include "skin/controls/scroll_overlay.h"
#include "skin/window/colour.h"
#include "skin/window/primitives.h"
#include "skin/window/property_keys.h"
#include "skin/window/window_dc.h"
#include "win/handles.h"
#include "win/props.h"
#include "win/window.h"

namespace skin {

namespace {

constexpr float kCornerDiameter = 5;
constexpr Argb kShade = 0x64000000;       // the dark half of rims and etched lines
constexpr Argb kGleam = 0x96FFFFFF;       // the light half of etched lines
constexpr Argb kRimGleam = 0x3CFFFFFF;    // the inner rim
constexpr Argb kWhiteWash = 0x64FFFFFF;   // under a checked or hot highlight
constexpr Argb kPressedTop = 0x3C000000;  // a pressed button darkens towards its top
constexpr COLORREF kGreyedText = 0x808080;
constexpr int kDropSplit = 12;  // a drop-down's arrow part, right of its split line
constexpr int kDropShift = 10;  // an enabled drop-down's icon sits this much left of centre, doubled
constexpr int kMeasureTrailingSpaces = 0x0800;
constexpr int kNewRowLeft = 9;

// ---- Registration -------------------------------------------------------------------

std::optional<ControlRef<ToolbarItem>> toolbarRefOf(HWND toolbar) {
    return controlRefOf(toolbar, &WindowRecord::toolbars, true);
}

LRESULT forward(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) { return forwardToPrevious(hwnd, msg, wp, lp, true); }

HIMAGELIST imageListOf(HWND toolbar) {
    return reinterpret_cast<HIMAGELIST>(SendMessageA(toolbar, TB_GETIMAGELIST, 0, 0));
}

// ---- Drawing helpers -------------------------------------------------------------------

gfx::GraphicsPath roundRectPath(float x, float y, float w, float h) {
    gfx::GraphicsPath path = gfx::GraphicsPath::create();
    addRoundRect(path, x, y, w, h, kCornerDiameter);
    return path;
}

void fill(gfx::Graphics& g, const gfx::GraphicsPath& path, Argb colour) {
    g.fillPath(gfx::SolidBrush::create(colour), path);
}

void line(gfx::Graphics& g, Argb colour, float x1, float y1, float x2, float y2) {
    g.drawLine(gfx::Pen::create(colour, 1), x1, y1, x2, y2);
}

// A glow from the rim inwards: the surround colour at the edge, the centre
// colour over the focus area the scales leave in the middle.
void fillGlow(gfx::Graphics& g, const gfx::GraphicsPath& path, float xScale, float yScale, Argb centre, Argb surround) {
    gfx::PathGradientBrush brush = gfx::PathGradientBrush::fromPath(path);
    brush.setCenterColour(centre);
    brush.setSurroundColours(std::span(&surround, 1));
    brush.setFocusScales(xScale, yScale);
    g.fillPath(brush, path);
}

void drawHighlight(gfx::Graphics& g, const ToolbarButtonLook& k, ToolbarHighlight highlight) {
    const float x = static_cast<float>(k.rect.left), y = static_cast<float>(k.rect.top);
    const float w = static_cast<float>(win::width(k.rect)), h = static_cast<float>(win::height(k.rect));
    const gfx::GraphicsPath face = roundRectPath(x, y, w, h);
    switch (highlight) {
    case ToolbarHighlight::Pressed:
        g.fillPath(gfx::LinearGradientBrush::create({x, y}, {x, y + h}, kPressedTop, kWhiteWash), face);
        break;
    case ToolbarHighlight::Checked:
        fill(g, face, kWhiteWash);
        fill(g, face, toArgb(k.accent, 16));
        fillGlow(g, face, (w - 4) / w, (h - 4) / h, kWhiteWash, toArgb(k.accent, 80));
        break;
    case ToolbarHighlight::Hot:
        fill(g, face, kWhiteWash);
        fill(g, face, toArgb(k.accent, 10));
        fillGlow(g, face, (w - 4) / w, (h - 6) / h, 0x0AFFFFFF, toArgb(k.accent, 60));
        break;
    case ToolbarHighlight::None: return;
    }
    if (isSeparator(k.style)) return;
    g.drawPath(gfx::Pen::create(kShade, 1), face);
    g.drawPath(gfx::Pen::create(kRimGleam, 1), roundRectPath(x + 1, y + 1, w - 2, h - 2));
    if (isDropDown(k.style)) {
        const float split = x + w - kDropSplit;
        line(g, kShade, split, y + 3, split, y + h - 3);
        line(g, kGleam, split + 1, y + 3, split + 1, y + h - 3);
    }
}

// An etched line: dark, with a light one beside it (below a horizontal
// line, right of a vertical one).
void drawSeparator(gfx::Graphics& g, const ToolbarButtonLook& k) {
    const int left = k.rect.left, top = k.rect.top, w = win::width(k.rect), h = win::height(k.rect);
    if (startsNewRow(left, k.index)) {
        const float y = static_cast<float>(top + h - 5);
        const float from = static_cast<float>(left + 3), to = static_cast<float>(left + k.toolbarWidth - 6);
        line(g, kShade, from, y, to, y);
        line(g, kGleam, from, y + 1, to, y + 1);
    } else {
        const float x = static_cast<float>(left + (w - 2) / 2);
        const float from = static_cast<float>(top + 3), to = static_cast<float>(top + h - 3);
        line(g, kShade, x, from, x, to);
        line(g, kGleam, x + 1, from, x + 1, to);
    }
}

gfx::Font captionFont(const ControlFont& f) {
    return gfx::Font::fromFamilyName(f.face, static_cast<float>(f.size), f.style);
}

void drawCaption(HDC canvas, const ToolbarButtonLook& k, const gfx::RectF& layout, bool greyed,
                 const gfx::Font* given) {
    gfx::Graphics g = gfx::Graphics::fromHdc(canvas);
    gfx::Font own;
    if (!given) own = captionFont(k.font);
    const gfx::Font& font = given ? *given : own;
    gfx::StringFormat format = gfx::StringFormat::create(kMeasureTrailingSpaces);
    format.setAlignment(gfx::StringAlignment::Center);
    format.setLineAlignment(gfx::StringAlignment::Center);
    format.setTrimming(gfx::StringTrimming::EllipsisCharacter);
    const Argb colour = toArgb(greyed ? kGreyedText : k.textColour);
    g.drawString(k.caption, font, gfx::SolidBrush::create(colour), layout, format);
}

// ---- Reading a toolbar ----------------------------------------------------------------------

// The icon of an image of a toolbar's image list, or none.
win::OwnedIcon buttonIcon(HIMAGELIST list, int image, SIZE& size) {
    size = SIZE{0, 0};
    if (!list || image < 0 || image >= ImageList_GetImageCount(list)) return {};
    win::OwnedIcon icon(ImageList_GetIcon(list, image, ILD_TRANSPARENT));
    int w = 0, h = 0;
    if (icon && ImageList_GetIconSize(list, &w, &h)) size = SIZE{w, h};
    return icon;
}

// The caption of the button with this command, read into a buffer of the
// length the toolbar reports first.
std::string captionOf(const ControlQuery& ask, int command) {
    const auto length = ask(TB_GETBUTTONTEXTA, static_cast<WPARAM>(command));
    if (length <= 0) return {};
    std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
    const auto copied = ask(TB_GETBUTTONTEXTA, static_cast<WPARAM>(command), text.data());
    if (copied <= 0) return {};
    return std::string(text.data(), static_cast<size_t>(std::min<LRESULT>(copied, length)));
}

// A button as the toolbar holds it now, with the image of the toolbar's list
// that is its icon (-1 for none).
struct ReadButton {
    ToolbarButtonLook look;
    int image = -1;
    bool operator==(const ReadButton&) const = default;
};

// What every button of a toolbar is read with: the queries past the skin
// procedure and what the buttons share.
struct ToolbarReading {
    ControlQuery ask;
    int hot = -1;  // the hot button's index
    ToolbarButtonLook shared;
};

ToolbarReading toolbarReading(const ToolbarItem& item, int hot) {
    ToolbarReading reading{ControlQuery(item), hot, {}};
    ToolbarButtonLook& shared = reading.shared;
    shared.captionsBeside = (reading.ask(TB_GETSTYLE) & TBSTYLE_LIST) != 0;
    shared.toolbarWidth = win::width(win::clientRect(item.hwnd));
    shared.font = ControlFont{item.fontFace, item.fontSize, item.fontStyle};
    shared.textColour = win::prop<COLORREF>(item.hwnd, keys::kTextColour);
    shared.accent = settings().accentColour;
    return reading;
}

// None for a hidden button, which takes no place and reads nothing more.
std::optional<ReadButton> readButton(const ToolbarReading& reading, int index) {
    TBBUTTON button{};
    if (!reading.ask(TB_GETBUTTON, static_cast<WPARAM>(index), &button)) return std::nullopt;
    if (button.fsState & TBSTATE_HIDDEN) return std::nullopt;
    ReadButton read{reading.shared, -1};
    ToolbarButtonLook& look = read.look;
    reading.ask(TB_GETITEMRECT, static_cast<WPARAM>(index), &look.rect);
    look.index = index;
    look.state = button.fsState;
    look.style = button.fsStyle;
    look.hot = index == reading.hot;
    if (showsIcon(button.fsStyle)) {
        read.image = button.iBitmap;
        look.caption = captionOf(reading.ask, button.idCommand);
    }
    return read;
}

void paintReadButton(HDC canvas, HIMAGELIST images, ReadButton button, const gfx::Font* font) {
    const win::OwnedIcon icon = buttonIcon(images, button.image, button.look.icon);
    paintToolbarButton(canvas, button.look, icon.get(), font);
}

// Every button of a toolbar as it is now, and the image list its icons come
// from: two faces that compare equal are painted alike.
struct ToolbarFace {
    HIMAGELIST images = nullptr;
    std::vector<ReadButton> buttons;
    bool operator==(const ToolbarFace&) const = default;
};

ToolbarFace toolbarFaceOf(const ToolbarItem& item) {
    const ControlQuery ask(item);
    ToolbarFace face;
    face.images = reinterpret_cast<HIMAGELIST>(ask(TB_GETIMAGELIST));
    const int count = static_cast<int>(ask(TB_BUTTONCOUNT));
    const ToolbarReading reading = toolbarReading(item, static_cast<int>(ask(TB_GETHOTITEM)));
    for (int i = 0; i < count; ++i)
        if (auto read = readButton(reading, i)) face.buttons.push_back(std::move(*read));
    return face;
}

void paintToolbarFace(HDC canvas, const ToolbarFace& face, const ControlFont& captions) {
    // Every caption is drawn in the toolbar's one font, made once per paint.
    const gfx::Font font = captionFont(captions);
    for (const ReadButton& button : face.buttons) paintReadButton(canvas, face.images, button, font ? &font : nullptr);
}

// ---- The skin procedure's handlers ------------------------------------------------------------

LRESULT onPaint(HWND hwnd, ToolbarItem& item, WPARAM wp, LPARAM lp) {
    {
        win::PaintDc paint(hwnd);
        if (item.dirty) paintToolbar(hwnd, paint.get());
        else paintControlFromCache(hwnd, true, paint.get(), false);
    }
    return DefWindowProcA(hwnd, WM_PAINT, wp, lp);
}

// The toolbar paints every pixel of its face itself.
LRESULT onErase(HWND hwnd, ToolbarItem& item, HDC dc) {
    if (!item.dirty) item.dirty = isWindowRedrawDue(hwnd, true);
    SetBkMode(dc, TRANSPARENT);
    return 1;
}

void onMouseMove(HWND hwnd, ToolbarItem& item) {
    item.dirty = true;
    if (item.mouseTracked) return;
    item.mouseTracked = true;
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd, 0};
    TrackMouseEvent(&track);
}

void onMouseLeave(ToolbarItem& item) {
    item.mouseTracked = false;
    item.dirty = true;
}

}  // namespace

// ---- Registration -------------------------------------------------------------------------

void skinToolbars(int index, HWND parent) {
    if (!validIndex(index)) return;
    for (HWND child : win::children(parent, TOOLBARCLASSNAMEA)) {
        // A second registration would keep the skin procedure as its own
        // previous procedure.
        if (const int owner = findSkinnedWindow(child); owner && isRegistered(record(owner).toolbars, child)) continue;
        win::setProp(child, keys::kControlBitmap, imageListOf(child));
        skinToolbar(child);
    }
}

void skinToolbar(HWND toolbar, std::optional<COLORREF> keyColour, int containerOption,
                 std::optional<int> containerAlpha, int option) {
    const int index = findSkinnedWindow(toolbar);
    if (!index) return;
    registerControl(
        index, &WindowRecord::toolbars, toolbar, toolbarSkinProc,
        [&](ToolbarItem& item) {
            item.dirty = win::isClass(toolbar, TOOLBARCLASSNAMEA);
            const ControlFont font = queryControlFont(toolbar);
            item.fontFace = font.face;
            item.fontSize = font.size;
            item.fontStyle = font.style;
            item.option = option;
            item.keyColour = keyColour.value_or(GetSysColor(COLOR_BTNFACE));
        },
        true);
    if (FindWindowExA(toolbar, nullptr, nullptr, nullptr))
        registerContainer(toolbar, kContainerDrawsNothing, containerOption, containerAlpha, std::nullopt);
}

bool isWindowRedrawDue(HWND window, bool toolbarKeys) {
    const int index = win::prop<int>(window, toolbarKeys ? keys::kToolbarOwnerIndex : keys::kOwnerIndex);
    if (!validIndex(index)) return false;
    const WindowRecord& r = record(index);
    return r.movingFlag ? r.sizingFlag : r.activeFlag;
}

// ---- Looks ---------------------------------------------------------------------------------

ToolbarHighlight toolbarHighlightOf(BYTE state, bool hot) {
    if (state & TBSTATE_PRESSED) return ToolbarHighlight::Pressed;
    if (state & TBSTATE_CHECKED) return ToolbarHighlight::Checked;
    return hot ? ToolbarHighlight::Hot : ToolbarHighlight::None;
}

bool highlightFits(ToolbarHighlight highlight, int width, int height) {
    switch (highlight) {
    case ToolbarHighlight::Pressed: return width > 0 && height > 0;
    case ToolbarHighlight::Checked: return width > 4 && height > 4;
    case ToolbarHighlight::Hot: return width > 4 && height > 6;
    case ToolbarHighlight::None: return false;
    }
    return false;
}

bool isSeparator(BYTE style) { return (style & BTNS_SEP) != 0; }
bool isDropDown(BYTE style) { return !isSeparator(style) && (style & (BTNS_DROPDOWN | BTNS_WHOLEDROPDOWN)) != 0; }
bool showsIcon(BYTE style) { return !isSeparator(style); }

bool isGreyed(BYTE state, BYTE style) {
    if (style & BTNS_WHOLEDROPDOWN) return (state & ~TBSTATE_INDETERMINATE) == 0;
    return (state & TBSTATE_INDETERMINATE) || !(state & TBSTATE_ENABLED);
}

bool startsNewRow(int left, int index) { return left <= kNewRowLeft && index >= 1; }

ToolbarButtonLayout layoutToolbarButton(const RECT& button, SIZE icon, BYTE style, bool greyed, bool beside) {
    const double left = button.left, top = button.top, w = win::width(button), h = win::height(button);
    const double iw = icon.cx, ih = icon.cy;
    auto whole = [](double v) { return static_cast<LONG>(std::trunc(v)); };
    ToolbarButtonLayout k;
    if (beside) {
        k.icon = POINT{whole(left + 2), whole(top + (h - ih) / 2)};
        k.caption = gfx::RectF{static_cast<float>(left + iw), static_cast<float>(top + 2), static_cast<float>(w - iw),
                               static_cast<float>(h)};
    } else {
        const double shift = isDropDown(style) && !greyed ? kDropShift : 0;
        k.icon = POINT{whole(left + (w - iw - shift) / 2), whole(top + 2)};
        k.caption = gfx::RectF{static_cast<float>(left), static_cast<float>(top + ih), static_cast<float>(w),
                               static_cast<float>(h - ih)};
    }
    if (isDropDown(style)) k.caption.width -= kDropSplit;
    k.arrow = POINT{whole(left + w - 8), whole(top + (h - 4) / 2)};
    return k;
}

COLORREF greyedPixel(COLORREF c, bool indeterminate) {
    const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
    if ((c & 0xFFFFFF) == 0 || (r == g && g == b)) return 0;
    const int v = (r + g + b) / 3;
    // The reddish grey of the brightest colours stays a colour: red stops at 255.
    return indeterminate ? RGB(std::min(v + 20, 255), v, v) : RGB(v, v, v);
}

// ---- Painters --------------------------------------------------------------------------------

void paintToolbarButton(HDC canvas, const ToolbarButtonLook& k, HICON icon, const gfx::Font* font) {
    if (k.state & TBSTATE_HIDDEN) return;
    const int w = win::width(k.rect), h = win::height(k.rect);
    const ToolbarHighlight highlight = toolbarHighlightOf(k.state, k.hot);
    {
        gfx::Graphics g = gfx::Graphics::fromHdc(canvas);
        if (highlightFits(highlight, w, h)) drawHighlight(g, k, highlight);
        if (isSeparator(k.style)) {
            drawSeparator(g, k);
            return;
        }
    }
    const bool greyed = isGreyed(k.state, k.style);
    const SIZE iconSize = icon ? k.icon : SIZE{0, 0};
    const ToolbarButtonLayout place = layoutToolbarButton(k.rect, iconSize, k.style, greyed, k.captionsBeside);
    if (icon) {
        if (greyed) drawGreyedIcon(canvas, place.icon.x, place.icon.y, icon, k.state);
        else DrawIconEx(canvas, place.icon.x, place.icon.y, icon, iconSize.cx, iconSize.cy, 0, nullptr, DI_NORMAL);
    }
    if (isDropDown(k.style)) {
        if (const gfx::Image* arrow = arrowGlyph(ArrowGlyph::Down)) {
            gfx::Graphics g = gfx::Graphics::fromHdc(canvas);
            g.drawImage(*arrow, static_cast<float>(place.arrow.x), static_cast<float>(place.arrow.y));
        }
    }
    if (!k.caption.empty()) drawCaption(canvas, k, place.caption, greyed, font);
}

void drawGreyedIcon(HDC dc, int x, int y, HICON icon, BYTE state) {
    if (!dc || !icon) return;
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return;
    const win::OwnedBitmap mask(info.hbmMask), colour(info.hbmColor);
    BITMAP shape{};
    GetObjectA(colour ? colour.get() : mask.get(), sizeof shape, &shape);
    const int w = shape.bmWidth, h = colour ? shape.bmHeight : shape.bmHeight / 2;
    if (w <= 0 || h <= 0) return;

    BITMAPINFO header{};
    header.bmiHeader.biSize = sizeof header.bmiHeader;
    header.bmiHeader.biWidth = w;
    header.bmiHeader.biHeight = -h;
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 32;
    header.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const win::OwnedBitmap picture(CreateDIBSection(nullptr, &header, DIB_RGB_COLORS, &bits, nullptr, 0));
    const win::OwnedMemoryDc memory(CreateCompatibleDC(nullptr));
    if (!picture || !memory || !bits) return;
    const win::SelectedObject selected(memory.get(), picture.get());
    DrawIconEx(memory.get(), 0, 0, icon, w, h, 0, nullptr, DI_NORMAL);
    GdiFlush();
    auto* pixels = static_cast<DWORD*>(bits);
    const bool indeterminate = (state & TBSTATE_INDETERMINATE) != 0;
    for (int i = 0; i < w * h; ++i) {
        // A DIB pixel is 0x00RRGGBB.
        const DWORD p = pixels[i];
        const COLORREF grey = greyedPixel(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF), indeterminate);
        pixels[i] =
            (static_cast<DWORD>(GetRValue(grey)) << 16) | (static_cast<DWORD>(GetGValue(grey)) << 8) | GetBValue(grey);
    }
    TransparentBlt(dc, x, y, w, h, memory.get(), 0, 0, w, h, 0);
}

// ---- Captions ----------------------------------------------------------------------------------

std::string toolbarButtonCaption(HWND toolbar, int command) { return captionOf(ControlQuery(toolbar), command); }

// ---- Painting a registered toolbar --------------------------------------------------------------

void paintToolbarButton(HWND toolbar, int index, HDC canvas, bool hot) {
    auto ref = toolbarRefOf(toolbar);
    if (!ref || !canvas) return;
    const auto read = readButton(toolbarReading(ref->item, hot ? index : -1), index);
    if (read) paintReadButton(canvas, imageListOf(toolbar), *read, nullptr);
}

void paintToolbar(HWND toolbar, HDC dc) {
    auto ref = toolbarRefOf(toolbar);
    if (!ref) return;
    const RECT q = win::clientRect(toolbar);
    const int w = win::width(q), h = win::height(q);
    if (w <= 0 || h <= 0) return;
    const ToolbarItem& item = ref->item;
    const ToolbarFace face = toolbarFaceOf(item);
    // The pointer going from one button to another and back copies the two
    // kept pictures of the toolbar.
    const HBITMAP picture = keptOrPainted(toolbar, q, face, [&](HDC canvas, const RECT&) {
        paintToolbarFace(canvas, face, ControlFont{item.fontFace, item.fontSize, item.fontStyle});
    });
    if (!picture) return;
    const KeptCanvas source(picture);
    publishControlImage(toolbar, source.get(), true, false);
    win::WindowDc own;
    if (!dc) {
        own = win::WindowDc(toolbar);
        dc = own.get();
    }
    if (dc) {
        // The children keep their own pixels; a given context keeps its clip.
        win::SavedDcState saved(dc);
        getWindowDcExcludingChildren(toolbar, dc);
        BitBlt(dc, 0, 0, w, h, source.get(), 0, 0, SRCCOPY);
    }
    ref->item.dirty = false;
}

// ---- Skin procedure -------------------------------------------------------------------------------

LRESULT CALLBACK toolbarSkinProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto ref = toolbarRefOf(hwnd);
    if (!ref) return forward(hwnd, msg, wp, lp);
    ToolbarItem& item = ref->item;
    const bool skinning = controlSkinningEnabled();
    // clang-format off
    switch (msg) {
    case WM_MOVE:              if (settings().transparentLists) InvalidateRect(hwnd, nullptr, FALSE); break;
    case WM_SIZE:              item.dirty = true; break;
    case WM_PAINT:             if (skinning) return onPaint(hwnd, item, wp, lp); break;
    case WM_ERASEBKGND:        if (skinning) return onErase(hwnd, item, reinterpret_cast<HDC>(wp)); break;
    case WM_WINDOWPOSCHANGING: markContainerForRedraw(hwnd); break;
    case WM_MOUSEMOVE:         onMouseMove(hwnd, item); break;
    case WM_LBUTTONDOWN:       item.dirty = true; break;
    case WM_MOUSELEAVE:        onMouseLeave(item); break;
    case WM_DESTROY:           forgetKeptPaints(hwnd); break;
    default:                   break;
    }
    // clang-format on
    return forward(hwnd, msg, wp, lp);
}

}  // namespace skin
