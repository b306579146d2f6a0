#include "filesource/TFileSource.h"

#include <windows.h>

#include "core/FileData.h"
#include "core/FileSourceWriter.h"
#include "core/TempFileNaming.h"
#include "filesource/TCompressStream.h"
#include "framework/Exceptions.h"
#include "framework/FileStream.h"
#include "framework/Platform.h"

namespace {

// Far more than one folder ever holds for one second's base name.
constexpr int kMaxTempNumbers = 100000;

bool FileExists(const std::string& name) {
  const DWORD attributes = GetFileAttributesA(name.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// Creates the file empty unless it exists, and keeps it open with delete-on-close in held. Only
// "it exists" sends the search on; any other failure keeps the name, and opening it afterwards
// reports the file that could not be made.
bool ReserveName(const std::string& name, HANDLE& held) {
  HANDLE file = CreateFileA(name.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    held = file;
    return true;
  }
  const DWORD error = GetLastError();
  return error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS;
}

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
  extension_ = core::TempFileNaming::ExtensionOf(value);
}

void TFileSource::HeldFile::Release() {
  if (handle) CloseHandle(handle);
  handle = nullptr;
}

void TFileSource::DeleteOwnedFile() {
  if (!ownsFile_) return;
  held_.Release();
  DeleteFileA(fileName_.c_str());
}

std::string TFileSource::NewTempFileName() {
  const int seconds = ui::Platform::Current().TimeOfDay().wSecond;
  const std::string base = core::TempFileNaming::TempBase(ui::Platform::Current().TempPath(), seconds);
  HANDLE held = nullptr;
  std::string name = core::TempFileNaming::NextTempFileName(
      base, extension_, [&held](const std::string& candidate) { return ReserveName(candidate, held); },
      kMaxTempNumbers);
  held_.Release();
  held_.handle = held;
  return name;
}

void TFileSource::ReadFileData(core::ByteStream& stream) {
  DeleteOwnedFile();
  fileName_ = NewTempFileName();
  ownsFile_ = true;
  try {
    ui::TFileStream file(fileName_, ui::TFileStream::Mode::OpenWrite);
    if (compress_) {
      TCompressStream().DecompressStream(stream, file);
    } else {
      core::FileData::Decode(stream, false, file);
    }
  } catch (...) {
    // A load that fails takes its reserved file with it.
    held_.Release();
    throw;
  }
}

void TFileSource::WriteFileData(core::ByteStream& stream) {
  core::FileSourceWriter::Write(
      Name(), fileName_, compress_, FileExists,
      [](const std::string& name) -> std::unique_ptr<core::ByteStream> {
        return std::make_unique<ui::TFileStream>(name, ui::TFileStream::Mode::OpenRead);
      },
      stream);
}

bool TFileSource::SetProperty(std::string_view name, const core::PropertyValue& value, ui::LoadContext& context) {
  if (name == "Compress") {
    SetCompress(ui::BoolValue(value));
  } else if (name == "DisplayLabel") {
    SetDisplayLabel(ui::StringValue(value));
  } else if (name == "Extension") {
    SetExtension(ui::StringValue(value));
  } else if (name == "FileName") {
    SetFileName(ui::StringValue(value));
  } else if (name == "Store") {
    SetStore(ui::BoolValue(value));
  } else if (name == "FileData") {
    if (value.type != core::ValueType::Binary) throw ui::Exception("Invalid property value");
    core::MemoryByteStream data(value.bytes);
    ReadFileData(data);
  } else {
    return ui::TComponent::SetProperty(name, value, context);
  }
  return true;
}
