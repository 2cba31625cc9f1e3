#include "skin/controls/menu_table.h"

namespace skin {

namespace {
std::vector<MenuTableEntry> entries;
}

std::vector<MenuTableEntry>& menuTable() { return entries; }

MenuTableEntry* menuEntry(unsigned menuNumber) {
    if (menuNumber < 1 || menuNumber > entries.size()) return nullptr;
    return &entries[menuNumber - 1];
}

}  // namespace skin
