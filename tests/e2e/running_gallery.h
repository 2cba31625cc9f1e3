#pragma once
// The gallery program started once for a suite of end-to-end tests: its
// window is found once it is shown, painted and idle, and the suite begins
// once the sea-blue skin shows behind its controls.
#include <gtest/gtest.h>

#include <windows.h>

#include "tests/support/remote.h"
#include "tests/support/screen.h"
#include "tools/gallery/layout.h"

namespace gallerytest {

inline constexpr COLORREF kGallerySeaBlue = RGB(113, 179, 193);

class RunningGallery : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        program = new remote::Program;
        ASSERT_TRUE(program->start(remote::siblingPath("LumoSkinGallery.exe")));
        window = program->waitForWindow(gallery::kWindowClass);
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(
            remote::waitUntil([] { return screen::distance(skinAt(gallery::kBackdropSample), kGallerySeaBlue) <= 6; }));
    }
    static void TearDownTestSuite() {
        delete program;
        program = nullptr;
        window = nullptr;
    }
    // The screen's pixel at a client point of the gallery window.
    static COLORREF skinAt(POINT client) {
        ClientToScreen(window, &client);
        return screen::Shot(RECT{client.x, client.y, client.x + 1, client.y + 1}).at(client.x, client.y);
    }
    static HWND item(int id) { return GetDlgItem(window, id); }

    static inline remote::Program* program = nullptr;
    static inline HWND window = nullptr;
};

}  // namespace gallerytest
