#include "send/wait_value.h"

#include <algorithm>
#include <string>

namespace sorelka {
namespace {

// Far beyond any exponent that matters, yet small enough that adding it cannot overflow.
constexpr std::int64_t kExponentCap = 1'000'000'000;
// Ten whole digits already exceed kMaxWaitMs.
constexpr std::int64_t kMaxWholeDigits = 10;

// What a Japanese input method types by default for a number: the full-width digits, signs,
// point and exponent letters, and the ideographic space, read as their half-width forms. (The
// exponent letters D and d have no full-width reading.)
char16_t HalfWidth(char16_t c) {
  if ((c >= u'\uFF10' && c <= u'\uFF19') || c == u'\uFF0B' || c == u'\uFF0D' || c == u'\uFF0E' ||
      c == u'\uFF25' || c == u'\uFF45')
    return static_cast<char16_t>(c - 0xFEE0);
  if (c == u'\u3000') return u' ';
  return c;
}

// Walks the text as Val sees it: blanks are not part of it and do not end the number.
class Cursor {
 public:
  explicit Cursor(TextView text) : text_(text) { SkipBlanks(); }

  bool Accept(char16_t c) { return Accept(c, c); }
  bool Accept(char16_t a, char16_t b) {
    if (at_ >= text_.size() || (Peek() != a && Peek() != b)) return false;
    Advance();
    return true;
  }
  bool AcceptDigit(char& digit) {
    if (at_ >= text_.size() || Peek() < u'0' || Peek() > u'9') return false;
    digit = static_cast<char>(Peek());
    Advance();
    return true;
  }

 private:
  char16_t Peek() const { return HalfWidth(text_[at_]); }
  void Advance() {
    ++at_;
    SkipBlanks();
  }
  void SkipBlanks() {
    while (at_ < text_.size() && (Peek() == u' ' || Peek() == u'\t' || Peek() == u'\n' || Peek() == u'\r'))
      ++at_;
  }

  TextView text_;
  std::size_t at_ = 0;
};

// The number as exact decimal digits, so rounding halves to even is exact and no exponent,
// however large, can overflow: value = 0.digits x 10^point, digits without leading zeros.
struct Decimal {
  bool negative = false;
  std::string digits;
  std::int64_t point = 0;
};

Decimal ReadDecimal(TextView text) {
  Cursor in(text);
  Decimal d;
  if (in.Accept(u'-')) d.negative = true;
  else in.Accept(u'+');

  char c;
  while (in.AcceptDigit(c)) {
    if (d.digits.empty() && c == '0') continue;
    d.digits.push_back(c);
    ++d.point;
  }
  if (in.Accept(u'.')) {
    while (in.AcceptDigit(c)) {
      if (d.digits.empty() && c == '0') --d.point;
      else d.digits.push_back(c);
    }
  }
  if (in.Accept(u'E', u'e') || in.Accept(u'D', u'd')) {
    const bool negativeExponent = in.Accept(u'-');
    if (!negativeExponent) in.Accept(u'+');
    std::int64_t exponent = 0;
    while (in.AcceptDigit(c)) exponent = std::min(exponent * 10 + (c - '0'), kExponentCap);
    d.point += negativeExponent ? -exponent : exponent;
  }
  return d;
}

}  // namespace

std::uint32_t ParseWait(TextView text) {
  const Decimal d = ReadDecimal(text);
  if (d.negative || d.digits.empty() || d.point < 0) return 0;  // negative, zero, or below 0.1
  if (d.point > kMaxWholeDigits) return kMaxWaitMs;

  const std::size_t wholeDigits = static_cast<std::size_t>(d.point);
  std::uint64_t whole = 0;
  for (std::size_t i = 0; i < wholeDigits; ++i)
    whole = whole * 10 + (i < d.digits.size() ? static_cast<unsigned>(d.digits[i] - '0') : 0u);

  if (wholeDigits < d.digits.size()) {
    const char first = d.digits[wholeDigits];
    const bool aboveHalf = d.digits.find_first_not_of('0', wholeDigits + 1) != std::string::npos;
    if (first > '5' || (first == '5' && (aboveHalf || whole % 2 == 1))) ++whole;
  }
  return static_cast<std::uint32_t>(std::min<std::uint64_t>(whole, kMaxWaitMs));
}

}  // namespace sorelka
