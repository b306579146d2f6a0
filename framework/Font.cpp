#include "framework/Font.h"

#include <cstring>

namespace ui {

TFont::TFont() = default;

void TFont::Assign(const TFont& other) {
  if (&other == this) return;
  name_ = other.name_;
  height_ = other.height_;
  style_ = other.style_;
  color_ = other.color_;
  charset_ = other.charset_;
  Changed();
}

void TFont::SetName(const std::string& name) {
  name_ = name;
  Changed();
}

void TFont::SetHeight(int height) {
  height_ = height;
  Changed();
}

int TFont::ScreenPixelsPerInch() {
  static const int ppi = [] {
    WindowDC screen(nullptr);
    return GetDeviceCaps(screen.Get(), LOGPIXELSY);
  }();
  return ppi;
}

int TFont::Size() const { return -MulDiv(height_, 72, ScreenPixelsPerInch()); }

void TFont::SetSize(int points) { SetHeight(-MulDiv(points, ScreenPixelsPerInch(), 72)); }

void TFont::SetStyle(unsigned style) {
  style_ = style;
  Changed();
}

void TFont::SetColor(TColor color) {
  color_ = color;
  Changed();
}

void TFont::SetCharset(int charset) {
  charset_ = charset;
  Changed();
}

LOGFONTA TFont::LogFont() const {
  LOGFONTA lf{};
  lf.lfHeight = height_;
  lf.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = (style_ & fsItalic) ? 1 : 0;
  lf.lfUnderline = (style_ & fsUnderline) ? 1 : 0;
  lf.lfStrikeOut = (style_ & fsStrikeOut) ? 1 : 0;
  lf.lfCharSet = static_cast<BYTE>(charset_);
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH;
  std::strncpy(lf.lfFaceName, name_.c_str(), LF_FACESIZE - 1);
  return lf;
}

HFONT TFont::Handle() const {
  if (!handle_) {
    LOGFONTA lf = LogFont();
    handle_.Reset(CreateFontIndirectA(&lf));
  }
  return handle_.Get();
}

void TFont::Changed() {
  handle_.Reset();
  if (OnChange) OnChange();
}

}  // namespace ui
