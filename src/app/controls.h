// The controls and menus of the main window, described once: the Win32 shell creates them
// from this table and the behaviour names them by `Ctl`.
#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/colour.h"
#include "platform/ids.h"

namespace sorelka {

// What each kind of control is, in one table. The Win32 shell expands every column; the portable
// code expands only the last three, so the class and style columns stay unexpanded tokens here
// and the behaviour still builds without <windows.h>.
//   takesFocus: Tab may stop on it; isEdit: a text box (selected whole when Tab enters it, grey
//   when disabled); takesEnter: a focused one takes Enter itself instead of the default button.
// clang-format off
//  kind             Win32 class                  style                                   ex style             focus  edit   Enter
#define SORELKA_CONTROL_KINDS(X) \
  X(CheckBox,        L"BUTTON",                   BS_AUTOCHECKBOX | WS_TABSTOP,           0,                   true,  false, false) \
  X(CheckPush,       L"BUTTON",                   BS_OWNERDRAW | WS_TABSTOP,              0,                   true,  false, false) /* a check box drawn as a push button, pressed while ticked */ \
  X(Option,          L"BUTTON",                   BS_AUTORADIOBUTTON | WS_TABSTOP,        0,                   true,  false, false) \
  X(Button,          L"BUTTON",                   BS_PUSHBUTTON | WS_TABSTOP,             0,                   true,  false, true)  \
  X(ButtonGraphical, L"BUTTON",                   BS_PUSHBUTTON | WS_TABSTOP,             0,                   true,  false, true)  \
  X(Frame,           FrameContainer::kClassName,  WS_CLIPCHILDREN,                        WS_EX_CONTROLPARENT, false, false, false) /* a container; may have no caption */ \
  X(Label,           L"STATIC",                   SS_LEFT | SS_NOPREFIX | SS_NOTIFY,      0,                   false, false, false) \
  X(LabelCentered,   L"STATIC",                   SS_CENTER | SS_NOPREFIX | SS_NOTIFY,    0,                   false, false, false) \
  X(TextCentered,    L"EDIT",                     ES_CENTER | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE,   true,  true,  false) /* single-line, centred */ \
  X(TextMulti,       L"EDIT",                     ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP, \
                                                                                          WS_EX_CLIENTEDGE,    true,  true,  false) /* Ctrl+Enter breaks its line */ \
  X(StatusBar,       STATUSCLASSNAMEW,            0,                                      0,                   false, false, false) \
  X(Image,           L"STATIC",                   SS_ICON,                                0,                   false, false, false) /* hidden picture store */ \
  X(Slider,          TRACKBAR_CLASSW,             TBS_HORZ | TBS_AUTOTICKS | WS_TABSTOP,  0,                   true,  false, false)
// clang-format on

enum class Kind : std::uint8_t {
#define SORELKA_KIND_NAME(kind, cls, style, exStyle, focus, edit, enter) kind,
  SORELKA_CONTROL_KINDS(SORELKA_KIND_NAME)
#undef SORELKA_KIND_NAME
};

struct KindFacts {
  bool takesFocus, isEdit, takesEnter;
};
const KindFacts& FactsOf(Kind k);

enum class Font : std::uint8_t { WindowDefault, MsPGothic8, UiGothic8, UiGothic9 };

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
