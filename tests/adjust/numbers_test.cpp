#include "adjust/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "adjust/angles.h"

namespace koravel {
namespace {

using namespace std::string_view_literals;

constexpr double kDoubleMax = std::numeric_limits<double>::max();
constexpr float kFloatMax = std::numeric_limits<float>::max();

// Replies that do not read as numbers, for every reader alike.
TEST(ReadingRepliesTest, TextsOutsideTheGrammarFailInEveryReader) {
  const std::string_view replies[] = {
      ""sv,      " "sv,     "1e"sv,      "e5"sv,     "."sv,     "+"sv,      "-"sv,
      "1..2"sv,  "1 2"sv,   "\t1"sv,     "1\t"sv,    "0x10"sv,  "inf"sv,    "nan"sv,
      "1,5"sv,   "1e+"sv,   "+-1"sv,     "--1"sv,    "1.2.3"sv, ".e1"sv,    "1e5.0"sv,
      "1e 5"sv,  "- 1"sv,   "1d"sv,      "(1)"sv,    "1_000"sv, "1\n"sv,    "\xc2\xa0" "1"sv,
      "\xef\xbc\x91"sv,     "1\0"sv,     "abc"sv,    "E"sv,     "1E-"sv,    "+.e"sv,
  };
  for (std::string_view reply : replies) {
    SCOPED_TRACE(std::string(reply));
    EXPECT_FALSE(ParseReal64(reply).has_value());
    EXPECT_FALSE(ParseReal32(reply).has_value());
    EXPECT_FALSE(ParseInt16(reply).has_value());
  }
}

TEST(ReadingRepliesTest, ReadsTheNearest64BitValue) {
  struct Case {
    std::string_view reply;
    double expected;
  };
  const Case cases[] = {
      {"1", 1},
      {" 7 ", 7},
      {"   +1.5", 1.5},
      {"-.5", -0.5},
      {"5.", 5},
      {"007", 7},
      {"1e3", 1000},
      {"1E+3", 1000},
      {"2.5e-1", 0.25},
      {"1e0000000000000000000003", 1000},
      {"123.45305", 123.45305},
      {"1.7976931348623157e308", kDoubleMax},
      {"-1.7976931348623157e308", -kDoubleMax},
      {"4.9e-324", std::numeric_limits<double>::denorm_min()},
      {"1e-310", 1e-310},
      // Too small for the width: the nearest value, a zero of the same sign.
      {"1e-400", 0.0},
      {"2e-324", 0.0},
      {"1e-99999999999999999999999", 0.0},
      {"0.000000000000000000000000000000000000000000000000000000001e-300", 0.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.reply));
    const std::optional<double> value = ParseReal64(c.reply);
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(*value, c.expected);
    EXPECT_EQ(std::signbit(*value), std::signbit(c.expected));
  }
  for (std::string_view reply : {"-0"sv, "-1e-400"sv, " -0.0e7 "sv}) {
    SCOPED_TRACE(std::string(reply));
    const std::optional<double> value = ParseReal64(reply);
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(*value, 0.0);
    EXPECT_TRUE(std::signbit(*value));
  }
}

TEST(ReadingRepliesTest, NumbersBeyondThe64BitRangeFail) {
  for (std::string_view reply : {"1e400"sv, "-1e400"sv, "1.7976931348623159e308"sv,
                                 "1e999999999999999999999999"sv, "0.0001e313"sv}) {
    SCOPED_TRACE(std::string(reply));
    EXPECT_FALSE(ParseReal64(reply).has_value());
  }
}

TEST(ReadingRepliesTest, ReadsTheNearest32BitValueDirectlyFromTheDigits) {
  struct Case {
    std::string_view reply;
    float expected;
  };
  const Case cases[] = {
      {"125.4567", 125.45670318603516f},
      {"1.0005", 1.0004999637603760f},
      {" -12.35 ", -12.35f},
      // Just above the tie between 1 and the next float: through a 64-bit
      // value it would land on the tie itself and round down to 1.
      {"1.00000005960464478", 1.0000001192092896f},
      {"3.4028234663852885e38", kFloatMax},
      {"340282346638528859811704183484516925440", kFloatMax},
      {"340282346638528859811704183484516925440.000", kFloatMax},
      {"-340282346638528859811704183484516925439.9", -kFloatMax},
      {"1e-45", std::numeric_limits<float>::denorm_min()},
      {"1e-46", 0.0f},
      {"1e-320", 0.0f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.reply));
    const std::optional<float> value = ParseReal32(c.reply);
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(*value, c.expected);
  }
  const std::optional<float> negativeZero = ParseReal32("-1e-46");
  ASSERT_TRUE(negativeZero.has_value());
  EXPECT_TRUE(std::signbit(*negativeZero));
}

// Whatever exceeds the largest finite 32-bit value fails, even where the
// nearest-value rounding would still give that largest value.
TEST(ReadingRepliesTest, NumbersBeyondTheLargest32BitValueFail) {
  for (std::string_view reply :
       {"3.4028235e38"sv, "-3.4028235e38"sv, "3.4028236e38"sv, "1e39"sv, "1e300"sv,
        "340282346638528859811704183484516925440.0000001"sv,
        "340282346638528859811704183484516925441"sv, "1e400"sv}) {
    SCOPED_TRACE(std::string(reply));
    EXPECT_FALSE(ParseReal32(reply).has_value());
  }
}

TEST(ReadingRepliesTest, Int16RoundsTheTypedDigitsHalfToEven) {
  struct Case {
    std::string_view reply;
    std::int16_t expected;
  };
  const Case cases[] = {
      {" 7 ", 7},          {"6", 6},
      {"2.5", 2},          {"3.5", 4},
      {"-2.5", -2},        {"-3.5", -4},
      {"0.5", 0},          {"-0.5", 0},
      {"1.5", 2},          {"4.5", 4},
      {"5.5", 6},          {"2.49", 2},
      {"2.51", 3},         {"2.5000000000000000001", 3},
      {"2.4999999999999999999", 2},
      {"-0.4", 0},         {"0.000001", 0},
      {"32767", 32767},    {"32767.4", 32767},
      {"-32768", -32768},  {"-32768.5", -32768},
      {"1e4", 10000},      {"3.2767e4", 32767},
      {"25e-1", 2},        {".5e1", 5},
      {"0000000000032767", 32767},
      {"1e-999999999", 0}, {"-0", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.reply));
    const std::optional<std::int16_t> value = ParseInt16(c.reply);
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(*value, c.expected);
  }
  for (std::string_view reply : {"32768"sv, "32767.5"sv, "-32769"sv, "-32768.6"sv, "100000"sv,
                                 "1e5"sv, "1e999999999"sv, "1e99999999999999999999"sv, ""sv,
                                 "abc"sv, "7x"sv}) {
    SCOPED_TRACE(std::string(reply));
    EXPECT_FALSE(ParseInt16(reply).has_value());
  }
}

TEST(NumberTextsTest, Int16Text) {
  EXPECT_EQ(Int16Text(0), "0");
  EXPECT_EQ(Int16Text(6), "6");
  EXPECT_EQ(Int16Text(-1), "-1");
  EXPECT_EQ(Int16Text(32767), "32767");
  EXPECT_EQ(Int16Text(-32768), "-32768");
}

TEST(NumberTextsTest, Real32TextShortestAtSevenDigits) {
  struct Case {
    float value;
    std::string_view expected;
  };
  const Case cases[] = {
      {0.0f, "0"},
      {-0.0f, "0"},
      {12.35f, "12.35"},
      {-12.35f, "-12.35"},
      {0.5f, "0.5"},
      {5234.0f, "5234"},
      {35636.0f, "35636"},
      {100.0f, "100"},
      {0.1f, "0.1"},
      {123.456789f, "123.4568"},
      {*ParseReal32("1234.5677"), "1234.568"},
      {9999999.0f, "9999999"},
      {0.0001f, "0.0001"},
      {-0.00123f, "-0.00123"},
      // Exponent form from 10000000 upwards and below 0.0001.
      {10000000.0f, "1E+07"},
      {12345678.0f, "1.234568E+07"},
      {20000000.0f, "2E+07"},
      {-12345678.0f, "-1.234568E+07"},
      {1e20f, "1E+20"},
      {kFloatMax, "3.402823E+38"},
      {1.234567e-5f, "1.234567E-05"},
      {-1e-20f, "-1E-20"},
      {std::numeric_limits<float>::denorm_min(), "1.401298E-45"},
      // Exact ties at the seventh digit go to the even digit.
      {10000005.0f, "1E+07"},
      {10000015.0f, "1.000002E+07"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(Real32Text(c.value), c.expected);
  }
}

TEST(NumberTextsTest, FixedTextOf32BitValuesRoundsTheSevenDigitForm) {
  struct Case {
    float value;
    int decimals;
    std::string_view expected;
  };
  const Case cases[] = {
      {*ParseReal32("125.4567"), 3, "125.457"},
      // 1.0004999637603760: its 7-digit form 1.000500 rounds up.
      {*ParseReal32("1.0005"), 3, "1.001"},
      {125.5f, 3, "125.500"},
      {-1.25f, 2, "-1.25"},
      {99.995f, 2, "100.00"},
      {-0.005f, 2, "-0.01"},
      {-0.001f, 2, "0.00"},
      {-0.0f, 2, "0.00"},
      {0.0f, 5, "0.00000"},
      {35636.0f, 4, "35636.0000"},
      {10000005.0f, 2, "10000000.00"},
      {10000015.0f, 2, "10000020.00"},
      {kFloatMax, 2, "340282300000000000000000000000000000000.00"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(FixedText(c.value, c.decimals), c.expected);
  }
}

TEST(NumberTextsTest, FixedTextOf64BitValuesRoundsTheFifteenDigitForm) {
  struct Case {
    double value;
    int decimals;
    std::string_view expected;
  };
  const Case cases[] = {
      {123.453, 5, "123.45300"},
      {125.5, 3, "125.500"},
      {-1.25, 2, "-1.25"},
      {12.125, 2, "12.13"},
      {RoundHalfEven(12.125, 2), 2, "12.12"},
      // Stored just below 2.675, but its 15-digit form is 2.67500000000000.
      {2.675, 2, "2.68"},
      {0.1 + 0.2, 2, "0.30"},
      {DegreesToDms(30.999999), 5, "30.59600"},
      {-0.000001, 5, "0.00000"},
      {-0.000005, 5, "-0.00001"},
      {-1e-300, 2, "0.00"},
      {999.999995, 5, "1000.00000"},
      {1000000000000005.0, 2, "1000000000000000.00"},
      {1000000000000015.0, 2, "1000000000000020.00"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(FixedText(c.value, c.decimals), c.expected);
  }
  const std::string largest = FixedText(kDoubleMax, 5);
  EXPECT_EQ(largest.size(), 309u + 6u);
  EXPECT_EQ(largest.substr(0, 16), "1797693134862320");
  EXPECT_EQ(largest.find_first_not_of('0', 15), 309u);
  EXPECT_EQ(largest.substr(309), ".00000");
}

TEST(NumberTextsTest, FixedTextOfAReplyTakesTheTypedDigits) {
  struct Case {
    std::string_view reply;
    int decimals;
    std::string_view expected;
  };
  const Case cases[] = {
      {"45.3", 5, "45.30000"},
      {" 123.453 ", 5, "123.45300"},
      {"+7", 2, "7.00"},
      {"-.5", 2, "-0.50"},
      {"1.5e2", 2, "150.00"},
      {"2.675", 2, "2.68"},
      {"9.999995", 5, "10.00000"},
      {"0.000005", 5, "0.00001"},
      {"-0.000001", 5, "0.00000"},
      {"-0", 2, "0.00"},
      {"12345678901234567890", 2, "12345678901234567890.00"},
      {"123.4530000000000000000000000001", 3, "123.453"},
      {"1e-400", 5, "0.00000"},
      {"-1e-999999999999", 5, "0.00000"},
      // Not a number, or beyond the 64-bit range: kept as typed.
      {"abc", 5, "abc"},
      {"", 5, ""},
      {"  ", 5, "  "},
      {"1,5", 2, "1,5"},
      {"1e400", 5, "1e400"},
      {" 1e999999999999 ", 5, " 1e999999999999 "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.reply));
    EXPECT_EQ(FixedText(c.reply, c.decimals), c.expected);
  }
}

// The tie is judged on the stored value, not on the decimal typed.
TEST(RoundHalfEvenTest, NearestMultipleOfTheStoredValue) {
  struct Case {
    double value;
    int decimals;
    double expected;
  };
  const Case cases[] = {
      {0.125, 2, 0.12},    {0.375, 2, 0.38},       {-0.125, 2, -0.12},
      {12.125, 2, 12.12},  {12.345678, 3, 12.346}, {2.5, 0, 2},
      {3.5, 0, 4},         {-2.5, 0, -2},          {2.675, 2, 2.67},
      {1.005, 2, 1.0},     {1e-300, 5, 0},         {kDoubleMax, 5, kDoubleMax},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(RoundHalfEven(c.value, c.decimals), c.expected);
  }
}

TEST(RoundHalfEvenTest, Keeps32BitWidth) {
  struct Case {
    float value;
    int decimals;
    float expected;
  };
  const Case cases[] = {
      // The 32-bit value nearest to 12.345 lies above it.
      {12.345f, 2, 12.35f}, {0.125f, 2, 0.12f},       {12.125f, 2, 12.12f},
      {2.5f, 0, 2.0f},      {-0.125f, 2, -0.12f},      {35636.5f, 0, 35636.0f},
      {kFloatMax, 5, kFloatMax},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(RoundHalfEven(c.value, c.decimals), c.expected);
  }
  EXPECT_EQ(FixedText(RoundHalfEven(12.125f, 2), 2), "12.12");
  EXPECT_EQ(FixedText(12.125f, 2), "12.13");
}

TEST(NumberTextsTest, NoTextForValuesWithoutANumber) {
  const double infinity = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(FixedText(infinity, 2), "");
  EXPECT_EQ(FixedText(-static_cast<float>(infinity), 2), "");
  EXPECT_EQ(FixedText(nan, 5), "");
  EXPECT_EQ(Real32Text(static_cast<float>(nan)), "");
  EXPECT_TRUE(std::isnan(RoundHalfEven(nan, 2)));
}

}  // namespace
}  // namespace koravel
