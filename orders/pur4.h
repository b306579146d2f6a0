#pragma once
#include "orders/TOrderPage.h"

// The order wizard's postal mail page.
class Tmailorders : public TOrderPage {
 public:
  explicit Tmailorders(ui::TComponent* owner) : TOrderPage(owner, core::OrderPage::Mail) {}
  const char* ClassName() const override { return "Tmailorders"; }
};
