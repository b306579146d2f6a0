#pragma once
#include <windows.h>

#include <array>
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

// A stored TAdvColors percentage, kept within 0..100.
int AdvColorValue(const core::PropertyValue& value);

// The state colours of a flat control and the advanced-colours option that may derive them from
// the control's base colour: the focused colour is lightened, the others darkened, each by its
// percentage. A control keeps one of these and publishes the roles it has.
class AdvancedColors {
 public:
  enum Role { Focused, Down, Border, ArrowBackground };

  AdvancedColors(ui::TColor focused, ui::TColor down, ui::TColor border, ui::TColor arrowBackground = kFlatDownColor);

  ui::TColor Color(Role role) const { return colors_[role]; }
  void SetColor(Role role, ui::TColor color) { colors_[role] = color; }
  int Percent(Role role) const { return percents_[role]; }
  // Kept within 0..100.
  void SetPercent(Role role, int percent);
  bool InUse() const { return inUse_; }
  // False when the value is what it was already.
  bool SetInUse(bool value);
  // While in use, overwrites the state colours with shades of base; a percentage of 0 keeps
  // the colour as it is.
  void Derive(ui::TColor base);

 private:
  std::array<ui::TColor, 4> colors_;
  std::array<int, 4> percents_{10, 10, 50, 10};
  bool inUse_ = false;
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
