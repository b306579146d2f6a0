// The framework on its own: definitions becoming components, messages reaching handlers,
// exceptions reported and survived, the idle step's enter and leave, text-file failures.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <fstream>
#include <iterator>
#include <thread>

#include "core/DefinitionStream.h"
#include "framework/ClassRegistry.h"
#include "framework/DefinitionLoader.h"
#include "framework/Form.h"
#include "framework/Label.h"
#include "system/Exceptions.h"
#include "system/TextFile.h"
#include "tests/support/WindowTest.h"

namespace {

using core::ComponentDef;
using core::PropertyValue;

// A window with one published method, and a label that counts what reaches it.
class TCountingLabel : public ui::TLabel {
 public:
  using ui::TLabel::TLabel;
  int enters = 0, leaves = 0;

 protected:
  void CMMouseEnter(ui::TMessage& m) override {
    ui::TLabel::CMMouseEnter(m);
    ++enters;
  }
  void CMMouseLeave(ui::TMessage& m) override {
    ui::TLabel::CMMouseLeave(m);
    ++leaves;
  }
};

class TProbeForm : public ui::TForm {
 public:
  explicit TProbeForm(ui::TComponent* owner) : ui::TForm(owner) {
    Publish("LabelClick", &TProbeForm::LabelClick);
    Publish("Boom", &TProbeForm::Boom);
  }
  const char* ClassName() const override { return "TProbeForm"; }
  void LabelClick(ui::TObject* sender) { clickedBy = sender; }
  void Boom(ui::TObject*) { throw ui::Exception("Boom"); }
  ui::TObject* clickedBy = nullptr;
};

ComponentDef Label(const std::string& name, int left, int top, const char* handler) {
  ComponentDef label{"TCountingLabel", name, {}, {}};
  label.properties = {{"Left", PropertyValue::Int(left)},    {"Top", PropertyValue::Int(top)},
                      {"Width", PropertyValue::Int(60)},      {"Height", PropertyValue::Int(20)},
                      {"AutoSize", PropertyValue::Bool(false)}, {"Caption", PropertyValue::Str(name)},
                      {"OnClick", PropertyValue::Identifier(handler)}};
  return label;
}

ComponentDef ProbeDefinition() {
  ComponentDef form{"TProbeForm", "Probe", {}, {}};
  form.properties = {{"Left", PropertyValue::Int(40)},          {"Top", PropertyValue::Int(40)},
                     {"Caption", PropertyValue::Str("Probe")},   {"ClientHeight", PropertyValue::Int(100)},
                     {"ClientWidth", PropertyValue::Int(200)}};
  form.children = {Label("First", 10, 10, "LabelClick"), Label("Second", 100, 10, "Boom")};
  return form;
}

class Framework : public testsupport::WindowTest {
 protected:
  static void SetUpTestSuite() { ui::ClassRegistry::Register<TCountingLabel>("TCountingLabel"); }

  TProbeForm* LoadProbe() {
    auto* form = new TProbeForm(ui::Application);
    ui::DefinitionLoader::Load(*form, core::DefinitionStream::Write(ProbeDefinition()));
    form->HandleNeeded();
    form->Show();
    Pump();
    return form;
  }
};

TEST_F(Framework, ADefinitionBecomesComponentsWithTheirValuesAndHandlers) {
  TProbeForm* form = LoadProbe();
  auto* first = dynamic_cast<TCountingLabel*>(form->FindComponent("First"));
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->Parent(), form);
  EXPECT_EQ(first->Owner(), form);
  EXPECT_EQ(first->Left(), 10);
  EXPECT_EQ(first->Caption(), "First");
  EXPECT_EQ(form->Caption(), "Probe");
  EXPECT_EQ(form->ClientWidth(), 200);
  EXPECT_EQ(form->ClientHeight(), 100);
  Click(*first);
  EXPECT_EQ(form->clickedBy, first);
  delete form;
}

// Stored texts are Windows-1252 bytes; loaded, they are the program's UTF-8 and the windows show
// the same characters.
TEST_F(Framework, StoredWindows1252TextsLoadAsTheirCharacters) {
  ComponentDef definition = ProbeDefinition();
  definition.properties[2].second = PropertyValue::Str("Tama\xF1o \x80 \x9F");
  definition.children[0].properties[5].second = PropertyValue::Str("C\xF3" "digo");
  auto* form = new TProbeForm(ui::Application);
  ui::DefinitionLoader::Load(*form, core::DefinitionStream::Write(definition));
  form->HandleNeeded();
  EXPECT_EQ(form->Caption(), "Tama\xC3\xB1o \xE2\x82\xAC \xC5\xB8");
  wchar_t title[32] = {};
  GetWindowTextW(form->Handle(), title, 32);
  EXPECT_EQ(std::wstring(title), L"Tama\u00F1o \u20AC \u0178");
  EXPECT_EQ(form->FindComponent("First") ? static_cast<ui::TControl*>(form->FindComponent("First"))->Caption() : "",
            "C\xC3\xB3" "digo");
  delete form;
}

TEST_F(Framework, AnExceptionFromAHandlerIsReportedAndTheProgramGoesOn) {
  TProbeForm* form = LoadProbe();
  Click(*static_cast<ui::TControl*>(form->FindComponent("Second")));
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], "Boom");
  Click(*static_cast<ui::TControl*>(form->FindComponent("First")));
  EXPECT_NE(form->clickedBy, nullptr);
  delete form;
}

TEST_F(Framework, DamagedDefinitionsRaiseClearExceptions) {
  auto load = [](const std::vector<std::uint8_t>& bytes) -> std::string {
    TProbeForm form(nullptr);
    try {
      ui::DefinitionLoader::Load(form, bytes);
    } catch (const ui::Exception& e) {
      return e.what();
    }
    return "loaded";
  };
  std::vector<std::uint8_t> good = core::DefinitionStream::Write(ProbeDefinition());
  EXPECT_EQ(load(good), "loaded");
  EXPECT_EQ(load(std::vector<std::uint8_t>(good.begin(), good.begin() + good.size() / 2)), "Stream read error");

  ComponentDef unknownClass = ProbeDefinition();
  unknownClass.children[0].className = "TNoSuchThing";
  EXPECT_EQ(load(core::DefinitionStream::Write(unknownClass)), "Class TNoSuchThing not found");

  ComponentDef unknownProperty = ProbeDefinition();
  unknownProperty.children[0].properties.push_back({"Colour", PropertyValue::Int(1)});
  EXPECT_NE(load(core::DefinitionStream::Write(unknownProperty)).find("Colour"), std::string::npos);

  ComponentDef unknownMethod = ProbeDefinition();
  unknownMethod.children[0].properties.back().second = PropertyValue::Identifier("Missing");
  EXPECT_EQ(load(core::DefinitionStream::Write(unknownMethod)), "Method Missing not found");
}

TEST_F(Framework, TheIdleStepSendsLeaveThenEnterAndIncludesDisabledControls) {
  TProbeForm* form = LoadProbe();
  auto* first = static_cast<TCountingLabel*>(form->FindComponent("First"));
  auto* second = static_cast<TCountingLabel*>(form->FindComponent("Second"));
  second->SetEnabled(false);
  platform.steerCursor = true;
  platform.cursor = first->ClientToScreen(POINT{5, 5});
  ui::Application->Idle();
  EXPECT_EQ(first->enters, 1);
  ui::Application->Idle();
  EXPECT_EQ(first->enters, 1);
  platform.cursor = second->ClientToScreen(POINT{5, 5});
  ui::Application->Idle();
  EXPECT_EQ(first->leaves, 1);
  EXPECT_EQ(second->enters, 1);
  delete form;
}

TEST(TextFileOutput, FailuresRaiseTheMessageOfTheSystemErrorCode) {
  ui::TextFile file;
  file.Assign("C:\\no-such-folder-here\\x.txt");
  try {
    file.Rewrite();
    FAIL() << "no exception";
  } catch (const ui::EInOutError& e) {
    EXPECT_EQ(e.ErrorCode(), 3);
    EXPECT_STREQ(e.what(), "Invalid filename: the folder C:\\no-such-folder-here is missing, so "
                           "C:\\no-such-folder-here\\x.txt cannot be made. Create the folder, then try again");
  }
  ui::TextFile closed;
  try {
    closed.Write("x");
    FAIL() << "no exception";
  } catch (const ui::EInOutError& e) {
    EXPECT_STREQ(e.what(), "I/O error 103");
  }
}

TEST(TextFileOutput, WritesTheBytesItIsGivenWithCrLfLineEnds) {
  char folder[MAX_PATH + 1] = {};
  GetTempPathA(MAX_PATH, folder);
  std::string path = std::string(folder) + "skylatch-textfile-test.txt";
  {
    ui::TextFile file;
    file.Assign(path);
    file.Rewrite();
    file.Write("a\xF3");
    file.WriteLine("b");
    file.WriteChar('}');
    file.WriteLine("");
    file.Close();
  }
  std::ifstream in(path, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  in.close();
  DeleteFileA(path.c_str());
  EXPECT_EQ(bytes, "a\xF3" "b\r\n}\r\n");
}

// The default error box: the application's title, a stop icon and the message with a full stop.
TEST(ErrorBox, ShowsTheTitleAndTheMessageWithAFullStop) {
  std::atomic<bool> seen{false};
  std::string text, caption;
  std::thread watcher([&] {
    for (int i = 0; i < 200 && !seen; ++i) {
      Sleep(50);
      HWND box = FindWindowA("#32770", "Skylatch!");
      if (!box) continue;
      char buffer[256] = {};
      GetWindowTextA(box, buffer, sizeof buffer);
      caption = buffer;
      EnumChildWindows(
          box,
          [](HWND child, LPARAM p) -> BOOL {
            char b[256] = {};
            GetWindowTextA(child, b, sizeof b);
            if (std::string(b).find("Disk") != std::string::npos) *reinterpret_cast<std::string*>(p) = b;
            return TRUE;
          },
          reinterpret_cast<LPARAM>(&text));
      seen = true;
      PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
  });
  ui::Application->OnException = nullptr;
  ui::Application->HandleException(ui::EInOutError(101));
  watcher.join();
  EXPECT_TRUE(seen);
  EXPECT_EQ(caption, "Skylatch!");
  EXPECT_EQ(text, "Disk full.");
}

// The application's window is the taskbar's button: unowned, no tool window, with the system menu
// and minimise command the taskbar offers, the program's icons (the taskbar asks the window for
// them), and the title as its text.
TEST(TaskbarEntryWindow, CarriesTheTitleTheIconsAndTheMinimiseCommand) {
  const HWND entry = ui::Application->Handle();
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(GetWindow(entry, GW_OWNER), nullptr);
  EXPECT_FALSE(GetWindowLongPtrA(entry, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  const LONG_PTR style = GetWindowLongPtrA(entry, GWL_STYLE);
  EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX), WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
  EXPECT_NE(SendMessageA(entry, WM_GETICON, ICON_BIG, 0), 0);
  EXPECT_NE(SendMessageA(entry, WM_GETICON, ICON_SMALL, 0), 0);
  char text[64] = {};
  GetWindowTextA(entry, text, sizeof text);
  EXPECT_STREQ(text, "Skylatch!");
}

}  // namespace
