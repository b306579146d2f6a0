#pragma once
#include <cstdint>

#include "flatctrls/TCustomFlatEdit.h"

class TSpinButton;

// A flat edit holding one integer, with a pair of arrow halves inside its right end. The value is
// never stored: it is read from the text each time.
class TFlatSpinEditInteger : public TCustomFlatEdit {
 public:
  explicit TFlatSpinEditInteger(ui::TComponent* owner);
  ~TFlatSpinEditInteger() override;
  const char* ClassName() const override { return "TFlatSpinEditInteger"; }
  const ui::PropertyTable& Published() const override;

  std::int32_t Value() const;
  void SetValue(std::int32_t value);
  std::int32_t CheckValue(std::int32_t value) const;
  std::int32_t MinValue() const { return minValue_; }
  void SetMinValue(std::int32_t value) { minValue_ = value; }
  std::int32_t MaxValue() const { return maxValue_; }
  void SetMaxValue(std::int32_t value) { maxValue_ = value; }
  std::int32_t Increment() const { return increment_; }
  void SetIncrement(std::int32_t value) { increment_ = value; }
  bool EditorEnabled() const { return editorEnabled_; }
  void SetEditorEnabled(bool value) { editorEnabled_ = value; }
  TSpinButton* Button() const { return button_; }

  virtual bool IsValidChar(char c) const;
  virtual void UpClick();
  virtual void DownClick();

  // The font's text height plus 7: no spin edit is lower.
  int MinHeight() const;

  void Loaded() override;
  void WndProc(ui::TMessage& m) override;

 protected:
  void CreateParams(ui::TCreateParams& params) override;
  void CreateWnd() override;
  void WMSize(ui::TMessage& m) override;
  void WMCut(ui::TMessage& m) override;
  void WMPaste(ui::TMessage& m) override;
  void CMExit(ui::TMessage& m) override;
  void CMEnabledChanged(ui::TMessage& m) override;
  void KeyDown(WORD& key, ui::TShiftState shift) override;
  void KeyPress(wchar_t& key) override;
  void CNCommand(ui::TMessage& m) override;

 private:
  void PlaceButton();
  void SetEditRect();
  void Step(bool up);

  std::int32_t minValue_ = 0;
  std::int32_t maxValue_ = 0;
  std::int32_t increment_ = 1;
  TSpinButton* button_ = nullptr;  // owned child
  bool editorEnabled_ = true;
  bool settingText_ = false;
  std::string accepted_;  // the text as it last passed the filter
};
