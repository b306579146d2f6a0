#pragma once
#include "orders/TOrderPage.h"

// The order wizard's purchase order page.
class TPOOrders : public TOrderPage {
 public:
  explicit TPOOrders(ui::TComponent* owner) : TOrderPage(owner, core::OrderPage::PurchaseOrder) {}
  const char* ClassName() const override { return "TPOOrders"; }
};
