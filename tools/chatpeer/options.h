// What the peer shows, chosen on the command line.
#pragma once

#include <string>
#include <vector>

// Posted to a peer window started with --hang-on-request: the peer stops answering for good, as a
// program that hangs does.
inline constexpr unsigned kMsgHangForGood = 0x8000 + 0x3F;  // WM_APP + 63

struct PeerOptions {
  bool chat = false;       // the Internet-Explorer-hosted chat room
  bool messenger = false;  // the instant-messenger conversation window
  bool plainPage = false;  // an Internet Explorer frame holding an ordinary page
  bool sendButton = true;
  bool atl = true;       // the ATL container around the chat input box
  bool unicode = false;  // input windows registered as Unicode instead of ANSI
  bool hangOnRequest = false;  // kMsgHangForGood posted to any of its windows stops its thread for good
  bool hangInStyleChange = false;  // a change of a top-level window's extended style stops its thread for good
  int count = 1;
  int slowMs = 0;
  int stallMs = 0;        // the first character typed stops the window's thread this long
  int exitAfterSends = 0;  // the peer ends at once after this many lines were sent (0: never)
  int x = 40;
  int y = 40;
  std::wstring title;  // empty: each kind's own default title
  std::wstring room;   // empty: the default room name
  std::wstring logPath;
};

struct ParseResult {
  PeerOptions options;
  std::wstring error;  // empty when the arguments were understood
};

// args excludes the program name.
ParseResult ParseOptions(const std::vector<std::wstring>& args);
