#include "core/ButtonStateMachine.h"

namespace core {

unsigned ButtonStateMachine::SetGroupIndex(int value) {
  if (value == groupIndex_) return kNoAction;
  groupIndex_ = value;
  return kNotifyGroup;
}

unsigned ButtonStateMachine::SetAllowAllUp(bool value) {
  if (value == allowAllUp_) return kNoAction;
  allowAllUp_ = value;
  return kNotifyGroup;
}

// The down member of a group cannot release itself unless AllowAllUp.
unsigned ButtonStateMachine::SetDown(bool value) {
  if (groupIndex_ == 0) value = false;
  if (value == down_ || (down_ && !allowAllUp_)) return kNoAction;
  down_ = value;
  if (!value) {
    state_ = TButtonState::StateUp;
    return kRepaintNow;
  }
  unsigned actions = state_ == TButtonState::StateUp ? kInvalidate : kNoAction;
  state_ = TButtonState::StateExclusive;
  return actions | kNotifyGroup;
}

unsigned ButtonStateMachine::GroupNotice(int groupIndex, bool senderDown, bool senderAllowAllUp) {
  if (groupIndex != groupIndex_) return kNoAction;
  unsigned actions = kNoAction;
  if (senderDown && down_) {
    down_ = false;
    state_ = TButtonState::StateUp;
    actions = kInvalidate;
  }
  allowAllUp_ = senderAllowAllUp;
  return actions;
}

unsigned ButtonStateMachine::Press(bool left, bool enabled) {
  if (!left || !enabled) return kNoAction;
  unsigned actions = kTakeFocus;
  if (!down_) {
    state_ = TButtonState::StatePressed;
    actions |= kInvalidate;
  }
  pressing_ = true;
  return actions;
}

unsigned ButtonStateMachine::Move(bool inside) {
  if (!pressing_) return kNoAction;
  TButtonState next = down_ ? TButtonState::StateExclusive : inside ? TButtonState::StatePressed : TButtonState::StateUp;
  if (next == state_) return kNoAction;
  state_ = next;
  return kInvalidate;
}

unsigned ButtonStateMachine::Release(bool inside) {
  if (!pressing_) return kNoAction;
  pressing_ = false;
  unsigned actions = kNoAction;
  if (groupIndex_ == 0) {
    state_ = TButtonState::StateUp;
    hovered_ = false;
    if (inside) actions |= kInvalidate;
  } else if (inside) {
    actions |= SetDown(!down_);
    if (down_) actions |= kRepaintNow;
  } else {
    if (down_) state_ = TButtonState::StateExclusive;
    actions |= kRepaintNow;
  }
  actions |= inside ? kClick : kHoverOff;
  return actions | kRefreshHover;
}

unsigned ButtonStateMachine::CaptureLost() {
  if (!pressing_) return kNoAction;
  EndPress();
  return kInvalidate | kRefreshHover;
}

void ButtonStateMachine::EndPress() {
  pressing_ = false;
  if (state_ == TButtonState::StatePressed) state_ = TButtonState::StateUp;
}

unsigned ButtonStateMachine::HoverOn(bool enabled) {
  if (!enabled || hovered_) return kNoAction;
  hovered_ = true;
  return kInvalidate;
}

unsigned ButtonStateMachine::HoverOff(bool enabled) {
  if (!enabled || !hovered_ || pressing_) return kNoAction;
  hovered_ = false;
  return kHoverOff | kInvalidate;
}

unsigned ButtonStateMachine::Disable() {
  hovered_ = false;
  state_ = TButtonState::StateDisabled;
  return kRefreshHover | kInvalidate;
}

unsigned ButtonStateMachine::SpaceDown() {
  unsigned actions = kInvalidate;
  if (groupIndex_ == 0) state_ = TButtonState::StatePressed;
  else actions |= SetDown(true);
  return actions;
}

unsigned ButtonStateMachine::SpaceUp() {
  unsigned actions = kClick | kInvalidate;
  if (groupIndex_ == 0) state_ = TButtonState::StateUp;
  else actions |= SetDown(false);
  return actions;
}

unsigned ButtonStateMachine::Accelerator(bool pressesDown) {
  unsigned actions = kClick;
  if (pressesDown && groupIndex_ != 0) actions |= SetDown(true);
  return actions;
}

void ButtonStateMachine::NormaliseForPaint(bool enabled) {
  if (!enabled) {
    state_ = TButtonState::StateDisabled;
    pressing_ = false;
  } else if (state_ == TButtonState::StateDisabled) {
    state_ = down_ && groupIndex_ != 0 ? TButtonState::StateExclusive : TButtonState::StateUp;
  }
}

ButtonLook ComputeButtonLook(const ButtonStateMachine& button, TButtonState offsetState, const ButtonColors& colors,
                             TTransparentMode mode, bool windowed, bool isDefault, int numGlyphs, int glyphWidth,
                             int glyphHeight) {
  const TButtonState state = button.State();
  const bool hovered = button.Hovered();
  ButtonLook look;
  look.offset = offsetState == TButtonState::StatePressed || offsetState == TButtonState::StateExclusive ? 1 : 0;

  switch (state) {
    case TButtonState::StateUp: look.face = hovered ? colors.focused : colors.color; break;
    case TButtonState::StateDisabled: look.face = colors.color; break;
    case TButtonState::StatePressed: look.face = colors.down; break;
    case TButtonState::StateExclusive: look.face = hovered ? colors.focused : colors.down; break;
  }
  const auto behind = windowed ? ButtonLook::Background::Parent : ButtonLook::Background::Nothing;
  switch (mode) {
    case TTransparentMode::tmAlways: look.background = behind; break;
    case TTransparentMode::tmNotFocused: look.background = hovered ? ButtonLook::Background::Face : behind; break;
    case TTransparentMode::tmNone: look.background = ButtonLook::Background::Face; break;
  }

  look.frameTop = look.frameBottom = colors.border;
  if (state == TButtonState::StateUp && hovered) {
    look.frameTop = colors.highlight;
    look.frameBottom = colors.shadow;
  } else if (state == TButtonState::StatePressed || state == TButtonState::StateExclusive) {
    look.frameTop = colors.shadow;
    look.frameBottom = colors.highlight;
  } else if (state == TButtonState::StateUp && windowed && isDefault) {
    look.rings = 2;
  }

  look.disabled = state == TButtonState::StateDisabled;
  look.hot = state == TButtonState::StatePressed || state == TButtonState::StateExclusive ||
             (state == TButtonState::StateUp && hovered);
  look.glyphSource = GlyphSourceRect(numGlyphs, state, glyphWidth, glyphHeight);
  look.embossGlyph = look.disabled && numGlyphs == 1;
  return look;
}

LayoutRect GlyphSourceRect(int numGlyphs, TButtonState state, int glyphWidth, int glyphHeight) {
  if (numGlyphs < 1 || numGlyphs > 4) numGlyphs = 1;
  const int w = glyphWidth / numGlyphs;
  // The image each state shows, per strip length; the last image takes what is left of the width.
  static constexpr int kImage[4][4] = {{0, 0, 0, 0}, {0, 1, 0, 0}, {0, 1, 2, 2}, {0, 1, 2, 3}};
  const int image = kImage[numGlyphs - 1][static_cast<int>(state)];
  const int left = image * w;
  const int right = image == numGlyphs - 1 ? glyphWidth : left + w;
  return LayoutRect{left, 0, right, glyphHeight};
}

int NumGlyphsForStrip(int width, int height, int current) {
  if (width <= 0 || height <= 0 || width % height != 0) return current;
  int count = width / height;
  return count > 4 ? 1 : count;
}

}  // namespace core
