// The status bar: panel 1 names the kind of the chosen window, panel 2 the window itself.
#pragma once
#include "discovery/chat_target.h"
#include "platform/form_port.h"

namespace sorelka {

void ShowTargetStatus(FormPort& form, const ChatTarget& target);

}  // namespace sorelka
