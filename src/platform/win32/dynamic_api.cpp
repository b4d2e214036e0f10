#include "dynamic_api.h"

namespace sorelka::win32 {

namespace {
template <typename F>
F Load(const wchar_t* dll, const char* name) {
  HMODULE m = GetModuleHandleW(dll);
  if (!m) m = LoadLibraryW(dll);  // kept loaded for the life of the process
  return m ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(m, name))) : nullptr;
}
}  // namespace

void DisableTheme(HWND control) {
  using Fn = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
  static Fn fn = Load<Fn>(L"uxtheme.dll", "SetWindowTheme");
  if (fn) fn(control, L"", L"");
}

bool SetLayeredAlpha(HWND window, BYTE alpha) {
  using Fn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
  static Fn fn = Load<Fn>(L"user32.dll", "SetLayeredWindowAttributes");
  if (!fn) return false;
  SetWindowLongW(window, GWL_EXSTYLE, GetWindowLongW(window, GWL_EXSTYLE) | WS_EX_LAYERED);
  return fn(window, 0, alpha, LWA_ALPHA) != 0;
}

}  // namespace sorelka::win32
