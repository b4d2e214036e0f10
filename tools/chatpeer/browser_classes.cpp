#include "browser_classes.h"

#include <windows.h>

#include "container.h"

const wchar_t kFrameClass[] = L"IEFrame";
const wchar_t kViewClass[] = L"Shell DocObject View";
const wchar_t kServerClass[] = L"Internet Explorer_Server";

bool RegisterBrowserClasses() {
  return Container::RegisterClassOnce(kFrameClass, COLOR_BTNFACE + 1) &&
         Container::RegisterClassOnce(kViewClass, COLOR_WINDOW + 1) &&
         Container::RegisterClassOnce(kServerClass, COLOR_WINDOW + 1);
}
