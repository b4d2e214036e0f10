// Texts that two subsystems must agree on. They belong to neither, so they live below both.
#pragma once
#include "platform/types.h"

namespace sorelka {

// The title of the program's own flood question. The foreground polling passes over any window
// titled so, so that asking never changes the chosen chat window.
inline constexpr TextView kConfirmTitle = u"確認";

}  // namespace sorelka
