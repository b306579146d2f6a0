#pragma once
#include <windows.h>

#include <memory>

namespace ui {
class TControl;
class TTimer;
}  // namespace ui

// An instance of a timer-tracked flat control class, as its class's hover tracker sees it.
class HoverClient {
 public:
  virtual ~HoverClient() = default;
  virtual ui::TControl& HoverControl() = 0;
  // Each class says what hover-on and hover-off do, and when hover-off is refused; a hover-off
  // that takes effect calls HoverTracker::Remove.
  virtual void HoverOn() = 0;
  virtual void HoverOff() = 0;
};

// The class-wide hover state of one timer-tracked control class: the hovered instance, one
// 100 ms timer (made by the first instance, freed by the last, running only while an instance is
// hovered) and the count of live instances. The mouse coming over an instance is seen in its
// mouse moves; its leaving is seen by the timer, which polls the cursor.
class HoverTracker {
 public:
  HoverTracker();
  ~HoverTracker();
  HoverTracker(const HoverTracker&) = delete;
  HoverTracker& operator=(const HoverTracker&) = delete;

  // Construction and destruction of an instance.
  void Join();
  void Leave(HoverClient& client);

  // After the framework's own mouse-move handling; screen is the pointer in screen coordinates.
  void MouseMoved(HoverClient& client, POINT screen);
  // The instance stops being the hovered one (its hover-off took effect, it was disabled or
  // destroyed); the timer stops with it.
  void Remove(HoverClient& client);

  HoverClient* Hovered() const { return hovered_; }
  ui::TTimer* Timer() const { return timer_.get(); }
  int Instances() const { return instances_; }

 private:
  void Tick();

  HoverClient* hovered_ = nullptr;
  std::unique_ptr<ui::TTimer> timer_;
  int instances_ = 0;
};
