#include "dialogs/dialog_controls.h"

namespace sorelka {

namespace {
constexpr std::optional<Colour> kDefault = std::nullopt;
constexpr Colour kWhite{255, 255, 255};
using K = DialogKind;
using F = DialogFont;
using P = Picture;
}  // namespace

// The controls are listed in tab order; a container comes before what it holds.
const DialogDesc& TipWindowDesc() {
  static const DialogDesc desc{
      u"ﾜﾝﾎﾟｲﾝﾄ", 6360, 4725, true, P::Program,
      {
          // name, kind, caption, left, top, width, height, colour, background, font, tab, picture, container
          {"cmdOK", K::Button, u"OK", 4500, 4260, 1215, 375, kDefault, kDefault, F::WindowDefault, 0, P::None, -1},
          {"Picture1", K::PictureBox, nullptr, 240, 45, 6015, 4095, kDefault, kWhite, F::WindowDefault, 1, P::Program, -1},
          {"Label1", K::Label, u"使い方...", 600, 240, 2655, 255, kBlue, kWhite, F::WindowDefault, 2, P::None, 1},
          {"RichTextBox1", K::RichText, nullptr, 75, 510, 5835, 3540, kDefault, kDefault, F::WindowDefault, 3, P::None, 1},
      }};
  return desc;
}

const DialogDesc& AboutWindowDesc() {
  static const DialogDesc desc{
      u"ﾊﾞｰｼﾞｮﾝ情報", 5310, 1905, false, P::Chat,
      {
          {"cmdOK", K::Button, u"OK", 3435, 1425, 1380, 345, kDefault, kDefault, F::WindowDefault, 0, P::None, -1},
          {"picIcon", K::PictureBox, nullptr, 240, 240, 540, 540, kDefault, kDefault, F::WindowDefault, 1, P::Program, -1},
          // Two notices of ours: one line each at the window's font.
          {"Label1", K::Label, u"Wineで動作確認済み", 2790, 1050, 1935, 255, kDefault, kDefault, F::WindowDefault, 2, P::None, -1},
          {"Label2", K::Label, u"チャット入力を助けるツール", 375, 1500, 2655, 255, kDefault, kDefault, F::WindowDefault, 3, P::None, -1},
          {"Label4", K::Label, u"Supported", 1770, 1065, 810, 195, kBlue, kDefault, F::Small, 4, P::None, -1},
          {"Label3", K::Label, u"M$N Chat Kelvaraツール ver 2.0", 915, 360, 3075, 195, kBlue, kDefault, F::WindowDefault, 5, P::None, -1},
          {"Label5", K::Label, u"for Windows 2000 ,XP", 2790, 570, 1680, 195, kMagenta, kDefault, F::WindowDefault, 6, P::None, -1},
          // The status pictures for a chat room, a Messenger conversation and anything else.
          {"StatusIcon(1)", K::Image, nullptr, 945, 825, 240, 240, kDefault, kDefault, F::WindowDefault, -1, P::Chat, -1},
          {"StatusIcon(0)", K::Image, nullptr, 1245, 825, 240, 240, kDefault, kDefault, F::WindowDefault, -1, P::Messenger, -1},
          {"StatusIcon(2)", K::Image, nullptr, 1545, 840, 240, 240, kDefault, kDefault, F::WindowDefault, -1, P::Unknown, -1},
          {"Image1", K::Image, nullptr, 1875, 825, 240, 240, kDefault, kDefault, F::WindowDefault, -1, P::Browser, -1},
          {"Line1", K::Line, nullptr, 135, 1365, 3000, 0, kDefault, kDefault, F::WindowDefault, -1, P::None, -1},
      }};
  return desc;
}

}  // namespace sorelka
