// A one-line chat input box: keeps its text itself, takes posted WM_IME_CHAR as typed text.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "peer_context.h"
#include "win32/base_window.h"

// An ANSI or a Unicode class, as the chat front end registers it, with the window base's procedure.
class InputBox : public sorelka::win32::BaseWindow<InputBox> {
 public:
  static constexpr bool kMayBeAnsi = true;  // registered as an ANSI class unless --unicode
  // Called when Enter arrives; `via` names the message that carried it.
  using EnterHandler = std::function<void(const char* via, WPARAM code)>;

  // Registers the class once per process; ANSI classes get raw code-page-932 character codes.
  static bool RegisterClassOnce(const ClassName& name, bool ansi);

  InputBox(PeerContext& ctx, const char* role, int index) : ctx_(ctx), role_(role), index_(index) {}

  HWND Create(const ClassName& name, bool ansi, HWND parent, int id);
  void OnEnter(EnterHandler handler) { onEnter_ = std::move(handler); }
  const std::wstring& Text() const { return text_; }
  void Clear();

 private:
  friend class sorelka::win32::BaseWindow<InputBox>;
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  void LogMessage(const char* name, WPARAM wParam, LPARAM lParam, const std::wstring* ch);
  void TakeChar(const char* via, WPARAM code, const std::wstring& ch);
  void TakeAnsiChar(WPARAM code);
  void Insert(const std::wstring& s);
  void Changed();
  void Sync();
  static constexpr UINT kSyncMessage = WM_APP + 1;
  bool syncPosted_ = false;
  int TextWidth(size_t chars) const;
  int LineHeight() const;
  void PlaceCaret();
  void Paint();
  size_t CharAtX(int x) const;

  PeerContext& ctx_;
  const char* role_;
  int index_;
  bool ansi_ = true;
  HFONT font_ = nullptr;
  std::wstring text_;
  size_t caret_ = 0;
  int scrollX_ = 0;
  char pendingLead_ = 0;  // first byte of a double-byte WM_CHAR sent to an ANSI window in halves
  EnterHandler onEnter_;
};
