#pragma once
#include <string>
#include <vector>

#include "core/ActivationMethod.h"
#include "core/PopupScript.h"

namespace core {

// What today's browsers make of the settings, one line each. It informs only: the script stays
// exactly as Preview writes it.
class PopupAdvice {
 public:
  enum class Kind {
    FunctionNameInvalid,   // not a JavaScript name: the script does not run
    FunctionNameReserved,  // a reserved word: the script does not run
    FunctionNameTaken,     // window, document, location or top: the declaration fails
    WindowNameInvalid,     // the window name is a variable of the script too
    WindowNameReserved,
    WindowNameTaken,       // a property of the browser's window: the variable does not keep the window
    OpensWithoutClick,     // load, unload and mouse events: pop-up blockers stop it
    FullScreenIgnored,     // the features travel in an argument browsers ignore
    FeaturesIgnored,       // bars and resizing are the browser's choice; the address always shows
    NotWholeNumber,        // one line per size or position that is not a whole number
    SizeBelow100,          // one line per size under 100
  };
  struct Line {
    Kind kind;
    std::string text;
  };

  static std::vector<Line> For(const PopupSettings& settings, ActivationMethod method);

  static bool IsWholeNumber(std::string_view text);
};

}  // namespace core
