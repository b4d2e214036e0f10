// The status bar: panel 1 names the kind of the chosen window, panel 2 the window itself.
#include <cstddef>
#include <iterator>

#include "app/main_form.h"

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

void MainForm::ShowTargetStatus(const ChatTarget& target) {
  // A kind without a row leaves panel 1 as it was rather than guess at a name.
  // (A negative kind wraps to a huge index and fails the same test.)
  if (static_cast<std::size_t>(target.Kind) < std::size(kKindStatus)) {
    const KindStatus& row = kKindStatus[target.Kind];
    form_.SetPanelText(1, row.text);
    form_.SetPanelIcon(1, row.icon);
  }
  form_.SetPanelText(2, target.Title);
  form_.SetPanelText(2, form_.PanelText(2) + kSelectedPhrase);
}

}  // namespace sorelka
