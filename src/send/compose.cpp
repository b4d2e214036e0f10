#include "send/compose.h"

#include <algorithm>


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

Text MakeSendText(const Text& line, const ComposeOptions& options) {
  Text text = TrimRightSpaces(line);
  // Code units are reversed one by one, so a surrogate pair comes out with its halves swapped.
  if (options.reverse) std::reverse(text.begin(), text.end());

  if (options.everyWord) return AroundEveryCharacter(text, options.insert);
  return WithHeaderAndFooter(text, options.insert, options.header, options.footer);
}

std::size_t SendTextLength(const Text& line, const ComposeOptions& options) {
  const std::size_t last = line.find_last_not_of(u" \u3000");
  const std::size_t n = last == Text::npos ? 1 : last + 1;
  const std::size_t insert = options.insert.size();
  if (options.everyWord) return n + (n + 1) * insert;
  return n + (options.header ? insert : 0) + (options.footer ? insert : 0);
}

}  // namespace sorelka
