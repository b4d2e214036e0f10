// <windows.h> for the shell's files that meet the form port, which has a MessageBox of its own:
// Win32's macro of that name is undone here, in one place, and the Win32 function is called by
// its W name.
#pragma once
#include <windows.h>
#undef MessageBox
