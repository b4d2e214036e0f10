// The slider's effect on windows and its undoing: the 151 slots the slider records the
// selected window in, and one record per window the program actually changed.
#pragma once
#include <array>
#include <vector>

#include "platform/desktop.h"
#include "platform/form_port.h"

namespace sorelka {

inline constexpr int kTranslucentSlots = 151;

class Translucency {
 public:
  Translucency(FormPort& form, Desktop& desktop) : form_(form), desktop_(desktop) {}

  // At load: every slot empty, nothing changed yet.
  void Clear();
  // Click of Slider: the slider's value becomes the alpha of the main window ("このツール") or
  // of `lastForeground` ("選択したウィンドウ"); `lastForeground` is recorded either way.
  void SliderClick(Hwnd lastForeground);
  // SkelReset and every way out of the program: each changed window, then the main window,
  // gets back the layering it had before its first change. Safe to run again.
  void ResetAll();

  using Slots = std::array<Hwnd, kTranslucentSlots>;
  const Slots& TranslucentWindows() const { return slots_; }
  std::size_t ChangedCount() const { return changed_.size(); }

 private:
  struct Changed {
    Hwnd window;
    std::uint32_t process;  // who the handle belonged to at the first change: handles are reused
    Ansi className;
    Desktop::Layering before;
  };
  void SetAlpha(Hwnd window, std::uint8_t alpha);
  void Remember(Hwnd window);
  bool StillTheSame(const Changed& c);
  void Restore(const Changed& c);

  FormPort& form_;
  Desktop& desktop_;
  Slots slots_{};
  std::vector<Changed> changed_;
};

}  // namespace sorelka
