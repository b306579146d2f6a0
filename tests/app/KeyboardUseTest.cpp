// The program used with the keyboard alone, through real key presses: Tab order, Enter on the
// default button, Esc on the cancel button, menu access keys.
#include <gtest/gtest.h>

#include <windows.h>

#include <cctype>
#include <map>
#include <string>

#include "app/Program.h"
#include "core/AccessibleText.h"
#include "generator/GeneratorWindows.h"
#include "orders/WizardWindows.h"
#include "flatctrls/TFlatButton.h"
#include "flatctrls/TFlatCheckBox.h"
#include "flatctrls/TFlatComboBox.h"
#include "flatctrls/TFlatEdit.h"
#include "flatctrls/TFlatGroupBox.h"
#include "flatctrls/TFlatMemo.h"
#include "flatctrls/TFlatSpinEditInteger.h"
#include "framework/Label.h"
#include "framework/Screen.h"
#include "generator/Unit1.h"
#include "generator/Unit3.h"
#include "generator/Unit4.h"
#include "orders/pur1.h"
#include "orders/pur2.h"
#include "orders/pur3.h"
#include "orders/pur4.h"
#include "orders/pur5.h"
#include "orders/pur6.h"
#include "tests/support/PixelSurface.h"
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

// The letter after a caption's single "&", or 0.
char AccessKey(const std::string& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] != '&') return static_cast<char>(std::tolower(static_cast<unsigned char>(caption[i + 1])));
    ++i;
  }
  return 0;
}

void CollectCaptions(const ui::TWinControl& parent, std::map<std::string, std::string>& byName) {
  for (ui::TControl* c : parent.Controls()) {
    auto* label = dynamic_cast<ui::TLabel*>(c);
    if ((label && label->FocusControl()) || dynamic_cast<TFlatButton*>(c) || dynamic_cast<TFlatCheckBox*>(c))
      byName[c->Name()] = c->Caption();
    if (c->IsWindowed()) CollectCaptions(*static_cast<ui::TWinControl*>(c), byName);
  }
}

// Every button, check box and field label carries an access key of its own in its window, none
// taken from the window's menu bar; Alt plus it reaches the field or presses the control, and the
// underline shows only once Alt was pressed: with the mouse the captions look as they always did.
TEST_F(KeyboardUse, EveryCaptionHasAnAccessKeyOfItsOwnAndAltReachesItsField) {
  for (ui::TForm* window : std::initializer_list<ui::TForm*>{Form1, Form3, Form4, Main, CCOrders, faxorders,
                                                             mailorders, Phoneorders, POOrders}) {
    std::map<std::string, std::string> captions;
    CollectCaptions(*window, captions);
    std::map<char, std::string> taken;
    if (HMENU bar = window->HandleAllocated() ? GetMenu(window->Handle()) : nullptr)
      for (int i = 0; i < GetMenuItemCount(bar); ++i) {
        char text[64] = {};
        GetMenuStringA(bar, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        taken[AccessKey(text)] = std::string("the menu ") + text;
      }
    EXPECT_FALSE(captions.empty()) << window->Name();
    for (const auto& [name, caption] : captions) {
      const char key = AccessKey(caption);
      EXPECT_NE(key, 0) << window->Name() << "." << name << " \"" << caption << "\"";
      if (!key) continue;
      auto [at, fresh] = taken.emplace(key, name);
      EXPECT_TRUE(fresh) << window->Name() << "." << name << " shares '" << key << "' with " << at->second;
    }
  }

  Form1->Url->SetFocus();
  RealInput::Keys({'N'}, VK_MENU);
  EXPECT_TRUE(FocusIs(Form1->FlatEdit1)) << "Alt+N: Function name";
  RealInput::Keys({'I'}, VK_MENU);
  EXPECT_TRUE(FocusIs(Form1->alto)) << "Alt+I: Width";
  RealInput::Keys({'U'}, VK_MENU);
  EXPECT_TRUE(Form1->FlatCheckBox1->Checked()) << "Alt+U: Full Screen";
  RealInput::Keys({'U'}, VK_MENU);
  EXPECT_FALSE(Form1->FlatCheckBox1->Checked());

  const auto picture = [] {
    HWND box = Form1->FlatGroupBox1->Handle();
    RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT r{};
    GetClientRect(box, &r);
    testsupport::PixelSurface s(r.right, r.bottom);
    testsupport::PixelSurface::GrabClient(box, s);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < r.bottom; ++y)
      for (int x = 0; x < r.right; ++x) pixels.push_back(s.At(x, y));
    return pixels;
  };
  EXPECT_TRUE(Form1->AccessKeysShown());
  const std::vector<COLORREF> underlined = picture();
  RealInput::Press(Form1->ClientToScreen(POINT{390, 220}), Form1->ClientToScreen(POINT{390, 220}));
  ASSERT_FALSE(Form1->AccessKeysShown()) << "a mouse press hides them again";
  const std::vector<COLORREF> plain = picture();
  EXPECT_NE(plain, underlined);
  Form1->Label1->SetCaption(core::SpokenCaption(Form1->Label1->Caption()));
  Form1->Label2->SetCaption(core::SpokenCaption(Form1->Label2->Caption()));
  EXPECT_EQ(picture(), plain) << "without Alt the captions draw as if they had no access key";
  EXPECT_TRUE(errors.empty());
}

}  // namespace
