#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/ByteStream.h"
#include "framework/Component.h"

// Carries a whole file inside its window's stored definition ("FileData") and, when the window
// is loaded, writes it back to a new temporary file that it owns and deletes again.
//
// The temporary file is held open with delete-on-close from the moment its name is reserved, so
// it vanishes however the program ends, killed included. The hold lets others read and write the
// file (Preview copies it) but not delete or rename it while the component owns it.
class TFileSource : public ui::TComponent {
 public:
  explicit TFileSource(ui::TComponent* owner);
  ~TFileSource() override;
  const char* ClassName() const override { return "TFileSource"; }
  const ui::PropertyTable& Published() const override;

  bool Compress() const { return compress_; }
  void SetCompress(bool value);
  const std::string& DisplayLabel() const { return displayLabel_; }
  void SetDisplayLabel(const std::string& value) { displayLabel_ = value; }
  const std::string& Extension() const { return extension_; }
  void SetExtension(const std::string& value) { extension_ = value; }
  // The current file, or "" when no file of that name exists now.
  std::string FileName() const;
  void SetFileName(const std::string& value);
  bool Store() const { return store_; }
  void SetStore(bool value) { store_ = value; }
  bool OwnsFile() const { return ownsFile_; }
  // Why the temporary file could not be made at load (the folder named), or "".
  const std::string& Problem() const { return problem_; }
  // The file to copy from (UTF-8): the temporary file, made again from the stored bytes when it
  // could not be made at load; raises the problem, naming the folder, when it still cannot.
  std::string ProvideFile();

  // Loading: writes the stored bytes (exactly the "FileData" value) to a new temporary file.
  virtual void ReadFileData(core::ByteStream& stream);
  // Saving: appends the "FileData" value of the current file to stream.
  virtual void WriteFileData(core::ByteStream& stream);

  bool SetProperty(std::string_view name, const core::PropertyValue& value, ui::LoadContext& context) override;

 protected:
  // <temp folder>\~fs<seconds><n><Extension>, created empty so nobody else takes it, and held.
  // Raises a message naming the folder when it cannot be made.
  std::string NewTempFileName();

 private:
  void DeleteOwnedFile();
  // Writes the stored bytes to a new temporary file, which becomes the current file.
  void WriteOut();

  // The delete-on-close handle of the owned temporary file; closing it deletes the file.
  struct HeldFile {
    void* handle = nullptr;
    HeldFile() = default;
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    ~HeldFile() { Release(); }
    void Release();
  };

  bool compress_ = false;
  std::string displayLabel_;
  std::string extension_;
  std::string fileName_;
  bool store_ = false;
  bool ownsFile_ = false;
  HeldFile held_;
  std::optional<std::vector<std::uint8_t>> bytes_;  // what "FileData" held, once loaded
  std::string problem_;
};
