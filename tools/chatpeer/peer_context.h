// What every peer window shares: the options, the log, the font and the count of open frames.
#pragma once

#include <windows.h>

#include "event_log.h"
#include "win32/handles.h"
#include "options.h"

struct PeerContext {
  PeerOptions options;
  EventLog log;
  sorelka::win32::ScopedFont font;
  int openFrames = 0;
  int linesSent = 0;
  bool stalled = false;

  HFONT UiFont() const {
    return font.get() ? font.get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  }
  void FrameOpened() { ++openFrames; }
  // A window that stops answering: the thread sleeps once, at the first character typed.
  void StallOnce() {
    if (options.stallMs > 0 && !stalled) {
      stalled = true;
      Sleep(static_cast<DWORD>(options.stallMs));
    }
  }
  // A program that answers a null message but hangs for good inside a change of its extended
  // style (the layered bit), before the change is made.
  void StyleChanging(WPARAM which) {
    if (!options.hangInStyleChange || which != static_cast<WPARAM>(GWL_EXSTYLE)) return;
    log.Write(JsonLine("peer", "hang"));
    for (;;) Sleep(INFINITE);
  }
  // A chat that goes away in the middle of a send.
  void LineSent() {
    if (options.exitAfterSends > 0 && ++linesSent >= options.exitAfterSends) ExitProcess(0);
  }
  // The peer lives as long as one of its top-level windows does.
  void FrameClosed() {
    if (--openFrames <= 0) PostQuitMessage(0);
  }
};

// The class name the peer registers for a window kind, in both character widths.
struct ClassName {
  const char* ansi;
  const wchar_t* wide;
};
