// defc <input.def> <output.bin>: compiles a readable window definition into the stored form.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/DefinitionCompiler.h"
#include "core/FileSourceWriter.h"
#include "tools/defc/PublishedClasses.h"

namespace {

// Read in one piece: a byte-by-byte read of a file of hundreds of megabytes takes a minute
// before the parser can refuse it.
template <typename Buffer>
Buffer ReadAll(const std::filesystem::path& path) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) throw std::runtime_error(path.string() + " is a folder, not a file");
  if (std::filesystem::exists(path, error) && !std::filesystem::is_regular_file(path, error))
    throw std::runtime_error(path.string() + " is not a regular file");
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) throw std::runtime_error("cannot open " + path.string());
  const std::streamoff size = in.tellg();
  if (size < 0) throw std::runtime_error("cannot read " + path.string());
  Buffer bytes(static_cast<std::size_t>(size), 0);
  in.seekg(0);
  if (!in.read(reinterpret_cast<char*>(bytes.data()), size)) throw std::runtime_error("cannot read " + path.string());
  return bytes;
}

// Written beside the target and renamed over it, so a failed run leaves no half-written output.
// Only a regular file is replaced: a folder or a device in the way is refused before anything is
// written.
void WriteAll(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::error_code error;
  const auto status = std::filesystem::symlink_status(path, error);
  if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
    throw std::runtime_error(path.string() + (std::filesystem::is_directory(status) ? " is a folder" : " is not a regular file") +
                             "; it is not replaced. Name a file as the output");
  }
  std::filesystem::path temp = path;
  temp += ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      std::error_code ignored;
      std::filesystem::remove(temp, ignored);
      throw std::runtime_error("cannot write " + path.string());
    }
  }
  std::filesystem::rename(temp, path, error);
  if (error) {
    std::error_code ignored;
    std::filesystem::remove(temp, ignored);
    throw std::runtime_error("cannot replace " + path.string() + ": " + error.message());
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: defc <input.def> <output.bin>\n");
    return 2;
  }
  const std::filesystem::path input = argv[1];
  const std::filesystem::path output = argv[2];
  try {
    const std::string text = ReadAll<std::string>(input);
    const std::filesystem::path folder = input.parent_path();
    // A stored file source saves the file it names, beside the definition, as "FileData".
    core::FileSourceWriter::InstallCompilerHook(folder);
    core::DefinitionCompiler compiler(
        PublishedClasses(), [folder](const std::string& name) { return ReadAll<std::vector<std::uint8_t>>(folder / std::filesystem::path(name)); });
    WriteAll(output, compiler.CompileText(text));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "defc: %s: %s\n", argv[1], e.what());
    return 1;
  }
  return 0;
}
