#pragma once
#include <string>
#include <vector>

#include "core/ActivationMethod.h"
#include "core/PopupAdvice.h"
#include "core/PopupScript.h"

namespace core {

// Everything Generate shows and Save writes for one set of settings: the script exactly as
// Preview writes it to tmpskt.js, the snippet that calls it, the advice, and the page.
class GeneratedCode {
 public:
  GeneratedCode(const PopupSettings& settings, ActivationMethod method, std::string address);

  const std::string& Script() const { return script_; }
  std::string Snippet() const;
  std::vector<PopupAdvice::Line> Advice() const;
  // The page Save writes for the .htm type.
  std::string Page() const;
  // The name Save suggests: the function name plus ".js", made safe.
  std::string FileName() const;

  // What Copy puts on the clipboard: the script, an empty line, the snippet.
  std::string CopyText() const;
  // What the window shows: the copy text, an empty line and the advice, one item each.
  std::string WindowText() const;

  static constexpr std::size_t kAdviceWidth = 76;
  // One advice item: "* " and the text, broken at spaces into lines of at most width columns
  // (a longer word stands alone), the following lines indented by two spaces; CR LF after each.
  static std::string Bullet(std::string_view text, std::size_t width = kAdviceWidth);

 private:
  PopupSettings settings_;
  ActivationMethod method_;
  std::string address_;
  std::string script_;
};

}  // namespace core
