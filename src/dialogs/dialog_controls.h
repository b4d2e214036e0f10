// The tip and version windows, described once: the Win32 shell creates each window and its
// controls from these tables. Positions and sizes are twips, relative to the container.
#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/colour.h"

namespace sorelka {

enum class DialogKind : std::uint8_t {
  PictureBox,  // a container that shows its picture (32 x 32) at its top left corner
  Label,
  Image,       // a 16 x 16 picture
  Line,        // a horizontal separator, `width` long
  Button,      // the window's OK button: default (Enter) and cancel (Esc) button
  RichText,    // the rich text box of the help text
};

enum class DialogFont : std::uint8_t { WindowDefault, Small };  // MS P Gothic 9 pt, 8.25 pt

enum class Picture : std::uint8_t { None, Program, Chat, Messenger, Unknown, Browser };

struct DialogControl {
  const char* name;
  DialogKind kind;
  const char16_t* caption;
  int left, top, width, height;
  std::optional<Colour> colour;      // text colour; nullopt = system default
  std::optional<Colour> background;  // nullopt = the window's
  DialogFont font;
  int tabIndex;                      // -1: none
  Picture picture;
  int container;                     // index in the same table; -1: the window itself
};

struct DialogDesc {
  const char16_t* caption;
  int clientWidth, clientHeight;  // twips
  bool sizable;                   // sizable border, else a fixed dialog border
  Picture icon;                   // the title bar's picture
  std::vector<DialogControl> controls;  // in tab order of the focusable ones
};

const DialogDesc& TipWindowDesc();
const DialogDesc& AboutWindowDesc();

}  // namespace sorelka
