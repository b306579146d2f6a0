// Every Wine test runs in a program set up like Skylatch! itself: one application object with
// the product's title, every window class registered, and nothing created yet.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>

#include "app/Program.h"
#include "framework/Application.h"

int main(int argc, char** argv) {
  // A run started to check the windows at a DPI of its own is aware of it, as skylatch.exe is
  // through its manifest; otherwise the tests run at 96 DPI.
  if (std::getenv("SKYLATCH_SCALED_DPI")) SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  testing::InitGoogleTest(&argc, argv);
  app::RegisterClasses();
  ui::TApplication application;
  application.SetTitle("Skylatch!");
  return RUN_ALL_TESTS();
}
