// Stands in for a web browser in the end-to-end tests: registered for web addresses in the
// test's Wine prefix, it writes the address it was given into a file, as UTF-8.
// Usage: url_handler OUTPUT_FILE ADDRESS
#include <windows.h>
#include <shellapi.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (!argv || argc != 3) return 2;
  char address[4096] = {};
  int bytes = WideCharToMultiByte(CP_UTF8, 0, argv[2], -1, address, sizeof address, nullptr, nullptr);
  HANDLE out = CreateFileW(argv[1], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (out == INVALID_HANDLE_VALUE || bytes <= 0) return 1;
  DWORD written = 0;
  WriteFile(out, address, bytes - 1, &written, nullptr);
  CloseHandle(out);
  return 0;
}
