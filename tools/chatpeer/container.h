// A window that only hosts another: the browser frame, its document view, the page and the
// ATL control host. Keeps its first child filling it and logs any input aimed at it directly.
#pragma once

#include <windows.h>

#include <string>

#include "peer_context.h"
#include "win32/base_window.h"

// Registered under several class names (the browser's), all with the window base's procedure.
class Container : public sorelka::win32::BaseWindow<Container> {
 public:
  // background: a system colour index + 1, as WNDCLASS takes it.
  static bool RegisterClassOnce(const wchar_t* name, int background);

  Container(PeerContext& ctx, const char* role, int index)
      : ctx_(ctx), role_(role), index_(index) {}

  // A null parent makes a top-level frame, which keeps the peer running while it is open.
  HWND Create(const wchar_t* className, const std::wstring& title, HWND parent, const RECT& rc,
              DWORD exStyle = 0);
  // Space kept free above the child, where a frame paints its address bar.
  void SetTopBand(int height, const std::wstring& text) {
    band_ = height;
    bandText_ = text;
  }
  // Text painted on the page when no child covers it.
  void SetPageText(const std::wstring& text) { pageText_ = text; }
 private:
  friend class sorelka::win32::BaseWindow<Container>;
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  void FitChild();
  void Paint();

  PeerContext& ctx_;
  const char* role_;
  int index_;
  bool topLevel_ = false;
  int band_ = 0;
  std::wstring bandText_;
  std::wstring pageText_;
};
