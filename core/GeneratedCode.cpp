#include "core/GeneratedCode.h"

#include "core/CallSnippet.h"
#include "core/SaveFileName.h"
#include "core/SavedPage.h"
#include "core/StringSink.h"

namespace core {

GeneratedCode::GeneratedCode(const PopupSettings& settings, ActivationMethod method, std::string address)
    : settings_(settings), method_(method), address_(std::move(address)) {
  StringSink sink;
  PopupScript::WriteTo(sink, settings_);
  script_ = std::move(sink.bytes);
}

std::string GeneratedCode::Snippet() const { return CallSnippet::Text(method_, settings_.functionName, address_); }

std::vector<PopupAdvice::Line> GeneratedCode::Advice() const { return PopupAdvice::For(settings_, method_); }

std::string GeneratedCode::Page() const { return SavedPage::Text(script_, method_, settings_.functionName, address_); }

std::string GeneratedCode::FileName() const { return SaveFileName::ForFunction(settings_.functionName); }

std::string GeneratedCode::CopyText() const { return script_ + "\r\n" + Snippet(); }

std::string GeneratedCode::WindowText() const {
  std::string text = CopyText();
  const auto advice = Advice();
  if (advice.empty()) return text;
  text += "\r\n";
  for (const auto& line : advice) text += Bullet(line.text);
  return text;
}

std::string GeneratedCode::Bullet(std::string_view text, std::size_t width) {
  std::string out;
  std::string line = "*";
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(' ', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view word = text.substr(start, end - start);
    if (line.size() > 2 && line.size() + 1 + word.size() > width) {
      out += line + "\r\n";
      line = " ";
    }
    line.append(" ").append(word);
    start = end + 1;
  }
  return out + line + "\r\n";
}

}  // namespace core
