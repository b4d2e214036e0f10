// Commands about translucency and the main window's passing windows: layered attributes of
// any window, popup menus and tips on the screen, messages to the main window, a fault.
#pragma once
#include "commands.h"

namespace e2e {

int Layered(const Target& t, const Args& a);
int SendToMain(const Target& t, const Args& a);
int PostToMain(const Target& t, const Args& a);
int WatchSlide(const Target& t, const Args& a);
int Popups(const Target& t, const Args& a);
int Tips(const Target& t, const Args& a);
int Fault(const Target& t, const Args& a);
int ClickAlpha(const Target& t, const Args& a);

}  // namespace e2e
