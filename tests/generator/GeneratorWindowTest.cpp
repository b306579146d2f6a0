// The generator window loaded from its stored definition, driven with real messages.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>

#include "core/AccessibleText.h"
#include "app/Program.h"
#include "generator/GeneratorWindows.h"
#include "orders/WizardWindows.h"
#include "filesource/TFileSource.h"
#include "flatctrls/TFlatButton.h"
#include "flatctrls/TFlatCheckBox.h"
#include "flatctrls/TFlatComboBox.h"
#include "flatctrls/TFlatEdit.h"
#include "flatctrls/TFlatGroupBox.h"
#include "flatctrls/TFlatSpinEditInteger.h"
#include "framework/Label.h"
#include "framework/Menu.h"
#include "framework/Screen.h"
#include "generator/Unit1.h"
#include "generator/Unit3.h"
#include "orders/pur1.h"
#include "orders/pur2.h"
#include "tests/support/FileBytes.h"
#include "tests/support/WindowTest.h"

namespace {

bool Exists(const char* path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

const char kDefaultScript[] =
    "<!-- Ocultando\r\n"
    "  // Creado con Skylatch!\r\n"
    "  // www.skylatch.example\r\n"
    "function PopUp(url){\r\n"
    "Skylatch=window.open(url,'Skylatch','toolbar=no,status=no,menubar=no,location=no,directories=no,"
    "resizable=no,scrollbars=no,width=300,height=200,left=300,top=100');\r\n"
    "}\r\n"
    "// Mostrando -->\r\n";

class GeneratorWindow : public testsupport::WindowTest {
 protected:
  void SetUp() override {
    app::CreateForms(*ui::Application);
    Form1->Show();
    Pump();
  }

  void ClickMenu(ui::TMenuItem* item) {
    SendMessageA(Form1->Handle(), WM_COMMAND, item->Command(), 0);
    Pump();
  }
};

TEST_F(GeneratorWindow, ShowsItsDefaults) {
  EXPECT_EQ(Form1->Caption(), "");
  EXPECT_EQ(Form1->ClientWidth(), 400);
  EXPECT_EQ(Form1->ClientHeight(), 227);
  EXPECT_EQ(Form1->FlatEdit1->Text(), "PopUp");
  EXPECT_EQ(Form1->FlatEdit2->Text(), "Skylatch");
  EXPECT_EQ(Form1->alto->Text(), "300");
  EXPECT_EQ(Form1->ancho->Text(), "200");
  EXPECT_EQ(Form1->left->Text(), "300");
  EXPECT_EQ(Form1->top->Text(), "100");
  EXPECT_EQ(Form1->Url->Text(), "https://www.skylatch.example");
  for (TFlatCheckBox* box : {Form1->FlatCheckBox1, Form1->toolbar, Form1->status, Form1->menubar, Form1->location,
                             Form1->directories, Form1->resizable, Form1->scrollbars})
    EXPECT_FALSE(box->Checked()) << box->Name();
  EXPECT_EQ(core::SpokenCaption(Form1->FlatCheckBox1->Caption()), "Full Screen");
  ASSERT_EQ(Form1->event->Items().size(), 5u);
  EXPECT_EQ(Form1->event->Items()[4], "From link");
  // Activation selects the first activation method.
  EXPECT_EQ(Form1->event->ItemIndex(), 0);
}

// The caption beside each size box says what the box feeds.
TEST_F(GeneratorWindow, SizeCaptionsNameTheOptionTheirBoxFeeds) {
  auto captionBeside = [](ui::TControl* box) {
    for (ui::TControl* c : box->Parent()->Controls())
      if (auto* label = dynamic_cast<ui::TLabel*>(c); label && label->Top() == box->Top() && label->Left() < box->Left())
        return core::SpokenCaption(label->Caption());
    return std::string("(none)");
  };
  EXPECT_EQ(captionBeside(Form1->alto), "Width:");
  EXPECT_EQ(captionBeside(Form1->ancho), "Height:");
  Form1->alto->SetText("640");
  Form1->ancho->SetText("480");
  Form1->Preview();
  EXPECT_NE(testsupport::FileBytes(TForm1::kScriptFile).find("width=640,height=480,"), std::string::npos);
}

TEST_F(GeneratorWindow, PreviewWritesTheScriptByteForByteAndOpensThePreviewPage) {
  DeleteFileA(TForm1::kCompanionScript);
  DeleteFileA(TForm1::kPreviewPage);
  Click(*Form1->FlatButton2);
  EXPECT_TRUE(errors.empty());
  EXPECT_EQ(testsupport::FileBytes(TForm1::kScriptFile), kDefaultScript);
  std::string page = testsupport::FileBytes(TForm1::kPageFile);
  EXPECT_EQ(page.substr(0, 8), "<HTML>\r\n");
  EXPECT_NE(page.find("<p><A href=\"javascript:PopUp('https://www.skylatch.example')\""), std::string::npos);
  ASSERT_EQ(platform.copyCalls.size(), 2u);
  EXPECT_EQ(platform.copyCalls[0].source, Form1->enscript->FileName());
  // Each companion is copied under a name of its own beside its place, then renamed into it.
  EXPECT_EQ(platform.copyCalls[0].destination.rfind("c:\\windows\\temp\\endu.js.", 0), 0u);
  EXPECT_EQ(platform.copyCalls[1].destination.rfind("c:\\windows\\temp\\preview.htm.", 0), 0u);
  EXPECT_TRUE(platform.copyCalls[0].failIfExists && platform.copyCalls[1].failIfExists);
  ASSERT_EQ(platform.shellCalls.size(), 1u);
  const auto& shell = platform.shellCalls[0];
  EXPECT_EQ(shell.owner, Form1->Handle());
  EXPECT_EQ(shell.verb, "open");
  EXPECT_EQ(shell.file, "c:\\windows\\temp\\preview.htm");
  EXPECT_EQ(shell.parameters, "");
  EXPECT_EQ(shell.directory, "");
  EXPECT_EQ(shell.show, SW_SHOWNORMAL);
}

TEST_F(GeneratorWindow, PreviewFromTheMenuTruncatesRatherThanAppends) {
  ClickMenu(Form1->Vistaprevia1);
  ClickMenu(Form1->Vistaprevia1);
  EXPECT_EQ(testsupport::FileBytes(TForm1::kScriptFile), kDefaultScript);
  EXPECT_EQ(platform.shellCalls.size(), 2u);
}

TEST_F(GeneratorWindow, FullScreenGreysTheSizeAndOptionControlsAndTheScriptStillCarriesThem) {
  Click(*Form1->FlatCheckBox1);
  ASSERT_TRUE(Form1->FlatCheckBox1->Checked());
  for (ui::TControl* c : std::initializer_list<ui::TControl*>{Form1->ancho, Form1->alto, Form1->top, Form1->left,
                                                               Form1->status, Form1->location, Form1->toolbar,
                                                               Form1->resizable, Form1->directories, Form1->menubar,
                                                               Form1->scrollbars})
    EXPECT_FALSE(c->Enabled()) << c->Name();
  for (ui::TControl* c : std::initializer_list<ui::TControl*>{Form1->FlatEdit1, Form1->FlatEdit2, Form1->Url, Form1->event})
    EXPECT_TRUE(c->Enabled()) << c->Name();
  Form1->Preview();
  EXPECT_NE(testsupport::FileBytes(TForm1::kScriptFile)
                .find("Skylatch=window.open(url,'Skylatch','fullscreen=yes','toolbar=no,status=no,menubar=no,"
                      "location=no,directories=no,resizable=no,scrollbars=no,width=300,height=200,left=300,top=100');\r\n"),
            std::string::npos);
  Click(*Form1->FlatCheckBox1);
  EXPECT_FALSE(Form1->FlatCheckBox1->Checked());
  EXPECT_TRUE(Form1->alto->Enabled());
  EXPECT_TRUE(Form1->scrollbars->Enabled());
}

TEST_F(GeneratorWindow, FullScreenSetFromCodeTogglesToo) {
  Form1->FlatCheckBox1->SetChecked(true);
  EXPECT_FALSE(Form1->menubar->Enabled());
  Form1->FlatCheckBox1->SetChecked(false);
  EXPECT_TRUE(Form1->menubar->Enabled());
}

TEST_F(GeneratorWindow, PreviewWithoutTheTempFolderSaysInvalidFilenameAndWritesNothing) {
  DeleteFileA(TForm1::kScriptFile);
  DeleteFileA(TForm1::kPageFile);
  ASSERT_TRUE(MoveFileA("C:\\windows\\temp", "C:\\windows\\temp-moved-by-test"));
  Click(*Form1->FlatButton2);
  MoveFileA("C:\\windows\\temp-moved-by-test", "C:\\windows\\temp");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], "Invalid filename: the folder C:\\windows\\temp is missing, so C:\\windows\\temp\\tmphtm.htm cannot "
                       "be made. Create the folder, then try again");
  EXPECT_FALSE(Exists(TForm1::kScriptFile));
  EXPECT_FALSE(Exists(TForm1::kPageFile));
  EXPECT_TRUE(platform.shellCalls.empty());
  EXPECT_TRUE(platform.copyCalls.empty());
  // The program goes on: the next Preview works.
  Click(*Form1->FlatButton2);
  EXPECT_EQ(testsupport::FileBytes(TForm1::kScriptFile), kDefaultScript);
}

// Typed characters reach the fields whole; Preview's Windows-1252 files percent-encode in the
// address what the code page lacks and keep the rest byte for byte.
TEST_F(GeneratorWindow, FieldsKeepAnyTextAndPreviewEncodesWhatWindows1252Lacks) {
  const auto type = [](ui::TWinControl* field, const wchar_t* text) {
    SendMessageW(field->Handle(), EM_SETSEL, 0, -1);
    for (const wchar_t* c = text; *c; ++c) SendMessageW(field->Handle(), WM_CHAR, *c, 0);
  };
  type(Form1->Url, L"https://example.org/\u00FCber-uns/\u65E5\u672C");
  type(Form1->FlatEdit1, L"Funci\u00F3n");
  EXPECT_EQ(Form1->Url->Text(), "https://example.org/\xC3\xBC" "ber-uns/\xE6\x97\xA5\xE6\x9C\xAC");
  Click(*Form1->FlatButton2);
  ASSERT_TRUE(errors.empty()) << errors.front();
  EXPECT_NE(testsupport::FileBytes(TForm1::kPageFile)
                .find("<p><A href=\"javascript:Funci\xF3n('https://example.org/\xFC" "ber-uns/%E6%97%A5%E6%9C%AC')\""),
            std::string::npos);
  EXPECT_NE(testsupport::FileBytes(TForm1::kScriptFile).find("function Funci\xF3n(url){\r\n"), std::string::npos);
}

TEST_F(GeneratorWindow, AboutDisablesTheMainWindowAndEveryWayOfClosingItGivesItBack) {
  Form1->event->SetItemIndex(4);
  ClickMenu(Form1->AcercadeSkylatch1);
  EXPECT_TRUE(Form3->Visible());
  EXPECT_FALSE(Form1->Enabled());
  EXPECT_EQ(Form3->Caption(), "About Skylatch!");
  EXPECT_EQ(Form3->Label1->Caption(), "Skylatch! 1.1");
  SendMessageA(Form3->Handle(), WM_CLOSE, 0, 0);
  Pump();
  EXPECT_FALSE(Form3->Visible());
  EXPECT_TRUE(Form1->Enabled());
  // Coming back to the main window keeps the chosen activation method.
  EXPECT_EQ(Form1->event->ItemIndex(), 4);

  ClickMenu(Form1->AcercadeSkylatch1);
  EXPECT_FALSE(Form1->Enabled());
  Click(*Form3->FlatButton1);
  EXPECT_FALSE(Form3->Visible());
  EXPECT_TRUE(Form1->Enabled());
  EXPECT_FALSE(ui::Application->Terminated());
}

TEST_F(GeneratorWindow, WizardKeepsTheMainWindowDisabledUntilAWizardWindowCloses) {
  Click(*Form1->FlatButton3);
  EXPECT_TRUE(Main->Visible());
  EXPECT_FALSE(Form1->Enabled());
  for (int round = 0; round < 3; ++round) {
    Click(*Main->nextbut);
    EXPECT_FALSE(Main->Visible());
    EXPECT_TRUE(CCOrders->Visible());
    EXPECT_FALSE(Form1->Enabled());
    Click(*CCOrders->backbut);
    EXPECT_TRUE(Main->Visible());
    EXPECT_FALSE(CCOrders->Visible());
    EXPECT_FALSE(Form1->Enabled());
  }
  Click(*Main->cancelbut);
  EXPECT_FALSE(Main->Visible());
  EXPECT_TRUE(Form1->Enabled());
  EXPECT_FALSE(ui::Application->Terminated());

  ClickMenu(Form1->Registrar1);
  EXPECT_TRUE(Main->Visible());
  EXPECT_FALSE(Form1->Enabled());
  Click(*Main->nextbut);
  Click(*CCOrders->cancelbut);
  EXPECT_TRUE(Form1->Enabled());
}

TEST_F(GeneratorWindow, HelpLicenceAndSupportGoToTheShell) {
  char exe[MAX_PATH + 1] = {};
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  std::string folder(exe);
  folder.erase(folder.find_last_of("\\:") + 1);
  ClickMenu(Form1->Contenidos1);
  ClickMenu(Form1->DetallesdeLicencia1);
  ClickMenu(Form1->Soporteonline1);
  ASSERT_EQ(platform.shellCalls.size(), 3u);
  EXPECT_EQ(platform.shellCalls[0].file, folder + "help.htm");
  EXPECT_EQ(platform.shellCalls[1].file, folder + "license.txt");
  EXPECT_EQ(platform.shellCalls[2].file, "https://support.skylatch.example/tamberly/skylatch/content3.htm");
  for (const auto& call : platform.shellCalls) {
    EXPECT_EQ(call.owner, Form1->Handle());
    EXPECT_EQ(call.verb, "open");
    EXPECT_EQ(call.show, SW_SHOWNORMAL);
  }
  EXPECT_TRUE(errors.empty());
}

TEST_F(GeneratorWindow, ExitEndsTheLoopWithCodeZero) {
  ClickMenu(Form1->Salir1);
  EXPECT_TRUE(ui::Application->Terminated());
  EXPECT_EQ(ui::Application->ExitCode(), 0);
}

TEST_F(GeneratorWindow, ErrorBoxTextEndsWithAFullStop) {
  EXPECT_EQ(ui::TApplication::ErrorBoxText(ui::EInOutError(3)), "Invalid filename.");
  EXPECT_EQ(ui::TApplication::ErrorBoxText(ui::EInOutError(32)), "I/O error 32.");
}

}  // namespace

namespace {

class GeneratorKeyboard : public testsupport::WindowTest {
 protected:
  void SetUp() override {
    app::CreateForms(*ui::Application);
    Form1->Show();
    Pump();
  }
};

// Tab walks the window as it is laid out: the names, the size and position boxes and Full
// Screen, the options and the activation method, the address, then the three buttons.
TEST_F(GeneratorKeyboard, TabVisitsTheControlsInTheirTabOrder) {
  Form1->FlatEdit1->SetFocus();
  std::vector<std::string> visited{ui::Screen().ActiveControl()->Name()};
  for (int i = 0; i < 19; ++i) {
    Form1->SelectNext(true);
    Pump();
    ui::TWinControl* focused = ui::Screen().ActiveControl();
    visited.push_back(focused ? focused->Name() : "(none)");
  }
  std::vector<std::string> expected{"FlatEdit1",   "FlatEdit2",   "alto",        "ancho",      "top",
                                    "left",        "FlatCheckBox1", "status",    "toolbar",    "scrollbars",
                                    "menubar",     "location",    "resizable",   "directories", "event",
                                    "Url",         "FlatButton2", "FlatButton1", "FlatButton3", "FlatEdit1"};
  EXPECT_EQ(visited, expected);
}

TEST_F(GeneratorKeyboard, SpaceTogglesTheFocusedCheckBox) {
  Form1->status->SetFocus();
  Pump();
  SendMessageA(Form1->status->Handle(), WM_CHAR, ' ', 0);
  Pump();
  EXPECT_TRUE(Form1->status->Checked());
  EXPECT_FALSE(Form1->toolbar->Checked());
}

}  // namespace
