#include "command_line.h"

namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

}  // namespace

std::vector<std::wstring> SplitCommandLine(const wchar_t* line) {
  std::vector<std::wstring> args;
  if (!line) return args;
  const wchar_t* p = line;
  while (*p) {
    while (IsBlank(*p)) ++p;
    if (!*p) break;
    std::wstring arg;
    bool quoted = false;
    while (*p && (quoted || !IsBlank(*p))) {
      if (*p == L'\\') {
        // Backslashes are literal unless they precede a quote: 2n+1 of them escape it.
        size_t slashes = 0;
        while (*p == L'\\') {
          ++slashes;
          ++p;
        }
        if (*p == L'"') {
          arg.append(slashes / 2, L'\\');
          if (slashes % 2) {
            arg += L'"';
            ++p;
          }
        } else {
          arg.append(slashes, L'\\');
        }
      } else if (*p == L'"') {
        // "" inside quotes is one literal quote, as the C runtime reads it.
        if (quoted && p[1] == L'"') {
          arg += L'"';
          p += 2;
        } else {
          quoted = !quoted;
          ++p;
        }
      } else {
        arg += *p++;
      }
    }
    args.push_back(arg);
  }
  return args;
}
