#include "flatctrls/TFlatMemo.h"

#include <algorithm>

#include "core/EnumNames.h"
#include "flatctrls/FlatLook.h"
#include "framework/HighContrast.h"
#include "framework/PropertyTable.h"

namespace {
constexpr char kCtrlA = 1;
constexpr int kMemoFrameWidth = 1;

std::size_t LongestLine(std::string_view text) {
  std::size_t longest = 0;
  for (std::size_t start = 0; start <= text.size();) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    longest = std::max(longest, end - start);
    start = end + 1;
  }
  return longest;
}
}  // namespace

TFlatMemo::TFlatMemo(ui::TComponent* owner) : ui::TCustomEdit(owner), colorBorder_(kFlatBorderColor) {
  SetAutoSize(false);
  SetAutoSelect(false);
  SetBounds(0, 0, 185, 89);
}

void TFlatMemo::CreateParams(ui::TCreateParams& params) {
  ui::TCustomEdit::CreateParams(params);
  params.style |= ES_MULTILINE | ES_AUTOVSCROLL;
  params.style &= ~(ES_AUTOHSCROLL | WS_HSCROLL | WS_VSCROLL);
  params.style &= ~WS_BORDER;
  if (!wordWrap_) params.style |= ES_AUTOHSCROLL | WS_HSCROLL;
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

int TFlatMemo::LineHeight() const {
  ui::WindowDC screen(nullptr);
  ui::SelectedObject font(screen.Get(), textFont_.Get() ? textFont_.Get() : Font().Handle());
  TEXTMETRICA tm{};
  GetTextMetricsA(screen.Get(), &tm);
  return std::max<int>(1, tm.tmHeight);
}

int TFlatMemo::Columns() const {
  ui::WindowDC screen(nullptr);
  ui::SelectedObject font(screen.Get(), textFont_.Get() ? textFont_.Get() : Font().Handle());
  TEXTMETRICA tm{};
  GetTextMetricsA(screen.Get(), &tm);
  RECT r{};
  if (HandleAllocated()) SendMessageA(Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
  else r = ClientRect();
  return std::max<int>(1, (r.right - r.left) / std::max<int>(1, tm.tmAveCharWidth));
}

bool TFlatMemo::ScrollBarShown() const {
  return HandleAllocated() && (GetWindowLongA(Handle(), GWL_STYLE) & WS_VSCROLL);
}

void TFlatMemo::SetTextAndFit(std::string_view utf8) {
  const bool wrap = LongestLine(utf8) <= kLongestWrappedLine;
  if (wrap != wordWrap_) {
    wordWrap_ = wrap;
    SetText("");  // or the new window would first wrap the old text
    RecreateWnd();
  }
  HandleNeeded();
  SetText(std::string(utf8));
  FitScrollBar();
  SendMessageA(Handle(), EM_SETSEL, 0, 0);
  SendMessageA(Handle(), EM_SCROLLCARET, 0, 0);
}

// Showing the bar narrows the text, which may wrap into more lines, so the test is made without
// it. Showing or hiding the bar resizes the text area, which must not start another fitting.
void TFlatMemo::FitScrollBar() {
  if (!HandleAllocated() || fitting_) return;
  fitting_ = true;
  ShowScrollBar(Handle(), SB_VERT, FALSE);
  RECT r{};
  SendMessageA(Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
  const auto lines = static_cast<int>(SendMessageA(Handle(), EM_GETLINECOUNT, 0, 0));
  if (lines * LineHeight() > r.bottom - r.top) ShowScrollBar(Handle(), SB_VERT, TRUE);
  fitting_ = false;
}

// A field given another size (its window resized) may need the bar where it did not, or not any more.
void TFlatMemo::WMSize(ui::TMessage& m) {
  ui::TCustomEdit::WMSize(m);
  FitScrollBar();
}

void TFlatMemo::SetColorBorder(ui::TColor value) {
  colorBorder_ = value;
  PaintBorder();
}

// The frame comes off first, so the system places the scroll bars inside it.
void TFlatMemo::WMNCCalcSize(ui::TMessage& m) {
  InflateRect(reinterpret_cast<RECT*>(m.lParam), -kMemoFrameWidth, -kMemoFrameWidth);
  ui::TCustomEdit::WMNCCalcSize(m);
}

void TFlatMemo::WMNCPaint(ui::TMessage& m) {
  ui::TCustomEdit::WMNCPaint(m);
  PaintBorder();
}

void TFlatMemo::PaintBorder() {
  if (!HandleAllocated()) return;
  ui::WindowDC dc(Handle(), ui::WindowDC::Area::Window);
  RECT window{};
  GetWindowRect(Handle(), &window);
  FrameWithColor(dc.Get(), RECT{0, 0, window.right - window.left, window.bottom - window.top},
                 ui::LookColor(core::LookPart::FieldText, colorBorder_));
}

void TFlatMemo::KeyDown(WORD& key, ui::TShiftState shift) {
  ui::TCustomEdit::KeyDown(key, shift);
  if (key == 'A' && (shift & ui::ssCtrl) && !(shift & ui::ssAlt)) {
    SelectAll();
    key = 0;
  }
}

// The character Ctrl+A also sends would only make the edit beep.
void TFlatMemo::KeyPress(wchar_t& key) {
  ui::TCustomEdit::KeyPress(key);
  if (key == kCtrlA) key = 0;
}

const ui::PropertyTable& TFlatMemo::Published() const {
  using C = TFlatMemo;
  static const ui::PropertyTable table{
#include "flatctrls/TFlatMemo.props"
  };
  return table;
}
