#include "problem.h"

#include <cstdint>
#include <vector>

namespace ondavi::form {
namespace {

// The line is first spelt in a small alphabet: digits, ".", "-", "+", "=" and blanks as they
// are, "x" for every multiplication sign, and two letters for signs that can mean only one
// thing: kFractionSlash (U+2044 and the vulgar fractions' own) and kDivideSign (÷).
constexpr char kFractionSlash = 'f';
constexpr char kDivideSign = 'd';

struct VulgarFraction {
  char32_t code;
  const char* numerator;
  const char* denominator;
};
constexpr VulgarFraction kVulgarFractions[] = {
    {U'\u00BC', "1", "4"}, {U'\u00BD', "1", "2"},  {U'\u00BE', "3", "4"}, {U'\u2150', "1", "7"},
    {U'\u2151', "1", "9"}, {U'\u2152', "1", "10"}, {U'\u2153', "1", "3"}, {U'\u2154', "2", "3"},
    {U'\u2155', "1", "5"}, {U'\u2156', "2", "5"},  {U'\u2157', "3", "5"}, {U'\u2158', "4", "5"},
    {U'\u2159', "1", "6"}, {U'\u215A', "5", "6"},  {U'\u215B', "1", "8"}, {U'\u215C', "3", "8"},
    {U'\u215D', "5", "8"}, {U'\u215E', "7", "8"},  {U'\u2189', "0", "3"},
};

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsDigits(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s) {
    if (!IsDigit(c)) return false;
  }
  return true;
}

// The code points of UTF-8 text; nothing for text that is not UTF-8.
std::optional<std::u32string> Decoded(std::string_view text) {
  std::u32string out;
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const int length = byte < 0x80         ? 1
                       : (byte >> 5) == 6  ? 2
                       : (byte >> 4) == 14 ? 3
                       : (byte >> 3) == 30 ? 4
                                           : 0;
    if (length == 0 || i + static_cast<std::size_t>(length) > text.size()) return std::nullopt;
    char32_t code = length == 1 ? byte : byte & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
      if ((next >> 6) != 2) return std::nullopt;
      code = (code << 6) | (next & 0x3F);
    }
    out += code;
    i += static_cast<std::size_t>(length);
  }
  return out;
}

// The line in the small alphabet above; nothing when it holds anything else.
std::optional<std::string> Spelt(std::string_view line) {
  const std::optional<std::u32string> codes = Decoded(line);
  if (!codes) return std::nullopt;
  std::string s;
  for (char32_t c : *codes) {
    if (c < 0x80 && (IsDigit(static_cast<char>(c)) || c == '.' || c == '-' || c == '+' ||
                     c == '=' || c == '/')) {
      s += static_cast<char>(c);
    } else if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == U'\u00A0' ||
               c == U'\u2009' || c == U'\u202F') {
      s += ' ';
    } else if (c == 'x' || c == 'X' || c == '*' || c == U'\u00D7') {
      s += 'x';
    } else if (c == U'\u00F7') {
      s += kDivideSign;
    } else if (c == U'\u2212') {
      s += '-';
    } else if (c == U'\u2044') {
      s += kFractionSlash;
    } else {
      const VulgarFraction* vulgar = nullptr;
      for (const VulgarFraction& v : kVulgarFractions) {
        if (v.code == c) vulgar = &v;
      }
      if (!vulgar) return std::nullopt;
      if (!s.empty() && IsDigit(s.back())) s += ' ';  // "1½" is 1 1/2
      s += std::string(vulgar->numerator) + kFractionSlash + vulgar->denominator;
    }
  }
  return s;
}

std::string_view Trimmed(std::string_view s) {
  const std::size_t first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// A fraction "digits/digits" (either slash), as its numerator and denominator.
std::optional<std::array<std::string, 2>> Fraction(std::string_view s) {
  const std::size_t slash = s.find_first_of(std::string{'/', kFractionSlash});
  if (slash == std::string_view::npos) return std::nullopt;
  const std::string_view num = s.substr(0, slash), den = s.substr(slash + 1);
  if (!IsDigits(num) || !IsDigits(den)) return std::nullopt;
  return std::array<std::string, 2>{std::string(num), std::string(den)};
}

// A whole number as the whole-number box takes it: digits with an optional decimal part.
bool IsWhole(std::string_view s) {
  const std::size_t point = s.find('.');
  if (point == std::string_view::npos) return IsDigits(s);
  const std::string_view before = s.substr(0, point), after = s.substr(point + 1);
  return (IsDigits(before) || before.empty()) && (IsDigits(after) || after.empty()) &&
         !(before.empty() && after.empty());
}

// One operand, blank-free at both ends, as the three texts of its boxes. Its sign goes where
// the boxes take it: in the whole-number box, or alone there in front of a fraction.
std::optional<std::array<std::string, 3>> Operand(std::string_view s) {
  const bool negative = !s.empty() && s[0] == '-';
  if (negative) s.remove_prefix(1);
  const std::string sign = negative ? "-" : "";
  if (const std::size_t blank = s.find(' '); blank != std::string_view::npos) {
    const std::string_view whole = s.substr(0, blank);
    const auto fraction = Fraction(Trimmed(s.substr(blank)));
    if (!IsDigits(whole) || !fraction) return std::nullopt;
    return std::array<std::string, 3>{sign + std::string(whole), (*fraction)[0], (*fraction)[1]};
  }
  if (const auto fraction = Fraction(s)) {
    return std::array<std::string, 3>{sign, (*fraction)[0], (*fraction)[1]};
  }
  if (IsWhole(s)) return std::array<std::string, 3>{sign + std::string(s), "", ""};
  return std::nullopt;
}

Action ActionOf(char op) {
  switch (op) {
    case '+':
      return Action::kAdd;
    case '-':
      return Action::kSubtract;
    case 'x':
      return Action::kMultiply;
    default:
      return Action::kDivide;
  }
}

}  // namespace

std::optional<Problem> ReadProblem(std::string_view line) {
  const std::optional<std::string> spelt = Spelt(line);
  if (!spelt) return std::nullopt;
  std::string_view s = Trimmed(*spelt);
  if (!s.empty() && s.back() == '=') s = Trimmed(s.substr(0, s.size() - 1));

  // Every place an operator could stand, with an operand on each side; exactly one must fit.
  std::vector<Problem> readings;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    if (c != '+' && c != '-' && c != 'x' && c != '/' && c != kDivideSign) continue;
    const bool blank_beside = (i > 0 && s[i - 1] == ' ') || (i + 1 < s.size() && s[i + 1] == ' ');
    if (c == '/' && !blank_beside) continue;  // otherwise a fraction's own slash
    const auto first = Operand(Trimmed(s.substr(0, i)));
    const auto second = Operand(Trimmed(s.substr(i + 1)));
    if (!first || !second) continue;
    readings.push_back(
        {{(*first)[0], (*first)[1], (*first)[2], (*second)[0], (*second)[1], (*second)[2]},
         ActionOf(c)});
  }
  if (readings.size() != 1) return std::nullopt;
  return readings.front();
}

}  // namespace ondavi::form
