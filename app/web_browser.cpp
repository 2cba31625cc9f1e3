#include "app/web_browser.h"

#include <exdisp.h>
#include <ole2.h>
#include <string>

#include "win/handles.h"
#include "app/window_class.h"

namespace app {

namespace {

// The minimal OLE container around one browser: client site, in-place site
// and in-place frame in one object that lives as long as its host window.
class BrowserSite final : public IOleClientSite, public IOleInPlaceSite, public IOleInPlaceFrame {
public:
    explicit BrowserSite(HWND host) : host_(host) {}

    bool embed() {
        if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                    reinterpret_cast<void**>(object_.put()))))
            return false;
        object_->SetClientSite(static_cast<IOleClientSite*>(this));
        OleSetContainedObject(object_.get(), TRUE);
        RECT rc;
        GetClientRect(host_, &rc);
        object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, static_cast<IOleClientSite*>(this), 0, host_, &rc);
        object_->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(browser_.put()));
        return static_cast<bool>(browser_);
    }

    void navigate(const char* address) {
        if (!browser_) return;
        int n = MultiByteToWideChar(CP_ACP, 0, address, -1, nullptr, 0);
        std::wstring wide(static_cast<size_t>(n > 0 ? n : 1), L'\0');
        MultiByteToWideChar(CP_ACP, 0, address, -1, wide.data(), n);
        BSTR url = SysAllocString(wide.c_str());
        VARIANT empty;
        VariantInit(&empty);
        browser_->Navigate(url, &empty, &empty, &empty, &empty);
        SysFreeString(url);
    }

    void resize() {
        win::ComPtr<IOleInPlaceObject> inPlace;
        if (object_ &&
            SUCCEEDED(object_->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(inPlace.put())))) {
            RECT rc;
            GetClientRect(host_, &rc);
            inPlace->SetObjectRects(&rc, &rc);
        }
    }

    // Takes the browser out of its container; the site itself goes with its
    // last reference.
    void close() {
        browser_.reset();
        if (object_) {
            object_->Close(OLECLOSE_NOSAVE);
            object_->SetClientSite(nullptr);
            object_.reset();
        }
    }

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
        if (!out) return E_POINTER;
        if (riid == IID_IUnknown || riid == IID_IOleClientSite) *out = static_cast<IOleClientSite*>(this);
        else if (riid == IID_IOleWindow || riid == IID_IOleInPlaceSite) *out = static_cast<IOleInPlaceSite*>(this);
        else if (riid == IID_IOleInPlaceUIWindow || riid == IID_IOleInPlaceFrame)
            *out = static_cast<IOleInPlaceFrame*>(this);
        else {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
    STDMETHODIMP_(ULONG) Release() override {
        LONG left = InterlockedDecrement(&refs_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    // IOleClientSite
    STDMETHODIMP SaveObject() override { return E_NOTIMPL; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    STDMETHODIMP GetContainer(IOleContainer** c) override {
        *c = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP ShowObject() override { return S_OK; }
    STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
    STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }

    // IOleWindow (shared by the in-place site and the frame)
    STDMETHODIMP GetWindow(HWND* w) override {
        *w = host_;
        return S_OK;
    }
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IOleInPlaceSite
    STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnUIActivate() override { return S_OK; }
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc, LPRECT pos, LPRECT clip,
                                  LPOLEINPLACEFRAMEINFO info) override {
        *frame = static_cast<IOleInPlaceFrame*>(this);
        AddRef();
        *doc = nullptr;
        GetClientRect(host_, pos);
        GetClientRect(host_, clip);
        info->cb = sizeof(OLEINPLACEFRAMEINFO);
        info->fMDIApp = FALSE;
        info->hwndFrame = GetAncestor(host_, GA_ROOT);
        info->haccel = nullptr;
        info->cAccelEntries = 0;
        return S_OK;
    }
    STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
    STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
    STDMETHODIMP OnInPlaceDeactivate() override { return S_OK; }
    STDMETHODIMP DiscardUndoState() override { return E_NOTIMPL; }
    STDMETHODIMP DeactivateAndUndo() override { return E_NOTIMPL; }
    STDMETHODIMP OnPosRectChange(LPCRECT) override {
        resize();
        return S_OK;
    }

    // IOleInPlaceUIWindow
    STDMETHODIMP GetBorder(LPRECT) override { return E_NOTIMPL; }
    STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return E_NOTIMPL; }
    STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override { return E_NOTIMPL; }
    STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }

    // IOleInPlaceFrame
    STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
    STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    STDMETHODIMP RemoveMenus(HMENU) override { return E_NOTIMPL; }
    STDMETHODIMP SetStatusText(LPCOLESTR) override { return S_OK; }
    STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
    STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

private:
    ~BrowserSite() = default;

    LONG refs_ = 1;
    HWND host_;
    win::ComPtr<IOleObject> object_;
    win::ComPtr<IWebBrowser2> browser_;
};

BrowserSite* siteOf(HWND hwnd) { return reinterpret_cast<BrowserSite*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)); }

LRESULT CALLBACK browserHostProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    BrowserSite* site = siteOf(hwnd);
    switch (msg) {
    case WM_CREATE: {
        auto* created = new BrowserSite(hwnd);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
        created->embed();
        return 0;
    }
    case WM_SETTEXT: {
        LRESULT r = DefWindowProcA(hwnd, msg, wp, lp);
        if (site && lp) site->navigate(reinterpret_cast<const char*>(lp));
        return r;
    }
    case WM_SIZE:
        if (site) site->resize();
        return 0;
    case WM_ERASEBKGND: {
        RECT rc;
        GetClientRect(hwnd, &rc);
        FillRect(reinterpret_cast<HDC>(wp), &rc, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        return 1;
    }
    case WM_DESTROY:
        if (site) {
            site->close();
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
            site->Release();
        }
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

bool registerBrowserHostClass(HINSTANCE instance) {
    return registerWindowClass(instance, WindowClass{kBrowserHostClass, browserHostProc});
}

void clipBrowserHost(HWND host, const RECT& visibleInParent) {
    RECT own;
    GetWindowRect(host, &own);
    MapWindowPoints(HWND_DESKTOP, GetParent(host), reinterpret_cast<POINT*>(&own), 2);
    RECT visible;
    if (!IntersectRect(&visible, &own, &visibleInParent)) SetRectEmpty(&visible);
    OffsetRect(&visible, -own.left, -own.top);
    // The window owns the region from here on.
    SetWindowRgn(host, CreateRectRgnIndirect(&visible), FALSE);
}

}  // namespace app
