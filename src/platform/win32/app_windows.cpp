#include "app_windows.h"

#include "about_window.h"
#include "desktop_win32.h"
#include "dialogs/live_windows.h"
#include "live_windows_win32.h"
#include "tip_window.h"

namespace sorelka::win32 {

namespace {

struct AuxWindows {
  TipWindow tip;
  AboutWindow about;
  Win32Desktop desktop;
  Dialogs dialogs{tip, about, desktop};
  AuxWindows() {
    tip.onOk = [this] { dialogs.Tip().OkClick(); };
    about.onOk = [this] { dialogs.About().OkClick(); };
  }
};

// Lives as long as the process: its windows may outlive the main window.
AuxWindows& Windows() {
  static AuxWindows windows;
  return windows;
}

LiveWindows& Live() {
  static LiveWindows live;
  return live;
}

}  // namespace

Dialogs& AppDialogs() { return Windows().dialogs; }

bool PreTranslateAuxWindows(MSG& msg) {
  AuxWindows& w = Windows();
  return w.tip.PreTranslate(msg) || w.about.PreTranslate(msg);
}

void LiveWindowOpened() { Live().Opened(); }

void LiveWindowClosed() {
  if (Live().Closed()) PostQuitMessage(0);
}

}  // namespace sorelka::win32
