// Code page 932 conversions for the native tests, through iconv, as the system converts without
// best fit: '?' for what has no code of its own. iconv makes no best fit but gives the characters
// of the JIS X 0208 equivalents list codes of their own, which Windows does not: they are '?' too.
#pragma once
#include <string>

#include "send/jis_equivalents.h"
#ifndef _WIN32
#include <iconv.h>

#include <stdexcept>
#endif

namespace sorelka::testing {

// `usedDefault`, when given, is set as WideCharToMultiByte's lpUsedDefaultChar: true when some
// character had no code and became '?'.
#ifdef _WIN32
// The unit tests built as a Windows program (mingw has no iconv): cp932_win32.cpp, through the
// program's own conversion. ToUtf8 is that conversion into UTF-8 as a system's code page.
std::string ToCp932(std::u16string_view text, bool* usedDefault = nullptr);
std::u16string FromCp932(std::string_view bytes);
std::string ToUtf8(std::u16string_view text, bool* usedDefault = nullptr);
#else

// `codeSet` is "CP932", or "UTF-8" as a system's code page, where a lone surrogate has no bytes.
inline std::string ToCodeSet(const char* codeSet, std::u16string_view text, bool* usedDefault) {
  if (usedDefault) *usedDefault = false;
  std::string out;
  iconv_t cd = iconv_open(codeSet, "UTF-16LE");
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv code set missing");
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] < 0x80) {  // ASCII is itself in both; iconv per unit is slow
      out.push_back(static_cast<char>(text[i]));
      continue;
    }
    if (JisEquivalent(text[i]) != text[i] && std::string_view(codeSet) == "CP932") {  // best fit only
      out.push_back('?');
      if (usedDefault) *usedDefault = true;
      continue;
    }
    // One UTF-16 unit at a time (a surrogate pair is converted together when whole).
    std::size_t units = 1;
    if (text[i] >= 0xD800 && text[i] < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] < 0xE000)
      units = 2;
    char in[4];
    for (std::size_t u = 0; u < units; ++u) {
      in[2 * u] = static_cast<char>(text[i + u] & 0xFF);
      in[2 * u + 1] = static_cast<char>(text[i + u] >> 8);
    }
    char buf[8];
    char* ip = in;
    char* op = buf;
    std::size_t il = 2 * units, ol = sizeof buf;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &ip, &il, &op, &ol) == static_cast<std::size_t>(-1)) {
      out.push_back('?');
      if (units == 2) out.push_back('?');
      if (usedDefault) *usedDefault = true;
    } else {
      out.append(buf, op);
    }
    i += units - 1;
  }
  iconv_close(cd);
  return out;
}
inline std::string ToCp932(std::u16string_view text, bool* usedDefault = nullptr) {
  return ToCodeSet("CP932", text, usedDefault);
}
inline std::string ToUtf8(std::u16string_view text, bool* usedDefault = nullptr) {
  return ToCodeSet("UTF-8", text, usedDefault);
}

inline std::u16string FromCp932(std::string_view bytes) {
  std::u16string out;
  iconv_t cd = iconv_open("UTF-16LE", "CP932");
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv CP932 missing");
  std::size_t i = 0;
  while (i < bytes.size()) {
    unsigned char b = static_cast<unsigned char>(bytes[i]);
    bool lead = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
    std::size_t n = (lead && i + 1 < bytes.size()) ? 2 : 1;
    char in[2] = {bytes[i], n == 2 ? bytes[i + 1] : '\0'};
    char buf[8];
    char* ip = in;
    char* op = buf;
    std::size_t il = n, ol = sizeof buf;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &ip, &il, &op, &ol) == static_cast<std::size_t>(-1)) {
      out.push_back(u'\u30FB');  // the system's default Unicode character for an unknown byte
    } else {
      for (char* p = buf; p + 1 < op; p += 2)
        out.push_back(static_cast<char16_t>(static_cast<unsigned char>(p[0]) |
                                            (static_cast<unsigned char>(p[1]) << 8)));
    }
    i += n;
  }
  iconv_close(cd);
  return out;
}
#endif  // _WIN32

inline bool IsCp932LeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

}  // namespace sorelka::testing
