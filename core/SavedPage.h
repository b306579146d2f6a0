#pragma once
#include <string>
#include <string_view>

#include "core/ActivationMethod.h"
#include "core/CallSnippet.h"

namespace core {

// The small web page Save writes, in UTF-8: a sentence on what the visitor will see, the link
// where the method needs one, and the script inline with the call attached from the same scope.
// The script's function stays out of the global scope there, so even a function named like a
// member of the window (open, close) reaches the browser's own window.open. Lines end in CR LF.
class SavedPage {
 public:
  static std::string Text(std::string_view script, ActivationMethod method, CallSnippet::Names names,
                          std::string_view address);

  // What the page says will happen, pop-up blockers included.
  static std::string_view Explanation(ActivationMethod method);

  // The script as it may stand inside a script block: "</script" (any letter case), which only
  // names typed into the window can bring in, would end the block early, so its "/" gets a
  // backslash; so does the "s" of "<script", which after a "<!--" would keep the block open past
  // its own end tag. Anything else stays byte for byte.
  static std::string InlineScript(std::string_view script);
};

}  // namespace core
