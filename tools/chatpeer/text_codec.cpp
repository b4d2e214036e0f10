#include "text_codec.h"

#include <cstdio>

namespace {

constexpr UINT kShiftJis = 932;

std::wstring FromCodePage(const char* bytes, int length) {
  wchar_t out[4] = {};
  int n = MultiByteToWideChar(kShiftJis, 0, bytes, length, out, 4);
  // 932 is present on any Japanese system; the fallback only serves odd installs.
  if (n <= 0) n = MultiByteToWideChar(CP_ACP, 0, bytes, length, out, 4);
  return std::wstring(out, n > 0 ? n : 0);
}

}  // namespace

std::wstring DecodeCharCode(WPARAM code, bool ansiWindow) {
  if (!ansiWindow) return std::wstring(1, static_cast<wchar_t>(code & 0xFFFF));
  if (code & 0xFF00) {
    const char bytes[2] = {static_cast<char>((code >> 8) & 0xFF), static_cast<char>(code & 0xFF)};
    return FromCodePage(bytes, 2);
  }
  const char byte = static_cast<char>(code & 0xFF);
  return FromCodePage(&byte, 1);
}

std::string ToUtf8(const std::wstring& text) {
  if (text.empty()) return {};
  int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                              nullptr, nullptr);
  std::string out(n > 0 ? n : 0, '\0');
  if (n > 0)
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n,
                        nullptr, nullptr);
  return out;
}

std::string JsonEscape(const std::string& utf8) {
  std::string out;
  out.reserve(utf8.size() + 8);
  for (unsigned char c : utf8) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (c < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04X", c);
          out += buf;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out;
}

std::string Hex8(unsigned long value) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%08lX", value);
  return buf;
}
