// The popup menus of the main window: `menu` where the user right-clicks the window or a bare
// frame, and the hint `SendMenu` over the Send button.
#pragma once
#include "platform/form_port.h"

namespace sorelka {

inline constexpr int kLeftButton = 1, kRightButton = 2, kMiddleButton = 4;

class PopupMenus {
 public:
  explicit PopupMenus(FormPort& form) : form_(form) {}

  // A press on the window or a bare frame: the right button pops up `menu` at the pointer.
  // The popup is modal: the chosen item's handler has run when this returns.
  void MouseDown(int button) {
    if (button == kRightButton) form_.PopupMenu(Menu::Menu);
  }
  // Every move over Send pops up the hint; a disabled Send takes no mouse input.
  void SendMouseMove() {
    if (form_.Enabled(Ctl::Send)) form_.PopupMenu(Menu::SendMenu);
  }

 private:
  FormPort& form_;
};

}  // namespace sorelka
