// The instant-messenger conversation window: IMWindowClass with the transcript, the message
// entry and one "Button" child, the send button. Characters posted to the window itself are
// passed on to the entry, as the messenger does.
#pragma once

#include <windows.h>

#include "input_box.h"
#include "peer_context.h"

enum MessengerControlId {
  kImSendId = 1,
  kImEntryId = 2,
  kImTranscriptId = 3,
};

class MessengerWindow {
 public:
  static bool RegisterClasses(bool ansi);

  MessengerWindow(PeerContext& ctx, int index);
  MessengerWindow(const MessengerWindow&) = delete;
  MessengerWindow& operator=(const MessengerWindow&) = delete;

  bool Create(const RECT& rc);

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT Default(UINT msg, WPARAM wParam, LPARAM lParam);
  void LogMessage(const char* name, WPARAM wParam, LPARAM lParam);
  void CreateChildren();
  void Layout();
  void Send(const char* via, WPARAM code);

  PeerContext& ctx_;
  int index_;
  bool ansi_ = true;
  HWND hwnd_ = nullptr;
  InputBox entry_;
  HWND transcript_ = nullptr;
  HWND button_ = nullptr;
  HWND partner_ = nullptr;
};
