#include "pages/win/BrowserSite.h"

#include "pages/PageUrl.h"
#include "platform/FileOps.h"
#include "win/ComRef.h"
#include "win/WideText.h"

#include <ole2.h>
#include <ocidl.h>
#include <exdisp.h>
#include <exdispid.h>
#include <mshtmhst.h>

#include <utility>

namespace {

// A page of ours that exists and still did not load: the browser has no
// engine to show it. A missing file is only a missing page, which the
// browser reports with its own error page.
bool IsUnshownLocalPage(const std::string& url)
{
    const std::string path = LocalPathOfUrl(url);
    long long bytes = 0;
    return !path.empty() && RegularFileSize(path, bytes);
}

// The URL argument of BeforeNavigate2 arrives as a VARIANT by reference
// holding a BSTR; anything else counts as an empty address.
std::string UrlOf(const VARIANT& argument)
{
    const VARIANT* value = &argument;
    if (V_VT(value) == (VT_BYREF | VT_VARIANT) && V_VARIANTREF(value))
        value = V_VARIANTREF(value);
    if (V_VT(value) == VT_BSTR)
        return NarrowText(V_BSTR(value), SysStringLen(V_BSTR(value)));
    if (V_VT(value) == (VT_BYREF | VT_BSTR) && V_BSTRREF(value))
        return NarrowText(*V_BSTRREF(value), SysStringLen(*V_BSTRREF(value)));
    return std::string();
}

} // namespace

// The container side of the browser: client site, in-place site and frame,
// and the sink of its DWebBrowserEvents2. Reference counted, because the
// control holds on to it; the PageHost drops its own reference in
// Detach after cutting every link the control has back to it.
class BrowserSite final : public IOleClientSite,
                          public IOleInPlaceSite,
                          public IOleInPlaceFrame,
                          public IDocHostUIHandler,
                          public IDispatch {
public:
    BrowserSite(HWND host, PageArea::BeforeNavigate beforeNavigate)
        : host_(host), beforeNavigate_(std::move(beforeNavigate)) {}

    bool Attach();
    void Detach();
    bool Navigate(const std::string& fullPath);
    void Resize(int width, int height);
    HWND BrowserWindow() const;

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
    STDMETHODIMP_(ULONG) Release() override;

    // IOleClientSite
    STDMETHODIMP SaveObject() override { return E_NOTIMPL; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** moniker) override { return Refuse(moniker); }
    STDMETHODIMP GetContainer(IOleContainer** container) override { return Refuse(container, E_NOINTERFACE); }
    STDMETHODIMP ShowObject() override { return S_OK; }
    STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
    STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }

    // IOleWindow, shared by the in-place site and the frame
    STDMETHODIMP GetWindow(HWND* window) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IOleInPlaceSite
    STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnUIActivate() override { return S_OK; }
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                  LPRECT position, LPRECT clip, LPOLEINPLACEFRAMEINFO info) override;
    STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
    STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
    STDMETHODIMP OnInPlaceDeactivate() override { return S_OK; }
    STDMETHODIMP DiscardUndoState() override { return E_NOTIMPL; }
    STDMETHODIMP DeactivateAndUndo() override { return E_NOTIMPL; }
    STDMETHODIMP OnPosRectChange(LPCRECT position) override;

    // IOleInPlaceUIWindow and IOleInPlaceFrame: no menus, toolbars or status bar
    STDMETHODIMP GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
    STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }
    STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return S_OK; }
    STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    STDMETHODIMP RemoveMenus(HMENU) override { return S_OK; }
    STDMETHODIMP SetStatusText(LPCOLESTR) override { return S_OK; }
    STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
    STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

    // IDocHostUIHandler: the page scales with the window's DPI, as the
    // built-in view does; everything else is left to the control.
    STDMETHODIMP GetHostInfo(DOCHOSTUIINFO* info) override;
    STDMETHODIMP ShowContextMenu(DWORD, POINT*, IUnknown*, IDispatch*) override { return S_FALSE; }
    STDMETHODIMP ShowUI(DWORD, IOleInPlaceActiveObject*, IOleCommandTarget*, IOleInPlaceFrame*,
                        IOleInPlaceUIWindow*) override { return S_FALSE; }
    STDMETHODIMP HideUI() override { return S_OK; }
    STDMETHODIMP UpdateUI() override { return S_OK; }
    STDMETHODIMP OnDocWindowActivate(BOOL) override { return S_OK; }
    STDMETHODIMP OnFrameWindowActivate(BOOL) override { return S_OK; }
    STDMETHODIMP ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) override { return S_OK; }
    STDMETHODIMP TranslateAccelerator(LPMSG, const GUID*, DWORD) override { return S_FALSE; }
    STDMETHODIMP GetOptionKeyPath(LPOLESTR* key, DWORD) override { return Refuse(key, S_FALSE); }
    STDMETHODIMP GetDropTarget(IDropTarget*, IDropTarget** target) override { return Refuse(target); }
    STDMETHODIMP GetExternal(IDispatch** external) override { return Refuse(external); }
    STDMETHODIMP TranslateUrl(DWORD, LPWSTR, LPWSTR* url) override { return Refuse(url, S_FALSE); }
    STDMETHODIMP FilterDataObject(IDataObject*, IDataObject** data) override { return Refuse(data, S_FALSE); }

    // IDispatch, as the DWebBrowserEvents2 sink
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override { return Refuse(info); }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT*,
                        EXCEPINFO*, UINT*) override;

private:
    ~BrowserSite() = default;
    template <typename T>
    static HRESULT Refuse(T** out, HRESULT result = E_NOTIMPL)
    {
        if (out)
            *out = nullptr;
        return result;
    }
    void BeforeNavigate2(DISPPARAMS* parameters);
    void NavigateError(DISPPARAMS* parameters);

    LONG references_ = 1;
    HWND host_;
    PageArea::BeforeNavigate beforeNavigate_;
    ComRef<IOleObject> object_;
    ComRef<IWebBrowser2> browser_;
    ComRef<IConnectionPoint> events_;
    DWORD cookie_ = 0;
};

STDMETHODIMP BrowserSite::QueryInterface(REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleClientSite))
        *object = static_cast<IOleClientSite*>(this);
    else if (IsEqualIID(iid, IID_IOleWindow) || IsEqualIID(iid, IID_IOleInPlaceSite))
        *object = static_cast<IOleInPlaceSite*>(this);
    else if (IsEqualIID(iid, IID_IOleInPlaceUIWindow) || IsEqualIID(iid, IID_IOleInPlaceFrame))
        *object = static_cast<IOleInPlaceFrame*>(this);
    else if (IsEqualIID(iid, IID_IDocHostUIHandler))
        *object = static_cast<IDocHostUIHandler*>(this);
    else if (IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, DIID_DWebBrowserEvents2))
        *object = static_cast<IDispatch*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

STDMETHODIMP BrowserSite::GetHostInfo(DOCHOSTUIINFO* info)
{
    if (!info || info->cbSize < sizeof(DOCHOSTUIINFO))
        return E_INVALIDARG;
    info->dwFlags = DOCHOSTUIFLAG_DPI_AWARE;
    info->dwDoubleClick = DOCHOSTUIDBLCLK_DEFAULT;
    return S_OK;
}

STDMETHODIMP_(ULONG) BrowserSite::Release()
{
    LONG left = InterlockedDecrement(&references_);
    if (left == 0)
        delete this;
    return static_cast<ULONG>(left);
}

STDMETHODIMP BrowserSite::GetWindow(HWND* window)
{
    if (!window)
        return E_POINTER;
    *window = host_;
    return host_ ? S_OK : E_FAIL;
}

STDMETHODIMP BrowserSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                           LPRECT position, LPRECT clip, LPOLEINPLACEFRAMEINFO info)
{
    if (!frame || !document || !position || !clip || !info)
        return E_POINTER;
    *frame = static_cast<IOleInPlaceFrame*>(this);
    AddRef();
    *document = nullptr;
    GetClientRect(host_, position);
    *clip = *position;
    info->fMDIApp = FALSE;
    info->hwndFrame = GetAncestor(host_, GA_ROOT);
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
}

STDMETHODIMP BrowserSite::OnPosRectChange(LPCRECT position)
{
    ComRef<IOleInPlaceObject> inPlace;
    if (position && object_ && SUCCEEDED(object_->QueryInterface(IID_IOleInPlaceObject, inPlace.OutVoid())))
        inPlace->SetObjectRects(position, position);
    return S_OK;
}

STDMETHODIMP BrowserSite::GetTypeInfoCount(UINT* count)
{
    if (count)
        *count = 0;
    return S_OK;
}

STDMETHODIMP BrowserSite::Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT*,
                                 EXCEPINFO*, UINT*)
{
    // Every other event is left to the browser.
    if (member == DISPID_BEFORENAVIGATE2)
        BeforeNavigate2(parameters);
    else if (member == DISPID_NAVIGATEERROR)
        NavigateError(parameters);
    return S_OK;
}

void BrowserSite::NavigateError(DISPPARAMS* parameters)
{
    // Arguments come last to first: pDisp, URL, Frame, StatusCode, Cancel.
    // An error on a web address is the browser's business.
    if (!parameters || parameters->cArgs < 5 || !parameters->rgvarg || !host_)
        return;
    // Nothing may unwind into the browser's code.
    try {
        if (IsUnshownLocalPage(UrlOf(parameters->rgvarg[3])))
            PostMessageA(host_, kBrowserCannotShowPages, 0, 0);
    } catch (...) {
    }
}

void BrowserSite::BeforeNavigate2(DISPPARAMS* parameters)
{
    // Arguments come last to first: pDisp, URL, Flags, TargetFrameName,
    // PostData, Headers, Cancel.
    if (!parameters || parameters->cArgs < 7 || !parameters->rgvarg)
        return;
    VARIANT& cancel = parameters->rgvarg[0];
    if (V_VT(&cancel) != (VT_BYREF | VT_BOOL) || !V_BOOLREF(&cancel))
        return;
    bool allowed = true;
    if (beforeNavigate_) {
        // Nothing may unwind into the browser's code; a failing filter
        // refuses the navigation.
        try {
            allowed = beforeNavigate_(UrlOf(parameters->rgvarg[5]));
        } catch (...) {
            allowed = false;
        }
    }
    if (!allowed)
        *V_BOOLREF(&cancel) = VARIANT_TRUE;
}

bool BrowserSite::Attach()
{
    if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject, object_.OutVoid()))) {
        object_.Reset();
        return false;
    }
    if (FAILED(object_->SetClientSite(static_cast<IOleClientSite*>(this))))
        return false;
    // Events are connected before anything can navigate, so the filter sees
    // the very first page too.
    ComRef<IConnectionPointContainer> container;
    if (SUCCEEDED(object_->QueryInterface(IID_IConnectionPointContainer, container.OutVoid()))) {
        if (FAILED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, events_.Out())) ||
            FAILED(events_->Advise(static_cast<IDispatch*>(this), &cookie_)))
            events_.Reset();
    }
    RECT area{};
    GetClientRect(host_, &area);
    if (FAILED(object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, static_cast<IOleClientSite*>(this), 0,
                               host_, &area)))
        return false;
    if (FAILED(object_->QueryInterface(IID_IWebBrowser2, browser_.OutVoid()))) {
        browser_.Reset();
        return false;
    }
    return true;
}

void BrowserSite::Detach()
{
    if (events_) {
        events_->Unadvise(cookie_);
        events_.Reset();
    }
    browser_.Reset();
    if (object_) {
        ComRef<IOleInPlaceObject> inPlace;
        if (SUCCEEDED(object_->QueryInterface(IID_IOleInPlaceObject, inPlace.OutVoid())))
            inPlace->InPlaceDeactivate();
        inPlace.Reset();
        object_->Close(OLECLOSE_NOSAVE);
        object_->SetClientSite(nullptr);
        object_.Reset();
    }
    // A late call from a control that still holds the site finds no filter
    // and no window.
    beforeNavigate_ = nullptr;
    host_ = nullptr;
    Release();
}

bool BrowserSite::Navigate(const std::string& fullPath)
{
    if (!browser_)
        return false;
    BSTR url = SysAllocString(WideText(fullPath).c_str());
    if (!url)
        return false;
    VARIANT none;
    VariantInit(&none);
    HRESULT result = browser_->Navigate(url, &none, &none, &none, &none);
    SysFreeString(url);
    return SUCCEEDED(result);
}

void BrowserSite::Resize(int width, int height)
{
    RECT area{0, 0, width, height};
    OnPosRectChange(&area);
}

HWND BrowserSite::BrowserWindow() const
{
    HWND window = nullptr;
    ComRef<IOleInPlaceObject> inPlace;
    if (object_ && SUCCEEDED(object_->QueryInterface(IID_IOleInPlaceObject, inPlace.OutVoid())) &&
        FAILED(inPlace->GetWindow(&window)))
        window = nullptr;
    return window;
}

namespace {

// The control as a page area: the site's owner, which cuts it loose when
// the area goes.
class WebBrowserArea final : public PageArea {
public:
    explicit WebBrowserArea(BrowserSite* site) : site_(site) {}
    ~WebBrowserArea() override { site_->Detach(); }
    WebBrowserArea(const WebBrowserArea&) = delete;
    WebBrowserArea& operator=(const WebBrowserArea&) = delete;

    bool Show(const std::string& path) override { return site_->Navigate(path); }
    void Resize(int width, int height) override { site_->Resize(width, height); }
    HWND KeyWindow() const override { return site_->BrowserWindow(); }

private:
    BrowserSite* site_;
};

} // namespace

std::unique_ptr<PageArea> EmbedWebBrowser(HWND host, PageArea::BeforeNavigate beforeNavigate)
{
    auto* site = new BrowserSite(host, std::move(beforeNavigate));
    if (!site->Attach()) {
        site->Detach();
        return nullptr;
    }
    return std::make_unique<WebBrowserArea>(site);
}
