// Typing a long line costs little more than the posts themselves: PostLine against a bare loop
// of the same PostMessageA calls, both through the port, timed in the same run.
#include <benchmark/benchmark.h>

#include <chrono>

#include "fakes/fake_form.h"
#include "send/options_from_form.h"
#include "support/post_line.h"

namespace sorelka {
namespace {

constexpr std::size_t kLineUnits = 20000;

// The least a desktop can do: count the posts. Conversion is a cheap stand-in with the shape of
// code page 932 (ASCII one byte, everything else two), so the measure shows PostLine's own cost.
class CountingDesktop final : public Desktop {
 public:
  std::uint64_t posts = 0, checksum = 0;

  PostResult PostMessageA(Hwnd, std::uint32_t, std::uintptr_t wParam, std::intptr_t) override {
    ++posts;
    checksum += wParam;
    return PostResult::Posted;
  }
  Ansi ToAnsi(TextView text) override {
    Ansi out;
    for (char16_t c : text) {
      if (c < 0x80) {
        out.push_back(static_cast<char>(c));
      } else {
        out.push_back(static_cast<char>(0x82));
        out.push_back(static_cast<char>(c & 0xFF));
      }
    }
    return out;
  }

  Hwnd ForegroundWindow() override { return 0; }
  Ansi ClassNameA(Hwnd, int) override { return {}; }
  Ansi WindowTextA(Hwnd, int) override { return {}; }
  Hwnd FindChildA(Hwnd, const char*, const char*) override { return 0; }
  Hwnd LastSibling(Hwnd) override { return 0; }
  int ControlId(Hwnd) override { return 0; }
  bool IsWindow(Hwnd) override { return true; }
  bool IsHung(Hwnd) override { return false; }
  bool Answers(Hwnd, std::uint32_t) override { return true; }
  Hwnd OwnerOf(Hwnd) override { return 0; }
  bool IsOwnProcess(Hwnd) override { return false; }
  void SetTopMost(Hwnd, bool) override {}
  Layering ReadLayering(Hwnd) override { return {}; }
  bool SetLayeredAttributes(Hwnd, const Layering&) override { return false; }
  bool LayeringReadable() override { return true; }
  StyleChange RequestLayeredStyle(const StyleRequest&) override { return StyleChange::Failed; }
  std::vector<StyleOutcome> TakeStyleOutcomes() override { return {}; }
  void AnnounceStyleOutcomesTo(Hwnd) override {}
  bool WaitForStyleChanges(std::uint32_t) override { return true; }
  std::uint32_t WindowProcess(Hwnd) override { return 0; }
  std::uint32_t OwnProcess() override { return 1; }
  bool ProcessRuns(std::uint32_t) override { return false; }
  std::vector<Hwnd> TopLevelWindows() override { return {}; }
  bool WriteAlphaRecord(Hwnd, std::uint32_t, const AlphaRecordValues&) override { return false; }
  std::vector<AlphaRecordEntry> ReadAlphaRecords(Hwnd) override { return {}; }
  void RemoveAlphaRecord(Hwnd, std::uint32_t) override {}
  void ShellOpen(const char*) override {}
  bool AnsiCarries(TextView) override { return true; }
  Text FromAnsi(std::string_view) override { return {}; }
  bool IsLeadByte(unsigned char) override { return false; }
};

// A clock that stands still: nothing in the measured send ever waits.
class StillLoop final : public EventLoop {
 public:
  std::uint32_t Milliseconds() override { return 0; }
  void Sleep(std::uint32_t) override {}
  void WaitForMessages(std::uint32_t) override {}
  bool PumpMessages() override { return true; }
};

Text MixedLine() {
  const Text pattern = u"abcあいう　ｱ";
  Text line;
  for (std::size_t i = 0; i < kLineUnits; ++i) line.push_back(pattern[i % pattern.size()]);
  return line;
}

using Clock = std::chrono::steady_clock;

void BM_PostLineAgainstBareLoop(benchmark::State& state) {
  CountingDesktop counting;
  StillLoop loop;
  Desktop* desktop = &counting;
  benchmark::DoNotOptimize(desktop);  // both loops call through the port, as the program does
  testing::FakeForm form;
  form.SetValue(Ctl::SendNow, 0);  // characters only: the same number of posts as the bare loop
  const DeliveryOptions options = DeliveryOptionsOf(form);
  ChatTarget target;
  target.Kind = KindMessenger;
  target.InputWindow = 0x1000;
  const Text line = MixedLine();

  Clock::duration postLine{}, bare{};
  for (auto _ : state) {
    const auto t0 = Clock::now();
    benchmark::DoNotOptimize(PostLine(line, target, options, *desktop, loop));
    const auto t1 = Clock::now();
    for (char16_t unit : line) desktop->PostMessageA(target.InputWindow, kWmImeChar, unit, 0);
    const auto t2 = Clock::now();
    postLine += t1 - t0;
    bare += t2 - t1;
    state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
  }
  benchmark::DoNotOptimize(counting.checksum);
  const double runs = static_cast<double>(state.iterations());
  const double postNs = std::chrono::duration<double, std::nano>(postLine).count() / runs;
  const double bareNs = std::chrono::duration<double, std::nano>(bare).count() / runs;
  state.counters["bare_loop_us"] = bareNs / 1000;
  state.counters["ratio_to_bare"] = postNs / bareNs;
  state.counters["overhead_ns_per_char"] = (postNs - bareNs) / kLineUnits;
  state.counters["posts"] = static_cast<double>(counting.posts) / runs / 2;
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kLineUnits));
}
BENCHMARK(BM_PostLineAgainstBareLoop)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace sorelka
