#include "skin/controls/header.h"

#include <commctrl.h>

#include "gfx/brushes.h"
#include "gfx/graphics.h"
#include "gfx/image.h"
#include "gfx/pen.h"
#include "gfx/text.h"
#include "skin/controls/containers.h"
#include "skin/controls/dispatch.h"
#include "skin/controls/family.h"
#include "win/fonts.h"
#include "win/handles.h"
#include "win/window.h"

namespace skin {

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr int kTextLength = 260;

Argb white(int alpha) { return toArgb(kWhite, alpha); }
Argb black(int alpha) { return toArgb(0, alpha); }

gfx::LinearGradientBrush downwards(float x, float top, float height, Argb from, Argb to) {
    return gfx::LinearGradientBrush::create({x, top}, {x, top + height}, from, to);
}

// The header's font; a face that cannot be found falls back to the default
// face, so that the texts never go missing.
gfx::Font headerFont(const ControlFont& font) {
    const float size = static_cast<float>(font.size > 0 ? font.size : 12);
    gfx::Font made = gfx::Font::fromFamilyName(font.face.empty() ? win::kDefaultFace : font.face, size, font.style);
    if (!made) made = gfx::Font::fromFamilyName(win::kDefaultFace, size, font.style);
    return made;
}

int measure(gfx::Graphics& g, const std::string& text, const gfx::Font& font) {
    if (text.empty() || !font) return 0;
    gfx::RectF box{};
    if (!g.measureString(text, font, gfx::RectF{0, 0, 0, 0}, box)) return 0;
    return static_cast<int>(box.width) + 1;
}

std::wstring widen(const std::string& text) {
    const int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
    return wide;
}

// The title as it fits its width on one line: whole when it does, else as
// many leading characters as fit before an ellipsis, or nothing.  Left to
// wrap, a title too long for its column would show the top of its second
// line under the first.
std::wstring fittedTitle(gfx::Graphics& g, const std::string& title, const gfx::Font& font, float width) {
    const std::wstring text = widen(title);
    gfx::StringFormat format = gfx::StringFormat::create();
    auto widthOf = [&](const std::wstring& s) {
        gfx::RectF box{};
        g.measureString(s, font, gfx::RectF{0, 0, 0, 0}, format, box);
        return box.width;
    };
    if (widthOf(text) <= width) return text;
    size_t fits = 0, tooMany = text.size();
    while (tooMany - fits > 1) {
        const size_t n = (fits + tooMany) / 2;
        if (widthOf(text.substr(0, n) + L"\u2026") <= width) fits = n;
        else tooMany = n;
    }
    std::wstring cut = text.substr(0, fits) + L"\u2026";
    return widthOf(cut) <= width ? cut : std::wstring();
}

// The column's icon from the header's current image list, as a picture of
// its own; the icon itself goes at once, whether or not it could be read.
gfx::Bitmap columnIcon(HIMAGELIST images, int image) {
    if (!images || image < 0) return {};
    win::OwnedIcon icon(ImageList_GetIcon(images, image, ILD_TRANSPARENT));
    if (!icon) return {};
    gfx::Bitmap picture = gfx::Bitmap::fromIcon(icon.get());
    if (picture && (picture.width() <= 0 || picture.height() <= 0)) return {};
    return picture;
}

// One column, with its tile's top-left corner at (ox, oy) of the canvas.
void paintColumn(gfx::Graphics& g, float ox, float oy, const HeaderColumnLook& c, const HeaderLook& look,
                 const gfx::Font& font) {
    const int W = win::width(c.rect), H = win::height(c.rect), stretched = c.stretchedRight - c.rect.left;
    if (stretched <= 0 || H <= 0) return;
    const float w = static_cast<float>(W), h = static_cast<float>(H), wide = static_cast<float>(stretched);
    g.setClip(ox, oy, wide, h, gfx::CombineMode::Replace);

    g.fillRectangle(gfx::SolidBrush::create(look.tile), ox, oy, wide, h);
    const auto [faceFrom, faceTo] = headerFaceGradient(look.buttonStyle, look.accent);
    g.fillRectangle(downwards(ox, oy, h, faceFrom, faceTo), ox, oy, wide, h);
    if (W > 0) {
        if (c.hot) g.fillRectangle(downwards(ox, oy, h, toArgb(look.accent, 60), black(30)), ox, oy, w, h);
        if (c.pressed) g.fillRectangle(downwards(ox, oy, h, black(30), white(120)), ox, oy, w, h);
        gfx::Pen divider = gfx::Pen::fromBrush(downwards(ox + w - 1, oy, h, black(60), white(50)), 1);
        g.drawLine(divider, ox + w - 1, oy, ox + w - 1, oy + h);

        const gfx::Bitmap picture = columnIcon(c.iconList, c.iconImage);
        const SIZE icon = picture ? SIZE{picture.width(), picture.height()} : SIZE{0, 0};
        const HeaderItemLayout at = headerItemLayout(c.format, SIZE{W, H}, icon, look.margin, measure(g, c.text, font));
        if (icon.cx > 0) g.drawImage(picture, ox + static_cast<float>(at.x), oy + at.iconTop);
        if (!c.text.empty() && font && win::width(at.text) > 0) {
            gfx::StringFormat format = gfx::StringFormat::create();
            const gfx::RectF box{ox + static_cast<float>(at.text.left), oy + static_cast<float>(at.text.top),
                                 static_cast<float>(win::width(at.text)), static_cast<float>(win::height(at.text))};
            const std::wstring title = fittedTitle(g, c.text, font, box.width);
            if (!title.empty()) g.drawString(title, font, gfx::SolidBrush::create(black(255)), box, format);
        }
    }
    g.resetClip();
}

// ---- Reading a header ------------------------------------------------------------------

using HeaderRef = ControlRef<HeaderItem>;

std::optional<HeaderRef> headerRefOf(HWND header) { return controlRefOf(header, &WindowRecord::headers); }

RECT columnRect(const ControlQuery& ask, int i) {
    RECT r{};
    ask(HDM_GETITEMRECT, static_cast<WPARAM>(i), &r);
    return r;
}

int columnCount(const ControlQuery& ask) {
    const auto n = static_cast<int>(ask(HDM_GETITEMCOUNT));
    return n > 0 ? n : 0;
}

std::vector<RECT> columnRects(const ControlQuery& ask) {
    std::vector<RECT> rects;
    for (int i = 0, n = columnCount(ask); i < n; ++i) rects.push_back(columnRect(ask, i));
    return rects;
}

// The list view's client width when the header is a list view's: its last
// column reaches that far.
int listViewRightEdge(HWND header) {
    HWND parent = GetParent(header);
    if (!parent || !win::isClass(parent, WC_LISTVIEWA)) return 0;
    return win::width(win::clientRect(parent));
}

// ---- The skin procedure's handlers ------------------------------------------------------

// The pointer moved over the header.  A new hot column is drawn unless the
// left button is held; on a divider or past the last column nothing is hot,
// and the header is drawn plain.
void trackHeaderHover(HWND hwnd, HeaderRef& ref, LPARAM lp) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd, 0};
    TrackMouseEvent(&track);
    WindowRecord& r = ref.record;
    HeaderItem& item = ref.item;
    r.pointedSlot = ref.slot;
    item.hovered = true;
    const std::vector<RECT> columns = columnRects(ControlQuery(item));
    item.hotItem = headerItemAt(columns, win::mouseX(lp));
    r.hotKindCode = kHeaderKind;
    if (item.hotItem != item.drawnHotItem && item.hotItem >= 1 && !item.pressing) {
        paintHeader(hwnd);
        item.drawnHotItem = item.hotItem;
    } else if (item.hotItem == 0) {
        item.drawnHotItem = 0;
        item.hovered = false;
        paintHeader(hwnd);
    }
    r.hotSlot = r.pointedSlot;
}

void leaveHeaderHover(HWND hwnd, HeaderRef& ref) {
    leaveHot(ref.record);
    ref.item.drawnHotItem = ref.item.hotItem = 0;
    ref.item.hovered = false;
    paintHeader(hwnd);
}

void pressHeader(HeaderItem& item) {
    item.pressing = true;
    if (item.hotItem >= 1) item.pressedItem = item.hotItem;
}

void releaseHeader(HeaderItem& item) {
    item.pressing = false;
    item.pressedItem = 0;
}

LRESULT paintAndValidate(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    {
        win::PaintDc dc(hwnd);
        paintHeader(hwnd, dc.get());
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

void registerHeader(int index, HWND header) {
    if (isRegistered(record(index).headers, header)) return;
    registerControl(index, &WindowRecord::headers, header, headerSkinProc, [&](HeaderItem& item) {
        item.buttonStyle = (win::style(header) & HDS_BUTTONS) != 0;
        // A header without a font of its own draws in the default face.
        const ControlFont font = queryControlFont(header);
        item.fontFace = font.face;
        item.fontSize = font.size;
        item.fontStyle = font.style;
    });
}

}  // namespace

// ---- Registration ---------------------------------------------------------------------------

void skinHeaders(int index, HWND parent) {
    if (!controlSkinningEnabled() || !validIndex(index)) return;
    for (HWND header : win::children(parent, WC_HEADERA)) registerHeader(index, header);
    for (HWND list : win::children(parent, WC_LISTVIEWA))
        if (HWND header = FindWindowExA(list, nullptr, WC_HEADERA, nullptr)) registerHeader(index, header);
}

// ---- Layout ------------------------------------------------------------------------------------

int headerItemAt(std::span<const RECT> columns, int x) {
    for (size_t i = 0; i < columns.size(); ++i)
        if (columns[i].left + kDividerZone <= x && x <= columns[i].right - kDividerZone) return static_cast<int>(i) + 1;
    return 0;
}

HeaderItemLayout headerItemLayout(int format, SIZE column, SIZE icon, int margin, int textWidth) {
    const int W = column.cx, H = column.cy, iw = icon.cx;
    const bool overflows = iw + margin + textWidth >= W;
    int x = margin;
    if (format & HDF_RIGHT) x = overflows ? margin : W - iw - textWidth;
    else if (format & HDF_CENTER) x = overflows ? margin : (W - iw - margin - textWidth) / 2;
    HeaderItemLayout layout;
    layout.x = x;
    layout.iconTop = static_cast<float>(H - icon.cy) / 2;
    layout.text = RECT{x + iw, 0, x + iw + (W - iw - 2 * margin), H};
    return layout;
}

int measureTextWidth(const std::string& text, const ControlFont& font) {
    if (text.empty()) return 0;
    win::OwnedMemoryDc dc(CreateCompatibleDC(nullptr));
    gfx::Graphics g = gfx::Graphics::fromHdc(dc.get());
    return measure(g, text, headerFont(font));
}

// ---- Looks ---------------------------------------------------------------------------------------

std::pair<Argb, Argb> headerFaceGradient(bool buttonStyle, COLORREF accent) {
    if (buttonStyle) return {white(80), toArgb(accent, 120)};
    return {toArgb(accent, 60), toArgb(accent, 10)};
}

HeaderLook headerLookOf(HWND header) {
    HeaderLook look;
    look.accent = settings().accentColour;
    look.tile = settings().transparentLists ? white(settings().veilAlpha) : white(255);
    const auto ref = headerRefOf(header);
    // A registered header is read past its skin procedure.
    const ControlQuery ask = ref ? ControlQuery(ref->item) : ControlQuery(header);
    look.margin = static_cast<int>(ask(HDM_GETBITMAPMARGIN));
    if (ref) {
        const HeaderItem& item = ref->item;
        look.buttonStyle = item.buttonStyle;
        look.font = ControlFont{item.fontFace, item.fontSize, item.fontStyle};
    } else {
        look.font = queryControlFont(header);
    }
    // Read when painting: the list may have changed since the header was
    // skinned, and it is not the header's to keep.
    const auto images = reinterpret_cast<HIMAGELIST>(ask(HDM_GETIMAGELIST));
    const int n = columnCount(ask);
    const int listRight = listViewRightEdge(header);
    for (int i = 1; i <= n; ++i) {
        HeaderColumnLook c;
        c.rect = columnRect(ask, i - 1);
        c.stretchedRight = i == n && listRight > c.rect.right ? listRight : c.rect.right;
        char text[kTextLength + 1] = {};
        HDITEMA asked{};
        asked.mask = HDI_WIDTH | HDI_TEXT | HDI_FORMAT | HDI_LPARAM | HDI_BITMAP | HDI_IMAGE;
        asked.pszText = text;
        asked.cchTextMax = kTextLength;
        if (ask(HDM_GETITEMA, static_cast<WPARAM>(i - 1), &asked)) {
            c.format = asked.fmt;
            c.text = text;
            if (asked.fmt & HDF_IMAGE) {
                c.iconList = images;
                c.iconImage = asked.iImage;
            }
        }
        if (ref && look.buttonStyle) {
            c.hot = ref->item.hovered && i == ref->item.hotItem;
            c.pressed = i == ref->item.pressedItem;
        }
        look.columns.push_back(std::move(c));
    }
    return look;
}

// ---- Painters ---------------------------------------------------------------------------------------

void paintHeader(HDC canvas, const RECT& rc, const HeaderLook& look) {
    if (look.columns.empty()) return;
    gfx::Graphics g = gfx::Graphics::fromHdc(canvas);
    const gfx::Font font = headerFont(look.font);
    for (const HeaderColumnLook& c : look.columns)
        paintColumn(g, static_cast<float>(rc.left + c.rect.left), static_cast<float>(rc.top + c.rect.top), c, look,
                    font);
}

void paintHeader(HWND header, HDC dc) {
    const RECT client = win::clientRect(header);
    const int w = win::width(client), h = win::height(client);
    if (w <= 0 || h <= 0) return;
    const HeaderLook look = headerLookOf(header);
    // A column going hot and plain again copies the two kept pictures.
    const HBITMAP picture =
        keptOrPainted(header, client, look, [&](HDC canvas, const RECT& r) { paintHeader(canvas, r, look); });
    if (!picture) return;
    const KeptCanvas source(picture);
    // The image composed here is what the window's composite image gets, not
    // whatever the screen shows at the header's place.
    publishControlImage(header, source.get(), false, false);
    win::WindowDc own;
    if (!dc) {
        own = win::WindowDc(header);
        dc = own.get();
    }
    BitBlt(dc, 0, 0, w, h, source.get(), 0, 0, SRCCOPY);
}

// ---- Skin procedure -------------------------------------------------------------------------------------

LRESULT CALLBACK headerSkinProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto ref = headerRefOf(hwnd);
    if (!ref) return forwardToPrevious(hwnd, msg, wp, lp);
    HeaderItem& item = ref->item;
    // clang-format off
    switch (msg) {
    case WM_MOVE:              paintHeader(hwnd); break;
    case WM_PAINT:             return paintAndValidate(hwnd, msg, wp, lp);
    case WM_ERASEBKGND:        SetBkMode(reinterpret_cast<HDC>(wp), TRANSPARENT); return 1;
    case WM_WINDOWPOSCHANGING: markContainerForRedraw(hwnd); break;
    case WM_MOUSEMOVE:         trackHeaderHover(hwnd, *ref, lp); break;
    case WM_LBUTTONDOWN:       pressHeader(item); break;
    case WM_LBUTTONUP:         releaseHeader(item); break;
    // The press ends with the mouse: capture lost without a release.
    case WM_CAPTURECHANGED:    if (reinterpret_cast<HWND>(lp) != hwnd) releaseHeader(item); break;
    case WM_MOUSELEAVE:        leaveHeaderHover(hwnd, *ref); break;
    case WM_DESTROY:           forgetKeptPaints(hwnd); break;
    default:                   break;
    }
    // clang-format on
    return forwardToPrevious(hwnd, msg, wp, lp);
}

}  // namespace skin
