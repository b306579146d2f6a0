#include "core/OrderAddresses.h"

#include <gtest/gtest.h>

#include <set>

#include "core/OrderTexts.h"

namespace {

using core::OrderAddresses;
using core::OrderPage;
using core::OrderTexts;

const std::string kCounter = "https://www.skylatch.example/cgi-bin/clickcount.cgi?url=";

TEST(OrderAddressesTest, DuskvaneByPhone) {
  EXPECT_EQ(OrderTexts::Heading(OrderPage::Phone, 1), "Purchase Duskvane! by Phone");
  EXPECT_EQ(OrderAddresses::OrderAddress(OrderPage::Phone, 1),
            kCounter + "https://order.paylynx.example/paylynx/vieworderpage.php3?productid=10422&ordertypeid=6");
}

TEST(OrderAddressesTest, CreditCardIsThePurchaseFormOverHttps) {
  EXPECT_EQ(OrderAddresses::OrderAddress(OrderPage::CreditCard, 0),
            kCounter + "https://order.paylynx.example/purchase.php3?productid=10421");
  EXPECT_EQ(OrderAddresses::OrderAddress(OrderPage::CreditCard, 2),
            kCounter + "https://order.paylynx.example/purchase.php3?productid=10423");
}

TEST(OrderAddressesTest, OrderTypesOfTheOtherPages) {
  const std::string page = "https://order.paylynx.example/paylynx/vieworderpage.php3?productid=";
  EXPECT_EQ(OrderAddresses::OrderAddress(OrderPage::Fax, 2), kCounter + page + "10423&ordertypeid=3");
  EXPECT_EQ(OrderAddresses::OrderAddress(OrderPage::Mail, 0), kCounter + page + "10421&ordertypeid=4");
  EXPECT_EQ(OrderAddresses::OrderAddress(OrderPage::PurchaseOrder, 1), kCounter + page + "10422&ordertypeid=5");
}

TEST(OrderAddressesTest, FifteenDistinctAddressesOfOneShape) {
  std::set<std::string> seen;
  for (int p = 0; p < 5; ++p) {
    for (int product = 0; product < 3; ++product) {
      const std::string address = OrderAddresses::OrderAddress(static_cast<OrderPage>(p), product);
      EXPECT_EQ(address.rfind(kCounter, 0), 0u) << address;
      EXPECT_EQ(address.find('%'), std::string::npos) << address;  // wrapped unencoded
      EXPECT_EQ(address.find(' '), std::string::npos) << address;
      seen.insert(address);
    }
  }
  EXPECT_EQ(seen.size(), 15u);
}

TEST(OrderAddressesTest, NoAddressForUnknownProducts) {
  EXPECT_EQ(OrderAddresses::OrderAddress(OrderPage::Fax, -1), "");
  EXPECT_EQ(OrderAddresses::OrderAddress(OrderPage::CreditCard, 3), "");
}

TEST(OrderAddressesTest, SecurePurchaseInfoIsStoredEncoded) {
  EXPECT_EQ(OrderAddresses::SecurePurchaseInfo(),
            "http://www.paylynx-info.example/secure%20purchasing%20environment%20&%20safe%20shopping.shtml");
}

}  // namespace
