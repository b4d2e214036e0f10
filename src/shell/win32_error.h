// Failures told to the user instead of swallowed.
#pragma once
#include <windows.h>

#include "win32/system_error.h"

namespace sorelka::win32 {

// Shows `what` with the system's own text for `error` in a message box.
void ReportFailure(const wchar_t* what, DWORD error);

}  // namespace sorelka::win32
