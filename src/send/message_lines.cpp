#include "send/message_lines.h"

namespace sorelka {
namespace {

// Where the line break at `end` (a CR or LF, as found) ends: after CR LF, else after the one unit.
std::size_t AfterBreak(TextView text, std::size_t end) {
  return text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n' ? end + 2 : end + 1;
}

}  // namespace

std::vector<Text> SplitLines(TextView text) {
  std::vector<Text> lines;
  std::size_t at = 0;
  while (true) {
    const std::size_t end = text.find_first_of(u"\r\n", at);
    if (end == TextView::npos) break;
    lines.emplace_back(text.substr(at, end - at));
    at = AfterBreak(text, end);
  }
  lines.emplace_back(text.substr(at));
  return lines;
}

Text WithoutFirstLines(TextView text, std::size_t lines) {
  std::size_t at = 0;
  for (std::size_t i = 0; i < lines; ++i) {
    const std::size_t end = text.find_first_of(u"\r\n", at);
    if (end == TextView::npos) return Text();
    at = AfterBreak(text, end);
  }
  return Text(text.substr(at));
}

}  // namespace sorelka
