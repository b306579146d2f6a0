#pragma once
#include <cstdint>

#include "core/GlyphLayout.h"

namespace core {

// The painting state of a flat button.
enum class TButtonState : unsigned char { StateUp, StateDisabled, StatePressed, StateExclusive };
enum class TTransparentMode { tmAlways, tmNotFocused, tmNone };

// What the button has to do after an event, in this order: tell its group, repaint (later or at
// once), take the focus, click, run its hover-off, then match hover to the cursor.
enum ButtonAction : unsigned {
  kNoAction = 0,
  kNotifyGroup = 1,
  kInvalidate = 2,
  kRepaintNow = 4,
  kClick = 8,
  kHoverOff = 16,
  kRefreshHover = 32,
  kTakeFocus = 64,
};

// The rules of a flat push button without any window: press, drag, release, groups, hover,
// the space key and disabling, as state changes and the actions they ask for.
class ButtonStateMachine {
 public:
  TButtonState State() const { return state_; }
  bool Down() const { return down_; }
  bool Pressing() const { return pressing_; }
  bool Hovered() const { return hovered_; }
  int GroupIndex() const { return groupIndex_; }
  bool AllowAllUp() const { return allowAllUp_; }

  unsigned SetGroupIndex(int value);
  unsigned SetAllowAllUp(bool value);
  unsigned SetDown(bool value);
  // A down member of groupIndex (not this button) announced itself.
  unsigned GroupNotice(int groupIndex, bool senderDown, bool senderAllowAllUp);

  // Only a left press on an enabled button counts.
  unsigned Press(bool left, bool enabled);
  unsigned Move(bool inside);
  // Any mouse button's release ends a press the left button began.
  unsigned Release(bool inside);
  // The mouse was taken away during a press: the press ends without a click.
  unsigned CaptureLost();
  // The release of a control that decides itself what a release does (a check box toggles on
  // its hover, wherever the release falls): only the press ends.
  void EndPress();

  unsigned HoverOn(bool enabled);
  // Refused while a press is in progress; kHoverOff in the result means it took effect and the
  // button leaves its hover tracker.
  unsigned HoverOff(bool enabled);
  // Sets the flag without the hover-on/off rules (focus arrival, the start of RefreshHover).
  void SetHovered(bool value) { hovered_ = value; }
  // The button also leaves its hover tracker.
  unsigned Disable();

  unsigned SpaceDown();
  unsigned SpaceUp();
  // The accelerator of the caption: a grouped windowed button goes down first.
  unsigned Accelerator(bool pressesDown);

  // A disabled button paints disabled; a re-enabled one leaves StateDisabled here.
  void NormaliseForPaint(bool enabled);

 private:
  TButtonState state_ = TButtonState::StateUp;
  bool down_ = false;
  bool pressing_ = false;
  bool hovered_ = false;
  int groupIndex_ = 0;
  bool allowAllUp_ = false;
};

// The colours of a flat button's looks.
struct ButtonColors {
  std::uint32_t color, focused, down, border, highlight, shadow;
};

// What one paint of a flat button draws, worked out from its state.
struct ButtonLook {
  enum class Background { Face, Parent, Nothing };
  Background background = Background::Face;
  std::uint32_t face = 0;
  std::uint32_t frameTop = 0, frameBottom = 0;
  int rings = 1;
  int offset = 0;           // caption and glyph move right and down while pressed or down
  bool disabled = false;    // engraved caption, and the disabled glyph image
  bool hot = false;         // hovered, pressed or down: the face shows a state colour
  LayoutRect glyphSource;   // the image of the strip for this state
  bool embossGlyph = false; // a one-image strip shows its embossed copy when disabled
};

// windowed: TFlatButton (parent's picture under it, default frame) rather than the speed button.
// offsetState is the state before NormaliseForPaint, which decides the offset.
ButtonLook ComputeButtonLook(const ButtonStateMachine& button, TButtonState offsetState, const ButtonColors& colors,
                             TTransparentMode mode, bool windowed, bool isDefault, int numGlyphs, int glyphWidth,
                             int glyphHeight);

// The image of a strip of numGlyphs images that a state shows.
LayoutRect GlyphSourceRect(int numGlyphs, TButtonState state, int glyphWidth, int glyphHeight);

// How many images a newly assigned glyph strip holds, or current when its shape does not say.
int NumGlyphsForStrip(int width, int height, int current);

}  // namespace core
