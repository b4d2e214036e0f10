// The Win32 columns of the kinds table in app/controls.h: window class and styles by Kind.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "app/controls.h"
#include "frame_container.h"

namespace sorelka::win32 {

struct Win32Kind {
  const wchar_t* cls;
  DWORD style;
  DWORD exStyle;
};

inline const Win32Kind& Win32KindOf(Kind k) {
  static const Win32Kind kKinds[] = {
#define SORELKA_WIN32_KIND(kind, cls, style, exStyle, focus, edit, enter) \
  {cls, static_cast<DWORD>(style), static_cast<DWORD>(exStyle)},
      SORELKA_CONTROL_KINDS(SORELKA_WIN32_KIND)
#undef SORELKA_WIN32_KIND
  };
  return kKinds[static_cast<int>(k)];
}

}  // namespace sorelka::win32
