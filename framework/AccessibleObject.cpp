#include "framework/AccessibleObject.h"

#include <oleacc.h>
#include <string>

#include "framework/Form.h"
#include "framework/WinControl.h"
#include "system/Exceptions.h"
#include "system/WideText.h"

namespace ui {

namespace {

// Written out here: the copy in MinGW's static oleacc library can come out wrong.
constexpr IID kIID_IAccessible = {0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};
constexpr IID kIID_IDispatch = {0x00020400, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kIID_IEnumVARIANT = {0x00020404, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kIID_IUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// The few functions of oleacc and oleaut32 used here, loaded at the first request and kept.
struct AccessibilityLibrary {
  decltype(&CreateStdAccessibleObject) createStd = nullptr;
  decltype(&LresultFromObject) lresultFromObject = nullptr;
  decltype(&AccessibleObjectFromWindow) fromWindow = nullptr;
  BSTR(WINAPI* sysAllocStringLen)(const OLECHAR*, UINT) = nullptr;

  static const AccessibilityLibrary* Get() {
    static const AccessibilityLibrary library = Load();
    return library.createStd && library.lresultFromObject && library.fromWindow && library.sysAllocStringLen
               ? &library
               : nullptr;
  }

 private:
  template <typename Function>
  static Function Find(HMODULE module, const char* name) {
    FARPROC address = module ? GetProcAddress(module, name) : nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(address));
  }
  static AccessibilityLibrary Load() {
    AccessibilityLibrary l;
    HMODULE oleacc = LoadLibraryExA("oleacc.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    HMODULE oleaut = LoadLibraryExA("oleaut32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    // The window's thread joins a single-threaded apartment, so that a screen reader's calls
    // arrive through its message loop: outside one they would run on another thread, beside the
    // program's own handling of the same controls.
    HMODULE ole32 = LoadLibraryExA("ole32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (auto initialize = Find<HRESULT(WINAPI*)(void*, DWORD)>(ole32, "CoInitializeEx"))
      initialize(nullptr, COINIT_APARTMENTTHREADED);
    l.createStd = Find<decltype(l.createStd)>(oleacc, "CreateStdAccessibleObject");
    l.lresultFromObject = Find<decltype(l.lresultFromObject)>(oleacc, "LresultFromObject");
    l.fromWindow = Find<decltype(l.fromWindow)>(oleacc, "AccessibleObjectFromWindow");
    l.sysAllocStringLen = Find<decltype(l.sysAllocStringLen)>(oleaut, "SysAllocStringLen");
    return l;
  }
};

HRESULT ToBstr(const std::string& text, BSTR* out) {
  if (!out) return E_INVALIDARG;
  *out = nullptr;
  const std::wstring wide = WideText::FromUtf8(text);
  *out = AccessibilityLibrary::Get()->sysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
  return *out ? S_OK : E_OUTOFMEMORY;
}

void SetI4(VARIANT* v, long value) {
  v->vt = VT_I4;
  v->lVal = value;
}

VARIANT Self() {
  VARIANT v;
  SetI4(&v, CHILDID_SELF);
  return v;
}

IAccessible* ObjectOf(HWND window);

// The children of a window's object as a screen reader walks them: first the windowless
// controls by child id, then the child windows as objects of their own.
class ChildEnumerator final : public IEnumVARIANT {
 public:
  explicit ChildEnumerator(std::vector<VARIANT> items) : items_(std::move(items)) {}
  ~ChildEnumerator() {
    for (VARIANT& v : items_)
      if (v.vt == VT_DISPATCH && v.pdispVal) v.pdispVal->Release();
  }
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
    if (!out) return E_POINTER;
    if (IsEqualIID(riid, kIID_IEnumVARIANT) || IsEqualIID(riid, kIID_IUnknown)) {
      *out = static_cast<IEnumVARIANT*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
  ULONG STDMETHODCALLTYPE Release() override {
    LONG left = InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }
  HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT* out, ULONG* fetched) override {
    if (!out) return E_POINTER;
    ULONG n = 0;
    for (; n < count && next_ < items_.size(); ++n, ++next_) {
      out[n] = items_[next_];
      if (out[n].vt == VT_DISPATCH) out[n].pdispVal->AddRef();
    }
    if (fetched) *fetched = n;
    return n == count ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Skip(ULONG count) override {
    const std::size_t left = items_.size() - next_;
    next_ += count < left ? count : left;
    return count <= left ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Reset() override {
    next_ = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** out) override {
    if (!out) return E_POINTER;
    std::vector<VARIANT> copy = items_;
    for (VARIANT& v : copy)
      if (v.vt == VT_DISPATCH) v.pdispVal->AddRef();
    auto* clone = new ChildEnumerator(std::move(copy));
    clone->next_ = next_;
    *out = clone;
    return S_OK;
  }

 private:
  LONG refs_ = 1;
  std::vector<VARIANT> items_;
  std::size_t next_ = 0;
};

// The IAccessible of one window. It keeps the window handle, not the control, and finds the
// control again on every call: a screen reader may hold the object after the window is gone.
class ControlAccessible final : public IAccessible {
 public:
  ControlAccessible(HWND window, IAccessible* standard) : window_(window), standard_(standard) {}
  ~ControlAccessible() { standard_->Release(); }

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
    if (!out) return E_POINTER;
    if (IsEqualIID(riid, kIID_IAccessible) || IsEqualIID(riid, kIID_IDispatch) || IsEqualIID(riid, kIID_IUnknown)) {
      *out = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    if (IsEqualIID(riid, kIID_IEnumVARIANT)) {
      TWinControl* control = Control();
      if (!control) return E_NOINTERFACE;
      std::vector<VARIANT> items;
      for (long id = 1, n = static_cast<long>(AccessibleObject::SimpleChildren(*control).size()); id <= n; ++id) {
        VARIANT v;
        SetI4(&v, id);
        items.push_back(v);
      }
      for (HWND window : ChildWindows())
        if (IAccessible* object = ObjectOf(window)) {
          VARIANT v;
          v.vt = VT_DISPATCH;
          v.pdispVal = object;
          items.push_back(v);
        }
      *out = static_cast<IEnumVARIANT*>(new ChildEnumerator(std::move(items)));
      return S_OK;
    }
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
  ULONG STDMETHODCALLTYPE Release() override {
    LONG left = InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  // IDispatch: screen readers call the interface directly.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count) *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }

  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return standard_->get_accParent(parent); }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
    TWinControl* control = Control();
    if (!control || !count) return E_FAIL;
    *count = static_cast<long>(AccessibleObject::SimpleChildren(*control).size() + ChildWindows().size());
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (Simple(child)) return S_FALSE;  // a simple element: its parent answers for it
    HWND window = WindowChild(child);
    if (!window) return E_INVALIDARG;
    IAccessible* object = ObjectOf(window);
    if (!object) return E_FAIL;
    *out = object;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* out) override {
    if (HWND w = WindowChild(child)) return OnWindow(w, [&](IAccessible* a) { return a->get_accName(Self(), out); });
    AccessibleInfo info;
    if (!Describe(child, info)) return E_INVALIDARG;
    if (IsSelf(child) && !info.hasName) return standard_->get_accName(child, out);
    return ToBstr(info.name, out);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* out) override {
    if (HWND w = WindowChild(child)) return OnWindow(w, [&](IAccessible* a) { return a->get_accValue(Self(), out); });
    AccessibleInfo info;
    if (!Describe(child, info)) return E_INVALIDARG;
    if (info.hasValue) return ToBstr(info.value, out);
    if (IsSelf(child)) return standard_->get_accValue(child, out);
    *out = nullptr;
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* out) override {
    if (HWND w = WindowChild(child))
      return OnWindow(w, [&](IAccessible* a) { return a->get_accDescription(Self(), out); });
    AccessibleInfo info;
    if (!Describe(child, info)) return E_INVALIDARG;
    if (!info.description.empty()) return ToBstr(info.description, out);
    if (IsSelf(child)) return standard_->get_accDescription(child, out);
    *out = nullptr;
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* out) override {
    if (HWND w = WindowChild(child)) return OnWindow(w, [&](IAccessible* a) { return a->get_accRole(Self(), out); });
    AccessibleInfo info;
    if (!Describe(child, info)) return E_INVALIDARG;
    if (IsSelf(child) && info.role == 0) return standard_->get_accRole(child, out);
    SetI4(out, info.role);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* out) override {
    if (HWND w = WindowChild(child)) return OnWindow(w, [&](IAccessible* a) { return a->get_accState(Self(), out); });
    AccessibleInfo info;
    if (!Describe(child, info)) return E_INVALIDARG;
    long state = 0;
    if (IsSelf(child)) {
      VARIANT standard{};
      if (SUCCEEDED(standard_->get_accState(child, &standard)) && standard.vt == VT_I4) state = standard.lVal;
    }
    SetI4(out, state | info.state);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* out) override {
    if (IsSelf(child)) return standard_->get_accHelp(child, out);
    *out = nullptr;
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
    return standard_->get_accHelpTopic(file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* out) override {
    if (IsSelf(child)) return standard_->get_accKeyboardShortcut(child, out);
    *out = nullptr;
    return S_FALSE;
  }
  // A link holds the focus while its window does: the window answers with the link's child id.
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* out) override {
    if (!out) return E_POINTER;
    TWinControl* control = Control();
    TForm* form = control ? control->ParentForm() : nullptr;
    TControl* link = form ? form->FocusedGraphic() : nullptr;
    if (link && link->IsKeyboardFocus()) {
      if (link->Parent() == control) {
        SetI4(out, AccessibleObject::ChildId(*link));
        return S_OK;
      }
      for (TControl* c = link->Parent(); c; c = c->Parent())
        if (c->Parent() == control) {
          out->vt = VT_DISPATCH;
          out->pdispVal = ObjectOf(static_cast<TWinControl*>(c)->Handle());
          return out->pdispVal ? S_OK : E_FAIL;
        }
    }
    return standard_->get_accFocus(out);
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* out) override { return standard_->get_accSelection(out); }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* out) override {
    AccessibleInfo info;
    if (!Describe(child, info)) return E_INVALIDARG;
    if (info.defaultAction.empty()) {
      if (IsSelf(child)) return standard_->get_accDefaultAction(child, out);
      *out = nullptr;
      return S_FALSE;
    }
    return ToBstr(info.defaultAction, out);
  }
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override { return standard_->accSelect(flags, child); }
  HRESULT STDMETHODCALLTYPE accLocation(long* x, long* y, long* w, long* h, VARIANT child) override {
    if (IsSelf(child)) return standard_->accLocation(x, y, w, h, child);
    if (HWND window = WindowChild(child))
      return OnWindow(window, [&](IAccessible* a) { return a->accLocation(x, y, w, h, Self()); });
    TControl* simple = SimpleChild(child);
    if (!simple) return E_INVALIDARG;
    POINT origin = simple->ClientToScreen(POINT{0, 0});
    *x = origin.x;
    *y = origin.y;
    *w = simple->Width();
    *h = simple->Height();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* out) override {
    return standard_->accNavigate(direction, start, out);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* out) override {
    TWinControl* control = Control();
    if (!control || !out) return E_FAIL;
    const POINT client = control->ScreenToClient(POINT{x, y});
    long id = 0;
    for (TControl* c : AccessibleObject::SimpleChildren(*control)) {
      ++id;
      const RECT r = c->BoundsRect();
      if (client.x >= r.left && client.x < r.right && client.y >= r.top && client.y < r.bottom) {
        SetI4(out, id);
        return S_OK;
      }
    }
    const HWND window = control->HandleAllocated() ? ChildWindowFromPointEx(control->Handle(), client, CWP_SKIPINVISIBLE) : nullptr;
    if (window && window != control->Handle()) {
      out->vt = VT_DISPATCH;
      out->pdispVal = ObjectOf(window);
      if (out->pdispVal) return S_OK;
    }
    return standard_->accHitTest(x, y, out);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    if (HWND w = WindowChild(child)) return OnWindow(w, [&](IAccessible* a) { return a->accDoDefaultAction(Self()); });
    TControl* target = IsSelf(child) ? Control() : SimpleChild(child);
    if (!target) return E_INVALIDARG;
    AccessibleInfo info;
    target->DescribeAccessible(info);
    if (info.defaultAction.empty()) return IsSelf(child) ? standard_->accDoDefaultAction(child) : DISP_E_MEMBERNOTFOUND;
    // A greyed-out control, or one inside a greyed-out parent, does nothing, as under the mouse.
    for (const TControl* c = target; c; c = c->Parent())
      if (!c->Enabled()) return DISP_E_MEMBERNOTFOUND;
    try {
      target->DoAccessibleAction();
    } catch (const std::exception&) {
      return E_FAIL;
    }
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  TWinControl* Control() const { return IsWindow(window_) ? TWinControl::FromHandle(window_) : nullptr; }
  static bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }
  TControl* SimpleChild(const VARIANT& child) const {
    TWinControl* control = Control();
    if (!control || child.vt != VT_I4 || child.lVal <= 0) return nullptr;
    std::vector<TControl*> simple = AccessibleObject::SimpleChildren(*control);
    return child.lVal <= static_cast<long>(simple.size()) ? simple[static_cast<std::size_t>(child.lVal - 1)] : nullptr;
  }
  bool Simple(const VARIANT& child) const { return SimpleChild(child) != nullptr; }
  std::vector<HWND> ChildWindows() const {
    std::vector<HWND> out;
    for (HWND w = GetWindow(window_, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) out.push_back(w);
    return out;
  }
  // The child window a child id past the windowless children stands for, or null.
  HWND WindowChild(const VARIANT& child) const {
    TWinControl* control = Control();
    if (!control || child.vt != VT_I4 || child.lVal <= 0) return nullptr;
    const long simple = static_cast<long>(AccessibleObject::SimpleChildren(*control).size());
    std::vector<HWND> windows = ChildWindows();
    const long at = child.lVal - simple - 1;
    return at >= 0 && at < static_cast<long>(windows.size()) ? windows[static_cast<std::size_t>(at)] : nullptr;
  }
  template <typename Call>
  static HRESULT OnWindow(HWND window, Call call) {
    IAccessible* object = ObjectOf(window);
    if (!object) return E_FAIL;
    const HRESULT result = call(object);
    object->Release();
    return result;
  }
  bool Describe(const VARIANT& child, AccessibleInfo& info) const {
    TControl* target = IsSelf(child) ? Control() : SimpleChild(child);
    if (!target) return false;
    target->DescribeAccessible(info);
    if (!target->AccessibleName().empty()) info.SetName(target->AccessibleName());
    info.description = target->AccessibleDescription();
    return true;
  }

  LONG refs_ = 1;
  HWND window_;
  IAccessible* standard_;
};

// The object of a child window: built here for the program's own controls, asked of the window
// (WM_GETOBJECT) for any other.
IAccessible* ObjectOf(HWND window) {
  const AccessibilityLibrary* library = AccessibilityLibrary::Get();
  if (!library || !window) return nullptr;
  void* object = nullptr;
  if (TWinControl::FromHandle(window)) {
    if (FAILED(library->createStd(window, OBJID_CLIENT, kIID_IAccessible, &object)) || !object) return nullptr;
    return new ControlAccessible(window, static_cast<IAccessible*>(object));
  }
  if (FAILED(library->fromWindow(window, OBJID_CLIENT, kIID_IAccessible, &object))) return nullptr;
  return static_cast<IAccessible*>(object);
}

}  // namespace

LRESULT AccessibleObject::Answer(TWinControl& control, WPARAM wParam) {
  const AccessibilityLibrary* library = AccessibilityLibrary::Get();
  if (!library || !control.HandleAllocated()) return 0;
  void* standard = nullptr;
  if (FAILED(library->createStd(control.Handle(), OBJID_CLIENT, kIID_IAccessible, &standard)) || !standard) return 0;
  auto* object = new ControlAccessible(control.Handle(), static_cast<IAccessible*>(standard));
  LRESULT result = library->lresultFromObject(kIID_IAccessible, wParam, object);
  object->Release();
  return result < 0 ? 0 : result;
}

std::vector<TControl*> AccessibleObject::SimpleChildren(const TWinControl& parent) {
  std::vector<TControl*> out;
  for (TControl* c : parent.Controls()) {
    if (c->IsWindowed() || !c->Visible()) continue;
    AccessibleInfo info;
    c->DescribeAccessible(info);
    if (info.role != 0) out.push_back(c);
  }
  return out;
}

long AccessibleObject::ChildId(const TControl& control) {
  if (!control.Parent()) return 0;
  std::vector<TControl*> simple = SimpleChildren(*control.Parent());
  for (std::size_t i = 0; i < simple.size(); ++i)
    if (simple[i] == &control) return static_cast<long>(i + 1);
  return 0;
}

void AccessibleObject::Notify(unsigned long event, const TControl& control) {
  if (control.IsWindowed()) {
    const auto& window = static_cast<const TWinControl&>(control);
    if (window.HandleAllocated()) NotifyWinEvent(event, window.Handle(), OBJID_CLIENT, CHILDID_SELF);
    return;
  }
  TWinControl* parent = control.Parent();
  if (!parent || !parent->HandleAllocated()) return;
  if (long id = ChildId(control)) NotifyWinEvent(event, parent->Handle(), OBJID_CLIENT, id);
}

}  // namespace ui
