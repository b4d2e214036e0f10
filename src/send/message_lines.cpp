#include "send/message_lines.h"

namespace sorelka {

std::vector<Text> SplitLines(TextView text) {
  std::vector<Text> lines;
  std::size_t at = 0;
  while (true) {
    const std::size_t end = text.find(u"\r\n", at);
    if (end == TextView::npos) break;
    lines.emplace_back(text.substr(at, end - at));
    at = end + 2;
  }
  lines.emplace_back(text.substr(at));
  return lines;
}

Text WithoutFirstLines(TextView text, std::size_t lines) {
  std::size_t at = 0;
  for (std::size_t i = 0; i < lines; ++i) {
    const std::size_t end = text.find(u"\r\n", at);
    if (end == TextView::npos) return Text();
    at = end + 2;
  }
  return Text(text.substr(at));
}

}  // namespace sorelka
