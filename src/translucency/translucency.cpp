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
  if (!own) {
    // A record already there (another instance's, or one that ended) holds the layering the
    // window had before any change; what it shows now is that change.
    if (auto record = DecodeAlphaRecord(desktop_.ReadAlphaRecord(window))) before = record->before;
  }
  // What cannot be read cannot be put back: such a window is left as its program made it.
  if (!before.known) return nullptr;
  // The program's own windows go with its process: they need no record.
  if (!own) desktop_.WriteAlphaRecord(window, EncodeAlphaRecord({before, form_.WindowHandle(), desktop_.OwnProcess()}));
  entries_.push_back({window, desktop_.WindowProcess(window), desktop_.ClassNameA(window, kClassNameBytes), before});
  return &entries_.back();
}

bool Translucency::StillTheSame(const Entry& e) {
  return desktop_.IsWindow(e.window) && desktop_.WindowProcess(e.window) == e.process &&
         desktop_.ClassNameA(e.window, kClassNameBytes) == e.className;
}

// Brings a window towards what its entry asks: the attributes at once where the layered bit is
// already right, otherwise a change of the bit (with the attributes right after it).
void Translucency::Apply(Hwnd window) {
  Entry* e = Find(window);
  if (!e) return;
  if (!desktop_.IsWindow(window)) {
    Drop(window);  // gone, and its record with it
    return;
  }
  e->retry = false;
  const bool layeredNow = desktop_.ReadLayering(window).layered;
  if (!e->restoring) {
    if (!e->pending && layeredNow) desktop_.SetLayeredAttributes(window, AlphaOnly(e->alpha));
    else Request(*e, true, AlphaOnly(e->alpha));
  } else if (e->before.layered) {
    if (!e->pending && layeredNow) {
      desktop_.SetLayeredAttributes(window, e->before);
      Restored(window);
    } else {
      Request(*e, true, e->before);
    }
  } else if (!e->pending && !layeredNow) {
    Restored(window);
  } else {
    // Even when the bit looks clear, a change under way may be about to set it: this request
    // queues behind it.
    Request(*e, false, Desktop::Layering{});
  }
}

void Translucency::Request(Entry& e, bool layered, const Desktop::Layering& then) {
  const Hwnd window = e.window;
  e.wantLayered = layered;
  switch (desktop_.RequestLayeredStyle(window, layered, then)) {
    case Desktop::StyleChange::Queued: e.pending = true; break;
    case Desktop::StyleChange::Done:
      e.pending = false;
      if (e.restoring) Restored(window);
      break;
    case Desktop::StyleChange::Failed: Drop(window); break;  // nothing was changed
  }
}

void Translucency::Restored(Hwnd window) {
  if (!desktop_.IsOwnProcess(window)) desktop_.RemoveAlphaRecord(window);
  Drop(window);
}

void Translucency::TakeOutcomes() {
  for (const Desktop::StyleOutcome& o : desktop_.TakeStyleOutcomes()) {
    Entry* e = Find(o.window);
    // An outcome of a request that a newer one has replaced is not this entry's.
    if (!e || !e->pending || e->wantLayered != o.layered) continue;
    e->pending = false;
    if (!o.done) {
      if (desktop_.IsWindow(o.window)) e->retry = true;
      else Drop(o.window);
    } else if (e->restoring) {
      Restored(o.window);
    } else {
      // The newest alpha: clicks may have come while the bit was being set.
      desktop_.SetLayeredAttributes(o.window, AlphaOnly(e->alpha));
    }
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
  if (RestoringCount() == 0) return;
  desktop_.WaitForStyleChanges(kExitRestoreMs);
  TakeOutcomes();
}

void Translucency::RestoreLeftovers() {
  for (Hwnd w : desktop_.TopLevelWindows()) {
    if (Find(w) || desktop_.IsOwnProcess(w)) continue;
    const auto record = DecodeAlphaRecord(desktop_.ReadAlphaRecord(w));
    if (!record || !InstanceGone(desktop_, *record)) continue;
    Entry e{w, desktop_.WindowProcess(w), desktop_.ClassNameA(w, kClassNameBytes), record->before};
    e.restoring = true;
    entries_.push_back(e);
    Apply(w);
  }
}

}  // namespace sorelka
