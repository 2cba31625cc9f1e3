#include "skin/window/window_record.h"

#include "skin/window/property_keys.h"
#include "win/props.h"

namespace skin {

namespace {

std::vector<std::unique_ptr<WindowRecord>> records;

}  // namespace

const std::vector<std::unique_ptr<WindowRecord>>& windowRecords() { return records; }

int windowRecordCount() { return static_cast<int>(records.size()); }

int windowIndexOf(HWND window) {
    const int index = win::prop<int>(window, keys::kIndex);
    return validIndex(index) ? index : 0;
}

WindowRecord* recordOf(HWND window) {
    const int index = windowIndexOf(window);
    return index ? records[static_cast<size_t>(index) - 1].get() : nullptr;
}

int findWindowRecord(HWND window) {
    if (!window) return 0;
    for (size_t i = 0; i < records.size(); ++i)
        if (records[i]->hwnd == window) return static_cast<int>(i) + 1;
    return 0;
}

WindowRecord& record(int index) { return *records[static_cast<size_t>(index) - 1]; }

bool validIndex(int index) { return index >= 1 && index <= static_cast<int>(records.size()); }

int indexOfRecord(const WindowRecord& r) {
    for (size_t i = 0; i < records.size(); ++i)
        if (records[i].get() == &r) return static_cast<int>(i) + 1;
    return 0;
}

int addWindowRecord(std::unique_ptr<WindowRecord> r) {
    records.push_back(std::move(r));
    return static_cast<int>(records.size());
}

void removeWindowRecord(int index) {
    if (!validIndex(index)) return;
    records.erase(records.begin() + (index - 1));
    for (int i = index; i <= static_cast<int>(records.size()); ++i) {
        WindowRecord& r = record(i);
        if (IsWindow(r.hwnd)) win::setProp(r.hwnd, keys::kIndex, i);
        r.forEachControlList([i](auto& list, bool toolbarKeys) {
            const char* key = toolbarKeys ? keys::kToolbarOwnerIndex : keys::kOwnerIndex;
            for (const auto& item : list)
                item.forEachWindow([&](HWND w) {
                    if (IsWindow(w)) win::setProp(w, key, i);
                });
        });
    }
}

ContainerItem* containerItemOf(HWND window) {
    const int index = win::prop<int>(window, keys::kOwnerIndex);
    const int slot = win::prop<int>(window, keys::kIndex);
    if (!window || !validIndex(index)) return nullptr;
    ControlList<ContainerItem>& list = record(index).containers;
    if (slot < 1 || slot > static_cast<int>(list.size())) return nullptr;
    ContainerItem& item = list[static_cast<size_t>(slot) - 1];
    return item.hwnd == window ? &item : nullptr;
}

void clearWindowRecords() { records.clear(); }

}  // namespace skin
