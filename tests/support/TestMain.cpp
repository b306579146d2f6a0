// Every Wine test runs in a program set up like Skylatch! itself: one application object with
// the product's title, every window class registered, and nothing created yet.
#include <gtest/gtest.h>

#include "app/Program.h"
#include "framework/Application.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  app::RegisterClasses();
  ui::TApplication application;
  application.Title = "Skylatch!";
  return RUN_ALL_TESTS();
}
