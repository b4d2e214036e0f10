#include "ui_font.h"

namespace {

int CALLBACK NoteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

bool FaceInstalled(HDC dc, const wchar_t* face) {
  LOGFONTW lf{};
  lf.lfCharSet = SHIFTJIS_CHARSET;
  lstrcpynW(lf.lfFaceName, face, LF_FACESIZE);
  bool found = false;
  EnumFontFamiliesExW(dc, &lf, NoteFound, reinterpret_cast<LPARAM>(&found), 0);
  return found;
}

BOOL CALLBACK SetFontOnChild(HWND child, LPARAM font) {
  SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), FALSE);
  return TRUE;
}

}  // namespace

sorelka::win32::ScopedFont CreateJapaneseUiFont() {
  static const wchar_t* const kFaces[] = {
      L"MS UI Gothic", L"Meiryo UI",  L"ＭＳ Ｐゴシック", L"IPAPGothic",
      L"IPAGothic",    L"VL PGothic", L"Takao PGothic",   L"Noto Sans CJK JP",
  };
  sorelka::win32::WindowDc screenDc(nullptr);
  HDC screen = screenDc.get();
  const wchar_t* chosen = nullptr;
  for (const wchar_t* face : kFaces) {
    if (FaceInstalled(screen, face)) {
      chosen = face;
      break;
    }
  }
  // 9 points at the screen's resolution, the size Japanese dialogs use.
  const int height = -MulDiv(9, GetDeviceCaps(screen, LOGPIXELSY), 72);
  if (!chosen) return {};
  return sorelka::win32::ScopedFont(CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                DEFAULT_PITCH | FF_DONTCARE, chosen));
}

void ApplyFont(HWND root, HFONT font) {
  if (!font) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  SendMessageW(root, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  EnumChildWindows(root, SetFontOnChild, reinterpret_cast<LPARAM>(font));
}
