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

// Neither WC_NO_BEST_FIT_CHARS nor lpUsedDefaultChar: a lone surrogate as U+FFFD, which does
// not convert back to it.
inline std::string ToUtf8(std::u16string_view text, bool* usedDefault = nullptr) {
  if (usedDefault) *usedDefault = false;
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000)
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    else if (c >= 0xD800 && c < 0xE000) {
      c = 0xFFFD;
      if (usedDefault) *usedDefault = true;
    }
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else {
      const int extra = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
      constexpr unsigned char kLead[] = {0, 0xC0, 0xE0, 0xF0};
      out.push_back(static_cast<char>(kLead[extra] | (c >> (6 * extra))));
      for (int k = extra - 1; k >= 0; --k) out.push_back(static_cast<char>(0x80 | ((c >> (6 * k)) & 0x3F)));
    }
  }
  return out;
}

inline std::string ToCp932(std::u16string_view text, bool* usedDefault = nullptr) {
  if (usedDefault) *usedDefault = false;
  std::string out;
  iconv_t cd = iconv_open("CP932", "UTF-16LE");
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv CP932 missing");
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] < 0x80) {  // ASCII is itself in code page 932; iconv per unit is slow
      out.push_back(static_cast<char>(text[i]));
      continue;
    }
    if (JisEquivalent(text[i]) != text[i]) {  // a code only by best fit on Windows
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
