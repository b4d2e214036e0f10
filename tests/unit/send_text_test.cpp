#include <gtest/gtest.h>

#include <optional>

#include "fakes/fake_desktop.h"
#include "send/cp932_codes.h"
#include "send/message_lines.h"

namespace sorelka {
namespace {

using Code = std::optional<std::uint32_t>;  // nullopt: refused
constexpr std::uint32_t Dbcs(std::uint32_t code) { return 0xFFFF0000u | code; }

// Each character through the check and the conversion the send makes, inside a line; the same
// on the iconv double and on the system's own conversion of the i686 build under Wine.
TEST(CharacterCodes, ExactCodesAndTheJisEquivalentsOnlyNoBestFit) {
  const struct {
    const char16_t* character;
    Code code;
  } cases[] = {
      {u"a", 0x61},  {u"ｱ", 0xB1},  {u"あ", Dbcs(0x82A0)},  {u"①", Dbcs(0x8740)},  {u"～", Dbcs(0x8160)},
      {u"\u301C", Dbcs(0x8160)},  {u"\u2212", Dbcs(0x817C)},  {u"\u2016", Dbcs(0x8161)},
      {u"\u2014", Dbcs(0x815C)},  {u"\u00A2", Dbcs(0x8191)},  {u"\u00A3", Dbcs(0x8192)},
      {u"\u00AC", Dbcs(0x81CA)},  {u"\u00A5", 0x5C},  {u"\u203E", 0x7E},
      // best-fit look-alikes and characters without any code
      {u"é", {}},  {u"ü", {}},  {u"·", {}},  {u"©", {}},  {u"À", {}},  {u"€", {}},  {u"안", {}},
      {u"\U0001F600", {}},  {u"\xDC00", {}},
  };
  testing::FakeDesktop desktop;
  for (const auto& c : cases) {
    const Text line = u"x" + Text(c.character) + u"y";
    SCOPED_TRACE(::testing::PrintToString(line));
    const TextView refused = FirstCharacterWithoutCode(desktop, line, LineBreaks::Refused);
    if (!c.code) {
      EXPECT_EQ(refused, c.character);
      continue;
    }
    EXPECT_TRUE(refused.empty()) << ::testing::PrintToString(Text(refused));
    EXPECT_EQ(LineCodes(desktop, line), (std::vector<std::uint32_t>{0x78, *c.code, 0x79}));
  }
}

// A system whose ANSI code page is UTF-8: one byte is one code, two or more bytes of one
// character are none (a chat takes one code per character), a lone surrogate has no bytes.
TEST(CharacterCodes, Utf8CodePageSendsOnlyWhatIsOneByte) {
  struct Utf8Desktop : testing::FakeDesktop {
    Ansi ToAnsi(TextView t) override { return testing::ToUtf8(t); }
    bool AnsiCarries(TextView t) override {
      bool usedDefault = false;
      testing::ToUtf8(t, &usedDefault);
      return !usedDefault;
    }
    bool IsLeadByte(unsigned char) override { return false; }  // no double-byte code page
  } desktop;
  const struct {
    const char16_t* text;
    const char16_t* refused;
  } cases[] = {
      {u"ab~\\", u""},  {u"ab\u00A5", u""},  {u"aé", u"é"},  {u"aあ", u"あ"},  {u"a〜", u"〜"},
      {u"a\U0001F600", u"\U0001F600"},  {u"a\xD800", u"\xD800"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(Text(c.text)));
    EXPECT_EQ(FirstCharacterWithoutCode(desktop, c.text, LineBreaks::Refused), c.refused);
  }
  EXPECT_EQ(LineCodes(desktop, u"a\u00A5"), (std::vector<std::uint32_t>{0x61, 0x5C}));
  // The conversion itself: every character but a lone surrogate has bytes of its own.
  EXPECT_EQ(desktop.ToAnsi(u"aéあ\U0001F600"), "a\xC3\xA9\xE3\x81\x82\xF0\x9F\x98\x80");
  EXPECT_TRUE(desktop.AnsiCarries(u"aéあ\U0001F600"));
  EXPECT_FALSE(desktop.AnsiCarries(u"a\xD800"));
}

// CR LF is one break and so is every other CR or LF; what is left once lines were sent keeps
// its own breaks.
TEST(MessageLines, EveryCrOrLfBreaksALineAndCrLfIsOneBreak) {
  const struct {
    const char16_t* text;
    std::vector<Text> lines;
  } cases[] = {
      {u"", {u""}},
      {u"ab\r\ncd", {u"ab", u"cd"}},
      {u"ab\rcd\nef", {u"ab", u"cd", u"ef"}},
      {u"a\rb\rc\rd\re\rf", {u"a", u"b", u"c", u"d", u"e", u"f"}},
      {u"\n\r", {u"", u"", u""}},
      {u"a\r\r\nb\n", {u"a", u"", u"b", u""}},
      {u"a\n\r\nb\r", {u"a", u"", u"b", u""}},
      {u"a\rb\nc\r\nd", {u"a", u"b", u"c", u"d"}},
  };
  for (const auto& c : cases) {
    const TextView text = c.text;
    SCOPED_TRACE(::testing::PrintToString(Text(text)));
    EXPECT_EQ(SplitLines(text), c.lines);
    for (std::size_t n = 0; n < c.lines.size(); ++n) {
      const Text rest = WithoutFirstLines(text, n);
      EXPECT_TRUE(text.ends_with(rest)) << n;
      EXPECT_EQ(SplitLines(rest), std::vector<Text>(c.lines.begin() + n, c.lines.end())) << n;
    }
    EXPECT_EQ(WithoutFirstLines(text, c.lines.size()), u"");
  }
  EXPECT_EQ(WithoutFirstLines(u"a\rb\nc\r\nd", 2), u"c\r\nd");
}

}  // namespace
}  // namespace sorelka
