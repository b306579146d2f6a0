#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <optional>

#include "core/ComponentDef.h"
#include "core/FileData.h"
#include "filesource/TCompressStream.h"
#include "filesource/TFileSource.h"
#include "framework/DefinitionLoader.h"
#include "framework/Form.h"
#include "system/WideText.h"
#include "tests/support/FileBytes.h"
#include "tests/support/WindowTest.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

class HostForm : public ui::TForm {
 public:
  using ui::TForm::TForm;
  const char* ClassName() const override { return "THostForm"; }
};

struct StoredSource {
  std::string name = "enscript";
  std::string extension = ".js";
  bool compress = false;
  std::optional<bool> store = true;
  std::optional<std::string> fileName;
  std::optional<Bytes> fileData;  // the "FileData" value as stored
};

Bytes Text(std::string_view s) { return Bytes(s.begin(), s.end()); }

Bytes Noise(std::size_t n) {
  Bytes b(n);
  std::uint32_t x = 2463534242u;
  for (auto& v : b) {
    x ^= x << 13, x ^= x >> 17, x ^= x << 5;
    v = static_cast<std::uint8_t>(x);
  }
  return b;
}

bool Exists(const std::string& name) { return GetFileAttributesA(name.c_str()) != INVALID_FILE_ATTRIBUTES; }

Bytes Contents(const std::string& name) {
  const std::string bytes = testsupport::FileBytes(name);
  return Bytes(bytes.begin(), bytes.end());
}

void Put(const std::string& name, const Bytes& bytes) {
  std::ofstream out(name, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

class FileSourceTest : public testsupport::WindowTest {
 protected:
  FileSourceTest() {
    char buffer[MAX_PATH + 1];
    GetTempPathA(MAX_PATH, buffer);
    folder = std::string(buffer) + "skylatch-fs-" + std::to_string(GetCurrentProcessId()) + "-" +
             std::to_string(GetTickCount()) + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    platform.tempPath = folder;
    platform.steerTime = true;
    platform.time.wHour = 12;
    platform.time.wMinute = 30;
    platform.time.wSecond = 7;
  }

  ~FileSourceTest() override {
    form.reset();
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do DeleteFileA((folder + found.cFileName).c_str());
      while (FindNextFileA(search, &found));
      FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
  }

  static core::ComponentDef SourceDef(const StoredSource& s) {
    core::ComponentDef def{"TFileSource", s.name, {}, {}};
    def.properties.emplace_back("Compress", core::PropertyValue::Bool(s.compress));
    def.properties.emplace_back("Extension", core::PropertyValue::Str(s.extension));
    if (s.fileName) def.properties.emplace_back("FileName", core::PropertyValue::Str(*s.fileName));
    if (s.store) def.properties.emplace_back("Store", core::PropertyValue::Bool(*s.store));
    if (s.fileData) def.properties.emplace_back("FileData", core::PropertyValue::Raw(*s.fileData));
    return def;
  }

  static StoredSource Storing(const Bytes& file, bool compress = false, std::string extension = ".js") {
    StoredSource s;
    s.compress = compress;
    s.extension = std::move(extension);
    s.fileData = core::FileData::Encode(file, compress);
    return s;
  }

  // Loads a window holding the sources into form; returns the first source.
  TFileSource& Load(std::initializer_list<StoredSource> sources) {
    core::ComponentDef window{"THostForm", "Host", {}, {}};
    for (const auto& s : sources) window.children.push_back(SourceDef(s));
    form = std::make_unique<HostForm>(nullptr);
    ui::DefinitionLoader::Load(*form, window);
    return Source(sources.begin()->name);
  }

  TFileSource& Source(const std::string& name) const {
    auto* source = dynamic_cast<TFileSource*>(form->FindComponent(name));
    if (!source) throw std::runtime_error("no file source " + name);
    return *source;
  }

  std::string LoadError(const StoredSource& s) {
    try {
      Load({s});
    } catch (const std::exception& e) {
      return e.what();
    }
    return "(no error)";
  }

  std::string folder;
  std::unique_ptr<HostForm> form;
};

TEST_F(FileSourceTest, LoadingWritesTheStoredBytesToANewTemporaryFile) {
  const Bytes script = Text("// endu\r\ndocument.write('<title>Skylatch! Preview</title>');\r\n\xF3\x00\xFF");
  TFileSource& s = Load({Storing(script)});
  EXPECT_EQ(s.FileName(), folder + "~fs70.js");
  EXPECT_TRUE(s.OwnsFile());
  EXPECT_EQ(s.Extension(), ".js");
  EXPECT_EQ(Contents(s.FileName()), script);

  // The component hands back exactly what it was loaded from.
  core::MemoryByteStream saved;
  s.WriteFileData(saved);
  EXPECT_EQ(saved.Data(), core::FileData::Encode(script, false));
}

TEST_F(FileSourceTest, TemporaryNamesTakeTheSecondsAndTheFirstFreeNumber) {
  struct Case {
    WORD second;
    std::string tempPath;  // "" for the test folder as the system returns it
    std::string expected;
  };
  const std::string bare = folder.substr(0, folder.size() - 1);
  for (const Case& c : {Case{0, "", "~fs00.htm"}, Case{59, "", "~fs590.htm"}, Case{7, bare, "~fs70.htm"}}) {
    platform.time.wSecond = c.second;
    platform.tempPath = c.tempPath.empty() ? folder : c.tempPath;
    EXPECT_EQ(Load({Storing(Text("x"), false, ".htm")}).FileName(), folder + c.expected) << c.second << c.tempPath;
    form.reset();
  }

  // A name already taken, by another run or a component of the same window, is passed over
  // and left as it was.
  platform.tempPath = folder;
  platform.time.wSecond = 7;
  Put(folder + "~fs70.js", Text("earlier run"));
  StoredSource second = Storing(Text("second"));
  second.name = "enpreview";
  TFileSource& first = Load({Storing(Text("first")), second});
  EXPECT_EQ(first.FileName(), folder + "~fs71.js");
  EXPECT_EQ(Source("enpreview").FileName(), folder + "~fs72.js");
  EXPECT_EQ(Contents(folder + "~fs70.js"), Text("earlier run"));
  EXPECT_EQ(Contents(folder + "~fs72.js"), Text("second"));
}

TEST_F(FileSourceTest, StoredFilesOfEverySizeComeBackExactly) {
  const Bytes page = Text(std::string(40000, 'a') + "<p>\r\n");
  for (const Bytes& file : {Bytes{}, Bytes{0}, Noise(32783), Noise(100000), page}) {
    for (bool compress : {false, true}) {
      TFileSource& s = Load({Storing(file, compress)});
      ASSERT_TRUE(Exists(s.FileName())) << file.size() << compress;
      EXPECT_EQ(Contents(s.FileName()), file) << file.size() << compress;
      form.reset();
    }
  }
}

TEST_F(FileSourceTest, CompressedSaveAndLoadThroughTheComponent) {
  const Bytes page = Text(std::string(70000, 'p'));
  Put(folder + "page.htm", page);
  TFileSource writer(nullptr);
  writer.SetName("enpreview");
  writer.SetFileName(folder + "page.htm");
  writer.SetCompress(true);
  core::MemoryByteStream stored;
  writer.WriteFileData(stored);
  EXPECT_EQ(std::string(stored.Data().begin(), stored.Data().begin() + 6), "PMCS10");
  EXPECT_LT(stored.Data().size(), page.size() / 10);

  StoredSource s;
  s.compress = true;
  s.extension = ".htm";
  s.fileData = stored.Data();
  EXPECT_EQ(Contents(Load({s}).FileName()), page);

  TCompressStream codec;
  EXPECT_EQ(std::string(codec.Signature, sizeof codec.Signature), "PMCS10");
}

TEST_F(FileSourceTest, SavingAMissingFileNamesTheComponentAndTheFile) {
  TFileSource s(nullptr);
  s.SetName("enscript");
  s.SetFileName(folder + "endu.js");
  s.SetStore(true);
  core::MemoryByteStream stored;
  try {
    s.WriteFileData(stored);
    FAIL() << "no error";
  } catch (const std::exception& e) {
    EXPECT_EQ(std::string(e.what()), "enscript cannot store file: " + folder + "endu.js (file is missing)");
  }
  EXPECT_EQ(stored.Size(), 0);
}

TEST_F(FileSourceTest, TheHeldTemporaryFileCanBeReadAndCopiedButNotDeletedFromOutside) {
  const Bytes stored = Text("<html>held</html>");
  TFileSource& s = Load({Storing(stored, false, ".htm")});
  const std::string name = s.FileName();
  ASSERT_FALSE(name.empty());
  EXPECT_EQ(Contents(name), stored);
  ASSERT_TRUE(CopyFileA(name.c_str(), (folder + "copy.htm").c_str(), TRUE));
  EXPECT_EQ(Contents(folder + "copy.htm"), stored);
  EXPECT_FALSE(DeleteFileA(name.c_str()));
  EXPECT_FALSE(MoveFileA(name.c_str(), (folder + "moved.htm").c_str()));
  EXPECT_EQ(s.FileName(), name);
  form.reset();
  EXPECT_FALSE(Exists(name));
  EXPECT_TRUE(Exists(folder + "copy.htm"));
}

TEST_F(FileSourceTest, AssigningFileNameDropsTheTemporaryFileAndTakesItsExtension) {
  TFileSource& s = Load({Storing(Text("abc"))});
  const std::string temp = s.FileName();
  const std::string outside = folder + "page.tar.gz";
  Put(outside, Text("kept"));

  s.SetFileName(outside);
  EXPECT_FALSE(Exists(temp));
  EXPECT_FALSE(s.OwnsFile());
  EXPECT_EQ(s.FileName(), outside);
  EXPECT_EQ(s.Extension(), ".gz");

  // A name given from outside is never the component's to delete.
  s.SetFileName("C:\\data.v2\\readme");
  EXPECT_TRUE(Exists(outside));
  EXPECT_EQ(s.Extension(), "");
  EXPECT_EQ(s.FileName(), "");
  s.SetFileName("README");
  EXPECT_EQ(s.Extension(), "");
  s.SetFileName("c:notes.txt");
  EXPECT_EQ(s.Extension(), ".txt");
  s.SetFileName("d:\\trail.");
  EXPECT_EQ(s.Extension(), ".");
  s.SetFileName("d:\\x." + std::string(300, 'e'));
  EXPECT_EQ(s.Extension(), "." + std::string(254, 'e'));
  form.reset();
  EXPECT_TRUE(Exists(outside));
}

TEST_F(FileSourceTest, CompressTurnsStoreOnButNotOff) {
  TFileSource s(nullptr);
  EXPECT_FALSE(s.Store());
  s.SetCompress(true);
  EXPECT_TRUE(s.Store());
  s.SetCompress(false);
  EXPECT_TRUE(s.Store());
  s.SetStore(false);
  EXPECT_FALSE(s.Compress());

  // A definition that says only Compress = True loads as stored.
  StoredSource packed = Storing(Text("z"), true);
  packed.store.reset();
  TFileSource& loaded = Load({packed});
  EXPECT_TRUE(loaded.Store());
  EXPECT_EQ(Contents(loaded.FileName()), Text("z"));
}

TEST_F(FileSourceTest, UnstoredSourceNamesItsExternalFile) {
  const std::string outside = folder + "preview.htm";
  Put(outside, Text("<html>"));
  StoredSource s;
  s.extension = ".js";
  s.store = false;
  s.fileName = outside;
  TFileSource& loaded = Load({s});
  EXPECT_EQ(loaded.FileName(), outside);
  EXPECT_EQ(loaded.Extension(), ".htm");  // the name's own, as its setter makes it
  EXPECT_FALSE(loaded.Store());
  EXPECT_FALSE(loaded.OwnsFile());
  EXPECT_FALSE(Exists(folder + "~fs70.js"));

  core::MemoryByteStream saved;
  loaded.WriteFileData(saved);
  EXPECT_EQ(saved.Data(), core::FileData::Encode(Text("<html>"), false));

  form.reset();
  EXPECT_TRUE(Exists(outside));
  ASSERT_TRUE(DeleteFileA(outside.c_str()));
  EXPECT_EQ(Load({s}).FileName(), "");
}

TEST_F(FileSourceTest, TemporaryFilesGoWithTheirComponentAndWindow) {
  StoredSource preview = Storing(Text("<html>"), false, ".htm");
  preview.name = "enpreview";
  StoredSource script = Storing(Text("var x;"));
  Load({script, preview});
  const std::string scriptFile = Source("enscript").FileName();
  const std::string previewFile = Source("enpreview").FileName();
  ASSERT_TRUE(Exists(scriptFile) && Exists(previewFile));

  delete &Source("enscript");
  EXPECT_FALSE(Exists(scriptFile));
  EXPECT_TRUE(Exists(previewFile));
  form.reset();
  EXPECT_FALSE(Exists(previewFile));
}

TEST_F(FileSourceTest, DamagedDataStopsTheLoadAndLeavesTheFileClosed) {
  const Bytes packed = core::FileData::Encode(Noise(5000), true);
  Bytes foreign = packed;
  foreign[5] = '1';
  struct Case {
    bool compress;
    Bytes data;
    std::string message;
  };
  for (const Case& c : {Case{true, foreign, "Wrong file type"},
                        Case{true, Bytes(packed.begin(), packed.end() - 1), "Stream read error"},
                        Case{true, Bytes(packed.begin(), packed.begin() + 3), "Stream read error"},
                        Case{false, Bytes{10, 0, 0, 0, 'a', 'b', 'c'}, "Stream read error"},
                        Case{false, Bytes{5, 0}, "Stream read error"}}) {
    StoredSource s;
    s.compress = c.compress;
    s.fileData = c.data;
    EXPECT_EQ(LoadError(s), c.message) << c.data.size();
    // Loading stopped with the reserved file closed and gone, while the window still exists.
    EXPECT_FALSE(Exists(folder + "~fs70.js")) << c.data.size();
    form.reset();
  }
}

// The window loads whatever the temporary folder is; the file is asked for again when needed,
// and made once the folder is there.
TEST_F(FileSourceTest, AMissingTemporaryFolderIsReportedWhenTheFileIsNeededAndTheFileMadeOnceItIsThere) {
  const std::string missing = folder + "\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD \xF0\x9F\x98\x80\\";
  platform.tempPath = missing;
  TFileSource& s = Load({Storing(Text("abc"))});
  EXPECT_EQ(s.FileName(), "");
  const std::string problem = "The temporary folder " + missing.substr(0, missing.size() - 1) +
                              " is missing, so the preview's companion files cannot be made there. Create it, or "
                              "point TMP and TEMP at a folder that exists, then try again";
  EXPECT_EQ(s.Problem(), problem);
  try {
    s.ProvideFile();
    ADD_FAILURE() << "no problem reported";
  } catch (const std::exception& e) {
    EXPECT_EQ(e.what(), problem);
  }
  ASSERT_TRUE(CreateDirectoryW(ui::WideText::FromUtf8(missing).c_str(), nullptr));
  const std::string made = s.ProvideFile();
  EXPECT_EQ(made, missing + "~fs70.js");
  EXPECT_EQ(testsupport::FileBytes(ui::WideText::FromUtf8(made)), "abc");
  EXPECT_EQ(s.Problem(), "");
  form.reset();
  EXPECT_EQ(GetFileAttributesW(ui::WideText::FromUtf8(made).c_str()), INVALID_FILE_ATTRIBUTES);
  RemoveDirectoryW(ui::WideText::FromUtf8(missing).c_str());
}

}  // namespace
