#include "picker/picker.h"

#include <commctrl.h>
#include <commdlg.h>

#include <memory>
#include <span>

#include "gfx/graphics.h"
#include "gfx/startup.h"
#include "picker/picker_layout.h"
#include "picker/picture_rules.h"
#include "picker/preview.h"
#include "win/handles.h"
#include "win/window.h"

namespace picker {

namespace {

// The "look in" folder box (cmb2) of the Explorer-style dialog.
constexpr int kFolderBox = 1137;
constexpr UINT_PTR kSubclassId = 0x504B;
static_assert(sizeof(OPENFILENAMEA) == 88, "the dialog takes the full structure");

// The nine filters, each a description and its patterns.
constexpr std::pair<const char*, const char*> kFilters[] = {
    {"所有图片文件(*.bmp;*.jpg;*.gif;*.tif;*.png;*.wmf;*.emf;*.ico)",
     "*.bmp;*.jpg;*.jpeg;*.gif;*.tif;*.tiff;*.png;*.wmf;*.emf;*.ico"},
    {"图片文件(*.bmp)", "*.bmp"},
    {"图片文件(*.jpg;*.jpeg)", "*.jpg;*.jpeg"},
    {"图片文件(*.gif)", "*.gif"},
    {"图片文件(*.tif;*.tiff)", "*.tif;*.tiff"},
    {"图片文件(*.png)", "*.png"},
    {"图片文件(*.wmf)", "*.wmf"},
    {"图片文件(*.emf)", "*.emf"},
    {"图标文件(*.ico)", "*.ico"},
};

// Every text ends in a zero byte, and one more ends the list.
std::string filterList() {
    std::string list;
    for (const auto& [description, patterns] : kFilters) {
        list.append(description).push_back('\0');
        list.append(patterns).push_back('\0');
    }
    list.push_back('\0');
    return list;
}

struct PanelControl {
    int id;
    const char* cls;
    DWORD style;
    int x, y, w, h;
    const char* caption;
};

constexpr DWORD kTextStyle = SS_LEFT | SS_CENTERIMAGE;  // left-aligned, vertically centred
// Places in the panel; the preview box lies inside the group box at (2, 15).
constexpr PanelControl kPanelControls[] = {
    {panel::选择框_预览, "BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 30, 0, 110, 16, "显示图片预览"},
    {panel::分组框1, "BUTTON", BS_GROUPBOX, 7, 24, 155, 218, "图片预览"},
    {panel::标签_图片, "STATIC", SS_LEFT, 7 + 2, 24 + 15, kPreviewWidth, kPreviewHeight, ""},
    {panel::标签1, "STATIC", kTextStyle, 16, 247, 56, 24, "文件大小:"},
    {panel::标签2, "STATIC", kTextStyle, 16, 277, 56, 24, "文件类型:"},
    {panel::标签3, "STATIC", kTextStyle, 16, 307, 56, 24, "图片宽度:"},
    {panel::标签4, "STATIC", kTextStyle, 16, 337, 56, 24, "图片高度:"},
    {panel::标签_文件大小, "STATIC", kTextStyle, 74, 247, 75, 24, ""},
    {panel::标签_文件类型, "STATIC", kTextStyle, 74, 277, 75, 24, ""},
    {panel::标签_图片宽度, "STATIC", kTextStyle, 74, 307, 75, 24, ""},
    {panel::标签_图片高度, "STATIC", kTextStyle, 74, 337, 75, 24, ""},
};

// The preview box's picture off screen: a bitmap of the box's size selected
// into a memory DC, and a Graphics drawing on it.
class PreviewSurface {
public:
    explicit PreviewSurface(HWND label) {
        win::WindowDc dc(label);
        memory_.reset(CreateCompatibleDC(dc.get()));
        bitmap_.reset(CreateCompatibleBitmap(dc.get(), kPreviewWidth, kPreviewHeight));
        if (memory_ && bitmap_) previous_ = SelectObject(memory_.get(), bitmap_.get());
        if (previous_) graphics_ = gfx::Graphics::fromHdc(memory_.get());
    }
    PreviewSurface(const PreviewSurface&) = delete;
    PreviewSurface& operator=(const PreviewSurface&) = delete;
    // The Graphics goes first, then the bitmap is selected out before its
    // owner deletes it.
    ~PreviewSurface() {
        graphics_.dispose();
        if (previous_) SelectObject(memory_.get(), previous_);
    }
    HDC dc() const { return memory_.get(); }
    gfx::Graphics& graphics() { return graphics_; }

private:
    win::OwnedMemoryDc memory_;
    win::OwnedBitmap bitmap_;
    HGDIOBJ previous_ = nullptr;
    gfx::Graphics graphics_;
};

// One dialog at a time: what the hook and the panel share while it is open.
struct Session {
    HWND panel = nullptr;
    HWND dialog = nullptr;  // from WM_INITDIALOG until the session ends
    HWND previousParent = nullptr;
    ULONG_PTR graphicsToken = 0;
    std::unique_ptr<PreviewSurface> surface;
    std::string selectedPath;
    std::string drawnPath;  // the picture now in the surface
};

Session* session = nullptr;

HWND panelItem(int id) { return GetDlgItem(session->panel, id); }

bool previewChecked() { return IsDlgButtonChecked(session->panel, panel::选择框_预览) == BST_CHECKED; }

bool selectionIsFile() { return !countsAsFolder(GetFileAttributesA(session->selectedPath.c_str())); }

void setValueLabels(const PreviewFacts& facts) {
    SetWindowTextA(panelItem(panel::标签_文件大小), facts.size.c_str());
    SetWindowTextA(panelItem(panel::标签_文件类型), facts.type.c_str());
    SetWindowTextA(panelItem(panel::标签_图片宽度), facts.width.c_str());
    SetWindowTextA(panelItem(panel::标签_图片高度), facts.height.c_str());
}

void refreshPreview() {
    if (!session || !session->dialog) return;
    if (!selectionIsFile() || !previewChecked()) setValueLabels({});
    HWND label = panelItem(panel::标签_图片);
    const RECT box{0, 0, kPreviewWidth, kPreviewHeight};
    InvalidateRect(label, &box, TRUE);
    UpdateWindow(label);
}

// Draws the selected picture into the surface when it is not the one there
// already, then copies the painted part to the box.
void drawPreview(HWND label, HDC target, const RECT& r) {
    Session& s = *session;
    if (!s.surface) return;
    if (s.selectedPath != s.drawnPath) {
        s.drawnPath = s.selectedPath;
        const SIZE box = win::clientSize(label);
        setValueLabels(drawPictureFile(s.surface->graphics(), s.drawnPath, static_cast<float>(box.cx),
                                       static_cast<float>(box.cy)));
    }
    BitBlt(target, r.left, r.top, win::width(r), win::height(r), s.surface->dc(), r.left, r.top, SRCCOPY);
}

LRESULT CALLBACK previewLabelProc(HWND label, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
    switch (msg) {
    case WM_PAINT:
        if (!session) break;
        if (selectionIsFile() && previewChecked()) {
            win::PaintDc paint(label);
            drawPreview(label, paint.get(), paint.paint().rcPaint);
            return 1;
        }
        // The box paints itself empty, and the next file is drawn afresh.
        session->drawnPath.clear();
        break;
    case WM_NCDESTROY: RemoveWindowSubclass(label, previewLabelProc, kSubclassId); break;
    }
    return DefSubclassProc(label, msg, wp, lp);
}

void placePanel() {
    const Session& s = *session;
    POINT origin{0, 0};
    ScreenToClient(s.dialog, &origin);
    const POINT at = panelOrigin(win::windowRect(GetDlgItem(s.dialog, IDOK)),
                                 win::windowRect(GetDlgItem(s.dialog, kFolderBox)), origin);
    SetWindowPos(s.panel, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void endSession();

// The dialog moves its buttons when it is resized, by the user or by itself
// (it drops a row after start-up and takes back the size it last had); the
// panel follows the OK button.
LRESULT CALLBACK dialogProc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
    switch (msg) {
    case WM_SIZE: {
        const LRESULT result = DefSubclassProc(dialog, msg, wp, lp);
        if (session && session->dialog == dialog) placePanel();
        return result;
    }
    case WM_DESTROY:
        // Before the dialog destroys its children: the panel must not be
        // among them, nor hear of a destruction that is not its own.
        endSession();
        break;
    case WM_NCDESTROY: RemoveWindowSubclass(dialog, dialogProc, kSubclassId); break;
    }
    return DefSubclassProc(dialog, msg, wp, lp);
}

void beginSession(HWND dialog) {
    Session& s = *session;
    if (s.dialog || !s.panel || !dialog) return;
    s.dialog = dialog;
    gfx::startup(s.graphicsToken);

    // SetParent leaves the styles alone: the panel becomes a child first.
    SetWindowLongA(s.panel, GWL_STYLE, (win::style(s.panel) & ~WS_POPUP) | WS_CHILD);
    s.previousParent = SetParent(s.panel, dialog);
    const WPARAM font = static_cast<WPARAM>(SendMessageA(dialog, WM_GETFONT, 0, 0));
    for (HWND child : win::children(s.panel)) SendMessageA(child, WM_SETFONT, font, FALSE);
    SetWindowPos(s.panel, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);

    placePanel();
    const RECT widened = widenedDialog(win::windowRect(dialog), kPanelWidth, GetSystemMetrics(SM_CXSCREEN),
                                       GetSystemMetrics(SM_CYSCREEN));
    MoveWindow(dialog, widened.left, widened.top, win::width(widened), win::height(widened), FALSE);

    HWND label = panelItem(panel::标签_图片);
    s.surface = std::make_unique<PreviewSurface>(label);
    SetWindowSubclass(label, previewLabelProc, kSubclassId, 0);
    SetWindowSubclass(dialog, dialogProc, kSubclassId, 0);
}

// Runs once, from whichever comes first: the dialog's WM_DESTROY, the hook
// dialog's, or the return of the dialog call.
void endSession() {
    if (!session || !session->dialog) return;
    Session& s = *session;
    RemoveWindowSubclass(panelItem(panel::标签_图片), previewLabelProc, kSubclassId);
    RemoveWindowSubclass(s.dialog, dialogProc, kSubclassId);
    s.selectedPath.clear();
    s.drawnPath.clear();
    s.surface.reset();
    gfx::shutdown(s.graphicsToken);
    s.graphicsToken = 0;
    ShowWindow(s.panel, SW_HIDE);
    SetParent(s.panel, s.previousParent);
    SetWindowLongA(s.panel, GWL_STYLE, (win::style(s.panel) & ~WS_CHILD) | WS_POPUP);
    s.dialog = nullptr;
}

void selectionChanged(HWND dialog) {
    char path[256] = {};
    const LRESULT n = SendMessageA(dialog, CDM_GETFILEPATH, sizeof path, reinterpret_cast<LPARAM>(path));
    // A path that does not fit is not written: it selects nothing.
    const bool fits = n > 0 && static_cast<size_t>(n) <= sizeof path && path[sizeof path - 1] == '\0';
    session->selectedPath = fits ? std::string(path) : std::string();
    refreshPreview();
}

UINT_PTR CALLBACK pickerHookProc(HWND hook, UINT msg, WPARAM, LPARAM lp) {
    if (!session) return 0;
    switch (msg) {
    case WM_INITDIALOG: beginSession(GetParent(hook)); break;
    case WM_NOTIFY:
        if (reinterpret_cast<const NMHDR*>(lp)->code == CDN_SELCHANGE) selectionChanged(GetParent(hook));
        break;
    case WM_DESTROY: endSession(); break;
    }
    return 0;
}

LRESULT CALLBACK panelProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_COMMAND && LOWORD(wp) == panel::选择框_预览 && HIWORD(wp) == BN_CLICKED) {
        refreshPreview();
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

// The panel, hidden and on its own until the dialog takes it in.
HWND createPanel() {
    HINSTANCE module = GetModuleHandleA(nullptr);
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExA(module, kPanelClass, &wc)) {
        wc = WNDCLASSEXA{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = panelProc;
        wc.hInstance = module;
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = kPanelClass;
        if (!RegisterClassExA(&wc)) return nullptr;
    }
    HWND panel =
        CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT, kPanelClass, kPanelTitle, WS_POPUP | WS_CLIPCHILDREN, 0,
                        0, kPanelWidth, kPanelHeight, nullptr, nullptr, module, nullptr);
    if (!panel) return nullptr;
    for (const PanelControl& c : kPanelControls)
        CreateWindowExA(0, c.cls, c.caption, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | c.style, c.x, c.y, c.w, c.h,
                        panel, reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), module, nullptr);
    CheckDlgButton(panel, panel::选择框_预览, BST_CHECKED);
    // The group box lies behind the preview box it frames.
    SetWindowPos(GetDlgItem(panel, panel::分组框1), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return panel;
}

}  // namespace

std::string pickImageFile(HWND owner) {
    if (session) return {};
    Session s;
    s.panel = createPanel();
    session = &s;

    char file[256] = {};
    const std::string filters = filterList();
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filters.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file;
    ofn.nMaxFile = sizeof file;
    ofn.Flags = OFN_ENABLESIZING | OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_ENABLEHOOK;
    ofn.lpfnHook = pickerHookProc;
    // A path too long for the buffer fails the call, which leaves only its
    // length in the buffer's first bytes: nothing was chosen.
    const bool chosen = GetOpenFileNameA(&ofn) != 0;

    endSession();
    if (s.panel) DestroyWindow(s.panel);
    session = nullptr;
    return chosen ? std::string(file, strnlen(file, sizeof file)) : std::string();
}

bool isPickerOpen() { return session != nullptr; }

}  // namespace picker
