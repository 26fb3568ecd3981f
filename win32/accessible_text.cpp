#include "accessible_text.h"

#include <commctrl.h>
#include <oleacc.h>
#include <servprov.h>

#include <initializer_list>
#include <utility>

namespace ondavi::win32 {
namespace {

// What a control says about itself to assistive technology.
struct AccessibleText {
  std::wstring name;
  std::wstring description;  // empty: the standard object's
};

// IAccIdentity's interface identifier (oleacc.h declares it without one for __uuidof).
constexpr IID kIidAccIdentity = {
    0x7852b78d, 0x1cfd, 0x41c1, {0xa6, 0x15, 0x9c, 0x0c, 0x85, 0x96, 0x0b, 0x5f}};

// Windows' accessible object for a control, with another name and description. Every other
// property and method is the standard object's. Of the standard object's other interfaces, the
// ones UI Automation's bridge asks for are answered here too, each passing its calls on, so that
// every interface a client reaches leads back to this object (one identity, as COM requires).
class NamedAccessible final : public IAccessible,
                              public IEnumVARIANT,
                              public IOleWindow,
                              public IServiceProvider,
                              public IAccIdentity {
 public:
  NamedAccessible(IAccessible* standard, const AccessibleText& text)
      : standard_(standard), text_(text) {
    standard_->QueryInterface(__uuidof(IEnumVARIANT), reinterpret_cast<void**>(&enum_));
    standard_->QueryInterface(__uuidof(IOleWindow), reinterpret_cast<void**>(&window_));
    standard_->QueryInterface(__uuidof(IServiceProvider), reinterpret_cast<void**>(&services_));
    standard_->QueryInterface(kIidAccIdentity, reinterpret_cast<void**>(&identity_));
  }

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
    *object = nullptr;
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == __uuidof(IAccessible)) {
      *object = static_cast<IAccessible*>(this);
    } else if (riid == __uuidof(IEnumVARIANT) && enum_) {
      *object = static_cast<IEnumVARIANT*>(this);
    } else if (riid == __uuidof(IOleWindow) && window_) {
      *object = static_cast<IOleWindow*>(this);
    } else if (riid == __uuidof(IServiceProvider) && services_) {
      *object = static_cast<IServiceProvider*>(this);
    } else if (riid == kIidAccIdentity && identity_) {
      *object = static_cast<IAccIdentity*>(this);
    }
    if (!*object) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++references_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const long left = --references_;
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  // IEnumVARIANT, IOleWindow, IServiceProvider, IAccIdentity: the standard object's.
  HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT* items, ULONG* fetched) override {
    return enum_->Next(count, items, fetched);
  }
  HRESULT STDMETHODCALLTYPE Skip(ULONG count) override { return enum_->Skip(count); }
  HRESULT STDMETHODCALLTYPE Reset() override { return enum_->Reset(); }
  HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** copy) override { return enum_->Clone(copy); }
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override { return window_->GetWindow(window); }
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL enter) override {
    return window_->ContextSensitiveHelp(enter);
  }
  HRESULT STDMETHODCALLTYPE QueryService(REFGUID service, REFIID riid, void** object) override {
    return services_->QueryService(service, riid, object);
  }
  HRESULT STDMETHODCALLTYPE GetIdentityString(DWORD child, BYTE** identity,
                                              DWORD* length) override {
    return identity_->GetIdentityString(child, identity, length);
  }

  // IDispatch
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    return standard_->GetTypeInfoCount(count);
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override {
    return standard_->GetTypeInfo(index, lcid, info);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid,
                                          DISPID* ids) override {
    return standard_->GetIDsOfNames(riid, names, count, lcid, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags,
                                   DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                   UINT* argument_error) override {
    return standard_->Invoke(id, riid, lcid, flags, params, result, exception, argument_error);
  }

  // IAccessible: the name and the description are ours.
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (IsSelf(child)) return Answer(text_.name, name);
    return standard_->get_accName(child, name);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
    if (IsSelf(child) && !text_.description.empty()) return Answer(text_.description, description);
    return standard_->get_accDescription(child, description);
  }

  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return standard_->get_accParent(parent);
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
    return standard_->get_accChildCount(count);
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** dispatch) override {
    return standard_->get_accChild(child, dispatch);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    return standard_->get_accValue(child, value);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    return standard_->get_accRole(child, role);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    return standard_->get_accState(child, state);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    return standard_->get_accHelp(child, help);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
    return standard_->get_accHelpTopic(file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
    return standard_->get_accKeyboardShortcut(child, shortcut);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
    return standard_->get_accFocus(child);
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
    return standard_->get_accSelection(children);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    return standard_->get_accDefaultAction(child, action);
  }
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
    return standard_->accSelect(flags, child);
  }
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                        VARIANT child) override {
    return standard_->accLocation(left, top, width, height, child);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
    return standard_->accNavigate(direction, start, end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT* child) override {
    return standard_->accHitTest(left, top, child);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    return standard_->accDoDefaultAction(child);
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
    return standard_->put_accName(child, name);
  }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
    return standard_->put_accValue(child, value);
  }

 private:
  ~NamedAccessible() {
    for (IUnknown* other : std::initializer_list<IUnknown*>{enum_, window_, services_, identity_}) {
      if (other) other->Release();
    }
    standard_->Release();
  }
  static bool IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
  }
  static HRESULT Answer(const std::wstring& text, BSTR* answer) {
    *answer = SysAllocString(text.c_str());
    return *answer ? S_OK : E_OUTOFMEMORY;
  }

  IAccessible* standard_;
  IEnumVARIANT* enum_ = nullptr;
  IOleWindow* window_ = nullptr;
  IServiceProvider* services_ = nullptr;
  IAccIdentity* identity_ = nullptr;
  AccessibleText text_;
  long references_ = 1;
};

constexpr UINT_PTR kSubclassId = 0x0DA1;
constexpr wchar_t kTextProperty[] = L"Ondavi.AccessibleText";  // finds the text again

LRESULT CALLBACK AnswerGetObject(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                 DWORD_PTR data) {
  if (message == WM_GETOBJECT && static_cast<LONG>(lparam) == OBJID_CLIENT) {
    IAccessible* standard = nullptr;
    if (SUCCEEDED(CreateStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                                            reinterpret_cast<void**>(&standard)))) {
      auto* named = new NamedAccessible(standard, *reinterpret_cast<AccessibleText*>(data));
      const LRESULT result =
          LresultFromObject(__uuidof(IAccessible), wparam, static_cast<IAccessible*>(named));
      named->Release();  // LresultFromObject holds its own reference
      return result;
    }
  }
  if (message == WM_NCDESTROY) {
    RemovePropW(window, kTextProperty);
    RemoveWindowSubclass(window, AnswerGetObject, kSubclassId);
    delete reinterpret_cast<AccessibleText*>(data);
  }
  return DefSubclassProc(window, message, wparam, lparam);
}

}  // namespace

void SetAccessibleName(HWND control, std::wstring name) {
  auto* text = new AccessibleText{std::move(name), {}};  // freed when the control is destroyed
  SetPropW(control, kTextProperty, text);
  SetWindowSubclass(control, AnswerGetObject, kSubclassId, reinterpret_cast<DWORD_PTR>(text));
}

void SetAccessibleDescription(HWND control, std::wstring description) {
  auto* text = static_cast<AccessibleText*>(GetPropW(control, kTextProperty));
  if (!text || text->description == description) return;
  text->description = std::move(description);
  NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace ondavi::win32
