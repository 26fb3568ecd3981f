// Exact numbers, the operands as written, and where the calculator refuses: the calculator forms
// each operand's improper fraction, a common denominator and the result's parts, and stops when
// one of them reaches 2^53, beyond which doubles skip whole numbers.
#include <cmath>
#include <cstdlib>
#include <string>

#include "conversions.h"
#include "failure.h"
#include "value.h"
#include "wide_arithmetic.h"
#include "working.h"

namespace ondavi::explain {
namespace {

constexpr std::int64_t kLimit = std::int64_t{1} << 53;

bool Fits(std::int64_t x) {
  return x > -kLimit && x < kLimit;
}

// x * y, or false when the product reaches 2^53.
bool Times(std::int64_t x, std::int64_t y, std::int64_t* r) {
  return !MultiplyOverflows(x, y, r) && Fits(*r);
}

// The number that digits write; 0 for one of more digits than 2^53 has, which the calculator
// refuses before it is worked with.
std::int64_t Digits(const std::string& text) {
  std::int64_t n = 0;
  for (char c : text) {
    if (n >= kLimit) return 0;
    n = n * 10 + (c - '0');
  }
  return n;
}

}  // namespace

std::int64_t Gcd(std::int64_t a, std::int64_t b) {
  a = std::llabs(a);
  b = std::llabs(b);
  while (b != 0) {
    const std::int64_t r = a % b;
    a = b;
    b = r;
  }
  return a;
}

Rational Reduced(Rational r) {
  if (r.den < 0) r = {-r.num, -r.den};
  const std::int64_t g = Gcd(r.num, r.den);
  return g > 1 ? Rational{r.num / g, r.den / g} : r;
}

Term FractionTerm(Rational r) {
  Term t;
  t.form = Term::Form::kFraction;
  t.shown = Fraction(r.num, r.den);
  t.negative = r.num < 0;
  t.num = std::llabs(r.num);
  t.den = r.den;
  t.value = r;
  return t;
}

Term MixedTerm(bool negative, std::int64_t whole, std::int64_t num, std::int64_t den) {
  Term t;
  t.negative = negative && (whole != 0 || num != 0);
  t.whole = whole;
  t.num = num;
  t.den = num == 0 ? 1 : den;
  const std::int64_t magnitude = whole * t.den + num;
  t.value = {t.negative ? -magnitude : magnitude, t.den};
  if (num == 0) {
    t.form = Term::Form::kWhole;
    t.shown = Whole(t.negative ? -whole : whole);
  } else if (whole == 0) {
    t.form = Term::Form::kFraction;
    t.shown = Fraction(t.negative ? -num : num, den);
  } else {
    t.form = Term::Form::kMixed;
    t.shown = Mixed(t.negative, whole, num, den);
  }
  return t;
}

Term WrittenTerm(const WrittenOperand& written) {
  const auto& [first, numerator, denominator] = written;
  const bool negative = first.starts_with('-');
  if (first.find('.') != std::string::npos) {
    Term t;
    t.form = Term::Form::kDecimal;
    t.shown = Decimal(first);
    t.negative = negative;
    // A decimal of more digits than 2^53 holds keeps no value: the calculator refuses it.
    try {
      if (const std::optional<ondavi::Fraction> f = DecimalFraction(first)) {
        t.value = {static_cast<std::int64_t>(f->numerator),
                   static_cast<std::int64_t>(f->denominator)};
      } else if (std::fabs(Val(first)) < kExactLimit) {
        t.value = {static_cast<std::int64_t>(Val(first)), 1};  // a whole number, "2.0"
      }
    } catch (const Failure&) {
    }
    return t;
  }
  const std::string whole = first.substr(negative ? 1 : 0);
  if (numerator.empty()) return MixedTerm(negative, Digits(whole), 0, 1);
  Term t;
  t.negative = negative;
  t.whole = Digits(whole);
  t.num = Digits(numerator);
  t.den = Digits(denominator);
  // A mixed number whose improper numerator reaches 2^53 keeps no value: the calculator refuses it.
  std::int64_t magnitude = 0;
  if (Times(t.whole, t.den, &magnitude) && Fits(magnitude + t.num)) {
    magnitude += t.num;
  } else {
    magnitude = 0;
  }
  t.value = {negative ? -magnitude : magnitude, t.den};
  if (whole.empty()) {
    t.form = Term::Form::kFraction;
    t.shown = Fraction(negative ? -t.num : t.num, t.den);
  } else {
    t.form = Term::Form::kMixed;
    t.shown = Mixed(negative, t.whole, t.num, t.den);
  }
  return t;
}

std::optional<Rational> CalculatorOperand(const WrittenOperand& written) {
  const auto& [first, numerator, denominator] = written;
  try {
    for (const std::string& box : written) {
      if (!(std::fabs(Val(box)) < kExactLimit)) return std::nullopt;
    }
    Rational whole{static_cast<std::int64_t>(Val(first)), 1};
    if (const std::optional<ondavi::Fraction> f = DecimalFraction(first)) {
      whole = {static_cast<std::int64_t>(f->numerator), static_cast<std::int64_t>(f->denominator)};
    }
    std::int64_t num = Digits(numerator), den = Digits(denominator);
    if (den == 0) num = 0, den = 1;
    if (first == "-") num = -num;
    const bool negative = first.starts_with('-') && first != "-";
    std::int64_t a = 0, b = 0, improper_den = 0;
    if (!Times(den, whole.num, &a) || !Times(num, whole.den, &b) ||
        !Times(den, whole.den, &improper_den)) {
      return std::nullopt;
    }
    const std::int64_t improper_num = negative ? a - b : a + b;
    if (!Fits(improper_num)) return std::nullopt;
    return Rational{improper_num, improper_den};
  } catch (const Failure&) {
    return std::nullopt;
  }
}

Detail Refusal(Rational a, char op, Rational b, Rational* answer) {
  Rational r;
  if (op == '+' || op == '-') {
    std::int64_t lcm = 0, n1 = 0, n2 = 0;
    if (!Times(a.den / Gcd(a.den, b.den), b.den, &lcm) || !Times(lcm / a.den, a.num, &n1) ||
        !Times(lcm / b.den, b.num, &n2)) {
      return Detail::kTooLarge;
    }
    r = {op == '+' ? n1 + n2 : n1 - n2, lcm};
    if (!Fits(r.num)) return Detail::kTooLarge;
  } else {
    const bool divide = op == '/';
    if (!Times(a.num, divide ? b.den : b.num, &r.num) ||
        !Times(a.den, divide ? b.num : b.den, &r.den)) {
      return Detail::kTooLarge;
    }
    if (r.den == 0) return Detail::kDivideByZero;
  }
  *answer = Reduced(r);
  return Detail::kNone;
}

Step MakeStep(Kind kind, std::vector<Expression> math, Detail detail) {
  Step step;
  step.kind = kind;
  step.detail = detail;
  step.math = std::move(math);
  return step;
}

}  // namespace ondavi::explain
