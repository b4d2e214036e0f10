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

SetLayeredFn SetLayeredWindowAttributesFn() {
  static SetLayeredFn fn = Load<SetLayeredFn>(L"user32.dll", "SetLayeredWindowAttributes");
  return fn;
}

GetLayeredFn GetLayeredWindowAttributesFn() {
  static GetLayeredFn fn = Load<GetLayeredFn>(L"user32.dll", "GetLayeredWindowAttributes");
  return fn;
}

}  // namespace sorelka::win32
