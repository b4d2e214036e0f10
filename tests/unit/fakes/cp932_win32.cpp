// Code page 932 conversions for the unit tests built as a Windows program (mingw has no
// iconv): the program's own conversion with the system's tables, one character at a time like
// the iconv version, so a character without a code of its own becomes '?' (one per UTF-16 unit).
#include <windows.h>

#include "fakes/cp932.h"
#include "win32/ansi_text.h"

namespace sorelka::testing {
namespace {

std::string ToCodePage(UINT codePage, std::u16string_view text, bool* usedDefault) {
  if (usedDefault) *usedDefault = false;
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] < 0x80) {  // ASCII is itself in both code pages; a call per unit is slow
      out.push_back(static_cast<char>(text[i]));
      continue;
    }
    int units = 1;
    if (text[i] >= 0xD800 && text[i] < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] < 0xE000)
      units = 2;
    std::string bytes;
    if (!win32::ToAnsiExact(codePage, reinterpret_cast<const wchar_t*>(&text[i]), units, &bytes)) {
      if (usedDefault) *usedDefault = true;
      if (codePage != CP_UTF8) bytes.assign(static_cast<std::size_t>(units), '?');
    }
    out += bytes;
    i += static_cast<std::size_t>(units) - 1;
  }
  return out;
}

}  // namespace

std::string ToCp932(std::u16string_view text, bool* usedDefault) { return ToCodePage(932, text, usedDefault); }
std::string ToUtf8(std::u16string_view text, bool* usedDefault) { return ToCodePage(CP_UTF8, text, usedDefault); }

std::u16string FromCp932(std::string_view bytes) {
  constexpr UINT kCp932 = 932;
  std::u16string out;
  std::size_t i = 0;
  while (i < bytes.size()) {
    const unsigned char b = static_cast<unsigned char>(bytes[i]);
    const bool lead = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
    const std::size_t n = (lead && i + 1 < bytes.size()) ? 2 : 1;
    wchar_t buf[4];
    const int got = MultiByteToWideChar(kCp932, MB_ERR_INVALID_CHARS, bytes.data() + i, static_cast<int>(n), buf, 4);
    if (got <= 0)
      out.push_back(u'\u30FB');  // the system's default Unicode character for an unknown byte
    else
      out.append(reinterpret_cast<const char16_t*>(buf), static_cast<std::size_t>(got));
    i += n;
  }
  return out;
}

}  // namespace sorelka::testing
