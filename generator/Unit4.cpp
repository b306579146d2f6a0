#include "generator/Unit4.h"

#include "app/Choreography.h"
#include "core/GeneratedCode.h"
#include "flatctrls/TFlatButton.h"
#include "flatctrls/TFlatMemo.h"
#include "framework/Clipboard.h"

TForm4::TForm4(ui::TComponent* owner) : ui::TForm(owner) {
  Publish("FlatButton1Click", &TForm4::FlatButton1Click);
  Publish("FlatButton2Click", &TForm4::FlatButton2Click);
  Publish("FormClose", &TForm4::FormClose);
  Publish("FormKeyDown", &TForm4::FormKeyDown);
}

void TForm4::Loaded() {
  ui::TForm::Loaded();
  Bind(Memo1, "Memo1");
  Bind(FlatButton1, "FlatButton1");
  Bind(FlatButton2, "FlatButton2");
  // The buttons publish no key events, so the window hands them its handler itself.
  for (ui::TWinControl* control : std::initializer_list<ui::TWinControl*>{Memo1, FlatButton1, FlatButton2})
    control->OnKeyDown = [this](ui::TObject* sender, WORD& key, ui::TShiftState shift) { FormKeyDown(sender, key, shift); };
}

void TForm4::ShowCode(const core::GeneratedCode& code) {
  copyText_ = code.CopyText();
  Memo1->SetText(code.WindowText());
  app::OpenSecondary(*this);
}

void TForm4::FlatButton1Click(ui::TObject*) { ui::Clipboard::SetText(Handle(), copyText_); }

void TForm4::FlatButton2Click(ui::TObject*) { Close(); }

void TForm4::FormKeyDown(ui::TObject*, WORD& key, ui::TShiftState) {
  if (key != VK_ESCAPE) return;
  key = 0;
  Close();
}

// Every way of closing comes here: Close, Esc, the close box, the system menu.
void TForm4::FormClose(ui::TObject*, ui::TCloseAction&) { app::ReleaseMainWindow(); }
