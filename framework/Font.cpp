#include "framework/Font.h"

#include <cstring>

#include "core/BitmapFaceSize.h"

namespace ui {

namespace {

// A scalable face drawn to the metrics of "MS Sans Serif", for the sizes its bitmaps lack.
constexpr const char* kScalableFace = "Microsoft Sans Serif";

// Whether the font is a bitmap face whose nearest size falls short of the height asked for.
bool FallsShort(HFONT font, int height) {
  WindowDC screen(nullptr);
  SelectedObject selected(screen.Get(), font);
  TEXTMETRICA tm{};
  if (!GetTextMetricsA(screen.Get(), &tm)) return false;
  const bool bitmap = (tm.tmPitchAndFamily & (TMPF_VECTOR | TMPF_TRUETYPE)) == 0;
  return bitmap && !core::BitmapSizeServes(height, tm.tmHeight, tm.tmInternalLeading);
}

int SampleWidth(LOGFONTA lf, int height) {
  lf.lfHeight = height;
  FontHandle font(CreateFontIndirectA(&lf));
  WindowDC screen(nullptr);
  SelectedObject selected(screen.Get(), font.Get());
  SIZE size{};
  GetTextExtentPoint32A(screen.Get(), core::kWidthSample.data(), static_cast<int>(core::kWidthSample.size()), &size);
  return size.cx;
}

}  // namespace

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
  Handle();
  return LogFontFor(face_);
}

LOGFONTA TFont::LogFontFor(const std::string& face) const {
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
  std::strncpy(lf.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  return lf;
}

// Text scaled past the sizes of a bitmap face is drawn in a scalable one, so that it grows with
// the layout around it; where the bitmap serves, it stays, pixel for pixel.
HFONT TFont::Handle() const {
  if (!handle_) {
    face_ = name_;
    LOGFONTA lf = LogFontFor(face_);
    handle_.Reset(CreateFontIndirectA(&lf));
    if (height_ < 0 && FallsShort(handle_.Get(), height_)) {
      face_ = kScalableFace;
      lf = LogFontFor(face_);
      lf.lfHeight = core::StandInHeight(height_, [&lf](int height) { return SampleWidth(lf, height); });
      handle_.Reset(CreateFontIndirectA(&lf));
    }
  }
  return handle_.Get();
}

void TFont::Changed() {
  handle_.Reset();
  if (OnChange) OnChange();
}

}  // namespace ui
