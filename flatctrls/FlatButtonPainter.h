#pragma once
#include <windows.h>

#include <string>

#include "core/ButtonStateMachine.h"
#include "flatctrls/FlatLook.h"

namespace ui {
class TBitmap;
class TCanvas;
class TControl;
}  // namespace ui

// What a flat button shows, besides its look: its glyph strip and caption and where they go.
struct ButtonContent {
  const ui::TBitmap* glyph = nullptr;
  int numGlyphs = 1;
  TButtonLayout layout = TButtonLayout::blGlyphTop;
  int spacing = 4;
  int margin = -1;
  std::string caption;
  ui::TColor fontColor = 0;
  UINT textFlags = 0;  // added to the caption's DrawText flags
};

// The colour of a button's caption, glyph and focus mark: the font's, or under high contrast the
// system's text colour for the button's face and state.
ui::TColor ButtonInk(const core::ButtonLook& look, ui::TColor fontColor);

// Draws a flat button's look onto canvas (its font already the button's), whose origin is the
// button's top-left: background, frame, glyph and caption. Returns where caption and glyph went.
GlyphCaptionPlace PaintFlatButton(ui::TCanvas& canvas, const RECT& client, const core::ButtonLook& look,
                                  const ui::TControl& button, const ButtonContent& content);
