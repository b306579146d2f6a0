#pragma once
#include <string>
#include <string_view>

#include "core/ActivationMethod.h"

namespace core {

// The small web page Save writes: the script inline in its head and the call for the activation
// method in its body, so the author can open it and see the pop-up work. Lines end in CR LF.
class SavedPage {
 public:
  static std::string Text(std::string_view script, ActivationMethod method, std::string_view functionName,
                          std::string_view address);

  // The script as it may stand inside a script block: "</script" (any letter case), which only
  // names typed into the window can bring in, would end the block early, so its "/" gets a
  // backslash. Anything else stays byte for byte.
  static std::string InlineScript(std::string_view script);
};

}  // namespace core
