#include "filesource/TFileSource.h"

#include <windows.h>

#include "core/EnumNames.h"
#include "core/FileData.h"
#include "core/FileErrorText.h"
#include "core/FileSourceWriter.h"
#include "core/TempFileNaming.h"
#include "core/WindowsFileName.h"
#include "filesource/TCompressStream.h"
#include "framework/PropertyTable.h"
#include "system/Exceptions.h"
#include "system/FileStream.h"
#include "system/Platform.h"
#include "system/WideText.h"

namespace {

// Far more than one folder ever holds for one second's base name.
constexpr int kMaxTempNumbers = 100000;
// The widest number a temporary name is given, for the length check made before the search.
constexpr std::size_t kNumberRoom = 5;

bool FileExists(const std::string& name) {
  if (name.empty()) return false;
  const DWORD attributes = GetFileAttributesW(ui::WideText::FromUtf8(name).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// What the store says when its folder cannot take its file; the folder comes from TMP or TEMP.
std::string FolderProblem(DWORD code, const std::string& folder) {
  if (code == ERROR_PATH_NOT_FOUND || code == ERROR_FILE_NOT_FOUND || code == ERROR_INVALID_NAME)
    return "The temporary folder " + folder + " is missing, so the preview's companion files cannot be made there. "
           "Create it, or point TMP and TEMP at a folder that exists, then try again";
  return "The temporary folder " + folder + " cannot take the preview's companion files: " +
         core::FileErrorText::Reason(static_cast<int>(code)) +
         ". Make room there or point TMP and TEMP at another folder, then try again";
}

[[noreturn]] void Refuse(DWORD code, const std::string& folder) { throw ui::Exception(FolderProblem(code, folder)); }

}  // namespace

TFileSource::TFileSource(ui::TComponent* owner) : ui::TComponent(owner) {}

TFileSource::~TFileSource() { DeleteOwnedFile(); }

void TFileSource::SetCompress(bool value) {
  compress_ = value;
  if (value) store_ = true;
}

std::string TFileSource::FileName() const { return FileExists(fileName_) ? fileName_ : std::string(); }

void TFileSource::SetFileName(const std::string& value) {
  DeleteOwnedFile();
  fileName_ = value;
  ownsFile_ = false;
  bytes_.reset();
  problem_.clear();
  extension_ = core::TempFileNaming::ExtensionOf(value);
}

void TFileSource::HeldFile::Release() {
  if (handle) ui::Platform::Current().CloseFile(handle);
  handle = nullptr;
}

void TFileSource::DeleteOwnedFile() {
  if (!ownsFile_) return;
  held_.Release();
  DeleteFileW(ui::WideText::FromUtf8(fileName_).c_str());
}

std::string TFileSource::NewTempFileName() {
  ui::Platform& platform = ui::Platform::Current();
  const int seconds = platform.TimeOfDay().wSecond;
  const std::string folder = platform.TempPath();
  if (folder.empty()) {
    throw ui::Exception("Windows names no temporary folder (" + core::FileErrorText::Reason(static_cast<int>(GetLastError())) +
                        "), so the preview's companion files cannot be made. Point TMP and TEMP at a folder that "
                        "exists, then try again");
  }
  const std::string base = core::TempFileNaming::TempBase(folder, seconds);
  const std::size_t longest = core::WindowsFileName::WindowsLength(base) + kNumberRoom +
                              core::WindowsFileName::WindowsLength(extension_);
  if (longest > core::WindowsFileName::kMaxPath) {
    throw ui::Exception("The temporary folder " + folder + " is longer than Windows allows for a file's path (" +
                        std::to_string(core::WindowsFileName::kMaxPath) +
                        " characters), so the preview's companion files cannot be made there. Point TMP and TEMP at "
                        "a shorter folder, then try again");
  }
  HANDLE held = nullptr;
  DWORD refusal = 0;
  // Only "it exists" sends the search on; any other refusal ends it with the folder named.
  std::string name = core::TempFileNaming::NextTempFileName(
      base, extension_,
      [&](const std::string& candidate) {
        HANDLE file = platform.CreateFileAt(ui::WideText::FromUtf8(candidate), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                            CREATE_NEW, FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE);
        if (file != INVALID_HANDLE_VALUE) {
          held = file;
          return true;
        }
        refusal = GetLastError();
        return refusal != ERROR_FILE_EXISTS && refusal != ERROR_ALREADY_EXISTS;
      },
      kMaxTempNumbers);
  if (!held) Refuse(refusal, folder.substr(0, folder.size() - (folder.back() == '\\' ? 1 : 0)));
  held_.Release();
  held_.handle = held;
  return name;
}

// The reserved file is held with delete-on-close: every failure below that releases it takes
// the file with it.
void TFileSource::WriteOut() {
  const std::string name = NewTempFileName();
  const std::string folder = core::FileErrorText::FolderOf(name);
  ui::Platform& platform = ui::Platform::Current();
  HANDLE file = platform.CreateFileAt(ui::WideText::FromUtf8(name), GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, OPEN_EXISTING, 0);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    held_.Release();
    Refuse(error, folder);
  }
  const std::vector<std::uint8_t>& bytes = *bytes_;
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD written = 0;
    if (!platform.WriteFile(file, bytes.data() + done, static_cast<DWORD>(bytes.size() - done), written) || written == 0) {
      const DWORD error = written == 0 && GetLastError() == 0 ? ERROR_DISK_FULL : GetLastError();
      platform.CloseFile(file);
      held_.Release();
      Refuse(error, folder);
    }
    done += written;
  }
  if (!platform.CloseFile(file)) {
    const DWORD error = GetLastError();
    held_.Release();
    Refuse(error, folder);
  }
  fileName_ = name;
  ownsFile_ = true;
}

// The stored bytes are kept: a temporary folder that cannot take them now (missing, read-only,
// full) does not stop the window from loading, and Preview asks again when it needs the file.
void TFileSource::ReadFileData(core::ByteStream& stream) {
  DeleteOwnedFile();
  core::MemoryByteStream decoded;
  if (compress_) {
    TCompressStream().DecompressStream(stream, decoded);
  } else {
    core::FileData::Decode(stream, false, decoded);
  }
  bytes_ = decoded.TakeData();
  fileName_.clear();
  ownsFile_ = false;
  try {
    WriteOut();
    problem_.clear();
  } catch (const std::exception& e) {
    problem_ = e.what();
  }
}

std::string TFileSource::ProvideFile() {
  if (!bytes_ || FileExists(fileName_)) return FileName();
  DeleteOwnedFile();
  try {
    WriteOut();
    problem_.clear();
  } catch (const std::exception& e) {
    problem_ = e.what();
    throw ui::Exception(problem_);
  }
  return fileName_;
}

void TFileSource::WriteFileData(core::ByteStream& stream) {
  core::FileSourceWriter::Write(
      Name(), fileName_, compress_, FileExists,
      [](const std::string& name) -> std::unique_ptr<core::ByteStream> {
        return std::make_unique<ui::TFileStream>(name, ui::TFileStream::Mode::OpenRead);
      },
      stream);
}

// The stored file comes as "FileData", which the definitions never name.
bool TFileSource::SetProperty(std::string_view name, const core::PropertyValue& value, ui::LoadContext& context) {
  if (name != "FileData") return ui::TComponent::SetProperty(name, value, context);
  if (value.type != core::ValueType::Binary) throw ui::Exception("Invalid property value");
  core::MemoryByteStream data(value.bytes);
  ReadFileData(data);
  return true;
}

const ui::PropertyTable& TFileSource::Published() const {
  using C = TFileSource;
  static const ui::PropertyTable table{
#include "filesource/TFileSource.props"
  };
  return table;
}
