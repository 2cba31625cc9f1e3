#include "skin/window/memory_dc.h"

#include <algorithm>
#include <vector>

namespace skin {

namespace {

struct MemoryDcEntry {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ previousObject;
};

std::vector<MemoryDcEntry> memoryDcRegister;

}  // namespace

HBITMAP createDib32(int w, int h) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
}

void rememberMemoryDc(HDC dc, HBITMAP bitmap, HGDIOBJ previousObject) {
    auto it = std::find_if(memoryDcRegister.begin(), memoryDcRegister.end(),
                           [dc](const MemoryDcEntry& e) { return e.dc == dc; });
    if (it != memoryDcRegister.end()) {
        it->bitmap = bitmap;
        it->previousObject = previousObject;
    } else {
        memoryDcRegister.push_back({dc, bitmap, previousObject});
    }
}

bool releaseMemoryDc(HDC dc) {
    if (!dc) return false;
    auto it = std::find_if(memoryDcRegister.begin(), memoryDcRegister.end(),
                           [dc](const MemoryDcEntry& e) { return e.dc == dc; });
    if (it == memoryDcRegister.end()) return false;
    HGDIOBJ selected = SelectObject(dc, it->previousObject);
    DeleteObject(selected);
    DeleteDC(dc);
    memoryDcRegister.erase(it);
    return true;
}

HDC newMemoryCanvas(int w, int h) {
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc) return nullptr;
    HBITMAP bitmap = createDib32(w, h);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    rememberMemoryDc(dc, bitmap, previous);
    return dc;
}

int registeredMemoryDcCount() { return static_cast<int>(memoryDcRegister.size()); }

void releaseAllMemoryDcs() {
    while (!memoryDcRegister.empty()) releaseMemoryDc(memoryDcRegister.back().dc);
}

}  // namespace skin
