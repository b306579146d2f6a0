#pragma once
#include <string>

#include "labels/TProLabel.h"

// A text link: its font colour tells whether it has been used, is being pressed or is under
// the mouse, and a click opens its URL, or its caption when the URL is empty.
class TProUrlLabel : public TProLabel {
 public:
  explicit TProUrlLabel(ui::TComponent* owner);
  const char* ClassName() const override { return "TProUrlLabel"; }
  const ui::PropertyTable& Published() const override;

  const std::string& URL() const { return url_; }
  void SetURL(const std::string& value) { url_ = value; }
  ui::TColor UnvisitedColor() const { return unvisitedColor_; }
  void SetUnvisitedColor(ui::TColor value);
  ui::TColor ActivatedColor() const { return activatedColor_; }
  void SetActivatedColor(ui::TColor value) { activatedColor_ = value; }
  ui::TColor VisitedColor() const { return visitedColor_; }
  void SetVisitedColor(ui::TColor value);
  ui::TColor HoveredColor() const { return hoveredColor_; }
  void SetHoveredColor(ui::TColor value) { hoveredColor_ = value; }
  bool CanHover() const { return canHover_; }
  void SetCanHover(bool value);
  bool Visited() const { return visited_; }
  bool Pressed() const { return pressed_; }

  void DescribeAccessible(ui::AccessibleInfo& info) const override;
  // Opens the link as a click does (Enter on the focused link, a screen reader's action).
  void DoAccessibleAction() override;
  bool KeyboardFocusable() const override { return true; }

 protected:
  void DoMouseEnter() override;
  void DoMouseLeave() override;
  void MouseDown(ui::TMouseButton button, ui::TShiftState shift, int x, int y) override;
  void MouseUp(ui::TMouseButton button, ui::TShiftState shift, int x, int y) override;
  void CMFontChanged(ui::TMessage& m) override;
  void Paint() override;
  core::LookPart TextPart() const override { return core::LookPart::Link; }

 private:
  ui::TColor StateColor() const { return visited_ ? visitedColor_ : unvisitedColor_; }
  void SetUnderline(bool on);

  std::string url_;
  ui::TColor unvisitedColor_ = ui::clBlue;
  ui::TColor activatedColor_ = ui::clRed;
  ui::TColor visitedColor_ = ui::clNavy;
  ui::TColor hoveredColor_ = ui::clWhite;
  bool canHover_ = false;
  bool visited_ = false;
  bool pressed_ = false;
};
