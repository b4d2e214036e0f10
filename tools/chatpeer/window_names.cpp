#include "window_names.h"

#include <cwchar>

namespace {

const wchar_t kBrowserSuffix[] = L" - Microsoft Internet Explorer";

std::wstring Numbered(const PeerOptions& o, int index, const std::wstring& base,
                      const std::wstring& suffix) {
  if (o.count <= 1) return base + suffix;
  return base + L" " + std::to_wstring(index + 1) + suffix;
}

// A title given on the command line is used as it is; several windows get " (n)" after it.
std::wstring Given(const PeerOptions& o, int index) {
  if (o.count <= 1) return o.title;
  return o.title + L" (" + std::to_wstring(index + 1) + L")";
}

}  // namespace

std::wstring ChatTitle(const PeerOptions& o, int index) {
  if (!o.title.empty()) return Given(o, index);
  return Numbered(o, index, L"チャットルーム", kBrowserSuffix);
}

std::wstring RoomName(const PeerOptions& o, int index) {
  if (!o.room.empty()) return Numbered(o, index, o.room, L"");
  wchar_t name[32];
  std::swprintf(name, 32, L"ロビー%02d", index + 1);
  return name;
}

std::wstring MessengerTitle(const PeerOptions& o, int index) {
  if (!o.title.empty()) return Given(o, index);
  return Numbered(o, index, L"山田", L" - 会話");
}

std::wstring PlainPageTitle(const PeerOptions& o, int index) {
  if (!o.title.empty()) return Given(o, index);
  return Numbered(o, index, L"ふつうのページ", kBrowserSuffix);
}
