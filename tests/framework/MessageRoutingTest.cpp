// The framework's message routing: typed handlers, losing the mouse capture, system colours
// reaching every control, painting into a given device context, timers through the loop, and
// stored enumerations and sets.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "core/EnumNames.h"
#include "framework/Bitmap.h"
#include "framework/CustomControl.h"
#include "framework/Font.h"
#include "framework/Form.h"
#include "framework/GraphicControl.h"
#include "framework/Timer.h"
#include "tests/support/WindowTest.h"

namespace {

// Records what reaches it and paints itself red.
class TProbeControl : public ui::TCustomControl {
 public:
  using ui::TCustomControl::TCustomControl;
  std::vector<std::string> log;
  int clicks = 0;

  void Click() override {
    ++clicks;
    ui::TCustomControl::Click();
  }
  void MouseCaptureLost() override {
    ui::TCustomControl::MouseCaptureLost();
    log.push_back("capture lost");
  }

 protected:
  void Paint() override {
    Canvas().SetBrushColor(ui::clRed);
    RECT r = ClientRect();
    Canvas().FillRect(r);
    log.push_back("paint");
  }
  void CMSysColorChange(ui::TMessage& m) override {
    ui::TCustomControl::CMSysColorChange(m);
    log.push_back("syscolor");
  }
  void WMMove(ui::TMessage& m) override {
    ui::TCustomControl::WMMove(m);
    log.push_back("move");
  }
};

class TProbeGraphic : public ui::TGraphicControl {
 public:
  using ui::TGraphicControl::TGraphicControl;
  int sysColorChanges = 0;
  int capturesLost = 0;
  void MouseCaptureLost() override {
    ui::TGraphicControl::MouseCaptureLost();
    ++capturesLost;
  }

 protected:
  void CMSysColorChange(ui::TMessage&) override { ++sysColorChanges; }
};

class MessageRouting : public testsupport::WindowTest {
 protected:
  MessageRouting() : form(new ui::TForm(nullptr)) {
    form->SetBounds(50, 50, 300, 200);
    form->HandleNeeded();
    form->Show();
    Pump();
  }
  ~MessageRouting() override { delete form; }

  template <typename T>
  T* Make(ui::TWinControl* parent, int left, int top, int width, int height) {
    T* c = new T(form);
    c->SetParent(parent);
    c->SetBounds(left, top, width, height);
    return c;
  }

  ui::TForm* form;
};

TEST_F(MessageRouting, WindowMessagesReachTheirTypedHandlers) {
  auto* probe = Make<TProbeControl>(form, 10, 10, 40, 20);
  probe->log.clear();
  probe->SetBounds(20, 10, 40, 20);
  EXPECT_EQ(probe->log, std::vector<std::string>{"move"});
  probe->Repaint();
  EXPECT_EQ(probe->log.back(), "paint");
}

TEST_F(MessageRouting, AnotherWindowTakingTheCaptureEndsThePressWithoutAClick) {
  auto* probe = Make<TProbeControl>(form, 10, 10, 40, 20);
  probe->log.clear();
  SendMouse(*probe, WM_LBUTTONDOWN, MK_LBUTTON, 5, 5);
  EXPECT_TRUE(probe->MouseCaptured());
  EXPECT_EQ(GetCapture(), probe->Handle());
  SetCapture(form->Handle());
  EXPECT_FALSE(probe->MouseCaptured());
  EXPECT_EQ(probe->log, std::vector<std::string>{"capture lost"});
  ReleaseCapture();
  SendMouse(*probe, WM_LBUTTONUP, 0, 5, 5);
  EXPECT_EQ(probe->clicks, 0);
  // A press and release that keep the capture still click.
  Click(*probe, 5, 5);
  EXPECT_EQ(probe->clicks, 1);
  EXPECT_EQ(std::count(probe->log.begin(), probe->log.end(), "capture lost"), 1);
}

TEST_F(MessageRouting, CancelModeAndAWindowlessCaptureOwnerAreHandledToo) {
  auto* graphic = Make<TProbeGraphic>(form, 100, 10, 40, 20);
  SendMouse(*graphic, WM_LBUTTONDOWN, MK_LBUTTON, 5, 5);
  EXPECT_TRUE(graphic->MouseCaptured());
  SendMessageA(form->Handle(), WM_CANCELMODE, 0, 0);
  EXPECT_FALSE(graphic->MouseCaptured());
  EXPECT_EQ(graphic->capturesLost, 1);
  EXPECT_EQ(GetCapture(), nullptr);

  // A second control taking the capture tells the first.
  auto* probe = Make<TProbeControl>(form, 10, 10, 40, 20);
  SendMouse(*graphic, WM_LBUTTONDOWN, MK_LBUTTON, 5, 5);
  SendMouse(*probe, WM_LBUTTONDOWN, MK_LBUTTON, 5, 5);
  EXPECT_EQ(graphic->capturesLost, 2);
  EXPECT_TRUE(probe->MouseCaptured());
  SendMouse(*probe, WM_LBUTTONUP, 0, 5, 5);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(MessageRouting, SystemColourChangesReachEveryControlOnceAtAnyDepth) {
  auto* panel = Make<TProbeControl>(form, 10, 10, 200, 100);
  auto* inner = Make<TProbeControl>(panel, 5, 5, 40, 20);
  auto* graphic = Make<TProbeGraphic>(panel, 60, 5, 40, 20);
  auto* top = Make<TProbeGraphic>(form, 220, 10, 40, 20);
  SendMessageA(form->Handle(), WM_SYSCOLORCHANGE, 0, 0);
  auto count = [](const TProbeControl* c) { return std::count(c->log.begin(), c->log.end(), "syscolor"); };
  EXPECT_EQ(count(panel), 1);
  EXPECT_EQ(count(inner), 1);
  EXPECT_EQ(graphic->sysColorChanges, 1);
  EXPECT_EQ(top->sysColorChanges, 1);
}

// Reads back what a control paints into a 32-bit bitmap through WM_PRINTCLIENT and through
// WM_PAINT carrying a device context.
TEST_F(MessageRouting, PaintingGoesIntoAGivenDeviceContext) {
  auto* probe = Make<TProbeControl>(form, 10, 10, 40, 20);
  for (UINT msg : {UINT(WM_PRINTCLIENT), UINT(WM_PAINT)}) {
    ui::TBitmap bitmap;
    bitmap.SetSize(40, 20);
    bitmap.Canvas().SetBrushColor(ui::clWhite);
    bitmap.Canvas().FillRect(RECT{0, 0, 40, 20});
    probe->Perform(msg, reinterpret_cast<WPARAM>(bitmap.DC()), msg == WM_PRINTCLIENT ? PRF_CLIENT : 0);
    GdiFlush();
    EXPECT_EQ(bitmap.Bits()[0] & 0xFFFFFF, 0xFF0000u) << msg;
    EXPECT_EQ(bitmap.Bits()[20 * 40 - 1] & 0xFFFFFF, 0xFF0000u) << msg;
  }
}

TEST_F(MessageRouting, ATimerTicksThroughTheLoopOnlyWhileEnabled) {
  ui::TTimer timer(nullptr);
  int ticks = 0;
  timer.OnTimer = [&](ui::TObject*) { ++ticks; };
  timer.SetInterval(10);
  EXPECT_TRUE(timer.Running());
  DWORD until = GetTickCount() + 2000;
  while (ticks < 2 && GetTickCount() < until) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    Pump();
  }
  EXPECT_GE(ticks, 2);
  timer.SetEnabled(false);
  EXPECT_FALSE(timer.Running());
  int stopped = ticks;
  Sleep(50);
  Pump();
  EXPECT_EQ(ticks, stopped);
}

TEST_F(MessageRouting, StoredEnumerationsAndSetsTakeEveryNameInItsPlace) {
  ui::LoadContext context;
  context.root = form;
  const ui::TBorderStyle styles[] = {ui::TBorderStyle::bsNone,   ui::TBorderStyle::bsSingle,
                                     ui::TBorderStyle::bsSizeable, ui::TBorderStyle::bsDialog,
                                     ui::TBorderStyle::bsToolWindow, ui::TBorderStyle::bsSizeToolWin};
  const char* names[] = {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"};
  ui::TForm loaded(nullptr);
  for (int i = 0; i < 6; ++i) {
    ASSERT_TRUE(loaded.SetProperty("BorderStyle", core::PropertyValue::Identifier(names[i]), context));
    EXPECT_EQ(loaded.BorderStyle(), styles[i]) << names[i];
  }
  const std::pair<const char*, ui::TPosition> positions[] = {
      {"poDesigned", ui::TPosition::poDesigned},       {"poDefault", ui::TPosition::poDefault},
      {"poDefaultPosOnly", ui::TPosition::poDefaultPosOnly}, {"poDefaultSizeOnly", ui::TPosition::poDefaultSizeOnly},
      {"poScreenCenter", ui::TPosition::poScreenCenter}, {"poDesktopCenter", ui::TPosition::poDesktopCenter},
      {"poMainFormCenter", ui::TPosition::poMainFormCenter}, {"poOwnerFormCenter", ui::TPosition::poOwnerFormCenter}};
  for (const auto& [name, position] : positions) {
    loaded.SetProperty("Position", core::PropertyValue::Identifier(name), context);
    EXPECT_EQ(loaded.Position(), position) << name;
  }
  EXPECT_THROW(loaded.SetProperty("Position", core::PropertyValue::Identifier("poCentre"), context), ui::Exception);
  EXPECT_THROW(loaded.SetProperty("Position", core::PropertyValue::Str("poDefault"), context), ui::Exception);

  loaded.SetProperty("BorderIcons", core::PropertyValue::SetOf({"biMaximize", "biSystemMenu"}), context);
  EXPECT_EQ(loaded.BorderIcons(), unsigned(ui::biSystemMenu | ui::biMaximize));
  loaded.SetProperty("BorderIcons", core::PropertyValue::SetOf({}), context);
  EXPECT_EQ(loaded.BorderIcons(), 0u);
  EXPECT_THROW(loaded.SetProperty("BorderIcons", core::PropertyValue::SetOf({"biHelp"}), context), ui::Exception);

  loaded.SetProperty("Font.Style", core::PropertyValue::SetOf({"fsStrikeOut", "fsItalic"}), context);
  EXPECT_EQ(loaded.Font().Style(), unsigned(ui::fsItalic | ui::fsStrikeOut));
  loaded.SetProperty("Font.Style", core::PropertyValue::SetOf({"fsBold", "fsUnderline"}), context);
  EXPECT_EQ(loaded.Font().Style(), unsigned(ui::fsBold | ui::fsUnderline));
}

}  // namespace
