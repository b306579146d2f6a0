#pragma once
#include <cstdint>

#include "core/HighContrast.h"
#include "framework/Label.h"

enum class TDirection { drNone, drUp, drDown, drLeft, drRight, drUpLeft, drUpRight, drDownLeft, drDownRight };
enum class TShadowStyle {
  ssNone, ssCustom, ssRaised, ssRaisedColor, ssRaisedShadow, ssRaisedThickShadow,
  ssRecessed, ssRecessedColor, ssRecessedShadow, ssShadow, ssThickShadow
};
enum class TVerticalAlignment { vaTop, vaCenter, vaBottom };

// A label that can turn its caption by any whole angle, shift it, place it vertically and draw
// shadow and highlight copies of it in other colours.
class TProCustomLabel : public ui::TLabel {
 public:
  explicit TProCustomLabel(ui::TComponent* owner);
  const char* ClassName() const override { return "TProCustomLabel"; }

  int Angle() const { return angle_; }
  // Any whole angle; stored as 0..359.
  void SetAngle(int value);
  int OffsetX() const { return offsetX_; }
  void SetOffsetX(int value);
  int OffsetY() const { return offsetY_; }
  void SetOffsetY(int value);

  TDirection HighlightDirection() const { return highlightDirection_; }
  void SetHighlightDirection(TDirection value);
  int HighlightDepth() const { return highlightDepth_; }
  void SetHighlightDepth(int value);
  ui::TColor HighlightColor() const { return highlightColor_; }
  void SetHighlightColor(ui::TColor value);
  TShadowStyle ShadowStyle() const { return shadowStyle_; }
  // Applies the style's preset of effect values.
  void SetShadowStyle(TShadowStyle value);
  TDirection ShadowDirection() const { return shadowDirection_; }
  void SetShadowDirection(TDirection value);
  int ShadowDepth() const { return shadowDepth_; }
  void SetShadowDepth(int value);
  int ShadowSize() const { return shadowSize_; }
  void SetShadowSize(int value);
  ui::TColor ShadowColor() const { return shadowColor_; }
  void SetShadowColor(ui::TColor value);
  TVerticalAlignment VerticalAlignment() const { return verticalAlignment_; }
  void SetVerticalAlignment(TVerticalAlignment value);

  double AngleCos() const { return angleCos_; }
  double AngleSin() const { return angleSin_; }


  ui::TNotifyEvent OnMouseEnter;
  ui::TNotifyEvent OnMouseLeave;


 protected:
  virtual void DoMouseEnter();
  virtual void DoMouseLeave();
  void CMMouseEnter(ui::TMessage& m) override;
  void CMMouseLeave(ui::TMessage& m) override;
  void Paint() override;
  // What the text is, for its colour under high contrast.
  virtual core::LookPart TextPart() const { return core::LookPart::Text; }

 private:
  // Stores an effect value; any single change outside a preset makes the style custom.
  template <typename T>
  void SetEffect(T& field, T value);
  void PlaceRotated(HDC dc, const std::string& text, RECT& r) const;
  void PlaceUnrotated(HDC dc, const std::string& text, UINT format, RECT& r) const;
  void DrawPass(HDC dc, const std::string& text, RECT r, UINT format, ui::TColor color) const;

  int angle_ = 0;
  int offsetX_ = 0;
  int offsetY_ = 0;
  TDirection highlightDirection_ = TDirection::drNone;
  int highlightDepth_ = 0;
  ui::TColor highlightColor_;
  TShadowStyle shadowStyle_ = TShadowStyle::ssNone;
  TDirection shadowDirection_ = TDirection::drNone;
  int shadowDepth_ = 0;
  int shadowSize_ = 0;
  ui::TColor shadowColor_;
  TVerticalAlignment verticalAlignment_ = TVerticalAlignment::vaTop;
  double angleCos_ = 0;
  double angleSin_ = 0;
  bool applyingStyle_ = false;
};
