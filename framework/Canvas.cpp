#include "framework/Canvas.h"

#include "framework/Bitmap.h"
#include "system/WideText.h"

namespace ui {

TCanvas::TCanvas() {
  font_.OnChange = [this] { ApplyFont(); };
}

TCanvas::~TCanvas() { Release(); }

void TCanvas::Bind(HDC dc) {
  Release();
  dc_ = dc;
  if (!dc_) return;
  oldPen_ = GetCurrentObject(dc_, OBJ_PEN);
  oldBrush_ = GetCurrentObject(dc_, OBJ_BRUSH);
  oldFont_ = GetCurrentObject(dc_, OBJ_FONT);
  ApplyAll();
}

void TCanvas::Release() {
  if (dc_) {
    SelectObject(dc_, oldPen_);
    SelectObject(dc_, oldBrush_);
    SelectObject(dc_, oldFont_);
  }
  dc_ = nullptr;
  pen_.Reset();
  brush_.Reset();
}

void TCanvas::ApplyAll() {
  ApplyPen();
  ApplyBrush();
  ApplyFont();
}

void TCanvas::ApplyPen() {
  if (!dc_) return;
  Pen made(CreatePen(PS_SOLID, penWidth_, ColorToRGB(penColor_)));
  SelectObject(dc_, made.Get());
  pen_ = std::move(made);
}

void TCanvas::ApplyBrush() {
  if (!dc_) return;
  if (brushStyle_ == BrushStyle::Clear) {
    SelectObject(dc_, GetStockObject(NULL_BRUSH));
    brush_.Reset();
    SetBkMode(dc_, TRANSPARENT);
    return;
  }
  Brush made(CreateSolidBrush(ColorToRGB(brushColor_)));
  SelectObject(dc_, made.Get());
  brush_ = std::move(made);
  SetBkMode(dc_, OPAQUE);
  SetBkColor(dc_, ColorToRGB(brushColor_));
}

void TCanvas::ApplyFont() {
  if (!dc_) return;
  SelectObject(dc_, font_.Handle());
  SetTextColor(dc_, ColorToRGB(font_.Color()));
}

void TCanvas::SetPenColor(TColor c) {
  penColor_ = c;
  ApplyPen();
}

void TCanvas::SetPenWidth(int w) {
  penWidth_ = w;
  ApplyPen();
}

void TCanvas::SetBrushColor(TColor c) {
  brushColor_ = c;
  brushStyle_ = BrushStyle::Solid;
  ApplyBrush();
}

void TCanvas::SetBrushStyle(BrushStyle s) {
  brushStyle_ = s;
  ApplyBrush();
}

// Both use the brush the canvas already holds for its colour.
void TCanvas::FillRect(const RECT& r) {
  if (brush_) ::FillRect(dc_, &r, brush_.Get());
}

void TCanvas::FrameRect(const RECT& r) {
  if (brush_) ::FrameRect(dc_, &r, brush_.Get());
}

void TCanvas::Rectangle(const RECT& r) { ::Rectangle(dc_, r.left, r.top, r.right, r.bottom); }

void TCanvas::MoveTo(int x, int y) { MoveToEx(dc_, x, y, nullptr); }

void TCanvas::LineTo(int x, int y) { ::LineTo(dc_, x, y); }

void TCanvas::Polyline(const std::vector<POINT>& points) {
  ::Polyline(dc_, points.data(), static_cast<int>(points.size()));
}

void TCanvas::Polygon(const std::vector<POINT>& points) {
  ::Polygon(dc_, points.data(), static_cast<int>(points.size()));
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
  const std::wstring wide = WideText::FromUtf8(text);
  ::TextOutW(dc_, x, y, wide.c_str(), static_cast<int>(wide.size()));
}

int TCanvas::DrawText(const std::string& text, RECT& r, UINT flags) {
  const std::wstring wide = WideText::FromUtf8(text);
  return ::DrawTextW(dc_, wide.c_str(), static_cast<int>(wide.size()), &r, flags);
}

SIZE TCanvas::TextExtent(const std::string& text) {
  SIZE s{};
  const std::wstring wide = WideText::FromUtf8(text);
  GetTextExtentPoint32W(dc_, wide.c_str(), static_cast<int>(wide.size()), &s);
  return s;
}

TEXTMETRICA TCanvas::TextMetrics() {
  TEXTMETRICA tm{};
  GetTextMetricsA(dc_, &tm);
  return tm;
}

void TCanvas::Draw(int x, int y, HBITMAP bitmap) {
  BITMAP info{};
  if (!bitmap || !GetObject(bitmap, sizeof info, &info)) return;
  MemoryDC source(dc_);
  SelectedObject selected(source.Get(), bitmap);
  BitBlt(dc_, x, y, info.bmWidth, info.bmHeight, source.Get(), 0, 0, SRCCOPY);
}

void TCanvas::StretchDraw(const RECT& destination, HBITMAP bitmap) {
  BITMAP info{};
  if (!bitmap || !GetObject(bitmap, sizeof info, &info)) return;
  MemoryDC source(dc_);
  SelectedObject selected(source.Get(), bitmap);
  SmoothStretch(destination, source.Get(), info.bmWidth, info.bmHeight);
}

void TCanvas::Draw(int x, int y, const TBitmap& bitmap) {
  if (bitmap.Empty()) return;
  BitBlt(dc_, x, y, bitmap.Width(), bitmap.Height(), bitmap.DC(), 0, 0, SRCCOPY);
}

void TCanvas::StretchDraw(const RECT& destination, const TBitmap& bitmap) {
  if (bitmap.Empty()) return;
  SmoothStretch(destination, bitmap.DC(), bitmap.Width(), bitmap.Height());
}

// Pictures drawn larger or smaller than stored are averaged (HALFTONE), not thinned out: a
// shrunk line of small text stays readable and an enlarged logo keeps smooth edges. HALFTONE
// needs the brush origin reset after it is chosen.
void TCanvas::SmoothStretch(const RECT& destination, HDC source, int width, int height) {
  const int w = destination.right - destination.left, h = destination.bottom - destination.top;
  if (w == width && h == height) {
    BitBlt(dc_, destination.left, destination.top, w, h, source, 0, 0, SRCCOPY);
    return;
  }
  const int oldMode = SetStretchBltMode(dc_, HALFTONE);
  POINT oldOrigin{};
  SetBrushOrgEx(dc_, 0, 0, &oldOrigin);
  StretchBlt(dc_, destination.left, destination.top, w, h, source, 0, 0, width, height, SRCCOPY);
  SetBrushOrgEx(dc_, oldOrigin.x, oldOrigin.y, nullptr);
  SetStretchBltMode(dc_, oldMode);
}

}  // namespace ui
