// The controls and menus of the main window, described once: the Win32 shell creates them
// from this table and the behaviour names them by `Ctl`.
#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/ids.h"

namespace sorelka {

enum class Kind : std::uint8_t {
  CheckBox,
  CheckPush,      // check box drawn as a push button (pressed while ticked)
  Option,
  Button,
  ButtonGraphical,
  Frame,          // a container; may have no caption
  Label,
  LabelCentered,
  TextCentered,   // single-line text box, centred
  TextMulti,      // multi-line, both scroll bars
  StatusBar,
  Image,          // hidden picture store
  Slider,
};

enum class Font : std::uint8_t { WindowDefault, MsPGothic8, UiGothic8, UiGothic9 };

struct Colour {
  std::uint8_t r, g, b;
};
inline constexpr Colour kRed{255, 0, 0}, kBlue{0, 0, 255}, kPurple{192, 0, 192},
    kGreen{0, 128, 0}, kLightGreen{0, 192, 0}, kMagenta{255, 0, 255};

struct ControlDesc {
  Ctl id;
  const char* name;            // the control's name, for tests and diagnostics
  Kind kind;
  std::optional<Ctl> container;  // nullopt: the window itself
  const char16_t* caption;
  int left, top, width, height;  // twips, relative to the container
  int value;                     // design value: check 0/1/2, option 1/0
  std::optional<Colour> colour;  // text colour; nullopt = system default
  Font font;
  int tabIndex;                  // -1: not in the tab order
  int group;                     // option group (0 = none)
  bool visible;
};

const std::vector<ControlDesc>& ControlTable();
const ControlDesc& Describe(Ctl c);

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
