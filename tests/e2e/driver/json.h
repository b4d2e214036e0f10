// A tiny JSON writer for the driver's answers: one object per run, UTF-8 on stdout.
#pragma once
#include <windows.h>

#include <string>

namespace e2e {

std::string Utf8(const std::wstring& text);

class Json {
 public:
  Json& Begin() { Sep(); out_ += '{'; first_ = true; return *this; }
  Json& End() { out_ += '}'; first_ = false; return *this; }
  Json& BeginArray() { Sep(); out_ += '['; first_ = true; return *this; }
  Json& EndArray() { out_ += ']'; first_ = false; return *this; }
  Json& Key(const char* key) { Sep(); Quote(key); out_ += ':'; afterKey_ = true; return *this; }

  Json& Str(const std::wstring& v) { Sep(); Quote(Utf8(v)); return *this; }
  Json& Str(const char* v) { Sep(); Quote(v); return *this; }
  Json& Int(long long v) { Sep(); out_ += std::to_string(v); return *this; }
  Json& Bool(bool v) { Sep(); out_ += v ? "true" : "false"; return *this; }
  Json& Null() { Sep(); out_ += "null"; return *this; }

  // Writes the text with a line break; the runner reads one object per line.
  void Print() const;

 private:
  void Sep() {
    if (afterKey_) { afterKey_ = false; return; }
    if (!first_) out_ += ',';
    first_ = false;
  }
  void Quote(const std::string& s);

  std::string out_;
  bool first_ = true;
  bool afterKey_ = false;
};

// A window handle as a number in an answer.
inline long long HandleValue(HWND w) { return static_cast<long long>(reinterpret_cast<INT_PTR>(w)); }

// Prints {"ok":false,"error":...}; the exit code of a failed command.
inline int Fail(const char* error) {
  Json j;
  j.Begin().Key("ok").Bool(false).Key("error").Str(error).End();
  j.Print();
  return 1;
}

}  // namespace e2e
