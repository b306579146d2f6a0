#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "framework/Color.h"
#include "framework/Font.h"
#include "framework/Gdi.h"

namespace ui {

class TBitmap;

enum class BrushStyle { Solid, Clear };

// Drawing over a device context that someone else owns (a paint session, a bitmap). Pen, brush
// and font are selected into the context only while the canvas is bound to it; Release puts the
// context's own objects back and frees what the canvas made.
class TCanvas {
 public:
  TCanvas();
  ~TCanvas();
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  void Bind(HDC dc);
  void Release();
  HDC Handle() const { return dc_; }

  TColor PenColor() const { return penColor_; }
  void SetPenColor(TColor c);
  void SetPenWidth(int w);
  TColor BrushColor() const { return brushColor_; }
  void SetBrushColor(TColor c);
  void SetBrushStyle(BrushStyle s);
  TFont& Font() { return font_; }

  void FillRect(const RECT& r);
  void FrameRect(const RECT& r);
  void Rectangle(const RECT& r);
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void Polyline(const std::vector<POINT>& points);
  void Polygon(const std::vector<POINT>& points);
  void TextOut(int x, int y, const std::string& text);
  int DrawText(const std::string& text, RECT& r, UINT flags);
  SIZE TextExtent(const std::string& text);
  int TextWidth(const std::string& text) { return TextExtent(text).cx; }
  int TextHeight(const std::string& text) { return TextExtent(text).cy; }
  TEXTMETRICA TextMetrics();
  // A bitmap that no device context holds.
  void Draw(int x, int y, HBITMAP bitmap);
  void StretchDraw(const RECT& destination, HBITMAP bitmap);
  // A bitmap with its own context.
  void Draw(int x, int y, const TBitmap& bitmap);
  void StretchDraw(const RECT& destination, const TBitmap& bitmap);
  COLORREF Pixel(int x, int y) const { return GetPixel(dc_, x, y); }

 private:
  void SmoothStretch(const RECT& destination, HDC source, int width, int height);
  void ApplyPen();
  void ApplyBrush();
  void ApplyFont();
  void ApplyAll();

  HDC dc_ = nullptr;
  TColor penColor_ = clBlack;
  int penWidth_ = 1;
  TColor brushColor_ = clWhite;
  BrushStyle brushStyle_ = BrushStyle::Solid;
  TFont font_;
  Pen pen_;
  Brush brush_;
  HGDIOBJ oldPen_ = nullptr, oldBrush_ = nullptr, oldFont_ = nullptr;
};

}  // namespace ui
