#include "dialogs/tip_text.h"

namespace sorelka {

const std::array<TipRow, kTipRowCount>& TipRows() {
  static const std::array<TipRow, kTipRowCount> rows = {{
      {kBlue, true, u"MSN Chat, MSN Messenger Sorelkaツール\u3000for XP\r\n\r\n"},
      {kRed, true, u"はじめに"},
      {kRed, true, u"\r\n"},
      {kBlack, false, u"このプログラムは、"},
      {kBlue, true, u"InternetExplorer + Windows 2000,XP"},
      {kBlack, false,
       u"のみで動作します。Windows 9xでも動作はしますが、透明化などの機能は使えません。"
       u"文字化けする可能性もあります。"},
      {kBlack, true, u"9xの方は旧バージョンをお使いください。"},
      {kBlue, true, u"NetscapeやMSNエクスプローラでは動作しません。"},
      {kBlue, true, u"\r\n\r\n"},
      {kRed, true, u"※重要\r\n"},
      {kBlack, true, u"ウィンドウの選択方法は、旧バージョンと同じで最前面のウィンドウが選択されます。\r\n"},
      {kBlack, false, u"チャットで使用するときは、フォントを"},
      {kBlue, true, u"MS P ゴシック"},
      {kBlack, false, u"にしてください。ほかのフォントではアスキーアートがうまく表示されません。\r\n"},
      {kBlack, false,
       u"透明化は、フォーム上で右クリックするか、メニューボタンを押してください。"
       u"選択されているウィンドウのアルファを変えることができます。"},
      {kBlue, false, u"\r\n\r\n詳しい使い方は体で覚えてください。"},
  }};
  return rows;
}

void FillTipText(TipTextPort& box) {
  box.SetWholeText(u"");
  box.SetSelStart(0);
  box.SetSelColour(kBlue);
  box.SetSelEmphasis(true);
  const auto& rows = TipRows();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    // Both attributes every row: the format at a moved insertion point is the rich edit's
    // choice, so nothing is left to it.
    box.SetSelColour(rows[i].colour);
    box.SetSelEmphasis(rows[i].emphasis);
    box.SetSelText(rows[i].text);
    if (i + 1 < rows.size()) box.SetSelStart(box.TextLength());
  }
}

}  // namespace sorelka
