#include "translucency/translucency.h"

#include <algorithm>

#include "translucency/alpha_record.h"

namespace sorelka {

namespace {
constexpr int kClassNameBytes = 256;
constexpr std::uint32_t kLwaAlpha = 2;
}  // namespace

void Translucency::Clear() {
  slots_.fill(0);
  entries_.clear();
  desktop_.AnnounceStyleOutcomesTo(form_.WindowHandle());
}

std::size_t Translucency::ChangedCount() const {
  return static_cast<std::size_t>(std::count_if(entries_.begin(), entries_.end(), [](const Entry& e) { return !e.restoring; }));
}

Translucency::Entry* Translucency::Find(Hwnd window) {
  auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.window == window; });
  return it == entries_.end() ? nullptr : &*it;
}

void Translucency::Drop(Hwnd window) {
  entries_.erase(std::remove_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.window == window; }),
                 entries_.end());
}

Desktop::Layering Translucency::AlphaOnly(std::uint8_t alpha) const {
  Desktop::Layering l;
  l.known = l.layered = true;
  l.alpha = alpha;
  l.flags = kLwaAlpha;
  return l;
}

void Translucency::SliderClick(Hwnd lastForeground) {
  const auto alpha = static_cast<std::uint8_t>(std::clamp(form_.Value(Ctl::Slider), 0, 255));
  const Hwnd target = form_.Value(Ctl::SkelOption0) != 0 ? form_.WindowHandle() : lastForeground;
  if (Entry* e = target ? Begin(target) : nullptr) {
    // A newer click replaces whatever was still under way for this window, a reset included.
    e->restoring = false;
    e->alpha = alpha;
    Apply(target);
  }
  Remember(lastForeground);
}

// The first free slot takes the handle; a full list takes nothing more. Restoring does not
// depend on the slots, so no window is missed however many clicks came before.
void Translucency::Remember(Hwnd window) {
  if (window == 0) return;
  auto free = std::find(slots_.begin(), slots_.end(), Hwnd{0});
  if (free != slots_.end()) *free = window;
}

// The entry of a window about to change; the first change records what to put back, on the
// window itself too, before anything is changed.
Translucency::Entry* Translucency::Begin(Hwnd window) {
  if (Entry* e = Find(window)) {
    if (StillTheSame(*e)) return e;
    Drop(window);  // the handle now names another window: the one recorded is gone
  }
  if (!desktop_.IsWindow(window)) return nullptr;
  Desktop::Layering before = desktop_.ReadLayering(window);
  const bool own = desktop_.IsOwnProcess(window);
  std::vector<std::uint32_t> stale;
  if (!own) {
    // Records already there (of another instance, or of one that ended) hold the layering the
    // window had before any change, where they may be believed.
    const RecordReading reading = ReadRecords(desktop_, window);
    if (reading.running && !reading.fromRecord) return nullptr;  // another instance's, half written
    before = reading.before;
    stale = reading.stale;
  }
  const std::uint32_t self = desktop_.OwnProcess();
  Entry e{window, desktop_.WindowProcess(window), desktop_.ClassNameA(window, kClassNameBytes), before};
  // What cannot be read cannot be put back: such a window is left as its program made it. The
  // program's own windows go with its process: they need no record.
  if (!before.known) {
    for (std::uint32_t process : stale) desktop_.RemoveAlphaRecord(window, process);
    return nullptr;
  }
  if (!own && !WriteRecord(e)) return nullptr;  // no change without its record
  for (std::uint32_t process : stale)
    if (process != self) desktop_.RemoveAlphaRecord(window, process);  // this one was just written
  entries_.push_back(e);
  return &entries_.back();
}

bool Translucency::WriteRecord(const Entry& e) {
  const std::uint32_t self = desktop_.OwnProcess();
  return desktop_.WriteAlphaRecord(e.window, self, EncodeAlphaRecord({e.before, form_.WindowHandle(), self}));
}

// The window carries this instance's record, written now if it is missing (any program may
// have removed it); false when it cannot be written, and then nothing may be changed.
bool Translucency::Recorded(const Entry& e) {
  const std::uint32_t self = desktop_.OwnProcess();
  for (const Desktop::AlphaRecordEntry& r : desktop_.ReadAlphaRecords(e.window))
    if (r.process == self && DecodeAlphaRecord(r)) return true;
  return WriteRecord(e);
}

bool Translucency::StillTheSame(const Entry& e) {
  return desktop_.IsWindow(e.window) && desktop_.WindowProcess(e.window) == e.process &&
         desktop_.ClassNameA(e.window, kClassNameBytes) == e.className;
}

// Brings a window towards what its entry asks: the attributes at once where the layered bit is
// already right and no change of it is under way, otherwise a change of the bit (with the
// attributes right after it).
void Translucency::Apply(Hwnd window) {
  Entry* e = Find(window);
  if (!e) return;
  if (!desktop_.IsWindow(window)) {
    Drop(window);  // gone, and its record with it
    return;
  }
  e->retry = false;
  const bool own = desktop_.IsOwnProcess(window);
  // No change without its record; a window being put back gets its record again too, if
  // another program took it away, so a kill meanwhile still leaves it to the next start.
  if (!own && !Recorded(*e) && !e->restoring) return;
  const bool layeredNow = desktop_.ReadLayering(window).layered;
  const bool pending = e->sequence != 0;
  if (!e->restoring) {
    if (!pending && layeredNow) desktop_.SetLayeredAttributes(window, AlphaOnly(e->alpha));
    else Request(*e, true, AlphaOnly(e->alpha));
  } else if (e->before.layered) {
    if (!pending && layeredNow) {
      desktop_.SetLayeredAttributes(window, e->before);
      Restored(window);
    } else {
      Request(*e, true, e->before);
    }
  } else if (!pending && !layeredNow) {
    Restored(window);
  } else {
    // Even when the bit looks clear, a change under way may be about to set it: this request
    // is made after it.
    Request(*e, false, Desktop::Layering{});
  }
}

void Translucency::Request(Entry& e, bool layered, const Desktop::Layering& then) {
  const Hwnd window = e.window;
  if (++sequence_ == 0) ++sequence_;  // 0 means "none under way"
  e.sequence = sequence_;
  switch (desktop_.RequestLayeredStyle({window, e.process, e.className, layered, then, sequence_})) {
    case Desktop::StyleChange::Queued: break;
    case Desktop::StyleChange::Done: Settle(window, Desktop::StyleResult::Done); break;
    case Desktop::StyleChange::Failed: Settle(window, Desktop::StyleResult::Refused); break;
  }
}

// The newest change of a window came back: its outcome as read from the window.
void Translucency::Settle(Hwnd window, Desktop::StyleResult result) {
  Entry* e = Find(window);
  if (!e) return;
  e->sequence = 0;
  switch (result) {
    case Desktop::StyleResult::Done:
      if (e->restoring) Restored(window);
      else desktop_.SetLayeredAttributes(window, AlphaOnly(e->alpha));  // clicks may have come meanwhile
      break;
    case Desktop::StyleResult::NoAnswer: e->retry = true; break;
    // Not done: the record stays, for the next reset, way out or start.
    case Desktop::StyleResult::Refused: break;
    case Desktop::StyleResult::Gone: Drop(window); break;  // that window's records went with it
  }
}

// Put back: this instance's record goes, and so do records of ended instances once no
// instance that runs has one (the window is as it was before any change).
void Translucency::Restored(Hwnd window) {
  if (!desktop_.IsOwnProcess(window)) {
    desktop_.RemoveAlphaRecord(window, desktop_.OwnProcess());
    const RecordReading reading = ReadRecords(desktop_, window);
    if (!reading.running)
      for (std::uint32_t process : reading.stale) desktop_.RemoveAlphaRecord(window, process);
  }
  Drop(window);
}

void Translucency::TakeOutcomes() {
  for (const Desktop::StyleOutcome& o : desktop_.TakeStyleOutcomes()) {
    const Entry* e = Find(o.window);
    // An outcome of a request that a newer one has replaced does not settle the window.
    if (e && e->sequence == o.sequence) Settle(o.window, o.result);
  }
}

void Translucency::Tick() {
  TakeOutcomes();
  std::vector<Hwnd> again;
  for (const Entry& e : entries_)
    if (e.retry) again.push_back(e.window);
  for (Hwnd w : again) Apply(w);
}

void Translucency::ResetAll() {
  TakeOutcomes();
  // The list is taken before it is walked, so whatever arrives meanwhile cannot change it under
  // the walk. Windows that answer go first, so a short exit serves them all; the main window last.
  const Hwnd main = form_.WindowHandle();
  std::vector<std::pair<int, Hwnd>> order;
  for (Entry& e : entries_) {
    const bool silent = e.retry || desktop_.IsHung(e.window);
    order.emplace_back(e.window == main ? 2 : silent ? 1 : 0, e.window);
    e.restoring = true;
  }
  std::stable_sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  for (const auto& [rank, window] : order) {
    Entry* e = Find(window);
    if (!e) continue;
    if (!StillTheSame(*e)) Drop(window);  // that window is gone; the handle names another
    else Apply(window);
  }
}

void Translucency::ResetAllBeforeExit() {
  ResetAll();
  // A window that was only slow to answer is asked again while the time lasts; one that hangs
  // is not, and keeps its record for the next start.
  for (int round = 0; round < kExitRounds && RestoringCount() > 0; ++round) {
    desktop_.WaitForStyleChanges(kExitRestoreMs / kExitRounds);
    TakeOutcomes();
    std::vector<Hwnd> again;
    for (const Entry& e : entries_)
      if (e.retry && !desktop_.IsHung(e.window)) again.push_back(e.window);
    for (Hwnd w : again) Apply(w);
  }
}

void Translucency::RestoreLeftovers() {
  const std::uint32_t self = desktop_.OwnProcess();
  for (Hwnd w : desktop_.TopLevelWindows()) {
    if (Find(w) || desktop_.IsOwnProcess(w)) continue;
    const RecordReading reading = ReadRecords(desktop_, w);
    if (reading.running || reading.stale.empty()) continue;  // never another instance's window
    Entry e{w, desktop_.WindowProcess(w), desktop_.ClassNameA(w, kClassNameBytes), reading.before};
    // This instance's record takes over before the ended ones go, so a kill in between loses
    // nothing; a record the present state does not confirm only goes.
    const bool act = reading.fromRecord && WriteRecord(e);
    for (std::uint32_t process : reading.stale)
      if (process != self || !act) desktop_.RemoveAlphaRecord(w, process);
    if (!act) continue;
    e.restoring = true;
    entries_.push_back(e);
    Apply(w);
  }
}

}  // namespace sorelka
