#include "messenger_window.h"

#include <string>

#include "transcript.h"
#include "ui_font.h"
#include "window_names.h"

namespace {

const ClassName kWindowClass{"IMWindowClass", L"IMWindowClass"};
const ClassName kEntryClass{"IMInputEdit", L"IMInputEdit"};

std::string ToCp932(const std::wstring& text) {
  int n = WideCharToMultiByte(932, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  if (n <= 0) return {};
  std::string out(n, '\0');
  WideCharToMultiByte(932, 0, text.c_str(), -1, out.data(), n, nullptr, nullptr);
  out.resize(n - 1);
  return out;
}

}  // namespace

bool MessengerWindow::RegisterClasses(bool ansi) {
  HINSTANCE inst = GetModuleHandleW(nullptr);
  bool ok = false;
  // An ANSI window is handed the raw code-page-932 codes, as the messenger gets them.
  if (ansi) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    ok = GetClassInfoExA(inst, kWindowClass.ansi, &wc);
    if (!ok) {
      wc = WNDCLASSEXA{};
      wc.cbSize = sizeof wc;
      wc.lpfnWndProc = Procedure();
      wc.hInstance = inst;
      wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
      wc.hIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
      wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
      wc.lpszClassName = kWindowClass.ansi;
      ok = RegisterClassExA(&wc) != 0;
    }
  } else {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    ok = GetClassInfoExW(inst, kWindowClass.wide, &wc);
    if (!ok) {
      wc = WNDCLASSEXW{};
      wc.cbSize = sizeof wc;
      wc.lpfnWndProc = Procedure();
      wc.hInstance = inst;
      wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
      wc.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
      wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
      wc.lpszClassName = kWindowClass.wide;
      ok = RegisterClassExW(&wc) != 0;
    }
  }
  return ok && InputBox::RegisterClassOnce(kEntryClass, ansi);
}

MessengerWindow::MessengerWindow(PeerContext& ctx, int index)
    : ctx_(ctx), index_(index), entry_(ctx, "im-input", index) {
  entry_.OnEnter([this](const char* via, WPARAM code) { Send(via, code); });
}

bool MessengerWindow::Create(const RECT& rc) {
  ansi_ = !ctx_.options.unicode;
  const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
  const std::wstring title = MessengerTitle(ctx_.options, index_);
  HINSTANCE inst = GetModuleHandleW(nullptr);
  if (ansi_)
    CreateWindowExA(0, kWindowClass.ansi, ToCp932(title).c_str(), style, rc.left, rc.top,
                    rc.right - rc.left, rc.bottom - rc.top, nullptr, nullptr, inst, this);
  else
    CreateWindowExW(0, kWindowClass.wide, title.c_str(), style, rc.left, rc.top, rc.right - rc.left,
                    rc.bottom - rc.top, nullptr, nullptr, inst, this);
  if (!hwnd()) return false;
  ctx_.FrameOpened();
  ApplyFont(hwnd(), ctx_.UiFont());
  Layout();
  ctx_.log.Write(JsonLine("im-window", "ready").Index(index_).Window(hwnd()));
  ctx_.log.Write(JsonLine("im-input", "ready").Index(index_).Window(entry_.hwnd()));
  ctx_.log.Write(JsonLine("im-transcript", "ready").Index(index_).Window(transcript_));
  if (button_) ctx_.log.Write(JsonLine("im-button", "ready").Index(index_).Window(button_));
  ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
  UpdateWindow(hwnd());
  return true;
}

void MessengerWindow::CreateChildren() {
  HINSTANCE inst = GetModuleHandleW(nullptr);
  const std::wstring partner = L"相手: " + MessengerTitle(ctx_.options, index_);
  partner_ = CreateWindowExW(0, L"STATIC", partner.c_str(), WS_CHILD | WS_VISIBLE | SS_NOPREFIX, 0,
                             0, 10, 10, hwnd(), nullptr, inst, nullptr);
  transcript_ = CreateTranscript(hwnd(), kImTranscriptId);
  entry_.Create(kEntryClass, ansi_, hwnd(), kImEntryId);
  // The only Button child, so the first one a search by class finds is the send button.
  if (ctx_.options.sendButton) {
    button_ = CreateWindowExW(
        0, L"BUTTON", L"送信(&S)", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0, 10, 10,
        hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kImSendId)), inst, nullptr);
  }
}

LRESULT MessengerWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE:
      CreateChildren();
      return 0;
    case WM_IME_CHAR:
    case WM_CHAR:
      LogMessage(msg == WM_IME_CHAR ? "WM_IME_CHAR" : "WM_CHAR", wParam, lParam);
      ctx_.StallOnce();
      // Pass it on in this window's own character width, so the code arrives unchanged.
      if (entry_.hwnd()) {
        if (ansi_)
          SendMessageA(entry_.hwnd(), msg, wParam, lParam);
        else
          SendMessageW(entry_.hwnd(), msg, wParam, lParam);
      }
      return 0;
    case WM_COMMAND:
      // The transcript's own change notices are not input and would only bury it.
      if (lParam && reinterpret_cast<HWND>(lParam) == transcript_) return 0;
      LogMessage("WM_COMMAND", wParam, lParam);
      if (button_ && LOWORD(wParam) == kImSendId && HIWORD(wParam) == BN_CLICKED)
        Send("WM_COMMAND", wParam);
      return 0;
    case WM_CTLCOLORSTATIC:
      if (reinterpret_cast<HWND>(lParam) == transcript_)
        return TranscriptColors(reinterpret_cast<HDC>(wParam));
      break;
    case WM_SIZE:
      Layout();
      return 0;
    case WM_SETFOCUS:
      if (entry_.hwnd()) SetFocus(entry_.hwnd());
      return 0;
    case WM_STYLECHANGING:
      ctx_.StyleChanging(wParam);
      break;
    case WM_DESTROY:
      ctx_.FrameClosed();
      return 0;
  }
  return Default(msg, wParam, lParam);
}

void MessengerWindow::LogMessage(const char* name, WPARAM wParam, LPARAM lParam) {
  ctx_.log.Write(JsonLine("im-window", name)
                     .Index(index_)
                     .Window(hwnd())
                     .Hex("wParam", wParam)
                     .Hex("lParam", lParam));
}

void MessengerWindow::Layout() {
  if (!hwnd() || !transcript_) return;
  RECT rc;
  GetClientRect(hwnd(), &rc);
  const int w = rc.right, h = rc.bottom;
  const int pad = 8, labelH = 18, entryH = 48, buttonW = 72;
  MoveWindow(partner_, pad, 6, w - 2 * pad, labelH, TRUE);
  const int top = 6 + labelH + 4;
  const int entryTop = h - pad - entryH;
  MoveWindow(transcript_, pad, top, w - 2 * pad, entryTop - 6 - top, TRUE);
  const int entryW = w - 2 * pad - (button_ ? buttonW + 6 : 0);
  MoveWindow(entry_.hwnd(), pad, entryTop, entryW, entryH, TRUE);
  if (button_) MoveWindow(button_, w - pad - buttonW, entryTop, buttonW, entryH, TRUE);
}

void MessengerWindow::Send(const char* via, WPARAM code) {
  const std::wstring text = entry_.Text();
  ctx_.log.Write(JsonLine("im-window", "sent")
                     .Index(index_)
                     .Window(hwnd())
                     .Ascii("via", via)
                     .Hex("wParam", code)
                     .Text("text", text));
  if (!text.empty()) AppendTranscriptLine(transcript_, L"me", text);
  entry_.Clear();
  ctx_.LineSent();
}
