// The tip window and the version window: one of each at most, opened from the main window's
// menu and closed by their OK button.
#pragma once
#include <functional>

#include "dialogs/tip_text.h"
#include "platform/dialog_port.h"
#include "platform/desktop.h"
#include "platform/failure_text.h"
#include "platform/form_port.h"

namespace sorelka {

class AuxForm {
 public:
  // `form`: the main window, whose message box tells of a window that could not be made.
  AuxForm(DialogPort& window, Desktop& desktop, FormPort& form, std::function<void()> onLoad = {})
      : window_(window), desktop_(desktop), form_(form), onLoad_(std::move(onLoad)) {}

  // Loads the window unless it is loaded (a second opening only shows and focuses it). When
  // the system cannot make it, a message box says so and the main window goes on as before.
  void Open();
  void OkClick() { window_.Unload(); }

 private:
  void FormLoad();

  DialogPort& window_;
  Desktop& desktop_;
  FormPort& form_;
  std::function<void()> onLoad_;
};

// What the main window's menu opens.
class Dialogs {
 public:
  Dialogs(TipWindowPort& tip, DialogPort& about, Desktop& desktop, FormPort& form)
      : tip_(tip, desktop, form, [&tip] { FillTipText(tip); }), about_(about, desktop, form) {}
  AuxForm& Tip() { return tip_; }
  AuxForm& About() { return about_; }

 private:
  AuxForm tip_;
  AuxForm about_;
};

}  // namespace sorelka
