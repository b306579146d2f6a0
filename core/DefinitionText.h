#pragma once
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/ComponentDef.h"

namespace core {

// The readable form of a window definition, one text file per window under resources/:
//
//   object Form1: TForm1
//     Caption = 'Skylatch!'          string (Windows-1252; '' doubles a quote; #13 style char codes may follow)
//     ClientWidth = 400              integer (decimal, or $hex)
//     Enabled = False                boolean
//     Style = csDropDownList         identifier
//     Font.Style = [fsBold]          set
//     Items.Strings = ('One' 'Two')  string list
//     Picture = file 'logo.bmp'      the bytes of a file beside the definition
//     object Label1: TLabel
//       ...
//     end
//   end
//
// Blank lines and lines starting with "//" are ignored. Lines end in LF or CR LF. Objects nest at
// most DefinitionStream::kMaxDepth deep and a string holds at most DefinitionStream::kMaxLength
// bytes, the limits of the program's own reader. Errors raise DefinitionTextError with the line
// number (none for a file that is not UTF-8 text at all).
class DefinitionText {
 public:
  using FileReader = std::function<std::vector<std::uint8_t>(const std::string& relativeName)>;
  static ComponentDef Parse(std::string_view text, const FileReader& readFile);
  // One value written as after "Name = " (the schema's declared defaults use this form).
  static PropertyValue ParseValue(std::string_view text);
};

class DefinitionTextError : public std::runtime_error {
 public:
  DefinitionTextError(int line, const std::string& what)
      : std::runtime_error("line " + std::to_string(line) + ": " + what), line_(line) {}
  // A fault of the whole file rather than of one line.
  explicit DefinitionTextError(const std::string& what) : std::runtime_error(what), line_(0) {}
  int line() const { return line_; }

 private:
  int line_;
};

}  // namespace core
