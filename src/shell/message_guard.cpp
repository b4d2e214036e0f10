#include "message_guard.h"
#include "shell_namespace.h"

#include "app/message_trust.h"
#include "win32/dynamic_api.h"

namespace sorelka::shell {

static_assert(kMsgCreate == WM_CREATE && kMsgDrawItem == WM_DRAWITEM && kMsgNcCreate == WM_NCCREATE &&
              kMsgDpiChanged == kWmDpiChanged);

namespace {
LRESULT CALLBACK OnMessageTaken(int code, WPARAM removed, LPARAM lp) noexcept {
  if (code == HC_ACTION) {
    MSG& msg = *reinterpret_cast<MSG*>(lp);
    if (DroppedWhenPosted(msg.message)) msg.message = WM_NULL;
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

}  // namespace sorelka::shell
