#include <gtest/gtest.h>

#include "fakes/fake_desktop.h"
#include "send/cp932_codes.h"
#include "send/message_lines.h"

namespace sorelka {
namespace {

// Each character inside a line through the check and the conversion of a send; the same on the
// iconv double and on the system's conversion (the i686 build under Wine). 0: refused.
TEST(CharacterCodes, ExactCodesAndTheJisEquivalentsOnlyNoBestFit) {
  const std::pair<const char16_t*, std::uint32_t> cases[] = {
      {u"a", 0x61}, {u"ｱ", 0xB1}, {u"あ", 0xFFFF82A0}, {u"～", 0xFFFF8160}, {u"\u301C", 0xFFFF8160},
      {u"\u2212", 0xFFFF817C}, {u"\u2016", 0xFFFF8161}, {u"\u2014", 0xFFFF815C}, {u"\u00A2", 0xFFFF8191},
      {u"\u00A3", 0xFFFF8192}, {u"\u00AC", 0xFFFF81CA}, {u"\u00A5", 0x5C}, {u"\u203E", 0x7E},
      {u"é", 0}, {u"ü", 0}, {u"·", 0}, {u"©", 0}, {u"À", 0}, {u"€", 0}, {u"\U0001F600", 0}, {u"\xDC00", 0},
  };
  testing::FakeDesktop desktop;
  for (const auto& [character, code] : cases) {
    const Text line = u"x" + Text(character) + u"y";
    SCOPED_TRACE(::testing::PrintToString(line));
    EXPECT_EQ(FirstCharacterWithoutCode(desktop, line, LineBreaks::Refused), code ? u"" : character);
    if (code) EXPECT_EQ(LineCodes(desktop, line), (std::vector<std::uint32_t>{0x78, code, 0x79}));
  }
}

// A system whose code page is UTF-8: a character of two bytes or more is no one code for a chat.
TEST(CharacterCodes, Utf8CodePageSendsOnlyWhatIsOneByte) {
  struct Utf8Desktop : testing::FakeDesktop {
    Ansi ToAnsi(TextView t) override { return testing::ToUtf8(t); }
    bool AnsiCarries(TextView t) override {
      bool usedDefault = false;
      testing::ToUtf8(t, &usedDefault);
      return !usedDefault;
    }
    bool IsLeadByte(unsigned char) override { return false; }
  } desktop;
  for (const auto& [text, refused] : {std::pair<const char16_t*, const char16_t*>{u"ab~\u00A5", u""},
                                      {u"aé", u"é"}, {u"aあ", u"あ"}, {u"a\U0001F600", u"\U0001F600"}})
    EXPECT_EQ(FirstCharacterWithoutCode(desktop, text, LineBreaks::Refused), refused);
  EXPECT_EQ(LineCodes(desktop, u"a\u00A5"), (std::vector<std::uint32_t>{0x61, 0x5C}));
  EXPECT_EQ(desktop.ToAnsi(u"éあ\U0001F600"), "\xC3\xA9\xE3\x81\x82\xF0\x9F\x98\x80");
  EXPECT_TRUE(desktop.AnsiCarries(u"éあ\U0001F600"));
  EXPECT_FALSE(desktop.AnsiCarries(u"a\xD800"));
}

// CR LF is one break, every other CR or LF one too; what is left once lines were sent keeps its
// own breaks.
TEST(MessageLines, EveryCrOrLfBreaksALineAndCrLfIsOneBreak) {
  const std::pair<const char16_t*, std::vector<Text>> cases[] = {
      {u"", {u""}},
      {u"ab\r\ncd", {u"ab", u"cd"}},
      {u"a\rb\rc\rd\re\rf", {u"a", u"b", u"c", u"d", u"e", u"f"}},
      {u"\n\r", {u"", u"", u""}},
      {u"a\r\r\nb\n", {u"a", u"", u"b", u""}},
      {u"a\rb\nc\r\nd", {u"a", u"b", u"c", u"d"}},
  };
  for (const auto& [text, lines] : cases) {
    SCOPED_TRACE(::testing::PrintToString(Text(text)));
    EXPECT_EQ(SplitLines(text), lines);
    for (std::size_t n = 0; n <= lines.size(); ++n) {
      const Text rest = WithoutFirstLines(text, n);
      EXPECT_TRUE(TextView(text).ends_with(rest)) << n;
      if (n < lines.size()) EXPECT_EQ(SplitLines(rest), std::vector<Text>(lines.begin() + n, lines.end())) << n;
    }
  }
  EXPECT_EQ(WithoutFirstLines(u"a\rb\nc\r\nd", 2), u"c\r\nd");
}

}  // namespace
}  // namespace sorelka
