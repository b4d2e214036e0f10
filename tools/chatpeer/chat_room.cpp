#include "chat_room.h"

#include "browser_classes.h"
#include "subclass_button.h"
#include "transcript.h"
#include "ui_font.h"
#include "window_names.h"

namespace {

const ClassName kInputClass{"MSNChatEdit4", L"MSNChatEdit4"};
const wchar_t kAtlClass[] = L"ATL:3723F798";
constexpr int kAddressBand = 24;

// An empty child dialog; its controls are made in WM_INITDIALOG so their Z order is ours to set.
struct alignas(4) EmptyChildDialog {
  DLGTEMPLATE header;
  WORD menu = 0;
  WORD windowClass = 0;
  WORD title = 0;
};

void WriteReady(PeerContext& ctx, const char* role, int index, HWND hwnd) {
  if (hwnd) ctx.log.Write(JsonLine(role, "ready").Index(index).Window(hwnd));
}

}  // namespace

bool ChatRoom::RegisterClasses(bool ansiInput) {
  return RegisterBrowserClasses() && Container::RegisterClassOnce(kAtlClass, COLOR_WINDOW + 1) &&
         RegisterSubclassButtonOnce() && InputBox::RegisterClassOnce(kInputClass, ansiInput);
}

ChatRoom::ChatRoom(PeerContext& ctx, int index)
    : ctx_(ctx),
      index_(index),
      frame_(ctx, "chat-frame", index),
      view_(ctx, "chat-view", index),
      server_(ctx, "chat-server", index),
      atl_(ctx, "chat-atl", index),
      input_(ctx, "chat-input", index) {
  input_.OnEnter([this](const char* via, WPARAM code) { Send(via, code); });
}

bool ChatRoom::Create(const RECT& rc) {
  frame_.SetTopBand(kAddressBand, L"アドレス(D)   http://chat.example.jp/rooms/lobby");
  if (!frame_.Create(kFrameClass, ChatTitle(ctx_.options, index_), nullptr, rc)) return false;
  const RECT none{0, 0, 10, 10};
  if (!view_.Create(kViewClass, L"", frame_.hwnd(), none, WS_EX_CLIENTEDGE)) return false;
  if (!server_.Create(kServerClass, L"", view_.hwnd(), none)) return false;

  EmptyChildDialog tmpl{};
  tmpl.header.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | DS_CONTROL | DS_3DLOOK;
  dialog_ = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), &tmpl.header, server_.hwnd(),
                                       DialogProc, reinterpret_cast<LPARAM>(this));
  if (!dialog_) return false;
  ApplyFont(frame_.hwnd(), ctx_.UiFont());
  Layout();
  LogReady();
  ShowWindow(frame_.hwnd(), SW_SHOWNOACTIVATE);
  UpdateWindow(frame_.hwnd());
  return true;
}

void ChatRoom::CreateDialogChildren() {
  HINSTANCE inst = GetModuleHandleW(nullptr);
  const RECT none{0, 0, 10, 10};
  // Created first, so it is the first child a search by class finds.
  if (ctx_.options.atl) {
    atl_.Create(kAtlClass, L"", dialog_, none);
    input_.Create(kInputClass, !ctx_.options.unicode, atl_.hwnd(), kChatInputId);
  }
  transcript_ = CreateTranscript(dialog_, kChatTranscriptId);
  if (ctx_.options.sendButton) {
    button_ = CreateWindowExW(
        0, kSubclassButtonClass, L"発言", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0,
        10, 10, dialog_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kChatSendId)), inst, nullptr);
  }
  // Made last: a new child goes to the bottom of the Z order, where the room name is looked for.
  room_ =
      CreateWindowExW(0, L"STATIC", RoomName(ctx_.options, index_).c_str(),
                      WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, 0, 10, 10, dialog_,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kChatRoomId)), inst, nullptr);
}

INT_PTR CALLBACK ChatRoom::DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_INITDIALOG) {
    SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    auto* self = reinterpret_cast<ChatRoom*>(lParam);
    self->dialog_ = hwnd;
    self->CreateDialogChildren();
    return FALSE;  // focus stays where it was; the peer must not steal it from the assistant
  }
  auto* self = reinterpret_cast<ChatRoom*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  return self ? self->HandleDialog(msg, wParam, lParam) : FALSE;
}

INT_PTR ChatRoom::HandleDialog(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_COMMAND:
      // The transcript's own change notices are not input and would only bury it.
      if (lParam && reinterpret_cast<HWND>(lParam) == transcript_) return TRUE;
      ctx_.log.Write(JsonLine("chat-dialog", "WM_COMMAND")
                         .Index(index_)
                         .Window(dialog_)
                         .Hex("wParam", wParam)
                         .Hex("lParam", lParam));
      // Only a page that has the button answers to its id.
      if (button_ && LOWORD(wParam) == kChatSendId && HIWORD(wParam) == BN_CLICKED)
        Send("WM_COMMAND", wParam);
      return TRUE;
    case WM_IME_CHAR:
    case WM_CHAR:
      ctx_.log.Write(JsonLine("chat-dialog", msg == WM_IME_CHAR ? "WM_IME_CHAR" : "WM_CHAR")
                         .Index(index_)
                         .Window(dialog_)
                         .Hex("wParam", wParam)
                         .Hex("lParam", lParam));
      return TRUE;
    case WM_CTLCOLORSTATIC:
      // A read-only edit asks for the dialog colour; a conversation reads better on white.
      if (reinterpret_cast<HWND>(lParam) == transcript_)
        return TranscriptColors(reinterpret_cast<HDC>(wParam));
      return FALSE;
    case WM_SIZE:
      Layout();
      return TRUE;
  }
  return FALSE;
}

void ChatRoom::Layout() {
  if (!dialog_) return;
  RECT rc;
  GetClientRect(dialog_, &rc);
  const int w = rc.right, h = rc.bottom;
  const int pad = 8, rowH = 26, buttonW = 72, roomH = 18;
  if (room_) MoveWindow(room_, pad, 6, w - 2 * pad, roomH, TRUE);
  const int transcriptTop = 6 + roomH + 4;
  const int rowTop = h - pad - rowH;
  if (transcript_)
    MoveWindow(transcript_, pad, transcriptTop, w - 2 * pad, rowTop - 6 - transcriptTop, TRUE);
  const int inputW = w - 2 * pad - (button_ ? buttonW + 6 : 0);
  if (atl_.hwnd()) MoveWindow(atl_.hwnd(), pad, rowTop, inputW, rowH, TRUE);
  if (button_) MoveWindow(button_, w - pad - buttonW, rowTop, buttonW, rowH, TRUE);
}

void ChatRoom::Send(const char* via, WPARAM code) {
  const std::wstring text = input_.Text();
  ctx_.log.Write(JsonLine("chat-dialog", "sent")
                     .Index(index_)
                     .Window(dialog_)
                     .Ascii("via", via)
                     .Hex("wParam", code)
                     .Text("text", text));
  // An empty line is not posted, as in the real room.
  if (!text.empty()) AppendTranscriptLine(transcript_, L"me", text);
  input_.Clear();
  ctx_.LineSent();
}

void ChatRoom::LogReady() {
  WriteReady(ctx_, "chat-frame", index_, frame_.hwnd());
  WriteReady(ctx_, "chat-view", index_, view_.hwnd());
  WriteReady(ctx_, "chat-server", index_, server_.hwnd());
  WriteReady(ctx_, "chat-dialog", index_, dialog_);
  WriteReady(ctx_, "chat-atl", index_, atl_.hwnd());
  WriteReady(ctx_, "chat-input", index_, input_.hwnd());
  WriteReady(ctx_, "chat-transcript", index_, transcript_);
  WriteReady(ctx_, "chat-button", index_, button_);
  WriteReady(ctx_, "chat-room", index_, room_);
}
