#include "options.h"

#include <cwchar>

namespace {

bool ParseInt(const std::wstring& s, int& out) {
  if (s.empty()) return false;
  wchar_t* end = nullptr;
  long v = std::wcstol(s.c_str(), &end, 10);
  if (*end != L'\0') return false;
  out = static_cast<int>(v);
  return true;
}

// Options that only switch something on or off.
bool ApplyFlag(const std::wstring& a, PeerOptions& o) {
  struct Flag {
    const wchar_t* name;
    bool PeerOptions::*field;
    bool value;
  };
  static const Flag kFlags[] = {
      {L"--chat", &PeerOptions::chat, true},
      {L"--messenger", &PeerOptions::messenger, true},
      {L"--plain-page", &PeerOptions::plainPage, true},
      {L"--no-send-button", &PeerOptions::sendButton, false},
      {L"--no-atl", &PeerOptions::atl, false},
      {L"--unicode", &PeerOptions::unicode, true},
      {L"--hang-on-request", &PeerOptions::hangOnRequest, true},
      {L"--hang-in-style-change", &PeerOptions::hangInStyleChange, true},
  };
  for (const Flag& f : kFlags) {
    if (a == f.name) {
      o.*f.field = f.value;
      return true;
    }
  }
  return false;
}

}  // namespace

ParseResult ParseOptions(const std::vector<std::wstring>& args) {
  ParseResult r;
  PeerOptions& o = r.options;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::wstring& a = args[i];
    std::wstring error;
    auto value = [&](std::wstring& out) {
      if (i + 1 >= args.size()) {
        error = a + L" needs a value";
        return;
      }
      out = args[++i];
    };
    auto number = [&](int& out, int minimum) {
      std::wstring s;
      value(s);
      if (error.empty() && (!ParseInt(s, out) || out < minimum)) error = a + L": bad number " + s;
    };
    if (ApplyFlag(a, o)) continue;
    if (a == L"--title") value(o.title);
    else if (a == L"--room") value(o.room);
    else if (a == L"--log") value(o.logPath);
    else if (a == L"--count") number(o.count, 1);
    else if (a == L"--slow") number(o.slowMs, 0);
    else if (a == L"--stall") number(o.stallMs, 0);
    else if (a == L"--exit-after-sends") number(o.exitAfterSends, 0);
    else if (a == L"--x") number(o.x, -32000);
    else if (a == L"--y") number(o.y, -32000);
    else error = L"unknown option " + a;
    // Keep reading after a mistake so a later --log still opens and can report it.
    if (!error.empty() && r.error.empty()) r.error = error;
  }
  // Nothing chosen means the usual demo: one of each chat front end.
  if (!o.chat && !o.messenger && !o.plainPage) o.chat = o.messenger = true;
  return r;
}
