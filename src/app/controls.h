// The controls and menus of the main window, described once: the Win32 shell creates them
// from this table and the behaviour names them by `Ctl`.
#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/colour.h"
#include "platform/control_row.h"
#include "platform/ids.h"

namespace sorelka {

// The main window's rows, by Ctl.
const std::vector<ControlRow<Ctl>>& ControlTable();
const ControlRow<Ctl>& Describe(Ctl c);
// The button Enter presses wherever the focus is (extras.isDefault); Ctl::Count for none.
Ctl DefaultButton();

// Controls that take keyboard focus, in the order Tab visits them (by tab index, not z-order).
std::vector<Ctl> TabOrder();
// The control Tab (forward) or Shift+Tab (backward) moves to from `from`, skipping controls
// that are disabled or hidden (directly or through their frame).
template <typename IsUsable>
Ctl NextInTabOrder(Ctl from, bool forward, IsUsable usable) {
  const std::vector<Ctl> order = TabOrder();
  const int n = static_cast<int>(order.size());
  int at = -1;
  for (int i = 0; i < n; ++i)
    if (order[i] == from) at = i;
  for (int step = 1; step <= n; ++step) {
    int i = at < 0 ? (forward ? step - 1 : n - step)
                   : ((at + (forward ? step : -step)) % n + n) % n;
    if (usable(order[i])) return order[i];
  }
  return from;
}

class FormPort;
// Frames raised over their siblings when the window is made, the front-most last: in the
// collapsed layout Frame4 lies over Frame1.
inline constexpr Ctl kFramesInFront[] = {Ctl::Frame4};
// True when a frame lying over `c` (or over a frame holding it) hides it wholly, by the
// current layout: a user can neither see nor click it, though it is "visible".
bool IsCovered(Ctl c, FormPort& form);
// Where the focus goes when the control that had it can no longer take it: the first control
// in tab order that is enabled, shown and not covered (an option group at its selected
// button). Ctl::Count when there is none.
Ctl FocusFallback(FormPort& form);

// --- menus ---
struct MenuDesc {
  Menu id;
  const char* name;
  const char16_t* caption;
  std::optional<Menu> parent;   // nullopt: top level
  bool onMenuBar;               // false for the hidden popup-only menu and its item
};
const std::vector<MenuDesc>& MenuTable();

// The window itself.
inline constexpr const char16_t* kWindowCaption = u"Sorelka 2.0 for XP";
inline constexpr const char16_t* kAppTitle = u"Sorelka";
inline constexpr int kClientWidthTwips = 6060;
inline constexpr int kClientHeightTwips = 5265;
inline constexpr int kPanelWidthsTwips[2] = {2340, 3900};
inline constexpr int kPlusWordMaxLength = 255;  // characters the insert box takes

}  // namespace sorelka
