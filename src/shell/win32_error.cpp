#include "win32_error.h"

#include "app/controls.h"
#include "win32/wide.h"

namespace sorelka::win32 {

void ReportFailure(const wchar_t* what, DWORD error) {
  const std::wstring text = std::wstring(what) + L"\r\n\r\n" + SystemErrorText(error) + L" (" + DecimalText(error) + L")";
  MessageBoxW(nullptr, text.c_str(), W(kAppTitle), MB_OK | MB_ICONERROR);
}

}  // namespace sorelka::win32
