#pragma once
#include <string_view>

namespace core {

// The maker's web addresses: the host goes into generated files, the site is the default pop-up
// address and the About window's link, the support page is Help > Online Support.
struct ProductSite {
  static constexpr std::string_view kHost = "www.skylatch.example";
  static constexpr std::string_view kSite = "https://www.skylatch.example";
  static constexpr std::string_view kSupportPage =
      "https://support.skylatch.example/tamberly/skylatch/content3.htm";
};

}  // namespace core
