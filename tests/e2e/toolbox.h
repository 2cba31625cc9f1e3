#pragma once
// The running toolbox as its end-to-end tests meet it: started, shown and
// painted in its first skin, read from the screen where the skin itself
// paints, driven with the real mouse and keyboard.
#include <gtest/gtest.h>

#include <windows.h>

#include "tests/support/remote.h"
#include "tests/support/toolbox_window.h"

namespace toolbox {

class OnScreen : public ::testing::Test {
protected:
    void SetUp() override;

    HWND item(int id) const { return GetDlgItem(main, id); }
    POINT onScreen(int clientX, int clientY) const;
    COLORREF pixel(int clientX, int clientY) const;
    // Both points of the main window that only the skin paints (the frame
    // between the tab control and the window's edge) show the colour.
    bool skinShows(COLORREF colour, int tolerance = 12) const;
    bool skinIsNearBlack() const;
    bool waitForSkin(COLORREF colour) const;
    // Returns once the program has handled what was sent to it and has
    // nothing left to paint in the main window.
    void settle() const;
    // A real click on the centre of a control of the main window.
    void clickControl(int id) const;
    // The visible pop-up menu of the program; 0 when none is open.
    HWND openMenu() const;

    remote::Program program;
    HWND main = nullptr;
};

// Real key presses.
void pressKey(WORD key);

}  // namespace toolbox
