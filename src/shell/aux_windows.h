// The program's windows besides the main window (tip and version), owned by the composition
// root for the life of the process: they may outlive the main window.
#pragma once
#include <windows.h>
#include "shell_namespace.h"

#include "about_window.h"
#include "top_level_windows.h"
#include "app/main_form.h"
#include "dialogs/dialogs.h"
#include "platform/desktop.h"
#include "platform/form_port.h"
#include "tip_window.h"

namespace sorelka::shell {

class AuxWindows {
 public:
  // `main`: the main window, which tells of a window that could not be made and takes the front
  // back when no other window can.
  AuxWindows(Desktop& desktop, MainForm& form, FormPort& main, TopLevelWindows& live);
  AuxWindows(const AuxWindows&) = delete;
  AuxWindows& operator=(const AuxWindows&) = delete;

  // What the main window's menu opens.
  Dialogs& dialogs() { return dialogs_; }
  // Dialog keys for the tip and version windows, from the message loop. True when used.
  bool PreTranslate(MSG& msg) { return tip_.PreTranslate(msg) || about_.PreTranslate(msg); }

 private:
  void HandBack(HWND closing);

  TipWindow tip_;
  AboutWindow about_;
  Dialogs dialogs_;
  MainForm& form_;
  FormPort& main_;
};

}  // namespace sorelka::shell
