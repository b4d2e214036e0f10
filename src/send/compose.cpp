#include "send/compose.h"

#include <algorithm>
#include <limits>


namespace sorelka {
namespace {

constexpr char16_t kIdeographicSpace = u'\u3000';

// Counts of composed units in 64 bits that stop at the largest value instead of wrapping, so
// every build, 32-bit included, sees a line too long to compose as too long.
constexpr std::uint64_t kNoEnd = std::numeric_limits<std::uint64_t>::max();
std::uint64_t Add(std::uint64_t a, std::uint64_t b) { return a > kNoEnd - b ? kNoEnd : a + b; }
std::uint64_t Times(std::uint64_t a, std::uint64_t b) { return b != 0 && a > kNoEnd / b ? kNoEnd : a * b; }

// Room for the composed text when it can be had; else the text grows as it is built, and a
// length beyond what a string holds ends in the allocator's failure, never in a short buffer.
void Reserve(Text& out, std::uint64_t units) {
  if (units <= out.max_size()) out.reserve(static_cast<std::size_t>(units));
}

// insert c1 insert c2 ... insert cN insert. The last character is typed like the others and is
// followed by the insert too, so the decoration is symmetric ('*c*b*a*').
Text AroundEveryCharacter(const Text& text, const Text& insert) {
  Text out;
  Reserve(out, Add(text.size(), Times(Add(text.size(), 1), insert.size())));
  out.append(insert);
  for (char16_t c : text) {
    out.push_back(c);
    out.append(insert);
  }
  return out;
}

Text WithHeaderAndFooter(const Text& text, const Text& insert, bool header, bool footer) {
  Text out;
  Reserve(out, Add(text.size(), Times(2, insert.size())));
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

std::uint64_t ComposedLength(std::uint64_t units, const ComposeOptions& options) {
  const std::uint64_t insert = options.insert.size();
  if (options.everyWord) return Add(units, Times(Add(units, 1), insert));
  return Add(units, Add(options.header ? insert : 0, options.footer ? insert : 0));
}

std::uint64_t SendTextLength(const Text& line, const ComposeOptions& options) {
  const std::size_t last = line.find_last_not_of(u" \u3000");
  return ComposedLength(last == Text::npos ? 1 : static_cast<std::uint64_t>(last) + 1, options);
}

}  // namespace sorelka
