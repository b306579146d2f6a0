#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "framework/Color.h"

namespace ui {
class TBitmap;
}  // namespace ui

// Drawing shared by the flat controls and the labels: engraved captions, disabled glyphs,
// transparent copies and frames.

// A disabled caption: a copy in button highlight moved by (1, 1), then one in button shadow in
// place, both with the same text flags and a transparent background; one copy in grey text while
// high contrast is on.
void DrawEngravedText(HDC dc, const std::string& text, RECT r, UINT flags);
// The same two passes for text drawn some other way (rotated text): pass draws in r with colour.
void DrawEngravedPasses(RECT r, const std::function<void(const RECT& r, ui::TColor color)>& pass);

// The disabled image of a glyph: filled with back, the glyph's shape (every pixel not of the mask
// colour) in highlight at (1, 1) when withHighlight, and over it in shadow at (0, 0).
std::unique_ptr<ui::TBitmap> MakeDisabledGlyph(const ui::TBitmap& source, ui::TColor mask, ui::TColor back,
                                               ui::TColor highlight, ui::TColor shadow, bool withHighlight);

// Copies image to (x, y) of dest, leaving the pixels of the transparent colour out.
void DrawTransparent(HDC dest, int x, int y, const ui::TBitmap& image, ui::TColor transparent);

// A ring of width pixels on the inside of the edge of r.
void FrameWithColor(HDC dc, const RECT& r, ui::TColor color, int width = 1);
// One 3-D ring on the edge of r: its top row (without the rightmost pixel) and left column
// (without the bottom pixel) in top, then its right column and bottom row in bottom. r is moved
// one pixel in, ready for a second ring.
void Frame3D(HDC dc, RECT& r, ui::TColor top, ui::TColor bottom);
