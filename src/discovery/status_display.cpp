#include "discovery/status_display.h"

#include <cstddef>
#include <iterator>

namespace sorelka {

namespace {
struct KindStatus {
  const char16_t* text;  // panel 1
  int icon;              // StatusIcon index
};
// Indexed by ChatTarget::Kind.
constexpr KindStatus kKindStatus[] = {
    {u"メッセンジャー", 0},          // KindMessenger
    {u"M$Nチャット ", 1},            // KindChat; the trailing space is part of the text
    {u"不明なアプリケーション", 2},  // KindUnknown
};
constexpr const char16_t* kSelectedPhrase = u"　を選択しました。";
}  // namespace

void ShowTargetStatus(FormPort& form, const ChatTarget& target) {
  // A kind without a row leaves panel 1 as it was rather than guess at a name.
  // (A negative kind wraps to a huge index and fails the same test.)
  if (static_cast<std::size_t>(target.Kind) < std::size(kKindStatus)) {
    const KindStatus& row = kKindStatus[target.Kind];
    form.SetPanelText(1, row.text);
    form.SetPanelIcon(1, row.icon);
  }
  form.SetPanelText(2, target.Title);
  form.SetPanelText(2, form.PanelText(2) + kSelectedPhrase);
}

}  // namespace sorelka
