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
    HINSTANCE instance = GetModuleHandleA(nullptr);
    app::initSkinModule();
    app::registerMainWindowClass(instance);
    skin::setGlobalSkin("", win::carriedCopy("SKIN_SEA_BLUE"));  // mirrored tiles

    std::printf("810 x 570 window, sea-blue skin in mirrored tiles, median of %d runs under this system\n", kRuns);
    std::printf("  compose of a bare skinned window                 %8.2f ms\n", composeOfPlainWindow());

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
    {
        gfx::Bitmap large = gfx::Bitmap::create(1920, 1080, gfx::PixelFormat24bppRGB);
        gfx::Graphics g = gfx::Graphics::fromImage(large);
        g.fillRectangle(gfx::LinearGradientBrush::create({0, 0}, {1920, 1080}, 0xFF2060A0, 0xFFE0C070), 0, 0, 1920,
                        1080);
        g.dispose();
        large.saveToFile(picture, gfx::format::Png);
    }
    double customPicture = medianMs([&] { repaintAfter([&] { app::applyCustomBackground(picture); }); });
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

    std::printf("  compose of the main window                       %8.2f ms\n", compose);
    std::printf("  full repaint of the skinned main window          %8.2f ms\n", repaint);
    std::printf("  the same with the control skin off               %8.2f ms\n", repaintPlainControls);
    std::printf("  one hover fade tick                              %8.2f ms\n", tick);
    std::printf("  one BitBlt of the window image                   %8.2f ms\n", blit);
    std::printf("  full repaint of the same window unskinned        %8.2f ms\n", plainRepaint);
    std::printf("  one keystroke in the editor, skinned             %8.2f ms\n", editor.keystroke);
    std::printf("  one keystroke, control skin off                  %8.2f ms\n", plainEditor.keystroke);
    std::printf("  one scroll step of the editor with its cover     %8.2f ms\n", editor.scrollStep);
    std::printf("  one scroll step, control skin off                %8.2f ms\n", plainEditor.scrollStep);
    std::printf("  skin change from the menu, window repainted      %8.2f ms\n", skinChange);
    std::printf("  custom 1920 x 1080 picture applied and repainted %8.2f ms\n", customPicture);
    std::printf("  hover repaint of a skinned push button           %8.2f ms\n", hover);
    std::printf("  repaint of the same button, control skin off     %8.2f ms\n", plainButtonRepaint);

    // The pointer enters an up-down control and a button header added to the
    // skinned window: each one's hover repaint.
    const HoverTimes hovers = upDownAndHeaderHovers(skinned);
    std::printf("  hover repaint of a skinned up-down control       %8.2f ms\n", hovers.upDown);
    std::printf("  hover repaint of a skinned header, 4 columns     %8.2f ms\n", hovers.header);

    DestroyWindow(controlsPlain);
    DestroyWindow(skinned);
    DestroyWindow(plain);
    pump();
    app::exitSkinModule();
    return 0;
}
