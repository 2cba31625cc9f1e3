#pragma once
// Text and GUID conversions between the system code page and UTF-16.
#include <windows.h>

#include <string>
#include <string_view>

namespace gfx::detail {

// Converts system code page text (GBK) to UTF-16 with MultiByteToWideChar(CP_ACP).
std::wstring widen(std::string_view text);
// The reverse, with WideCharToMultiByte(CP_ACP).
std::string narrow(std::wstring_view text);

// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}", upper-case, as StringFromGUID2 writes it.
std::string guidText(const GUID& guid);
// False, and guid left all zero, when the text is not a GUID in braces.
bool parseGuid(std::string_view text, GUID& guid);

}  // namespace gfx::detail
