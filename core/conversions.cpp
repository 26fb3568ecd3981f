#include "conversions.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>

#include "characters.h"
#include "failure.h"

namespace ondavi {
namespace {

constexpr int kSignificantDigits = 15;
// Positional notation is used for decimal exponents in [kLowestPositional, kSignificantDigits).
constexpr int kLowestPositional = -15;

int DigitValue(char c, int radix) {
  int d = 99;
  if (IsDigit(c)) d = c - '0';
  if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
  if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
  return d < radix ? d : -1;
}

// How many digits of this radix stand at the start of `s`.
std::size_t RadixDigits(std::string_view s, int radix) {
  std::size_t n = 0;
  while (n < s.size() && DigitValue(s[n], radix) >= 0) ++n;
  return n;
}

// Reads the digits of an "&H" or "&O" number; `s` starts after the prefix.
double ReadRadix(std::string_view s, int radix) {
  const std::size_t digits = RadixDigits(s, radix);
  const int digits_16 = radix == 16 ? 4 : 6;
  std::uint64_t n = 0;
  for (char c : s.substr(0, digits)) {
    n = n * static_cast<std::uint64_t>(radix) + static_cast<std::uint64_t>(DigitValue(c, radix));
    if (n > 0xFFFFFFFFu) throw Failure(FailureKind::kOverflow);
  }
  if (digits <= static_cast<std::size_t>(digits_16) && n <= 0xFFFFu) {
    return static_cast<std::int16_t>(n);
  }
  return static_cast<std::int32_t>(n);
}

// The value of "digits[.digits][e[-]digits]", correctly rounded, in any locale. The C library's
// strtod reads the decimal point of its current locale, which the window's toolkit may have set
// from the user's, so the number is spelt with that point. A value beyond the double range fails;
// one too small for a normal double reads as 0, whether or not the library flags it.
double ParseDecimal(std::string number) {
  const char* point = std::localeconv()->decimal_point;
  if (const std::size_t dot = number.find('.'); dot != std::string::npos) {
    number.replace(dot, 1, point);
  }
  const double result = std::strtod(number.c_str(), nullptr);
  if (std::isinf(result)) throw Failure(FailureKind::kOverflow);
  return result < std::numeric_limits<double>::min() ? 0.0 : result;
}

// The decimal number at the start of a blank-free text, "[sign]digits[.digits][e[sign]digits]",
// as Val reads it: where its parts stand and where it ends. An exponent letter without digits
// after it is not part of the number ("1e" reads as 1).
struct DecimalSpan {
  bool negative = false;
  std::string_view mantissa;  // digits with an optional point; empty when there is no number
  std::string_view exponent;  // the exponent's digits, empty when there is none
  bool negative_exponent = false;
  std::size_t end = 0;  // one past the last character read; 0 when there is no number
};

DecimalSpan ScanDecimal(std::string_view s) {
  DecimalSpan span;
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) span.negative = s[i++] == '-';
  const std::size_t start = i;
  while (i < s.size() && IsDigit(s[i])) ++i;
  std::size_t digits = i - start;
  if (i < s.size() && s[i] == '.') {
    const std::size_t fraction_start = ++i;
    while (i < s.size() && IsDigit(s[i])) ++i;
    digits += i - fraction_start;
  }
  if (digits == 0) return DecimalSpan{};
  span.mantissa = s.substr(start, i - start);
  span.end = i;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
    std::size_t j = i + 1;
    span.negative_exponent = j < s.size() && s[j] == '-';
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    const std::size_t first_digit = j;
    while (j < s.size() && IsDigit(s[j])) ++j;
    if (j > first_digit) {
      span.exponent = s.substr(first_digit, j - first_digit);
      span.end = j;
    }
  }
  return span;
}

// The exponent's value, saturated far beyond any that a fraction below 2^53 can have.
long long ExponentOf(const DecimalSpan& span) {
  long long exponent = 0;
  for (char c : span.exponent) {
    if (exponent < 100000000) exponent = exponent * 10 + (c - '0');
  }
  return span.negative_exponent ? -exponent : exponent;
}

double ReadDecimal(std::string_view s) {
  const DecimalSpan span = ScanDecimal(s);
  if (span.mantissa.empty()) return 0.0;
  std::string number(span.mantissa);
  if (!span.exponent.empty()) number += "e" + std::to_string(ExponentOf(span));
  const double result = ParseDecimal(number);
  return span.negative ? -result : result;
}

// The text without the blanks, tabs and line feeds that Val passes over.
std::string WithoutBlanks(std::string_view text) {
  std::string s;
  for (char c : text) {
    if (kPassedOverByVal.find(c) == std::string_view::npos) s += c;
  }
  return s;
}

// Divides a number written in decimal digits by a one-digit divisor, in place; tells whether
// it divided without a remainder (and leaves the digits as they were when it did not).
bool DivideDigits(std::string& digits, int divisor) {
  std::string quotient;
  int remainder = 0;
  for (char c : digits) {
    remainder = remainder * 10 + (c - '0');
    if (!quotient.empty() || remainder >= divisor)
      quotient += static_cast<char>('0' + remainder / divisor);
    remainder %= divisor;
  }
  if (remainder != 0) return false;
  digits = quotient.empty() ? "0" : quotient;
  return true;
}

// A whole number written in digits, checked to lie below 2^53.
double ExactNumber(std::string_view digits) {
  double n = 0;
  for (char c : digits) {
    n = n * 10 + (c - '0');
    if (n >= kExactLimit) throw Failure(FailureKind::kOverflow);
  }
  return n;
}

// The radix of an "&H" or "&O" prefix at the start of `s`, or 0 for none.
int RadixPrefix(std::string_view s) {
  if (s.size() < 2 || s[0] != '&') return 0;
  if (s[1] == 'h' || s[1] == 'H') return 16;
  if (s[1] == 'o' || s[1] == 'O') return 8;
  return 0;
}

// The two digits of each number from 00 to 99, one after another: numbers are written two digits
// at a time, halving the divisions.
constexpr char kPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// 10^0 to 10^19.
constexpr std::array<std::uint64_t, 20> kPowersOfTen = [] {
  std::array<std::uint64_t, 20> powers{};
  std::uint64_t power = 1;
  for (std::uint64_t& p : powers) {
    p = power;
    power *= 10;  // wraps after 10^19, which is never read
  }
  return powers;
}();

// Decimal digits without trailing zeros (at least one, at most the 17 that tell any two doubles
// apart) and the decimal exponent of the first digit.
struct Digits {
  std::array<char, 17> mantissa{};
  std::size_t size = 0;
  int exponent = 0;
  std::string_view Text() const { return {mantissa.data(), size}; }
};

// The digits and exponent of a magnitude in exponent form, as to_chars and printf write it
// ("8.33333333333333e-01", "5e+00").
Digits DigitsOf(std::string_view text) {
  const std::size_t e = text.find('e');
  Digits digits;
  digits.mantissa[digits.size++] = text[0];
  if (e > 2) {  // "d.ddd": the digits after the point
    const std::size_t more = std::min(e - 2, digits.mantissa.size() - 1);
    std::memcpy(digits.mantissa.data() + 1, text.data() + 2, more);
    digits.size += more;
  }
  while (digits.size > 1 && digits.mantissa[digits.size - 1] == '0') --digits.size;
  std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(),
                  digits.exponent);
  return digits;
}

#if defined(__cpp_lib_to_chars)
// Digits rounded half up to 15, or nothing when they stop exactly half-way ("…5" as the 16th and
// last digit), where only the exact value they were taken from can tell which way to go.
std::optional<Digits> RoundedToSignificant(Digits digits) {
  const std::size_t kept = kSignificantDigits;
  if (digits.size <= kept) return digits;
  const char next = digits.mantissa[kept];
  if (next == '5' && digits.size == kept + 1) return std::nullopt;
  digits.size = kept;
  if (next >= '5') {  // up, carrying through nines
    while (digits.size > 0 && digits.mantissa[digits.size - 1] == '9') --digits.size;
    if (digits.size == 0) {
      digits.mantissa[0] = '0';
      ++digits.exponent;
      digits.size = 1;
    }
    ++digits.mantissa[digits.size - 1];
  }
  while (digits.size > 1 && digits.mantissa[digits.size - 1] == '0') --digits.size;
  return digits;
}
#endif

// The decimal digits of d, from 1E-5 up to below 1E+15, rounded to 15 significant digits and
// worked out exactly in integers, as most answers' decimals are: d is m / 2^s with a 53-bit m,
// so d x 10^k is the product m x 10^k, of 117 bits at most, shifted right by s, and what is
// shifted out decides the rounding. Nothing outside that range, where the compiler has no 128-bit
// integers, or exactly half-way, where rounding to even needs the general path. With `nearest`,
// the digits are those of a value that d is the nearest double to: nothing either when a point
// half-way between two 15-digit decimals lies within half an ulp of d (10^k / 2 in units of
// what is shifted out), where that value and d might round apart.
std::optional<Digits> ExactSignificantDigits(double d, bool nearest = false) {
#if defined(__SIZEOF_INT128__)
  __extension__ typedef unsigned __int128 u128;
  constexpr std::uint64_t kLeast = 100000000000000ull;  // 10^14, the least of 15 digits
  if (!(d >= 1e-5 && d < 1e15)) return std::nullopt;
  std::uint64_t bits = 0;  // the double's own bits (std::bit_cast is missing from older libc++)
  std::memcpy(&bits, &d, sizeof bits);
  const auto biased = static_cast<int>(bits >> 52);  // a normal number in this range
  const std::uint64_t m = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
  const int s = 1075 - biased;  // from 3 to 70 in this range
  // The decimal exponent from the binary one (log10 2 ~ 1233 / 4096), then put right below.
  int exponent = ((biased - 1023) * 1233) >> 12;
  for (;;) {
    const int k = 14 - exponent;
    if (k < 0 || k > 19) return std::nullopt;
    const u128 product = static_cast<u128>(m) * kPowersOfTen[k];
    const u128 whole = product >> s;
    if (whole >= 10 * static_cast<u128>(kLeast)) {
      ++exponent;
      continue;
    }
    if (whole < kLeast) {
      --exponent;
      continue;
    }
    const u128 rest = product & ((u128{1} << s) - 1);
    const u128 half = u128{1} << (s - 1);
    if (rest == half) return std::nullopt;
    if (nearest && 2 * (rest > half ? rest - half : half - rest) <=
                       kPowersOfTen[static_cast<std::size_t>(k)]) {
      return std::nullopt;
    }
    auto n = static_cast<std::uint64_t>(whole) + (rest > half ? 1 : 0);
    if (n == 10 * kLeast) {  // rounded up through nines to a power of ten
      n = kLeast;
      ++exponent;
    }
    Digits digits;
    for (std::size_t i = 15; i > 1; i -= 2, n /= 100) {
      std::memcpy(&digits.mantissa[i - 2], &kPairs[n % 100 * 2], 2);
    }
    digits.mantissa[0] = static_cast<char>('0' + n);
    digits.size = 15;
    while (digits.size > 1 && digits.mantissa[digits.size - 1] == '0') --digits.size;
    digits.exponent = exponent;
    return digits;
  }
#else
  (void)d;
  (void)nearest;
  return std::nullopt;
#endif
}

// The decimal digits of |d| rounded to 15 significant digits. They come from the shortest digits
// that read back as d, which are far quicker to find than 15 digits of d's whole binary value,
// and give the same: with 15 or fewer they are d's own 15 digits (15-digit decimals lie further
// apart than a double's rounding interval is wide, so no other one is nearer d), and no point
// half-way between two 15-digit decimals lies between d and longer ones (it would have been
// shorter, or nearer d), so that rounding them rounds d, unless they stop on such a point.
Digits SignificantDigits(double d) {
  std::array<char, 64> buffer{};
  const double magnitude = std::fabs(d);
  if (const std::optional<Digits> digits = ExactSignificantDigits(magnitude)) return *digits;
#if defined(__cpp_lib_to_chars)
  auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                              std::chars_format::scientific);
  if (const std::optional<Digits> digits = RoundedToSignificant(
          DigitsOf({buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data())}))) {
    return *digits;
  }
  result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                         std::chars_format::scientific, kSignificantDigits - 1);
  return DigitsOf({buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data())});
#else
  const int length =
      std::snprintf(buffer.data(), buffer.size(), "%.*e", kSignificantDigits - 1, magnitude);
  return DigitsOf({buffer.data(), static_cast<std::size_t>(length)});
#endif
}

// Digits in 15 significant digits, positional or in exponent form, appended to `out`.
void AppendDigits(std::string& out, const Digits& digits, char separator) {
  const std::string_view m = digits.Text();
  const int e = digits.exponent;
  if (e >= kSignificantDigits || e < kLowestPositional) {
    out += m[0];
    if (m.size() > 1) (out += separator) += m.substr(1);
    const int magnitude = std::abs(e);
    out += e < 0 ? "E-" : "E+";
    if (magnitude < 10) out += '0';
    out += std::to_string(magnitude);
  } else if (e < 0) {
    ((out += '0') += separator).append(static_cast<std::size_t>(-e - 1), '0') += m;
  } else if (const auto whole_digits = static_cast<std::size_t>(e) + 1; m.size() <= whole_digits) {
    (out += m).append(whole_digits - m.size(), '0');
  } else {
    ((out += m.substr(0, whole_digits)) += separator) += m.substr(whole_digits);
  }
}

// |d| in 15 significant digits, positional or in exponent form, appended to `out`.
void AppendFormattedMagnitude(std::string& out, double d, char separator) {
  if (d == 0.0) {
    out += '0';
    return;
  }
  AppendDigits(out, SignificantDigits(d), separator);
}

// How many decimal digits n has (0 for 0): from its bit width (log10 2 ~ 1233 / 4096), then one
// comparison.
int DigitCount(std::uint64_t n) {
  const int guess = (64 - std::countl_zero(n | 1)) * 1233 >> 12;
  return guess + (n >= kPowersOfTen[static_cast<std::size_t>(guess)] ? 1 : 0);
}

// The 15 significant digits of num / den (num from 1, den from 1, both below 2^53), rounded once
// from the exact quotient, halves up. Most often the quotient's nearest double (both numbers are
// doubles as they stand, so their quotient is) rounds the same way. Otherwise long division in
// 64-bit integers, as many digits at a time as fit: the remainder stays below den, so r x 10^j
// stays below 10^19 for j up to 19 less den's digits, and the digits kept stay below 10^15.
Digits QuotientDigits(std::uint64_t num, std::uint64_t den) {
  if (const std::optional<Digits> digits =
          ExactSignificantDigits(static_cast<double>(num) / static_cast<double>(den), true)) {
    return *digits;
  }
  std::uint64_t kept = num / den, rest = num % den;
  int after_point = 0;  // how many of kept's digits stand after the decimal point
  const int room = 19 - DigitCount(den);
  constexpr std::uint64_t kLeast = 100000000000000ull;  // 10^14, the least of 15 digits
  while (kept < kLeast) {
    const int j = std::min(room, 15 - DigitCount(kept));
    const std::uint64_t scale = kPowersOfTen[static_cast<std::size_t>(j)];
    rest *= scale;
    kept = kept * scale + rest / den;
    rest %= den;
    after_point += j;
  }
  // Kept has 15 digits, then the remainder decides the rounding; or it is a whole part of 16
  // digits, whose last digit decides it (the remainder only adds to it).
  Digits digits;
  digits.exponent = DigitCount(kept) - 1 - after_point;
  bool up = rest >= den - rest;
  if (kept >= 10 * kLeast) {
    up = kept % 10 >= 5;
    kept /= 10;
  }
  if (up && ++kept == 10 * kLeast) {  // rounded up through nines to a power of ten
    kept = kLeast;
    ++digits.exponent;
  }
  for (std::size_t i = 15; i > 1; i -= 2, kept /= 100) {
    std::memcpy(&digits.mantissa[i - 2], &kPairs[kept % 100 * 2], 2);
  }
  digits.mantissa[0] = static_cast<char>('0' + kept);
  digits.size = 15;
  while (digits.size > 1 && digits.mantissa[digits.size - 1] == '0') --digits.size;
  return digits;
}

// The digits of a whole number, appended to `out`. They are written from the right, two at a
// time, into a buffer and appended in one piece: boxes and transcripts write many short numbers,
// and this is several times quicker than a general conversion.
void AppendWhole(std::string& out, std::uint64_t n) {
  char buffer[20];  // 2^64 has 20 digits
  char* first = buffer + sizeof buffer;
  while (n >= 100) {
    const std::size_t pair = static_cast<std::size_t>(n % 100) * 2;
    n /= 100;
    *--first = kPairs[pair + 1];
    *--first = kPairs[pair];
  }
  if (n >= 10) {
    *--first = kPairs[n * 2 + 1];
    *--first = kPairs[n * 2];
  } else {
    *--first = static_cast<char>('0' + n);
  }
  out.append(first, buffer + sizeof buffer);
}

// Whether a value is below zero; -0 is not.
bool IsBelowZero(const Value& v) {
  if (v.kind() == Value::Kind::kInteger) return v.AsInteger() < 0;
  return v.ToDouble() < 0.0;
}

// The text of a value without a sign position, appended to `out`.
void AppendMagnitude(std::string& out, const Value& v, char separator) {
  std::uint64_t whole = 0;
  if (v.kind() == Value::Kind::kInteger) {
    const std::int64_t n = v.AsInteger();
    whole = n < 0 ? 0 - static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n);
  } else {
    // A whole number that a double holds exactly is written with all its digits, so that an
    // exact answer such as 2999999999999999 is not shown rounded to 15 significant digits.
    const double magnitude = std::fabs(v.ToDouble());
    if (!IsExactWhole(magnitude) || magnitude >= kExactLimit) {
      AppendFormattedMagnitude(out, magnitude, separator);
      return;
    }
    whole = static_cast<std::uint64_t>(magnitude);
  }
  AppendWhole(out, whole);
}

}  // namespace

std::optional<double> ShortNumber(std::string_view text) {
  const bool negative = text.starts_with('-');
  const std::string_view digits = text.substr(negative ? 1 : 0);
  if (digits.empty() || digits.size() > 15) return std::nullopt;
  std::uint64_t n = 0;  // below 10^15, so the double below is exact
  for (char c : digits) {
    if (!IsDigit(c)) return std::nullopt;
    n = n * 10 + static_cast<std::uint64_t>(c - '0');
  }
  const auto d = static_cast<double>(n);
  return negative ? -d : d;
}

double Val(std::string_view text) {
  // An empty box, as every fraction's whole-number box is, or a lone sign, as a negative
  // fraction's is.
  if (text.empty() || text == std::string_view("-")) return 0.0;
  if (const std::optional<double> n = ShortNumber(text)) return *n;
  const std::string s = WithoutBlanks(text);
  if (!s.empty() && s[0] == '&') {
    const int radix = RadixPrefix(s);
    return radix ? ReadRadix(std::string_view(s).substr(2), radix) : 0.0;
  }
  return ReadDecimal(s);
}

bool ValReadsAll(std::string_view text) {
  if (ShortNumber(text)) return true;
  const std::string s = WithoutBlanks(text);
  if (const int radix = RadixPrefix(s)) {
    const std::size_t digits = RadixDigits(std::string_view(s).substr(2), radix);
    return digits > 0 && 2 + digits == s.size();
  }
  const DecimalSpan span = ScanDecimal(s);
  return span.end > 0 && span.end == s.size();
}

std::optional<Fraction> DecimalFraction(std::string_view text) {
  // Without a point or an exponent there is no fractional part.
  if (std::none_of(text.begin(), text.end(), [](char c) {
        return c == '.' || c == 'e' || c == 'E' || c == 'd' || c == 'D';
      })) {
    return std::nullopt;
  }
  const std::string s = WithoutBlanks(text);
  if (RadixPrefix(s)) return std::nullopt;
  const DecimalSpan span = ScanDecimal(s);
  if (span.end == 0 || span.end != s.size()) return std::nullopt;
  // The digits as one whole number over a power of ten.
  std::string digits;
  long long exponent = ExponentOf(span);
  bool after_point = false;
  for (char c : span.mantissa) {
    if (c == '.') {
      after_point = true;
    } else if (!(digits.empty() && c == '0')) {
      digits += c;
      exponent -= after_point ? 1 : 0;
    } else if (after_point) {
      --exponent;
    }
  }
  while (!digits.empty() && digits.back() == '0') {
    digits.pop_back();
    ++exponent;
  }
  if (digits.empty() || exponent >= 0) return std::nullopt;  // zero, or a whole number
  // The denominator 10^k is 2^k 5^k, of which the digits cancel what they can. It stays at least
  // 2^k, so beyond k = 53 nothing fits; nor does a numerator of more digits than 2^53 x 5^53 has.
  const long long k = -exponent;
  if (k > 53 || digits.size() > 54) throw Failure(FailureKind::kOverflow);
  int twos = static_cast<int>(k), fives = static_cast<int>(k);
  while (twos > 0 && DivideDigits(digits, 2)) --twos;
  while (fives > 0 && DivideDigits(digits, 5)) --fives;
  const double numerator = ExactNumber(digits);
  double denominator = 1;
  for (int i = 0; i < twos + fives; ++i) {
    denominator *= i < twos ? 2 : 5;
    if (denominator >= kExactLimit) throw Failure(FailureKind::kOverflow);
  }
  return Fraction{span.negative ? -numerator : numerator, denominator};
}

void AppendQuotientText(std::string& out, bool negative, std::uint64_t num, std::uint64_t den,
                        char decimal_separator) {
  if (num == 0) {
    out += '0';
    return;
  }
  if (negative) out += '-';
  if (den == 1) {
    AppendWhole(out, num);
  } else {
    AppendDigits(out, QuotientDigits(num, den), decimal_separator);
  }
}

std::string QuotientText(bool negative, std::uint64_t num, std::uint64_t den,
                         char decimal_separator) {
  std::string text;
  AppendQuotientText(text, negative, num, den, decimal_separator);
  return text;
}

void AppendStr(std::string& out, const Value& v) {
  out += IsBelowZero(v) ? '-' : ' ';
  AppendMagnitude(out, v, '.');
}

std::string Str(const Value& v) {
  std::string text;
  AppendStr(text, v);
  return text;
}

void AppendBoxText(std::string& out, const Value& v, char decimal_separator) {
  if (v.IsEmpty()) return;
  if (IsBelowZero(v)) out += '-';
  AppendMagnitude(out, v, decimal_separator);
}

std::string BoxText(const Value& v, char decimal_separator) {
  std::string text;
  AppendBoxText(text, v, decimal_separator);
  return text;
}

}  // namespace ondavi
