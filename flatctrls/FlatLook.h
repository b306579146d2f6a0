#pragma once
#include <windows.h>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "core/ButtonStateMachine.h"
#include "core/EnumNames.h"
#include "core/GlyphLayout.h"
#include "core/PropertyValue.h"
#include "framework/Color.h"
#include "paint/PaintHelpers.h"

namespace ui {
class TBitmap;
class TCanvas;
class TControl;
}  // namespace ui

// What every flat control shares: the colour scheme, the advanced colours, the published
// enumerations, the parent background under a transparent control and the placement of glyph and
// caption. The drawing the flat controls share with the labels is in paint/PaintHelpers.

constexpr ui::TColor kFlatBorderColor = 0x008396A0;
constexpr ui::TColor kFlatFaceColor = 0x00E1EAEB;
constexpr ui::TColor kFlatDownColor = 0x00C5D6D9;
constexpr ui::TColor kFlatFocusedColor = 0x00FFFFFF;
constexpr ui::TColor kFlatMarkColor = 0x00000000;

using core::TTransparentMode;
using core::TButtonLayout;
enum class TCheckBoxLayout { checkboxLeft, checkboxRight };
enum class TGroupBoxBorder { brFull, brOnlyTopLine };

// The advanced-colour shade of base; system colours are resolved before the arithmetic.
ui::TColor DeriveShade(ui::TColor base, ui::TColor current, int percent, bool darken);

// The state colours of a flat control and the advanced-colours option that may derive them from
// the control's base colour: the focused colour is lightened, the others darkened, each by its
// percentage. A control keeps one of these, ties it to itself and publishes the roles it has.
class AdvancedColors {
 public:
  enum Role { Focused, Down, Border, ArrowBackground };

  // What the option does to its control besides deriving, which differs by class: turning it on
  // or off, and (while on) a change of the parent's or the system's colours, may make the control
  // follow its parent's colour; base is the colour the shades come from (none: nothing derived).
  struct Ties {
    std::function<void(bool on)> useChanged;
    std::function<void()> colorsChanged;
    std::function<std::optional<ui::TColor>()> base;
  };

  AdvancedColors(ui::TColor focused, ui::TColor down, ui::TColor border, ui::TColor arrowBackground = kFlatDownColor);
  // Called once, by the control's constructor.
  void Tie(Ties ties) { ties_ = std::move(ties); }

  ui::TColor Color(Role role) const { return colors_[role]; }
  void SetColor(Role role, ui::TColor color) { colors_[role] = color; }
  int Percent(Role role) const { return percents_[role]; }
  // Kept within 0..100; derives again.
  void SetPercent(Role role, int percent);
  bool InUse() const { return inUse_; }
  // Turns the option on or off, then derives; false when it was so already.
  bool Use(bool value);
  // The parent's or the system's colours changed: while on, follow them and derive again. False
  // while the option is off.
  bool ColorsChanged();
  // While in use, overwrites the state colours with shades of base; a percentage of 0 keeps
  // the colour as it is.
  void Derive(ui::TColor base);

 private:
  void DeriveFromBase();

  std::array<ui::TColor, 4> colors_;
  std::array<int, 4> percents_{10, 10, 50, 10};
  bool inUse_ = false;
  Ties ties_;
};

// Paints what control's parent shows under the control into dc, whose origin is the control's
// top-left: the parent's background and its own painting, not its child windows.
void PaintParentBackground(const ui::TControl& control, HDC dc);

struct GlyphCaptionPlace {
  RECT textBounds;
  POINT glyphPos;
};
// Measures the caption on canvas (single line) and places it and a glyph cell of glyphCell's size
// (none when empty).
GlyphCaptionPlace LayoutGlyphAndCaption(ui::TCanvas& canvas, const RECT& client, POINT offset, TButtonLayout layout,
                                        int spacing, int margin, SIZE glyphCell, const std::string& caption);
