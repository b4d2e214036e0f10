// Failures told to the user instead of swallowed.
#pragma once
#include <windows.h>
#include "shell_namespace.h"

#include "win32/system_error.h"

namespace sorelka::shell {

// Shows `what`, and the system's own text for `error` on the next line (none for 0), in a
// message box titled as the program.
void ReportFailure(const wchar_t* what, DWORD error);

}  // namespace sorelka::shell
