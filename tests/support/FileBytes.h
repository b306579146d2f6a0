#pragma once
#include <windows.h>

#include <string>

namespace testsupport {

// The whole content of a file, or "" when it cannot be read. Opened with every kind of sharing,
// as a file source's temporary file (held open with delete-on-close) can only be read that way.
inline std::string FileBytes(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string bytes;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
  CloseHandle(file);
  return bytes;
}

inline std::string FileBytes(const std::string& path) {
  return FileBytes(std::wstring(path.begin(), path.end()));  // the tests' own paths are ASCII
}

#ifdef SKYLATCH_SOURCE_DIR
// A file of the project's sources (relative is written with /), read through Wine's Z: drive.
inline std::string SourceFileBytes(std::string relative) {
  std::string path = std::string(SKYLATCH_SOURCE_DIR) + "/" + relative;
  for (char& c : path) c = c == '/' ? '\\' : c;
  return FileBytes("Z:" + path);
}
#endif

}  // namespace testsupport
