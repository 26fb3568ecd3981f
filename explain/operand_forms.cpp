// A number written as a fraction: a whole number over 1, a decimal over a power of ten, a mixed
// number as an improper fraction.
#include <cstdlib>
#include <string>

#include "working.h"

namespace ondavi::explain {
namespace {

// A decimal as written ("-0.25") over its power of ten, while both stay below 2^53: {-25, 100}.
std::optional<Rational> OverPowerOfTen(const std::string& text) {
  std::int64_t num = 0, den = 1;
  bool after_point = false;
  for (char c : text) {
    if (c == '.') {
      after_point = true;
    } else if (c >= '0' && c <= '9') {
      if (num > (std::int64_t{1} << 49) || den > (std::int64_t{1} << 49)) return std::nullopt;
      num = num * 10 + (c - '0');
      if (after_point) den *= 10;
    }
  }
  return Rational{text.starts_with('-') ? -num : num, den};
}

Step MixedToImproper(bool negative, std::int64_t whole, std::int64_t num, std::int64_t den) {
  const std::int64_t improper = whole * den + num;
  if (negative) {
    Step step =
        MakeStep(Kind::kMixedToImproper, {Mixed(true, whole, num, den), Fraction(-improper, den)},
                 Detail::kNegative);
    step.steps.push_back(MixedToImproper(false, whole, num, den));
    return step;
  }
  return MakeStep(
      Kind::kMixedToImproper,
      {Mixed(false, whole, num, den),
       Quotient(Operation(Operation(Whole(whole), 'x', Whole(den)), '+', Whole(num)), Whole(den)),
       Fraction(improper, den)});
}

}  // namespace

Rational AsFraction(const Term& term, std::vector<Step>& out) {
  switch (term.form) {
    case Term::Form::kFraction:
      return term.value;
    case Term::Form::kWhole:
      out.push_back(
          MakeStep(Kind::kWholeAsFraction, {term.shown, Fraction(term.value.num, term.value.den)}));
      return term.value;
    case Term::Form::kMixed:
      out.push_back(MixedToImproper(term.negative, term.whole, term.num, term.den));
      return term.value;
    case Term::Form::kDecimal:
      break;
  }
  Step step = MakeStep(Kind::kDecimalAsFraction, {term.shown});
  if (const std::optional<Rational> raw = OverPowerOfTen(term.shown.text)) {
    step.args.push_back(Whole(raw->den));
    step.math.push_back(Fraction(raw->num, raw->den));
    const std::int64_t factor = Gcd(raw->num, raw->den);
    if (factor > 1) {
      step.factor = factor;
      step.args.push_back(Whole(factor));
      step.math.push_back(Fraction(raw->num / factor, raw->den / factor));
    }
  } else {
    step.math.push_back(Fraction(term.value.num, term.value.den));
  }
  out.push_back(std::move(step));
  return term.value;
}

}  // namespace ondavi::explain
