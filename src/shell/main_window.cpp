#include "main_window.h"
#include "shell_namespace.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "platform/failure_text.h"
#include "push_check.h"
#include "style_worker.h"
#include "way_out.h"
#include "win32/dynamic_api.h"
#include "win32/subclass.h"
#include "win32/wide.h"
#include "win32_kinds.h"

namespace sorelka::shell {

namespace {

constexpr UINT_PTR kTimer1 = 1, kTimer2 = 2;
constexpr int kTimer1Ms = 50, kTimer2Ms = 100;
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kWindowExStyle = WS_EX_CONTROLPARENT;

}  // namespace

MainWindow::MainWindow(ControlWindows& windows, Resources& resources, Win32Form& port, MainForm& form,
                       ModalLoops& loops, TopLevelWindows& live)
    : w_(windows), res_(resources), port_(port), form_(form), loops_(loops), live_(live) {
  keys_.tab = [this](bool forward) { port_.MoveFocus(forward); };
  keys_.enter = [this] { OnEnter(); };
  keys_.escape = [this] {
    if (!form_.Sending()) return false;  // left to the dialog keyboard
    form_.EscapePressed();
    return true;
  };
}

bool MainWindow::Create() {
  RECT rc{0, 0, res_.Px(kClientWidthTwips), res_.Px(kClientHeightTwips)};
  AdjustWindowRectEx(&rc, kWindowStyle, TRUE, kWindowExStyle);
  if (!Register()) return Fail(W(kStartFailed));  // the class: no window yet
  if (CreateWindowBase(kWindowExStyle, W(kWindowCaption), kWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                       rc.right - rc.left, rc.bottom - rc.top, nullptr, nullptr))
    return true;
  if (!error_) Fail(W(kWindowNotCreated));
  return false;
}

bool MainWindow::Fail(const wchar_t* what) {
  failure_ = what;
  error_ = GetLastError();
  return false;
}

void MainWindow::Show(int showCommand) {
  // The menu bar may wrap or differ in height: make the client area exact once it is there.
  FitClient(hwnd(), res_.Px(kClientWidthTwips), res_.Px(kClientHeightTwips));
  ShowWindow(hwnd(), showCommand);
  UpdateWindow(hwnd());
  SetTimer(hwnd(), kTimer1, kTimer1Ms, nullptr);
  SetTimer(hwnd(), kTimer2, kTimer2Ms, nullptr);
  port_.RestoreFocus(nullptr);  // the first control a user can reach, as in a dialog
}

LRESULT MainWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CREATE: return OnCreate();
    case WM_COMMAND: OnCommand(wp, lp); return 0;
    case WM_TIMER: OnTimer(wp); return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT: return OnCtlColor(reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp), msg);
    case WM_DRAWITEM: return OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
    case DM_GETDEFID: return DefaultButton() == Ctl::Count ? 0 : MAKELONG(ControlId(DefaultButton()), DC_HASDEFID);
    case WM_SIZE: SendMessageW(w_.H(Ctl::Status), WM_SIZE, 0, 0); return 0;
    case kWmDpiChanged: OnDpiChanged(ReadDpiChange(wp, lp)); return 0;
    case WM_PAINT: OnPaint(); return 0;
    case WM_ACTIVATE: return OnActivate(wp, lp);
    case WM_HSCROLL: OnSliderScroll(LOWORD(wp), reinterpret_cast<HWND>(lp)); return 0;
    case WM_RBUTTONDOWN: form_.MouseDown(Ctl::Count, 2); return 0;
    case WM_LBUTTONDOWN: form_.MouseDown(Ctl::Count, 1); return 0;
    case WM_MBUTTONDOWN: form_.MouseDown(Ctl::Count, 4); return 0;
    case WM_SYSCOMMAND: return OnSysCommand(wp, lp);
    case WM_CLOSE: OnClose(); return 0;
    case WM_QUERYENDSESSION: return TRUE;
    case WM_ENDSESSION: OnEndSession(wp != FALSE); return 0;
    case kMsgFinish: OnFinish(); return 0;
    case kMsgWayOut: if (WayOutTaken()) UnloadOnce(); return 0;  // a fault or terminate, on any thread
    case kMsgStyleOutcome: form_.translucency().TakeOutcomes(); return 0;
    case WM_DESTROY: OnDestroy(); return 0;
    case WM_NCDESTROY: OnNcDestroy(); return 0;
    default: return Default(msg, wp, lp);
  }
}

LRESULT MainWindow::OnCreate() {
  w_.main = hwnd();
  loops_.SetMainWindow(hwnd());
  SetWayOutWindow(hwnd());
  // Made on a screen of another resolution than the system's: fonts for it before any control.
  if (const int dpi = WindowDpi(hwnd()); dpi != res_.Dpi()) (void)res_.Rescale(dpi);
  SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(res_.AppIcon(false)));
  SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(res_.AppIcon(true)));
  if (!CreateMenus() || !CreateControls()) return -1;
  for (Ctl front : kFramesInFront)
    SetWindowPos(w_.H(front), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  // Send's mouse moves pop up its hint: a hook in front of its own procedure.
  if (!Subclass::Attach(w_.H(Ctl::Send), SendButtonHook, this)) {
    Fail(W(kStartFailed));
    return -1;
  }
  live_.Opened();
  tip_.Attach(w_.H(Ctl::Slider));
  tip_.SetDpi(res_.Dpi());
  form_.Load();
  return 0;
}

// A row of the table as the builder makes it: a frame holds its caption's colour.
ControlArgs MainWindow::ArgsFor(const ControlRow<Ctl>& desc) {
  const int index = static_cast<int>(desc.id);
  const ControlRow<int> row = ByPlace(desc), previous = index ? ByPlace(ControlTable()[index - 1]) : row;
  ControlArgs args = ArgsOf(row, index ? &previous : nullptr, ControlId(desc.id));
  if (desc.kind == Kind::Frame) {
    frames_.push_back(std::make_unique<FrameContainer>(desc.colour ? ToColorRef(*desc.colour) : CLR_INVALID));
    args.registerClass = &FrameContainer::Register;
    args.object = frames_.back().get();
  }
  return args;
}

bool MainWindow::CreateControls() {
  w_.bounds = DesignBounds();
  args_.clear();
  for (const ControlRow<Ctl>& desc : ControlTable()) args_.push_back(ArgsFor(desc));
  const MainWindowLayout layout = Layout();
  if (!BuildControls(hwnd(), args_, layout.controls, res_.fonts(), w_.controls))
    return Fail(W(kWindowNotCreated));
  SetUpStatusBar(layout);  // its parts before the picture of the first
  const SetUpNeeds needs{res_.Dpi(), [this](Picture p, int) { return res_.StatusIcon(p); }};
  for (const ControlRow<Ctl>& desc : ControlTable()) {
    const int i = static_cast<int>(desc.id);
    if (!SetUpControl(ByPlace(desc), w_.controls[i], layout.controls[i], needs))
      return Fail(W(kWindowNotCreated));
  }
  return true;
}

MainWindowLayout MainWindow::Layout() const {
  return LayOutMainWindow(w_.bounds, res_.Dpi(), GetSystemMetrics(SM_CYBORDER));
}

void MainWindow::SetUpStatusBar(const MainWindowLayout& layout) {
  HWND bar = w_.H(Ctl::Status);
  int parts[2] = {layout.panelRightEdges[0], layout.panelRightEdges[1]};
  SendMessageW(bar, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
  SendMessageW(bar, SB_SETMINHEIGHT, static_cast<WPARAM>(layout.statusMinHeight), 0);
  SendMessageW(bar, WM_SIZE, 0, 0);  // it docks itself at the bottom at that height
}

// The window went to a screen of another resolution (per-monitor awareness, Windows 8.1 and
// later): fonts for it, every control again from where it stands now in twips (so the panel
// stays as it is), and the frame the system suggests, or the client area sized for the new
// resolution where no suggestion can be trusted.
void MainWindow::OnDpiChanged(const DpiChange& change) {
  const int dpi = change.dpi;
  if (dpi <= 0) return;
  const Resources::Fonts old = res_.Rescale(dpi);  // kept until no control uses them
  const MainWindowLayout layout = Layout();
  PlaceControls(args_, w_.controls, layout.controls, res_.fonts());
  SetUpStatusBar(layout);
  tip_.SetDpi(dpi);
  FrameAfterDpiChange(hwnd(), change.suggested, layout.clientWidth, layout.clientHeight);
  InvalidateRect(hwnd(), nullptr, TRUE);  // the corner picture at its new size
}

bool MainWindow::CreateMenus() {
  w_.menuBar = CreateMenu();
  if (!w_.menuBar) return Fail(W(kStartFailed));
  for (const MenuDesc& m : MenuTable()) {
    const bool hasItems = std::any_of(MenuTable().begin(), MenuTable().end(),
                                      [&](const MenuDesc& c) { return c.parent == m.id; });
    if (m.parent) {
      AppendMenuW(w_.popups[static_cast<int>(*m.parent)], MF_STRING, MenuId(m.id), W(m.caption));
    } else if (!hasItems) {
      AppendMenuW(w_.menuBar, MF_STRING, MenuId(m.id), W(m.caption));
    } else {
      HMENU popup = CreatePopupMenu();
      if (!popup) return Fail(W(kStartFailed));
      w_.popups[static_cast<int>(m.id)] = popup;
      if (m.onMenuBar)
        AppendMenuW(w_.menuBar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup), W(m.caption));
      else
        sendMenu_.reset(popup);  // hidden: only ever popped up
    }
  }
  SetMenu(hwnd(), w_.menuBar);
  return true;
}

void MainWindow::OnCommand(WPARAM wp, LPARAM lp) {
  const int id = LOWORD(wp);
  if (lp == 0 && id >= kFirstMenuId && id < MenuId(Menu::Count)) {
    form_.MenuClick(static_cast<Menu>(id - kFirstMenuId));
  } else if (id >= kFirstControlId<Ctl> && id < ControlId(Ctl::Count) && HIWORD(wp) == BN_CLICKED) {
    ClickControl(static_cast<Ctl>(id - kFirstControlId<Ctl>));
  }
  // "終了": every window of the program goes at once, once the loops below have unwound.
  if (form_.ExitRequested()) loops_.Request(LoopRule::Ending::Exit);
}

void MainWindow::ClickControl(Ctl c) {
  HWND h = w_.H(c);
  if (!IsWindowEnabled(h)) return;  // a disabled control takes no input
  if (Describe(c).kind == Kind::CheckPush)
    SendMessageW(h, BM_SETCHECK, port_.Value(c) ? BST_UNCHECKED : BST_CHECKED, 0);
  form_.Click(c);
}

void MainWindow::OnTimer(WPARAM id) {
  if (loops_.Closing()) return;  // nothing new starts while the program is on its way out
  if (id == kTimer1) form_.Timer1Tick();
  if (id == kTimer2) form_.Timer2Tick();
}

LRESULT MainWindow::OnCtlColor(HDC dc, HWND control, UINT msg) {
  const Ctl c = w_.CtlOf(control);
  if (c == Ctl::Count) return ColourControl(dc, control, msg, std::nullopt, false);
  const ControlRow<Ctl>& desc = Describe(c);
  return ColourControl(dc, control, msg, desc.colour, FactsOf(desc.kind).isEdit);
}

LRESULT MainWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
  const Ctl c = w_.CtlOf(item.hwndItem);
  if (c == Ctl::Count || Describe(c).kind != Kind::CheckPush) return FALSE;
  const ControlRow<Ctl>& desc = Describe(c);
  DrawPushCheck(item, desc.colour ? ToColorRef(*desc.colour) : GetSysColor(COLOR_BTNTEXT), res_.FontFor(desc.font));
  return TRUE;
}

// The program's picture in the free corner at the top left, behind the controls.
void MainWindow::OnPaint() {
  PaintScope paint(hwnd());
  if (!res_.Corner()) return;
  MemoryDc mem(paint.dc());
  Selection picture(mem.get(), res_.Corner());
  BitBlt(paint.dc(), 0, 0, res_.CornerPx(), res_.CornerPx(), mem.get(), 0, 0, SRCCOPY);
}

LRESULT MainWindow::OnActivate(WPARAM wp, LPARAM lp) {
  if (LOWORD(wp) == WA_INACTIVE) {
    focus_.Deactivated();
    return Default(WM_ACTIVATE, wp, lp);
  }
  // Back in front: the focus returns where it was, or where a user can still reach.
  port_.RestoreFocus(focus_.Saved());
  return 0;
}

// Closing through the system menu takes the same road as WM_CLOSE, also while a box of ours
// has the window disabled (the default handling ignores a disabled window's commands).
LRESULT MainWindow::OnSysCommand(WPARAM wp, LPARAM lp) {
  if ((wp & 0xFFF0) == SC_CLOSE) {
    OnClose();
    return 0;
  }
  return Default(WM_SYSCOMMAND, wp, lp);
}

void MainWindow::OnClose() { loops_.Request(LoopRule::Ending::Close); }

// The system may end the process as soon as this returns: the unload (which undoes the
// translucency) cannot wait for the loops to unwind.
void MainWindow::OnEndSession(bool ending) {
  if (!ending) return;
  loops_.Request(LoopRule::Ending::Close);
  UnloadOnce();
}

void MainWindow::OnFinish() {
  switch (loops_.Due()) {
    case LoopRule::Ending::Close: DestroyWindow(hwnd()); break;
    case LoopRule::Ending::Exit:
      UnloadOnce();
      ExitProcess(0);
    case LoopRule::Ending::None: break;
  }
}

void MainWindow::UnloadOnce() {
  form_.Unload();  // the main form runs it once, whichever way out comes first
}

// The slider applies its value once the mouse lets go of it: one click or one drag, one
// application. Moves made with the keyboard apply nothing.
void MainWindow::OnSliderScroll(int code, HWND from) {
  if (from != w_.H(Ctl::Slider)) return;
  if (code == TB_ENDTRACK) {
    tip_.Hide();
    if (std::exchange(sliderByMouse_, false)) form_.Click(Ctl::Slider);
    return;
  }
  if (code == TB_THUMBTRACK || code == TB_THUMBPOSITION || GetKeyState(VK_LBUTTON) < 0) sliderByMouse_ = true;
  // The value under the thumb now, not the readout's last tick, which may be 100 ms behind.
  if (code == TB_THUMBTRACK)
    tip_.Show(W(SliderReadout(static_cast<int>(SendMessageW(from, TBM_GETPOS, 0, 0)))));
}

// Send's mouse moves go to the behaviour, which pops up the hint; the rest to the button.
LRESULT MainWindow::SendButtonHook(void* context, HWND button, UINT msg, WPARAM wp, LPARAM lp, WNDPROC own) noexcept {
  auto* self = static_cast<MainWindow*>(context);
  if (msg == WM_MOUSEMOVE && lp != self->sendLastMove_) {
    self->sendLastMove_ = lp;
    self->form_.SendMouseMove();
    return 0;
  }
  if (msg == WM_MOUSELEAVE || msg == WM_CAPTURECHANGED) self->sendLastMove_ = -1;
  return Subclass::CallOwn(own, button, msg, wp, lp);
}

void MainWindow::OnDestroy() {
  KillTimer(hwnd(), kTimer1);
  KillTimer(hwnd(), kTimer2);
  tip_.Destroy();
  UnloadOnce();
  live_.Closed();  // the process ends with the program's last window
}

void MainWindow::OnNcDestroy() {
  loops_.SetMainWindow(nullptr);
  SetWayOutWindow(nullptr);  // the unload has run at WM_DESTROY
  w_.Clear();  // nothing reaches the destroyed controls through the form port from here on
}

}  // namespace sorelka::shell
