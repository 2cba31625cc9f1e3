// How long the skin engine takes to draw, measured under the same conditions
// as its floor (one BitBlt of the same surface).  Prints medians in ms.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "gfx/startup.h"
#include "skin/window/compose.h"
#include "skin/window/global_skin.h"
#include "skin/window/memory_dc.h"
#include "skin/window/property_keys.h"
#include "skin/window/settings.h"
#include "skin/window/window_record.h"

namespace {

double medianMs(int runs, const std::function<void()>& work) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    work();  // warm-up
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QueryPerformanceCounter(&start);
        work();
        QueryPerformanceCounter(&end);
        times.push_back(1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

skin::Bytes carried(const char* name) {
    HMODULE m = GetModuleHandleA(nullptr);
    HRSRC info = FindResourceA(m, name, MAKEINTRESOURCEA(10));
    if (!info) return {};
    auto* data = static_cast<const BYTE*>(LockResource(LoadResource(m, info)));
    return skin::Bytes(data, data + SizeofResource(m, info));
}

}  // namespace

int main() {
    ULONG_PTR token = 0;
    gfx::startup(token);
    constexpr int w = 810, h = 570;
    HWND window = CreateWindowExA(0, "STATIC", "Lumo音乐台盒子", WS_POPUP | WS_VISIBLE, 0, 0, w, h, nullptr, nullptr,
                                  nullptr, nullptr);
    skin::WindowRecord r;
    r.hwnd = window;
    r.captionGloss = 1;
    r.buttonBlockWidth = 95;
    r.barHeight = 25;
    r.barRect = {3, h - 29, w - 6, 25};
    int index = skin::addWindowRecord(std::move(r));
    SetPropA(window, skin::keys::kIndex, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(index)));
    skin::setGlobalSkin("", carried("SKIN_SEA_BLUE"));  // mode 4, mirrored tiles

    constexpr int runs = 30;
    double compose = medianMs(runs, [&] { skin::composeWindowSkin(index, false); });
    HDC target = skin::newMemoryCanvas(w, h);
    double blit = medianMs(runs, [&] { BitBlt(target, 0, 0, w, h, skin::record(index).backgroundSurface, 0, 0, SRCCOPY); });

    std::printf("window %d x %d, sea-blue skin in mirrored tiles, median of %d runs\n", w, h, runs);
    std::printf("  compose of the whole window image   %8.2f ms\n", compose);
    std::printf("  one BitBlt of the same surface      %8.2f ms\n", blit);

    skin::releaseMemoryDc(target);
    skin::releaseRecordSurfaces(index);
    DestroyWindow(window);
    skin::clearWindowRecords();
    gfx::shutdown(token);
    return 0;
}
