#include "resources.h"
#include "shell_namespace.h"

#include "resource_ids.h"

#include <utility>

namespace sorelka::shell {

namespace {

HICON LoadIconPx(int id, int px) {
  return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, px, px, 0));
}

}  // namespace

Resources::Resources(int dpi) : dpi_(dpi), fonts_(dpi) {
  LoadForDpi();
  const int iconIds[3] = {IDI_MESSENGER, IDI_CHAT, IDI_INFO};
  for (int i = 0; i < 3; ++i) statusIcons_[i].reset(LoadIconPx(iconIds[i], 16));
  appSmall_.reset(LoadIconPx(IDI_APP, 16));
  appBig_.reset(LoadIconPx(IDI_APP, 32));
}

Resources::Fonts Resources::Rescale(int dpi) {
  dpi_ = dpi;
  LoadForDpi();
  return fonts_.Rescale(dpi);
}

void Resources::LoadForDpi() {
  corner_.reset(static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_CORNER),
                                                IMAGE_BITMAP, CornerPx(), CornerPx(), 0)));
}

HICON Resources::StatusIcon(int index) const {
  return index >= 0 && index < static_cast<int>(statusIcons_.size()) ? statusIcons_[index].get() : nullptr;
}

HICON Resources::StatusIcon(Picture p) const {
  switch (p) {
    case Picture::Messenger: return StatusIcon(0);
    case Picture::Chat: return StatusIcon(1);
    case Picture::Unknown: return StatusIcon(2);
    default: return nullptr;
  }
}

}  // namespace sorelka::shell
