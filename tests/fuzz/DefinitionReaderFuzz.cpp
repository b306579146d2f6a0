// Window definitions are read from the executable's resources, so whatever the bytes hold the
// reader must end in a definition or a StreamError: no crash, no read past the data, no runaway
// recursion or allocation. A definition it accepts must come back unchanged after a rewrite.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "core/DefinitionStream.h"
#include "core/StreamError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  core::ComponentDef root;
  try {
    root = core::DefinitionStream::Read(std::span<const std::uint8_t>(data, size));
  } catch (const core::StreamError&) {
    return 0;
  }
  if (core::DefinitionStream::Read(core::DefinitionStream::Write(root)) != root) std::abort();
  return 0;
}
