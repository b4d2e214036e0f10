// The program's fonts: one table of faces and sizes, made for a resolution. Every window of
// the program takes its fonts from here, and so does the footprint bench's baseline window
// (bench/wine/baseline_window.cpp), so the baseline cannot drift from the program.
#pragma once
#include <windows.h>
#include "shell_namespace.h"

#include <array>
#include <iterator>
#include <utility>

#include "app/controls.h"
#include "win32/handles.h"

namespace sorelka::shell {

struct FontFace {
  const wchar_t* face;
  int pointsX100;
};
// By Font.
inline constexpr FontFace kFontFaces[] = {
    {L"ＭＳ Ｐゴシック", 900}, {L"ＭＳ Ｐゴシック", 825}, {L"MS UI Gothic", 825}, {L"MS UI Gothic", 900}};
static_assert(std::size(kFontFaces) == kFontCount);

inline const FontFace& FaceOf(Font f) { return kFontFaces[static_cast<int>(f)]; }

// The font at `dpi`; the caller owns it.
inline HFONT MakeFont(Font f, int dpi) {
  const FontFace& face = FaceOf(f);
  return CreateFontW(-MulDiv(face.pointsX100, dpi, 7200), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.face);
}

// Every font of the table, made for one resolution and owned here.
class FontSet {
 public:
  using Fonts = std::array<ScopedFont, kFontCount>;

  FontSet() = default;  // none made yet
  explicit FontSet(int dpi) { Make(dpi); }
  int Dpi() const { return dpi_; }
  HFONT Get(Font f) const { return fonts_[static_cast<int>(f)].get(); }
  // The fonts for another resolution. The old ones are handed back, to live until no control
  // uses them.
  [[nodiscard]] Fonts Rescale(int dpi) {
    Fonts old = std::move(fonts_);
    Make(dpi);
    return old;
  }
  void Clear() { fonts_ = Fonts{}; }

 private:
  void Make(int dpi) {
    dpi_ = dpi;
    for (int i = 0; i < kFontCount; ++i) fonts_[i].reset(MakeFont(static_cast<Font>(i), dpi));
  }

  int dpi_ = 96;
  Fonts fonts_;
};

}  // namespace sorelka::shell
