// The shell's namespace. The shell is built on the Win32 helpers below it (src/win32/), whose
// names it uses as its own; nothing below the shell sees this.
#pragma once
#include "shell_namespace.h"

namespace sorelka::win32 {}

namespace sorelka::shell {
using namespace sorelka::win32;
}  // namespace sorelka::shell
