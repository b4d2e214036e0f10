// Figures measured under Wine against the stand-in chat windows, each against a baseline taken
// in the same run:
//   post N R   delivering an N-character line with PostLine vs a bare loop of the same posts
//   deliver N  typing an N-character line into the stand-in chat room (its log is checked)
//   latency N  from the system's change of the window in front (to a chat window, at a random
//              moment of the polling interval) to the assistant's changed status bar
//   flood N    from the click on Send with N short lines in the box to the flood question, and
//              the same with 6 lines (the fewest that ask) as the baseline
// Prints one JSON object; bench/wine/run.sh starts the programs and checks the chat's log.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "../../tests/e2e/driver/remote_status.h"
#include "../../tests/unit/support/post_line.h"
#include "send/cp932_codes.h"
#include "shell/event_loop_win32.h"
#include "send/send_job.h"
#include "shell/control_windows.h"
#include "shell/desktop_win32.h"

namespace {


double Now() {
  LARGE_INTEGER f, c;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&c);
  return static_cast<double>(c.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart);
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

HWND Chain(HWND w, std::initializer_list<const char*> classes) {
  for (const char* c : classes) w = w ? FindWindowExA(w, nullptr, c, nullptr) : nullptr;
  return w;
}

// Presses the chat's send button and waits until its transcript has grown: then the chat
// has taken in every message posted before the click.
// (WM_GETTEXTLENGTH itself: GetWindowTextLength reads another process's caption, not the box.)
int TextLength(HWND w) { return static_cast<int>(SendMessageW(w, WM_GETTEXTLENGTH, 0, 0)); }

void SendAndWait(HWND dialog, HWND button, HWND transcript) {
  const int before = TextLength(transcript);
  PostMessageA(dialog, WM_COMMAND, static_cast<WPARAM>(GetDlgCtrlID(button)), 0);
  const double t0 = Now();
  while (TextLength(transcript) == before && Now() - t0 < 600000) Sleep(5);
}

std::u16string MakeLine(int n) {
  // Every kind of character: ASCII, half-width katakana, full-width.
  const std::u16string pattern = u"abcXYZ 019ｱｲｳﾐﾘあいう漢字　。";
  std::u16string line;
  while (static_cast<int>(line.size()) < n) line += pattern;
  line.resize(static_cast<std::size_t>(n));
  return line;
}

// A window on a thread of its own that takes no message until released, so that the posting
// loops are timed alone, not against a reader emptying the queue at the same time.
struct HeldReceiver {
  HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HWND window = nullptr;
  std::vector<std::uint32_t> received;
  HANDLE thread = nullptr;

  static LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<HeldReceiver*>(GetWindowLongPtrA(w, GWLP_USERDATA));
    if (m == 0x0286 && self) {
      self->received.push_back(static_cast<std::uint32_t>(wp));
      return 0;
    }
    return DefWindowProcA(w, m, wp, lp);
  }
  static DWORD WINAPI Run(void* p) {
    auto* self = static_cast<HeldReceiver*>(p);
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "BenchReceiver";  // ANSI, as a chat's input box: codes arrive unchanged
    RegisterClassA(&wc);
    self->window = CreateWindowExA(0, "BenchReceiver", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    SetWindowLongPtrA(self->window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    SetEvent(self->ready);
    // Held still for posted messages, yet answering sent ones, as a live chat window would:
    // the send checks that its target still answers before it counts a line as sent.
    MSG msg;
    while (MsgWaitForMultipleObjects(1, &self->release, FALSE, INFINITE, QS_SENDMESSAGE) == WAIT_OBJECT_0 + 1)
      PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    return 0;
  }
  HeldReceiver() {
    thread = CreateThread(nullptr, 0, Run, this, 0, nullptr);
    WaitForSingleObject(ready, INFINITE);
  }
  void Drain() {
    SetEvent(release);
    WaitForSingleObject(thread, INFINITE);
  }
};

int Post(int n, int reps) {
  const std::u16string line = MakeLine(n);
  sorelka::shell::Win32Desktop desktop;
  sorelka::shell::Win32EventLoop loop;
  std::vector<std::uint32_t> codes;
  for (char16_t u : line) codes.push_back(sorelka::Cp932Code(desktop, u));

  HeldReceiver receiver;
  sorelka::ChatTarget target;
  target.Kind = sorelka::KindUnknown;  // type only: no send button to press
  target.InputWindow = reinterpret_cast<sorelka::Hwnd>(receiver.window);
  std::vector<double> bare, posted, sliced;
  bool allDelivered = true;
  for (int r = 0; r < reps; ++r) {
    double t0 = Now();
    for (std::uint32_t c : codes) PostMessageA(receiver.window, 0x0286, c, 0);
    bare.push_back(Now() - t0);
    t0 = Now();
    allDelivered &= sorelka::PostLine(line, target, {}, desktop, loop);
    posted.push_back(Now() - t0);
    // As the window's own send runs it: 20 ms slices with a pass of the message pump between.
    t0 = Now();
    sorelka::SendJob job(target, {}, {line});
    sorelka::SendJob::State state;
    while ((state = job.Run(desktop, loop, 20)) == sorelka::SendJob::State::Working) loop.PumpMessages();
    allDelivered &= state == sorelka::SendJob::State::Finished;
    sliced.push_back(Now() - t0);
  }
  receiver.Drain();
  bool inOrder = receiver.received.size() == codes.size() * 3 * static_cast<std::size_t>(reps);
  for (std::size_t i = 0; inOrder && i < receiver.received.size(); ++i)
    inOrder = receiver.received[i] == codes[i % codes.size()];
  const double mb = Median(bare), mp = Median(posted), ms = Median(sliced);
  std::printf("{\"ok\":%s,\"chars\":%d,\"reps\":%d,\"bare_ms\":%.3f,\"postline_ms\":%.3f,\"ratio\":%.4f,"
              "\"sliced_ms\":%.3f,\"sliced_ratio\":%.4f,\"received_in_order\":%s}\n",
              allDelivered ? "true" : "false", n, reps, mb, mp, mb > 0 ? mp / mb : 0.0, ms, mb > 0 ? ms / mb : 0.0,
              inOrder ? "true" : "false");
  return allDelivered && inOrder ? 0 : 1;
}

// Types a line into the stand-in chat room and presses its send button; the chat's log then
// shows whether every character arrived, in order (bench/wine/run.sh compares it).
int Deliver(int n) {
  HWND frame = FindWindowA("IEFrame", nullptr);
  HWND dialog = Chain(frame, {"Shell DocObject View", "Internet Explorer_Server", "#32770"});
  HWND input = Chain(dialog, {"ATL:3723F798", "MSNChatEdit4"});
  HWND button = FindWindowExA(dialog, nullptr, "SubclassButton", nullptr);
  HWND transcript = FindWindowExA(dialog, nullptr, "Edit", nullptr);
  if (!input || !button || !transcript) {
    std::printf("{\"ok\":false,\"error\":\"no chat room\"}\n");
    return 1;
  }
  sorelka::shell::Win32Desktop desktop;
  sorelka::shell::Win32EventLoop loop;
  sorelka::ChatTarget target;
  target.Kind = sorelka::KindUnknown;
  target.InputWindow = reinterpret_cast<sorelka::Hwnd>(input);
  const double t0 = Now();
  const bool ok = sorelka::PostLine(MakeLine(n), target, {}, desktop, loop);
  const double posted = Now() - t0;
  SendAndWait(dialog, button, transcript);
  std::printf("{\"ok\":%s,\"chars\":%d,\"post_ms\":%.1f,\"received_ms\":%.1f}\n", ok ? "true" : "false", n,
              posted, Now() - t0);
  return ok ? 0 : 1;
}

BOOL CALLBACK FindStatusBar(HWND w, LPARAM found) {
  if (GetDlgCtrlID(w) == 1002) *reinterpret_cast<HWND*>(found) = w;  // the status bar's id
  return TRUE;
}

// The program polls the window in front every 50 ms (its Timer1). A user's switch comes at
// any moment of that interval, so each switch here waits a random time within it after the
// previous one was shown: the delay then spreads over the interval as the user's would.
constexpr int kPollIntervalMs = 50;

int Latency(int n) {
  HWND app = FindWindowW(L"SorelkaMainWindow", nullptr);
  HWND status = nullptr;
  EnumChildWindows(app, FindStatusBar, reinterpret_cast<LPARAM>(&status));
  HWND chat = FindWindowA("IEFrame", nullptr);
  HWND im = FindWindowA("IMWindowClass", nullptr);
  if (!status || !chat || !im) {
    std::printf("{\"ok\":false,\"error\":\"windows not found\"}\n");
    return 1;
  }
  LARGE_INTEGER seed;
  QueryPerformanceCounter(&seed);
  std::mt19937 random(static_cast<unsigned>(seed.QuadPart));
  std::uniform_int_distribution<int> offset(0, kPollIntervalMs - 1);
  std::vector<double> delay, reach, read;  // foreground change to status bar; call to change; one read
  int missed = 0;
  for (int i = 0; i < n; ++i) {
    const bool toChat = i % 2 == 0;
    HWND to = toChat ? chat : im;
    const std::wstring want = toChat ? L"M$Nチャット " : L"メッセンジャー";
    Sleep(static_cast<DWORD>(offset(random)));
    const double t0 = Now();
    SetForegroundWindow(to);
    double changed = -1, shown = -1;
    while (Now() - t0 < 5000) {
      // Every millisecond: first the system's change, then the status bar (a round trip into
      // the program's process).
      if (changed < 0 && GetForegroundWindow() == to) changed = Now();
      if (changed < 0) {
        Sleep(1);
        continue;
      }
      const double before = Now();
      e2e::StatusPanels panels = e2e::ReadStatusPanels(status);
      read.push_back(Now() - before);
      if (panels.ok && !panels.texts.empty() && panels.texts[0] == want) {
        shown = Now();
        break;
      }
      Sleep(1);
    }
    if (changed < 0 || shown < 0) {
      ++missed;
      continue;
    }
    delay.push_back(shown - changed);
    reach.push_back(changed - t0);
  }
  if (delay.empty()) {
    std::printf("{\"ok\":false,\"error\":\"no switch was shown\",\"missed\":%d}\n", missed);
    return 1;
  }
  const double median = Median(delay), worst = *std::max_element(delay.begin(), delay.end());
  std::printf("{\"ok\":%s,\"switches\":%d,\"missed\":%d,\"interval_ms\":%d,\"median_ms\":%.1f,"
              "\"worst_ms\":%.1f,\"median_over_interval\":%.3f,\"worst_over_interval\":%.3f,"
              "\"set_foreground_to_change_median_ms\":%.1f,\"status_read_median_ms\":%.1f}\n",
              missed ? "false" : "true", n, missed, kPollIntervalMs, median, worst, median / kPollIntervalMs,
              worst / kPollIntervalMs, Median(reach), Median(read));
  return missed ? 1 : 0;
}

struct FoundControl {
  int id;
  HWND window;
};

BOOL CALLBACK FindControl(HWND w, LPARAM found) {
  auto* f = reinterpret_cast<FoundControl*>(found);
  if (GetDlgCtrlID(w) == f->id) f->window = w;
  return TRUE;
}

HWND ControlOf(HWND app, sorelka::Ctl c) {
  FoundControl f{sorelka::shell::ControlId(c), nullptr};
  EnumChildWindows(app, FindControl, reinterpret_cast<LPARAM>(&f));
  return f.window;
}

// The time from a click on Send with `lines` lines in the box to the flood question on the
// screen; the question is answered No, so nothing is sent. -1 when it never came.
double ToFloodQuestion(HWND message, HWND send, int lines) {
  std::wstring text;
  for (int i = 0; i < lines; ++i) text += i ? L"\r\na" : L"a";
  SendMessageW(message, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  const double t0 = Now();
  PostMessageW(send, BM_CLICK, 0, 0);
  HWND box = nullptr;
  while (!(box = FindWindowW(L"#32770", L"確認")) || !IsWindowVisible(box)) {
    if (Now() - t0 > 60000) return -1;
    Sleep(1);
  }
  const double ms = Now() - t0;
  PostMessageW(GetDlgItem(box, IDNO), BM_CLICK, 0, 0);
  while (IsWindow(box) && IsWindowVisible(box) && Now() - t0 < 70000) Sleep(5);
  return ms;
}

// Chooses the chat room, selects the line-by-line mode and measures both sends.
int Flood(int n) {
  HWND app = FindWindowW(L"SorelkaMainWindow", nullptr);
  HWND status = nullptr;
  EnumChildWindows(app, FindStatusBar, reinterpret_cast<LPARAM>(&status));
  HWND chat = FindWindowA("IEFrame", nullptr);
  HWND message = ControlOf(app, sorelka::Ctl::Message), send = ControlOf(app, sorelka::Ctl::Send);
  if (!status || !chat || !message || !send) {
    std::printf("{\"ok\":false,\"error\":\"windows not found\"}\n");
    return 1;
  }
  SetForegroundWindow(chat);
  const double t0 = Now();
  bool chosen = false;
  while (!chosen && Now() - t0 < 5000) {
    const e2e::StatusPanels panels = e2e::ReadStatusPanels(status);
    chosen = panels.ok && !panels.texts.empty() && panels.texts[0] == L"M$Nチャット ";
    if (!chosen) Sleep(10);
  }
  if (!chosen) {
    std::printf("{\"ok\":false,\"error\":\"the chat room was not chosen\"}\n");
    return 1;
  }
  // Line by line (ASCII art): every line of the box is taken, not the first alone.
  SendMessageW(ControlOf(app, sorelka::Ctl::AA), BM_CLICK, 0, 0);
  const double few = ToFloodQuestion(message, send, 6);
  const double many = ToFloodQuestion(message, send, n);
  SendMessageW(message, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
  const bool ok = few >= 0 && many >= 0;
  std::printf("{\"ok\":%s,\"lines\":%d,\"to_question_ms\":%.1f,\"six_lines_ms\":%.1f}\n",
              ok ? "true" : "false", n, many, few);
  return ok ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc >= 4 && std::wstring(argv[1]) == L"post") return Post(_wtoi(argv[2]), _wtoi(argv[3]));
  if (argc >= 3 && std::wstring(argv[1]) == L"latency") return Latency(_wtoi(argv[2]));
  if (argc >= 3 && std::wstring(argv[1]) == L"deliver") return Deliver(_wtoi(argv[2]));
  if (argc >= 3 && std::wstring(argv[1]) == L"flood") return Flood(_wtoi(argv[2]));
  std::printf("{\"ok\":false,\"error\":\"usage: wine_bench post N REPS | deliver N | latency N | flood N\"}\n");
  return 2;
}
