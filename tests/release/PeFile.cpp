#include "tests/release/PeFile.h"

#include <windows.h>

#include <cstring>
#include <stdexcept>

namespace testsupport {

template <typename T>
T PeFile::Read(std::size_t offset) const {
  if (offset > bytes_.size() || bytes_.size() - offset < sizeof(T)) throw std::runtime_error("truncated image");
  T value;
  std::memcpy(&value, bytes_.data() + offset, sizeof(T));
  return value;
}

std::size_t PeFile::OffsetOf(std::uint32_t rva) const {
  for (const Section& s : layout_) {
    const std::uint32_t size = s.virtualSize ? s.virtualSize : s.rawSize;
    if (rva >= s.virtualAddress && rva - s.virtualAddress < size && rva - s.virtualAddress < s.rawSize)
      return s.rawOffset + (rva - s.virtualAddress);
  }
  throw std::runtime_error("address outside every section");
}

std::string PeFile::StringAt(std::uint32_t rva) const {
  const std::size_t start = OffsetOf(rva);
  const std::size_t end = bytes_.find('\0', start);
  if (end == std::string::npos) throw std::runtime_error("unterminated name");
  return bytes_.substr(start, end - start);
}

PeFile::PeFile(std::string bytes) : bytes_(std::move(bytes)) {
  const auto dos = Read<IMAGE_DOS_HEADER>(0);
  if (dos.e_magic != IMAGE_DOS_SIGNATURE) throw std::runtime_error("no MZ header");
  const std::size_t nt = static_cast<std::size_t>(dos.e_lfanew);
  const auto headers = Read<IMAGE_NT_HEADERS64>(nt);
  if (headers.Signature != IMAGE_NT_SIGNATURE || headers.OptionalHeader.Magic != IMAGE_NT_OPTIONAL_HDR64_MAGIC)
    throw std::runtime_error("not a PE32+ image");
  symbolTable_ = headers.FileHeader.PointerToSymbolTable;
  symbolCount_ = headers.FileHeader.NumberOfSymbols;

  const std::size_t table = nt + offsetof(IMAGE_NT_HEADERS64, OptionalHeader) + headers.FileHeader.SizeOfOptionalHeader;
  for (WORD i = 0; i < headers.FileHeader.NumberOfSections; ++i) {
    const auto header = Read<IMAGE_SECTION_HEADER>(table + i * sizeof(IMAGE_SECTION_HEADER));
    const char* name = reinterpret_cast<const char*>(header.Name);
    sections_.emplace_back(name, strnlen(name, IMAGE_SIZEOF_SHORT_NAME));
    layout_.push_back({header.VirtualAddress, header.Misc.VirtualSize, header.PointerToRawData, header.SizeOfRawData});
  }

  const auto& directories = headers.OptionalHeader.DataDirectory;
  if (const DWORD rva = directories[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress) {
    for (std::size_t at = OffsetOf(rva);; at += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
      const auto entry = Read<IMAGE_IMPORT_DESCRIPTOR>(at);
      if (entry.Name == 0) break;
      imports_.push_back(StringAt(entry.Name));
    }
  }
  if (const DWORD rva = directories[IMAGE_DIRECTORY_ENTRY_DELAY_IMPORT].VirtualAddress) {
    for (std::size_t at = OffsetOf(rva);; at += sizeof(IMAGE_DELAYLOAD_DESCRIPTOR)) {
      const auto entry = Read<IMAGE_DELAYLOAD_DESCRIPTOR>(at);
      if (entry.DllNameRVA == 0) break;
      imports_.push_back(StringAt(entry.DllNameRVA));
    }
  }
}

}  // namespace testsupport
