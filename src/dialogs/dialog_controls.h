// The tip and version windows, described once: the Win32 shell creates each window and its
// controls from these tables, in the same rows as the main window's. Positions and sizes are
// twips, relative to the container.
#pragma once
#include <vector>

#include "platform/control_row.h"

namespace sorelka {

// The controls of each window, in the order of its table (which is their tab order).
enum class TipCtl : int { cmdOK, Picture1, Label1, RichTextBox1, Count };
enum class AboutCtl : int {
  cmdOK, picIcon, Label1, Label2, Label4, Label3, Label5, StatusIcon1, StatusIcon0, StatusIcon2, Image1, Line1,
  Count
};

template <typename Id>
struct DialogDesc {
  const char16_t* caption;
  int clientWidth, clientHeight;  // twips
  bool sizable;                   // sizable border, else a fixed dialog border
  Picture icon;                   // the title bar's picture
  std::vector<ControlRow<Id>> controls;  // the row of id N at place N
};

// The table with its ids as places, as the shell's code for both windows reads it.
template <typename Id>
DialogDesc<int> ByPlace(const DialogDesc<Id>& d) {
  DialogDesc<int> out{d.caption, d.clientWidth, d.clientHeight, d.sizable, d.icon, {}};
  for (const ControlRow<Id>& row : d.controls) out.controls.push_back(ByPlace(row));
  return out;
}

const DialogDesc<TipCtl>& TipWindowDesc();
const DialogDesc<AboutCtl>& AboutWindowDesc();

}  // namespace sorelka
