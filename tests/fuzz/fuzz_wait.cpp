// ParseWait over any text: never above kMaxWaitMs, blind to blanks and to whatever follows a
// character that cannot continue a number, and equal to an exact decimal reference for texts
// that are one number.
#include <algorithm>
#include <string>

#include "fuzz_support.h"
#include "send/wait_value.h"

namespace sorelka {
namespace {

// Exact rounding of sign digits[.digits][E[sign]digits], halves to even, by decimal strings
// only: the decimal point is moved by the exponent, then the whole part is compared with
// kMaxWaitMs digit by digit.
std::uint32_t Reference(bool negative, std::string whole, std::string fraction, long exponent) {
  if (negative) return 0;  // below zero, or zero
  std::string digits = whole + fraction;
  long point = static_cast<long>(whole.size()) + exponent;  // digits before the point
  if (point < 0) {
    digits.insert(0, static_cast<std::size_t>(-point), '0');
    point = 0;
  }
  if (static_cast<std::size_t>(point) > digits.size()) digits.append(point - digits.size(), '0');
  whole = digits.substr(0, point);
  fraction = digits.substr(point);
  whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size()));

  const std::string max = std::to_string(kMaxWaitMs);
  if (whole.size() > max.size() || (whole.size() == max.size() && whole > max))
    return kMaxWaitMs;
  std::uint64_t value = whole.empty() ? 0 : std::stoull(whole);
  if (!fraction.empty()) {
    const bool above = fraction.find_first_not_of('0', 1) != std::string::npos;
    if (fraction[0] > '5' || (fraction[0] == '5' && (above || value % 2 == 1))) ++value;
  }
  return static_cast<std::uint32_t>(std::min<std::uint64_t>(value, kMaxWaitMs));
}

std::string Digits(FuzzedDataProvider& in, std::size_t max) {
  std::string s(in.ConsumeIntegralInRange<std::size_t>(0, max), '0');
  for (char& c : s) c = static_cast<char>('0' + in.ConsumeIntegralInRange(0, 9));
  return s;
}

Text Widen(const std::string& s) { return Text(s.begin(), s.end()); }

// A text that is one well-formed number, checked against the reference.
void CheckOneNumber(FuzzedDataProvider& in) {
  const int sign = in.ConsumeIntegralInRange(0, 2);  // none, '+', '-'
  const std::string whole = Digits(in, 24);
  const bool dot = in.ConsumeBool();
  const std::string fraction = dot ? Digits(in, 24) : std::string();
  const bool hasExponent = in.ConsumeBool();
  const char marker = "EeDd"[in.ConsumeIntegralInRange(0, 3)];
  const int exponentSign = in.ConsumeIntegralInRange(0, 2);
  const std::string exponentDigits = hasExponent ? Digits(in, 3) : std::string();

  std::string text = sign == 1 ? "+" : sign == 2 ? "-" : "";
  text += whole;
  if (dot) text += "." + fraction;
  long exponent = 0;
  if (hasExponent) {
    text += marker;
    if (exponentSign == 1) text += '+';
    if (exponentSign == 2) text += '-';
    text += exponentDigits;
    if (!exponentDigits.empty()) exponent = std::stol(exponentDigits);
    if (exponentSign == 2) exponent = -exponent;
  }
  const std::uint32_t expected = Reference(sign == 2, whole, fraction, exponent);
  FUZZ_CHECK(ParseWait(Widen(text)) == expected);
}

const std::vector<char16_t> kNumberAlphabet = {
    u'0', u'1', u'2', u'4', u'5', u'9', u'.', u'+', u'-', u'E', u'e', u'D', u'd', u' ',
    u'\t', u'\r', u'\n', u'x', u'\uff11', u'\u3000', u'\u0660', u'\uff10', u'\uff19',
    u'\uff0b', u'\uff0d', u'\uff0e', u'\uff25', u'\uff45', u'\uff24'};

// The half-width form of a full-width character that a number may hold.
char16_t Narrow(char16_t c) {
  if (c == u'\u3000') return u' ';
  if ((c >= u'\uff10' && c <= u'\uff19') || c == u'\uff0b' || c == u'\uff0d' || c == u'\uff0e' ||
      c == u'\uff25' || c == u'\uff45')
    return static_cast<char16_t>(c - 0xfee0);
  return c;
}

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

}  // namespace
}  // namespace sorelka

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace sorelka;
  FuzzedDataProvider in(data, size);
  if (in.ConsumeBool()) {
    CheckOneNumber(in);
    return 0;
  }

  const Text text = fuzz::TextFrom(in, kNumberAlphabet, 64);
  const std::uint32_t value = ParseWait(text);
  FUZZ_CHECK(value <= kMaxWaitMs);

  // Blanks are skipped anywhere, so taking them all out changes nothing.
  Text solid;
  std::copy_if(text.begin(), text.end(), std::back_inserter(solid), [](char16_t c) { return !IsBlank(c); });
  FUZZ_CHECK(ParseWait(solid) == value);

  // Full-width digits, signs, point, exponent letters and space read as the half-width ones.
  Text narrow = text;
  for (char16_t& c : narrow) c = Narrow(c);
  FUZZ_CHECK(ParseWait(narrow) == value);

  // 'x' never continues a number: what follows it is never read.
  const std::size_t cut = text.empty() ? 0 : in.ConsumeIntegralInRange<std::size_t>(0, text.size());
  const Text head = text.substr(0, cut);
  FUZZ_CHECK(ParseWait(head + u"x" + text.substr(cut)) == ParseWait(head));
  return 0;
}
