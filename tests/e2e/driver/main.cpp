// e2e_driver: reads and drives the assistant's window from outside, for the end-to-end
// runner. Usage: e2e_driver [--class NAME | --hwnd H] COMMAND ARGS...; prints one JSON line.
#include <windows.h>

#include <cstdio>

#include "commands.h"
#include "json.h"

int wmain(int argc, wchar_t** argv) {
  e2e::Target target;
  int i = 1;
  for (; i + 1 < argc; i += 2) {
    std::wstring option = argv[i];
    if (option == L"--class") target.className = argv[i + 1];
    else if (option == L"--hwnd") target.hwnd = e2e::ParseHandle(argv[i + 1]);
    else break;
  }
  if (i < argc) {
    for (const e2e::Command& c : e2e::Commands()) {
      if (argv[i] == std::wstring(c.name)) return c.run(target, e2e::Args(argv + i + 1, argv + argc));
    }
  }
  std::string usage = "usage: e2e_driver [--class NAME | --hwnd H] COMMAND ...\ncommands:\n";
  for (const e2e::Command& c : e2e::Commands()) usage += std::string("  ") + c.usage + "\n";
  std::fputs(usage.c_str(), stderr);
  return 2;
}
