#pragma once
#include <string>

#include "core/TextSink.h"

namespace core {

// What the generator window holds when Preview runs: every text exactly as shown (UTF-8, or
// Windows-1252 for Preview's own files).
struct PopupSettings {
  std::string functionName = "PopUp";
  std::string windowName = "Skylatch";
  std::string widthText = "300";   // box `alto`, captioned "Height:"
  std::string heightText = "200";  // box `ancho`, captioned "Width:"
  std::string leftText = "300";
  std::string topText = "100";
  bool fullScreen = false;
  bool toolbar = false;
  bool status = false;
  bool menubar = false;
  bool location = false;
  bool directories = false;
  bool resizable = false;
  bool scrollbars = false;
};

// Writes the pop-up script (tmpskt.js) as the runtime's text-file operations.
class PopupScript {
 public:
  static void WriteTo(TextSink& sink, const PopupSettings& settings);
  // The settings as Preview's Windows-1252 files carry them: "?" for what the code page lacks.
  static PopupSettings InWindows1252(const PopupSettings& utf8);

 private:
  static void WriteOpenCall(TextSink& sink, const PopupSettings& settings);
};

}  // namespace core
