#pragma once
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/ByteStream.h"

namespace core {

// A file source asked to store a file that is not there.
class MissingFileError : public std::runtime_error {
 public:
  MissingFileError(const std::string& componentName, const std::string& fileName)
      : std::runtime_error(componentName + " cannot store file: " + fileName + " (file is missing)") {}
};

// How a file source saves the file it names as "FileData": the file must exist, its whole
// length is stored, plain or compressed. The program (Win32 files) and the definition compiler
// (files beside the definition) supply the file system.
class FileSourceWriter {
 public:
  using ExistsCheck = std::function<bool(const std::string& fileName)>;
  // Opens the file read-only; the stream is closed when it is destroyed.
  using Opener = std::function<std::unique_ptr<ByteStream>(const std::string& fileName)>;

  // Appends the "FileData" bytes of fileName to out, or raises MissingFileError.
  static void Write(const std::string& componentName, const std::string& fileName, bool compress,
                    const ExistsCheck& exists, const Opener& open, ByteStream& out);

  // The same for a file named relative to folder (either slash separates folders), read with
  // the standard library: what the definition compiler stores.
  static std::vector<std::uint8_t> WriteFromFolder(const std::filesystem::path& folder, const std::string& componentName,
                                                   const std::string& fileName, bool compress);

  // Makes the definition compiler store file sources with WriteFromFolder, the files named
  // relative to folder (the definition's own folder).
  static void InstallCompilerHook(const std::filesystem::path& folder);
};

}  // namespace core
