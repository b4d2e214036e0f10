// Everything the program loads once: its fonts, icons and the corner picture. Owned here for
// the life of the program; windows and the form port borrow the handles.
#pragma once
#include <windows.h>
#include "shell_namespace.h"

#include <array>

#include "app/controls.h"
#include "fonts.h"
#include "win32/dynamic_api.h"  // ScreenDpi: the resolution the resources are first made for
#include "win32/handles.h"
#include "platform/pixels.h"

namespace sorelka::shell {

class Resources {
 public:
  using Fonts = FontSet::Fonts;

  // Loads everything for the screen's resolution. A missing picture is drawn as none.
  explicit Resources(int dpi);
  int Dpi() const { return dpi_; }
  int Px(int twips) const { return TwipsToPixels(twips, dpi_); }
  // The window moved to a screen of another resolution: fonts and the corner picture for it.
  // The old fonts are handed back, to live until no control uses them.
  [[nodiscard]] Fonts Rescale(int dpi);

  HFONT FontFor(Font f) const { return fonts_.Get(f); }
  const FontSet& fonts() const { return fonts_; }
  HICON StatusIcon(int index) const;  // 0 Messenger, 1 chat, 2 information; null when out of range
  HICON StatusIcon(Picture p) const;  // Messenger, Chat or Unknown (information); null for others
  HICON AppIcon(bool big) const { return big ? appBig_.get() : appSmall_.get(); }
  HBITMAP Corner() const { return corner_.get(); }
  int CornerPx() const { return Px(kCornerTwips); }

 private:
  static constexpr int kCornerTwips = 480;
  void LoadForDpi();

  int dpi_;
  FontSet fonts_;
  std::array<ScopedIcon, 3> statusIcons_;
  ScopedIcon appSmall_, appBig_;
  ScopedBitmap corner_;
};

}  // namespace sorelka::shell
