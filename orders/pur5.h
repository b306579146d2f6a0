#pragma once
#include "orders/TOrderPage.h"

// The order wizard's phone page.
class TPhoneorders : public TOrderPage {
 public:
  explicit TPhoneorders(ui::TComponent* owner) : TOrderPage(owner, core::OrderPage::Phone) {}
  const char* ClassName() const override { return "TPhoneorders"; }
};
