#include "core/OrderTexts.h"

#include <gtest/gtest.h>

namespace {

using core::OrderPage;
using core::OrderTexts;

TEST(OrderTextsTest, HeadingsUseTheShortName) {
  EXPECT_EQ(OrderTexts::Heading(OrderPage::CreditCard, 2), "Purchase AG Tuner! by Credit Card");
  EXPECT_EQ(OrderTexts::Heading(OrderPage::Fax, 2), "Purchase AG Tuner! by FAX");
  EXPECT_EQ(OrderTexts::Heading(OrderPage::Mail, 0), "Purchase Skylatch! by Postal Mail");
  EXPECT_EQ(OrderTexts::Heading(OrderPage::PurchaseOrder, 1), "Purchase Duskvane! by Purchase Order");
  EXPECT_EQ(OrderTexts::Heading(OrderPage::Phone, 5), "Purchase  by Phone");
}

TEST(OrderTextsTest, ProductNames) {
  EXPECT_EQ(OrderTexts::LongProductName(2), "Ambergate Tuner!");
  EXPECT_EQ(OrderTexts::ShortProductName(2), "AG Tuner!");
  EXPECT_EQ(OrderTexts::LongProductName(1), OrderTexts::ShortProductName(1));
  EXPECT_EQ(OrderTexts::ShortProductName(-1), "");
  EXPECT_EQ(OrderTexts::LongProductName(3), "");
}

TEST(OrderTextsTest, CreditCardInfoQuotesTheLongName) {
  const std::string info = OrderTexts::CreditCardInfo(OrderTexts::LongProductName(2));
  const std::string ending = "Ambergate Tuner! full version,also you can choose to get it on a cd shipped to you.";
  EXPECT_EQ(info.substr(info.size() - ending.size()), ending);
  EXPECT_EQ(info.rfind("To purchase by credit card click 'next' to go online and fill our form at Paylynx's "
                       "secure site,once your transaction is accepted Paylynx will charge your credit card and "
                       "you will receive a link to download Ambergate",
                       0),
            0u);
}

TEST(OrderTextsTest, MethodInfoKeepsItsQuirks) {
  EXPECT_EQ(OrderTexts::MethodInfo(0),
            "This is the quickest method to buy electronic media and can take just a few minutes online.All the "
            "process runs online on Paylynx's secure servers. Accepted credit cards are: Visa, MasterCard,American "
            "Express, Discover/Novus, Eurocard, Eurocheques.");
  EXPECT_EQ(OrderTexts::MethodInfo(2),
            "Customers may also send us orders by mail, payment can be done by credit card, money order, check or "
            "Eurocheque");
  EXPECT_EQ(OrderTexts::MethodInfo(4), "Paylynx will gladly accept purchase orders for approved customers.");
  EXPECT_EQ(OrderTexts::MethodInfo(5), std::nullopt);
  EXPECT_EQ(OrderTexts::MethodInfo(-1), std::nullopt);
}

}  // namespace
