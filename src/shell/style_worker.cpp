#include "style_worker.h"
#include "shell_namespace.h"

#include <algorithm>
#include <string>

#include "win32/dynamic_api.h"
#include "win32/handles.h"

namespace sorelka::shell {

namespace {
// A window with a change under way: the change its thread is to make next, if any.
struct Slot {
  HWND window;
  Desktop::StyleRequest next;
  bool hasNext;
};

class Lock {
 public:
  explicit Lock(CRITICAL_SECTION& cs) : cs_(cs) { EnterCriticalSection(&cs_); }
  ~Lock() { LeaveCriticalSection(&cs_); }
  Lock(const Lock&) = delete;
  Lock& operator=(const Lock&) = delete;

 private:
  CRITICAL_SECTION& cs_;
};

constexpr SIZE_T kThreadStack = 64 * 1024;  // the thread only makes a few calls
}  // namespace

// What the window's thread and the change threads share. Nothing that can fail or wait runs
// under the lock, so a thread that faults or is held never holds it.
struct StyleWorker::Shared {
  CRITICAL_SECTION lock;
  ScopedHandle idle{CreateEventW(nullptr, TRUE, TRUE, nullptr)};  // manual: no slot left
  std::vector<Slot> slots;
  std::vector<Desktop::StyleOutcome> outcomes;
  HWND announce = nullptr;
  Shared() { InitializeCriticalSection(&lock); }
  ~Shared() { DeleteCriticalSection(&lock); }
};

// A thread's own share and the window it serves.
struct StyleWorker::Start {
  std::shared_ptr<Shared> shared;
  HWND window;
};

Desktop::StyleResult ChangeLayeredBit(HWND h, bool layered, const Desktop::Layering& then) {
  const SetLayeredFn set = SetLayeredWindowAttributesFn();
  if (!set) return Desktop::StyleResult::Refused;
  const LONG ex = GetWindowLongW(h, GWL_EXSTYLE);
  if (!IsWindow(h)) return Desktop::StyleResult::Gone;
  if (layered) {
    if (!(ex & WS_EX_LAYERED)) SetWindowLongW(h, GWL_EXSTYLE, ex | WS_EX_LAYERED);
  } else if (ex & WS_EX_LAYERED) {
    SetWindowLongW(h, GWL_EXSTYLE, ex & ~WS_EX_LAYERED);
    // Without the layer the window must paint itself again, frame and children included.
    RedrawWindow(h, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
  }
  // The window's own procedure may refuse the change: what counts is the style it has now.
  const LONG after = GetWindowLongW(h, GWL_EXSTYLE);
  if (!IsWindow(h)) return Desktop::StyleResult::Gone;
  if (((after & WS_EX_LAYERED) != 0) != layered) return Desktop::StyleResult::Refused;
  if (layered) set(h, then.colorKey, then.alpha, then.flags);
  return Desktop::StyleResult::Done;
}

void StyleWorker::AnnounceTo(HWND window) {
  if (!shared_) shared_ = std::make_shared<Shared>();
  Lock lock(shared_->lock);
  shared_->announce = window;
}

bool StyleWorker::Queue(const Desktop::StyleRequest& request) {
  if (!shared_) shared_ = std::make_shared<Shared>();
  Shared& s = *shared_;
  if (!s.idle) return false;
  const HWND window = reinterpret_cast<HWND>(request.window);
  {
    Lock lock(s.lock);
    auto it = std::find_if(s.slots.begin(), s.slots.end(), [&](const Slot& x) { return x.window == window; });
    if (it != s.slots.end()) {
      // Its thread is busy with this window (or held by it): it takes this one on its return.
      it->next = request;
      it->hasNext = true;
      return true;
    }
    s.slots.push_back({window, request, true});
    ResetEvent(s.idle.get());
  }
  auto* start = new Start{shared_, window};
  ScopedHandle thread(CreateThread(nullptr, kThreadStack, Main, start, STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr));
  if (thread) return true;
  delete start;
  Lock lock(s.lock);
  s.slots.erase(std::remove_if(s.slots.begin(), s.slots.end(), [&](const Slot& x) { return x.window == window; }),
                s.slots.end());
  if (s.slots.empty()) SetEvent(s.idle.get());
  return false;
}

std::vector<Desktop::StyleOutcome> StyleWorker::TakeOutcomes() {
  if (!shared_) return {};
  Lock lock(shared_->lock);
  return std::exchange(shared_->outcomes, {});
}

bool StyleWorker::WaitIdle(DWORD ms) {
  return !shared_ || !shared_->idle || WaitForSingleObject(shared_->idle.get(), ms) == WAIT_OBJECT_0;
}

// Makes the changes asked of one window, the newest each time, until none is left; then ends.
DWORD WINAPI StyleWorker::Main(void* param) {
  const std::unique_ptr<Start> start(static_cast<Start*>(param));
  Shared& s = *start->shared;
  for (;;) {
    Desktop::StyleRequest job;
    {
      Lock lock(s.lock);
      auto it = std::find_if(s.slots.begin(), s.slots.end(), [&](const Slot& x) { return x.window == start->window; });
      if (!it->hasNext) {
        s.slots.erase(it);
        if (s.slots.empty()) SetEvent(s.idle.get());
        return 0;
      }
      job = it->next;
      it->hasNext = false;
    }
    const Desktop::StyleResult result = Change(job);  // outside the lock: this may wait on the window
    HWND announce;
    {
      Lock lock(s.lock);
      s.outcomes.push_back({job.window, job.sequence, result});
      announce = s.announce;
    }
    if (announce) PostMessageW(announce, kMsgStyleOutcome, 0, 0);
  }
}

// The window must still be the one asked about and answer now; one that answers and then stops
// in the middle holds this thread only.
Desktop::StyleResult StyleWorker::Change(const Desktop::StyleRequest& job) {
  const HWND h = reinterpret_cast<HWND>(job.window);
  DWORD process = 0;
  char name[256] = {};
  if (!GetWindowThreadProcessId(h, &process) || process != job.process ||
      std::string(name, static_cast<std::size_t>(std::max(0, GetClassNameA(h, name, sizeof name)))) != job.className)
    return Desktop::StyleResult::Gone;
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(h, WM_NULL, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, kAnswerMs, &result))
    return IsWindow(h) ? Desktop::StyleResult::NoAnswer : Desktop::StyleResult::Gone;
  return ChangeLayeredBit(h, job.layered, job.then);
}

}  // namespace sorelka::shell
