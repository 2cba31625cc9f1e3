#include "tools/gallery/screenshot.h"

#include <cstring>
#include <vector>

#include "gfx/image.h"
#include "win/handles.h"
#include "win/window.h"

namespace gallery {

namespace {

constexpr UINT kSystemTimer = 0x0118;  // the system's own timers: caret, mouse tracking

// A 24-bit BMP file of the pixels (bottom-up rows, each padded to 4 bytes).
std::vector<BYTE> bmpFile(const BITMAPINFOHEADER& header, const BYTE* pixels, size_t pixelBytes) {
    BITMAPFILEHEADER file{};
    const size_t offset = sizeof file + sizeof header;
    file.bfType = 0x4D42;  // "BM"
    file.bfSize = static_cast<DWORD>(offset + pixelBytes);
    file.bfOffBits = static_cast<DWORD>(offset);
    std::vector<BYTE> bytes(offset + pixelBytes);
    std::memcpy(bytes.data(), &file, sizeof file);
    std::memcpy(bytes.data() + sizeof file, &header, sizeof header);
    std::memcpy(bytes.data() + offset, pixels, pixelBytes);
    return bytes;
}

}  // namespace

void settle(HWND window) {
    const DWORD start = GetTickCount();
    int quietRounds = 0;
    while (quietRounds < 3 && GetTickCount() - start < 5000) {
        bool busy = false;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));
                return;
            }
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
            // Timers tick on their own (the system's mouse tracking among
            // them); only other messages can still change the picture.
            if (msg.message != WM_TIMER && msg.message != kSystemTimer) busy = true;
        }
        RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        GdiFlush();
        quietRounds = busy ? 0 : quietRounds + 1;
        // An idle wait also lets the system hand what was drawn to the screen.
        if (!busy) MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    }
}

bool saveScreenshot(HWND window, const std::string& path) {
    const RECT area = win::windowRect(window);
    BITMAPINFO info{};
    BITMAPINFOHEADER& header = info.bmiHeader;
    header.biSize = sizeof header;
    header.biWidth = win::width(area);
    header.biHeight = win::height(area);
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    const size_t stride = (static_cast<size_t>(header.biWidth) * 3 + 3) & ~size_t{3};
    const size_t pixelBytes = stride * static_cast<size_t>(header.biHeight);

    void* bits = nullptr;
    win::OwnedMemoryDc canvas(CreateCompatibleDC(nullptr));
    win::OwnedBitmap picture(CreateDIBSection(canvas.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!picture || !bits) return false;
    {
        win::SelectedObject selected(canvas.get(), picture.get());
        win::WindowDc screen(nullptr);
        if (!BitBlt(canvas.get(), 0, 0, header.biWidth, header.biHeight, screen.get(), area.left, area.top, SRCCOPY))
            return false;
        GdiFlush();
    }
    const std::vector<BYTE> bmp = bmpFile(header, static_cast<const BYTE*>(bits), pixelBytes);
    const gfx::Image image = gfx::Image::fromBytes(bmp);
    return image && image.saveToFile(path, gfx::format::Png);
}

}  // namespace gallery
