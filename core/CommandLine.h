#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace core {

// True when the first argument after the program name is exactly "order" (same case, whole string):
// the program then runs as a stand-alone order tool.
bool IsOrderMode(const std::vector<std::string>& argumentsAfterProgramName);

// Splits a Windows command line like the C runtime does, program name first. The program name ends
// at the first blank or runs between quotes; later arguments follow the backslash rules: 2n
// backslashes before a quote give n and the quote toggles quoting, 2n+1 give n and a literal quote,
// and "" inside quotes gives one literal quote.
std::vector<std::string> SplitCommandLine(std::string_view commandLine);

}  // namespace core
