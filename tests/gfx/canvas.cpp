#include "tests/gfx/canvas.h"

#include <gtest/gtest.h>

#include "gfx/startup.h"

namespace gfxtest {

Canvas::Canvas(int width, int height) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<std::uint32_t*>(bits);
    dc_ = CreateCompatibleDC(nullptr);
    previous_ = SelectObject(dc_, bitmap_);
}

Canvas::~Canvas() {
    SelectObject(dc_, previous_);
    DeleteDC(dc_);
    DeleteObject(bitmap_);
}

gfx::ARGB Canvas::pixel(int x, int y) const {
    GdiFlush();
    return bits_[y * width_ + x];
}

void Canvas::fill(gfx::ARGB colour) {
    GdiFlush();
    for (int i = 0; i < width_ * height_; ++i) bits_[i] = colour;
}

int Canvas::count(gfx::ARGB colour, int left, int top, int right, int bottom, int tolerance) const {
    int n = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (nearRgb(pixel(x, y), colour, tolerance)) ++n;
    return n;
}

namespace {

// Every test program of the library runs with GDI+ started, as the program does.
class GdiplusEnvironment : public ::testing::Environment {
public:
    void SetUp() override { ASSERT_EQ(gfx::startup(token_), gfx::Status::Ok); }
    void TearDown() override { gfx::shutdown(token_); }

private:
    ULONG_PTR token_ = 0;
};

const ::testing::Environment* const environment = ::testing::AddGlobalTestEnvironment(new GdiplusEnvironment);

}  // namespace

}  // namespace gfxtest
