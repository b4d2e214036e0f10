// The chat room as an Internet Explorer page shows it:
// IEFrame > Shell DocObject View > Internet Explorer_Server > #32770 >
//   ATL:3723F798 > MSNChatEdit4 (the input box), the transcript, SubclassButton "発言",
//   and last (lowest in Z order) the room name.
#pragma once

#include <windows.h>

#include <string>

#include "container.h"
#include "input_box.h"
#include "peer_context.h"

enum ChatControlId {
  kChatSendId = 1001,
  kChatInputId = 1002,
  kChatTranscriptId = 1003,
  kChatRoomId = 1004,
};

class ChatRoom {
 public:
  static bool RegisterClasses(bool ansiInput);

  ChatRoom(PeerContext& ctx, int index);
  ChatRoom(const ChatRoom&) = delete;
  ChatRoom& operator=(const ChatRoom&) = delete;

  bool Create(const RECT& rc);
  HWND frame() const { return frame_.hwnd(); }

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  INT_PTR HandleDialog(UINT msg, WPARAM wParam, LPARAM lParam);
  void CreateDialogChildren();
  void Layout();
  void Send(const char* via, WPARAM code);
  void LogReady();

  PeerContext& ctx_;
  int index_;
  Container frame_;
  Container view_;
  Container server_;
  Container atl_;
  InputBox input_;
  HWND dialog_ = nullptr;
  HWND transcript_ = nullptr;
  HWND button_ = nullptr;
  HWND room_ = nullptr;
};
