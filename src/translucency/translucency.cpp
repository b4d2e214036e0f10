#include "translucency/translucency.h"

#include <algorithm>

namespace sorelka {

namespace {
constexpr int kClassNameBytes = 256;
}

void Translucency::Clear() {
  slots_.fill(0);
  changed_.clear();
}

void Translucency::SliderClick(Hwnd lastForeground) {
  const auto alpha = static_cast<std::uint8_t>(std::clamp(form_.Value(Ctl::Slider), 0, 255));
  if (form_.Value(Ctl::SkelOption0) != 0) SetAlpha(form_.WindowHandle(), alpha);
  else if (lastForeground != 0) SetAlpha(lastForeground, alpha);
  Remember(lastForeground);
}

// The first free slot takes the handle; a full list takes nothing more. Restoring does not
// depend on the slots, so no window is missed however many clicks came before.
void Translucency::Remember(Hwnd window) {
  if (window == 0) return;
  auto free = std::find(slots_.begin(), slots_.end(), Hwnd{0});
  if (free != slots_.end()) *free = window;
}

void Translucency::SetAlpha(Hwnd window, std::uint8_t alpha) {
  auto it = std::find_if(changed_.begin(), changed_.end(), [&](const Changed& c) { return c.window == window; });
  if (it != changed_.end() && !StillTheSame(*it)) {
    changed_.erase(it);  // the handle now names another window: the one recorded is gone
    it = changed_.end();
  }
  if (it == changed_.end()) {
    if (!desktop_.IsWindow(window)) return;
    const Desktop::Layering before = desktop_.ReadLayering(window);
    // What cannot be read cannot be put back: such a window is left as its program made it.
    if (!before.known) return;
    changed_.push_back({window, desktop_.WindowProcess(window), desktop_.ClassNameA(window, kClassNameBytes), before});
  }
  desktop_.SetWindowAlpha(window, alpha);
}

bool Translucency::StillTheSame(const Changed& c) {
  return desktop_.IsWindow(c.window) && desktop_.WindowProcess(c.window) == c.process &&
         desktop_.ClassNameA(c.window, kClassNameBytes) == c.className;
}

void Translucency::Restore(const Changed& c) {
  if (StillTheSame(c)) desktop_.ResetWindowAlpha(c.window, c.before);
}

void Translucency::ResetAll() {
  const Hwnd main = form_.WindowHandle();
  for (const Changed& c : changed_)
    if (c.window != main) Restore(c);
  for (const Changed& c : changed_)
    if (c.window == main) Restore(c);
  changed_.clear();
}

}  // namespace sorelka
