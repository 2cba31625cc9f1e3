#include "app/startup.h"

#include <ole2.h>
#include <string>

#include "app/http_get.h"
#include "app/layout.h"
#include "app/main_window.h"
#include "app/skin_setup.h"
#include "app/start_time.h"

namespace app {

namespace {

void enterExecutableFolder() {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return;
    std::string folder(path, n);
    size_t slash = folder.find_last_of("\\/");
    if (slash == std::string::npos) return;
    folder.resize(slash + 1);
    SetCurrentDirectoryA(folder.c_str());
}

}  // namespace

bool claimSingleInstance() {
    // Neither handle is ever closed: the event lives as long as this process.
    if (OpenEventA(EVENT_ALL_ACCESS, FALSE, kInstanceEventName)) return false;
    CreateEventA(nullptr, FALSE, FALSE, kInstanceEventName);
    return true;
}

void onMainWindowCreated(HWND mainWindow) {
    setUpMainWindowSkin(mainWindow);

    SYSTEMTIME now;
    GetLocalTime(&now);
    SetWindowTextA(GetDlgItem(mainWindow, ctl::北京时间), startTimeCaption(now).c_str());

    // Synchronous: the message loop starts once the lookup has answered,
    // failed or timed out.
    std::string address = "当前IP地址\r\n" + lookUpPublicAddress();
    SetWindowTextA(GetDlgItem(mainWindow, ctl::IP地址标签), address.c_str());

    if (!claimSingleInstance()) {
        MessageBoxA(nullptr, kSecondCopyText, kSecondCopyCaption, MB_OK);
        DestroyWindow(mainWindow);
    }
}

int runProgram(HINSTANCE instance) {
    enterExecutableFolder();
    OleInitialize(nullptr);
    initSkinModule();

    int exitCode = 1;
    if (registerMainWindowClass(instance)) {
        if (HWND main = createMainWindow(instance)) {
            onMainWindowCreated(main);
            // A second copy has destroyed its window by now.
            if (IsWindow(main)) {
                ShowWindow(main, SW_SHOWNORMAL);
                UpdateWindow(main);
            }

            MSG msg;
            while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
            exitCode = static_cast<int>(msg.wParam);
        }
    }
    exitSkinModule();
    OleUninitialize();
    return exitCode;
}

}  // namespace app
