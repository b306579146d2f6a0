// What a screen reader finds in the running program: each window's controls read through oleacc
// from another process (names, roles, states, values), the windowless texts and links as children
// at their places, and the events raised when a check box toggles or the chooser's text changes.
#include <gtest/gtest.h>

#include <windows.h>

#include <oleacc.h>

#include <algorithm>
#include <functional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "app/Program.h"
#include "generator/GeneratorWindows.h"
#include "orders/WizardWindows.h"
#include "core/OrderTexts.h"
#include "flatctrls/TFlatButton.h"
#include "flatctrls/TFlatCheckBox.h"
#include "flatctrls/TFlatComboBox.h"
#include "flatctrls/TFlatEdit.h"
#include "flatctrls/TFlatSpinEditInteger.h"
#include "flatctrls/TSpinButton.h"
#include "flatctrls/TTimerSpeedButton.h"
#include "framework/Label.h"
#include "generator/Unit1.h"
#include "orders/pur1.h"
#include "tests/support/AccessibleIid.h"
#include "tests/support/ProgramProcess.h"
#include "tests/support/WindowTest.h"

namespace {

using testsupport::ProgramProcess;

using testsupport::kIAccessible;

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

// A key pressed and released as the keyboard sends it, Shift held down for back.
void PressKey(WORD key, bool shift = false) {
  INPUT keys[4] = {};
  for (INPUT& k : keys) k.type = INPUT_KEYBOARD;
  keys[0].ki.wVk = keys[3].ki.wVk = VK_SHIFT;
  keys[1].ki.wVk = keys[2].ki.wVk = key;
  keys[2].ki.dwFlags = keys[3].ki.dwFlags = KEYEVENTF_KEYUP;
  if (shift) SendInput(4, keys, sizeof(INPUT));
  else SendInput(2, keys + 1, sizeof(INPUT));
}

void PressTab(bool back = false) { PressKey(VK_TAB, back); }

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

  IAccessible* get() const { return object_; }
  bool Read(long id, Node& node) const { return ReadOf(object_, id, node); }
  static bool ReadOf(IAccessible* object, long id, Node& node) {
    VARIANT role{}, state{};
    if (FAILED(object->get_accRole(Child(id), &role)) || role.vt != VT_I4) return false;
    node.role = role.lVal;
    BSTR name = nullptr, value = nullptr;
    object->get_accName(Child(id), &name);
    node.name = Narrow(name);
    if (object->get_accValue(Child(id), &value) == S_OK) node.value = Narrow(value);
    if (SUCCEEDED(object->get_accState(Child(id), &state)) && state.vt == VT_I4) node.state = state.lVal;
    return true;
  }
  static void ReadOf(IAccessible* object, long id, std::vector<Node>& nodes) {
    if (Node node; ReadOf(object, id, node)) nodes.push_back(node);
  }
  long ChildCount() const {
    long count = 0;
    return SUCCEEDED(object_->get_accChildCount(&count)) ? count : 0;
  }

 private:
  IAccessible* object_ = nullptr;
};

// Walks an object's whole tree the way a screen reader does (AccessibleChildren, which asks the
// object's IEnumVARIANT), noting every node and the windows it passes through.
void Walk(IAccessible* object, std::vector<Node>& nodes, std::vector<HWND>& windows, int depth = 0) {
  ASSERT_LT(depth, 12) << "the tree loops";
  HWND window = nullptr;
  if (SUCCEEDED(WindowFromAccessibleObject(object, &window)) && window) windows.push_back(window);
  VARIANT role{};
  if (FAILED(object->get_accRole(Child(CHILDID_SELF), &role)) || role.vt != VT_I4) return;
  long count = 0;
  ASSERT_TRUE(SUCCEEDED(object->get_accChildCount(&count)));
  std::vector<VARIANT> children(static_cast<std::size_t>(count));
  long got = 0;
  if (count > 0) ASSERT_EQ(AccessibleChildren(object, 0, count, children.data(), &got), S_OK);
  ASSERT_EQ(got, count);
  for (VARIANT& child : children) {
    if (child.vt == VT_I4) {
      Accessible::ReadOf(object, child.lVal, nodes);
    } else if (child.vt == VT_DISPATCH && child.pdispVal) {
      IAccessible* inner = nullptr;
      if (SUCCEEDED(child.pdispVal->QueryInterface(kIAccessible, reinterpret_cast<void**>(&inner)))) {
        Accessible::ReadOf(inner, CHILDID_SELF, nodes);
        Walk(inner, nodes, windows, depth + 1);
        inner->Release();
      }
      child.pdispVal->Release();
    }
  }
}

// The tree under top as a screen reader walks it, every child window of top reached on the way.
std::vector<Node> ReadTree(HWND top) {
  std::vector<Node> nodes;
  std::vector<HWND> reached;
  Accessible root(top);
  if (!root) return nodes;
  Accessible::ReadOf(root.get(), CHILDID_SELF, nodes);
  Walk(root.get(), nodes, reached);
  EnumChildWindows(
      top,
      [](HWND w, LPARAM p) -> BOOL {
        const auto* reached = reinterpret_cast<std::vector<HWND>*>(p);
        char name[64] = {};
        GetClassNameA(w, name, sizeof name);
        EXPECT_NE(std::find(reached->begin(), reached->end(), w), reached->end()) << "the walk misses a " << name;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&reached));
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
                            {ROLE_SYSTEM_LINK, "Skylatch! icon", "https://www.skylatch.example", STATE_SYSTEM_LINKED},
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
  PressKey(VK_RETURN);
  HWND page = program.WaitForWindow("TCCOrders");
  ASSERT_NE(page, nullptr);
  ExpectFound(ReadTree(page), {
                                  {ROLE_SYSTEM_STATICTEXT, "Purchase Skylatch! by Credit Card", nullptr, 0},
                                  {ROLE_SYSTEM_LINK, "Secure Purchase Guarantee click for more info", nullptr, 0},
                                  {ROLE_SYSTEM_LINK, "Secure site seal", nullptr, STATE_SYSTEM_LINKED},
                                  {ROLE_SYSTEM_PUSHBUTTON, "Next", nullptr, STATE_SYSTEM_DEFAULT},
                                  {ROLE_SYSTEM_PUSHBUTTON, "Previous", nullptr, 0},
                                  {ROLE_SYSTEM_PUSHBUTTON, "Cancel", nullptr, 0},
                              });
  PostMessageA(page, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(), 0);
}

// Focus events of the program, heard from outside as a screen reader hears them, each with the
// name its object gives at that moment.
class FocusListener {
 public:
  struct Event {
    HWND window;
    long child;
    std::string name;
  };
  explicit FocusListener(HWND anyWindow) {
    DWORD processId = 0;
    GetWindowThreadProcessId(anyWindow, &processId);
    Current() = this;
    hook_ = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr, &Heard, processId, 0, WINEVENT_OUTOFCONTEXT);
  }
  ~FocusListener() {
    UnhookWinEvent(hook_);
    Current() = nullptr;
  }
  // Everything heard from now on until the events stop coming for a moment: one key press or
  // action gives its events in one burst, well inside that moment.
  static constexpr DWORD kQuietMs = 150;
  std::vector<Event> Take(DWORD quietMs = kQuietMs, DWORD timeoutMs = 4000) {
    const DWORD start = GetTickCount();
    DWORD lastSize = 0, quietSince = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
      MSG msg;
      while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
      if (heard_.size() != lastSize) {
        lastSize = static_cast<DWORD>(heard_.size());
        quietSince = GetTickCount();
      } else if (!heard_.empty() && GetTickCount() - quietSince >= quietMs) {
        break;
      }
      Sleep(10);
    }
    return std::exchange(heard_, {});
  }

 private:
  static FocusListener*& Current() {
    static FocusListener* current = nullptr;
    return current;
  }
  static void CALLBACK Heard(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD) {
    if (!Current() || object != OBJID_CLIENT) return;
    // Noted before the name is asked: the call to the program lets later events in meanwhile.
    std::vector<Event>& heard = Current()->heard_;
    heard.push_back(Event{window, child, {}});
    const std::size_t at = heard.size() - 1;
    IAccessible* accessible = nullptr;
    VARIANT which{};
    if (SUCCEEDED(AccessibleObjectFromEvent(window, object, child, &accessible, &which)) && accessible) {
      BSTR name = nullptr;
      accessible->get_accName(which, &name);
      if (Current() && at < Current()->heard_.size()) Current()->heard_[at].name = Narrow(name);
      else SysFreeString(name);
      accessible->Release();
    }
  }
  HWINEVENTHOOK hook_ = nullptr;
  std::vector<Event> heard_;
};


// Tab, once round the window: the object each press gives the focus to, as the last focus event
// of that press names it. Every press is heard, none lands on the window itself.
std::vector<FocusListener::Event> TabRound(FocusListener& focus, HWND top) {
  std::vector<FocusListener::Event> round;
  for (int press = 0; press < 40; ++press) {
    PressTab();
    std::vector<FocusListener::Event> heard = focus.Take();
    if (heard.empty()) {
      ADD_FAILURE() << "Tab number " << press + 1 << " gave no focus event";
      break;
    }
    const FocusListener::Event& last = heard.back();
    EXPECT_FALSE(last.window == top && last.child == CHILDID_SELF) << "the focus event names the window";
    EXPECT_FALSE(last.name.empty());
    if (!round.empty() && last.name == round.front().name && last.child == round.front().child) return round;
    round.push_back(last);
  }
  ADD_FAILURE() << "Tab never came round";
  return round;
}

bool Contains(const std::vector<FocusListener::Event>& events, const std::string& name) {
  return std::any_of(events.begin(), events.end(), [&](const FocusListener::Event& e) { return e.name == name; });
}

// Tab, going round and round, meets the names in this order (wherever the round began).
bool InTabOrder(const std::vector<FocusListener::Event>& round, std::initializer_list<const char*> names) {
  std::vector<std::size_t> at;
  for (const char* name : names) {
    auto it = std::find_if(round.begin(), round.end(), [&](const FocusListener::Event& e) { return e.name == name; });
    if (it == round.end()) return false;
    at.push_back(static_cast<std::size_t>(it - round.begin()));
  }
  for (std::size_t i = 1; i < at.size(); ++i)
    if ((at[i] + round.size() - at[0]) % round.size() <= (at[i - 1] + round.size() - at[0]) % round.size()) return false;
  return true;
}

// Tab finds every control and link of the main window and is heard at each; a control greyed out
// while it holds the focus (the size fields, by a screen reader ticking Full Screen) hands the
// focus on, and Tab goes on working.
TEST_F(ScreenReader, HearsTheFocusGoRoundTheMainWindowAndNeverLosesIt) {
  ProgramProcess program("");
  HWND main = program.WaitForWindow("TForm1");
  ASSERT_NE(main, nullptr);
  FocusListener focus(main);
  SetForegroundWindow(main);
  focus.Take();
  std::vector<FocusListener::Event> round = TabRound(focus, main);
  for (const char* name : {"Function name", "Width", "Left", "Full Screen", "Activation method", "Preview"})
    EXPECT_TRUE(Contains(round, name)) << name;
  EXPECT_TRUE(InTabOrder(round, {"Function name", "Window name", "Width", "Height", "Top", "Left", "Full Screen",
                                 "Status Bar", "Tool Bar", "Scroll Bars", "Menu Bar", "Location", "Resizable",
                                 "Directories", "Activation method", "URL of PopUp page", "Preview", "Generate",
                                 "Full version"}))
      << "the options row by row, left to right";
  for (std::size_t i = 0; i < round.size(); ++i)
    for (std::size_t j = i + 1; j < round.size(); ++j)
      EXPECT_FALSE(round[i].name == round[j].name && round[i].child == round[j].child) << round[i].name;
  for (int press = 0; press < 40; ++press) {
    PressTab();
    std::vector<FocusListener::Event> heard = focus.Take();
    if (!heard.empty() && heard.back().name == "Width") break;
  }
  HWND fullScreen = ProgramProcess::FindChild(main, "TFlatCheckBox", "Full Screen");
  ASSERT_NE(fullScreen, nullptr);
  // Asked from a thread of its own, as a reader's event thread stays free to hear what it causes.
  const auto toggle = [&focus](HWND box, DWORD waitMs = 4000) {
    HRESULT done = E_FAIL;
    std::thread press([&] {
      CoInitializeEx(nullptr, COINIT_MULTITHREADED);
      {
        Accessible object(box);
        if (object) done = object->accDoDefaultAction(Child(CHILDID_SELF));
      }
      CoUninitialize();
    });
    std::vector<FocusListener::Event> heard = focus.Take(FocusListener::kQuietMs, waitMs);
    press.join();
    EXPECT_EQ(done, S_OK);
    return heard;
  };
  const auto focusHeld = [main] {
    GUITHREADINFO thread{sizeof thread};
    return GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &thread) && thread.hwndFocus &&
           IsWindowEnabled(thread.hwndFocus) && IsWindowVisible(thread.hwndFocus);
  };
  std::vector<FocusListener::Event> passed = toggle(fullScreen);
  ASSERT_FALSE(passed.empty()) << "the greyed-out field kept the focus to itself";
  EXPECT_NE(passed.back().name, "Width");
  EXPECT_TRUE(focusHeld());
  PressTab();
  EXPECT_FALSE(focus.Take().empty()) << "Tab does nothing after the focus passed on";
  // Each option box greyed out under the focus, in turn; the focus passes on to the list after
  // them, from where Shift+Tab goes back to the next box.
  toggle(fullScreen, 600);
  for (const char* option : {"Directories", "Resizable", "Location", "Menu Bar", "Scroll Bars", "Tool Bar", "Status Bar"}) {
    for (int press = 0; press < 40; ++press) {
      PressTab(true);
      std::vector<FocusListener::Event> heard = focus.Take();
      if (!heard.empty() && heard.back().name == option) break;
    }
    EXPECT_FALSE(toggle(fullScreen).empty()) << option;
    EXPECT_TRUE(focusHeld()) << option;
    toggle(fullScreen, 600);
  }
  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(), 0);
}

// The links of About and of a wizard page are heard by their own child ids, and while one holds
// the focus the window answers with it; passing from the chooser to a page never gives the focus
// to the taskbar entry's window.
TEST_F(ScreenReader, FollowsTheFocusOntoLinksAndThroughTheWizard) {
  const auto linksHeard = [](FocusListener& focus, HWND window, std::size_t links,
                             std::initializer_list<const char*> order) {
    std::vector<FocusListener::Event> round = TabRound(focus, window);
    EXPECT_TRUE(InTabOrder(round, order)) << "the links, then the buttons from left to right";
    std::size_t heard = 0;
    for (const FocusListener::Event& e : round) {
      if (e.child == CHILDID_SELF) continue;
      ++heard;
      PressTab();  // round again to it, and ask the window what is focused
      for (int press = 0; press < 40; ++press) {
        std::vector<FocusListener::Event> now = focus.Take();
        if (!now.empty() && now.back().child == e.child && now.back().window == e.window) break;
        PressTab();
      }
      Accessible object(e.window);
      VARIANT focused{};
      ASSERT_EQ(object->get_accFocus(&focused), S_OK);
      EXPECT_EQ(focused.vt, VT_I4);
      EXPECT_EQ(focused.lVal, e.child) << e.name;
    }
    EXPECT_EQ(heard, links);
  };
  {
    ProgramProcess program("");
    HWND main = program.WaitForWindow("TForm1");
    ASSERT_NE(main, nullptr);
    ProgramProcess::ChooseMenu(main, 1, 4);  // Help, About Skylatch!
    HWND about = program.WaitForWindow("TForm3");
    ASSERT_NE(about, nullptr);
    FocusListener focus(about);
    SetForegroundWindow(about);
    focus.Take();
    linksHeard(focus, about, 2, {"www.skylatch.example", "Skylatch! icon", "OK"});
    PostMessageA(about, WM_CLOSE, 0, 0);
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0);
  }
  ProgramProcess program("order");
  HWND chooser = program.WaitForWindow("TMain");
  ASSERT_NE(chooser, nullptr);
  FocusListener focus(chooser);
  SetForegroundWindow(chooser);
  focus.Take();
  PressKey(VK_RETURN);
  HWND page = program.WaitForWindow("TCCOrders");
  ASSERT_NE(page, nullptr);
  for (const FocusListener::Event& e : focus.Take()) {
    RECT r{};
    GetWindowRect(GetAncestor(e.window, GA_ROOT), &r);
    EXPECT_FALSE(IsRectEmpty(&r)) << "the focus passed through \"" << e.name << "\", a window of no size";
  }
  linksHeard(focus, page, 2, {"Secure Purchase Guarantee click for more info", "Secure site seal", "Cancel", "Previous", "Next"});
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
    hook_ = SetWinEventHook(EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr,
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
  static int TimesHeard(DWORD event, HWND window) {
    for (int i = 0; i < 10; ++i) {
      Pump();
      Sleep(10);
    }
    return static_cast<int>(std::count_if(Log().begin(), Log().end(), [&](const Heard& h) {
      return h.event == event && h.window == window && h.child == CHILDID_SELF;
    }));
  }
  static void Select(ui::TWinControl& list, int index) {
    SendMessageA(list.Handle(), CB_SETCURSEL, index, 0);
    SendMessageA(GetParent(list.Handle()), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list.Handle()), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list.Handle()));
  }
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

// Each change of a value by the user is announced once, as Windows' own edit and list do: a
// second announcement from the system's edit and the program both would be read twice.
TEST_F(ScreenReaderEvents, TypingAStepAndANewChoiceAreEachOneValueChange) {
  const struct {
    const char* what;
    ui::TWinControl* control;
    std::function<void()> change;
  } cases[] = {
      {"a typed letter", Form1->FlatEdit1, [] { SendMessageA(Form1->FlatEdit1->Handle(), WM_CHAR, 'x', 0); }},
      {"a step up", Form1->ancho, [] { Click(*Form1->ancho->Button()->UpButton(), 5, 5); }},
      {"a new activation", Form1->event, [] { Select(*Form1->event, 1); }},
  };
  for (const auto& c : cases) {
    Log().clear();
    const std::string before = c.control->Text();
    c.change();
    ASSERT_NE(c.control->Text(), before) << c.what;
    EXPECT_EQ(TimesHeard(EVENT_OBJECT_VALUECHANGE, c.control->Handle()), 1) << c.what;
  }
}

TEST_F(ScreenReaderEvents, TheChoosersNewTextIsANameChangeOfItsChildAndTheListsDescription) {
  Click(*Form1->FlatButton3);  // "Full version"
  ASSERT_TRUE(Main->Visible());
  Select(*Main->metodo, 2);
  EXPECT_TRUE(HeardOf(EVENT_OBJECT_NAMECHANGE, Main->info->Parent()->Handle(), 1));
  EXPECT_EQ(TimesHeard(EVENT_OBJECT_DESCRIPTIONCHANGE, Main->metodo->Handle()), 1);
  Accessible list(Main->metodo->Handle());
  ASSERT_TRUE(list);
  BSTR description = nullptr;
  ASSERT_EQ(list->get_accDescription(Child(CHILDID_SELF), &description), S_OK);
  EXPECT_EQ(Narrow(description), Main->info->Caption());
}

}  // namespace
