// The program's home page, opened in the user's browser by the menu command "ホームページへ".
#pragma once
#include "platform/desktop.h"

namespace sorelka {

// The address, set when building (SORELKA_HOME_URL); ASCII.
extern const char kHomePageUrl[];

// Hands the address to the shell; a failure (no browser, no handler) shows nothing.
inline void GoHome(Desktop& desktop) { desktop.ShellOpen(kHomePageUrl); }

}  // namespace sorelka
