// Generate: the "Generated code" window opened the pseudo-modal way, its two parts with their Copy
// buttons, the advice, and its keys.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "core/AccessibleText.h"
#include "app/Program.h"
#include "core/GeneratedCode.h"
#include "flatctrls/FlatLook.h"
#include "flatctrls/TFlatButton.h"
#include "flatctrls/TFlatCheckBox.h"
#include "flatctrls/TFlatComboBox.h"
#include "flatctrls/TFlatEdit.h"
#include "flatctrls/TFlatMemo.h"
#include "flatctrls/TFlatSpinEditInteger.h"
#include "framework/Gdi.h"
#include "framework/Label.h"
#include "generator/GeneratorWindows.h"
#include "generator/Unit1.h"
#include "generator/Unit4.h"
#include "orders/WizardWindows.h"
#include "system/WideText.h"
#include "tests/support/FileBytes.h"
#include "tests/support/WindowTest.h"

namespace {

class GeneratedCodeWindow : public testsupport::WindowTest {
 protected:
  void SetUp() override {
    app::CreateForms(*ui::Application);
    Form1->Show();
    Pump();
  }

  static std::string MemoText(TFlatMemo* memo = Form4->Memo1) { return memo->Text(); }

  static std::wstring ClipboardUnicode() {
    std::wstring unicode;
    if (!OpenClipboard(nullptr)) return L"<clipboard busy>";
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
      unicode = static_cast<const wchar_t*>(GlobalLock(data));
      GlobalUnlock(data);
    }
    CloseClipboard();
    return unicode;
  }

  // A key pressed with Ctrl held, as the thread's keyboard state reports it.
  static void CtrlKey(HWND window, WPARAM key) {
    BYTE state[256] = {};
    GetKeyboardState(state);
    const BYTE saved = state[VK_CONTROL];
    state[VK_CONTROL] = 0x80;
    SetKeyboardState(state);
    SendMessageA(window, WM_KEYDOWN, key, 0);
    SendMessageA(window, WM_CHAR, key & 0x1F, 0);
    state[VK_CONTROL] = saved;
    SetKeyboardState(state);
    Pump();
  }

  static void Key(HWND window, WPARAM key) {
    SendMessageA(window, WM_KEYDOWN, key, 0);
    Pump();
  }
};

TEST_F(GeneratedCodeWindow, OpensInFrontOfTheDisabledMainWindowWithTheScriptTheCallAndTheAdvice) {
  Form1->FlatEdit2->SetText("Ventana");
  Form1->resizable->SetChecked(true);
  Form1->Url->SetText("https://example.com/it's.htm");
  Form1->event->SetItemIndex(4);  // From link
  Click(*Form1->FlatButton2);     // Preview writes tmpskt.js for the same settings
  const std::string previewScript = testsupport::FileBytes(TForm1::kScriptFile);
  ASSERT_FALSE(previewScript.empty());

  Click(*Form1->FlatButton1);
  ASSERT_TRUE(errors.empty());
  EXPECT_TRUE(Form4->Visible());
  EXPECT_FALSE(Form1->Enabled());
  EXPECT_EQ(Form4->Caption(), "Generated code");
  EXPECT_EQ(core::SpokenCaption(Form4->Label1->Caption()), "Save as PopUp.js");
  EXPECT_EQ(core::SpokenCaption(Form4->Label2->Caption()), "Put in your page");
  EXPECT_EQ(MemoText(Form4->Memo1), previewScript);
  EXPECT_EQ(MemoText(Form4->Memo2),
            "<script src=\"PopUp.js\"></script>\r\n"
            "<a href=\"https://example.com/it&#39;s.htm\" target=\"Ventana\" onclick=\"window.PopUp(this.href); "
            "return false;\">Open the pop-up</a>\r\n");
  const std::string advice = MemoText(Form4->Memo3);
  EXPECT_EQ(advice.substr(0, 3 + 11), "\xE2\x80\xA2 Chromium, ");
  EXPECT_NE(advice.find("Ventana.focus();"), std::string::npos);
}

// At the default settings everything fits: no scroll bar, and no line runs past the right edge.
TEST_F(GeneratedCodeWindow, TheDefaultsFitWithoutScrollBarsAndLongTextsGetOne) {
  Click(*Form1->FlatButton1);
  for (TFlatMemo* memo : {Form4->Memo1, Form4->Memo2, Form4->Memo3}) {
    SCOPED_TRACE(memo->Name());
    EXPECT_FALSE(memo->ScrollBarShown());
    const LONG style = GetWindowLongA(memo->Handle(), GWL_STYLE);
    EXPECT_FALSE(style & (WS_HSCROLL | ES_AUTOHSCROLL));  // long lines wrap
    const auto lines = SendMessageA(memo->Handle(), EM_GETLINECOUNT, 0, 0);
    RECT r{};
    SendMessageA(memo->Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
    // The last line starts within the text rectangle: nothing lies below it.
    const LRESULT last = SendMessageA(memo->Handle(), EM_POSFROMCHAR, SendMessageA(memo->Handle(), EM_LINEINDEX, lines - 1, 0), 0);
    EXPECT_LT(static_cast<short>(HIWORD(last)), r.bottom);
  }
  // The advice is broken to the field's width before the field wraps anything.
  const std::string advice = MemoText(Form4->Memo3);
  const auto lines = SendMessageA(Form4->Memo3->Handle(), EM_GETLINECOUNT, 0, 0);
  std::size_t breaks = 0;
  for (std::size_t at = 0; (at = advice.find("\r\n", at)) != std::string::npos; at += 2) ++breaks;
  EXPECT_EQ(static_cast<std::size_t>(lines), breaks + 1);
  Click(*Form4->FlatButton2);

  Form1->FlatEdit1->SetText("open");
  Form1->FlatEdit2->SetText("location");
  Form1->alto->SetText("50");
  Form1->ancho->SetText("x");
  Form1->left->SetText("1.5");
  Form1->top->SetText("y");
  Click(*Form1->FlatButton1);
  EXPECT_TRUE(Form4->Memo3->ScrollBarShown());
  EXPECT_FALSE(Form4->Memo1->ScrollBarShown());
}

TEST_F(GeneratedCodeWindow, EveryWayOfClosingGivesTheMainWindowBack) {
  const auto open = [&] {
    Click(*Form1->FlatButton1);
    ASSERT_TRUE(Form4->Visible());
    ASSERT_FALSE(Form1->Enabled());
  };
  const auto closed = [&](const char* how) {
    EXPECT_FALSE(Form4->Visible()) << how;
    EXPECT_TRUE(Form1->Enabled()) << how;
  };
  open();
  Click(*Form4->FlatButton2);
  closed("Close");
  open();
  Key(Form4->Memo1->Handle(), VK_ESCAPE);
  closed("Esc in the text");
  open();
  Key(Form4->FlatButton3->Handle(), VK_ESCAPE);
  closed("Esc on the second Copy");
  open();
  SendMessageA(Form4->Handle(), WM_CLOSE, 0, 0);
  Pump();
  closed("the close box");
  EXPECT_TRUE(errors.empty());
  EXPECT_FALSE(ui::Application->Terminated());
}

TEST_F(GeneratedCodeWindow, EachCopyTakesItsOwnPartWithEveryCharacter) {
  Form1->FlatEdit2->SetText("\xE6\x97\xA5\xE6\x9C\xAC");  // 日本
  Form1->Url->SetText("https://example.com/caf\xC3\xA9.htm");
  Form1->event->SetItemIndex(4);  // From link
  Click(*Form1->FlatButton1);
  Click(*Form4->FlatButton1);
  ASSERT_TRUE(errors.empty()) << errors.front();
  const std::wstring script = ClipboardUnicode();
  EXPECT_EQ(ui::WideText::ToUtf8(script), Form4->Script());
  EXPECT_NE(script.find(L"\u65E5\u672C=window.open(url,'\u65E5\u672C',"), std::wstring::npos);
  Click(*Form4->FlatButton3);
  const std::wstring snippet = ClipboardUnicode();
  EXPECT_EQ(ui::WideText::ToUtf8(snippet), Form4->Snippet());
  EXPECT_NE(snippet.find(L"href=\"https://example.com/caf\u00E9.htm\" target=\"\u65E5\u672C\""), std::wstring::npos);
  EXPECT_EQ(snippet.find(L"window.open"), std::wstring::npos);
}

TEST_F(GeneratedCodeWindow, TheTextIsReadOnlyMonospacedAndCtrlASelectsIt) {
  Click(*Form1->FlatButton1);
  HWND memo = Form4->Memo1->Handle();
  const LONG style = GetWindowLongA(memo, GWL_STYLE);
  EXPECT_TRUE(style & ES_MULTILINE);
  EXPECT_TRUE(style & ES_READONLY);

  const std::string before = MemoText();
  SendMessageA(memo, WM_CHAR, 'x', 0);
  SendMessageA(memo, WM_KEYDOWN, VK_DELETE, 0);
  Pump();
  EXPECT_EQ(MemoText(), before);

  ui::WindowDC screen(nullptr);
  ui::SelectedObject font(screen.Get(), Form4->Memo1->TextFont());
  TEXTMETRICA tm{};
  GetTextMetricsA(screen.Get(), &tm);
  // The flag's name is the wrong way round: set means variable pitch.
  EXPECT_FALSE(tm.tmPitchAndFamily & TMPF_FIXED_PITCH);
  SIZE narrow{}, wide{};
  GetTextExtentPoint32A(screen.Get(), "iiii", 4, &narrow);
  GetTextExtentPoint32A(screen.Get(), "WWWW", 4, &wide);
  EXPECT_EQ(narrow.cx, wide.cx);
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(memo, WM_GETFONT, 0, 0)), Form4->Memo1->TextFont());

  DWORD start = 1, end = 0;
  SendMessageA(memo, EM_SETSEL, 0, 0);
  CtrlKey(memo, 'A');
  SendMessageA(memo, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, static_cast<DWORD>(before.size()));
  EXPECT_EQ(MemoText(), before);
  EXPECT_TRUE(Form4->Visible());
}

TEST_F(GeneratedCodeWindow, TheTextSitsInAFlatBorder) {
  Click(*Form1->FlatButton1);
  HWND memo = Form4->Memo1->Handle();
  RedrawWindow(memo, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  Pump();
  ui::WindowDC dc(memo, ui::WindowDC::Area::Window);
  RECT r{};
  GetWindowRect(memo, &r);
  const COLORREF border = RGB(0xA0, 0x96, 0x83);  // the flat border colour $008396A0
  EXPECT_EQ(GetPixel(dc.Get(), 0, 0), border);
  EXPECT_EQ(GetPixel(dc.Get(), (r.right - r.left) / 2, 0), border);
  EXPECT_EQ(GetPixel(dc.Get(), 0, (r.bottom - r.top) / 2), border);
  EXPECT_EQ(GetPixel(dc.Get(), r.right - r.left - 1, r.bottom - r.top - 1), border);
  // Beside the short third line of the script: the text's own background.
  TEXTMETRICA tm{};
  {
    ui::SelectedObject font(dc.Get(), Form4->Memo1->TextFont());
    GetTextMetricsA(dc.Get(), &tm);
  }
  const int x = r.right - r.left - 10, y = 2 + tm.tmHeight * 2 + tm.tmHeight / 2;
  EXPECT_EQ(GetPixel(dc.Get(), x, y), GetSysColor(COLOR_WINDOW));
}

}  // namespace
