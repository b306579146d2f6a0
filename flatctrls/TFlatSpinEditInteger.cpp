#include "flatctrls/TFlatSpinEditInteger.h"

#include <algorithm>

#include "core/EnumNames.h"
#include "core/FieldLimits.h"
#include "core/SpinValue.h"
#include "flatctrls/TSpinButton.h"
#include "flatctrls/TTimerSpeedButton.h"
#include "framework/AccessibleObject.h"
#include "framework/Gdi.h"
#include "framework/PropertyTable.h"
#include "paint/LookMetrics.h"
#include "system/Clipboard.h"
#include "system/Platform.h"

namespace {
// The decimal separator of the user's locale as it is now.
char DecimalSeparator() {
  char buffer[8] = {};
  if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, buffer, sizeof buffer) < 2) return '.';
  return buffer[0];
}
}  // namespace

TFlatSpinEditInteger::TFlatSpinEditInteger(ui::TComponent* owner) : TCustomFlatEdit(owner) {
  button_ = new TSpinButton(this);
  button_->SetParent(this);
  button_->SetWidth(22);
  button_->SetHeight(10);
  button_->SetVisible(true);
  button_->SetFocusControl(this);
  button_->OnUpClick = [this](ui::TObject*) { UpClick(); };
  button_->OnDownClick = [this](ui::TObject*) { DownClick(); };
  SetValue(0);
  SetMaxLength(core::FieldLimits::kNumber);
  SetStyle(Style() & ~ui::csSetCaption);
  increment_ = 1;
  editorEnabled_ = true;
}

// Size handling while the framework frees the children must not reach the spin button.
TFlatSpinEditInteger::~TFlatSpinEditInteger() { button_ = nullptr; }

void TFlatSpinEditInteger::CreateParams(ui::TCreateParams& params) {
  TCustomFlatEdit::CreateParams(params);
  params.style |= ES_MULTILINE | WS_CLIPCHILDREN;
}

void TFlatSpinEditInteger::CreateWnd() {
  TCustomFlatEdit::CreateWnd();
  accepted_ = Text();
  SetEditRect();
  PlaceButton();
}

void TFlatSpinEditInteger::Loaded() {
  SetEditRect();
  PlaceButton();
  TCustomFlatEdit::Loaded();
}

std::int32_t TFlatSpinEditInteger::Value() const { return core::SpinValue::ReadValue(Text(), minValue_); }

void TFlatSpinEditInteger::SetValue(std::int32_t value) { SetText(core::SpinValue::FormatValue(CheckValue(value))); }

std::int32_t TFlatSpinEditInteger::CheckValue(std::int32_t value) const {
  return core::SpinValue::CheckValue(value, minValue_, maxValue_);
}

bool TFlatSpinEditInteger::IsValidChar(char c) const {
  return core::SpinValue::IsValidChar(c, DecimalSeparator(), editorEnabled_);
}

void TFlatSpinEditInteger::Step(bool up) {
  if (ReadOnly()) {
    ui::Platform::Current().Beep(0);
    return;
  }
  SetValue(core::SpinValue::StepValue(Value(), increment_, up));
}

void TFlatSpinEditInteger::UpClick() { Step(true); }
void TFlatSpinEditInteger::DownClick() { Step(false); }

int TFlatSpinEditInteger::MinHeight() const {
  ui::WindowDC screen(nullptr);
  ui::SelectedObject font(screen.Get(), Font().Handle());
  TEXTMETRICA tm{};
  GetTextMetricsA(screen.Get(), &tm);
  return tm.tmHeight + 7;
}

// Positions are in the edit's client coordinates, inside its frame.
void TFlatSpinEditInteger::PlaceButton() {
  if (!button_) return;
  const paint::LookMetrics metrics(Dpi());
  const int width = metrics[paint::Metric::SpinButton];
  button_->SetBounds(Width() - width - metrics[paint::Metric::SpinButtonRight], 0, width, Height() - 6);
}

void TFlatSpinEditInteger::SetEditRect() {
  if (!button_ || !HandleAllocated()) return;
  RECT client = ClientRect();
  RECT r{0, 0, client.right - button_->Width() - 3, client.bottom};
  SendMessageA(Handle(), EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&r));
}

// A height below MinHeight is raised; the new height brings a new WM_SIZE.
void TFlatSpinEditInteger::WMSize(ui::TMessage& m) {
  TCustomFlatEdit::WMSize(m);
  UpdateBoundsFromWindow();
  int minHeight = MinHeight();
  if (minHeight > Height()) {
    SetHeight(minHeight);
    return;
  }
  if (!button_) return;
  PlaceButton();
  SetEditRect();
}

void TFlatSpinEditInteger::WMCut(ui::TMessage& m) {
  if (editorEnabled_ && !ReadOnly()) TCustomFlatEdit::WMCut(m);
}

// A paste goes in only if the text it leaves is a whole number; otherwise the field beeps and
// keeps its text, so no letter or line break reaches the script.
void TFlatSpinEditInteger::WMPaste(ui::TMessage& m) {
  if (!editorEnabled_ || ReadOnly()) return;
  if (HandleAllocated()) {
    DWORD start = 0, end = 0;
    SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const std::string text = Text();
    start = std::min<DWORD>(start, static_cast<DWORD>(text.size()));
    end = std::clamp<DWORD>(end, start, static_cast<DWORD>(text.size()));
    const std::string result = text.substr(0, start) + ui::Clipboard::TextUtf8(Handle()) + text.substr(end);
    if (!core::SpinValue::IsPastableNumber(result)) {
      ui::Platform::Current().Beep(0);
      return;
    }
  }
  TCustomFlatEdit::WMPaste(m);
}

// Leaving the field puts a value outside the limits back inside them.
void TFlatSpinEditInteger::CMExit(ui::TMessage& m) {
  TCustomFlatEdit::CMExit(m);
  std::int32_t value = Value();
  if (CheckValue(value) != value) SetValue(value);
}

// A greyed-out field greys out its arrows too: the pair and both halves follow the edit, so they
// draw disabled arrows and take no clicks.
void TFlatSpinEditInteger::CMEnabledChanged(ui::TMessage& m) {
  TCustomFlatEdit::CMEnabledChanged(m);
  if (!button_) return;
  const bool enabled = Enabled();
  button_->SetEnabled(enabled);
  button_->UpButton()->SetEnabled(enabled);
  button_->DownButton()->SetEnabled(enabled);
}

void TFlatSpinEditInteger::KeyDown(WORD& key, ui::TShiftState shift) {
  if (key == VK_UP) UpClick();
  else if (key == VK_DOWN) DownClick();
  TCustomFlatEdit::KeyDown(key, shift);
}

void TFlatSpinEditInteger::KeyPress(wchar_t& key) {
  if (key >= 0x80 || !IsValidChar(static_cast<char>(key))) {
    key = 0;
    ui::Platform::Current().Beep(0);
    return;
  }
  TCustomFlatEdit::KeyPress(key);
}

// Text the program sets is taken as it is; only what the user brings in is filtered.
void TFlatSpinEditInteger::WndProc(ui::TMessage& m) {
  if (m.msg != WM_SETTEXT) return TCustomFlatEdit::WndProc(m);
  const bool outer = !settingText_;
  settingText_ = true;
  TCustomFlatEdit::WndProc(m);
  if (!outer) return;
  settingText_ = false;
  // A multi-line edit sends no EN_CHANGE for it: a step by the arrows is announced here.
  std::string text = Text();
  if (text != accepted_) ui::AccessibleObject::Notify(EVENT_OBJECT_VALUECHANGE, *this);
  accepted_ = std::move(text);
}

// The one filter every way text arrives ends in. Typed characters and pastes are checked before
// they go in (KeyPress, WMPaste, Shift+Insert as a paste); whatever else changes the text (a
// drop, an input method, undo) is checked here, after the edit took it: text that is no longer
// made of what one may type is put back as it was, with a beep.
void TFlatSpinEditInteger::CNCommand(ui::TMessage& m) {
  if (HIWORD(m.wParam) != EN_CHANGE) return TCustomFlatEdit::CNCommand(m);
  std::string text = Text();
  if (settingText_ || core::SpinValue::IsEditableText(text, DecimalSeparator())) {
    accepted_ = std::move(text);
    return TCustomFlatEdit::CNCommand(m);
  }
  std::size_t same = 0;
  while (same < text.size() && same < accepted_.size() && text[same] == accepted_[same]) ++same;
  SetText(accepted_);
  SendMessageW(Handle(), EM_SETSEL, same, same);
  ui::Platform::Current().Beep(0);
}

const ui::PropertyTable& TFlatSpinEditInteger::Published() const {
  using C = TFlatSpinEditInteger;
  static const ui::PropertyTable table{
#include "flatctrls/TFlatSpinEditInteger.props"
  };
  return table;
}
