#pragma once
// The system's open-file dialog as a test finds and drives it, from the
// dialog's own process or from another one.
#include <windows.h>

#include <string>

namespace filedialog {

// The visible open-file dialog of a process (a top-level dialog that holds a
// file list); 0 when there is none.
HWND find(DWORD processId);
// The file list (the list view inside SHELLDLL_DefView), the edit field of
// the file name box, and the picker's side panel inside the dialog.
HWND fileList(HWND dialog);
HWND fileNameBox(HWND dialog);
HWND panel(HWND dialog);
// The text of a control of the side panel.
std::string panelText(HWND dialog, int id);

// The list item with this text (the file name with its extension); -1 when
// the list does not show it.  process: the dialog's process.
int findItem(HANDLE process, HWND list, const std::string& text);
// An item's rectangle in screen coordinates, scrolled into view first.
RECT itemRect(HANDLE process, HWND list, int index);
// Selects exactly this item, as a click on it does.
void selectItem(HANDLE process, HWND list, int index);

// A message box of the process (a top-level dialog without a file list).
HWND findMessageBox(DWORD processId);

// The picker of the process once it shows its file list and its panel; 0
// when none appears in time.
HWND waitForPicker(DWORD processId, DWORD timeoutMs = 10000);
// Makes the dialog list the item: unless it does already, the folder is named
// in the file name box and OK opens it.  True once the item is listed.
bool showFolder(HANDLE process, HWND dialog, const std::string& folder, const std::string& item);
// A real click on the list item with this text.
bool clickItem(HANDLE process, HWND dialog, const std::string& text);
// Presses a button of the dialog (IDOK, IDCANCEL) and waits until the dialog
// and the picker's panel are gone.  Should the dialog not take the name (it
// complains in a message box, or empties the name box), the complaint is
// dismissed and the dialog cancelled.  False when the dialog stays.
bool close(DWORD processId, HWND dialog, int button);

}  // namespace filedialog
