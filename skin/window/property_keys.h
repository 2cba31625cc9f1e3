#pragma once

// Keys of the 32-bit values that the skin engines attach to window handles
// with SetPropA.  A key that was never set reads as 0, meaning "none".
namespace skin::keys {

// window index on a skinned window; slot in its control list on a control
inline constexpr const char* kIndex = "Hw_lbID";
// window index of the skinned top-level window that holds a control
inline constexpr const char* kOwnerIndex = "Hw_FuID";
// previous window procedure of a skinned window or control
inline constexpr const char* kPreviousProc = "Hw_hProc";
// the same three for toolbars
inline constexpr const char* kToolbarIndex = "Kj_lbID";
inline constexpr const char* kToolbarOwnerIndex = "Kj_FuID";
inline constexpr const char* kToolbarPreviousProc = "Kj_hProc";
// text colour of a control
inline constexpr const char* kTextColour = "Kj_Ztys";
// brush last handed out for a control by its window's colour handling
inline constexpr const char* kControlBrush = "Kj_dxjb";
// bitmap behind that brush (edits, statics); image list (toolbars)
inline constexpr const char* kControlBitmap = "Kj_wtjb";
// bitmap the background surface held when it was created
inline constexpr const char* kSurfaceOriginalBitmap = "Ck_Ycjdx";
// bitmap currently composed into the background surface
inline constexpr const char* kSurfaceBitmap = "Ck_wtjbdx";
// a menu destroyed with the window
inline constexpr const char* kWindowMenu = "Ck_cdjb";
// own veil of list-like controls, edits and combo boxes: on/off, colour, alpha
inline constexpr const char* kOwnVeil = "Zqk_Szqk";
inline constexpr const char* kVeilColour = "Zqk_bjs";
inline constexpr const char* kVeilAlpha = "Zqk_bjstmd";
// window shown and hidden with an edit
inline constexpr const char* kCompanionWindow = "Zqk_gljb";
// container bookkeeping
inline constexpr const char* kContainerSlot = "Zqk_LbID";
inline constexpr const char* kContainerOwner = "Zqk_FuID";
inline constexpr const char* kContainerChildSlot = "Wxk_LBID";
inline constexpr const char* kContainerLayer = "Wxk_Cj";
inline constexpr const char* kContainerSelfPaint = "Wxk_Zpf";
inline constexpr const char* kNearestSelfPainter = "Mb_zpf";
// on a simulated scroll bar window: the control it belongs to
inline constexpr const char* kScrollOwner = "Mngd_zct";

}  // namespace skin::keys
