#include "style_worker.h"
#include "shell_namespace.h"

#include <algorithm>

#include "win32/dynamic_api.h"
#include "win32/handles.h"

namespace sorelka::shell {

// What the window's thread and the worker share, under the lock.
struct StyleWorker::Shared {
  CRITICAL_SECTION lock;
  ScopedHandle wake{CreateEventW(nullptr, FALSE, FALSE, nullptr)};  // auto-reset
  ScopedHandle idle{CreateEventW(nullptr, TRUE, TRUE, nullptr)};    // manual
  std::deque<Job> queue;
  std::vector<Desktop::StyleOutcome> outcomes;
  bool stop = false;
  Shared() { InitializeCriticalSection(&lock); }
  ~Shared() { DeleteCriticalSection(&lock); }
};

namespace {
class Lock {
 public:
  explicit Lock(CRITICAL_SECTION& cs) : cs_(cs) { EnterCriticalSection(&cs_); }
  ~Lock() { LeaveCriticalSection(&cs_); }
  Lock(const Lock&) = delete;
  Lock& operator=(const Lock&) = delete;

 private:
  CRITICAL_SECTION& cs_;
};
}  // namespace

StyleWorker::~StyleWorker() {
  if (!shared_) return;
  {
    Lock lock(shared_->lock);
    shared_->stop = true;
  }
  SetEvent(shared_->wake.get());
}

bool StyleWorker::Queue(HWND window, bool layered, const Desktop::Layering& then) {
  if (!shared_) {
    auto shared = std::make_shared<Shared>();
    if (!shared->wake || !shared->idle) return false;
    // The thread holds its own share, so a thread held by a hung window outlives this object.
    auto* own = new std::shared_ptr<Shared>(shared);
    ScopedHandle thread(CreateThread(nullptr, 0, Main, own, 0, nullptr));
    if (!thread) {
      delete own;
      return false;
    }
    shared_ = std::move(shared);
  }
  {
    Lock lock(shared_->lock);
    auto& q = shared_->queue;
    q.erase(std::remove_if(q.begin(), q.end(), [&](const Job& j) { return j.window == window; }), q.end());
    q.push_back({window, layered, then});
    ResetEvent(shared_->idle.get());
  }
  SetEvent(shared_->wake.get());
  return true;
}

std::vector<Desktop::StyleOutcome> StyleWorker::TakeOutcomes() {
  if (!shared_) return {};
  Lock lock(shared_->lock);
  return std::exchange(shared_->outcomes, {});
}

bool StyleWorker::WaitIdle(DWORD ms) {
  return !shared_ || WaitForSingleObject(shared_->idle.get(), ms) == WAIT_OBJECT_0;
}

DWORD WINAPI StyleWorker::Main(void* param) {
  const std::unique_ptr<std::shared_ptr<Shared>> own(static_cast<std::shared_ptr<Shared>*>(param));
  Shared& s = **own;
  for (;;) {
    WaitForSingleObject(s.wake.get(), INFINITE);
    for (;;) {
      Job job;
      {
        Lock lock(s.lock);
        if (s.stop) return 0;
        if (s.queue.empty()) {
          SetEvent(s.idle.get());
          break;
        }
        job = s.queue.front();
        s.queue.pop_front();
      }
      const bool done = Change(job);  // outside the lock: this may wait on the window
      Lock lock(s.lock);
      s.outcomes.push_back({reinterpret_cast<Hwnd>(job.window), job.layered, done});
    }
  }
}

// A window that answers now has its style changed at once; one that answers and then stops
// right away can still hold this thread, but never the window's thread of the program.
bool StyleWorker::Change(const Job& job) {
  const HWND h = job.window;
  DWORD_PTR result = 0;
  if (!IsWindow(h) || !SendMessageTimeoutW(h, WM_NULL, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, kAnswerMs, &result))
    return false;
  const LONG ex = GetWindowLongW(h, GWL_EXSTYLE);
  if (job.layered) {
    if (!(ex & WS_EX_LAYERED)) SetWindowLongW(h, GWL_EXSTYLE, ex | WS_EX_LAYERED);
    const SetLayeredFn set = SetLayeredWindowAttributesFn();
    return set && set(h, job.then.colorKey, job.then.alpha, job.then.flags) != FALSE;
  }
  if (ex & WS_EX_LAYERED) {
    SetWindowLongW(h, GWL_EXSTYLE, ex & ~WS_EX_LAYERED);
    // Without the layer the window must paint itself again, frame and children included.
    RedrawWindow(h, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
  }
  return IsWindow(h) != FALSE;
}

}  // namespace sorelka::shell
