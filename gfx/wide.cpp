#include "gfx/wide.h"

#include <objbase.h>

namespace gfx::detail {

std::wstring widen(std::string_view text) {
    if (text.empty()) return {};
    int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (n <= 0) return {};
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
    // The flat functions take lengths counted to the first terminator.
    wide.resize(static_cast<size_t>(lstrlenW(wide.c_str())));
    return wide;
}

std::string narrow(std::wstring_view text) {
    if (text.empty()) return {};
    int n = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    if (n <= 0) return {};
    std::string result(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), result.data(), n, nullptr, nullptr);
    return result;
}

std::string guidText(const GUID& guid) {
    wchar_t buffer[40] = {};
    int n = StringFromGUID2(guid, buffer, 40);
    return n > 0 ? narrow(std::wstring_view(buffer, static_cast<size_t>(n - 1))) : std::string();
}

bool parseGuid(std::string_view text, GUID& guid) {
    guid = GUID{};
    // Only the braced form: IIDFromString parses without looking anything up.
    if (text.size() != 38 || text.front() != '{' || text.back() != '}') return false;
    std::wstring wide = widen(text);
    if (FAILED(IIDFromString(wide.c_str(), &guid))) {
        guid = GUID{};
        return false;
    }
    return true;
}

}  // namespace gfx::detail
