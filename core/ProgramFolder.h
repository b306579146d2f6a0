#pragma once
#include <string>
#include <string_view>

namespace core {

// The folder part of a full executable path, separator kept, so that a file name can be appended
// directly: "D:\Tools\gen.exe" gives "D:\Tools\", "C:gen.exe" gives "C:".
std::string ProgramFolder(std::string_view executablePath);

}  // namespace core
