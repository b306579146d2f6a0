// Generate: the "Generated code" window opened the pseudo-modal way, its text, Copy and its keys.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "app/Program.h"
#include "app/WindowReferences.h"
#include "core/GeneratedCode.h"
#include "flatctrls/FlatLook.h"
#include "flatctrls/TFlatButton.h"
#include "flatctrls/TFlatCheckBox.h"
#include "flatctrls/TFlatComboBox.h"
#include "flatctrls/TFlatEdit.h"
#include "flatctrls/TFlatMemo.h"
#include "framework/Gdi.h"
#include "generator/Unit1.h"
#include "generator/Unit4.h"
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

  static std::string MemoText() {
    const int length = GetWindowTextLengthA(Form4->Memo1->Handle());
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    GetWindowTextA(Form4->Memo1->Handle(), text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));
    return text;
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

TEST_F(GeneratedCodeWindow, OpensInFrontOfTheDisabledMainWindowWithPreviewsScriptTheSnippetAndTheAdvice) {
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

  const std::string text = MemoText();
  EXPECT_EQ(text.substr(0, previewScript.size()), previewScript);
  EXPECT_EQ(text.substr(previewScript.size()),
            "\r\n"
            "<script src=\"PopUp.js\"></script>\r\n"
            "<a href=\"https://example.com/it&#39;s.htm\" onclick=\"PopUp(this.href); return false;\">Open the "
            "pop-up</a>\r\n"
            "\r\n"
            "* Current browsers ignore the Tool Bar, Menu Bar, Status Bar, Directories\r\n"
            "  and Resizable settings and always show the address.\r\n");
  EXPECT_EQ(Form4->CopyText(), text.substr(0, text.find("\r\n* ")));
}

TEST_F(GeneratedCodeWindow, TheSnippetAndAdviceFollowTheActivationMethodChosen) {
  Form1->event->SetItemIndex(0);
  Click(*Form1->FlatButton1);
  const std::string text = MemoText();
  EXPECT_NE(text.find("<body onload=\"PopUp('https://www.skylatch.example')\">\r\n"), std::string::npos);
  EXPECT_NE(text.find("* \"On Page Load\" opens the window without a click, so pop-up blockers stop\r\n"
                      "  it; \"From link\" works.\r\n"),
            std::string::npos);
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
  Key(Form4->FlatButton1->Handle(), VK_ESCAPE);
  closed("Esc on Copy");
  open();
  SendMessageA(Form4->Handle(), WM_CLOSE, 0, 0);
  Pump();
  closed("the close box");
  EXPECT_TRUE(errors.empty());
  EXPECT_FALSE(ui::Application->Terminated());
}

TEST_F(GeneratedCodeWindow, CopyPutsScriptAndSnippetOnTheClipboardAsUnicodeAndAnsiText) {
  Form1->Url->SetText("https://example.com/caf\xE9.htm");
  Click(*Form1->FlatButton1);
  Click(*Form4->FlatButton1);
  ASSERT_TRUE(errors.empty()) << errors.front();
  const std::string expected = Form4->CopyText();
  ASSERT_NE(expected.find("caf\xE9.htm"), std::string::npos);
  ASSERT_TRUE(OpenClipboard(nullptr));
  std::string ansi;
  std::wstring unicode;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    ansi = static_cast<const char*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    unicode = static_cast<const wchar_t*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  EXPECT_EQ(ansi, expected);
  ASSERT_EQ(unicode.size(), expected.size());
  EXPECT_NE(unicode.find(L"caf\u00E9.htm"), std::wstring::npos);
  for (std::size_t i = 0; i < expected.size(); ++i)
    if (static_cast<unsigned char>(expected[i]) < 0x80) ASSERT_EQ(unicode[i], static_cast<wchar_t>(expected[i])) << i;
  // Copy takes the script and the snippet, not the advice.
  EXPECT_EQ(expected.find("* "), std::string::npos);
}

TEST_F(GeneratedCodeWindow, TheTextIsReadOnlyMonospacedScrollableAndCtrlASelectsIt) {
  Click(*Form1->FlatButton1);
  HWND memo = Form4->Memo1->Handle();
  const LONG style = GetWindowLongA(memo, GWL_STYLE);
  EXPECT_TRUE(style & ES_MULTILINE);
  EXPECT_TRUE(style & ES_READONLY);
  EXPECT_TRUE(style & WS_VSCROLL);
  EXPECT_TRUE(style & WS_HSCROLL);

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

TEST_F(GeneratedCodeWindow, TheTextAndItsScrollBarsSitInAFlatBorder) {
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
  // Where the scroll bars meet: the face colour.
  EXPECT_EQ(GetPixel(dc.Get(), r.right - r.left - 3, r.bottom - r.top - 3), GetSysColor(COLOR_BTNFACE));
  const int x = r.right - r.left - GetSystemMetrics(SM_CXVSCROLL) - 10, y = 2 + tm.tmHeight * 2 + tm.tmHeight / 2;
  EXPECT_EQ(GetPixel(dc.Get(), x, y), GetSysColor(COLOR_WINDOW));
}

}  // namespace
