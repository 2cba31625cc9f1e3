#include "app/picture_box.h"

#include <cstring>
#include <ocidl.h>
#include <olectl.h>

#include "win/handles.h"
#include "app/window_class.h"

namespace app {

namespace {

struct PictureBoxState {
    win::ComPtr<IPicture> picture;
};

PictureBoxState* stateOf(HWND hwnd) {
    return reinterpret_cast<PictureBoxState*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

win::ComPtr<IPicture> decodePicture(std::span<const BYTE> encoded) {
    win::ComPtr<IPicture> picture;
    if (encoded.empty()) return picture;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, encoded.size());
    if (!memory) return picture;
    if (void* p = GlobalLock(memory)) {
        std::memcpy(p, encoded.data(), encoded.size());
        GlobalUnlock(memory);
    }
    win::ComPtr<IStream> stream;
    // The stream frees the memory block when it is released.
    if (FAILED(CreateStreamOnHGlobal(memory, TRUE, stream.put()))) {
        GlobalFree(memory);
        return picture;
    }
    OleLoadPicture(stream.get(), static_cast<LONG>(encoded.size()), FALSE, IID_IPicture,
                   reinterpret_cast<void**>(picture.put()));
    return picture;
}

void paint(HWND hwnd, PictureBoxState& state) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT rc;
    GetClientRect(hwnd, &rc);
    FillRect(dc, &rc, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    if (state.picture) {
        OLE_XSIZE_HIMETRIC w = 0;
        OLE_YSIZE_HIMETRIC h = 0;
        state.picture->get_Width(&w);
        state.picture->get_Height(&h);
        int oldMode = SetStretchBltMode(dc, HALFTONE);
        SetBrushOrgEx(dc, 0, 0, nullptr);
        state.picture->Render(dc, 0, 0, rc.right, rc.bottom, 0, h, w, -h, nullptr);
        SetStretchBltMode(dc, oldMode);
    }
    EndPaint(hwnd, &ps);
}

LRESULT CALLBACK pictureBoxProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    PictureBoxState* state = stateOf(hwnd);
    switch (msg) {
    case WM_NCCREATE: SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new PictureBoxState)); break;
    case WM_NCDESTROY:
        delete state;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        break;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT:
        if (state) {
            paint(hwnd, *state);
            return 0;
        }
        break;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

bool registerPictureBoxClass(HINSTANCE instance) {
    return registerWindowClass(instance, WindowClass{kPictureBoxClass, pictureBoxProc});
}

bool setPicture(HWND box, std::span<const BYTE> encoded) {
    PictureBoxState* state = stateOf(box);
    if (!state) return false;
    state->picture = decodePicture(encoded);
    InvalidateRect(box, nullptr, TRUE);
    return static_cast<bool>(state->picture);
}

}  // namespace app
