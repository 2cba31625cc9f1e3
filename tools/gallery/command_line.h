#pragma once
#include <optional>
#include <span>
#include <string>
#include <string_view>

// What the gallery is asked to do by its command line.
namespace gallery {

struct Request {
    enum class Mode {
        Show,       // no arguments: the window stays until it is closed
        Shot,       // --shot FILE: one screenshot with the first skin, then exit
        SkinShots,  // --skins PREFIX: one screenshot per built-in skin, PREFIX-<skin>.png, then exit
    };
    Mode mode = Mode::Show;
    std::string path;
};

// Nothing for an unknown switch, a switch without its path, or extra words.
std::optional<Request> parseArguments(std::span<const std::string_view> arguments);

// Where the screenshot of one skin goes in the SkinShots mode.
std::string skinShotPath(std::string_view prefix, std::string_view skinName);

}  // namespace gallery
