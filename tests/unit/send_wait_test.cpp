#include <gtest/gtest.h>

#include "send/wait_value.h"

namespace sorelka {
namespace {

TEST(Wait, ReadsTheLeadingNumberLikeVal) {
  const struct {
    const char16_t* text;
    std::uint32_t ms;
  } cases[] = {
      {u"500", 500},
      {u"0", 0},
      {u"", 0},
      {u"abc", 0},
      {u"  ", 0},
      {u"+7", 7},
      {u"+ 7", 7},
      {u"-5", 0},
      {u"- 5", 0},
      {u"-0.4", 0},
      {u"-", 0},
      {u".", 0},
      // blanks, tabs, CR and LF are skipped anywhere
      {u"5 0 0", 500},
      {u" \t\n 12", 12},
      {u"\r\n1\r\n2", 12},
      {u"1 . 5", 2},
      {u"1 e 3", 1000},
      // reading stops at the first character that cannot continue the number
      {u"500ms", 500},
      {u"1,000", 1},
      {u"1.5.5", 2},
      {u"12a34", 12},
      {u"&H10", 0},
      {u"\u0661\u0662", 0},  // digits other than ASCII and full-width ones are not digits
      // exponents, E or D, either case, signed or not
      {u"1E3", 1000},
      {u"1e3", 1000},
      {u"1D3", 1000},
      {u"1d+3", 1000},
      {u"25e-1", 2},
      {u"15E-1", 2},
      {u"1e-3", 0},
      {u"1E", 1},
      {u"1E+", 1},
      {u"1Ex5", 1},
      {u"0.0001e4", 1},
      // nearest whole number, halves to even
      {u"250.5", 250},
      {u"251.5", 252},
      {u"0.5", 0},
      {u".5", 0},
      {u"1.5", 2},
      {u"2.5", 2},
      {u"2.50000", 2},
      {u"2.500001", 3},
      {u"2.4999999", 2},
      {u"0.51", 1},
      {u"0.09", 0},
      {u"0000000000000000000042", 42},
      // capped at the largest signed 32-bit count, never INFINITE
      {u"2147483647", 2147483647},
      {u"2147483646.5", 2147483646},
      {u"2147483647.5", 2147483647},
      {u"2147483648", 2147483647},
      {u"99999999999", 2147483647},
      {u"4294967295", 2147483647},
      {u"1e9", 1000000000},
      {u"1e10", 2147483647},
      {u"1e999", 2147483647},
      {u"1e-999", 0},
      {u"1e99999999999999999999999999", 2147483647},
      {u"1e-99999999999999999999999999", 0},
      {u"0e99999999999999999999999999", 0},
      {u"-1e999", 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ParseWait(c.text), c.ms) << ::testing::PrintToString(Text(c.text));
}

TEST(Wait, LongTextIsReadInOnePass) {
  Text text(100000, u'0');
  text.back() = u'9';
  EXPECT_EQ(ParseWait(text), 9u);
  EXPECT_EQ(ParseWait(u"0." + Text(100000, u'0') + u"1e100004"), 1000u);
}

// A Japanese input method types full-width forms by default: they read as the half-width ones.
TEST(Wait, FullWidthFormsReadAsHalfWidth) {
  const struct {
    const char16_t* text;
    std::uint32_t ms;
  } cases[] = {
      {u"５００", 500},
      {u"０１２３４５６７８９", 123456789},
      {u"5０0", 500},                 // mixed freely
      {u"＋７", 7},
      {u"－５", 0},
      {u"２５０．５", 250},           // halves to even, as for ASCII
      {u"１Ｅ３", 1000},
      {u"１ｅ－３", 0},
      {u"２５ｅ＋１", 250},
      {u"５\u3000０\u3000０", 500},  // the ideographic space is a blank, skipped anywhere
      {u"\u3000\u3000８", 8},
      {u"１Ｄ３", 1},                 // D has no full-width reading
      {u"５００ｍｓ", 500},
      {u"１，０００", 1},             // nor has the comma
  };
  for (const auto& c : cases) EXPECT_EQ(ParseWait(c.text), c.ms) << ::testing::PrintToString(Text(c.text));
}

}  // namespace
}  // namespace sorelka
