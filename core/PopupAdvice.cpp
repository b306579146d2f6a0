#include "core/PopupAdvice.h"

#include "core/JavaScriptName.h"
#include "core/Utf8.h"
#include "core/Windows1252.h"

namespace core {

namespace {

using Kind = PopupAdvice::Kind;
using Lines = std::vector<PopupAdvice::Line>;

// MiniBrowser, the shell it was measured in, is not Safari: only the engine is named.
constexpr const char* kWebKit = "WebKit (Safari's engine)";

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

bool FitsWindows1252(std::string_view utf8) {
  for (std::size_t i = 0; i < utf8.size();)
    if (!Windows1252::Holds(Utf8::Next(utf8, i))) return false;
  return true;
}

void AddFunctionNameAdvice(Lines& lines, const std::string& name) {
  const std::string subject = "The function name " + Quoted(name);
  if (!JavaScriptName::IsIdentifier(name)) {
    lines.push_back({Kind::FunctionNameInvalid, subject + " is not a valid JavaScript name, so the script will not run."});
  } else if (JavaScriptName::IsReservedWord(name)) {
    lines.push_back({Kind::FunctionNameReserved, subject + " is a reserved word of JavaScript, so the script will not run."});
  } else if (JavaScriptName::IsUnforgeableWindowProperty(name)) {
    lines.push_back({Kind::FunctionNameTaken,
                     subject + " belongs to the browser's window and cannot be declared, so the script will not run."});
  } else if (name == "open") {
    lines.push_back({Kind::FunctionNameOpen,
                     subject + " can never work in the .js file or with the snippet: the script declares it for the "
                               "whole page, where it replaces the browser's window.open, so the script's own call to "
                               "window.open calls the function itself over and over until the browser stops it; the "
                               "snippet's link then follows its own address and target, without the size and bars "
                               "asked for. Choose another name; the web page that Save writes keeps the function to "
                               "itself and works."});
  } else if (JavaScriptName::IsWindowProperty(name) || JavaScriptName::IsDocumentOrElementMember(name)) {
    std::string text = subject + " is also a member of the browser's window, its document or a link. The snippet "
                                 "calls window." + name + "(...), which reaches the script's function; a plain " +
                       name + "(...) in an onclick or other attribute reaches the document's or the link's own " +
                       name + " first.";
    if (JavaScriptName::IsWindowProperty(name))
      text += " Declaring it also replaces the browser's own window." + name + " for every script of the page.";
    lines.push_back({Kind::FunctionNameShared, text});
  }
  if (!FitsWindows1252(name))
    lines.push_back({Kind::FunctionNameNotInPreview,
                     subject + " has characters that Preview's Windows-1252 script cannot carry, so Preview writes "
                               "\"?\" for them; the files Save writes are UTF-8 and carry the name whole."});
}

void AddWindowNameAdvice(Lines& lines, const std::string& name) {
  const std::string subject = "The window name " + Quoted(name);
  const std::string variable = subject + " is also the variable the script assigns the new window to";
  if (name == "_self" || name == "_top" || name == "_parent") {
    lines.push_back({Kind::WindowNameSamePage,
                     subject + " loads the address in the same page instead of opening a window."});
  } else if (name == "_blank") {
    lines.push_back({Kind::WindowNameBlank, subject + " opens a new window every time."});
  } else if (!JavaScriptName::IsIdentifier(name)) {
    lines.push_back({Kind::WindowNameInvalid, variable + ", and it is not a valid JavaScript name, so the script will "
                                                         "not run."});
  } else if (JavaScriptName::IsReservedWord(name)) {
    lines.push_back({Kind::WindowNameReserved, variable + ", and it is a reserved word, so the script will not run."});
  } else if (name == "location") {
    lines.push_back({Kind::WindowNameTaken, variable + ", and it is the page's own location: the pop-up opens, then "
                                                       "the assignment makes the page leave itself."});
  } else if (JavaScriptName::IsWindowProperty(name)) {
    lines.push_back({Kind::WindowNameTaken, variable + ", and it is a member of the browser's window, so the variable "
                                                       "does not hold the new window: the assignment is ignored or "
                                                       "changes the page's own " + name + ". The pop-up still opens."});
  }
  if (!FitsWindows1252(name))
    lines.push_back({Kind::WindowNameNotInPreview,
                     subject + " has characters that Preview's Windows-1252 script cannot carry, so Preview writes "
                               "\"?\" for them; the files Save writes are UTF-8 and carry the name whole."});
}

void AddMethodAdvice(Lines& lines, ActivationMethod method) {
  const std::string caption = Quoted(ActivationMethodCaption(method));
  if (method == ActivationMethod::OnPageUnload) {
    lines.push_back({Kind::NeverOnUnload,
                     caption + " opens nothing in Chromium and Edge or in " + kWebKit +
                         ": they open no window while a page is being left. Firefox opens the pop-up when the visitor "
                         "leaves the page by a click on a link, and nothing when the visitor goes elsewhere another "
                         "way. \"From link\" works."});
  } else if (method != ActivationMethod::FromLink) {
    std::string text = caption + " opens a window only where the visitor allows pop-ups for the page: pop-up blockers "
                                 "stop a window that no click opens.";
    // A click shortly before counts as the visitor's in two engines; loading comes before any click.
    if (method != ActivationMethod::OnPageLoad)
      text += std::string(" In Chromium, Edge and Firefox a click anywhere on the page a moment earlier lets "
                          "the pointer open it; ") + kWebKit + " stops it still.";
    lines.push_back({Kind::Blocked, text + " \"From link\" works."});
  }
}

// The box beside "Width:" feeds width= and the one beside "Height:" feeds height=: name both.
struct Field {
  std::string_view option;
  std::string_view caption;
  const std::string& text;
  bool isSize;
};

void AddNumberAdvice(Lines& lines, const Field& field) {
  const std::string subject =
      std::string(field.option) + "=" + field.text + " (the box beside " + Quoted(field.caption) + ")";
  const PopupAdvice::Number number = PopupAdvice::ReadNumber(field.text);
  if (!number.valid || (field.isSize && number.value == 0)) {
    lines.push_back(field.isSize ? PopupAdvice::Line{Kind::SizeNotANumber,
                                                     subject + " sets nothing, so the browser uses its own " +
                                                         std::string(field.option) + "."}
                                 : PopupAdvice::Line{Kind::PositionNotANumber,
                                                     subject + " is not a number, so the browser takes 0."});
    return;
  }
  if (number.cut)
    lines.push_back({Kind::NumberCut, subject + " is read as " + std::to_string(number.value) + "."});
  if (field.isSize && number.value < 100)
    lines.push_back({Kind::SizeBelow100,
                     subject + (field.option == "width"
                                    ? " is below 100, so the browser raises it: Chromium and Edge to about 140 pixels, "
                                      "Firefox to 100, " + std::string(kWebKit) + " to 334."
                                    : " is below 100, so browsers raise it to 100.")});
}

}  // namespace

bool PopupAdvice::OpensTab(const PopupSettings& s) {
  return (s.location || s.toolbar) && s.menubar && s.status && s.resizable && s.scrollbars;
}

PopupAdvice::Number PopupAdvice::ReadNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\f' || text[i] == '\r'))
    ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  Number number;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
    number.valid = true;
    if (number.value < (std::int64_t{1} << 40)) number.value = number.value * 10 + (text[i] - '0');
    ++i;
  }
  if (!number.valid) return {};
  number.cut = i < text.size();
  if (negative) number.value = -number.value;
  return number;
}

std::vector<PopupAdvice::Line> PopupAdvice::For(const PopupSettings& s, ActivationMethod method) {
  Lines lines;
  AddFunctionNameAdvice(lines, s.functionName);
  AddWindowNameAdvice(lines, s.windowName);
  AddMethodAdvice(lines, method);
  if (s.fullScreen) {
    lines.push_back({Kind::FullScreenIgnored,
                     "Browsers ignore full screen. With Full Screen ticked the size, position and bar settings travel "
                     "in an argument that browsers ignore, so Chromium, Edge and " + std::string(kWebKit) +
                         " open a window, and Firefox a normal tab, at a size and place of their own choosing."});
  } else if (OpensTab(s)) {
    lines.push_back({Kind::OpensATab, "These settings ask for every bar that counts, so Chromium, Edge and Firefox "
                                      "open a normal tab and ignore the size and position; " + std::string(kWebKit) +
                                          " opens a window with its bars at the place asked for, wider than asked "
                                          "(447 pixels for 300)."});
  } else {
    std::string text =
        "Chromium, Edge and Firefox open a small window, moved onto the screen (a tab when location or toolbar comes "
        "with menubar, status, resizable and scrollbars). " + std::string(kWebKit) +
        " opens a window without an address bar, at least 334 pixels wide";
    text += s.resizable ? "." : ", and with resizable=no 1024 by 768, which can run off the screen.";
    text += " Browsers keep the size within the screen's, and pages scroll as needed, scrollbars=no or not.";
    lines.push_back({Kind::OpensAPopup, text});
    for (const Field& field : {Field{"width", "Width:", s.widthText, true}, Field{"height", "Height:", s.heightText, true},
                               Field{"left", "Left:", s.leftText, false}, Field{"top", "Top:", s.topText, false}})
      AddNumberAdvice(lines, field);
  }
  const bool named = s.windowName != "_blank" && s.windowName != "_self" && s.windowName != "_top" &&
                     s.windowName != "_parent" && !s.windowName.empty();
  if (named && method != ActivationMethod::OnPageUnload) {
    std::string text = "A second call with the window name " + Quoted(s.windowName) +
                       " loads the address into the window already open, which may stay behind the page.";
    if (JavaScriptName::IsIdentifier(s.windowName) && !JavaScriptName::IsReservedWord(s.windowName) &&
        !JavaScriptName::IsWindowProperty(s.windowName))
      text += " To bring it to the front, call " + s.windowName + ".focus(); after the function, for example " +
              "onclick=\"window." + s.functionName + "(this.href); " + s.windowName + ".focus(); return false;\".";
    lines.push_back({Kind::Reuse, text});
  }
  return lines;
}

}  // namespace core
