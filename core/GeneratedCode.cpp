#include "core/GeneratedCode.h"

#include "core/CallSnippet.h"
#include "core/SaveFileName.h"
#include "core/SavedPage.h"
#include "core/StringSink.h"
#include "core/Utf8.h"

namespace core {

namespace {

constexpr std::string_view kBullet = "\xE2\x80\xA2";  // •

std::size_t Characters(std::string_view utf8) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < utf8.size(); ++count) Utf8::Next(utf8, i);
  return count;
}

}  // namespace

GeneratedCode::GeneratedCode(const PopupSettings& settings, ActivationMethod method, std::string address,
                             std::string scriptFile)
    : settings_(settings), method_(method), address_(std::move(address)), scriptFile_(std::move(scriptFile)) {
  if (scriptFile_.empty()) scriptFile_ = FileName();
  StringSink sink;
  PopupScript::WriteTo(sink, settings_);
  script_ = std::move(sink.bytes);
}

std::string GeneratedCode::Snippet() const {
  return CallSnippet::Text(method_, {settings_.functionName, settings_.windowName}, address_, scriptFile_);
}

std::vector<PopupAdvice::Line> GeneratedCode::Advice() const {
  std::vector<PopupAdvice::Line> lines = PopupAdvice::For(settings_, method_);
  lines.insert(lines.end(), extraAdvice_.begin(), extraAdvice_.end());
  return lines;
}

std::string GeneratedCode::Page() const {
  return SavedPage::Text(script_, method_, {settings_.functionName, settings_.windowName}, address_);
}

std::string GeneratedCode::FileName() const { return SaveFileName::ForFunction(settings_.functionName); }

std::string GeneratedCode::AdviceText() const {
  std::string text;
  for (const auto& line : Advice()) text += Bullet(line.text);
  return text;
}

std::string GeneratedCode::Bullet(std::string_view text, std::size_t width) {
  std::string out;
  std::string line(kBullet);
  std::size_t columns = 1;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(' ', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view word = text.substr(start, end - start);
    const std::size_t length = Characters(word);
    if (columns > 2 && columns + 1 + length > width) {
      out += line + "\r\n";
      line = " ";
      columns = 1;
    }
    line.append(" ").append(word);
    columns += 1 + length;
    start = end + 1;
  }
  return out + line + "\r\n";
}

}  // namespace core
