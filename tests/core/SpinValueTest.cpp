#include "core/SpinValue.h"

#include <gtest/gtest.h>

#include <climits>

#include "core/FieldLimits.h"

namespace {

using core::SpinValue;

std::optional<std::int32_t> Parse(std::string_view text) {
  std::int32_t value = 12345;
  if (!SpinValue::ParseInteger(text, value)) return std::nullopt;
  return value;
}

TEST(SpinValueTest, ParsesDecimalWithBlanksAndSign) {
  EXPECT_EQ(Parse("300"), 300);
  EXPECT_EQ(Parse("   42"), 42);
  EXPECT_EQ(Parse("+7"), 7);
  EXPECT_EQ(Parse("-15"), -15);
  EXPECT_EQ(Parse("007"), 7);
  EXPECT_EQ(Parse("-0"), 0);
}

TEST(SpinValueTest, ParsesHexAfterDollarOrZeroX) {
  EXPECT_EQ(Parse("$1F"), 31);
  EXPECT_EQ(Parse("$ff"), 255);
  EXPECT_EQ(Parse("0x10"), 16);
  EXPECT_EQ(Parse("0X7fffffff"), INT32_MAX);
  EXPECT_EQ(Parse(" -$10"), -16);
  EXPECT_EQ(Parse("-$80000000"), INT32_MIN);
}

TEST(SpinValueTest, RejectsWhatTheRuntimeRejects) {
  for (const char* text : {"", " ", "+", "-", "$", "0x", "12a", "1 2", "12 ", "1.5", "1,5", "abc",
                           "--1", "+-1", "$G", "\t5", "1e3"})
    EXPECT_EQ(Parse(text), std::nullopt) << '"' << text << '"';
}

TEST(SpinValueTest, RangeIsThirtyTwoBitSigned) {
  EXPECT_EQ(Parse("2147483647"), INT32_MAX);
  EXPECT_EQ(Parse("-2147483648"), INT32_MIN);
  EXPECT_EQ(Parse("2147483648"), std::nullopt);
  EXPECT_EQ(Parse("-2147483649"), std::nullopt);
  EXPECT_EQ(Parse("99999999999999999999"), std::nullopt);
  EXPECT_EQ(Parse("$80000000"), std::nullopt);
}

TEST(SpinValueTest, ReadValueFallsBackToMinimumWithoutClamping) {
  EXPECT_EQ(SpinValue::ReadValue("150", 0), 150);
  EXPECT_EQ(SpinValue::ReadValue("", 7), 7);
  EXPECT_EQ(SpinValue::ReadValue("1,5", -3), -3);
  EXPECT_EQ(SpinValue::ReadValue("-", 10), 10);
  EXPECT_EQ(SpinValue::ReadValue("5", 10), 5);
}

TEST(SpinValueTest, EqualLimitsMeanNoLimits) {
  EXPECT_EQ(SpinValue::CheckValue(7, 5, 5), 7);
  EXPECT_EQ(SpinValue::CheckValue(-3, 5, 5), -3);
  EXPECT_EQ(SpinValue::CheckValue(INT32_MIN, 0, 0), INT32_MIN);
}

TEST(SpinValueTest, LimitsClampWithTheLowerTestedFirst) {
  EXPECT_EQ(SpinValue::CheckValue(150, 0, 100), 100);
  EXPECT_EQ(SpinValue::CheckValue(-5, 0, 100), 0);
  EXPECT_EQ(SpinValue::CheckValue(100, 0, 100), 100);
  EXPECT_EQ(SpinValue::CheckValue(0, 0, 100), 0);
  EXPECT_EQ(SpinValue::CheckValue(7, 10, 5), 10);
  EXPECT_EQ(SpinValue::CheckValue(12, 10, 5), 5);
  EXPECT_EQ(SpinValue::CheckValue(3, 10, 5), 10);
}

TEST(SpinValueTest, ExitCorrectionOfUnconvertibleText) {
  // Text that does not convert reads as MinValue, which CheckValue keeps within ordered limits.
  const std::int32_t read = SpinValue::ReadValue("", 0);
  EXPECT_EQ(SpinValue::CheckValue(read, 0, 100), read);
  const std::int32_t inverted = SpinValue::ReadValue("x", 10);
  EXPECT_EQ(SpinValue::CheckValue(inverted, 10, 5), 5);
}

TEST(SpinValueTest, StepsWrapAround) {
  EXPECT_EQ(SpinValue::StepValue(300, 1, true), 301);
  EXPECT_EQ(SpinValue::StepValue(300, 1, false), 299);
  EXPECT_EQ(SpinValue::StepValue(INT32_MAX, 1, true), INT32_MIN);
  EXPECT_EQ(SpinValue::StepValue(INT32_MIN, 1, false), INT32_MAX);
  EXPECT_EQ(SpinValue::StepValue(0, INT32_MIN, false), INT32_MIN);
  EXPECT_EQ(SpinValue::StepValue(5, -10, true), -5);
  EXPECT_EQ(SpinValue::StepValue(INT32_MAX, INT32_MAX, true), -2);
}

TEST(SpinValueTest, FormatsPlainDecimal) {
  EXPECT_EQ(SpinValue::FormatValue(0), "0");
  EXPECT_EQ(SpinValue::FormatValue(300), "300");
  EXPECT_EQ(SpinValue::FormatValue(-42), "-42");
  EXPECT_EQ(SpinValue::FormatValue(INT32_MIN), "-2147483648");
  EXPECT_EQ(SpinValue::FormatValue(SpinValue::CheckValue(150, 0, 100)), "100");
}

TEST(SpinValueTest, TypedCharactersWithTheEditor) {
  for (char c : {'0', '5', '9', '+', '-', '.'}) EXPECT_TRUE(SpinValue::IsValidChar(c, '.', true)) << c;
  EXPECT_TRUE(SpinValue::IsValidChar(',', ',', true));
  EXPECT_FALSE(SpinValue::IsValidChar(',', '.', true));
  for (char c : {'a', 'x', ' ', '$', '\r', '\x7F', '\xF3'}) EXPECT_FALSE(SpinValue::IsValidChar(c, '.', true)) << int(c);
  for (char c : {'\b', '\x01', '\x03', '\x16', '\x18', '\x1B', '\n', '\0'})
    EXPECT_TRUE(SpinValue::IsValidChar(c, '.', true)) << int(c);
}

TEST(SpinValueTest, WithoutTheEditorOnlyControlsOtherThanBackspacePass) {
  for (char c : {'0', '+', '-', '.', '\b', '\r', 'a'}) EXPECT_FALSE(SpinValue::IsValidChar(c, '.', false)) << int(c);
  for (char c : {'\x01', '\x03', '\x16', '\x1B'}) EXPECT_TRUE(SpinValue::IsValidChar(c, '.', false)) << int(c);
}

TEST(SpinValueTest, APasteMayLeaveOnlyAWholeNumberInTheField) {
  for (const char* ok : {"0", "300", "-5", "2147483647", "-2147483648", "007"})
    EXPECT_TRUE(SpinValue::IsPastableNumber(ok)) << ok;
  for (const char* refused : {"", "-", "abc", "1e3", "99999999999", "2147483648", "-2147483649", "+5", " 5", "1\r\n2",
                              "3.5", "--1", "1-"})
    EXPECT_FALSE(SpinValue::IsPastableNumber(refused)) << refused;
}

}  // namespace

namespace {

// Whole numbers go to the script as typed; anything else as the value the field reads.
TEST(SpinValueTest, OnlyWholeNumbersAreWrittenAsTyped) {
  const struct {
    const char* text;
    std::int32_t minValue;
    const char* written;
  } cases[] = {
      {"300", 0, "300"},         {"-007", 0, "-007"},           {"+5", 0, "+5"},
      {"2147483647", 0, "2147483647"}, {"-2147483648", 0, "-2147483648"}, {"2147483648", 7, "7"},
      {"", 3, "3"},              {"-", 0, "0"},                 {"250.7", 0, "0"},
      {"$1F", 0, "31"},          {" 12", 0, "12"},              {"1'+__pwn('spin')+'", 0, "0"},
      {"+-1", 0, "0"},           {"1\r\n2", -1, "-1"},
  };
  for (const auto& c : cases) EXPECT_EQ(core::SpinValue::WrittenText(c.text, c.minValue), c.written) << c.text;
}

TEST(SpinValueTest, EditableTextHoldsOnlyTypeableCharactersWithinTheLimit) {
  for (const auto& [text, editable] : {std::pair{"", true}, {"-12,5+", true}, {"12345678901", true},
                                       {"123456789012", false}, {"1 2", false}, {"1'", false}, {"1.5", false},
                                       {"\xD9\xA3", false}})
    EXPECT_EQ(core::SpinValue::IsEditableText(text, ','), editable) << text;
}

TEST(FieldLimitsTest, LengthsCountAsTheEditCounts) {
  for (const auto& [text, units] : {std::pair{"", 0u}, {"abc", 3u}, {"\xC3\xA9", 1u}, {"\xE6\x97\xA5", 1u},
                                    {"\xF0\x9F\x98\x80", 2u}})
    EXPECT_EQ(core::FieldLimits::Length(text), units) << text;
  EXPECT_TRUE(core::FieldLimits::Fits(std::string(25, 'a'), core::FieldLimits::kFunctionName));
  EXPECT_FALSE(core::FieldLimits::Fits(std::string(24, 'a') + "\xF0\x9F\x98\x80", core::FieldLimits::kFunctionName));
}

}  // namespace
