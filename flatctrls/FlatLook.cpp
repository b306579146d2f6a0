#include "flatctrls/FlatLook.h"

#include <algorithm>

#include "core/ColorShade.h"
#include "framework/Bitmap.h"
#include "framework/Canvas.h"
#include "framework/Component.h"
#include "framework/Gdi.h"
#include "framework/WinControl.h"

ui::TColor DeriveShade(ui::TColor base, ui::TColor current, int percent, bool darken) {
  COLORREF rgb = ui::ColorToRGB(base);
  return core::ColorShade::DeriveShade(rgb, current, percent, darken);
}


AdvancedColors::AdvancedColors(ui::TColor focused, ui::TColor down, ui::TColor border, ui::TColor arrowBackground)
    : colors_{focused, down, border, arrowBackground} {}

void AdvancedColors::SetPercent(Role role, int percent) {
  percents_[role] = std::clamp(percent, 0, 100);
  DeriveFromBase();
}

bool AdvancedColors::Use(bool value) {
  if (value == inUse_) return false;
  inUse_ = value;
  if (ties_.useChanged) ties_.useChanged(value);
  DeriveFromBase();
  return true;
}

bool AdvancedColors::ColorsChanged() {
  if (!inUse_) return false;
  if (ties_.colorsChanged) ties_.colorsChanged();
  DeriveFromBase();
  return true;
}

void AdvancedColors::DeriveFromBase() {
  if (!inUse_ || !ties_.base) return;
  if (std::optional<ui::TColor> base = ties_.base()) Derive(*base);
}

void AdvancedColors::Derive(ui::TColor base) {
  if (!inUse_) return;
  for (Role role : {Focused, Down, Border, ArrowBackground})
    colors_[role] = DeriveShade(base, colors_[role], percents_[role], role != Focused);
}

void PaintParentBackground(const ui::TControl& control, HDC dc) {
  ui::TWinControl* parent = control.Parent();
  if (!parent) return;
  ui::SavedDCState saved(dc);
  POINT origin{};
  GetViewportOrgEx(dc, &origin);
  SetViewportOrgEx(dc, origin.x - control.Left(), origin.y - control.Top(), nullptr);
  RECT client = parent->ClientRect();
  IntersectClipRect(dc, 0, 0, client.right - client.left, client.bottom - client.top);
  parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  parent->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
}

GlyphCaptionPlace LayoutGlyphAndCaption(ui::TCanvas& canvas, const RECT& client, POINT offset, TButtonLayout layout,
                                        int spacing, int margin, SIZE glyphCell, const std::string& caption) {
  core::LayoutSize glyphSize;
  if (glyphCell.cx > 0 && glyphCell.cy > 0) glyphSize = {glyphCell.cx, glyphCell.cy};
  core::LayoutSize textSize;
  if (!caption.empty()) {
    RECT measured{0, 0, client.right - client.left, 0};
    canvas.DrawText(caption, measured, DT_CALCRECT | DT_SINGLELINE);
    textSize = {measured.right - measured.left, measured.bottom - measured.top};
  }
  core::GlyphAndCaption placed =
      core::LayoutGlyphAndCaption(core::LayoutRect{client.left, client.top, client.right, client.bottom},
                                  core::LayoutPoint{offset.x, offset.y}, layout, spacing, margin, glyphSize, textSize);
  return GlyphCaptionPlace{RECT{placed.textBounds.left, placed.textBounds.top, placed.textBounds.right,
                                placed.textBounds.bottom},
                           POINT{placed.glyphPos.x, placed.glyphPos.y}};
}
