#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace core {

// The browsers Windows lists under SOFTWARE\Clients\StartMenuInternet, and the command line that
// opens a page in one of them. Text is UTF-8.
class BrowserList {
 public:
  // One key as the registry holds it.
  struct Key {
    std::string name;             // the key's own name, e.g. FIREFOX.EXE
    std::string defaultValue;     // the name Windows shows
    std::string localizedString;  // its stand-in where the default value is empty
    std::string openCommand;      // shell\open\command
  };
  struct Browser {
    std::string name;
    std::string openCommand;
  };

  // The user's keys first, then the machine's; a key under both is the user's and listed once.
  static std::vector<Browser> Merge(const std::vector<Key>& user, const std::vector<Key>& machine);

  // The command with the page in place of each %1, or with the page appended, quoted.
  static std::string CommandLine(std::string_view openCommand, std::string_view page);

  // The program a command starts: its quoted first part, or everything before the first blank.
  static std::string Program(std::string_view openCommand);
};

}  // namespace core
