#pragma once
#include <span>
#include <windows.h>

// The skin gallery: one skinned window that holds every variant of the
// controls the control skin engine tells apart, each at a fixed place, so
// that the control families have a real window to be drawn in, tested in and
// looked at.  The identifiers and places below are what tests and skin
// authors refer to.
namespace gallery {

// Dialog identifiers of the gallery's controls, one block per control family
// in the order the families are skinned.  A new variant takes the next free
// number at the end of its family's block, so that existing numbers never
// change.
namespace id {
enum : int {
    // push buttons, check boxes and radio buttons
    PushButton = 3100,
    DefaultPushButton,
    DisabledPushButton,
    ToggleHiddenEdit,  // a push button that shows and hides HiddenEdit
    AutoCheckBox,
    CheckBox,
    ThreeStateCheckBox,
    AutoRadioFirst,
    AutoRadioSecond,
    PlainRadio,
    // edits and combo boxes
    ClientEdgeEdit = 3200,
    BorderEdit,
    BorderlessEdit,
    ScrollingEdit,
    HiddenEdit,
    SimpleCombo,
    DropDownCombo,
    DropDownListCombo,
    // trackbars
    Trackbar = 3300,
    TrackbarBoth,
    TrackbarTop,
    TrackbarNoTicks,
    TrackbarSelection,
    TrackbarVertical,
    TrackbarVerticalBoth,
    TrackbarVerticalLeft,
    // progress bars
    ProgressEmpty = 3400,
    ProgressHalf,
    ProgressFull,
    ProgressVertical,
    // list-like controls
    ListBox = 3500,
    OwnerDrawListBox,
    ReportListView,
    SortedListView,
    TreeView,
    IpAddress,
    DatePicker,
    // up-down controls (and the edit the first one drives)
    UpDownBuddyEdit = 3600,
    UpDownVertical,
    UpDownHorizontal,
    // headers
    ButtonHeader = 3700,
    PlainHeader,
    // toolbars; ToolbarCombo is the one control that is not a direct child of
    // the window but of ContainerToolbar
    Toolbar = 3800,
    ContainerToolbar,
    ToolbarCombo,
    // section titles (static texts, which the control engine never skins)
    ToolbarsTitle = 3900,
    ContainerTitle,
    ButtonsTitle,
    EditsTitle,
    UpDownsTitle,
    CombosTitle,
    ListBoxTitle,
    OwnerDrawTitle,
    PickersTitle,
    ReportTitle,
    SortedTitle,
    TreeTitle,
    HeadersTitle,
    ProgressTitle,
    TrackbarsTitle,
    VerticalTrackbarsTitle,
    SkinMenuHint,
};
}  // namespace id

// Command identifiers of the toolbar buttons and of the hidden skin menu.
namespace command {
enum : int {
    New = 4001,
    Bold,
    Italic,
    Delete,
    Mixed,
    Hidden,
    Open,
    Recent,
    AutoSize,
    ImageOnly,
    AlignLeft,
    AlignRight,
    Help,
    Find,
    Options,
    // the hidden skin menu, in the order of builtInSkins()
    FirstSkin = 4101,
};
}  // namespace command

inline constexpr const char* kWindowClass = "LumoSkinGallery";
inline constexpr const char* kTitle = "Lumo皮肤样品窗口";
inline constexpr int kWidth = 1000;
inline constexpr int kHeight = 720;
// The skinned caption and the bottom bar; controls lie between them.
inline constexpr int kCaptionHeight = 25;
inline constexpr int kBarHeight = 25;
// A point of the client area that no control covers: the skin shows there.
inline constexpr POINT kBackdropSample{995, 600};
// A point of the caption band clear of the icon, the title and the buttons.
inline constexpr POINT kCaptionSample{500, 3};

// One control of the gallery, a direct child of the window.
struct ControlSpec {
    int id;
    const char* className;
    const char* caption;
    DWORD style;  // besides WS_CHILD, and WS_VISIBLE unless hidden
    DWORD exStyle;
    int x, y, width, height;
    bool hidden = false;
    int dropHeight = 0;  // combo boxes: the list that drops below the box
};

// Every direct child of the gallery, in creation order (which is the window
// manager's child order, the order the control engine visits them in).
std::span<const ControlSpec> galleryControls();
const ControlSpec* findControl(int id);

// The built-in skins in the order the toolbox's skin menu offers them, with
// the placement mode the gallery gives each: the first skin as the toolbox
// starts with it, the others as its skin menu chooses them.
struct BuiltInSkin {
    const char* name;      // file name part of a screenshot, e.g. "sea-blue"
    const char* menuText;  // the skin menu's text
    const char* resource;  // the carried picture
    int placementMode;
};
std::span<const BuiltInSkin> builtInSkins();

}  // namespace gallery
