#pragma once

namespace core {

// The five method pages of the order wizard, in the order of the chooser's method list.
enum class OrderPage { CreditCard = 0, Fax = 1, Mail = 2, Phone = 3, PurchaseOrder = 4 };

}  // namespace core
