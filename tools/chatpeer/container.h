// A window that only hosts another: the browser frame, its document view, the page and the
// ATL control host. Keeps its first child filling it and logs any input aimed at it directly.
#pragma once

#include <windows.h>

#include <string>

#include "peer_context.h"

class Container {
 public:
  // background: a system colour index + 1, as WNDCLASS takes it.
  static bool RegisterClassOnce(const wchar_t* name, int background);

  Container(PeerContext& ctx, const char* role, int index)
      : ctx_(ctx), role_(role), index_(index) {}
  Container(const Container&) = delete;
  Container& operator=(const Container&) = delete;

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
  HWND hwnd() const { return hwnd_; }

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);
  void FitChild();
  void Paint();

  PeerContext& ctx_;
  const char* role_;
  int index_;
  HWND hwnd_ = nullptr;
  bool topLevel_ = false;
  int band_ = 0;
  std::wstring bandText_;
  std::wstring pageText_;
};
