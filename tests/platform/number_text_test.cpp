#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "platform/number_text.h"

namespace {

using namespace platform;

TEST(NumberText, StrPutsABlankBeforeNonNegativeNumbers) {
  EXPECT_EQ(Str(std::int64_t{20}), " 20");
  EXPECT_EQ(Str(std::int64_t{0}), " 0");
  EXPECT_EQ(Str(std::int64_t{-5}), "-5");
}

TEST(NumberText, ValReadsTheLeadingNumber) {
  struct Case {
    const char* text;
    double value;
  };
  for (const Case& c : {Case{" 20", 20}, Case{"-5", -5}, Case{"45.5", 45.5}, Case{"50abc", 50},
                        Case{"", 0}, Case{"abc", 0}, Case{"  7 8", 7}, Case{".5", 0.5},
                        Case{"1.2.3", 1.2}, Case{"+3", 3}, Case{"-", 0}, Case{".", 0}}) {
    EXPECT_DOUBLE_EQ(Val(c.text), c.value) << '"' << c.text << '"';
  }
}

TEST(NumberText, PlainAmountsAreUnsignedDigits) {
  for (const char* yes : {"20", " 20 ", "45.5", "0"})
    EXPECT_TRUE(is_plain_amount(yes)) << yes;
  for (const char* no : {"-20", "+20", "$50", "50abc", "1e5", "", " "})
    EXPECT_FALSE(is_plain_amount(no)) << no;
}

TEST(NumberText, RoundingGoesHalfToEven) {
  EXPECT_EQ(round_half_even(2.5), 2);
  EXPECT_EQ(round_half_even(3.5), 4);
  EXPECT_EQ(round_half_even(-2.5), -2);
  EXPECT_EQ(round_half_even(1062.5), 1062);
  EXPECT_EQ(round_half_even(1063.5), 1064);
  EXPECT_EQ(round_half_even(98.5), 98);
  EXPECT_EQ(round_half_even(99.5), 100);
  EXPECT_EQ(round_half_even(2.4), 2);
  EXPECT_EQ(round_half_even(2.6), 3);
}

TEST(NumberText, ConversionsRefuseWhatDoesNotFit) {
  EXPECT_EQ(to_int32(2147483647.0), std::numeric_limits<std::int32_t>::max());
  EXPECT_FALSE(to_int32(2147483648.0).has_value());
  EXPECT_EQ(to_int32(-2147483648.0), std::numeric_limits<std::int32_t>::min());
  EXPECT_FALSE(to_int32(-2147483649.0).has_value());
  EXPECT_FALSE(to_int32(std::numeric_limits<double>::infinity()).has_value());
  EXPECT_FALSE(to_int32(std::numeric_limits<double>::quiet_NaN()).has_value());
  EXPECT_EQ(clamp_to_int32(1e12), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(clamp_to_int32(-1e12), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(clamp_to_int32(12.5), 12);
}

}  // namespace
