// A fake desktop: a tree of windows of other programs that records every posted message. It is
// the fake event loop too, so that a call kept waiting on another program's window and the
// program's own waits pass on one clock, as on the real system.
#pragma once
#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <utility>
#include <vector>

#include "platform/desktop.h"
#include "platform/event_loop.h"
#include "fakes/cp932.h"

namespace sorelka::testing {

struct FakeWindow {
  Hwnd parent = 0;
  Ansi className;
  Ansi title;
  int controlId = 0;
  bool exists = true;
  bool hung = false;
  bool silent = false;  // takes posts but answers no sent message: its thread stopped
  Hwnd owner = 0;
  bool ownProcess = false;
  // the window-alpha layer
  std::uint32_t process = 1;
  Desktop::Layering layering{true};  // readable, not layered
  std::map<std::uint32_t, Desktop::AlphaRecordValues> records;  // the program's properties, by process
  bool refusesStyle = false;  // its own procedure keeps its layered bit as it is
  bool recordsFail = false;   // properties cannot be written to it
};

struct Posted {
  Hwnd window;
  std::uint32_t message;
  std::uintptr_t wParam;
  std::intptr_t lParam;
  std::uint32_t at;  // fake clock, ms
};

class FakeDesktop : public Desktop, public EventLoop {
 public:
  // Adds a window as the last (lowest in Z order) child of `parent` (0: top level).
  Hwnd Add(Hwnd parent, const Ansi& className, const Ansi& title = "", int controlId = 0) {
    Hwnd h = next_;
    next_ += 4;
    windows_[h] = FakeWindow{parent, className, title, controlId};
    order_.push_back(h);
    return h;
  }
  // The same with UTF-8/UTF-16 title given as text, stored as its code page 932 bytes.
  Hwnd AddText(Hwnd parent, const Ansi& className, const Text& title, int controlId = 0) {
    return Add(parent, className, ToCp932(title), controlId);
  }
  FakeWindow& Window(Hwnd h) { return windows_.at(h); }
  void Close(Hwnd h) { windows_.at(h).exists = false; }
  void SetForeground(Hwnd h) { foreground_ = h; }

  // Calls counted for the "an idle tick costs one call" measures.
  int foregroundCalls = 0, classNameCalls = 0, windowTextCalls = 0, findCalls = 0,
      lastSiblingCalls = 0;
  std::vector<Posted> posted;
  std::vector<std::uint32_t> sleeps;
  std::vector<std::pair<Hwnd, bool>> topMost;
  // Decides each post's result before it is recorded; default: posted while the window exists.
  std::function<PostResult(Hwnd, std::uint32_t)> postHook;

  Hwnd ForegroundWindow() override {
    ++foregroundCalls;
    return foreground_;
  }
  Ansi ClassNameA(Hwnd w, int bufferBytes) override {
    ++classNameCalls;
    return Clip(Live(w) ? windows_[w].className : w ? Ansi() : strayBytes, bufferBytes);
  }
  Ansi WindowTextA(Hwnd w, int bufferBytes) override {
    ++windowTextCalls;
    return Clip(Live(w) ? windows_[w].title : w ? Ansi() : strayBytes, bufferBytes);
  }
  // What the reads of window 0 hand back: under Wine, stray bytes of an earlier call.
  Ansi strayBytes;
  Hwnd FindChildA(Hwnd parent, const char* className, const char* title) override {
    ++findCalls;
    if (parent == 0 || !Live(parent)) return 0;
    for (Hwnd h : order_) {
      const FakeWindow& w = windows_[h];
      if (!w.exists || w.parent != parent) continue;
      if (!EqualsNoCase(w.className, className)) continue;
      if (title && w.title != title) continue;
      return h;
    }
    return 0;
  }
  Hwnd LastSibling(Hwnd w) override {
    ++lastSiblingCalls;
    if (!Live(w)) return 0;
    Hwnd last = 0;
    for (Hwnd h : order_)
      if (windows_[h].exists && windows_[h].parent == windows_[w].parent) last = h;
    return last;
  }
  int ControlId(Hwnd w) override { return Live(w) ? windows_[w].controlId : 0; }
  bool IsWindow(Hwnd w) override { return Live(w); }
  bool IsHung(Hwnd w) override { return Live(w) && windows_[w].hung; }
  PostResult PostMessageA(Hwnd w, std::uint32_t m, std::uintptr_t wp, std::intptr_t lp) override {
    PostResult r = postHook ? postHook(w, m) : (Live(w) ? PostResult::Posted : PostResult::Failed);
    if (r == PostResult::Posted) posted.push_back({w, m, wp, lp, now_});
    return r;
  }
  // A window that answers takes no time; one that does not keeps the caller for the timeout.
  bool Answers(Hwnd w, std::uint32_t ms) override {
    ++answerProbes;
    if (Live(w) && !windows_[w].hung && !windows_[w].silent) return true;
    blocked.push_back(ms);
    now_ += ms;
    return false;
  }
  Hwnd OwnerOf(Hwnd w) override { return Live(w) ? windows_[w].owner : 0; }
  bool IsOwnProcess(Hwnd w) override { return Live(w) && windows_[w].ownProcess; }
  // Sleeps until the next of `arrivals` or for `ms`, whichever comes first.
  void WaitForMessages(std::uint32_t ms) override {
    std::uint32_t wait = ms;
    for (std::uint32_t at : arrivals)
      if (at - now_ > 0 && at - now_ < wait) wait = at - now_;  // wraps like timeGetTime
    blocked.push_back(wait);
    now_ += wait;
  }
  std::vector<std::uint32_t> arrivals;  // when messages for the program arrive, fake clock
  int answerProbes = 0;
  std::vector<std::uint32_t> blocked;  // every time the caller was kept waiting, in ms
  void SetTopMost(Hwnd w, bool release) override { topMost.emplace_back(w, release); }
  void ShellOpen(const char* file) override { shellOpened.emplace_back(file); }
  std::vector<Ansi> shellOpened;
  void Sleep(std::uint32_t ms) override {
    sleeps.push_back(ms);
    now_ += ms;
  }
  std::uint32_t Milliseconds() override { return now_; }
  // Each pass takes `pumpMs` of the fake clock and runs `onPump`, standing in for the events
  // that a pass dispatches.
  bool PumpMessages() override {
    ++pumps;
    pumpTimes.push_back(now_);
    now_ += pumpMs;
    if (onPump) onPump();
    return !closing;
  }
  std::function<void()> onPump;  // the window's events that arrive during a pump
  std::vector<std::uint32_t> pumpTimes;
  bool closing = false;  // what PumpMessages reports once the program is closing
  int pumps = 0;
  std::uint32_t pumpMs = 1;
  void SetClock(std::uint32_t ms) { now_ = ms; }
  void Advance(std::uint32_t ms) { now_ += ms; }

  // --- the window-alpha layer: what each window's layering is now, and every change made ---
  Layering ReadLayering(Hwnd w) override { return Live(w) ? windows_[w].layering : Layering{}; }
  bool SetLayeredAttributes(Hwnd w, const Layering& a) override {
    if (!Live(w) || !windows_[w].layering.layered) return false;
    alphaCalls.emplace_back(w, a.alpha);
    Set(w, a);
    return true;
  }
  bool LayeringReadable() override { return layeringReadable; }
  bool layeringReadable = true;  // false: Windows 2000
  // The program's own windows change at once; others through the worker, one job in flight per
  // window at most, which runs at once unless `holdStyleChanges` (then StartStyleJob and
  // FinishStyleJob, or RunStyleWorker, run it). A request replaces one still queued.
  StyleChange RequestLayeredStyle(const StyleRequest& r) override {
    if (!Live(r.window)) return StyleChange::Failed;
    requestLog.push_back(r.window);
    if (windows_[r.window].ownProcess)
      return Outcome(r) == StyleResult::Done ? StyleChange::Done : StyleChange::Failed;
    std::erase_if(styleQueue, [&](const StyleRequest& j) { return j.window == r.window; });
    styleQueue.push_back(r);
    ++styleRequests;
    if (!holdStyleChanges) RunStyleWorker();
    return StyleChange::Queued;
  }
  // The first queued job whose window has none in flight goes in flight (none: nullptr).
  const StyleRequest* StartStyleJob() {
    for (auto it = styleQueue.begin(); it != styleQueue.end(); ++it)
      if (std::none_of(inFlight.begin(), inFlight.end(), [&](const StyleRequest& f) { return f.window == it->window; })) {
        inFlight.push_back(*it);
        styleQueue.erase(it);
        return &inFlight.back();
      }
    return nullptr;
  }
  void FinishStyleJob(Hwnd window) {
    auto it = std::find_if(inFlight.begin(), inFlight.end(), [&](const StyleRequest& f) { return f.window == window; });
    outcomes.push_back({it->window, it->sequence, Outcome(*it)});
    inFlight.erase(it);
    ++announcements;
  }
  void RunStyleWorker() {
    while (const StyleRequest* job = StartStyleJob()) FinishStyleJob(job->window);
  }
  std::vector<StyleOutcome> TakeStyleOutcomes() override { return std::exchange(outcomes, {}); }
  void AnnounceStyleOutcomesTo(Hwnd w) override { announceTo = w; }
  bool WaitForStyleChanges(std::uint32_t ms) override {
    styleWaits.push_back(ms);
    if (onStyleWait) onStyleWait();
    RunStyleWorker();
    return inFlight.empty();
  }
  bool holdStyleChanges = false;
  std::vector<StyleRequest> styleQueue, inFlight;
  std::vector<StyleOutcome> outcomes;
  int styleRequests = 0, announcements = 0;
  std::vector<Hwnd> requestLog;  // every window a change of the bit was asked for, own ones too
  Hwnd announceTo = 0;
  std::vector<std::uint32_t> styleWaits;
  std::function<void()> onStyleWait;  // what happens to the windows while the program waits

  std::uint32_t WindowProcess(Hwnd w) override { return Live(w) ? windows_[w].process : 0; }
  std::uint32_t OwnProcess() override { return ownProcessId; }
  bool ProcessRuns(std::uint32_t p) override { return p != 0 && !endedProcesses.count(p); }
  std::vector<Hwnd> TopLevelWindows() override {
    std::vector<Hwnd> top;
    for (Hwnd h : order_)
      if (windows_[h].exists && windows_[h].parent == 0) top.push_back(h);
    return top;
  }
  std::uint32_t ownProcessId = 1;
  std::set<std::uint32_t> endedProcesses;
  bool WriteAlphaRecord(Hwnd w, std::uint32_t process, const AlphaRecordValues& v) override {
    if (!Live(w) || windows_[w].recordsFail) return false;
    windows_[w].records[process] = v;
    return true;
  }
  std::vector<AlphaRecordEntry> ReadAlphaRecords(Hwnd w) override {
    std::vector<AlphaRecordEntry> all;
    if (Live(w))
      for (const auto& [process, values] : windows_[w].records) all.push_back({process, values});
    return all;
  }
  void RemoveAlphaRecord(Hwnd w, std::uint32_t process) override {
    if (Live(w)) windows_[w].records.erase(process);
  }
  // The handle `h` now names a new window of another program (handles are reused).
  void Reuse(Hwnd h, const Ansi& className, std::uint32_t process) {
    windows_[h] = FakeWindow{0, className, "", 0};
    windows_[h].process = process;
  }
  std::vector<std::pair<Hwnd, std::uint8_t>> alphaCalls;  // attributes set: window, alpha

  Ansi ToAnsi(TextView t) override { return ToCp932(t); }
  bool AnsiCarries(TextView t) override {
    bool usedDefault = false;
    ToCp932(t, &usedDefault);
    return !usedDefault;
  }
  Text FromAnsi(std::string_view b) override { return FromCp932(b); }
  bool IsLeadByte(unsigned char b) override { return IsCp932LeadByte(b); }

 private:
  void Set(Hwnd w, const Layering& a) {
    Layering& l = windows_[w].layering;
    l.colorKey = a.colorKey;
    l.alpha = a.alpha;
    l.flags = a.flags;
  }
  // What the window's thread does with a change: the bit as asked unless the window is gone,
  // another one, silent or refusing; clearing it drops the attributes with the layer.
  StyleResult Outcome(const StyleRequest& r) {
    if (!Live(r.window) || windows_[r.window].process != r.process || windows_[r.window].className != r.className)
      return StyleResult::Gone;
    FakeWindow& w = windows_[r.window];
    if (w.hung || w.silent) return StyleResult::NoAnswer;
    if (w.refusesStyle) return w.layering.layered == r.layered ? StyleResult::Done : StyleResult::Refused;
    w.layering.layered = r.layered;
    Set(r.window, r.layered ? r.then : Layering{true});
    return StyleResult::Done;
  }
  bool Live(Hwnd w) const {
    auto it = windows_.find(w);
    return it != windows_.end() && it->second.exists;
  }
  // Like the ANSI calls: at most bufferBytes-1 bytes, which may split a double-byte character.
  static Ansi Clip(const Ansi& s, int bufferBytes) {
    if (bufferBytes <= 0) return Ansi();
    return s.substr(0, std::min<std::size_t>(s.size(), static_cast<std::size_t>(bufferBytes - 1)));
  }
  static bool EqualsNoCase(const Ansi& a, const char* b) {
    Ansi bb(b);
    if (a.size() != bb.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
      if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(bb[i])))
        return false;
    return true;
  }

  std::map<Hwnd, FakeWindow> windows_;
  std::vector<Hwnd> order_;
  Hwnd next_ = 0x1000;
  Hwnd foreground_ = 0;
  std::uint32_t now_ = 1000;
};

}  // namespace sorelka::testing
