#include "tools/gallery/command_line.h"

namespace gallery {

std::optional<Request> parseArguments(std::span<const std::string_view> arguments) {
    if (arguments.empty()) return Request{};
    if (arguments.size() != 2 || arguments[1].empty()) return std::nullopt;
    Request request;
    if (arguments[0] == "--shot") request.mode = Request::Mode::Shot;
    else if (arguments[0] == "--skins") request.mode = Request::Mode::SkinShots;
    else return std::nullopt;
    request.path = std::string(arguments[1]);
    return request;
}

std::string skinShotPath(std::string_view prefix, std::string_view skinName) {
    return std::string(prefix) + "-" + std::string(skinName) + ".png";
}

}  // namespace gallery
