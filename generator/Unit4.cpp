#include "generator/Unit4.h"

#include "core/GeneratedCode.h"
#include "flatctrls/TFlatButton.h"
#include "flatctrls/TFlatMemo.h"
#include "framework/Label.h"
#include "system/Clipboard.h"

TForm4::TForm4(ui::TComponent* owner) : ui::TForm(owner) {
  Publish("FlatButton1Click", &TForm4::FlatButton1Click);
  Publish("FlatButton3Click", &TForm4::FlatButton3Click);
  Publish("FlatButton2Click", &TForm4::FlatButton2Click);
  Publish("FormKeyDown", &TForm4::FormKeyDown);
}

void TForm4::Loaded() {
  ui::TForm::Loaded();
  Bind(Label1, "Label1");
  Bind(Memo1, "Memo1");
  Bind(FlatButton1, "FlatButton1");
  Bind(Label2, "Label2");
  Bind(Memo2, "Memo2");
  Bind(FlatButton3, "FlatButton3");
  Bind(Label3, "Label3");
  Bind(Memo3, "Memo3");
  Bind(FlatButton2, "FlatButton2");
  FlatButton2->SetCancel(true);  // Esc closes the window as Close does
  // Both captions read "Copy"; a screen reader says which text each one copies.
  FlatButton1->SetAccessibleName("Copy script");
  FlatButton3->SetAccessibleName("Copy call");
  // The buttons publish no key events, so the window hands them its handler itself.
  for (ui::TWinControl* control :
       std::initializer_list<ui::TWinControl*>{Memo1, FlatButton1, Memo2, FlatButton3, Memo3, FlatButton2})
    control->OnKeyDown = [this](ui::TObject* sender, WORD& key, ui::TShiftState shift) { FormKeyDown(sender, key, shift); };
}

// The window is made first, so the advice can be broken to the advice field's own width.
void TForm4::ShowCode(const core::GeneratedCode& code) {
  script_ = code.Script();
  snippet_ = code.Snippet();
  HandleNeeded();
  Label1->SetCaption("&Save as " + code.ScriptFile());
  Memo1->SetTextAndFit(script_);
  Memo2->SetTextAndFit(snippet_);
  std::string advice;
  for (const auto& line : code.Advice())
    advice += core::GeneratedCode::Bullet(line.text, static_cast<std::size_t>(Memo3->Columns()));
  Memo3->SetTextAndFit(advice);
  ShowPseudoModal();
}

void TForm4::FlatButton1Click(ui::TObject*) { ui::Clipboard::SetText(Handle(), script_); }

void TForm4::FlatButton3Click(ui::TObject*) { ui::Clipboard::SetText(Handle(), snippet_); }

void TForm4::FlatButton2Click(ui::TObject*) { Close(); }

void TForm4::FormKeyDown(ui::TObject*, WORD& key, ui::TShiftState) {
  if (key != VK_ESCAPE) return;
  key = 0;
  Close();
}

