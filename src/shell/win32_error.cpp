#include "win32_error.h"

#include <string>

#include "app/controls.h"
#include "win32/wide.h"

namespace sorelka::win32 {

void ReportFailure(const wchar_t* what, DWORD error) {
  std::wstring text = what;
  wchar_t* system = nullptr;
  const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                 nullptr, error, 0, reinterpret_cast<wchar_t*>(&system), 0, nullptr);
  text += L"\r\n\r\n";
  if (n && system) text.append(system, n);
  if (system) LocalFree(system);
  // The code in decimal, without the C runtime's wide formatting (it would add imports).
  wchar_t digits[16];
  int at = 15;
  digits[at] = L'\0';
  do {
    digits[--at] = static_cast<wchar_t>(L'0' + error % 10);
    error /= 10;
  } while (error && at > 0);
  text += L" (";
  text += digits + at;
  text += L")";
  MessageBoxW(nullptr, text.c_str(), W(kAppTitle), MB_OK | MB_ICONERROR);
}

}  // namespace sorelka::win32
