#include "plain_page.h"

#include "browser_classes.h"
#include "window_names.h"

PlainPage::PlainPage(PeerContext& ctx, int index)
    : ctx_(ctx),
      index_(index),
      frame_(ctx, "page-frame", index),
      view_(ctx, "page-view", index),
      server_(ctx, "page-server", index) {}

bool PlainPage::Create(const RECT& rc) {
  frame_.SetTopBand(24, L"アドレス(D)   http://www.example.jp/");
  server_.SetPageText(
      L"ようこそ。\r\n\r\nここはふつうのホームページです。チャットの入力欄はありません。");
  if (!frame_.Create(kFrameClass, PlainPageTitle(ctx_.options, index_), nullptr, rc)) return false;
  const RECT none{0, 0, 10, 10};
  if (!view_.Create(kViewClass, L"", frame_.hwnd(), none, WS_EX_CLIENTEDGE)) return false;
  if (!server_.Create(kServerClass, L"", view_.hwnd(), none)) return false;
  ctx_.log.Write(JsonLine("page-frame", "ready").Index(index_).Window(frame_.hwnd()));
  ctx_.log.Write(JsonLine("page-view", "ready").Index(index_).Window(view_.hwnd()));
  ctx_.log.Write(JsonLine("page-server", "ready").Index(index_).Window(server_.hwnd()));
  ShowWindow(frame_.hwnd(), SW_SHOWNOACTIVATE);
  UpdateWindow(frame_.hwnd());
  return true;
}
