#include "generator/Unit4.h"

#include "core/DpiScale.h"
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
  advice_.clear();
  for (const auto& line : code.Advice()) advice_.push_back(line.text);
  FillAdvice();
  ShowPseudoModal();
}

void TForm4::FillAdvice() {
  adviceColumns_ = Memo3->Columns();
  std::string advice;
  for (const std::string& line : advice_)
    advice += core::GeneratedCode::Bullet(line, static_cast<std::size_t>(adviceColumns_));
  Memo3->SetTextAndFit(advice);
}

void TForm4::FlatButton1Click(ui::TObject*) { ui::Clipboard::SetText(Handle(), script_); }

void TForm4::FlatButton3Click(ui::TObject*) { ui::Clipboard::SetText(Handle(), snippet_); }

void TForm4::FlatButton2Click(ui::TObject*) { Close(); }

void TForm4::FormKeyDown(ui::TObject*, WORD& key, ui::TShiftState) {
  if (key != VK_ESCAPE) return;
  key = 0;
  Close();
}

namespace {

// A control's place from its stored definition at dpi; an auto-sized label keeps the size its
// caption gives it.
core::LayoutRect DesignedPlace(const ui::TControl& control, int dpi) {
  int left = control.Left(), top = control.Top(), width = control.Width(), height = control.Height();
  for (const auto& [name, design] : control.DesignPixelValues()) {
    const int value = core::DpiScale::Scale(design, dpi);
    if (name == "Left") left = value;
    else if (name == "Top") top = value;
    else if (name == "Width") width = value;
    else if (name == "Height") height = value;
  }
  return {left, top, left + width, top + height};
}

void Place(ui::TControl& control, const core::LayoutRect& r) {
  control.SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

}  // namespace

core::CodeWindowParts TForm4::DesignedParts() const {
  const int dpi = Dpi();
  core::CodeWindowParts parts;
  parts.labels[0] = DesignedPlace(*Label1, dpi);
  parts.labels[1] = DesignedPlace(*Label2, dpi);
  parts.labels[2] = DesignedPlace(*Label3, dpi);
  parts.texts[0] = DesignedPlace(*Memo1, dpi);
  parts.texts[1] = DesignedPlace(*Memo2, dpi);
  parts.texts[2] = DesignedPlace(*Memo3, dpi);
  parts.copyButtons[0] = DesignedPlace(*FlatButton1, dpi);
  parts.copyButtons[1] = DesignedPlace(*FlatButton3, dpi);
  parts.close = DesignedPlace(*FlatButton2, dpi);
  return parts;
}

core::LayoutSize TForm4::DesignedClient() const {
  core::LayoutSize size{ClientWidth(), ClientHeight()};
  for (const auto& [name, design] : DesignPixelValues()) {
    if (name == "ClientWidth") size.width = core::DpiScale::Scale(design, Dpi());
    if (name == "ClientHeight") size.height = core::DpiScale::Scale(design, Dpi());
  }
  return size;
}

// Room for about a dozen characters on three lines of each text.
core::LayoutSize TForm4::MinimumText() const {
  return {core::DpiScale::Scale(120, Dpi()), core::DpiScale::Scale(48, Dpi())};
}

void TForm4::LayOut() {
  if (!HandleAllocated() || !Label1) return;
  const core::CodeWindowParts parts =
      core::LayOutCodeWindow(DesignedParts(), DesignedClient(), {ClientWidth(), ClientHeight()}, MinimumText());
  ui::TLabel* labels[] = {Label1, Label2, Label3};
  TFlatMemo* texts[] = {Memo1, Memo2, Memo3};
  for (int i = 0; i < 3; ++i) {
    Place(*labels[i], parts.labels[i]);
    Place(*texts[i], parts.texts[i]);
  }
  Place(*FlatButton1, parts.copyButtons[0]);
  Place(*FlatButton3, parts.copyButtons[1]);
  Place(*FlatButton2, parts.close);
  if (!advice_.empty() && Memo3->Columns() != adviceColumns_) FillAdvice();
}

void TForm4::CreateWnd() {
  ui::TForm::CreateWnd();
  LayOut();
}

void TForm4::WMSize(ui::TMessage& m) {
  ui::TForm::WMSize(m);
  LayOut();
}

// The controls come back at their designed places for the new DPI, whatever size the window gets.
void TForm4::WMDpiChanged(ui::TMessage& m) {
  ui::TForm::WMDpiChanged(m);
  LayOut();
}

void TForm4::WMGetMinMaxInfo(ui::TMessage& m) {
  ui::TForm::WMGetMinMaxInfo(m);
  if (!HandleAllocated() || !Label1) return;
  const core::LayoutSize client = core::MinimumCodeWindowClient(DesignedParts(), DesignedClient(), MinimumText());
  RECT frame{0, 0, client.width, client.height};
  AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongA(Handle(), GWL_STYLE)), FALSE,
                           static_cast<DWORD>(GetWindowLongA(Handle(), GWL_EXSTYLE)), static_cast<UINT>(Dpi()));
  auto* info = reinterpret_cast<MINMAXINFO*>(m.lParam);
  info->ptMinTrackSize = {frame.right - frame.left, frame.bottom - frame.top};
}
