// One row of a window's control table, the same for every window of the program (the main
// window, the tip window, the version window): the Win32 shell makes each window from its
// table and the behaviour names the controls by the window's own id enum. Adding a kind of
// control: CONTRIBUTING.md lists the places.
#pragma once
#include <cstdint>
#include <iterator>
#include <optional>

#include "platform/colour.h"

namespace sorelka {

// The kinds of control the windows are made of. What each kind is to the behaviour is in
// FactsOf; its Win32 class and styles are the shell's business (shell/win32_kinds.h).
enum class Kind : std::uint8_t {
  CheckBox,
  CheckPush,  // a check box drawn as a push button, pressed while ticked
  Option,
  Button,     // with extras.isDefault the button Enter presses (a tip or version window's OK)
  ButtonGraphical,
  Frame,      // a container; may have no caption
  PictureBox, // a container that shows its picture (32 x 32) at its top left corner
  Label,
  LabelCentered,
  LabelOneLine,  // one line, clipped
  TextCentered,  // single-line, centred
  TextMulti,     // Ctrl+Enter breaks its line
  RichText,      // the rich text box of the help text
  StatusBar,
  Image,      // a 16 x 16 picture (in the main window hidden: a store of pictures)
  Line,       // a horizontal separator, `width` long
  Slider,
};
inline constexpr int kKindCount = static_cast<int>(Kind::Slider) + 1;

// takesFocus: Tab may stop on it; isEdit: a text box (selected whole when Tab enters it, grey
// when disabled); takesEnter: a focused one takes Enter itself instead of the default button.
struct KindFacts {
  bool takesFocus, isEdit, takesEnter;
};
inline const KindFacts& FactsOf(Kind k) {
  // By Kind:                        focus  edit   Enter
  static constexpr KindFacts kFacts[] = {{true, false, false},   // CheckBox
                                         {true, false, false},   // CheckPush
                                         {true, false, false},   // Option
                                         {true, false, true},    // Button
                                         {true, false, true},    // ButtonGraphical
                                         {false, false, false},  // Frame
                                         {false, false, false},  // PictureBox
                                         {false, false, false},  // Label
                                         {false, false, false},  // LabelCentered
                                         {false, false, false},  // LabelOneLine
                                         {true, true, false},    // TextCentered
                                         {true, true, false},    // TextMulti
                                         {true, false, false},   // RichText
                                         {false, false, false},  // StatusBar
                                         {false, false, false},  // Image
                                         {false, false, false},  // Line
                                         {true, false, false}};  // Slider
  static_assert(std::size(kFacts) == kKindCount);
  return kFacts[static_cast<int>(k)];
}

// MS P Gothic 9 pt, MS P Gothic 8.25 pt, MS UI Gothic 8.25 pt, MS UI Gothic 9 pt.
enum class Font : std::uint8_t { WindowDefault, MsPGothic8, UiGothic8, UiGothic9 };
inline constexpr int kFontCount = 4;

// The program's pictures, as a control or a window shows them.
enum class Picture : std::uint8_t { None, Program, Chat, Messenger, Unknown, Browser };

inline constexpr int kNoTextLimit = -1;  // a text box that takes as much as the user pastes

struct ControlExtras {
  bool isDefault = false;          // the default push button: Enter anywhere presses it
  int textLimit = 0;               // text boxes: characters; 0 the box's own default; kNoTextLimit
  int rangeMin = 0, rangeMax = 0;  // sliders
  std::optional<Colour> background = std::nullopt;  // nullopt: its container's
  Picture picture = Picture::None;  // an image, a picture box, a status bar's first picture
};

// `Id` is the window's own enum of its controls; a table holds the row of id N at place N.
template <typename Id>
struct ControlRow {
  Id id;
  const char* name;            // the control's name, for tests and diagnostics
  Kind kind;
  std::optional<Id> container;  // nullopt: the window itself
  const char16_t* caption;
  int left, top, width, height;  // twips, relative to the container
  int value;                     // design value: check 0/1/2, option 1/0, slider position
  std::optional<Colour> colour;  // text colour; nullopt = system default
  Font font;
  int tabIndex;                  // -1: not in the tab order
  int group;                     // option group (0 = none)
  bool visible;
  ControlExtras extras{};        // what only a few controls have
};

// The row with its ids as places in the table: how code that serves every window reads it.
template <typename Id>
ControlRow<int> ByPlace(const ControlRow<Id>& r) {
  const std::optional<int> container = r.container ? std::optional<int>(static_cast<int>(*r.container)) : std::nullopt;
  return {static_cast<int>(r.id), r.name,  r.kind,     container, r.caption, r.left,    r.top,   r.width,
          r.height,               r.value, r.colour,   r.font,    r.tabIndex, r.group, r.visible, r.extras};
}

}  // namespace sorelka
