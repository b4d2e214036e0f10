// Figures measured under Wine against the stand-in chat windows, each against a baseline taken
// in the same run:
//   post N R   delivering an N-character line with PostLine vs a bare loop of the same posts
//   latency N  from SetForegroundWindow on a chat window to the assistant's changed status bar
// Prints one JSON object; bench/wine/run.sh starts the programs and checks the chat's log.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "../../tests/e2e/driver/remote_status.h"
#include "platform/form_port.h"
#include "platform/win32/desktop_win32.h"
#include "send/post_line.h"

namespace {

using sorelka::Ctl;

// Only what line delivery reads: no send is pressed (SendNow clear, AA not selected).
class QuietForm final : public sorelka::FormPort {
 public:
  int Value(Ctl) override { return 0; }
  void SetValue(Ctl, int) override {}
  bool Enabled(Ctl) override { return true; }
  void SetEnabled(Ctl, bool) override {}
  sorelka::Text GetText(Ctl) override { return u"0"; }
  void SetText(Ctl, const sorelka::Text&) override {}
  bool Visible(Ctl) override { return true; }
  void SetVisible(Ctl, bool) override {}
  sorelka::TwipRect Bounds(Ctl) override { return {}; }
  void Move(Ctl, const sorelka::TwipRect&) override {}
  int ScaleWidth() override { return 0; }
  void SetPanelText(int, const sorelka::Text&) override {}
  sorelka::Text PanelText(int) override { return {}; }
  void SetPanelIcon(int, int) override {}
  bool MenuChecked(sorelka::Menu) override { return false; }
  void SetMenuChecked(sorelka::Menu, bool) override {}
  void PopupMenu(sorelka::Menu) override {}
  int MessageBox(const sorelka::Text&, const sorelka::Text*, unsigned) override { return 0; }
  int MessageLineCount() override { return 1; }
  sorelka::Ansi MessageLineA(int) override { return {}; }
  sorelka::Hwnd WindowHandle() override { return 0; }
};

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
void SendAndWait(HWND dialog, HWND button, HWND transcript) {
  const int before = GetWindowTextLengthW(transcript);
  PostMessageA(dialog, WM_COMMAND, static_cast<WPARAM>(GetDlgCtrlID(button)), 0);
  const double t0 = Now();
  while (GetWindowTextLengthW(transcript) == before && Now() - t0 < 600000) Sleep(5);
}

int Post(int n, int reps) {
  HWND frame = FindWindowA("IEFrame", nullptr);
  HWND dialog = Chain(frame, {"Shell DocObject View", "Internet Explorer_Server", "#32770"});
  HWND input = Chain(dialog, {"ATL:3723F798", "MSNChatEdit4"});
  HWND button = FindWindowExA(dialog, nullptr, "SubclassButton", nullptr);
  HWND transcript = FindWindowExA(dialog, nullptr, "Edit", nullptr);
  if (!input || !button || !transcript) {
    std::printf("{\"ok\":false,\"error\":\"no chat input window\"}\n");
    return 1;
  }
  // A message of every kind of character: ASCII, half-width katakana, full-width.
  const std::u16string pattern = u"abcXYZ 019ｱｲｳﾐﾘあいう漢字　。";
  std::u16string line;
  while (static_cast<int>(line.size()) < n) line += pattern;
  line.resize(static_cast<std::size_t>(n));

  sorelka::win32::Win32Desktop desktop;
  QuietForm form;
  sorelka::ChatTarget target;
  target.Kind = sorelka::KindUnknown;  // type only: the bench presses no send button
  target.InputWindow = reinterpret_cast<sorelka::Hwnd>(input);
  std::vector<std::uint32_t> codes;
  for (char16_t u : line) codes.push_back(sorelka::Cp932Code(desktop, u));

  std::vector<double> bare, posted;
  bool allDelivered = true;
  for (int r = 0; r < reps; ++r) {
    double t0 = Now();
    for (std::uint32_t c : codes) PostMessageA(input, 0x0286, c, 0);
    double t1 = Now();
    bare.push_back(t1 - t0);
    SendAndWait(dialog, button, transcript);
    t0 = Now();
    allDelivered &= sorelka::PostLine(line, target, form, desktop);
    t1 = Now();
    posted.push_back(t1 - t0);
    SendAndWait(dialog, button, transcript);
  }
  const double mb = Median(bare), mp = Median(posted);
  std::printf("{\"ok\":%s,\"chars\":%d,\"reps\":%d,\"bare_ms\":%.3f,\"postline_ms\":%.3f,\"ratio\":%.4f}\n",
              allDelivered ? "true" : "false", n, reps, mb, mp, mb > 0 ? mp / mb : 0.0);
  return 0;
}

BOOL CALLBACK FindStatusBar(HWND w, LPARAM found) {
  if (GetDlgCtrlID(w) == 1002) *reinterpret_cast<HWND*>(found) = w;  // the status bar's id
  return TRUE;
}

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
  std::vector<double> ms, fg;  // to the status text; to the system's own foreground change
  for (int i = 0; i < n; ++i) {
    const bool toChat = i % 2 == 0;
    const std::wstring want = toChat ? L"M$Nチャット " : L"メッセンジャー";
    const double t0 = Now();
    SetForegroundWindow(toChat ? chat : im);
    double t = t0, seen = -1;
    for (;;) {
      if (seen < 0 && GetForegroundWindow() == (toChat ? chat : im)) seen = Now() - t0;
      e2e::StatusPanels panels = e2e::ReadStatusPanels(status);
      t = Now();
      if (panels.ok && !panels.texts.empty() && panels.texts[0] == want) break;
      if (t - t0 > 5000) break;
      Sleep(1);
    }
    ms.push_back(t - t0);
    fg.push_back(seen);
  }
  const double worst = *std::max_element(ms.begin(), ms.end());
  std::printf("{\"ok\":true,\"switches\":%d,\"interval_ms\":50,\"median_ms\":%.1f,\"worst_ms\":%.1f,"
              "\"median_over_interval\":%.3f,\"worst_over_interval\":%.3f,\"foreground_seen_median_ms\":%.1f}\n",
              n, Median(ms), worst, Median(ms) / 50.0, worst / 50.0, Median(fg));
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc >= 4 && std::wstring(argv[1]) == L"post") return Post(_wtoi(argv[2]), _wtoi(argv[3]));
  if (argc >= 3 && std::wstring(argv[1]) == L"latency") return Latency(_wtoi(argv[2]));
  std::printf("{\"ok\":false,\"error\":\"usage: wine_bench post N REPS | latency N\"}\n");
  return 2;
}
