// The program used with the keyboard alone, through real key presses: Tab order, Enter on the
// default button, Esc on the cancel button, menu access keys.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "app/Program.h"
#include "generator/GeneratorWindows.h"
#include "orders/WizardWindows.h"
#include "flatctrls/TFlatButton.h"
#include "flatctrls/TFlatComboBox.h"
#include "flatctrls/TFlatEdit.h"
#include "flatctrls/TFlatMemo.h"
#include "framework/Screen.h"
#include "generator/Unit1.h"
#include "generator/Unit3.h"
#include "generator/Unit4.h"
#include "orders/pur1.h"
#include "orders/pur2.h"
#include "orders/pur3.h"
#include "tests/support/RealInput.h"
#include "tests/support/WindowTest.h"

namespace {

using testsupport::RealInput;

class KeyboardUse : public testsupport::WindowTest {
 protected:
  void SetUp() override {
    app::CreateForms(*ui::Application);
    Form1->Show();
    ASSERT_TRUE(RealInput::RunUntil([] { return GetForegroundWindow() == Form1->Handle(); }));
  }

  static bool FocusIs(const ui::TWinControl* control) {
    return RealInput::RunUntil([control] { return ui::Screen().ActiveControl() == control && control->Focused(); });
  }
};

TEST_F(KeyboardUse, TabFromTheAddressReachesGenerateEnterShowsTheCodeAndEscClosesIt) {
  Form1->Url->SetFocus();
  RealInput::Keys({VK_TAB});
  EXPECT_TRUE(FocusIs(Form1->FlatButton2));  // Preview
  RealInput::Keys({VK_TAB});
  ASSERT_TRUE(FocusIs(Form1->FlatButton1));  // Generate
  RealInput::Keys({VK_RETURN});
  ASSERT_TRUE(RealInput::RunUntil([] { return Form4->Visible(); }));
  Form4->Memo1->SetFocus();
  for (const ui::TWinControl* next : std::initializer_list<const ui::TWinControl*>{
           Form4->FlatButton1, Form4->Memo2, Form4->FlatButton3, Form4->Memo3, Form4->FlatButton2}) {
    RealInput::Keys({VK_TAB});
    EXPECT_TRUE(FocusIs(next)) << next->Name();
  }
  RealInput::Keys({VK_ESCAPE});
  EXPECT_TRUE(RealInput::RunUntil([] { return !Form4->Visible(); }));
  EXPECT_TRUE(errors.empty());
}

// Shift+Tab from the first box wraps round to "Full version"; the wizard then goes to the fax
// page on Enter, orders on Enter, and Esc ends it with the main window usable again.
TEST_F(KeyboardUse, TheWizardIsFinishedAndCancelledWithKeysAlone) {
  Form1->FlatEdit1->SetFocus();
  RealInput::Keys({VK_TAB}, VK_SHIFT);
  ASSERT_TRUE(FocusIs(Form1->FlatButton3));
  RealInput::Keys({VK_RETURN});
  ASSERT_TRUE(RealInput::RunUntil([] { return Main->Visible() && GetForegroundWindow() == Main->Handle(); }));
  EXPECT_TRUE(FocusIs(Main->product));
  RealInput::Keys({VK_TAB});
  ASSERT_TRUE(FocusIs(Main->metodo));
  RealInput::Keys({VK_DOWN});  // credit card -> fax
  ASSERT_TRUE(RealInput::RunUntil([] { return Main->metodo->ItemIndex() == 1; }));
  RealInput::Keys({VK_RETURN});  // the chooser's default button, "Next"
  ASSERT_TRUE(RealInput::RunUntil([] { return faxorders->Visible(); }));
  EXPECT_FALSE(Main->Visible());
  ASSERT_TRUE(FocusIs(faxorders->nextbut));
  RealInput::Keys({VK_RETURN});
  ASSERT_TRUE(RealInput::RunUntil([this] { return platform.shellCalls.size() == 1; }));
  EXPECT_NE(platform.shellCalls[0].file.find("ordertypeid="), std::string::npos);
  RealInput::Keys({VK_ESCAPE});
  EXPECT_TRUE(RealInput::RunUntil([] { return !faxorders->Visible() && Form1->Enabled(); }));
  EXPECT_TRUE(errors.empty());
}

// On the chooser, Enter in a list is "Next", but Enter on another button presses that button.
TEST_F(KeyboardUse, EnterOnAButtonPressesThatButtonNotTheDefault) {
  Main->ShowPseudoModal();
  ASSERT_TRUE(RealInput::RunUntil([] { return GetForegroundWindow() == Main->Handle(); }));
  Main->cancelbut->SetFocus();
  RealInput::Keys({VK_RETURN});
  EXPECT_TRUE(RealInput::RunUntil([] { return !Main->Visible(); }));
  for (ui::TForm* page : {static_cast<ui::TForm*>(CCOrders), static_cast<ui::TForm*>(faxorders)})
    EXPECT_FALSE(page->Visible());
}

// Alt+H, A opens About with OK focused; Esc closes it, and so does Enter the next time.
TEST_F(KeyboardUse, AboutOpensByAccessKeysAndClosesByEscAndByEnter) {
  for (WORD closer : {VK_ESCAPE, VK_RETURN}) {
    SCOPED_TRACE(closer == VK_ESCAPE ? "Esc" : "Enter");
    RealInput::Queue({'H'}, VK_MENU);
    RealInput::Keys({'A'});
    ASSERT_TRUE(RealInput::RunUntil([] { return Form3->Visible() && GetForegroundWindow() == Form3->Handle(); }));
    EXPECT_TRUE(FocusIs(Form3->FlatButton1));
    RealInput::Keys({closer});
    EXPECT_TRUE(RealInput::RunUntil([] { return !Form3->Visible() && Form1->Enabled(); }));
  }
  EXPECT_TRUE(errors.empty());
}

TEST_F(KeyboardUse, GenerateCodeIsAnItemOfFileWithItsAccessKey) {
  RealInput::Queue({'F'}, VK_MENU);
  RealInput::Keys({'G'});
  EXPECT_TRUE(RealInput::RunUntil([] { return Form4->Visible(); }));
}

}  // namespace
