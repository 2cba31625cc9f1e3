#pragma once
#include <windows.h>

// The simulated scroll bars of a control: the two cover windows laid over
// its real bars and the places of the parts last painted on each.  Edits and
// the list-like controls keep one of these in their items.
namespace skin {

// Rectangles in the cover window's coordinates, edges included: the first
// arrow (up or left), the second arrow (down or right) and the thumb.
// Every paint of the cover rewrites them; the hit test reads them.
struct ScrollBarParts {
    RECT firstArrow{};
    RECT secondArrow{};
    RECT thumb{};
};

// Part codes of a cover.
enum ScrollPart : int {
    kScrollTrack = 0,
    kScrollThumb = 1,
    kScrollFirstArrow = 3,
    kScrollSecondArrow = 4,
};

struct ScrollCovers {
    HWND vertical = nullptr;  // 0 when the control has no cover of that bar
    HWND horizontal = nullptr;
    ScrollBarParts verticalParts;
    ScrollBarParts horizontalParts;

    HWND cover(bool isVertical) const { return isVertical ? vertical : horizontal; }
    ScrollBarParts& parts(bool isVertical) { return isVertical ? verticalParts : horizontalParts; }
    const ScrollBarParts& parts(bool isVertical) const { return isVertical ? verticalParts : horizontalParts; }

    // The cover windows that exist; they carry the window index too.
    template <class F>
    void forEachWindow(F&& f) const {
        if (vertical) f(vertical);
        if (horizontal) f(horizontal);
    }
};

}  // namespace skin
