#include "dynamic_api.h"

#include "handles.h"

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

SetLayeredFn SetLayeredWindowAttributesFn() {
  static SetLayeredFn fn = Load<SetLayeredFn>(L"user32.dll", "SetLayeredWindowAttributes");
  return fn;
}

GetLayeredFn GetLayeredWindowAttributesFn() {
  static GetLayeredFn fn = Load<GetLayeredFn>(L"user32.dll", "GetLayeredWindowAttributes");
  return fn;
}

int WindowDpi(HWND window) {
  using Fn = UINT(WINAPI*)(HWND);
  static Fn fn = Load<Fn>(L"user32.dll", "GetDpiForWindow");
  if (const UINT dpi = fn && window ? fn(window) : 0) return static_cast<int>(dpi);
  WindowDc screen(nullptr);
  return GetDeviceCaps(screen.get(), LOGPIXELSY);
}

}  // namespace sorelka::win32
