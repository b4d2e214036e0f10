// The main window's controls and menus as Win32 handles, by name: filled in by the main window
// when it makes them, read by the form port, emptied when the window is gone so that nothing
// reaches a destroyed window through them.
#pragma once
#include <windows.h>
#include "shell_namespace.h"

#include <array>

#include "app/controls.h"
#include "platform/form_port.h"
#include "win32_kinds.h"

namespace sorelka::shell {

inline constexpr int kFirstMenuId = 2000;  // menu command id = 2000 + Menu

inline int ControlId(Ctl c) { return kFirstControlId<Ctl> + static_cast<int>(c); }
inline int MenuId(Menu m) { return kFirstMenuId + static_cast<int>(m); }

struct ControlWindows {
  HWND main = nullptr;
  std::array<HWND, kControlCount> controls{};
  std::array<TwipRect, kControlCount> bounds{};  // twips, as last placed
  HMENU menuBar = nullptr;                        // owned by the main window
  std::array<HMENU, static_cast<int>(Menu::Count)> popups{};  // the menus that hold items

  HWND H(Ctl c) const { return controls[static_cast<int>(c)]; }
  // The control `h` is, or Ctl::Count when it is none of ours.
  Ctl CtlOf(HWND h) const {
    for (int i = 0; h && i < kControlCount; ++i)
      if (controls[i] == h) return static_cast<Ctl>(i);
    return Ctl::Count;
  }
  void Clear() {
    main = nullptr;
    controls.fill(nullptr);
    menuBar = nullptr;
    popups.fill(nullptr);
  }
};

}  // namespace sorelka::shell
