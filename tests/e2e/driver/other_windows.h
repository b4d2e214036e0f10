// Commands on windows other than the main window: message boxes, any window's text, a
// control's place on the screen.
#pragma once
#include "commands.h"

namespace e2e {

int Box(const Target& t, const Args& a);
int Answer(const Target& t, const Args& a);
int Text(const Target& t, const Args& a);
int ScreenRect(const Target& t, const Args& a);

}  // namespace e2e
