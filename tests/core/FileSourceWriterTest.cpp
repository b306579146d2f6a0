#include "core/FileSourceWriter.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <random>

#include "SampleBytes.h"
#include "core/DefinitionCompiler.h"
#include "core/DefinitionStream.h"
#include "core/FileData.h"
#include "core/StreamError.h"
#include "tools/defc/PublishedClasses.h"

namespace core {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A file system of in-memory files that counts the files open at the moment.
struct FakeFiles {
  std::map<std::string, Bytes> files;
  int open = 0;
  int opened = 0;

  class File : public MemoryByteStream {
   public:
    File(Bytes data, int& open, std::int64_t claimedSize)
        : MemoryByteStream(std::move(data)), open_(open), claimedSize_(claimedSize) {
      ++open_;
    }
    ~File() override { --open_; }
    std::int64_t Size() const override { return claimedSize_ >= 0 ? claimedSize_ : MemoryByteStream::Size(); }

   private:
    int& open_;
    std::int64_t claimedSize_;
  };

  std::int64_t claimedSize = -1;  // a file that shrinks between its size and its reading

  Bytes Write(const std::string& component, const std::string& name, bool compress) {
    MemoryByteStream out;
    FileSourceWriter::Write(
        component, name, compress, [this](const std::string& n) { return files.contains(n); },
        [this](const std::string& n) -> std::unique_ptr<ByteStream> {
          ++opened;
          return std::make_unique<File>(files.at(n), open, claimedSize);
        },
        out);
    return out.Data();
  }
};

TEST(FileSourceWriter, MissingFileIsNamedWithTheComponentAndNeverOpened) {
  FakeFiles fs;
  try {
    fs.Write("enscript", "D:\\src\\endu.js", false);
    FAIL() << "no error";
  } catch (const MissingFileError& e) {
    EXPECT_STREQ(e.what(), "enscript cannot store file: D:\\src\\endu.js (file is missing)");
  }
  EXPECT_EQ(fs.opened, 0);
}

TEST(FileSourceWriter, StoresTheWholeFilePlainOrCompressed) {
  FakeFiles fs;
  fs.files["empty"] = {};
  fs.files["page"] = TextBytes(70000);
  EXPECT_EQ(fs.Write("s", "empty", false), (Bytes{0, 0, 0, 0}));

  const Bytes plain = fs.Write("s", "page", false);
  ASSERT_EQ(plain.size(), 4u + 70000u);
  EXPECT_EQ(Bytes(plain.begin(), plain.begin() + 4), (Bytes{0x70, 0x11, 0x01, 0x00}));
  EXPECT_EQ(Bytes(plain.begin() + 4, plain.end()), fs.files["page"]);

  const Bytes packed = fs.Write("s", "page", true);
  EXPECT_EQ(std::string(packed.begin(), packed.begin() + 6), "PMCS10");
  EXPECT_LT(packed.size(), plain.size());
  EXPECT_EQ(FileData::Decode(packed, true), fs.files["page"]);
  EXPECT_EQ(fs.open, 0);
}

TEST(FileSourceWriter, FileIsClosedWhenReadingItFails) {
  FakeFiles fs;
  fs.files["short"] = {1, 2, 3};
  fs.claimedSize = 10;
  for (bool compress : {false, true}) {
    EXPECT_THROW(fs.Write("s", "short", compress), StreamError);
    EXPECT_EQ(fs.open, 0);
  }
}

// Files of the host in a folder of their own, removed afterwards.
class FileSourceWriterFiles : public ::testing::Test {
 protected:
  std::filesystem::path folder;

  void SetUp() override {
    folder = std::filesystem::temp_directory_path() /
             ("skylatch-fs-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(folder / "sub");
  }
  void TearDown() override {
    DefinitionCompiler::FileDataHook() = nullptr;
    std::filesystem::remove_all(folder);
  }

  void Put(const std::string& relative, const Bytes& bytes) const {
    std::ofstream out(folder / relative, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }

  static std::string ErrorOf(const std::function<void()>& f) {
    try {
      f();
    } catch (const std::exception& e) {
      return e.what();
    }
    return "(no error)";
  }
};

TEST_F(FileSourceWriterFiles, ReadsRelativeToTheFolderWithEitherSlash) {
  const Bytes script = TextBytes(335);
  Put("sub/endu.js", script);
  Bytes expected{0x4F, 0x01, 0, 0};
  expected.insert(expected.end(), script.begin(), script.end());
  EXPECT_EQ(FileSourceWriter::WriteFromFolder(folder, "enscript", "sub\\endu.js", false), expected);
  EXPECT_EQ(FileSourceWriter::WriteFromFolder(folder, "enscript", "sub/endu.js", false), expected);

  const Bytes random = RandomBytes(40000, 7);
  Put("noise.bin", random);
  EXPECT_EQ(FileData::Decode(FileSourceWriter::WriteFromFolder(folder, "s", "noise.bin", true), true), random);
}

TEST_F(FileSourceWriterFiles, MissingFileOrAFolderInItsPlaceIsMissing) {
  EXPECT_EQ(ErrorOf([&] { FileSourceWriter::WriteFromFolder(folder, "enscript", "endu.js", false); }),
            "enscript cannot store file: endu.js (file is missing)");
  EXPECT_EQ(ErrorOf([&] { FileSourceWriter::WriteFromFolder(folder, "enpreview", "sub", false); }),
            "enpreview cannot store file: sub (file is missing)");
}

TEST_F(FileSourceWriterFiles, CompiledDefinitionCarriesTheStoredFile) {
  Put("empty.htm", {});
  Put("endu.js", {'v', 'a', 'r'});
  FileSourceWriter::InstallCompilerHook(folder);
  const DefinitionCompiler compiler(PublishedClasses(), [](const std::string&) { return Bytes{}; });
  const ComponentDef form = DefinitionStream::Read(compiler.CompileText(R"(object Main: TForm1
  object enscript: TFileSource
    Compress = False
    Extension = '.js'
    FileName = 'endu.js'
    Store = True
  end
  object enpreview: TFileSource
    Extension = '.htm'
    FileName = 'empty.htm'
    Store = True
  end
  object packed: TFileSource
    Compress = True
    FileName = 'endu.js'
  end
end
)"));
  ASSERT_EQ(form.children.size(), 3u);
  EXPECT_EQ(*form.children[0].Find("FileData"), PropertyValue::Raw({3, 0, 0, 0, 'v', 'a', 'r'}));
  EXPECT_EQ(form.children[0].Find("FileName"), nullptr);
  EXPECT_EQ(*form.children[1].Find("FileData"), PropertyValue::Raw({0, 0, 0, 0}));
  EXPECT_EQ(FileData::Decode(form.children[2].Find("FileData")->bytes, true), (Bytes{'v', 'a', 'r'}));

  EXPECT_EQ(ErrorOf([&] {
              compiler.CompileText(
                  "object Main: TForm1\n  object enscript: TFileSource\n    FileName = 'gone.js'\n"
                  "    Store = True\n  end\nend\n");
            }),
            "enscript cannot store file: gone.js (file is missing)");
}

}  // namespace
}  // namespace core
