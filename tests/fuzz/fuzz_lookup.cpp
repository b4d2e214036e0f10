// The chat lookup and the foreground polling over random window trees, with windows closing
// between polls: no crash; a chat target is an "MSNChatEdit4" really at the end of the walk from
// a browser frame, and a complete walk under the front frame is found; a Messenger target is a
// Messenger window; sending is never enabled for an unknown window; the assistant's own window
// and confirmation boxes never become the target; names stay within their limits.
#include "app/main_form.h"
#include "fakes/fake_desktop.h"
#include "fakes/fake_form.h"
#include "fuzz_support.h"

namespace sorelka {
namespace {

using testing::FakeDesktop;
using testing::ToCp932;

// The walk from a browser frame, outermost first.
const char* const kWalk[] = {"IEFrame", "Shell DocObject View", "Internet Explorer_Server",
                             "#32770", "ATL:3723F798", "MSNChatEdit4"};
const char* const kOtherClasses[] = {
    "IEFrameChild", "IEFram", "ieframe", "shell docobject view", "msnchatedit4", "MSNChatEdit",
    "SubclassButton", "IMWindowClass", "IMWindowClassX", "Button", "Static", "", "ThunderRT6FormDC"};

class OwnForm : public testing::FakeForm {
 public:
  Hwnd own = 0;
  Hwnd WindowHandle() override { return own; }
};

bool SameClass(const Ansi& a, const char* b) {
  const Ansi bb(b);
  if (a.size() != bb.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(bb[i])))
      return false;
  return true;
}

bool StartsWithBytes(const Ansi& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

struct Tree {
  FakeDesktop desktop;
  std::vector<Hwnd> windows;
  std::vector<int> walkStep;  // the window's place in kWalk, or -1

  std::size_t Pick(FuzzedDataProvider& in) { return in.ConsumeIntegralInRange<std::size_t>(0, windows.size() - 1); }

  Hwnd Add(Hwnd parent, const Ansi& className, const Ansi& title, int step, int id = 0) {
    windows.push_back(desktop.Add(parent, className, title, id));
    walkStep.push_back(step);
    return windows.back();
  }

  Ansi Title(FuzzedDataProvider& in) {
    static const std::vector<Ansi> titles = {
        "", ToCp932(u"発言"), ToCp932(u"確認"), ToCp932(u"確認して下さい"), "room",
        ToCp932(u"雑談部屋の長い長い名前です、とても長い"), Ansi(240, 'w'), Ansi(120, '\x82')};
    if (in.ConsumeIntegralInRange(0, 7) != 0) return titles[in.ConsumeIntegralInRange<std::size_t>(0, titles.size() - 1)];
    return in.ConsumeRandomLengthString(300);
  }

  // A whole chat control in a new browser frame, each step now and then of another class.
  void AddChatControl(FuzzedDataProvider& in) {
    auto step = [&](int s) { return in.ConsumeIntegralInRange(0, 7) ? Ansi(kWalk[s]) : Ansi(in.PickValueInArray(kOtherClasses)); };
    Hwnd w = Add(0, step(0) + (in.ConsumeBool() ? in.ConsumeRandomLengthString(8) : Ansi()), Title(in), 0);
    w = Add(w, step(1), "", 1);
    w = Add(w, step(2), "", 2);
    const Hwnd dialog = Add(w, step(3), "", 3);
    const bool buttonFirst = in.ConsumeBool();
    if (buttonFirst) Add(dialog, "SubclassButton", ToCp932(u"発言"), -1, in.ConsumeIntegralInRange(0, 3));
    const Hwnd atl = Add(dialog, step(4), "", 4);
    if (!buttonFirst) Add(dialog, "SubclassButton", Title(in), -1, in.ConsumeIntegralInRange(0, 3));
    Add(dialog, "Static", Title(in), -1);  // the room's name, lowest of the siblings
    Add(atl, step(5), "", 5);
  }

  void Grow(FuzzedDataProvider& in) {
    const std::size_t count = in.ConsumeIntegralInRange<std::size_t>(0, 40);
    for (std::size_t i = 0; i < count && in.remaining_bytes(); ++i) {
      if (in.ConsumeIntegralInRange(0, 7) == 0) {
        AddChatControl(in);
        continue;
      }
      // Under the newest window half the time, so deep walks are common; else anywhere.
      const std::size_t parentPick = in.ConsumeBool()
                                         ? windows.size() - 1
                                         : in.ConsumeIntegralInRange<std::size_t>(0, windows.size());
      const Hwnd parent = parentPick == windows.size() ? 0 : windows[parentPick];
      const int parentStep = parent ? walkStep[parentPick] : -1;
      Ansi className;
      int step = -1;
      switch (in.ConsumeIntegralInRange(0, 7)) {
        case 0: case 1: case 2: case 3:  // the walk's next step under this parent
          step = parentStep + 1 < 6 ? parentStep + 1 : 5;
          className = kWalk[step];
          break;
        case 4: case 5: case 6:
          className = in.PickValueInArray(kOtherClasses);
          break;
        default:
          className = in.ConsumeRandomLengthString(260);
      }
      Add(parent, className, Title(in), step, in.ConsumeIntegralInRange(0, 3));
    }
  }

  // A chat input: its class, and its ancestors the walk's classes up to the frame it was
  // found from (any browser frame when `frame` is 0).
  bool IsChatInput(Hwnd edit, Hwnd dialog, Hwnd frame = 0) {
    if (!edit || !SameClass(desktop.Window(edit).className, kWalk[5])) return false;
    Hwnd w = edit;
    for (int step = 4; step >= 1; --step) {
      w = desktop.Window(w).parent;
      if (!w || !SameClass(desktop.Window(w).className, kWalk[step])) return false;
      if (step == 3 && w != dialog) return false;
    }
    w = desktop.Window(w).parent;
    if (frame) return w == frame;
    return w && StartsWithBytes(desktop.Window(w).className, "IEFrame");
  }

  // The chat input the walk reaches from `frame` when every step is there now, else 0.
  Hwnd WalkFrom(Hwnd frame) {
    Hwnd w = frame;
    for (int step = 1; step <= 5 && w; ++step) w = desktop.FindChildA(w, kWalk[step], nullptr);
    return w;
  }
};

void CheckTarget(Tree& tree, OwnForm& form, const ChatTarget& t) {
  const bool sending = form.Enabled(Ctl::Send);
  if (sending) FUZZ_CHECK(t.Kind == KindMessenger || (t.Kind == KindChat && t.Found == kTrue));
  if (t.Kind == KindChat && t.Found == kTrue) {
    FUZZ_CHECK(tree.IsChatInput(t.InputWindow, t.ChatDialog));
    FUZZ_CHECK(t.SendButton == 0 ||
               (tree.desktop.Window(t.SendButton).parent == t.ChatDialog &&
                tree.desktop.Window(t.SendButton).title == ToCp932(u"発言")));
    FUZZ_CHECK(t.Title.size() <= 19);  // at most 19 bytes, each unit one byte or more
  }
  if (t.Kind == KindMessenger && t.InputWindow != 0)
    FUZZ_CHECK(StartsWithBytes(tree.desktop.Window(t.InputWindow).className, "IMWindowClass"));
  if (t.Kind != KindChat) FUZZ_CHECK(t.Title.size() <= 25);
  if (t.Kind == KindUnknown) FUZZ_CHECK(!t.Title.empty());
  FUZZ_CHECK(t.InputWindow != form.own);
}

}  // namespace
}  // namespace sorelka

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace sorelka;
  FuzzedDataProvider in(data, size);
  Tree tree;
  OwnForm form;
  form.own = tree.desktop.Add(0, "ThunderRT6FormDC", "Sorelka 2.0 for XP");
  tree.windows.push_back(form.own);
  tree.walkStep.push_back(-1);
  tree.Grow(in);

  // The lookup on its own, from any window under any class name.
  {
    const Hwnd start = in.ConsumeIntegralInRange(0, 7) == 0 ? in.PickValueInArray({Hwnd{0}, Hwnd{0xDEAD0}})
                                                            : tree.windows[tree.Pick(in)];
    const Text className = in.ConsumeIntegralInRange(0, 3) ? Text(u"IEFrame")
                                                            : fuzz::TextFrom(in, {u'I', u'E', u'F', u'r', u'a', u'm', u'e'}, 9);
    const ChatTarget t = LookupChatWindow(tree.desktop, className, start);
    if (t.Found == kTrue) {
      FUZZ_CHECK(t.Kind == KindChat);
      FUZZ_CHECK(tree.IsChatInput(t.InputWindow, t.ChatDialog, start));
      FUZZ_CHECK(t.Title.size() <= 19);
    } else {
      FUZZ_CHECK(t.InputWindow == 0 && t.Kind == KindMessenger && t.Title.empty() && t.SendButton == 0);
    }
    if (className.substr(0, 7) != u"IEFrame") FUZZ_CHECK(t == ChatTarget{});
  }

  // The polling: windows come to the front, some close between polls. Reads of "no window"
  // hand back stray bytes, as under Wine.
  tree.desktop.strayBytes = in.ConsumeRandomLengthString(40);
  MainForm main(form, tree.desktop, tree.desktop);
  const TargetDiscovery& discovery = main.discovery();
  main.Load();
  const std::size_t ticks = in.ConsumeIntegralInRange<std::size_t>(1, 24);
  for (std::size_t i = 0; i < ticks; ++i) {
    Hwnd front = 0;
    switch (in.ConsumeIntegralInRange(0, 7)) {
      case 0: front = 0; break;
      case 1: front = form.own; break;
      case 2: front = 0xDEAD0; break;  // a handle that names no window
      case 3: tree.desktop.Close(tree.windows[tree.Pick(in)]);
        [[fallthrough]];
      default: front = tree.windows[tree.Pick(in)];
    }
    const Hwnd before = discovery.LastForeground();
    const ChatTarget previous = discovery.Target();
    tree.desktop.SetForeground(front);
    main.Timer1Tick();

    CheckTarget(tree, form, discovery.Target());
    FUZZ_CHECK(discovery.LastForeground() != form.own);
    const Hwnd last = discovery.LastForeground();
    if (last != before && last != 0 && tree.desktop.IsWindow(last))
      FUZZ_CHECK(tree.desktop.Window(last).title.rfind(ToCp932(u"確認"), 0) != 0);
    if (discovery.Target() != previous) {
      FUZZ_CHECK(front != 0 && tree.desktop.IsWindow(front));  // only a window in front is chosen
      FUZZ_CHECK(form.PanelText(2) == discovery.Target().Title + u"　を選択しました。");
    }

    // A front browser frame whose walk is all there now becomes the chat target.
    const bool examined = front != before && front != form.own && tree.desktop.IsWindow(front) &&
                          tree.desktop.Window(front).title.rfind(ToCp932(u"確認"), 0) != 0;
    if (examined && StartsWithBytes(tree.desktop.Window(front).className, "IEFrame")) {
      if (const Hwnd edit = tree.WalkFrom(front)) {
        FUZZ_CHECK(discovery.Target().Found == kTrue && discovery.Target().InputWindow == edit);
        FUZZ_CHECK(form.Enabled(Ctl::Send));
      }
    }
  }
  return 0;
}
