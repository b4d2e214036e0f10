// The instant-messenger conversation window: IMWindowClass with the transcript, the message
// entry and one "Button" child, the send button. Characters posted to the window itself are
// passed on to the entry, as the messenger does.
#pragma once

#include <windows.h>

#include "input_box.h"
#include "peer_context.h"
#include "win32/base_window.h"

enum MessengerControlId {
  kImSendId = 1,
  kImEntryId = 2,
  kImTranscriptId = 3,
};

// An ANSI or a Unicode class, as the messenger registers it, with the window base's procedure.
class MessengerWindow : public sorelka::win32::BaseWindow<MessengerWindow> {
 public:
  static constexpr bool kMayBeAnsi = true;  // registered as an ANSI class unless --unicode
  static bool RegisterClasses(bool ansi);

  MessengerWindow(PeerContext& ctx, int index);

  bool Create(const RECT& rc);

 private:
  friend class sorelka::win32::BaseWindow<MessengerWindow>;
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  void LogMessage(const char* name, WPARAM wParam, LPARAM lParam);
  void CreateChildren();
  void Layout();
  void Send(const char* via, WPARAM code);

  PeerContext& ctx_;
  int index_;
  bool ansi_ = true;
  InputBox entry_;
  HWND transcript_ = nullptr;
  HWND button_ = nullptr;
  HWND partner_ = nullptr;
};
