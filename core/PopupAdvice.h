#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "core/ActivationMethod.h"
#include "core/PopupScript.h"

namespace core {

// What today's browsers make of the settings, one line each, each measured in Chromium, Firefox and
// WebKit with their pop-up blockers on (docs/BROWSERS.md). It informs only: the script stays exactly as Preview writes it.
class PopupAdvice {
 public:
  enum class Kind {
    FunctionNameInvalid,    // not a JavaScript name: the script does not run
    FunctionNameReserved,   // a reserved word: the script does not run
    FunctionNameTaken,      // window, document, location or top: the declaration fails
    FunctionNameOpen,       // replaces window.open, which the script itself calls
    FunctionNameShared,     // also a member of the window, the document or a link
    FunctionNameNotInPreview,  // characters Preview's Windows-1252 script cannot carry
    WindowNameInvalid,      // the window name is a variable of the script too
    WindowNameReserved,
    WindowNameTaken,        // a member of the window: assigning the new window to it breaks the script
    WindowNameSamePage,     // _self, _top, _parent: the address loads in the page itself
    WindowNameBlank,        // _blank: a new window every time
    WindowNameNotInPreview,
    Blocked,                // load and the mouse events: only where the visitor allows pop-ups
    NeverOnUnload,          // nothing while a page is left, but in Firefox when a link leaves it
    OpensATab,              // every bar asked for: a normal tab, size and position ignored
    OpensAPopup,            // otherwise a small window
    FullScreenIgnored,      // the features after it travel in an argument browsers ignore
    SizeNotANumber,         // the browser's own size
    PositionNotANumber,     // becomes 0
    NumberCut,              // 250.7 is read as 250
    SizeBelow100,           // raised to each engine's minimum
    Reuse,                  // a second call loads into the window that is open, perhaps behind
    FurtherCalls,           // the file opened last held more window.open calls than the one taken
  };
  struct Line {
    Kind kind;
    std::string text;
  };

  static std::vector<Line> For(const PopupSettings& settings, ActivationMethod method);

  // Whether the features ask for every bar, so Chromium and Firefox open a normal tab rather than a pop-up:
  // location or toolbar, with menubar, status, resizable and scrollbars.
  static bool OpensTab(const PopupSettings& settings);

  // A feature value as browsers read it: blanks skipped, a sign, then the digits up to the first
  // other character. Nothing when no digit comes first; cut tells whether characters followed.
  struct Number {
    bool valid = false;
    bool cut = false;
    std::int64_t value = 0;
  };
  static Number ReadNumber(std::string_view text);
};

}  // namespace core
