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

// The image lists of the gallery's controls.  Controls never destroy the
// image lists they are given, skinned or not, so the gallery window keeps
// these and frees them when it goes.
struct ImageLists {
    OwnedImageList toolbars{makeIconList(12)};
    OwnedImageList header{makeIconList(2)};
};

// Fills every control of the gallery window (created from the layout) and
// creates the combo box inside the container toolbar.
void fillControls(HWND window, const ImageLists& images, HFONT font);

// Draws one item of the owner-drawn list box.
void drawColourItem(const DRAWITEMSTRUCT& item);

}  // namespace gallery
