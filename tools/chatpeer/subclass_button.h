// "SubclassButton": the chat page's own push button, an ordinary button under another class name.
#pragma once

#include <windows.h>

extern const wchar_t kSubclassButtonClass[];

bool RegisterSubclassButtonOnce();
