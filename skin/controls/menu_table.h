#pragma once
#include <vector>
#include <windows.h>

#include "skin/window/skin_types.h"

namespace skin {

// An owner-drawn menu the engine knows: its handle, the size of its items and
// the routine its commands run.  Menu numbers are 1-based positions in the
// table; a command number is the menu number followed by a three-digit item
// number.
struct MenuTableEntry {
    HMENU menu = nullptr;
    int itemWidth = 0;
    int itemHeight = 0;
    Callback callback;
};

std::vector<MenuTableEntry>& menuTable();

// The entry a menu number names, or null.
MenuTableEntry* menuEntry(unsigned menuNumber);

}  // namespace skin
