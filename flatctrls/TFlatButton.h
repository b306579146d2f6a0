#pragma once
#include "flatctrls/TFlatButtonBase.h"
#include "framework/CustomControl.h"

// The flat push button with a window of its own: it takes the focus, clicks on the space key and
// can be drawn as the window's default button.
class TFlatButton : public TFlatButtonBase<ui::TCustomControl> {
 public:
  explicit TFlatButton(ui::TComponent* owner);
  const char* ClassName() const override { return "TFlatButton"; }
  const ui::PropertyTable& Published() const override;

  // Shared by every TFlatButton.
  static HoverTracker& ClassHoverTracker();

  bool Default() const { return default_; }
  void SetDefault(bool value);

  // Esc anywhere in the window presses the cancel button (not stored in definitions: the window
  // that has one says so when it is made).
  bool Cancel() const { return cancel_; }
  void SetCancel(bool value) { cancel_ = value; }

  bool WantsKey(WPARAM key) const override { return key == VK_RETURN; }

 protected:
  bool IsDefault() const override { return default_; }
  void TakeFocusOnPress() override;
  bool AcceleratorPressesDown() const override { return true; }
  bool ShowsFocusMark() const override { return ShowsFocusRectangle(*this); }
  void WMKeyDown(ui::TMessage& m) override;
  void CMDialogKey(ui::TMessage& m) override;
  void WMKeyUp(ui::TMessage& m) override;
  void WMSetFocus(ui::TMessage& m) override;
  void WMKillFocus(ui::TMessage& m) override;
  void WMMove(ui::TMessage& m) override;
  void WMSize(ui::TMessage& m) override;

 private:
  bool default_ = false;
  bool cancel_ = false;
};
