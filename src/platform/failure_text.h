// What the program's failure boxes say. The tip and version windows and the start-up share them.
#pragma once
#include "platform/types.h"

namespace sorelka {

// The program could not start (its window class, its menus), above the system's reason.
inline constexpr const char16_t* kStartFailed = u"Sorelka を起動できませんでした。";
// A window (or one of its controls) could not be made, above the system's reason.
inline constexpr const char16_t* kWindowNotCreated = u"ウィンドウを作成できませんでした。";

// What failed, then the system's reason on the next line; what failed alone when the system
// gave no reason.
inline Text FailureText(TextView what, TextView reason) {
  Text text(what);
  if (!reason.empty()) text.append(u"\r\n").append(reason);
  return text;
}

}  // namespace sorelka
