// The Win32 window class and styles of each kind of control, for the main window's table
// (Kind, app/controls.h) and the tip and version windows' tables (DialogKind).
#pragma once
#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include <iterator>

#include "app/controls.h"
#include "dialogs/dialog_controls.h"
#include "frame_container.h"
#include "picture_box.h"

namespace sorelka::win32 {

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
      {L"STATIC",                  SS_LEFT | SS_NOPREFIX | SS_NOTIFY,      0},                    // Label
      {L"STATIC",                  SS_CENTER | SS_NOPREFIX | SS_NOTIFY,    0},                    // LabelCentered
      {L"EDIT",                    ES_CENTER | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE},    // TextCentered
      {L"EDIT",                    ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP,
                                                                           WS_EX_CLIENTEDGE},     // TextMulti
      {STATUSCLASSNAMEW,           0,                                      0},                    // StatusBar
      {L"STATIC",                  SS_ICON,                                0},                    // Image
      {TRACKBAR_CLASSW,            TBS_HORZ | TBS_AUTOTICKS | WS_TABSTOP,  0},                    // Slider
  };
  // clang-format on
  static_assert(std::size(kKinds) == kKindCount);
  return kKinds[static_cast<int>(k)];
}

inline const Win32Kind& Win32KindOf(DialogKind k) {
  // clang-format off
  static const Win32Kind kKinds[] = {
      {PictureBox::kClassName, WS_CLIPCHILDREN,                          WS_EX_CONTROLPARENT},  // PictureBox
      {L"STATIC",              SS_LEFTNOWORDWRAP | SS_NOPREFIX,          0},  // Label: one line, clipped
      {L"STATIC",              SS_ICON,                                  0},  // Image
      {L"STATIC",              SS_ETCHEDHORZ,                            0},  // Line
      {L"BUTTON",              BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, 0},  // Button
      {RICHEDIT_CLASSW,        ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP | ES_NOHIDESEL,
                                                                         WS_EX_CLIENTEDGE},     // RichText
  };
  // clang-format on
  static_assert(std::size(kKinds) == static_cast<int>(DialogKind::RichText) + 1);
  return kKinds[static_cast<int>(k)];
}

}  // namespace sorelka::win32
