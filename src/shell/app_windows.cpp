#include "app_windows.h"

#include "dialogs/live_windows.h"
#include "live_windows_win32.h"

namespace sorelka::win32 {

AuxWindows::AuxWindows(Desktop& desktop, FormPort& form) : dialogs_(tip_, about_, desktop, form) {
  tip_.onOk = [this] { dialogs_.Tip().OkClick(); };
  about_.onOk = [this] { dialogs_.About().OkClick(); };
}

namespace {
LiveWindows& Live() {
  static LiveWindows live;
  return live;
}
}  // namespace

void LiveWindowOpened() { Live().Opened(); }

void LiveWindowClosed() {
  if (Live().Closed()) PostQuitMessage(0);
}

}  // namespace sorelka::win32
