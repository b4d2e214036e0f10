// The main window's router: every event of its controls, menus and timers goes to the
// subsystem that owns it. The Win32 shell forwards events here and implements the ports.
#pragma once
#include "app/popup_menus.h"
#include "app/send_options.h"
#include "dialogs/dialogs.h"
#include "discovery/target_discovery.h"
#include "platform/desktop.h"
#include "platform/event_loop.h"
#include "platform/form_port.h"
#include "send/send_command.h"
#include "translucency/panel_slide.h"
#include "translucency/readout.h"
#include "translucency/translucency.h"

namespace sorelka {

class MainForm {
 public:
  MainForm(FormPort& form, Desktop& desktop, EventLoop& loop)
      : form_(form), desktop_(desktop), loop_(loop), sendOptions_(form), discovery_(desktop), readout_(form),
        send_(form, desktop, loop) {}

  // The tip and version windows that the menu opens (none: those menu items do nothing).
  void AttachDialogs(Dialogs& dialogs) { dialogs_ = &dialogs; }

  // --- start-up and shutdown ---
  void Load();
  // The unload handler; runs once however many ways the program is ended (the end of the
  // session, then WM_DESTROY; "終了").
  void Unload();
  // "終了": asks the shell to run the unload handler and end the process once every nested
  // loop has unwound.
  void EndClick() { exitRequested_ = true; }
  bool ExitRequested() const { return exitRequested_; }

  // --- events forwarded by the shell ---
  void Click(Ctl c);          // a control was clicked (for an option button: it is selected)
  void MenuClick(Menu m);
  void MouseDown(Ctl where, int button);   // the window (Ctl::Count) or a bare frame
  void SendMouseMove();
  void Timer1Tick();          // foreground polling, every 50 ms
  void Timer2Tick();          // readout and always-on-top, every 100 ms

  void EscapePressed() { send_.Cancel(); }
  // A send is under way: Enter does nothing, and the window is not re-examined.
  bool Sending() const { return send_.Sending(); }

  // The tip or version window came to the front; the window to give the front back to when
  // it closes in front (0: the main window).
  void AuxWindowActivated() { discovery_.OwnWindowActivated(); }
  Hwnd AuxWindowHandBack() { return discovery_.HandBackWindow(); }

  // Sets a check box from code; a changed value runs its click handler.
  void SetValueFromCode(Ctl c, int value);

  const TargetDiscovery& discovery() const { return discovery_; }
  // Examine the window in front afresh at the next poll (measurements of the classification).
  void ForgetForeground() { discovery_.Forget(); }
  Translucency& translucency() { return translucency_; }

 private:
  FormPort& form_;
  Desktop& desktop_;
  EventLoop& loop_;
  SendOptions sendOptions_;
  TargetDiscovery discovery_;
  Readout readout_;
  SendCommand send_;
  Translucency translucency_{form_, desktop_};
  PanelSlide slide_{form_, loop_};
  PopupMenus popups_{form_};
  Dialogs* dialogs_ = nullptr;  // owned by the shell: they may outlive the main window
  bool exitRequested_ = false;
  bool unloaded_ = false;
};

}  // namespace sorelka
