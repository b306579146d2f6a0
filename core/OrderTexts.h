#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "core/OrderPage.h"

namespace core {

// The wording of the order wizard that depends on the chosen product and method.
class OrderTexts {
 public:
  static constexpr std::string_view kMethodPrompt =
      "Select your preferred purchase method to get additional info about it";

  // The chooser's product entry and title (position 0..2), "" otherwise.
  static std::string LongProductName(int productPosition);
  // The name the method pages' headings use, "" for a position other than 0..2.
  static std::string ShortProductName(int productPosition);
  static std::string HeadingSuffix(OrderPage page);
  // "Purchase " + short name + suffix, e.g. "Purchase AG Tuner! by FAX".
  static std::string Heading(OrderPage page, int productPosition);
  // The chooser's info text for a method position; none for other positions (the text stays).
  static std::optional<std::string> MethodInfo(int methodPosition);
  // The credit-card page's info text around the chooser's current title.
  static std::string CreditCardInfo(std::string_view longProductName);
};

}  // namespace core
