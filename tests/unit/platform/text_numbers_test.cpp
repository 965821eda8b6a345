#include "platform/text_numbers.h"

#include <gtest/gtest.h>

#include "platform/runtime_error.h"

namespace qvl {
namespace {

TEST(TextNumbers, StrPutsABlankBeforeNonNegativeNumbers) {
  EXPECT_EQ(Str(int64_t{5}), " 5");
  EXPECT_EQ(Str(int64_t{0}), " 0");
  EXPECT_EQ(Str(int64_t{-5}), "-5");
  EXPECT_EQ(Str(3.5), " 3.5");
  EXPECT_EQ(Str(-0.25), "-0.25");
  EXPECT_EQ(Str(12.0), " 12");
  EXPECT_EQ(Num(int64_t{5}), "5");
}

TEST(TextNumbers, ValReadsTheLongestNumericPrefix) {
  EXPECT_EQ(Val("12abc"), 12);
  EXPECT_EQ(Val("3.7"), 3.7);
  EXPECT_EQ(Val("abc"), 0);
  EXPECT_EQ(Val(""), 0);
  EXPECT_EQ(Val("   42"), 42);
  EXPECT_EQ(Val("-7"), -7);
  EXPECT_EQ(Val("1 2"), 12);  // blanks inside a number are skipped
  EXPECT_EQ(Val("&H1F"), 31);
  EXPECT_EQ(Val("&HFFFF"), -1);
  EXPECT_EQ(Val("&O17"), 15);
  EXPECT_EQ(Val("1e3"), 1000);
  EXPECT_EQ(Val("2E"), 2);
  EXPECT_EQ(Val(".5"), 0.5);
  EXPECT_EQ(Val("+"), 0);
  EXPECT_EQ(Val("300/120"), 300);
}

TEST(TextNumbers, SixteenBitConversionRoundsHalfToEvenAndOverflows) {
  EXPECT_EQ(CInt(2.5), 2);
  EXPECT_EQ(CInt(3.5), 4);
  EXPECT_EQ(CInt(-2.5), -2);
  EXPECT_EQ(CInt(2.6), 3);
  EXPECT_EQ(CInt(32767.0), 32767);
  EXPECT_EQ(CInt(-32768.0), -32768);
  EXPECT_EQ(CInt(32767.4), 32767);
  try {
    CInt(32767.5);  // rounds to 32768
    FAIL() << "no overflow";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.number(), 6);
    EXPECT_EQ(e.description(), "Overflow");
  }
  EXPECT_THROW(CInt(-32769.0), RuntimeError);
  EXPECT_EQ(CLng(2.5), 2);
  EXPECT_THROW(CLng(3e9), RuntimeError);
  EXPECT_EQ(Add16(32000, 767), 32767);
  EXPECT_THROW(Add16(32000, 768), RuntimeError);
  EXPECT_THROW(Add16(-32768, -1), RuntimeError);
  // Any 32-bit values: an overflow, never a wrapped sum that looks in range.
  EXPECT_THROW(Add16(INT32_MAX, INT32_MAX), RuntimeError);
  EXPECT_THROW(Add16(INT32_MIN, INT32_MIN), RuntimeError);
  EXPECT_THROW(Add16(INT32_MAX, 1), RuntimeError);
  EXPECT_EQ(Add16(INT32_MAX, INT32_MIN + 2), 1);
}

TEST(TextNumbers, TrimAndCaseHelpers) {
  EXPECT_EQ(Trim("  hall.jpg   "), "hall.jpg");
  EXPECT_EQ(Trim("     "), "");
  EXPECT_EQ(LTrim("  a "), "a ");
  EXPECT_EQ(RTrim("  a "), "  a");
  EXPECT_EQ(LCase("Hall.JPG"), "hall.jpg");
  EXPECT_EQ(Right("intro.AVI", 3), "AVI");
  EXPECT_EQ(Right("ab", 3), "ab");
  EXPECT_TRUE(EqualsNoCase("Hall.JPG", "hall.jpg"));
  EXPECT_FALSE(EqualsNoCase("hall.jpg", "hall.jpe"));
}

TEST(RuntimeErrors, CarryTheirStandardDescriptions) {
  EXPECT_EQ(RuntimeError(53).description(), "File not found");
  EXPECT_EQ(RuntimeError(76).description(), "Path not found");
  EXPECT_EQ(RuntimeError(481).description(), "Invalid picture");
  EXPECT_EQ(RuntimeError(9).description(), "Subscript out of range");
}

}  // namespace
}  // namespace qvl
