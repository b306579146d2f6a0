#include "core/CommandLine.h"

namespace core {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Reads argv[0]: quotes group, backslashes are plain characters.
std::size_t ReadProgramName(std::string_view line, std::string& name) {
  std::size_t i = 0;
  bool quoted = false;
  while (i < line.size()) {
    const char c = line[i];
    if (c == '"') {
      quoted = !quoted;
    } else if (!quoted && IsBlank(c)) {
      break;
    } else {
      name += c;
    }
    ++i;
  }
  return i;
}

// Reads one argument starting at a non-blank character; returns the index after it.
std::size_t ReadArgument(std::string_view line, std::size_t i, std::string& arg) {
  bool quoted = false;
  while (i < line.size()) {
    std::size_t backslashes = 0;
    while (i < line.size() && line[i] == '\\') {
      ++backslashes;
      ++i;
    }
    bool copyQuote = false;
    const bool atQuote = i < line.size() && line[i] == '"';
    if (atQuote) {
      if (backslashes % 2 == 1) {
        copyQuote = true;
      } else if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
        copyQuote = true;
        ++i;
      } else {
        quoted = !quoted;
      }
      backslashes /= 2;
    }
    arg.append(backslashes, '\\');
    if (i >= line.size() || (!quoted && !atQuote && IsBlank(line[i]))) break;
    if (!atQuote || copyQuote) arg += line[i];
    ++i;
  }
  return i;
}

}  // namespace

bool IsOrderMode(const std::vector<std::string>& argumentsAfterProgramName) {
  return !argumentsAfterProgramName.empty() && argumentsAfterProgramName.front() == "order";
}

std::vector<std::string> SplitCommandLine(std::string_view commandLine) {
  std::vector<std::string> args(1);
  std::size_t i = ReadProgramName(commandLine, args.front());
  for (;;) {
    while (i < commandLine.size() && IsBlank(commandLine[i])) ++i;
    if (i >= commandLine.size()) break;
    std::string arg;
    i = ReadArgument(commandLine, i, arg);
    args.push_back(std::move(arg));
  }
  return args;
}

}  // namespace core
