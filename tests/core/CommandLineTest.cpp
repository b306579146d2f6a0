#include "core/CommandLine.h"

#include <gtest/gtest.h>

namespace {

using core::IsOrderMode;
using core::SplitCommandLine;
using Args = std::vector<std::string>;

bool OrderModeOf(std::string_view commandLine) {
  const Args all = SplitCommandLine(commandLine);
  return IsOrderMode(Args(all.begin() + 1, all.end()));
}

TEST(CommandLineTest, OnlyAnExactFirstOrderSwitches) {
  EXPECT_TRUE(IsOrderMode({"order"}));
  EXPECT_TRUE(IsOrderMode({"order", "more", "args"}));
  EXPECT_FALSE(IsOrderMode({}));
  EXPECT_FALSE(IsOrderMode({"Order"}));
  EXPECT_FALSE(IsOrderMode({"ORDER"}));
  EXPECT_FALSE(IsOrderMode({" order"}));
  EXPECT_FALSE(IsOrderMode({"order "}));
  EXPECT_FALSE(IsOrderMode({"orders"}));
  EXPECT_FALSE(IsOrderMode({""}));
  EXPECT_FALSE(IsOrderMode({"x", "order"}));
}

TEST(CommandLineTest, OrderSwitchFromWholeCommandLines) {
  EXPECT_TRUE(OrderModeOf("skylatch.exe order"));
  EXPECT_TRUE(OrderModeOf("\"C:\\Program Files\\Skylatch\\skylatch.exe\"   order extra"));
  EXPECT_TRUE(OrderModeOf("skylatch.exe \"order\""));
  EXPECT_FALSE(OrderModeOf("skylatch.exe \" order\""));
  EXPECT_FALSE(OrderModeOf("skylatch.exe Order"));
  EXPECT_FALSE(OrderModeOf("order"));  // the program's own name is not an argument
  EXPECT_FALSE(OrderModeOf("skylatch.exe"));
}

TEST(CommandLineTest, ProgramNameKeepsBackslashesAndQuotesGroup) {
  EXPECT_EQ(SplitCommandLine("\"C:\\My Tools\\gen.exe\" a"), (Args{"C:\\My Tools\\gen.exe", "a"}));
  EXPECT_EQ(SplitCommandLine("C:\\Tools\\gen.exe\ta  b"), (Args{"C:\\Tools\\gen.exe", "a", "b"}));
  EXPECT_EQ(SplitCommandLine(""), (Args{""}));
  EXPECT_EQ(SplitCommandLine("gen.exe   "), (Args{"gen.exe"}));
}

TEST(CommandLineTest, BackslashAndQuoteRules) {
  EXPECT_EQ(SplitCommandLine(R"(p "a b c" d e)"), (Args{"p", "a b c", "d", "e"}));
  EXPECT_EQ(SplitCommandLine(R"(p "ab\"c" "\\" d)"), (Args{"p", "ab\"c", "\\", "d"}));
  EXPECT_EQ(SplitCommandLine(R"(p a\\\b d"e f"g h)"), (Args{"p", "a\\\\\\b", "de fg", "h"}));
  EXPECT_EQ(SplitCommandLine(R"(p a\\\"b c d)"), (Args{"p", "a\\\"b", "c", "d"}));
  EXPECT_EQ(SplitCommandLine(R"(p a\\\\"b c" d e)"), (Args{"p", "a\\\\b c", "d", "e"}));
  EXPECT_EQ(SplitCommandLine(R"(p a"b"" c d)"), (Args{"p", "ab\" c d"}));
  EXPECT_EQ(SplitCommandLine(R"(p "" x)"), (Args{"p", "", "x"}));
  EXPECT_EQ(SplitCommandLine(R"(p trailing\)"), (Args{"p", "trailing\\"}));
}

}  // namespace
