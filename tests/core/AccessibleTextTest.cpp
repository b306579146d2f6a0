#include "core/AccessibleText.h"

#include <gtest/gtest.h>

namespace {

struct Case {
  const char* caption;
  const char* spoken;
  const char* name;
};

TEST(AccessibleTextTest, CaptionsAsAScreenReaderSaysThem) {
  const Case cases[] = {
      {"E&xit", "Exit", "Exit"},
      {"&Generate code\x85", "Generate code\x85", "Generate code\x85"},
      {"Save && close", "Save & close", "Save & close"},
      {"Ends in &", "Ends in ", "Ends in"},
      {"&&&Both", "&Both", "&Both"},
      {"URL of PopUp page:", "URL of PopUp page:", "URL of PopUp page"},
      {" Width : ", " Width : ", "Width"},
      {"&Top:", "Top:", "Top"},
      {"Ratio 1:2", "Ratio 1:2", "Ratio 1:2"},
      {":", ":", ""},
      {"", "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(core::SpokenCaption(c.caption), c.spoken) << c.caption;
    EXPECT_EQ(core::NameFromLabel(c.caption), c.name) << c.caption;
  }
}

}  // namespace
