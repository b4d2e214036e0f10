#include "app/controls.h"

#include <algorithm>
#include <iterator>

#include "platform/form_port.h"
#include "translucency/readout.h"

namespace sorelka {

namespace {
constexpr std::optional<Ctl> kWin = std::nullopt;
constexpr int kModes = 1, kSkelTarget = 2;  // option groups
constexpr ControlExtras kDefaultButton{.isDefault = true};
constexpr ControlExtras kInsertLimit{.textLimit = kPlusWordMaxLength};  // a decoration, not a document
constexpr ControlExtras kUnlimited{.textLimit = kNoTextLimit};         // as much as the user pastes
constexpr ControlExtras kSliderRange{.rangeMin = kSliderMin, .rangeMax = kSliderMax};
// Before the first choice the status bar shows only the information picture.
constexpr ControlExtras kInfoPicture{.picture = Picture::Unknown};
}  // namespace

const std::vector<ControlRow<Ctl>>& ControlTable() {
  using K = Kind;
  using F = Font;
  static const std::vector<ControlRow<Ctl>> table = {
      // id, name, kind, container, caption, left, top, width, height, value, colour, font, tab, group, visible, extras
      {Ctl::ActivatCheck, "ActivatCheck", K::CheckPush, kWin, u"常に手前に表示", 3795, 390, 2010, 285, 0, kRed, F::MsPGothic8, 26, 0, true},
      {Ctl::Frame2, "Frame2", K::Frame, kWin, u"送信オプション", 45, 660, 6015, 2010, 0, kBlue, F::WindowDefault, 13, 0, true},
      {Ctl::Status, "Status", K::StatusBar, kWin, u"", 0, 4950, 6060, 315, 0, std::nullopt, F::UiGothic9, -1, 0, true, kInfoPicture},
      {Ctl::Frame4, "Frame4", K::Frame, kWin, nullptr, 75, 2700, 5970, 2280, 0, std::nullopt, F::WindowDefault, 8, 0, true},
      {Ctl::Frame1, "Frame1", K::Frame, kWin, u"ウィンドウの透明化", 15, 3420, 6000, 1560, 0, kBlue, F::WindowDefault, 1, 0, true},
      {Ctl::StatusIcon0, "StatusIcon(0)", K::Image, kWin, nullptr, 300, 0, 240, 240, 0, std::nullopt, F::WindowDefault, -1, 0, false, {.picture = Picture::Messenger}},
      {Ctl::StatusIcon1, "StatusIcon(1)", K::Image, kWin, nullptr, 0, 0, 240, 240, 0, std::nullopt, F::WindowDefault, -1, 0, false, {.picture = Picture::Chat}},
      {Ctl::StatusIcon2, "StatusIcon(2)", K::Image, kWin, nullptr, 555, 0, 240, 240, 0, std::nullopt, F::WindowDefault, -1, 0, false, kInfoPicture},
      {Ctl::Label3, "Label3", K::LabelCentered, kWin, u"Windows 2000,XP + InternetExplorer でしか動かないのれす。。。", 570, 105, 4980, 225, 0, kBlue, F::WindowDefault, 18, 0, true},

      {Ctl::Footer, "Footer", K::CheckBox, Ctl::Frame2, u"送信する文字の最後に付加", 465, 450, 2400, 225, 0, kPurple, F::MsPGothic8, 14, 0, true},
      {Ctl::Header, "Header", K::CheckBox, Ctl::Frame2, u"送信する文字の先頭に付加", 465, 225, 2250, 225, 0, kPurple, F::UiGothic8, 15, 0, true},
      {Ctl::PlusWord, "PlusWord", K::TextCentered, Ctl::Frame2, u"(^。^)", 3405, 495, 1530, 270, 0, kBlue, F::WindowDefault, 16, 0, true, kInsertLimit},
      {Ctl::Label2_1, "Label2(1)", K::LabelCentered, Ctl::Frame2, u"付加する文字列", 3390, 300, 1260, 195, 0, kPurple, F::UiGothic8, 17, 0, true},
      {Ctl::Default, "Default", K::Option, Ctl::Frame2, u"一行逆さ文字を送信", 675, 1605, 1920, 255, 1, kGreen, F::UiGothic9, 19, kModes, true},
      {Ctl::SAKASA, "SAKASA", K::Option, Ctl::Frame2, u"複数行逆さ文字を送信", 675, 1335, 2070, 225, 0, kGreen, F::UiGothic9, 20, kModes, true},
      {Ctl::AA, "AA", K::Option, Ctl::Frame2, u"アスキーアートを送信", 675, 1035, 1830, 255, 0, kGreen, F::UiGothic9, 21, kModes, true},
      {Ctl::Limit, "Limit", K::CheckBox, Ctl::Frame2, u"リミッター解除（Chatのみ）", 3300, 1125, 2070, 315, 0, kRed, F::UiGothic8, 22, 0, true},
      {Ctl::Wait, "Wait", K::TextCentered, Ctl::Frame2, u"500", 3525, 1650, 1215, 240, 0, kRed, F::WindowDefault, 23, 0, true},
      {Ctl::Label4, "Label4", K::Label, Ctl::Frame2, u"連続送信時間（ﾐﾘ秒）", 3300, 1440, 1545, 210, 0, kRed, F::UiGothic8, 24, 0, true},
      {Ctl::EveryWord, "EveryWord", K::CheckBox, Ctl::Frame2, u"送信する文字の一文字ごとに付加", 465, 690, 2790, 225, 0, kPurple, F::MsPGothic8, 25, 0, true},

      {Ctl::Send, "Send", K::Button, Ctl::Frame4, u"送信", 3930, 1830, 1575, 375, 0, std::nullopt, F::WindowDefault, 9, 0, true, kDefaultButton},
      {Ctl::Message, "Message", K::TextMulti, Ctl::Frame4, u"", 120, 480, 5730, 1245, 0, std::nullopt, F::UiGothic8, 10, 0, true, kUnlimited},
      {Ctl::SendNow, "SendNow", K::CheckBox, Ctl::Frame4, u"送信と同時に発言", 270, 1890, 1815, 255, 1, kPurple, F::MsPGothic8, 11, 0, true},
      {Ctl::Label7, "Label7", K::Label, Ctl::Frame4, u"送信する文字列", 90, 210, 1110, 135, 0, kBlue, F::UiGothic8, 12, 0, true},

      {Ctl::SkelReset, "SkelReset", K::ButtonGraphical, Ctl::Frame1, u"全てリセット", 3945, 390, 1200, 285, 0, std::nullopt, F::WindowDefault, 2, 0, true},
      {Ctl::SkelOption1, "SkelOption(1)", K::Option, Ctl::Frame1, u"選択したウィンドウ", 1755, 375, 1965, 225, 1, kLightGreen, F::WindowDefault, 3, kSkelTarget, true},
      {Ctl::SkelOption0, "SkelOption(0)", K::Option, Ctl::Frame1, u"このツール", 165, 375, 1560, 225, 0, kPurple, F::WindowDefault, 4, kSkelTarget, true},
      {Ctl::Slider, "Slider", K::Slider, Ctl::Frame1, nullptr, 195, 1050, 5625, 360, 255, std::nullopt, F::WindowDefault, 5, 0, true, kSliderRange},
      {Ctl::Label1, "Label1", K::Label, Ctl::Frame1, u"透明度", 345, 825, 810, 225, 0, kBlue, F::WindowDefault, 6, 0, true},
      {Ctl::Label2_0, "Label2(0)", K::LabelCentered, Ctl::Frame1, u"100%", 1125, 825, 1065, 195, 0, kMagenta, F::WindowDefault, 7, 0, true},
  };
  return table;
}

const ControlRow<Ctl>& Describe(Ctl c) { return ControlTable()[static_cast<int>(c)]; }

Ctl DefaultButton() {
  for (const ControlRow<Ctl>& s : ControlTable())
    if (s.extras.isDefault) return s.id;
  return Ctl::Count;
}

std::vector<Ctl> TabOrder() {
  std::vector<const ControlRow<Ctl>*> focusable;
  for (const ControlRow<Ctl>& s : ControlTable()) {
    // Labels and frames hold tab indexes but never take the focus.
    if (FactsOf(s.kind).takesFocus && s.tabIndex >= 0) focusable.push_back(&s);
  }
  std::stable_sort(focusable.begin(), focusable.end(),
                   [](const ControlRow<Ctl>* a, const ControlRow<Ctl>* b) { return a->tabIndex < b->tabIndex; });
  std::vector<Ctl> order;
  for (const ControlRow<Ctl>* s : focusable) order.push_back(s->id);
  return order;
}

namespace {

bool Contains(const TwipRect& outer, const TwipRect& inner) {
  return inner.left >= outer.left && inner.top >= outer.top &&
         inner.left + inner.width <= outer.left + outer.width &&
         inner.top + inner.height <= outer.top + outer.height;
}

// The place of a frame in kFramesInFront, or -1 for a control left where it was made.
int FrontRank(Ctl c) {
  for (std::size_t i = 0; i < std::size(kFramesInFront); ++i)
    if (kFramesInFront[i] == c) return static_cast<int>(i);
  return -1;
}

bool Shown(Ctl c, FormPort& form) {
  for (std::optional<Ctl> at = c; at; at = Describe(*at).container)
    if (!form.Visible(*at)) return false;
  return true;
}

}  // namespace

bool IsCovered(Ctl c, FormPort& form) {
  // Climb from the control to the window, keeping its rectangle in the coordinates of the
  // level being looked at, and ask at each level whether a frame in front hides it.
  TwipRect r = form.Bounds(c);
  for (Ctl node = c;;) {
    const std::optional<Ctl> parent = Describe(node).container;
    for (Ctl front : kFramesInFront) {
      if (front == node || Describe(front).container != parent) continue;
      if (FrontRank(front) <= FrontRank(node) || !form.Visible(front)) continue;
      if (Contains(form.Bounds(front), r)) return true;
    }
    if (!parent) return false;
    const TwipRect p = form.Bounds(*parent);
    r.left += p.left;
    r.top += p.top;
    node = *parent;
  }
}

Ctl FocusFallback(FormPort& form) {
  auto reachable = [&form](Ctl c) {
    const ControlRow<Ctl>& d = Describe(c);
    return form.Enabled(c) && Shown(c, form) && !IsCovered(c, form) && (d.group == 0 || form.Value(c) != 0);
  };
  const Ctl to = NextInTabOrder(Ctl::Count, true, reachable);
  return to != Ctl::Count && reachable(to) ? to : Ctl::Count;
}

const std::vector<MenuDesc>& MenuTable() {
  static const std::vector<MenuDesc> table = {
      {Menu::Menu, "menu", u"メニュー", std::nullopt, true},
      {Menu::Skeleton, "Skeleton", u"ウィンドウ透明化", Menu::Menu, true},
      {Menu::Info, "Info", u"インフォメーション", Menu::Menu, true},
      {Menu::Help, "Help", u"ヘルプ", Menu::Menu, true},
      {Menu::End, "End", u"終了", Menu::Menu, true},
      {Menu::GoHome, "GoHome", u"ホームページへ", std::nullopt, true},
      {Menu::SendMenu, "SendMenu", u"テキストメニュー", std::nullopt, false},
      {Menu::SendHelp, "SendHelp", u"Enterキーで送信できます", Menu::SendMenu, false},
  };
  return table;
}

}  // namespace sorelka
