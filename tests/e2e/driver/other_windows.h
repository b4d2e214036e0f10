// Commands on windows other than the main window: message boxes, any window's text, a
// control's place on the screen; and the libraries a process has loaded.
#pragma once
#include "commands.h"

namespace e2e {

int Box(const Target& t, const Args& a);
int Answer(const Target& t, const Args& a);
int Text(const Target& t, const Args& a);
int ScreenRect(const Target& t, const Args& a);
int Modules(const Target& t, const Args& a);

}  // namespace e2e
