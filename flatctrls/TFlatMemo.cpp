#include "flatctrls/TFlatMemo.h"

#include "flatctrls/FlatLook.h"

namespace {
constexpr char kCtrlA = 1;
constexpr int kFrameWidth = 1;
}  // namespace

TFlatMemo::TFlatMemo(ui::TComponent* owner) : ui::TCustomEdit(owner), colorBorder_(kFlatBorderColor) {
  SetAutoSize(false);
  SetAutoSelect(false);
  SetBounds(0, 0, 185, 89);
}

void TFlatMemo::CreateParams(ui::TCreateParams& params) {
  ui::TCustomEdit::CreateParams(params);
  params.style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_VSCROLL | WS_HSCROLL;
  params.style &= ~WS_BORDER;
  params.exStyle &= ~WS_EX_CLIENTEDGE;
}

// The frame reserved in WM_NCCALCSIZE takes effect only once the frame is recalculated: the
// first calculation ran inside CreateWindow, before the window was ours.
void TFlatMemo::CreateWnd() {
  ui::TCustomEdit::CreateWnd();
  ApplyFixedPitchFont();
  SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TFlatMemo::CMFontChanged(ui::TMessage& m) {
  ui::TCustomEdit::CMFontChanged(m);
  ApplyFixedPitchFont();
}

// The font asked for, marked fixed-pitch, so that a missing face gives way to a fixed-pitch one.
void TFlatMemo::ApplyFixedPitchFont() {
  if (!HandleAllocated()) return;
  LOGFONTA lf = Font().LogFont();
  lf.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
  ui::FontHandle font(CreateFontIndirectA(&lf));
  SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), TRUE);
  textFont_ = std::move(font);
}

void TFlatMemo::SetColorBorder(ui::TColor value) {
  colorBorder_ = value;
  PaintBorder();
}

// The frame comes off first, so the system places the scroll bars inside it.
void TFlatMemo::WMNCCalcSize(ui::TMessage& m) {
  InflateRect(reinterpret_cast<RECT*>(m.lParam), -kFrameWidth, -kFrameWidth);
  ui::TCustomEdit::WMNCCalcSize(m);
}

void TFlatMemo::WMNCPaint(ui::TMessage& m) {
  ui::TCustomEdit::WMNCPaint(m);
  PaintBorder();
}

void TFlatMemo::PaintBorder() {
  if (!HandleAllocated()) return;
  ui::WindowDC dc(Handle(), ui::WindowDC::Area::Window);
  RECT window{}, client{};
  GetWindowRect(Handle(), &window);
  FrameWithColor(dc.Get(), RECT{0, 0, window.right - window.left, window.bottom - window.top}, colorBorder_);
  // The square where the two scroll bars meet is left to the window; give it the face colour.
  GetClientRect(Handle(), &client);
  POINT origin{0, 0};
  ::ClientToScreen(Handle(), &origin);
  const int right = origin.x - window.left + client.right, bottom = origin.y - window.top + client.bottom;
  const RECT corner{right, bottom, right + GetSystemMetrics(SM_CXVSCROLL), bottom + GetSystemMetrics(SM_CYHSCROLL)};
  FillRect(dc.Get(), &corner, GetSysColorBrush(COLOR_BTNFACE));
}

void TFlatMemo::KeyDown(WORD& key, ui::TShiftState shift) {
  ui::TCustomEdit::KeyDown(key, shift);
  if (key == 'A' && (shift & ui::ssCtrl) && !(shift & ui::ssAlt)) {
    SelectAll();
    key = 0;
  }
}

// The character Ctrl+A also sends would only make the edit beep.
void TFlatMemo::KeyPress(char& key) {
  ui::TCustomEdit::KeyPress(key);
  if (key == kCtrlA) key = 0;
}

bool TFlatMemo::SetProperty(std::string_view name, const core::PropertyValue& v, ui::LoadContext& context) {
  if (name == "ColorBorder") SetColorBorder(static_cast<ui::TColor>(ui::IntValue(v)));
  else return ui::TCustomEdit::SetProperty(name, v, context);
  return true;
}
