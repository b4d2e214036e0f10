// The behaviour of the main window: every handler of its controls, menus and timers, over the
// two ports. The Win32 shell forwards events here and implements the ports.
#pragma once
#include <array>

#include "app/controls.h"
#include "platform/desktop.h"
#include "platform/form_port.h"
#include "dialogs/dialogs.h"
#include "discovery/chat_target.h"

namespace sorelka {

class MainForm {
 public:
  MainForm(FormPort& form, Desktop& desktop) : form_(form), desktop_(desktop) {}

  // The tip and version windows that the menu opens (none: those menu items do nothing).
  void AttachDialogs(Dialogs& dialogs) { dialogs_ = &dialogs; }

  // --- start-up and shutdown ---
  void Load();
  void Unload();
  // "終了": the unload handler, then the shell ends the process (returns true when it should).
  void EndClick();
  bool ExitRequested() const { return exitRequested_; }

  // --- events forwarded by the shell ---
  void Click(Ctl c);          // a control was clicked (for an option button: became selected)
  void MenuClick(Menu m);
  void MouseDown(Ctl where, int button);   // the window (Ctl::Count) or a bare frame
  void SendMouseMove();
  void Timer1Tick();          // foreground polling, every 50 ms
  void Timer2Tick();          // readout and always-on-top, every 100 ms

  // Sets a check box from code; a changed value runs its click handler.
  void SetValueFromCode(Ctl c, int value);

  // --- send options ---
  void EnableSendOptions(bool enable);
  void AAClick();
  void SAKASAClick();
  void DefaultClick();
  void EveryWordClick();

  // --- target ---
  void ShowTargetStatus(const ChatTarget& target);

  // --- sending ---
  void SendClick();

  // --- state the window owns ---
  ChatTarget chatTarget;
  Hwnd lastForeground = 0;
  std::int16_t onTopApplied = kFalse;
  std::array<Hwnd, 151> translucentWindows{};

 private:
  void ActivatCheckClick();
  void SkelResetClick();

  FormPort& form_;
  Desktop& desktop_;
  bool exitRequested_ = false;
  Dialogs* dialogs_ = nullptr;
};

}  // namespace sorelka
