// Open reads whatever file the user points it at, so any bytes must end in settings or in
// Unreadable: no crash, no read past the data, no hang. What it reads back must be stable: the
// script Save writes for the settings read is read back into the same script.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/GeneratedCode.h"
#include "core/PopupFileReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  core::PopupFileReader::Result result;
  try {
    result = core::PopupFileReader::Read(std::string_view(reinterpret_cast<const char*>(data), size));
  } catch (const core::PopupFileReader::Unreadable&) {
    return 0;
  }
  core::PopupFileReader::Problems(result, {25, 0, 0, 0});
  // Only what a window could hold is saved again: no line breaks or other control characters.
  const core::PopupSettings& s = result.settings;
  for (const std::string* text : {&s.functionName, &s.windowName, &s.widthText, &s.heightText, &s.leftText, &s.topText})
    for (char c : *text)
      if (static_cast<unsigned char>(c) < 0x20) return 0;
  const core::GeneratedCode code(s, result.method.value_or(core::ActivationMethod::OnPageLoad),
                                 result.address.value_or(""));
  const core::GeneratedCode again(core::PopupFileReader::Read(code.Script()).settings, core::ActivationMethod::OnPageLoad, "");
  if (again.Script() != code.Script()) std::abort();
  return 0;
}
