#pragma once
#include <string>
#include <vector>

#include "core/CodeWindowLayout.h"
#include "framework/Form.h"

class TFlatMemo;
class TFlatButton;
namespace core {
class GeneratedCode;
}
namespace ui {
class TLabel;
}

// The "Generated code" window: the script under the name Save suggests, the call to put in a
// page, each read-only with its own Copy button, and the advice below them; Close. It opens the
// pseudo-modal way, like the About window.
class TForm4 : public ui::TForm {
 public:
  explicit TForm4(ui::TComponent* owner);
  const char* ClassName() const override { return "TForm4"; }

  ui::TLabel* Label1 = nullptr;        // "Save as PopUp.js"
  TFlatMemo* Memo1 = nullptr;          // the script
  TFlatButton* FlatButton1 = nullptr;  // "Copy" the script
  ui::TLabel* Label2 = nullptr;        // "Put in your page"
  TFlatMemo* Memo2 = nullptr;          // the call
  TFlatButton* FlatButton3 = nullptr;  // "Copy" the call
  ui::TLabel* Label3 = nullptr;
  TFlatMemo* Memo3 = nullptr;          // the advice
  TFlatButton* FlatButton2 = nullptr;  // "Close"

  void FlatButton1Click(ui::TObject* sender);
  void FlatButton3Click(ui::TObject* sender);
  void FlatButton2Click(ui::TObject* sender);
  // Esc closes the window from any of its controls.
  void FormKeyDown(ui::TObject* sender, WORD& key, ui::TShiftState shift);

  // Fills the window with the code and opens it in front of the disabled main window.
  void ShowCode(const core::GeneratedCode& code);
  // What the two Copy buttons put on the clipboard (UTF-8).
  const std::string& Script() const { return script_; }
  const std::string& Snippet() const { return snippet_; }

  void Loaded() override;

 protected:
  void CreateWnd() override;
  void WMSize(ui::TMessage& m) override;
  void WMDpiChanged(ui::TMessage& m) override;
  void WMGetMinMaxInfo(ui::TMessage& m) override;

 private:
  // The parts where the definition puts them at the window's DPI, and the client size it gives.
  core::CodeWindowParts DesignedParts() const;
  core::LayoutSize DesignedClient() const;
  core::LayoutSize MinimumText() const;
  // Places the parts for the client size the window has.
  void LayOut();
  // The advice broken to the advice field's width, again when that width changes.
  void FillAdvice();

  std::string script_;
  std::string snippet_;
  std::vector<std::string> advice_;
  int adviceColumns_ = 0;
};
