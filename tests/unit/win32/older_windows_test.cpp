// The older systems' way, run here: each function the program loads at run time reported
// missing in turn, as on Windows 2000 (no GetLayeredWindowAttributes, no SetWindowTheme) and on
// every Windows before 10 (no GetDpiForWindow). Built only as a Windows program.
#include <gtest/gtest.h>

#include "desktop_win32.h"
#include "fakes/fake_form.h"
#include "translucency/translucency.h"
#include "win32/dynamic_api.h"

namespace sorelka::shell {
namespace {

constexpr UINT kThemeChanged = 0x031A;  // WM_THEMECHANGED, beyond the oldest system's headers
int themeChanges = 0;

LRESULT CALLBACK CountThemeChanges(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == kThemeChanged) ++themeChanges;
  return DefWindowProcW(h, msg, wp, lp);
}

// A window of the test's own thread.
struct Window {
  explicit Window(DWORD exStyle = 0) {
    static const ATOM cls = [] {
      WNDCLASSW wc{};
      wc.lpfnWndProc = CountThemeChanges;
      wc.hInstance = GetModuleHandleW(nullptr);
      wc.lpszClassName = L"SorelkaOlderWindowsTest";
      return RegisterClassW(&wc);
    }();
    h = CreateWindowExW(exStyle, MAKEINTATOM(cls), L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                        GetModuleHandleW(nullptr), nullptr);
  }
  ~Window() { DestroyWindow(h); }
  HWND h;
};

BYTE AlphaOf(HWND h) {
  BYTE alpha = 0;
  GetLayeredWindowAttributes(h, nullptr, &alpha, nullptr);
  return alpha;
}

TEST(OlderWindows, AWindowWhoseAlphaCannotBeReadIsLeftAlone) {
  Window w(WS_EX_LAYERED);
  ASSERT_TRUE(w.h) << GetLastError();
  ASSERT_TRUE(SetLayeredWindowAttributes(w.h, 0, 200, LWA_ALPHA));
  Win32Desktop desktop;
  testing::FakeForm form;
  Translucency translucency{form, desktop};
  form.SetValue(Ctl::Slider, 100);
  {
    ReportMissing windows2000(LateFunction::GetLayeredWindowAttributes);
    EXPECT_FALSE(desktop.ReadLayering(FromHwnd(w.h)).known);
    translucency.SliderClick(FromHwnd(w.h));  // nothing could put it back: it is not changed
    EXPECT_EQ(AlphaOf(w.h), 200);
    EXPECT_EQ(translucency.ChangedCount(), 0u);
  }
  // Where the alpha can be read, the same click changes it and the reset puts it back.
  translucency.SliderClick(FromHwnd(w.h));
  EXPECT_EQ(AlphaOf(w.h), 100);
  translucency.ResetAll();
  EXPECT_EQ(AlphaOf(w.h), 200);
}

TEST(OlderWindows, WithoutThemesAControlIsLeftAsItWasMade) {
  Window w;
  ASSERT_TRUE(w.h) << GetLastError();
  themeChanges = 0;
  ReportMissing windows2000(LateFunction::SetWindowTheme);
  DisableTheme(w.h);  // nothing to call: the control keeps the look it was made with
  EXPECT_EQ(themeChanges, 0);
  EXPECT_TRUE(IsWindow(w.h));
}

TEST(OlderWindows, WithoutAResolutionPerWindowTheScreensIsUsed) {
  Window w;
  HDC screen = GetDC(nullptr);
  const int screenDpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  ReportMissing beforeWindows10(LateFunction::GetDpiForWindow);
  EXPECT_EQ(WindowDpi(w.h), screenDpi);
  EXPECT_EQ(WindowDpi(nullptr), screenDpi);
}

}  // namespace
}  // namespace sorelka::shell
