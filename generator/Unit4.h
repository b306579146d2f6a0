#pragma once
#include <string>

#include "framework/Form.h"

class TFlatMemo;
class TFlatButton;
namespace core {
class GeneratedCode;
}

// The "Generated code" window: the script, the snippet that calls it and the advice, read-only,
// with Copy and Close. It opens the pseudo-modal way, like the About window.
class TForm4 : public ui::TForm {
 public:
  explicit TForm4(ui::TComponent* owner);
  const char* ClassName() const override { return "TForm4"; }

  TFlatMemo* Memo1 = nullptr;
  TFlatButton* FlatButton1 = nullptr;  // "Copy"
  TFlatButton* FlatButton2 = nullptr;  // "Close"

  void FlatButton1Click(ui::TObject* sender);
  void FlatButton2Click(ui::TObject* sender);
  void FormClose(ui::TObject* sender, ui::TCloseAction& action);
  // Esc closes the window from any of its controls.
  void FormKeyDown(ui::TObject* sender, WORD& key, ui::TShiftState shift);

  // Fills the window with the code and opens it in front of the disabled main window.
  void ShowCode(const core::GeneratedCode& code);
  // What Copy puts on the clipboard: the script and the snippet.
  const std::string& CopyText() const { return copyText_; }

  void Loaded() override;

 private:
  std::string copyText_;
};
