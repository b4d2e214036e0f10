#include <gtest/gtest.h>

#include "fakes/fake_form.h"
#include "send/compose.h"
#include "send/options_from_form.h"

namespace sorelka {
namespace {

using testing::FakeForm;

TEST(Compose, TrimRightSpaces) {
  const struct {
    const char16_t* in;
    const char16_t* out;
  } cases[] = {
      {u"", u"\u3000"},
      {u" ", u"\u3000"},
      {u"\u3000\u3000", u"\u3000"},
      {u" \u3000 \u3000", u"\u3000"},
      {u"abc  ", u"abc"},
      {u"ab\u3000 ", u"ab"},
      {u"a \u3000 \u3000", u"a"},
      {u"  a b  ", u"  a b"},
      {u"\u3000a", u"\u3000a"},
      {u"a\t", u"a\t"},          // a tab is not a space here
      {u"a\t ", u"a\t"},
      {u"a\u00A0", u"a\u00A0"},  // nor is a no-break space
      {u"\t", u"\t"},
      {u"abc", u"abc"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(TrimRightSpaces(c.in), Text(c.out)) << ::testing::PrintToString(Text(c.in));
}

// The option controls that composition reads; everything enabled unless a case says otherwise.
struct Options {
  Ctl mode = Ctl::AA;
  bool modeEnabled = true;
  int header = 0, footer = 0, everyWord = 0;
  bool headerEnabled = true, footerEnabled = true, everyWordEnabled = true;
  const char16_t* insert = u"(^。^)";
};

struct ComposeCase {
  const char* name;
  const char16_t* line;
  Options options;
  const char16_t* expected;
};

Text Compose(const ComposeCase& c) {
  FakeForm form;
  const Options& o = c.options;
  form.SetValue(o.mode, 1);
  form.SetEnabled(o.mode, o.modeEnabled);
  form.SetValue(Ctl::Header, o.header);
  form.SetEnabled(Ctl::Header, o.headerEnabled);
  form.SetValue(Ctl::Footer, o.footer);
  form.SetEnabled(Ctl::Footer, o.footerEnabled);
  form.SetValue(Ctl::EveryWord, o.everyWord);
  form.SetEnabled(Ctl::EveryWord, o.everyWordEnabled);
  form.SetText(Ctl::PlusWord, o.insert);
  return MakeSendText(c.line, ComposeOptionsOf(form));
}

void ExpectComposed(const std::vector<ComposeCase>& cases) {
  for (const ComposeCase& c : cases) EXPECT_EQ(Compose(c), Text(c.expected)) << c.name;
}

TEST(Compose, WorkedExamples) {
  ExpectComposed({
      {"ascii art, header and footer", u"abc  ", {.mode = Ctl::AA, .header = 1, .footer = 1},
       u"(^。^)abc(^。^)"},
      {"mixed trailing spaces, nothing ticked", u"ab\u3000 ", {.mode = Ctl::AA}, u"ab"},
      {"leading spaces end up at the end", u"  ab  ", {.mode = Ctl::Default}, u"ba  "},
      {"multi-line reversed with header", u"こんにちは", {.mode = Ctl::SAKASA, .header = 1},
       u"(^。^)はちにんこ"},
      {"empty line with footer", u"", {.mode = Ctl::Default, .footer = 1}, u"\u3000(^。^)"},
      {"spaces only with footer", u" \u3000 ", {.mode = Ctl::Default, .footer = 1}, u"\u3000(^。^)"},
      {"every character, reversed", u"abc", {.mode = Ctl::Default, .everyWord = 1, .insert = u"*"},
       u"*c*b*a*"},
  });
}

TEST(Compose, EmptyOrBlankLineIsOneIdeographicSpaceInEveryMode) {
  for (Ctl mode : {Ctl::AA, Ctl::Default, Ctl::SAKASA}) {
    for (const char16_t* line : {u"", u"  ", u"\u3000", u" \u3000 "}) {
      SCOPED_TRACE(Describe(mode).name);
      EXPECT_EQ(Compose({"plain", line, {.mode = mode}, u"\u3000"}), u"\u3000");
      EXPECT_EQ(Compose({"every character", line, {.mode = mode, .everyWord = 1, .insert = u"*"}, u""}),
                u"*\u3000*");
      EXPECT_EQ(Compose({"header", line, {.mode = mode, .header = 1, .insert = u"<"}, u""}), u"<\u3000");
    }
  }
}

TEST(Compose, Reversal) {
  ExpectComposed({
      {"one-line mode reverses", u"abc", {.mode = Ctl::Default}, u"cba"},
      {"multi-line mode reverses", u"abc", {.mode = Ctl::SAKASA}, u"cba"},
      {"ascii art keeps the order", u"abc", {.mode = Ctl::AA}, u"abc"},
      {"disabled one-line mode does not reverse", u"abc", {.mode = Ctl::Default, .modeEnabled = false},
       u"abc"},
      {"disabled multi-line mode does not reverse", u"abc", {.mode = Ctl::SAKASA, .modeEnabled = false},
       u"abc"},
      {"trim comes before reversal", u" ab \u3000", {.mode = Ctl::Default}, u"ba "},
      {"a surrogate pair is reversed unit by unit", u"x\U0001F600", {.mode = Ctl::Default},
       u"\xDE00\xD83D" u"x"},
      {"a tab at the end survives and leads", u"ab\t", {.mode = Ctl::SAKASA}, u"\tba"},
      {"the insert is never reversed", u"xy",
       {.mode = Ctl::Default, .header = 1, .footer = 1, .insert = u"ab"}, u"abyxab"},
      {"nor around every character", u"ab", {.mode = Ctl::SAKASA, .everyWord = 1},
       u"(^。^)b(^。^)a(^。^)"},
  });
}

TEST(Compose, Decoration) {
  ExpectComposed({
      {"header only", u"abc", {.header = 1, .insert = u"<"}, u"<abc"},
      {"footer only", u"abc", {.footer = 1, .insert = u">"}, u"abc>"},
      {"header disabled", u"abc", {.header = 1, .headerEnabled = false, .insert = u"*"}, u"abc"},
      {"footer disabled", u"abc", {.footer = 1, .footerEnabled = false, .insert = u"*"}, u"abc"},
      {"header grey", u"abc", {.header = 2, .insert = u"*"}, u"abc"},
      {"footer grey", u"abc", {.footer = 2, .insert = u"*"}, u"abc"},
      {"every character overrides header and footer", u"ab",
       {.header = 1, .footer = 1, .everyWord = 1, .insert = u"*"}, u"*a*b*"},
      {"every character disabled falls back to header and footer", u"ab",
       {.header = 1, .footer = 1, .everyWord = 1, .everyWordEnabled = false, .insert = u"*"}, u"*ab*"},
      {"every character grey falls back too", u"ab", {.footer = 1, .everyWord = 2, .insert = u"*"}, u"ab*"},
      {"the last character is typed, then the insert", u"a", {.everyWord = 1, .insert = u"-"}, u"-a-"},
      {"empty insert around every character", u"abc", {.mode = Ctl::Default, .everyWord = 1, .insert = u""},
       u"cba"},
      {"empty insert as header and footer", u"abc  ", {.header = 1, .footer = 1, .insert = u""}, u"abc"},
      {"the insert is never trimmed", u"ab", {.header = 1, .footer = 1, .insert = u" x\u3000"},
       u" x\u3000ab x\u3000"},
      {"a longer insert around every character", u"ab", {.everyWord = 1, .insert = u"(^。^)"},
       u"(^。^)a(^。^)b(^。^)"},
  });
}

TEST(Compose, ReadsTheOptionsAtEveryCall) {
  FakeForm form;
  form.SetValue(Ctl::AA, 1);
  form.SetValue(Ctl::Header, 1);
  form.SetText(Ctl::PlusWord, u"1");
  EXPECT_EQ(MakeSendText(u"a", ComposeOptionsOf(form)), u"1a");
  form.SetText(Ctl::PlusWord, u"2");
  form.SetValue(Ctl::Footer, 1);
  EXPECT_EQ(MakeSendText(u"a", ComposeOptionsOf(form)), u"2a2");
  form.SetEnabled(Ctl::Header, false);
  EXPECT_EQ(MakeSendText(u"a", ComposeOptionsOf(form)), u"a2");
}

TEST(Compose, LongestLineAroundEveryCharacter) {
  FakeForm form;
  form.SetValue(Ctl::Default, 1);
  form.SetValue(Ctl::EveryWord, 1);
  form.SetText(Ctl::PlusWord, u"**");
  Text line(32767, u'a');
  line[0] = u'z';  // first becomes last after the reversal
  const Text out = MakeSendText(line, ComposeOptionsOf(form));
  ASSERT_EQ(out.size(), 32767u * 3 + 2);
  EXPECT_EQ(out.substr(out.size() - 3), u"z**");
  EXPECT_EQ(out.substr(0, 6), u"**a**a");
}

// Composed lengths are counted in 64 bits on every build and never wrap: the counts a 32-bit
// size_t would wrap are exact, and what even 64 bits cannot hold stays at the largest value.
TEST(Compose, ComposedLengthsNeitherWrapNorOverflow) {
  constexpr std::uint64_t kMax = ~std::uint64_t{0};
  ComposeOptions around;
  around.everyWord = true;
  around.insert = Text(255, u'*');
  ComposeOptions both;
  both.header = both.footer = true;
  both.insert = around.insert;
  const struct {
    std::uint64_t units;
    const ComposeOptions& options;
    std::uint64_t length;
  } cases[] = {
      {16777216, around, 16777216 + 16777217ull * 255},  // 2^32 + 255
      {0xFFFFFFFF, around, 0xFFFFFFFFull * 256 + 255},
      {kMax / 255, around, kMax},
      {kMax, around, kMax},
      {0xFFFFFFFF, both, 0xFFFFFFFFull + 510},
      {kMax - 100, both, kMax},
  };
  for (const auto& c : cases) EXPECT_EQ(ComposedLength(c.units, c.options), c.length) << c.units;

  // The same count for a real line, trimmed: 16,777,216 characters and two trailing spaces.
  Text line(16777216, u'x');
  line += u"  ";
  EXPECT_EQ(SendTextLength(line, around), 16777216 + 16777217ull * 255);
}

}  // namespace
}  // namespace sorelka
