#include "core/OrderTexts.h"

#include <array>

namespace core {

namespace {

constexpr std::array<std::string_view, 3> kLongNames = {"Skylatch!", "Duskvane!", "Ambergate Tuner!"};
constexpr std::array<std::string_view, 3> kShortNames = {"Skylatch!", "Duskvane!", "AG Tuner!"};

// Kept as shown to users, missing blanks and full stop included.
constexpr std::array<std::string_view, 5> kMethodInfo = {
    "This is the quickest method to buy electronic media and can take just a few minutes online.All "
    "the process runs online on Paylynx's secure servers. Accepted credit cards are: Visa, "
    "MasterCard,American Express, Discover/Novus, Eurocard, Eurocheques.",
    "Customers can send us also orders by fax to Paylynx's Toll Free number.",
    "Customers may also send us orders by mail, payment can be done by credit card, money order, "
    "check or Eurocheque",
    "Customers placing orders may call our toll-free order line and speak with one of our "
    "knowledgeable representatives.",
    "Paylynx will gladly accept purchase orders for approved customers.",
};

std::string Pick(const std::array<std::string_view, 3>& names, int position) {
  if (position < 0 || position >= static_cast<int>(names.size())) return {};
  return std::string(names[static_cast<std::size_t>(position)]);
}

}  // namespace

std::string OrderTexts::LongProductName(int productPosition) { return Pick(kLongNames, productPosition); }

std::string OrderTexts::ShortProductName(int productPosition) { return Pick(kShortNames, productPosition); }

std::string OrderTexts::HeadingSuffix(OrderPage page) {
  switch (page) {
    case OrderPage::CreditCard: return " by Credit Card";
    case OrderPage::Fax: return " by FAX";
    case OrderPage::Mail: return " by Postal Mail";
    case OrderPage::Phone: return " by Phone";
    case OrderPage::PurchaseOrder: return " by Purchase Order";
  }
  return {};
}

std::string OrderTexts::Heading(OrderPage page, int productPosition) {
  return "Purchase " + ShortProductName(productPosition) + HeadingSuffix(page);
}

std::optional<std::string> OrderTexts::MethodInfo(int methodPosition) {
  if (methodPosition < 0 || methodPosition >= static_cast<int>(kMethodInfo.size())) return std::nullopt;
  return std::string(kMethodInfo[static_cast<std::size_t>(methodPosition)]);
}

std::string OrderTexts::CreditCardInfo(std::string_view longProductName) {
  return "To purchase by credit card click 'next' to go online and fill our form at Paylynx's secure "
         "site,once your transaction is accepted Paylynx will charge your credit card and you will "
         "receive a link to download " +
         std::string(longProductName) +
         " full version,also you can choose to get it on a cd shipped to you.";
}

}  // namespace core
