// Composing one line must stay linear in its length up to the longest line (32,767 units).
#include <benchmark/benchmark.h>

#include "fakes/fake_form.h"
#include "send/compose.h"
#include "send/options_from_form.h"

namespace sorelka {
namespace {

enum class Decoration { EveryCharacter, HeaderAndFooter };

Text MixedLine(std::size_t units) {
  const Text pattern = u"aあｱ　b表\U0001F600 ";
  Text line;
  line.reserve(units);
  while (line.size() < units) line.push_back(pattern[line.size() % pattern.size()]);
  return line;
}

// Reversed mode with every decoration ticked; `decoration` picks which rule is in effect.
void BM_MakeSendText(benchmark::State& state, Decoration decoration) {
  testing::FakeForm form;
  form.SetValue(Ctl::Default, 1);
  form.SetValue(Ctl::Header, 1);
  form.SetValue(Ctl::Footer, 1);
  form.SetValue(Ctl::EveryWord, decoration == Decoration::EveryCharacter ? 1 : 0);
  const ComposeOptions options = ComposeOptionsOf(form);
  const Text line = MixedLine(static_cast<std::size_t>(state.range(0)));
  std::size_t outUnits = 0;
  for (auto _ : state) {
    Text out = MakeSendText(line, options);
    outUnits = out.size();
    benchmark::DoNotOptimize(out.data());
  }
  state.SetComplexityN(state.range(0));
  state.SetItemsProcessed(state.iterations() * state.range(0));
  state.counters["out_units"] = static_cast<double>(outUnits);
}

BENCHMARK_CAPTURE(BM_MakeSendText, every_character_reversed, Decoration::EveryCharacter)
    ->RangeMultiplier(2)
    ->Range(1024, 32767)
    ->Complexity(benchmark::oN);
BENCHMARK_CAPTURE(BM_MakeSendText, header_footer_reversed, Decoration::HeaderAndFooter)
    ->RangeMultiplier(2)
    ->Range(1024, 32767)
    ->Complexity(benchmark::oN);

}  // namespace
}  // namespace sorelka
