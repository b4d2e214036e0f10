// Composition over any line, insert and options: trailing spaces go and nothing else does, every
// character of the line comes out once, in order (reversed when asked), the insert stands
// exactly where the options put it, and the length told in advance is the length made. The
// options read from the window count a box only when ticked (not grey) and enabled.
#include <algorithm>

#include "fakes/fake_form.h"
#include "fuzz_support.h"
#include "send/compose.h"
#include "send/options_from_form.h"

namespace sorelka {
namespace {

constexpr char16_t kIdeographicSpace = u'\u3000';
bool IsTrailingSpace(char16_t c) { return c == u' ' || c == kIdeographicSpace; }

void CheckTrim(const Text& line, const Text& trimmed) {
  if (std::all_of(line.begin(), line.end(), IsTrailingSpace)) {
    FUZZ_CHECK(trimmed == Text(1, kIdeographicSpace));  // an empty line is never sent empty
    return;
  }
  FUZZ_CHECK(line.compare(0, trimmed.size(), trimmed) == 0);
  FUZZ_CHECK(!IsTrailingSpace(trimmed.back()));
  FUZZ_CHECK(std::all_of(line.begin() + trimmed.size(), line.end(), IsTrailingSpace));
}

void CheckComposed(const Text& trimmed, const ComposeOptions& asked, const Text& out) {
  Text body = trimmed;
  if (asked.reverse) std::reverse(body.begin(), body.end());
  const Text& insert = asked.insert;
  const std::size_t n = body.size(), k = insert.size();

  if (asked.everyWord) {
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

  // The options as the window holds them: a mode of its group (or none), the boxes clear,
  // ticked or grey, each enabled or not.
  testing::FakeForm form;
  const Ctl modes[] = {Ctl::Default, Ctl::SAKASA, Ctl::AA};
  for (Ctl c : modes) form.SetValue(c, 0);
  if (const int mode = in.ConsumeIntegralInRange(0, 3); mode < 3) form.SetValue(modes[mode], 1);
  for (Ctl c : {Ctl::EveryWord, Ctl::Header, Ctl::Footer}) form.SetValue(c, BoxValue(in));
  for (Ctl c : {Ctl::Default, Ctl::SAKASA, Ctl::EveryWord, Ctl::Header, Ctl::Footer})
    form.SetEnabled(c, in.ConsumeIntegralInRange(0, 3) != 0);
  form.SetText(Ctl::PlusWord, fuzz::TextFrom(in, alphabet, 255));
  const Text line = fuzz::TextFrom(in, alphabet, 400);

  const ComposeOptions options = ComposeOptionsOf(form);
  auto on = [&](Ctl c) { return form.Value(c) == 1 && form.Enabled(c); };
  FUZZ_CHECK(options.reverse == (on(Ctl::Default) || on(Ctl::SAKASA)));
  FUZZ_CHECK(options.everyWord == on(Ctl::EveryWord));
  FUZZ_CHECK(options.header == on(Ctl::Header));
  FUZZ_CHECK(options.footer == on(Ctl::Footer));
  FUZZ_CHECK(options.insert == form.GetText(Ctl::PlusWord));

  const Text trimmed = TrimRightSpaces(line);
  CheckTrim(line, trimmed);
  const Text composed = MakeSendText(line, options);
  CheckComposed(trimmed, options, composed);
  FUZZ_CHECK(SendTextLength(line, options) == composed.size());
  return 0;
}
