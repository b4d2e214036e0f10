#include "win32_error.h"

#include "app/controls.h"
#include "platform/failure_text.h"
#include "win32/wide.h"

namespace sorelka::win32 {

namespace {
// The code in decimal, without the C runtime's wide formatting (it would add imports).
std::wstring Decimal(DWORD n) {
  wchar_t digits[16];
  int at = 15;
  digits[at] = L'\0';
  do {
    digits[--at] = static_cast<wchar_t>(L'0' + n % 10);
    n /= 10;
  } while (n && at > 0);
  return digits + at;
}
}  // namespace

std::wstring SystemErrorText(DWORD error) {
  wchar_t* system = nullptr;
  const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                 nullptr, error, 0, reinterpret_cast<wchar_t*>(&system), 0, nullptr);
  std::wstring text = n && system ? std::wstring(system, n) : std::wstring();
  if (system) LocalFree(system);
  while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ')) text.pop_back();
  return text.empty() ? L"(" + Decimal(error) + L")" : text;
}

void ReportFailure(const wchar_t* what, DWORD error) {
  // No code, no reason: the system's text for 0 says that all went well.
  const std::wstring reason = error ? SystemErrorText(error) : std::wstring();
  const Text text = FailureText(reinterpret_cast<const char16_t*>(what),
                                TextView(reinterpret_cast<const char16_t*>(reason.data()), reason.size()));
  MessageBoxW(nullptr, W(text), W(kAppTitle), MB_OK | MB_ICONERROR);
}

}  // namespace sorelka::win32
