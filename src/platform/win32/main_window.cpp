#include "main_window.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "dynamic_api.h"
#include "live_windows_win32.h"
#include "push_check.h"
#include "resource_ids.h"

namespace sorelka::win32 {

namespace {

constexpr UINT_PTR kTimer1 = 1, kTimer2 = 2;
constexpr int kTimer1Ms = 50, kTimer2Ms = 100;
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

struct FontDef {
  const wchar_t* face;
  int pointsX100;
};
// Indexed by Font.
constexpr FontDef kFonts[] = {
    {L"ＭＳ Ｐゴシック", 900}, {L"ＭＳ Ｐゴシック", 825}, {L"MS UI Gothic", 825}, {L"MS UI Gothic", 900}};

COLORREF ToColorRef(const Colour& c) { return RGB(c.r, c.g, c.b); }

bool IsButtonKind(Kind k) {
  return k == Kind::CheckBox || k == Kind::CheckPush || k == Kind::Option;
}

}  // namespace

void MainWindow::RegisterClass(HINSTANCE instance) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = Proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = kMainClass;
  wc.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON, 32, 32, 0));
  wc.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON, 16, 16, 0));
  RegisterClassExW(&wc);
  RegisterFrameClass(instance);
}

bool MainWindow::Create(HINSTANCE instance) {
  {
    WindowDc screen(nullptr);
    dpi_ = GetDeviceCaps(screen.get(), LOGPIXELSY);
  }
  RECT rc{0, 0, Px(kClientWidthTwips), Px(kClientHeightTwips)};
  AdjustWindowRectEx(&rc, kWindowStyle, TRUE, WS_EX_CONTROLPARENT);
  HWND hwnd = CreateWindowExW(WS_EX_CONTROLPARENT, kMainClass, W(kWindowCaption), kWindowStyle, CW_USEDEFAULT,
                              CW_USEDEFAULT, rc.right - rc.left, rc.bottom - rc.top, nullptr, nullptr, instance,
                              this);
  return hwnd != nullptr;
}

void MainWindow::Show(int showCommand) {
  // The menu bar may wrap or differ in height: make the client area exact once it is there.
  RECT client{0, 0, Px(kClientWidthTwips), Px(kClientHeightTwips)};
  RECT rc = client;
  AdjustWindowRectEx(&rc, kWindowStyle, FALSE, WS_EX_CONTROLPARENT);
  RECT actual;
  GetClientRect(hwnd_, &actual);
  RECT win;
  GetWindowRect(hwnd_, &win);
  int extraH = client.bottom - actual.bottom, extraW = client.right - actual.right;
  if (extraH || extraW)
    SetWindowPos(hwnd_, nullptr, 0, 0, win.right - win.left + extraW, win.bottom - win.top + extraH,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(hwnd_, showCommand);
  UpdateWindow(hwnd_);
  SetTimer(hwnd_, kTimer1, kTimer1Ms, nullptr);
  SetTimer(hwnd_, kTimer2, kTimer2Ms, nullptr);
  // The first control in tab order that can take the focus starts with it, as in a dialog.
  for (Ctl c : TabOrder())
    if (CanFocus(c)) {
      SetFocus(H(c));
      break;
    }
}

LRESULT CALLBACK MainWindow::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
  MainWindow* self = nullptr;
  if (msg == WM_NCCREATE) {
    self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  }
  if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    return DefWindowProcW(hwnd, msg, wp, lp);
  }
  return self->Handle(msg, wp, lp);
}

LRESULT MainWindow::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CREATE: OnCreate(); return 0;
    case WM_COMMAND: OnCommand(wp, lp); return 0;
    case WM_TIMER:
      if (wp == kTimer1) form_.Timer1Tick();
      if (wp == kTimer2) form_.Timer2Tick();
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT: return OnCtlColor(reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp), msg);
    case WM_DRAWITEM: OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp)); return TRUE;
    case DM_GETDEFID: return MAKELONG(kFirstControlId + static_cast<int>(Ctl::Send), DC_HASDEFID);
    case WM_SIZE: SendMessageW(H(Ctl::Status), WM_SIZE, 0, 0); return 0;
    case WM_PAINT: OnPaint(); return 0;
    case WM_ACTIVATE:
      if (LOWORD(wp) == WA_INACTIVE) {
        focusBeforeDeactivate_ = GetFocus();
      } else if (focusBeforeDeactivate_ && IsChild(hwnd_, focusBeforeDeactivate_)) {
        SetFocus(focusBeforeDeactivate_);
        return 0;
      }
      break;
    case WM_RBUTTONDOWN: form_.MouseDown(Ctl::Count, 2); return 0;
    case WM_LBUTTONDOWN: form_.MouseDown(Ctl::Count, 1); return 0;
    case WM_MBUTTONDOWN: form_.MouseDown(Ctl::Count, 4); return 0;
    case WM_DESTROY: OnDestroy(); return 0;
    default: break;
  }
  return DefWindowProcW(hwnd_, msg, wp, lp);
}

void MainWindow::OnCreate() {
  CreateFonts();
  HINSTANCE instance = GetModuleHandleW(nullptr);
  const int iconIds[3] = {IDI_MESSENGER, IDI_CHAT, IDI_INFO};
  for (int i = 0; i < 3; ++i)
    statusIcons_[i].reset(
        static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(iconIds[i]), IMAGE_ICON, 16, 16, 0)));
  appIconSmall_.reset(static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON, 16, 16, 0)));
  appIconBig_.reset(static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON, 32, 32, 0)));
  SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(appIconSmall_.get()));
  SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(appIconBig_.get()));
  corner_.reset(static_cast<HBITMAP>(
      LoadImageW(instance, MAKEINTRESOURCEW(IDB_CORNER), IMAGE_BITMAP, Px(480), Px(480), 0)));
  CreateMenus();
  LiveWindowOpened();
  for (const ControlDesc& desc : ControlTable()) CreateControl(desc);
  // Frame4 lies in front of Frame1, which it covers in the collapsed layout.
  SetWindowPos(H(Ctl::Frame4), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  form_.Load();
}

void MainWindow::CreateFonts() {
  for (std::size_t i = 0; i < fonts_.size(); ++i)
    fonts_[i].reset(CreateFontW(-MulDiv(kFonts[i].pointsX100, dpi_, 7200), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                DEFAULT_PITCH | FF_DONTCARE, kFonts[i].face));
}

void MainWindow::CreateControl(const ControlDesc& desc) {
  const int index = static_cast<int>(desc.id);
  bounds_[index] = {desc.left, desc.top, desc.width, desc.height};
  HWND parent = desc.container ? H(*desc.container) : hwnd_;
  RECT px{Px(desc.left), Px(desc.top), Px(desc.left) + Px(desc.width), Px(desc.top) + Px(desc.height)};
  const wchar_t* caption = desc.caption ? W(desc.caption) : L"";
  const HMENU id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + index));
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (desc.visible ? WS_VISIBLE : 0);
  DWORD exStyle = 0;
  const wchar_t* cls = L"BUTTON";

  // Each option group starts a Win32 group; every other control closes the one before it.
  bool firstOfGroup = desc.group == 0 || index == 0 || ControlTable()[index - 1].group != desc.group;
  if (firstOfGroup) style |= WS_GROUP;

  switch (desc.kind) {
    case Kind::Frame: {
      frameLooks_[index] = {desc.colour ? ToColorRef(*desc.colour) : CLR_INVALID, FontFor(desc.font)};
      controls_[index] = CreateFrame(parent, kFirstControlId + index, desc.caption ? caption : nullptr,
                                     &frameLooks_[index], px);
      return;
    }
    case Kind::CheckBox: style |= BS_AUTOCHECKBOX | WS_TABSTOP; break;
    case Kind::CheckPush: style |= BS_OWNERDRAW | WS_TABSTOP; break;
    case Kind::Option: style |= BS_AUTORADIOBUTTON | WS_TABSTOP; break;
    case Kind::Button:
      style |= WS_TABSTOP | (desc.id == Ctl::Send ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
      break;
    case Kind::ButtonGraphical: style |= BS_PUSHBUTTON | WS_TABSTOP; break;
    case Kind::Label: cls = L"STATIC"; style |= SS_LEFT | SS_NOPREFIX; break;
    case Kind::LabelCentered: cls = L"STATIC"; style |= SS_CENTER | SS_NOPREFIX; break;
    case Kind::TextCentered:
      cls = L"EDIT";
      style |= ES_CENTER | ES_AUTOHSCROLL | WS_TABSTOP;
      exStyle |= WS_EX_CLIENTEDGE;
      break;
    case Kind::TextMulti:
      cls = L"EDIT";
      style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP;
      exStyle |= WS_EX_CLIENTEDGE;
      break;
    case Kind::StatusBar: cls = STATUSCLASSNAMEW; style = WS_CHILD | WS_VISIBLE; break;
    case Kind::Image: cls = L"STATIC"; style |= SS_ICON; caption = L""; break;
    case Kind::Slider: cls = TRACKBAR_CLASSW; style |= TBS_HORZ | TBS_AUTOTICKS | WS_TABSTOP; break;
  }

  HWND h = CreateWindowExW(exStyle, cls, caption, style, px.left, px.top, px.right - px.left, px.bottom - px.top,
                           parent, id, GetModuleHandleW(nullptr), nullptr);
  controls_[index] = h;
  SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(desc.font)), FALSE);

  // Themed buttons ignore text colours: coloured captions need the classic look.
  if (desc.colour && IsButtonKind(desc.kind)) DisableTheme(h);
  switch (desc.kind) {
    case Kind::CheckPush: MakePushCheck(h); break;
    case Kind::CheckBox:
    case Kind::Option: SendMessageW(h, BM_SETCHECK, desc.value ? BST_CHECKED : BST_UNCHECKED, 0); break;
    case Kind::TextMulti: SendMessageW(h, EM_SETLIMITTEXT, 0, 0); break;  // as much as the user pastes
    case Kind::TextCentered:
      // The insert goes around every character of a line: keep it a decoration, not a document.
      if (desc.id == Ctl::PlusWord) SendMessageW(h, EM_SETLIMITTEXT, kPlusWordMaxLength, 0);
      break;
    case Kind::Slider:
      SendMessageW(h, TBM_SETRANGE, FALSE, MAKELPARAM(30, 255));
      SendMessageW(h, TBM_SETPOS, TRUE, desc.value);
      break;
    case Kind::Image: {
      int icon = static_cast<int>(desc.id) - static_cast<int>(Ctl::StatusIcon0);
      SendMessageW(h, STM_SETICON, reinterpret_cast<WPARAM>(statusIcons_[icon].get()), 0);
      break;
    }
    case Kind::StatusBar: {
      int parts[2] = {Px(kPanelWidthsTwips[0]), Px(kPanelWidthsTwips[0]) + Px(kPanelWidthsTwips[1])};
      SendMessageW(h, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
      SendMessageW(h, SB_SETMINHEIGHT, Px(desc.height) - 2 * GetSystemMetrics(SM_CYBORDER), 0);
      SendMessageW(h, WM_SIZE, 0, 0);
      // Before the first choice the bar shows only the information picture.
      SendMessageW(h, SB_SETICON, 0, reinterpret_cast<LPARAM>(statusIcons_[2].get()));
      break;
    }
    default: break;
  }
}

void MainWindow::CreateMenus() {
  menuBar_ = CreateMenu();
  for (const MenuDesc& m : MenuTable()) {
    const UINT id = kFirstMenuId + static_cast<int>(m.id);
    const bool hasItems = std::any_of(MenuTable().begin(), MenuTable().end(),
                                      [&](const MenuDesc& c) { return c.parent == m.id; });
    if (!m.parent) {
      if (hasItems) {
        HMENU popup = CreatePopupMenu();
        menuHandles_[static_cast<int>(m.id)] = popup;
        if (m.onMenuBar)
          AppendMenuW(menuBar_, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup), W(m.caption));
        else
          sendMenu_.reset(popup);  // hidden: only ever popped up
      } else {
        AppendMenuW(menuBar_, MF_STRING, id, W(m.caption));
      }
    } else {
      AppendMenuW(menuHandles_[static_cast<int>(*m.parent)], MF_STRING, id, W(m.caption));
    }
  }
  SetMenu(hwnd_, menuBar_);
}

int MainWindow::CtlOf(HWND h) const {
  for (int i = 0; i < kControlCount; ++i)
    if (controls_[i] == h) return i;
  return -1;
}

void MainWindow::OnCommand(WPARAM wp, LPARAM lp) {
  const int id = LOWORD(wp);
  if (lp == 0 && id >= kFirstMenuId && id < kFirstMenuId + static_cast<int>(Menu::Count)) {
    form_.MenuClick(static_cast<Menu>(id - kFirstMenuId));
  } else if (id >= kFirstControlId && id < kFirstControlId + kControlCount && HIWORD(wp) == BN_CLICKED) {
    const Ctl c = static_cast<Ctl>(id - kFirstControlId);
    if (!IsWindowEnabled(H(c))) return;  // a disabled control takes no input
    if (Describe(c).kind == Kind::CheckPush)
      SendMessageW(H(c), BM_SETCHECK, Value(c) ? BST_UNCHECKED : BST_CHECKED, 0);
    form_.Click(c);
  }
  if (form_.ExitRequested()) ExitProcess(0);  // "終了": every window of the program goes at once
}

LRESULT MainWindow::OnCtlColor(HDC dc, HWND control, UINT msg) {
  const int i = CtlOf(control);
  const bool isEdit = i >= 0 && (Describe(static_cast<Ctl>(i)).kind == Kind::TextCentered ||
                                 Describe(static_cast<Ctl>(i)).kind == Kind::TextMulti);
  if (i >= 0 && Describe(static_cast<Ctl>(i)).colour && IsWindowEnabled(control))
    SetTextColor(dc, ToColorRef(*Describe(static_cast<Ctl>(i)).colour));
  if (msg == WM_CTLCOLOREDIT) {
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
  }
  if (isEdit) SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));  // a disabled box
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

void MainWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
  const int i = CtlOf(item.hwndItem);
  if (i < 0 || Describe(static_cast<Ctl>(i)).kind != Kind::CheckPush) return;
  const ControlDesc& desc = Describe(static_cast<Ctl>(i));
  DrawPushCheck(item, desc.colour ? ToColorRef(*desc.colour) : GetSysColor(COLOR_BTNTEXT), FontFor(desc.font));
}

// The program's picture in the free corner at the top left, behind the controls.
void MainWindow::OnPaint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  if (corner_) {
    HDC mem = CreateCompatibleDC(dc);
    {
      Selection sel(mem, corner_.get());
      BitBlt(dc, 0, 0, Px(480), Px(480), mem, 0, 0, SRCCOPY);
    }
    DeleteDC(mem);
  }
  EndPaint(hwnd_, &ps);
}

void MainWindow::OnDestroy() {
  KillTimer(hwnd_, kTimer1);
  KillTimer(hwnd_, kTimer2);
  form_.Unload();
  LiveWindowClosed();  // the process ends with the program's last window
}

}  // namespace sorelka::win32
