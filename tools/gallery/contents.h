#pragma once
#include <windows.h>
#include <commctrl.h>

#include <span>

#include "win/handles.h"

// What the gallery's controls show: texts, items, columns, ranges and
// positions, toolbar buttons and the icons of the image lists.
namespace gallery {

inline void destroyImageList(HIMAGELIST list) { ImageList_Destroy(list); }
using OwnedImageList = win::Owned<HIMAGELIST, destroyImageList>;

// Images drawn at run time: each a coloured rounded square with a black
// outline and a white gleam on a transparent ground, so that greyed and
// tinted copies have all three kinds of pixel to work on.
HIMAGELIST makeIconList(int count, int size = 16);

// The items of the owner-drawn list box: a swatch of the colour and the name.
struct ColourItem {
    const char* name;
    COLORREF colour;
};
std::span<const ColourItem> ownerDrawItems();
inline constexpr int kOwnerDrawItemHeight = 18;
// The swatch of an item in the item's rectangle.
RECT swatchRect(const RECT& item);

// The toolbar's buttons, one of every kind and state a skin draws.
std::span<const TBBUTTON> toolbarButtons();
// The container toolbar's buttons; the first is the place of its combo box.
std::span<const TBBUTTON> containerToolbarButtons();
inline constexpr int kToolbarComboWidth = 150;

// Fills every control of the gallery window (created from the layout) and
// creates the combo box inside the container toolbar.  The toolbars use the
// given image list, which the caller keeps; the standalone header gets an
// image list of its own.
void fillControls(HWND window, HIMAGELIST toolbarIcons, HFONT font);

// Draws one item of the owner-drawn list box.
void drawColourItem(const DRAWITEMSTRUCT& item);

}  // namespace gallery
