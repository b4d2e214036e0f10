// UTF-16 text in an ANSI code page exactly as it stands: no best fit, so a look-alike never
// passes for a character. Shared by the desktop port and the unit tests' conversion double.
#pragma once
#include <windows.h>

#include <string>

namespace sorelka::win32 {

// UTF-8 and a few code pages like it take neither WC_NO_BEST_FIT_CHARS nor lpUsedDefaultChar
// (Windows fails the call; Wine takes them).
inline bool TakesNoBestFitFlag(UINT codePage) {
  if (codePage == CP_ACP) codePage = GetACP();
  return codePage == CP_UTF8 || codePage == CP_UTF7 || codePage == 42 || codePage == 54936 ||
         (codePage >= 50220 && codePage <= 50229) || (codePage >= 57002 && codePage <= 57011);
}

// `units` of `text` in `codePage` into `*out` (when given), a character without a code of its
// own as the default character; true when every character had one. A code page without the
// flag makes no best fit: what it cannot carry (a lone surrogate) is what its bytes do not
// convert back to.
inline bool ToAnsiExact(UINT codePage, const wchar_t* text, int units, std::string* out) {
  if (out) out->clear();
  if (units <= 0) return true;
  if (!TakesNoBestFitFlag(codePage)) {
    BOOL usedDefault = FALSE;
    const int n = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, text, units, nullptr, 0, nullptr, &usedDefault);
    if (n > 0) {
      if (out) {
        out->assign(static_cast<std::size_t>(n), '\0');
        WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, text, units, out->data(), n, nullptr, nullptr);
      }
      return usedDefault == FALSE;
    }
  }
  const int n = WideCharToMultiByte(codePage, 0, text, units, nullptr, 0, nullptr, nullptr);
  if (n <= 0) return false;
  std::string bytes(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(codePage, 0, text, units, bytes.data(), n, nullptr, nullptr);
  const int back = MultiByteToWideChar(codePage, 0, bytes.data(), n, nullptr, 0);
  std::wstring again(static_cast<std::size_t>(back > 0 ? back : 0), L'\0');
  if (back > 0) MultiByteToWideChar(codePage, 0, bytes.data(), n, again.data(), back);
  if (out) *out = std::move(bytes);
  return again == std::wstring(text, static_cast<std::size_t>(units));
}

}  // namespace sorelka::win32
