#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "framework/Color.h"
#include "framework/Gdi.h"

namespace ui {

enum FontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

// A logical font description with a lazily made GDI handle. Changing any value drops the handle
// and calls OnChange.
class TFont {
 public:
  TFont();
  TFont(const TFont&) = delete;
  TFont& operator=(const TFont&) = delete;

  void Assign(const TFont& other);

  const std::string& Name() const { return name_; }
  void SetName(const std::string& name);
  int Height() const { return height_; }
  void SetHeight(int height);
  int Size() const;  // points, from the height and the screen's resolution
  void SetSize(int points);
  unsigned Style() const { return style_; }
  void SetStyle(unsigned style);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  int Charset() const { return charset_; }
  void SetCharset(int charset);

  HFONT Handle() const;
  // The description the handle was made from: Name(), or a scalable face where Name() is a
  // bitmap face without the size asked for.
  LOGFONTA LogFont() const;

  std::function<void()> OnChange;

  static int ScreenPixelsPerInch();

 private:
  void Changed();
  LOGFONTA LogFontFor(const std::string& face) const;

  std::string name_ = "MS Sans Serif";
  int height_ = -11;
  unsigned style_ = 0;
  TColor color_ = clWindowText;
  int charset_ = DEFAULT_CHARSET;
  mutable FontHandle handle_;
  mutable std::string face_;  // the face handle_ was made with
};

}  // namespace ui
