// What a screen reader finds in the running program: each window's controls read through oleacc
// from another process (names, roles, states, values), the windowless texts and links as children
// at their places, and the events raised when a check box toggles or the chooser's text changes.
#include <gtest/gtest.h>

#include <windows.h>

#include <oleacc.h>

#include <string>
#include <vector>

#include "app/Program.h"
#include "generator/GeneratorWindows.h"
#include "orders/WizardWindows.h"
#include "core/OrderTexts.h"
#include "flatctrls/TFlatButton.h"
#include "flatctrls/TFlatCheckBox.h"
#include "flatctrls/TFlatComboBox.h"
#include "framework/Label.h"
#include "generator/Unit1.h"
#include "orders/pur1.h"
#include "tests/support/ProgramProcess.h"
#include "tests/support/WindowTest.h"

namespace {

using testsupport::ProgramProcess;

// Written out: the copy in MinGW's static oleacc library can come out wrong.
constexpr IID kIAccessible = {0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

struct Node {
  long role = 0;
  std::string name;
  std::string value;
  long state = 0;
};

VARIANT Child(long id) {
  VARIANT v;
  v.vt = VT_I4;
  v.lVal = id;
  return v;
}

std::string Narrow(BSTR text) {
  if (!text) return {};
  int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n > 0 ? n - 1 : 0), '\0');
  if (n > 1) WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), n, nullptr, nullptr);
  SysFreeString(text);
  return out;
}

// One reference to a window's accessible object, as a screen reader holds it.
class Accessible {
 public:
  explicit Accessible(HWND window) {
    AccessibleObjectFromWindow(window, OBJID_CLIENT, kIAccessible, reinterpret_cast<void**>(&object_));
  }
  ~Accessible() {
    if (object_) object_->Release();
  }
  Accessible(const Accessible&) = delete;
  Accessible& operator=(const Accessible&) = delete;
  IAccessible* operator->() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }

  bool Read(long id, Node& node) const {
    VARIANT role{}, state{};
    if (FAILED(object_->get_accRole(Child(id), &role)) || role.vt != VT_I4) return false;
    node.role = role.lVal;
    BSTR name = nullptr, value = nullptr;
    object_->get_accName(Child(id), &name);
    node.name = Narrow(name);
    if (object_->get_accValue(Child(id), &value) == S_OK) node.value = Narrow(value);
    if (SUCCEEDED(object_->get_accState(Child(id), &state)) && state.vt == VT_I4) node.state = state.lVal;
    return true;
  }
  long ChildCount() const {
    long count = 0;
    return SUCCEEDED(object_->get_accChildCount(&count)) ? count : 0;
  }

 private:
  IAccessible* object_ = nullptr;
};

// Every window inside top (and top itself) with its simple children, as nodes.
std::vector<Node> ReadTree(HWND top) {
  std::vector<HWND> windows{top};
  EnumChildWindows(
      top,
      [](HWND w, LPARAM p) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(p)->push_back(w);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  std::vector<Node> nodes;
  for (HWND w : windows) {
    Accessible object(w);
    if (!object) continue;
    Node node;
    if (object.Read(CHILDID_SELF, node)) nodes.push_back(node);
    for (long id = 1, n = object.ChildCount(); id <= n; ++id)
      if (Node child; object.Read(id, child)) nodes.push_back(child);
  }
  return nodes;
}

struct Expected {
  long role;
  std::string name;
  const char* value;  // nullptr: not checked
  long state;         // states that must be set
};

void ExpectFound(const std::vector<Node>& nodes, const std::vector<Expected>& expected) {
  for (const Expected& e : expected) {
    SCOPED_TRACE("role " + std::to_string(e.role) + " \"" + e.name + "\"");
    const Node* found = nullptr;
    for (const Node& n : nodes)
      if (n.role == e.role && n.name == e.name) found = &n;
    ASSERT_NE(found, nullptr);
    if (e.value) EXPECT_EQ(found->value, e.value);
    EXPECT_EQ(found->state & e.state, e.state);
  }
}

class ScreenReader : public testing::Test {
 protected:
  ScreenReader() { CoInitialize(nullptr); }
  ~ScreenReader() override { CoUninitialize(); }
};

TEST_F(ScreenReader, ReadsEveryControlOfTheMainWindow) {
  ProgramProcess program("");
  HWND main = program.WaitForWindow("TForm1");
  ASSERT_NE(main, nullptr);
  std::vector<Node> nodes = ReadTree(main);
  ASSERT_FALSE(nodes.empty());
  EXPECT_EQ(nodes[0].name, "Skylatch!");
  ExpectFound(nodes, {
                         {ROLE_SYSTEM_GROUPING, "Name", nullptr, 0},
                         {ROLE_SYSTEM_GROUPING, "Size and position", nullptr, 0},
                         {ROLE_SYSTEM_GROUPING, "Options", nullptr, 0},
                         {ROLE_SYSTEM_TEXT, "Function name", "PopUp", 0},
                         {ROLE_SYSTEM_TEXT, "Window name", "Skylatch", 0},
                         {ROLE_SYSTEM_TEXT, "Width", "300", 0},
                         {ROLE_SYSTEM_TEXT, "Height", "200", 0},
                         {ROLE_SYSTEM_TEXT, "Top", "100", 0},
                         {ROLE_SYSTEM_TEXT, "Left", "300", 0},
                         {ROLE_SYSTEM_TEXT, "URL of PopUp page", "https://www.skylatch.example", 0},
                         {ROLE_SYSTEM_COMBOBOX, "Activation method", nullptr, 0},
                         {ROLE_SYSTEM_CHECKBUTTON, "Full Screen", nullptr, STATE_SYSTEM_FOCUSABLE},
                         {ROLE_SYSTEM_CHECKBUTTON, "Location", nullptr, 0},
                         {ROLE_SYSTEM_CHECKBUTTON, "Tool Bar", nullptr, 0},
                         {ROLE_SYSTEM_PUSHBUTTON, "Preview", nullptr, STATE_SYSTEM_FOCUSABLE},
                         {ROLE_SYSTEM_PUSHBUTTON, "Generate", nullptr, 0},
                         {ROLE_SYSTEM_PUSHBUTTON, "Full version", nullptr, 0},
                         {ROLE_SYSTEM_PUSHBUTTON, "Increase", nullptr, 0},
                         {ROLE_SYSTEM_PUSHBUTTON, "Decrease", nullptr, 0},
                         {ROLE_SYSTEM_STATICTEXT, "Function name:", nullptr, STATE_SYSTEM_READONLY},
                         {ROLE_SYSTEM_STATICTEXT, "Activation method:", nullptr, 0},
                     });
  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(), 0);
}

// The child window of top whose accessible name is name, or nullptr.
HWND ChildNamed(HWND top, const std::string& name) {
  struct Search {
    const std::string& name;
    HWND found;
  } search{name, nullptr};
  EnumChildWindows(
      top,
      [](HWND w, LPARAM p) -> BOOL {
        auto* s = reinterpret_cast<Search*>(p);
        Accessible object(w);
        if (Node node; object && object.Read(CHILDID_SELF, node) && node.name == s->name) s->found = w;
        return s->found == nullptr;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Letters outside Windows-1252 typed into a field read back whole, not as best-fit letters.
TEST_F(ScreenReader, ReadsTypedTextBeyondWindows1252Whole) {
  ProgramProcess program("");
  HWND main = program.WaitForWindow("TForm1");
  ASSERT_NE(main, nullptr);
  HWND field = ChildNamed(main, "Window name");
  ASSERT_NE(field, nullptr);
  SendMessageW(field, EM_SETSEL, 0, -1);
  for (wchar_t c : std::wstring(L"\u0141\u00F3d\u017A")) PostMessageW(field, WM_CHAR, c, 1);
  const std::string lodz = "\xC5\x81\xC3\xB3" "d\xC5\xBA";
  Node node;
  for (int i = 0; i < 100; ++i) {
    Accessible object(field);
    ASSERT_TRUE(object && object.Read(CHILDID_SELF, node));
    if (node.value == lodz) break;
    Sleep(50);
  }
  EXPECT_EQ(node.value, lodz);
  EXPECT_EQ(node.name, "Window name");
  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(), 0);
}

// The check box is toggled the way a screen reader does it, and reads back as checked; the
// label inside the Name box is found at its place.
TEST_F(ScreenReader, TogglesACheckBoxAndFindsALabelAtItsPlace) {
  ProgramProcess program("");
  HWND main = program.WaitForWindow("TForm1");
  ASSERT_NE(main, nullptr);
  HWND fullScreen = ProgramProcess::FindChild(main, "TFlatCheckBox", "Full Screen");
  ASSERT_NE(fullScreen, nullptr);
  {
    Accessible box(fullScreen);
    ASSERT_TRUE(box);
    BSTR action = nullptr;
    box->get_accDefaultAction(Child(CHILDID_SELF), &action);
    EXPECT_EQ(Narrow(action), "Check");
    EXPECT_EQ(box->accDoDefaultAction(Child(CHILDID_SELF)), S_OK);
    Node node;
    ASSERT_TRUE(box.Read(CHILDID_SELF, node));
    EXPECT_TRUE(node.state & STATE_SYSTEM_CHECKED);
  }
  // Full Screen greys out the bars and the size fields: their default actions do nothing.
  HWND statusBar = ProgramProcess::FindChild(main, "TFlatCheckBox", "Status Bar");
  HWND arrows = ProgramProcess::FindChild(main, "TSpinButton", "");
  ASSERT_TRUE(statusBar && arrows);
  wchar_t before[32] = {}, after[32] = {};
  GetWindowTextW(GetParent(arrows), before, 32);
  Accessible box(statusBar), spin(arrows);
  ASSERT_TRUE(box && spin);
  long increase = 0;
  for (long id = 1, n = spin.ChildCount(); id <= n && !increase; ++id)
    if (Node node; spin.Read(id, node) && node.name == "Increase") increase = id;
  ASSERT_NE(increase, 0);
  box->accDoDefaultAction(Child(CHILDID_SELF));
  spin->accDoDefaultAction(Child(increase));
  Node boxNode, increaseNode;
  ASSERT_TRUE(box.Read(CHILDID_SELF, boxNode) && spin.Read(increase, increaseNode));
  EXPECT_TRUE(boxNode.state & STATE_SYSTEM_UNAVAILABLE);
  EXPECT_FALSE(boxNode.state & STATE_SYSTEM_CHECKED);
  EXPECT_TRUE(increaseNode.state & STATE_SYSTEM_UNAVAILABLE);
  GetWindowTextW(GetParent(arrows), after, 32);
  EXPECT_STREQ(after, before);
  HWND nameBox = ProgramProcess::FindChild(main, "TFlatGroupBox", "Name");
  ASSERT_NE(nameBox, nullptr);
  Accessible group(nameBox);
  ASSERT_TRUE(group);
  long found = 0;
  for (long id = 1, n = group.ChildCount(); id <= n && !found; ++id) {
    Node node;
    if (group.Read(id, node) && node.name == "Window name:") found = id;
  }
  ASSERT_NE(found, 0);
  long x = 0, y = 0, w = 0, h = 0;
  ASSERT_EQ(group->accLocation(&x, &y, &w, &h, Child(found)), S_OK);
  EXPECT_GT(w, 0);
  EXPECT_GT(h, 0);
  VARIANT hit{};
  ASSERT_EQ(group->accHitTest(x + w / 2, y + h / 2, &hit), S_OK);
  EXPECT_EQ(hit.vt, VT_I4);
  EXPECT_EQ(hit.lVal, found);
  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(), 0);
}

// A secondary window opened from the main window's menu, read as a screen reader reads it.
void ExpectMenuWindowReads(int barPosition, int itemPosition, const char* className,
                           const std::vector<Expected>& expected) {
  ProgramProcess program("");
  HWND main = program.WaitForWindow("TForm1");
  ASSERT_NE(main, nullptr);
  ProgramProcess::ChooseMenu(main, barPosition, itemPosition);
  HWND window = program.WaitForWindow(className);
  ASSERT_NE(window, nullptr);
  ExpectFound(ReadTree(window), expected);
  PostMessageA(window, WM_CLOSE, 0, 0);
  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(), 0);
}

TEST_F(ScreenReader, ReadsTheAboutWindow) {
  ExpectMenuWindowReads(1, 4, "TForm3",  // Help, About Skylatch!
                        {
                            {ROLE_SYSTEM_STATICTEXT, "By the Skylatch! team", nullptr, 0},
                            {ROLE_SYSTEM_LINK, "www.skylatch.example", nullptr, STATE_SYSTEM_LINKED},
                            {ROLE_SYSTEM_LINK, "https://www.skylatch.example", nullptr, STATE_SYSTEM_LINKED},
                            {ROLE_SYSTEM_PUSHBUTTON, "OK", nullptr, STATE_SYSTEM_DEFAULT},
                        });
}

TEST_F(ScreenReader, ReadsTheGeneratedCodeWindow) {
  ExpectMenuWindowReads(0, 4, "TForm4",  // File, Generate code…
                        {
                            {ROLE_SYSTEM_TEXT, "Save as PopUp.js", nullptr, STATE_SYSTEM_READONLY},
                            {ROLE_SYSTEM_TEXT, "Put in your page", nullptr, STATE_SYSTEM_READONLY},
                            {ROLE_SYSTEM_TEXT, "What browsers do with it", nullptr, STATE_SYSTEM_READONLY},
                            {ROLE_SYSTEM_PUSHBUTTON, "Copy script", nullptr, STATE_SYSTEM_FOCUSABLE},
                            {ROLE_SYSTEM_PUSHBUTTON, "Copy call", nullptr, STATE_SYSTEM_FOCUSABLE},
                            {ROLE_SYSTEM_PUSHBUTTON, "Close", nullptr, STATE_SYSTEM_DEFAULT},
                        });
}

// The chooser, then (Enter on its default button) the credit-card page.
TEST_F(ScreenReader, ReadsTheChooserAndAPage) {
  ProgramProcess program("order");
  HWND chooser = program.WaitForWindow("TMain");
  ASSERT_NE(chooser, nullptr);
  ExpectFound(ReadTree(chooser),
              {
                  {ROLE_SYSTEM_COMBOBOX, "Choose Product", nullptr, 0},
                  {ROLE_SYSTEM_COMBOBOX, "Purchase method", nullptr, 0},
                  {ROLE_SYSTEM_PUSHBUTTON, "Next", nullptr, STATE_SYSTEM_DEFAULT},
                  {ROLE_SYSTEM_PUSHBUTTON, "Previous", nullptr, STATE_SYSTEM_UNAVAILABLE},
                  {ROLE_SYSTEM_PUSHBUTTON, "Cancel", nullptr, 0},
                  {ROLE_SYSTEM_GROUPING, "More Info", nullptr, 0},
                  {ROLE_SYSTEM_STATICTEXT, std::string(core::OrderTexts::kMethodPrompt), nullptr, 0},
              });
  SetForegroundWindow(chooser);
  INPUT enter[2] = {};
  enter[0].type = enter[1].type = INPUT_KEYBOARD;
  enter[0].ki.wVk = enter[1].ki.wVk = VK_RETURN;
  enter[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, enter, sizeof(INPUT));
  HWND page = program.WaitForWindow("TCCOrders");
  ASSERT_NE(page, nullptr);
  ExpectFound(ReadTree(page), {
                                  {ROLE_SYSTEM_STATICTEXT, "Purchase Skylatch! by Credit Card", nullptr, 0},
                                  {ROLE_SYSTEM_LINK, "Secure Purchase Guarantee click for more info", nullptr, 0},
                                  {ROLE_SYSTEM_PUSHBUTTON, "Next", nullptr, STATE_SYSTEM_DEFAULT},
                                  {ROLE_SYSTEM_PUSHBUTTON, "Previous", nullptr, 0},
                                  {ROLE_SYSTEM_PUSHBUTTON, "Cancel", nullptr, 0},
                              });
  PostMessageA(page, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(), 0);
}

// Events, heard by a hook in the program's own process.
class ScreenReaderEvents : public testsupport::WindowTest {
 protected:
  struct Heard {
    DWORD event;
    HWND window;
    LONG child;
  };
  static std::vector<Heard>& Log() {
    static std::vector<Heard> log;
    return log;
  }
  void SetUp() override {
    Log().clear();
    hook_ = SetWinEventHook(EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr,
                            [](HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
                              if (object == OBJID_CLIENT) Log().push_back({event, window, child});
                            },
                            GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook_, nullptr);
    app::CreateForms(*ui::Application);
    Form1->Show();
    Pump();
  }
  void TearDown() override { UnhookWinEvent(hook_); }
  static bool HeardOf(DWORD event, HWND window, LONG child) {
    for (int i = 0; i < 50; ++i) {
      Pump();
      for (const Heard& h : Log())
        if (h.event == event && h.window == window && h.child == child) return true;
      Sleep(10);
    }
    return false;
  }
  HWINEVENTHOOK hook_ = nullptr;
};

TEST_F(ScreenReaderEvents, ACheckBoxToggleIsAStateChange) {
  Click(*Form1->status);
  EXPECT_TRUE(HeardOf(EVENT_OBJECT_STATECHANGE, Form1->status->Handle(), CHILDID_SELF));
}

TEST_F(ScreenReaderEvents, TheChoosersNewTextIsANameChangeOfItsChild) {
  Click(*Form1->FlatButton3);  // "Full version"
  ASSERT_TRUE(Main->Visible());
  SendMessageA(Main->metodo->Handle(), CB_SETCURSEL, 2, 0);
  SendMessageA(GetParent(Main->metodo->Handle()), WM_COMMAND,
               MAKEWPARAM(GetDlgCtrlID(Main->metodo->Handle()), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(Main->metodo->Handle()));
  EXPECT_TRUE(HeardOf(EVENT_OBJECT_NAMECHANGE, Main->info->Parent()->Handle(), 1));
}

}  // namespace
