#include <windows.h>

#include <cstdlib>
#include <string_view>
#include <vector>

#include "tools/gallery/command_line.h"
#include "tools/gallery/gallery_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    std::vector<std::string_view> arguments(__argv + 1, __argv + __argc);
    auto request = gallery::parseArguments(arguments);
    // A command line the gallery does not understand runs nothing.
    if (!request) return 2;
    return gallery::runGallery(instance, *request);
}
