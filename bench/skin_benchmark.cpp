// How long the skin engine takes to draw, measured in one run beside its
// floors: one BitBlt of the same surface, and the same window unskinned.
// Prints medians in milliseconds.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/features.h"
#include "app/layout.h"
#include "app/main_window.h"
#include "app/skin_setup.h"
#include "skin/controls/header.h"
#include "skin/controls/up_down.h"
#include "skin/window/apply_skin.h"
#include "skin/window/caption_buttons.h"
#include "skin/window/compose.h"
#include "skin/window/global_skin.h"
#include "skin/window/memory_dc.h"
#include "skin/window/property_keys.h"
#include "skin/window/settings.h"
#include "skin/window/window_proc.h"
#include "skin/window/window_record.h"
#include "gfx/brushes.h"
#include "gfx/graphics.h"
#include "gfx/image.h"
#include "win/props.h"
#include "win/resources.h"
#include "win/window.h"
#include "app/endpoints.h"
#include "app/http_get.h"
#include "app/web_address.h"
#include "tests/support/http_server.h"
#include "tests/support/remote.h"
#include "tests/support/screen.h"

namespace {

constexpr int kRuns = 30;

double medianMs(
    const std::function<void()>& work, const std::function<void()>& prepare = [] {}) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    prepare();
    work();  // warm-up
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        prepare();
        QueryPerformanceCounter(&start);
        work();
        QueryPerformanceCounter(&end);
        times.push_back(1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

void repaintAll(HWND w) {
    RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// A plain window of the engine's own making: the compose alone, without the
// toolbox around it.
double composeOfPlainWindow() {
    constexpr int w = 810, h = 570;
    HWND window =
        CreateWindowExA(0, "STATIC", "Lumo", WS_POPUP | WS_VISIBLE, 0, 0, w, h, nullptr, nullptr, nullptr, nullptr);
    auto owned = std::make_unique<skin::WindowRecord>();
    skin::WindowRecord& r = *owned;
    r.hwnd = window;
    r.caption.captionGloss = true;
    r.caption.buttonBlockWidth = 95;
    r.bar.barHeight = 25;
    r.bar.barRect = {3, h - 29, w - 6, 25};
    int index = skin::addWindowRecord(std::move(owned));
    win::setProp(window, skin::keys::kIndex, index);
    double ms = medianMs([&] { skin::composeWindowSkin(r, false); });
    skin::releaseRecordSurfaces(r);
    DestroyWindow(window);
    skin::removeWindowRecord(index);
    return ms;
}

// The editor page of a main window: one keystroke with its repaint, and one
// scroll step of 200 lines with the cover's repaint.
struct EditorTimes {
    double keystroke, scrollStep;
};

EditorTimes editorTimes(HWND window) {
    app::showPage(window, 3);
    HWND editor = GetDlgItem(window, app::ctl::编辑器);
    SetFocus(editor);
    UpdateWindow(window);
    pump();
    auto send = [&](UINT msg, WPARAM wp) {
        SendMessageA(editor, msg, wp, 0);
        UpdateWindow(editor);
    };
    EditorTimes t{};
    t.keystroke = medianMs([&] {
        SendMessageA(editor, WM_KEYDOWN, 'A', 0);
        SendMessageA(editor, WM_CHAR, 'a', 0);
        SendMessageA(editor, WM_KEYUP, 'A', 0);
        UpdateWindow(editor);
    });
    std::string lines;
    for (int i = 0; i < 200; ++i) lines += "line\r\n";
    SetWindowTextA(editor, lines.c_str());
    pump();
    t.scrollStep = medianMs([&] { send(WM_VSCROLL, SB_LINEDOWN); }, [&] { send(WM_VSCROLL, SB_TOP); });
    SetWindowTextA(editor, "");
    app::showPage(window, 1);
    pump();
    return t;
}

// The main window skinned as the toolbox skins it, but with the control skin
// switched off: its children keep the system's look.
HWND mainWindowWithPlainControls(HINSTANCE instance) {
    HWND window = app::createMainWindow(instance);
    skin::setSkinOptions(0, 100, 0);
    skin::SkinOptions options;
    options.resizable = 0;
    options.captionGloss = 1;
    options.barHeight = 25;
    options.barItems = std::vector<skin::BarItem>(4);
    skin::applyWindowSkin(window, options);
    skin::setSkinOptions(1, 100, 0);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    pump();
    return window;
}

// Start-up of the program on loopback, from its start to the first paint of
// its skinned window on the screen, beside the address lookup alone, made
// the way a fresh start makes it (the first request of a process).
struct StartUpTimes {
    double toSkinnedPaint = 0, lookup = 0, emptyProgram = 0;
};

double msSince(const LARGE_INTEGER& start) {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The skin colour of the sea-blue skin at a point of the frame right of the
// tab control, on the screen.
bool skinnedOnScreen(HWND main) {
    POINT p{806, 300};
    ClientToScreen(main, &p);
    const COLORREF c = screen::Shot(RECT{p.x, p.y, p.x + 1, p.y + 1}).at(p.x, p.y);
    return screen::distance(c, RGB(113, 179, 193)) <= 40;
}

StartUpTimes startUpTimes() {
    constexpr int kStarts = 5;
    testhttp::Server server(app::splitHttpAddress(app::endpoints().addressLookup)->port);
    server.answer(testhttp::okResponse("<html><script>var ipaddress = '203.0.113.7';</script></html>"));
    StartUpTimes t;
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    app::lookUpPublicAddress();
    t.lookup = msSince(start);
    std::vector<double> starts;
    for (int i = 0; i < kStarts; ++i) {
        remote::Program program;
        QueryPerformanceCounter(&start);
        if (!program.start()) break;
        HWND main = nullptr;
        while (program.running()) {
            if (!main) main = program.findWindow(app::kMainWindowClass);
            if (main && IsWindowVisible(main) && skinnedOnScreen(main)) break;
            Sleep(1);
        }
        starts.push_back(msSince(start));
        if (main) PostMessageA(main, WM_CLOSE, 0, 0);
        program.waitForExit();
    }
    std::sort(starts.begin(), starts.end());
    if (!starts.empty()) t.toSkinnedPaint = starts[starts.size() / 2];
    // What the system itself takes to start a program and end it: the
    // trimming tool, which ends at once without its argument.
    std::vector<double> empties;
    for (int i = 0; i < kStarts; ++i) {
        remote::Program program;
        QueryPerformanceCounter(&start);
        if (!program.start(remote::siblingPath("empty.exe"))) break;
        program.waitForExit();
        empties.push_back(msSince(start));
    }
    std::sort(empties.begin(), empties.end());
    if (!empties.empty()) t.emptyProgram = empties[empties.size() / 2];
    return t;
}

// A skinned window holding a list box and a report list view of 1,000
// items each; with skinControls false the control skin is off while the
// window is skinned, so that both keep the system's look.
struct ListWindow {
    HWND window, listBox, listView;
};

ListWindow listWindow(HINSTANCE instance, bool skinControls) {
    static const bool registered = [&] {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.lpszClassName = "LumoBenchLists";
        return RegisterClassExA(&wc) != 0;
    }();
    (void)registered;
    ListWindow w{};
    w.window = CreateWindowExA(0, "LumoBenchLists", "lists", WS_POPUP | WS_CLIPCHILDREN, 0, 0, 620, 400, nullptr,
                               nullptr, instance, nullptr);
    const DWORD child = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    w.listBox = CreateWindowExA(WS_EX_CLIENTEDGE, "ListBox", "", child | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, 20, 40, 250,
                                320, w.window, nullptr, instance, nullptr);
    w.listView = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "", child | LVS_REPORT, 300, 40, 300, 320, w.window,
                                 nullptr, instance, nullptr);
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = 120;
    for (int c = 0; c < 2; ++c) {
        column.pszText = const_cast<char*>(c ? "歌手" : "歌曲");
        SendMessageA(w.listView, LVM_INSERTCOLUMNA, c, reinterpret_cast<LPARAM>(&column));
    }
    for (int i = 0; i < 1000; ++i) {
        std::string text = "列表项 " + std::to_string(i + 1);
        SendMessageA(w.listBox, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        LVITEMA row{};
        row.mask = LVIF_TEXT;
        row.iItem = i;
        row.pszText = text.data();
        const int at = static_cast<int>(SendMessageA(w.listView, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&row)));
        row.iSubItem = 1;
        row.pszText = const_cast<char*>("歌手");
        SendMessageA(w.listView, LVM_SETITEMTEXTA, at, reinterpret_cast<LPARAM>(&row));
    }
    skin::setSkinOptions(skinControls ? 1 : 0, 100, 0);
    skin::SkinOptions options;
    options.resizable = 0;
    skin::applyWindowSkin(w.window, options);
    skin::setSkinOptions(1, 100, 0);
    ShowWindow(w.window, SW_SHOW);
    UpdateWindow(w.window);
    pump();
    return w;
}

// One line down with the repaint of the list and its cover.
double listScrollStep(HWND list) {
    auto scroll = [&](WPARAM code) {
        SendMessageA(list, WM_VSCROLL, code, 0);
        UpdateWindow(list);
    };
    return medianMs([&] { scroll(SB_LINEDOWN); }, [&] { scroll(SB_TOP); });
}

double listHover(HWND list) {
    const LPARAM inside = MAKELPARAM(40, 40);
    return medianMs([&] { SendMessageA(list, WM_MOUSEMOVE, 0, inside); },
                    [&] { SendMessageA(list, WM_MOUSELEAVE, 0, 0); });
}

// The pointer moves onto a toolbar button: the toolbar's hot repaint in a
// skinned window of its own, skinned and with the control skin off.
struct ToolbarTimes {
    double hover = 0, plainHover = 0;
};

ToolbarTimes toolbarHoverTimes(HINSTANCE instance) {
    HWND window = CreateWindowExA(0, "STATIC", "Lumo", WS_POPUP | WS_CLIPCHILDREN, 0, 0, 640, 200, nullptr, nullptr,
                                  instance, nullptr);
    HWND toolbar =
        CreateWindowExA(0, TOOLBARCLASSNAMEA, "",
                        WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER, 10, 40,
                        600, 60, window, nullptr, instance, nullptr);
    HIMAGELIST icons = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 1, 0);
    {
        HDC screen = GetDC(nullptr);
        HBITMAP picture = CreateCompatibleBitmap(screen, 16, 16);
        ReleaseDC(nullptr, screen);
        ImageList_AddMasked(icons, picture, RGB(255, 0, 255));
        DeleteObject(picture);
    }
    SendMessageA(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(icons));
    static const char* const kCaptions[] = {"新建", "打开", "保存", "剪切", "复制", "粘贴"};
    std::vector<TBBUTTON> buttons;
    for (int i = 0; i < 6; ++i)
        buttons.push_back(
            TBBUTTON{0, 100 + i, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, reinterpret_cast<INT_PTR>(kCaptions[i])});
    SendMessageA(toolbar, TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    skin::SkinOptions options;
    options.resizable = 0;
    skin::applyWindowSkin(window, options);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    pump();
    RECT first{}, second{};
    SendMessageA(toolbar, TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
    SendMessageA(toolbar, TB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));
    const LPARAM onFirst = MAKELPARAM((first.left + first.right) / 2, (first.top + first.bottom) / 2);
    const LPARAM onSecond = MAKELPARAM((second.left + second.right) / 2, (second.top + second.bottom) / 2);
    auto hoverOnce = [&] {
        return medianMs(
            [&] {
                SendMessageA(toolbar, WM_MOUSEMOVE, 0, onFirst);
                UpdateWindow(toolbar);
            },
            [&] {
                SendMessageA(toolbar, WM_MOUSEMOVE, 0, onSecond);
                UpdateWindow(toolbar);
            });
    };
    ToolbarTimes times;
    times.hover = hoverOnce();
    skin::setSkinOptions(0, 100, 0);
    times.plainHover = hoverOnce();
    skin::setSkinOptions(1, 100, 0);
    DestroyWindow(window);
    ImageList_Destroy(icons);
    pump();
    return times;
}

// A skinned window holding one trackbar, as the toolbox skins its controls
// (no trackbar panel): the pointer enters the trackbar and its thumb is
// repainted large.
double trackbarHover(HINSTANCE instance) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    HWND window = CreateWindowExA(0, "STATIC", "Lumo", WS_POPUP | WS_CLIPCHILDREN, 0, 0, 810, 570, nullptr, nullptr,
                                  instance, nullptr);
    HWND trackbar = CreateWindowExA(0, TRACKBAR_CLASSA, "", WS_CHILD | WS_VISIBLE | TBS_AUTOTICKS, 40, 60, 204, 30,
                                    window, nullptr, instance, nullptr);
    SendMessageA(trackbar, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
    SendMessageA(trackbar, TBM_SETPOS, TRUE, 40);
    skin::SkinOptions options;
    options.resizable = 0;
    skin::applyWindowSkin(window, options);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    pump();
    const LPARAM inside = MAKELPARAM(150, 15);
    double ms = medianMs([&] { SendMessageA(trackbar, WM_MOUSEMOVE, 0, inside); },
                         [&] { SendMessageA(trackbar, WM_MOUSELEAVE, 0, 0); });
    DestroyWindow(window);
    pump();
    return ms;
}

struct HoverTimes {
    double upDown, header;
};

HoverTimes upDownAndHeaderHovers(HWND window) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    HWND upDown = CreateWindowExA(0, UPDOWN_CLASSA, "", WS_CHILD | WS_VISIBLE, 700, 420, 16, 24, window, nullptr,
                                  instance, nullptr);
    HWND header = CreateWindowExA(0, WC_HEADERA, "", WS_CHILD | WS_VISIBLE | HDS_BUTTONS, 400, 460, 360, 24, window,
                                  nullptr, instance, nullptr);
    SendMessageA(header, WM_SETFONT, SendMessageA(window, WM_GETFONT, 0, 0), FALSE);
    for (const char* title : {"序号", "歌曲", "歌手", "时长"}) {
        HDITEMA column{};
        column.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
        column.pszText = const_cast<char*>(title);
        column.cxy = 90;
        column.fmt = HDF_LEFT | HDF_STRING;
        SendMessageA(header, HDM_INSERTITEMA, SendMessageA(header, HDM_GETITEMCOUNT, 0, 0),
                     reinterpret_cast<LPARAM>(&column));
    }
    const int index = skin::windowIndexOf(window);
    skin::skinUpDowns(index, window);
    skin::skinHeaders(index, window);
    UpdateWindow(window);
    pump();
    HoverTimes t{};
    t.upDown = medianMs([&] { SendMessageA(upDown, WM_MOUSEMOVE, 0, MAKELPARAM(8, 4)); },
                        [&] { SendMessageA(upDown, WM_MOUSELEAVE, 0, 0); });
    t.header = medianMs([&] { SendMessageA(header, WM_MOUSEMOVE, 0, MAKELPARAM(45, 12)); },
                        [&] { SendMessageA(header, WM_MOUSELEAVE, 0, 0); });
    DestroyWindow(upDown);
    DestroyWindow(header);
    pump();
    return t;
}

}  // namespace

int main() {
    // First, while no window of the toolbox's class is open here.
    const StartUpTimes startUp = startUpTimes();
    HINSTANCE instance = GetModuleHandleA(nullptr);
    app::initSkinModule();
    app::registerMainWindowClass(instance);
    skin::setGlobalSkin("", win::carriedCopy("SKIN_SEA_BLUE"));  // mirrored tiles

    std::printf("810 x 570 window, sea-blue skin in mirrored tiles, median of %d runs under this system\n", kRuns);
    const double bareCompose = composeOfPlainWindow();

    HWND plain = app::createMainWindow(instance);
    ShowWindow(plain, SW_SHOW);
    HWND skinned = app::createMainWindow(instance);
    app::setUpMainWindowSkin(skinned);
    skin::setDeactivationHandler(nullptr);  // no trimming tool while measuring
    ShowWindow(skinned, SW_SHOW);
    UpdateWindow(skinned);
    pump();
    skin::WindowRecord& record = *skin::recordOf(skinned);

    double compose = medianMs([&] { skin::composeWindowSkin(record, false); });
    // A compose whose inputs have changed since the last one draws every
    // layer of the same sea-blue window: here the tint alpha, which draws nothing while there is no tint.
    const double fullCompose = medianMs([&] { skin::composeWindowSkin(record, false); },
                                        [&] { record.tintAlpha = record.tintAlpha == 255 ? 254 : 255; });
    double repaint = medianMs([&] { repaintAll(skinned); });
    HDC screen = GetDC(skinned);
    double blit = medianMs([&] { BitBlt(screen, 0, 0, 810, 570, record.caches.backgroundSurface, 0, 0, SRCCOPY); });
    ReleaseDC(skinned, screen);
    double plainRepaint = medianMs([&] { repaintAll(plain); });

    // One tick of the hover fade: the pointer has just entered the minimise
    // button, and the timer moves its highlight one step on.
    const skin::FloatRect& b = record.caption.captionButtons.front().rect;
    const LPARAM onButton = MAKELPARAM(static_cast<int>(b.x + b.w / 2), static_cast<int>(b.y + b.h / 2));
    const LPARAM away = MAKELPARAM(300, 300);
    const WPARAM timer = reinterpret_cast<WPARAM>(skinned);
    double tick = medianMs([&] { SendMessageA(skinned, WM_TIMER, timer, 0); },
                           [&] {
                               SendMessageA(skinned, WM_MOUSEMOVE, 0, away);
                               for (int i = 0; i < 10; ++i) SendMessageA(skinned, WM_TIMER, timer, 0);
                               SendMessageA(skinned, WM_MOUSEMOVE, 0, onButton);
                           });

    // A skin change as the menu makes it, up to the recomposed window with
    // every control repainted; then a custom picture of 1920 x 1080.
    int choice = 0;
    const auto repaintAfter = [&](const std::function<void()>& change) {
        change();
        RedrawWindow(skinned, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    };
    double skinChange = medianMs([&] {
        repaintAfter([&] {
            const int item = (choice++ % 2) ? app::menu::海蓝格调 : app::menu::金色麦田;
            SendMessageA(skinned, WM_COMMAND, MAKEWPARAM(item, 0), 0);
        });
    });
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    const std::string picture = std::string(folder) + "lumo_bench_1920x1080.png";
    // A picture of its own for each shade: never one decoded before.
    const auto writePicture = [&](gfx::ARGB shade) {
        gfx::Bitmap large = gfx::Bitmap::create(1920, 1080, gfx::PixelFormat24bppRGB);
        gfx::Graphics g = gfx::Graphics::fromImage(large);
        g.fillRectangle(gfx::LinearGradientBrush::create({0, 0}, {1920, 1080}, shade, 0xFFE0C070), 0, 0, 1920, 1080);
        g.dispose();
        large.saveToFile(picture, gfx::format::Png);
    };
    writePicture(0xFF2060A0);
    double customPicture = medianMs([&] { repaintAfter([&] { app::applyCustomBackground(picture); }); });
    gfx::ARGB shade = 0xFF2060A0;
    double newCustomPicture =
        medianMs([&] { repaintAfter([&] { app::applyCustomBackground(picture); }); }, [&] { writePicture(++shade); });
    DeleteFileA(picture.c_str());
    // The pointer enters a push button: its hot repaint, beside a repaint of
    // the same button in the system's look.
    HWND controlsPlain = mainWindowWithPlainControls(instance);
    // The editor: a keystroke and a scroll step, skinned and, with the
    // control skin switched off while they run, in the system's look.
    const EditorTimes editor = editorTimes(skinned);
    skin::setSkinOptions(0, 100, 0);
    const EditorTimes plainEditor = editorTimes(controlsPlain);
    skin::setSkinOptions(1, 100, 0);
    HWND skinButton = GetDlgItem(skinned, app::ctl::皮肤更换);
    const LPARAM inside = MAKELPARAM(40, 16);
    double hover = medianMs([&] { SendMessageA(skinButton, WM_MOUSEMOVE, 0, inside); },
                            [&] { SendMessageA(skinButton, WM_MOUSELEAVE, 0, 0); });
    HWND plainButton = GetDlgItem(controlsPlain, app::ctl::皮肤更换);
    double plainButtonRepaint =
        medianMs([&] { RedrawWindow(plainButton, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); });
    double repaintPlainControls = medianMs([&] { repaintAll(controlsPlain); });

    // The pointer enters an edit and a combo box of the home page: each
    // repaints hot.
    const auto hoverOf = [&](int id) {
        HWND control = GetDlgItem(skinned, id);
        const RECT r = win::clientRect(control);
        const LPARAM at = MAKELPARAM(r.right / 2, r.bottom / 2);
        return medianMs([&] { SendMessageA(control, WM_MOUSEMOVE, 0, at); },
                        [&] { SendMessageA(control, WM_MOUSELEAVE, 0, 0); });
    };
    const double editHover = hoverOf(app::ctl::公告框), comboHover = hoverOf(app::ctl::透明度组合框);
    const auto plainRepaintOf = [&](int id) {
        HWND control = GetDlgItem(controlsPlain, id);
        return medianMs([&] { RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); });
    };
    const double plainEditRepaint = plainRepaintOf(app::ctl::公告框);
    const double plainComboRepaint = plainRepaintOf(app::ctl::透明度组合框);

    const auto row = [](const char* what, double ms, const char* floor, double floorMs, const char* bar) {
        std::printf("  %-48s %8.2f ms  %-44s %8.2f ms  %7.1f x  %s\n", what, ms, floor, floorMs,
                    floorMs > 0 ? ms / floorMs : 0.0, bar);
    };
    std::printf("  %-48s %11s  %-44s %11s  %9s  %s\n", "what", "", "its floor in the same run", "", "ratio", "bar");
    row("compose of the main window", compose, "one BitBlt of the window image", blit, "50 x the floor");
    row("compose, every layer drawn (inputs changed)", fullCompose, "one BitBlt of the window image", blit,
        "(the first compose after a change)");
    row("compose of a bare skinned window", bareCompose, "one BitBlt of the window image", blit, "");
    row("full repaint of the skinned main window", repaint, "the same with the control skin off", repaintPlainControls,
        "2 x the floor");
    row("the same with the control skin off", repaintPlainControls, "the same window unskinned", plainRepaint, "");
    row("hover: one caption button fade tick", tick, "one BitBlt of the window image", blit, "1 ms");
    row("hover: a skinned push button", hover, "its repaint, control skin off", plainButtonRepaint, "1 ms");
    row("hover: a skinned edit", editHover, "its repaint, control skin off", plainEditRepaint, "1 ms");
    row("hover: a skinned combo box", comboHover, "its repaint, control skin off", plainComboRepaint, "1 ms");
    row("one keystroke in the editor", editor.keystroke, "the same, control skin off", plainEditor.keystroke, "");
    row("one scroll step of the editor with its cover", editor.scrollStep, "the same, control skin off",
        plainEditor.scrollStep, "");
    row("skin change from the menu, window repainted", skinChange, "full repaint of the window unskinned", plainRepaint,
        "50 ms");
    row("a new 1920 x 1080 picture applied, repainted", newCustomPicture, "full repaint of the window unskinned",
        plainRepaint, "100 ms");
    row("the same picture applied again, repainted", customPicture, "full repaint of the window unskinned",
        plainRepaint, "100 ms");
    row("start-up to the first skinned paint", startUp.toSkinnedPaint, "the address lookup alone", startUp.lookup,
        "floor + 500 ms");
    row("start and end of a program that does nothing", startUp.emptyProgram, "the address lookup alone",
        startUp.lookup, "(the system's own share of a start)");

    // The lists: a scroll step of 1,000 items, skinned and, with the control
    // skin switched off while they run, in the system's look; the hover
    // repaint of a skinned list box's frame.
    const ListWindow lists = listWindow(instance, true);
    const ListWindow plainLists = listWindow(instance, false);
    const double listBoxStep = listScrollStep(lists.listBox);
    const double listViewStep = listScrollStep(lists.listView);
    const double listHoverRepaint = listHover(lists.listBox);
    skin::setSkinOptions(0, 100, 0);
    const double plainListBoxStep = listScrollStep(plainLists.listBox);
    const double plainListViewStep = listScrollStep(plainLists.listView);
    const double plainListHover = listHover(plainLists.listBox);
    skin::setSkinOptions(1, 100, 0);
    row("one scroll step of a 1,000-item list box", listBoxStep, "the same, control skin off", plainListBoxStep, "");
    row("one scroll step of a 1,000-item report view", listViewStep, "the same, control skin off", plainListViewStep,
        "");
    row("hover: a skinned list box", listHoverRepaint, "the same pointer move, control skin off", plainListHover,
        "1 ms");
    DestroyWindow(plainLists.window);
    DestroyWindow(lists.window);
    row("hover: a skinned trackbar", trackbarHover(instance), "one BitBlt of the window image", blit, "1 ms");
    // The pointer enters an up-down control and a button header added to the
    // skinned window: each one's hover repaint.
    const HoverTimes hovers = upDownAndHeaderHovers(skinned);
    row("hover: a skinned up-down control", hovers.upDown, "one BitBlt of the window image", blit, "1 ms");
    row("hover: a skinned header, 4 columns", hovers.header, "one BitBlt of the window image", blit, "1 ms");
    const ToolbarTimes toolbarTimes = toolbarHoverTimes(instance);
    row("hover: a skinned toolbar button", toolbarTimes.hover, "the same toolbar, control skin off",
        toolbarTimes.plainHover, "1 ms");

    DestroyWindow(controlsPlain);
    DestroyWindow(skinned);
    DestroyWindow(plain);
    pump();
    app::exitSkinModule();
    return 0;
}
