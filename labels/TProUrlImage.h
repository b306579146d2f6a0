#pragma once
#include <string>

#include "framework/Image.h"

// A picture that opens its URL when clicked; with an empty URL it opens nothing.
class TProUrlImage : public ui::TImage {
 public:
  explicit TProUrlImage(ui::TComponent* owner);
  const char* ClassName() const override { return "TProUrlImage"; }
  const ui::PropertyTable& Published() const override;

  const std::string& URL() const { return url_; }
  void SetURL(const std::string& value) { url_ = value; }

  void Click() override;
  void DescribeAccessible(ui::AccessibleInfo& info) const override;
  bool KeyboardFocusable() const override { return true; }
  void DoAccessibleAction() override;

 protected:
  void Paint() override;

 private:
  std::string url_;
};
