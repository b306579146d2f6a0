#pragma once
#include "framework/WinControl.h"

namespace ui {

enum class TCharCase { ecNormal, ecUpperCase, ecLowerCase };

// The native single-line EDIT, wrapped: its text lives in the window once there is one.
class TCustomEdit : public TWinControl {
 public:
  explicit TCustomEdit(TComponent* owner);
  const char* ClassName() const override { return "TCustomEdit"; }
  bool WantsChars() const override { return true; }
  void DescribeAccessible(AccessibleInfo& info) const override;

  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int value);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value);
  TCharCase CharCase() const { return charCase_; }
  void SetCharCase(TCharCase value);
  char PasswordChar() const { return passwordChar_; }
  void SetPasswordChar(char value);
  bool AutoSelect() const { return autoSelect_; }
  void SetAutoSelect(bool value) { autoSelect_ = value; }
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool value);
  void SelectAll();

  TNotifyEvent OnChange;


 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void CNCommand(TMessage& m) override;
  void CMEnter(TMessage& m) override;
  void CMFontChanged(TMessage& m) override;
  void WMPaste(TMessage& m) override;
  void KeyDown(WORD& key, TShiftState shift) override;
  virtual void Change();
  void AdjustHeight();

 private:
  int maxLength_ = 0;
  bool readOnly_ = false;
  TCharCase charCase_ = TCharCase::ecNormal;
  char passwordChar_ = 0;
  bool autoSelect_ = true;
  bool autoSize_ = true;
  bool hideSelection_ = true;
};

}  // namespace ui
