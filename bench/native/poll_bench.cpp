// Cost of the foreground polling: an idle tick against a bare GetForegroundWindow call on the
// same fake desktop, and ticks that classify a newly activated window.
#include <benchmark/benchmark.h>

#include <chrono>

#include "app/main_form.h"
#include "fakes/fake_desktop.h"
#include "fakes/fake_form.h"

namespace sorelka {
namespace {

using testing::FakeDesktop;
using testing::FakeForm;
using Clock = std::chrono::steady_clock;

struct Scene {
  FakeForm form;
  FakeDesktop desktop;
  MainForm main{form, desktop, desktop};
  Hwnd chatFrame = 0, messenger = 0, page = 0;

  Scene() {
    main.Load();
    chatFrame = desktop.AddText(0, "IEFrame", u"MSN チャット - Microsoft Internet Explorer");
    Hwnd view = desktop.Add(chatFrame, "Shell DocObject View");
    Hwnd server = desktop.Add(view, "Internet Explorer_Server");
    Hwnd dialog = desktop.Add(server, "#32770");
    Hwnd atl = desktop.Add(dialog, "ATL:3723F798");
    desktop.Add(atl, "MSNChatEdit4");
    desktop.AddText(dialog, "SubclassButton", u"発言");
    desktop.AddText(dialog, "Static", u"雑談部屋");
    messenger = desktop.AddText(0, "IMWindowClass", u"Alice - 会話");
    desktop.Add(messenger, "button");
    Hwnd pageFrame = desktop.AddText(0, "IEFrame", u"ニュース - Microsoft Internet Explorer");
    desktop.Add(desktop.Add(pageFrame, "Shell DocObject View"), "Internet Explorer_Server");
    page = pageFrame;
  }
  // The fake form logs every change; a long run must not grow them without bound.
  void DropLogs() { form.enableLog.clear(); }
};

// A real call through the port's vtable, as the tick makes it from its own translation unit:
// called directly on the fake, the optimiser would inline its body behind a type check.
struct BareCall {
  explicit BareCall(Desktop& d) : desktop(&d) {
    benchmark::DoNotOptimize(desktop);
    benchmark::DoNotOptimize(member);
  }
  Hwnd operator()() const { return (desktop->*member)(); }
  Desktop* desktop;
  Hwnd (Desktop::*member)() = &Desktop::ForegroundWindow;
};

void BM_PollBareForegroundCall(benchmark::State& state) {
  Scene s;
  s.desktop.SetForeground(s.chatFrame);
  const BareCall call(s.desktop);
  for (auto _ : state) benchmark::DoNotOptimize(call());
}
BENCHMARK(BM_PollBareForegroundCall);

// The baseline is measured in the same run, right after the ticks, over as many calls.
void BM_PollIdleTick(benchmark::State& state) {
  Scene s;
  s.desktop.SetForeground(s.chatFrame);
  s.main.Timer1Tick();  // the chat is chosen; every later tick is idle
  const auto tickStart = Clock::now();
  for (auto _ : state) s.main.Timer1Tick();
  const double tickNs = std::chrono::duration<double, std::nano>(Clock::now() - tickStart).count();

  const BareCall call(s.desktop);
  const auto bareStart = Clock::now();
  for (benchmark::IterationCount i = 0; i < state.iterations(); ++i) benchmark::DoNotOptimize(call());
  const double bareNs = std::chrono::duration<double, std::nano>(Clock::now() - bareStart).count();

  const double n = static_cast<double>(state.iterations());
  state.counters["tick_ns"] = tickNs / n;
  state.counters["bare_ns"] = bareNs / n;
  state.counters["vs_bare"] = tickNs / bareNs;
  if (s.main.discovery().Target().Kind != KindChat) state.SkipWithError("the chat was not chosen");
}
BENCHMARK(BM_PollIdleTick);

// A tick that meets a window it has not seen: reads, classification, lookup, status, switch.
void Classify(benchmark::State& state, Hwnd Scene::*which, std::int16_t kind) {
  Scene s;
  s.desktop.SetForeground(s.*which);
  for (auto _ : state) {
    s.main.ForgetForeground();
    s.main.Timer1Tick();
    s.DropLogs();
  }
  if (s.main.discovery().Target().Kind != kind) state.SkipWithError("wrong target kind");
}
void BM_PollClassifyChatWindow(benchmark::State& state) { Classify(state, &Scene::chatFrame, KindChat); }
void BM_PollClassifyMessenger(benchmark::State& state) {
  Classify(state, &Scene::messenger, KindMessenger);
}
void BM_PollClassifyOrdinaryPage(benchmark::State& state) {
  Classify(state, &Scene::page, KindUnknown);
}
BENCHMARK(BM_PollClassifyChatWindow);
BENCHMARK(BM_PollClassifyMessenger);
BENCHMARK(BM_PollClassifyOrdinaryPage);

}  // namespace
}  // namespace sorelka

// Every file of native_bench may bring a main; weak, so another one wins and they still link.
__attribute__((weak)) int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
