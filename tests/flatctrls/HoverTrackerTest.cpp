// The class-wide hover tracker, by the sequence of hover-on and hover-off it gives: one instance
// at a time, one timer per class, nothing while the program is inactive, the timer stopping when
// the mouse leaves, and destroyed or disabled instances let go.
#include "flatctrls/HoverTracker.h"

#include <algorithm>
#include <string>
#include <vector>

#include "flatctrls/TFlatButton.h"
#include "flatctrls/TFlatSpeedButton.h"
#include "framework/Timer.h"
#include "tests/flatctrls/FlatTestHost.h"

namespace {

std::vector<std::string>* hoverLog = nullptr;

template <typename Button>
class TLogged : public Button {
 public:
  using Button::Button;
  void HoverOn() override {
    bool before = this->Hovered();
    Button::HoverOn();
    if (hoverLog && !before && this->Hovered()) hoverLog->push_back(this->Name() + ".on");
  }
  void HoverOff() override {
    bool before = this->Hovered();
    Button::HoverOff();
    if (hoverLog && before && !this->Hovered()) hoverLog->push_back(this->Name() + ".off");
  }
};

class Hover : public FlatControlTest {
 protected:
  Hover() {
    hoverLog = &log;
    platform.steerActiveWindow = true;
    platform.activeWindow = host->Handle();
    a = Named(Make<TLogged<TFlatButton>>(10, 10, 60, 25), "A");
    b = Named(Make<TLogged<TFlatButton>>(80, 10, 60, 25), "B");
  }
  ~Hover() override { hoverLog = nullptr; }

  template <typename T>
  T* Named(T* control, const char* name) {
    control->SetName(name);
    return control;
  }
  // The pointer comes over a control: the cursor is there, and the control sees a mouse move.
  void MoveOver(ui::TControl& control) {
    platform.steerCursor = true;
    platform.cursor = control.ClientToScreen(POINT{5, 5});
    SendMouse(control, WM_MOUSEMOVE, 0, 5, 5);
  }
  void MoveAway() {
    platform.steerCursor = true;
    platform.cursor = host->ClientToScreen(POINT{300, 200});
  }
  // Lets the hover timer tick for up to a second, until done says so.
  template <typename Done>
  void PumpUntil(Done done) {
    DWORD until = GetTickCount() + 1000;
    while (!done() && GetTickCount() < until) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
      Pump();
    }
  }

  HoverTracker& tracker = TFlatButton::ClassHoverTracker();
  std::vector<std::string> log;
  TFlatButton* a;
  TFlatButton* b;
};

TEST_F(Hover, MovingStraightFromOneButtonToAnotherEndsTheFirstHoverBeforeTheSecondBegins) {
  MoveOver(*a);
  ui::TTimer* timer = tracker.Timer();
  ASSERT_NE(timer, nullptr);
  EXPECT_TRUE(timer->Running());
  EXPECT_EQ(timer->Interval(), 100u);
  MoveOver(*a);  // further moves over the hovered button change nothing
  MoveOver(*b);
  EXPECT_EQ(log, (std::vector<std::string>{"A.on", "A.off", "B.on"}));
  EXPECT_EQ(tracker.Hovered(), b);
  EXPECT_EQ(tracker.Timer(), timer);  // one timer serves the class
  EXPECT_TRUE(timer->Running());
}

TEST_F(Hover, EachClassHasItsOwnTrackerSoAButtonAndASpeedButtonHoverTogether) {
  auto* speed = Named(Make<TLogged<TFlatSpeedButton>>(150, 10, 40, 25), "S");
  MoveOver(*a);
  MoveOver(*speed);
  EXPECT_EQ(log, (std::vector<std::string>{"A.on", "S.on"}));
  EXPECT_TRUE(a->Hovered());
  EXPECT_NE(&TFlatSpeedButton::ClassHoverTracker(), &tracker);
  EXPECT_EQ(TFlatSpeedButton::ClassHoverTracker().Hovered(), speed);
}

TEST_F(Hover, NoHoverWhileTheProgramIsInactive) {
  platform.activeWindow = nullptr;
  MoveOver(*a);
  EXPECT_TRUE(log.empty());
  EXPECT_FALSE(a->Hovered());
  EXPECT_EQ(tracker.Hovered(), nullptr);
  EXPECT_FALSE(tracker.Timer()->Running());
}

TEST_F(Hover, TheTimerEndsTheHoverOnceTheMouseHasLeftAndStops) {
  MoveOver(*a);
  PumpUntil([] { return false; });  // still over it: a second of ticks changes nothing
  EXPECT_EQ(log, std::vector<std::string>{"A.on"});
  MoveAway();
  PumpUntil([this] { return !a->Hovered(); });
  EXPECT_EQ(log, (std::vector<std::string>{"A.on", "A.off"}));
  EXPECT_EQ(tracker.Hovered(), nullptr);
  EXPECT_FALSE(tracker.Timer()->Running());
}

TEST_F(Hover, AHeldButtonKeepsItsHoverUntilReleased) {
  MoveOver(*a);
  SendMouse(*a, WM_LBUTTONDOWN, MK_LBUTTON, 5, 5);
  MoveAway();
  SendMouse(*a, WM_MOUSEMOVE, MK_LBUTTON, 200, 5);
  PumpUntil([] { return false; });
  EXPECT_TRUE(a->Hovered());
  SendMouse(*a, WM_LBUTTONUP, 0, 200, 5);
  EXPECT_FALSE(a->Hovered());
  ASSERT_GE(log.size(), 2u);
  EXPECT_EQ(log[0], "A.on");
  EXPECT_EQ(log[1], "A.off");
  EXPECT_EQ(std::count(log.begin(), log.end(), "A.on"), 1);
}

TEST_F(Hover, ADestroyedOrDisabledHoveredButtonIsLetGo) {
  MoveOver(*a);
  delete a;
  EXPECT_EQ(tracker.Hovered(), nullptr);
  EXPECT_FALSE(tracker.Timer()->Running());
  MoveOver(*b);
  EXPECT_EQ(tracker.Hovered(), b);
  b->SetEnabled(false);
  EXPECT_EQ(tracker.Hovered(), nullptr);
  EXPECT_FALSE(b->Hovered());
  EXPECT_FALSE(tracker.Timer()->Running());
}

TEST_F(Hover, TheFirstInstanceMakesTheTimerAndTheLastFreesIt) {
  const int before = tracker.Instances();
  auto* extra = new TFlatButton(nullptr);
  EXPECT_EQ(tracker.Instances(), before + 1);
  delete extra;
  EXPECT_EQ(tracker.Instances(), before);
  delete a;
  delete b;
  EXPECT_EQ(tracker.Instances(), 0);
  EXPECT_EQ(tracker.Timer(), nullptr);
  auto* first = new TFlatButton(nullptr);
  EXPECT_NE(tracker.Timer(), nullptr);
  EXPECT_FALSE(tracker.Timer()->Running());
  delete first;
}

}  // namespace
