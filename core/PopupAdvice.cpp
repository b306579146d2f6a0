#include "core/PopupAdvice.h"

#include <cstdlib>

#include "core/JavaScriptName.h"

namespace core {

namespace {

using Kind = PopupAdvice::Kind;
using Lines = std::vector<PopupAdvice::Line>;

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

void AddFunctionNameAdvice(Lines& lines, const std::string& name) {
  const std::string subject = "The function name " + Quoted(name);
  if (!JavaScriptName::IsIdentifier(name))
    lines.push_back({Kind::FunctionNameInvalid,
                     subject + " is not a valid JavaScript name, so the script will not run."});
  else if (JavaScriptName::IsReservedWord(name))
    lines.push_back({Kind::FunctionNameReserved, subject + " is a reserved word of JavaScript, so the script will not run."});
  else if (JavaScriptName::IsUnforgeableWindowProperty(name))
    lines.push_back({Kind::FunctionNameTaken,
                     subject + " belongs to the browser's window and cannot be declared, so the script will not run."});
}

void AddWindowNameAdvice(Lines& lines, const std::string& name) {
  const std::string subject = "The window name " + Quoted(name) + " is also the script's variable name";
  if (!JavaScriptName::IsIdentifier(name))
    lines.push_back({Kind::WindowNameInvalid, subject + " and is not a valid JavaScript name, so the script will not run."});
  else if (JavaScriptName::IsReservedWord(name))
    lines.push_back({Kind::WindowNameReserved, subject + " and is a reserved word, so the script will not run."});
  else if (JavaScriptName::IsWindowProperty(name))
    lines.push_back({Kind::WindowNameTaken,
                     subject + " and belongs to the browser's window: it will not hold the new window."});
}

// The box beside "Height:" feeds width= and the one beside "Width:" feeds height=: name both.
struct Field {
  std::string_view option;
  std::string_view caption;
  const std::string& text;
  bool isSize;
};

void AddNumberAdvice(Lines& lines, const Field& field) {
  const std::string subject =
      std::string(field.option) + "=" + field.text + " (the box beside " + Quoted(field.caption) + ")";
  if (!PopupAdvice::IsWholeNumber(field.text)) {
    lines.push_back({Kind::NotWholeNumber, subject + " is not a whole number, so the browser uses a value of its own."});
  } else if (field.isSize && std::strtoll(field.text.c_str(), nullptr, 10) < 100) {
    lines.push_back({Kind::SizeBelow100, subject + " is below 100, so the browser replaces it."});
  }
}

}  // namespace

bool PopupAdvice::IsWholeNumber(std::string_view text) {
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) text.remove_prefix(1);
  if (text.empty()) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

std::vector<PopupAdvice::Line> PopupAdvice::For(const PopupSettings& s, ActivationMethod method) {
  Lines lines;
  AddFunctionNameAdvice(lines, s.functionName);
  AddWindowNameAdvice(lines, s.windowName);
  if (method != ActivationMethod::FromLink)
    lines.push_back({Kind::OpensWithoutClick, Quoted(ActivationMethodCaption(method)) +
                                                  " opens the window without a click, so pop-up blockers stop it; "
                                                  "\"From link\" works."});
  if (s.fullScreen) {
    lines.push_back({Kind::FullScreenIgnored,
                     "With Full Screen ticked the size, position and bar settings travel in an argument that browsers "
                     "ignore, and current browsers ignore full screen as well."});
    return lines;
  }
  if (s.toolbar || s.menubar || s.status || s.directories || s.resizable || !s.location)
    lines.push_back({Kind::FeaturesIgnored,
                     "Current browsers ignore the Tool Bar, Menu Bar, Status Bar, Directories and Resizable settings "
                     "and always show the address."});
  for (const Field& field : {Field{"width", "Height:", s.widthText, true}, Field{"height", "Width:", s.heightText, true},
                             Field{"left", "Left:", s.leftText, false}, Field{"top", "Top:", s.topText, false}})
    AddNumberAdvice(lines, field);
  return lines;
}

}  // namespace core
