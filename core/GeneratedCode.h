#pragma once
#include <string>
#include <vector>

#include "core/ActivationMethod.h"
#include "core/PopupAdvice.h"
#include "core/PopupScript.h"

namespace core {

// Everything Generate shows and Save writes for one set of settings (UTF-8): the script as
// Preview writes it to tmpskt.js (in UTF-8, so every name is carried whole), the snippet that
// loads and calls it, the advice, and the page.
class GeneratedCode {
 public:
  // scriptFile: the name the snippet loads the script by; empty for the name Save suggests.
  GeneratedCode(const PopupSettings& settings, ActivationMethod method, std::string address,
                std::string scriptFile = {});

  const std::string& Script() const { return script_; }
  std::string Snippet() const;
  std::vector<PopupAdvice::Line> Advice() const;
  // A line of advice about something else than the settings, shown after theirs.
  void AddAdvice(PopupAdvice::Line line) { extraAdvice_.push_back(std::move(line)); }
  // The page Save writes for the .htm type.
  std::string Page() const;
  // The name Save suggests: the function name plus ".js", made safe.
  std::string FileName() const;
  // The script file the snippet loads.
  const std::string& ScriptFile() const { return scriptFile_; }

  // The advice as the window shows it: one bullet item each.
  std::string AdviceText() const;

  static constexpr std::size_t kAdviceWidth = 100;
  // One advice item: "• " and the text, broken at spaces into lines of at most width characters
  // (a longer word stands alone), the following lines indented by two spaces; CR LF after each.
  static std::string Bullet(std::string_view text, std::size_t width = kAdviceWidth);

 private:
  PopupSettings settings_;
  ActivationMethod method_;
  std::string address_;
  std::string scriptFile_;
  std::string script_;
  std::vector<PopupAdvice::Line> extraAdvice_;
};

}  // namespace core
