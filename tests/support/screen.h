#pragma once
// Reading what is on the screen.
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

}  // namespace screen
