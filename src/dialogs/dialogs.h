// The tip window and the version window: one of each at most, opened from the main window's
// menu and closed by their OK button.
#pragma once
#include <functional>

#include "dialogs/dialog_port.h"
#include "dialogs/tip_text.h"
#include "platform/desktop.h"

namespace sorelka {

class AuxForm {
 public:
  AuxForm(DialogPort& window, Desktop& desktop, std::function<void()> onLoad = {})
      : window_(window), desktop_(desktop), onLoad_(std::move(onLoad)) {}

  // Loads the window unless it is loaded (a second opening only shows and focuses it).
  void Open();
  void OkClick() { window_.Unload(); }

 private:
  void FormLoad();

  DialogPort& window_;
  Desktop& desktop_;
  std::function<void()> onLoad_;
};

class TipWindowPort : public DialogPort, public TipTextPort {};

// What the main window's menu opens.
class Dialogs {
 public:
  Dialogs(TipWindowPort& tip, DialogPort& about, Desktop& desktop)
      : tip_(tip, desktop, [&tip] { FillTipText(tip); }), about_(about, desktop) {}
  AuxForm& Tip() { return tip_; }
  AuxForm& About() { return about_; }

 private:
  AuxForm tip_;
  AuxForm about_;
};

}  // namespace sorelka
