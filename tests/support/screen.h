#pragma once
// Reading what is on the screen, and mouse gestures beyond a click.
#include <windows.h>

#include <vector>

namespace screen {

// A copy of a rectangle of the screen, taken at once.
class Shot {
public:
    explicit Shot(const RECT& area);
    // The pixel at a screen point inside the area (CLR_INVALID outside).
    COLORREF at(int x, int y) const;
    // The mean colour of a rectangle of screen points.
    COLORREF mean(const RECT& r) const;

private:
    RECT area_;
    std::vector<DWORD> pixels_;
};

// Sum of the absolute differences of the three channels.
int distance(COLORREF a, COLORREF b);

// Presses the left button at one point, moves in steps to another and
// releases it there.
void drag(int fromX, int fromY, int toX, int toY);

}  // namespace screen
