#pragma once
#include <any>
#include <map>
#include <optional>
#include <string>

#include "framework/WinControl.h"
#include "system/Exceptions.h"

namespace ui {

class TMainMenu;

enum class TBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum BorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4 };
enum class TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter,
                       poMainFormCenter, poOwnerFormCenter };
using TModalResult = int;
// What closing a window opened over the disabled main window does: give the main window back, or
// end the program (a program that is only that window and the ones it leads to).
enum class TPseudoModalEnd { EnableOwner, EndProgram };

// A top-level window built from its stored definition. Handlers of the window are its published
// methods, which the definition binds to events by name.
class TForm : public TWinControl {
 public:
  explicit TForm(TComponent* owner);
  ~TForm() override;
  const char* ClassName() const override { return "TForm"; }
  const PropertyTable& Published() const override;

  // Creates the components from the definition stored under the class name, applies the stored
  // values, runs the after-loading steps and fires OnCreate. The native windows come later, when
  // the form is first shown or its handle is first needed.
  void LoadFromDefinition();

  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  void Close();
  bool Active() const;
  // A modal window without a nested message loop: the main window is disabled, this one shown,
  // and the handler returns at once. However this window closes, the end given here follows.
  void ShowPseudoModal(TPseudoModalEnd end = TPseudoModalEnd::EnableOwner);
  // Hides this window and shows next in its place; next takes over the main window's wait.
  void PassPseudoModal(TForm& next);
  bool PseudoModal() const { return pseudoModal_.has_value(); }

  TBorderStyle BorderStyle() const { return borderStyle_; }
  unsigned BorderIcons() const { return borderIcons_; }
  TPosition Position() const { return position_; }
  void SetClientSize(int width, int height);
  int ClientWidth() const;
  int ClientHeight() const;
  TMainMenu* Menu() const { return menu_; }
  void SetMenu(TMainMenu* menu) { menu_ = menu; }
  int Dpi() const override { return dpi_; }
  // Lays the window and everything it owns out again for another DPI: positions, sizes, client
  // size and pixel font heights, rescaled from the DPI they have now.
  void ChangeDpi(int dpi);
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult value) { modalResult_ = value; }
  TWinControl* ActiveControl() const { return activeControl_; }
  // The control that gets the focus when the window is next activated (at once if it is active).
  void SetActiveControl(TWinControl* control);
  // Keyboard cues: the focused control marks itself with a focus rectangle while they are shown,
  // and captions underline their access keys while those are. Tab shows the focus, Alt both, a
  // mouse press hides both.
  bool FocusCuesShown() const { return focusCuesShown_; }
  bool AccessKeysShown() const { return accessKeysShown_; }
  void ShowFocusCues(bool show, bool accessKeysToo = false);

  // The focus moved to control: exit and enter notifications, in that order.
  void FocusControlChanged(TWinControl* control);
  // Moves the focus to the next (or previous) tab stop, as the Tab key does.
  void SelectNext(bool forward);
  // The windowless control (a link) that has the keyboard focus while the window itself holds it.
  TControl* FocusedGraphic() const { return focusedGraphic_; }
  void FocusGraphic(TControl* control);
  // control, which held the focus, was hidden or greyed out: the focus goes to the next tab stop
  // after it, as the dialog manager does, or to the window itself when there is none.
  void FocusPassedFrom(const TControl& control);
  bool WantsKey(WPARAM key) const override;

  TNotifyEvent OnCreate;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnActivate;
  TCloseEvent OnClose;

  TNotifyEvent FindNotifyMethod(std::string_view name) const override;
  TCloseEvent FindCloseMethod(std::string_view name) const override;
  const std::any* FindMethod(std::string_view name) const override;
  void Notification(TComponent* component) override;
  void DescribeAccessible(AccessibleInfo& info) const override;

 protected:
  template <typename Form>
  void Publish(const char* name, void (Form::*method)(TObject*)) {
    Form* self = static_cast<Form*>(this);
    notifyMethods_[name] = [self, method](TObject* sender) { (self->*method)(sender); };
  }
  template <typename Form>
  void Publish(const char* name, void (Form::*method)(TObject*, TCloseAction&)) {
    Form* self = static_cast<Form*>(this);
    closeMethods_[name] = [self, method](TObject* sender, TCloseAction& action) { (self->*method)(sender, action); };
  }
  // Handlers of the other event types (mouse, key, ...), held as std::function<void(Args...)>.
  template <typename Form, typename... Args>
  void Publish(const char* name, void (Form::*method)(Args...)) {
    Form* self = static_cast<Form*>(this);
    methods_[name] = std::function<void(Args...)>([self, method](Args... args) { (self->*method)(args...); });
  }
  // A published field: the component of that name and class, or an exception.
  template <typename T>
  void Bind(T*& field, const char* name) {
    field = dynamic_cast<T*>(FindComponent(name));
    if (!field) throw Exception(std::string(ClassName()) + ": component " + name + " is missing");
  }

  virtual void DoClose(TCloseAction& action);
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WMClose(TMessage& m) override;
  void WMActivate(TMessage& m) override;
  void WMCommand(TMessage& m) override;
  void WMSysColorChange(TMessage& m) override;
  void WMSettingChange(TMessage& m) override;
  void WMDpiChanged(TMessage& m) override;
  void WMUpdateUIState(TMessage& m) override;
  void WMKeyDown(TMessage& m) override;
  void WMSysCommand(TMessage& m) override;
  void WMWindowPosChanged(TMessage& m) override;
  void CMVisibleChanged(TMessage& m) override;

 private:
  void PlaceOnFirstShow();
  void FitToWorkArea();
  // The high-contrast theme or the colours may have changed: every control takes them again.
  void RepaintForNewColors();
  // The enabled, visible window owned by this one (the secondary window it waits for), or null.
  HWND EnabledOwnedWindow() const;
  // Foreground for this window, or, while it is disabled, for the window it waits for.
  void BringToFront();
  // Gives the focus back to the control that had it last, or to the first tab stop.
  void FocusActiveControl();

  TBorderStyle borderStyle_ = TBorderStyle::bsSizeable;
  unsigned borderIcons_ = biSystemMenu | biMinimize | biMaximize;
  TPosition position_ = TPosition::poDesigned;
  int clientWidth_ = -1, clientHeight_ = -1;
  int dpi_ = 96;
  TMainMenu* menu_ = nullptr;
  TModalResult modalResult_ = 0;
  TWinControl* activeControl_ = nullptr;
  bool placed_ = false;
  // Set while this window holds the main window disabled: the one place that gives it back.
  std::optional<TPseudoModalEnd> pseudoModal_;
  bool focusCuesShown_ = false;
  bool accessKeysShown_ = false;
  TControl* focusedGraphic_ = nullptr;
  std::map<std::string, TNotifyEvent, std::less<>> notifyMethods_;
  std::map<std::string, TCloseEvent, std::less<>> closeMethods_;
  std::map<std::string, std::any, std::less<>> methods_;
};

}  // namespace ui
