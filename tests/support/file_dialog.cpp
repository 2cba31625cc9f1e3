#include "tests/support/file_dialog.h"

#include <commctrl.h>

#include "picker/picker.h"
#include "tests/support/remote.h"

namespace filedialog {

namespace {

constexpr int kFileNameBox = 1148;  // cmb13

template <typename Match>
HWND findDialogOf(DWORD processId, Match match) {
    for (HWND w = FindWindowExA(nullptr, nullptr, "#32770", nullptr); w;
         w = FindWindowExA(nullptr, w, "#32770", nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == processId && IsWindowVisible(w) && match(w)) return w;
    }
    return nullptr;
}

}  // namespace

HWND find(DWORD processId) {
    return findDialogOf(processId,
                        [](HWND w) { return FindWindowExA(w, nullptr, "SHELLDLL_DefView", nullptr) != nullptr; });
}

HWND findMessageBox(DWORD processId) {
    return findDialogOf(processId,
                        [](HWND w) { return FindWindowExA(w, nullptr, "SHELLDLL_DefView", nullptr) == nullptr; });
}

HWND fileList(HWND dialog) {
    HWND view = FindWindowExA(dialog, nullptr, "SHELLDLL_DefView", nullptr);
    return view ? FindWindowExA(view, nullptr, WC_LISTVIEWA, nullptr) : nullptr;
}

HWND fileNameBox(HWND dialog) {
    HWND box = GetDlgItem(dialog, kFileNameBox);
    // An extended combo box holds a combo box that holds the edit field.
    if (HWND inner = FindWindowExA(box, nullptr, "ComboBox", nullptr)) box = inner;
    HWND edit = FindWindowExA(box, nullptr, "Edit", nullptr);
    return edit ? edit : box;
}

HWND panel(HWND dialog) { return FindWindowExA(dialog, nullptr, picker::kPanelClass, nullptr); }

std::string panelText(HWND dialog, int id) { return remote::windowText(GetDlgItem(panel(dialog), id)); }

int findItem(HANDLE process, HWND list, const std::string& text) {
    remote::RemoteBuffer buffer(process, sizeof(LVFINDINFOA) + text.size() + 1);
    LVFINDINFOA find{};
    find.flags = LVFI_STRING;
    find.psz = static_cast<const char*>(buffer.address()) + sizeof find;
    buffer.write(&find, sizeof find);
    buffer.write(text.c_str(), text.size() + 1, sizeof find);
    return static_cast<int>(
        SendMessageA(list, LVM_FINDITEMA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(buffer.address())));
}

RECT itemRect(HANDLE process, HWND list, int index) {
    SendMessageA(list, LVM_ENSUREVISIBLE, index, FALSE);
    RECT rc{LVIR_LABEL, 0, 0, 0};
    remote::RemoteBuffer buffer(process, sizeof rc);
    buffer.write(&rc, sizeof rc);
    SendMessageA(list, LVM_GETITEMRECT, index, reinterpret_cast<LPARAM>(buffer.address()));
    buffer.read(&rc, sizeof rc);
    MapWindowPoints(list, HWND_DESKTOP, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

void selectItem(HANDLE process, HWND list, int index) {
    remote::RemoteBuffer buffer(process, sizeof(LVITEMA));
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    buffer.write(&item, sizeof item);
    SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(buffer.address()));
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    buffer.write(&item, sizeof item);
    SendMessageA(list, LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(buffer.address()));
}

HWND waitForPicker(DWORD processId, DWORD timeoutMs) {
    HWND d = nullptr;
    remote::waitUntil(
        [&] {
            d = find(processId);
            return d && IsWindowVisible(panel(d)) && fileList(d);
        },
        timeoutMs);
    return d && IsWindowVisible(panel(d)) && fileList(d) ? d : nullptr;
}

bool showFolder(HANDLE process, HWND dialog, const std::string& folder, const std::string& item) {
    auto listed = [&] { return findItem(process, fileList(dialog), item) >= 0; };
    if (listed()) return true;
    // A folder named in the file name box opens on OK.
    SetWindowTextA(fileNameBox(dialog), folder.c_str());
    remote::clickWindow(GetDlgItem(dialog, IDOK));
    return remote::waitUntil(listed);
}

bool clickItem(HANDLE process, HWND dialog, const std::string& text) {
    HWND list = fileList(dialog);
    const int index = findItem(process, list, text);
    if (index < 0) return false;
    const RECT r = itemRect(process, list, index);
    remote::click((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    return true;
}

bool close(DWORD processId, HWND dialog, int button) {
    HWND name = fileNameBox(dialog);
    const bool named = !remote::windowText(name).empty();
    remote::clickWindow(GetDlgItem(dialog, button));
    HWND box = nullptr;
    if (!remote::waitUntil([&] {
            if (!IsWindow(dialog)) return true;
            box = findMessageBox(processId);
            return box || (named && remote::windowText(name).empty());
        }))
        return false;
    if (box) {
        remote::pressKey(VK_RETURN);
        if (!remote::waitUntil([&] { return !IsWindow(box); })) return false;
    }
    if (IsWindow(dialog)) PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    return remote::waitUntil([&] { return !IsWindow(dialog); }) &&
           remote::waitUntil([&] { return FindWindowExA(nullptr, nullptr, picker::kPanelClass, nullptr) == nullptr; });
}

}  // namespace filedialog
