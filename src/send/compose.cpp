#include "send/compose.h"

#include <algorithm>

#include "send/option_state.h"

namespace sorelka {
namespace {

constexpr char16_t kIdeographicSpace = u'\u3000';

// insert c1 insert c2 ... insert cN insert. The last character is typed like the others and is
// followed by the insert too, so the decoration is symmetric ('*c*b*a*').
Text AroundEveryCharacter(const Text& text, const Text& insert) {
  Text out;
  out.reserve(insert.size() * (text.size() + 1) + text.size());
  out.append(insert);
  for (char16_t c : text) {
    out.push_back(c);
    out.append(insert);
  }
  return out;
}

Text WithHeaderAndFooter(const Text& text, const Text& insert, bool header, bool footer) {
  Text out;
  out.reserve(text.size() + 2 * insert.size());
  if (header) out.append(insert);
  out.append(text);
  if (footer) out.append(insert);
  return out;
}

}  // namespace

Text TrimRightSpaces(const Text& text) {
  const std::size_t last = text.find_last_not_of(u" \u3000");
  if (last == Text::npos) return Text(1, kIdeographicSpace);
  return text.substr(0, last + 1);
}

Text MakeSendText(const Text& line, FormPort& form) {
  Text text = TrimRightSpaces(line);
  // Code units are reversed one by one, so a surrogate pair comes out with its halves swapped.
  if (TickedAndEnabled(form, Ctl::Default) || TickedAndEnabled(form, Ctl::SAKASA))
    std::reverse(text.begin(), text.end());

  const Text insert = form.GetText(Ctl::PlusWord);
  if (TickedAndEnabled(form, Ctl::EveryWord)) return AroundEveryCharacter(text, insert);
  return WithHeaderAndFooter(text, insert, TickedAndEnabled(form, Ctl::Header),
                             TickedAndEnabled(form, Ctl::Footer));
}

}  // namespace sorelka
