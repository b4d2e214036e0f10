#include "dialogs/dialog_controls.h"

namespace sorelka {

namespace {
constexpr std::optional<Colour> kDefault = std::nullopt;
constexpr Colour kWhite{255, 255, 255};
constexpr ControlExtras kOk{.isDefault = true};  // Enter and Esc press it wherever the focus is
using K = Kind;
using F = Font;
using P = Picture;
}  // namespace

// A container comes before what it holds.
const DialogDesc<TipCtl>& TipWindowDesc() {
  using C = TipCtl;
  constexpr std::optional<C> kWin = std::nullopt;
  static const DialogDesc<TipCtl> desc{
      u"ﾜﾝﾎﾟｲﾝﾄ", 6360, 4725, true, P::Program,
      {
          // id, name, kind, container, caption, left, top, width, height, value, colour, font, tab, group, visible, extras
          {C::cmdOK, "cmdOK", K::Button, kWin, u"OK", 4500, 4260, 1215, 375, 0, kDefault, F::WindowDefault, 0, 0, true, kOk},
          {C::Picture1, "Picture1", K::PictureBox, kWin, nullptr, 240, 45, 6015, 4095, 0, kDefault, F::WindowDefault, 1, 0, true, {.background = kWhite, .picture = P::Program}},
          {C::Label1, "Label1", K::LabelOneLine, C::Picture1, u"使い方...", 600, 240, 2655, 255, 0, kBlue, F::WindowDefault, 2, 0, true, {.background = kWhite}},
          {C::RichTextBox1, "RichTextBox1", K::RichText, C::Picture1, nullptr, 75, 510, 5835, 3540, 0, kDefault, F::WindowDefault, 3, 0, true},
      }};
  return desc;
}

const DialogDesc<AboutCtl>& AboutWindowDesc() {
  using C = AboutCtl;
  constexpr std::optional<C> kWin = std::nullopt;
  static const DialogDesc<AboutCtl> desc{
      u"ﾊﾞｰｼﾞｮﾝ情報", 5310, 1905, false, P::Chat,
      {
          {C::cmdOK, "cmdOK", K::Button, kWin, u"OK", 3435, 1425, 1380, 345, 0, kDefault, F::WindowDefault, 0, 0, true, kOk},
          {C::picIcon, "picIcon", K::PictureBox, kWin, nullptr, 240, 240, 540, 540, 0, kDefault, F::WindowDefault, 1, 0, true, {.picture = P::Program}},
          // Two notices of ours: one line each at the window's font.
          {C::Label1, "Label1", K::LabelOneLine, kWin, u"Wineで動作確認済み", 2790, 1050, 1935, 255, 0, kDefault, F::WindowDefault, 2, 0, true},
          {C::Label2, "Label2", K::LabelOneLine, kWin, u"チャット入力を助けるツール", 375, 1500, 2655, 255, 0, kDefault, F::WindowDefault, 3, 0, true},
          {C::Label4, "Label4", K::LabelOneLine, kWin, u"Supported", 1770, 1065, 810, 195, 0, kBlue, F::MsPGothic8, 4, 0, true},
          {C::Label3, "Label3", K::LabelOneLine, kWin, u"M$N Chat Kelvaraツール ver 2.0", 915, 360, 3075, 195, 0, kBlue, F::WindowDefault, 5, 0, true},
          {C::Label5, "Label5", K::LabelOneLine, kWin, u"for Windows 2000 ,XP", 2790, 570, 1680, 195, 0, kMagenta, F::WindowDefault, 6, 0, true},
          // The status pictures for a chat room, a Messenger conversation and anything else.
          {C::StatusIcon1, "StatusIcon(1)", K::Image, kWin, nullptr, 945, 825, 240, 240, 0, kDefault, F::WindowDefault, -1, 0, true, {.picture = P::Chat}},
          {C::StatusIcon0, "StatusIcon(0)", K::Image, kWin, nullptr, 1245, 825, 240, 240, 0, kDefault, F::WindowDefault, -1, 0, true, {.picture = P::Messenger}},
          {C::StatusIcon2, "StatusIcon(2)", K::Image, kWin, nullptr, 1545, 840, 240, 240, 0, kDefault, F::WindowDefault, -1, 0, true, {.picture = P::Unknown}},
          {C::Image1, "Image1", K::Image, kWin, nullptr, 1875, 825, 240, 240, 0, kDefault, F::WindowDefault, -1, 0, true, {.picture = P::Browser}},
          {C::Line1, "Line1", K::Line, kWin, nullptr, 135, 1365, 3000, 0, 0, kDefault, F::WindowDefault, -1, 0, true},
      }};
  return desc;
}

}  // namespace sorelka
