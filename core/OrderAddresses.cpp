#include "core/OrderAddresses.h"

#include <array>
#include <string_view>

namespace core {

namespace {

// Over HTTPS, like the credit-card form it leads to: a card purchase form reached over plain HTTP
// could be read or swapped on the way.
constexpr std::string_view kClickCounter = "https://www.skylatch.example/cgi-bin/clickcount.cgi";
constexpr std::string_view kOrderHost = "order.paylynx.example";
constexpr std::string_view kInfoHost = "www.paylynx-info.example";
constexpr std::array<const char*, 3> kProductIds = {"10421", "10422", "10423"};

// The reseller's order form type of each page other than the credit-card one.
const char* OrderTypeId(OrderPage page) {
  switch (page) {
    case OrderPage::Fax: return "3";
    case OrderPage::Mail: return "4";
    case OrderPage::Phone: return "6";
    case OrderPage::PurchaseOrder: return "5";
    case OrderPage::CreditCard: break;
  }
  return "";
}

}  // namespace

std::string OrderAddresses::OrderAddress(OrderPage page, int productPosition) {
  if (productPosition < 0 || productPosition >= static_cast<int>(kProductIds.size())) return {};
  // The reseller address goes into the counter's query unencoded, its "&ordertypeid=" included.
  return std::string(kClickCounter) + "?url=" +
         ResellerAddress(page, kProductIds[static_cast<std::size_t>(productPosition)]);
}

std::string OrderAddresses::ResellerAddress(OrderPage page, const char* productId) {
  if (page == OrderPage::CreditCard)
    return "https://" + std::string(kOrderHost) + "/purchase.php3?productid=" + productId;
  return "https://" + std::string(kOrderHost) + "/paylynx/vieworderpage.php3?productid=" + productId +
         "&ordertypeid=" + OrderTypeId(page);
}

std::string OrderAddresses::SecurePurchaseInfo() {
  return "http://" + std::string(kInfoHost) +
         "/secure%20purchasing%20environment%20&%20safe%20shopping.shtml";
}

}  // namespace core
