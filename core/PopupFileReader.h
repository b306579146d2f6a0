#pragma once
#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/ActivationMethod.h"
#include "core/PopupAdvice.h"
#include "core/PopupScript.h"

namespace core {

// Reads a pop-up back from a file: the script or page Save writes, Preview's tmpskt.js, or any
// page or script with a window.open call whose name and features are string literals.
class PopupFileReader {
 public:
  static constexpr std::size_t kMaxBytes = 16u * 1024 * 1024;

  // Why a file gives no pop-up; the text follows the file's name in the message.
  class Unreadable : public std::runtime_error {
   public:
    using std::runtime_error::runtime_error;
  };

  struct Result {
    // Everything the call decides; what it does not say is the window's default.
    PopupSettings settings;
    // From the page around the call; nothing where the file does not say.
    std::optional<ActivationMethod> method;
    std::optional<std::string> address;
    std::size_t furtherCalls = 0;
    // The file is a script as Save writes it, so a snippet may load it by the file's name.
    bool savedScript = false;
  };

  // Raises Unreadable for an empty, binary, oversized or undecodable file and for one without a
  // call. Values are given as the file has them, unchecked (see Problems).
  static Result Read(std::string_view bytes);

  // The file's text as UTF-8: UTF-8 (a byte-order mark skipped) or else Windows-1252.
  static std::string Decode(std::string_view bytes);

  // The most characters (UTF-16 units, as an edit counts them) each field takes; 0 for no limit.
  struct Limits {
    std::size_t functionName = 0;
    std::size_t windowName = 0;
    std::size_t address = 0;
    std::size_t number = 0;
  };
  // The values the window cannot show as they are, one sentence part each.
  static std::vector<std::string> Problems(const Result& result, const Limits& limits);

  // A feature string as browsers split it: name (lower case) and value, in order.
  struct Feature {
    std::string name;
    std::string value;
  };
  static std::vector<Feature> Features(std::string_view text);
  // A feature's truth as browsers read it: bare, "yes", "true" or a non-zero number.
  static bool FeatureOn(std::string_view value);

  // The advice of the next Generate after a file with further calls.
  static PopupAdvice::Line FurtherCallsAdvice(std::size_t count);

  // An address as the window shows it: what Save percent-encoded because Windows-1252 lacks it
  // comes back as the character.
  static std::string UnescapeAddress(std::string_view address);
};

}  // namespace core
