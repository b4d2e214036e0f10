// The controls and menus of the main window, described once: the Win32 shell creates them
// from this table and the behaviour names them by `Ctl`.
#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/colour.h"
#include "platform/ids.h"

namespace sorelka {

// The kinds of control the main window is made of. What each kind is to the behaviour is in
// FactsOf; its Win32 class and styles are the shell's business (shell/win32_kinds.h).
enum class Kind : std::uint8_t {
  CheckBox,
  CheckPush,  // a check box drawn as a push button, pressed while ticked
  Option,
  Button,
  ButtonGraphical,
  Frame,      // a container; may have no caption
  Label,
  LabelCentered,
  TextCentered,  // single-line, centred
  TextMulti,     // Ctrl+Enter breaks its line
  StatusBar,
  Image,      // hidden picture store
  Slider,
};
inline constexpr int kKindCount = static_cast<int>(Kind::Slider) + 1;

// takesFocus: Tab may stop on it; isEdit: a text box (selected whole when Tab enters it, grey
// when disabled); takesEnter: a focused one takes Enter itself instead of the default button.
struct KindFacts {
  bool takesFocus, isEdit, takesEnter;
};
const KindFacts& FactsOf(Kind k);

enum class Font : std::uint8_t { WindowDefault, MsPGothic8, UiGothic8, UiGothic9 };
inline constexpr int kFontCount = 4;

inline constexpr int kNoTextLimit = -1;  // a text box that takes as much as the user pastes

struct ControlExtras {
  bool isDefault = false;          // the default push button: Enter anywhere presses it
  int textLimit = 0;               // text boxes: characters; 0 the box's own default; kNoTextLimit
  int rangeMin = 0, rangeMax = 0;  // sliders
};

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
  ControlExtras extras{};        // what only a few controls have
};

const std::vector<ControlDesc>& ControlTable();
const ControlDesc& Describe(Ctl c);
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
