#include "skin/window/window_record.h"

#include "skin/window/property_keys.h"

namespace skin {

namespace {

std::vector<WindowRecord> records;

HANDLE asProp(int value) { return reinterpret_cast<HANDLE>(static_cast<INT_PTR>(value)); }

}  // namespace

std::vector<ControlList*> WindowRecord::controlLists() {
    return {&buttons, &edits, &listLike, &trackbars, &progressBars, &upDowns, &headers,
            &toolbars, &containers, &spareList1, &spareList2, &spareList3};
}

std::vector<WindowRecord>& windowRecords() { return records; }

int windowIndexOf(HWND window) {
    int index = static_cast<int>(reinterpret_cast<INT_PTR>(GetPropA(window, keys::kIndex)));
    return validIndex(index) ? index : 0;
}

int findWindowRecord(HWND window) {
    if (!window) return 0;
    for (size_t i = 0; i < records.size(); ++i)
        if (records[i].hwnd == window) return static_cast<int>(i) + 1;
    return 0;
}

WindowRecord& record(int index) { return records[static_cast<size_t>(index) - 1]; }

bool validIndex(int index) { return index >= 1 && index <= static_cast<int>(records.size()); }

int addWindowRecord(WindowRecord r) {
    records.push_back(std::move(r));
    return static_cast<int>(records.size());
}

void removeWindowRecord(int index) {
    if (!validIndex(index)) return;
    records.erase(records.begin() + (index - 1));
    for (int i = index; i <= static_cast<int>(records.size()); ++i) {
        WindowRecord& r = record(i);
        if (IsWindow(r.hwnd)) SetPropA(r.hwnd, keys::kIndex, asProp(i));
        for (ControlList* list : r.controlLists()) {
            const char* key = list == &r.toolbars ? keys::kToolbarOwnerIndex : keys::kOwnerIndex;
            for (const ControlItem& item : *list)
                if (item.hwnd && IsWindow(item.hwnd)) SetPropA(item.hwnd, key, asProp(i));
        }
    }
}

void clearWindowRecords() { records.clear(); }

}  // namespace skin
