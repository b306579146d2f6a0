// Every window is created and loaded at start-up, but a window gets its native handles only
// when it is first shown: what a hidden window was given before must be there once it shows.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/Program.h"
#include "generator/GeneratorWindows.h"
#include "orders/WizardWindows.h"
#include "flatctrls/TFlatComboBox.h"
#include "flatctrls/TFlatEdit.h"
#include "flatctrls/TFlatGroupBox.h"
#include "generator/Unit1.h"
#include "generator/Unit3.h"
#include "generator/Unit4.h"
#include "orders/pur1.h"
#include "orders/pur2.h"
#include "orders/pur3.h"
#include "orders/pur4.h"
#include "orders/pur5.h"
#include "orders/pur6.h"
#include "tests/support/WindowTest.h"

namespace {

class WindowHandles : public testsupport::WindowTest {
 protected:
  void SetUp() override { app::CreateForms(*ui::Application); }

  static std::vector<ui::TForm*> SecondaryForms() {
    return {Form3, Main, CCOrders, faxorders, mailorders, Phoneorders, POOrders, Form4};
  }
};

TEST_F(WindowHandles, AfterStartUpEveryWindowIsLoadedButNoneHasANativeWindow) {
  ASSERT_EQ(ui::Application->Forms().size(), 9u);
  EXPECT_EQ(ui::Application->MainForm(), Form1);
  EXPECT_FALSE(Form1->HandleAllocated());
  for (ui::TForm* form : SecondaryForms()) {
    EXPECT_FALSE(form->HandleAllocated()) << form->ClassName();
    EXPECT_FALSE(form->Visible()) << form->ClassName();
  }
  // Loaded all the same: the chooser's lists are filled and its create handler has run.
  EXPECT_EQ(Main->product->Items().size(), 3u);
  EXPECT_EQ(Main->product->ItemIndex(), 0);
  EXPECT_EQ(Main->metodo->ItemIndex(), 0);
  EXPECT_FALSE(Main->product->HandleAllocated());
}

TEST_F(WindowHandles, ShowingTheMainWindowLeavesTheOthersWithoutHandles) {
  Form1->Show();
  Pump();
  ASSERT_TRUE(Form1->HandleAllocated());
  EXPECT_TRUE(IsWindowVisible(Form1->Handle()));
  EXPECT_TRUE(Form1->FlatEdit1->HandleAllocated());
  EXPECT_EQ(GetParent(Form1->FlatEdit1->Handle()), Form1->FlatGroupBox1->Handle());
  for (ui::TForm* form : SecondaryForms()) EXPECT_FALSE(form->HandleAllocated()) << form->ClassName();
}

// A secondary window shown before the main window ever was still belongs to the main window,
// which gets its handle then but stays hidden.
TEST_F(WindowHandles, ASecondaryWindowShownFirstIsOwnedByTheMainWindow) {
  Form3->Show();
  Pump();
  ASSERT_TRUE(Form3->HandleAllocated());
  ASSERT_TRUE(Form1->HandleAllocated());
  EXPECT_EQ(GetWindow(Form3->Handle(), GW_OWNER), Form1->Handle());
  EXPECT_FALSE(IsWindowVisible(Form1->Handle()));
  EXPECT_TRUE(IsWindowVisible(Form3->Handle()));
  Form3->Close();
  Pump();
}

// What the chooser was given while it had no window is what its window shows.
TEST_F(WindowHandles, StateGivenToAHiddenWindowReachesItsNativeControls) {
  Main->product->SetItemIndex(2);
  Main->metodo->SetItemIndex(3);
  Main->SetEnabled(false);
  Form1->Show();
  Pump();
  Main->SetEnabled(true);
  Main->Show();
  Pump();
  ASSERT_TRUE(Main->product->HandleAllocated());
  EXPECT_EQ(SendMessageA(Main->product->Handle(), CB_GETCURSEL, 0, 0), 2);
  EXPECT_EQ(SendMessageA(Main->metodo->Handle(), CB_GETCOUNT, 0, 0),
            static_cast<LRESULT>(Main->metodo->Items().size()));
  EXPECT_EQ(SendMessageA(Main->metodo->Handle(), CB_GETCURSEL, 0, 0), 3);
  EXPECT_TRUE(IsWindowEnabled(Main->Handle()));
  EXPECT_EQ(GetWindow(Main->Handle(), GW_OWNER), Form1->Handle());
  Main->Hide();
  Pump();
}

TEST_F(WindowHandles, AWindowThatIsDisabledBeforeItsFirstShowingIsMadeDisabled) {
  Form1->SetEnabled(false);
  Form1->Show();
  Pump();
  ASSERT_TRUE(Form1->HandleAllocated());
  EXPECT_FALSE(IsWindowEnabled(Form1->Handle()));
  Form1->SetEnabled(true);
  EXPECT_TRUE(IsWindowEnabled(Form1->Handle()));
}

}  // namespace
