#pragma once
#include <string_view>

#include "core/TextSink.h"

namespace core {

// Writes the test page (tmphtm.htm): it loads the pop-up script from its own folder and offers one
// link that calls the generated function with the pop-up page's address.
class PreviewPage {
 public:
  static void WriteTo(TextSink& sink, std::string_view functionName, std::string_view url);

 private:
  static void WriteHead(TextSink& sink);
  static void WriteTrialGuard(TextSink& sink);
  static void WriteLink(TextSink& sink, std::string_view functionName, std::string_view url);
};

}  // namespace core
