// The composition root: which objects the program is made of, who owns what, and the main
// message loop. Everything here lives as long as the process.
#pragma once
#include "win32_headers.h"  // <windows.h> without its MessageBox macro
#include "shell_namespace.h"

#include "app/main_form.h"
#include "aux_windows.h"
#include "control_windows.h"
#include "desktop_win32.h"
#include "event_loop_win32.h"
#include "form_port_win32.h"
#include "main_window.h"
#include "message_guard.h"
#include "modal_loops.h"
#include "resources.h"

namespace sorelka::shell {

class App {
 public:
  App();
  // Shows the main window and runs until the program ends; the process's exit code.
  int Run(int showCommand);

 private:
  MessageGuard guard_;  // before any window: no posted pointer reaches one
  ModalLoops loops_;
  Resources resources_;
  Win32Desktop desktop_;
  Win32EventLoop loop_{loops_};
  TopLevelWindows live_;  // the main, tip and version windows still open
  ControlWindows windows_;
  Win32Form port_{windows_, resources_, desktop_, loops_};
  MainForm form_{port_, desktop_, loop_};
  MainWindow window_{windows_, resources_, port_, form_, loops_, live_};
  AuxWindows aux_{desktop_, form_, port_, live_};  // the tip and version windows; they may outlive the main window
};

}  // namespace sorelka::shell
