// Conversions between the character codes the chat windows receive and the text they keep and log.
#pragma once

#include <windows.h>

#include <string>

// The character in a WM_IME_CHAR or WM_CHAR code. An ANSI window gets the raw code-page-932 code:
// one byte, or lead byte in bits 8-15 and trail byte in bits 0-7. A Unicode window gets UTF-16
// in the low word. The high word (all ones for double-byte codes) carries nothing here.
std::wstring DecodeCharCode(WPARAM code, bool ansiWindow);

std::string ToUtf8(const std::wstring& text);
std::string JsonEscape(const std::string& utf8);
std::string Hex8(unsigned long value);
