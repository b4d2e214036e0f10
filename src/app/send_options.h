// The switch over every control that takes part in sending, and the send-mode interlocks.
#pragma once
#include <optional>

#include "platform/form_port.h"

namespace sorelka {

class SendOptions {
 public:
  explicit SendOptions(FormPort& form) : form_(form) {}

  // Start-up: notes the send mode the window starts with.
  void Load();
  // Enables or disables every sending control; enabling re-applies the interlocks.
  void EnableSendOptions(bool enable);
  // A send mode's button was clicked: its handler runs only when the mode becomes selected,
  // so clicking the selected mode again cannot undo what EveryWord decided.
  void ModeClicked(Ctl mode);
  void EveryWordClick();

 private:
  void AAClick();
  void SAKASAClick();
  void DefaultClick();
  void RunModeHandler(Ctl mode);

  FormPort& form_;
  std::optional<Ctl> selectedMode_;
};

}  // namespace sorelka
