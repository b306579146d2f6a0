#pragma once
#include "orders/TOrderPage.h"

// The order wizard's credit card page.
class TCCOrders : public TOrderPage {
 public:
  explicit TCCOrders(ui::TComponent* owner) : TOrderPage(owner, core::OrderPage::CreditCard) {}
  const char* ClassName() const override { return "TCCOrders"; }
  void FormShow(ui::TObject* sender) override;
};
