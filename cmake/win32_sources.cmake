# What the Windows builds share: the definitions every Win32 file is compiled with, and the
# desktop port over Win32 that the program, the Wine benchmarks and the Windows unit tests build.

# Windows 2000 is the oldest system served; anything newer is loaded at run time.
set(WIN_DEFS UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0500 WINVER=0x0500
    _WIN32_IE=0x0501)

set(DESKTOP_PORT_SOURCES src/shell/desktop_win32.cpp src/shell/window_alpha.cpp src/shell/style_worker.cpp
    src/win32/dynamic_api.cpp src/win32/system_error.cpp)
