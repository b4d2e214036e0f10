#include "subclass_button.h"

const wchar_t kSubclassButtonClass[] = L"SubclassButton";

bool RegisterSubclassButtonOnce() {
  HINSTANCE inst = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  if (GetClassInfoExW(inst, kSubclassButtonClass, &wc)) return true;
  // Superclassing keeps the system button's drawing and its BN_CLICKED on a real click.
  if (!GetClassInfoExW(nullptr, L"BUTTON", &wc)) return false;
  wc.cbSize = sizeof wc;
  wc.hInstance = inst;
  wc.lpszClassName = kSubclassButtonClass;
  return RegisterClassExW(&wc) != 0;
}
