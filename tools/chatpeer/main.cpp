// chatpeer: stand-in chat windows for demonstrations and end-to-end tests of the assistant.
#include <windows.h>

#include <memory>
#include <vector>

#include "chat_room.h"
#include "command_line.h"
#include "layout.h"
#include "messenger_window.h"
#include "peer_context.h"
#include "plain_page.h"
#include "ui_font.h"

namespace {

constexpr int kChatWidth = 480, kChatHeight = 360;
constexpr int kMessengerWidth = 420, kMessengerHeight = 320;

int Fail(PeerContext& ctx, const std::wstring& why) {
  ctx.log.Write(JsonLine("peer", "error").Text("error", why));
  OutputDebugStringW((L"chatpeer: " + why + L"\n").c_str());
  return 2;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  std::vector<std::wstring> args = SplitCommandLine(GetCommandLineW());
  if (!args.empty()) args.erase(args.begin());  // the program itself
  ParseResult parsed = ParseOptions(args);

  PeerContext ctx;
  ctx.options = parsed.options;
  if (!ctx.log.Open(ctx.options.logPath)) {
    OutputDebugStringW(L"chatpeer: cannot open the log\n");
    return 2;
  }
  if (!parsed.error.empty()) return Fail(ctx, parsed.error);
  ctx.log.Write(JsonLine("peer", "start")
                    .Number("pid", static_cast<long>(GetCurrentProcessId()))
                    .Number("acp", static_cast<long>(GetACP()))
                    .Ascii("input", ctx.options.unicode ? "unicode" : "ansi"));

  ctx.font = CreateJapaneseUiFont();
  const bool ansi = !ctx.options.unicode;
  if (!ChatRoom::RegisterClasses(ansi) || !MessengerWindow::RegisterClasses(ansi))
    return Fail(ctx, L"cannot register the window classes");

  // The windows live until the message loop ends; each window points back at its object.
  std::vector<std::unique_ptr<ChatRoom>> rooms;
  std::vector<std::unique_ptr<MessengerWindow>> messengers;
  std::vector<std::unique_ptr<PlainPage>> pages;
  WindowPlacer placer(ctx.options.x, ctx.options.y);
  for (int i = 0; ctx.options.chat && i < ctx.options.count; ++i) {
    rooms.push_back(std::make_unique<ChatRoom>(ctx, i));
    if (!rooms.back()->Create(placer.Next(kChatWidth, kChatHeight)))
      return Fail(ctx, L"cannot create the chat room");
  }
  for (int i = 0; ctx.options.messenger && i < ctx.options.count; ++i) {
    messengers.push_back(std::make_unique<MessengerWindow>(ctx, i));
    if (!messengers.back()->Create(placer.Next(kMessengerWidth, kMessengerHeight)))
      return Fail(ctx, L"cannot create the messenger window");
  }
  for (int i = 0; ctx.options.plainPage && i < ctx.options.count; ++i) {
    pages.push_back(std::make_unique<PlainPage>(ctx, i));
    if (!pages.back()->Create(placer.Next(kChatWidth, kChatHeight)))
      return Fail(ctx, L"cannot create the page");
  }
  ctx.log.Write(JsonLine("peer", "all-ready"));

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (msg.message == kMsgHangForGood && ctx.options.hangOnRequest) {
      ctx.log.Write(JsonLine("peer", "hang"));
      for (;;) Sleep(INFINITE);
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  ctx.log.Write(JsonLine("peer", "exit"));
  return 0;
}
