// The WebBrowser control's host; see web_browser_host.h.
#include "ui/win32/web_browser_host.h"

#include <exdisp.h>
#include <exdispid.h>
#include <oleauto.h>
#include <wrl/client.h>

#include <algorithm>
#include <utility>

#include "ui/win32/ui_ids.h"

namespace tikora {

using Microsoft::WRL::ComPtr;

namespace {

constexpr wchar_t kHostClass[] = L"TWebBrowserHost";
constexpr UINT kBrowserEvent = static_cast<UINT>(PrivateMessage::BrowserEvent);

// The control's class and interfaces, spelled out.
constexpr CLSID kWebBrowserClass = {0x8856f961, 0x340a, 0x11d0, {0xa9, 0x6b, 0x00, 0xc0, 0x4f, 0xd7, 0x05, 0xa2}};
constexpr IID kWebBrowser2 = {0xd30c1661, 0xcdaf, 0x11d0, {0x8a, 0x3e, 0x00, 0xc0, 0x4f, 0xc9, 0xe2, 0x6e}};
constexpr IID kWebBrowserEvents2 = {0x34a715a0, 0x6587, 0x11d0, {0x92, 0x4a, 0x00, 0x20, 0xaf, 0xc7, 0xac, 0x4d}};

// Navigate's flags: not from the cache (the page file is rewritten under the same name), and no
// history entry for the page view's one page.
constexpr long kNavigateFlags = 0x02 /* navNoHistory */ | 0x04 /* navNoReadFromCache */;

std::vector<WebBrowserHost*>& liveHosts() {
  static std::vector<WebBrowserHost*> hosts;
  return hosts;
}

// A BSTR that frees itself.
class Bstr {
 public:
  explicit Bstr(const std::wstring& text) : text_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
  ~Bstr() { SysFreeString(text_); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  operator BSTR() const { return text_; }

 private:
  BSTR text_;
};

// A property of a scripting object by its name.
ComPtr<IDispatch> objectProperty(IDispatch* object, const wchar_t* name) {
  ComPtr<IDispatch> result;
  if (!object) return result;
  DISPID id = 0;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  if (FAILED(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) return result;
  DISPPARAMS none{};
  VARIANT value;
  VariantInit(&value);
  if (SUCCEEDED(
          object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &value, nullptr, nullptr)) &&
      value.vt == VT_DISPATCH && value.pdispVal)
    value.pdispVal->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(result.GetAddressOf()));
  VariantClear(&value);
  return result;
}

void setTextProperty(IDispatch* object, const std::wstring& name, const std::wstring& text) {
  DISPID id = 0;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name.c_str())};
  if (FAILED(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) return;
  Bstr value(text);
  VARIANT argument;
  VariantInit(&argument);
  argument.vt = VT_BSTR;
  argument.bstrVal = value;
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS parameters{&argument, &named, 1, 1};
  object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &parameters, nullptr, nullptr, nullptr);
}

std::wstring variantText(const VARIANT& value) {
  const VARIANT* v = &value;
  if (v->vt == (VT_BYREF | VT_VARIANT) && v->pvarVal) v = v->pvarVal;
  if (v->vt == VT_BSTR && v->bstrVal) return std::wstring(v->bstrVal, SysStringLen(v->bstrVal));
  if (v->vt == (VT_BYREF | VT_BSTR) && v->pbstrVal && *v->pbstrVal)
    return std::wstring(*v->pbstrVal, SysStringLen(*v->pbstrVal));
  return {};
}

void setCancel(VARIANT& cancel) {
  if (cancel.vt == (VT_BYREF | VT_BOOL) && cancel.pboolVal) *cancel.pboolVal = VARIANT_TRUE;
}

// Whether an event's IDispatch is the top-level browser's own (not a frame's).
bool isSameObject(IUnknown* a, IUnknown* b) {
  if (!a || !b) return false;
  ComPtr<IUnknown> first, second;
  a->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(first.GetAddressOf()));
  b->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(second.GetAddressOf()));
  return first && first.Get() == second.Get();
}

}  // namespace

// The container's side of the control: client site, in-place site and frame, event sink.
class BrowserSite final : public IOleClientSite, public IOleInPlaceSite, public IOleInPlaceFrame, public IDispatch {
 public:
  explicit BrowserSite(WebBrowserHost& host) : host_(&host) {}

  // Makes the control and activates it in place in the host window; false when it cannot.
  bool open() {
    HWND window = host_->hwnd();
    if (FAILED(CoCreateInstance(kWebBrowserClass, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                reinterpret_cast<void**>(object_.GetAddressOf()))))
      return false;
    if (FAILED(object_->SetClientSite(static_cast<IOleClientSite*>(this)))) return false;
    OleSetContainedObject(object_.Get(), TRUE);
    RECT area{};
    GetClientRect(window, &area);
    if (FAILED(
            object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, static_cast<IOleClientSite*>(this), 0, window, &area)))
      return false;
    if (FAILED(object_.As(&inPlace_))) return false;
    if (FAILED(object_->QueryInterface(kWebBrowser2, reinterpret_cast<void**>(browser_.GetAddressOf())))) return false;
    // The events come without the container asking for each.
    ComPtr<IConnectionPointContainer> points;
    if (SUCCEEDED(object_.As(&points)) && SUCCEEDED(points->FindConnectionPoint(kWebBrowserEvents2, &events_)))
      if (FAILED(events_->Advise(static_cast<IDispatch*>(this), &cookie_))) events_.Reset();
    return true;
  }

  // Undoes open in reverse; the control lets go of the site, so the reference cycle ends.
  void close() {
    if (events_) {
      events_->Unadvise(cookie_);
      events_.Reset();
    }
    if (browser_) browser_->Stop();
    browser_.Reset();
    if (inPlace_) inPlace_->InPlaceDeactivate();
    inPlace_.Reset();
    if (object_) {
      object_->Close(OLECLOSE_NOSAVE);
      object_->SetClientSite(nullptr);
      object_.Reset();
    }
    host_ = nullptr;
  }

  bool active() const { return browser_ != nullptr; }
  IWebBrowser2* browser() const { return browser_.Get(); }
  IOleInPlaceObject* inPlace() const { return inPlace_.Get(); }

  // ---- IUnknown ----
  STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (iid == IID_IUnknown || iid == IID_IOleClientSite) {
      *object = static_cast<IOleClientSite*>(this);
    } else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite) {
      *object = static_cast<IOleInPlaceSite*>(this);
    } else if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame) {
      *object = static_cast<IOleInPlaceFrame*>(this);
    } else if (iid == IID_IDispatch || iid == kWebBrowserEvents2) {
      *object = static_cast<IDispatch*>(this);
    } else {
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return ++references_; }
  STDMETHODIMP_(ULONG) Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  // ---- IOleClientSite ----
  STDMETHODIMP SaveObject() override { return E_NOTIMPL; }
  STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** moniker) override {
    if (moniker) *moniker = nullptr;
    return E_NOTIMPL;
  }
  STDMETHODIMP GetContainer(IOleContainer** container) override {
    if (container) *container = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP ShowObject() override { return S_OK; }
  STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
  STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }

  // ---- IOleWindow (the in-place site's and the frame's) ----
  STDMETHODIMP GetWindow(HWND* window) override {
    if (!window) return E_POINTER;
    *window = host_ ? host_->hwnd() : nullptr;
    return *window ? S_OK : E_FAIL;
  }
  STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

  // ---- IOleInPlaceSite ----
  STDMETHODIMP CanInPlaceActivate() override { return host_ ? S_OK : S_FALSE; }
  STDMETHODIMP OnInPlaceActivate() override { return S_OK; }
  STDMETHODIMP OnUIActivate() override { return S_OK; }
  STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position, LPRECT clip,
                                LPOLEINPLACEFRAMEINFO info) override {
    if (!frame || !document || !position || !clip || !info) return E_POINTER;
    *frame = static_cast<IOleInPlaceFrame*>(this);
    AddRef();
    *document = nullptr;
    HWND window = host_ ? host_->hwnd() : nullptr;
    GetClientRect(window, position);
    *clip = *position;
    info->fMDIApp = FALSE;
    info->hwndFrame = window ? GetAncestor(window, GA_ROOT) : nullptr;
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
  }
  STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
  STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
  STDMETHODIMP OnInPlaceDeactivate() override { return S_OK; }
  STDMETHODIMP DiscardUndoState() override { return E_NOTIMPL; }
  STDMETHODIMP DeactivateAndUndo() override { return E_NOTIMPL; }
  STDMETHODIMP OnPosRectChange(LPCRECT position) override {
    if (inPlace_ && position) inPlace_->SetObjectRects(position, position);
    return S_OK;
  }

  // ---- IOleInPlaceUIWindow and IOleInPlaceFrame: no tool space, menus or status bar ----
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

  // ---- IDispatch: DWebBrowserEvents2 ----
  STDMETHODIMP GetTypeInfoCount(UINT* count) override {
    if (count) *count = 0;
    return S_OK;
  }
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  STDMETHODIMP Invoke(DISPID event, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT*, EXCEPINFO*, UINT*) override {
    if (!host_ || !parameters) return S_OK;
    VARIANT* arguments = parameters->rgvarg;  // last argument first
    const UINT count = parameters->cArgs;
    switch (event) {
      case DISPID_DOCUMENTCOMPLETE:
        // (pDisp, URL): only the page's own, not a frame's.
        if (count >= 2 && arguments[1].vt == VT_DISPATCH && isSameObject(arguments[1].pdispVal, browser_.Get()))
          host_->post(WebBrowserHost::Pending::DocumentComplete);
        break;
      case DISPID_NAVIGATEERROR:
        // (pDisp, URL, Frame, StatusCode, Cancel)
        if (count >= 5 && arguments[4].vt == VT_DISPATCH && isSameObject(arguments[4].pdispVal, browser_.Get())) {
          if (host_->callbacks_.cancelErrors) setCancel(arguments[0]);
          host_->post(WebBrowserHost::Pending::NavigateError);
        }
        break;
      case DISPID_NEWWINDOW3:
        // (ppDisp, Cancel, dwFlags, bstrUrlContext, bstrUrl)
        if (count >= 5 && host_->callbacks_.opensNewWindows) {
          setCancel(arguments[3]);
          host_->post(WebBrowserHost::Pending::NewWindow, variantText(arguments[0]));
        }
        break;
      default: break;
    }
    return S_OK;
  }

 private:
  ~BrowserSite() = default;

  ULONG references_ = 1;
  WebBrowserHost* host_;
  ComPtr<IOleObject> object_;
  ComPtr<IOleInPlaceObject> inPlace_;
  ComPtr<IWebBrowser2> browser_;
  ComPtr<IConnectionPoint> events_;
  DWORD cookie_ = 0;
};

WebBrowserHost::WebBrowserHost(HINSTANCE instance, WebBrowserCallbacks callbacks)
    : instance_(instance), callbacks_(std::move(callbacks)) {}

WebBrowserHost::~WebBrowserHost() {
  closeControl();
  destroy();
}

bool WebBrowserHost::create(HWND parent, const RECT& bounds) {
  // No background brush: the parent's colour shows where the control is not (WM_ERASEBKGND).
  if (!registerClass(instance_, {kHostClass, nullptr, nullptr, 0})) return false;
  if (!createWindow(instance_, 0, kHostClass, L"", WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, bounds.left,
                    bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, parent))
    return false;
  liveHosts().push_back(this);
  return true;
}

// The control (and the browser engine behind it) is made when it is first sent to a page: a
// host whose window is never shown costs no more than its window.
void WebBrowserHost::openControl() {
  if (triedControl_ || !hwnd()) return;
  triedControl_ = true;
  site_ = new BrowserSite(*this);
  if (site_->open()) return;
  site_->close();
  site_->Release();
  site_ = nullptr;
}

bool WebBrowserHost::hasBrowser() const { return site_ && site_->active(); }

bool WebBrowserHost::navigate(const std::wstring& address) {
  openControl();
  if (!hasBrowser()) return false;
  Bstr target(address);
  VARIANT flags, empty;
  VariantInit(&flags);
  VariantInit(&empty);
  flags.vt = VT_I4;
  flags.lVal = kNavigateFlags;
  return SUCCEEDED(site_->browser()->Navigate(target, &flags, &empty, &empty, &empty));
}

void WebBrowserHost::setBodyStyle(const std::vector<std::wstring>& settings) {
  if (!hasBrowser()) return;
  ComPtr<IDispatch> document;
  if (FAILED(site_->browser()->get_Document(document.GetAddressOf())) || !document) return;
  const ComPtr<IDispatch> body = objectProperty(document.Get(), L"body");
  const ComPtr<IDispatch> style = objectProperty(body.Get(), L"style");
  if (!style) return;
  for (const std::wstring& setting : settings) {
    const std::size_t equals = setting.find(L'=');
    if (equals == std::wstring::npos) continue;
    setTextProperty(style.Get(), setting.substr(0, equals), setting.substr(equals + 1));
  }
}

bool WebBrowserHost::translateAccelerator(MSG& message) {
  if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
  for (WebBrowserHost* host : liveHosts()) {
    HWND window = host->hwnd();
    if (!host->hasBrowser() || !window || (message.hwnd != window && !IsChild(window, message.hwnd))) continue;
    ComPtr<IOleInPlaceActiveObject> active;
    if (FAILED(host->site_->browser()->QueryInterface(IID_IOleInPlaceActiveObject,
                                                      reinterpret_cast<void**>(active.GetAddressOf()))))
      return false;
    return active->TranslateAccelerator(&message) == S_OK;
  }
  return false;
}

void WebBrowserHost::post(Pending kind, std::wstring address) {
  pending_.push_back({kind, std::move(address)});
  if (hwnd()) PostMessageW(hwnd(), kBrowserEvent, 0, 0);
}

void WebBrowserHost::deliver() {
  while (!pending_.empty()) {
    PendingEvent event = std::move(pending_.front());
    pending_.pop_front();
    switch (event.kind) {
      case Pending::DocumentComplete:
        if (callbacks_.documentComplete) callbacks_.documentComplete();
        break;
      case Pending::NavigateError:
        if (callbacks_.navigateError) callbacks_.navigateError();
        break;
      case Pending::NewWindow:
        if (callbacks_.newWindow) callbacks_.newWindow(event.address);
        break;
    }
  }
}

void WebBrowserHost::resizeControl() {
  if (!hasBrowser() || !site_->inPlace()) return;
  RECT area{};
  GetClientRect(hwnd(), &area);
  site_->inPlace()->SetObjectRects(&area, &area);
}

void WebBrowserHost::closeControl() {
  auto& hosts = liveHosts();
  hosts.erase(std::remove(hosts.begin(), hosts.end(), this), hosts.end());
  if (!site_) return;
  site_->close();
  site_->Release();
  site_ = nullptr;
}

LRESULT WebBrowserHost::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE: resizeControl(); return 0;
    case WM_ERASEBKGND: {
      // Without a control (or before it paints), the window around shows through.
      RECT area{};
      GetClientRect(hwnd(), &area);
      HWND parent = GetParent(hwnd());
      const auto brush = reinterpret_cast<HBRUSH>(GetClassLongPtrW(parent, GCLP_HBRBACKGROUND));
      FillRect(reinterpret_cast<HDC>(wParam), &area, brush ? brush : GetSysColorBrush(COLOR_WINDOW));
      return 1;
    }
    case kBrowserEvent: deliver(); return 0;
    case WM_DESTROY: closeControl(); break;
  }
  return defaultProcedure(message, wParam, lParam);
}

}  // namespace tikora
