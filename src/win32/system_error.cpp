#include "win32/system_error.h"

namespace sorelka::win32 {

std::wstring DecimalText(DWORD n) {
  wchar_t digits[16];
  int at = 15;
  digits[at] = L'\0';
  do {
    digits[--at] = static_cast<wchar_t>(L'0' + n % 10);
    n /= 10;
  } while (n && at > 0);
  return digits + at;
}

std::wstring SystemErrorText(DWORD error) {
  wchar_t* system = nullptr;
  const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                 nullptr, error, 0, reinterpret_cast<wchar_t*>(&system), 0, nullptr);
  std::wstring text = n && system ? std::wstring(system, n) : std::wstring();
  if (system) LocalFree(system);
  while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ')) text.pop_back();
  return text.empty() ? L"(" + DecimalText(error) + L")" : text;
}

}  // namespace sorelka::win32
