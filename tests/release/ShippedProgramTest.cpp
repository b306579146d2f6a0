// The program as it ships (the release build packed into the download): what Windows reads from
// the file before it runs a line of it.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "tests/release/PeFile.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ProgramProcess.h"

using testsupport::PeFile;
using testsupport::ProgramProcess;

namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

// DLLs that every 64-bit Windows from 7 on carries in its system folder.
const std::set<std::string> kSystemDlls = {
    "kernel32.dll", "user32.dll",   "gdi32.dll",    "shell32.dll", "advapi32.dll", "comdlg32.dll",
    "comctl32.dll", "ole32.dll",    "oleaut32.dll", "shlwapi.dll", "msvcrt.dll",   "version.dll",
    "winmm.dll",    "msimg32.dll",  "uxtheme.dll",  "imm32.dll",   "ws2_32.dll",   "bcrypt.dll",
    "crypt32.dll",  "secur32.dll",  "userenv.dll",  "ntdll.dll"};

std::string VersionString(const std::vector<char>& info, const char* name) {
  char* value = nullptr;
  UINT length = 0;
  const std::string path = std::string("\\StringFileInfo\\040904E4\\") + name;
  if (!VerQueryValueA(info.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) || !value) return {};
  return std::string(value, strnlen(value, length));
}

}  // namespace

TEST(ShippedProgram, VersionResourceNamesTheProductAndItsVersion) {
  const std::string path = ProgramProcess::ExecutablePath();
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
  ASSERT_GT(size, 0u) << "no version resource in " << path;
  std::vector<char> info(size);
  ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, info.data()));

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
  EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(1, 1));  // 1.1
  EXPECT_EQ(fixed->dwFileVersionLS, 0u);
  EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(1, 1));
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

  struct Translation {
    WORD language, codePage;
  }* translation = nullptr;
  ASSERT_TRUE(VerQueryValueA(info.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length));
  ASSERT_GE(length, sizeof(Translation));
  EXPECT_EQ(translation->language, 0x0409);
  EXPECT_EQ(translation->codePage, 1252);

  EXPECT_EQ(VersionString(info, "ProductName"), "Skylatch!");
  EXPECT_EQ(VersionString(info, "ProductVersion"), "1.1");
  EXPECT_EQ(VersionString(info, "FileVersion"), "1.1");
  EXPECT_EQ(VersionString(info, "OriginalFilename"), "skylatch.exe");
  for (const char* name : {"FileDescription", "CompanyName", "LegalCopyright"}) {
    const std::string value = VersionString(info, name);
    std::cout << name << ": " << value << "\n";
    EXPECT_NE(value.find("Skylatch!"), std::string::npos) << name;
  }
}

TEST(ShippedProgram, ImportsOnlySystemDlls) {
  const PeFile image(testsupport::FileBytes(ProgramProcess::ExecutablePath()));
  std::cout << "Imported DLLs:";
  for (const std::string& dll : image.ImportedDlls()) std::cout << " " << dll;
  std::cout << "\n";
  std::set<std::string> imported;
  for (const std::string& dll : image.ImportedDlls()) imported.insert(Lower(dll));
  EXPECT_TRUE(imported.count("kernel32.dll"));
  EXPECT_TRUE(imported.count("user32.dll"));
  for (const std::string& dll : imported) EXPECT_TRUE(kSystemDlls.count(dll)) << dll << " is not part of Windows";
}

TEST(ShippedProgram, CarriesNoSymbolsOrDebugInformation) {
  const PeFile image(testsupport::FileBytes(ProgramProcess::ExecutablePath()));
  EXPECT_FALSE(image.HasSymbolTable());
  // Debug sections have long names, kept in the symbol table's strings ("/4" and the like).
  std::vector<std::string> debugSections;
  for (const std::string& name : image.SectionNames())
    if (name.starts_with(".debug") || name.starts_with("/")) debugSections.push_back(name);
  EXPECT_TRUE(debugSections.empty()) << debugSections.size() << " debug sections, the first " << debugSections[0];
}

TEST(ShippedProgram, ManifestAsksForNoElevationAndNoVisualStyles) {
  HMODULE module = LoadLibraryExA(ProgramProcess::ExecutablePath().c_str(), nullptr,
                                  LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(module, nullptr);
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));  // the manifest Windows reads
  ASSERT_NE(found, nullptr);
  const char* data = static_cast<const char*>(LockResource(LoadResource(module, found)));
  const std::string manifest(data, SizeofResource(module, found));
  FreeLibrary(module);

  EXPECT_NE(manifest.find("<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>"), std::string::npos);
  EXPECT_NE(manifest.find("version=\"1.1.0.0\""), std::string::npos);
  // Windows 10 and 11 only: the oldest Windows the program supports is Windows 10.
  EXPECT_NE(manifest.find("<supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\"/>"), std::string::npos);
  const auto entries = [&] {
    std::size_t count = 0;
    for (std::size_t at = manifest.find("<supportedOS "); at != std::string::npos; at = manifest.find("<supportedOS ", at + 1))
      ++count;
    return count;
  };
  EXPECT_EQ(entries(), 1u);
  // The classic edit and combo box: no dependency at all, so no Common Controls 6.
  EXPECT_EQ(manifest.find("<dependency"), std::string::npos);
  EXPECT_EQ(manifest.find("Common-Controls"), std::string::npos);
  // Scales itself on every monitor, with the system DPI as the fallback of older Windows.
  EXPECT_NE(manifest.find(">true/pm</dpiAware>"), std::string::npos);
  EXPECT_NE(manifest.find(">PerMonitorV2, PerMonitor</dpiAwareness>"), std::string::npos);
}
