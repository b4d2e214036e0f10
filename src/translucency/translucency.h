// The slider's effect on windows and its undoing: the 151 slots the slider records the
// selected window in, and one entry per window the program actually changed. The program's
// thread never waits on another program's window: changes of the layered bit go through the
// desktop's worker and come back as outcomes, taken as soon as they are announced (and at each
// readout tick). Only the outcome of a window's newest request settles it.
#pragma once
#include <array>
#include <vector>

#include "platform/desktop.h"
#include "platform/form_port.h"

namespace sorelka {

inline constexpr int kTranslucentSlots = 151;
// Every way out waits this long at most for the changes still under way (the whole exit must
// take under 3 s however many windows do not answer).
inline constexpr std::uint32_t kExitRestoreMs = 2000;
inline constexpr int kExitRounds = 4;  // that time is shared by the rounds of asking again

class Translucency {
 public:
  Translucency(FormPort& form, Desktop& desktop) : form_(form), desktop_(desktop) {}

  // At load: every slot empty, nothing changed yet.
  void Clear();
  // At start: windows left changed by an instance that has ended (killed, crashed) are put back
  // from the record they carry; windows of an instance that still runs are left alone.
  void RestoreLeftovers();
  // Click of Slider: the slider's value becomes the alpha of the main window ("このツール") or
  // of `lastForeground` ("選択したウィンドウ"); `lastForeground` is recorded either way.
  void SliderClick(Hwnd lastForeground);
  // The readout tick: takes the outcomes of changes under way and asks again, once, for each
  // window that did not answer.
  void Tick();
  // Settles each window whose newest change has come back (the worker announces them).
  void TakeOutcomes();
  // SkelReset: each changed window, then the main window, is put back as it was before its
  // first change (a window that does not answer is asked again at each tick). Safe to run again.
  void ResetAll();
  // Every way out: ResetAll, then waits for the changes under way for at most kExitRestoreMs,
  // asking again windows that were slow to answer. One that did not answer keeps its record,
  // for the next start.
  void ResetAllBeforeExit();

  using Slots = std::array<Hwnd, kTranslucentSlots>;
  const Slots& TranslucentWindows() const { return slots_; }
  std::size_t ChangedCount() const;
  // Windows being put back (their record is removed once they are).
  std::size_t RestoringCount() const { return entries_.size() - ChangedCount(); }

 private:
  struct Entry {
    Hwnd window;
    std::uint32_t process;  // who the handle belonged to at the first change: handles are reused
    Ansi className;
    Desktop::Layering before;
    bool restoring = false;  // being put back; otherwise changed to `alpha`
    std::uint8_t alpha = 255;
    std::uint32_t sequence = 0;  // of the newest change of the layered bit under way (0: none)
    bool retry = false;          // the window did not answer: ask again at the next tick
  };
  Entry* Find(Hwnd window);
  Entry* Begin(Hwnd window);
  bool WriteRecord(const Entry& e);
  bool Recorded(const Entry& e);
  void Apply(Hwnd window);
  void Request(Entry& e, bool layered, const Desktop::Layering& then);
  void Settle(Hwnd window, Desktop::StyleResult result);
  void Restored(Hwnd window);
  void Drop(Hwnd window);
  void Remember(Hwnd window);
  bool StillTheSame(const Entry& e);
  Desktop::Layering AlphaOnly(std::uint8_t alpha) const;

  FormPort& form_;
  Desktop& desktop_;
  Slots slots_{};
  std::vector<Entry> entries_;
  std::uint32_t sequence_ = 0;  // of the last request made
};

}  // namespace sorelka
