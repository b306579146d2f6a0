#include "core/FileSourceWriter.h"

#include <algorithm>
#include <fstream>

#include "core/DefinitionCompiler.h"
#include "core/FileData.h"

namespace core {

namespace {

// A read-only file of the host, as a byte stream.
class InputFileStream : public ByteStream {
 public:
  explicit InputFileStream(const std::filesystem::path& path) : in_(path, std::ios::binary), path_(path) {
    if (!in_) throw std::runtime_error("Cannot open file " + path.string());
    in_.seekg(0, std::ios::end);
    size_ = static_cast<std::int64_t>(in_.tellg());
    in_.seekg(0);
    if (!in_ || size_ < 0) throw std::runtime_error("Cannot read file " + path.string());
  }

  std::size_t Read(void* buffer, std::size_t count) override {
    in_.read(static_cast<char*>(buffer), static_cast<std::streamsize>(count));
    if (in_.bad()) throw std::runtime_error("Cannot read file " + path_.string());
    const auto got = static_cast<std::size_t>(in_.gcount());
    in_.clear();
    position_ += static_cast<std::int64_t>(got);
    return got;
  }
  void Write(const void*, std::size_t) override { throw std::logic_error("InputFileStream is read-only"); }
  std::int64_t Position() const override { return position_; }
  void Seek(std::int64_t position) override {
    in_.seekg(position);
    position_ = position;
  }
  std::int64_t Size() const override { return size_; }

 private:
  std::ifstream in_;
  std::filesystem::path path_;
  std::int64_t size_ = 0;
  std::int64_t position_ = 0;
};

}  // namespace

void FileSourceWriter::Write(const std::string& componentName, const std::string& fileName, bool compress,
                             const ExistsCheck& exists, const Opener& open, ByteStream& out) {
  if (!exists(fileName)) throw MissingFileError(componentName, fileName);
  const std::unique_ptr<ByteStream> file = open(fileName);
  FileData::Encode(*file, file->Size(), compress, out);
}

std::vector<std::uint8_t> FileSourceWriter::WriteFromFolder(const std::filesystem::path& folder,
                                                            const std::string& componentName,
                                                            const std::string& fileName, bool compress) {
  auto resolve = [&folder](const std::string& name) {
    std::string portable = name;
    std::replace(portable.begin(), portable.end(), '\\', '/');
    return folder / std::filesystem::path(portable);
  };
  MemoryByteStream out;
  Write(
      componentName, fileName, compress,
      [&resolve](const std::string& name) {
        std::error_code ignored;
        return std::filesystem::is_regular_file(resolve(name), ignored);
      },
      [&resolve](const std::string& name) -> std::unique_ptr<ByteStream> {
        return std::make_unique<InputFileStream>(resolve(name));
      },
      out);
  return out.Data();
}

void FileSourceWriter::InstallCompilerHook(const std::filesystem::path& folder) {
  DefinitionCompiler::FileDataHook() = [folder](const std::string& component, const std::string& fileName,
                                                bool compress) {
    return WriteFromFolder(folder, component, fileName, compress);
  };
}

}  // namespace core
