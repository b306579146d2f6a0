#pragma once
#include "orders/TOrderPage.h"

// The order wizard's fax page.
class Tfaxorders : public TOrderPage {
 public:
  explicit Tfaxorders(ui::TComponent* owner) : TOrderPage(owner, core::OrderPage::Fax) {}
  const char* ClassName() const override { return "Tfaxorders"; }
};
