#include "win32_error.h"
#include "shell_namespace.h"

#include "app/controls.h"
#include "platform/failure_text.h"
#include "win32/wide.h"

namespace sorelka::shell {

void ReportFailure(const wchar_t* what, DWORD error) {
  // No code, no reason: the system's text for 0 says that all went well.
  const std::wstring reason = error ? SystemErrorText(error) : std::wstring();
  const Text text = FailureText(reinterpret_cast<const char16_t*>(what),
                                TextView(reinterpret_cast<const char16_t*>(reason.data()), reason.size()));
  MessageBoxW(nullptr, W(text), W(kAppTitle), MB_OK | MB_ICONERROR);
}

}  // namespace sorelka::shell
