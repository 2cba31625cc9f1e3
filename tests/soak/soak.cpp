// The endurance run: starts the toolbox and drives it from this process with
// the real mouse and keyboard for as long as an evening's use, counting from
// outside what the program holds (GDI objects, USER objects, private bytes,
// kernel handles) after start-up, after each tenth of the work and at the end.
//
//   LumoSoak.exe [--scale N] [--program PATH]
//
// The work is shared out over ten rounds, each doing a tenth of every kind
// of action, so that the counts after the rounds are comparable and a slow
// growth shows as a slope.  Exit code 0 when every count keeps its margins,
// the program still answers and its window is where it was; 1 otherwise.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <utility>
#include <string>
#include <vector>

#include "app/layout.h"
#include "app/main_window.h"
#include "gfx/startup.h"
#include "gfx/types.h"
#include "picker/picker.h"
#include "tests/soak/soak_rules.h"
#include "tests/support/file_dialog.h"
#include "tests/support/pictures.h"
#include "tests/support/process_counts.h"
#include "tests/support/remote.h"
#include "tests/support/toolbox_window.h"

namespace {

using namespace app;

// The work at full count.
struct Work {
    int hovers = 10000;
    int skinChanges = 1000;
    int pickerSessions = 100;
    int tabSwitches = 1000;
    int minimiseCycles = 200;
    int settingChanges = 50;  // each: one transparency and one always-on-top change
    int typedCharacters = 5000;
};

Work scaled(int scale) {
    Work w;
    for (int* n : {&w.hovers, &w.skinChanges, &w.pickerSessions, &w.tabSwitches, &w.minimiseCycles, &w.settingChanges,
                   &w.typedCharacters})
        *n /= scale;
    return w;
}

// What each count may do (see the README).
constexpr soak::Margin kGdiMargin{1.0, 0.3, 10};
constexpr soak::Margin kUserMargin{0.5, 0.3, 2};
constexpr soak::Margin kPrivateMargin{128.0 * 1024, 64.0 * 1024, 2.0 * 1024 * 1024};
constexpr soak::Margin kHandleMargin{0.5, 0.2, 3};

constexpr COLORREF kRed = RGB(200, 30, 40);
constexpr COLORREF kBlue = RGB(30, 60, 220);

// The caption buttons in client coordinates: the minimise button's face
// spans 744..770, the close button's 771..809, both 1..19 high.
constexpr POINT kMinimisePoints[] = {{751, 8}, {763, 12}};
constexpr POINT kClosePoint{790, 10};

DWORD now() { return GetTickCount(); }

class Failure {
public:
    explicit Failure(std::string what) : what_(std::move(what)) {}
    const std::string& what() const { return what_; }

private:
    std::string what_;
};

void require(bool ok, const std::string& what) {
    if (!ok) throw Failure(what);
}

// Real key presses, a run of them at once, then the program catches up.
void typeKeys(const std::vector<WORD>& keys, HWND main) {
    std::vector<INPUT> in;
    for (WORD k : keys) {
        INPUT down{};
        down.type = INPUT_KEYBOARD;
        down.ki.wVk = k;
        INPUT up = down;
        up.ki.dwFlags = KEYEVENTF_KEYUP;
        in.push_back(down);
        in.push_back(up);
    }
    SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
    remote::waitUntilIdle(main);
}

void keyChord(WORD modifier, WORD key, HWND main) {
    INPUT in[4]{};
    for (INPUT& i : in) i.type = INPUT_KEYBOARD;
    in[0].ki.wVk = modifier;
    in[1].ki.wVk = key;
    in[2].ki.wVk = key;
    in[2].ki.dwFlags = KEYEVENTF_KEYUP;
    in[3].ki.wVk = modifier;
    in[3].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(4, in, sizeof(INPUT));
    remote::waitUntilIdle(main);
}

class Soak {
public:
    Soak(int scale, std::string programPath) : scale_(scale), work_(scaled(scale)), path_(std::move(programPath)) {}

    int run();

private:
    HWND item(int id) const { return GetDlgItem(main_, id); }
    POINT centreOf(int id) const {
        RECT rc;
        GetWindowRect(item(id), &rc);
        return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    }
    void clickClient(POINT p) const {
        POINT s = toolbox::toScreen(main_, p.x, p.y);
        remote::click(s.x, s.y);
    }

    void startProgram();
    counts::Counts measure();
    long systemDialogKeys() const;
    void printWindows() const;
    void printCounts(const char* label, const counts::Counts& c);

    // The actions, each checked to have done what it does.
    void hover(int n);
    void switchTabs(int n);
    void showPage(int page);
    void type(int n);
    void minimiseAndRestore(int n);
    void changeSettings(int n);
    void pickerSession(bool confirm);
    void changeSkin();

    void round(int r);
    void warmUp();

    const int scale_;
    const Work work_;
    const std::string path_;
    remote::Program program_;
    HWND main_ = nullptr;
    RECT home_{};
    int page_ = 0;
    int hoverStep_ = 0;
    int minimiseStep_ = 0;
    int transparency_ = 0;
    bool onTop_ = false;
    int pickerCount_ = 0;
    int confirmed_ = 0;
    int skin_ = 0;  // 0 sea blue, 1 golden, 2 black: the menu's order
    int typed_ = 0;
    pictures::Folder folder_{"lumo_soak"};
    DWORD started_ = 0;
    long dialogKeys_ = 0;
    int repeatedPresses_ = 0;
};

void Soak::startProgram() {
    require(program_.start(path_), "the program did not start: " + path_);
    main_ = program_.waitForWindow(kMainWindowClass);
    require(main_ != nullptr, "the main window did not appear");
    SetForegroundWindow(main_);
    require(toolbox::waitForSkin(main_, toolbox::kSeaBlue), "the main window did not show its first skin");
    toolbox::settle(main_);
    GetWindowRect(main_, &home_);
}

// Counted once the program is idle, the pointer is away from it and nothing
// fades any more: two readings a little apart agree.
counts::Counts Soak::measure() {
    remote::moveMouse(2, 2);
    remote::waitUntilIdle(main_);
    counts::Counts last = counts::of(program_.handle(), program_.id());
    const DWORD start = now();
    while (now() - start < 5000) {
        remote::waitUntil([] { return false; }, 300);
        counts::Counts c = counts::of(program_.handle(), program_.id());
        const bool same = c.gdiObjects == last.gdiObjects && c.userObjects == last.userObjects &&
                          c.handles == last.handles && c.privateBytes == last.privateBytes;
        last = c;
        if (same) break;
    }
    dialogKeys_ = systemDialogKeys();
    last.handles -= dialogKeys_;
    return last;
}

// The system's open-file dialog under Wine leaves one registry key open each
// time it returns a file (its list of the folders last visited, opened and
// never closed; a program that does nothing but call GetOpenFileNameA shows
// the same).  Those handles are the system's, not the program's: they are
// counted apart.
long Soak::systemDialogKeys() const {
    static const std::string kKey = "\\ComDlg32\\LastVisitedMRU";
    long n = 0;
    for (const counts::HandleInfo& h : counts::openHandles(program_.handle(), program_.id()))
        if (h.type == "Key" && h.name.size() >= kKey.size() &&
            h.name.compare(h.name.size() - kKey.size(), kKey.size(), kKey) == 0)
            ++n;
    return n;
}

// The program's visible top-level windows, to see where a failed step stopped.
void Soak::printWindows() const {
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner != program_.id() || !IsWindowVisible(w)) continue;
        RECT rc;
        GetWindowRect(w, &rc);
        char title[256] = {};
        GetWindowTextA(w, title, sizeof title);  // the text the system keeps: nothing is sent to the program
        std::printf("  window %s \"%s\" at (%ld, %ld) %s\n", remote::className(w).c_str(), title, rc.left, rc.top,
                    IsWindowEnabled(w) ? "enabled" : "disabled");
    }
}

void Soak::printCounts(const char* label, const counts::Counts& c) {
    std::printf("%-13s %7.1f s  %6ld GDI  %4ld USER  %9.1f KiB private  %5ld handles (and %ld of the dialog)\n", label,
                (now() - started_) / 1000.0, c.gdiObjects, c.userObjects, c.privateBytes / 1024.0, c.handles,
                dialogKeys_);
    std::fflush(stdout);
}

// The pointer goes from one to the next of the caption buttons and the
// skinned controls of the home page; each move is one transition.
void Soak::hover(int n) {
    static const int controls[] = {ctl::激活网页酷狗, ctl::背景音乐帮助,   ctl::公告框,       ctl::透明度组合框,
                                   ctl::皮肤更换,     ctl::总在最前选择框, ctl::自定义背景图, ctl::编辑器文字颜色};
    constexpr int kControls = sizeof controls / sizeof controls[0];
    for (int i = 0; i < n; ++i, ++hoverStep_) {
        POINT p;
        // Every other step a caption button, the minimise and close buttons in turn.
        if (hoverStep_ % 2 == 0) {
            p = toolbox::toScreen(main_, hoverStep_ % 4 == 0 ? kMinimisePoints[0].x : kClosePoint.x,
                                  hoverStep_ % 4 == 0 ? kMinimisePoints[0].y : kClosePoint.y);
        } else {
            p = centreOf(controls[(hoverStep_ / 2) % kControls]);
        }
        remote::moveMouse(p.x, p.y);
    }
}

// What shows that a page (0-based) is the one shown.
bool pageShown(HWND main, int page) {
    static const int marks[] = {ctl::公告框, ctl::酷狗音乐, ctl::编辑器, ctl::歌名框};
    return IsWindowVisible(GetDlgItem(main, marks[page])) != 0;
}

void Soak::showPage(int page) {
    HWND tab = item(ctl::转换框);
    remote::clickClientRect(tab, remote::tabItemRect(program_.handle(), tab, page));
    require(remote::waitUntil([&] { return pageShown(main_, page); }, 10000),
            "page " + std::to_string(page + 1) + " did not show");
    page_ = page;
}

void Soak::switchTabs(int n) {
    for (int i = 0; i < n; ++i) showPage((page_ + 1) % 4);
    if (page_ != 0) showPage(0);
}

// Words typed into the editor with the real keyboard, a line break now and
// then; the editor is emptied again at the end.
void Soak::type(int n) {
    if (n <= 0) return;
    showPage(2);
    HWND editor = item(ctl::编辑器);
    remote::clickWindow(editor);
    require(remote::waitUntil([&] {
                GUITHREADINFO info{};
                info.cbSize = sizeof info;
                return GetGUIThreadInfo(GetWindowThreadProcessId(main_, nullptr), &info) && info.hwndFocus == editor;
            }),
            "the editor did not take the keyboard focus");
    static const char text[] = "the quick brown fox jumps over the lazy dog ";
    int expected = static_cast<int>(SendMessageA(editor, WM_GETTEXTLENGTH, 0, 0));
    std::vector<WORD> keys;
    for (int i = 0; i < n; ++i, ++typed_) {
        WORD key;
        if (typed_ % 64 == 63) {
            key = VK_RETURN;
            expected += 2;
        } else {
            char c = text[typed_ % (sizeof text - 1)];
            key = c == ' ' ? VK_SPACE : static_cast<WORD>('A' + (c - 'a'));
            expected += 1;
        }
        keys.push_back(key);
        if (keys.size() == 16 || i == n - 1) {
            typeKeys(keys, main_);
            keys.clear();
        }
    }
    require(remote::waitUntil([&] { return SendMessageA(editor, WM_GETTEXTLENGTH, 0, 0) == expected; }, 10000),
            "the editor holds " + std::to_string(SendMessageA(editor, WM_GETTEXTLENGTH, 0, 0)) + " characters, not " +
                std::to_string(expected));
    keyChord(VK_CONTROL, VK_END, main_);
    INPUT in[6]{};
    for (INPUT& i : in) i.type = INPUT_KEYBOARD;
    in[0].ki.wVk = VK_CONTROL;
    in[1].ki.wVk = VK_SHIFT;
    in[2].ki.wVk = VK_HOME;
    in[3].ki.wVk = VK_HOME;
    in[3].ki.dwFlags = KEYEVENTF_KEYUP;
    in[4].ki.wVk = VK_SHIFT;
    in[4].ki.dwFlags = KEYEVENTF_KEYUP;
    in[5].ki.wVk = VK_CONTROL;
    in[5].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(6, in, sizeof(INPUT));
    typeKeys({VK_DELETE}, main_);
    require(remote::waitUntil([&] { return SendMessageA(editor, WM_GETTEXTLENGTH, 0, 0) == 0; }, 10000),
            "the editor did not empty");
    showPage(0);
}

// The minimise caption button, clicked; the window restored as the system's
// window list restores it (there is no taskbar on the virtual display).
void Soak::minimiseAndRestore(int n) {
    for (int i = 0; i < n; ++i, ++minimiseStep_) {
        // Two points of the button in turn: two clicks at one point this soon
        // would make a double click.
        clickClient(kMinimisePoints[minimiseStep_ % 2]);
        require(remote::waitUntil([&] { return IsIconic(main_) != 0; }, 10000), "the window did not minimise");
        PostMessageA(main_, WM_SYSCOMMAND, SC_RESTORE, 0);
        require(remote::waitUntil([&] { return !IsIconic(main_); }, 10000), "the window did not restore");
        remote::waitUntilIdle(main_);
        RECT rc;
        GetWindowRect(main_, &rc);
        require(EqualRect(&rc, &home_) != 0, "the restored window is not where it was");
        SetForegroundWindow(main_);
    }
}

// Each change: the next transparency from the list, chosen with the mouse and
// the keyboard, and "总在最前" pressed.
void Soak::changeSettings(int n) {
    static const BYTE alphas[] = {255, 225, 150, 75};
    HWND combo = item(ctl::透明度组合框);
    HWND box = item(ctl::总在最前选择框);
    for (int i = 0; i < n; ++i) {
        transparency_ = (transparency_ + 1) % 4;
        remote::clickWindow(combo);
        remote::pressKey(VK_HOME);
        for (int k = 0; k < transparency_; ++k) remote::pressKey(VK_DOWN);
        remote::pressKey(VK_RETURN);
        BYTE alpha = 0;
        require(remote::waitUntil([&] {
                    DWORD flags = 0;
                    COLORREF key = 0;
                    return GetLayeredWindowAttributes(main_, &key, &alpha, &flags) && alpha == alphas[transparency_];
                }),
                "the window's alpha is " + std::to_string(alpha) + ", not " + std::to_string(alphas[transparency_]));
        // Two points of the box in turn, so that no press is a double click.
        onTop_ = !onTop_;
        RECT rc;
        GetClientRect(box, &rc);
        remote::clickClientRect(box, onTop_ ? rc : RECT{6, 6, 10, 10});
        require(
            remote::waitUntil([&] { return ((GetWindowLongA(main_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0) == onTop_; }),
            onTop_ ? "the window did not go on top" : "the window did not leave the top");
    }
}

// The picker opened from its button; confirmed with one of two pictures in
// turn (the skin then shows its colour), or cancelled (the skin stays).
void Soak::pickerSession(bool confirm) {
    const DWORD pid = program_.id();
    remote::clickWindow(item(ctl::自定义背景图));
    // The dialog can take many seconds to open on a busy machine; while it
    // opens the main window is disabled.  A press the button never took
    // leaves the window enabled: it is pressed again, and said so at the end.
    HWND d = filedialog::waitForPicker(pid, 30000);
    if (!d && IsWindowEnabled(main_) && !filedialog::find(pid)) {
        ++repeatedPresses_;
        remote::clickWindow(item(ctl::自定义背景图));
        d = filedialog::waitForPicker(pid, 30000);
    }
    require(d != nullptr, "the picker did not open");
    const bool red = confirmed_ % 2 == 0;
    const char* name = red ? "red.png" : "blue.png";
    require(filedialog::showFolder(program_.handle(), d, folder_.path(), name), "the picker did not list the picture");
    if (confirm) {
        require(filedialog::clickItem(program_.handle(), d, name), "the picture could not be selected");
        require(
            remote::waitUntil([&] { return !filedialog::panelText(d, picker::panel::标签_图片宽度).empty(); }, 10000),
            "the panel did not describe the picture");
    }
    require(filedialog::close(pid, d, confirm ? IDOK : IDCANCEL), "the picker did not close");
    toolbox::settle(main_);
    if (confirm) {
        require(toolbox::waitForSkin(main_, red ? kRed : kBlue), "the chosen picture is not the skin");
        ++confirmed_;
        skin_ = -1;
    }
    ++pickerCount_;
}

// 皮肤更换 released over, then the next skin of its menu clicked.
void Soak::changeSkin() {
    const int next = (skin_ + 1 + 3) % 3;
    POINT button = centreOf(ctl::皮肤更换);
    remote::click(button.x, button.y);
    HWND menu = nullptr;
    require(remote::waitUntil([&] { return (menu = toolbox::openMenu(program_.id())) != nullptr; }, 10000),
            "the skin menu did not open");
    RECT rc;
    GetWindowRect(menu, &rc);
    const int third = (rc.bottom - rc.top) / 3;
    remote::click((rc.left + rc.right) / 2, rc.top + third * next + third / 2);
    require(remote::waitUntil([&] { return toolbox::openMenu(program_.id()) == nullptr; }, 10000),
            "the skin menu did not close");
    const bool shown = next == 2   ? remote::waitUntil([&] { return toolbox::skinIsNearBlack(main_); })
                       : next == 1 ? toolbox::waitForSkin(main_, toolbox::kGolden)
                                   : toolbox::waitForSkin(main_, toolbox::kSeaBlue);
    require(shown, "the skin " + std::to_string(next) + " chosen from the menu is not shown");
    skin_ = next;
}

void Soak::round(int r) {
    hover(soak::shareOfRound(work_.hovers, r));
    switchTabs(soak::shareOfRound(work_.tabSwitches, r));
    type(soak::shareOfRound(work_.typedCharacters, r));
    minimiseAndRestore(soak::shareOfRound(work_.minimiseCycles, r));
    changeSettings(soak::shareOfRound(work_.settingChanges, r));
    for (int i = soak::shareOfRound(work_.pickerSessions, r); i > 0; --i) pickerSession(pickerCount_ % 2 == 0);
    for (int i = soak::shareOfRound(work_.skinChanges, r); i > 0; --i) changeSkin();
}

// One of each action: what the program sets up on first use (the file
// dialog's shell view, the layered surface, the menu) belongs to its level
// after start-up, not to its growth.  Each is counted, to show what its
// first use costs.
void Soak::warmUp() {
    const std::pair<const char*, std::function<void()>> steps[] = {
        {"hovers", [&] { hover(4); }},
        {"tabs", [&] { switchTabs(4); }},
        {"typing", [&] { type(8); }},
        {"minimise", [&] { minimiseAndRestore(2); }},
        {"settings", [&] { changeSettings(2); }},
        {"picker OK", [&] { pickerSession(true); }},
        {"picker Cancel", [&] { pickerSession(false); }},
        {"skins",
         [&] {
             for (int i = 0; i < 3; ++i) changeSkin();
         }},
    };
    for (const auto& [what, action] : steps) {
        action();
        printCounts(what, measure());
    }
}

int Soak::run() {
    started_ = now();
    std::printf(
        "soak at 1/%d: %d hovers, %d skin changes, %d picker sessions, %d tab switches, %d minimise cycles, "
        "%d transparency and always-on-top changes, %d characters typed\n",
        scale_, work_.hovers, work_.skinChanges, work_.pickerSessions, work_.tabSwitches, work_.minimiseCycles,
        work_.settingChanges, work_.typedCharacters);
    folder_.add("red.png", pictures::flat(64, 48, kRed, gfx::format::Png));
    folder_.add("blue.png", pictures::flat(64, 48, kBlue, gfx::format::Png));
    std::vector<counts::Counts> rounds;
    counts::Counts reference;
    std::vector<counts::HandleInfo> referenceHandles;
    try {
        startProgram();
        counts::Sources sources;
        counts::of(program_.handle(), program_.id(), &sources);
        std::printf("counted: GDI objects by %s, USER objects by %s, private bytes by %s, handles by %s\n",
                    sources.gdi.c_str(), sources.user.c_str(), sources.privateBytes.c_str(), sources.handles.c_str());
        printCounts("start-up", measure());
        warmUp();
        reference = measure();
        referenceHandles = counts::openHandles(program_.handle(), program_.id());
        printCounts("warmed up", reference);
        for (int r = 0; r < soak::kRounds; ++r) {
            round(r);
            rounds.push_back(measure());
            printCounts(("round " + std::to_string(r + 1)).c_str(), rounds.back());
        }
    } catch (const Failure& f) {
        std::printf("FAILED after %.1f s: %s\n", (now() - started_) / 1000.0, f.what().c_str());
        printWindows();
        if (program_.running()) printCounts("at failure", counts::of(program_.handle(), program_.id()));
        return 1;
    }

    struct Judged {
        const char* what;
        const soak::Margin& margin;
        double (*value)(const counts::Counts&);
        double unit;
        const char* unitName;
    };
    const Judged judged[] = {
        {"GDI objects", kGdiMargin, [](const counts::Counts& c) { return double(c.gdiObjects); }, 1, ""},
        {"USER objects", kUserMargin, [](const counts::Counts& c) { return double(c.userObjects); }, 1, ""},
        {"private bytes", kPrivateMargin, [](const counts::Counts& c) { return double(c.privateBytes); }, 1024, "KiB"},
        {"handles", kHandleMargin, [](const counts::Counts& c) { return double(c.handles); }, 1, ""},
    };
    bool ok = true;
    for (const Judged& j : judged) {
        std::vector<double> values;
        for (const counts::Counts& c : rounds) values.push_back(j.value(c));
        const soak::Verdict v = soak::judge(values, j.value(reference), j.margin, scale_);
        std::printf("%-14s slope %+9.2f %s/round (allowed %.2f)  end %+9.2f %s (allowed +-%.2f)  %s\n", j.what,
                    v.slope / j.unit, j.unitName, soak::allowedSlope(j.margin, scale_) / j.unit, v.drift / j.unit,
                    j.unitName, j.margin.drift / j.unit, v.ok() ? "ok" : "FAILED");
        ok = ok && v.ok();
    }
    // What the handles gained are, to find where they come from.
    if (!rounds.empty() && rounds.back().handles > reference.handles) {
        for (const counts::HandleInfo& h : counts::openHandles(program_.handle(), program_.id())) {
            bool before = false;
            for (const counts::HandleInfo& r : referenceHandles)
                before = before || (r.value == h.value && r.type == h.type && r.name == h.name);
            if (!before) std::printf("  handle 0x%04x gained: %s %s\n", h.value, h.type.c_str(), h.name.c_str());
        }
    }

    DWORD_PTR answer = 0;
    const bool answers = SendMessageTimeoutA(main_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer) != 0;
    RECT rc{};
    GetWindowRect(main_, &rc);
    const bool inPlace = EqualRect(&rc, &home_) && IsWindowVisible(main_) && !IsIconic(main_);
    std::printf("the program %s; its window is %s (%ld, %ld, %ld x %ld)\n", answers ? "answers" : "DOES NOT ANSWER",
                inPlace ? "where it was" : "NOT WHERE IT WAS", rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
    ok = ok && answers && inPlace;

    PostMessageA(main_, WM_CLOSE, 0, 0);
    const bool ended = program_.waitForExit(20000);
    std::printf("closed: %s; %.1f s in all\n", ended ? "the program ended" : "THE PROGRAM DID NOT END",
                (now() - started_) / 1000.0);
    ok = ok && ended;
    if (repeatedPresses_) std::printf("%d presses of 自定义皮肤 were not taken and made again\n", repeatedPresses_);
    std::printf("%s\n", ok ? "SOAK PASSED" : "SOAK FAILED");
    return ok ? 0 : 1;
}

// GDI+ in this process encodes the test pictures.
class Graphics {
public:
    Graphics() { gfx::startup(token_); }
    ~Graphics() { gfx::shutdown(token_); }

private:
    ULONG_PTR token_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    int scale = 1;
    std::string program = remote::programPath();
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--scale") && i + 1 < argc) {
            scale = std::atoi(argv[++i]);
        } else if (!std::strcmp(argv[i], "--program") && i + 1 < argc) {
            program = argv[++i];
        } else {
            std::fprintf(stderr, "usage: LumoSoak.exe [--scale N] [--program PATH]\n");
            return 2;
        }
    }
    if (scale < 1 || scale > 1000) {
        std::fprintf(stderr, "--scale takes a whole number from 1 to 1000\n");
        return 2;
    }
    InitCommonControls();
    Graphics graphics;
    return Soak(scale, program).run();
}
