#include "core/WorkAreaFit.h"

#include <gtest/gtest.h>

namespace {

using core::LayoutRect;

struct FitCase {
  const char* what;
  LayoutRect window, expected;
};

TEST(WorkAreaFitTest, AWindowEndsInsideTheWorkAreaAndNoLargerThanIt) {
  // A 1280 x 1024 monitor whose taskbar takes the bottom 40 pixels.
  const LayoutRect work{0, 0, 1280, 984};
  const FitCase cases[] = {
      {"fits: kept", {100, 50, 740, 600}, {100, 50, 740, 600}},
      {"exactly the area", {0, 0, 1280, 984}, {0, 0, 1280, 984}},
      {"the code window at 200 %, centred", {-3, -7, 1283, 1031}, {0, 0, 1280, 984}},
      {"too tall only", {300, 20, 900, 1100}, {300, 0, 900, 984}},
      {"off the right and bottom edges", {1000, 900, 1400, 1100}, {880, 784, 1280, 984}},
      {"off the left and top edges", {-50, -20, 150, 80}, {0, 0, 200, 100}},
  };
  for (const FitCase& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(core::FitToWorkArea(c.window, work), c.expected);
  }
}

TEST(WorkAreaFitTest, ASecondMonitorsWorkAreaIsItsOwn) {
  // A monitor left of the primary one, its taskbar at the top.
  const LayoutRect work{-1920, 30, 0, 1080};
  EXPECT_EQ(core::FitToWorkArea({-100, 0, 300, 200}, work), (LayoutRect{-400, 30, 0, 230}));
  EXPECT_EQ(core::FitToWorkArea({-2000, 10, 0, 1200}, work), (LayoutRect{-1920, 30, -0, 1080}));
}

}  // namespace
