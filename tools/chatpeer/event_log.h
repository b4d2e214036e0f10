// The JSON-lines log the end-to-end tests read: one line per message that matters, written at once.
#pragma once

#include <windows.h>

#include <string>

#include "win32/handles.h"

// One log line, built field by field in the order the fields are added.
class JsonLine {
 public:
  JsonLine(const char* role, const char* msg);
  JsonLine& Index(int index);
  JsonLine& Window(HWND hwnd);                     // "hwnd":"0000ABCD"
  JsonLine& Hex(const char* key, UINT_PTR value);  // low 32 bits as 8 uppercase hex digits
  JsonLine& Number(const char* key, long value);
  JsonLine& Text(const char* key, const std::wstring& value);  // UTF-8, escaped
  JsonLine& Ascii(const char* key, const char* value);
  std::string Finish() const;  // adds "t" and the closing brace

 private:
  std::string body_;
};

class EventLog {
 public:
  // An empty path leaves the log closed; every Write is then a no-op.
  bool Open(const std::wstring& path);
  void Write(const JsonLine& line);

 private:
  sorelka::win32::ScopedFile file_;
};
