// Composition over any line, insert and options: trailing spaces go and nothing else does, every
// character of the line comes out once, in order (reversed when asked), and the insert stands
// exactly where the options put it, so the length is what they make it.
#include <algorithm>

#include "fakes/fake_form.h"
#include "fuzz_support.h"
#include "send/compose.h"

namespace sorelka {
namespace {

constexpr char16_t kIdeographicSpace = u'\u3000';
bool IsTrailingSpace(char16_t c) { return c == u' ' || c == kIdeographicSpace; }

// What the options ask of one line, as the user set them.
struct Asked {
  bool reverse = false, everyCharacter = false, header = false, footer = false;
  Text insert;
};

void CheckTrim(const Text& line, const Text& trimmed) {
  if (std::all_of(line.begin(), line.end(), IsTrailingSpace)) {
    FUZZ_CHECK(trimmed == Text(1, kIdeographicSpace));  // an empty line is never sent empty
    return;
  }
  FUZZ_CHECK(line.compare(0, trimmed.size(), trimmed) == 0);
  FUZZ_CHECK(!IsTrailingSpace(trimmed.back()));
  FUZZ_CHECK(std::all_of(line.begin() + trimmed.size(), line.end(), IsTrailingSpace));
}

void CheckComposed(const Text& trimmed, const Asked& asked, const Text& out) {
  Text body = trimmed;
  if (asked.reverse) std::reverse(body.begin(), body.end());
  const Text& insert = asked.insert;
  const std::size_t n = body.size(), k = insert.size();

  if (asked.everyCharacter) {
    // insert c1 insert c2 ... insert cN insert
    FUZZ_CHECK(out.size() == (n + 1) * k + n);
    for (std::size_t i = 0; i <= n; ++i) {
      FUZZ_CHECK(out.compare(i * (k + 1), k, insert) == 0);
      if (i < n) FUZZ_CHECK(out[i * (k + 1) + k] == body[i]);
    }
    return;
  }
  const std::size_t before = asked.header ? k : 0, after = asked.footer ? k : 0;
  FUZZ_CHECK(out.size() == before + n + after);
  FUZZ_CHECK(out.compare(0, before, insert, 0, before) == 0);
  FUZZ_CHECK(out.compare(before, n, body) == 0);
  FUZZ_CHECK(out.compare(before + n, after, insert, 0, after) == 0);
}

// A check box's value: clear, ticked or grey (grey counts as not ticked).
int BoxValue(FuzzedDataProvider& in) { return in.ConsumeIntegralInRange(0, 2); }

}  // namespace
}  // namespace sorelka

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace sorelka;
  FuzzedDataProvider in(data, size);
  std::vector<char16_t> alphabet = fuzz::Cp932Alphabet();
  alphabet.insert(alphabet.end(), {u' ', u' ', kIdeographicSpace, kIdeographicSpace});

  testing::FakeForm form;
  // The mode: one of the option buttons of its group, or none selected.
  const Ctl modes[] = {Ctl::Default, Ctl::SAKASA, Ctl::AA};
  for (Ctl c : modes) form.SetValue(c, 0);
  if (const int mode = in.ConsumeIntegralInRange(0, 3); mode < 3) form.SetValue(modes[mode], 1);
  for (Ctl c : {Ctl::EveryWord, Ctl::Header, Ctl::Footer}) form.SetValue(c, BoxValue(in));
  for (Ctl c : {Ctl::Default, Ctl::SAKASA, Ctl::EveryWord, Ctl::Header, Ctl::Footer})
    form.SetEnabled(c, in.ConsumeIntegralInRange(0, 3) != 0);
  const Text insert = fuzz::TextFrom(in, alphabet, 255);
  form.SetText(Ctl::PlusWord, insert);
  const Text line = fuzz::TextFrom(in, alphabet, 400);

  auto on = [&](Ctl c) { return form.Value(c) == 1 && form.Enabled(c); };
  Asked asked;
  asked.reverse = on(Ctl::Default) || on(Ctl::SAKASA);
  asked.everyCharacter = on(Ctl::EveryWord);
  asked.header = on(Ctl::Header);
  asked.footer = on(Ctl::Footer);
  asked.insert = insert;

  const Text trimmed = TrimRightSpaces(line);
  CheckTrim(line, trimmed);
  CheckComposed(trimmed, asked, MakeSendText(line, form));
  return 0;
}
