#include "message_guard.h"

#include "app/message_trust.h"
#include "win32/dynamic_api.h"

namespace sorelka::win32 {

static_assert(kMsgCreate == WM_CREATE && kMsgDrawItem == WM_DRAWITEM && kMsgNcCreate == WM_NCCREATE &&
              kMsgDpiChanged == kWmDpiChanged);

namespace {

// The last message the window's thread took from its queue, when it is one to drop; every
// other message taken clears it. Only the window's thread runs the hook and reads it.
struct Taken {
  UINT msg = WM_NULL;
  WPARAM wp = 0;
  LPARAM lp = 0;
};
Taken g_taken;

LRESULT CALLBACK OnMessageTaken(int code, WPARAM removed, LPARAM lp) noexcept {
  if (code == HC_ACTION) {
    MSG& msg = *reinterpret_cast<MSG*>(lp);
    g_taken = DroppedWhenPosted(msg.message) ? Taken{msg.message, msg.wParam, msg.lParam} : Taken{};
    if (g_taken.msg != WM_NULL) msg.message = WM_NULL;
  }
  return CallNextHookEx(nullptr, code, removed, lp);
}

}  // namespace

MessageGuard::~MessageGuard() {
  if (hook_) UnhookWindowsHookEx(hook_);
}

bool MessageGuard::Install() {
  if (!hook_) hook_ = SetWindowsHookExW(WH_GETMESSAGE, OnMessageTaken, nullptr, GetCurrentThreadId());
  return hook_ != nullptr;
}

bool TakenFromQueue(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NULL || g_taken.msg != msg || g_taken.wp != wp || g_taken.lp != lp) return false;
  g_taken = {};
  return true;
}

}  // namespace sorelka::win32
