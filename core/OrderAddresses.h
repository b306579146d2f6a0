#pragma once
#include <string>

#include "core/OrderPage.h"

namespace core {

// The fixed addresses handed to the browser by the order pages.
class OrderAddresses {
 public:
  // The click-counter address wrapping the reseller's order address of a product (chooser position
  // 0..2) on a page; "" for any other position.
  static std::string OrderAddress(OrderPage page, int productPosition);

  // The reseller's secure-purchase information page, already percent-encoded.
  static std::string SecurePurchaseInfo();

 private:
  static std::string ResellerAddress(OrderPage page, const char* productId);
};

}  // namespace core
