#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace testsupport {

// What a test needs from a 64-bit Windows executable, read from its bytes: the DLLs it imports
// (delay-loaded ones included), its section names and whether a symbol table remains.
class PeFile {
 public:
  // Throws std::runtime_error when the bytes are not a well-formed PE32+ image.
  explicit PeFile(std::string bytes);

  const std::vector<std::string>& ImportedDlls() const { return imports_; }
  const std::vector<std::string>& SectionNames() const { return sections_; }
  bool HasSymbolTable() const { return symbolTable_ != 0 || symbolCount_ != 0; }

 private:
  struct Section {
    std::uint32_t virtualAddress, virtualSize, rawOffset, rawSize;
  };
  std::size_t OffsetOf(std::uint32_t rva) const;
  std::string StringAt(std::uint32_t rva) const;
  template <typename T>
  T Read(std::size_t offset) const;

  std::string bytes_;
  std::vector<Section> layout_;
  std::vector<std::string> imports_;
  std::vector<std::string> sections_;
  std::uint32_t symbolTable_ = 0, symbolCount_ = 0;
};

}  // namespace testsupport
