#include "framework/CustomEdit.h"

#include <oleacc.h>
#include <algorithm>

#include "core/EnumNames.h"
#include "framework/AccessibleObject.h"
#include "system/Clipboard.h"
#include "system/Platform.h"
#include "system/WideText.h"

namespace ui {

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 121, 25);
  SetTabStop(true);
  SetColor(clWindow);
}

void TCustomEdit::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  CreateSubClass(p, "EDIT");
  p.style |= ES_AUTOHSCROLL | ES_LEFT;
  if (readOnly_) p.style |= ES_READONLY;
  if (charCase_ == TCharCase::ecUpperCase) p.style |= ES_UPPERCASE;
  if (charCase_ == TCharCase::ecLowerCase) p.style |= ES_LOWERCASE;
  if (!hideSelection_) p.style |= ES_NOHIDESEL;
  if (passwordChar_) p.style |= ES_PASSWORD;
  p.exStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::CreateWnd() {
  TWinControl::CreateWnd();
  SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
  if (passwordChar_) SendMessageW(Handle(), EM_SETPASSWORDCHAR, static_cast<unsigned char>(passwordChar_), 0);
}

void TCustomEdit::SetMaxLength(int value) {
  maxLength_ = value;
  if (HandleAllocated()) SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(value), 0);
}

void TCustomEdit::SetReadOnly(bool value) {
  readOnly_ = value;
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETREADONLY, value, 0);
}

void TCustomEdit::SetCharCase(TCharCase value) {
  if (charCase_ == value) return;
  charCase_ = value;
  RecreateWnd();
}

void TCustomEdit::SetPasswordChar(char value) {
  passwordChar_ = value;
  if (HandleAllocated()) {
    SendMessageW(Handle(), EM_SETPASSWORDCHAR, static_cast<unsigned char>(value), 0);
    Invalidate();
  }
}

void TCustomEdit::SetHideSelection(bool value) {
  if (hideSelection_ == value) return;
  hideSelection_ = value;
  RecreateWnd();
}

void TCustomEdit::SetAutoSize(bool value) {
  autoSize_ = value;
  AdjustHeight();
}

void TCustomEdit::AdjustHeight() {
  if (!autoSize_ || Loading()) return;
  WindowDC screen(nullptr);
  SelectedObject font(screen.Get(), Font().Handle());
  TEXTMETRICA tm{};
  GetTextMetricsA(screen.Get(), &tm);
  SetHeight(tm.tmHeight + 2 * GetSystemMetrics(SM_CYEDGE) + 4);
}

void TCustomEdit::SelectAll() {
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETSEL, 0, -1);
}

void TCustomEdit::Change() {
  AccessibleObject::Notify(EVENT_OBJECT_VALUECHANGE, *this);
  if (OnChange) OnChange(this);
}

// A character typed into a full field is dropped by the edit; the beep says so.
void TCustomEdit::CNCommand(TMessage& m) {
  if (HIWORD(m.wParam) == EN_CHANGE) Change();
  if (HIWORD(m.wParam) == EN_MAXTEXT) Platform::Current().Beep(0);
}

void TCustomEdit::CMEnter(TMessage& m) {
  if (autoSelect_ && !(GetKeyState(VK_LBUTTON) < 0)) SelectAll();
  TWinControl::CMEnter(m);
}

// A paste that would leave more than MaxLength characters is refused whole, with a beep, instead
// of being cut where the limit falls; a single-line edit takes only the first line of it.
void TCustomEdit::WMPaste(TMessage& m) {
  if (maxLength_ > 0 && HandleAllocated() && !readOnly_) {
    std::wstring clip = WideText::FromUtf8(Clipboard::TextUtf8(Handle()));
    if (!(GetWindowLongW(Handle(), GWL_STYLE) & ES_MULTILINE)) clip.resize(std::min(clip.find_first_of(L"\r\n"), clip.size()));
    DWORD start = 0, end = 0;
    SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const auto length = static_cast<std::size_t>(GetWindowTextLengthW(Handle()));
    const std::size_t selected = std::min<std::size_t>(end > start ? end - start : 0, length);
    if (length - selected + clip.size() > static_cast<std::size_t>(maxLength_)) {
      Platform::Current().Beep(0);
      return;
    }
  }
  DefaultHandler(m);
}

// Shift+Insert pastes inside the native edit without a WM_PASTE: sent as one, it meets the checks
// every other paste meets.
void TCustomEdit::KeyDown(WORD& key, TShiftState shift) {
  TWinControl::KeyDown(key, shift);
  if (key == VK_INSERT && (shift & (ssShift | ssCtrl | ssAlt)) == ssShift) {
    Perform(WM_PASTE);
    key = 0;
  }
}

void TCustomEdit::CMFontChanged(TMessage& m) {
  TWinControl::CMFontChanged(m);
  AdjustHeight();
}

// Named by its label; the value is the text as shown (a spin edit's number included).
void TCustomEdit::DescribeAccessible(AccessibleInfo& info) const {
  TWinControl::DescribeAccessible(info);
  info.role = ROLE_SYSTEM_TEXT;
  info.SetValue(Text());
  if (readOnly_) info.state |= STATE_SYSTEM_READONLY;
}

}  // namespace ui
