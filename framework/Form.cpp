#include "framework/Form.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "core/DpiScale.h"
#include "core/EnumNames.h"
#include "core/WorkAreaFit.h"
#include "framework/AccessibleObject.h"
#include "framework/Application.h"
#include "framework/DefinitionLoader.h"
#include "framework/HighContrast.h"
#include "framework/Menu.h"
#include "framework/PropertyTable.h"
#include "framework/Screen.h"
#include "system/Exceptions.h"

namespace ui {

TForm::TForm(TComponent* owner) : TWinControl(owner) {
  visible_ = false;
  SetColor(clBtnFace);
}

TForm::~TForm() {
  BeginDestroy();
  if (Application) Application->FormDestroyed(this);
  DestroyComponents();
  DestroyWnd();
}

void TForm::LoadFromDefinition() {
  std::string resource = ClassName();
  std::transform(resource.begin(), resource.end(), resource.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  // The DPI of the screen the window will open on (96 for a program Windows scales itself).
  dpi_ = static_cast<int>(GetDpiForSystem());
  DefinitionLoader::Load(*this, DefinitionLoader::ReadResource(resource), dpi_);
  // The native windows are made when the form is first shown (or its handle is first needed):
  // most forms of the program stay hidden for the whole run.
  if (OnCreate) OnCreate(this);
}

TNotifyEvent TForm::FindNotifyMethod(std::string_view name) const {
  auto it = notifyMethods_.find(name);
  return it == notifyMethods_.end() ? nullptr : it->second;
}

TCloseEvent TForm::FindCloseMethod(std::string_view name) const {
  auto it = closeMethods_.find(name);
  return it == closeMethods_.end() ? nullptr : it->second;
}

const std::any* TForm::FindMethod(std::string_view name) const {
  auto it = methods_.find(name);
  return it == methods_.end() ? nullptr : &it->second;
}

void TForm::Notification(TComponent* component) {
  if (component == activeControl_) activeControl_ = nullptr;
  if (component == focusedGraphic_) focusedGraphic_ = nullptr;
  if (component == menu_) menu_ = nullptr;
}

void TForm::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  p.exStyle = 0;
  switch (borderStyle_) {
    case TBorderStyle::bsNone: p.style |= WS_POPUP; break;
    case TBorderStyle::bsSingle: p.style |= WS_CAPTION | WS_BORDER; break;
    case TBorderStyle::bsSizeable: p.style |= WS_CAPTION | WS_THICKFRAME; break;
    case TBorderStyle::bsDialog: p.style |= WS_CAPTION | DS_MODALFRAME; p.exStyle |= WS_EX_DLGMODALFRAME; break;
    case TBorderStyle::bsToolWindow: p.style |= WS_CAPTION; p.exStyle |= WS_EX_TOOLWINDOW; break;
    case TBorderStyle::bsSizeToolWin: p.style |= WS_CAPTION | WS_THICKFRAME; p.exStyle |= WS_EX_TOOLWINDOW; break;
  }
  if (borderStyle_ != TBorderStyle::bsNone) {
    if (borderIcons_ & biSystemMenu) p.style |= WS_SYSMENU;
    if (borderIcons_ & biMinimize) p.style |= WS_MINIMIZEBOX;
    if ((borderIcons_ & biMaximize) && (borderStyle_ == TBorderStyle::bsSizeable)) p.style |= WS_MAXIMIZEBOX;
  }
  if (!Enabled()) p.style |= WS_DISABLED;
  p.parent = nullptr;
  TForm* mainForm = Application ? Application->MainForm() : nullptr;
  if (mainForm && mainForm != this) {
    mainForm->HandleNeeded();
    p.parent = mainForm->Handle();  // secondary windows stay in front of the main one
  } else if (mainForm == this) {
    p.parent = Application->Handle();  // the taskbar entry, which reads the program's title
  }
  p.menu = menu_ ? menu_->Handle() : nullptr;
  if (clientWidth_ >= 0 && clientHeight_ >= 0) {
    RECT r{0, 0, clientWidth_, clientHeight_};
    if (dpi_ == core::DpiScale::kDesignDpi) AdjustWindowRectEx(&r, p.style, p.menu != nullptr, p.exStyle);
    else AdjustWindowRectExForDpi(&r, p.style, p.menu != nullptr, p.exStyle, dpi_);
    p.width = r.right - r.left;
    p.height = r.bottom - r.top;
  }
}

void TForm::CreateWnd() {
  TWinControl::CreateWnd();
  // A window that opened on a monitor of another scaling than the one it was loaded for.
  const int actual = static_cast<int>(GetDpiForWindow(Handle()));
  if (actual > 0 && actual != dpi_) ChangeDpi(actual);
  if (clientWidth_ >= 0 && clientHeight_ >= 0) SetClientSize(clientWidth_, clientHeight_);
  FitToWorkArea();
  UpdateBoundsFromWindow();
}

// A window larger than its monitor's work area (a big design at 200 %) would put its buttons
// off the screen, where nothing can reach them.
void TForm::FitToWorkArea() {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoA(MonitorFromWindow(Handle(), MONITOR_DEFAULTTONEAREST), &monitor)) return;
  RECT r{};
  GetWindowRect(Handle(), &r);
  const core::LayoutRect work{monitor.rcWork.left, monitor.rcWork.top, monitor.rcWork.right, monitor.rcWork.bottom};
  const core::LayoutRect fitted = core::FitToWorkArea({r.left, r.top, r.right, r.bottom}, work);
  if (fitted == core::LayoutRect{r.left, r.top, r.right, r.bottom}) return;
  SetWindowPos(Handle(), nullptr, fitted.left, fitted.top, fitted.right - fitted.left, fitted.bottom - fitted.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

namespace {

// Every pixel value the definition gave is applied again from its 96-DPI design, through the
// setter that loading used, so a window moved to another scaling is the window loaded at it. A
// value the definition did not give is scaled from what the control has now. Bounds go through
// SetBounds, which moves a live window.
void ApplyDesignPixels(TControl& control, int from, int to, bool bounds, LoadContext& context) {
  auto rescaled = [from, to](int v) { return core::DpiScale::Rescale(v, from, to); };
  int place[4] = {rescaled(control.Left()), rescaled(control.Top()), rescaled(control.Width()),
                  rescaled(control.Height())};
  bool fontGiven = false;
  for (const auto& [name, design] : control.DesignPixelValues()) {
    const int value = core::DpiScale::Scale(design, to);
    if (name == "Left") place[0] = value;
    else if (name == "Top") place[1] = value;
    else if (name == "Width") place[2] = value;
    else if (name == "Height") place[3] = value;
    else control.SetProperty(name, core::PropertyValue::Int(value), context);
    if (name == "Font.Height") fontGiven = true;
  }
  if (!fontGiven && (!bounds || !control.ParentFont())) control.Font().SetHeight(rescaled(control.Font().Height()));
  if (bounds) control.SetBounds(place[0], place[1], place[2], place[3]);
}

bool Designed(const TComponent& component, std::string_view name) {
  for (const auto& [given, value] : component.DesignPixelValues())
    if (given == name) return true;
  return false;
}

}  // namespace

void TForm::ChangeDpi(int dpi) {
  if (dpi <= 0 || dpi == dpi_) return;
  const int from = dpi_;
  dpi_ = dpi;
  LoadContext context;
  context.root = this;
  context.dpi = dpi;
  if (clientWidth_ >= 0 && !Designed(*this, "ClientWidth")) clientWidth_ = core::DpiScale::Rescale(clientWidth_, from, dpi);
  if (clientHeight_ >= 0 && !Designed(*this, "ClientHeight"))
    clientHeight_ = core::DpiScale::Rescale(clientHeight_, from, dpi);
  // The window's own font first: the controls that take it on may reset what depends on it
  // (a combo box's rows), which their own values then set again.
  ApplyDesignPixels(*this, from, dpi, false, context);
  for (TComponent* component : Components())
    if (auto* control = dynamic_cast<TControl*>(component)) ApplyDesignPixels(*control, from, dpi, true, context);
  if (HandleAllocated()) RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// Moved to a monitor of another scaling: everything is laid out again for its DPI and the window
// takes the rectangle the system suggests, which keeps it under the pointer while dragged.
void TForm::WMDpiChanged(TMessage& m) {
  ChangeDpi(LOWORD(m.wParam));
  const auto* suggested = reinterpret_cast<const RECT*>(m.lParam);
  if (suggested)
    SetWindowPos(Handle(), nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                 suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
  FitToWorkArea();
  m.result = 0;
}

void TForm::SetClientSize(int width, int height) {
  clientWidth_ = width;
  clientHeight_ = height;
  if (!HandleAllocated()) return;
  RECT client{}, window{};
  GetClientRect(Handle(), &client);
  GetWindowRect(Handle(), &window);
  int w = (window.right - window.left) + (width - client.right);
  int h = (window.bottom - window.top) + (height - client.bottom);
  SetWindowPos(Handle(), nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int TForm::ClientWidth() const { return ClientRect().right; }
int TForm::ClientHeight() const { return ClientRect().bottom; }

bool TForm::Active() const { return HandleAllocated() && GetActiveWindow() == Handle(); }

void TForm::PlaceOnFirstShow() {
  if (placed_) return;
  placed_ = true;
  if (position_ != TPosition::poScreenCenter && position_ != TPosition::poDesktopCenter &&
      position_ != TPosition::poMainFormCenter)
    return;
  RECT r{};
  GetWindowRect(Handle(), &r);
  int w = r.right - r.left, h = r.bottom - r.top;
  int x = (GetSystemMetrics(SM_CXSCREEN) - w) / 2, y = (GetSystemMetrics(SM_CYSCREEN) - h) / 2;
  SetWindowPos(Handle(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND TForm::EnabledOwnedWindow() const {
  if (!HandleAllocated()) return nullptr;
  HWND last = GetLastActivePopup(Handle());
  auto usable = [this](HWND w) {
    return w && w != Handle() && GetWindow(w, GW_OWNER) == Handle() && IsWindowVisible(w) && IsWindowEnabled(w);
  };
  if (usable(last)) return last;
  if (Application)
    for (TForm* form : Application->Forms())
      if (form->HandleAllocated() && usable(form->Handle())) return form->Handle();
  return nullptr;
}

void TForm::BringToFront() {
  if (IsWindowEnabled(Handle())) {
    SetForegroundWindow(Handle());
    return;
  }
  // A disabled window never takes the foreground from the window it waits for: showing the
  // main window in the "order" start runs its activation, which opens the chooser and disables
  // the main window before this showing has finished.
  if (HWND owned = EnabledOwnedWindow()) {
    SetWindowPos(owned, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(owned);
  }
}

void TForm::CMVisibleChanged(TMessage&) {
  if (Visible()) {
    HandleNeeded();
    PlaceOnFirstShow();
    FitToWorkArea();
    if (Application && Application->Taskbar().Minimized()) Application->Taskbar().Restore();
    if (Application && Application->MainForm() == this) Application->Taskbar().Show();
    focusCuesShown_ = Application && Application->LastInputKeyboard();
    if (OnShow) OnShow(this);
    ShowWindow(Handle(), SW_SHOW);
    if (Visible()) BringToFront();
    return;
  }
  if (!HandleAllocated()) return;
  bool wasActive = GetActiveWindow() == Handle();
  ShowWindow(Handle(), SW_HIDE);
  if (OnHide) OnHide(this);
  if (wasActive && Application) Application->ActivateMainFormIfUsable();
}

void TForm::Close() {
  bool isMain = Application && Application->MainForm() == this;
  TCloseAction action = isMain ? caFree : caHide;
  DoClose(action);
  // A close handler that ended the program at once leaves nothing more to do.
  if (action == caNone || (Application && Application->Terminated())) return;
  // The main window is enabled before this one hides, so that it takes the activation back.
  if (std::optional<TPseudoModalEnd> end = std::exchange(pseudoModal_, std::nullopt)) {
    if (*end == TPseudoModalEnd::EndProgram && Application) {
      Application->Halt(0);
      return;
    }
    if (TForm* main = Application ? Application->MainForm() : nullptr) main->SetEnabled(true);
  }
  if (isMain) {
    Application->Terminate();
    return;
  }
  if (action == caMinimize) ShowWindow(Handle(), SW_MINIMIZE);
  else Hide();
}

void TForm::ShowPseudoModal(TPseudoModalEnd end) {
  pseudoModal_ = end;
  if (TForm* main = Application ? Application->MainForm() : nullptr; main && main != this) main->SetEnabled(false);
  Show();
}

void TForm::PassPseudoModal(TForm& next) {
  next.pseudoModal_ = std::exchange(pseudoModal_, std::nullopt);
  // Shown first, so that the activation goes straight to it and never through the taskbar entry.
  next.Show();
  Hide();
}

// Any window minimised takes the whole program to its taskbar entry: an owned window would
// otherwise shrink to a title bar of its own on the desktop.
void TForm::WMSysCommand(TMessage& m) {
  if ((m.wParam & 0xFFF0) == SC_MINIMIZE && Application && Application->Handle()) {
    Application->Taskbar().Minimize();
    m.result = 0;
    return;
  }
  DefaultHandler(m);
}

void TForm::WMWindowPosChanged(TMessage& m) {
  TWinControl::WMWindowPosChanged(m);
  if (Application) Application->Taskbar().Place();
}

void TForm::DoClose(TCloseAction& action) {
  if (OnClose) OnClose(this, action);
}

void TForm::WMClose(TMessage& m) {
  Close();
  m.result = 0;
}

void TForm::WMActivate(TMessage& m) {
  DefaultHandler(m);
  if (LOWORD(m.wParam) == WA_INACTIVE) return;
  // Activated while disabled (by the system, a window manager or a click on the taskbar): the
  // activation goes on to the enabled window this one waits for, and this window's activation
  // handler does not run, since it never became the window the user works in.
  if (!IsWindowEnabled(Handle())) {
    if (HWND owned = EnabledOwnedWindow()) {
      SetForegroundWindow(owned);
      SetActiveWindow(owned);
      return;
    }
  }
  bool fire = Application ? Application->FormActivated(this) : true;
  FocusActiveControl();
  if (fire && OnActivate) OnActivate(this);
}

void TForm::FocusActiveControl() {
  if (activeControl_ && activeControl_->CanFocus()) activeControl_->SetFocus();
  else SelectNext(true);
}

void TForm::WMCommand(TMessage& m) {
  if (m.lParam == 0 && HIWORD(m.wParam) == 0 && menu_) {
    menu_->DispatchCommand(LOWORD(m.wParam));
    m.result = 0;
    return;
  }
  TWinControl::WMCommand(m);
}

// Windows tells only top-level windows; every control of the window hears it from here.
void TForm::WMSysColorChange(TMessage& m) {
  DefaultHandler(m);
  RepaintForNewColors();
}

// Turning a contrast theme on or off comes as a setting change (SPI_SETHIGHCONTRAST), sometimes
// before the colours' own notice; other settings leave the look alone.
void TForm::WMSettingChange(TMessage& m) {
  DefaultHandler(m);
  const bool before = HighContrastOn();
  RereadHighContrast();
  if (HighContrastOn() != before) RepaintForNewColors();
}

void TForm::RepaintForNewColors() {
  RereadHighContrast();
  BroadcastSysColorChange();
  if (HandleAllocated()) RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

// A window without a caption (the main window) is read by the program's title.
void TForm::DescribeAccessible(AccessibleInfo& info) const {
  std::string caption = Caption();
  info.SetName(caption.empty() && Application ? Application->Title() : caption);
}

void TForm::SetActiveControl(TWinControl* control) {
  activeControl_ = control;
  if (HandleAllocated() && GetActiveWindow() == Handle() && control->CanFocus()) control->SetFocus();
}

void TForm::ShowFocusCues(bool show, bool accessKeysToo) {
  if (!HandleAllocated()) return;
  WORD flags = 0;
  if (show != focusCuesShown_) flags |= UISF_HIDEFOCUS;
  if ((!show || accessKeysToo) && show != accessKeysShown_) flags |= UISF_HIDEACCEL;
  if (flags) SendMessageA(Handle(), WM_UPDATEUISTATE, MAKEWPARAM(show ? UIS_CLEAR : UIS_SET, flags), 0);
}

// The window's own record of UISF_HIDEFOCUS and UISF_HIDEACCEL, whichever way the change came
// (our keys and presses, or the system): the focused control repaints to show or hide its focus
// rectangle, every caption to show or hide its underlined access key.
void TForm::WMUpdateUIState(TMessage& m) {
  const WORD action = LOWORD(m.wParam), flags = HIWORD(m.wParam);
  DefaultHandler(m);
  if (action != UIS_SET && action != UIS_CLEAR) return;
  const bool shown = action == UIS_CLEAR;
  if ((flags & UISF_HIDEACCEL) && shown != accessKeysShown_) {
    accessKeysShown_ = shown;
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
  }
  if (!(flags & UISF_HIDEFOCUS) || shown == focusCuesShown_) return;
  focusCuesShown_ = shown;
  if (activeControl_ && activeControl_->HandleAllocated()) activeControl_->Invalidate();
  if (focusedGraphic_) focusedGraphic_->Invalidate();
}

void TForm::FocusControlChanged(TWinControl* control) {
  if (control != this && focusedGraphic_) {
    focusedGraphic_->Invalidate();
    focusedGraphic_ = nullptr;
  }
  if (control == this || activeControl_ == control) return;
  TWinControl* old = activeControl_;
  activeControl_ = control;
  if (old) old->Perform(CM_EXIT);
  control->Perform(CM_ENTER);
}

// Tab stops in tab order, each container's focusable windowless controls (links) before its
// windowed ones, as they sit above a window's buttons; with all, also those hidden or greyed
// out, where they would stand.
static void CollectTabStops(TWinControl* container, std::vector<TControl*>& out, bool all = false) {
  for (TControl* c : container->Controls())
    if (!c->IsWindowed() && (all || (c->Visible() && c->Enabled())) && c->KeyboardFocusable()) out.push_back(c);
  for (TWinControl* c : container->TabList()) {
    if (!all && (!c->Visible() || !c->Enabled())) continue;
    if (c->TabStop()) out.push_back(c);
    CollectTabStops(c, out, all);
  }
}

static bool Inside(const TControl* c, const TControl& container) {
  for (; c; c = c->Parent())
    if (c == &container) return true;
  return false;
}

void TForm::SelectNext(bool forward) {
  std::vector<TControl*> stops;
  CollectTabStops(this, stops);
  if (stops.empty()) return;
  TControl* current = focusedGraphic_ && HandleAllocated() && GetFocus() == Handle()
                          ? focusedGraphic_
                          : static_cast<TControl*>(Screen().ActiveControl());
  auto it = std::find(stops.begin(), stops.end(), current);
  std::size_t index;
  if (it == stops.end()) index = forward ? 0 : stops.size() - 1;
  else {
    std::size_t at = static_cast<std::size_t>(it - stops.begin());
    index = forward ? (at + 1) % stops.size() : (at + stops.size() - 1) % stops.size();
  }
  if (stops[index]->IsWindowed()) static_cast<TWinControl*>(stops[index])->SetFocus();
  else FocusGraphic(stops[index]);
}

void TForm::FocusPassedFrom(const TControl& control) {
  std::vector<TControl*> everywhere, reachable;
  CollectTabStops(this, everywhere, true);
  CollectTabStops(this, reachable);
  auto at = std::find_if(everywhere.begin(), everywhere.end(), [&](TControl* c) { return Inside(c, control); });
  const std::size_t start = at == everywhere.end() ? 0 : static_cast<std::size_t>(at - everywhere.begin());
  for (std::size_t step = 1; step <= everywhere.size(); ++step) {
    TControl* next = everywhere[(start + step) % everywhere.size()];
    if (Inside(next, control) || std::find(reachable.begin(), reachable.end(), next) == reachable.end()) continue;
    if (next->IsWindowed()) static_cast<TWinControl*>(next)->SetFocus();
    else FocusGraphic(next);
    return;
  }
  if (focusedGraphic_ && Inside(focusedGraphic_, control)) focusedGraphic_ = nullptr;
  if (HandleAllocated() && IsWindowVisible(Handle())) ::SetFocus(Handle());
}

void TForm::FocusGraphic(TControl* control) {
  TControl* old = focusedGraphic_;
  focusedGraphic_ = control;
  if (old && old != control) old->Invalidate();
  if (HandleAllocated() && GetFocus() != Handle()) ::SetFocus(Handle());
  control->Invalidate();
  if (control != old) AccessibleObject::Notify(EVENT_OBJECT_FOCUS, *control);
}

bool TForm::WantsKey(WPARAM key) const { return key == VK_RETURN && focusedGraphic_; }

void TForm::WMKeyDown(TMessage& m) {
  if (m.wParam == VK_RETURN && focusedGraphic_ && focusedGraphic_->Enabled()) {
    focusedGraphic_->DoAccessibleAction();
    return;
  }
  TWinControl::WMKeyDown(m);
}

const PropertyTable& TForm::Published() const {
  using C = TForm;
  static const PropertyTable table{
#include "framework/Form.props"
  };
  return table;
}

}  // namespace ui
