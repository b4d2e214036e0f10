// The Win32 window class and styles of each kind of control (Kind, platform/control_row.h), for
// every window's table, and the control ids each window gives its controls.
#pragma once
#include <windows.h>
#include "shell_namespace.h"
#include <commctrl.h>
#include <richedit.h>

#include <iterator>

#include "app/controls.h"
#include "dialogs/dialog_controls.h"
#include "frame_container.h"
#include "picture_box.h"

namespace sorelka::shell {

struct Win32Kind {
  const wchar_t* cls;
  DWORD style;
  DWORD exStyle;
};

inline const Win32Kind& Win32KindOf(Kind k) {
  // clang-format off
  static const Win32Kind kKinds[] = {
      {L"BUTTON",                  BS_AUTOCHECKBOX | WS_TABSTOP,           0},                    // CheckBox
      {L"BUTTON",                  BS_OWNERDRAW | WS_TABSTOP,              0},                    // CheckPush
      {L"BUTTON",                  BS_AUTORADIOBUTTON | WS_TABSTOP,        0},                    // Option
      {L"BUTTON",                  BS_PUSHBUTTON | WS_TABSTOP,             0},                    // Button
      {L"BUTTON",                  BS_PUSHBUTTON | WS_TABSTOP,             0},                    // ButtonGraphical
      {FrameContainer::kClassName, WS_CLIPCHILDREN,                        WS_EX_CONTROLPARENT},  // Frame
      {PictureBox::kClassName,     WS_CLIPCHILDREN,                        WS_EX_CONTROLPARENT},  // PictureBox
      {L"STATIC",                  SS_LEFT | SS_NOPREFIX | SS_NOTIFY,      0},                    // Label
      {L"STATIC",                  SS_CENTER | SS_NOPREFIX | SS_NOTIFY,    0},                    // LabelCentered
      {L"STATIC",                  SS_LEFTNOWORDWRAP | SS_NOPREFIX,        0},                    // LabelOneLine
      {L"EDIT",                    ES_CENTER | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE},    // TextCentered
      {L"EDIT",                    ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP,
                                                                           WS_EX_CLIENTEDGE},     // TextMulti
      {RICHEDIT_CLASSW,            ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP | ES_NOHIDESEL,
                                                                           WS_EX_CLIENTEDGE},     // RichText
      {STATUSCLASSNAMEW,           0,                                      0},                    // StatusBar
      {L"STATIC",                  SS_ICON,                                0},                    // Image
      {L"STATIC",                  SS_ETCHEDHORZ,                          0},                    // Line
      {TRACKBAR_CLASSW,            TBS_HORZ | TBS_AUTOTICKS | WS_TABSTOP,  0},                    // Slider
  };
  // clang-format on
  static_assert(std::size(kKinds) == kKindCount);
  return kKinds[static_cast<int>(k)];
}

// Each window's control ids: its base + the control's place in its table (the tip and version
// windows' OK button answers to IDOK instead, the id the dialog keyboard presses).
template <typename Id>
inline constexpr int kFirstControlId = 0;
template <>
inline constexpr int kFirstControlId<Ctl> = 1000;
template <>
inline constexpr int kFirstControlId<TipCtl> = 100;
template <>
inline constexpr int kFirstControlId<AboutCtl> = 100;

}  // namespace sorelka::shell
